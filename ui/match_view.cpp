#include "ui/match_view.h"

#include "ui/captions.h"
#include "ui/network_peer.h"
#include "ui/network_session.h"
#include "ui/network_texts.h"

#include "engine/cells.h"
#include "render/sprites.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kp {

namespace {

QString text(const char* source) {
    return QCoreApplication::translate("Match", source);
}

// A five-pointed star in `r`.
QPainterPath star(const QRectF& r) {
    QPainterPath path;
    const QPointF c = r.center();
    const double outer = std::min(r.width(), r.height()) / 2, inner = outer * 0.45;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 ? inner : outer;
        const QPointF p(c.x() + radius * std::cos(a), c.y() + radius * std::sin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

} // namespace

// What reaches beyond one board of the match: the pause mark and hiding (told once, for both
// boards), and the shake, which moves that board's picture alone.
struct MatchView::Side : GameEvents {
    MatchView* view = nullptr;
    int p = 0;
    void pauseChanged(bool paused) override {
        if (p == 0) view->host_.pauseChanged(paused);
    }
    // A panic played back is the boards' alone: the window stays in view.
    void panicChanged(bool hidden) override {
        if (p == 0 && !view->replay_) view->host_.panicChanged(hidden);
    }
    void windowShake(int dy) override { view->displays_[p]->view()->shift(dy, view->border_); }
};

MatchView::MatchView(const Setup& setup, Host& host, sound::SoundEffects& effects,
                     const SpriteSet& sprites, const CounterDigits& digits, QWidget* parent)
    : QWidget(parent), host_(host), sprites_(sprites), duel_(setup.duel), replay_(setup.replay) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    for (int p = 0; p < 2; ++p) {
        sides_[p] = std::make_unique<Side>();
        sides_[p]->view = this;
        sides_[p]->p = p;
        displays_[p] =
            std::make_unique<BoardDisplay>(effects, sprites, digits, this, sides_[p].get());
        // The left board sounds on the left, the right one on the right.
        displays_[p]->setSoundPlace(p, p == 0 ? -0.6f : 0.6f);
    }
    rematch_ = new QPushButton(this);
    rematch_->setObjectName(QStringLiteral("BtnRevanche"));
    rematch_->setFocusPolicy(Qt::NoFocus);
    rematch_->hide();
    connect(rematch_, &QPushButton::clicked, this, [this] { host_.rematch(); });
    MatchSettings m;
    m.params = setup.params;
    m.options = setup.options;
    m.startLevel = setup.duel.startLevel;
    m.roundsToWin = setup.duel.roundsToWin;
    m.cancelAttacks = setup.duel.cancelAttacks;
    m.seed = setup.seed;
    if (replay_) {
        m = MatchSettings(*replay_);
        duel_.startLevel = m.startLevel;
        duel_.roundsToWin = m.roundsToWin;
        duel_.cancelAttacks = m.cancelAttacks;
    }
    if (setup.remote) {
        seatNetwork(*setup.remote);
        return;
    }
    GameEvents* right = displays_[1].get();
    if (!played(1) && !replay_) {
        cpu_ = std::make_unique<CpuPlayer>(static_cast<CpuLevel>(std::clamp(duel_.opponent, 0, 4)),
                                           setup.seed ^ 0x5EA7u);
        right = &cpu_->eyes(right);
    }
    match_ = std::make_unique<Match>(m, displays_[0].get(), right);
    for (int p = 0; p < 2; ++p) {
        displays_[p]->setState(match_->board(p).state());
        displays_[p]->showMessage();
    }
    table_ = std::make_unique<Table>(*match_);
    if (cpu_) {
        cpu_->watch(match_->board(1), [this] { return match_->now(); });
        cpuSeat_ = std::make_unique<CpuMatchSeat>(*cpu_, *match_, 1, false);
        table_->seat(1, cpuSeat_.get());
    }
    if (replay_) {
        replayer_ = std::make_unique<Replay>(*replay_, *match_);
        replayControls_ = std::make_unique<ReplayControls>(driver_, [this] { stepReplay(); });
    }

    retranslate();
}

// The other player's board is the link's; this side's board, on the left, is the keys' or
// the computer's. The clock stands still while the link holds this board at the other's.
void MatchView::seatNetwork(const Setup::Remote& remote) {
    own_ = remote.own;
    computer_ = remote.computer;
    peerName_ = remote.peerName;
    const MatchSettings& m = remote.settings;
    duel_.startLevel = m.startLevel;
    duel_.roundsToWin = m.roundsToWin;
    duel_.cancelAttacks = m.cancelAttacks;
    std::array<GameEvents*, 2> events{displays_[0].get(), displays_[1].get()};
    if (computer_) {
        cpu_ = std::make_unique<CpuPlayer>(CpuLevel::Medium, m.seed ^ 0x5EA7u ^ unsigned(own_));
        events[own_] = &cpu_->eyes(events[own_]);
    }
    match_ = std::make_unique<Match>(m, events[0], events[1]);
    std::array<std::string, 2> players;
    players[own_] = networkName().toStdString();
    players[1 - own_] = peerName_.toStdString();
    match_->setPlayers(players);
    for (int p = 0; p < 2; ++p) {
        displays_[p]->setState(match_->board(p).state());
        displays_[p]->showMessage();
    }
    table_ = std::make_unique<Table>(*match_, own_);
    peer_ = std::make_unique<NetworkPeer>(*match_, own_, remote.connection, this);
    table_->seat(1 - own_, &peer_->link());
    if (cpu_) {
        cpu_->watch(match_->board(own_), [this] { return match_->boardTime(own_); });
        cpuSeat_ = std::make_unique<CpuMatchSeat>(*cpu_, *match_, own_, true);
        table_->seat(own_, cpuSeat_.get());
    }
    peer_->heard = [this] {
        if (!driver_.running()) return;
        driver_.catchUp();
        showResults();
        updateStrip();
        driver_.timersChanged();
    };
    peer_->over = [this](NetworkPeer::End why) { networkEnded(static_cast<int>(why)); };
    driver_.setHeldBack(true);
    retranslate();
}

void MatchView::networkEnded(int why) {
    const auto end = static_cast<NetworkPeer::End>(why);
    networkEnd_ = end == NetworkPeer::End::OutOfStep ? outOfStepText()
                  : end == NetworkPeer::End::BadMessage
                      ? networkProblemText(NetworkProblem::Incompatible)
                      : playerLeftText(peerName_);
    std::fprintf(stderr, "network: %s\n", qPrintable(networkEnd_));
    if (end == NetworkPeer::End::OutOfStep || end == NetworkPeer::End::BadMessage) {
        driver_.stop();
        host_.networkFailed(match_->recording());
    }
    showResults();
    retranslate();
    update();
}

MatchView::~MatchView() = default;

int MatchView::stripWidth(int cellSize) {
    return std::max(88, 3 * cellSize);
}

QRect MatchView::nameArea(int stripWidth, int height) {
    return {2, height - 48, stripWidth - 4, 44};
}

QFont MatchView::nameFont(QFont font) {
    font.setBold(true);
    font.setPointSize(8);
    return font;
}

void MatchView::setLayout(const WindowLayout& board, int cellSize) {
    cellSize_ = cellSize;
    boardWidth_ = board.clientWidth;
    boardTop_ = board.BoardTop;
    replayBand_ = board.ReplayBandBottom;
    stripLeft_ = boardWidth_;
    const int strip = stripWidth(cellSize);
    for (int p = 0; p < 2; ++p) {
        displays_[p]->setLayout(board, cellSize);
        displays_[p]->view()->setGeometry(p == boardAt(0) ? 0 : boardWidth_ + strip, 0, boardWidth_,
                                          board.clientHeight);
    }
    setFixedSize(2 * boardWidth_ + strip, board.clientHeight);
    rematch_->adjustSize();
    rematch_->setFixedWidth(std::min(strip - 6, std::max(rematch_->sizeHint().width(), 60)));
    rematch_->move(stripLeft_ + (strip - rematch_->width()) / 2, height() / 2 + 8);
    update();
}

void MatchView::setBackground(const QImage& background) {
    const int strip = stripWidth(cellSize_);
    const int h = height();
    displays_[boardAt(0)]->painter().setBackground(background.copy(0, 0, boardWidth_, h));
    displays_[boardAt(1)]->painter().setBackground(
        background.copy(boardWidth_ + strip, 0, boardWidth_, h));
    stripBackground_ = background.copy(stripLeft_, 0, strip, h);
    for (auto& d : displays_) d->repaint();
    update();
}

void MatchView::setMessageLook(const QFont& font, QColor colour) {
    for (auto& d : displays_) d->setMessageLook(font, colour);
}

void MatchView::start() {
    if (replay_) {
        showBanner();
        replayControls_->restart();
    }
    driver_.start();
}

// A replay wakes for its end too, past the match's: it is judged there.
int64_t MatchView::nextDue() {
    return replayer_ ? replayer_->nextDue() : table_->nextDue();
}

void MatchView::stepReplay() {
    if (!replayer_ || replayer_->atEnd()) return;
    replayControls_->setSpeed(0);
    advanceTo(replayer_->nextPlayerInput());
}

void MatchView::showBanner() {
    // Across both boards, in the band the window gives a replay above them.
    replayControls_->placeBanner(this, width(), replayBand_);
}

void MatchView::play(int p, Command command, bool pressed, bool gameRepeat) {
    // The clock sleeps between timers: the key waits until the match has caught up with the
    // wall, or it would count from the last timer, and a held key's first repeat, already due,
    // would follow its press at once.
    if (!replay_) driver_.catchUp();
    if (match_->over() || (peer_ && (computer_ || peer_->ended()))) return;
    const int board = peer_ || p < 0 ? own_ : p;
    const KeyEdge edge = command == Command::Other || !gameRepeat ? KeyEdge::Tap
                         : pressed                                ? KeyEdge::Press
                                                                  : KeyEdge::Release;
    table_->play(board, command, edge); // the computer looks at once at what the key changed
    if (peer_) peer_->flush();          // the other side sees the key as soon as it can
    showResults();
    driver_.timersChanged();
}

// The verdicts stay on the boards whatever the pause says; leaving the pause between rounds
// starts the next one.
void MatchView::togglePause() {
    if (!replay_) driver_.catchUp();
    if (peer_)
        match_->togglePause(own_);
    else
        match_->togglePause();
    showResults();
    retranslate();
    driver_.timersChanged();
}

void MatchView::panic() {
    if (!replay_) driver_.catchUp();
    if (peer_)
        match_->panic(own_); // the other side sees this board paused, and pauses with it
    else
        match_->panic();
    retranslate();
    driver_.timersChanged();
}

void MatchView::unhide() {
    if (!replay_) driver_.catchUp();
    if (peer_)
        match_->unhide(own_);
    else
        match_->unhide();
    retranslate();
    driver_.timersChanged();
}

void MatchView::advanceTo(int64_t time) {
    // A replay goes on past the match's end to the recording's, where it is judged.
    if (replayer_)
        replayer_->advanceTo(time);
    else
        table_->advanceTo(time);
    showResults();
    updateStrip();
    if (replayer_ && replayer_->atEnd()) endReplay();
}

// The strip is drawn again only when what it shows changes: the rounds, the queues, the end.
void MatchView::updateStrip() {
    std::vector<int32_t> shown{match_->roundsWon(0), match_->roundsWon(1), match_->over(),
                               peer_ && peer_->link().waiting()};
    for (int p = 0; p < 2; ++p) {
        shown.push_back(-1);
        shown.insert(shown.end(), match_->queue(p).begin(), match_->queue(p).end());
    }
    if (shown == stripShown_) return;
    stripShown_ = std::move(shown);
    update(stripLeft_, 0, stripWidth(cellSize_), height());
}

void MatchView::endReplay() {
    if (!driver_.running()) return;
    driver_.stop();
    const bool proved = match_->end() == replay_->end;
    if (proved) replayControls_->reachEnd();
    host_.replayEnded(proved);
}

// The end of a round, or of the match, on each board: won, lost or even. The boards stay as the
// round left them until the next round starts (its first key), so that its end is seen.
void MatchView::showResults() {
    const bool over = match_->over();
    const int32_t rounds = match_->round();
    const bool ended = rounds != roundsShown_ || over != overShown_;
    const bool overNow = over && !overShown_;
    if (ended) {
        roundsShown_ = rounds;
        overShown_ = over;
        endShown_ = !over;
    }
    const bool started = endShown_ && !match_->board(own_).state().paused;
    if (started) endShown_ = false;
    if (!ended && !started) return;
    for (int p = 0; p < 2; ++p) {
        displays_[p]->setState(endShown_ ? match_->roundEnd(p) : match_->board(p).state());
        displays_[p]->showMessage();
        displays_[p]->repaint();
    }
    retranslate();
    update();
    if (overNow && !replay_) {
        // A network match plays on to where it stops on both computers, for the other's sake.
        if (!peer_) driver_.stop();
        if (!peer_) rematch_->show();
        if (peer_)
            std::fprintf(stderr, "network: match over, %s\n",
                         match_->winner() == own_ ? "won" : "lost");
        host_.matchEnded();
    }
}

void MatchView::retranslate() {
    rematch_->setText(text(QT_TRANSLATE_NOOP("Match", "Rematch")));
    // A verdict stays until the next round starts or, at the end, for good.
    if (!match_->over() && !endShown_) return;
    const int32_t winner = match_->over() ? match_->winner() : match_->roundWinner();
    for (int p = 0; p < 2; ++p) {
        QLabel* message = displays_[p]->message();
        message->setText(winner < 0 ? drawMessage() : winner == p ? wonMessage() : lostMessage());
        message->show();
    }
}

void MatchView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        for (auto& d : displays_) d->showMessage();
        retranslate();
        update();
    }
    QWidget::changeEvent(event);
}

