// colourcheck: can every pair of the five smiley colours be told apart by someone who sees
// colours differently? Renders the cells with the game's sprite set, simulates protanopia,
// deuteranopia, tritanopia and a plain grey, and compares every pair.
//   colourcheck [--sheet <png>]
//       The sprite set at the default colours and at every cell size: the pairs that
//       collapse without symbols, and whether every pair of symbols stays apart on any colour.
//       Fails when two symbols can be confused.
//   colourcheck --screenshot <png> --cell <pixels> [--symbols]
//       The cells found in a screenshot of the game: fails when two colours on screen cannot
//       be told apart.
#include "cell_check.h"
#include "colour_vision.h"

#include "render/colour_symbols.h"
#include "render/sprites.h"

#include "engine/cells.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <string>
#include <vector>

using namespace colourcheck;

namespace {

constexpr int CellSizes[] = {8, 12, 16, 24, 32, 48};
constexpr const char* ColourNames[] = {"blue", "yellow", "magenta", "mint", "orange"};
// The grey every sprite of a colour turns to when the player picks black, white or a grey.
constexpr kp::Colour ChosenGrey = 0x808080;

// The cell values that carry a symbol, for one colour: the five capsule halves, the four
// smiley phases and the first removal frame.
std::vector<int32_t> symbolCodes(int colour) {
    std::vector<int32_t> codes;
    for (int link = 0; link <= 4; ++link) codes.push_back(kp::capsuleCode(colour, link));
    for (int phase = 1; phase <= 4; ++phase) codes.push_back(kp::smileyCode(colour, phase));
    codes.push_back(kp::removalCode(colour, 0));
    return codes;
}

std::string pairName(int a, int b) {
    return std::string(ColourNames[a]) + "/" + ColourNames[b];
}

std::string shapePairName(int a, int b) {
    return std::string(kp::colourShapeName(a)) + "/" + kp::colourShapeName(b);
}

// The colour pairs whose cells collapse, each with its smallest colour difference over the
// capsule halves and the smileys (the first removal frame is a white flash in every colour).
std::string collapsingPairs(const kp::SpriteSet& sprites, int cellSize, Vision v) {
    std::string out;
    for (int a = 0; a < 5; ++a)
        for (int b = a + 1; b < 5; ++b) {
            double least = 1e9;
            const auto codesA = symbolCodes(a), codesB = symbolCodes(b);
            for (size_t k = 0; k + 1 < codesA.size(); ++k)
                least = std::min(least, compare(drawCell(sprites, codesA[k], cellSize),
                                                drawCell(sprites, codesB[k], cellSize), v)
                                            .colourDelta);
            if (least < ColourDelta) {
                char text[64];
                std::snprintf(text, sizeof text, "%s%s %.1f", out.empty() ? "" : ", ",
                              pairName(a, b).c_str(), least);
                out += text;
            }
        }
    return out.empty() ? "none" : out;
}

struct SymbolResult {
    std::string confused; // pairs of shapes that some cell fails to tell apart
    int fewest = 1 << 30; // the fewest strongly differing pixels of any comparison
};

// Symbols alone: every pair of shapes on one and the same cell, for every body colour the
// sprite set is given (the five, then the grey), so colour plays no part.
SymbolResult symbolsAlone(std::vector<kp::SpriteSet>& bodies, int cellSize, Vision v) {
    SymbolResult r;
    std::vector<bool> bad(25, false);
    for (const kp::SpriteSet& body : bodies)
        for (int colour = 0; colour < 5; ++colour)
            for (int32_t code : symbolCodes(colour)) {
                std::vector<Cell> withShape;
                for (int s = 0; s < 5; ++s)
                    withShape.push_back(drawCellWithSymbol(body, code, cellSize, s));
                for (int a = 0; a < 5; ++a)
                    for (int b = a + 1; b < 5; ++b) {
                        const int strong = compare(withShape[a], withShape[b], v).strongPixels;
                        r.fewest = std::min(r.fewest, strong);
                        if (strong < strongPixelsNeeded(cellSize)) bad[a * 5 + b] = true;
                    }
            }
    for (int a = 0; a < 5; ++a)
        for (int b = a + 1; b < 5; ++b)
            if (bad[a * 5 + b])
                r.confused += (r.confused.empty() ? "" : ", ") + shapePairName(a, b);
    if (r.confused.empty()) r.confused = "none";
    return r;
}

// The cells of the sprite set with symbols, at every size and with every vision, for review.
void writeSheet(const kp::SpriteSet& sprites, const QString& path) {
    const int gap = 4;
    int width = gap, height = gap;
    for (int size : CellSizes) height += 5 * (size + gap) + gap;
    width += static_cast<int>(Visions.size()) * (10 * (48 + gap) + gap);
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(40, 40, 48));
    QPainter p(&sheet);
    int top = gap;
    for (int size : CellSizes) {
        for (int colour = 0; colour < 5; ++colour) {
            const auto codes = symbolCodes(colour);
            for (size_t vi = 0; vi < Visions.size(); ++vi)
                for (size_t k = 0; k < codes.size(); ++k) {
                    const Cell cell = drawCell(sprites, codes[k], size);
                    const int left =
                        gap + static_cast<int>(vi) * (10 * (48 + gap) + gap) + k * (size + gap);
                    p.drawImage(left, top + colour * (size + gap),
                                simulate(cell.shown, Visions[vi]));
                }
        }
        top += 5 * (size + gap) + gap;
    }
    p.end();
    sheet.save(path);
}

