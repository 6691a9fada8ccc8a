// The main window: creation, begin play, the menu states, the caption and the menu handlers.
#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QStackedWidget>

#include "shell/caption.h"
#include "shell/data_folder.h"
#include "shell/form_placement.h"
#include "shell/help_window.h"
#include "shell/language.h"
#include "shell/map_view.h"
#include "shell/message_dialog.h"
#include "shell/option_dialog.h"
#include "shell/options_store.h"
#include "shell/picture_book.h"
#include "shell/placement_rules.h"
#include "shell/qt_frontend.h"
#include "shell/sound_player.h"
#include "shell/title_view.h"
#include "shell/version_window.h"
#include "shell/wait_window.h"
#include "world/world.h"

namespace gm {

TMain::TMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Main"));
  options_ = readOptions(*openSettings());
  qApp->installEventFilter(this);  // tool-tip hints follow option `showhint`

  frontend_ = std::make_unique<QtFrontend>(*this);
  world_ = std::make_unique<tworld>();
  world_->setFrontend(frontend_.get());
  pictures_ = std::make_unique<PictureBook>(dataPath(QStringLiteral("pictures")));
  sound_ = std::make_unique<SilentSoundPlayer>();

  setWindowTitle(QStringLiteral("Gindamaya97"));
  setWindowIcon(QIcon(QPixmap::fromImage(pictures_->appIcon())));
  resize(800, 600);

  stack_ = new QStackedWidget(this);
  title_ = new TitleView(pictures_->title(), options_.titleview, stack_);
  connect(title_, &TitleView::firstPainted, this, [this] { sound_->play(kCueTitle); });
  map_ = new MAPGRID(*pictures_, stack_);
  map_->setWorld(world_.get());
  map_->setOptions(&options_);
  map_->setEnabled(false);
  stack_->addWidget(title_);
  stack_->addWidget(map_);
  stack_->setCurrentWidget(title_);
  setCentralWidget(stack_);

  buildMenus();
  map_->setPopupMenu(popup_);
  connectHandlers();

  // F1 opens the help from anywhere in the program, as the splash promises.
  auto* f1 = new QAction(this);
  f1->setShortcut(QKeySequence(Qt::Key_F1));
  f1->setShortcutContext(Qt::ApplicationShortcut);
  connect(f1, &QAction::triggered, this, [this] { showHelp(false); });
  addAction(f1);

  placement_ = new FormPlacement(this, QStringLiteral("Main"));
  // The first run leaves the screen's right-hand side to the data windows.
  placement_->setFirstPlace(
      [this](QSize frame) { return firstMainWindowPlace(frame, screenAreaOf(this)); });
}

TMain::~TMain() {
  qApp->removeEventFilter(this);
  writeOptions(*openSettings(), options_);
  placement_->store();
  for (DataWindow* w : subs_.all()) delete w;
  subs_ = {};
  delete kakunin_;
  delete wait_;
  delete help_;
  if (world_) world_->setFrontend(nullptr);
}

void TMain::createSubWindows(const SubWindowMakers& makers) {
  subs_.allmap = makers.allmap(*this);
  subs_.chikudata = makers.chikudata(*this);
  subs_.chipform = makers.chipform(*this);
  messageDialog();
  subs_.tempoform = makers.tempoform(*this);
  subs_.ddaidata = makers.ddaidata(*this);
  subs_.kaishaform = makers.kaishaform(*this);
  subs_.idouform = makers.idouform(*this);
  subs_.sindaiform = makers.sindaiform(*this);
  subs_.entempoform = makers.entempoform(*this);
  subs_.jissekiform = makers.jissekiform(*this);
  // The sound player was made with the main window; the synthesiser replaces it when installed.
  subs_.minilist = makers.minilist(*this);
}

Tkakunin& TMain::messageDialog() {
  if (!kakunin_) {
    kakunin_ = new Tkakunin(*pictures_);
    kakunin_->setAttribute(Qt::WA_QuitOnClose, false);
    kakunin_->setWorld(world_.get());
    kakunin_->setOptions(&options_);
    kakunin_->setRepaintTarget(this);
  }
  return *kakunin_;
}

