// The figure grid.
#include "ui/figure_grid.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace gm {

FigureGrid::FigureGrid(const QStringList& rows, const QStringList& columns, QWidget* parent)
    : QTableWidget(static_cast<int>(rows.size()), static_cast<int>(columns.size()), parent) {
  setVerticalHeaderLabels(rows);
  setHorizontalHeaderLabels(columns);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setFocusPolicy(Qt::NoFocus);
  setWordWrap(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // On a low screen a grid gives up height before its window grows past the screen's edge: it
  // then scrolls its rows.
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
  // Once the rows scroll, the scroll bar takes its width from the columns unless the grid asks
  // for it: the last column would otherwise be cut.
  connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] { updateGeometry(); });
}

void FigureGrid::setFigure(int row, int column, const QString& text, bool red) {
  auto* cell = item(row, column);
  if (!cell) {
    cell = new QTableWidgetItem;
    setItem(row, column, cell);
  }
  cell->setText(text);
  cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  cell->setForeground(red ? QBrush(QColor(0xc0, 0, 0)) : QBrush());
}

void FigureGrid::setLabel(int row, int column, const QString& text) {
  setFigure(row, column, text);
  item(row, column)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QString FigureGrid::figure(int row, int column) const {
  const auto* cell = item(row, column);
  return cell ? cell->text() : QString();
}

void FigureGrid::clearFigures() {
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c)
      if (auto* cell = item(r, c)) cell->setText(QString());
}

void FigureGrid::fit() {
  resizeColumnsToContents();
  updateGeometry();
}

QSize FigureGrid::sizeHint() const {
  // The headers' own hints: their geometry is not laid out until the grid is first shown.
  int width = verticalHeader()->sizeHint().width() + 2 * frameWidth();
  for (int c = 0; c < columnCount(); ++c) width += columnWidth(c);
  if (verticalScrollBar()->maximum() > 0) width += verticalScrollBar()->sizeHint().width();
  int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
  for (int r = 0; r < rowCount(); ++r) height += verticalHeader()->sectionSizeHint(r);
  return {width, height};
}

QSize FigureGrid::minimumSizeHint() const {
  int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
  for (int r = 0; r < std::min(rowCount(), kRowsAtLeast); ++r)
    height += verticalHeader()->sectionSizeHint(r);
  return {120, height};
}

QGroupBox* FigureGrid::boxed(const QString& title, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(this, 0, Qt::AlignLeft | Qt::AlignTop);
  return box;
}

}  // namespace gm
