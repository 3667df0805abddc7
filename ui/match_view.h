#pragma once
// A match in the window: two boards side by side over the one background, the player's on the
// left and the opponent's on the right (the computer at one of its levels, or a second player
// at this keyboard), and between them a narrow strip with the rounds won, the halves waiting
// to fall on each board and the opponent's name. The match is a table of two boards, the
// computer or a recording at a seat; the view runs it on the wall clock and words the end of
// each round and of the match.

#include "ui/board.h"
#include "ui/clock_driver.h"
#include "ui/replay_controls.h"
#include "ui/stage.h"

#include "cpu/player.h"
#include "engine/match.h"
#include "engine/replay.h"
#include "engine/table.h"
#include "persistence/settings.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QLabel;
class QPushButton;

namespace kp {

class Connection;
class NetworkPeer;

class MatchView : public QWidget, public Stage, public Timeline {
  public:
    // What the match asks of the window around it.
    class Host {
      public:
        virtual void pauseChanged(bool paused) = 0;
        virtual void panicChanged(bool hidden) = 0;
        // The match came to its end as it was played (not played again).
        virtual void matchEnded() = 0;
        // "Revanche": the same choices again.
        virtual void rematch() = 0;
        // A match played again came to its end; `proved` when its boards are those it recorded.
        virtual void replayEnded(bool proved) = 0;
        // A network match stopped because the two computers no longer agree (or the other
        // broke the rules): this side's record of it, for a bug report.
        virtual void networkFailed(const Recording& recording) = 0;

      protected:
        ~Host() = default;
    };

    struct Setup {
        DuelSettings duel;
        LevelParameters params;
        GameOptions options;
        uint32_t seed = 0;
        // A recorded match to play again in place of a new one (its settings and inputs).
        std::shared_ptr<const Recording> replay;
        // A match with a player on another computer, in place of the choices above.
        struct Remote {
            MatchSettings settings;
            int own = 0; // the board played here, shown on the left
            QString peerName;
            Connection* connection = nullptr; // taken by the view
            bool computer = false;            // the computer plays this side (tests)
        };
        std::optional<Remote> remote;
    };

    MatchView(const Setup& setup, Host& host, sound::SoundEffects& effects,
              const SpriteSet& sprites, const CounterDigits& digits, QWidget* parent);
    ~MatchView() override;

    Match& match() { return *match_; }
    const DuelSettings& duel() const { return duel_; }
    BoardDisplay& display(int p) { return *displays_[p]; }
    // Whether a person plays board p (the left one always; the right one against a friend);
    // nobody does in a replay.
    bool played(int p) const override {
        if (peer_) return p == 0 && !computer_;
        return !replay_ && (p == 0 || duel_.opponent == DuelSettings::SecondPlayer);
    }
    // The board played at this window's keys (the first but in a network match's guest).
    int ownBoard() const { return own_; }
    bool networked() const { return peer_ != nullptr; }
    NetworkPeer* peer() const { return peer_.get(); }
    bool replaying() const { return replay_ != nullptr; }
    // A match played again: its speed, keys and banner, as a single game's replay has; null
    // for a match in play.
    ReplayControls* replayControls() const override { return replayControls_.get(); }
    // Step by step: plays up to and including a player's next input.
    void stepReplay();

    // The strip's width for a cell size.
    static int stripWidth(int cellSize);
    // Where the opponent's name goes in a strip of that size, and its font.
    static QRect nameArea(int stripWidth, int height);
    static QFont nameFont(QFont font);
    // Each board laid out as a single board would be; the strip between them.
    void setLayout(const WindowLayout& board, int cellSize) override;
    int besideWidth(int boardWidth, int cellSize) const override {
        return boardWidth + stripWidth(cellSize);
    }
    // The composed background, as wide as the whole client area: each board and the strip
    // take their part of it.
    void setBackground(const QImage& background) override;
    void setMessageLook(const QFont& font, QColor colour) override;
    // The colour a shaking board uncovers.
    void setBorderColour(QColor colour) { border_ = colour; }

    // Starts the clock (once the view is in the window).
    void start();
    // The time since start() in ms: the wall clock's, or a test's virtual one.
    void setClock(std::function<int64_t()> elapsed) { driver_.setWall(std::move(elapsed)); }

    // Player p's move; any other key resumes a paused match (p < 0: no board's key).
    void play(int p, Command command, bool pressed, bool gameRepeat) override;
    void togglePause() override;
    void panic() override;
    void unhide() override;
    // As a stage in the window.
    QWidget* widget() override { return this; }
    const LevelParameters& parameters() const override { return match_->settings().params; }
    bool paused() const override { return match_->board(own_).state().paused; }
    void redraw() override { update(); }

    // The strip and the messages worded again in the language in use.
    void retranslate();
    // The match on its clock, as the driver runs it on the wall's (tests drive it on virtual
    // time): the seats play on the way, a replay stops at its recording's end.
    int64_t now() const override { return replayer_ ? replayer_->now() : table_->now(); }
    int64_t nextDue() override;
    void advanceTo(int64_t time) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct Side;
    void seatNetwork(const Setup::Remote& remote);
    void networkEnded(int why);
    // The board shown on the left (0) or the right (1) of the strip.
    int boardAt(int side) const { return side ^ own_; }
    void endReplay();
    void showBanner();
    void updateStrip();
    void showResults();
    void drawStrip(QPainter& p) const;
    void drawQueues(QPainter& p, int left, int half, int below) const;

    Host& host_;
    const SpriteSet& sprites_;
    DuelSettings duel_;
    std::array<std::unique_ptr<Side>, 2> sides_;
    std::array<std::unique_ptr<BoardDisplay>, 2> displays_;
    std::unique_ptr<CpuPlayer> cpu_;
    std::unique_ptr<Match> match_;
    std::unique_ptr<Table> table_;
    std::unique_ptr<CpuMatchSeat> cpuSeat_;
    std::unique_ptr<NetworkPeer> peer_;
    QString peerName_;
    QString networkEnd_; // why a network match stopped short, on both boards
    int own_ = 0;
    bool computer_ = false;
    std::shared_ptr<const Recording> replay_;
    std::unique_ptr<Replay> replayer_;
    QPushButton* rematch_;
    ClockDriver driver_{*this, this};
    std::unique_ptr<ReplayControls> replayControls_;
    std::vector<int32_t> stripShown_;
    int32_t roundsShown_ = 0;
    bool overShown_ = false;
    bool endShown_ = false; // the boards show the last round's end, the next one not begun
    QImage stripBackground_;
    QColor border_ = Qt::black;
    int stripLeft_ = 0, boardWidth_ = 0, boardTop_ = 0, cellSize_ = 16;
    int replayBand_ = 0; // the band above the boards that a replay's banner takes
};

} // namespace kp
