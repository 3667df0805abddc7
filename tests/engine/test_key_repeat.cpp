// The game's own repeat of a held direction, on virtual time.
#include "fixture.h"

#include <gtest/gtest.h>

namespace kp::test {

namespace {

// An empty board where the capsule falls only every 5 s, so that what moves it is the repeat.
struct Holding : Scenario {
    explicit Holding(int32_t delay = 170, int32_t interval = 50)
        : Scenario([] {
              LevelParameters p;
              p.firstFallPeriod = 5000;
              return p;
          }()) {
        board({});
        resume();
        game.setKeyRepeat(delay, interval);
        place();
    }
    // The capsule alone on the board, lying at row 5, columns 4 and 5.
    void place() {
        board({});
        capsule(5, 4, 2, 0, 1);
    }
    void press(Command c) {
        game.press(c);
        clock.sync();
    }
    void release(Command c) {
        game.release(c);
        clock.sync();
    }
    int col() { return s().capsule.col; }
};

} // namespace

TEST(KeyRepeat, firstRepeatAfterTheDelayThenOneEachInterval) {
    Holding sc(170, 50);
    sc.press(Command::Left);
    EXPECT_EQ(sc.col(), 3); // the press itself moves at once
    sc.run(169);
    EXPECT_EQ(sc.col(), 3);
    sc.run(1);
    EXPECT_EQ(sc.col(), 2);
    sc.run(49);
    EXPECT_EQ(sc.col(), 2);
    sc.run(1);
    EXPECT_EQ(sc.col(), 1);
    sc.run(500); // against the wall it stays there
    EXPECT_EQ(sc.col(), 1);
}

TEST(KeyRepeat, releasePauseAndAnotherDirectionStopIt) {
    Holding sc;
    sc.press(Command::Right);
    sc.run(170);
    EXPECT_EQ(sc.col(), 6);
    sc.release(Command::Left); // not the held key: nothing changes
    sc.run(50);
    EXPECT_EQ(sc.col(), 7);
    sc.release(Command::Right);
    sc.place();
    sc.run(1000);
    EXPECT_EQ(sc.col(), 4);

    sc.press(Command::Right);
    sc.game.pause();
    sc.clock.sync();
    sc.run(1000);
    EXPECT_EQ(sc.col(), 5);
    EXPECT_FALSE(sc.s().timer(TimerId::Repeat).enabled);
    // A key pressed again after the pause repeats afresh.
    sc.press(Command::Left);
    sc.run(170);
    EXPECT_EQ(sc.col(), 3);
    sc.release(Command::Left);

    // The last direction pressed is the one that repeats; letting go of the first one does
    // not stop it.
    sc.place();
    sc.press(Command::Left);
    sc.press(Command::Down);
    sc.release(Command::Left);
    sc.run(170 + 50);
    EXPECT_EQ(sc.col(), 3);
    EXPECT_EQ(sc.s().capsule.row, 8);
}

TEST(KeyRepeat, noIntervalGoesToTheWallAndDownLands) {
    Holding sc(170, 0);
    sc.press(Command::Left);
    EXPECT_EQ(sc.col(), 3);
    sc.run(170);
    EXPECT_EQ(sc.col(), 1);
    sc.release(Command::Left);

    sc.press(Command::Down);
    const int32_t half1 = sc.s().capsule.half1;
    sc.run(170);
    // Landed on the floor at once: the next capsule waits in row 0.
    EXPECT_EQ(sc.s().grid[sc.s().params.rows][1], half1);
    EXPECT_EQ(sc.s().capsule.row, 0);
}

TEST(KeyRepeat, turningNeverRepeats) {
    Holding sc;
    sc.press(Command::Turn);
    EXPECT_EQ(sc.s().capsule.orientation, 3);
    sc.run(1000);
    EXPECT_EQ(sc.s().capsule.orientation, 3);
    EXPECT_FALSE(sc.s().timer(TimerId::Repeat).enabled);
}

} // namespace kp::test
