#pragma once
// The captions of the main menu and the notification-area menu, one row per item in English,
// the source language, and the message line's texts; each is read through the translation of
// the language in use.

#include "ui/menu_items.h"

#include <QString>
#include <QtGlobal>

#include <cstdint>

#include <span>

namespace kp {

// A menu item's English caption (source) and the name that sets it apart for translators
// (comment).
struct Caption {
    const char* source;
    const char* comment;
};
struct ItemCaption {
    Item item;
    Caption text;
};

// The captioned items, in their order.
std::span<const ItemCaption> menuCaptions();
// The caption of an item in the language in use; empty for one the table does not caption.
QString caption(Item item);
QString caption(const Caption& text);

// The message line's fixed texts.
QString pauseMessage();
QString lostMessage();
QString levelMessage(int level);

// The opponent as the strip and the duel dialog name it: "Ordinateur (Moyen)", "Joueur 2".
QString opponentName(int32_t opponent);
// A level of the computer player: "Débutant" .. "Expert".
QString cpuLevelName(int32_t level);
// The statistics' line of the matches played over the network.
QString networkLineName();
// The message on a board at the end of a round it won, or of a round nobody won.
QString wonMessage();
QString drawMessage();

// A tune that could not be played.
QString musicFailure();

} // namespace kp
