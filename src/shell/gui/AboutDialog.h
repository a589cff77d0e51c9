#pragma once

#include <QDialog>

namespace vitalis {

inline constexpr const char* kApplicationTitle = "Vitalis";
inline constexpr const char* kVersionText = "V4.5.0";

// The program's name and version.
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* parent = nullptr);
    static QString VersionLine();  // "Vitalis  V4.5.0"
};

}  // namespace vitalis