int checkSpriteSet(const QString& sheet) {
    kp::SpriteSet sprites;
    if (!sprites.load()) {
        std::fprintf(stderr, "colourcheck: the sprite pictures are missing\n");
        return 2;
    }
    // One sprite set per body colour for the symbols-alone check: every colour index made the
    // same colour, so only the shapes differ.
    std::vector<kp::SpriteSet> bodies;
    for (int colour = 0; colour <= 5; ++colour) {
        kp::SpriteSet& body = bodies.emplace_back();
        body.load();
        for (int c = 0; c < 5; ++c)
            body.recolour(c, colour < 5 ? kp::DefaultSmileyColours[colour] : ChosenGrey);
    }
    std::printf("Colour pairs of the sprite set at its default colours (cells over black).\n"
                "Without symbols a pair collapses when its cells differ by less than %.0f "
                "(CIEDE2000) in a quarter of the pixels they paint.\n"
                "With symbols every pair of shapes, drawn on one and the same colour (each "
                "default and grey), must differ\n"
                "in at least one pixel in 32 of the cell by %.0f or more.\n\n",
                ColourDelta, StrongDelta);
    std::printf("%-5s %-13s %-44s %-18s %s\n", "cell", "vision",
                "symbols off: colours that collapse", "symbols on: shapes", "fewest/needed");
    bool failed = false;
    for (int size : CellSizes)
        for (Vision v : Visions) {
            const SymbolResult symbols = symbolsAlone(bodies, size, v);
            failed |= symbols.confused != "none";
            std::printf("%-5d %-13s %-44s %-18s %d/%d\n", size, std::string(visionName(v)).c_str(),
                        collapsingPairs(sprites, size, v).c_str(), symbols.confused.c_str(),
                        symbols.fewest, strongPixelsNeeded(size));
        }
    sprites.setSymbols(true);
    if (!sheet.isEmpty()) writeSheet(sprites, sheet);
    std::printf("\n%s\n", failed ? "FAILED: some shapes cannot be told apart"
                                 : "passed: every pair of shapes stays apart");
    return failed ? 1 : 0;
}

// A cell found on the screen.
struct Found {
    int colour;
    int kind; // index in symbolCodes
    Cell cell;
};

