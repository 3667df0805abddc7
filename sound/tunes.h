#pragma once
// The five built-in tunes and the four effect clips, carried as Qt resources.
#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace kp::sound {

struct TuneInfo {
    int tune;             // the "Musique" setting that selects it
    const char* caption;  // menu caption
    const char* resource; // resource name
};

inline constexpr std::array<TuneInfo, 5> Tunes{{
    {1, "&Elise", "ELISE"},
    {2, "&Bolero", "BOLERO"},
    {3, "&Pop Corn", "POP_CORN"},
    {4, "&Booster", "BOOSTER"},
    {5, "Po&wer Pads", "POWER_PA"},
}};

// The tune of a "Musique" value, or nullptr for 0 and out-of-range values.
const TuneInfo* tuneInfo(int tune);

// The bytes of a tune's MIDI file or of an effect clip ("Pose", "Suppr", "Niveau", "Record");
// empty when there is no such resource. Names are case-insensitive.
QByteArray tuneResource(const QString& resource);
QByteArray clipResource(const QString& name);

// The table kept with the tunes (assets/music/loudness.txt, written by tuneloudness): how loud
// each tune sounds at full gain with each bank it was measured with, in LUFS. A bank goes by its
// file name and size, a tune by the start of the SHA-1 of its bytes, so that a tune rewritten
// since it was measured is not found there.
QString bankIdentity(const QString& soundFont); // "FluidR3_GM.sf2 148398306"
QString tuneIdentity(const QByteArray& tune);
std::optional<double> tabledLoudness(const QString& bank, const QString& tune);

} // namespace kp::sound
