// The saved-game orders in the program: the dialogs, the remembered file that "上書き記録(&V)"
// writes to, loading with the refusal of a bad file, a save that cannot be written, and the month
// end's automatic saves.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <optional>

#include "persist/save_file.h"
#include "persist/state_digest.h"
#include "shell/game_orders.h"
#include "shell/main_window.h"
#include "shell/month_end_driver.h"
#include "shell/option_dialog.h"
#include "shell/qt_frontend.h"
#include "shell/save_file_dialog.h"
#include "shell/save_folder.h"
#include "shell/save_orders.h"
#include "shell/sub_windows.h"
#include "shell_test_support.h"
#include "world/world.h"

namespace gm {
namespace {

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Chooses `file` (a name or a path) in the next file dialog, and records what it showed.
struct DialogSeen {
  QString title;
  QStringList filters;
  QString suffix;
  QString folder;
  QStringList history;
  bool mustExist = false;
};
// `then` runs once the dialog has closed, to answer the window that follows it.
void chooseInNextFileDialog(const QString& file, DialogSeen* seen = nullptr,
                            std::function<void()> then = {}) {
  test::whenModal([file, seen, then](QWidget* modal) {
    auto* dialog = qobject_cast<SaveGameDialog*>(modal);
    ASSERT_NE(dialog, nullptr) << "the next window is not a file dialog";
    if (seen) {
      seen->title = dialog->windowTitle();
      seen->filters = dialog->nameFilters();
      seen->suffix = dialog->defaultSuffix();
      seen->folder = dialog->directory().absolutePath();
      seen->history =
          qobject_cast<QStringListModel*>(dialog->historyCompleter()->model())->stringList();
      seen->mustExist = dialog->fileMode() == QFileDialog::ExistingFile;
    }
    if (file.isEmpty()) {
      static_cast<QDialog*>(dialog)->reject();
      return;
    }
    // As typed into the name field: selectFile leaves a field that has the focus alone.
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(file);
    static_cast<QDialog*>(dialog)->accept();
    if (then) then();
  });
}

// The text of the next error box, which is then closed.
void readNextErrorBox(QString* title, QString* text) {
  test::whenModal([title, text](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr) << "the next window is not an error box";
    *title = box->windowTitle();
    *text = box->text();
    box->accept();
  });
}

// While it lives, closes any modal window at once and remembers its title.
class ModalGuard {
 public:
  ModalGuard() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        shown = d->windowTitle();
        d->reject();
      }
    });
    timer_.start(10);
  }
  QString shown;

 private:
  QTimer timer_;
};

class SaveOrders : public ::testing::Test {
 protected:
  void SetUp() override {
    // A folder of the test's own: the tests run side by side.
    qputenv("GINDAMAYA97_SAVES", QFile::encodeName(saves.path()));
    main = std::make_unique<TMain>();
    main->createSubWindows();
    connectGameOrders(*main);
    Options& o = main->options();
    o.defopen = false;
    o.tellmsg = false;
    o.autosave = false;
    o.jissekihoukoku = false;
    o.reserchhoukoku = false;
    o.bonushoukoku = false;
    // Nor any other report: the message dialog would store its placement where the other tests
    // look.
    for (bool Options::*report :
         {&Options::teisiokhoukoku, &Options::koujiokhoukoku, &Options::sindaihoukoku,
          &Options::urikirehoukoku, &Options::openhoukoku, &Options::kaitenhoukoku,
          &Options::closehoukoku, &Options::taishokuhoukoku, &Options::nyuushahoukoku})
      o.*report = false;
    auto w = test::smallWorld(6, 8);
    w->cityName = "試験市";
    w->SetTaxRate(20);
    w->kaichou.kaishaname = "銀玉商事";
    w->kaichou.SetSikin(Money::fromInt(300000));
    w->rivals.rivalNashi = true;
    w->month = 3;
    Ttempo& t = w->kaichou.slot(1);
    t.used = true;
    t.name = "一号店";
    t.blockY = 1;
    t.blockX = 1;
    w->block(1, 1).kind = 19;
    main->replaceWorld(std::move(w));
    main->beginPlay();
  }
  void TearDown() override {
    main.reset();
    qunsetenv("GINDAMAYA97_SAVES");
  }

  QTemporaryDir saves;
  std::unique_ptr<TMain> main;
};

}  // namespace

