#include "ui/board.h"

#include "ui/captions.h"

#include "sound/effects.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace kp {

BoardView::BoardView(const BoardPainter& painter, const GameState& state, QWidget* parent)
    : QWidget(parent), painter_(painter), state_(state) {
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
    for (const QRect& r : event->region()) painter_.paint(p, r.translated(0, -shift_), state_);
    p.resetTransform();
    if (shift_ > 0) p.fillRect(0, 0, width(), shift_, strip_);
    if (afterFirstFrame) QTimer::singleShot(0, this, std::exchange(afterFirstFrame, nullptr));
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

Board::Board(Host& host, sound::SoundEffects& effects, const SpriteSet& sprites,
             const CounterDigits& digits, QWidget* parent)
    : QObject(parent), host_(host), effects_(effects), game_(*this), painter_(sprites, digits),
      view_(new BoardView(painter_, game_.state(), parent)), message_(new QLabel(view_)) {
    message_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    message_->setAttribute(Qt::WA_TransparentForMouseEvents);
    message_->hide();
    for (int i = 0; i < TimerCount; ++i) {
        timers_[i].setTimerType(Qt::PreciseTimer);
        connect(&timers_[i], &QTimer::timeout, this,
                [this, i] { game_.fire(static_cast<TimerId>(i)); });
    }
    // The window's own watch (the music, the controllers) follows the clock's game step.
    connect(&timers_[timerIndex(TimerId::Clock)], &QTimer::timeout, this,
            [this] { host_.clockTicked(); });
}

void Board::followTimers() {
    for (int i = 0; i < TimerCount; ++i) timerChanged(static_cast<TimerId>(i));
}

void Board::setLayout(const WindowLayout& layout, int cellSize) {
    const LevelParameters& p = game_.state().params;
    painter_.setLayout(layout, cellSize, p.rows, p.columns);
    placeMessage();
    view_->update();
}

void Board::setMessageLook(const QFont& font, QColor colour) {
    message_->setFont(font);
    // A palette, not a style sheet: a sheet would bring Qt's whole style-sheet machinery
    // before the first frame for one colour.
    QPalette palette = message_->palette();
    palette.setColor(QPalette::WindowText, colour);
    message_->setPalette(palette);
    placeMessage();
}

void Board::placeMessage() {
    const WindowLayout& l = painter_.layout();
    message_->setGeometry(l.messageLeft, l.messageTop, l.messageWidth,
                          std::max(message_->sizeHint().height(), 24));
}

void Board::play(Command command, bool pressed, bool gameRepeat) {
    if (!gameRepeat)
        game_.handle(command);
    else if (pressed)
        game_.press(command);
    else
        game_.release(command);
}

void Board::showMessage() {
    const GameState& s = game_.state();
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

// ---- What the rules report ----

void Board::cellChanged(int row, int col, int32_t code) {
    view_->update(painter_.cellArea(row, col, code));
}

void Board::boardChanged() {
    view_->update();
}

void Board::previewChanged(int col, int32_t) {
    view_->update(painter_.previewArea(col));
}

void Board::counterChanged(Counter counter) {
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

void Board::messageChanged() {
    showMessage();
}

void Board::messageRepaint() {
    if (message_->isVisible()) message_->update();
}

void Board::timerChanged(TimerId id) {
    const TimerSlot& t = game_.state().timer(id);
    QTimer& timer = timers_[timerIndex(id)];
    if (t.running())
        timer.start(t.period);
    else
        timer.stop();
}

void Board::soundWanted(Sound s) {
    effects_.play(s);
}

void Board::pinupFrame(int frame, PinupFigure figure) {
    view_->update(painter_.showPinup(pinups_, figure, frame));
}

} // namespace kp
