#include "ui/settings_model.h"

#include "input/bindings.h"

#include <utility>

namespace kp {

SettingsModel::SettingsModel(std::filesystem::path file, QObject* parent)
    : QObject(parent), file_(std::move(file)) {}

bool SettingsModel::load() {
    std::error_code ec;
    const bool firstStart = !std::filesystem::exists(file_, ec) && !ec;
    loadSettings(settings_, file_);
    return firstStart;
}

FileResult SettingsModel::save() {
    return saveSettings(settings_, file_);
}

void SettingsModel::changeParameters(const LevelParameters& p) {
    settings_.parameters = p;
    emit parametersChanged();
}

void SettingsModel::changeControls(const Controls& controls) {
    // Kept as the bindings have them: every name usable, no key or button given twice.
    settings_.controls = Bindings(controls).controls();
    emit controlsChanged();
}

void SettingsModel::changeLanguage(int32_t language) {
    settings_.language = language;
    emit languageChanged();
}

void SettingsModel::changeLayout(const Change& change) {
    change(settings_);
    emit layoutChanged();
}

void SettingsModel::changeBackground(const Change& change,
                                     const std::optional<std::string>& picture) {
    change(settings_);
    emit backgroundChanged(picture);
}

void SettingsModel::changeSound(const Change& change) {
    change(settings_);
    emit soundChanged();
}

void SettingsModel::changeTune(int32_t tune) {
    settings_.music = tune;
    emit tuneChanged();
}

void SettingsModel::changeAnimations(const Change& change) {
    change(settings_);
    emit animationsChanged();
}

void SettingsModel::changeSmileys(const Change& change) {
    change(settings_);
    emit smileysChanged();
}

void SettingsModel::changeMessageLook(const Change& change) {
    change(settings_);
    emit messageLookChanged();
}

void SettingsModel::changeScores(const Change& change) {
    change(settings_);
    emit scoresChanged();
}

} // namespace kp
