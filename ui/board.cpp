#include "ui/board.h"

#include "ui/captions.h"

#include "cpu/player.h"
#include "sound/effects.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace kp {

BoardView::BoardView(const BoardPainter& painter, QWidget* parent)
    : QWidget(parent), painter_(painter) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardView::shift(int dy, QColor strip) {
    if (dy == shift_) return;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->move(child->pos() + QPoint(0, dy - shift_));
    shift_ = dy;
    strip_ = strip;
    update();
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.translate(0, shift_);
    if (state_)
        for (const QRect& r : event->region()) painter_.paint(p, r.translated(0, -shift_), *state_);
    p.resetTransform();
    if (shift_ > 0) p.fillRect(0, 0, width(), shift_, strip_);
    if (hint_ && event->rect().intersects(hintArea())) {
        p.translate(0, shift_);
        painter_.paintHint(p, *hint_);
    }
    if (afterFirstFrame) QTimer::singleShot(0, this, std::exchange(afterFirstFrame, nullptr));
}

void BoardView::setHint(std::optional<Capsule> hint) {
    if (hint_) update(hintArea());
    hint_ = hint;
    if (hint_) update(hintArea());
}

QRect BoardView::hintArea() const {
    return painter_.hintArea(*hint_).translated(0, shift_);
}

Command commandFor(Action action) {
    switch (action) {
    case Action::Left:
        return Command::Left;
    case Action::Right:
        return Command::Right;
    case Action::Turn:
        return Command::Turn;
    case Action::Down:
        return Command::Down;
    case Action::Drop:
        return Command::Drop;
    default:
        return Command::Other;
    }
}

BoardDisplay::BoardDisplay(sound::SoundEffects& effects, const SpriteSet& sprites,
                           const CounterDigits& digits, QWidget* parent, GameEvents* beyond)
    : beyond_(beyond), effects_(effects), painter_(sprites, digits),
      view_(new BoardView(painter_, parent)), message_(new QLabel(view_)) {
    message_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    message_->setAttribute(Qt::WA_TransparentForMouseEvents);
    message_->hide();
}

void BoardDisplay::setState(const GameState& state) {
    state_ = &state;
    view_->setState(state);
}

void BoardDisplay::setLayout(const WindowLayout& layout, int cellSize) {
    const LevelParameters& p = state_->params;
    painter_.setLayout(layout, cellSize, p.rows, p.columns);
    placeMessage();
    view_->update();
}

void BoardDisplay::setMessageLook(const QFont& font, QColor colour) {
    message_->setFont(font);
    // A palette, not a style sheet: a sheet would bring Qt's whole style-sheet machinery
    // before the first frame for one colour.
    QPalette palette = message_->palette();
    palette.setColor(QPalette::WindowText, colour);
    message_->setPalette(palette);
    placeMessage();
}

void BoardDisplay::placeMessage() {
    const WindowLayout& l = painter_.layout();
    message_->setGeometry(l.messageLeft, l.messageTop, l.messageWidth,
                          std::max(message_->sizeHint().height(), 24));
}

void BoardDisplay::showMessage() {
    if (!state_) return;
    const GameState& s = *state_;
    switch (s.message) {
    case Message::Level:
        message_->setText(levelMessage(s.level));
        break;
    case Message::Paused:
        message_->setText(pauseMessage());
        break;
    case Message::Lost:
        message_->setText(lostMessage());
        break;
    }
    message_->setVisible(s.messageVisible);
}

void BoardDisplay::cellChanged(int row, int col, int32_t code) {
    view_->update(painter_.cellArea(row, col, code));
}

void BoardDisplay::boardChanged() {
    view_->setHint(std::nullopt);
    view_->update();
}

void BoardDisplay::previewChanged(int col, int32_t) {
    view_->update(painter_.previewArea(col));
}

void BoardDisplay::counterChanged(Counter counter) {
    switch (counter) {
    case Counter::Level:
        view_->update(painter_.levelArea());
        break;
    case Counter::Smileys:
        view_->update(painter_.smileysArea());
        break;
    case Counter::Chrono:
        view_->update(painter_.chronoArea());
        break;
    }
}

void BoardDisplay::messageChanged() {
    showMessage();
}

void BoardDisplay::messageRepaint() {
    if (message_->isVisible()) message_->update();
}

void BoardDisplay::soundWanted(Sound s) {
    if (s == Sound::Landing) view_->setHint(std::nullopt); // the capsule is down
    effects_.play(s, voice_, pan_);
}

void BoardDisplay::pinupFrame(int frame, PinupFigure figure) {
    view_->update(painter_.showPinup(pinups_, figure, frame));
}

void BoardDisplay::pauseChanged(bool paused) {
    if (beyond_) beyond_->pauseChanged(paused);
}

void BoardDisplay::timerChanged(TimerId id) {
    if (beyond_) beyond_->timerChanged(id);
}

void BoardDisplay::windowShake(int dy) {
    if (beyond_) beyond_->windowShake(dy);
}

void BoardDisplay::panicChanged(bool hidden) {
    if (beyond_) beyond_->panicChanged(hidden);
}

void BoardDisplay::recordOffered() {
    if (beyond_) beyond_->recordOffered();
}

bool BoardDisplay::recordQualifies(int32_t level, int32_t smileysLeft) {
    return beyond_ && beyond_->recordQualifies(level, smileysLeft);
}

// ---- The single-player board ----

Board::Board(Host& host, sound::SoundEffects& effects, const SpriteSet& sprites,
             const CounterDigits& digits, QWidget* parent)
    : QObject(parent), host_(host), display_(effects, sprites, digits, parent, this),
      game_(display_), clock_(game_,
                              [this](TimerId id) {
                                  // The table's own fires are no inputs: a replay's clock
                                  // fires them again.
                                  game_.Game::fire(id);
                                  // The window's own watch (the music, the controllers)
                                  // follows the clock's game step.
                                  if (id == TimerId::Clock) host_.clockTicked();
                              }),
      table_(clock_,
             [this](Command c, KeyEdge edge) {
                 if (edge == KeyEdge::Press)
                     game_.press(c);
                 else if (edge == KeyEdge::Release)
                     game_.release(c);
                 else
                     game_.handle(c);
             }),
      driver_(table_, this) {
    display_.setState(game_.state());
    // Each input comes at the wall's time, after the timers due by then.
    game_.setClock(clock_, [this] { driver_.catchUp(); });
    driver_.start();
}

void Board::followTimers() {
    if (game_.watching()) return driver_.stop();
    driver_.start();
}

void Board::setLayout(const WindowLayout& layout, int cellSize) {
    view()->setFixedSize(layout.clientWidth, layout.clientHeight);
    display_.setLayout(layout, cellSize);
}

void Board::play(int p, Command command, bool pressed, bool gameRepeat) {
    if (p > 0) return; // a board alone has no second player
    table_.play(0, command,
                !gameRepeat ? KeyEdge::Tap
                : pressed   ? KeyEdge::Press
                            : KeyEdge::Release);
}

void Board::seat(Seat* seat) {
    table_.seat(0, seat);
    driver_.timersChanged();
}

void Board::showHint() {
    const GameState& s = game_.state();
    if (game_.watching() || s.hidden) return;
    const std::optional<CpuAdvice> advice = cpuAdvice(s);
    if (!advice) return;
    game_.markHelped();
    display_.showHint(advice->placement.capsule);
}

void Board::timerChanged(TimerId) {
    driver_.timersChanged();
}

} // namespace kp
