// A versus match: attacks between the boards, the ends of rounds, one deal, and a recorded
// match played again.
#include "fixture.h"

#include "engine/match.h"
#include "engine/replay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kp::test {

namespace {

constexpr int b = 0, y = 1, m = 2, g = 3, o = 4;

MatchSettings withRun(int32_t minRun, int32_t colours = 3) {
    MatchSettings s;
    s.params.minRun = minRun;
    s.params.colours = colours;
    s.seed = 77;
    return s;
}

// A match whose boards are written as text (the fixture's tokens, aligned on the bottom row).
struct Versus {
    Match match;
    explicit Versus(const MatchSettings& s = withRun(4)) : match(s) { match.resume(); }

    GameState& s(int p) { return match.board(p).state(); }
    void board(int p, const std::vector<std::string>& rows) {
        GameState& st = s(p);
        fillBoard(st, rows);
        st.capsuleInGrid = false;
    }
    // Hard-drops a capsule put at (row, col): it lands on a drop step, on the match's clock.
    void drop(int p, int row, int col, int orientation, int colour1, int colour2) {
        GameState& st = s(p);
        if (st.capsuleInGrid) { // the capsule that was falling goes
            st.grid[st.capsule.row][st.capsule.col] = CellEmpty;
            st.grid[st.capsule.row2()][st.capsule.col2()] = CellEmpty;
        }
        const bool upright = orientation == 1 || orientation == 3;
        st.capsule =
            Capsule{row, col, orientation, capsuleCode(colour1, upright ? LinkTop : LinkLeft),
                    capsuleCode(colour2, upright ? LinkBottom : LinkRight)};
        st.grid[row][col] = st.capsule.half1;
        st.grid[st.capsule.row2()][st.capsule.col2()] = st.capsule.half2;
        st.capsuleInGrid = true;
        match.handle(p, Command::Drop);
    }
    // Runs the clock until board p's capsule has landed and the chain that followed is over:
    // the next capsule waits in row 0, free to fall (or a round ended).
    void settle(int p) {
        const int32_t rounds = match.round();
        const int64_t end = match.now() + 60000;
        auto done = [&] {
            return s(p).capsule.row == 0 && !match.board(p).chainRunning() &&
                   s(p).timer(TimerId::Fall).enabled;
        };
        while (!done() && match.round() == rounds && match.now() < end) match.advance(1);
    }
    int halves(int p) {
        int n = 0;
        for (int r = 0; r <= s(p).params.rows; ++r)
            for (int c = 1; c <= s(p).params.columns; ++c) n += isCapsuleHalf(s(p).grid[r][c]);
        return n;
    }
    int count(int p, int32_t code) {
        int n = 0;
        for (int r = 0; r <= s(p).params.rows; ++r)
            for (int c = 1; c <= s(p).params.columns; ++c) n += s(p).grid[r][c] == code;
        return n;
    }
};

const std::vector<std::string> quiet = {"M . . . . . . ."}; // a smiley that keeps a board playing

} // namespace

TEST(MatchAttack, twoRunsSendTwoHalvesInTheirColoursThatFallBeforeTheNextCapsule) {
    Versus v;
    v.board(0, {"M . . . . . . .", "B B B . . Y Y Y"});
    v.board(1, quiet);
    v.drop(0, 16, 4, 2, b, y);
    v.settle(0);
    EXPECT_EQ(v.match.queue(1), (std::vector<int32_t>{b, y}));
    EXPECT_EQ(v.match.sent(0), 2);
    EXPECT_TRUE(v.match.queue(0).empty());

    // They wait while board 1's own capsule falls, and come in once it has landed.
    EXPECT_EQ(v.count(1, capsuleCode(b, LinkLoose)), 0);
    v.drop(1, 16, 2, 2, m, m);
    v.match.advance(100); // the drop steps that take it down and land it
    EXPECT_TRUE(v.match.queue(1).empty());
    EXPECT_EQ(v.s(1).capsule.row, 0); // the next capsule still waits unseen
    EXPECT_FALSE(v.s(1).timer(TimerId::Fall).enabled);
    std::vector<int> columns;
    for (int c = 1; c <= 8; ++c)
        if (isCapsuleHalf(v.s(1).grid[1][c])) columns.push_back(c);
    ASSERT_EQ(columns.size(), 2u);
    v.settle(1);
    EXPECT_EQ(v.count(1, capsuleCode(b, LinkLoose)), 1);
    EXPECT_EQ(v.count(1, capsuleCode(y, LinkLoose)), 1);
    for (int c : columns) { // each fell down its column onto what was there
        int r = 1;
        while (v.s(1).grid[r][c] == CellEmpty) ++r;
        EXPECT_EQ(linkOf(v.s(1).grid[r][c]), LinkLoose) << c;
        EXPECT_NE(v.s(1).grid[r + 1][c], CellEmpty) << c;
    }
    EXPECT_EQ(v.match.round(), 0);
}

