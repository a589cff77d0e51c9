#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace vitalis {

// How a window tells the user something or asks a yes/no question: modal message boxes
// captioned "Vitalis". Tests replace the two functions to record and answer.
struct UserMessages {
    std::function<void(QWidget* parent, const QString& text)> inform;
    std::function<bool(QWidget* parent, const QString& question)> confirm;

    static UserMessages MessageBoxes();
};

}  // namespace vitalis
