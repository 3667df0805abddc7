// Replay files: what is written reads back as the same game; damaged, cut, newer, oversized,
// hostile and altered files are refused with a message and never crash or hang the reader.
#include "temp_dir.h"

#include "engine/recorded_game.h"
#include "engine/virtual_clock.h"
#include "persistence/controls.h"
#include "persistence/replay_file.h"
#include "persistence/settings.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <random>

namespace kp::test {

namespace {

// A recorded game of random play on virtual time, finished by a new game.
// `oldTurn`: played with the turn as it was before the one on the entry row was mended.
std::shared_ptr<const Recording> playedGame(uint32_t seed, bool fromSavedGame = false,
                                            bool oldTurn = false) {
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    GameEvents nobody;
    auto game = std::make_unique<RecordedGame>(nobody, seed);
    VirtualClock clock(*game);
    game->setClock(clock);
    std::shared_ptr<const Recording> last;
    game->setFinishedHandler([&](const std::shared_ptr<const Recording>& r) { last = r; });
    LevelParameters p;
    p.rows = pick(8, 20);
    p.columns = pick(5, 10);
    p.colours = pick(2, 4);
    game->setParameters(p);
    game->setKeyRepeat(pick(MinRepeatDelay, MaxRepeatDelay),
                       pick(MinRepeatInterval, MaxRepeatInterval));
    game->state().options.turnLeavesTheWell = oldTurn;
    if (fromSavedGame) {
        auto saved = std::make_unique<SavedGame>();
        saved->level = 3;
        saved->Chrono = {0, 1, 2, 3, 4};
        for (int c = 1; c <= p.columns; c += 2) saved->Cells[p.rows][c] = smileyCode(c % 3, 2);
        game->newGame(saved.get());
    } else {
        game->newGame();
    }
    clock.sync();
    for (int step = 0; step < 400; ++step) {
        const int what = pick(0, 99);
        if (what < 45)
            game->handle(static_cast<Command>(pick(0, 4)));
        else if (what < 50) {
            game->press(Command::Left);
            clock.sync();
            clock.advance(pick(0, 300));
            game->release(Command::Left);
        } else if (what < 52)
            game->togglePause();
        else if (what < 53)
            game->skipLevel();
        else if (what < 54)
            game->setSmileyAnimation(pick(0, 3));
        else if (what < 55) {
            p.firstFallPeriod = pick(100, 999);
            game->setParameters(p);
        } else
            clock.advance(pick(1, 700));
        clock.sync();
    }
    game->newGame();
    return last;
}

std::string replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

ReplayRead parsed(const std::string& text) {
    Recording r;
    return parseReplay(text, r);
}

} // namespace

TEST(ReplayFile, writtenGamesReadBackAsTheSameGame) {
    size_t bytes = 0, inputs = 0;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        const auto rec = playedGame(seed, seed % 5 == 0);
        ASSERT_TRUE(rec);
        const std::string text = replayText(*rec);
        Recording back;
        const ReplayRead read = parseReplay(text, back);
        ASSERT_TRUE(read.ok()) << read.detail << " seed " << seed << " error "
                               << static_cast<int>(read.error) << " problem "
                               << static_cast<int>(read.problem);
        EXPECT_EQ(back.inputs, rec->inputs);
        EXPECT_EQ(back.end, rec->end);
        EXPECT_EQ(back.seed, rec->seed);
        EXPECT_EQ(back.parameters.size(), rec->parameters.size());
        EXPECT_EQ(back.saved != nullptr, rec->saved != nullptr);
        EXPECT_EQ(replayText(back), text);
        bytes += text.size();
        inputs += rec->inputs.size();
    }
    std::printf("60 games: %zu inputs in %zu bytes (%.2f bytes an input)\n", inputs, bytes,
                double(bytes) / double(inputs));
}

// Files of the first version hold the timers' fires among the inputs, timed by the wall: they
// still read, play to the end they claim (their timers fed, the clock firing none), and are
// written again in their own version.
TEST(ReplayFile, filesWhoseTimersWereRecordedStillPlayToTheirEnd) {
    for (const char* name : {"default-board", "from-saved-game", "small-board"}) {
        const std::filesystem::path path =
            std::filesystem::path(KP_OLD_REPLAYS) / (std::string(name) + ".KembrollaReplay");
        Recording old;
        const ReplayRead read = readReplay(path, old);
        ASSERT_TRUE(read.ok()) << name << ": " << read.detail;
        EXPECT_TRUE(old.timersRecorded) << name;
        EXPECT_EQ(replayEnd(old), old.end) << name;
        const std::string again = replayText(old);
        EXPECT_NE(again.find("Version=1\n"), std::string::npos) << name;
        EXPECT_TRUE(parsed(again).ok()) << name;
    }
    Recording match;
    const ReplayRead read =
        readVersusReplay(std::filesystem::path(KP_OLD_REPLAYS) / "versus.KembrollaReplay", match);
    ASSERT_TRUE(read.ok()) << read.detail;
    EXPECT_EQ(replayEnd(match), match.end);
}

