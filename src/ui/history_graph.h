// The statistics pages' chart, drawn with QPainter: lines over the months of a history (oldest
// on the left) or one bar a figure, with a value axis, month labels and a legend. Every length
// comes from the widget's font, so the chart reads the same at every desktop scale; money is
// labelled "#,##0" in thousands of yen.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>

#include "base/money.h"
#include "store/history.h"

namespace gm {

// Round steps for a value axis from lo to hi (lo <= 0 <= hi is not required): the ticks, first
// at or below lo, last at or above hi, about five of them, each a multiple of 1, 2 or 5 x 10^n.
std::vector<double> axisTicks(double lo, double hi);

class HistoryGraph : public QWidget {
  Q_OBJECT

 public:
  struct Line {
    QString name;
    QColor colour;
    std::array<Money, kHistoryMonths> values{};  // oldest first; `months` of them count
  };
  struct Bar {
    QString name;
    QColor colour;
    Money value;
  };

  explicit HistoryGraph(QWidget* parent = nullptr);

  // `monthLabels` names the months, oldest first. Ratings keep the axis at 0..100, so that
  // one store's chart compares with another's; money takes the range its values need.
  void showLines(const QStringList& monthLabels, const std::vector<Line>& lines, bool ratings);
  void showBars(const QString& caption, const std::vector<Bar>& bars);
  // What the chart says while it has nothing to draw.
  void showNothing(const QString& text);

  bool drawsBars() const { return bars_; }
  int seriesCount() const { return static_cast<int>(bars_ ? barList_.size() : lines_.size()); }
  QString seriesName(int i) const;
  const QStringList& monthLabels() const { return months_; }
  // The axis labels of the last paint, top to bottom.
  const QStringList& axisLabels() const { return axisLabels_; }
  // Every word the chart paints: the legend and the month labels, or what it says with nothing
  // to draw.
  QStringList writtenTexts() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString valueText(double v) const;

  bool bars_ = false;
  bool ratings_ = false;
  QString caption_;
  QString nothing_;
  QStringList months_;
  std::vector<Line> lines_;
  std::vector<Bar> barList_;
  QStringList axisLabels_;
};

}  // namespace gm
