#pragma once
// What a match is played with whoever the opponent is: each side's starting level, the rounds
// to win and whether attacks cancel. The local duel and the network match ask them alike. The
// rows go into the dialog's own form, so that their labels line up with the dialog's other
// rows; the check box goes wherever the dialog puts it.

#include "persistence/settings.h"

class QCheckBox;
class QFormLayout;
class QLabel;
class QSpinBox;
class QWidget;

namespace kp {

class MatchChoices {
  public:
    // The rows are children of `parent`, added at the end of `form`.
    MatchChoices(QWidget* parent, QFormLayout* form);

    // The opponent is none of these rows' business: it goes through unchanged.
    void set(const DuelSettings& duel);
    DuelSettings get(DuelSettings duel) const;
    void setEnabled(bool enabled);
    QCheckBox* cancelAttacks() const { return cancelAttacks_; }
    // Words the rows in the language in use (the dialog's retranslate calls it).
    void retranslate();

  private:
    QLabel* levelLabels_[2];
    QSpinBox* levels_[2];
    QLabel* roundsLabel_;
    QSpinBox* rounds_;
    QCheckBox* cancelAttacks_;
};

} // namespace kp
