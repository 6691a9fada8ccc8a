// The management windows' lists and how their layouts are remembered between runs.
//
// A `ListPanel` is one list: a report view (a tree of rows with sortable columns) and, over the
// same rows and selection, an icon view for the other three view styles. A `WindowLayout`
// belongs to a window: it reads the layout of the window's lists and check boxes when the window
// has been built and writes it back when the window is destroyed, through the program's
// settings:
//   ViewStyle/<window>/<list>    the view style (0 large icons, 1 small icons, 2 list, 3 report)
//   Columns/<section>/<n>        the width of column n, 0 for a column the player hid
//   Checked/<window>/<n>         check box n of the window (in the window's order), 0 or 1
//   Appkeys/<window>/<sortkey>   the sort column (-1: the game's own order), and
//   Appkeys/<window>/<sortkey>order  0 ascending, 1 descending
// An entry that is missing or out of range leaves the list as its window designed it: the
// report view, every column shown and fitted to its contents (and refitted as longer rows come,
// until the player sets a width himself), the game's own order.
#pragma once

#include <QList>
#include <QStackedWidget>
#include <QString>
#include <QVariant>
#include <vector>

class QCheckBox;
class QListView;
class QMenu;
class QSettings;
class QTreeWidget;

namespace gm {

enum class ViewStyle : int { LargeIcons = 0, SmallIcons = 1, List = 2, Report = 3 };

class ListPanel : public QStackedWidget {
  Q_OBJECT

 public:
  // `name` is the list's name in its window ("dailist"), `columnsSection` the section of its
  // column widths ("tmcolumns"), `sortKey` the key of its sort column ("daisort").
  ListPanel(const QString& name, const QString& columnsSection, const QString& sortKey,
            const QStringList& headers, QWidget* parent = nullptr);

  QTreeWidget* tree() const { return tree_; }
  QListView* iconView() const { return icons_; }
  // The column the icon views show (the row's name and its icon); the first unless set.
  void setNameColumn(int column);
  const QString& listName() const { return name_; }

  ViewStyle viewStyle() const { return style_; }
  void setViewStyle(ViewStyle style);
  // The four view styles as checkable items, for the windows' pop-up menus.
  QMenu* styleMenu() const { return styleMenu_; }

  // Which columns show; the first (the row's name) always does.
  QList<bool> shownColumns() const;
  void setShownColumns(const QList<bool>& shown);
  // "項目(&V)": the column chooser "表示項目"; true when the player changed the columns.
  bool chooseColumns();

  // Around refilling the rows: the rows keep their selection (by the key in column 0's
  // UserRole; rows without one start unselected), sorting waits until the rows are in, and the
  // first rows fit the columns that have no width of their own yet.
  void beginFill();
  void endFill();
  // The keys (column 0's UserRole) of the selected rows, in the order the list shows them.
  QList<QVariant> selectedKeys() const;
  void selectAll();

  void readLayout(QSettings& settings, const QString& window);
  void writeLayout(QSettings& settings, const QString& window) const;

 private:
  void applyIconSizes();

  QString name_, columnsSection_, sortKey_;
  QTreeWidget* tree_;
  QListView* icons_;
  QMenu* styleMenu_;
  ViewStyle style_ = ViewStyle::Report;
  std::vector<bool> sized_;   // the column has a width (stored, or fitted to its rows)
  std::vector<bool> chosen_;  // the width is the player's (stored, or dragged): it stays
  bool fitting_ = false;      // the list is fitting its columns itself
  bool columnsSetUp_ = false;
  QList<QVariant> keptSelection_;
};

class WindowLayout {
 public:
  // `name` is the window's section ("tempoform"); `window` holds the check boxes.
  WindowLayout(QWidget* window, const QString& name);
  ~WindowLayout();
  WindowLayout(const WindowLayout&) = delete;
  WindowLayout& operator=(const WindowLayout&) = delete;

  void addList(ListPanel* list);
  // Reads what the last run wrote; call once the window's lists and check boxes exist.
  void restore();
  // Writes the layout; the destructor does it for the window.
  void store() const;

 private:
  QList<QCheckBox*> checkBoxes() const;

  QWidget* window_;
  QString name_;
  std::vector<ListPanel*> lists_;
  bool restored_ = false;
};

}  // namespace gm
