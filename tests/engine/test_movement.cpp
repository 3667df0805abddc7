#include "fixture.h"

#include <gtest/gtest.h>

namespace kp::test {

namespace {
// A scenario playing on an empty default board (no smileys), the capsule at a given place.
struct Moving : Scenario {
    Moving() {
        board({});
        resume();
    }
};
} // namespace

TEST(Movement, newCapsuleEntersOnItsFirstFallAndShowsTheNextOne) {
    Moving sc;
    const int32_t c1 = sc.s().capsule.half1, c2 = sc.s().capsule.half2;
    sc.s().preview = {0, 0};
    sc.run(650);
    EXPECT_EQ(sc.s().capsule.row, 1);
    EXPECT_EQ(sc.s().grid[1][4], c1);
    EXPECT_EQ(sc.s().grid[1][5], c2);
    EXPECT_EQ(sc.s().preview, (std::array<int32_t, 2>{sc.s().nextHalf1, sc.s().nextHalf2}));
}

TEST(Movement, horizontalAgainstTheRightWallCannotMoveRightAndVerticalCannotTurn) {
    Moving sc;
    sc.capsule(5, 7, 2, 0, 1);
    EXPECT_FALSE(sc.game.move(Move::Right));
    EXPECT_EQ(sc.s().capsule.col, 7);
    sc.board({});
    sc.capsule(5, 8, 1, 0, 1);
    EXPECT_FALSE(sc.game.move(Move::Turn));
    EXPECT_EQ(sc.s().capsule.orientation, 1);
    EXPECT_TRUE(sc.game.move(Move::Left));
    EXPECT_EQ(sc.s().capsule.col, 7);
    EXPECT_EQ(sc.s().grid[5][8], CellEmpty);
}

TEST(Movement, blockedByAnythingButEmptyCells) {
    Moving sc;
    sc.board({". . Y . . . . .", ". . . . . . . ."});
    sc.capsule(17, 4, 2, 0, 1);
    EXPECT_FALSE(sc.game.move(Move::Left)); // a smiley at (17, 3)
    sc.board({". . . . . . . .", ". . . . b0 . . ."});
    sc.capsule(17, 4, 2, 0, 1);
    EXPECT_FALSE(sc.game.move(Move::Down)); // lands on a half
}

// Upright, a capsule lying in row 0 or 1 would reach above the well: the turn is refused, and
// on the entry row the capsule stays where every key can move it.
TEST(Movement, aTurnThatWouldLeaveTheWellIsRefusedAndKeysStillMove) {
    Moving sc;
    ASSERT_EQ(sc.s().capsule.row, 0);
    EXPECT_FALSE(sc.game.move(Move::Turn));
    EXPECT_EQ(sc.s().capsule.orientation, 2);
    sc.run(650);
    ASSERT_EQ(sc.s().capsule.row, 1);
    sc.key(Command::Turn);
    EXPECT_EQ(sc.s().capsule.orientation, 2);
    EXPECT_EQ(sc.s().capsule.row, 1);
    sc.key(Command::Left);
    EXPECT_EQ(sc.s().capsule.col, 3);
    sc.key(Command::Down);
    EXPECT_EQ(sc.s().capsule.row, 2);
    sc.key(Command::Turn);
    EXPECT_EQ(sc.s().capsule.orientation, 3) << "from row 2 it stands up in rows 1 and 2";
    EXPECT_EQ(sc.s().capsule.row, 1);
    sc.key(Command::Right);
    EXPECT_EQ(sc.s().capsule.col, 4);
}

TEST(Movement, quarterTurnsGoCounterClockwise) {
    Moving sc;
    sc.capsule(10, 4, 2, 0, 1); // b2 y4 at (10,4) (10,5)
    ASSERT_TRUE(sc.game.move(Move::Turn));
    EXPECT_EQ(sc.s().capsule.orientation, 3);
    EXPECT_EQ(sc.s().grid[9][4], capsuleCode(1, LinkTop)); // the right half went up
    EXPECT_EQ(sc.s().grid[10][4], capsuleCode(0, LinkBottom));
    EXPECT_EQ(sc.s().grid[10][5], CellEmpty);
    ASSERT_TRUE(sc.game.move(Move::Turn));
    EXPECT_EQ(sc.s().capsule.orientation, 4);
    EXPECT_EQ(sc.s().grid[10][3], capsuleCode(1, LinkLeft)); // the upper half went left
    EXPECT_EQ(sc.s().grid[10][4], capsuleCode(0, LinkRight));
    EXPECT_EQ(sc.s().grid[9][4], CellEmpty);
    ASSERT_TRUE(sc.game.move(Move::Turn));
    EXPECT_EQ(sc.s().capsule.orientation, 1);
    EXPECT_EQ(sc.s().grid[10][4], capsuleCode(0, LinkTop));
    EXPECT_EQ(sc.s().grid[11][4], capsuleCode(1, LinkBottom));
    ASSERT_TRUE(sc.game.move(Move::Turn));
    EXPECT_EQ(sc.s().capsule.orientation, 2);
    // Four turns: the same cells, orientation and colours as at the start.
    EXPECT_EQ(sc.text(9)[0], ". . . b2 y4 . . .");
    EXPECT_EQ(sc.count(CellEmpty), 19 * 8 - 2);
}

TEST(Movement, aTurnIntoATakenCellIsRefusedWithoutKick) {
    Moving sc;
    sc.board({". . . . . . . .", ". . . . . . . ."});
    sc.s().grid[9][4] = smileyCode(0, 1);
    sc.capsule(10, 4, 2, 0, 1);
    EXPECT_FALSE(sc.game.move(Move::Turn));
    EXPECT_EQ(sc.s().capsule.orientation, 2);
    EXPECT_EQ(sc.s().grid[10][4], capsuleCode(0, LinkLeft));
}

TEST(Keys, aKeyWhilePausedResumesAndActs) {
    Moving sc;
    sc.run(650);
    sc.game.togglePause();
    ASSERT_TRUE(sc.s().paused);
    sc.key(Command::Left);
    EXPECT_FALSE(sc.s().paused);
    EXPECT_FALSE(sc.s().messageVisible);
    EXPECT_EQ(sc.s().capsule.col, 3);
    sc.key(Command::Right);
    sc.key(Command::Right);
    EXPECT_EQ(sc.s().capsule.col, 5);
    sc.key(Command::Down);
    sc.key(Command::Down);
    EXPECT_EQ(sc.s().capsule.row, 3);
    sc.key(Command::Turn);
    EXPECT_EQ(sc.s().capsule.orientation, 3);
    EXPECT_EQ(sc.s().capsule.row, 2);
}

TEST(Keys, noMoveWhileTheCapsuleWaitsInRowZero) {
    Moving sc;
    sc.key(Command::Left);
    sc.key(Command::Drop);
    EXPECT_EQ(sc.s().capsule.row, 0);
    EXPECT_EQ(sc.s().capsule.col, 4);
}

TEST(Keys, enterAndEscapeHideTheGame) {
    Moving sc;
    sc.key(Command::Panic);
    EXPECT_TRUE(sc.s().hidden);
    EXPECT_TRUE(sc.s().paused);
    sc.game.unhide();
    sc.key(Command::Panic);
    EXPECT_EQ(sc.ev.panics, (std::vector<bool>{true, false, true}));
}

TEST(HardDrop, fallsOneRowEvery50msUntilItLands) {
    Moving sc;
    sc.run(650);
    const int32_t code1 = sc.s().capsule.half1;
    sc.key(Command::Drop);
    EXPECT_EQ(sc.s().capsule.row, 2); // the first step is at once
    sc.run(49);
    EXPECT_EQ(sc.s().capsule.row, 2);
    sc.run(1);
    EXPECT_EQ(sc.s().capsule.row, 3);
    sc.run(50 * 16);
    EXPECT_EQ(sc.s().grid[18][4], code1);
    EXPECT_EQ(sc.ev.sounds[Sound::Landing], 1);
    EXPECT_EQ(sc.s().capsule.row, 0); // the next capsule came in
    EXPECT_FALSE(sc.s().timer(TimerId::Drop).enabled);
}

TEST(HardDrop, aKeyDuringTheDropStopsItAndActs) {
    Moving sc;
    sc.run(650);
    sc.key(Command::Drop);
    sc.run(100);
    ASSERT_EQ(sc.s().capsule.row, 4);
    sc.key(Command::Left);
    EXPECT_EQ(sc.s().capsule.col, 3);
    sc.run(400);
    EXPECT_EQ(sc.s().capsule.row, 4); // the drop stopped; the fall period is 650 ms
    EXPECT_FALSE(sc.s().timer(TimerId::Drop).enabled);
}

TEST(HardDrop, panicOrPauseFromTheMenuStopsItAndNothingFallsWhileHidden) {
    for (const bool panic : {true, false}) {
        Moving sc;
        sc.run(650);
        sc.key(Command::Drop);
        sc.run(100);
        ASSERT_EQ(sc.s().capsule.row, 4);
        // The window's menu shortcuts reach the rules without passing through the key handler.
        if (panic)
            sc.game.panic();
        else
            sc.game.togglePause();
        sc.clock.sync();
        sc.run(5000);
        EXPECT_EQ(sc.s().capsule.row, 4) << (panic ? "panic" : "pause");
        EXPECT_EQ(sc.ev.sounds[Sound::Landing], 0);
        EXPECT_FALSE(sc.s().timer(TimerId::Drop).enabled);
    }
}

TEST(HardDrop, fallTicksDuringTheDropAddUp) {
    Moving sc;
    sc.run(640);
    ASSERT_EQ(sc.s().capsule.row, 0);
    sc.run(10); // row 1 at 650 ms
    sc.run(600);
    ASSERT_EQ(sc.s().capsule.row, 1);
    sc.key(Command::Drop); // 1250 ms: row 2 at once, then 1300 row 3, 1300 is also a fall tick
    sc.run(50);
    EXPECT_EQ(sc.s().capsule.row, 4);
}

} // namespace kp::test
