#include "fixture.h"

#include <sstream>
#include <stdexcept>

namespace kp::test {

namespace {
const std::string letters = "bymgo";

int colourOf(char ch) {
    const auto i = letters.find(static_cast<char>(std::tolower(ch)));
    if (i == std::string::npos) throw std::invalid_argument(std::string("colour ") + ch);
    return static_cast<int>(i);
}
} // namespace

int32_t parseCell(const std::string& t) {
    if (t == ".") return CellEmpty;
    if (t == "#") return CellWall;
    if (t.size() == 1 && std::isupper(static_cast<unsigned char>(t[0])))
        return smileyCode(colourOf(t[0]), 1);
    if (t.size() == 2 && t[0] == '*') return removalCode(colourOf(t[1]), 0);
    if (t.size() == 2 && std::islower(static_cast<unsigned char>(t[0])) &&
        std::isdigit(static_cast<unsigned char>(t[1])))
        return capsuleCode(colourOf(t[0]), t[1] - '0');
    return std::stoi(t); // any raw code
}

std::string cellText(int32_t code) {
    if (code == CellEmpty) return ".";
    if (code == CellWall) return "#";
    if (isSmiley(code) && colourDigit(code) >= 0 && colourDigit(code) <= 4)
        return std::string(1, static_cast<char>(std::toupper(letters[colourDigit(code)])));
    if (isCapsuleHalf(code))
        return std::string(1, letters[colourDigit(code)]) + char('0' + code % 10);
    if (isRemoval(code) && code % 10 == 0) return std::string("*") + letters[colourDigit(code) - 5];
    return std::to_string(code);
}

Scenario::Scenario(const LevelParameters& p, uint32_t seed) : game(ev, seed), clock(game) {
    game.setParameters(p);
    // The default options, as the settings apply them at start-up.
    game.setSmileyAnimation(GameOptions{}.smileyAnimation);
    game.setRemovalAnimation(GameOptions{}.removalAnimation);
    game.newGame();
    clock.sync();
}

void fillBoard(GameState& st, const std::vector<std::string>& rows) {
    for (int r = 0; r <= st.params.rows; ++r)
        for (int c = 1; c <= st.params.columns; ++c) st.grid[r][c] = CellEmpty;
    int r = st.params.rows - static_cast<int>(rows.size()) + 1;
    for (const auto& line : rows) {
        std::istringstream in(line);
        std::string token;
        int c = 1;
        while (in >> token) st.grid[r][c++] = parseCell(token);
        ++r;
    }
}

void Scenario::board(const std::vector<std::string>& rows) {
    GameState& st = s();
    fillBoard(st, rows);
    st.smileysLeft = smileys();
}

std::vector<std::string> Scenario::text(int last) const {
    const GameState& st = game.state();
    std::vector<std::string> out;
    const int first = last > 0 ? st.params.rows - last + 1 : 1;
    for (int r = first; r <= st.params.rows; ++r) {
        std::string line;
        for (int c = 1; c <= st.params.columns; ++c)
            line += (c > 1 ? " " : "") + cellText(st.grid[r][c]);
        out.push_back(line);
    }
    return out;
}

void Scenario::capsule(int row, int col, int orientation, int colour1, int colour2) {
    GameState& st = s();
    const bool upright = orientation == 1 || orientation == 3;
    st.capsule = Capsule{row, col, orientation, capsuleCode(colour1, upright ? LinkTop : LinkLeft),
                         capsuleCode(colour2, upright ? LinkBottom : LinkRight)};
    st.grid[row][col] = st.capsule.half1;
    st.grid[st.capsule.row2()][st.capsule.col2()] = st.capsule.half2;
    st.capsuleInGrid = true;
}

void Scenario::resume() {
    if (s().paused) game.resume();
    clock.sync();
}

void Scenario::key(Command command) {
    game.handle(command);
    clock.sync();
}

void Scenario::settle(int64_t limitMs) {
    const int64_t end = clock.now() + limitMs;
    do {
        run(1);
    } while (game.chainRunning() && clock.now() < end);
}

int Scenario::count(int32_t code) const {
    int n = 0;
    const GameState& st = game.state();
    for (int r = 0; r <= st.params.rows; ++r)
        for (int c = 1; c <= st.params.columns; ++c) n += st.grid[r][c] == code;
    return n;
}

int Scenario::smileys() const {
    int n = 0;
    const GameState& st = game.state();
    for (int r = 1; r <= st.params.rows; ++r)
        for (int c = 1; c <= st.params.columns; ++c) n += isSmiley(st.grid[r][c]);
    return n;
}

} // namespace kp::test
