// Every picture of the game, rendered once at start-up from the SVG files of the data folder:
// the block pictures in their normal and dimmed forms, the faces, the title, splash and ending
// pictures, the season pictures of the wait gauge, and the machine and store icons. A file that
// is missing or unreadable renders as a flat tile of its own colour, so the program always starts.
#pragma once

#include <QImage>
#include <QMap>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "shell/map_rules.h"

namespace gm {

class PictureBook {
 public:
  static constexpr int kBlockSize = 32;

  // Renders the pictures of `picturesFolder` (the data folder's pictures/).
  explicit PictureBook(const QString& picturesFolder);

  // Block pictures, 32 x 32. Out-of-range numbers read as the first picture of the set.
  const QImage& kind(int kind, bool dimmed) const;
  const QImage& level(int kind, int level, bool dimmed) const;  // kinds 21, 24, 25; levels 0..2
  const QImage& ownStore(int state, bool dimmed) const;         // store states 0..3
  const QImage& rivalStore(int state, bool dimmed) const;
  // The picture a map cell's description names (the map, the mini-map and the block window).
  const QImage& cell(const CellPicture& picture) const;

  QPixmap face(int face, int size) const;  // faces 0..5
  // The land negotiation's portraits: the owner by his reaction 0..3, and the president across
  // the table by the message-dialog face he shows (smile, laugh or cry; any other is the smile).
  QPixmap ownerPortrait(int reaction, int size) const;
  QPixmap presidentPortrait(int face, int size) const;
  const QImage& title() const { return title_; }
  const QImage& splash() const { return splash_; }
  const QImage& ending() const { return ending_; }
  const QImage& season(int season) const;     // 0 spring .. 3 winter
  const QImage& machineType(int type) const;  // 105 x 105, types 0..9
  const QImage& machineIcon(int type) const;  // 20 x 20, types 0..9
  const QImage& storeIcon(int state) const;   // 32 x 32, states 0..3
  const QImage& appIcon() const { return appIcon_; }

  // The dimmed form: every pixel ANDed with red 192, green 160, blue 160 (alpha kept).
  static QImage dimmed(const QImage& normal);

  // Files that could not be rendered (relative to the pictures folder).
  const QStringList& missing() const { return missing_; }

 private:
  struct Pair {
    QImage normal;
    QImage dim;
  };
  QImage render(const QString& relative, QSize size);  // size empty: the picture's own size
  Pair renderPair(const QString& relative);
  static const QImage& pick(const Pair& p, bool dimmed) { return dimmed ? p.dim : p.normal; }
  // An SVG file's text, or empty (and noted as missing) when it cannot be rendered.
  QByteArray source(const QString& relative);
  // The picture of `svg` at size x size, rendered once; a flat tile named `name` without one.
  QPixmap square(const QByteArray& svg, int key, int size, const QString& name) const;

  QString folder_;
  QStringList missing_;
  std::array<Pair, 29> kinds_;
  std::array<std::array<Pair, 3>, 3> levels_;  // housing, shopping, office
  std::array<Pair, 4> ownStores_;
  std::array<Pair, 4> rivalStores_;
  std::array<QByteArray, 6> faceSources_;
  std::array<QByteArray, 4> ownerSources_;
  std::array<QByteArray, 3> presidentSources_;  // smile, laugh, cry
  mutable QMap<int, QPixmap> faceCache_;        // key: picture * 10000 + size
  QImage title_, splash_, ending_, appIcon_;
  std::array<QImage, 4> seasons_;
  std::array<QImage, 10> machineTypes_;
  std::array<QImage, 10> machineIcons_;
  std::array<QImage, 4> storeIcons_;
};

}  // namespace gm
