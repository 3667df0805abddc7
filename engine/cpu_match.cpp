#include "cpu_match.h"

#include <algorithm>

namespace kp {

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
        const int64_t t0 = p0.poll(now, press0);
        if (m.over()) break;
        const int64_t t1 = p1.poll(now, press1);
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
