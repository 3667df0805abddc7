#pragma once
// A main window on the offscreen platform, with its settings in a temporary folder, silent
// sound and scripted dialogs.
#include "scripted_platform.h"
#include "ui/captions.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace kp {

// An item in a test's message, by the name its caption has for translators.
inline std::ostream& operator<<(std::ostream& out, Item item) {
    const int i = static_cast<int>(item);
    return i < CaptionedItems ? out << menuCaptions()[i].text.comment : out << "item " << i;
}

// Every pixel of an image is `colour`.
inline bool onlyColour(const QImage& image, QRgb colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (rgb.pixel(x, y) != colour) return false;
    return true;
}

struct WindowFixture : ::testing::Test {
    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<MainWindow> w;

    std::filesystem::path ini() const { return dir.filePath("kembrolla-panic.ini").toStdString(); }
    QString file(const char* name) const { return dir.filePath(name); }
    // Creates the window on `settings` (the fixture's own file by default) and shows it.
    void open(const std::filesystem::path& settings = {}) {
        sound::SoundSystem::Options quiet;
        quiet.useDevice = false;
        w = std::make_unique<MainWindow>(platform, settings.empty() ? ini() : settings, quiet);
        w->firstShow();
    }
    void trigger(Item id) {
        QAction* a = w->action(id);
        ASSERT_NE(a, nullptr) << id;
        a->trigger();
    }
    bool checked(Item id) const { return w->action(id)->isChecked(); }

    // The board as a whole frame of the rules' state draws it, and as the shown window shows
    // it once the frames due are painted (what they left in its backing store). Where the
    // message stands, both are blanked.
    QImage boardFrame() const {
        QImage frame(w->board().view()->size(), QImage::Format_RGB32);
        QPainter p(&frame);
        w->board().painter().paint(p, frame.rect(), w->board().game().state());
        return withoutMessage(frame);
    }
    QImage boardShown() const {
        EXPECT_TRUE(w->isVisible());
        for (int i = 0; i < 200 && !w->windowHandle()->isExposed(); ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        // The frames due, and no timer of the game's in between.
        QApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        const QWidget* view = w->board().view();
        const QPoint at = view->mapTo(w.get(), QPoint());
        const QImage shown =
            w->screen()
                ->grabWindow(w->winId(), at.x(), at.y(), view->width(), view->height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        return withoutMessage(shown);
    }
    QImage withoutMessage(QImage board) const {
        if (w->board().message()->isVisible())
            QPainter(&board).fillRect(w->board().message()->geometry(), Qt::magenta);
        // A replay's banner too: it is no part of the game's frame.
        if (const auto* banner = w->board().view()->findChild<QWidget*>("ReplayBanner");
            banner && banner->isVisible())
            QPainter(&board).fillRect(banner->geometry(), Qt::magenta);
        return board;
    }
};

} // namespace kp
