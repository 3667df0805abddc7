#pragma once
// The about page of the dialog: the title with its three smileys, the version, the freeware
// lines, the mail link, the language flags, the clown and, at the foot, the score table (or
// the beta-testers while the clown is held down).

#include "ui/about_animation.h"
#include "ui/translations.h"

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

class AboutPage : public Translated<QWidget> {
  public:
    // The picture of smiley colour `colour` (0..4) in phase 1..4.
    using Images = std::function<QPixmap(int colour, int phase)>;

    static constexpr int SmileySize = 32;
    static constexpr QPoint ClownPlace{300, 92};

    explicit AboutPage(QWidget* parent = nullptr);

    void setImages(Images images) { images_ = std::move(images); }
    // Where the animation's random draws come from (tests replay a fixed series).
    void setPick(AboutShow::RandomPick pick) { pick_ = std::move(pick); }

    // The show handler's part: the smileys back on the title, the clown hidden, the timer on.
    void startShow();
    void stopShow() { timer_.stop(); }
    void resumeShow() { timer_.start(); }
    bool animationActive() const { return timer_.isActive(); }
    // One tick of the 75 ms timer.
    void onShowTick();
    const AboutShow& animation() const { return show_; }

    void showScoreTable(const ScoreTable& table, const std::array<int32_t, 5>& colours);
    ScorePanel* scorePanel() const { return scores_; }

    QString title() const;
    QString version() const;

    // What the page asks of the dialog.
    std::function<void()> onMail, onFrench, onEnglish, onErase;

  private:
    void placePanels();
    void flagHovered(int flag, bool over);
    void showTesters(bool shown);
    void applyShow();

  protected:
    void retranslate() override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    Images images_;
    AboutShow::RandomPick pick_;
    AboutShow show_;
    QTimer timer_;

    QLabel* title_;
    QLabel* version_;
    QLabel* freeware_;
    QLabel* freeware1_;
    QLabel* freeware2_;
    ImageLabel* mail_;
    ImageLabel* mailText_;
    std::array<QFrame*, 2> flagPanels_{};
    std::array<ImageLabel*, 2> flags_{};
    std::array<QPixmap, 2> flagImages_, pressedImages_;
    ImageLabel* clown_;
    std::array<QLabel*, 3> smileys_{};
    ScorePanel* scores_;
    LeaderLabel* eraseLabel_;
    QPushButton* erase_;
    BetaPanel* testers_;
};

} // namespace kp
