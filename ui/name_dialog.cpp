#include "name_dialog.h"

#include "ui/dialog_captions.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <QVBoxLayout>

namespace kp {

NameDialog::NameDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Kembrolla Panic!"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(8);
    for (auto& l : lignes_) {
        l = new QLabel(this);
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    QFont big = lignes_[0]->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 3);
    lignes_[0]->setFont(big);
    nom_ = new QLineEdit(this);
    nom_->setMaxLength(256);
    nom_->setText(QSysInfo::machineHostName().left(256));
    layout->addWidget(nom_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    annuler_ = new QPushButton(this);
    buttons->addWidget(ok_);
    buttons->addWidget(annuler_);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler_, &QPushButton::clicked, this, &QDialog::reject);
    applyLanguage(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void NameDialog::applyLanguage(int language) {
    static constexpr const char* lignes[] = {"LabelMsg1", "LabelMsg2", "LabelMsg3"};
    for (int i = 0; i < 3; ++i) lignes_[i]->setText(dialogCaption(lignes[i], language));
    ok_->setText(dialogCaption("BtnOK", language));
    annuler_->setText(dialogCaption("BtnAnnuler", language));
}

QString NameDialog::nom() const {
    return nom_->text();
}

} // namespace kp
