#include <gtest/gtest.h>
#include <QApplication>

namespace {

TEST(Application, StyleNamesTheApplication) {
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Vitalis"));
    EXPECT_EQ(QApplication::applicationVersion(), QStringLiteral("4.5.0"));
}

}  // namespace