TEST(MatchAttack, theRunsOfTheWholeChainCountInTheOrderTheyWent) {
    // The y across goes first; the b half it leaves falls and completes the b across.
    Versus v;
    v.board(0, {"Y Y Y . B B B M"});
    v.board(1, quiet);
    v.drop(0, 15, 4, 1, b, y);
    v.settle(0);
    EXPECT_EQ(v.s(0).grid[18][4], CellEmpty);
    EXPECT_EQ(v.match.queue(1), (std::vector<int32_t>{y, b}));
    // One attack, from a chain of two searches that found runs.
    EXPECT_EQ(v.match.attacks(0), 1);
    EXPECT_EQ(v.match.longestChain(0), 2);
}

TEST(MatchAttack, oneRunSendsNothingACrossCountsTwoAndFourAtMost) {
    {
        Versus v;
        v.board(0, {"M . . . . . . .", "B B B . . . . ."});
        v.board(1, quiet);
        v.drop(0, 16, 4, 2, b, y);
        v.settle(0);
        EXPECT_TRUE(v.match.queue(1).empty());
    }
    {
        Versus v;
        v.board(0, {"M . . . . . . .", ". B B B . . . .", ". . . . B . . .", ". . . . B . . .",
                    ". . . . B . . ."});
        v.board(1, quiet);
        v.drop(0, 13, 5, 2, b, m);
        v.settle(0);
        EXPECT_EQ(v.match.queue(1), (std::vector<int32_t>{b, b}));
    }
    {
        // Runs of two: across and down from each half of the capsule, and a pair far off; the
        // first four in the search's order go.
        Versus v(withRun(2, 5));
        v.board(0, {"B . . Y M . . .", ". B Y . . . . .", "G . . . . M M ."});
        v.board(1, quiet);
        v.drop(0, 15, 2, 2, b, y);
        v.settle(0);
        EXPECT_EQ(v.match.queue(1), (std::vector<int32_t>{b, b, y, y}));
        EXPECT_EQ(v.match.sent(0), 4);
    }
}

TEST(MatchAttack, runsTheHalvesCompleteAreRemovedAndSendNothingBack) {
    MatchSettings settings = withRun(2, 5);
    Versus v(settings);
    v.board(0, {"B M . . . . . ."});
    // Board 1 is full but for columns 4 and 5, in two colours that never touch themselves.
    std::vector<std::string> rows;
    for (int r = 1; r <= 18; ++r) {
        std::string line;
        for (int c = 1; c <= 8; ++c) {
            const char* cell = (r + c) % 2 ? "Y" : "M";
            if (c == 4) cell = r == 18 ? "B" : ".";
            if (c == 5) cell = ".";
            line += std::string(c > 1 ? " " : "") + cell;
        }
        rows.push_back(line);
    }
    v.board(1, rows);
    v.drop(0, 16, 1, 2, b, b); // across and down: two runs of b
    v.settle(0);
    ASSERT_EQ(v.match.queue(1), (std::vector<int32_t>{b, b}));

    v.drop(1, 16, 5, 1, b, g); // lands upright in column 5 with no run
    v.settle(1);
    // The two halves fell in columns 4 and 5 and went with the b around them.
    EXPECT_TRUE(v.match.queue(1).empty());
    EXPECT_EQ(v.s(1).grid[18][4], CellEmpty);
    EXPECT_EQ(v.s(1).grid[18][5], capsuleCode(g, LinkLoose));
    EXPECT_EQ(v.count(1, capsuleCode(b, LinkLoose)), 0);
    EXPECT_TRUE(v.match.queue(0).empty());
    EXPECT_EQ(v.match.sent(1), 0);
    // A chain the received halves set off is not the receiver's own.
    EXPECT_EQ(v.match.longestChain(1), 0);
    EXPECT_EQ(v.match.attacks(1), 0);
    EXPECT_EQ(v.match.round(), 0);
}

