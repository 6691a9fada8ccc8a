// The help pages of the data folder's help/: each HTML page names its title in <title> and its
// keywords in <meta name="keywords" content="a,b,c">. The contents page (index.html) lists the
// topics in the order a new player needs them, and that order is the help's order: the contents
// list, the first page shown and the previous and next page all follow it, so a new page takes
// its place by one line in the contents page. Pages the contents page does not name follow, by
// file name.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace gm {

struct HelpPage {
  QString file;  // absolute path
  QString title;
  QStringList keywords;
};

class HelpIndex {
 public:
  static constexpr const char* kContentsFile = "index.html";

  // Reads every *.html page of the folder.
  explicit HelpIndex(const QString& folder);

  // The topics in help order (the contents page not among them); the first is the introduction.
  const std::vector<HelpPage>& pages() const { return pages_; }
  // The contents page, when the folder has one.
  const std::optional<HelpPage>& contentsPage() const { return contents_; }
  // The topic of a file (absolute path); -1 for the contents page and unknown files.
  int indexOf(const QString& file) const;
  // Every keyword once, sorted.
  QStringList keywords() const;
  // The pages (the contents page included) that carry a keyword (exact match,
  // case-insensitive).
  std::vector<const HelpPage*> pagesFor(const QString& keyword) const;

  // The title and keywords of one page's HTML text.
  static HelpPage parse(const QString& html);
  // The local pages a page links to, in the order of the text, each once (anchors dropped).
  static QStringList linkedFiles(const QString& html);

 private:
  std::vector<HelpPage> pages_;
  std::optional<HelpPage> contents_;
};

}  // namespace gm
