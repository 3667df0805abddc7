#pragma once
// The "Son" and "Musique" menus and the sound settings they apply, from them or from the
// configuration: the output, the volumes, the tune and its loop. The music is watched on every
// tick of the game's clock: it stops while the game is out of sight, and a tune that ended
// without looping leaves no music chosen.

#include <QObject>

#include <memory>

class QMenu;
class QWidget;

namespace kp {

class MenuBook;
class Platform;
class SettingsModel;
namespace sound {
class SoundSystem;
}

class SoundMenus : public QObject {
  public:
    // The menus go in `options`; `window` is the game's, for its messages and whether it shows.
    SoundMenus(MenuBook& book, QMenu* options, SettingsModel& model, sound::SoundSystem& sound,
               Platform& platform, QWidget& window);
    ~SoundMenus() override;

    // The output, the volumes and the loop, from the settings.
    void apply();
    // The menus of the setting's tune, the tune itself left as it is.
    void showTune();
    // The tune in the settings, and its menus.
    void applyTune();
    void watchMusic();

  private:
    void build(QMenu* options);

    MenuBook& book_;
    SettingsModel& model_;
    sound::SoundSystem& sound_;
    Platform& platform_;
    QWidget& window_;
    std::unique_ptr<QWidget> loadingWindow_; // shown while a tune is prepared
};

} // namespace kp