TEST(MatchAttack, cancellingTakesBackWaitingHalvesOneForOneOnlyWhenOn) {
    for (const bool cancel : {false, true}) {
        SCOPED_TRACE(cancel);
        MatchSettings settings = withRun(2);
        settings.cancelAttacks = cancel;
        Versus v(settings);
        v.board(0, {"B M . . . . . ."});
        v.board(1, {". . Y . . . . .", "B Y M . . . . M"});
        v.drop(0, 16, 1, 2, b, b);
        v.settle(0);
        ASSERT_EQ(v.match.queue(1), (std::vector<int32_t>{b, b}));
        v.drop(1, 16, 1, 2, b, y); // three runs: b down, y across, y down
        v.settle(1);
        if (cancel) {
            EXPECT_EQ(v.match.queue(0), (std::vector<int32_t>{y}));
            EXPECT_EQ(v.match.sent(1), 1);
            EXPECT_EQ(v.count(1, capsuleCode(b, LinkLoose)), 0); // nothing came in
        } else {
            EXPECT_EQ(v.match.queue(0), (std::vector<int32_t>{b, y, y}));
            EXPECT_EQ(v.match.sent(1), 3);
        }
        EXPECT_TRUE(v.match.queue(1).empty());
    }
}

namespace {
// Columns 4 and 5 full from row `top` down with no run (so the entry is taken once row 1 is),
// over a bottom row of the caller's.
void block(Versus& v, int p, const std::string& bottom, int top = 2) {
    std::vector<std::string> rows;
    for (int r = top; r <= 17; ++r)
        rows.push_back(r / 2 % 2 ? ". . . G O . . ." : ". . . O G . . .");
    rows.push_back(bottom);
    v.board(p, rows);
}
} // namespace

TEST(MatchEnd, aBlockedEntryLosesAgainstAnyBoardAndRoundsGoToTheCount) {
    Versus v(withRun(4, 5));
    for (int round = 0; round < 2; ++round) {
        block(v, 0, "B . . G O . . .");
        EXPECT_GT(v.s(1).smileysLeft, 1); // board 1 untouched, with all its smileys
        v.drop(0, 1, 4, 2, m, m);         // cannot go down: lands at once on the entry
        EXPECT_EQ(v.match.round(), round + 1);
        EXPECT_EQ(v.match.roundWinner(), 1);
    }
    EXPECT_TRUE(v.match.over());
    EXPECT_EQ(v.match.winner(), 1);
    EXPECT_EQ(v.match.roundsWon(1), 2);
    EXPECT_EQ(v.match.roundsWon(0), 0);
    EXPECT_FALSE(v.match.step()); // nothing moves once the match is over
}

TEST(MatchEnd, aNewRoundStartsFreshFromEachPlayersLevel) {
    MatchSettings settings = withRun(4, 5);
    settings.startLevel = {2, 4};
    Versus v(settings);
    block(v, 0, "B . . G O . . .");
    v.s(1).level = 9;
    v.drop(0, 1, 4, 2, m, m);
    ASSERT_EQ(v.match.round(), 1);
    EXPECT_EQ(v.s(0).level, 2);
    EXPECT_EQ(v.s(1).level, 4);
    EXPECT_TRUE(v.s(0).paused && v.s(1).paused);
    EXPECT_EQ(v.s(0).smileysLeft, 10);
    EXPECT_EQ(v.s(1).smileysLeft, 20);
    EXPECT_EQ(v.halves(0), 0);
    EXPECT_TRUE(v.match.queue(0).empty() && v.match.queue(1).empty());
}

