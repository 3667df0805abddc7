#include "replay_file.h"

#include "controls.h"
#include "ini_file.h"
#include "settings.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>

namespace kp {

namespace {

constexpr std::string_view Header = "Replay";
constexpr std::string_view Options = "Options";
constexpr std::string_view Start = "Depart";
constexpr std::string_view Changes = "Parametres";
constexpr std::string_view Inputs = "Entrees";
constexpr std::string_view End = "Fin";
// 1: a turn on the entry row may lift a half out of the well, as before that turn was mended.
constexpr std::string_view TurnKey = "RotationHorsPuits";
constexpr std::string_view DelayKey = "DelaiAttaques";
constexpr std::string_view PlayerKeys[2] = {"Joueur1", "Joueur2"};

// What a file may ask of the reader, besides MaxReplayWork.
constexpr int64_t MaxDelay = 24 * 3600 * 1000; // ms between two inputs
constexpr int TokensPerLine = 24;

constexpr char TimerCodes[TimerCount + 1] = "FRCAKPDHE"; // by TimerId
constexpr char CommandCodes[] = "lrtdxqo";               // by Command

// Rare inputs, written as a word.
struct Word {
    InputKind kind;
    std::string_view name;
    int values; // 0, 1 or 2 numbers after '='
};
constexpr Word Words[] = {
    {InputKind::RestartLevel, "restart", 0},
    {InputKind::SkipLevel, "skip", 0},
    {InputKind::TogglePause, "togglepause", 0},
    {InputKind::Pause, "pause", 0},
    {InputKind::Resume, "resume", 0},
    {InputKind::Panic, "panic", 0},
    {InputKind::Unhide, "unhide", 0},
    {InputKind::WindowActive, "active", 1},
    {InputKind::SmileyAnimation, "smileys", 1},
    {InputKind::RemovalAnimation, "removals", 1},
    {InputKind::Shake, "shake", 1},
    {InputKind::Pinup, "pinup", 1},
    {InputKind::KeyRepeat, "repeat", 2},
    {InputKind::Parameters, "params", 1},
    {InputKind::Helped, "helped", 0},
    {InputKind::Follow, "follow", 1},
    {InputKind::Forfeit, "forfeit", 0},
};

void writeOptions(std::ostream& out, const GameOptions& o) {
    out << "\n[" << Options << "]\nAnimationVirus=" << o.smileyAnimation
        << "\nAnimationSuppr=" << o.removalAnimation << "\nTremblement=" << (o.shake ? 1 : 0)
        << "\nPinup=" << o.Pinup << "\nDelaiRepetition=" << o.repeatDelay
        << "\nIntervalleRepetition=" << o.repeatInterval << '\n'
        << TurnKey << '=' << (o.turnLeavesTheWell ? 1 : 0) << '\n';
}

std::string chronoText(const std::array<int32_t, 5>& c) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%d%d:%d%d", c[0], c[1], c[2], c[3], c[4]);
    return text;
}

std::string parametersText(const LevelParameters& p) {
    std::string text;
    for (const ParameterKey& k : ParameterKeys) {
        if (!text.empty()) text += ' ';
        text += std::to_string(p.*k.field);
    }
    return text;
}

std::string token(const Input& in, int64_t delay) {
    std::string t = std::to_string(delay);
    switch (in.kind) {
    case InputKind::Fire:
        return t + TimerCodes[in.value];
    case InputKind::Handle:
        return t + CommandCodes[in.value];
    case InputKind::Press:
        return t + '+' + CommandCodes[in.value];
    case InputKind::Release:
        return t + '-' + CommandCodes[in.value];
    default:
        break;
    }
    for (const Word& w : Words) {
        if (w.kind != in.kind) continue;
        t += '!';
        t += w.name;
        // Parameter sets count from 1, as the keys of their section do.
        const int32_t first = in.kind == InputKind::Parameters ? in.value + 1 : in.value;
        if (w.values >= 1) t += '=' + std::to_string(first);
        if (w.values == 2) t += ',' + std::to_string(in.value2);
    }
    return t;
}

// ---- Reading ----

struct Refusal {
    ReplayProblem problem;
    std::string detail;
};

ReplayRead refused(ReplayError error, ReplayProblem problem, std::string detail = {}) {
    ReplayRead r;
    r.error = error;
    r.problem = problem;
    r.detail = std::move(detail);
    return r;
}

template <typename T> bool number(std::string_view text, T& out) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc{} && p == end;
}

