#include "statistics_page.h"

#include "ui/captions.h"
#include "ui/progress_plot.h"
#include "ui/score_panel.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kp {

namespace {

constexpr const char* TotalCaptions[] = {
    QT_TRANSLATE_NOOP("Statistics", "Games played"),
    QT_TRANSLATE_NOOP("Statistics", "Levels won"),
    QT_TRANSLATE_NOOP("Statistics", "Smileys cleared"),
    QT_TRANSLATE_NOOP("Statistics", "Capsules placed"),
    QT_TRANSLATE_NOOP("Statistics", "Longest chain"),
    QT_TRANSLATE_NOOP("Statistics", "Total time played"),
};
constexpr const char* LevelHeaders[] = {
    QT_TRANSLATE_NOOP("Statistics", "Level"), QT_TRANSLATE_NOOP("Statistics", "Won"),
    QT_TRANSLATE_NOOP("Statistics", "Best time"), QT_TRANSLATE_NOOP("Statistics", "Average time")};

constexpr const char* MatchHeaders[] = {
    QT_TRANSLATE_NOOP("Statistics", "Against"), QT_TRANSLATE_NOOP("Statistics", "Wins"),
    QT_TRANSLATE_NOOP("Statistics", "Losses"), QT_TRANSLATE_NOOP("Statistics", "Best chain"),
    QT_TRANSLATE_NOOP("Statistics", "Attacks sent")};

constexpr const char* LevelsTab = QT_TRANSLATE_NOOP("Statistics", "Levels");
constexpr const char* MatchesTab = QT_TRANSLATE_NOOP("Statistics", "Matches");

// Each column as wide as its title and cells need, and the room left shared evenly: columns
// stretched alike would cut a long title ("Niederlagen") to give a short one its equal share.
void fitColumns(QTableWidget* table) {
    QHeaderView* header = table->horizontalHeader();
    const QAbstractItemView* view = table;
    const int n = table->columnCount();
    std::vector<int> need(static_cast<size_t>(n));
    int spare = table->viewport()->width();
    for (int c = 0; c < n; ++c) {
        need[c] = std::max(header->sectionSizeHint(c), view->sizeHintForColumn(c));
        spare -= need[c];
    }
    spare = std::max(spare, 0);
    for (int c = 0; c < n; ++c)
        header->resizeSection(c, need[c] + spare * (c + 1) / n - spare * c / n);
}

// As tall as its titles and five rows: a match record against every level of the computer
// shows whole, and the plot below has the rest of the page.
class RecordTable : public QTableWidget {
  public:
    static constexpr int RowsShown = Statistics::CpuLevels;

    RecordTable(QWidget* parent, const char* name, int columns) : QTableWidget(0, columns, parent) {
        setObjectName(QLatin1String(name));
        verticalHeader()->hide();
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setSelectionMode(QAbstractItemView::NoSelection);
        horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        verticalHeader()->setDefaultSectionSize(18);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override {
        return {QTableWidget::sizeHint().width(),
                horizontalHeader()->sizeHint().height() +
                    RowsShown * verticalHeader()->defaultSectionSize() + 2 * frameWidth()};
    }

  protected:
    // The viewport narrows when a long table's scroll bar comes, too.
    bool viewportEvent(QEvent* event) override {
        const bool done = QTableWidget::viewportEvent(event);
        if (event->type() == QEvent::Resize) fitColumns(this);
        return done;
    }
};

void fillRow(QTableWidget* table, int row, std::initializer_list<QString> cells) {
    int c = 0;
    for (const QString& cell : cells) {
        auto* item = new QTableWidgetItem(cell);
        item->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, c++, item);
    }
}

QString pick(const char* source) {
    return QCoreApplication::translate("Statistics", source);
}

// The axis reaches a round number a little above the highest point.
double roundedTop(double highest) {
    if (highest <= 0) return 1;
    const double step = std::pow(10.0, std::floor(std::log10(highest)));
    return std::ceil(highest * 1.1 / step) * step;
}

} // namespace

QString durationText(int64_t seconds) {
    const int64_t h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    if (h > 0)
        return QCoreApplication::translate("Statistics", "%1 h %2 min %3 s")
            .arg(h)
            .arg(m, 2, 10, QLatin1Char('0'))
            .arg(s, 2, 10, QLatin1Char('0'));
    if (m > 0)
        return QCoreApplication::translate("Statistics", "%1 min %2 s")
            .arg(m)
            .arg(s, 2, 10, QLatin1Char('0'));
    return QCoreApplication::translate("Statistics", "%1 s").arg(s);
}