// Files written before the turn on the entry row was mended have no key for it: they still play
// to their end, with the turn they were recorded with.
TEST(ReplayFile, filesFromBeforeTheEntryTurnWasMendedStillPlayToTheirEnd) {
    int turnedOut = 0;
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        const std::string text = replayText(*playedGame(seed, false, true));
        ASSERT_NE(text.find("\nRotationHorsPuits=1\n"), std::string::npos);
        Recording back;
        const ReplayRead read = parseReplay(replace(text, "RotationHorsPuits=1\n", ""), back);
        ASSERT_TRUE(read.ok()) << read.detail << " seed " << seed << " error "
                               << static_cast<int>(read.error) << " problem "
                               << static_cast<int>(read.problem);
        EXPECT_TRUE(back.options.turnLeavesTheWell);
        // Played with the mended turn, the same inputs end elsewhere.
        if (!parsed(replace(text, "RotationHorsPuits=1", "RotationHorsPuits=0")).ok()) ++turnedOut;
    }
    EXPECT_GT(turnedOut, 0) << "no game turned out of the well: the check proves nothing";
    EXPECT_NE(replayText(*playedGame(1)).find("\nRotationHorsPuits=0\n"), std::string::npos);
}

TEST(ReplayFile, showsTheSettingsInTheClear) {
    const std::string text = replayText(*playedGame(7));
    for (const char* key : {"[Replay]", "Version=3", "[Configuration]", "NbLgn=", "TempoDepart=",
                            "[Options]", "AnimationVirus=", "[Entrees]", "[Fin]", "Controle="})
        EXPECT_NE(text.find(key), std::string::npos) << key;
}

TEST(ReplayFile, fileOnDiskRoundTripsAndMissingFileIsUnreadable) {
    TempDir dir;
    const auto rec = playedGame(11);
    ASSERT_TRUE(writeReplay(dir / "game.KembrollaReplay", *rec).ok());
    Recording back;
    EXPECT_TRUE(readReplay(dir / "game.KembrollaReplay", back).ok());
    const ReplayRead missing = readReplay(dir / "none.KembrollaReplay", back);
    EXPECT_EQ(missing.error, ReplayError::Unreadable);
    EXPECT_EQ(missing.file.systemError, ENOENT);
    EXPECT_EQ(readReplay(dir.path(), back).error, ReplayError::Unreadable);
}

TEST(ReplayFile, everyCutOfAFileIsRefused) {
    const std::string text = replayText(*playedGame(3));
    for (size_t size = 0; size + 1 < text.size(); size += 7) {
        const ReplayRead read = parsed(text.substr(0, size));
        ASSERT_FALSE(read.ok()) << "cut at " << size;
        if (read.error == ReplayError::Damaged) {
            EXPECT_NE(read.problem, ReplayProblem::None) << "cut at " << size;
        }
    }
}

TEST(ReplayFile, refusalsSayWhy) {
    const std::string text = replayText(*playedGame(5));
    EXPECT_EQ(parsed("[Options]\nFond=2\n").error, ReplayError::NotAReplay);
    const ReplayRead newer = parsed(replace(text, "Version=3", "Version=4"));
    EXPECT_EQ(newer.error, ReplayError::NewerVersion);
    EXPECT_EQ(newer.detail, "4");
    EXPECT_EQ(parsed(replace(text, "NbLgn=", "NbLgn=1000")).error, ReplayError::Damaged);
    EXPECT_EQ(parsed(replace(text, "1=", "1=12Z ")).error, ReplayError::Damaged);
    EXPECT_EQ(parsed(replace(text, "Controle=", "Controle=x")).error, ReplayError::Damaged);
    const ReplayRead altered = parsed(replace(text, "Graine=", "Graine=1"));
    EXPECT_EQ(altered.error, ReplayError::Diverges);
}

