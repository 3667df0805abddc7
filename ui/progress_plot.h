#pragma once
// The plot of the statistics tab: two series over the last games, each on its own value axis
// (the first on the left, the second on the right, in the series' colours), the games along
// the bottom, a title above and a legend below. Drawn with QPainter: a plot this small is not
// worth a charting library's start-up and memory.

#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <array>

class QPainter;

namespace kp {

class ProgressPlot : public QWidget {
  public:
    struct Series {
        QString name;
        QColor colour;
        int decimals = 0;      // of the axis labels
        QList<QPointF> points; // x: the game's number from 1, y: the value
        double top = 1;        // the axis runs from 0 to here
    };

    explicit ProgressPlot(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    void setGamesTitle(const QString& title);
    // The games axis runs from 1 to `games` (2 at least).
    void setGames(int games);
    Series& series(int i) { return series_[size_t(i)]; }
    const Series& series(int i) const { return series_[size_t(i)]; }
    QString title() const { return title_; }

    QSize sizeHint() const override { return {420, 220}; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    static QString label(const Series& s, double v);
    // Where a game's number lies across the plotting area.
    double xAt(const QRect& area, double game) const;
    void drawValueAxes(QPainter& p, const QRect& area, int left, int right) const;
    void drawGamesAxis(QPainter& p, const QRect& area) const;
    void drawSeries(QPainter& p, const QRect& area) const;
    void drawLegend(QPainter& p) const;

    QString title_, gamesTitle_;
    int games_ = 2;
    std::array<Series, 2> series_;
};

} // namespace kp
