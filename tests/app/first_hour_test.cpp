// What got in the way of a new player's first hall, each checked as the player meets it: with the
// mouse, on the windows as they stand.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

#include "order_windows.h"
#include "shell/help_window.h"
#include "shell/message_dialog.h"
#include "shell/month_end_driver.h"
#include "shell/new_game_dialogs.h"
#include "shell/qt_language.h"
#include "shell/typing_box.h"
#include "ui/list_layout.h"
#include "ui/store_window_equipment.h"

namespace gm {
namespace {

using FirstHour = test::OrderWindows;

// A double click as the window system delivers it: a click, then the second press as a double
// click, then its release (QTest's own sends the double click alone).
void doubleClick(QWidget* w, QPoint at) {
  QTest::mouseClick(w, Qt::LeftButton, {}, at);
  QTest::mouseDClick(w, Qt::LeftButton, {}, at);
  QTest::mouseRelease(w, Qt::LeftButton, {}, at);
}

void clickRow(QListWidget* list, int row, bool twice = false) {
  const QPoint at = list->visualItemRect(list->item(row)).center();
  if (twice)
    doubleClick(list->viewport(), at);
  else
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

TEST_F(FirstHour, EquipmentIsChosenAndOrderedWithTheMouse) {
  addStore(1, 2, 2, 1, kWaiting, "銀玉会館");
  storeWindow().showStore(1);
  StoreEquipmentPage* page = storeWindow().equipmentPage();
  storeWindow().pages()->setCurrentWidget(page);
  QApplication::processEvents();

  // A click on an item enables "設備投資", and the button orders that item.
  QListWidget* general = page->offeredList(0);
  clickRow(general, 0);
  EXPECT_TRUE(page->investButton(0)->isEnabled());
  QTest::mouseClick(page->investButton(0), Qt::LeftButton);
  ASSERT_TRUE(world().kaichou.slot(1).hasEquipment(0));
  EXPECT_EQ(port.messages.back().title, "設置完了");

  // A double click orders at once.
  QListWidget* special = page->offeredList(1);
  ASSERT_EQ(special->count(), 2);
  clickRow(special, 1, true);
  EXPECT_TRUE(world().kaichou.slot(1).hasEquipment(6));
}

TEST_F(FirstHour, ALongMessageIsReadWholeBeforeItIsAnswered) {
  // The union's complaint after a president's name of 24 characters, which founding allows.
  world().kaichou.ownername = "大河内銀之丞左衛門太郎兵衛之助五郎八郎次郎会長";
  main->options().waittime = 0;
  Tkakunin& dialog = main->messageDialog();
  const QString complaint = QStringLiteral(
      "組合から我が社に苦情が届いております。内容は「市民の射幸心を煽りすぎ、パチンコに対する不信感"
      "が高まっている」との事です。組合の規制の締め付けを回避する為に、追徴金12,"
      "345を支払いますか？");
  for (const QString& text :
       {complaint, complaint + complaint + complaint, QStringLiteral("短文")}) {
    int shownRows = 0, neededRows = 0, firstRow = -1;
    test::whenModal([&](QWidget*) {
      TypingBox* box = dialog.typingBox();
      box->finish();
      neededRows = static_cast<int>(box->lines().size());
      shownRows = (box->height() - box->heightForRows(0)) / TypingBox::kCell;
      firstRow = box->firstShownRow();
      test::clickModalButton(QStringLiteral("取り消し(&N)"));
    });
    dialog.ShowMessageDialog(QStringLiteral("組合からの苦情"), text, true, true, 0);
    EXPECT_GE(shownRows, neededRows) << text.size() << " characters";
    EXPECT_EQ(firstRow, 0);
    EXPECT_GE(shownRows, Tkakunin::kMinimumRows);
    if (text.size() < 10) {
      EXPECT_EQ(shownRows, Tkakunin::kMinimumRows) << "a short text shrinks it back";
    }
  }
}

TEST_F(FirstHour, CountsAreWrittenWithTheirThousands) {
  Ttempo& s = addStore(1, 2, 2, 1, kOpen, "銀玉会館");
  s.eigyouNissuu = 26;
  s.kyaku[kTotal] = 3886;
  storeWindow().showStore(1);
  EXPECT_EQ(storeWindow().statusPage()->text(StoreStatusPage::kCustomers),
            QStringLiteral("3,886人"));
}

TEST(FirstHourColumns, ColumnsGrowToLongerRowsUntilThePlayerSetsAWidth) {
  ListPanel panel(QStringLiteral("dailist"), QStringLiteral("testcolumns"),
                  QStringLiteral("daisort"),
                  {QStringLiteral("台名"), QStringLiteral("機種"), QStringLiteral("ﾒｰｶｰ")});
  panel.show();
  auto fill = [&](const QStringList& types) {
    panel.beginFill();
    panel.tree()->clear();
    for (const QString& t : types)
      new QTreeWidgetItem(panel.tree(), {QStringLiteral("台"), t, QStringLiteral("山共")});
    panel.endFill();
  };
  fill({QStringLiteral("一般台")});
  const int narrow = panel.tree()->columnWidth(1);
  fill({QStringLiteral("一般台"), QStringLiteral("CRセブン機（確変）")});
  const int wide = panel.tree()->columnWidth(1);
  EXPECT_GT(wide, narrow) << "the longer type is not cut";
  fill({QStringLiteral("一般台")});
  EXPECT_EQ(panel.tree()->columnWidth(1), wide) << "a column does not jump back and forth";
}

TEST(TypingBoxScroll, TextLongerThanTheBoxKeepsTheTypedLineInSight) {
  TypingBox box;
  box.resize(TypingBox::kCell * 10 + 12, 0);
  box.resize(box.width(), box.heightForRows(3));
  box.setText(QString(60, QChar(0x3042)));  // six rows of ten
  box.setDelay(50);
  box.start();
  EXPECT_EQ(box.firstShownRow(), 0);
  box.finish();
  EXPECT_EQ(box.firstShownRow(), 3) << "the last three rows are in sight";
}

TEST(FirstHourCaption, TheCaptionShowsTheCashTheMonthEndsWith) {
  TMain main;
  main.createSubWindows();
  Options& o = main.options();
  o.defopen = false;
  o.tellmsg = false;
  o.jissekihoukoku = false;
  o.reserchhoukoku = true;
  auto w = test::smallWorld(6, 8);
  w->kaichou.kaishaname = "銀玉商事";
  w->kaichou.SetSikin(Money::fromInt(300000));
  w->rivals.rivalNashi = true;
  w->month = 3;
  main.replaceWorld(std::move(w));
  main.beginPlay();
  // Something paid late in the month's end, after the new month's caption was first written.
  main.setResearchRunner([](TMain& m) { m.world().kaichou.Shiharai(Money::fromInt(500)); });
  QTimer answerer;  // any notice the month raises is acknowledged
  QObject::connect(&answerer, &QTimer::timeout, [] {
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->accept();
  });
  answerer.start(20);
  runMonthEnd(main);
  const QString cash = QString::fromStdString(formatGrouped(main.world().kaichou.sikin));
  EXPECT_TRUE(main.windowTitle().endsWith(cash)) << main.windowTitle().toStdString();
}

TEST(FirstHourFounding, NothingIsDecidedBeforeTheQualitiesRoll) {
  Random generator;
  generator.setSeed(3);
  Options options;
  options.waittime = 50;
  Tmakekaichou dialog(generator, &options);
  dialog.show();
  QTest::qWait(30);
  ASSERT_TRUE(dialog.promptBox()->isTyping());
  EXPECT_FALSE(dialog.okButton()->isEnabled()) << "no 決定 while the prompt types";
  EXPECT_FALSE(dialog.setteiButton()->isEnabled());
  // A click on the prompt shows it whole, and the rolling starts.
  QTest::mouseClick(dialog.promptBox(), Qt::LeftButton);
  EXPECT_TRUE(dialog.isRolling());
  EXPECT_EQ(dialog.setteiButton()->text(), QStringLiteral("ストップ(&V)"));
  QTest::mouseClick(dialog.setteiButton(), Qt::LeftButton);
  EXPECT_TRUE(dialog.okButton()->isEnabled());
  dialog.hide();
}

TEST(QtLanguage, QtsOwnButtonsSpeakTheGamesLanguage) {
  ASSERT_TRUE(applyQtLanguage(*qApp, QStringLiteral("ja"))) << "Qt's Japanese catalogue is missing";
  {
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
  }
  // A second language replaces the first; Qt's own English needs no catalogue.
  EXPECT_TRUE(applyQtLanguage(*qApp, QStringLiteral("en")));
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  EXPECT_TRUE(box.button(QDialogButtonBox::Cancel)->text().contains(QStringLiteral("Cancel")));
  EXPECT_FALSE(applyQtLanguage(*qApp, QStringLiteral("xx")));
}

TEST(FirstHourHelp, AKeywordOpensItsSectionAndEscCloses) {
  QTemporaryDir dir;
  QString body = QStringLiteral(
      "<html><head><title>店舗</title>"
      "<meta name=\"keywords\" content=\"交換率\"></head><body>"
      "<h1>店舗</h1><p>交換率の話は下で。</p>");
  for (int i = 0; i < 3; ++i)
    body += QStringLiteral("<h2>節%1</h2>").arg(i) + QStringLiteral("<p>本文。</p>").repeated(40);
  body += QStringLiteral("<h2>交換率の変更</h2><p>") + QStringLiteral("本文。").repeated(10) +
          QStringLiteral("交換率は組合の規制の範囲で選べます。</p></body></html>");
  QFile page(dir.filePath(QStringLiteral("stores.html")));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write(body.toUtf8());
  page.close();

  HelpWindow help(dir.path());
  help.resize(700, 400);
  help.showKeywordSearch();
  QApplication::processEvents();
  QListWidget* keywords = nullptr;
  for (QListWidget* l : help.findChildren<QListWidget*>())
    if (!l->findItems(QStringLiteral("交換率"), Qt::MatchExactly).isEmpty() &&
        l != help.contentsList())
      keywords = l;
  ASSERT_NE(keywords, nullptr);
  QListWidgetItem* item = keywords->findItems(QStringLiteral("交換率"), Qt::MatchExactly).front();
  QTest::mouseClick(keywords->viewport(), Qt::LeftButton, {},
                    keywords->visualItemRect(item).center());
  EXPECT_GT(help.browser()->verticalScrollBar()->value(), 0) << "not the top of the page";
  EXPECT_EQ(help.browser()->textCursor().selectedText(), QStringLiteral("交換率"));
  EXPECT_EQ(help.browser()->textCursor().block().text(), QStringLiteral("交換率の変更"))
      << "the section's heading, not the introduction's passing mention";

  QTest::keyClick(&help, Qt::Key_Escape);
  EXPECT_FALSE(help.isVisible());
}

}  // namespace
}  // namespace gm
