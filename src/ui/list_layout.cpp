// The lists of the management windows and their remembered layouts.
#include "ui/list_layout.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QListView>
#include <QMenu>
#include <QSettings>
#include <QTreeWidget>
#include <array>
#include <optional>

#include "shell/options_store.h"
#include "ui/column_chooser_dialog.h"

namespace gm {

namespace {

constexpr int kMaxColumnWidth = 4000;
constexpr int kKeyRole = Qt::UserRole;

// Reads an integer entry; nothing when it is missing or not a number.
std::optional<int> readInt(QSettings& s, const QString& key) {
  const QVariant v = s.value(key);
  if (!v.isValid()) return std::nullopt;
  bool ok = false;
  const int n = v.toInt(&ok);
  if (!ok) return std::nullopt;
  return n;
}

constexpr std::array<const char*, 4> kStyleNames = {
    QT_TRANSLATE_NOOP("gm::ListPanel", "大きいアイコン(&G)"),
    QT_TRANSLATE_NOOP("gm::ListPanel", "小さいアイコン(&M)"),
    QT_TRANSLATE_NOOP("gm::ListPanel", "一覧(&L)"), QT_TRANSLATE_NOOP("gm::ListPanel", "詳細(&D)")};

}  // namespace

ListPanel::ListPanel(const QString& name, const QString& columnsSection, const QString& sortKey,
                     const QStringList& headers, QWidget* parent)
    : QStackedWidget(parent), name_(name), columnsSection_(columnsSection), sortKey_(sortKey) {
  setObjectName(name + QStringLiteral("panel"));
  tree_ = new QTreeWidget(this);
  tree_->setObjectName(name);
  tree_->setColumnCount(static_cast<int>(headers.size()));
  tree_->setHeaderLabels(headers);
  tree_->setRootIsDecorated(false);
  tree_->setUniformRowHeights(true);  // keeps a thousand rows quick to lay out
  tree_->setAllColumnsShowFocus(true);
  tree_->header()->setSectionResizeMode(QHeaderView::Interactive);
  tree_->header()->setSectionsMovable(false);
  tree_->header()->setSortIndicator(-1, Qt::AscendingOrder);
  tree_->setSortingEnabled(true);
  sized_.assign(static_cast<std::size_t>(headers.size()), false);
  chosen_.assign(static_cast<std::size_t>(headers.size()), false);
  // A width the player drags is his; the header's own stretching of its last column is not.
  connect(tree_->header(), &QHeaderView::sectionResized, this, [this](int column) {
    if (!fitting_ && (QApplication::mouseButtons() & Qt::LeftButton) && column >= 0 &&
        column < static_cast<int>(chosen_.size()))
      chosen_[column] = true;
  });

  // The icon view shows the same rows: the report's model, its first column, its selection.
  icons_ = new QListView(this);
  icons_->setObjectName(name + QStringLiteral("icons"));
  icons_->setModel(tree_->model());
  icons_->setModelColumn(0);
  QItemSelectionModel* own = icons_->selectionModel();
  icons_->setSelectionModel(tree_->selectionModel());
  delete own;
  icons_->setUniformItemSizes(true);
  icons_->setResizeMode(QListView::Adjust);
  icons_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  connect(icons_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
    if (QTreeWidgetItem* item = tree_->itemFromIndex(index))
      emit tree_->itemDoubleClicked(item, index.column());
  });
  addWidget(tree_);
  addWidget(icons_);

  styleMenu_ = new QMenu(tr("表示(&O)"), this);
  auto* group = new QActionGroup(styleMenu_);
  for (int s = 0; s < 4; ++s) {
    QAction* a = styleMenu_->addAction(tr(kStyleNames[s]));
    a->setCheckable(true);
    a->setData(s);
    group->addAction(a);
    connect(a, &QAction::triggered, this, [this, s] { setViewStyle(static_cast<ViewStyle>(s)); });
  }
  setViewStyle(ViewStyle::Report);
}

void ListPanel::setNameColumn(int column) {
  if (column >= 0 && column < tree_->columnCount()) icons_->setModelColumn(column);
}

