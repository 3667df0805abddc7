#include "preview.h"

#include "digits.h"
#include "logo.h"
#include "pinup.h"
#include "pixmap.h"
#include "sprite_set.h"

#include <QDir>
#include <QPainter>
#include <QStringList>

namespace artgen {

namespace {

const QColor kSheetBack(40, 40, 48);

void drawKeyed(QPainter& p, const QRect& target, const QImage& picture) {
    p.drawImage(target, keyToAlpha(picture));
}

void spriteSheet(const QString& dir, int cell) {
    const auto pictures = spritePictures();
    QImage sheet(5 * (cell + 4) + 4, 9 * (cell + 4) + 4, QImage::Format_RGB32);
    sheet.fill(kSheetBack);
    QPainter p(&sheet);
    int row = 0, col = 0;
    for (const auto& [name, picture] : pictures) {
        // Smiley rows have four pictures; keep the table's nine rows of up to five.
        const bool smileyRow = name.contains('_');
        if (smileyRow && col == 0) col = 1;
        drawKeyed(p, QRect(4 + col * (cell + 4), 4 + row * (cell + 4), cell, cell), picture);
        if (++col == 5) col = 0, ++row;
    }
    p.end();
    sheet.save(QString("%1/sprites_%2.png").arg(dir).arg(cell));
}

// The 14 sprites of each of the five colours as the game shows them at its default colours.
void coloursSheet(const QString& dir, int cell) {
    QImage sheet(14 * (cell + 4) + 4, 5 * (cell + 4) + 4, QImage::Format_RGB32);
    sheet.fill(kSheetBack);
    QPainter p(&sheet);
    for (int c = 0; c < 5; ++c) {
        const ColourSprites s = defaultSprites(c);
        std::vector<QImage> row(s.halves.begin(), s.halves.end());
        row.insert(row.end(), s.smileys.begin(), s.smileys.end());
        row.insert(row.end(), s.bursts.begin(), s.bursts.end());
        for (int i = 0; i < 14; ++i)
            drawKeyed(p, QRect(4 + i * (cell + 4), 4 + c * (cell + 4), cell, cell), row[i]);
    }
    p.end();
    sheet.save(QString("%1/colours_%2.png").arg(dir).arg(cell));
}

QImage toGrey(const QImage& picture) {
    QImage out = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const int g = qGray(out.pixel(x, y));
            out.setPixel(x, y, qRgb(g, g, g));
        }
    return out;
}

// Cells as "c" + kind: a digit 0..4 is a capsule link, a..d a smiley frame, v..z a burst frame.
const char* const kBoard[18] = {
    ".. .. .. 31 .. .. .. ..", ".. .. .. 13 .. .. .. ..", ".. .. .. .. .. .. .. ..",
    ".. .. .. .. .. .. .. ..", ".. .. .. .. .. .. .. ..", ".. .. .. .. .. .. .. ..",
    ".. .. .. .. .. .. .. ..", ".. 22 44 .. .. .. .. ..", ".. 0a .. .. .. 10 .. ..",
    ".. 1b .. 32 04 .. 2c ..", "4d 3a .. 0c .. 21 .. 3b", "2b .. 1c 0d 4a 43 .. 0a",
    "3c 4b .. 12 14 .. 1d 2a", "0b 2d 3d .. 4c 0v 0w 1a", "1a 4a 0b 2b 2x 3a 4b 3d",
    "22 04 2c 3b 1b 42 34 0c", "4c 0a 3a 02 24 1d 2a 4d", "1d 20 3c 0b 40 30 0a 2b",
};

QImage boardShot(int cell) {
    std::array<ColourSprites, 5> sprites;
    for (int c = 0; c < 5; ++c) sprites[c] = defaultSprites(c);
    const int boardTop = cell > 16 ? 31 + cell + 5 + 1 : 52;
    const int width = 8 * cell + 2, height = 18 * cell + boardTop + 2;
    QImage shot(width, height, QImage::Format_RGB32);
    shot.fill(Qt::black);
    QPainter p(&shot);
    p.drawImage(width - kLogoWidth, 0, logoPicture());
    // Counters: level 07, 42 smileys left, chrono 0:12:34.
    auto digit = [&](int x, int d) { drawKeyed(p, QRect(x, 6, 8, 14), digitPicture(d)); };
    digit(5, 0), digit(14, 7);
    digit(width - 8 * 2 - 6, 4), digit(width - 8 - 5, 2);
    const int mid = width / 2;
    const int xs[5] = {mid - 25, mid - 13, mid - 4, mid + 8, mid + 17};
    const int ds[5] = {0, 1, 2, 3, 4};
    for (int i = 0; i < 5; ++i) digit(xs[i], ds[i]);
    drawKeyed(p, QRect(mid - 16, 6, 2, 14), separatorPicture());
    drawKeyed(p, QRect(mid + 5, 6, 2, 14), separatorPicture());
    // Next capsule, above the entry column.
    drawKeyed(p, QRect(2 * cell + 1, 31, cell, cell), sprites[3].halves[2]);
    drawKeyed(p, QRect(3 * cell + 1, 31, cell, cell), sprites[0].halves[4]);
    for (int row = 0; row < 18; ++row) {
        const QStringList cells = QString(kBoard[row]).split(' ');
        for (int col = 0; col < 8; ++col) {
            const QString code = cells[col];
            if (code == "..") continue;
            const int c = code[0].digitValue();
            const char kind = code[1].toLatin1();
            const QImage& picture = kind >= 'a' && kind <= 'd'   ? sprites[c].smileys[kind - 'a']
                                    : kind >= 'v' && kind <= 'z' ? sprites[c].bursts[kind - 'v']
                                                                 : sprites[c].halves[kind - '0'];
            drawKeyed(p, QRect(col * cell + 1, row * cell + boardTop + 1, cell, cell), picture);
        }
    }
    return shot;
}

void pinupSheets(const QString& dir, bool fromRight) {
    const auto& table = fromRight ? kFromRightSlots : kFromLeftSlots;
    const int strip = fromRight ? kFromRightStrip : kFromLeftStrip;
    const QString stem = fromRight ? "XX" : "YY";
    const auto frames = pinupFrames(fromRight);
    const int scale = 3;
    QImage sheet(strip * scale, 24 * (kPinupHeight + 2) * scale / 2, QImage::Format_RGB32);
    sheet.fill(kSheetBack);
    QDir().mkpath(dir + "/gif" + stem);
    for (int n = 0; n < 24; ++n) {
        // One tick of the animation as the window shows it: black strip, frame, nothing else.
        QImage tick(strip, kPinupHeight, QImage::Format_RGB32);
        tick.fill(QColor(16, 16, 24));
        QPainter t(&tick);
        if (n < 23)
            drawKeyed(t, QRect(table[n].offset, 0, table[n].width, kPinupHeight), frames[n]);
        t.end();
        enlarged(tick, scale)
            .save(QString("%1/gif%2/%3.png").arg(dir, stem).arg(n, 2, 10, QChar('0')));
        if (n < 23) {
            QPainter s(&sheet);
            s.drawImage(QRect(0, n * (kPinupHeight + 2) * scale / 2, strip * scale / 2,
                              kPinupHeight * scale / 2),
                        tick);
        }
    }
    // Every frame where it stands, on one strip, as a motion study.
    QImage overlay(strip, kPinupHeight, QImage::Format_RGB32);
    overlay.fill(QColor(16, 16, 24));
    QPainter o(&overlay);
    for (int n = 0; n < 23; n += 4)
        drawKeyed(o, QRect(table[n].offset, 0, table[n].width, kPinupHeight), frames[n]);
    o.end();
    enlarged(overlay, scale).save(dir + "/pinup_" + stem + "_motion.png");
    sheet.save(dir + "/pinup_" + stem + "_frames.png");
}

} // namespace

void writePreviews(const QString& dir) {
    QDir().mkpath(dir);
    for (int cell : {8, 16, 48}) spriteSheet(dir, cell);
    coloursSheet(dir, 48);
    for (int cell : {8, 16, 48})
        boardShot(cell).save(QString("%1/board_%2.png").arg(dir).arg(cell));
    toGrey(boardShot(16)).save(dir + "/board_16_grey.png");
    enlarged(boardShot(16), 3).save(dir + "/board_16_x3.png");
    QImage digits(11 * 10 + 4, 18, QImage::Format_RGB32);
    digits.fill(Qt::black);
    QPainter p(&digits);
    for (int d = 0; d < 10; ++d) drawKeyed(p, QRect(2 + d * 10, 2, 8, 14), digitPicture(d));
    drawKeyed(p, QRect(104, 2, 2, 14), separatorPicture());
    p.end();
    enlarged(digits, 6).save(dir + "/digits_x6.png");
    enlarged(logoPicture(), 2).save(dir + "/logo_x2.png");
    pinupSheets(dir, false);
    pinupSheets(dir, true);
}

} // namespace artgen