StatisticsPage::StatisticsPage(QWidget* parent) : Translated(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->setSpacing(5);

    // The totals, on the score table's dark board.
    auto* totals = new QFrame(this);
    totals->setObjectName(QStringLiteral("PanelStatistiques"));
    styleTable(totals);
    auto* grid = new QGridLayout(totals);
    grid->setContentsMargins(10, 5, 10, 5);
    grid->setVerticalSpacing(1);
    for (int i = 0; i < Totals; ++i) {
        totalNames_[i] = new QLabel(totals);
        totalValues_[i] = new QLabel(totals);
        totalValues_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        totalValues_[i]->setStyleSheet(QStringLiteral("color: #ffd75a; font-weight: bold;"));
        const int row = i % 3, col = i / 3 * 2;
        grid->addWidget(totalNames_[i], row, col);
        grid->addWidget(totalValues_[i], row, col + 1);
    }
    grid->setColumnMinimumWidth(1, 70);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    page->addWidget(totals);

    // The levels, and beside them on a tab of their own once there is one, the matches against
    // the computer. With one tab the page looks as it always did: no tab bar.
    tables_ = new QTabWidget(this);
    tables_->setObjectName(QStringLiteral("OngletsStatistiques"));
    tables_->setDocumentMode(true);
    tables_->setTabBarAutoHide(true);
    levels_ = new RecordTable(tables_, "TableNiveaux", 4);
    tables_->addTab(levels_, QString());
    matches_ = new RecordTable(tables_, "TableDuels", 5);
    page->addWidget(tables_);

    plot_ = new ProgressPlot(this);
    plot_->setObjectName(QStringLiteral("ChartProgres"));
    plot_->series(0).colour = QColor(0x26, 0x38, 0x6a);
    plot_->series(1).colour = QColor(0xd8, 0x8a, 0x00);
    plot_->series(1).decimals = 1;
    page->addWidget(plot_, 1);

    auto* row = new QHBoxLayout;
    row->addStretch();
    clear_ = new QPushButton(this);
    clear_->setObjectName(QStringLiteral("BtnEffacerStatistiques"));
    connect(clear_, &QPushButton::clicked, this, [this] {
        if (onClear) onClear();
    });
    row->addWidget(clear_);
    page->addLayout(row);

    retranslate();
}

QString StatisticsPage::tabCaption() {
    return QCoreApplication::translate("Statistics", "Statistics");
}

QString StatisticsPage::total(int i) const {
    return totalValues_[static_cast<size_t>(std::clamp(i, 0, Totals - 1))]->text();
}

void StatisticsPage::showStatistics(const Statistics& s) {
    shown_ = s;
    const QLocale locale = Translations::locale();
    const int64_t counts[] = {s.gamesPlayed, s.levelsWon, s.smileysCleared, s.capsulesPlaced,
                              s.longestChain};
    for (int i = 0; i < 5; ++i) totalValues_[i]->setText(locale.toString(qlonglong(counts[i])));
    totalValues_[5]->setText(durationText(s.secondsPlayed));

    levels_->setRowCount(static_cast<int>(s.levels.size()));
    int row = 0;
    for (const auto& [level, r] : s.levels)
        fillRow(levels_, row++,
                {QString::number(level), locale.toString(qlonglong(r.won)),
                 durationText(r.bestSeconds), durationText(std::llround(r.averageSeconds()))});

    matches_->setRowCount(0);
    for (int level = 0; level < Statistics::MatchLines; ++level) {
        const MatchRecord& m = s.matches[static_cast<size_t>(level)];
        if (m.empty()) continue;
        row = matches_->rowCount();
        matches_->setRowCount(row + 1);
        fillRow(matches_, row,
                {level == Statistics::NetworkLine ? networkLineName() : cpuLevelName(level),
                 locale.toString(qlonglong(m.won)), locale.toString(qlonglong(m.lost)),
                 locale.toString(m.longestChain), locale.toString(qlonglong(m.attacksSent))});
    }
    for (QTableWidget* table : {levels_, matches_}) fitColumns(table);
    const int matchTab = tables_->indexOf(matches_);
    if (matches_->rowCount() > 0 && matchTab < 0)
        tables_->addTab(matches_, pick(MatchesTab));
    else if (matches_->rowCount() == 0 && matchTab >= 0)
        tables_->removeTab(matchTab);

    QList<QPointF> perLevel, perMinute;
    double topSeconds = 0, topRate = 0;
    int n = 0;
    for (const PlayedGame& g : s.recent) {
        ++n;
        if (const auto v = g.secondsPerLevel()) {
            perLevel.append({double(n), *v});
            topSeconds = std::max(topSeconds, *v);
        }
        if (const auto v = g.smileysPerMinute()) {
            perMinute.append({double(n), *v});
            topRate = std::max(topRate, *v);
        }
    }
    plot_->series(0).points = perLevel;
    plot_->series(1).points = perMinute;
    plot_->setGames(n);
    // Whole seconds: a range under five would repeat its labels ("0 0 0 0 0 1").
    plot_->series(0).top = std::max(5.0, roundedTop(topSeconds));
    plot_->series(1).top = roundedTop(topRate);
    plot_->update();
    clear_->setEnabled(!s.empty());
}

void StatisticsPage::retranslate() {
    for (int i = 0; i < Totals; ++i) totalNames_[i]->setText(pick(TotalCaptions[i]));
    QStringList headers;
    for (const char* h : LevelHeaders) headers << pick(h);
    levels_->setHorizontalHeaderLabels(headers);
    headers.clear();
    for (const char* h : MatchHeaders) headers << pick(h);
    matches_->setHorizontalHeaderLabels(headers);
    tables_->setTabText(0, pick(LevelsTab));
    if (const int tab = tables_->indexOf(matches_); tab >= 0)
        tables_->setTabText(tab, pick(MatchesTab));
    plot_->setTitle(QCoreApplication::translate("Statistics", "The last 50 games"));
    plot_->series(0).name = QCoreApplication::translate("Statistics", "Seconds per level won");
    plot_->series(1).name = QCoreApplication::translate("Statistics", "Smileys cleared per minute");
    plot_->setGamesTitle(QCoreApplication::translate("Statistics", "Game"));
    clear_->setText(QCoreApplication::translate("Statistics", "&Clear"));
    showStatistics(shown_);
}

} // namespace kp
