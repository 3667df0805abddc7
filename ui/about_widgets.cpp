#include "about_widgets.h"

#include "render/sprites.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace kp {

ImageLabel::ImageLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
}

void ImageLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    if (onEnter) onEnter();
}

void ImageLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    if (onLeave) onLeave();
}

void ImageLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    if (onPress) onPress();
    event->accept();
}

void ImageLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (onRelease) onRelease();
    if (click && onClick) onClick();
    event->accept();
}

TitleLabel::TitleLabel(QWidget* parent) : QLabel(parent) {}

void TitleLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(28);
    const QFontMetrics fm(f);
    // The first word in the logo's orange, the rest in its blue.
    const QString all = text();
    const qsizetype cut = all.indexOf(QLatin1Char(' '));
    const QString first = cut < 0 ? all : all.left(cut + 1);
    const QString rest = cut < 0 ? QString() : all.mid(cut + 1);
    const int baseline = height() - fm.descent() - 2;
    qreal x = (width() - fm.horizontalAdvance(all)) / 2.0;
    const int top = baseline - fm.ascent();
    auto part = [&](const QString& s, QColor light, QColor dark, QColor outline) {
        if (s.isEmpty()) return;
        QPainterPath path;
        path.addText(x, baseline, f, s);
        QLinearGradient g(0, top + fm.ascent() * 0.25, 0, baseline);
        g.setColorAt(0, light);
        g.setColorAt(1, dark);
        p.setPen(QPen(outline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.drawPath(path); // the fill again over the inner half of the outline
        x += fm.horizontalAdvance(s);
    };
    part(first, QColor(255, 222, 96), QColor(232, 106, 8), QColor(110, 44, 0));
    part(rest, QColor(130, 206, 255), QColor(10, 86, 220), QColor(8, 28, 96));
}

namespace {
// One of the game's two cursors; the picture carries its hot spot.
QCursor cursor(const QString& resource, Qt::CursorShape fallback) {
    const QImage picture(resource);
    if (picture.isNull()) return QCursor(fallback);
    return QCursor(QPixmap::fromImage(picture), picture.text(QStringLiteral("HotspotX")).toInt(),
                   picture.text(QStringLiteral("HotspotY")).toInt());
}
} // namespace

QCursor handCursor() {
    return cursor(QStringLiteral(":/icons/Main_Standard"), Qt::PointingHandCursor);
}

QCursor selectionCursor() {
    return cursor(QStringLiteral(":/icons/Selection"), Qt::ArrowCursor);
}

QPixmap transparentImage(const QString& resource) {
    return QPixmap::fromImage(toTransparentImage(loadBitmap(resource)));
}

} // namespace kp
