#include "app_icon.h"

#include "render/sprites.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <array>

namespace kp {

namespace {

class AppIcon : public QIconEngine {
  public:
    static constexpr std::array Sides{16, 32, 48, 64, 128, 256};
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        // The smallest picture at least as big as asked, or the biggest there is.
        const int wanted = std::max(size.width(), size.height());
        const auto side =
            std::find_if(Sides.begin(), Sides.end(), [&](int s) { return s >= wanted; });
        QImage image = readPng(
            QStringLiteral(":/icons/AppIcon_%1").arg(side == Sides.end() ? Sides.back() : *side));
        if (image.size() != size)
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPixmap pixmap = QPixmap::fromImage(std::move(image));
        if (mode == QIcon::Normal) return pixmap;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }
    void paint(QPainter* p, const QRect& r, QIcon::Mode mode, QIcon::State state) override {
        p->drawPixmap(r, pixmap(r.size(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : Sides) sizes.append(QSize(side, side));
        return sizes;
    }
    QIconEngine* clone() const override { return new AppIcon; }
};

} // namespace

QIcon appIcon() {
    return QIcon(new AppIcon);
}

} // namespace kp
