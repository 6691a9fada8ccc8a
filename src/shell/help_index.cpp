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

HelpIndex::HelpIndex(const QString& folder) {
  const QDir dir(folder);
  const QStringList files =
      dir.entryList({QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
  for (const QString& f : files) {
    QFile file(dir.filePath(f));
    if (!file.open(QIODevice::ReadOnly)) continue;
    HelpPage page = parse(QString::fromUtf8(file.readAll()));
    page.file = QFileInfo(file).absoluteFilePath();
    if (page.title.isEmpty()) page.title = QFileInfo(f).completeBaseName();
    pages_.push_back(std::move(page));
  }
}

QStringList HelpIndex::keywords() const {
  QSet<QString> seen;
  QStringList all;
  for (const HelpPage& p : pages_)
    for (const QString& k : p.keywords)
      if (!seen.contains(k.toLower())) {
        seen.insert(k.toLower());
        all << k;
      }
  all.sort(Qt::CaseInsensitive);
  return all;
}

std::vector<const HelpPage*> HelpIndex::pagesFor(const QString& keyword) const {
  std::vector<const HelpPage*> found;
  for (const HelpPage& p : pages_)
    for (const QString& k : p.keywords)
      if (k.compare(keyword, Qt::CaseInsensitive) == 0) {
        found.push_back(&p);
        break;
      }
  return found;
}

}  // namespace gm
