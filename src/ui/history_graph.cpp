// The statistics chart.
#include "ui/history_graph.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace gm {

namespace {

double toDouble(Money m) { return static_cast<double>(m.raw()) / Money::kScale; }

// A legend entry's width: the colour square, a gap, the name and the space to the next entry.
int entryWidth(const QFontMetrics& fm, const QString& name) {
  return fm.height() + fm.height() / 3 + fm.horizontalAdvance(name) + fm.height();
}

}  // namespace

std::vector<double> axisTicks(double lo, double hi) {
  if (lo > hi) std::swap(lo, hi);
  if (hi - lo < 1e-9) {
    // A flat history still gets an axis around its value.
    const double around = std::max(1.0, std::abs(hi));
    lo -= around;
    hi += around;
  }
  const double rough = (hi - lo) / 5;
  const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
  double step = magnitude;
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    step = m * magnitude;
    if (step >= rough) break;
  }
  std::vector<double> ticks;
  const double first = std::floor(lo / step + 1e-9) * step;
  for (double t = first; t < hi + step * 0.999; t += step) ticks.push_back(t);
  if (ticks.size() < 2) ticks.push_back(first + step);
  return ticks;
}

HistoryGraph::HistoryGraph(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("graph"));
  setAutoFillBackground(false);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void HistoryGraph::showLines(const QStringList& monthLabels, const std::vector<Line>& lines,
                             bool ratings) {
  bars_ = false;
  ratings_ = ratings;
  months_ = monthLabels;
  lines_ = lines;
  barList_.clear();
  nothing_.clear();
  update();
}

void HistoryGraph::showBars(const QString& caption, const std::vector<Bar>& bars) {
  bars_ = true;
  ratings_ = false;
  caption_ = caption;
  barList_ = bars;
  lines_.clear();
  months_.clear();
  nothing_.clear();
  update();
}

void HistoryGraph::showNothing(const QString& text) {
  lines_.clear();
  barList_.clear();
  months_.clear();
  nothing_ = text;
  update();
}

QString HistoryGraph::seriesName(int i) const {
  return bars_ ? barList_[static_cast<std::size_t>(i)].name
               : lines_[static_cast<std::size_t>(i)].name;
}

QStringList HistoryGraph::writtenTexts() const {
  if (bars_ ? barList_.empty() : (lines_.empty() || months_.isEmpty())) return {nothing_};
  QStringList texts = months_;
  if (bars_) texts << caption_;
  for (int i = 0; i < seriesCount(); ++i) texts << seriesName(i);
  return texts;
}

QString HistoryGraph::valueText(double v) const {
  // Ticks are round numbers; the format is the screens' "#,##0".
  return QString::fromStdString(formatGrouped(static_cast<int64_t>(std::llround(v))));
}

QSize HistoryGraph::sizeHint() const {
  const int em = fontMetrics().height();
  return {em * 36, em * 18};
}

QSize HistoryGraph::minimumSizeHint() const {
  const int em = fontMetrics().height();
  return {em * 18, em * 10};
}

