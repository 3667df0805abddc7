#pragma once
// A platform whose dialogs answer as the test says, keeping the messages shown.
#include "ui/platform.h"

#include <vector>

namespace kp {

struct ScriptedPlatform : Platform {
    std::vector<QString> messages;
    std::vector<QString> questions;
    bool answer = false; // the answer to every question
    std::optional<QColor> colour;
    std::optional<QString> picture;
    std::optional<QString> gameToOpen;
    std::optional<QString> gameToSave;

    void message(QWidget*, const QString& text) override { messages.push_back(text); }
    bool question(QWidget*, const QString& text, bool) override {
        questions.push_back(text);
        return answer;
    }
    std::optional<QString> openGame(QWidget*) override { return gameToOpen; }
    std::optional<QString> saveGame(QWidget*) override { return gameToSave; }
    std::optional<QColor> chooseColour(QWidget*, const QColor&) override { return colour; }
    std::optional<QString> openPicture(QWidget*) override { return picture; }
    std::optional<std::pair<QFont, QColor>> chooseFont(QWidget*, const QFont&,
                                                       const QColor&) override {
        return std::nullopt;
    }
    bool notificationArea() override { return tray; }
    QStringList uiLanguages() const override { return desktopLanguages; }
    bool tray = false;            // a desktop with a notification area
    QStringList desktopLanguages; // none: the first start speaks French
    void quit() override { ++quits; }
    int quits = 0;
};

} // namespace kp