struct Reader {
    const IniFile& ini;
    std::optional<Refusal> refusal;

    void refuse(std::string detail, ReplayProblem problem = ReplayProblem::Key) {
        if (!refusal) refusal = Refusal{problem, std::move(detail)};
    }
    ReplayRead refused() const {
        return kp::refused(ReplayError::Damaged, refusal->problem, refusal->detail);
    }
    int32_t integer(std::string_view section, std::string_view key, int32_t min, int32_t max) {
        const std::optional<std::string> v = ini.Value(section, key);
        const std::optional<int32_t> n = v ? ParseInteger(*v) : std::nullopt;
        if (!n || *n < min || *n > max) {
            refuse(std::string(section) + "/" + std::string(key));
            return min;
        }
        return *n;
    }
    std::array<int32_t, 5> chrono(std::string_view section, std::string_view key = "Chrono") {
        std::array<int32_t, 5> c{};
        const std::string text = ini.ReadString(section, key, "");
        // h:mm:ss, each digit within the chrono's own range.
        static constexpr int32_t maxima[5] = {9, 5, 9, 5, 9};
        const bool shaped = text.size() == 7 && text[1] == ':' && text[4] == ':';
        const int at[5] = {0, 2, 3, 5, 6};
        for (int i = 0; i < 5 && shaped; ++i) {
            const char d = text[static_cast<size_t>(at[i])];
            if (d < '0' || d - '0' > maxima[i]) break;
            c[static_cast<size_t>(i)] = d - '0';
            if (i == 4) return c;
        }
        refuse(std::string(section) + "/" + std::string(key));
        return c;
    }
    GameOptions options() {
        GameOptions o;
        o.smileyAnimation = integer(Options, "AnimationVirus", 0, 3);
        o.removalAnimation = integer(Options, "AnimationSuppr", 0, 3);
        o.shake = integer(Options, "Tremblement", 0, 1) != 0;
        o.Pinup = integer(Options, "Pinup", 0, 3);
        o.repeatDelay = integer(Options, "DelaiRepetition", MinRepeatDelay, MaxRepeatDelay);
        o.repeatInterval =
            integer(Options, "IntervalleRepetition", MinRepeatInterval, MaxRepeatInterval);
        // Files written before the turn on the entry row was mended lack the key: they play
        // with the turn they were recorded with.
        o.turnLeavesTheWell = !ini.Value(Options, TurnKey) || integer(Options, TurnKey, 0, 1) != 0;
        return o;
    }
    // A board's end: its counters and the checksum, the keys ending in `n` ("" in a single
    // player's file, "1" or "2" in a match's).
    GameEnd gameEnd(std::string_view section, const std::string& n) {
        GameEnd e;
        e.level = integer(section, "Niveau" + n, 1, INT32_MAX);
        e.smileysLeft = integer(section, "NbVirusRestants" + n, 0, GridSize * GridSize);
        e.chrono = chrono(section, "Chrono" + n);
        const std::string checksum = ini.ReadString(section, "Controle" + n, "");
        const char* cs = checksum.data();
        auto [end, ec] = std::from_chars(cs, cs + checksum.size(), e.checksum, 16);
        if (checksum.size() != 16 || ec != std::errc{} || end != cs + checksum.size())
            refuse("Fin/Controle" + n);
        return e;
    }
    LevelParameters parameters(std::string_view section) {
        LevelParameters p;
        for (const ParameterKey& k : ParameterKeys)
            p.*k.field = integer(section, k.key, k.min, k.max);
        return p;
    }
    LevelParameters parameterLine(std::string_view text) {
        LevelParameters p;
        std::istringstream in{std::string(text)};
        for (const ParameterKey& k : ParameterKeys) {
            std::string word;
            int32_t v = 0;
            if (!(in >> word) || !number(word, v) || v < k.min || v > k.max)
                refuse(std::string(Changes) + "/" + std::string(k.key));
            p.*k.field = v;
        }
        std::string extra;
        if (in >> extra) refuse(std::string(Changes), ReplayProblem::TooManyValues);
        return p;
    }
};

