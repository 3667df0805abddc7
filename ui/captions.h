#pragma once
// The French and English captions of the main menu and the notification-area menu, one row per
// item, so a language switch is one loop over the table.

#include "ui/language.h"
#include <QString>

#include <span>

namespace kp {

struct Caption {
    const char* id; // the menu item's name
    const char* fr;
    const char* en;
};

std::span<const Caption> menuCaptions();
// The caption of an item in a language (0 French, 1 English); the id itself when unknown.
QString caption(const char* id, Language language);

// The message line's fixed texts.
QString pauseMessage(Language language);
QString lostMessage(Language language);
QString levelMessage(Language language, int level);

// A tune that could not be played.
QString musicFailure(Language language);

} // namespace kp
