#pragma once
// The "Fond" menu and the background it composes: a plain colour, a gradient, the logo or a
// picture (its size, its place, its colours), the recent pictures and the border's colour.

#include "background/composer.h"

#include <QColor>
#include <QImage>
#include <QObject>

#include <functional>
#include <optional>
#include <string>

class QAction;
class QMenu;
class QWidget;

namespace kp {

class MenuBook;
class Platform;
class SettingsModel;
struct BackgroundSettings;

// Colours between the settings' and Qt's.
QColor toQColor(Colour c);
Colour fromQColor(const QColor& c);

class BackgroundMenus : public QObject {
  public:
    // The menu goes in `options`; `window` is the game's, for its dialogs and messages.
    BackgroundMenus(MenuBook& book, QMenu* options, SettingsModel& model, Platform& platform,
                    QWidget& window);

    void setLogo(Bitmap24 logo) { composer_.setLogo(std::move(logo)); }
    // The background of a client area `width` x `height`, from a picture at `path` or from
    // the picture already read (KeepPicture). None when nothing new was composed: the menus
    // show the background still in view, and a picture that could not be read is told.
    std::optional<QImage> compose(int width, int height, const std::optional<std::string>& path);
    // The recent pictures' items, from the settings.
    void showRecentPictures();
    QColor borderColour() const;

  private:
    void build(QMenu* options);
    void buildPictureMenus(QMenu* background);
    void showComposition(const Composition& c);
    void change(const std::function<void(BackgroundSettings&)>& change);
    void plain();
    void gradient();
    void loadPicture();
    void recent(int index);
    void chooseBorderColour();

    MenuBook& book_;
    SettingsModel& model_;
    Platform& platform_;
    QWidget& window_;
    BackgroundComposer composer_;
    QAction* checkedMode_ = nullptr; // the mode item in view
};

} // namespace kp
