// The INI layer on any bytes at all: what it writes parses back to the very same text, values
// written into the document read back after the round trip, and a value read and written back
// leaves the document as it was.
#include "fuzz/scratch.h"

#include "persistence/ini_file.h"

#include <cstring>

namespace {

using kp::IniFile;
using kp::fuzz::Check;
namespace fuzz = kp::fuzz;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    IniFile doc = IniFile::FromText(input);
    const std::string first = doc.Text();
    const std::string second = IniFile::FromText(first).Text();
    Check(first == second, "a written document parses back to the same text");

    // Keys the game writes, over whatever the document already holds: a typed string and
    // the raw bytes taken from the input's head, a number taken from its tail, and a section
    // erased.
    const std::string typed = fuzz::Typed(input.substr(0, 40));
    int32_t number = 0;
    if (size >= sizeof number) std::memcpy(&number, data + size - sizeof number, sizeof number);
    doc.WriteString("Options", "NameTexte", typed);
    doc.WriteString("Scores", "Score01_Nom", input.substr(0, 40));
    doc.WriteInteger("Configuration", "NbLgn", number);
    doc.WriteBool("Options", "Mosaique", number & 1);
    doc.EraseSection("Sauvegarde");

    const std::string written = doc.Text();
    IniFile back = IniFile::FromText(written);
    Check(back.ReadString("Options", "NameTexte", "?") == typed, "a typed string reads back");
    Check(back.ReadInteger("Configuration", "NbLgn", ~number) == number,
          "an integer written reads back");
    Check(back.ReadBool("Options", "Mosaique", !(number & 1)) == bool(number & 1),
          "a boolean written reads back");
    Check(!back.HasSection("Sauvegarde"), "an erased section stays erased");
    Check(back.Text() == written, "a document written after changes is a fixed point");

    // Any bytes read as some text; writing that text back changes nothing.
    const std::string read = back.ReadString("Scores", "Score01_Nom", "?");
    back.WriteString("Scores", "Score01_Nom", read);
    Check(back.Text() == written, "writing back a value as it was read leaves the document");
    Check(IniFile::FromText(back.Text()).ReadString("Scores", "Score01_Nom", "?") == read,
          "a value read and written back reads the same");
    return 0;
}
