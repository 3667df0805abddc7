// The menu bar: its items, their radio groups and check marks, and their captions.
#include "main_window.h"

#include "ui/background_menus.h"
#include "ui/captions.h"
#include "ui/config_dialog.h"
#include "ui/game_files.h"
#include "ui/menu_book.h"
#include "ui/menu_ids.h"
#include "ui/menu_rows.h"
#include "ui/replay_player.h"
#include "ui/sound_menus.h"

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
        [this](const std::string& id) {
            if (id != "MenuDemo") stopDemo();
        },
        this);
    buildFileMenu();
    buildTrayMenu();
    QMenu* options = book_->addMenu(nullptr, "MenuOptions");
    QMenu* languageMenu = book_->addMenu(options, "MenuLangue");
    std::array<const char*, LanguageCount> languageItems{};
    for (size_t i = 0; i < Languages.size(); ++i) languageItems[i] = Languages[i].menuId;
    book_->addRadios(languageMenu, languageItems,
                     [this](int v) { chooseLanguage(static_cast<Language>(v)); });
    buildAnimationMenus(options);
    buildSmileyMenus(options);
    QMenu* pinup = book_->addMenu(options, "MenuPinup");
    book_->addRadios(pinup, ids::pinup,
                     [this](int v) { model_.changeAnimations([v](Settings& s) { s.Pinup = v; }); });
    options->addSeparator();
    soundMenus_ = new SoundMenus(*book_, options, model_, sound_, platform_, *this);
    options->addSeparator();
    background_ = new BackgroundMenus(*book_, options, model_, platform_, *this);
    buildDisplayMenu(options);
    options->addSeparator();
    book_->addItem(options, "MenuConfig",
                   [this] { configDialog()->showTab(ConfigDialog::ConfigurationTab); });
    book_->addItem(options, "MenuTouches",
                   [this] { configDialog()->showTab(ConfigDialog::KeysTab); });

    QMenu* help = book_->addMenu(nullptr, "MenuPtInterro");
    book_->addItem(help, "MenuAide", [this] { configDialog()->showTab(ConfigDialog::HelpTab); });
    book_->addItem(help, "MenuAPropos",
                   [this] { configDialog()->showTab(ConfigDialog::AboutTab); });
    help->addSeparator();
    book_->addItem(help, "MenuDemo", [this] { startDemo(); });
    for (const auto& [item, key] : ids::fixedShortcuts)
        action(item)->setShortcut(QKeySequence(QString::fromLatin1(key)));
}

void MainWindow::buildFileMenu() {
    QMenu* file = book_->addMenu(nullptr, "MenuFichier");
    // Their shortcuts are the player's keys (applyControls).
    book_->addItem(file, "MenuNouveauJeu", [this] {
        if (!mayLeaveMatch()) return;
        leaveMatch();
        board_.game().newGame();
    });
    book_->addItem(file, "MenuNouveauDuel", [this] { chooseMatch(); });
    book_->addItem(file, "MenuPartieSeul", [this] {
        if (mayLeaveMatch()) leaveMatch();
    });
    book_->addItem(file, "MenuRecommencerNiveau", [this] { board_.game().restartLevel(); });
    book_->addItem(file, "MenuPasserNiveau", [this] { board_.game().skipLevel(); });
    QAction* pause = book_->addItem(
        file, "MenuPause", [this] { togglePause(); }, nullptr, true);
    // The action owns the check mark's truth: the rules say whether the game is paused.
    connect(pause, &QAction::triggered, this,
            [this, pause] { pause->setChecked(stage().paused()); });
    book_->addItem(file, "MenuPanic", [this] { panicGame(); });
    file->addSeparator();
    book_->addItem(file, "MenuOuvrir", [this] { files_->choose(); });
    book_->addItem(file, "MenuEnregistrerSous", [this] { files_->saveAs(); });
    file->addSeparator();
    // In a match, the match so far is the last game.
    book_->addItem(file, "MenuRevoir", [this] {
        if (match_ && !match_->replaying())
            watchMatch(std::make_shared<Recording>(match_->match().recording()));
        else
            replays_->watchLastGame();
    });
    book_->addItem(file, "MenuOuvrirReplay", [this] { replays_->chooseReplay(); });
    book_->addItem(file, "MenuEnregistrerReplay", [this] {
        if (match_ && !match_->replaying())
            replays_->saveMatch(match_->match().recording());
        else
            replays_->saveLastGame();
    });
    file->addSeparator();
    book_->addItem(file, "MenuQuitter", [this] { quitGame(); });
}

// The notification-area icon's menu, while the game is hidden.
void MainWindow::buildTrayMenu() {
    auto* popup = new QMenu(this);
    book_->addItem(popup, "MenuPopupPanicRestaurer", [this] { unhideGame(); });
    book_->addItem(popup, "MenuPopupQuitter", [this] { quitGame(); });
    hideout_ = new PanicHideout(*this, popup, [this] { unhideGame(); });
}

