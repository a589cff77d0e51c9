#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QPainter;

namespace vitalis::report {

// One printed page: its heading and what it draws into the area below the heading.
struct ReportPage {
    QString heading;
    std::function<void(QPainter& painter, const QRect& body)> draw;
};

}  // namespace vitalis::report
