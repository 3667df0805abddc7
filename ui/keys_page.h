#pragma once
// The keys page of the dialog: each action with its keys and gamepad buttons, how a held
// direction repeats, and the way back to the defaults. Click a slot, then press a key (or a
// pad button); Backspace leaves the slot free. A key another action or a menu's own shortcut
// has is refused, and the line under the table says which has it. Every accepted change
// applies at once.

#include "persistence/controls.h"
#include "ui/translations.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace kp {

class ColumnTitle;
class SlotButton;

class KeysPage : public Translated<QWidget> {
  public:
    explicit KeysPage(QWidget* parent = nullptr);

    // Shows these controls (already made usable by the bindings).
    void setControls(const Controls& controls);
    const Controls& controls() const { return controls_; }
    // Hears every accepted change.
    std::function<void(const Controls&)> onChanged;

    // The connected controller's name, or empty when there is none.
    void showGamepad(const std::string& name);

    // A gamepad slot waits for a button: the window hands the next press here.
    bool waitsForPadButton() const { return waiting_ && waiting_->pad; }
    void takePadButton(int button);

    QPushButton* keySlot(Action action, int slot) const;
    QPushButton* padSlot(Action action, int slot) const;
    // The second player's key for a move, in a match.
    QPushButton* secondPlayerSlot(Action move) const;
    QPushButton* defaultsButton() const { return defaults_; }
    QRadioButton* gameRepeatButton() const { return gameRepeat_; }
    QSpinBox* delayEdit() const { return delay_; }
    QSpinBox* intervalEdit() const { return interval_; }
    // The line that prompts and tells why a key was refused.
    QLabel* statusLine() const { return status_; }

  protected:
    void retranslate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Slot {
        Action action;
        int index;
        bool pad;
        bool second = false; // the second player's column
        bool operator==(const Slot&) const = default;
    };
    void startWaiting(const Slot& slot);
    void stopWaiting();
    // Puts a name in the waiting slot unless another slot has it already.
    void assign(const std::string& name);
    std::string& nameOf(const Slot& slot);
    void refresh();
    void changed();
    // Shows why a key was refused, and words it again in each new language.
    void refuse(std::function<QString()> reason);

    Controls controls_;
    std::optional<Slot> waiting_;
    std::function<QString()> refusal_; // the refusal the status line shows, if any
    std::string gamepadName_;
    std::array<QLabel*, ActionCount> actionLabels_{};
    std::array<std::array<SlotButton*, KeySlots>, ActionCount> keySlots_{};
    std::array<std::array<SlotButton*, PadSlots>, ActionCount> padSlots_{};
    std::array<SlotButton*, MoveCount> secondSlots_{};
    QLabel* keysHeader_;
    QLabel* padHeader_;
    ColumnTitle* secondHeader_;
    QLabel* repeatLabel_;
    QRadioButton* systemRepeat_;
    QRadioButton* gameRepeat_;
    QLabel* delayLabel_;
    QSpinBox* delay_;
    QLabel* intervalLabel_;
    QSpinBox* interval_;
    QLabel* status_;
    QLabel* gamepad_;
    QPushButton* defaults_;
};

} // namespace kp