void MainWindow::buildAnimationMenus(QMenu* options) {
    QMenu* smileyAnimationMenu = book_->addMenu(options, "MenuAnimVirus");
    book_->addRadios(smileyAnimationMenu, ids::smileyAnimationMenu, [this](int v) {
        model_.changeAnimations([v](Settings& s) { s.smileyAnimation = v; });
    });

    QMenu* removalAnimationMenu = book_->addMenu(options, "MenuAnimSuppr");
    book_->addRadios(removalAnimationMenu, ids::removalAnimationMenu, [this](int v) {
        model_.changeAnimations([v](Settings& s) { s.removalAnimation = v; });
    });
    QMenu* removalOptions = book_->addMenu(removalAnimationMenu, "MenuAnimSupprOptions");
    book_->addItem(
        removalOptions, "MenuAnimSupprTremblement",
        [this] { model_.changeAnimations([](Settings& s) { s.shake = s.shake ? 0 : 1; }); },
        nullptr, true);
}

void MainWindow::buildSmileyMenus(QMenu* options) {
    QMenu* sizeChoice = book_->addMenu(options, "MenuSmileyTaille");
    QActionGroup* sizeGroup = book_->radioGroup();
    book_->addItem(
        sizeChoice, "MenuSmileyTailleNormale",
        [this] { chooseSmileySize(0, "MenuSmileyTailleNormale"); }, sizeGroup);
    sizeChoice->addSeparator();
    const std::pair<const char*, int> sizes[] = {
        {"MenuSmileyTaille50", 1},  {"MenuSmileyTaille75", 2},  {"MenuSmileyTaille100", 0},
        {"MenuSmileyTaille150", 3}, {"MenuSmileyTaille200", 4}, {"MenuSmileyTaille300", 5}};
    for (const auto& [id, value] : sizes)
        book_->addItem(
            sizeChoice, id, [this, id = id, value = value] { chooseSmileySize(value, id); },
            sizeGroup);

    QMenu* colours = book_->addMenu(options, "MenuSmileyCouleur");
    book_->addItem(colours, "MenuSmileyCouleurOrigine", [this] { defaultSmileyColours(); });
    colours->addSeparator();
    const char* colourIds[] = {"MenuSmileyCouleur0", "MenuSmileyCouleur1", "MenuSmileyCouleur2",
                               "MenuSmileyCouleur3", "MenuSmileyCouleur4"};
    for (int c = 0; c < 5; ++c)
        book_->addItem(colours, colourIds[c], [this, c] { chooseSmileyColour(c); });
    colours->addSeparator();
    book_->addItem(
        colours, "MenuSymbolesCouleur", [this] { toggleColourSymbols(); }, nullptr, true);
}

void MainWindow::buildDisplayMenu(QMenu* options) {
    QMenu* display = book_->addMenu(options, "MenuAffichage");
    book_->addItem(
        display, "MenuAffCompteurs", [this] { toggleBand(&Settings::showCounters); }, nullptr,
        true);
    book_->addItem(
        display, "MenuAffPieceSuivante", [this] { toggleBand(&Settings::showNextCapsule); },
        nullptr, true);
    display->addSeparator();
    book_->addItem(display, "MenuCouleurTexte", [this] { chooseMessageFont(); });
}

void MainWindow::chooseLanguage(Language language) {
    model_.changeLanguage(static_cast<int32_t>(language));
}

void MainWindow::applyLanguage() {
    book_->check(languageInfo(language()).menuId);
    translations_.use(language()); // every window hears of it and words itself again
}

void MainWindow::applyAnimations() {
    const Settings& s = settings();
    book_->check(ids::pinup[s.Pinup]);
    board_.game().setPinup(s.Pinup);
    book_->check("MenuAnimSupprTremblement", s.shake != 0);
    board_.game().setShake(s.shake != 0);
    book_->check(ids::smileyAnimationMenu[s.smileyAnimation]);
    board_.game().setSmileyAnimation(s.smileyAnimation);
    book_->check(ids::removalAnimationMenu[s.removalAnimation]);
    board_.game().setRemovalAnimation(s.removalAnimation);
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
    connect(&model_, &SettingsModel::layoutChanged, this, &MainWindow::applyLayout);
    connect(&model_, &SettingsModel::backgroundChanged, this, &MainWindow::composeBackground);
    connect(&model_, &SettingsModel::animationsChanged, this, &MainWindow::applyAnimations);
    connect(&model_, &SettingsModel::smileysChanged, this, &MainWindow::applySmileys);
    connect(&model_, &SettingsModel::messageLookChanged, this, &MainWindow::applyMessageFont);
}

// Pushes every setting into the window: check marks, timers, language, colours, size, layout
// and background, in that order.
void MainWindow::applySettings() {
    const Settings& s = settings();
    applyAnimations();
    applyBindings();
    applyLanguage();
    sound_.setPreferredBank(s.soundBank);
    soundMenus_->apply();
    // The tune itself (its synthesiser, its bank, the loading window) waits for the first frame.
    soundMenus_->showTune();
    background_->showRecentPictures();
    applyMessageFont();
    book_->check("MenuSymbolesCouleur", s.colourSymbols);
    sprites_.setSymbols(s.colourSymbols);
    for (int c = 0; c < 5; ++c) applySmileyColour(c);
    showLayout();
    composeBackground(s.background == PictureBackground
                          ? std::optional<std::string>(s.recentPictures[0])
                          : KeepPicture);
    repaintAll();
}

} // namespace kp
