#pragma once
// The high-score name dialog: congratulations, and the player's name. The name field starts
// with the computer's name and keeps whatever was last typed for the rest of the run.

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kp {

class TForm3 : public QDialog {
  public:
    explicit TForm3(QWidget* parent = nullptr);
    void appliquerLangue(int langue);
    QString nom() const;
    QLineEdit* champNom() const { return nom_; }

  private:
    std::array<QLabel*, 3> lignes_{};
    QLineEdit* nom_;
    QPushButton* ok_;
    QPushButton* annuler_;
};

} // namespace kp
