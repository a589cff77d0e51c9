#include "ui/ApplicationStyle.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace vitalis {

void ApplyApplicationStyle(QApplication& app) {
    if (QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(10);
        app.setFont(font);
    }
    app.setApplicationName(QStringLiteral("Vitalis"));
    app.setApplicationVersion(QStringLiteral("4.5.0"));
}

}  // namespace vitalis