// Every cell of the sprite set (with or without symbols) whose painted pixels all appear
// exactly somewhere in the screenshot.
std::vector<Found> findCells(const QImage& shot, const kp::SpriteSet& sprites, int cellSize) {
    struct Template {
        int colour, kind;
        QImage drawn;
        std::vector<std::pair<QPoint, QRgb>> painted;
    };
    std::vector<Template> templates;
    for (int colour = 0; colour < 5; ++colour) {
        const auto codes = symbolCodes(colour);
        for (size_t k = 0; k < codes.size(); ++k) {
            Template t{
                colour, static_cast<int>(k), drawCell(sprites, codes[k], cellSize).drawn, {}};
            for (int y = 0; y < cellSize; ++y)
                for (int x = 0; x < cellSize; ++x)
                    if (qAlpha(t.drawn.pixel(x, y)) == 255)
                        t.painted.push_back({QPoint(x, y), t.drawn.pixel(x, y) | 0xff000000u});
            templates.push_back(std::move(t));
        }
    }
    std::vector<Found> found;
    const QImage image = shot.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y + cellSize <= image.height(); ++y)
        for (int x = 0; x + cellSize <= image.width(); ++x)
            for (const Template& t : templates) {
                bool all = true;
                for (const auto& [at, colour] : t.painted)
                    if (image.pixel(x + at.x(), y + at.y()) != colour) {
                        all = false;
                        break;
                    }
                if (!all) continue;
                found.push_back(
                    {t.colour, t.kind, {image.copy(x, y, cellSize, cellSize), t.drawn}});
                break;
            }
    return found;
}

int checkScreenshot(const QString& path, int cellSize, bool symbols) {
    const QImage shot(path);
    kp::SpriteSet sprites;
    if (shot.isNull() || !sprites.load()) {
        std::fprintf(stderr, "colourcheck: cannot read %s or the sprite pictures\n",
                     qPrintable(path));
        return 2;
    }
    sprites.setSymbols(symbols);
    const std::vector<Found> cells = findCells(shot, sprites, cellSize);
    std::printf("%s: %zu cells of %d pixels found, symbols %s.\n", qPrintable(path), cells.size(),
                cellSize, symbols ? "on" : "off");
    if (cells.empty()) return 1;
    std::printf("Two colours are told apart when every pair of their cells of one kind on screen\n"
                "differs by %.0f (CIEDE2000) in a quarter of its pixels or in %d pixels by %.0f or "
                "more.\n\n",
                ColourDelta, strongPixelsNeeded(cellSize), StrongDelta);
    std::printf("%-13s %-48s %s\n", "vision", "not told apart", "told apart by shape alone");
    bool failed = false;
    std::string absent;
    for (Vision v : Visions) {
        std::string confused, byShape;
        for (int a = 0; a < 5; ++a)
            for (int b = a + 1; b < 5; ++b) {
                bool compared = false, apart = true, byColour = true;
                for (const Found& x : cells)
                    for (const Found& y : cells) {
                        if (x.colour != a || y.colour != b || x.kind != y.kind) continue;
                        compared = true;
                        const Difference d = compare(x.cell, y.cell, v);
                        byColour &= d.colourDelta >= ColourDelta;
                        apart &= d.colourDelta >= ColourDelta ||
                                 d.strongPixels >= strongPixelsNeeded(cellSize);
                    }
                if (!compared) {
                    if (v == Vision::Normal)
                        absent += (absent.empty() ? "" : ", ") + pairName(a, b);
                    continue;
                }
                if (!apart)
                    confused += (confused.empty() ? "" : ", ") + pairName(a, b);
                else if (!byColour)
                    byShape += (byShape.empty() ? "" : ", ") + pairName(a, b);
            }
        failed |= !confused.empty();
        std::printf("%-13s %-48s %s\n", std::string(visionName(v)).c_str(),
                    confused.empty() ? "none" : confused.c_str(),
                    byShape.empty() ? "none" : byShape.c_str());
    }
    if (!absent.empty()) std::printf("\nNo cells of one kind on screen for: %s\n", absent.c_str());
    std::printf("\n%s\n", failed ? "FAILED: some colours on screen cannot be told apart"
                                 : "passed: every pair of colours on screen is told apart");
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    auto value = [&](const char* name) {
        const int i = args.indexOf(name);
        return i > 0 && i + 1 < args.size() ? args[i + 1] : QString();
    };
    const QString screenshot = value("--screenshot");
    if (screenshot.isEmpty()) return checkSpriteSet(value("--sheet"));
    const int cellSize = value("--cell").toInt();
    if (cellSize < 8) {
        std::fprintf(stderr, "usage: colourcheck --screenshot <png> --cell <pixels> [--symbols]\n");
        return 2;
    }
    return checkScreenshot(screenshot, cellSize, args.contains("--symbols"));
}
