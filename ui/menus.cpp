// The menu bar: its items, their radio groups and check marks, and their captions.
#include "main_window.h"

#include "ui/background_menus.h"
#include "ui/captions.h"
#include "ui/config_dialog.h"
#include "ui/display_menus.h"
#include "ui/game_files.h"
#include "ui/menu_book.h"
#include "ui/menu_ids.h"
#include "ui/menu_rows.h"
#include "ui/replay_player.h"
#include "ui/sound_menus.h"
#include "ui/stages.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>

namespace kp {

void MainWindow::buildMenus() {
    menuRows_ = new MenuRows(this);
    setMenuWidget(menuRows_);
    // A command from the menus ends the demonstration first: it is for the player's game.
    book_ = new MenuBook(
        *menuRows_,
        [this](Item id) {
            if (id != Item::Demonstration) stages_->stopDemo();
        },
        this);
    buildFileMenu();
    buildTrayMenu();
    QMenu* options = book_->addMenu(nullptr, Item::OptionsMenu);
    QMenu* languageMenu = book_->addMenu(options, Item::LanguageMenu);
    std::array<Item, LanguageCount> languageItems{};
    for (size_t i = 0; i < Languages.size(); ++i) languageItems[i] = Languages[i].item;
    book_->addRadios(languageMenu, languageItems,
                     [this](int v) { chooseLanguage(static_cast<Language>(v)); });
    display_ = new DisplayMenus({*book_, model_, sprites_, board_.game(), platform_, *this,
                                 [this] {
                                     layOutWindow();
                                     composeBackground(KeepPicture);
                                     repaintAll();
                                 },
                                 [this] { repaintAll(); },
                                 [this](const QFont& font, QColor colour) {
                                     board_.setMessageLook(font, colour); // in view or not
                                     stage().setMessageLook(font, colour);
                                 }});
    display_->addLookMenus(options);
    options->addSeparator();
    soundMenus_ = new SoundMenus(*book_, options, model_, sound_, platform_, *this);
    options->addSeparator();
    background_ = new BackgroundMenus(*book_, options, model_, platform_, *this);
    display_->addDisplayMenu(options);
    options->addSeparator();
    book_->addItem(options, Item::Configuration,
                   [this] { configDialog()->showTab(ConfigDialog::ConfigurationTab); });
    book_->addItem(options, Item::KeysAndGamepad,
                   [this] { configDialog()->showTab(ConfigDialog::KeysTab); });

    QMenu* help = book_->addMenu(nullptr, Item::HelpMenu);
    book_->addItem(help, Item::Help, [this] { configDialog()->showTab(ConfigDialog::HelpTab); });
    book_->addItem(help, Item::About, [this] { configDialog()->showTab(ConfigDialog::AboutTab); });
    help->addSeparator();
    book_->addItem(help, Item::Demonstration, [this] { stages_->startDemo(); });
    for (const auto& [item, key] : ids::fixedShortcuts)
        action(item)->setShortcut(QKeySequence(QString::fromLatin1(key)));
}

void MainWindow::buildFileMenu() {
    QMenu* file = book_->addMenu(nullptr, Item::FileMenu);
    // Their shortcuts are the player's keys (applyControls).
    book_->addItem(file, Item::NewGame, [this] {
        if (!stages_->mayLeaveMatch()) return;
        stages_->leaveMatch();
        board_.game().newGame();
    });
    book_->addItem(file, Item::NewMatch, [this] { stages_->chooseMatch(); });
    book_->addItem(file, Item::NetworkMatch, [this] { stages_->chooseNetworkMatch(); });
    book_->addItem(file, Item::SingleGame, [this] {
        if (stages_->mayLeaveMatch()) stages_->leaveMatch();
    });
    book_->addItem(file, Item::RestartLevel, [this] { board_.game().restartLevel(); });
    book_->addItem(file, Item::SkipLevel, [this] { board_.game().skipLevel(); });
    QAction* pause = book_->addItem(
        file, Item::Pause, [this] { stage().togglePause(); }, nullptr, true);
    // The action owns the check mark's truth: the rules say whether the game is paused.
    connect(pause, &QAction::triggered, this,
            [this, pause] { pause->setChecked(stage().paused()); });
    book_->addItem(file, Item::Panic, [this] { stages_->panic(); });
    file->addSeparator();
    book_->addItem(file, Item::OpenGame, [this] { files_->choose(); });
    book_->addItem(file, Item::SaveGameAs, [this] { files_->saveAs(); });
    file->addSeparator();
    book_->addItem(file, Item::WatchLastGame, [this] { stages_->watchLastGame(); });
    book_->addItem(file, Item::OpenReplay, [this] { replays_->chooseReplay(); });
    book_->addItem(file, Item::SaveReplay, [this] { stages_->saveLastGame(); });
    file->addSeparator();
    book_->addItem(file, Item::Quit, [this] { quitGame(); });
}

// The notification-area icon's menu, while the game is hidden.
void MainWindow::buildTrayMenu() {
    auto* popup = new QMenu(this);
    book_->addItem(popup, Item::TrayRestore, [this] { unhideGame(); });
    book_->addItem(popup, Item::TrayQuit, [this] { quitGame(); });
    hideout_ = new PanicHideout(*this, popup, [this] { unhideGame(); });
}

void MainWindow::chooseLanguage(Language language) {
    model_.changeLanguage(static_cast<int32_t>(language));
}

void MainWindow::applyLanguage() {
    book_->check(languageInfo(language()).item);
    translations_.use(language()); // every window hears of it and words itself again
}

void MainWindow::retranslate() {
    book_->retranslate();
    fitMenuRows();        // the titles' widths changed
    board_.showMessage(); // worded again from what it says: paused, lost, or the level
}

// Each part that applies a group of settings hears of its changes from the model.
void MainWindow::listenToSettings() {
    connect(&model_, &SettingsModel::parametersChanged, this, &MainWindow::applyParameters);
    connect(&model_, &SettingsModel::controlsChanged, this, &MainWindow::applyBindings);
    connect(&model_, &SettingsModel::languageChanged, this, &MainWindow::applyLanguage);
    connect(&model_, &SettingsModel::backgroundChanged, this, &MainWindow::composeBackground);
}

// Pushes every setting into the window: check marks, timers, language, colours, size, layout
// and background, in that order.
void MainWindow::applySettings() {
    const Settings& s = settings();
    display_->apply();
    applyBindings();
    applyLanguage();
    sound_.setPreferredBank(s.soundBank);
    soundMenus_->apply();
    // The tune itself (its synthesiser, its bank, the loading window) waits for the first frame.
    soundMenus_->showTune();
    background_->showRecentPictures();
    layOutWindow();
    composeBackground(s.background == PictureBackground
                          ? std::optional<std::string>(s.recentPictures[0])
                          : KeepPicture);
    repaintAll();
}

} // namespace kp
