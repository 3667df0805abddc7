#pragma once
// The about page of the dialog: the title with its three smileys, the version, the freeware
// lines, the mail link, the language flags, the clown and, at the foot, the score table (or
// the beta-testers while the clown is held down).

#include "ui/about_animation.h"

#include "persistence/scores.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;

namespace kp {

class BetaPanel;
class ImageLabel;
class LeaderLabel;
class ScorePanel;

class AboutPage : public QWidget {
  public:
    // The picture of smiley colour `couleur` (0..4) in phase 1..4.
    using Images = std::function<QPixmap(int couleur, int phase)>;

    static constexpr int TailleSmiley = 32;
    static constexpr QPoint PlaceClown{300, 92};

    explicit AboutPage(QWidget* parent = nullptr);

    void setImages(Images images) { images_ = std::move(images); }
    // Where the animation's random draws come from (tests replay a fixed series).
    void setHasard(AnimationAPropos::Hasard hasard) { hasard_ = std::move(hasard); }

    // The show handler's part: the smileys back on the title, the clown hidden, the timer on.
    void demarrerAnimation();
    void arreterAnimation() { timer_.stop(); }
    void reprendreAnimation() { timer_.start(); }
    bool animationActive() const { return timer_.isActive(); }
    // One tick of the 75 ms timer.
    void TimerAProposTimer();
    const AnimationAPropos& animation() const { return anim_; }

    void afficherPalmares(const ScoreTable& table, const std::array<int32_t, 5>& couleurs);
    void applyLanguage(int language);

    QString titre() const;
    QString version() const;

    // What the page asks of the dialog.
    std::function<void()> onMail, onFrancais, onAnglais, onEffacer;

  private:
    void placerPanneaux();
    void survolDrapeau(int drapeau, bool dessus);
    void montrerTesteurs(bool montrer);
    void appliquerAnimation();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    Images images_;
    AnimationAPropos::Hasard hasard_;
    AnimationAPropos anim_;
    QTimer timer_;

    QLabel* titre_;
    QLabel* version_;
    QLabel* freeware2_;
    ImageLabel* mail_;
    ImageLabel* mailTexte_;
    std::array<QFrame*, 2> panneauxDrapeaux_{};
    std::array<ImageLabel*, 2> drapeaux_{};
    std::array<QPixmap, 2> imagesDrapeaux_, imagesEnfoncees_;
    ImageLabel* clown_;
    std::array<QLabel*, 3> smileys_{};
    ScorePanel* palmares_;
    LeaderLabel* effacerLabel_;
    QPushButton* effacer_;
    BetaPanel* testeurs_;
};

} // namespace kp
