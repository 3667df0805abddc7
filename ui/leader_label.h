#pragma once
// A label whose text is followed by a run of full stops up to its right edge, where the field
// it names stands. Long texts wrap; the run of stops then closes the last line.

#include <QLabel>

namespace kp {

class LeaderLabel : public QLabel {
  public:
    explicit LeaderLabel(QWidget* parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The lines the text takes in a width, the last one ending with at least three stops.
    QStringList lines(int width) const;
    // How many stops follow the text at the label's current width.
    int leaderLength() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int leaderAt(int width, const QString& lastLine) const;
};

} // namespace kp
