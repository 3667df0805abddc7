#include "replay_controls.h"

#include "input/bindings.h"
#include "ui/clock_driver.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>
#include <memory>

namespace kp {

namespace {
QString text(const char* source) {
    return QCoreApplication::translate("Replay", source);
}

constexpr int MarginX = 4, MarginY = 2; // between the banner and the band's edges

QLabel* newBanner(QWidget* parent) {
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

QString bannerText(int speed, bool atEnd) {
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

} // namespace

int replayBandHeight(int width) {
    const std::unique_ptr<QLabel> probe(newBanner(nullptr));
    probe->ensurePolished();
    int height = 0;
    for (const QString& said : {bannerText(1, false), bannerText(0, false), bannerText(1, true)}) {
        probe->setText(said);
        height = std::max(height, probe->heightForWidth(width - 2 * MarginX));
    }
    return height + 2 * MarginY;
}

ReplayControls::ReplayControls(ClockDriver& driver, std::function<void()> step)
    : driver_(driver), step_(std::move(step)) {}

void ReplayControls::setSpeed(int speed) {
    speed_ = speed == 2 || speed == 4 || speed == 0 ? speed : 1;
    driver_.setSpeed(speed_);
    showBanner();
}

bool ReplayControls::key(const QKeyEvent& key) {
    if (isModifierKey(key.key())) return true;
    switch (key.key()) {
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_4:
        setSpeed(key.key() - Qt::Key_0);
        return true;
    case Qt::Key_Space:
        if (speed_ != 0)
            setSpeed(0);
        else if (!atEnd_)
            step_();
        return true;
    default:
        return key.isAutoRepeat();
    }
}

void ReplayControls::restart() {
    atEnd_ = false;
    setSpeed(speed_);
}

void ReplayControls::reachEnd() {
    atEnd_ = true;
    showBanner();
}

void ReplayControls::placeBanner(QWidget* parent, int width, int band) {
    if (banner_ && banner_->parent() != parent) delete banner_;
    if (!banner_) banner_ = newBanner(parent);
    width_ = width;
    band_ = band;
    showBanner();
}

QLabel* ReplayControls::banner() const {
    return banner_;
}

void ReplayControls::hideBanner() {
    if (banner_) banner_->hide();
}

void ReplayControls::showBanner() {
    if (!banner_) return;
    banner_->setText(bannerText(speed_, atEnd_));
    banner_->setGeometry(MarginX, MarginY, width_ - 2 * MarginX, std::max(0, band_ - 2 * MarginY));
    banner_->raise();
    banner_->show();
}

} // namespace kp
