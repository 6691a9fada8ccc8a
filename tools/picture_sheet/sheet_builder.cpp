// Contact sheet layout. Everything is drawn top to bottom with a moving cursor.
#include "sheet_builder.h"

#include "block_check.h"
#include "picture_render.h"

#include <QDir>
#include <QPainter>
#include <algorithm>
#include <array>
#include <vector>

namespace picture_sheet {
namespace {

constexpr int sheet_width = 1400;
constexpr int margin = 12;
constexpr int block_kinds = 29;
// Kinds that are the same thing in another direction may share a colour on
// the small map: roads (4..14), stations (15, 16) and tracks (17, 18).
constexpr int first_road = 4;
constexpr int last_road = 14;
constexpr std::array<std::pair<int, int>, 2> turned_pairs{{{15, 16}, {17, 18}}};

// A sample district; -1 leaves the cell empty.
constexpr int map_w = 12;
constexpr int map_h = 10;
constexpr std::array<std::array<int, map_w>, map_h> sample_map{{
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 1, 21, 21, 6, 4, 4, 11, 4, 4, 7, 0},
    {0, 2, 19, 27, 5, 24, 25, 5, 23, 26, 5, 0},
    {0, 3, 20, 28, 14, 4, 4, 10, 4, 4, 12, 0},
    {0, 22, 24, 25, 9, 4, 4, 13, 4, 4, 8, 0},
    {0, 17, 17, 15, 17, 17, 17, 17, 17, 15, 17, 0},
    {0, 1, 1, 1, 1, 1, 18, 1, 21, 22, 23, 0},
    {0, 24, 25, 26, 19, 20, 16, 27, 28, 1, 2, 0},
    {0, 3, 21, 21, 1, 24, 18, 25, 25, 1, 1, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
}};

class sheet_painter {
 public:
  sheet_painter() : canvas_(sheet_width, 6000, QImage::Format_ARGB32) {
    canvas_.fill(QColor(58, 60, 70));
    painter_.begin(&canvas_);
    QFont font("DejaVu Sans");
    font.setPixelSize(10);
    painter_.setFont(font);
  }

  QStringList findings;

  void heading(const QString& text) {
    y_ += 6;
    findings << QStringLiteral("section at y=%1: %2").arg(y_).arg(text);
    QFont bold = painter_.font();
    bold.setPixelSize(14);
    bold.setBold(true);
    painter_.save();
    painter_.setFont(bold);
    painter_.setPen(QColor(255, 230, 120));
    painter_.drawText(margin, y_ + 14, text);
    painter_.restore();
    y_ += 22;
    x_ = margin;
    row_h_ = 0;
  }

  // Places an image with a caption, wrapping to the next row when full.
  void place(const QImage& image, const QString& caption) {
    const int w = std::max(image.width(), 40);
    if (x_ + w > sheet_width - margin) new_row();
    painter_.drawImage(x_, y_, image);
    painter_.setPen(QColor(220, 220, 220));
    painter_.drawText(x_, y_ + image.height() + 11, caption);
    x_ += w + 10;
    row_h_ = std::max(row_h_, image.height() + 16);
  }

  void new_row() {
    y_ += row_h_ + 6;
    x_ = margin;
    row_h_ = 0;
  }

  void end_section() {
    new_row();
    y_ += 4;
  }

  QImage finish() {
    painter_.end();
    return canvas_.copy(0, 0, sheet_width, y_ + margin);
  }

  QPainter& painter() { return painter_; }
  int& x() { return x_; }
  int& y() { return y_; }

