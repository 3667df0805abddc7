#pragma once
// The French and English texts of the configuration, help and about dialog and of the
// high-score name window: one row per caption (by the name of the widget that shows it), and
// the texts of the dialog's questions and of the mail link.

#include "ui/captions.h"
#include "ui/language.h"

#include "engine/game_state.h"

#include <QString>

#include <span>

namespace kp {

std::span<const Caption> dialogCaptions();
// The caption of a dialog widget in a language (0 French, 1 English); the id when unknown.
QString dialogCaption(const char* id, Language language);

// Asked when the dialog closes with a modified configuration ("\r" breaks the lines).
QString applyQuestion(Language language);
// Asked by the erase button.
QString eraseQuestion(Language language);

// The tooltip of a preset button: what the preset plays like.
QString presetText(Language language, const LevelParameters& p);

// The mail link's message, around the title and the version: "<greeting>title version<end>".
QString mailGreeting(Language language);
QString mailEnding(Language language);

// The help page's two texts (rich text).
QString helpText(Language language);

} // namespace kp
