#pragma once
// Where the game draws its own decorations (Wayland without the compositor's), Qt's decoration
// centres the title in the bar and cuts both of its ends when the window is narrow, leaving a
// few letters from its middle. The title it is given is then what fits of the window's own,
// from its start, ended by an ellipsis: "Kembrolla…".

#include <QFont>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace kp {

// Whether Qt draws the window's title bar itself: on Wayland, where the compositor leaves the
// decorations to the window (known once the window shows).
bool titleBarDrawnHere(const QWidget& window);

// `title` whole when it fits `room` pixels in `font`, else what fits from its start with "…".
QString fittedTitle(const QString& title, const QFont& font, int room);

// Gives the window's platform window the fitted title whenever the window is resized or its
// title changes; QWidget::windowTitle() keeps the whole one. `drawnHere` says whether the title
// bar is Qt's own decoration at the moment (it may not be known before the window shows).
class TitleFitter : public QObject {
  public:
    TitleFitter(QWidget& window, std::function<bool()> drawnHere);

    // The room Qt's decoration leaves the title of a window this wide: the bar is the window's
    // width with the frame's margins at both ends, and its buttons keep the right end.
    static int titleRoom(int windowWidth);
    // The decoration's face: the application's, at its fixed pixel size.
    static QFont titleFont();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fit();

    QWidget& window_;
    std::function<bool()> drawnHere_;
};

} // namespace kp
