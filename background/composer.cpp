#include "background/composer.h"

namespace kp {

PictureOptions PictureOptionsOf(const BackgroundSettings& s) {
    return {s.pictureSize, s.pictureAlignH, s.pictureAlignV, s.tiled,
            s.greyscale,   s.negative,      s.borderColour};
}

// The pixels in hand were read for what showed then. When they lack what shows now, or are too
// coarse for it, the file is read again. It may have gone or changed since: then the pixels in
// hand serve, and what they lack is left to the border colour.
void BackgroundComposer::ReadAgainIfLacking(const WantedPart& shows) {
    if (!picture_ || Holds(*picture_, shows(picture_->size))) return;
    const Size64 own = picture_->size;
    std::optional<Picture> again = LoadPicture(picturePath_, shows);
    if (again && again->size == own) picture_ = std::move(again);
}

// The background of the settings' mode, as big as the client area; a picture's layout.
PictureLayout BackgroundComposer::composeMode(const BackgroundSettings& settings,
                                              const PictureOptions& options, Size64 client,
                                              const WantedPart& shows) {
    const int width = static_cast<int>(client.width), height = static_cast<int>(client.height);
    switch (settings.background) {
    case PlainBackground:
        background_ = composePlain(width, height, settings.plainColour);
        return {};
    case GradientBackground:
        background_ = composeGradient(width, height, settings.gradientTop, settings.gradientBottom);
        return {};
    case LogoBackground:
        background_ = ComposeLogo(width, height, logo_);
        return {};
    default: {
        const PictureLayout layout =
            LayOutPicture(options, picture_ ? picture_->size : Size64{}, client);
        ReadAgainIfLacking(shows);
        const Picture none;
        background_ = ComposeImage(picture_ ? *picture_ : none, layout, options, width, height);
        return layout;
    }
    }
}

Composition BackgroundComposer::composeBackground(BackgroundSettings& settings, int clientWidth,
                                                  int clientHeight,
                                                  const std::optional<std::string>& path) {
    Composition result;
    const Size64 client{clientWidth, clientHeight};
    const PictureOptions options = PictureOptionsOf(settings);
    const bool keep = !path;
    if (settings.background < PlainBackground || settings.background > PictureBackground)
        settings.background = LogoBackground;

    const WantedPart shows = [&](Size64 own) {
        return ShownOf(LayOutPicture(options, own, client), client);
    };
    if (settings.background == PictureBackground && !keep) {
        std::optional<Picture> loaded = LoadPicture(*path, shows);
        if (loaded) {
            picture_ = std::move(loaded);
            picturePath_ = *path;
        } else if (composedOnce_) {
            // Keep everything as the player had it, the mode included: the mode the command
            // set would otherwise disagree with the background in view.
            settings.background = shownBackground_;
            result.refusedPicture = *path;
            return result;
        } else {
            settings.background =
                LogoBackground; // first composition: quietly fall back to the logo
        }
    }

    const PictureLayout layout = composeMode(settings, options, client, shows);
    shownBackground_ = settings.background;
    composedOnce_ = true;
    result.composed = true;

    static constexpr ModeItem modeItems[] = {ModeItem::Plain, ModeItem::Gradient, ModeItem::Logo,
                                             ModeItem::Open};
    result.checked = modeItems[settings.background];
    if (settings.background == PictureBackground) {
        if (!keep) {
            PushRecentPicture(settings.recentPictures, *path);
            result.recentChanged = true;
            result.checked = ModeItem::Recent1;
        }
        result.pictureMenusEnabled = true;
        result.borderColourEnabled = BorderVisible(layout.placed, client);
    }
    return result;
}

} // namespace kp
