// The help window: a contents page listing every help page by title, a keyword search, and the
// page itself. Links between pages work as in a browser.
#pragma once

#include <QWidget>
#include <memory>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace gm {

class HelpIndex;

class HelpWindow : public QWidget {
 public:
  explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);
  ~HelpWindow() override;

  void showContents();
  void showKeywordSearch();
  void openPage(const QString& file);

  const HelpIndex& index() const { return *index_; }
  QTextBrowser* browser() const { return browser_; }

 private:
  void filterKeywords(const QString& typed);
  void keywordChosen(const QString& keyword);

  std::unique_ptr<HelpIndex> index_;
  QTabWidget* tabs_;
  QListWidget* contents_;
  QLineEdit* search_;
  QListWidget* keywords_;
  QListWidget* hits_;
  QTextBrowser* browser_;
};

}  // namespace gm
