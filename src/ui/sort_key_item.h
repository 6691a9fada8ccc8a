// A list row that sorts each column by a key of its own (numbers as numbers, an unappraised
// rating as 0) instead of by the text it shows; columns without a key sort by their text.
#pragma once

#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace gm {

inline constexpr int kSortRole = Qt::UserRole + 1;

class SortKeyItem : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;

  void setSortKey(int column, qlonglong key) { setData(column, kSortRole, key); }

  bool operator<(const QTreeWidgetItem& other) const override {
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    const QVariant a = data(column, kSortRole);
    const QVariant b = other.data(column, kSortRole);
    if (a.isValid() && b.isValid()) return a.toLongLong() < b.toLongLong();
    return QTreeWidgetItem::operator<(other);
  }
};

}  // namespace gm
