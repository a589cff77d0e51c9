// Widget tests share one application object and run offscreen.
#include <gtest/gtest.h>
#include <QApplication>

#include "ui/ApplicationStyle.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vitalis::ApplyApplicationStyle(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
