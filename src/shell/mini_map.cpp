// The mini-map: its shading rules, its drawing and its window.
#include "shell/mini_map.h"

#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>
#include <array>

#include "base/rating.h"
#include "shell/form_placement.h"
#include "shell/main_window.h"
#include "shell/map_view.h"
#include "shell/picture_book.h"
#include "shell/placement_rules.h"
#include "world/world.h"

namespace gm {

namespace {

struct SizeItem {
  int size;
  const char* scaleText;
  const char* name;
  const char* caption;
};
// Pop-up items pop1..pop5 (Tags 1..5) and the scale text each size puts in the caption.
constexpr std::array<SizeItem, 5> kSizes = {{
    {24, "3/4", "pop1", QT_TRANSLATE_NOOP("mini_map", "縮尺 3/4  (&A)")},
    {16, "1/2", "pop2", "       1/2  (&B)"},
    {12, "3/8", "pop3", "       3/8  (&C)"},
    {8, "1/4", "pop4", "       1/4  (&D)"},
    {4, "1/8", "pop5", "       1/8  (&E)"},
}};

struct ModeItem {
  const char* name;
  const char* caption;
  const char* text;
};
constexpr std::array<ModeItem, kMiniMapModes> kModes = {{
    {"normalpop", QT_TRANSLATE_NOOP("mini_map", "ノーマル(&N)"),
     QT_TRANSLATE_NOOP("mini_map", "：ノーマル")},
    {"chikapop", QT_TRANSLATE_NOOP("mini_map", "地価(&H)"),
     QT_TRANSLATE_NOOP("mini_map", "：地価高低")},
    {"chianpop", QT_TRANSLATE_NOOP("mini_map", "治安(&I)"),
     QT_TRANSLATE_NOOP("mini_map", "：治安高低")},
    {"mitudopop", QT_TRANSLATE_NOOP("mini_map", "人口密度(&M)"),
     QT_TRANSLATE_NOOP("mini_map", "：人口密度高低")},
    {"kaitakupop", QT_TRANSLATE_NOOP("mini_map", "顧客開拓度(&K)"),
     QT_TRANSLATE_NOOP("mini_map", "：顧客開拓度高低")},
    {"chaospop", QT_TRANSLATE_NOOP("mini_map", "カオス(&S)"),
     QT_TRANSLATE_NOOP("mini_map", "：カオス高低")},
}};

QString str(const char* utf8) { return QString::fromUtf8(utf8); }
// A text of the tables above in the player's language.
QString translated(const char* text) { return QCoreApplication::translate("mini_map", text); }

}  // namespace

int miniMapCellSize(int option) {
  for (const SizeItem& s : kSizes)
    if (s.size == option) return option;
  return kSizes[0].size;
}

int miniMapMode(int option) {
  return option >= 0 && option < kMiniMapModes ? option : kMiniMapNormal;
}

QString miniMapCaption(int cellSize, int mode) {
  const int size = miniMapCellSize(cellSize);
  const auto item = std::find_if(kSizes.begin(), kSizes.end(),
                                 [size](const SizeItem& s) { return s.size == size; });
  return QCoreApplication::translate("mini_map", "地図  縮尺%1%2")
      .arg(str(item->scaleText), translated(kModes[miniMapMode(mode)].text));
}

int shadingValue(const tworld& world, const Tchip& block, int mode) {
  switch (mode) {
    case kMiniMapLandPrice:
      return static_cast<int>(percentOf(block.landPrice, world.maxLandPrice));
    case kMiniMapSecurity:
      return block.security;
    case kMiniMapDensity:
      return block.Occupancy();
    case kMiniMapDevelopment: {
      // Measured against the highest fan rate the law allows, so a fully developed block reads
      // 100 whichever law is in force.
      const int ceiling = world.hasLaw(kLawLongHours) ? 70 : 50;
      return static_cast<int>(std::min<int64_t>(percentOf(block.fanRate, ceiling), 100));
    }
    case kMiniMapChaos:
      return block.unrest;
    default:
      return 0;
  }
}

int shadeLevel(int value) { return std::min(value / 4 * 9 + 32, 255); }

// ---------------------------------------------------------------------------------------------

MiniMapView::MiniMapView(const PictureBook& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void MiniMapView::setCellSize(int size) {
  if (size == size_) return;
  size_ = size;
  scaledCache_.clear();
}

const QImage& MiniMapView::scaled(const QImage& picture) const {
  auto it = scaledCache_.find(&picture);
  if (it == scaledCache_.end())
    it = scaledCache_.insert(
        &picture, picture.convertToFormat(QImage::Format_RGB32)
                      .scaled(size_, size_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  return *it;
}

QImage MiniMapView::render() const {
  QImage image(size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  if (!world_) return image;
  QPainter painter(&image);
  // The mini-map never dims: it shows every kind in its normal form.
  const HighlightSet all;
  for (int row = 0; row < world_->mapHeight; ++row) {
    for (int column = 0; column < world_->mapWidth; ++column) {
      const QRect cell(column * size_, row * size_, size_, size_);
      CellPicture pic = cellPicture(*world_, column, row, all);
      pic.dimmed = false;
      painter.drawImage(cell.topLeft(), scaled(pictures_.cell(pic)));
      if (mode_ != kMiniMapNormal) {
        const int g = shadeLevel(shadingValue(*world_, world_->block(row, column), mode_));
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.fillRect(cell, QColor(g, g, g));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
      }
    }
  }
  if (world_->onMap(selectedRow_, selectedColumn_)) {
    painter.setPen(QColor(255, 0, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(selectedColumn_ * size_, selectedRow_ * size_, size_ - 1, size_ - 1);
  }
  return image;
}

void MiniMapView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, render());
}

void MiniMapView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || size_ <= 0) return;
  const QPoint p = event->position().toPoint();
  emit cellClicked(p.x() / size_, p.y() / size_);
}

void MiniMapView::contextMenuEvent(QContextMenuEvent* event) {
  emit popupRequested(event->globalPos());
}

// ---------------------------------------------------------------------------------------------

MiniMap::MiniMap(TMain& main) : Tallmap(main) {
  // The frame's text line has nothing to say here: the client area is the map alone.
  for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) label->hide();
  view_ = new MiniMapView(main.pictures(), this);
  view_->setToolTip(tr("ｸﾘｯｸで移動\n右ｸﾘｯｸでﾎﾟｯﾌﾟｱｯﾌﾟ"));
  // The client area is the whole map; only a map larger than the screen scrolls.
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidget(view_);
  layout()->setContentsMargins(0, 0, 0, 0);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  layout()->addWidget(scroll_);

  popup_ = new QMenu(this);
  buildPopup();

  connect(view_, &MiniMapView::cellClicked, this, &MiniMap::cellClicked);
  connect(view_, &MiniMapView::popupRequested, this,
          [this](const QPoint& at) { popup_->exec(at); });
  connect(&main.map(), &MAPGRID::blockSelected, this, [this] { followSelection(); });
  relayout();

  // The first time it appears the map goes beside the main window, where it covers nothing; if
  // it is too big for the room there, it scrolls in a window that fits.
  placement().setFirstPlace([this](QSize frame) {
    const QRect mainFrame = frameOf(&mainWindow());
    const QRect screen = screenAreaOf(&mainWindow());
    const QMargins margins = frameMarginsOf(this);
    // Less than eight blocks each way is no map: then the window goes over what it must.
    const int smallest = 8 * miniMapCellSize(mainWindow().options().allmapchipsize);
    auto usable = [&](const QRect& room) {
      const QSize client = room.size().shrunkBy(margins);
      return client.width() >= smallest && client.height() >= smallest;
    };
    // Below the windows already beside the main window, else over them rather than over the map.
    QRect room = clearRoomBeside(mainFrame, screen, otherWindows());
    if (!usable(room)) room = roomBeside(mainFrame, screen, {});
    if ((frame.width() > room.width() || frame.height() > room.height()) && usable(room)) {
      bound_ = room.size().shrunkBy(margins);
      relayout();
      adjustSize();
      frame = size().grownBy(frameMarginsOf(this));
    }
    return placeBesideMainWindow(frame);
  });
}

void MiniMap::setFirstFrame(const QRect& frame) {
  const QMargins margins = frameMarginsOf(this);
  // The client less the layout's own margins around the scrolling map.
  const QMargins inner = layout() ? layout()->contentsMargins() : QMargins();
  bound_ = frame.size().shrunkBy(margins).shrunkBy(inner);
  relayout();
  adjustSize();
  DataWindow::setFirstFrame(QRect(frame.topLeft(), size().grownBy(margins)));
}

QSize MiniMap::smallestFrame() const {
  // Six blocks each way, and the scroll bars: enough to find one's way and click a block.
  const int side = 6 * miniMapCellSize(mainWindow().options().allmapchipsize) +
                   style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const QMargins inner = layout() ? layout()->contentsMargins() : QMargins();
  return QSize(side, side).grownBy(inner).grownBy(frameMarginsOf(this));
}

void MiniMap::buildPopup() {
  for (int tag = 1; tag <= static_cast<int>(kSizes.size()); ++tag) {
    const SizeItem& item = kSizes[tag - 1];
    QAction* a = popup_->addAction(translated(item.caption));
    a->setObjectName(str(item.name));
    connect(a, &QAction::triggered, this, [this, size = item.size] {
      mainWindow().options().allmapchipsize = size;
      bound_ = QSize();
      relayout();
    });
  }
  popup_->addSeparator();
  auto* group = new QActionGroup(this);
  for (int tag = 0; tag < kMiniMapModes; ++tag) {
    QAction* a = popup_->addAction(translated(kModes[tag].caption));
    a->setObjectName(str(kModes[tag].name));
    a->setCheckable(true);
    group->addAction(a);
    connect(a, &QAction::triggered, this, [this, tag] {
      mainWindow().options().viewmap = tag;
      relayout();
      view_->update();
    });
  }
}

QAction* MiniMap::popupItem(const QString& name) const {
  return popup_->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void MiniMap::relayout() {
  const Options& o = mainWindow().options();
  const int size = miniMapCellSize(o.allmapchipsize);
  const int mode = miniMapMode(o.viewmap);
  const tworld& w = world();
  view_->setWorld(&w);
  view_->setCellSize(size);
  view_->setMode(mode);
  const QSize mapSize(w.mapWidth * size, w.mapHeight * size);
  view_->setFixedSize(mapSize);
  QSize room = mapSize;
  if (QScreen* s = screen()) room = s->availableGeometry().size() * 9 / 10;
  if (bound_.isValid()) room = room.boundedTo(bound_);
  QSize shown = mapSize.boundedTo(room);
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  if (shown.width() < mapSize.width())
    shown.rheight() = std::min(mapSize.height() + bar, room.height());
  if (shown.height() < mapSize.height())
    shown.rwidth() = std::min(mapSize.width() + bar, room.width());
  scroll_->setFixedSize(shown);
  if (QAction* item = popupItem(str(kModes[mode].name))) item->setChecked(true);
  setWindowTitle(miniMapCaption(size, mode));
  followSelection();
  // Grown by a larger scale, the window stays on its screen.
  if (isVisible()) {
    adjustSize();
    keepWindowOnScreen(this);
  }
}

void MiniMap::refresh() {
  relayout();
  view_->update();
}

void MiniMap::worldReplaced() { refresh(); }

void MiniMap::followSelection() {
  const MAPGRID& map = mainWindow().map();
  view_->setSelected(map.currentColumn(), map.currentRow());
  view_->update();
}

void MiniMap::cellClicked(int column, int row) {
  if (!selectableBlock(world(), column, row)) return;
  emit blockChosen(column, row);
  followSelection();
}

void MiniMap::showEvent(QShowEvent* event) {
  relayout();
  Tallmap::showEvent(event);
}

void MiniMap::changeEvent(QEvent* event) {
  // The month end disables the data windows while the city changes; the blocks are drawn anew
  // when it hands them back.
  if (event->type() == QEvent::EnabledChange && isEnabled()) view_->update();
  Tallmap::changeEvent(event);
}

}  // namespace gm
