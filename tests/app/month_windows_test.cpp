// The windows of the month's end: the ending's flow from the closing words to the credits, the
// results report's texts and rows, and the research gauges on a small hand-made city.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QTableWidget>
#include <QTimer>
#include <memory>
#include <vector>

#include "base/text.h"
#include "shell/ending_window.h"
#include "shell/picture_book.h"
#include "shell/research_window.h"
#include "shell/results_report.h"
#include "shell/sound_player.h"
#include "shell/typing_box.h"
#include "world/world.h"

namespace gm {
namespace {

class RecordingSound : public SoundPlayer {
 public:
  std::vector<int> cues;
  void play(int cue) override { cues.push_back(cue); }
  void stop() override {}
  void setMusic(bool) override {}
  void setMainCueAllowed(bool) override {}
};

const PictureBook& pictures() {
  static const PictureBook book(QStringLiteral(GM_ASSETS_DIR "/pictures"));
  return book;
}

void settle() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

QString fullWidth(const QString& s) { return QString::fromStdString(toFullWidth(s.toStdString())); }

const QString kStory = QStringLiteral(
    "．．．3年5月、山田会長は桜市における競合に勝ち残った。\n "
    "山田興業は桜市を制覇した．．．");

// --- the ending --------------------------------------------------------------------------------

TEST(MonthWindowsEnding, ClicksAndEnterWalkFromTheWordsThroughThePictureToTheCredits) {
  RecordingSound sound;
  // The slowest typing and long steps: nothing moves on unless the test moves it.
  Tendform w(kStory, pictures(), sound, 50);
  w.setPace({60000, 60000});
  EXPECT_EQ(w.stage(), Tendform::Stage::Waiting);

  w.show();
  settle();
  ASSERT_EQ(w.stage(), Tendform::Stage::Story) << "the first paint starts the typing";
  EXPECT_TRUE(w.typingBox()->isTyping());
  EXPECT_EQ(w.typingBox()->fullText(), fullWidth(kStory));
  EXPECT_EQ(w.typingBox()->delay(), 50);
  EXPECT_EQ(w.picture()->progress(), 0) << "the picture stays dark while the words are typed";

  // The title music starts the first time the box waits, and only then.
  emit w.typingBox()->idle();
  emit w.typingBox()->idle();
  EXPECT_EQ(sound.cues, std::vector<int>{kCueTitle});

  // A click on the box finishes the words; the picture then starts to open.
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w.typingBox(), &press);
  settle();
  EXPECT_EQ(w.typingBox()->shownText(), fullWidth(kStory));
  ASSERT_EQ(w.stage(), Tendform::Stage::Reveal);

  // A click on the picture opens it at once and the credits begin.
  QCoreApplication::sendEvent(w.picture(), &press);
  settle();
  EXPECT_EQ(w.picture()->progress(), 1000);
  ASSERT_EQ(w.stage(), Tendform::Stage::Credits);
  EXPECT_EQ(w.typingBox()->fullText(), fullWidth(endingCredits()));
  EXPECT_TRUE(w.typingBox()->isTyping());

  // Enter finishes the credits; the window holds them, and the next step closes it.
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(&w, &enter);
  settle();
  ASSERT_EQ(w.stage(), Tendform::Stage::Hold);
  EXPECT_TRUE(w.isVisible());
  w.advance();
  EXPECT_EQ(w.stage(), Tendform::Stage::Done);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(sound.cues, std::vector<int>{kCueTitle});
}

TEST(MonthWindowsEnding, LeftAloneItRunsToTheEndAndClosesItself) {
  RecordingSound sound;
  Tendform w(kStory, pictures(), sound, 0);
  w.setPace({0, 0});
  bool guardFired = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &w, [&] {
    guardFired = true;
    w.reject();
  });
  guard.start(10000);
  const int result = w.exec();
  EXPECT_FALSE(guardFired) << "the window did not close by itself";
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(w.picture()->progress(), 1000);
}

