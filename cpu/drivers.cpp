#include "cpu/drivers.h"

#include "engine/recording.h"
#include "engine/virtual_clock.h"

#include <algorithm>

namespace kp {

namespace {
// How far the table is played between looks at whether the game is over.
constexpr int64_t Stretch = 16;
} // namespace

CpuGameResult playAlone(CpuPlayer& player, uint32_t seed, const LevelParameters& params,
                        int32_t stopAt, int64_t maxTime,
                        const std::function<void(int64_t, Command, const GameState&)>& keys) {
    GameEvents& eyes = player.eyes();
    Game game(eyes, seed);
    VirtualClock* clockPtr = nullptr;
    player.watch(game, [&clockPtr] { return clockPtr ? clockPtr->now() : 0; });
    game.setParameters(params);
    game.setSmileyAnimation(GameOptions{}.smileyAnimation);
    game.setRemovalAnimation(GameOptions{}.removalAnimation);
    game.newGame();
    VirtualClock clock(game);
    clockPtr = &clock;
    const int64_t before = player.stats().decisions;
    Table table(clock, [&](Command c, KeyEdge) {
        if (keys) keys(clock.now(), c, game.state());
        game.handle(c);
    });
    table.seat(0, &player);
    CpuGameResult res;
    while (clock.now() < maxTime && game.state().level < stopAt) {
        const GameState& s = game.state();
        if (s.paused && s.messageVisible && s.message == Message::Lost) {
            res.lost = true;
            break;
        }
        table.advanceTo(std::min(maxTime, clock.now() + Stretch));
    }
    res.level = game.state().level;
    res.time = clock.now();
    res.capsules = player.stats().decisions - before;
    res.checksum = gameEnd(game.state()).checksum;
    return res;
}

CpuMatchResult playCpuMatch(Match& m, CpuPlayer& p0, CpuPlayer& p1, int64_t maxTime) {
    p0.watch(m.board(0), [&m] { return m.now(); });
    p1.watch(m.board(1), [&m] { return m.now(); });
    CpuMatchSeat seat0(p0, m, 0, true), seat1(p1, m, 1, true);
    Table table(m);
    table.seat(0, &seat0);
    table.seat(1, &seat1);
    table.advanceTo(maxTime);
    CpuMatchResult r;
    r.winner = m.over() ? m.winner() : -1;
    r.time = m.now();
    r.halvesSent = m.sent(0) + m.sent(1);
    r.end = m.end();
    return r;
}

} // namespace kp