void MatchView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect strip(stripLeft_, 0, stripWidth(cellSize_), height());
    if (!event->rect().intersects(strip)) return;
    p.setClipRect(strip);
    drawStrip(p);
}

void MatchView::drawStrip(QPainter& p) const {
    const int width = stripWidth(cellSize_), left = stripLeft_;
    if (!stripBackground_.isNull())
        p.drawImage(left, 0, stripBackground_);
    else
        p.fillRect(left, 0, width, height(), Qt::black);
    p.setRenderHint(QPainter::Antialiasing);
    const int half = width / 2;

    // The rounds each player has won, a column of stars above each side's queue.
    const int starSize = std::clamp(half / 3, 10, 18);
    const int target = std::max(1, duel_.roundsToWin);
    for (int side = 0; side < 2; ++side) {
        const int x = left + side * half + (half - starSize) / 2;
        const int won = match_->roundsWon(boardAt(side));
        for (int i = 0; i < target; ++i) {
            const QRectF r(x, replayBand_ + 4 + i * (starSize + 2), starSize, starSize);
            p.setPen(QPen(QColor(0xFF, 0xE1, 0x4D), 1.2));
            p.setBrush(i < won ? QColor(0xFF, 0xE1, 0x4D) : QColor(0, 0, 0, 110));
            p.drawPath(star(r));
        }
    }

    drawQueues(p, left, half, replayBand_ + 8 + target * (starSize + 2));

    // The score once the match is over, above "Revanche".
    QFont font = this->font();
    if (match_->over()) {
        font.setBold(true);
        font.setPointSize(12);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(left, height() / 2 - 22, width, 26), Qt::AlignCenter,
                   QStringLiteral("%1 – %2")
                       .arg(match_->roundsWon(boardAt(0)))
                       .arg(match_->roundsWon(boardAt(1))));
    }
    // Why a network match stopped, or that the other side's inputs are late and this board
    // waits for them.
    const QString network = !networkEnd_.isEmpty()             ? networkEnd_
                            : peer_ && peer_->link().waiting() ? slowConnectionText()
                                                               : QString();
    if (!network.isEmpty()) {
        font.setBold(false);
        font.setPointSize(8);
        p.setFont(font);
        p.setPen(QColor(0xFF, 0xE1, 0x4D));
        p.drawText(QRect(left + 2, height() / 2 + 8, width - 4, 60),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, network);
    }

    // The opponent's name at the foot of the strip, over a dark band to stay readable.
    p.setFont(nameFont(this->font()));
    const QRect name = nameArea(width, height()).translated(left, 0);
    p.fillRect(name, QColor(0, 0, 0, 140));
    p.setPen(Qt::white);
    p.drawText(name, Qt::AlignCenter | Qt::TextWordWrap,
               replay_ ? QCoreApplication::translate("Replay", "Replay")
               : peer_ ? peerName_
                       : opponentName(duel_.opponent));
}

