#include "cpu/drivers.h"

#include "engine/recording.h"
#include "engine/virtual_clock.h"

#include <algorithm>

namespace kp {

CpuGameResult playAlone(CpuPlayer& player, uint32_t seed, const LevelParameters& params,
                        int32_t stopAt, int64_t maxTime,
                        const std::function<void(int64_t, Command, const GameState&)>& keys) {
    // The player's keys come at most this long after they are due when a capsule comes into
    // view in the middle of a step; every reaction is longer.
    constexpr int64_t Quantum = 16;
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
    auto press = [&](Command c) {
        if (keys) keys(clock.now(), c, game.state());
        game.handle(c);
        clock.sync();
    };
    CpuGameResult res;
    while (clock.now() < maxTime && game.state().level < stopAt) {
        const GameState& s = game.state();
        if (s.paused && s.messageVisible && s.message == Message::Lost) {
            res.lost = true;
            break;
        }
        const int64_t now = clock.now();
        const int64_t next = player.look(now, press);
        clock.advance(std::min(next, now + Quantum) - now);
    }
    res.level = game.state().level;
    res.time = clock.now();
    res.capsules = player.stats().decisions - before;
    res.checksum = gameEnd(game.state()).checksum;
    return res;
}

CpuMatchResult playCpuMatch(Match& m, CpuPlayer& p0, CpuPlayer& p1, int64_t maxTime) {
    // The players look at least this often (see playAlone).
    constexpr int64_t Quantum = 16;
    p0.watch(m.board(0), [&m] { return m.now(); });
    p1.watch(m.board(1), [&m] { return m.now(); });
    auto press0 = [&m](Command c) { m.handle(0, c); };
    auto press1 = [&m](Command c) { m.handle(1, c); };
    while (!m.over() && m.now() < maxTime) {
        p0.setMatchView({true, static_cast<int>(m.queue(0).size())});
        p1.setMatchView({true, static_cast<int>(m.queue(1).size())});
        const int64_t now = m.now();
        const int64_t t0 = p0.look(now, press0);
        if (m.over()) break;
        const int64_t t1 = p1.look(now, press1);
        m.advanceTo(std::min({t0, t1, now + Quantum}));
    }
    CpuMatchResult r;
    r.winner = m.over() ? m.winner() : -1;
    r.time = m.now();
    r.halvesSent = m.sent(0) + m.sent(1);
    r.end = m.end();
    return r;
}

} // namespace kp
