#pragma once

#include <QRect>
#include <QString>
#include <functional>

#include "case/TextSource.h"

class QPainter;

namespace vitalis::report {

// One printed page: its heading and what it draws into the area below the heading.
struct ReportPage {
    QString heading;
    std::function<void(QPainter& painter, const QRect& body)> draw;
};

// A page kind's name in the user's language (as the layout editor shows it), or `fallback`
// when the language file has none.
inline QString PageHeading(const TextSource& texts, const char* key, const char* fallback) {
    const std::string text = texts.Text(kCaseTexts, key);
    return text.empty() ? QString::fromUtf8(fallback) : QString::fromStdString(text);
}

}  // namespace vitalis::report
