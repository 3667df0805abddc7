#pragma once
// The radio groups of the menus whose n-th item stands for the setting's value n.

#include "ui/menu_items.h"

#include <array>

namespace kp::ids {

inline constexpr std::array<Item, 4> smileyAnimationMenu{
    Item::SmileyAnimationNone, Item::SmileyAnimationSlow, Item::SmileyAnimationAverage,
    Item::SmileyAnimationFast};
inline constexpr std::array<Item, 4> removalAnimationMenu{
    Item::RemovalAnimationNone, Item::RemovalAnimationSlow, Item::RemovalAnimationAverage,
    Item::RemovalAnimationFast};
inline constexpr std::array<Item, 4> pinup{Item::PinupNone, Item::PinupLeft, Item::PinupRight,
                                           Item::PinupBoth};
inline constexpr std::array<Item, 3> output{Item::SoundNone, Item::SoundLoudspeakers,
                                            Item::SoundPcSpeaker};
inline constexpr std::array<Item, 3> waveVolume{Item::SoundVolumeLow, Item::SoundVolumeMedium,
                                                Item::SoundVolumeHigh};
inline constexpr std::array<Item, 3> midiVolume{Item::MusicVolumeLow, Item::MusicVolumeMedium,
                                                Item::MusicVolumeHigh};
inline constexpr std::array<Item, 3> positionH{Item::PictureLeft, Item::PictureCentredAcross,
                                               Item::PictureRight};
inline constexpr std::array<Item, 3> positionV{Item::PictureTop, Item::PictureCentredDown,
                                               Item::PictureBottom};
// The menu items whose shortcut is the game's own rather than one of the player's keys, with
// that key's portable name: the keys page gives these keys to no action.
struct FixedShortcut {
    Item item;
    const char* key;
};
inline constexpr std::array<FixedShortcut, 1> fixedShortcuts{{{Item::Help, "F1"}}};
// "SmileyTaille" 0..5 (the "100%" item also stands for 0 but is not listed here).
inline constexpr std::array<Item, 6> smileySize{Item::SmileySizeDefault, Item::SmileySize50,
                                                Item::SmileySize75,      Item::SmileySize150,
                                                Item::SmileySize200,     Item::SmileySize300};
// "ImageFondTaille" 0..8 (the "100%" item also stands for 0 and never shows a mark).
inline constexpr std::array<Item, 9> pictureSizeItems{
    Item::PictureSizeNormal, Item::PictureSizeStretched, Item::PictureSizeWidth,
    Item::PictureSizeHeight, Item::PictureSize25,        Item::PictureSize50,
    Item::PictureSize75,     Item::PictureSize150,       Item::PictureSize200};

} // namespace kp::ids