TEST(MonthWindowsEnding, CreditsNameTheStudioAndEveryRole) {
  const QString c = endingCredits();
  for (const char* part : {"Ｇｉｎｄａｍａｙａ９７", "企画・制作", "プログラム", "グラフィック",
                           "音楽", "協力", "感謝"})
    EXPECT_TRUE(c.contains(QString::fromUtf8(part))) << part;
  EXPECT_EQ(fullWidth(c), c) << "the credits are typed as written";
  // Every line fits the box's width (the picture's 480 pixels, 17 pixels a character).
  for (const QString& line : c.split(QLatin1Char('\n')))
    EXPECT_LE(line.size() * TypingBox::kCell, 480 - 12) << line.toStdString();
}

// --- the results report ----------------------------------------------------------------------

std::unique_ptr<tworld> reportWorld() {
  auto w = std::make_unique<tworld>();
  w->cityName = "桜市";
  w->kaichou.kaishaname = "山田興業";
  w->month = 14;
  return w;
}

TEST(MonthWindowsReport, CaptionDatesAndChanges) {
  auto w = reportWorld();
  EXPECT_EQ(reportCaption(*w, 14), QStringLiteral("桜市  2年 2月の実績報告書"));
  EXPECT_EQ(reportCaption(*w, 12), QStringLiteral("桜市  1年 12月の実績報告書"));
  EXPECT_EQ(reportDate(13), QStringLiteral("2年1月"));
  EXPECT_EQ(reportDate(0), QString()) << "the first month has no month before it";

  struct Case {
    int64_t now, before;  // raw
    const char* text;
    bool negative;
  };
  for (const Case& c : {Case{12345678, 0, "+1,234", false},       // a rise carries a plus sign
                        Case{0, 5000, "0", false},                // -0.5 truncates to 0
                        Case{1000000, 13349000, "-1,234", true},  // -1,234.9 truncates to -1,234
                        Case{7770000, 7770000, "0", false}, Case{-20000, -30000, "+1", false}}) {
    const ReportChange r = reportChange(Money::fromRaw(c.now), Money::fromRaw(c.before));
    EXPECT_EQ(r.text, QString::fromUtf8(c.text)) << c.now << " vs " << c.before;
    EXPECT_EQ(r.negative, c.negative) << c.now << " vs " << c.before;
  }
  EXPECT_EQ(reportFigure(Money::fromInt(1234567)), QStringLiteral("1,234,567"));
}

TEST(MonthWindowsReport, RowsReadThisAndLastMonthOfTheirSeries) {
  Tbackup h;
  // Series s holds s x 100 last month and s x 1,000 this month.
  for (int s = 0; s < kHistorySeries; ++s) {
    h.push(s, Money::fromInt(s * 100));
    h.push(s, Money::fromInt(s * 1000));
  }
  const auto rows = reportRows(h);
  const char* labels[] = {"売上げ", "粗利益", "利益率", "人件費", "保守費", "営業費", "純利益",
                          "稼働率", "洗練度", "知名度", "満足度", "モラル", "スキル"};
  const int series[] = {1, 3, 2, 6, 5, 4, 7, 8, 9, 10, 11, 12, 13};
  for (int i = 0; i < kReportRows; ++i) {
    EXPECT_EQ(rows[i].label, QString::fromUtf8(labels[i]));
    const int s = series[i];
    EXPECT_EQ(rows[i].thisMonth, reportFigure(Money::fromInt(s * 1000))) << labels[i];
    EXPECT_EQ(rows[i].lastMonth, reportFigure(Money::fromInt(s * 100))) << labels[i];
    EXPECT_EQ(rows[i].change.text, QStringLiteral("+") + reportFigure(Money::fromInt(s * 900)));
  }
}

TEST(MonthWindowsReport, TaxLinesFollowTheLawAndTheManoeuvre) {
  auto w = reportWorld();
  tkaichou& k = w->kaichou;
  k.shotokuzei = Money::fromInt(640);
  k.pachinkozei = Money::fromInt(96);
  k.datuzeigaku = Money::fromInt(414);
  k.zeibikirieki = Money::fromInt(2000);
  k.sikin = Money::fromInt(301234);

  auto labels = [&] {
    QStringList l;
    for (const CompanyLine& line : companyLines(*w))
      l << line.label + QLatin1Char('=') + line.value;
    return l.join(QLatin1Char(' '));
  };
  EXPECT_EQ(labels(), QStringLiteral("課税=640 経常利益=2,000 資金=301,234"));

  w->laws = kLawPachinkoTax;
  EXPECT_EQ(labels(), QStringLiteral("課税=640 パチンコ税=96 経常利益=2,000 資金=301,234"));

  k.datuzei = true;
  w->laws = 0;
  EXPECT_EQ(labels(), QStringLiteral("課税=640 Ｘ Ｘ Ｘ Ｘ=414 経常利益=2,000 資金=301,234"));

  k.zeibikirieki = Money::fromInt(-5);
  const auto lines = companyLines(*w);
  for (const CompanyLine& line : lines)
    EXPECT_EQ(line.negative, line.label == QStringLiteral("経常利益")) << line.label.toStdString();
}

