// The message dialog: its answers with and without the confirm flag, Esc, the full-width
// caption, the president's name before the text, the cash line and the face; and the caption
// of the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "base/options.h"
#include "base/text.h"
#include "shell/caption.h"
#include "shell/data_folder.h"
#include "shell/message_dialog.h"
#include "shell/picture_book.h"
#include "shell/typing_box.h"
#include "shell_test_support.h"

namespace gm {
namespace {

const PictureBook& pictures() {
  static const PictureBook book(dataPath(QStringLiteral("pictures")));
  return book;
}

class MessageDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    world = test::smallWorld(3, 3);
    world->kaichou.ownername = "山田";
    world->kaichou.sikin = Money::fromRaw(12345676000);
    options.waittime = 0;
    dialog = std::make_unique<Tkakunin>(pictures());
    dialog->setWorld(world.get());
    dialog->setOptions(&options);
  }
  bool show(const QString& title, bool confirm, std::function<void(QWidget*)> act,
            bool showCash = false, int face = 0) {
    test::whenModal(std::move(act));
    return dialog->ShowMessageDialog(title, QStringLiteral("本文"), showCash, confirm, face);
  }

  std::unique_ptr<tworld> world;
  Options options;
  std::unique_ptr<Tkakunin> dialog;
};

TEST_F(MessageDialog, AnswersFollowTheButtonsAndEsc) {
  EXPECT_TRUE(show("確認", true, [](QWidget*) { test::clickModalButton("実行(&R)"); }));
  EXPECT_FALSE(show("確認", true, [](QWidget*) { test::clickModalButton("取り消し(&N)"); }));
  EXPECT_FALSE(show("確認", true, [](QWidget*) { test::pressOnModal(Qt::Key_Escape); }))
      << "Esc cancels a question";
  EXPECT_TRUE(show("報告", false, [](QWidget*) { test::clickModalButton("了解(&R)"); }));
  EXPECT_TRUE(show("報告", false, [](QWidget*) { test::pressOnModal(Qt::Key_Escape); }))
      << "Esc acknowledges a notice";
}

TEST_F(MessageDialog, ButtonsCashLineAndFaceFollowTheArguments) {
  bool cancelShown = true, cashShown = false;
  QString ok, cash;
  int face = -1;
  show(
      "報告", false,
      [&](QWidget*) {
        cancelShown = dialog->cancelButton()->isVisible();
        ok = dialog->okButton()->text();
        cashShown = dialog->cashLabel()->isVisible();
        cash = dialog->cashLabel()->text();
        face = dialog->visibleFace();
        dialog->okButton()->click();
      },
      true, 3);
  EXPECT_FALSE(cancelShown);
  EXPECT_EQ(ok, QStringLiteral("了解(&R)"));
  EXPECT_TRUE(cashShown);
  EXPECT_EQ(cash, QStringLiteral("資金  1,234,568"));
  EXPECT_EQ(face, 3);

  show(
      "確認", true,
      [&](QWidget*) {
        cancelShown = dialog->cancelButton()->isVisible();
        ok = dialog->okButton()->text();
        cashShown = dialog->cashLabel()->isVisible();
        face = dialog->visibleFace();
        dialog->okButton()->click();
      },
      false, 9);
  EXPECT_TRUE(cancelShown);
  EXPECT_EQ(ok, QStringLiteral("実行(&R)"));
  EXPECT_FALSE(cashShown);
  EXPECT_EQ(face, -1) << "a face number outside 0..5 shows none";
}

TEST_F(MessageDialog, CaptionIsFullWidthAndTheTextCarriesThePresidentsName) {
  QString caption, typed;
  show("Report 2", false, [&](QWidget* modal) {
    caption = modal->windowTitle();
    dialog->typingBox()->finish();
    typed = dialog->typingBox()->fullText();
    dialog->okButton()->click();
  });
  EXPECT_EQ(caption, QStringLiteral("Ｒｅｐｏｒｔ ２"));
  EXPECT_EQ(typed, QString::fromStdString(toFullWidth("山田、本文")));

  show("ＡＢＣ", false, [&](QWidget* modal) {
    caption = modal->windowTitle();
    dialog->okButton()->click();
  });
  EXPECT_EQ(caption, QStringLiteral("ＡＢＣ")) << "full-width titles stay as they are";
}

