// The store-naming dialog, the option dialog, the wait window and the data
// folder.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>

#include "base/options.h"
#include "shell/data_folder.h"
#include "shell/name_dialog.h"
#include "shell/option_dialog.h"
#include "shell/picture_book.h"
#include "shell/wait_window.h"
#include "shell_test_support.h"

namespace gm {
namespace {

TEST(NameDialog, RefusesTextWithoutShiftJisFormAndKeepsTheButtonToNonEmptyNames) {
  NameValidator v;
  int pos = 0;
  QString ok = QStringLiteral("パーラー銀玉");
  EXPECT_EQ(v.validate(ok, pos), QValidator::Acceptable);
  QString emoji = QStringLiteral("店😀");
  EXPECT_EQ(v.validate(emoji, pos), QValidator::Invalid);
  QString hangul = QStringLiteral("한국");
  EXPECT_EQ(v.validate(hangul, pos), QValidator::Invalid);
  QString fits = QString(24, QChar(0x5E97));  // 24 kanji = 48 bytes
  EXPECT_EQ(v.validate(fits, pos), QValidator::Acceptable);
  QString tooLong = fits + QLatin1Char('a');
  EXPECT_EQ(v.validate(tooLong, pos), QValidator::Invalid);

  Options options;
  options.waittime = 0;
  Tnameform dialog(&options);
  bool enabledEmpty = true, enabledTyped = false;
  test::whenModal([&](QWidget*) {
    dialog.edit()->clear();
    enabledEmpty = dialog.okButton()->isEnabled();
    dialog.edit()->setText(QStringLiteral("銀玉１号店"));
    enabledTyped = dialog.okButton()->isEnabled();
    dialog.okButton()->click();
  });
  const auto name = dialog.AskName("新しい店");
  EXPECT_FALSE(enabledEmpty);
  EXPECT_TRUE(enabledTyped);
  ASSERT_TRUE(name.has_value());
  EXPECT_EQ(*name, "銀玉１号店");

  test::whenModal([&](QWidget*) { test::pressOnModal(Qt::Key_Escape); });
  EXPECT_FALSE(dialog.AskName("新しい店").has_value());
}

TEST(OptionDialog, ShowsTheOptionsAndHandsBackTheEditedValues) {
  Options current;
  current.coming = false;
  current.waittime = 40;
  Toptionform dialog(current);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("運営設定"));
  EXPECT_TRUE(dialog.reverseRadio()->isChecked());
  EXPECT_EQ(dialog.speed()->value(), 40);
  EXPECT_EQ(dialog.speed()->maximum(), 50);
  // The check boxes carry the names the game's messages use for the same options.
  EXPECT_EQ(dialog.checkBox(&Options::teisiokhoukoku)->text(), QStringLiteral("営業停止終了"));
  EXPECT_EQ(dialog.checkBox(&Options::koujiokhoukoku)->text(), QStringLiteral("工事終了"));
  EXPECT_EQ(dialog.checkBox(&Options::kanteiskip)->text(), QStringLiteral("鑑定ｽｷｯﾌﾟ(&S)"));
  dialog.checkBox(&Options::tellmsg)->setChecked(false);
  dialog.checkBox(&Options::closehoukoku)->setChecked(false);
  dialog.followRadio()->setChecked(true);
  dialog.speed()->setValue(3);
  const Options edited = dialog.values();
  EXPECT_FALSE(edited.tellmsg);
  EXPECT_FALSE(edited.closehoukoku);
  EXPECT_TRUE(edited.coming);
  EXPECT_EQ(edited.waittime, 3);
  EXPECT_TRUE(edited.kaitenhoukoku);
}

}  // namespace
}  // namespace gm

namespace gm {
namespace {

TEST(WaitWindow, NamesTheCityAndFillsInTenSteps) {
  static const PictureBook book(dataPath(QStringLiteral("pictures")));
  QWidget mainWindow;
  mainWindow.move(40, 30);
  Twaitform wait(book);
  wait.Begin(QStringLiteral("銀玉市"), 7, &mainWindow);
  EXPECT_EQ(wait.label(), QStringLiteral("銀玉市開発中．．．"));
  EXPECT_TRUE(wait.isVisible());
  EXPECT_EQ(wait.progress(), 0);
  for (int i = 0; i < 12; ++i) wait.Step();
  EXPECT_EQ(wait.progress(), 100) << "the gauge stops at its end";
  wait.End();
  EXPECT_FALSE(wait.isVisible());
}

TEST(DataFolder, TheEnvironmentOverridesTheExecutablesFolder) {
  const QByteArray before = qgetenv("GINDAMAYA97_DATA");
  qputenv("GINDAMAYA97_DATA", "/somewhere/data/");
  EXPECT_EQ(dataFolder(), QStringLiteral("/somewhere/data"));
  EXPECT_EQ(dataPath(QStringLiteral("help/index.html")),
            QStringLiteral("/somewhere/data/help/index.html"));
  qputenv("GINDAMAYA97_DATA", before);
}

}  // namespace
}  // namespace gm