 private:
  QImage canvas_;
  QPainter painter_;
  int x_ = margin;
  int y_ = margin;
  int row_h_ = 0;
};

QString block_path(const QString& dir, int kind) {
  return QStringLiteral("%1/blocks/kind_%2.svg").arg(dir).arg(kind, 2, 10, QLatin1Char('0'));
}

// One tile per block picture: 32 px, dimmed, and the 4 px render (enlarged and actual).
QImage block_tile(const QString& path, QStringList& findings, const QString& name) {
  const QImage big = render_svg(path, {32, 32});
  const QImage tiny = render_svg(path, {4, 4});
  QImage tile(32 * 4 + 3 * 3 + 8, 32, QImage::Format_ARGB32);
  tile.fill(Qt::transparent);
  if (big.isNull()) {
    findings << name + ": missing or unreadable";
    return tile;
  }
  QPainter p(&tile);
  p.drawImage(0, 0, big);
  p.drawImage(35, 0, dimmed(big));
  p.drawImage(70, 0, magnified(tiny, 8));
  p.drawImage(105, 0, magnified(dimmed(tiny), 8));
  p.drawImage(140, 0, tiny);
  p.drawImage(140, 6, dimmed(tiny));
  return tile;
}

void blocks_section(sheet_painter& sheet, const QString& dir) {
  sheet.heading("Block kinds: 32 px | dimmed | 4 px x8 | dimmed 4 px x8 | actual 4 px");
  std::vector<QColor> plain, dark;
  for (int kind = 0; kind < block_kinds; ++kind) {
    const QString path = block_path(dir, kind);
    const QString name = QStringLiteral("kind_%1").arg(kind, 2, 10, QLatin1Char('0'));
    sheet.place(block_tile(path, sheet.findings, name), name);
    const QImage tiny = render_svg(path, {4, 4});
    const QImage big = render_svg(path, {32, 32});
    plain.push_back(average_colour(tiny));
    dark.push_back(average_colour(dimmed(tiny)));
    if (kind != 0 && !big.isNull() && !covers_cell(big))
      sheet.findings << name + ": does not cover the whole cell";
  }
  sheet.end_section();

  sheet.heading("Average colour per kind at 4 px (top plain, bottom dimmed)");
  for (int kind = 0; kind < block_kinds; ++kind) {
    QImage swatch(40, 40, QImage::Format_ARGB32);
    QPainter p(&swatch);
    p.fillRect(0, 0, 40, 20, plain[kind]);
    p.fillRect(0, 20, 40, 20, dark[kind]);
    p.end();
    sheet.place(swatch, QString::number(kind));
  }
  sheet.end_section();

  std::vector<int> groups(block_kinds, -1);
  for (int k = first_road; k <= last_road; ++k) groups[k] = 1;
  int next_group = 2;
  for (const auto& [a, b] : turned_pairs) groups[a] = groups[b] = next_group++;
  const auto report = [&](const std::vector<QColor>& colours, const char* label) {
    for (const closest_pair& pair : closest_pairs(colours, groups, 6))
      sheet.findings << QStringLiteral("close %1 kinds at 4 px: %2 and %3, distance %4")
                            .arg(label)
                            .arg(pair.first)
                            .arg(pair.second)
                            .arg(pair.distance, 0, 'f', 1);
  };
  for (int kind = 0; kind < block_kinds; ++kind)
    sheet.findings << QStringLiteral("kind %1 average %2, dimmed %3")
                          .arg(kind, 2)
                          .arg(plain[kind].name(), dark[kind].name());
  report(plain, "plain");
  report(dark, "dimmed");
}

void variants_section(sheet_painter& sheet, const QString& dir) {
  sheet.heading("Block variants (levels and store states)");
  QDir blocks(dir + "/blocks");
  const QStringList names = blocks.entryList({"*.svg"}, QDir::Files, QDir::Name);
  for (const QString& file : names) {
    if (file.startsWith("kind_")) continue;
    const QString name = file.chopped(4);
    const QImage big = render_svg(blocks.filePath(file), {32, 32});
    if (!big.isNull() && !covers_cell(big))
      sheet.findings << name + ": does not cover the whole cell";
    sheet.place(block_tile(blocks.filePath(file), sheet.findings, name), name);
  }
  sheet.end_section();

  sheet.heading("All block pictures enlarged x3");
  for (const QString& file : blocks.entryList({"*.svg"}, QDir::Files, QDir::Name))
    sheet.place(magnified(render_svg(blocks.filePath(file), {32, 32}), 3), file.chopped(4));
  sheet.end_section();
}

QImage render_map(const QString& dir, int cell, bool dim) {
  QImage map(map_w * cell, map_h * cell, QImage::Format_ARGB32);
  map.fill(Qt::black);
  QPainter p(&map);
  for (int row = 0; row < map_h; ++row) {
    for (int col = 0; col < map_w; ++col) {
      const int kind = sample_map[row][col];
      if (kind < 0) continue;
      QImage cell_image = render_svg(block_path(dir, kind), {cell, cell});
      if (dim) cell_image = dimmed(cell_image);
      p.drawImage(col * cell, row * cell, cell_image);
    }
  }
  return map;
}

void map_section(sheet_painter& sheet, const QString& dir) {
  sheet.heading("Sample map: 32 px, dimmed, 8 px, 4 px, 64 px");
  sheet.place(render_map(dir, 32, false), "32 px");
  sheet.place(render_map(dir, 32, true), "32 px dimmed");
  sheet.place(render_map(dir, 8, false), "8 px");
  sheet.place(render_map(dir, 4, false), "4 px");
  sheet.new_row();
  sheet.place(render_map(dir, 64, false), "64 px");
  sheet.end_section();
}

// Renders every SVG in a sub-folder at the given sizes.
void folder_section(sheet_painter& sheet, const QString& dir, const QString& folder,
                    const QString& title, const std::vector<QSize>& sizes) {
  sheet.heading(title);
  QDir d(dir + "/" + folder);
  for (const QString& file : d.entryList({"*.svg"}, QDir::Files, QDir::Name)) {
    for (const QSize& size : sizes) {
      const QImage image = render_svg(d.filePath(file), size);
      if (image.isNull()) {
        sheet.findings << folder + "/" + file + ": missing or unreadable";
        continue;
      }
      sheet.place(image, QStringLiteral("%1 %2").arg(file.chopped(4)).arg(size.width()));
    }
  }
  sheet.end_section();
}

void single(sheet_painter& sheet, const QString& dir, const QString& file, QSize size) {
  const QImage image = render_svg(dir + "/" + file, size);
  if (image.isNull()) {
    sheet.findings << file + ": missing or unreadable";
    return;
  }
  sheet.place(image, QStringLiteral("%1 %2x%3").arg(file).arg(size.width()).arg(size.height()));
}

}  // namespace

sheet_result build_sheet(const QString& pictures_dir) {
  sheet_painter sheet;
  blocks_section(sheet, pictures_dir);
  variants_section(sheet, pictures_dir);
  map_section(sheet, pictures_dir);
  folder_section(sheet, pictures_dir, "faces", "Faces at 64 and 32 px", {{64, 64}, {32, 32}});
  folder_section(sheet, pictures_dir, "negotiation", "Negotiation portraits at 128 and 96 px",
                 {{128, 128}, {96, 96}});
  folder_section(sheet, pictures_dir, "machines", "Machines at 105 px", {{105, 105}});
  folder_section(sheet, pictures_dir, "icons", "List icons at their size and x3",
                 {{20, 20}, {60, 60}});
  folder_section(sheet, pictures_dir, "seasons", "Season gauges", {{240, 20}});
  sheet.heading("Title, splash, ending, application icon");
  single(sheet, pictures_dir, "title.svg", {640, 400});
  single(sheet, pictures_dir, "splash.svg", {480, 240});
  sheet.new_row();
  single(sheet, pictures_dir, "ending.svg", {480, 240});
  single(sheet, pictures_dir, "app_icon.svg", {256, 256});
  single(sheet, pictures_dir, "app_icon.svg", {48, 48});
  single(sheet, pictures_dir, "app_icon.svg", {16, 16});
  sheet.end_section();
  return {sheet.finish(), sheet.findings};
}

}  // namespace picture_sheet