// Files no game could have written: each is refused quickly, whatever it asks for.
TEST(ReplayFile, hostileFilesAreRefusedQuickly) {
    const std::string text = replayText(*playedGame(9));
    const std::string big =
        replace(replace(text, "NbLgn=", "NbLgn=99\n;"), "NbCol=", "NbCol=99\n;");
    const std::vector<std::string> hostile = {
        replace(text, "Nombre=", "Nombre=2147483647\n;"),
        replace(big, "Nombre=", "Nombre=900000\n;"),
        replace(text, "1=", "1=99999999999F "),
        replace(text, "1=", "1=5!params=1 "),
        replace(text, "1=", "1=5!params=-1 "),
        replace(text, "1=", "1=5!repeat=0,0 "),
        replace(text, "1=", "1=5!smileys "),
        replace(text, "1=", "1=5!unhide=3 "),
        replace(text, "Nombre=", "Nombre=1\n;"),
        std::string(5u << 20, 'x'),
        "[Replay]\nVersion=1\n[Entrees]\nNombre=5\n1=1F 1F\n",
    };
    for (const std::string& h : hostile) {
        const ReplayRead read = parsed(h);
        EXPECT_FALSE(read.ok()) << h.substr(0, 200);
        // Refused on what the file says, before any of it is played again.
        EXPECT_NE(read.error, ReplayError::Diverges) << h.substr(0, 200);
    }
}

// The costliest files the format allows: every parameter at its most (a 99 x 99 board refilled
// with smileys at every new level), and as many inputs of one kind as the limits let through,
// the end forged. Each is refused, playing no further than the work limit (and the input that
// crossed it: a level set-up at most).
TEST(ReplayFile, theCostliestFilesAreRefusedWithinTheWorkLimit) {
    Recording worst;
    for (const ParameterKey& k : ParameterKeys) worst.params.*k.field = k.max;
    const auto fire = [](TimerId id) {
        return Input{0, InputKind::Fire, static_cast<int32_t>(id)};
    };
    for (const Input input : {Input{0, InputKind::SkipLevel}, Input{0, InputKind::RestartLevel},
                              fire(TimerId::SmileyAnimation), fire(TimerId::Fall)}) {
        worst.inputs.assign(static_cast<size_t>(MaxReplayInputs), input);
        worst.inputs.front() = Input{0, InputKind::Resume};
        const std::string text = replayText(worst);
        const ReplayRead read = parsed(text);
        EXPECT_EQ(read.error, ReplayError::TooLarge) << text.size() << " bytes";
        EXPECT_LE(read.work, MaxReplayWork + 1'000'000);
    }
}

namespace {

// A versus match of random play, to its end or five virtual minutes; every third one between
// two computers, each board pausing on its own, and some of those left by a player.
Recording playedMatch(uint32_t seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    MatchSettings s;
    s.seed = seed * 7919;
    s.params.rows = pick(8, 14);
    s.params.columns = pick(5, 9);
    s.params.minRun = pick(3, 4);
    s.startLevel = {pick(1, 4), pick(1, 4)};
    s.cancelAttacks = seed % 2 == 0;
    const bool apart = seed % 3 == 0;
    if (apart) s.attackDelay = 500 + static_cast<int32_t>(seed);
    Match m(s);
    while (!m.over() && m.now() < 300000) {
        const int what = pick(0, 99);
        const int p = pick(0, 1);
        if (apart && what >= 63 && what < 65) {
            m.togglePause(p);
            m.follow(1 - p, m.board(p).state().paused);
            continue;
        }
        if (apart && seed % 6 == 0 && m.now() > 100000) m.forfeit(p);
        if (what < 60)
            m.handle(p, static_cast<Command>(pick(0, 4)));
        else if (what < 63) {
            m.press(p, Command::Left);
            m.advance(pick(0, 300));
            m.release(p, Command::Left);
        } else if (what < 64)
            m.togglePause();
        else if (what < 65) {
            m.panic();
            m.unhide();
        } else
            m.advance(pick(1, 700));
    }
    m.advance(pick(0, 2000));
    Recording r = m.recording();
    if (apart) r.players = {"Anne", "Bruno"};
    return r;
}

ReplayRead parsedMatch(const std::string& text) {
    Recording r;
    return parseVersusReplay(text, r);
}

} // namespace

TEST(VersusReplayFile, writtenMatchesReadBackAsTheSameMatch) {
    int over = 0;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        const Recording rec = playedMatch(seed);
        const std::string text = versusReplayText(rec);
        Recording back;
        const ReplayRead read = parseVersusReplay(text, back);
        ASSERT_TRUE(read.ok()) << read.detail << " seed " << seed << " error "
                               << static_cast<int>(read.error) << " problem "
                               << static_cast<int>(read.problem);
        EXPECT_TRUE(MatchSettings(back) == MatchSettings(rec));
        EXPECT_EQ(back.inputs, rec.inputs);
        EXPECT_EQ(back.duration, rec.duration);
        EXPECT_EQ(back.end, rec.end);
        EXPECT_EQ(back.players, rec.players);
        EXPECT_EQ(versusReplayText(back), text);
        over += !rec.end.rounds.empty();
    }
    EXPECT_GT(over, 0);
    TempDir dir;
    const Recording rec = playedMatch(3);
    ASSERT_TRUE(writeReplay(dir / "match.KembrollaReplay", rec).ok());
    Recording back;
    EXPECT_TRUE(readVersusReplay(dir / "match.KembrollaReplay", back).ok());
}

