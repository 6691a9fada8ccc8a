// A small read-only table of figures with a title, row captions and column captions, as the
// budget, machine and history grids of the management screens show them: numbers right-aligned,
// nothing editable, sized to its contents (short of room, it scrolls its rows).
#pragma once

#include <QStringList>
#include <QTableWidget>

class QGroupBox;

namespace gm {

class FigureGrid : public QTableWidget {
  Q_OBJECT

 public:
  // The rows a grid keeps in sight however little room its window has.
  static constexpr int kRowsAtLeast = 2;

  FigureGrid(const QStringList& rows, const QStringList& columns, QWidget* parent = nullptr);

  // A figure, right-aligned, or a caption-like text, left-aligned; red for a loss when asked.
  void setFigure(int row, int column, const QString& text, bool red = false);
  void setLabel(int row, int column, const QString& text);
  QString figure(int row, int column) const;
  // Empties every cell.
  void clearFigures();
  // Fits the columns and the height to the contents.
  void fit();

  // The grid inside a group box that carries its title.
  QGroupBox* boxed(const QString& title, QWidget* parent);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
};

}  // namespace gm
