#pragma once
// The high-score name dialog: congratulations, and the player's name. The name field starts
// with the computer's name and keeps whatever was last typed for the rest of the run.

#include "ui/translations.h"
#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kp {

class NameDialog : public Translated<QDialog> {
  public:
    explicit NameDialog(QWidget* parent = nullptr);
    QString name() const;
    QLineEdit* nameField() const { return name_; }

  protected:
    void retranslate() override;

  private:
    std::array<QLabel*, 3> lines_{};
    QLineEdit* name_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace kp
