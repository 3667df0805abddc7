#include "keys_page.h"

#include "input/bindings.h"
#include "persistence/settings.h"
#include "ui/captions.h"
#include "ui/dialog_captions.h"
#include "ui/menu_ids.h"

#include <QButtonGroup>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace kp {

namespace {

// `font` at `points`, smaller by half points down to a floor until the widest of `pieces`
// fits in `room` pixels.
QFont fittedFont(QFont font, double points, int room, const QStringList& pieces) {
    constexpr double MinPoints = 5;
    font.setPointSizeF(points);
    auto widest = [&] {
        int w = 0;
        for (const QString& piece : pieces)
            w = std::max(w, QFontMetrics(font).horizontalAdvance(piece));
        return w;
    };
    while (font.pointSizeF() > MinPoints && widest() > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

} // namespace

// A key or button slot. The slots share what the labels leave, in a smaller face so that long
// key names fit; a name still too long (some languages spell the keypad's keys out) takes a
// smaller face still, down to a floor, rather than losing letters.
class SlotButton : public QPushButton {
  public:
    explicit SlotButton(QWidget* parent) : QPushButton(parent) {
        QFont small = font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        setFont(small);
        size_ = small.pointSizeF();
    }
    void setFittedText(const QString& text) {
        setText(text);
        fit();
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QPushButton::resizeEvent(event);
        fit();
    }

  private:
    void fit() {
        QStyleOptionButton o;
        o.initFrom(this);
        const int room = width() - style()->pixelMetric(QStyle::PM_ButtonMargin, &o, this) -
                         2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, this);
        const QFont f = fittedFont(font(), size_, room, {text()});
        if (f != font()) setFont(f);
    }
    double size_;
};

// The narrow second player's column's title: on two lines where it must, and in a smaller face
// where a word is still wider than the column ("Giocatore"), rather than losing letters.
class ColumnTitle : public QLabel {
  public:
    explicit ColumnTitle(QWidget* parent) : QLabel(parent), size_(font().pointSizeF()) {
        setWordWrap(true);
        setAlignment(Qt::AlignCenter);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    void setFittedText(const QString& text) {
        setText(text);
        fit();
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        fit();
    }

  private:
    void fit() {
        const QFont f = fittedFont(font(), size_, width(), text().split(QLatin1Char(' ')));
        if (f != font()) setFont(f);
    }
    double size_;
};

namespace {

const char* const actionCaptions[ActionCount] = {
    "KeysGauche", "KeysDroite",  "KeysTourner",        "KeysDescendre",         "KeysLacher",
    "KeysPause",  "KeysPanique", "KeysNouvellePartie", "KeysRecommencerNiveau", "KeysPasserNiveau",
    "KeysIndice",
};

// What a player reads for each of SDL's buttons.
QString padButtonText(const std::string& name) {
    static const std::pair<const char*, const char*> words[] = {
        {"a", "A"},
        {"b", "B"},
        {"x", "X"},
        {"y", "Y"},
        {"back", "Select"},
        {"guide", "Guide"},
        {"start", "Start"},
        {"leftstick", "L3"},
        {"rightstick", "R3"},
        {"leftshoulder", "L1"},
        {"rightshoulder", "R1"},
        {"dpup", "\u2191"},
        {"dpdown", "\u2193"},
        {"dpleft", "\u2190"},
        {"dpright", "\u2192"},
        {"misc1", "M1"},
        {"paddle1", "P1"},
        {"paddle2", "P2"},
        {"paddle3", "P3"},
        {"paddle4", "P4"},
        {"touchpad", "Touchpad"},
    };
    for (const auto& [id, text] : words)
        if (name == id) {
            const QString t = QString::fromUtf8(text);
            // The d-pad's arrows say whose they are.
            if (name.rfind("dp", 0) == 0) return dialogCaption("KeysCroix") + QLatin1Char(' ') + t;
            return t;
        }
    return QString::fromStdString(name);
}

} // namespace

KeysPage::KeysPage(QWidget* parent) : Translated(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(6);
    installEventFilter(this); // the keys pressed while a slot waits (the page grabs them)

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    keysHeader_ = new QLabel(this);
    padHeader_ = new QLabel(this);
    grid->addWidget(keysHeader_, 0, 1, 1, KeySlots, Qt::AlignHCenter);
    grid->addWidget(padHeader_, 0, 1 + KeySlots, 1, PadSlots, Qt::AlignHCenter);
    secondHeader_ = new ColumnTitle(this);
    constexpr int SecondColumn = 1 + KeySlots + PadSlots;
    grid->addWidget(secondHeader_, 0, SecondColumn);
    for (int a = 0; a < ActionCount; ++a) {
        actionLabels_[a] = new QLabel(this);
        grid->addWidget(actionLabels_[a], a + 1, 0);
        auto addSlot = [&](SlotButton*& button, int column, const Slot& slot) {
            button = new SlotButton(this);
            button->setFocusPolicy(Qt::NoFocus); // the arrows must reach the slot, not move focus
            button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            connect(button, &QPushButton::clicked, this, [this, slot] {
                if (waiting_ && *waiting_ == slot)
                    stopWaiting(); // a second click gives up
                else
                    startWaiting(slot);
            });
            grid->addWidget(button, a + 1, column);
        };
        const auto action = static_cast<Action>(a);
        for (int k = 0; k < KeySlots; ++k) addSlot(keySlots_[a][k], 1 + k, {action, k, false});
        for (int p = 0; p < PadSlots; ++p)
            addSlot(padSlots_[a][p], 1 + KeySlots + p, {action, p, true});
        if (a < MoveCount) addSlot(secondSlots_[a], SecondColumn, {action, 0, false, true});
    }
    for (int c = 1; c <= SecondColumn; ++c)
        grid->setColumnStretch(c, c <= KeySlots ? 8 : c < SecondColumn ? 5 : 4);
    page->addLayout(grid);

    auto* repeat = new QGridLayout;
    repeatLabel_ = new QLabel(this);
    systemRepeat_ = new QRadioButton(this);
    gameRepeat_ = new QRadioButton(this);
    auto* group = new QButtonGroup(this);
    group->addButton(systemRepeat_);
    group->addButton(gameRepeat_);
    delayLabel_ = new QLabel(this);
    delay_ = new QSpinBox(this);
    delay_->setRange(MinRepeatDelay, MaxRepeatDelay);
    intervalLabel_ = new QLabel(this);
    interval_ = new QSpinBox(this);
    interval_->setRange(MinRepeatInterval, MaxRepeatInterval);
    for (QSpinBox* edit : {delay_, interval_}) edit->setSingleStep(10);
    repeat->addWidget(repeatLabel_, 0, 0);
    repeat->addWidget(systemRepeat_, 0, 1);
    repeat->addWidget(gameRepeat_, 0, 2);
    repeat->addWidget(delayLabel_, 1, 0);
    repeat->addWidget(delay_, 1, 1);
    repeat->addWidget(intervalLabel_, 1, 2);
    repeat->addWidget(interval_, 1, 3);
    page->addLayout(repeat);
    connect(gameRepeat_, &QRadioButton::toggled, this, [this](bool on) {
        if (controls_.gameRepeat == on) return;
        controls_.gameRepeat = on;
        changed();
    });
    connect(delay_, &QSpinBox::valueChanged, this, [this](int v) {
        if (controls_.repeatDelay == v) return;
        controls_.repeatDelay = v;
        changed();
    });
    connect(interval_, &QSpinBox::valueChanged, this, [this](int v) {
        if (controls_.repeatInterval == v) return;
        controls_.repeatInterval = v;
        changed();
    });

    status_ = new QLabel(this);
    status_->setWordWrap(true);
    status_->setMinimumHeight(32);
    page->addWidget(status_);
    auto* bottom = new QHBoxLayout;
    gamepad_ = new QLabel(this);
    defaults_ = new QPushButton(this);
    bottom->addWidget(gamepad_, 1);
    bottom->addWidget(defaults_);
    page->addLayout(bottom);
    page->addStretch(1);
    connect(defaults_, &QPushButton::clicked, this, [this] {
        stopWaiting();
        controls_ = Controls{};
        changed();
    });
    refresh();
}

void KeysPage::setControls(const Controls& controls) {
    controls_ = controls;
    refresh();
}

QPushButton* KeysPage::keySlot(Action action, int slot) const {
    return keySlots_[static_cast<int>(action)][slot];
}

QPushButton* KeysPage::padSlot(Action action, int slot) const {
    return padSlots_[static_cast<int>(action)][slot];
}

QPushButton* KeysPage::secondPlayerSlot(Action move) const {
    return secondSlots_[static_cast<int>(move)];
}

std::string& KeysPage::nameOf(const Slot& slot) {
    const int a = static_cast<int>(slot.action);
    if (slot.second) return controls_.secondPlayer[a];
    return slot.pad ? controls_.pad[a][slot.index] : controls_.keys[a][slot.index];
}

void KeysPage::startWaiting(const Slot& slot) {
    waiting_ = slot;
    refusal_ = nullptr;
    grabKeyboard();
    status_->setText(dialogCaption(slot.pad ? "KeysAttenteBouton" : "KeysAttenteTouche"));
    refresh();
}

void KeysPage::stopWaiting() {
    if (!waiting_) return;
    waiting_.reset();
    releaseKeyboard();
    status_->clear();
    refresh();
}

void KeysPage::refuse(std::function<QString()> reason) {
    refusal_ = std::move(reason);
    status_->setText(refusal_());
}

void KeysPage::assign(const std::string& name) {
    const Slot slot = *waiting_;
    // A menu's own shortcut would take the key before the game saw it.
    for (const auto& [item, key] : ids::fixedShortcuts)
        if (!slot.pad && !name.empty() && keyFromName(key) == keyFromName(name)) {
            stopWaiting();
            refuse([name, menu = item] {
                return dialogCaption("KeysRaccourciMenu")
                    .arg(keyText(name), caption(menu).remove('&'));
            });
            return;
        }
    // Every other slot of its kind: a key is the first or the second player's, never both.
    for (int a = 0; a < ActionCount && !name.empty(); ++a) {
        const int count = slot.pad ? PadSlots : KeySlots + (a < MoveCount ? 1 : 0);
        for (int i = 0; i < count; ++i) {
            const Slot here{static_cast<Action>(a), i < KeySlots ? i : 0, slot.pad, i == KeySlots};
            const std::string& other = nameOf(here);
            const bool same = !other.empty() &&
                              (slot.pad ? other == name : keyFromName(other) == keyFromName(name));
            if (!same) continue;
            if (here == slot) return stopWaiting(); // the key it has already
            stopWaiting();
            refuse([name, a, pad = slot.pad, second = here.second] {
                const QString what = pad ? padButtonText(name) : keyText(name);
                QString whose = dialogCaption(actionCaptions[a]);
                if (second)
                    whose += QStringLiteral(" (") + opponentName(DuelSettings::SecondPlayer) +
                             QLatin1Char(')');
                return dialogCaption("KeysDejaPrise").arg(what, whose);
            });
            return;
        }
    }
    nameOf(slot) = name;
    stopWaiting();
    changed();
}

bool KeysPage::eventFilter(QObject* watched, QEvent* event) {
    // While a slot waits, the page has the keyboard: every key comes here, Tab, Escape and the
    // arrows included, and none of them reaches the dialog.
    if (event->type() != QEvent::KeyPress || !waiting_) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat()) return true;
    const int k = key->key();
    if (isModifierKey(k) || k == Qt::Key_unknown) return true;
    if (k == Qt::Key_Backspace) {
        assign({});
        return true;
    }
    if (!waiting_->pad) assign(keyName(boundKey(key->keyCombination())));
    return true;
}

void KeysPage::takePadButton(int button) {
    if (waitsForPadButton()) assign(padButtonName(button));
}

void KeysPage::showGamepad(const std::string& name) {
    if (name == gamepadName_) return;
    gamepadName_ = name;
    refresh();
}

void KeysPage::changed() {
    refresh();
    if (onChanged) onChanged(controls_);
}

void KeysPage::retranslate() {
    if (waiting_)
        status_->setText(dialogCaption(waiting_->pad ? "KeysAttenteBouton" : "KeysAttenteTouche"));
    else if (refusal_)
        status_->setText(refusal_());
    refresh();
}

void KeysPage::refresh() {
    for (int a = 0; a < ActionCount; ++a) {
        actionLabels_[a]->setText(dialogCaption(actionCaptions[a]));
        for (int k = 0; k < KeySlots; ++k)
            keySlots_[a][k]->setFittedText(keyText(controls_.keys[a][k]));
        for (int p = 0; p < PadSlots; ++p)
            padSlots_[a][p]->setFittedText(
                controls_.pad[a][p].empty() ? QString() : padButtonText(controls_.pad[a][p]));
        if (a < MoveCount) secondSlots_[a]->setFittedText(keyText(controls_.secondPlayer[a]));
    }
    if (waiting_) {
        const int a = static_cast<int>(waiting_->action);
        SlotButton* b = waiting_->second ? secondSlots_[a]
                        : waiting_->pad  ? padSlots_[a][waiting_->index]
                                         : keySlots_[a][waiting_->index];
        b->setFittedText(QStringLiteral("\u2026"));
    }
    keysHeader_->setText(dialogCaption("KeysTouches"));
    padHeader_->setText(dialogCaption("KeysManette"));
    secondHeader_->setFittedText(opponentName(DuelSettings::SecondPlayer));
    repeatLabel_->setText(dialogCaption("KeysRepetition"));
    systemRepeat_->setText(dialogCaption("KeysRepetitionSysteme"));
    gameRepeat_->setText(dialogCaption("KeysRepetitionJeu"));
    delayLabel_->setText(dialogCaption("KeysDelai"));
    intervalLabel_->setText(dialogCaption("KeysIntervalle"));
    defaults_->setText(dialogCaption("KeysParDefaut"));
    gamepad_->setText(
        gamepadName_.empty()
            ? dialogCaption("KeysAucuneManette")
            : dialogCaption("KeysManetteBranchee").arg(QString::fromStdString(gamepadName_)));
    (controls_.gameRepeat ? gameRepeat_ : systemRepeat_)->setChecked(true);
    delay_->setValue(controls_.repeatDelay);
    interval_->setValue(controls_.repeatInterval);
}

} // namespace kp
