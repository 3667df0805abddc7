#pragma once
// The captions of the main menu and the notification-area menu, one row per item in English,
// the source language, and the message line's texts; each is read through the translation of
// the language in use.

#include <QString>
#include <QtGlobal>

#include <cstdint>

#include <span>

namespace kp {

// A menu item's English caption (source) and its name (comment, the item's id).
struct Caption {
    const char* source;
    const char* comment;
};

std::span<const Caption> menuCaptions();
// The caption of an item in the language in use; the id itself when unknown.
QString caption(const char* id);
QString caption(const Caption& row);

// The message line's fixed texts.
QString pauseMessage();
QString lostMessage();
QString levelMessage(int level);

// The opponent as the strip and the duel dialog name it: "Ordinateur (Moyen)", "Joueur 2".
QString opponentName(int32_t opponent);
// A level of the computer player: "Débutant" .. "Expert".
QString cpuLevelName(int32_t level);
// The message on a board at the end of a round it won, or of a round nobody won.
QString wonMessage();
QString drawMessage();

// A tune that could not be played.
QString musicFailure();

} // namespace kp