Twaitform& TMain::waitWindow() {
  if (!wait_) {
    wait_ = new Twaitform(*pictures_);
    wait_->setAttribute(Qt::WA_QuitOnClose, false);
  }
  return *wait_;
}

bool TMain::ShowMessageDialog(const QString& title, const QString& text, bool showCash,
                              bool confirm, int face) {
  return messageDialog().ShowMessageDialog(title, text, showCash, confirm, face);
}

void TMain::setSoundPlayer(std::unique_ptr<SoundPlayer> player) {
  sound_ = player ? std::move(player) : std::make_unique<SilentSoundPlayer>();
}

std::unique_ptr<tworld> TMain::replaceWorld(std::unique_ptr<tworld> world) {
  if (!world) return nullptr;
  world->setFrontend(frontend_.get());
  std::swap(world_, world);
  world->setFrontend(nullptr);
  gameReloaded();
  return world;
}

void TMain::gameReloaded() {
  map_->setWorld(world_.get());
  if (kakunin_) kakunin_->setWorld(world_.get());
  for (DataWindow* w : subs_.all())
    if (w) w->worldReplaced();
}

void TMain::removeTitle() {
  if (!title_) return;
  stack_->removeWidget(title_);
  delete title_;
  title_ = nullptr;
}

void TMain::beginPlay() {
  removeTitle();
  applyStayOnTopOptions();
  for (DataWindow* w :
       {static_cast<DataWindow*>(subs_.kaishaform), static_cast<DataWindow*>(subs_.tempoform),
        static_cast<DataWindow*>(subs_.ddaidata)})
    if (w && w->isVisible()) w->refresh();

  map_->setEnabled(false);
  map_->setWorld(world_.get());
  map_->resetView();
  applyScale(options_.gridsize);
  applyScrollBarOption();
  stack_->setCurrentWidget(map_);
  map_->viewport()->update();
  map_->setEnabled(true);
  if (subs_.chipform) subs_.chipform->setBlock(0, 0);

  playing_ = true;
  updateCaption();
  setGameMenusEnabled(true);
  sound_->setMainCueAllowed(true);
  hideDataWindows();
  if (options_.defopen) {
    arrangeFirstDataWindows();
    items_.value(QStringLiteral("kaishamenu"))->trigger();
    items_.value(QStringLiteral("chikumenu"))->trigger();
    items_.value(QStringLiteral("mapmenu"))->trigger();
  }
  sound_->play(kCueMain);
  map_->setFocus();
}

void TMain::arrangeFirstDataWindows() {
  // Placed one by one, the first window takes the room beside the map and the next ones pile
  // on it; together they can share it.
  DataWindow* company = subs_.kaishaform;
  DataWindow* district = subs_.chikudata;
  DataWindow* miniMap = subs_.allmap;
  if (!company || !district || !miniMap) return;
  if (company->hasStoredPlace() || district->hasStoredPlace() || miniMap->hasStoredPlace()) return;
  const QRect room = clearRoomBeside(frameOf(this), screenAreaOf(this), {});
  const std::optional<FirstFrames> f = arrangeBesideMap(
      room, company->smallestFrame(), company->preferredFrame(), district->smallestFrame(),
      district->preferredFrame(), miniMap->smallestFrame());
  if (!f) return;
  company->setFirstFrame(f->company);
  district->setFirstFrame(f->district);
  miniMap->setFirstFrame(f->miniMap);
}

void TMain::setGameMenusEnabled(bool enabled) {
  for (QAction* item : gameItems_) item->setEnabled(enabled);
}

void TMain::setMonthProcessing(bool processing) {
  monthProcessing_ = processing;
  for (QAction* item : items_) item->setEnabled(!processing);
  setEnabled(!processing);
  for (DataWindow* w : subs_.dataWindows())
    if (w) w->setEnabled(!processing);
}

void TMain::updateCaption() {
  setWindowTitle(mainCaption(*world_));
  // What the task bar shows of a window is its icon text.
  setWindowIconText(taskbarTitle(*world_));
}