void HistoryGraph::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().base());
  const QFontMetrics fm(font());
  const int em = fm.height();
  const int pad = std::max(4, em / 2);
  axisLabels_.clear();

  const bool empty = bars_ ? barList_.empty() : (lines_.empty() || months_.isEmpty());
  if (empty) {
    p.setPen(palette().color(QPalette::PlaceholderText));
    p.drawText(rect(), Qt::AlignCenter, nothing_);
    return;
  }

  // The legend, wrapped over as many rows as the width needs.
  struct Entry {
    QString name;
    QColor colour;
  };
  std::vector<Entry> entries;
  if (bars_) {
    entries.push_back({caption_, QColor()});
  } else {
    for (const Line& l : lines_) entries.push_back({l.name, l.colour});
  }
  int legendRows = 1;
  for (int x = pad; const Entry& e : entries) {
    const int w = entryWidth(fm, e.name);
    if (x + w > width() - pad && x > pad) {
      ++legendRows;
      x = pad;
    }
    x += w;
  }
  {
    int x = pad, y = pad;
    for (const Entry& e : entries) {
      const int w = entryWidth(fm, e.name);
      if (x + w > width() - pad && x > pad) {
        x = pad;
        y += em + pad / 2;
      }
      int textX = x;
      if (e.colour.isValid()) {
        const int square = em * 2 / 3;
        p.fillRect(QRect(x, y + (em - square) / 2, square, square), e.colour);
        textX = x + em * 2 / 3 + em / 3;
      }
      p.setPen(palette().color(QPalette::Text));
      p.drawText(QRect(textX, y, w, em), Qt::AlignLeft | Qt::AlignVCenter, e.name);
      x += w;
    }
  }

  // The values' range, with zero always on the axis.
  double lo = 0, hi = 0;
  const int months = static_cast<int>(months_.size());
  if (bars_) {
    for (const Bar& b : barList_) {
      lo = std::min(lo, toDouble(b.value));
      hi = std::max(hi, toDouble(b.value));
    }
  } else {
    for (const Line& l : lines_)
      for (int i = 0; i < months && i < kHistoryMonths; ++i) {
        lo = std::min(lo, toDouble(l.values[i]));
        hi = std::max(hi, toDouble(l.values[i]));
      }
  }
  // A rating that strays out of 0..100 (it cannot, through the setters) still gets drawn.
  if (ratings_) lo = std::min(lo, 0.0), hi = std::max(hi, 100.0);
  const std::vector<double> ticks = axisTicks(lo, hi);
  int labelWidth = 0;
  for (double t : ticks) labelWidth = std::max(labelWidth, fm.horizontalAdvance(valueText(t)));

  const int left = pad + labelWidth + pad;
  const int top = pad + legendRows * (em + pad / 2) + pad;
  const int right = width() - pad * 2;
  const int bottom = height() - em - pad * 2;
  if (right - left < em * 2 || bottom - top < em * 2) return;
  const double t0 = ticks.front(), t1 = ticks.back();
  const auto yOf = [&](double v) { return bottom - (v - t0) / (t1 - t0) * (bottom - top); };

  // Grid and axis labels, top to bottom; the zero line stands out.
  const QColor gridColour = palette().color(QPalette::Mid);
  for (auto it = ticks.rbegin(); it != ticks.rend(); ++it) {
    const double y = yOf(*it);
    const bool zero = std::abs(*it) < 1e-9;
    p.setPen(QPen(zero ? palette().color(QPalette::Text) : gridColour, zero ? 1.5 : 0.5));
    p.drawLine(QPointF(left, y), QPointF(right, y));
    p.setPen(palette().color(QPalette::Text));
    const QString label = valueText(*it);
    axisLabels_ << label;
    p.drawText(QRectF(pad, y - em / 2.0, labelWidth, em), Qt::AlignRight | Qt::AlignVCenter, label);
  }
  p.setPen(QPen(palette().color(QPalette::Text), 1));
  p.drawLine(left, top, left, bottom);

  const int slotCount = bars_ ? static_cast<int>(barList_.size()) : months;
  const double slot = double(right - left) / slotCount;
  const auto xOf = [&](int i) { return left + slot * (i + 0.5); };
  // Labels under the slots; when they crowd, every second (or third...) one.
  QStringList labels;
  if (bars_) {
    for (const Bar& b : barList_) labels << b.name;
  } else {
    labels = months_;
  }
  int widest = 0;
  for (const QString& l : labels) widest = std::max(widest, fm.horizontalAdvance(l));
  const int every = std::max(1, static_cast<int>(std::ceil((widest + pad) / std::max(1.0, slot))));
  for (int i = 0; i < slotCount; ++i) {
    if ((slotCount - 1 - i) % every != 0) continue;  // the newest month always has its label
    p.drawText(QRectF(xOf(i) - slot * every / 2, bottom + pad / 2, slot * every, em),
               Qt::AlignHCenter | Qt::AlignTop, labels[i]);
  }

  if (bars_) {
    const double y0 = yOf(0);
    for (int i = 0; i < slotCount; ++i) {
      const Bar& b = barList_[static_cast<std::size_t>(i)];
      const double y = yOf(toDouble(b.value));
      const QRectF bar(xOf(i) - slot * 0.3, std::min(y, y0), slot * 0.6, std::abs(y - y0));
      p.fillRect(bar, b.colour);
      p.setPen(palette().color(QPalette::Text));
      const QString text = QString::fromStdString(formatGrouped(b.value));
      const double textY = b.value < Money() ? bar.bottom() + 2 : bar.top() - em - 2;
      p.drawText(QRectF(xOf(i) - slot / 2, textY, slot, em), Qt::AlignHCenter | Qt::AlignVCenter,
                 text);
    }
    return;
  }

  const double penWidth = std::max(2.0, em / 8.0);
  const double dot = std::max(2.5, em / 6.0);
  for (const Line& l : lines_) {
    QPainterPath path;
    for (int i = 0; i < months && i < kHistoryMonths; ++i) {
      const QPointF at(xOf(i), yOf(toDouble(l.values[i])));
      if (i == 0)
        path.moveTo(at);
      else
        path.lineTo(at);
    }
    p.setPen(QPen(l.colour, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setBrush(l.colour);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < months && i < kHistoryMonths; ++i)
      p.drawEllipse(QPointF(xOf(i), yOf(toDouble(l.values[i]))), dot, dot);
  }
}

}  // namespace gm
