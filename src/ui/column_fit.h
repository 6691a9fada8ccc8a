// How wide a list must stand to show every column whole: a list whose headings and names run
// longer in one language than in another grows to them instead of cutting its last columns off,
// up to the width a laptop's screen leaves it.
#pragma once

#include <QHeaderView>
#include <QScrollBar>
#include <QTreeView>
#include <algorithm>

namespace gm {

// The columns shown, each at the larger of its present width and what its heading and rows
// need, with the frame and a vertical scroll bar.
inline int columnsWidth(const QTreeView* tree) {
  const QHeaderView* header = tree->header();
  const auto* view = static_cast<const QAbstractItemView*>(tree);
  int width = 2 * tree->frameWidth() + tree->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < header->count(); ++c) {
    if (header->isSectionHidden(c)) continue;
    width +=
        std::max({header->sectionSize(c), header->sectionSizeHint(c), view->sizeHintForColumn(c)});
  }
  return width;
}

// `box` (the list or the panel holding it) at least as wide as the list's columns, within
// `least` and `most`.
inline void widenToColumns(QWidget* box, const QTreeView* tree, int least, int most) {
  box->setMinimumWidth(std::clamp(columnsWidth(tree), least, most));
}

}  // namespace gm