// The halves waiting to fall on each board, first to fall on top, each in the half of the strip
// beside its board, from `below` down at the highest.
void MatchView::drawQueues(QPainter& p, int left, int half, int below) const {
    const int size = std::clamp(cellSize_, 8, std::min(16, half - 6));
    const int queueTop = std::max(boardTop_, below);
    const int room = std::max(1, (height() / 2 - queueTop) / (size + 1));
    for (int side = 0; side < 2; ++side) {
        const auto& queue = match_->queue(boardAt(side));
        const int x = left + side * half + (half - size) / 2;
        const int shown = std::min<int>(static_cast<int>(queue.size()), room);
        for (int i = 0; i < shown; ++i) {
            const QImage* sprite =
                sprites_.sprite(capsuleCode(queue[static_cast<size_t>(i)], LinkLoose));
            const QRect r(x, queueTop + i * (size + 1), size, size);
            if (sprite && !sprite->isNull())
                p.drawImage(r, *sprite);
            else
                p.fillRect(r, Qt::white);
        }
        if (static_cast<int>(queue.size()) > shown) {
            p.setPen(Qt::white);
            p.drawText(QRect(left + side * half, queueTop + shown * (size + 1), half, 14),
                       Qt::AlignCenter, QStringLiteral("+%1").arg(queue.size() - shown));
        }
    }
}

} // namespace kp
