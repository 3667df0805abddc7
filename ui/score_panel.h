#pragma once
// The two panels at the foot of the about page: the table of the three best scores, and the
// beta-testers, who take its place while the clown is held down.

#include "persistence/scores.h"
#include "ui/translations.h"

#include <QFrame>

#include <array>
#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;

namespace kp {

class ScorePanel : public Translated<QFrame> {
  public:
    explicit ScorePanel(QWidget* parent = nullptr);

    // Shows the table; ranks and names 1 to 3 take the smiley colours 1 to 3 (0x00BBGGRR).
    void showTable(const ScoreTable& table, const std::array<int32_t, 5>& colours);
    // "Voir" / "Watch" on a line whose game kept its replay (rank 0..2).
    void setWatchable(int rank, bool watchable);
    QPushButton* watchButton(int rank) const { return watch_[static_cast<size_t>(rank)]; }
    std::function<void(int rank)> onWatch;

  protected:
    void retranslate() override;

  private:
    QLabel* title_;
    std::array<QLabel*, 4> headers_{}; // Clt, Champion(ne), Score, Date
    struct ParameterRow {
        QLabel *rank, *name, *level, *bar, *left, *date;
    };
    std::array<ParameterRow, 3> lines_{};
    std::array<QPushButton*, 3> watch_{};
};

class BetaPanel : public Translated<QFrame> {
  public:
    static constexpr int Testers = 7;
    explicit BetaPanel(QWidget* parent = nullptr);

  protected:
    void retranslate() override;

  private:
    QLabel* title_;
};

// The dark scoreboard look both panels share.
void styleTable(QFrame* panel);

} // namespace kp
