// The help window.
#include "shell/help_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/form_placement.h"
#include "shell/help_index.h"

namespace gm {

HelpWindow::HelpWindow(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), index_(std::make_unique<HelpIndex>(folder)) {
  setWindowTitle(QStringLiteral("Gindamaya97 ﾍﾙﾌﾟ"));
  tabs_ = new QTabWidget;
  contents_ = new QListWidget;
  for (const HelpPage& p : index_->pages()) {
    auto* item = new QListWidgetItem(p.title, contents_);
    item->setData(Qt::UserRole, p.file);
  }
  tabs_->addTab(contents_, QStringLiteral("目次"));

  auto* searchPage = new QWidget;
  search_ = new QLineEdit;
  search_->setPlaceholderText(QStringLiteral("調べたい言葉を入力"));
  keywords_ = new QListWidget;
  keywords_->addItems(index_->keywords());
  hits_ = new QListWidget;
  auto* searchLayout = new QVBoxLayout(searchPage);
  searchLayout->addWidget(search_);
  searchLayout->addWidget(keywords_, 2);
  searchLayout->addWidget(new QLabel(QStringLiteral("該当する項目")));
  searchLayout->addWidget(hits_, 1);
  tabs_->addTab(searchPage, QStringLiteral("項目の検索"));

  browser_ = new QTextBrowser;
  browser_->setOpenLinks(true);
  browser_->setSearchPaths({folder});

  auto* split = new QSplitter;
  split->addWidget(tabs_);
  split->addWidget(browser_);
  split->setStretchFactor(1, 3);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(split);
  resize(820, 560);

  auto openItem = [this](QListWidgetItem* item) {
    if (item) openPage(item->data(Qt::UserRole).toString());
  };
  connect(contents_, &QListWidget::itemActivated, this, openItem);
  connect(contents_, &QListWidget::itemClicked, this, openItem);
  connect(hits_, &QListWidget::itemActivated, this, openItem);
  connect(hits_, &QListWidget::itemClicked, this, openItem);
  connect(search_, &QLineEdit::textChanged, this, &HelpWindow::filterKeywords);
  connect(search_, &QLineEdit::returnPressed, this, [this] {
    if (QListWidgetItem* first = keywords_->currentItem()) keywordChosen(first->text());
  });
  connect(keywords_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { keywordChosen(item->text()); });
  connect(keywords_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { keywordChosen(item->text()); });

  new FormPlacement(this, QStringLiteral("help"));
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::showContents() {
  tabs_->setCurrentIndex(0);
  if (browser_->source().isEmpty() && !index_->pages().empty())
    openPage(index_->pages().front().file);
  show();
  raise();
  activateWindow();
}

void HelpWindow::showKeywordSearch() {
  tabs_->setCurrentIndex(1);
  show();
  raise();
  activateWindow();
  search_->setFocus();
}

void HelpWindow::openPage(const QString& file) { browser_->setSource(QUrl::fromLocalFile(file)); }

void HelpWindow::filterKeywords(const QString& typed) {
  // Jumps to the first keyword that starts with what was typed, as a help index does.
  for (int i = 0; i < keywords_->count(); ++i) {
    if (keywords_->item(i)->text().startsWith(typed, Qt::CaseInsensitive)) {
      keywords_->setCurrentRow(i);
      keywords_->scrollToItem(keywords_->item(i), QAbstractItemView::PositionAtTop);
      return;
    }
  }
}

void HelpWindow::keywordChosen(const QString& keyword) {
  hits_->clear();
  const auto pages = index_->pagesFor(keyword);
  for (const HelpPage* p : pages) {
    auto* item = new QListWidgetItem(p->title, hits_);
    item->setData(Qt::UserRole, p->file);
  }
  if (pages.size() == 1) openPage(pages.front()->file);
}

}  // namespace gm
