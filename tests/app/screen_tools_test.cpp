// The screens' small tools: the calculator as a pocket calculator works (each operator finishes
// the sum so far, per cent of the running total, "E" on a division by zero, the keyboard), the
// chart's round axis steps and the figures' formats, and the warehouse dialog's records, icons
// and stock.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "shell/main_window.h"
#include "shell_test_support.h"
#include "ui/calculator_dialog.h"
#include "ui/figure_grid.h"
#include "ui/figure_text.h"
#include "ui/history_graph.h"
#include "ui/warehouse_dialog.h"
#include "world/world.h"

namespace gm {
namespace {

// Types a line of keys into an engine: digits, '.', + - * /, '=', '%', 'n' (±), 'b' (back),
// 'e' (CE), 'c' (C).
QString run(const std::string& keys) {
  CalculatorEngine e;
  for (char k : keys) {
    if (k >= '0' && k <= '9') e.digit(k - '0');
    if (k == '.') e.point();
    if (k == '+' || k == '-' || k == '*' || k == '/') e.op(k);
    if (k == '=') e.equals();
    if (k == '%') e.percent();
    if (k == 'n') e.negate();
    if (k == 'b') e.backspace();
    if (k == 'e') e.clearEntry();
    if (k == 'c') e.clear();
  }
  return e.display();
}

TEST(Calculator, WorksAsAPocketCalculator) {
  EXPECT_EQ(run(""), QStringLiteral("0"));
  EXPECT_EQ(run("12+3*2="), QStringLiteral("30")) << "each operator finishes the sum so far";
  EXPECT_EQ(run("12+3*"), QStringLiteral("15"));
  EXPECT_EQ(run("5+*3="), QStringLiteral("15")) << "a second operator changes its mind";
  EXPECT_EQ(run("1234567"), QStringLiteral("1,234,567"));
  EXPECT_EQ(run("0.1+0.2="), QStringLiteral("0.3"));
  EXPECT_EQ(run("1/3="), QStringLiteral("0.333333333333"));
  EXPECT_EQ(run("200+10%"), QStringLiteral("20")) << "per cent of the running total";
  EXPECT_EQ(run("200+10%="), QStringLiteral("220"));
  EXPECT_EQ(run("200*10%="), QStringLiteral("20"));
  EXPECT_EQ(run("7n-3="), QStringLiteral("-10"));
  EXPECT_EQ(run("1234b"), QStringLiteral("123"));
  EXPECT_EQ(run("9+5e4="), QStringLiteral("13")) << "CE drops only the number being typed";
  EXPECT_EQ(run("1234567890123456"), QStringLiteral("123,456,789,012")) << "twelve digits";
  EXPECT_EQ(run("8/0="), QStringLiteral("E"));
  EXPECT_EQ(run("8/0=5"), QStringLiteral("E")) << "the error holds until C";
  EXPECT_EQ(run("8/0=c5"), QStringLiteral("5"));
  EXPECT_EQ(run("999999999999*999999999999="), QStringLiteral("E")) << "too large to show";
}

TEST(Calculator, TheDialogTakesClicksAndTheKeyboard) {
  TCalcForm form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("電卓"));
  for (const char* k : {"4", "2", "÷", "8", "="}) form.key(QString::fromUtf8(k))->click();
  EXPECT_EQ(form.displayText(), QStringLiteral("5.25"));
  form.key(QStringLiteral("C"))->click();
  for (char c : std::string("7*6")) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QLatin1Char(c)));
    QApplication::sendEvent(&form, &press);
  }
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(&form, &enter);
  EXPECT_EQ(form.displayText(), QStringLiteral("42"));
}

TEST(ScreenFigures, AxisStepsAndFormats) {
  EXPECT_EQ(axisTicks(0, 950), (std::vector<double>{0, 200, 400, 600, 800, 1000}));
  EXPECT_EQ(axisTicks(-130, 870), (std::vector<double>{-200, 0, 200, 400, 600, 800, 1000}));
  EXPECT_EQ(axisTicks(0, 100), (std::vector<double>{0, 20, 40, 60, 80, 100}));
  EXPECT_EQ(axisTicks(0, 3), (std::vector<double>{0, 1, 2, 3}));
  const std::vector<double> flat = axisTicks(0, 0);
  EXPECT_LT(flat.front(), 0);
  EXPECT_GT(flat.back(), 0) << "a flat history still gets an axis";

  EXPECT_EQ(rateFigure(Money::fromRaw(136996)), QStringLiteral("13.6%"));
  EXPECT_EQ(rateFigure(Money::fromRaw(-5000)), QStringLiteral("-0.5%"));
  EXPECT_EQ(rateFigure(Money::fromRaw(-40000)), QStringLiteral("-4.0%"));
  EXPECT_EQ(rateFigure(Money()), QStringLiteral("0.0%"));
  EXPECT_EQ(yenFigure(Money::fromRaw(71250)), QStringLiteral("7,125"));
  EXPECT_EQ(moneyFigure(Money::fromRaw(12345676000)), QStringLiteral("1,234,568"));

  HistoryGraph graph;
  graph.resize(600, 360);
  HistoryGraph::Line sales{QStringLiteral("売上"), Qt::blue, {}};
  sales.values[0] = Money::fromInt(95000);
  sales.values[1] = Money::fromInt(120000);
  graph.showLines({QStringLiteral("1年5月"), QStringLiteral("6月")}, {sales}, false);
  graph.grab();
  EXPECT_EQ(graph.axisLabels(), (QStringList{"150,000", "100,000", "50,000", "0"}))
      << "steps of 50,000 over 120,000, top to bottom";
}

TEST(WarehouseDialog, ListsTheRecordsInStockWithTheirIconsAndTheStock) {
  auto w = test::smallWorld(2, 2);
  w->kaichou.souko = 1;
  for (int n : {1, 2, 5}) {
    Tddai& d = w->kaichou.record(n);
    d.used = true;
    d.kishu = static_cast<uint8_t>(n == 5 ? 8 : 0);
    d.name = n == 5 ? "スロ将軍" : "花鳥風月";
    d.tanka = n * 100000;
  }
  TMain main;
  Tstockform withIcons(*w, &main.pictures());
  QTreeWidget* list = withIcons.dailist()->tree();
  ASSERT_EQ(list->topLevelItemCount(), 3);
  EXPECT_FALSE(list->topLevelItem(0)->icon(0).isNull());
  list->sortItems(5, Qt::DescendingOrder);
  EXPECT_EQ(list->topLevelItem(0)->text(5), QStringLiteral("500,000")) << "prices sort as numbers";
  EXPECT_EQ(list->topLevelItem(0)->data(0, Qt::UserRole).toInt(), 5);
  EXPECT_EQ(withIcons.roomLabel()->text(), QStringLiteral("2,000台収容  空き 1,970台"));
  EXPECT_EQ(withIcons.stockGrid()->figure(8, 1), QStringLiteral("10")) << "パチスロ";
  EXPECT_EQ(withIcons.stockGrid()->figure(12, 0), QStringLiteral("3")) << "all records";
  Tstockform plain(*w, nullptr);
  EXPECT_TRUE(plain.dailist()->tree()->topLevelItem(0)->icon(0).isNull());
}

}  // namespace
}  // namespace gm
