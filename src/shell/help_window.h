// The help window: a contents list of every help page by title in help order, a keyword search,
// and the page itself, with buttons to the previous and next page and to the contents page.
// Links between pages work as in a browser. It opens on the introduction; a keyword opens its page
// at the section that holds it; Esc closes the window.
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <memory>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QUrl;

namespace gm {

class HelpIndex;

class HelpWindow : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(HelpWindow)

 public:
  explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);
  ~HelpWindow() override;

  void showContents();
  void showKeywordSearch();
  void openPage(const QString& file);
  // Opens a page at the section that holds `keyword` (the keyword search's way in).
  void openPage(const QString& file, const QString& keyword);

  const HelpIndex& index() const { return *index_; }
  QTextBrowser* browser() const { return browser_; }
  QPushButton* previousButton() const { return previous_; }
  QPushButton* nextButton() const { return next_; }
  QPushButton* contentsButton() const { return toContents_; }
  QListWidget* contentsList() const { return contents_; }

 private:
  void filterKeywords(const QString& typed);
  void keywordChosen(const QString& keyword);
  void showSectionOf(const QString& keyword);
  // The buttons and the contents list follow the page shown.
  void pageShown(const QUrl& page);

  std::unique_ptr<HelpIndex> index_;
  QTabWidget* tabs_;
  QListWidget* contents_;
  QLineEdit* search_;
  QListWidget* keywords_;
  QListWidget* hits_;
  QTextBrowser* browser_;
  QPushButton* previous_;
  QPushButton* toContents_;
  QPushButton* next_;
};

}  // namespace gm
