#include "ui/match_choices.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

#include <initializer_list>

namespace kp {

namespace {
QString text(const char* source) {
    return QCoreApplication::translate("Match", source);
}
} // namespace

MatchChoices::MatchChoices(QWidget* parent, QFormLayout* form) {
    for (int p = 0; p < 2; ++p) {
        levelLabels_[p] = new QLabel(parent);
        levels_[p] = new QSpinBox(parent);
        levels_[p]->setObjectName(p == 0 ? QStringLiteral("EditNiveau1")
                                         : QStringLiteral("EditNiveau2"));
        levels_[p]->setRange(1, DuelSettings::MaxStartLevel);
        levelLabels_[p]->setBuddy(levels_[p]);
        form->addRow(levelLabels_[p], levels_[p]);
    }
    roundsLabel_ = new QLabel(parent);
    rounds_ = new QSpinBox(parent);
    rounds_->setObjectName(QStringLiteral("EditManches"));
    rounds_->setRange(1, 5);
    roundsLabel_->setBuddy(rounds_);
    form->addRow(roundsLabel_, rounds_);
    cancelAttacks_ = new QCheckBox(parent);
    cancelAttacks_->setObjectName(QStringLiteral("CheckAnnulerAttaques"));
}

void MatchChoices::set(const DuelSettings& duel) {
    for (int p = 0; p < 2; ++p) levels_[p]->setValue(duel.startLevel[static_cast<size_t>(p)]);
    rounds_->setValue(duel.roundsToWin);
    cancelAttacks_->setChecked(duel.cancelAttacks);
}

DuelSettings MatchChoices::get(DuelSettings duel) const {
    for (int p = 0; p < 2; ++p) duel.startLevel[static_cast<size_t>(p)] = levels_[p]->value();
    duel.roundsToWin = rounds_->value();
    duel.cancelAttacks = cancelAttacks_->isChecked();
    return duel;
}

void MatchChoices::setEnabled(bool enabled) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{levelLabels_[0], levels_[0], levelLabels_[1], levels_[1],
                                         roundsLabel_, rounds_, cancelAttacks_})
        w->setEnabled(enabled);
}

void MatchChoices::retranslate() {
    levelLabels_[0]->setText(text(QT_TRANSLATE_NOOP("Match", "&Your starting level:")));
    levelLabels_[1]->setText(text(QT_TRANSLATE_NOOP("Match", "Opponent's starting &level:")));
    roundsLabel_->setText(text(QT_TRANSLATE_NOOP("Match", "&Rounds to win:")));
    cancelAttacks_->setText(text(QT_TRANSLATE_NOOP("Match", "&Attacks cancel")));
}

} // namespace kp
