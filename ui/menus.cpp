// The menu bar: its items, their radio groups and check marks, and their captions in the two
// languages.
#include "main_window.h"

#include "ui/captions.h"
#include "ui/config_dialog.h"
#include "ui/menu_ids.h"
#include "ui/menu_rows.h"
#include "ui/name_dialog.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>

namespace kp {

QMenu* TForm1::addMenu(QMenu* parent, const char* id) {
    QMenu* menu = parent ? parent->addMenu(caption(id, 0)) : menuRows_->addMenu(caption(id, 0));
    menus_[id] = menu;
    return menu;
}

QAction* TForm1::addItem(QMenu* menu, const std::string& id, std::function<void()> handler,
                         QActionGroup* group, bool checkable, const QString& text) {
    QAction* a = menu->addAction(text.isEmpty() ? caption(id.c_str(), 0) : text);
    a->setCheckable(checkable || group);
    if (group) group->addAction(a);
    connect(a, &QAction::triggered, this, [handler] { handler(); });
    actions_[id] = a;
    return a;
}

void TForm1::addRadios(QMenu* menu, std::span<const char* const> items,
                       std::function<void(int)> choose) {
    QActionGroup* group = radioGroup();
    int value = 0;
    for (const char* id : items)
        addItem(
            menu, id, [choose, v = value++] { choose(v); }, group);
}

QActionGroup* TForm1::radioGroup() {
    auto* g = new QActionGroup(this);
    g->setExclusive(true);
    return g;
}

void TForm1::check(const std::string& id, bool on) {
    if (QAction* a = action(id)) a->setChecked(on);
}

void TForm1::buildMenus() {
    menuRows_ = new MenuRows(this);
    setMenuWidget(menuRows_);
    QMenu* fichier = addMenu(nullptr, "MenuFichier");
    addItem(fichier, "MenuNouveauJeu", [this] { game_.newGame(); })->setShortcut(Qt::Key_F2);
    addItem(fichier, "MenuRecommencerNiveau", [this] {
        game_.restartLevel();
    })->setShortcut(Qt::Key_F3);
    addItem(fichier, "MenuPasserNiveau", [this] { game_.skipLevel(); })->setShortcut(Qt::Key_F4);
    QAction* pause = addItem(
        fichier, "MenuPause", [this] { game_.togglePause(); }, nullptr, true);
    pause->setShortcut(Qt::Key_F5);
    // The action owns the check mark's truth: the rules say whether the game is paused.
    connect(pause, &QAction::triggered, this,
            [this, pause] { pause->setChecked(game_.state().paused); });
    addItem(fichier, "MenuPanic", [this] { game_.panic(); })->setShortcut(Qt::Key_Escape);
    fichier->addSeparator();
    addItem(fichier, "MenuOuvrir", [this] { ouvrirPartie(); });
    addItem(fichier, "MenuEnregistrerSous", [this] { enregistrerPartie(); });
    fichier->addSeparator();
    addItem(fichier, "MenuQuitter", [this] { quitter(); });

    // The notification-area icon's menu, while the game is hidden.
    popup_ = new QMenu(this);
    addItem(popup_, "MenuPopupPanicRestaurer", [this] { game_.unhide(); });
    addItem(popup_, "MenuPopupQuitter", [this] { quitter(); });

    QMenu* options = addMenu(nullptr, "MenuOptions");
    QMenu* langueMenu = addMenu(options, "MenuLangue");
    addRadios(langueMenu, ids::langue,
              [this](int v) { v == 1 ? LangueAnglais() : LangueFrancais(); });

    QMenu* animVirus = addMenu(options, "MenuAnimVirus");
    addRadios(animVirus, ids::animVirus, [this](int v) {
        settings_.AnimationVirus = v;
        game_.setSmileyAnimation(v);
    });

    QMenu* animSuppr = addMenu(options, "MenuAnimSuppr");
    addRadios(animSuppr, ids::animSuppr, [this](int v) {
        settings_.AnimationSuppr = v;
        game_.setRemovalAnimation(v);
    });
    QMenu* supprOptions = addMenu(animSuppr, "MenuAnimSupprOptions");
    addItem(
        supprOptions, "MenuAnimSupprTremblement",
        [this] {
            settings_.Tremblement = settings_.Tremblement ? 0 : 1;
            game_.setShake(settings_.Tremblement != 0);
            check("MenuAnimSupprTremblement", settings_.Tremblement != 0);
        },
        nullptr, true);

    QMenu* taille = addMenu(options, "MenuSmileyTaille");
    QActionGroup* tailles = radioGroup();
    addItem(
        taille, "MenuSmileyTailleNormale", [this] { choisirTaille(0); }, tailles);
    taille->addSeparator();
    const std::pair<const char*, int> sizes[] = {
        {"MenuSmileyTaille50", 1},  {"MenuSmileyTaille75", 2},  {"MenuSmileyTaille100", 0},
        {"MenuSmileyTaille150", 3}, {"MenuSmileyTaille200", 4}, {"MenuSmileyTaille300", 5}};
    for (const auto& [id, value] : sizes)
        addItem(
            taille, id, [this, value = value] { choisirTaille(value); }, tailles);

    QMenu* couleurs = addMenu(options, "MenuSmileyCouleur");
    addItem(couleurs, "MenuSmileyCouleurOrigine", [this] { couleursParDefaut(); });
    couleurs->addSeparator();
    const char* colourIds[] = {"MenuSmileyCouleur0", "MenuSmileyCouleur1", "MenuSmileyCouleur2",
                               "MenuSmileyCouleur3", "MenuSmileyCouleur4"};
    for (int c = 0; c < 5; ++c)
        addItem(couleurs, colourIds[c], [this, c] { choisirCouleurSmiley(c); });

    QMenu* pinup = addMenu(options, "MenuPinup");
    addRadios(pinup, ids::pinup, [this](int v) {
        settings_.Pinup = v;
        game_.setPinup(v);
    });

    options->addSeparator();
    buildSoundMenus(options);
    options->addSeparator();
    buildBackgroundMenu(options);

    QMenu* affichage = addMenu(options, "MenuAffichage");
    addItem(
        affichage, "MenuAffCompteurs", [this] { basculerAffichage(&Settings::AffCompteurs); },
        nullptr, true);
    addItem(
        affichage, "MenuAffPieceSuivante",
        [this] { basculerAffichage(&Settings::AffPieceSuivante); }, nullptr, true);
    affichage->addSeparator();
    addItem(affichage, "MenuCouleurTexte", [this] { choisirPoliceMessages(); });
    options->addSeparator();
    addItem(options, "MenuConfig", [this] { form2_->showTab(TForm2::OngletConfiguration); });

    QMenu* aide = addMenu(nullptr, "MenuPtInterro");
    addItem(aide, "MenuAide", [this] {
        form2_->showTab(TForm2::OngletAide);
    })->setShortcut(Qt::Key_F1);
    addItem(aide, "MenuAPropos", [this] { form2_->showTab(TForm2::OngletAPropos); });
}

void TForm1::buildBackgroundMenu(QMenu* options) {
    QMenu* fond = addMenu(options, "MenuFond");
    QActionGroup* modes = radioGroup();
    addItem(
        fond, "MenuFondUni", [this] { fondUni(); }, modes);
    addItem(
        fond, "MenuFondDegrade", [this] { fondDegrade(); }, modes);
    addItem(
        fond, "MenuFondLogo", [this] { fondLogo(); }, modes);
    fond->addSeparator();
    addItem(
        fond, "MenuFondCharger", [this] { fondCharger(); }, modes);
    // The recent pictures: captions and visibility come with the list.
    for (int i = 1; i <= 10; ++i)
        addItem(
            fond, "MenuFond" + std::to_string(i), [this, i] { fondRecent(i); }, modes, true,
            QStringLiteral(" "))
            ->setVisible(false);
    fond->addSeparator();

    QMenu* taille = addMenu(fond, "MenuImageFondTaille");
    QActionGroup* tailles = radioGroup();
    tailles->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const std::pair<const char*, int> sizes[] = {
        {"MenuTailleNormale", 0},        {"MenuTailleEtiree", 1}, {"MenuTailleAjusteeLargeur", 2},
        {"MenuTailleAjusteeHauteur", 3}, {"MenuTaille25pc", 4},   {"MenuTaille50pc", 5},
        {"MenuTaille75pc", 6},           {"MenuTaille100pc", 0},  {"MenuTaille150pc", 7},
        {"MenuTaille200pc", 8}};
    for (const auto& [id, value] : sizes) {
        const bool member = std::string(id) != "MenuTaille100pc"; // never shows a mark
        addItem(
            taille, id,
            [this, value = value] {
                changerFond([value](BackgroundSettings& b) { b.ImageFondTaille = value; });
            },
            member ? tailles : nullptr, member);
        if (std::string(id) == "MenuTailleAjusteeHauteur" || std::string(id) == "MenuTaille75pc")
            taille->addSeparator();
    }

    QMenu* position = addMenu(fond, "MenuImageFondPosition");
    addRadios(position, ids::positionH, [this](int v) {
        changerFond([v](BackgroundSettings& b) { b.ImageFondPositionH = v; });
    });
    position->addSeparator();
    addRadios(position, ids::positionV, [this](int v) {
        changerFond([v](BackgroundSettings& b) { b.ImageFondPositionV = v; });
    });

    QMenu* imageOptions = addMenu(fond, "MenuImageFondOptions");
    addItem(
        imageOptions, "MenuOptionsMosaique",
        [this] { changerFond([](BackgroundSettings& b) { b.Mosaique = !b.Mosaique; }); }, nullptr,
        true);
    addItem(
        imageOptions, "MenuOptionsNoirEtBlanc",
        [this] { changerFond([](BackgroundSettings& b) { b.NoirEtBlanc = !b.NoirEtBlanc; }); },
        nullptr, true);
    addItem(
        imageOptions, "MenuOptionsNegatif",
        [this] { changerFond([](BackgroundSettings& b) { b.Negatif = !b.Negatif; }); }, nullptr,
        true);
    addItem(fond, "MenuCouleurBordure", [this] { couleurBordure(); });
}

void TForm1::appliquerLangue(int langue) {
    settings_.Langue = langue;
    check(langue == 1 ? "MenuLangueAnglais" : "MenuLangueFrancais");
    // Items without a row (tunes, recent pictures) keep their captions.
    for (const Caption& row : menuCaptions()) {
        const QString text = caption(row.id, langue);
        if (QAction* a = action(row.id)) a->setText(text);
        if (const auto m = menus_.find(row.id); m != menus_.end()) m->second->setTitle(text);
    }
    setStandardDialogLanguage(langue);
    fitMenuRows(); // the titles' widths changed
    if (nomDialogue_) nomDialogue_->appliquerLangue(langue);
    if (form2_) form2_->appliquerLangue(langue);
    afficherMessage();
}

void TForm1::majRecents() {
    for (int i = 1; i <= 10; ++i) {
        QAction* a = action("MenuFond" + std::to_string(i));
        const std::string text = RecentCaption(i, settings_.CheminFond[i - 1]);
        a->setText(QString::fromStdString(text));
        a->setVisible(RecentCaptionVisible(text));
    }
}

// Pushes every setting into the window: check marks, timers, language, colours, size, layout
// and background, in that order.
void TForm1::appliquerReglages() {
    const Settings& s = settings_;
    check(ids::pinup[s.Pinup]);
    game_.setPinup(s.Pinup);
    check("MenuAffCompteurs", s.AffCompteurs != 0);
    check("MenuAffPieceSuivante", s.AffPieceSuivante != 0);
    check("MenuAnimSupprTremblement", s.Tremblement != 0);
    game_.setShake(s.Tremblement != 0);
    check(ids::animVirus[s.AnimationVirus]);
    game_.setSmileyAnimation(s.AnimationVirus);
    check(ids::animSuppr[s.AnimationSuppr]);
    game_.setRemovalAnimation(s.AnimationSuppr);
    appliquerLangue(s.Langue);
    appliquerSon();
    majRecents();
    appliquerPolice();
    for (int c = 0; c < 5; ++c) MenuSmileyCouleurGo(c);
    cocherTaille();
    RetaillerEcran();
    CreerBmpFond(s.Fond == FondImage ? s.CheminFond[0] : Idem);
    repaintAll();
}

} // namespace kp