void TMain::applyStayOnTopOptions() {
  for (DataWindow* w : subs_.dataWindows())
    if (w) w->applyStayOnTop();
}

void TMain::applyScrollBarOption() { map_->applyScrollBarOption(); }

void TMain::hideDataWindows() {
  for (DataWindow* w : subs_.dataWindows())
    if (w) w->hide();
}

void TMain::centreOn(int column, int row) {
  if (!selectableBlock(*world_, column, row)) return;
  if (subs_.chipform) subs_.chipform->setBlock(column, row);
  map_->centreOn(column, row);
  if (subs_.chipform) subs_.chipform->refresh();
  QCoreApplication::processEvents();
}

void TMain::applyScale(int scale) {
  if (cellSizeOfScale(scale) == 0) scale = 0;
  options_.gridsize = scale;
  for (int tag = 0; tag < kScaleCount; ++tag)
    items_.value(QStringLiteral("sk%1").arg(cellSizeOfScale(tag)))->setChecked(tag == scale);
  map_->setScale(scale);
}

void TMain::highlightClicked(int tag) {
  HighlightSet& set = map_->highlight();
  set.click(tag);
  const char* names[HighlightSet::kItems] = {"vmallmenu",      "vmplrmenu",    "vmsigaimenu",
                                             "vmhankagaimenu", "vmofficemenu", "vmschoolmenu",
                                             "vmhospitalmenu", "vmpolicemenu", "vmspacemenu"};
  for (int t = 0; t < HighlightSet::kItems; ++t)
    items_.value(QLatin1String(names[t]))->setChecked(set.checked(t));
  map_->viewport()->update();
}

void TMain::showResultsReport() {
  if (world_->month == 1 || !subs_.jissekiform) return;
  subs_.jissekiform->showReport(
      world_->month - 1, QString::fromStdString(world_->kaichou.kaishaname.str()), world_->laws);
}

void TMain::pickStore() {
  if (!subs_.minilist) return;
  const std::optional<int> slot = subs_.minilist->pickStore();
  if (!slot) return;
  if (subs_.tempoform) subs_.tempoform->showStore(*slot);
  const Ttempo& store = world_->kaichou.slot(*slot);
  centreOn(store.blockX, store.blockY);
}

void TMain::runResearch() {
  if (runResearch_) runResearch_(*this);
}

void TMain::runMachinePurchase() {
  // The purchase window covers the screen's middle; the data windows step aside meanwhile.
  wasOpen_ = {};
  auto stepAside = [](DataWindow* w, bool& flag) {
    if (w && w->isVisible()) {
      w->hide();
      flag = true;
    }
  };
  stepAside(subs_.chikudata, wasOpen_.chikudata);
  stepAside(subs_.allmap, wasOpen_.allmap);
  stepAside(subs_.kaishaform, wasOpen_.kaishaform);
  stepAside(subs_.tempoform, wasOpen_.tempoform);
  stepAside(subs_.entempoform, wasOpen_.entempoform);
  if (options_.chipformfront) stepAside(subs_.chipform, wasOpen_.chipform);

  if (runPurchase_) runPurchase_(*this);

  auto comeBack = [](DataWindow* w, bool& flag) {
    if (w && flag) w->show();
    flag = false;
  };
  comeBack(subs_.chikudata, wasOpen_.chikudata);
  comeBack(subs_.allmap, wasOpen_.allmap);
  comeBack(subs_.kaishaform, wasOpen_.kaishaform);
  comeBack(subs_.tempoform, wasOpen_.tempoform);
  comeBack(subs_.entempoform, wasOpen_.entempoform);
  comeBack(subs_.chipform, wasOpen_.chipform);
  if (subs_.kaishaform && subs_.kaishaform->isVisible()) subs_.kaishaform->refresh();
}

