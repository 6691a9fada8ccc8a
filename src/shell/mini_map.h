// The mini-map (`Tallmap`, "地図"): the whole city at a small fixed cell size, optionally shaded
// by one block value (land price, security, density, customer development or chaos), with the
// selected block outlined in red. A click on a block asks the main window to centre its map
// there; the pop-up menu changes the cell size and the shading.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QWidget>

#include "shell/map_rules.h"
#include "shell/sub_windows.h"

class QAction;
class QMenu;

class QScrollArea;

namespace gm {

class PictureBook;
class Tchip;
class tworld;

enum MiniMapMode : int {
  kMiniMapNormal = 0,
  kMiniMapLandPrice = 1,
  kMiniMapSecurity = 2,
  kMiniMapDensity = 3,
  kMiniMapDevelopment = 4,
  kMiniMapChaos = 5,
};
inline constexpr int kMiniMapModes = 6;

// The cell size the mini-map uses for option `allmapchipsize`: 24, 16, 12, 8 or 4, and the
// default 24 for any other value.
int miniMapCellSize(int option);
// The mode of option `viewmap`; values outside 0..5 read as the plain map.
int miniMapMode(int option);
// "地図  縮尺" + the scale text of the cell size + the mode text.
QString miniMapCaption(int cellSize, int mode);

// The block value (0..100 scale) a shading mode shows; 0 for the plain map.
int shadingValue(const tworld& world, const Tchip& block, int mode);
// The grey the value is shaded with: (v div 4) x 9 + 32, at most 255.
int shadeLevel(int value);

// Draws the city: cells, shading and the outline of the selected block.
class MiniMapView : public QWidget {
  Q_OBJECT

 public:
  MiniMapView(const PictureBook& pictures, QWidget* parent = nullptr);

  // What to draw. Call update() after a change.
  void setWorld(const tworld* world) { world_ = world; }
  void setCellSize(int size);
  void setMode(int mode) { mode_ = mode; }
  void setSelected(int column, int row) {
    selectedColumn_ = column;
    selectedRow_ = row;
  }
  int cellSize() const { return size_; }
  // The city drawn into an image of the view's size.
  QImage render() const;

 signals:
  void cellClicked(int column, int row);
  void popupRequested(const QPoint& globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  const QImage& scaled(const QImage& picture) const;

  const PictureBook& pictures_;
  const tworld* world_ = nullptr;
  int size_ = 24;
  int mode_ = kMiniMapNormal;
  int selectedColumn_ = -1;
  int selectedRow_ = -1;
  mutable QHash<const QImage*, QImage> scaledCache_;  // for the current cell size
};

class MiniMap : public Tallmap {
  Q_OBJECT

 public:
  explicit MiniMap(TMain& main);

  // Reads the cell size and mode from the options, sizes the window to the city and sets the
  // caption.
  void relayout();
  void refresh() override;
  void worldReplaced() override;
  // A first frame smaller than the city's map: the map scrolls inside it.
  void setFirstFrame(const QRect& frame) override;
  QSize smallestFrame() const override;

  MiniMapView* view() const { return view_; }
  QMenu* popupMenu() const { return popup_; }
  // A pop-up item by name: "pop1".."pop5", "normalpop", "chikapop", ... "chaospop".
  QAction* popupItem(const QString& name) const;

 signals:
  // The player clicked a block inside the city: the main window centres its map there.
  void blockChosen(int column, int row);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildPopup();
  void cellClicked(int column, int row);
  void followSelection();

  MiniMapView* view_;
  QScrollArea* scroll_;
  QMenu* popup_;
  // A bound on the client area below the screen's: set when the map first appears and would not
  // fit beside the main window, so that it scrolls there instead of covering the city; the
  // player's choice of another scale lifts it.
  QSize bound_;
};

}  // namespace gm