bool parseToken(std::string_view t, Input& in, int64_t& delay, size_t parameterSets) {
    size_t i = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    if (i == 0 || i > 9 || !number(t.substr(0, i), delay) || delay > MaxDelay) return false;
    const std::string_view code = t.substr(i);
    in = Input{};
    auto command = [](char c, int32_t& out) {
        const char* p = std::char_traits<char>::find(CommandCodes, sizeof CommandCodes - 1, c);
        if (!p) return false;
        out = static_cast<int32_t>(p - CommandCodes);
        return true;
    };
    if (code.size() == 1) {
        if (const char* p = std::char_traits<char>::find(TimerCodes, TimerCount, code[0])) {
            in.kind = InputKind::Fire;
            in.value = static_cast<int32_t>(p - TimerCodes);
            return true;
        }
        in.kind = InputKind::Handle;
        return command(code[0], in.value);
    }
    if (code.size() == 2 && (code[0] == '+' || code[0] == '-')) {
        in.kind = code[0] == '+' ? InputKind::Press : InputKind::Release;
        return command(code[1], in.value);
    }
    if (code.empty() || code[0] != '!') return false;
    const std::string_view body = code.substr(1);
    const size_t eq = body.find('=');
    const std::string_view name = body.substr(0, eq);
    for (const Word& w : Words) {
        if (w.name != name) continue;
        in.kind = w.kind;
        if (w.values == 0) return eq == std::string_view::npos;
        if (eq == std::string_view::npos) return false;
        const std::string_view values = body.substr(eq + 1);
        const size_t comma = values.find(',');
        if ((comma != std::string_view::npos) != (w.values == 2)) return false;
        if (!number(values.substr(0, comma), in.value)) return false;
        if (w.values == 2 && !number(values.substr(comma + 1), in.value2)) return false;
        switch (w.kind) {
        case InputKind::WindowActive:
        case InputKind::Shake:
        case InputKind::Follow:
            return in.value == 0 || in.value == 1;
        case InputKind::SmileyAnimation:
        case InputKind::RemovalAnimation:
        case InputKind::Pinup:
            return in.value >= 0 && in.value <= 3;
        case InputKind::KeyRepeat:
            return in.value >= MinRepeatDelay && in.value <= MaxRepeatDelay &&
                   in.value2 >= MinRepeatInterval && in.value2 <= MaxRepeatInterval;
        case InputKind::Parameters:
            --in.value;
            return in.value >= 0 && static_cast<size_t>(in.value) < parameterSets;
        default:
            return false;
        }
    }
    return false;
}

std::shared_ptr<const SavedGame> startBoard(Reader& r, const LevelParameters& p) {
    auto saved = std::make_shared<SavedGame>();
    // Whatever a saved game held: the rules count the smileys again before the first fall.
    saved->level = r.integer(Start, "Niveau", 1, INT32_MAX);
    saved->smileysLeft = r.integer(Start, "NbVirusRestants", INT32_MIN, INT32_MAX);
    saved->Chrono = r.chrono(Start);
    saved->cheated = r.integer(Start, "Tricherie", 0, 1) != 0;
    for (int row = 0; row <= p.rows + 1; ++row) {
        std::istringstream line{r.ini.ReadString(Start, "Ligne" + std::to_string(row), "")};
        for (int col = 0; col <= p.columns + 1; ++col) {
            std::string word;
            int32_t code = 0;
            if (!(line >> word) || !number(word, code)) {
                r.refuse("Depart/Ligne" + std::to_string(row));
                return saved;
            }
            saved->Cells[static_cast<size_t>(row)][static_cast<size_t>(col)] = code;
        }
    }
    return saved;
}

