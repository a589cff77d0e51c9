#pragma once

#include <string>

namespace vitalis {
class Recording;
}

namespace vitalis::cli {

// Why a case file did not load, naming the file: "damaged or not a case file: PATH (reason)"
// when the file is at fault, else that it could not be read as a case file.
std::string LoadFailureText(const Recording& recording);

}  // namespace vitalis::cli