TEST_F(SaveOrders, SaveAsRemembersTheFileSaveWritesThereAndALoadForgetsIt) {
  DialogSeen seen;
  chooseInNextFileDialog(QStringLiteral("営報1"), &seen);
  ASSERT_TRUE(runSaveAs(*main));
  EXPECT_EQ(seen.title, QStringLiteral("営業報告書に記録"));
  EXPECT_EQ(seen.filters, QStringList{QStringLiteral("営業報告書(*.PLR)")});
  EXPECT_EQ(seen.suffix, QStringLiteral("PLR"));
  EXPECT_EQ(seen.folder, saves.path());
  EXPECT_EQ(seen.history,
            (QStringList{"営報1.PLR", "営報2.PLR", "営報3.PLR", "営報4.PLR", "営報5.PLR"}));
  const QString path = savedGamesFolder() + QStringLiteral("/営報1.PLR");
  EXPECT_EQ(main->saveFileName(), path);
  EXPECT_EQ(fileBytes(path).size(), 664121);

  // Overwriting writes the game as it is now, without a dialog. (Its question is the core's,
  // and the message dialog would store its placement where the other tests look.)
  main->world().kaichou.SetSikin(Money::fromInt(123456));
  std::optional<ModalGuard> guard(std::in_place);
  EXPECT_TRUE(runSave(*main));
  EXPECT_TRUE(guard->shown.isEmpty()) << "save showed " << guard->shown.toStdString();
  guard.reset();
  const uint64_t saved = StateDigest(main->world());
  const uint32_t seedAtSave = main->world().rng().seed();

  // The game moves on; loading the file brings back the saved game and forgets the file.
  main->world().kaichou.SetSikin(Money::fromInt(5));
  main->world().month = 9;
  chooseInNextFileDialog(path, &seen);
  ASSERT_TRUE(runLoad(*main));
  EXPECT_EQ(seen.title, QStringLiteral("営業報告書から引き継ぐ"));
  EXPECT_TRUE(seen.mustExist);
  EXPECT_EQ(main->world().kaichou.sikin, Money::fromInt(123456));
  EXPECT_EQ(main->world().month, 3);
  EXPECT_TRUE(main->windowTitle().startsWith(QStringLiteral("1年 3月")));
  EXPECT_TRUE(main->playing());
  EXPECT_TRUE(main->saveFileName().isEmpty());
  main->world().rng().setSeed(seedAtSave);  // the load reseeded it from the clock
  EXPECT_EQ(StateDigest(main->world()), saved) << "a field did not come back";

  // With nothing remembered, "上書き記録(&V)" asks for the name like "記録(&A)".
  chooseInNextFileDialog(QString(), &seen);
  EXPECT_FALSE(runSave(*main));
  EXPECT_EQ(seen.title, QStringLiteral("営業報告書に記録"));
}

TEST_F(SaveOrders, ABadFileIsRefusedAndTheGameAndItsWindowsStayAsTheyWere) {
  QTemporaryDir dir;
  const QString shortFile = dir.filePath(QStringLiteral("短い.PLR"));
  {
    QFile f(shortFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromStdString(EncodeSaveRecord(main->world())).left(664120));
  }
  main->setSaveFileName(dir.filePath(QStringLiteral("営報3.PLR")));
  main->subWindows().allmap->show();
  const uint64_t before = StateDigest(main->world());
  const QString caption = main->windowTitle();

  QString title, text;
  chooseInNextFileDialog(shortFile, nullptr, [&] { readNextErrorBox(&title, &text); });
  EXPECT_FALSE(runLoad(*main));
  EXPECT_EQ(title, QStringLiteral("引き継ぎ"));
  EXPECT_EQ(text, QStringLiteral("営業報告書が短すぎます（664,120 バイト。営業報告書は 664,121 "
                                 "バイトです）。"));
  EXPECT_EQ(StateDigest(main->world()), before) << "the generator was reseeded or a field changed";
  EXPECT_TRUE(main->subWindows().allmap->isVisible());
  EXPECT_EQ(main->windowTitle(), caption);
  EXPECT_TRUE(main->saveFileName().isEmpty()) << "the load forgets the file before it reads";
}

TEST_F(SaveOrders, ASaveThatCannotBeWrittenLeavesTheOldFileWhole) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("営報2.PLR"));
  main->setSaveFileName(path);
  ASSERT_TRUE(runSave(*main));
  const QByteArray old = fileBytes(path);
  ASSERT_EQ(old.size(), 664121);

  main->world().kaichou.SetSikin(Money::fromInt(777));
  ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
  const bool root = geteuid() == 0;  // a user that may not write there
  if (root) {
    ASSERT_EQ(seteuid(65534), 0);
  }
  QString title, text;
  readNextErrorBox(&title, &text);
  const bool written = runSave(*main);
  if (root) {
    ASSERT_EQ(seteuid(0), 0);
  }
  chmod(QFile::encodeName(dir.path()).constData(), 0700);
  EXPECT_FALSE(written);
  EXPECT_EQ(title, QStringLiteral("記録"));
  EXPECT_TRUE(text.startsWith(QStringLiteral("営業報告書に記録できませんでした（")))
      << text.toStdString();
  EXPECT_TRUE(text.endsWith(QStringLiteral("記録先のファイルは変わっていません。")));
  EXPECT_EQ(fileBytes(path), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("営報2.PLR")});
}

