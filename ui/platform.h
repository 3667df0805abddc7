#pragma once
// The desktop services the window asks of the platform: message boxes and the common dialogs.
// Behind an interface so that tests can answer them without a person in front of the screen.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>

class QWidget;

namespace kp {

class Platform {
  public:
    virtual ~Platform() = default;
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A Yes/No question; true for Yes. `defaultYes` chooses the button Enter presses.
    virtual bool question(QWidget* parent, const QString& text, bool defaultYes = false) = 0;
    // The saved-game dialogs: a chosen path or nothing. The save dialog has already asked
    // before replacing a file and before creating a new one.
    virtual std::optional<QString> openGame(QWidget* parent) = 0;
    virtual std::optional<QString> saveGame(QWidget* parent) = 0;
    // The colour chooser with its full custom-colour panel, preset to `initial`.
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;
    // The picture-open dialog; an existing file or nothing.
    virtual std::optional<QString> openPicture(QWidget* parent) = 0;
    // The font chooser preset to the message line's font and colour.
    virtual std::optional<std::pair<QFont, QColor>> chooseFont(QWidget* parent, const QFont& font,
                                                               const QColor& colour) = 0;
    // Whether the desktop has a notification area for panic to hide the game in: an X11 tray,
    // or a StatusNotifierItem host on the session bus (a Wayland desktop's panel).
    virtual bool notificationArea() = 0;
    // The desktop's languages, most wanted first ("de-DE", "de"): the first start speaks the
    // first one the game has.
    virtual QStringList uiLanguages() const = 0;
    // Ends the program once its window has closed (a window already hidden in the notification
    // area closes without ending the message loop by itself).
    virtual void quit() = 0;
};

// The file a dialog or Qt's command line names, as the system spells it. File names are bytes:
// Qt shows a name that is not valid UTF-8 with replacement characters, and such a string no
// longer opens the file; the folder is then searched for the one entry Qt shows that way.
std::filesystem::path systemPath(const QString& name);

// The real dialogs.
class QtPlatform : public Platform {
  public:
    void message(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text, bool defaultYes) override;
    std::optional<QString> openGame(QWidget* parent) override;
    std::optional<QString> saveGame(QWidget* parent) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
    std::optional<QString> openPicture(QWidget* parent) override;
    std::optional<std::pair<QFont, QColor>> chooseFont(QWidget* parent, const QFont& font,
                                                       const QColor& colour) override;
    bool notificationArea() override;
    QStringList uiLanguages() const override;
    void quit() override;
};

} // namespace kp
