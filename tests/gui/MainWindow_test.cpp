#include <QApplication>
#include <QMainWindow>
#include <gtest/gtest.h>

#include "ui/ApplicationStyle.h"

namespace {

TEST(Application, StyleNamesTheApplication) {
    int argc = 1;
    char name[] = "vitalis_gui_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    vitalis::ApplyApplicationStyle(app);
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Vitalis"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vitalis"));
    window.show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.close());
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
