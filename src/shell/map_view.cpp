// The city map's drawing, scrolling and mouse and keyboard handling.
#include "shell/map_view.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>

#include "base/options.h"
#include "shell/picture_book.h"
#include "world/world.h"

namespace gm {

MAPGRID::MAPGRID(const PictureBook& pictures, QWidget* parent)
    : QAbstractScrollArea(parent), pictures_(pictures) {
  setFocusPolicy(Qt::StrongFocus);
  setFrameStyle(QFrame::NoFrame);
  // A scroll area's viewport fills with the Base colour (white in most styles); the paint event
  // blackens what lies outside the city itself, and the palette covers the moment before it.
  viewport()->setAutoFillBackground(true);
  QPalette pal = viewport()->palette();
  pal.setColor(QPalette::Window, Qt::black);
  pal.setColor(QPalette::Base, Qt::black);
  viewport()->setPalette(pal);
  viewport()->setMouseTracking(true);
  // The hint is the part before "|", one line per "\r".
  const QString hint =
      tr("ｸﾘｯｸで区画ﾃﾞｰﾀ表示\rﾀﾞﾌﾞﾙｸﾘｯｸorﾘﾀｰﾝで店舗ﾃﾞｰﾀ／他店舗ﾃﾞｰﾀ表示\r右ｸﾘｯｸでﾎﾟｯﾌﾟｱｯﾌﾟ\rﾏｳｽ右ﾎﾞ"
         "ﾀﾝﾄﾞﾗ"
         "ｯｸﾞでｽｸﾛｰﾙ|");
  QString shortHint = hint.section(QLatin1Char('|'), 0, 0);
  shortHint.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  viewport()->setToolTip(shortHint);
  horizontalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setSingleStep(1);
  reftimer_.setInterval(400);
  connect(&reftimer_, &QTimer::timeout, this, [this] { redrawChangedBlocks(false); });
}

void MAPGRID::setWorld(tworld* world) {
  world_ = world;
  updateScrollRanges();
  viewport()->update();
}

int MAPGRID::columns() const { return world_ ? world_->mapWidth : 0; }
int MAPGRID::rows() const { return world_ ? world_->mapHeight : 0; }
int MAPGRID::leftColumn() const { return horizontalScrollBar()->value(); }
int MAPGRID::topRow() const { return verticalScrollBar()->value(); }

void MAPGRID::scrollTo(int leftColumn, int topRow) {
  horizontalScrollBar()->setValue(leftColumn);
  verticalScrollBar()->setValue(topRow);
}

int MAPGRID::visibleColumns() const {
  const int size = cellSize();
  return size > 0 ? qMin(columns(), viewport()->width() / size) : 0;
}

int MAPGRID::visibleRows() const {
  const int size = cellSize();
  return size > 0 ? qMin(rows(), viewport()->height() / size) : 0;
}

void MAPGRID::setScale(int scale) {
  if (cellSizeOfScale(scale) == 0) scale = 0;
  setUpdatesEnabled(false);
  scale_ = scale;
  scaledCache_.clear();
  updateScrollRanges();
  setUpdatesEnabled(true);
  viewport()->update();
}

void MAPGRID::applyScrollBarOption() {
  const bool show = !options_ || options_->showscrollbar;
  const Qt::ScrollBarPolicy policy = show ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  setHorizontalScrollBarPolicy(policy);
  setVerticalScrollBarPolicy(policy);
  updateScrollRanges();
}

void MAPGRID::updateScrollRanges() {
  // Scrolling moves by whole cells: the scroll bars count cells, not pixels.
  horizontalScrollBar()->setRange(0, qMax(0, columns() - visibleColumns()));
  verticalScrollBar()->setRange(0, qMax(0, rows() - visibleRows()));
  horizontalScrollBar()->setPageStep(qMax(1, visibleColumns()));
  verticalScrollBar()->setPageStep(qMax(1, visibleRows()));
}

void MAPGRID::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollRanges();
}

void MAPGRID::scrollContentsBy(int, int) { viewport()->update(); }

void MAPGRID::resetView() {
  column_ = 0;
  row_ = 0;
  updateScrollRanges();
  scrollTo(0, 0);
  viewport()->update();
}

QRect MAPGRID::cellRect(int column, int row) const {
  const int size = cellSize();
  return QRect((column - leftColumn()) * size, (row - topRow()) * size, size, size);
}

QRect MAPGRID::cityRect() const {
  const int size = cellSize();
  return QRect(-leftColumn() * size, -topRow() * size, columns() * size, rows() * size);
}

bool MAPGRID::cellAt(QPoint pos, int& column, int& row) const {
  const int size = cellSize();
  if (size <= 0 || pos.x() < 0 || pos.y() < 0) return false;
  column = leftColumn() + pos.x() / size;
  row = topRow() + pos.y() / size;
  return column < columns() && row < rows();
}

const QPixmap& MAPGRID::scaled(const QImage& picture) {
  auto it = scaledCache_.find(&picture);
  if (it == scaledCache_.end()) {
    const int size = cellSize();
    it = scaledCache_.insert(&picture,
                             QPixmap::fromImage(picture.scaled(
                                 size, size, Qt::IgnoreAspectRatio,
                                 size < 32 ? Qt::SmoothTransformation : Qt::FastTransformation)));
  }
  return *it;
}