// The format's number: what it starts with, and whether that is all of it.
// Refuses a format no reader of formats up to `newest` can take: no number, or a later version
// (one may number its format past what an integer holds, or as "2.1": the number it starts with
// tells, and a format of ours followed by more is a later one too). The reader judges the rest.
std::optional<ReplayRead> readVersion(const IniFile& ini, uint32_t newest, uint64_t& major) {
    const std::string version = ini.ReadString(Header, "Version", "");
    const char* text = version.data();
    const auto [end, error] = std::from_chars(text, text + version.size(), major);
    if (end == text) return refused(ReplayError::Damaged, ReplayProblem::Key, "Replay/Version");
    if (error == std::errc::result_out_of_range || major > uint64_t{newest} ||
        end != text + version.size())
        return refused(ReplayError::NewerVersion, ReplayProblem::None, version.substr(0, 40));
    return std::nullopt;
}

// The `count` inputs of the lines 1, 2, ... of the inputs section, each token read by `parse`
// (false: refused), their times summed from the delays; `time` ends at the last input's.
template <typename In, typename Parse>
std::optional<ReplayRead> readInputs(const IniFile& ini, int64_t count, std::vector<In>& inputs,
                                     int64_t& time, Parse parse) {
    inputs.reserve(static_cast<size_t>(count));
    time = 0;
    int64_t line = 1;
    for (; static_cast<int64_t>(inputs.size()) < count; ++line) {
        const std::optional<std::string> tokens = ini.Value(Inputs, std::to_string(line));
        if (!tokens)
            return refused(ReplayError::Damaged, ReplayProblem::InputsCutShort,
                           std::to_string(line));
        std::istringstream words(*tokens);
        std::string word;
        int onLine = 0;
        while (words >> word) {
            In in;
            int64_t delay = 0;
            if (++onLine > TokensPerLine || static_cast<int64_t>(inputs.size()) >= count ||
                !parse(word, in, delay))
                return refused(ReplayError::Damaged, ReplayProblem::Input, word.substr(0, 40));
            time += delay;
            in.time = time;
            inputs.push_back(in);
        }
        if (onLine == 0) return refused(ReplayError::Damaged, ReplayProblem::EmptyInputLine);
    }
    if (ini.Value(Inputs, std::to_string(line)))
        return refused(ReplayError::Damaged, ReplayProblem::InputsBeyondCount);
    return std::nullopt;
}

// A recording played again within the work limit: taken (into `out`) when it reaches the end it
// was written with.
ReplayRead judged(const ReplayRun& run, Recording& rec, Recording& out) {
    if (!run.finished) {
        ReplayRead tooLong = refused(ReplayError::TooLarge, ReplayProblem::Work);
        tooLong.work = run.work;
        return tooLong;
    }
    if (!(run.end == rec.end)) return {ReplayError::Diverges, {}, {}, run.work};
    out = std::move(rec);
    return {ReplayError::None, {}, {}, run.work};
}

// A replay file read whole and handed to `parse`; one far too large is not read.
template <typename Rec, typename Parse>
ReplayRead readReplayFile(const std::filesystem::path& path, Rec& out, Parse parse) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec) &&
        std::filesystem::file_size(path, ec) > MaxReplayFile && !ec)
        return refused(ReplayError::TooLarge, ReplayProblem::FileSize);
    std::string text;
    FileResult file = ReadWholeFile(path, text);
    if (!file.ok()) return {ReplayError::Unreadable, {}, file};
    if (!std::filesystem::exists(path, ec))
        return {ReplayError::Unreadable, {}, FileResult{FileError::Unreadable, path, ENOENT}};
    return parse(text, out);
}

