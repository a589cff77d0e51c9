#pragma once

#include <QIcon>

namespace vitalis {

// The toolbar picture of a command: drawn here, 32 x 32, one distinct picture per button.
// An unknown command gets an empty icon.
QIcon CommandIcon(int commandId);

}  // namespace vitalis
