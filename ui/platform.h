#pragma once
// The desktop services the window asks of the platform: message boxes and the common dialogs.
// Behind an interface so that tests can answer them without a person in front of the screen.

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

namespace kp {

class Platform {
  public:
    virtual ~Platform() = default;
    virtual void message(QWidget* parent, const QString& text) = 0;
    // The colour chooser with its full custom-colour panel, preset to `initial`.
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;
    // The picture-open dialog; an existing file or nothing.
    virtual std::optional<QString> openPicture(QWidget* parent) = 0;
    // The font chooser preset to the message line's font and colour.
    virtual std::optional<std::pair<QFont, QColor>> chooseFont(QWidget* parent, const QFont& font,
                                                               const QColor& colour) = 0;
};

// The real dialogs.
class QtPlatform : public Platform {
  public:
    void message(QWidget* parent, const QString& text) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
    std::optional<QString> openPicture(QWidget* parent) override;
    std::optional<std::pair<QFont, QColor>> chooseFont(QWidget* parent, const QFont& font,
                                                       const QColor& colour) override;
};

} // namespace kp
