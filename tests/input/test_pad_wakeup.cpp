// The wake-up of the pad reader, with named pipes standing for device files.
#include "input/pad_wakeup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kp {

namespace {

void runFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Lets the event loop run until `done`: the limit only guards against a hang.
template <class Done> bool runUntil(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

} // namespace

TEST(PadWakeup, wakesOnceForNewsAndSleepsWhileNothingHappens) {
    QTemporaryDir dir;
    const std::string device = (dir.path() + "/event7").toStdString();
    ASSERT_EQ(::mkfifo(device.c_str(), 0600), 0);
    int wakes = 0, folderWakes = 0;
    PadWakeup wakeup([&](bool folder) { ++(folder ? folderWakes : wakes); });
    EXPECT_TRUE(wakeup.watch({device}));
    const int writer = ::open(device.c_str(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    runFor(50);
    EXPECT_EQ(wakes, 0);
    ASSERT_EQ(::write(writer, "0123456789abcdef", 16), 16);
    EXPECT_TRUE(runUntil([&] { return wakes == 1; }));
    runFor(50);
    EXPECT_EQ(wakes, 1); // drained: no more wakes until the next news
    ASSERT_EQ(::write(writer, "x", 1), 1);
    EXPECT_TRUE(runUntil([&] { return wakes == 2; }));
    // The device goes (its writer closes): one last wake, then it is let go.
    ::close(writer);
    EXPECT_TRUE(runUntil([&] { return wakes == 3; }));
    runFor(50);
    EXPECT_EQ(wakes, 3);
    // A controller without a file, or a file that cannot be opened, must be asked in turn.
    EXPECT_FALSE(wakeup.watch({""}));
    EXPECT_FALSE(wakeup.watch({(dir.path() + "/missing").toStdString()}));

    // A file appearing in the watched folder (a controller plugged in) wakes it too.
    EXPECT_TRUE(wakeup.watchFolder(dir.path()));
    QFile(dir.path() + "/event8").open(QIODevice::WriteOnly);
    EXPECT_TRUE(runUntil([&] { return folderWakes == 1; }));
    runFor(50);
    EXPECT_EQ(folderWakes, 1);
    EXPECT_EQ(wakes, 3);
}

} // namespace kp
