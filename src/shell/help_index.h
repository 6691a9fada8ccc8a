// The help pages of the data folder's help/: each HTML page names its title in <title> and its
// keywords in <meta name="keywords" content="a,b,c">. The index lists the pages by title and
// answers which pages a keyword leads to.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace gm {

struct HelpPage {
  QString file;  // absolute path
  QString title;
  QStringList keywords;
};

class HelpIndex {
 public:
  // Reads every *.html page of the folder; pages are ordered by file name.
  explicit HelpIndex(const QString& folder);

  const std::vector<HelpPage>& pages() const { return pages_; }
  // Every keyword once, sorted.
  QStringList keywords() const;
  // The pages that carry a keyword (exact match, case-insensitive).
  std::vector<const HelpPage*> pagesFor(const QString& keyword) const;

  // The title and keywords of one page's HTML text.
  static HelpPage parse(const QString& html);

 private:
  std::vector<HelpPage> pages_;
};

}  // namespace gm
