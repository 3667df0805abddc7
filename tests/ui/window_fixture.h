#pragma once
// A main window on the offscreen platform, with its settings in a temporary folder, silent
// sound and scripted dialogs.
#include "scripted_platform.h"
#include "ui/main_window.h"

#include <QAction>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace kp {

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
    void trigger(const char* id) {
        QAction* a = w->action(id);
        ASSERT_NE(a, nullptr) << id;
        a->trigger();
    }
    bool checked(const char* id) const { return w->action(id)->isChecked(); }
};

} // namespace kp
