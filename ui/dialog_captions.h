#pragma once
// The texts of the configuration, help and about dialog and of the high-score name window: one
// row per caption in English (by the name of the widget that shows it), and the texts of the
// dialog's questions, of the help page and of the mail link. Each is read through the
// translation of the language in use.

#include "ui/captions.h"
#include "ui/language.h"

#include "engine/game_state.h"

#include <QString>

#include <span>

namespace kp {

std::span<const Caption> dialogCaptions();
// The caption of a dialog widget in the language in use; the id when unknown.
QString dialogCaption(const char* id);

// Asked when the dialog closes with a modified configuration ("\r" breaks the lines).
QString applyQuestion();
// Asked by the erase button.
QString eraseQuestion();

// The tooltip of a preset button: what the preset plays like.
QString presetText(const LevelParameters& p);

// The mail link's message, around the title and the version: "<greeting>title version<end>",
// in French for French and in English for every other language.
QString mailGreeting(Language language);
QString mailEnding(Language language);

// The help page (rich text).
QString helpText();

} // namespace kp
