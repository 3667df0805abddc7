#pragma once
// The configuration page of the dialog: the eleven game parameters in four groups, each with
// its spin edit, and the four preset buttons.

#include "engine/game_state.h"
#include "ui/translations.h"

#include <QSpinBox>
#include <QWidget>

#include <array>
#include <string_view>

class QLabel;
class QPushButton;

namespace kp {

class LeaderLabel;

// A spin edit that lets any number be typed and holds it to its bounds once typing is over
// (focus leaves, Enter, or the dialog closes): above the top it becomes the top, below the
// bottom or not a number at all it becomes the bottom.
class BoundedSpinEdit : public QSpinBox {
  public:
    explicit BoundedSpinEdit(QWidget* parent = nullptr);
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

class ConfigPage : public Translated<QWidget> {
  public:
    // Presets 1 to 4; the first is the game's default configuration.
    static const std::array<LevelParameters, 4>& presets();

    explicit ConfigPage(QWidget* parent = nullptr);

    // Sets every edit's bounds, then its value.
    void setValues(const LevelParameters& p);
    LevelParameters values() const;

    // Which preset (1..4) the values equal, the first one that does, or 0. Its button is
    // disabled and the others enabled.
    int NoConfig();
    // What a click on preset button k (1..4) does.
    void configClicked(int k);

    // Whether a value changed since clearModified().
    bool modified() const { return modified_; }
    void clearModified() { modified_ = false; }

    // Holds every value still being typed to its bounds, as leaving the edit would.
    void takeTypedValues();
    // The rules that keep the smiley rows inside the board, on the edits, in this order:
    // the last row at most the board's height, the first level's rows at most the last row,
    // the rows added per level at most what is left between them.
    void makeConsistent();

    // The edit of a "Configuration" key ("NbLgn", ...).
    BoundedSpinEdit* edit(std::string_view key) const;
    QPushButton* button(int k) const { return buttons_[k - 1]; }

  protected:
    void retranslate() override;

  private:
    void onValueChanged();

    std::array<BoundedSpinEdit*, 11> edits_{}; // in the order of ParameterKeys
    std::array<QLabel*, 4> titles_{};          // group headings
    std::array<LeaderLabel*, 11> labels_{};    // in the order of ParameterKeys
    std::array<QPushButton*, 4> buttons_{};
    bool modified_ = false;
};

} // namespace kp
