#pragma once
// "Nouveau duel...": the opponent (the computer at one of its five levels, or a second player
// at this keyboard or on a gamepad), each side's starting level, the rounds to win and whether
// attacks cancel. It opens on the last match's choices.

#include "ui/match_choices.h"
#include "ui/translations.h"

#include "persistence/settings.h"

#include <QDialog>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace kp {

class DuelDialog : public Translated<QDialog> {
  public:
    explicit DuelDialog(QWidget* parent = nullptr);

    void setChoice(const DuelSettings& duel);
    DuelSettings choice() const;
    // The controllers connected, by name, and which of them plays the second player's board
    // against a friend (-1: none, the second player is at the keyboard; every other controller
    // plays the first player's board).
    void setGamepads(const std::vector<QString>& names, int secondPad);
    int secondPad() const;

    QComboBox* opponentBox() const { return opponent_; }
    QComboBox* secondPadBox() const { return secondPad_; }

  protected:
    void retranslate() override;

  private:
    void enableSecondPad();

    QLabel* opponentLabel_;
    QComboBox* opponent_;
    std::unique_ptr<MatchChoices> choices_;
    QLabel* secondPadLabel_;
    QComboBox* secondPad_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace kp
