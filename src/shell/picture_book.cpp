// Rendering the SVG pictures into images once, and the dimmed copies of the block pictures.
#include "shell/picture_book.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace gm {

namespace {
// A flat tile whose colour depends on the file name, so that missing pictures still differ.
QImage flatTile(const QString& name, QSize size) {
  QImage img(size, QImage::Format_ARGB32);
  const size_t h = qHash(name);
  img.fill(QColor::fromHsv(static_cast<int>(h % 360), 90 + static_cast<int>(h / 360 % 100), 200));
  return img;
}
QSize orDefault(QSize size, QSize fallback) { return size.isEmpty() ? fallback : size; }
int clampIndex(int i, int count) { return i >= 0 && i < count ? i : 0; }
}  // namespace

PictureBook::PictureBook(const QString& picturesFolder) : folder_(picturesFolder) {
  for (int k = 0; k < 29; ++k)
    kinds_[k] = renderPair(QStringLiteral("blocks/kind_%1.svg").arg(k, 2, 10, QLatin1Char('0')));
  const char* levelNames[3] = {"housing", "shopping", "office"};
  for (int set = 0; set < 3; ++set)
    for (int lv = 0; lv < 3; ++lv)
      levels_[set][lv] = renderPair(
          QStringLiteral("blocks/%1_level_%2.svg").arg(QLatin1String(levelNames[set])).arg(lv));
  for (int s = 0; s < 4; ++s) {
    ownStores_[s] = renderPair(QStringLiteral("blocks/own_store_state_%1.svg").arg(s));
    rivalStores_[s] = renderPair(QStringLiteral("blocks/rival_store_state_%1.svg").arg(s));
  }
  for (int f = 0; f < 6; ++f) faceSources_[f] = source(QStringLiteral("faces/face_%1.svg").arg(f));
  for (int r = 0; r < 4; ++r)
    ownerSources_[r] = source(QStringLiteral("negotiation/owner_%1.svg").arg(r));
  const char* presidentNames[3] = {"smile", "laugh", "cry"};
  for (int p = 0; p < 3; ++p)
    presidentSources_[p] = source(
        QStringLiteral("negotiation/president_%1.svg").arg(QLatin1String(presidentNames[p])));
  title_ = render(QStringLiteral("title.svg"), {});
  splash_ = render(QStringLiteral("splash.svg"), {});
  ending_ = render(QStringLiteral("ending.svg"), {});
  appIcon_ = render(QStringLiteral("app_icon.svg"), QSize(64, 64));
  for (int s = 0; s < 4; ++s) {
    seasons_[s] = render(QStringLiteral("seasons/season_%1.svg").arg(s), {});
    storeIcons_[s] = render(QStringLiteral("icons/store_state_%1.svg").arg(s), QSize(32, 32));
  }
  for (int t = 0; t < 10; ++t) {
    machineTypes_[t] = render(QStringLiteral("machines/type_%1.svg").arg(t), QSize(105, 105));
    machineIcons_[t] = render(QStringLiteral("icons/machine_type_%1.svg").arg(t), QSize(20, 20));
  }
}

QImage PictureBook::render(const QString& relative, QSize size) {
  QSvgRenderer svg(folder_ + QLatin1Char('/') + relative);
  if (!svg.isValid()) {
    missing_ << relative;
    // Sizes of the pictures that have none of their own, roughly as they are drawn.
    QSize fallback(32, 32);
    if (relative == QLatin1String("title.svg")) fallback = QSize(640, 400);
    if (relative == QLatin1String("splash.svg")) fallback = QSize(400, 240);
    if (relative == QLatin1String("ending.svg")) fallback = QSize(640, 400);
    return flatTile(relative, orDefault(size, fallback));
  }
  const QSize target = orDefault(size, orDefault(svg.defaultSize(), QSize(32, 32)));
  QImage img(target, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  svg.render(&p);
  return img;
}

PictureBook::Pair PictureBook::renderPair(const QString& relative) {
  Pair pair;
  pair.normal = render(relative, QSize(kBlockSize, kBlockSize));
  pair.dim = dimmed(pair.normal);
  return pair;
}

QImage PictureBook::dimmed(const QImage& normal) {
  QImage out = normal.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      line[x] &= 0xFFC0A0A0u;  // alpha, red 192, green 160, blue 160
  }
  return out;
}

const QImage& PictureBook::kind(int k, bool dimmed) const {
  return pick(kinds_[clampIndex(k, 29)], dimmed);
}

const QImage& PictureBook::level(int k, int lv, bool dimmed) const {
  const int set = k == 24 ? 1 : (k == 25 ? 2 : 0);
  return pick(levels_[set][clampIndex(lv, 3)], dimmed);
}

const QImage& PictureBook::ownStore(int state, bool dimmed) const {
  return pick(ownStores_[clampIndex(state, 4)], dimmed);
}

const QImage& PictureBook::rivalStore(int state, bool dimmed) const {
  return pick(rivalStores_[clampIndex(state, 4)], dimmed);
}

const QImage& PictureBook::cell(const CellPicture& p) const {
  switch (p.set) {
    case PictureSet::Level:
      return level(p.kind, p.index, p.dimmed);
    case PictureSet::OwnStore:
      return ownStore(p.index, p.dimmed);
    case PictureSet::RivalStore:
      return rivalStore(p.index, p.dimmed);
    case PictureSet::Kind:
      break;
  }
  return kind(p.index, p.dimmed);
}

QByteArray PictureBook::source(const QString& relative) {
  QByteArray svg;
  QFile file(folder_ + QLatin1Char('/') + relative);
  if (file.open(QIODevice::ReadOnly)) svg = file.readAll();
  if (!QSvgRenderer(svg).isValid()) {
    svg.clear();
    missing_ << relative;
  }
  return svg;
}

QPixmap PictureBook::square(const QByteArray& svg, int key, int size, const QString& name) const {
  key = key * 10000 + size;
  auto it = faceCache_.find(key);
  if (it != faceCache_.end()) return *it;
  QPixmap pm;
  if (svg.isEmpty()) {
    pm = QPixmap::fromImage(flatTile(name, QSize(size, size)));
  } else {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    QSvgRenderer(svg).render(&p);
    p.end();
    pm = QPixmap::fromImage(img);
  }
  faceCache_.insert(key, pm);
  return pm;
}

QPixmap PictureBook::face(int f, int size) const {
  f = clampIndex(f, 6);
  return square(faceSources_[f], f, size, QStringLiteral("face_%1").arg(f));
}

QPixmap PictureBook::ownerPortrait(int reaction, int size) const {
  reaction = clampIndex(reaction, 4);
  return square(ownerSources_[reaction], 100 + reaction, size,
                QStringLiteral("owner_%1").arg(reaction));
}

QPixmap PictureBook::presidentPortrait(int face, int size) const {
  // Message-dialog faces 1 (laugh) and 3 (cry); everything else talks with the smile.
  const int p = face == 1 ? 1 : (face == 3 ? 2 : 0);
  return square(presidentSources_[p], 200 + p, size, QStringLiteral("president_%1").arg(p));
}

const QImage& PictureBook::season(int s) const { return seasons_[clampIndex(s, 4)]; }
const QImage& PictureBook::machineType(int t) const { return machineTypes_[clampIndex(t, 10)]; }
const QImage& PictureBook::machineIcon(int t) const { return machineIcons_[clampIndex(t, 10)]; }
const QImage& PictureBook::storeIcon(int s) const { return storeIcons_[clampIndex(s, 4)]; }

}  // namespace gm
