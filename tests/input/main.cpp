// Key names need a QGuiApplication (the platform's key names); the offscreen platform needs no
// display.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include "../quiet_desktop.h"

int main(int argc, char** argv) {
    forgetTheCallersDesktop();
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
