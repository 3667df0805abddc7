#pragma once
// The statistics tab of the configuration dialog: the totals over every game, the best and
// average time of each level, the matches against the computer, and a plot of the last games (time
// per level won, smileys cleared per minute) that shows at a glance whether the player improves.
// "Effacer" / "Clear" empties the statistics once the player has said yes.

#include "persistence/statistics.h"
#include "ui/translations.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace kp {

class ProgressPlot;

class StatisticsPage : public Translated<QWidget> {
  public:
    explicit StatisticsPage(QWidget* parent = nullptr);

    void showStatistics(const Statistics& statistics);
    static QString tabCaption();

    // "Effacer": the dialog asks, clears the file, and shows the statistics again.
    std::function<void()> onClear;

    ProgressPlot* plot() const { return plot_; }
    QTableWidget* levelTable() const { return levels_; }
    // The matches against each level of the computer, on a tab of their own from the first.
    QTableWidget* matchTable() const { return matches_; }
    QTabWidget* tables() const { return tables_; }
    QPushButton* clearButton() const { return clear_; }
    // The value shown for total `i` (games, levels won, smileys, capsules, chain, time).
    QString total(int i) const;

  protected:
    void retranslate() override;

  private:
    static constexpr int Totals = 6;
    Statistics shown_;
    std::array<QLabel*, Totals> totalNames_{};
    std::array<QLabel*, Totals> totalValues_{};
    QTabWidget* tables_;
    QTableWidget* levels_;
    QTableWidget* matches_;
    ProgressPlot* plot_;
    QPushButton* clear_;
};

// "1 h 02 min 05 s", "3 min 20 s", "42 s", with the units of the language in use.
QString durationText(int64_t seconds);

} // namespace kp
