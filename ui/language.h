#pragma once
// The languages the game speaks. The settings file stores them as numbers ("Langue"): 0 French,
// 1 English, then the others in this order; a number the game does not know reads as French.

#include <QString>
#include <QStringList>

#include "ui/menu_items.h"

#include <array>
#include <cstdint>

namespace kp {

enum class Language {
    French,
    English,
    German,
    Spanish,
    Italian,
    BrazilianPortuguese,
    Dutch,
    Polish,
    Russian,
};
constexpr int LanguageCount = 9;

struct LanguageInfo {
    Language language;
    const char* code; // the translation files' suffix and the locale's name: "fr", "pt_BR"
    Item item;        // its item in the language menu
};

constexpr std::array<LanguageInfo, LanguageCount> Languages{{
    {Language::French, "fr", Item::French},
    {Language::English, "en", Item::English},
    {Language::German, "de", Item::German},
    {Language::Spanish, "es", Item::Spanish},
    {Language::Italian, "it", Item::Italian},
    {Language::BrazilianPortuguese, "pt_BR", Item::BrazilianPortuguese},
    {Language::Dutch, "nl", Item::Dutch},
    {Language::Polish, "pl", Item::Polish},
    {Language::Russian, "ru", Item::Russian},
}};

inline const LanguageInfo& languageInfo(Language l) {
    return Languages[static_cast<size_t>(l)];
}

// The settings' number as a language: French for a number out of range.
inline Language languageFromSetting(int32_t value) {
    return value >= 0 && value < LanguageCount ? static_cast<Language>(value) : Language::French;
}

// The first of the desktop's languages (most wanted first, as "de-DE", "pt-BR", "en") that the
// game speaks; French when it speaks none of them.
Language desktopLanguage(const QStringList& uiLanguages);

} // namespace kp
