#pragma once
// composeBackground: the background behind the board, composed at the client size from the
// player's choice, plus what the "&Fond" menu must show afterwards. The composer owns the
// pixels of the picture last loaded, as far as they showed, so that filter changes, and size,
// position and layout changes that show no other part of it, compose again ("<IDEM>") without
// reading the file.

#include "background/bitmap24.h"
#include "background/compose.h"
#include "background/picture.h"
#include "background/recent.h"

#include <optional>
#include <string>
#include <utility>

namespace kp {

// "Fond" values.
enum BackgroundMode : int {
    PlainBackground = 0,
    GradientBackground = 1,
    LogoBackground = 2,
    PictureBackground = 3
};

// Instead of a picture file: compose again from the picture already in hand.
inline constexpr std::nullopt_t KeepPicture = std::nullopt;

// The background keys of the "Options" section of the settings file, with their defaults.
struct BackgroundSettings {
    int background = LogoBackground;
    Colour plainColour = 0;
    Colour gradientTop = 0;
    Colour gradientBottom = 0xF0CAA6;
    Colour borderColour = 0;
    int pictureSize = NormalSize;
    int pictureAlignH = AlignCentre;
    int pictureAlignV = AlignCentre;
    bool tiled = false;
    bool greyscale = false;
    bool negative = false;
    RecentPictures recentPictures; // "CheminFond1" ... "CheminFond10"
};

PictureOptions PictureOptionsOf(const BackgroundSettings& settings);

// The item of the mode radio group (the four modes and the ten recent pictures) to check.
enum class ModeItem { Plain, Gradient, Logo, Open, Recent1 };

struct Composition {
    // False only when a picture was refused: the background in view, the settings and the
    // menus all stay as they were, and the window tells the player which file it was.
    bool composed = false;
    std::optional<std::string> refusedPicture; // a file that loads neither as BMP nor as JPEG
    ModeItem checked = ModeItem::Logo;
    // The size, position and options submenus apply to picture files only.
    bool pictureMenusEnabled = false;
    // "Couleur du contour de l'image...": enabled when some border shows; unset in the modes
    // without a picture, where the item keeps its state.
    std::optional<bool> borderColourEnabled;
    // The recent list in the settings moved: its ten captions must be set again.
    bool recentChanged = false;
};

class BackgroundComposer {
  public:
    // The built-in picture of mode 2 (53 x 430 in the game's assets).
    void setLogo(Bitmap24 logo) { logo_ = std::move(logo); }

    // Composes the background for `settings` at the client size. `path` is a picture file
    // (read in mode 3 only) or KeepPicture. May change settings.background (a refused picture) and
    // settings.recentPictures (a picture opened in mode 3).
    Composition composeBackground(BackgroundSettings& settings, int clientWidth, int clientHeight,
                                  const std::optional<std::string>& path);

    // The last composed background; 0 x 0 before the first composition.
    const Bitmap24& background() const { return background_; }
    // Hands the last composed background over (the composer keeps no copy: a window-sized
    // bitmap is no small thing on a big board).
    Bitmap24 takeBackground() { return std::exchange(background_, Bitmap24{}); }
    // The picture kept for KeepPicture, if any.
    const std::optional<Picture>& picture() const { return picture_; }

  private:
    void ReadAgainIfLacking(const WantedPart& shows);
    PictureLayout composeMode(const BackgroundSettings& settings, const PictureOptions& options,
                              Size64 client, const WantedPart& shows);

    Bitmap24 logo_;
    Bitmap24 background_;
    std::optional<Picture> picture_;
    std::string picturePath_;
    int shownBackground_ = LogoBackground; // the mode of the background in view
    bool composedOnce_ = false;
};

} // namespace kp