TEST(MonthWindowsReport, ViewListsTheCompanyAndStoresInUseAndShowsTheSelection) {
  auto w = reportWorld();
  tkaichou& k = w->kaichou;
  k.slot(1).used = true;
  k.slot(1).name = "一号店";
  k.slot(2).name = "空き";  // not in use
  k.slot(4).used = true;
  k.slot(4).name = "四号店";
  k.backup.push(1, Money::fromInt(900));
  k.backup.push(1, Money::fromInt(500));
  k.slot(4).backup.push(7, Money::fromInt(30));
  k.slot(4).backup.push(7, Money::fromInt(-12));

  ResultsReportView view;
  view.load(*w, 14);
  ASSERT_EQ(view.list()->count(), 3);
  EXPECT_EQ(view.list()->item(0)->text(), QStringLiteral("全体"));
  EXPECT_EQ(view.list()->item(1)->text(), QStringLiteral("一号店"));
  EXPECT_EQ(view.list()->item(2)->text(), QStringLiteral("四号店"));
  EXPECT_EQ(view.companyName()->text(), QStringLiteral("山田興業"));
  EXPECT_EQ(view.table()->horizontalHeaderItem(1)->text(), QStringLiteral("今月\n2年2月"));
  EXPECT_EQ(view.table()->horizontalHeaderItem(2)->text(), QStringLiteral("先月\n2年1月"));

  // The whole company: sales fell by 400.
  ASSERT_EQ(view.table()->rowCount(), kReportRows);
  // Money rows say their unit; rates and ratings have none.
  EXPECT_EQ(view.table()->item(0, 0)->text(), QStringLiteral("売上げ(千円)"));
  EXPECT_EQ(view.table()->item(2, 0)->text(), QStringLiteral("利益率"));
  EXPECT_EQ(view.table()->item(5, 0)->text(), QStringLiteral("営業費(千円)"));
  EXPECT_EQ(view.table()->item(7, 0)->text(), QStringLiteral("稼働率"));
  EXPECT_EQ(view.findChild<QGroupBox*>()->title(), QStringLiteral("全体収支(千円)"));
  EXPECT_EQ(view.table()->item(0, 1)->text(), QStringLiteral("500"));
  EXPECT_EQ(view.table()->item(0, 3)->text(), QStringLiteral("-400"));
  EXPECT_EQ(view.table()->item(0, 3)->foreground().color(), QColor(Qt::red));

  // The fourth slot's net profit (row 6) from its own history.
  view.list()->setCurrentRow(2);
  EXPECT_EQ(view.table()->item(0, 1)->text(), QStringLiteral("0"));
  EXPECT_EQ(view.table()->item(6, 1)->text(), QStringLiteral("-12"));
  EXPECT_EQ(view.table()->item(6, 2)->text(), QStringLiteral("30"));
  EXPECT_EQ(view.table()->item(6, 3)->text(), QStringLiteral("-42"));
}

// --- the research window ---------------------------------------------------------------------

