#include "leader_label.h"

#include <QPainter>

namespace kp {

namespace {
constexpr int MinStops = 3;
const QString Stop = QStringLiteral(".");
} // namespace

LeaderLabel::LeaderLabel(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QStringList LeaderLabel::lines(int width) const {
    const QFontMetrics fm(font());
    // The last word keeps a few stops after it, so the run never starts a line of its own.
    const int tail = fm.horizontalAdvance(QStringLiteral(" ") + Stop.repeated(MinStops));
    const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList out;
    QString line;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString candidate = line.isEmpty() ? words[i] : line + QLatin1Char(' ') + words[i];
        const int needed = fm.horizontalAdvance(candidate) + (i + 1 == words.size() ? tail : 0);
        if (needed > width && !line.isEmpty()) {
            out << line;
            line = words[i];
        } else {
            line = candidate;
        }
    }
    out << line;
    return out;
}

int LeaderLabel::leaderAt(int width, const QString& lastLine) const {
    const QFontMetrics fm(font());
    const int room = width - fm.horizontalAdvance(lastLine + QStringLiteral(" "));
    // Stops are narrower than a whole pixel count says: measure runs, not one stop.
    int n = room * 100 / std::max(1, fm.horizontalAdvance(Stop.repeated(100)));
    while (n > MinStops && fm.horizontalAdvance(Stop.repeated(n)) > room) --n;
    return std::max(MinStops, n);
}

int LeaderLabel::leaderLength() const {
    return leaderAt(width(), lines(width()).constLast());
}

int LeaderLabel::heightForWidth(int width) const {
    const QFontMetrics fm(font());
    return int(lines(width).size()) * fm.lineSpacing() + 2;
}

QSize LeaderLabel::sizeHint() const {
    const QFontMetrics fm(font());
    const int w = fm.horizontalAdvance(text() + QStringLiteral(" ") + Stop.repeated(12));
    return {w, fm.lineSpacing() + 2};
}

QSize LeaderLabel::minimumSizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(QStringLiteral("M")) * 12, fm.lineSpacing() + 2};
}

void LeaderLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QFontMetrics fm(font());
    const QStringList rows = lines(width());
    // The text sits at the bottom of the label, level with the field beside its last line.
    int y = height() - int(rows.size()) * fm.lineSpacing() - 1;
    for (qsizetype i = 0; i < rows.size(); ++i, y += fm.lineSpacing()) {
        p.drawText(0, y + fm.ascent(), rows[i]);
        if (i + 1 < rows.size()) continue;
        const int stops = leaderAt(width(), rows[i]);
        const QString run = Stop.repeated(stops);
        p.drawText(width() - fm.horizontalAdvance(run), y + fm.ascent(), run);
    }
}

} // namespace kp