TEST_F(SaveOrders, TheMonthEndKeepsEachCompanysThreeNewestAutomaticSavesAndNothingElseGoes) {
  // The month's news goes to a silent port: the message dialog would store its placement where
  // the other tests look. Any other window is closed.
  SilentFrontend quiet;
  quiet.mutableOptions() = main->options();
  main->world().setFrontend(&quiet);
  ModalGuard others;
  const QString folder = savedGamesFolder();
  auto files = [&] { return QDir(folder).entryList(QDir::Files, QDir::Name); };

  ASSERT_TRUE(runMonthEnd(*main).goesOn);
  EXPECT_TRUE(files().isEmpty()) << "autosave is off";

  // A file of the player's that only looks like an automatic save, and another company's saves.
  QFile own(folder + QStringLiteral("/銀玉商事 自動記録 1年 1月.PLR"));
  ASSERT_TRUE(own.open(QIODevice::WriteOnly));
  own.write("mine");
  own.close();
  main->options().autosave = true;
  main->world().kaichou.kaishaname = "他社／興業";
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(runMonthEnd(*main).goesOn);
  main->world().kaichou.kaishaname = "銀玉商事";
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(runMonthEnd(*main).goesOn);
  EXPECT_EQ(files(),
            (QStringList{"他社／興業 自動記録 1年 5月.PLR", "他社／興業 自動記録 1年 6月.PLR",
                         "銀玉商事 自動記録 1年 1月.PLR", "銀玉商事 自動記録 1年 8月.PLR",
                         "銀玉商事 自動記録 1年 9月.PLR", "銀玉商事 自動記録 1年10月.PLR"}));
  EXPECT_EQ(fileBytes(own.fileName()), QByteArray("mine"));
  auto loaded = std::make_unique<tworld>();
  ASSERT_TRUE(
      LoadSaveFile(QFile::encodeName(folder + QStringLiteral("/銀玉商事 自動記録 1年10月.PLR"))
                       .toStdString(),
                   *loaded)
          .ok);
  EXPECT_EQ(loaded->month, main->world().month);
  EXPECT_EQ(autosaveFileName(QStringLiteral("銀玉商事"), 12 * 9 + 12),
            QStringLiteral("銀玉商事 自動記録 10年12月.PLR"));
  EXPECT_EQ(autosaveFileName(QStringLiteral("a/b:c"), 1),
            QStringLiteral("a_b_c 自動記録 1年 1月.PLR"));
  EXPECT_TRUE(others.shown.isEmpty()) << others.shown.toStdString();
  main->world().setFrontend(&main->frontend());
}

TEST(SaveFromTitle, ALoadWithoutAGameBeginsPlayOnTheLoadedGame) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("営報4.PLR"));
  auto saved = test::smallWorld(5, 7);
  saved->kaichou.kaishaname = "引継商事";
  saved->month = 14;
  saved->SetTaxRate(20);  // as every city sets it: a world without one is no game to save
  ASSERT_TRUE(SaveGameFile(QFile::encodeName(path).toStdString(), *saved).ok);

  TMain main;
  main.createSubWindows();
  main.options().defopen = false;
  ASSERT_FALSE(main.playing());
  ASSERT_FALSE(main.menuItem(QStringLiteral("savemenu"))->isEnabled());
  std::optional<ModalGuard> guard;
  chooseInNextFileDialog(path, nullptr, [&guard] { guard.emplace(); });
  ASSERT_TRUE(runLoad(main));
  ASSERT_TRUE(guard);
  EXPECT_TRUE(guard->shown.isEmpty()) << "the load showed " << guard->shown.toStdString();
  EXPECT_TRUE(main.playing());
  EXPECT_EQ(main.titleView(), nullptr);
  EXPECT_TRUE(main.menuItem(QStringLiteral("savemenu"))->isEnabled());
  EXPECT_EQ(main.world().mapWidth, 7);
  EXPECT_TRUE(main.windowTitle().startsWith(QStringLiteral("2年 2月：引継商事経営中")))
      << main.windowTitle().toStdString();
}

TEST(SaveOptions, TheOptionDialogOffersTheAutomaticSave) {
  Options o;
  Toptionform dialog(o);
  QCheckBox* box = dialog.checkBox(&Options::autosave);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), QStringLiteral("月末に自動で記録する"));
  EXPECT_FALSE(box->isChecked());
  box->setChecked(true);
  EXPECT_TRUE(dialog.values().autosave);
}

}  // namespace gm
