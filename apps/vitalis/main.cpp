#include <QApplication>
#include <QScreen>

#include "shell/AppConfig.h"
#include "shell/ProcessWide.h"
#include "shell/gui/CMainFrameHeron.h"
#include "shell/gui/Workstation.h"
#include "ui/ApplicationStyle.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vitalis::ApplyApplicationStyle(app);
    vitalis::AppConfig& config =
        vitalis::InstallConfig(std::make_unique<vitalis::AppConfigHeron>(vitalis::Languages()));
    vitalis::Workstation workstation(config, vitalis::UserMessages::MessageBoxes());
    workstation.Start(app.arguments().mid(1));
    // The window covers the screen from the start.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        workstation.frame().setGeometry(screen->availableGeometry());
    }
    workstation.frame().showMaximized();
    // Over the window, so the question is seen in the place it is about.
    workstation.AskCaseFolderOnFirstStart();
    const int exitCode = app.exec();
    workstation.Exit();
    return exitCode;
}
