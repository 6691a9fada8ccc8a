// The help and the shipped cities in English: every Japanese help page has its English twin in
// help/en and the reverse, each with a title, keywords, working links and no Japanese but the
// game's names and the captions a page marks as Japanese; the help opens the English pages when
// the game speaks English; and the shipped cities' descriptions come from the catalogue, each in
// English that fits the city selection dialog's box.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>

#include "english_tour.h"
#include "persist/city_file.h"
#include "shell/data_folder.h"
#include "shell/help_index.h"
#include "shell/help_window.h"
#include "shell/language.h"
#include "shell/main_window.h"
#include "shell/new_game_dialogs.h"
#include "shell/shipped_city_texts.h"
#include "shell/typing_box.h"
#include "shell_test_support.h"

namespace gm {
namespace {

QString readText(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList pagesIn(const QString& folder) {
  return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QStringList anchorsOf(const QString& html) {
  static const QRegularExpression name(QStringLiteral("<a\\s[^>]*name\\s*=\\s*[\"']([^\"']+)"),
                                       QRegularExpression::CaseInsensitiveOption);
  QStringList anchors;
  for (auto it = name.globalMatch(html); it.hasNext();) anchors << it.next().captured(1);
  return anchors;
}

// Every href of a page that stays on this computer, anchors kept ("stores.html#setubi").
QStringList localTargets(const QString& html) {
  static const QRegularExpression href(QStringLiteral("<a\\s[^>]*href\\s*=\\s*[\"']([^\"']+)"),
                                       QRegularExpression::CaseInsensitiveOption);
  QStringList targets;
  for (auto it = href.globalMatch(html); it.hasNext();) {
    const QString target = it.next().captured(1);
    if (!target.contains(QLatin1Char(':'))) targets << target;
  }
  return targets;
}

struct ShippedCity {
  QString file;
  CityDefinition city;
};

std::vector<ShippedCity> shippedCities() {
  std::vector<ShippedCity> cities;
  const QDir dir(QStringLiteral(GM_ASSETS_DIR "/cities"));
  for (const QString& f : dir.entryList({QStringLiteral("*.pmp")}, QDir::Files, QDir::Name)) {
    CityReadResult r = ReadCityFile(dir.filePath(f).toStdString());
    EXPECT_TRUE(r.ok) << f.toStdString() << ": " << r.error;
    if (r.ok) cities.push_back({f, r.city});
  }
  return cities;
}

// The names a page may show as the game does: makers, models, rivals and the shipped cities.
QStringList gameNames() {
  auto world = test::smallWorld(4, 4);
  QStringList names = test::namesOf(*world);
  for (const ShippedCity& c : shippedCities()) names << QString::fromStdString(c.city.name);
  std::sort(names.begin(), names.end(),
            [](const QString& a, const QString& b) { return a.size() > b.size(); });
  return names;
}

TEST(EnglishHelp, EveryPageHasItsTwinWithTitleKeywordsAnchorsAndLinksThatLand) {
  const QString japaneseHelp = dataPath(QStringLiteral("help"));
  const QString englishHelp = dataPath(QStringLiteral("help/en"));
  const QStringList japanese = pagesIn(japaneseHelp);
  ASSERT_GE(japanese.size(), 20) << "the data folder lacks the help pages";
  EXPECT_EQ(pagesIn(englishHelp), japanese) << "help/en must have one page for every Japanese page";

  for (const QString& page : pagesIn(englishHelp)) {
    const std::string at = page.toStdString();
    const QString html = readText(englishHelp + QLatin1Char('/') + page);
    const HelpPage parsed = HelpIndex::parse(html);
    EXPECT_FALSE(parsed.title.isEmpty()) << at << " has no title";
    EXPECT_FALSE(parsed.keywords.isEmpty()) << at << " has no keywords";
    // A keyword search or a link into the page lands where it would in Japanese.
    EXPECT_EQ(anchorsOf(html), anchorsOf(readText(japaneseHelp + QLatin1Char('/') + page))) << at;
    for (const QString& target : localTargets(html)) {
      const QString file = target.section(QLatin1Char('#'), 0, 0);
      const QString anchor = target.section(QLatin1Char('#'), 1);
      const QString path = file.isEmpty() ? englishHelp + QLatin1Char('/') + page
                                          : englishHelp + QLatin1Char('/') + file;
      EXPECT_TRUE(QFileInfo(path).canonicalFilePath().startsWith(
          QFileInfo(englishHelp).canonicalFilePath() + QLatin1Char('/')))
          << at << " links to " << target.toStdString() << ", which is no page of help/en";
      if (!anchor.isEmpty()) {
        EXPECT_TRUE(anchorsOf(readText(path)).contains(anchor))
            << at << " links to " << target.toStdString() << ", which has no such anchor";
      }
    }
  }

  // Each language's help lists its own pages only: the Japanese index does not descend into
  // help/en, and the English one holds no Japanese page.
  const HelpIndex ja(japaneseHelp), en(englishHelp);
  EXPECT_EQ(ja.pages().size() + 1, static_cast<size_t>(japanese.size()));
  EXPECT_EQ(en.pages().size(), ja.pages().size());
  for (const HelpPage& p : ja.pages())
    EXPECT_EQ(QFileInfo(p.file).absolutePath(), QFileInfo(japaneseHelp).absoluteFilePath());
  for (const HelpPage& p : en.pages())
    EXPECT_EQ(QFileInfo(p.file).absolutePath(), QFileInfo(englishHelp).absoluteFilePath());
}

TEST(EnglishHelp, PagesHoldNoJapaneseButNamesAndMarkedCaptions) {
  const QString englishHelp = dataPath(QStringLiteral("help/en"));
  const QStringList names = gameNames();
  // A caption the game shows in both languages ("言語 / Language") is marked as Japanese; it
  // stays a caption, never a sentence left untranslated.
  static const QRegularExpression marked(QStringLiteral("<span lang=\"ja\">([^<]*)</span>"));
  for (const QString& page : pagesIn(englishHelp)) {
    QString html = readText(englishHelp + QLatin1Char('/') + page);
    for (auto it = marked.globalMatch(html); it.hasNext();)
      EXPECT_LE(it.next().captured(1).size(), 8) << page.toStdString() << ": a long marked text";
    html.remove(marked);
    for (const QString& name : names) html.remove(name);
    QStringList left;
    for (const QString& line : html.split(QLatin1Char('\n')))
      if (test::holdsJapanese(line)) left << line.left(120);
    EXPECT_TRUE(left.isEmpty()) << page.toStdString() << " holds Japanese:\n  "
                                << left.join(QStringLiteral("\n  ")).toStdString();
  }
}

TEST(EnglishHelp, TheHelpMenuOpensTheEnglishPagesInEnglishAndTheJapaneseOnesAfter) {
  const QString englishHelp = dataPath(QStringLiteral("help/en"));
  {
    test::EnglishScope english;
    ASSERT_TRUE(english.loaded()) << "the build has no English catalogue";
    TMain main;
    main.menuItem(QStringLiteral("helpcontentsmenu"))->trigger();
    HelpWindow* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* h = dynamic_cast<HelpWindow*>(w); h && h->isVisible()) help = h;
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->browser()->source().toLocalFile(),
              QFileInfo(englishHelp + QStringLiteral("/getting_started.html")).absoluteFilePath());
    EXPECT_EQ(help->contentsList()->item(0)->text(), QStringLiteral("Getting Started"));
    EXPECT_EQ(help->contentsList()->count(), pagesIn(englishHelp).size() - 1);
    const QStringList names = gameNames();
    QStringList left;
    for (int i = 0; i < help->contentsList()->count(); ++i)
      if (test::holdsJapanese(help->contentsList()->item(i)->text()))
        left << help->contentsList()->item(i)->text();
    for (const QString& keyword : help->index().keywords())
      if (test::holdsJapanese(keyword)) left << keyword;
    QString page = help->browser()->toPlainText();
    for (const QString& name : names) page.remove(name);
    if (test::holdsJapanese(page)) left << QStringLiteral("the first page's text");
    EXPECT_TRUE(left.isEmpty()) << left.join(QStringLiteral(", ")).toStdString();
  }
  EXPECT_EQ(QDir::cleanPath(helpFolder()), QDir::cleanPath(dataPath(QStringLiteral("help"))))
      << "back in Japanese, the game's own help";
}

TEST(ShippedCities, DescriptionsComeFromTheCatalogueInEnglishThatFitsTheBox) {
  const std::vector<ShippedCity> cities = shippedCities();
  ASSERT_GE(cities.size(), 6u);
  const std::span<const char* const> listed = shippedCityDescriptions();
  QStringList listedTexts;
  for (const char* d : listed) listedTexts << QString::fromUtf8(d);
  QStringList shipped;
  for (const ShippedCity& c : cities) {
    shipped << QString::fromStdString(c.city.description);
    EXPECT_TRUE(listedTexts.contains(shipped.back()))
        << c.file.toStdString()
        << ": its description is missing from src/shell/shipped_city_texts.cpp "
           "(make_city --texts)";
  }
  for (const QString& d : listedTexts)
    EXPECT_TRUE(shipped.contains(d)) << "no shipped city has the description " << d.toStdString();

  test::EnglishScope english;
  ASSERT_TRUE(english.loaded());
  Tnewform::warnOfRefusedCities = false;
  Tnewform dialog(dataFolder(), nullptr);
  dialog.show();
  QTest::qWait(30);
  Tnewform::warnOfRefusedCities = true;
  ASSERT_EQ(dialog.pmplist()->count(), static_cast<int>(cities.size()));
  TypingBox* box = dialog.descriptionBox();
  for (int row = 0; row < dialog.pmplist()->count(); ++row) {
    dialog.pmplist()->setCurrentRow(row);
    const std::string city = dialog.pmplist()->item(row)->text().toStdString();
    const QString shown = box->fullText();
    EXPECT_FALSE(shown.isEmpty()) << city;
    EXPECT_FALSE(test::holdsJapanese(shown)) << city << ": " << shown.toStdString();
    // The whole description is in sight without scrolling, even in the box's smallest size.
    const int rows = box->rowsFor(box->minimumWidth());
    EXPECT_LE(box->heightForRows(rows), box->minimumHeight())
        << city << " takes " << rows << " rows";
  }
}

}  // namespace
}  // namespace gm
