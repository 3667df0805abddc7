// Measures how loud each tune sounds with each General MIDI bank installed here, the table the
// music player balances the tunes by:
//   tuneloudness > assets/music/loudness.txt
// Run it after tunegen, once the build has taken the new tunes in (it reads the tunes the sound
// library carries). A tune or bank missing from the table is measured by the game itself, at
// the cost of a second or two when it first plays.
#include "sound/music_player.h"
#include "sound/tunes.h"

#include <cstdio>

using namespace kp::sound;

int main() {
    std::printf("# Each tune's loudness at full gain with each bank (EBU R128 integrated, LUFS),\n"
                "# written by tuneloudness: bank file, bank size, tune, LUFS, tune name.\n");
    for (const std::string& bank : installedSoundFonts()) {
        MusicPlayer player(Mixer::DefaultRate, {bank});
        player.setEnabled(true);
        for (const TuneInfo& t : Tunes) {
            const QByteArray bytes = tuneResource(QString::fromLatin1(t.resource));
            player.close();
            player.setTune(bytes);
            const auto lufs = player.open() ? player.measureTune() : std::nullopt;
            if (!lufs) {
                std::fprintf(stderr, "%s cannot play %s\n", bank.c_str(), t.resource);
                return 1;
            }
            std::printf("%s %s %.2f %s\n", qPrintable(bankIdentity(QString::fromStdString(bank))),
                        qPrintable(tuneIdentity(standardMidi(bytes))), *lufs, t.resource);
        }
    }
    return 0;
}
