// Widget tests share one application object and run offscreen.
#include <gtest/gtest.h>
#include <QApplication>

#include "support/ScopedVariable.h"
#include "support/TempFolder.h"
#include "ui/ApplicationStyle.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's settings and data folders of this run, never the real ones.
    const vitalis::test::TempFolder user;
    const vitalis::test::ScopedVariable config{"XDG_CONFIG_HOME", user.File("config")};
    const vitalis::test::ScopedVariable data{"XDG_DATA_HOME", user.File("data")};
    QApplication app(argc, argv);
    vitalis::ApplyApplicationStyle(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
