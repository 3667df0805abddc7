// The windows run on Qt's offscreen platform: no display needed.
#include <QApplication>
#include <gtest/gtest.h>

#include "../quiet_desktop.h"

int main(int argc, char** argv) {
    forgetTheCallersDesktop();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
