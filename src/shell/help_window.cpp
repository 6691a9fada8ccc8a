// The help window.
#include "shell/help_window.h"

#include <QAbstractTextDocumentLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/form_placement.h"
#include "shell/help_index.h"

namespace gm {

namespace {
constexpr int kKeywordRole = Qt::UserRole + 1;
}

HelpWindow::HelpWindow(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), index_(std::make_unique<HelpIndex>(folder)) {
  setWindowTitle(tr("Gindamaya97 ﾍﾙﾌﾟ"));
  tabs_ = new QTabWidget;
  contents_ = new QListWidget;
  for (const HelpPage& p : index_->pages()) {
    auto* item = new QListWidgetItem(p.title, contents_);
    item->setData(Qt::UserRole, p.file);
  }
  tabs_->addTab(contents_, tr("目次"));

  auto* searchPage = new QWidget;
  search_ = new QLineEdit;
  search_->setPlaceholderText(tr("調べたい言葉を入力"));
  keywords_ = new QListWidget;
  keywords_->addItems(index_->keywords());
  hits_ = new QListWidget;
  auto* searchLayout = new QVBoxLayout(searchPage);
  searchLayout->addWidget(search_);
  searchLayout->addWidget(keywords_, 2);
  searchLayout->addWidget(new QLabel(tr("該当する項目")));
  searchLayout->addWidget(hits_, 1);
  tabs_->addTab(searchPage, tr("項目の検索"));

  browser_ = new QTextBrowser;
  browser_->setOpenLinks(true);
  browser_->setSearchPaths({folder});
  previous_ = new QPushButton;
  toContents_ = new QPushButton(tr("目次(&C)"));
  next_ = new QPushButton;
  toContents_->setEnabled(index_->contentsPage().has_value());
  auto* navigation = new QHBoxLayout;
  navigation->addWidget(previous_);
  navigation->addStretch(1);
  navigation->addWidget(toContents_);
  navigation->addStretch(1);
  navigation->addWidget(next_);
  auto* reading = new QWidget;
  auto* readingLayout = new QVBoxLayout(reading);
  readingLayout->setContentsMargins(0, 0, 0, 0);
  readingLayout->addWidget(browser_, 1);
  readingLayout->addLayout(navigation);

  auto* split = new QSplitter;
  split->addWidget(tabs_);
  split->addWidget(reading);
  split->setStretchFactor(1, 3);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(split);
  resize(820, 560);

  auto openItem = [this](QListWidgetItem* item) {
    if (item) openPage(item->data(Qt::UserRole).toString());
  };
  connect(contents_, &QListWidget::itemActivated, this, openItem);
  connect(contents_, &QListWidget::itemClicked, this, openItem);
  auto openHit = [this](QListWidgetItem* item) {
    if (item) openPage(item->data(Qt::UserRole).toString(), item->data(kKeywordRole).toString());
  };
  connect(hits_, &QListWidget::itemActivated, this, openHit);
  connect(hits_, &QListWidget::itemClicked, this, openHit);
  // Esc closes the help, as it closes the game's dialogs.
  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close, &QShortcut::activated, this, &QWidget::close);
  connect(search_, &QLineEdit::textChanged, this, &HelpWindow::filterKeywords);
  connect(search_, &QLineEdit::returnPressed, this, [this] {
    if (QListWidgetItem* first = keywords_->currentItem()) keywordChosen(first->text());
  });
  connect(keywords_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { keywordChosen(item->text()); });
  connect(keywords_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { keywordChosen(item->text()); });
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::pageShown);
  connect(previous_, &QPushButton::clicked, this, [this] {
    const int at = index_->indexOf(browser_->source().toLocalFile());
    if (at > 0) openPage(index_->pages()[at - 1].file);
  });
  connect(next_, &QPushButton::clicked, this, [this] {
    const int at = index_->indexOf(browser_->source().toLocalFile());
    const auto& pages = index_->pages();
    // From the contents page, "next" is the first topic.
    if (at + 1 < static_cast<int>(pages.size())) openPage(pages[at + 1].file);
  });
  connect(toContents_, &QPushButton::clicked, this, [this] {
    if (index_->contentsPage()) openPage(index_->contentsPage()->file);
  });
  pageShown(QUrl());

  // The help first appears in the middle of the screen, shrunk to fit a small one.
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

void HelpWindow::pageShown(const QUrl& page) {
  const auto& pages = index_->pages();
  const int count = static_cast<int>(pages.size());
  // The browser announces the new page before source() reads it.
  const int at = index_->indexOf(page.toLocalFile());
  const bool hasPrevious = at > 0;
  const bool hasNext = at + 1 < count;
  previous_->setEnabled(hasPrevious);
  next_->setEnabled(hasNext);
  previous_->setText(hasPrevious ? tr("前へ：%1").arg(pages[at - 1].title) : tr("前へ"));
  next_->setText(hasNext ? tr("次へ：%1").arg(pages[at + 1].title) : tr("次へ"));
  const QSignalBlocker quiet(contents_);
  contents_->setCurrentRow(at);
}

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
    item->setData(kKeywordRole, keyword);
  }
  if (pages.size() == 1) openPage(pages.front()->file, keyword);
}

void HelpWindow::openPage(const QString& file, const QString& keyword) {
  openPage(file);
  if (!keyword.isEmpty()) showSectionOf(keyword);
}

void HelpWindow::showSectionOf(const QString& keyword) {
  // A long page opens at the section about the word: a section heading that names it first,
  // else the section whose text first holds it, with the word marked. The page's title does not
  // count, and a word found nowhere leaves the page at its top.
  QTextDocument* doc = browser_->document();
  QTextCursor inText;
  for (QTextCursor c = doc->find(keyword); !c.isNull(); c = doc->find(keyword, c)) {
    const int level = c.block().blockFormat().headingLevel();
    if (level >= 2) {
      inText = c;
      break;
    }
    if (level == 0 && inText.isNull()) inText = c;
  }
  if (inText.isNull()) return;
  QTextBlock heading = inText.block();
  while (heading.isValid() && heading.blockFormat().headingLevel() == 0)
    heading = heading.previous();
  const QTextBlock top = heading.isValid() ? heading : inText.block();
  browser_->setTextCursor(inText);
  const qreal y = doc->documentLayout()->blockBoundingRect(top).top();
  browser_->verticalScrollBar()->setValue(static_cast<int>(y));
}

}  // namespace gm