std::string checksumText(uint64_t checksum) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(checksum));
    return text;
}

// The inputs section: their number, the recording's duration (in a file whose timers were
// recorded, the last input's time, for information) and the tokens, 24 a line.
template <typename Token> void writeInputs(std::ostream& out, const Recording& rec, Token token) {
    const int64_t duration =
        rec.timersRecorded ? (rec.inputs.empty() ? 0 : rec.inputs.back().time) : rec.duration;
    out << "\n[" << Inputs << "]\nNombre=" << rec.inputs.size() << "\nDuree=" << duration << '\n';
    int64_t previous = 0;
    for (size_t i = 0; i < rec.inputs.size(); ++i) {
        if (i % TokensPerLine == 0) out << (i ? "\n" : "") << i / TokensPerLine + 1 << '=';
        const Input& in = rec.inputs[i];
        const int64_t delay = std::clamp<int64_t>(in.time - previous, 0, MaxDelay);
        previous = std::max(previous, in.time);
        out << (i % TokensPerLine ? " " : "") << token(in, delay);
    }
    if (!rec.inputs.empty()) out << '\n';
}

} // namespace

std::string replayText(const Recording& rec) {
    std::ostringstream out;
    out << "; Kembrolla Panic! replay: a game and every input it took, to be watched again.\n"
        << "[" << Header
        << "]\nVersion=" << (rec.timersRecorded ? TimersReplayVersion : ReplayVersion)
        << "\nGraine=" << rec.seed << "\nFenetreActive=" << (rec.windowActive ? 1 : 0)
        << "\nCachee=" << (rec.hidden ? 1 : 0) << "\n\n[Configuration]\n";
    for (const ParameterKey& k : ParameterKeys) out << k.key << '=' << rec.params.*k.field << '\n';
    writeOptions(out, rec.options);
    if (rec.saved) {
        const SavedGame& s = *rec.saved;
        out << "\n[" << Start << "]\nNiveau=" << s.level << "\nNbVirusRestants=" << s.smileysLeft
            << "\nChrono=" << chronoText(s.Chrono) << "\nTricherie=" << (s.cheated ? 1 : 0) << '\n';
        for (int row = 0; row <= rec.params.rows + 1; ++row) {
            out << "Ligne" << row << '=';
            for (int col = 0; col <= rec.params.columns + 1; ++col)
                out << (col ? " " : "")
                    << s.Cells[static_cast<size_t>(row)][static_cast<size_t>(col)];
            out << '\n';
        }
    }
    if (!rec.parameters.empty()) {
        out << "\n[" << Changes << "]\n";
        for (size_t i = 0; i < rec.parameters.size(); ++i)
            out << i + 1 << '=' << parametersText(rec.parameters[i]) << '\n';
    }
    writeInputs(out, rec, token);
    const GameEnd end = rec.end.boards.empty() ? GameEnd{} : rec.end.boards.front();
    out << "\n[" << End << "]\nNiveau=" << end.level << "\nNbVirusRestants=" << end.smileysLeft
        << "\nChrono=" << chronoText(end.chrono) << "\nControle=" << checksumText(end.checksum)
        << '\n';
    return out.str();
}

FileResult writeReplay(const std::filesystem::path& path, const Recording& recording) {
    return WriteFileSafely(path,
                           recording.match ? versusReplayText(recording) : replayText(recording));
}

