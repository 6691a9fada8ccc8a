// The city map (`MAPGRID`): one owner-drawn cell per block, scrolled by whole cells. A click
// selects a block (never one of kind 0), a double click or Enter opens the store on it, a
// right-button drag scrolls and a right click without movement opens the pop-up menu. While the
// month is processed a 400 ms timer repaints the blocks the simulation has changed.
#pragma once

#include <QAbstractScrollArea>
#include <QHash>
#include <QPixmap>
#include <QTimer>

#include "shell/map_rules.h"

class QMenu;

namespace gm {

class PictureBook;
class tworld;
struct Options;

class MAPGRID : public QAbstractScrollArea {
  Q_OBJECT

 public:
  MAPGRID(const PictureBook& pictures, QWidget* parent = nullptr);

  void setWorld(tworld* world);
  void setOptions(const Options* options) { options_ = options; }
  void setPopupMenu(QMenu* menu) { popup_ = menu; }

  // The highlighted kinds; repaint() after changing them.
  HighlightSet& highlight() { return highlight_; }
  const HighlightSet& highlight() const { return highlight_; }

  // Scale index 0..5: sets the cell size and the grid's extents from the world.
  void setScale(int scale);
  int scale() const { return scale_; }
  int cellSize() const { return cellSizeOfScale(scale_); }
  // Both scroll bars (as needed) or none, by option `showscrollbar`.
  void applyScrollBarOption();

  int columns() const;
  int rows() const;
  int leftColumn() const;
  int topRow() const;
  void scrollTo(int leftColumn, int topRow);
  // Whole cells that fit the view.
  int visibleColumns() const;
  int visibleRows() const;
  int currentColumn() const { return column_; }
  int currentRow() const { return row_; }

  // Current cell (0, 0), scrolled to the top-left corner.
  void resetView();
  // The selection rule: refused (false, nothing changes) outside the city and on kind 0;
  // otherwise the cell becomes current and blockSelected is raised.
  bool selectCell(int column, int row);
  // Makes (column, row) current without raising blockSelected and scrolls it to the middle.
  void centreOn(int column, int row);
  // Opens the player's or the rival's store on the current cell; other blocks do nothing.
  void openSelected();

  // Repaints the visible blocks whose changed flag is set (clearing it) while the city is being
  // updated, or always with `force`.
  void redrawChangedBlocks(bool force);
  void startMonthRedraw();
  // Stops the timer and makes the last, forced pass.
  void stopMonthRedraw();
  bool monthRedrawRunning() const { return reftimer_.isActive(); }
  void updateBlock(int row, int column);

  QRect cellRect(int column, int row) const;  // in viewport coordinates
  // The whole city's blocks, in viewport coordinates; everything else is black.
  QRect cityRect() const;

 signals:
  void blockSelected(int column, int row);
  void storeRequested(int slot);
  void rivalStoreRequested(int record);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void updateScrollRanges();
  const QPixmap& scaled(const QImage& picture);
  bool cellAt(QPoint pos, int& column, int& row) const;
  void ensureVisible(int column, int row);

  const PictureBook& pictures_;
  tworld* world_ = nullptr;
  const Options* options_ = nullptr;
  QMenu* popup_ = nullptr;
  HighlightSet highlight_;
  int scale_ = 0;
  int column_ = 0;
  int row_ = 0;
  QHash<const QImage*, QPixmap> scaledCache_;
  // Right-button drag.
  QPoint last_;
  bool dragging_ = false;
  bool moved_ = false;
  QTimer reftimer_;
};

}  // namespace gm
