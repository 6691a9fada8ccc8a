// The new-game dialogs and the order that runs them: what the city selection shows, the founding
// dialog's rolling rules, and the order's ways to end (a new world, a cancel, a city file that
// went away or went bad meanwhile).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "base/text.h"
#include "company/company.h"
#include "persist/city_file.h"
#include "shell/new_game_dialogs.h"
#include "shell/new_game_order.h"
#include "shell/typing_box.h"
#include "shell_test_support.h"

namespace gm {
namespace {

namespace fs = std::filesystem;

void waitFor(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

CityDefinition city(int height, int width, std::string_view name, int tax, int pachinko, int slot) {
  CityDefinition c;
  c.name = name;
  c.description = "静かな港町。";
  c.height = height;
  c.width = width;
  c.housingPolicy = 30;
  c.commercePolicy = 60;
  c.businessPolicy = 90;
  c.taxRate = tax;
  c.unionHourCut = 1;
  c.unionDayCut = 2;
  c.maxPachinkoRate = pachinko;
  c.maxSlotRate = slot;
  for (int r = 0; r < height; ++r)
    for (int col = 0; col < width; ++col) c.kinds[r][col] = (r + col) % 3 == 0 ? 21 : 1;
  return c;
}

void writeCity(const fs::path& p, const CityDefinition& c) {
  std::string bytes = EncodeCityRecord(c);
  std::ofstream(p, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A folder of city files that the data folder points at while the test runs.
class CityFolder {
 public:
  explicit CityFolder(const std::string& name)
      : path_(fs::temp_directory_path() / ("gm_new_game_" + name)),
        saved_(qgetenv("GINDAMAYA97_DATA")) {
    fs::remove_all(path_);
    fs::create_directories(path_);
    writeCity(path_ / "minato.pmp", city(30, 30, "港町", 12, 6, 3));     // 900 cells
    writeCity(path_ / "nagaoka.pmp", city(20, 40, "長丘村", 25, 0, 2));  // 800 cells
    qputenv("GINDAMAYA97_DATA", QByteArray::fromStdString(path_.string()));
  }
  ~CityFolder() {
    qputenv("GINDAMAYA97_DATA", saved_);
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  QString folder() const { return QString::fromStdString(path_.string()); }

 private:
  fs::path path_;
  QByteArray saved_;
};

TEST(CitySelection, ListsBySizeAndShowsTheChosenCity) {
  CityFolder files("select");
  Tnewform dialog(files.folder(), nullptr);
  dialog.show();
  waitFor(30);

  ASSERT_EQ(dialog.pmplist()->count(), 2);
  EXPECT_EQ(dialog.pmplist()->item(0)->text(), "nagaoka.pmp") << "800 cells before 900";
  EXPECT_EQ(dialog.pmplist()->item(1)->text(), "minato.pmp");
  EXPECT_EQ(dialog.pmplist()->toolTip(), "出店する地区を選択");
  EXPECT_EQ(dialog.promptBox()->fullText(), "出店する地区を選考してください。");

  // The first city is selected and shown on the first activation.
  EXPECT_EQ(dialog.pmplist()->currentRow(), 0);
  EXPECT_EQ(dialog.chosenFile(), (files.path() / "nagaoka.pmp").string());
  EXPECT_EQ(dialog.detail(0)->text(), "長丘村");
  EXPECT_EQ(dialog.detail(1)->text(), "町");
  EXPECT_EQ(dialog.detail(2)->text(), "25 ％");
  EXPECT_EQ(dialog.detail(3)->text(), "12時間");
  EXPECT_EQ(dialog.detail(4)->text(), "28日");
  EXPECT_EQ(dialog.detail(5)->text(), "2円 20銭");
  EXPECT_EQ(dialog.detail(6)->text(), "6枚交換");
  EXPECT_EQ(dialog.policyGauge(0)->value(), 30);
  EXPECT_EQ(dialog.policyGauge(2)->value(), 90);
  EXPECT_EQ(dialog.descriptionBox()->fullText(), "静かな港町。");

  dialog.pmplist()->setCurrentRow(1);
  EXPECT_EQ(dialog.chosenFile(), (files.path() / "minato.pmp").string());
  EXPECT_EQ(dialog.detail(0)->text(), "港町");
  EXPECT_EQ(dialog.detail(2)->text(), "12 ％");
  EXPECT_EQ(dialog.detail(5)->text(), "なし");
  EXPECT_EQ(dialog.detail(6)->text(), "なし");

  // The novice game is the one offered; the hints show without the "|".
  EXPECT_TRUE(dialog.noviceButton()->isChecked());
  EXPECT_EQ(dialog.difficulty(), Difficulty::kNovice);
  EXPECT_EQ(dialog.noviceButton()->text(), "新米店長(&E)");
  EXPECT_EQ(dialog.noviceButton()->toolTip(), "他店舗は参入しません");
  EXPECT_EQ(dialog.rivalsButton()->text(), "ライバル登場！(&D)");
  dialog.rivalsButton()->setChecked(true);
  EXPECT_EQ(dialog.difficulty(), Difficulty::kRivals);
  dialog.hide();

  // A city that has gone away since the list was filled is not chosen.
  fs::remove(files.path() / "nagaoka.pmp");
  dialog.pmplist()->setCurrentRow(0);
  EXPECT_EQ(dialog.chosenFile(), (files.path() / "minato.pmp").string());
}

TEST(CitySelection, AnEmptyFolderLeavesNothingToChoose) {
  const fs::path empty = fs::temp_directory_path() / "gm_new_game_empty";
  fs::create_directories(empty);
  Tnewform dialog(QString::fromStdString(empty.string()), nullptr);
  dialog.show();
  waitFor(20);
  EXPECT_EQ(dialog.pmplist()->count(), 0);
  EXPECT_TRUE(dialog.chosenFile().empty());
  EXPECT_TRUE(dialog.okButton()->isEnabled());
  dialog.hide();
  fs::remove_all(empty);
}

TEST(CitySelection, RefusedCityFilesAreReportedOnceAndLeftOut) {
  CityFolder files("refused");
  std::ofstream(files.path() / "kowareta.pmp", std::ios::binary) << std::string(100, '\1');
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  test::whenModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    box->accept();
  });
  Tnewform dialog(files.folder(), nullptr);
  dialog.show();
  waitFor(100);
  EXPECT_EQ(title, "新規出店");
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_TRUE(text.endsWith("\nkowareta.pmp：都市ファイルが短すぎます（100 バイト）。"))
      << text.toStdString();
  ASSERT_EQ(dialog.pmplist()->count(), 2);
  EXPECT_EQ(dialog.chosenFile(), (files.path() / "nagaoka.pmp").string());

  // Showing the dialog again lists afresh without a second box.
  dialog.hide();
  int boxes = 0;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      ++boxes;
      box->reject();
    }
  });
  watch.start(5);
  dialog.show();
  waitFor(100);
  watch.stop();
  EXPECT_EQ(boxes, 0);
  EXPECT_EQ(dialog.pmplist()->count(), 2);
  EXPECT_TRUE(dialog.refusedCities().startsWith("kowareta.pmp："));
  dialog.hide();
}

TEST(CompanyFounding, OkAndCancelWaitUntilTheRollingStops) {
  Random generator(42);
  Random replay(42);
  Tmakekaichou dialog(generator, nullptr);

  // One roll on creation, shown and recorded; the timer does not run yet.
  FoundingChoice first;
  RollFoundingQualities(replay, first);
  EXPECT_FALSE(dialog.isRolling());
  EXPECT_EQ(dialog.qualityGauge(0)->value(), first.tousotu);
  EXPECT_EQ(dialog.qualityNumber(1)->text(), QString::number(first.chisei));
  EXPECT_EQ(dialog.capitalLabel()->text().toStdString(), capitalLabel(first.sihon));
  EXPECT_EQ(dialog.choice().tousotu, first.tousotu);
  EXPECT_EQ(dialog.choice().sihon, first.sihon);
  EXPECT_EQ(dialog.nameEdit()->text().toStdString(), kDefaultPresidentName);
  EXPECT_EQ(dialog.groupEdit()->text().toStdString(), kDefaultCompanyName);
  EXPECT_EQ(dialog.nameEdit()->maxLength(), 48);
  EXPECT_EQ(dialog.setteiButton()->text(), "能力設定(&V)");

  // The prompt types on the first activation; when it is done, the rolling starts by itself.
  dialog.show();
  waitFor(20);
  EXPECT_TRUE(dialog.promptBox()->isTyping());
  dialog.promptBox()->finish();
  ASSERT_TRUE(dialog.isRolling());
  EXPECT_EQ(dialog.setteiButton()->text(), "ストップ(&V)");
  EXPECT_FALSE(dialog.okButton()->isEnabled());
  EXPECT_FALSE(dialog.cancelButton()->isEnabled());
  dialog.accept();
  dialog.reject();
  EXPECT_TRUE(dialog.isVisible()) << "neither OK nor Esc leaves while the qualities roll";

  const uint64_t before = generator.draws();
  waitFor(300);
  EXPECT_GE(generator.draws(), before + 10) << "a roll (five draws) every 50 ms";
  EXPECT_EQ((generator.draws() - before) % 5, 0u);

  dialog.setteiButton()->click();
  EXPECT_FALSE(dialog.isRolling());
  EXPECT_EQ(dialog.setteiButton()->text(), "能力設定(&V)");
  EXPECT_TRUE(dialog.okButton()->isEnabled());
  EXPECT_TRUE(dialog.cancelButton()->isEnabled());
  FoundingChoice c = dialog.choice();
  EXPECT_EQ(c.tousotu, dialog.qualityGauge(0)->value());
  EXPECT_EQ(c.kantei, dialog.qualityGauge(3)->value());
  EXPECT_EQ(dialog.capitalLabel()->text().toStdString(), capitalLabel(c.sihon));

  // The prompt's end starts the rolling only the first time.
  dialog.promptBox()->start();
  dialog.promptBox()->finish();
  EXPECT_FALSE(dialog.isRolling());

  // Names without a Shift-JIS form cannot be typed; emptied edits give empty names (the
  // founding then takes the defaults).
  dialog.nameEdit()->clear();
  dialog.nameEdit()->insert(QStringLiteral("山田\U0001F600"));
  EXPECT_EQ(dialog.nameEdit()->text(), "");
  dialog.groupEdit()->clear();
  EXPECT_TRUE(dialog.choice().presidentName.empty());
  EXPECT_TRUE(dialog.choice().companyName.empty());
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Drives the founding dialog to its end: stops the rolling it starts and presses OK.
void foundCompany(QWidget* modal, const std::function<void()>& beforeOk = {}) {
  auto* found = qobject_cast<Tmakekaichou*>(modal);
  ASSERT_NE(found, nullptr);
  found->groupEdit()->setText(QStringLiteral("試験興業"));
  found->promptBox()->finish();
  EXPECT_FALSE(found->okButton()->isEnabled());
  found->setteiButton()->click();
  if (beforeOk) beforeOk();
  found->okButton()->click();
}

TEST(NewGameOrder, BuildsTheWorldOfTheChosenCity) {
  CityFolder files("order");
  test::whenModal([](QWidget* modal) {
    auto* select = qobject_cast<Tnewform*>(modal);
    ASSERT_NE(select, nullptr);
    select->pmplist()->setCurrentRow(1);
    select->rivalsButton()->setChecked(true);
    test::whenModal([](QWidget* m) { foundCompany(m); });
    select->okButton()->click();
  });
  Random generator(1);
  std::unique_ptr<tworld> world = runNewGameOrder(nullptr, generator);
  ASSERT_NE(world, nullptr);
  EXPECT_EQ(world->cityName, "港町");
  EXPECT_EQ(world->mapHeight, 30);
  EXPECT_EQ(world->month, 1);
  EXPECT_EQ(world->kaichou.kaishaname, "試験興業");
  EXPECT_EQ(world->kaichou.ownername, kDefaultPresidentName);
  EXPECT_EQ(world->kaichou.sikin.raw(), capitalCash(world->kaichou.sihon) * 10000);
  EXPECT_FALSE(world->rivals.rivalNashi);
}

TEST(NewGameOrder, StopsOnCancelAndWhenTheCityFileWentAway) {
  CityFolder files("stop");
  Random generator(1);
  test::whenModal([](QWidget*) { test::clickModalButton(QStringLiteral("取り消し(&N)")); });
  EXPECT_EQ(runNewGameOrder(nullptr, generator), nullptr);

  test::whenModal([](QWidget* modal) {
    test::whenModal([](QWidget* m) {
      auto* found = qobject_cast<Tmakekaichou*>(m);
      ASSERT_NE(found, nullptr);
      found->promptBox()->finish();
      found->setteiButton()->click();
      found->cancelButton()->click();
    });
    qobject_cast<Tnewform*>(modal)->okButton()->click();
  });
  EXPECT_EQ(runNewGameOrder(nullptr, generator), nullptr);

  const fs::path gone = files.path() / "nagaoka.pmp";
  test::whenModal([gone](QWidget* modal) {
    test::whenModal([gone](QWidget* m) { foundCompany(m, [gone] { fs::remove(gone); }); });
    qobject_cast<Tnewform*>(modal)->okButton()->click();
  });
  EXPECT_EQ(runNewGameOrder(nullptr, generator), nullptr);
}

TEST(NewGameOrder, AReadErrorIsShownAndChangesNothing) {
  CityFolder files("broken");
  const fs::path spoilt = files.path() / "nagaoka.pmp";
  std::string shownError;
  test::whenModal([&](QWidget* modal) {
    test::whenModal([&](QWidget* m) {
      foundCompany(m, [&] {
        std::ofstream(spoilt, std::ios::binary | std::ios::trunc) << std::string(2811, '\1');
        test::whenModal([&](QWidget* box) {
          auto* error = qobject_cast<QMessageBox*>(box);
          ASSERT_NE(error, nullptr);
          EXPECT_EQ(error->icon(), QMessageBox::Critical);
          shownError = error->text().toStdString();
          error->accept();
        });
      });
    });
    qobject_cast<Tnewform*>(modal)->okButton()->click();
  });
  Random generator(1);
  EXPECT_EQ(runNewGameOrder(nullptr, generator), nullptr);
  EXPECT_EQ(shownError, "都市ファイルが短すぎます（2811 バイト）。");
}

}  // namespace
}  // namespace gm