namespace {

ReplayRead readGameReplay(const IniFile& ini, Recording& out) {
    if (!ini.HasSection(Header)) return refused(ReplayError::NotAReplay, ReplayProblem::None);
    uint64_t version = 0;
    if (auto no = readVersion(ini, ReplayVersion, version)) return *no;
    if (version == uint64_t{VersusReplayVersion})
        return refused(ReplayError::NotAReplay, ReplayProblem::None);
    if (version < 1) return refused(ReplayError::Damaged, ReplayProblem::Key, "Replay/Version");

    Reader r{ini, {}};
    Recording rec;
    rec.timersRecorded = version == uint64_t{TimersReplayVersion};
    const std::optional<std::string> seed = ini.Value(Header, "Graine");
    if (!seed || !number(*seed, rec.seed)) r.refuse("Replay/Graine");
    rec.windowActive = r.integer(Header, "FenetreActive", 0, 1) != 0;
    rec.hidden = r.integer(Header, "Cachee", 0, 1) != 0;
    rec.params = r.parameters("Configuration");
    rec.options = r.options();
    if (ini.HasSection(Start)) rec.saved = startBoard(r, rec.params);
    for (int i = 1; ini.Value(Changes, std::to_string(i)) && !r.refusal; ++i) {
        if (i > 1000) return refused(ReplayError::TooLarge, ReplayProblem::ParameterChanges);
        rec.parameters.push_back(r.parameterLine(*ini.Value(Changes, std::to_string(i))));
    }

    const int64_t count = r.integer(Inputs, "Nombre", 0, INT32_MAX);
    if (r.refusal) return r.refused();
    // The inputs alone may already ask too much, before any is read.
    if (count > MaxReplayInputs || count * InputWork > MaxReplayWork)
        return refused(ReplayError::TooLarge, ReplayProblem::InputCount, std::to_string(count));
    int64_t time = 0;
    const size_t parameterSets = rec.parameters.size();
    if (auto no = readInputs(ini, count, rec.inputs, time,
                             [&](std::string_view word, Input& in, int64_t& delay) {
                                 return parseToken(word, in, delay, parameterSets);
                             }))
        return *no;
    // A game whose timers were recorded ends at its last input; the others' duration says
    // how long the clock runs on after it.
    rec.duration = time;
    if (!rec.timersRecorded) {
        rec.duration = r.integer(Inputs, "Duree", 0, INT32_MAX);
        if (rec.duration < time) r.refuse(std::string(Inputs) + "/Duree");
    }

    rec.end.boards = {r.gameEnd(End, "")};
    if (r.refusal) return r.refused();

    // The checksum is of the board at the end, which only playing the game again gives: a file
    // is first refused on what it asks for, then played no further than the limit.
    if (expectedReplayWork(rec) > MaxReplayWork)
        return refused(ReplayError::TooLarge, ReplayProblem::LevelSetUps);
    return judged(replayWithin(rec, MaxReplayWork), rec, out);
}

} // namespace

ReplayRead parseReplay(std::string_view text, Recording& out) {
    if (text.size() > MaxReplayFile) return refused(ReplayError::TooLarge, ReplayProblem::FileSize);
    return readGameReplay(IniFile::FromText(text), out);
}

ReplayRead readReplay(const std::filesystem::path& path, Recording& out) {
    return readReplayFile(
        path, out, [](std::string_view text, Recording& rec) { return parseReplay(text, rec); });
}

} // namespace kp

// ---- Versus matches ----