void ListPanel::setViewStyle(ViewStyle style) {
  style_ = style;
  // The selection mode is the report's; the icon view follows it.
  icons_->setSelectionMode(tree_->selectionMode());
  switch (style) {
    case ViewStyle::LargeIcons:
      icons_->setViewMode(QListView::IconMode);
      icons_->setWrapping(true);
      break;
    case ViewStyle::SmallIcons:
      icons_->setViewMode(QListView::ListMode);
      icons_->setFlow(QListView::LeftToRight);
      icons_->setWrapping(true);
      break;
    case ViewStyle::List:
      icons_->setViewMode(QListView::ListMode);
      icons_->setFlow(QListView::TopToBottom);
      icons_->setWrapping(true);
      break;
    case ViewStyle::Report:
      break;
  }
  applyIconSizes();
  setCurrentWidget(style == ViewStyle::Report ? static_cast<QWidget*>(tree_) : icons_);
  for (QAction* a : styleMenu_->actions()) a->setChecked(a->data().toInt() == int(style));
}

void ListPanel::applyIconSizes() {
  const int small = fontMetrics().height() + 4;
  icons_->setIconSize(style_ == ViewStyle::LargeIcons ? QSize(32, 32) : QSize(small, small));
  tree_->setIconSize(QSize(small, small));
  if (style_ == ViewStyle::LargeIcons) {
    // Room for the picture and two lines of a name under it.
    const int width = std::max(96, fontMetrics().averageCharWidth() * 14);
    icons_->setGridSize(QSize(width, 32 + 2 * fontMetrics().height() + 12));
    icons_->setWordWrap(true);
  } else {
    icons_->setGridSize(QSize());
    icons_->setWordWrap(false);
  }
}

QList<bool> ListPanel::shownColumns() const {
  QList<bool> shown;
  for (int c = 0; c < tree_->columnCount(); ++c) shown << !tree_->isColumnHidden(c);
  return shown;
}

void ListPanel::setShownColumns(const QList<bool>& shown) {
  for (int c = 1; c < tree_->columnCount() && c < shown.size(); ++c) {
    const bool wasHidden = tree_->isColumnHidden(c);
    tree_->setColumnHidden(c, !shown[c]);
    // A column brought back fits its rows again.
    if (wasHidden && shown[c]) {
      fitting_ = true;
      tree_->resizeColumnToContents(c);
      fitting_ = false;
      sized_[c] = tree_->topLevelItemCount() > 0;
      chosen_[c] = false;
    }
  }
}

bool ListPanel::chooseColumns() {
  QStringList headers;
  for (int c = 0; c < tree_->columnCount(); ++c) headers << tree_->headerItem()->text(c);
  Tlvkoumokuform chooser(headers, shownColumns(), window());
  if (chooser.exec() != QDialog::Accepted) return false;
  const QList<bool> before = shownColumns();
  setShownColumns(chooser.shown());
  return shownColumns() != before;
}

void ListPanel::beginFill() {
  keptSelection_ = selectedKeys();
  tree_->setUpdatesEnabled(false);
  tree_->setSortingEnabled(false);
}

void ListPanel::endFill() {
  const QHeaderView* header = tree_->header();
  const int column = header->sortIndicatorSection();
  tree_->setSortingEnabled(true);
  if (column >= 0 && column < tree_->columnCount())
    tree_->sortItems(column, header->sortIndicatorOrder());
  for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = tree_->topLevelItem(i);
    if (keptSelection_.contains(item->data(0, kKeyRole))) item->setSelected(true);
  }
  keptSelection_.clear();
  if (tree_->topLevelItemCount() > 0) {
    // Columns whose width the player has not chosen grow to what the rows now hold: the first
    // rows may not have had the longest names ("CRセブン機" after "一般台").
    fitting_ = true;
    for (int c = 0; c < tree_->columnCount(); ++c) {
      if (chosen_[c] || tree_->isColumnHidden(c)) continue;
      const int before = sized_[c] ? tree_->columnWidth(c) : 0;
      tree_->resizeColumnToContents(c);
      if (tree_->columnWidth(c) < before) tree_->setColumnWidth(c, before);
      sized_[c] = true;
    }
    fitting_ = false;
    columnsSetUp_ = true;
  }
  tree_->setUpdatesEnabled(true);
}

