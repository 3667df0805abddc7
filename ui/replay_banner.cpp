#include "replay_banner.h"

#include <QCoreApplication>
#include <QLabel>

namespace kp {

namespace {
QString text(const char* source) {
    return QCoreApplication::translate("Replay", source);
}
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

} // namespace kp
