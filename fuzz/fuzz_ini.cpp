// The INI layer on any bytes at all: what it writes parses back to the very same text, and a
// value written into the document reads back after the round trip.
#include "fuzz/scratch.h"

#include "persistence/ini_file.h"

#include <cstring>

namespace {

using kp::IniFile;
using kp::fuzz::Check;

// A value is one line once written: line breaks become blanks.
std::string OneLine(std::string value) {
    for (char& c : value)
        if (c == '\r' || c == '\n') c = ' ';
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    IniFile doc = IniFile::FromText(input);
    const std::string first = doc.Text();
    const std::string second = IniFile::FromText(first).Text();
    Check(first == second, "a written document parses back to the same text");

    // Keys the game writes, over whatever the document already holds: a string taken from
    // the input's head, a number taken from its tail, and a section erased.
    const std::string text(input.substr(0, 40));
    int32_t number = 0;
    if (size >= sizeof number) std::memcpy(&number, data + size - sizeof number, sizeof number);
    doc.WriteString("Options", "NameTexte", text);
    doc.WriteInteger("Configuration", "NbLgn", number);
    doc.WriteBool("Options", "Mosaique", number & 1);
    doc.EraseSection("Sauvegarde");

    const IniFile back = IniFile::FromText(doc.Text());
    Check(back.ReadString("Options", "NameTexte", "?") == OneLine(text),
          "a string written reads back");
    Check(back.ReadInteger("Configuration", "NbLgn", ~number) == number,
          "an integer written reads back");
    Check(back.ReadBool("Options", "Mosaique", !(number & 1)) == bool(number & 1),
          "a boolean written reads back");
    Check(!back.HasSection("Sauvegarde"), "an erased section stays erased");
    Check(back.Text() == doc.Text(), "a document written after changes is a fixed point");
    return 0;
}