TEST_F(MessageDialog, AClickOrEnterWhileTypingShowsTheWholeTextAndOnlyTheNextOneAnswers) {
  options.waittime = 50;  // 100 ms a character: the text is still being typed when we act
  auto press = [](QWidget* w) {
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)),
                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)),
                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    QApplication::sendEvent(w, &up);
  };
  bool typingBefore = false, stillOpen = false, wholeShown = false;
  const bool answer = show("確認", true, [&](QWidget* modal) {
    typingBefore = dialog->typingBox()->isTyping();
    press(dialog->okButton());
    stillOpen = modal->isVisible();
    wholeShown = dialog->typingBox()->shownText() == dialog->typingBox()->fullText();
    press(dialog->okButton());
  });
  EXPECT_TRUE(typingBefore);
  EXPECT_TRUE(stillOpen) << "the first click only finishes the typing";
  EXPECT_TRUE(wholeShown);
  EXPECT_TRUE(answer) << "the second click is the OK button's";

  typingBefore = stillOpen = wholeShown = false;
  const bool cancelled = !show("確認", true, [&](QWidget* modal) {
    typingBefore = dialog->typingBox()->isTyping();
    test::pressOnModal(Qt::Key_Return);
    stillOpen = modal->isVisible();
    wholeShown = !dialog->typingBox()->isTyping();
    press(dialog->cancelButton());
  });
  EXPECT_TRUE(typingBefore);
  EXPECT_TRUE(stillOpen) << "Enter while typing only finishes the typing";
  EXPECT_TRUE(wholeShown);
  EXPECT_TRUE(cancelled) << "once the text is shown a click is the button's at once";
}

TEST(MessageText, NamePrefixIsLeftOutForAnEmptyNameAndCutTo50Bytes) {
  EXPECT_EQ(messageBody("", "資金が足りません。"), "資金が足りません。");
  EXPECT_EQ(messageBody("山田", "はい"), "山田、はい");
  // 24 kanji (48 bytes) and "、" make 50 bytes: nothing is cut.
  const std::string name24 = "一二三四五六七八九十一二三四五六七八九十一二三四";
  EXPECT_EQ(messageBody(name24, "x"), name24 + "、x");
  // One more kanji: the comma no longer fits.
  EXPECT_EQ(messageBody(name24 + "五", "x"), name24 + "五x");
}

TEST(Caption, BonusSeasonInJuneAndDecemberAndCashInThousands) {
  auto w = test::smallWorld(2, 2);
  w->kaichou.kaishaname = "銀玉商事";
  w->kaichou.sikin = Money::fromRaw(12345676000);
  w->month = 6;
  EXPECT_EQ(mainCaption(*w),
            QStringLiteral("1年 6月  ボーナスシーズン：銀玉商事経営中：資金 1,234,568"));
  EXPECT_EQ(taskbarTitle(*w), QStringLiteral("1年 6月  ボーナスシーズン：銀玉商事経営中"));
  w->month = 24;
  EXPECT_EQ(mainCaption(*w),
            QStringLiteral("2年 12月  ボーナスシーズン：銀玉商事経営中：資金 1,234,568"));
  w->month = 7;
  w->kaichou.sikin = Money::fromInt(-5000);
  EXPECT_EQ(mainCaption(*w), QStringLiteral("1年 7月：銀玉商事経営中：資金 -5,000"));
}

TEST(TypingBoxFlow, TypesFullWidthFinishesOnClickAndThenAsksToGoOn) {
  TypingBox box;
  int started = 0, ended = 0, advanced = 0;
  QObject::connect(&box, &TypingBox::flowStarted, [&] {
    ++started;
    box.setDelay(50);
  });
  QObject::connect(&box, &TypingBox::flowEnded, [&] { ++ended; });
  QObject::connect(&box, &TypingBox::advanced, [&] { ++advanced; });
  box.setText(QStringLiteral("ABC ﾃﾞｰﾀ"));
  EXPECT_EQ(box.fullText(), QStringLiteral("ＡＢＣ データ"));
  box.start();
  EXPECT_EQ(started, 1);
  EXPECT_EQ(box.delay(), 50);
  EXPECT_TRUE(box.isTyping());
  EXPECT_EQ(box.shownText(), QStringLiteral("Ａ"));
  box.advance();  // a click while typing shows everything
  EXPECT_FALSE(box.isTyping());
  EXPECT_EQ(box.shownText(), box.fullText());
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(advanced, 0);
  box.advance();
  EXPECT_EQ(advanced, 1);
}

