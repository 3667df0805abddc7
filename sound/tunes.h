#pragma once
// The five built-in tunes and the four effect clips, carried as Qt resources.
#include <QByteArray>
#include <QString>

#include <array>

namespace kp::sound {

struct TuneInfo {
    int musique;          // the "Musique" setting that selects it
    const char* caption;  // menu caption
    const char* resource; // resource name
    const char* suffix;   // appended to the program's name for the temporary file
};

inline constexpr std::array<TuneInfo, 5> Tunes{{
    {1, "&Elise", "ELISE", "_Lettre-a-Elise.Mid"},
    {2, "&Bolero", "BOLERO", "_Bolero.Mid"},
    {3, "&Pop Corn", "POP_CORN", "_Pop-Corn.Mid"},
    {4, "&Booster", "BOOSTER", "_Booster.Mid"},
    {5, "Po&wer Pads", "POWER_PA", "_Power-Pads.Mid"},
}};

// The tune of a "Musique" value, or nullptr for 0 and out-of-range values.
const TuneInfo* tuneInfo(int musique);

// The bytes of a tune's MIDI file or of an effect clip ("Pose", "Suppr", "Niveau", "Record");
// empty when there is no such resource. Names are case-insensitive.
QByteArray tuneResource(const QString& resource);
QByteArray clipResource(const QString& name);

// The temporary file of a tune: the temporary folder, the program file's name without folder
// and extension, then the tune's suffix. "/tmp", "/usr/games/game" and 4 give
// "/tmp/game_Booster.Mid".
QString tuneTempPath(const QString& tempDir, const QString& programFile, int musique);

} // namespace kp::sound
