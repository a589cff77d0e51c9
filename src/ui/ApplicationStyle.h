#pragma once

class QApplication;

namespace vitalis {

// Application-wide look: the shipped DejaVu Sans as the interface font, so charts and
// dialogs measure the same on every machine.
void ApplyApplicationStyle(QApplication& app);

}  // namespace vitalis
