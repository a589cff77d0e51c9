#include <QApplication>
#include <QMainWindow>

#include "ui/ApplicationStyle.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vitalis::ApplyApplicationStyle(app);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vitalis"));
    window.resize(1024, 720);
    window.show();
    return app.exec();
}
