#include "ui/duel_dialog.h"

#include "ui/captions.h"
#include "ui/dialog_captions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kp {

namespace {
QString text(const char* source) {
    return QCoreApplication::translate("Match", source);
}
} // namespace

DuelDialog::DuelDialog(QWidget* parent) : Translated(parent) {
    setObjectName(QStringLiteral("FormDuel"));
    setWindowTitle(QStringLiteral("Kembrolla Panic!"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 12);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    opponentLabel_ = new QLabel(this);
    opponent_ = new QComboBox(this);
    opponent_->setObjectName(QStringLiteral("ComboAdversaire"));
    for (int i = 0; i <= DuelSettings::SecondPlayer; ++i) opponent_->addItem(QString());
    opponentLabel_->setBuddy(opponent_);
    form->addRow(opponentLabel_, opponent_);
    choices_ = std::make_unique<MatchChoices>(this, form);
    secondPadLabel_ = new QLabel(this);
    secondPad_ = new QComboBox(this);
    secondPad_->setObjectName(QStringLiteral("ComboManetteJoueur2"));
    secondPad_->addItem(QString());
    secondPadLabel_->setBuddy(secondPad_);
    form->addRow(secondPadLabel_, secondPad_);
    // Their choices change after the first showing: with another language, another controller.
    for (QComboBox* box : {opponent_, secondPad_})
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layout->addLayout(form);
    connect(opponent_, &QComboBox::currentIndexChanged, this, [this] { enableSecondPad(); });
    layout->addWidget(choices_->cancelAttacks());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(this);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    setChoice({});
    enableSecondPad();
    retranslate();
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DuelDialog::setChoice(const DuelSettings& duel) {
    opponent_->setCurrentIndex(duel.opponent);
    choices_->set(duel);
}

DuelSettings DuelDialog::choice() const {
    DuelSettings d;
    d.opponent = opponent_->currentIndex();
    return choices_->get(d);
}

void DuelDialog::setGamepads(const std::vector<QString>& names, int secondPad) {
    while (secondPad_->count() > 1) secondPad_->removeItem(1);
    for (const QString& name : names) secondPad_->addItem(name);
    secondPad_->setCurrentIndex(secondPad >= 0 && secondPad < int(names.size()) ? secondPad + 1
                                                                                : 0);
    enableSecondPad();
}

// A controller is given to the second player only against a friend, and only when there is one.
void DuelDialog::enableSecondPad() {
    const bool friendPlays = opponent_->currentIndex() == DuelSettings::SecondPlayer;
    secondPad_->setEnabled(friendPlays && secondPad_->count() > 1);
    secondPadLabel_->setEnabled(secondPad_->isEnabled());
}

int DuelDialog::secondPad() const {
    return secondPad_->currentIndex() - 1;
}

void DuelDialog::retranslate() {
    for (int i = 0; i <= DuelSettings::SecondPlayer; ++i)
        opponent_->setItemText(i, opponentName(i));
    opponentLabel_->setText(text(QT_TRANSLATE_NOOP("Match", "O&pponent:")));
    secondPadLabel_->setText(text(QT_TRANSLATE_NOOP("Match", "Player 2's &gamepad:")));
    secondPad_->setItemText(0, text(QT_TRANSLATE_NOOP("Match", "None (keyboard)")));
    choices_->retranslate();
    ok_->setText(dialogCaption("BtnOK"));
    cancel_->setText(dialogCaption("BtnAnnuler"));
}

} // namespace kp