namespace kp {

namespace {

constexpr int MaxRoundsWritten = 10000;

// A player's input carries the player (1 or 2) after its code; pause and panic of the whole
// match are words, as in a single-player file, and carry their player in a match between two
// computers, where each board pauses on its own.
std::string versusToken(const Input& in, int64_t delay) {
    std::string t = token(in, delay);
    if (in.board >= 0) t += static_cast<char>('1' + in.board);
    return t;
}

bool parseVersusToken(std::string_view t, Input& in, int64_t& delay) {
    in = Input{};
    std::string_view body = t;
    int32_t player = -1;
    if (!body.empty() && (body.back() == '1' || body.back() == '2')) {
        // A key's token ends in its player; a number after '=' ends none of ours.
        player = body.back() - '1';
        body.remove_suffix(1);
    }
    Input one;
    if (!parseToken(body, one, delay, 0)) return false;
    const bool key = one.kind == InputKind::Handle || one.kind == InputKind::Press ||
                     one.kind == InputKind::Release;
    const bool word = one.kind == InputKind::Pause || one.kind == InputKind::Resume ||
                      one.kind == InputKind::TogglePause || one.kind == InputKind::Panic ||
                      one.kind == InputKind::Unhide;
    const bool players = one.kind == InputKind::Follow || one.kind == InputKind::Forfeit;
    if ((key || players) && player < 0) return false;
    if (!key && !word && !players) return false;
    in.board = player;
    in.kind = one.kind;
    in.value = one.value;
    return true;
}

} // namespace

std::string versusReplayText(const Recording& rec) {
    const MatchRules m = rec.match.value_or(MatchRules{});
    std::ostringstream out;
    out << "; Kembrolla Panic! versus replay: a match and every input it took, to be watched "
           "again.\n"
        << "[" << Header << "]\nVersion=" << VersusReplayVersion << "\nGraine=" << rec.seed
        << "\nManches=" << m.roundsToWin << "\nAnnulation=" << (m.cancelAttacks ? 1 : 0)
        << "\nNiveau1=" << m.startLevel[0] << "\nNiveau2=" << m.startLevel[1] << '\n';
    // A match between two computers: how long attacks took, and who played.
    if (m.attackDelay > 0) out << DelayKey << '=' << m.attackDelay << '\n';
    for (int p = 0; p < 2; ++p)
        if (!rec.players[p].empty())
            out << PlayerKeys[p] << '=' << rec.players[p].substr(0, 64) << '\n';
    out << "\n[Configuration]\n";
    for (const ParameterKey& k : ParameterKeys) out << k.key << '=' << rec.params.*k.field << '\n';
    writeOptions(out, rec.options);
    writeInputs(out, rec, versusToken);
    out << "\n[" << End << "]\nManches=";
    for (size_t i = 0; i < rec.end.rounds.size(); ++i)
        out << (i ? " " : "") << (rec.end.rounds[i] < 0 ? 0 : rec.end.rounds[i] + 1);
    out << '\n';
    // A match between two computers left by a player ends on its rounds alone.
    const bool forfeited =
        m.attackDelay > 0 && std::any_of(rec.inputs.begin(), rec.inputs.end(), [](const Input& in) {
            return in.kind == InputKind::Forfeit;
        });
    for (int p = 0; p < 2 && !forfeited; ++p) {
        const auto b = static_cast<size_t>(p);
        const GameEnd e = b < rec.end.boards.size() ? rec.end.boards[b] : GameEnd{};
        const char n = static_cast<char>('1' + p);
        out << "Niveau" << n << '=' << e.level << "\nNbVirusRestants" << n << '=' << e.smileysLeft
            << "\nChrono" << n << '=' << chronoText(e.chrono) << "\nControle" << n << '='
            << checksumText(e.checksum) << '\n';
    }
    return out.str();
}

namespace {

ReplayRead readMatchReplay(const IniFile& ini, Recording& out) {
    if (!ini.HasSection(Header)) return refused(ReplayError::NotAReplay, ReplayProblem::None);
    uint64_t version = 0;
    const std::optional<ReplayRead> unread = readVersion(ini, ReplayVersion, version);
    // One player's game, of either version of its own format ("3.5" is a newer one).
    if (version == uint64_t{TimersReplayVersion} || version == uint64_t{ReplayVersion})
        return refused(ReplayError::NotAReplay, ReplayProblem::None);
    if (unread) return *unread;
    if (version != uint64_t{VersusReplayVersion})
        return refused(ReplayError::Damaged, ReplayProblem::Key, "Replay/Version");

    Reader r{ini, {}};
    Recording rec;
    MatchRules& m = rec.match.emplace();
    const std::optional<std::string> seed = ini.Value(Header, "Graine");
    if (!seed || !number(*seed, rec.seed)) r.refuse("Replay/Graine");
    m.roundsToWin = r.integer(Header, "Manches", 1, 99);
    m.cancelAttacks = r.integer(Header, "Annulation", 0, 1) != 0;
    m.startLevel[0] = r.integer(Header, "Niveau1", 1, INT32_MAX);
    m.startLevel[1] = r.integer(Header, "Niveau2", 1, INT32_MAX);
    if (ini.Value(Header, DelayKey)) m.attackDelay = r.integer(Header, DelayKey, 1, 60'000);
    for (int p = 0; p < 2; ++p)
        rec.players[p] = ini.ReadString(Header, PlayerKeys[p], "").substr(0, 64);
    rec.params = r.parameters("Configuration");
    rec.options = r.options();

    const int64_t count = r.integer(Inputs, "Nombre", 0, INT32_MAX);
    rec.duration = r.integer(Inputs, "Duree", 0, INT32_MAX);
    if (r.refusal) return r.refused();
    if (count > MaxReplayInputs || count * InputWork > MaxReplayWork)
        return refused(ReplayError::TooLarge, ReplayProblem::InputCount, std::to_string(count));
    int64_t time = 0;
    if (auto no = readInputs(ini, count, rec.inputs, time, parseVersusToken)) return *no;
    // The match is played to its duration, which is never before its last input.
    if (rec.duration < time) r.refuse(std::string(Inputs) + "/Duree");

    {
        std::istringstream rounds{ini.ReadString(End, "Manches", "")};
        std::string word;
        int32_t n = 0;
        while (rounds >> word) {
            if (!number(word, n) || n < 0 || n > 2 ||
                rec.end.rounds.size() >= static_cast<size_t>(MaxRoundsWritten)) {
                r.refuse("Fin/Manches");
                break;
            }
            rec.end.rounds.push_back(n - 1);
        }
    }
    const bool forfeited = std::any_of(rec.inputs.begin(), rec.inputs.end(), [](const Input& in) {
        return in.kind == InputKind::Forfeit;
    });
    for (int p = 0; p < 2 && !(forfeited && m.attackDelay > 0); ++p)
        rec.end.boards.push_back(r.gameEnd(End, std::string(1, static_cast<char>('1' + p))));
    if (r.refusal) return r.refused();

    // A long wait before the first command costs its ticks whatever follows: a file of a few
    // hundred bytes may ask for weeks of them.
    if (expectedReplayWork(rec) > MaxReplayWork)
        return refused(ReplayError::TooLarge, ReplayProblem::Work);
    return judged(replayWithin(rec, MaxReplayWork), rec, out);
}

} // namespace

ReplayRead parseVersusReplay(std::string_view text, Recording& out) {
    if (text.size() > MaxReplayFile) return refused(ReplayError::TooLarge, ReplayProblem::FileSize);
    return readMatchReplay(IniFile::FromText(text), out);
}

ReplayRead readVersusReplay(const std::filesystem::path& path, Recording& out) {
    return readReplayFile(path, out, [](std::string_view text, Recording& rec) {
        return parseVersusReplay(text, rec);
    });
}

ReplayRead parseAnyReplay(std::string_view text, AnyReplay& out) {
    if (text.size() > MaxReplayFile) return refused(ReplayError::TooLarge, ReplayProblem::FileSize);
    const IniFile ini = IniFile::FromText(text);
    uint64_t version = 0;
    if (ini.HasSection(Header) && !readVersion(ini, ReplayVersion, version) &&
        version == uint64_t{VersusReplayVersion}) {
        auto match = std::make_shared<Recording>();
        const ReplayRead read = readMatchReplay(ini, *match);
        if (read.ok()) out = AnyReplay{{}, std::move(match)};
        return read;
    }
    auto game = std::make_shared<Recording>();
    const ReplayRead read = readGameReplay(ini, *game);
    if (read.ok()) out = AnyReplay{std::move(game), {}};
    return read;
}

ReplayRead readAnyReplay(const std::filesystem::path& path, AnyReplay& out) {
    return readReplayFile(
        path, out, [](std::string_view text, AnyReplay& any) { return parseAnyReplay(text, any); });
}

} // namespace kp
