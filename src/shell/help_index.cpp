// Reading the help pages' titles and keywords.
#include "shell/help_index.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>

namespace gm {

namespace {
QString plain(const QString& html) {
  QTextDocument doc;
  doc.setHtml(html);
  return doc.toPlainText().simplified();
}
}  // namespace

HelpPage HelpIndex::parse(const QString& html) {
  HelpPage page;
  static const QRegularExpression title(
      QStringLiteral("<title[^>]*>(.*?)</title>"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression meta(QStringLiteral("<meta\\s[^>]*>"),
                                       QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression name(QStringLiteral("name\\s*=\\s*[\"']keywords[\"']"),
                                       QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression content(QStringLiteral("content\\s*=\\s*[\"']([^\"']*)[\"']"),
                                          QRegularExpression::CaseInsensitiveOption);
  if (auto m = title.match(html); m.hasMatch()) page.title = plain(m.captured(1));
  for (auto it = meta.globalMatch(html); it.hasNext();) {
    const QString tag = it.next().captured(0);
    if (!name.match(tag).hasMatch()) continue;
    if (auto c = content.match(tag); c.hasMatch()) {
      for (const QString& k :
           plain(c.captured(1)).split(QRegularExpression(QStringLiteral("[,、，]"))))
        if (!k.trimmed().isEmpty()) page.keywords << k.trimmed();
    }
  }
  return page;
}

QStringList HelpIndex::linkedFiles(const QString& html) {
  static const QRegularExpression href(QStringLiteral("<a\\s[^>]*href\\s*=\\s*[\"']([^\"'#]+)"),
                                       QRegularExpression::CaseInsensitiveOption);
  QStringList files;
  for (auto it = href.globalMatch(html); it.hasNext();) {
    const QString target = it.next().captured(1).trimmed();
    if (target.contains(QLatin1Char(':')) || files.contains(target)) continue;  // not local
    files << target;
  }
  return files;
}

HelpIndex::HelpIndex(const QString& folder) {
  const QDir dir(folder);
  const QStringList files =
      dir.entryList({QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
  std::vector<HelpPage> read;
  QStringList order;
  for (const QString& f : files) {
    QFile file(dir.filePath(f));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QString html = QString::fromUtf8(file.readAll());
    HelpPage page = parse(html);
    page.file = QFileInfo(file).absoluteFilePath();
    if (page.title.isEmpty()) page.title = QFileInfo(f).completeBaseName();
    if (f == QLatin1String(kContentsFile)) {
      for (const QString& linked : linkedFiles(html))
        order << QFileInfo(dir.filePath(linked)).absoluteFilePath();
      contents_ = std::move(page);
    } else {
      read.push_back(std::move(page));
    }
  }
  for (const QString& file : order) {
    for (HelpPage& p : read) {
      if (p.file != file) continue;
      pages_.push_back(std::move(p));
      p.file.clear();  // taken
      break;
    }
  }
  for (HelpPage& p : read)
    if (!p.file.isEmpty()) pages_.push_back(std::move(p));
}

int HelpIndex::indexOf(const QString& file) const {
  const QString wanted = QFileInfo(file).absoluteFilePath();
  for (size_t i = 0; i < pages_.size(); ++i)
    if (pages_[i].file == wanted) return static_cast<int>(i);
  return -1;
}

QStringList HelpIndex::keywords() const {
  QSet<QString> seen;
  QStringList all;
  std::vector<const HelpPage*> every;
  for (const HelpPage& p : pages_) every.push_back(&p);
  if (contents_) every.push_back(&*contents_);
  for (const HelpPage* p : every)
    for (const QString& k : p->keywords)
      if (!seen.contains(k.toLower())) {
        seen.insert(k.toLower());
        all << k;
      }
  all.sort(Qt::CaseInsensitive);
  return all;
}

std::vector<const HelpPage*> HelpIndex::pagesFor(const QString& keyword) const {
  std::vector<const HelpPage*> found;
  auto look = [&](const HelpPage& p) {
    for (const QString& k : p.keywords)
      if (k.compare(keyword, Qt::CaseInsensitive) == 0) {
        found.push_back(&p);
        return;
      }
  };
  for (const HelpPage& p : pages_) look(p);
  if (contents_) look(*contents_);
  return found;
}

}  // namespace gm
