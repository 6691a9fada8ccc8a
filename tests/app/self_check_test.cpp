// The installation check: a complete data folder passes, and what a broken one lacks is named.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/data_folder.h"
#include "shell/self_check.h"
#include "shell_test_support.h"

namespace gm {
namespace {

TEST(SelfCheck, ACompleteDataFolderPassesAndABrokenOneSaysWhatIsMissing) {
  EXPECT_EQ(dataFolderProblems(dataFolder()), QStringList());

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  EXPECT_EQ(
      dataFolderProblems(dir.filePath(QStringLiteral("gone"))),
      QStringList{QStringLiteral("no data folder at ") + dir.filePath(QStringLiteral("gone"))});
  // Everything but one cue, the cities and the pictures.
  for (const char* cue : {"title.mid", "main.mid", "maker.mid", "yes.mid", "up.mid", "down.mid"})
    ASSERT_TRUE(QFile::copy(dataPath(QString::fromLatin1(cue)), dir.filePath(QLatin1String(cue))));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("help")));
  ASSERT_TRUE(QFile::copy(dataPath(QStringLiteral("help/index.html")),
                          dir.filePath(QStringLiteral("help/index.html"))));
  const QStringList problems = dataFolderProblems(dir.path());
  EXPECT_TRUE(problems.contains(QStringLiteral("music missing: gameover.mid")));
  EXPECT_TRUE(problems.contains(QStringLiteral("no city file")));
  EXPECT_TRUE(problems.contains(QStringLiteral("picture missing: title.svg")));
  EXPECT_TRUE(problems.contains(QStringLiteral("no help page")))
      << "a contents page alone is no help";
  EXPECT_FALSE(problems.contains(QStringLiteral("music missing: main.mid")));
}

}  // namespace
}  // namespace gm