QList<QVariant> ListPanel::selectedKeys() const {
  QList<QVariant> keys;
  for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = tree_->topLevelItem(i);
    // Rows without a key cannot be found again after a refill.
    if (item->isSelected() && item->data(0, kKeyRole).isValid()) keys << item->data(0, kKeyRole);
  }
  return keys;
}

void ListPanel::selectAll() { tree_->selectAll(); }

void ListPanel::readLayout(QSettings& s, const QString& window) {
  if (const auto style = readInt(s, QStringLiteral("ViewStyle/%1/%2").arg(window, name_));
      style && *style >= 0 && *style <= 3)
    setViewStyle(static_cast<ViewStyle>(*style));

  bool any = false;
  for (int c = 0; c < tree_->columnCount(); ++c) {
    const auto width = readInt(s, QStringLiteral("Columns/%1/%2").arg(columnsSection_).arg(c));
    if (!width || *width < 0 || *width > kMaxColumnWidth) continue;
    any = true;
    // The first column carries the row's name and cannot be hidden.
    if (*width == 0 && c > 0) {
      tree_->setColumnHidden(c, true);
      continue;
    }
    if (*width == 0) continue;
    tree_->setColumnHidden(c, false);
    tree_->setColumnWidth(c, *width);
    sized_[c] = true;
    chosen_[c] = true;
  }
  if (any) columnsSetUp_ = true;

  const auto column = readInt(s, QStringLiteral("Appkeys/%1/%2").arg(window, sortKey_));
  const auto order = readInt(s, QStringLiteral("Appkeys/%1/%2order").arg(window, sortKey_));
  if (column && *column >= -1 && *column < tree_->columnCount()) {
    const Qt::SortOrder o = order && *order == 1 ? Qt::DescendingOrder : Qt::AscendingOrder;
    tree_->header()->setSortIndicator(*column, o);
    if (*column >= 0) tree_->sortItems(*column, o);
  }
}

void ListPanel::writeLayout(QSettings& s, const QString& window) const {
  s.setValue(QStringLiteral("ViewStyle/%1/%2").arg(window, name_), static_cast<int>(style_));
  if (columnsSetUp_) {
    for (int c = 0; c < tree_->columnCount(); ++c)
      s.setValue(QStringLiteral("Columns/%1/%2").arg(columnsSection_).arg(c),
                 tree_->isColumnHidden(c) ? 0 : tree_->columnWidth(c));
  }
  const QHeaderView* header = tree_->header();
  const int column = header->sortIndicatorSection();
  s.setValue(QStringLiteral("Appkeys/%1/%2").arg(window, sortKey_),
             column >= 0 && column < tree_->columnCount() ? column : -1);
  s.setValue(QStringLiteral("Appkeys/%1/%2order").arg(window, sortKey_),
             header->sortIndicatorOrder() == Qt::DescendingOrder ? 1 : 0);
}

WindowLayout::WindowLayout(QWidget* window, const QString& name) : window_(window), name_(name) {}

WindowLayout::~WindowLayout() { store(); }

void WindowLayout::addList(ListPanel* list) { lists_.push_back(list); }

QList<QCheckBox*> WindowLayout::checkBoxes() const { return window_->findChildren<QCheckBox*>(); }

void WindowLayout::restore() {
  auto settings = openSettings();
  for (ListPanel* l : lists_) l->readLayout(*settings, name_);
  const QList<QCheckBox*> boxes = checkBoxes();
  for (int i = 0; i < boxes.size(); ++i) {
    const auto v = readInt(*settings, QStringLiteral("Checked/%1/%2").arg(name_).arg(i));
    if (v && (*v == 0 || *v == 1)) boxes[i]->setChecked(*v == 1);
  }
  restored_ = true;
}

void WindowLayout::store() const {
  // A window that never read its layout would overwrite the last run's with its defaults.
  if (!restored_) return;
  auto settings = openSettings();
  for (const ListPanel* l : lists_) l->writeLayout(*settings, name_);
  const QList<QCheckBox*> boxes = checkBoxes();
  for (int i = 0; i < boxes.size(); ++i)
    settings->setValue(QStringLiteral("Checked/%1/%2").arg(name_).arg(i),
                       boxes[i]->isChecked() ? 1 : 0);
  settings->sync();
}

}  // namespace gm