void MAPGRID::paintEvent(QPaintEvent* event) {
  QPainter p(viewport());
  const QRect dirty = event->rect();
  const QRect city = world_ ? cityRect() : QRect();
  for (const QRect& outside : QRegion(dirty).subtracted(city)) p.fillRect(outside, Qt::black);
  if (!world_) return;
  const int size = cellSize();
  const int firstCol = leftColumn() + dirty.left() / size;
  const int firstRow = topRow() + dirty.top() / size;
  const int lastCol = qMin(columns() - 1, leftColumn() + dirty.right() / size);
  const int lastRow = qMin(rows() - 1, topRow() + dirty.bottom() / size);
  for (int r = firstRow; r <= lastRow; ++r) {
    for (int c = firstCol; c <= lastCol; ++c) {
      const QRect rect = cellRect(c, r);
      p.drawPixmap(rect.topLeft(), scaled(pictures_.cell(cellPicture(*world_, c, r, highlight_))));
      if (c == column_ && r == row_) {
        p.setPen(QColor(255, 0, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect.adjusted(0, 0, -1, -1));
      }
    }
  }
}

void MAPGRID::ensureVisible(int column, int row) {
  const int vc = qMax(1, visibleColumns());
  const int vr = qMax(1, visibleRows());
  if (column < leftColumn()) horizontalScrollBar()->setValue(column);
  if (column >= leftColumn() + vc) horizontalScrollBar()->setValue(column - vc + 1);
  if (row < topRow()) verticalScrollBar()->setValue(row);
  if (row >= topRow() + vr) verticalScrollBar()->setValue(row - vr + 1);
}

bool MAPGRID::selectCell(int column, int row) {
  if (!world_ || !selectableBlock(*world_, column, row)) return false;
  viewport()->update(cellRect(column_, row_));
  column_ = column;
  row_ = row;
  ensureVisible(column, row);
  viewport()->update(cellRect(column_, row_));
  emit blockSelected(column, row);
  return true;
}

void MAPGRID::centreOn(int column, int row) {
  if (!world_ || !selectableBlock(*world_, column, row)) return;
  column_ = column;
  row_ = row;
  scrollTo(centredFirst(column, visibleColumns(), columns()),
           centredFirst(row, visibleRows(), rows()));
  viewport()->update();
}

void MAPGRID::openSelected() {
  if (!world_ || !world_->onMap(row_, column_)) return;
  const int kind = world_->block(row_, column_).kind;
  if (kind == 19) emit storeRequested(world_->kaichou.TempoAt(row_, column_));
  if (kind == 20) emit rivalStoreRequested(world_->rivals.TenpoAt(row_, column_));
}

void MAPGRID::redrawChangedBlocks(bool force) {
  if (!world_ || !(force || world_->cityUpdating)) return;
  const int left = leftColumn();
  const int top = topRow();
  if (left >= columns() || top >= rows()) return;
  const int lastCol = qMin(left + visibleColumns(), kMapSize - 1);
  const int lastRow = qMin(top + visibleRows(), kMapSize - 1);
  for (int r = top; r <= lastRow; ++r) {
    for (int c = left; c <= lastCol; ++c) {
      bool& changed = world_->changedBlocks[r][c];
      if (!changed) continue;
      changed = false;
      viewport()->update(cellRect(c, r));
    }
  }
}

void MAPGRID::startMonthRedraw() { reftimer_.start(); }

void MAPGRID::stopMonthRedraw() {
  reftimer_.stop();
  redrawChangedBlocks(true);
}

void MAPGRID::updateBlock(int row, int column) { viewport()->update(cellRect(column, row)); }

void MAPGRID::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::RightButton) {
    last_ = pos;
    viewport()->setCursor(Qt::ClosedHandCursor);
    dragging_ = true;
    moved_ = false;
    return;
  }
  if (event->button() == Qt::LeftButton) {
    int c = 0, r = 0;
    if (cellAt(pos, c, r)) selectCell(c, r);
  }
}

void MAPGRID::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if ((event->buttons() & Qt::RightButton) && dragging_) {
    const DragStep step =
        dragStepFor(last_.x() - pos.x(), last_.y() - pos.y(), !options_ || options_->coming);
    if (step.moved) moved_ = true;
    if (step.columns) horizontalScrollBar()->setValue(leftColumn() + step.columns);
    if (step.rows) verticalScrollBar()->setValue(topRow() + step.rows);
  } else {
    if (viewport()->cursor().shape() == Qt::ClosedHandCursor) viewport()->unsetCursor();
    dragging_ = false;
  }
  last_ = pos;
}

void MAPGRID::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) return;
  viewport()->unsetCursor();
  dragging_ = false;
  if (!moved_ && popup_) popup_->popup(event->globalPosition().toPoint());
}

void MAPGRID::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) openSelected();
}

void MAPGRID::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      openSelected();
      return;
    case Qt::Key_Left:
      selectCell(column_ - 1, row_);
      return;
    case Qt::Key_Right:
      selectCell(column_ + 1, row_);
      return;
    case Qt::Key_Up:
      selectCell(column_, row_ - 1);
      return;
    case Qt::Key_Down:
      selectCell(column_, row_ + 1);
      return;
    default:
      QAbstractScrollArea::keyPressEvent(event);
  }
}

}  // namespace gm
