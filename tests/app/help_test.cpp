// The help: reading the pages, their order from the contents page, the window's first page and
// its previous and next buttons, and the shipped pages themselves.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "shell/data_folder.h"
#include "shell/help_index.h"
#include "shell/help_window.h"
#include "shell_test_support.h"

namespace gm {
namespace {

class HelpFolder : public ::testing::Test {
 protected:
  void write(const char* name, const char* html) {
    QFile f(dir.filePath(QLatin1String(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(html);
  }
  QStringList titles(const HelpIndex& index) {
    QStringList t;
    for (const HelpPage& p : index.pages()) t << p.title;
    return t;
  }
  QTemporaryDir dir;
};

TEST_F(HelpFolder, ReadsTitlesAndKeywordsAndFindsPagesByKeyword) {
  write("a_start.html",
        "<html><head><title>はじめに</title>"
        "<meta name=\"keywords\" content=\"新規出店,会社設立\"></head><body>x</body></html>");
  write("b_money.html",
        "<html><head><META CONTENT='資金, 会社設立' NAME='keywords'>"
        "<title>お金</title></head></html>");
  write("c_bare.html", "<html><body>no title</body></html>");
  const HelpIndex index(dir.path());
  ASSERT_EQ(index.pages().size(), 3u);
  EXPECT_FALSE(index.contentsPage().has_value());
  EXPECT_EQ(titles(index), (QStringList{"はじめに", "お金", "c_bare"}))
      << "without a contents page the pages go by file name; untitled ones use the file name";
  EXPECT_EQ(index.pages()[1].keywords, (QStringList{"資金", "会社設立"}));
  EXPECT_EQ(index.pagesFor(QStringLiteral("会社設立")).size(), 2u);
  EXPECT_EQ(index.pagesFor(QStringLiteral("資金")).front()->title, QStringLiteral("お金"));
  EXPECT_TRUE(index.pagesFor(QStringLiteral("なし")).empty());
  EXPECT_EQ(index.keywords().size(), 3);
}

TEST_F(HelpFolder, TheContentsPageOrdersTheTopicsAndUnlistedPagesFollowByName) {
  write("index.html",
        "<html><head><title>目次</title><meta name='keywords' content='目次'></head><body><ol>"
        "<li><a href=\"start.html\">はじめに</a></li>"
        "<li><a href='map.html#scroll'>地図</a> (<a href=\"map.html\">again</a>)</li>"
        "<li><a href=\"gone.html\">missing</a></li>"
        "<li><a href=\"https://example.org/x.html\">web</a></li>"
        "<li><a href=\"land.html\">土地</a></li></ol></body></html>");
  for (const char* f : {"land.html", "map.html", "start.html", "zeta.html", "alpha.html"})
    write(f, "<html><body>page</body></html>");
  const HelpIndex index(dir.path());
  EXPECT_EQ(titles(index), (QStringList{"start", "map", "land", "alpha", "zeta"}));
  ASSERT_TRUE(index.contentsPage().has_value());
  EXPECT_EQ(index.contentsPage()->title, QStringLiteral("目次"));
  EXPECT_EQ(index.indexOf(dir.filePath(QStringLiteral("land.html"))), 2);
  EXPECT_EQ(index.indexOf(dir.filePath(QStringLiteral("index.html"))), -1);
  // The contents page is no topic of its own, but its keywords still find it.
  ASSERT_EQ(index.pagesFor(QStringLiteral("目次")).size(), 1u);
  EXPECT_EQ(index.pagesFor(QStringLiteral("目次")).front()->title, QStringLiteral("目次"));
}

TEST_F(HelpFolder, TheWindowOpensOnTheIntroductionAndStepsThroughTheTopics) {
  write("index.html",
        "<html><body><a href='one.html'>1</a><a href='two.html'>2</a>"
        "<a href='three.html'>3</a></body></html>");
  write("one.html", "<html><head><title>はじめに</title></head><body>1</body></html>");
  write("two.html", "<html><head><title>地図</title></head><body>2</body></html>");
  write("three.html", "<html><head><title>土地</title></head><body>3</body></html>");
  HelpWindow help(dir.path());
  help.showContents();
  auto shown = [&] { return QFileInfo(help.browser()->source().toLocalFile()).fileName(); };
  EXPECT_EQ(shown(), QStringLiteral("one.html"));
  EXPECT_EQ(help.contentsList()->item(0)->text(), QStringLiteral("はじめに"));
  EXPECT_EQ(help.contentsList()->count(), 3) << "the contents page is not listed as a topic";
  EXPECT_FALSE(help.previousButton()->isEnabled());
  EXPECT_EQ(help.nextButton()->text(), QStringLiteral("次へ：地図"));

  help.nextButton()->click();
  help.nextButton()->click();
  EXPECT_EQ(shown(), QStringLiteral("three.html"));
  EXPECT_FALSE(help.nextButton()->isEnabled());
  EXPECT_EQ(help.previousButton()->text(), QStringLiteral("前へ：地図"));
  EXPECT_EQ(help.contentsList()->currentRow(), 2);

  help.contentsButton()->click();
  EXPECT_EQ(shown(), QStringLiteral("index.html"));
  help.nextButton()->click();
  EXPECT_EQ(shown(), QStringLiteral("one.html")) << "from the contents, next is the first topic";

  // Opened again, the help keeps the page the player was reading.
  help.nextButton()->click();
  help.hide();
  help.showContents();
  EXPECT_EQ(shown(), QStringLiteral("two.html"));
}

TEST(HelpPages, TheContentsNameEveryPageAndEveryLinkLeadsToAPage) {
  const QString folder = dataPath(QStringLiteral("help"));
  const HelpIndex index(folder);
  ASSERT_TRUE(index.contentsPage().has_value());
  QFile contents(index.contentsPage()->file);
  ASSERT_TRUE(contents.open(QIODevice::ReadOnly));
  const QStringList listed = HelpIndex::linkedFiles(QString::fromUtf8(contents.readAll()));
  const QDir dir(folder);
  for (const QString& page : dir.entryList({QStringLiteral("*.html")}, QDir::Files)) {
    if (page == QLatin1String(HelpIndex::kContentsFile)) continue;
    EXPECT_TRUE(listed.contains(page)) << page.toStdString() << " is missing from the contents";
    QFile f(dir.filePath(page));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    for (const QString& link : HelpIndex::linkedFiles(QString::fromUtf8(f.readAll())))
      EXPECT_TRUE(QFileInfo::exists(dir.filePath(link)))
          << page.toStdString() << " links to " << link.toStdString();
  }
  // A new player starts at the introduction, which tells him how to begin and what ends a game
  // that never gets its first hall.
  ASSERT_FALSE(index.pages().empty());
  EXPECT_EQ(index.pages().front().title, QStringLiteral("はじめに"));
  QFile intro(index.pages().front().file);
  ASSERT_TRUE(intro.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(intro.readAll());
  for (const char* step : {"会社を設立する", "土地を買う", "店舗を建てる", "設備",
                           "スタッフを配属する", "開店する", "六ヶ月"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(step))) << step;
}

}  // namespace
}  // namespace gm
