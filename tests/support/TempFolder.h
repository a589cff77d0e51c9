#pragma once

#include <set>
#include <string>

namespace vitalis::test {

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // Makes the folder an application folder with the shipped language files in "Language".
    void AddShippedLanguages() const;

  private:
    std::string path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// The names of the entries directly in a folder.
std::set<std::string> NamesIn(const std::string& folder);

}  // namespace vitalis::test
