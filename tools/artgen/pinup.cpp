#include "pinup.h"

#include "pinup_figures.h"
#include "pixmap.h"
#include "resources.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

constexpr int kMargin = 100; // room on both sides of the strip for figures half outside it

double slotCentre(const PinupSlot& s) {
    return s.offset + s.width / 2.0;
}

// Where the body should be at frame n (0-based): the slots' centres smoothed over three
// frames, so the walk keeps an even pace while every pose still fits its slot.
double idealCentre(const std::array<PinupSlot, 23>& table, int n) {
    const int a = std::max(0, n - 1), b = std::min(22, n + 1);
    double sum = 0;
    for (int i = a; i <= b; ++i) sum += slotCentre(table[i]);
    return sum / (b - a + 1);
}

void draw(bool fromRight, Figure& figure, double x, int frame, double swing) {
    if (fromRight)
        drawDancer(figure, x, dancerPose(frame, swing));
    else
        drawWalker(figure, x, walkerPose(frame, swing));
}

} // namespace

std::vector<QImage> pinupFrames(bool fromRight) {
    const auto& table = fromRight ? kFromRightSlots : kFromLeftSlots;
    const int strip = fromRight ? kFromRightStrip : kFromLeftStrip;
    std::vector<QImage> frames;
    for (int n = 0; n < 23; ++n) {
        const PinupSlot& slot = table[n];
        const bool atStart = slot.offset == 0, atEnd = slot.offset + slot.width == strip;
        // The figure is cut by the strip's edge while it comes in or goes out.
        const bool cut = fromRight ? (n < 3 && atEnd) || (n > 19 && atStart)
                                   : (n < 3 && atStart) || (n > 19 && atEnd);
        // Narrow slots get a smaller stride until the whole figure fits.
        double swing = 1.0;
        int left = 0, right = 0;
        for (;;) {
            Figure probe(2 * kMargin, kPinupHeight);
            draw(fromRight, probe, kMargin, n + 1, swing);
            std::tie(left, right) = probe.columns();
            if (cut || right - left + 1 <= slot.width || swing < 0.05) break;
            swing *= 0.9;
        }
        // Allowed body positions that keep the figure inside its slot.
        const double lo = slot.offset + (kMargin - left);
        const double hi = slot.offset + slot.width - 1 - (right - kMargin);
        double x = idealCentre(table, n);
        if (!cut)
            x = lo <= hi ? std::clamp(x, lo, hi) : (lo + hi) / 2;
        else if (fromRight == (n < 3))
            x = lo; // its left edge meets the slot's left end
        else
            x = hi;
        x = std::round(x);
        Figure world(strip + 2 * kMargin, kPinupHeight);
        draw(fromRight, world, x + kMargin, n + 1, swing);
        frames.push_back(world.image().copy(slot.offset + kMargin, 0, slot.width, kPinupHeight));
    }
    return frames;
}

void writePinups(AssetWriter& writer) {
    for (bool fromRight : {false, true}) {
        const auto frames = pinupFrames(fromRight);
        const QString stem = fromRight ? "ImgXX" : "ImgYY";
        for (int n = 1; n <= 23; ++n) {
            const QString name = stem + QString("%1").arg(n, 2, 10, QChar('0'));
            writer.picture("/pinup", name, "pinup/" + name + ".png", frames[n - 1]);
        }
    }
}

} // namespace artgen
