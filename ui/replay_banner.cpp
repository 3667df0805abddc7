#include "replay_banner.h"

#include <QCoreApplication>
#include <QLabel>

#include <algorithm>
#include <memory>

namespace kp {

namespace {
QString text(const char* source) {
    return QCoreApplication::translate("Replay", source);
}

constexpr int MarginX = 4, MarginY = 2; // between the banner and the band's edges
} // namespace

QLabel* newReplayBanner(QWidget* parent) {
    auto* banner = new QLabel(parent);
    banner->setObjectName(QStringLiteral("ReplayBanner"));
    banner->setAttribute(Qt::WA_TransparentForMouseEvents);
    banner->setWordWrap(true);
    banner->setAlignment(Qt::AlignCenter);
    // Opaque and square: the message line it sits over must not show through.
    banner->setStyleSheet(
        QStringLiteral("QLabel { color: #FFE14D; background: #141414; font-weight: bold;"
                       " font-size: 10px; border: 1px solid #FFE14D; padding: 1px 3px; }"));
    return banner;
}

QString replayBannerText(int speed, bool atEnd) {
    QString state;
    if (atEnd)
        state = text(QT_TRANSLATE_NOOP("Replay", "end, game checked"));
    else if (speed == 0)
        state = text(QT_TRANSLATE_NOOP("Replay", "step by step"));
    else
        state = QStringLiteral("×%1").arg(speed);
    return text(QT_TRANSLATE_NOOP("Replay", "Replay")) + QStringLiteral(" — ") + state +
           QStringLiteral("\n") +
           text(QT_TRANSLATE_NOOP("Replay", "1 2 4: speed · Space: step · other key: back"));
}

int replayBandHeight(int width) {
    const std::unique_ptr<QLabel> probe(newReplayBanner(nullptr));
    probe->ensurePolished();
    int height = 0;
    for (const QString& said :
         {replayBannerText(1, false), replayBannerText(0, false), replayBannerText(1, true)}) {
        probe->setText(said);
        height = std::max(height, probe->heightForWidth(width - 2 * MarginX));
    }
    return height + 2 * MarginY;
}

void showReplayBanner(QLabel* banner, const QString& text, int width, int band) {
    banner->setText(text);
    banner->setGeometry(MarginX, MarginY, width - 2 * MarginX, std::max(0, band - 2 * MarginY));
    banner->raise();
    banner->show();
}

} // namespace kp