// Ten characters to a line: 10 x 17 pixels of text inside the box's frame and margins.
class TypingBoxLines : public ::testing::Test {
 protected:
  void SetUp() override { box.resize(TypingBox::kCell * 10 + 12, TypingBox::kCell * 6 + 12); }
  QStringList linesOf(const char* utf8) {
    box.setText(QString::fromUtf8(utf8));
    return box.lines();
  }
  TypingBox box;
};

TEST_F(TypingBoxLines, NoLineStartsWithAClosingMarkOrSmallKanaAndNoneEndsWithAnOpeningMark) {
  // Cut every ten characters, the second line would begin with "。": "こ" goes down with it.
  EXPECT_EQ(linesOf("あいうえおかきくけこ。さしすせそ"),
            (QStringList{"あいうえおかきくけ", "こ。さしすせそ"}));
  EXPECT_EQ(linesOf("あいうえおかきくけこ、さしすせそ"),
            (QStringList{"あいうえおかきくけ", "こ、さしすせそ"}));
  EXPECT_EQ(linesOf("あいうえおかきくけこ」です"), (QStringList{"あいうえおかきくけ", "こ」です"}));
  EXPECT_EQ(linesOf("あいうえおかきくけこ）です"), (QStringList{"あいうえおかきくけ", "こ）です"}));
  EXPECT_EQ(linesOf("あいうえおかきくけコーヒー"), (QStringList{"あいうえおかきくけ", "コーヒー"}));
  EXPECT_EQ(linesOf("あいうえおかきくけちょっと"), (QStringList{"あいうえおかきくけ", "ちょっと"}));
  // An opening bracket in the tenth place goes down to the word it opens.
  EXPECT_EQ(linesOf("あいうえおかきくけ「こ」です"),
            (QStringList{"あいうえおかきくけ", "「こ」です"}));
  // Text that breaks nowhere in particular still fills whole lines.
  EXPECT_EQ(linesOf("あいうえおかきくけこさしすせそ"),
            (QStringList{"あいうえおかきくけこ", "さしすせそ"}));
}

TEST_F(TypingBoxLines, LineBreaksInTheTextAndUnbreakableRunsAreKept) {
  EXPECT_EQ(linesOf("あい\nうえ\r\nお\rか"), (QStringList{"あい", "うえ", "お", "か"}));
  // Twelve digits (typed full width) have no break between them; they are cut where they must.
  const QStringList digits = linesOf("123456789012円");
  ASSERT_EQ(digits.size(), 2);
  EXPECT_EQ(digits[0].size(), 10);
  EXPECT_EQ(digits.join(QString()), QStringLiteral("１２３４５６７８９０１２円"));
  // A real message, laid out in the message dialog's width: every character is kept once, in
  // order, and no line breaks the rules.
  box.resize(TypingBox::kCell * 22 + 12, TypingBox::kCell * 5 + 12);
  const QString closers = QStringLiteral("。、」）ーょっゃゅァィゥェォッャュョ！？");
  const QStringList lines = linesOf(
      "山田、競合店の参入です。「パーラーワイルド」が、（駅前）の区画に新しい店舗の工事を"
      "始めました。ちょっと油断できませんね。");
  ASSERT_GE(lines.size(), 3);
  EXPECT_EQ(lines.join(QString()), box.fullText());
  for (int i = 0; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].size(), 22);
    if (i > 0) {
      EXPECT_FALSE(closers.contains(lines[i].front())) << lines[i].toStdString();
    }
    EXPECT_FALSE(QStringLiteral("「（").contains(lines[i].back())) << lines[i].toStdString();
  }
}

}  // namespace
}  // namespace gm