// A 3 x 3 city with 200 fans, two player stores and three rivals' records; 25 business days.
std::unique_ptr<tworld> researchWorld() {
  auto w = std::make_unique<tworld>();
  w->cityName = "桜市";
  w->kaichou.kaishaname = "山田興業";
  w->mapHeight = 3;
  w->mapWidth = 3;
  w->month = 17;
  w->lastBusinessDays = 25;
  for (int c : {0, 2}) {
    Tchip& b = w->block(1, c);
    b.kind = 19;
    b.population = 1000;
    b.fanRate = 10;
  }
  w->block(5, 5).kind = 19;  // outside the map: not counted
  w->block(5, 5).population = 1000;
  w->block(5, 5).fanRate = 50;

  tkaichou& k = w->kaichou;
  k.slot(1).used = true;
  k.slot(1).kyaku = {2000, 500, 2500};  // 100 a day
  k.slot(2).kyaku = {0, 0, 9999};       // not in use
  k.slot(3).used = true;
  k.slot(3).kyaku = {1000, 260, 1260};  // 50.4 a day -> 50

  Tenkaichou& r = w->rivals;
  r.sanka = {true, true, false, true, false};
  r.shikin = {Money::fromInt(100), Money(), Money::fromInt(100), Money::fromInt(1), Money()};
  auto rivalStore = [&](int record, int owner, int customers, bool used = true) {
    TEntempo& t = r.Tenpo(record);
    t.used = used;
    t.owner = static_cast<uint8_t>(owner);
    t.kyaku = customers;
  };
  rivalStore(1, 0, 520);  // 20.8 -> 20
  rivalStore(2, 0, 510);  // 20.4 -> 20
  rivalStore(3, 1, 2500);
  rivalStore(4, 3, 6000);  // 240 a day: more than the city's fans
  rivalStore(5, 0, 5000, false);
  return w;
}

TEST(MonthWindowsResearch, GaugeValuesAndVisibility) {
  auto w = researchWorld();
  ResearchFigures f = researchFigures(*w);
  EXPECT_EQ(f.totalFans, 200);
  EXPECT_EQ(f.gauges[0].customersPerDay, 150);
  EXPECT_EQ(f.gauges[0].percent, 75);
  EXPECT_TRUE(f.gauges[0].visible);
  EXPECT_EQ(f.gauges[1].customersPerDay, 40) << "each store's customers are divided by itself";
  EXPECT_EQ(f.gauges[1].percent, 20);
  EXPECT_TRUE(f.gauges[1].visible);
  EXPECT_FALSE(f.gauges[2].visible) << "in the city but without cash";
  EXPECT_FALSE(f.gauges[3].visible) << "cash but not in the city";
  EXPECT_TRUE(f.gauges[4].visible);
  EXPECT_EQ(f.gauges[4].percent, 120);
  EXPECT_FALSE(f.gauges[5].visible);

  w->lastBusinessDays = 0;
  f = researchFigures(*w);
  for (const ResearchGauge& g : f.gauges) EXPECT_EQ(g.percent, 0);

  w->lastBusinessDays = 25;
  w->rivals.rivalNashi = true;
  f = researchFigures(*w);
  EXPECT_TRUE(f.gauges[0].visible);
  for (int i = 1; i < kResearchGauges; ++i) EXPECT_FALSE(f.gauges[i].visible) << i;

  for (auto& row : w->blocks)
    for (Tchip& b : row) b.kind = 0;
  EXPECT_EQ(researchFigures(*w).gauges[0].percent, 0) << "a city without fans";
}

TEST(MonthWindowsResearch, WindowShowsTheMonthTheCityAndTheGauges) {
  auto w = researchWorld();
  Treserchform form(*w);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("2年 5月のリサーチ結果"));
  EXPECT_EQ(form.companyLabel()->text(), QStringLiteral("山田興業"));
  EXPECT_EQ(form.heading()->text(), QStringLiteral("桜市のパチンコファンの店舗に対する支持率"));
  const char* names[] = {"myg", "wildg", "speedg", "yudag", "mediag", "kugising"};
  const int values[] = {75, 20, 50, 0, 100, 0};
  const bool shown[] = {true, true, false, false, true, false};
  for (int i = 0; i < kResearchGauges; ++i) {
    EXPECT_EQ(form.gauge(i)->objectName(), QString::fromLatin1(names[i]));
    EXPECT_EQ(form.gauge(i)->value(), values[i]) << names[i];
    EXPECT_EQ(!form.gauge(i)->isHidden(), shown[i]) << names[i];
    EXPECT_EQ(!form.gaugeLabel(i)->isHidden(), shown[i]) << names[i];
  }
  EXPECT_EQ(form.gaugeLabel(1)->text(), QStringLiteral("パーラーワイルド"));
  EXPECT_EQ(form.gaugeLabel(4)->text(), QStringLiteral("ＭＥＤＩＡ  ＰＡＲＫ"));
}

}  // namespace
}  // namespace gm