TEST(MatchEnd, boardsEndingAtOneInstantAreJudgedTogether) {
    // Each board removes a run down column 1 on the same drop step; a blocked board ends with
    // its entry still taken, the others with no smiley left.
    struct Case {
        const char* what;
        bool blocked0, blocked1;
        int extra0, extra1; // smileys left beside the run
        int32_t winner;
    };
    const Case cases[] = {
        {"both clear: a draw", false, false, 0, 0, -1},
        {"one clears as the other is blocked", true, false, 0, 0, 1},
        {"both blocked: fewer smileys left wins", true, true, 1, 0, 1},
        {"both blocked, as many smileys: a draw", true, true, 1, 1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Versus v(withRun(4, 5));
        const bool blocked[2] = {c.blocked0, c.blocked1};
        const int extra[2] = {c.extra0, c.extra1};
        for (int p = 0; p < 2; ++p) {
            const std::string bottom = extra[p] ? "B . . G O . . M" : "B . . G O . . .";
            if (blocked[p]) {
                block(v, p, bottom, 1);
                v.s(p).grid[17][1] = smileyCode(b, 1);
            } else
                v.board(p, {"B . . . . . . .", "B . . . . . . ."});
        }
        for (int p = 0; p < 2; ++p) v.drop(p, 14, 1, 1, b, b);
        ASSERT_EQ(v.match.round(), 0);
        for (int i = 0; i < 5000 && v.match.round() == 0; ++i) v.match.advance(1);
        EXPECT_EQ(v.match.results(), (std::vector<int32_t>{c.winner}));
    }
}

TEST(MatchPause, pauseAndPanicStopBothBoardsAndAnyKeyLeavesThePauseOnBoth) {
    Versus v;
    v.match.handle(0, Command::Panic);
    for (int p = 0; p < 2; ++p) EXPECT_TRUE(v.s(p).hidden && v.s(p).paused) << p;
    const int64_t before = v.match.timersFired();
    v.match.advance(5000); // only the chrono and the smileys' faces run while paused
    const GameState frozen = v.s(1);
    v.match.unhide();
    v.match.handle(1, Command::Other);
    for (int p = 0; p < 2; ++p) EXPECT_FALSE(v.s(p).hidden || v.s(p).paused) << p;
    EXPECT_EQ(frozen.Chrono, v.s(1).Chrono);
    EXPECT_GT(v.match.timersFired(), before);
    v.match.togglePause();
    EXPECT_TRUE(v.s(0).paused && v.s(1).paused);
    v.match.togglePause();
    EXPECT_FALSE(v.s(0).paused || v.s(1).paused);
}

TEST(MatchDeal, bothBoardsGetTheSameSmileysForALevelAndTheSameCapsulesWhateverTheLevel) {
    auto capsules = [](Match& match, int p) {
        // The capsules a board brings in, taken straight from its deal.
        std::vector<int32_t> seen;
        Game& board = match.board(p);
        for (int i = 0; i < 12; ++i) {
            seen.push_back(board.state().capsule.half1);
            seen.push_back(board.state().capsule.half2);
            board.bringNextCapsule();
        }
        return seen;
    };
    MatchSettings same = withRun(4, 5);
    same.startLevel = {6, 6};
    Match a(same);
    EXPECT_EQ(a.board(0).state().grid, a.board(1).state().grid);

    MatchSettings handicap = same;
    handicap.startLevel = {1, 9};
    Match h(handicap);
    EXPECT_NE(h.board(0).state().smileysLeft, h.board(1).state().smileysLeft);
    const auto dealt = capsules(h, 0);
    EXPECT_EQ(capsules(h, 1), dealt);
    EXPECT_EQ(capsules(a, 0), dealt);

    // Another match seed deals another game.
    MatchSettings other = same;
    other.seed = 78;
    Match c(other);
    EXPECT_NE(a.board(0).state().grid, c.board(0).state().grid);
}

namespace {
// Two players pressing keys at random, the match paused and hidden now and then, until it is over
// or ten virtual minutes have gone.
void playAtRandom(Match& match, uint32_t seed) {
    Random r(seed);
    const Command keys[] = {Command::Left, Command::Right, Command::Turn,
                            Command::Down, Command::Drop,  Command::Other};
    while (!match.over() && match.now() < 600000) {
        const int what = r(100);
        const int p = r(2);
        if (what < 60)
            match.handle(p, keys[r(6)]);
        else if (what < 64) {
            match.press(p, keys[r(4)]);
            match.advance(r(400));
            match.release(p, keys[r(4)]);
        } else if (what < 65)
            match.togglePause();
        else if (what < 66) {
            match.handle(p, Command::Panic);
            match.unhide();
        } else
            match.advance(r(700));
    }
}
} // namespace

TEST(MatchReplay, aRecordedMatchPlaysAgainToTheSameEnd) {
    int finished = 0;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        MatchSettings s = withRun(seed % 3 == 0 ? 3 : 4, 3 + seed % 3);
        s.seed = seed * 1000;
        s.startLevel = {1 + static_cast<int32_t>(seed % 4), 1};
        s.cancelAttacks = seed % 2 == 0;
        s.params.rows = 12;
        Match match(s);
        playAtRandom(match, seed);
        finished += match.over();
        const Recording& rec = match.recording();
        ASSERT_EQ(replayEnd(rec), rec.end) << "seed " << seed;
    }
    EXPECT_GT(finished, 0);
}

} // namespace kp::test
