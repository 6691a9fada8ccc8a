// The main window (`TMain`): the menu bar, the city map with its pop-up menu, the black title
// area shown until a game starts, the caption, the options, and the switching of the menus
// between no game, game running and month being processed. It owns the world (replaced at each
// new game), the pictures, the sound player, the message dialog, the wait window and the windows
// created at start-up.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "base/options.h"
#include "shell/sub_windows.h"

class QAction;
class QMenu;
class QStackedWidget;

namespace gm {

class FormPlacement;
class HelpWindow;
class MAPGRID;
class PictureBook;
class QtFrontend;
class SoundPlayer;
class Tkakunin;
class TitleView;
class Twaitform;
class tworld;

class TMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMain(QWidget* parent = nullptr);
  ~TMain() override;

  // Creates the windows that live until exit, in the program's start-up order (the message
  // dialog and the sound player among them).
  void createSubWindows(const SubWindowMakers& makers = {});

  tworld& world() const { return *world_; }
  // Installs a new game's world (the port included) and returns the old one.
  std::unique_ptr<tworld> replaceWorld(std::unique_ptr<tworld> world);
  // A load overwrote the world's fields: every window forgets what it pointed at, as after a
  // new game.
  void gameReloaded();
  // The saved game last written with the save dialog (a path; empty: none), which
  // "上書き記録(&V)" writes to without asking for a name.
  const QString& saveFileName() const { return saveFileName_; }
  void setSaveFileName(const QString& path) { saveFileName_ = path; }
  Options& options() { return options_; }
  const Options& options() const { return options_; }
  const PictureBook& pictures() const { return *pictures_; }
  SoundPlayer& sound() const { return *sound_; }
  void setSoundPlayer(std::unique_ptr<SoundPlayer> player);
  QtFrontend& frontend() const { return *frontend_; }
  MAPGRID& map() const { return *map_; }
  const SubWindows& subWindows() const { return subs_; }
  Tkakunin& messageDialog();
  Twaitform& waitWindow();

  // The shared message dialog.
  bool ShowMessageDialog(const QString& title, const QString& text, bool showCash, bool confirm,
                         int face);

  // Starts play on the current world: the map replaces the title, the game menus come on, the
  // main theme plays.
  void beginPlay();
  bool playing() const { return playing_; }
  // The game items of the menu bar and the pop-up menu.
  void setGameMenusEnabled(bool enabled);
  // While the month is processed every menu item, the main window and the seven data windows are
  // disabled; afterwards everything is enabled again (the game items included).
  void setMonthProcessing(bool processing);
  bool monthProcessing() const { return monthProcessing_; }
  void updateCaption();
  void applyStayOnTopOptions();
  void applyScrollBarOption();
  void hideDataWindows();
  // Selects a block from elsewhere (mini-map, store list) and centres the map on it.
  void centreOn(int column, int row);
  // The option dialog and what follows it.
  void runOptionDialog();

  // A menu item (menu bar or pop-up) by its name, e.g. "newmenu", "kaishapop", "sk16".
  QAction* menuItem(const QString& name) const { return items_.value(name); }
  QMenu* mapPopup() const { return popup_; }
  TitleView* titleView() const { return title_; }

  // The modal windows that the program assembly provides (the research and the maker visit).
  void setMachinePurchaseRunner(std::function<void(TMain&)> run) { runPurchase_ = std::move(run); }
  void setResearchRunner(std::function<void(TMain&)> run) { runResearch_ = std::move(run); }
  void runResearch();
  void runMachinePurchase();

 signals:
  // Orders carried out outside this window.
  void newGameRequested();
  void loadRequested();
  void saveAsRequested();
  void saveRequested();
  void endMonthRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  QAction* addItem(QMenu* menu, const char* name, const QString& caption, bool game,
                   const QKeySequence& shortcut = {});
  void addTwin(const char* name, const char* of);
  void connectHandlers();
  void applyScale(int scale);
  void highlightClicked(int tag);
  void showResultsReport();
  void pickStore();
  void showHelp(bool keywords);
  void removeTitle();
  // On a game's first begin play, the three windows it opens share the room beside the map.
  void arrangeFirstDataWindows();

  Options options_;
  std::unique_ptr<PictureBook> pictures_;
  std::unique_ptr<QtFrontend> frontend_;
  std::unique_ptr<tworld> world_;
  std::unique_ptr<SoundPlayer> sound_;
  FormPlacement* placement_ = nullptr;
  QStackedWidget* stack_ = nullptr;
  TitleView* title_ = nullptr;
  MAPGRID* map_ = nullptr;
  QMenu* popup_ = nullptr;
  QHash<QString, QAction*> items_;
  std::vector<QAction*> gameItems_;
  SubWindows subs_;
  Tkakunin* kakunin_ = nullptr;
  Twaitform* wait_ = nullptr;
  HelpWindow* help_ = nullptr;
  bool playing_ = false;
  bool monthProcessing_ = false;
  QString saveFileName_;
  // Which windows the machine purchase window hid and must show again.
  struct WasOpen {
    bool chikudata = false, chipform = false, allmap = false;
    bool kaishaform = false, tempoform = false, entempoform = false;
  } wasOpen_;
  std::function<void(TMain&)> runPurchase_;
  std::function<void(TMain&)> runResearch_;
};

}  // namespace gm
