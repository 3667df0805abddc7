#pragma once
// "Nouveau duel...": the opponent (the computer at one of its five levels, or a second player
// at this keyboard), each side's starting level, the rounds to win and whether attacks cancel.
// It opens on the last match's choices.

#include "ui/translations.h"

#include "persistence/settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace kp {

class DuelDialog : public Translated<QDialog> {
  public:
    explicit DuelDialog(QWidget* parent = nullptr);

    void setChoice(const DuelSettings& duel);
    DuelSettings choice() const;

    QComboBox* opponentBox() const { return opponent_; }

  protected:
    void retranslate() override;

  private:
    QLabel* opponentLabel_;
    QComboBox* opponent_;
    QLabel* levelLabels_[2];
    QSpinBox* levels_[2];
    QLabel* roundsLabel_;
    QSpinBox* rounds_;
    QCheckBox* cancelAttacks_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace kp
