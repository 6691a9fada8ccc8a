// The advisor on the screens: the store window's "診断" page with its findings in order and the
// button that opens the dialog that mends one; the mark in the company manager's store list; and
// the results report's lines, shown only while the option asks for them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "company/advisor.h"
#include "order_windows.h"
#include "shell/option_dialog.h"
#include "shell/results_report.h"
#include "ui/advice_page.h"
#include "ui/company_store_list_page.h"
#include "ui/list_layout.h"

namespace gm {
namespace {

class AdviceScreens : public test::OrderWindows {
 protected:
  void SetUp() override {
    OrderWindows::SetUp();
    world().month = 4;
    // A hall on the game's defaults, short of staff: the advisor's own test hall.
    Ttempo& s = addStore(1, 2, 2, 0, kOpen, "銀玉会館");
    for (int i = 0; i < kIslandsPerFloor; ++i) {
      Tddai& d = s.dai[0][i] = island(0);
      d.kounyuuMonth = 4;
      d.jikan = 390;
      d.kadou = 1560;
    }
    s.kadou[kTotal] = 40;
    s.setDansei(21);
  }
};

TEST_F(AdviceScreens, TheStorePageListsTheFindingsAndItsButtonOpensTheDialog) {
  storeWindow().showStore(1);
  AdvicePage* page = storeWindow().advicePage();
  QTabWidget* pages = storeWindow().pages();
  const AdviceList& advice = page->advice();
  ASSERT_GE(advice.size(), 4);
  int wanting = 0;
  for (const Advice& a : advice) wanting += a.severity >= AdviceSeverity::Caution;
  EXPECT_EQ(pages->tabText(pages->indexOf(page)), QStringLiteral("診断(%1)").arg(wanting));
  EXPECT_TRUE(page->summary()->text().startsWith(QStringLiteral("銀玉会館の経営診断です")));

  int salary = -1;
  for (int i = 0; i < advice.size(); ++i)
    if (advice[i].topic == AdviceTopic::SalaryBelowDemand) salary = i;
  ASSERT_GE(salary, 0);
  QPushButton* button = page->remedyButton(salary);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), QStringLiteral("人件費調整"));

  // The button opens the personnel spending dialog on this store; cancelling it changes
  // nothing.
  QString title;
  test::whenModal([&](QWidget* modal) {
    title = modal->windowTitle();
    test::clickModalButton(QStringLiteral("取り消し(&N)"));
  });
  button->click();
  EXPECT_EQ(title, QStringLiteral("人件費調整"));
  EXPECT_EQ(world().kaichou.slot(1).kyuyo, 150);
}

TEST_F(AdviceScreens, AReadyHallOpensFromItsFinding) {
  Ttempo& s = world().kaichou.slot(1);
  s.joutai = kWaiting;
  s.setDansei(30);
  storeWindow().showStore(1);
  AdvicePage* page = storeWindow().advicePage();
  ASSERT_FALSE(page->advice().empty());
  ASSERT_EQ(page->advice()[0].topic, AdviceTopic::ReadyToOpen);
  ASSERT_EQ(page->remedyButton(0)->text(), QStringLiteral("開店"));
  const Money cash = world().kaichou.sikin;
  page->remedyButton(0)->click();
  EXPECT_EQ(s.joutai, kOpen);
  EXPECT_EQ(world().kaichou.sikin, cash - Money::fromInt(515)) << "500 a floor at charm 45";
  EXPECT_NE(page->advice()[0].topic, AdviceTopic::ReadyToOpen) << "the page follows the order";
}

TEST_F(AdviceScreens, TheStoreListMarksTheHallAndTheCompanyLineSpeaks) {
  companyWindow().refresh();
  CompanyStoreListPage* list = companyWindow().storeListPage();
  QTreeWidget* tree = list->tempolist()->tree();
  ASSERT_EQ(tree->topLevelItemCount(), 1);
  const QString mark = tree->topLevelItem(0)->text(CompanyStoreListPage::kAdvice);
  EXPECT_TRUE(mark.startsWith(QStringLiteral("重要"))) << mark.toStdString();
  EXPECT_FALSE(tree->topLevelItem(0)->toolTip(CompanyStoreListPage::kAdvice).isEmpty());
  EXPECT_TRUE(list->companyAdvice()->text().startsWith(QStringLiteral("経営診断：")));
}

TEST_F(AdviceScreens, TheStoreListSortsTheHallsThatNeedAttentionFirst) {
  // A hall of one island that one man can run, paid what he asks, with welfare enough to keep
  // him from despair: nothing serious to say about it.
  Ttempo& calm = addStore(2, 0, 0, 0, kOpen, "静かな店");
  calm.dai[0][0] = island(0);
  calm.dai[0][0].kounyuuMonth = 4;
  calm.setDansei(1);
  calm.fukuri = 20;
  companyWindow().refresh();
  QTreeWidget* tree = companyWindow().storeListPage()->tempolist()->tree();
  ASSERT_EQ(tree->topLevelItemCount(), 2);
  tree->sortItems(CompanyStoreListPage::kAdvice, Qt::DescendingOrder);
  EXPECT_EQ(tree->topLevelItem(0)->text(CompanyStoreListPage::kName), QStringLiteral("銀玉会館"));
  EXPECT_EQ(tree->topLevelItem(1)->text(CompanyStoreListPage::kName), QStringLiteral("静かな店"));
  EXPECT_FALSE(
      tree->topLevelItem(1)->text(CompanyStoreListPage::kAdvice).startsWith(QStringLiteral("重要")))
      << tree->topLevelItem(1)->text(CompanyStoreListPage::kAdvice).toStdString();
}

TEST_F(AdviceScreens, TheReportOptionIsOnTheReportsPageAndOffAtFirst) {
  Toptionform dialog(Options{});
  QCheckBox* box = dialog.checkBox(&Options::shindanhoukoku);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), QStringLiteral("実績報告書に店舗の診断を添える"));
  EXPECT_FALSE(box->isChecked());
  box->setChecked(true);
  EXPECT_TRUE(dialog.values().shindanhoukoku);
}

TEST_F(AdviceScreens, TheResultsReportAddsItsLinesOnlyWhenAskedTo) {
  ResultsReportView view;
  port.opts.shindanhoukoku = false;
  view.load(world(), world().month);
  EXPECT_TRUE(view.adviceList()->isHidden());
  EXPECT_EQ(view.adviceList()->count(), 0);

  port.opts.shindanhoukoku = true;
  view.load(world(), world().month);
  EXPECT_FALSE(view.adviceList()->isHidden());
  ASSERT_EQ(view.adviceList()->count(), 2) << "the company, then the hall";
  EXPECT_TRUE(view.adviceList()->item(0)->text().startsWith(QStringLiteral("全体：")));
  EXPECT_TRUE(view.adviceList()->item(1)->text().startsWith(QStringLiteral("銀玉会館：【重要】")));
}

}  // namespace
}  // namespace gm