void TMain::runOptionDialog() {
  const Options before = options_;
  Toptionform dialog(options_, this);
  if (dialog.exec() == QDialog::Accepted) {
    options_ = dialog.values();
    if (dialog.language() != currentLanguage()) {
      storeLanguage(*openSettings(), dialog.language());
      // The windows live from start-up to exit with their texts, so a new language needs a new
      // start; said in both languages, the one left and the one chosen.
      QMessageBox::information(
          this, QStringLiteral("言語 / Language"),
          QStringLiteral("次回の起動から新しい言語で表示します。\n"
                         "The game speaks the new language from its next start."));
    }
    if (options_.playmusic != before.playmusic) sound_->setMusic(options_.playmusic);
    if (options_.tempoiconview != before.tempoiconview ||
        options_.daiiconview != before.daiiconview) {
      for (DataWindow* w :
           {static_cast<DataWindow*>(subs_.kaishaform), static_cast<DataWindow*>(subs_.tempoform),
            static_cast<DataWindow*>(subs_.idouform)})
        if (w) w->rebuildLists();
    }
  }
  applyStayOnTopOptions();
  applyScrollBarOption();
}

void TMain::showHelp(bool keywords) {
  if (!help_) {
    help_ = new HelpWindow(helpFolder());
    help_->setAttribute(Qt::WA_QuitOnClose, false);
  }
  if (keywords)
    help_->showKeywordSearch();
  else
    help_->showContents();
}

void TMain::connectHandlers() {
  auto on = [this](const char* name, auto handler) {
    connect(items_.value(QLatin1String(name)), &QAction::triggered, this, handler);
  };
  on("newmenu", [this] { emit newGameRequested(); });
  on("loadmenu", [this] { emit loadRequested(); });
  on("savemenu", [this] { emit saveAsRequested(); });
  on("overwritesavemenu", [this] { emit saveRequested(); });
  on("optionmenu", [this] { runOptionDialog(); });
  on("closemenu", [this] { close(); });
  on("kaishamenu", [this] {
    if (!subs_.kaishaform) return;
    subs_.kaishaform->refresh();
    subs_.kaishaform->showWindow();
  });
  on("tempomenu", [this] { pickStore(); });
  on("chikumenu", [this] {
    if (subs_.chikudata) subs_.chikudata->showWindow();
  });
  on("mapmenu", [this] {
    if (subs_.allmap) subs_.allmap->showWindow();
  });
  on("jissekimenu", [this] { showResultsReport(); });
  on("reserchmenu", [this] { runResearch(); });
  on("daibuymenu", [this] { runMachinePurchase(); });
  on("jinjimenu", [this] {
    if (subs_.idouform) subs_.idouform->openPersonnel();
  });
  on("endmenu", [this] { emit endMonthRequested(); });
  on("helpcontentsmenu", [this] { showHelp(false); });
  on("helptopicmenu", [this] { showHelp(true); });
  on("versionmenu", [this] {
    VersionWindow version(pictures_->appIcon(), this);
    version.exec();
  });

  connect(map_, &MAPGRID::blockSelected, this, [this](int column, int row) {
    if (!subs_.chipform) return;
    subs_.chipform->setBlock(column, row);
    subs_.chipform->showWithoutFocus();  // the map keeps the keyboard
  });
  connect(map_, &MAPGRID::storeRequested, this, [this](int slot) {
    if (subs_.tempoform) subs_.tempoform->showStore(slot);
  });
  connect(map_, &MAPGRID::rivalStoreRequested, this, [this](int record) {
    if (subs_.entempoform) subs_.entempoform->showRivalStore(record);
  });
}

void TMain::closeEvent(QCloseEvent* event) {
  // A disabled window still takes the window manager's close button. The month's steps are
  // running under the dialogs it shows: quitting now would leave a half-played month (and
  // every later question answered "no"), so the request is ignored until the month is over.
  if (monthProcessing_) {
    event->ignore();
    return;
  }
  if (options_.tellmsg) {
    if (!ShowMessageDialog(tr("業務終了"), tr("本日の業務を終了します。よろしいですか？"), false,
                           true, kFaceNormal)) {
      event->ignore();
      return;
    }
    ShowMessageDialog(tr("退社"), tr("お疲れ様でした。"), false, false, kFaceLaugh);
  }
  for (DataWindow* w : subs_.all())
    if (w) w->hide();
  if (help_) help_->hide();
  event->accept();
}

bool TMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip && !options_.showhint) return true;
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace gm
