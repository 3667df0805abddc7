#include "bindings.h"

#include <array>
#include <set>
#include <string_view>

namespace kp {

bool isModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

QKeyCombination boundKey(QKeyCombination key) {
    if (!(key.keyboardModifiers() & Qt::KeypadModifier)) return QKeyCombination(key.key());
    // With Num Lock off the keypad sends cursor keys; they are still its digits.
    static const std::map<Qt::Key, Qt::Key> digits{
        {Qt::Key_Insert, Qt::Key_0},   {Qt::Key_End, Qt::Key_1},         {Qt::Key_Down, Qt::Key_2},
        {Qt::Key_PageDown, Qt::Key_3}, {Qt::Key_Left, Qt::Key_4},        {Qt::Key_Clear, Qt::Key_5},
        {Qt::Key_Right, Qt::Key_6},    {Qt::Key_Home, Qt::Key_7},        {Qt::Key_Up, Qt::Key_8},
        {Qt::Key_PageUp, Qt::Key_9},   {Qt::Key_Delete, Qt::Key_Period},
    };
    const auto digit = digits.find(key.key());
    return QKeyCombination(Qt::KeypadModifier, digit == digits.end() ? key.key() : digit->second);
}

std::string keyName(QKeyCombination key) {
    return QKeySequence(key).toString(QKeySequence::PortableText).toStdString();
}

std::optional<QKeyCombination> keyFromName(const std::string& name) {
    if (name.empty()) return std::nullopt;
    const QKeySequence sequence =
        QKeySequence::fromString(QString::fromStdString(name), QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown) return std::nullopt;
    return boundKey(sequence[0]);
}

QString keyText(const std::string& name) {
    const auto key = keyFromName(name);
    return key ? QKeySequence(*key).toString(QKeySequence::NativeText) : QString();
}

namespace {

// SDL's names of its game-controller buttons, in the order of its button numbers (they are
// part of its mapping format, so they do not change). Kept here so that reading the settings
// needs no SDL: it is opened only after the first frame.
constexpr std::array<std::string_view, 21> PadButtonNames{
    "a",
    "b",
    "x",
    "y",
    "back",
    "guide",
    "start",
    "leftstick",
    "rightstick",
    "leftshoulder",
    "rightshoulder",
    "dpup",
    "dpdown",
    "dpleft",
    "dpright",
    "misc1",
    "paddle1",
    "paddle2",
    "paddle3",
    "paddle4",
    "touchpad",
};

} // namespace

std::optional<int> padButtonFromName(const std::string& name) {
    for (size_t b = 0; b < PadButtonNames.size(); ++b)
        if (PadButtonNames[b] == name) return static_cast<int>(b);
    return std::nullopt;
}

std::string padButtonName(int button) {
    return button >= 0 && button < static_cast<int>(PadButtonNames.size())
               ? std::string(PadButtonNames[button])
               : std::string();
}

namespace {

// Gives each action the codes its names stand for. An action with a name that means nothing,
// or a code taken already, falls back to its defaults (less any default another action took).
template <class Names, class Parse>
void assign(std::array<Names, ActionCount>& names, const std::array<Names, ActionCount>& defaults,
            Parse parse, std::map<int, Action>& owners) {
    for (int a = 0; a < ActionCount; ++a) {
        std::set<int> codes;
        bool usable = true;
        for (const std::string& name : names[a]) {
            if (name.empty()) continue;
            const std::optional<int> code = parse(name);
            usable = usable && code && !owners.count(*code) && codes.insert(*code).second;
        }
        if (!usable) {
            names[a] = defaults[a];
            codes.clear();
            for (std::string& name : names[a]) {
                const std::optional<int> code = name.empty() ? std::nullopt : parse(name);
                if (!code || owners.count(*code) || !codes.insert(*code).second) name.clear();
            }
        }
        for (int code : codes) owners[code] = static_cast<Action>(a);
    }
}

} // namespace

Bindings::Bindings(const Controls& controls) : controls_(controls) {
    const Controls defaults;
    assign(
        controls_.keys, defaults.keys,
        [](const std::string& name) -> std::optional<int> {
            const auto key = keyFromName(name);
            return key ? std::optional<int>(key->toCombined()) : std::nullopt;
        },
        keys_);
    assign(controls_.pad, defaults.pad, padButtonFromName, buttons_);
    // The second player's keys: a name that means nothing, or a key someone already has, leaves
    // its slot free.
    for (int a = 0; a < MoveCount; ++a) {
        std::string& name = controls_.secondPlayer[a];
        const auto key = keyFromName(name);
        const int combined = key ? key->toCombined() : 0;
        if (!key || keys_.count(combined) || secondKeys_.count(combined)) {
            name.clear();
            continue;
        }
        secondKeys_[combined] = static_cast<Action>(a);
    }
}

std::optional<Action> Bindings::secondPlayerAction(QKeyCombination key) const {
    const auto it = secondKeys_.find(boundKey(key).toCombined());
    return it == secondKeys_.end() ? std::nullopt : std::optional<Action>(it->second);
}

std::optional<Action> Bindings::actionForKey(QKeyCombination key) const {
    const auto it = keys_.find(boundKey(key).toCombined());
    return it == keys_.end() ? std::nullopt : std::optional<Action>(it->second);
}

std::optional<Action> Bindings::actionForButton(int button) const {
    const auto it = buttons_.find(button);
    return it == buttons_.end() ? std::nullopt : std::optional<Action>(it->second);
}

QList<QKeySequence> Bindings::shortcuts(Action action) const {
    QList<QKeySequence> list;
    for (const std::string& name : controls_.keys[static_cast<int>(action)])
        if (const auto key = keyFromName(name)) list.append(QKeySequence(*key));
    return list;
}

} // namespace kp