TEST(VersusReplayFile, eachReaderTakesItsOwnVersionAndRefusalsSayWhy) {
    const std::string match = versusReplayText(playedMatch(5));
    const std::string single = replayText(*playedGame(5));
    EXPECT_NE(match.find("Version=2"), std::string::npos);
    EXPECT_EQ(parsed(match).error, ReplayError::NotAReplay);
    EXPECT_EQ(parsedMatch(single).error, ReplayError::NotAReplay);
    EXPECT_EQ(parsedMatch(replace(match, "Version=2", "Version=4")).error,
              ReplayError::NewerVersion);
    EXPECT_EQ(parsedMatch(replace(match, "Version=2", "Version=2.1")).error,
              ReplayError::NewerVersion);
    EXPECT_EQ(parsedMatch(replace(match, "Graine=", "Graine=1")).error, ReplayError::Diverges);
    EXPECT_EQ(parsedMatch(replace(match, "Manches=", "Manches=100\n;")).error,
              ReplayError::Damaged);
    for (const char* token : {"5x ", "5x3 ", "5F1 ", "5!pause1 ", "5!params=1 "}) {
        const ReplayRead read = parsedMatch(replace(match, "\n1=", std::string("\n1=") + token));
        EXPECT_EQ(read.error, ReplayError::Damaged) << token;
        EXPECT_EQ(read.problem, ReplayProblem::Input) << token;
    }
    for (size_t size = 0; size + 1 < match.size(); size += 11)
        ASSERT_FALSE(parsedMatch(match.substr(0, size)).ok()) << "cut at " << size;

    // Read once for either kind: each file goes to the reader of its version.
    AnyReplay any;
    ASSERT_TRUE(parseAnyReplay(match, any).ok());
    EXPECT_TRUE(any.match && !any.game);
    ASSERT_TRUE(parseAnyReplay(single, any).ok());
    EXPECT_TRUE(any.game && !any.match);
    const std::string later = replace(single, "Version=3", "Version=3.5");
    EXPECT_EQ(parseAnyReplay(later, any).error, ReplayError::NewerVersion);
    EXPECT_EQ(parsedMatch(later).error, ReplayError::NotAReplay);
    EXPECT_EQ(parseAnyReplay(replace(match, "Version=2", "Version=2.1"), any).error,
              ReplayError::NewerVersion);
}

// Matches waited out for as long as the file may say, on the smallest and the largest board with
// the smileys at their fastest: with no command, refused before any is played; with one, refused
// once playing it again passes the work limit, which counts every tick for what it costs.
TEST(VersusReplayFile, aLongWaitIsRefusedWithinTheWorkLimit) {
    for (const bool largest : {false, true}) {
        Recording worst;
        worst.match = MatchRules{};
        for (const ParameterKey& k : ParameterKeys) worst.params.*k.field = largest ? k.max : k.min;
        worst.options.smileyAnimation = 3;
        worst.duration = INT32_MAX;
        const ReplayRead waited = parsedMatch(versusReplayText(worst));
        EXPECT_EQ(waited.error, ReplayError::TooLarge);
        EXPECT_EQ(waited.problem, ReplayProblem::Work);
        EXPECT_EQ(waited.work, 0);

        worst.inputs.push_back({0, InputKind::Pause, 0, 0, -1});
        const ReplayRead read = parsedMatch(versusReplayText(worst));
        EXPECT_EQ(read.error, ReplayError::TooLarge);
        EXPECT_EQ(read.problem, ReplayProblem::Work);
        // A second of the clock at most past the limit: some ten ticks of each board.
        EXPECT_LE(read.work, MaxReplayWork + 20 * (GridCells + TickWork));
        // Each tick costs the clock's work besides the board's cells: the smallest board's
        // 49 cells would have let ten million of them through.
        const int64_t cells = largest ? GridCells : 7 * 7;
        EXPECT_LE(read.work / (cells + TickWork), 1'000'000);
    }

    // A wait the limit allows costs what was counted before it was played.
    Recording idle;
    idle.match = MatchRules{};
    idle.options.smileyAnimation = 3;
    idle.duration = 3'600'000;
    idle.end = replayEnd(idle);
    const ReplayRead read = parsedMatch(versusReplayText(idle));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.work, expectedReplayWork(idle));
}

} // namespace kp::test
