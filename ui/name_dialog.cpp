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

NameDialog::NameDialog(QWidget* parent) : Translated(parent) {
    setWindowTitle(QStringLiteral("Kembrolla Panic!"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(8);
    for (auto& l : lines_) {
        l = new QLabel(this);
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    QFont big = lines_[0]->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 3);
    lines_[0]->setFont(big);
    name_ = new QLineEdit(this);
    name_->setMaxLength(256);
    name_->setText(QSysInfo::machineHostName().left(256));
    layout->addWidget(name_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(this);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    retranslate();
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void NameDialog::retranslate() {
    static constexpr const char* bandRows[] = {"LabelMsg1", "LabelMsg2", "LabelMsg3"};
    for (int i = 0; i < 3; ++i) lines_[i]->setText(dialogCaption(bandRows[i]));
    ok_->setText(dialogCaption("BtnOK"));
    cancel_->setText(dialogCaption("BtnAnnuler"));
}

QString NameDialog::name() const {
    return name_->text();
}

} // namespace kp
