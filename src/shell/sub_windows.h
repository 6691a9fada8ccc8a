// The windows created at start-up that live until exit: the seven data windows that the month
// end hides, disables and restores as a group (mini-map, district overview, block, store, machine,
// company manager, rival store) and the personnel, new-model, results and store-list windows.
// Each is a thin frame here; the management windows subclass them and the program installs the
// subclasses through SubWindowMakers.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "base/frontend.h"
#include "base/options.h"

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace gm {

class FormPlacement;
class TMain;
class tworld;

class DataWindow : public QDialog {
  Q_OBJECT

 public:
  // `stayOnTop` names the option that keeps the window above the others (none: never).
  DataWindow(TMain& main, const QString& caption, const QString& formName,
             bool Options::*stayOnTop = nullptr);
  ~DataWindow() override;

  TMain& mainWindow() const { return main_; }
  tworld& world() const;
  const QString& formName() const;

  // Shows the window, restored from minimised and brought forward.
  void showWindow();
  // Shows the window where it was without taking the keyboard from the window in use.
  void showWithoutFocus();
  // Stay on top when the window's option is set, normal otherwise.
  void applyStayOnTop();
  // Shows the current figures again.
  virtual void refresh();
  // The list views follow the icon options.
  virtual void rebuildLists() {}
  // A new game replaced the world: forget everything that pointed into the old one.
  virtual void worldReplaced() { refresh(); }
  // Whether the object the window shows (store, machine, rival store) still exists.
  virtual bool objectStillExists() const { return true; }
  // Whether the window has a place of its own from an earlier run.
  bool hasStoredPlace() const;
  // The frame the window takes on its first show when it has no place of its own.
  virtual void setFirstFrame(const QRect& frame);
  // The smallest frame size that still shows the window usefully.
  virtual QSize smallestFrame() const;
  QSize preferredFrame() const;

 protected:
  FormPlacement& placement() const { return *placement_; }
  // Where the window goes when it has never been placed: beside the main window, clear of the
  // map and of the windows already open.
  QRect placeBesideMainWindow(QSize frame) const;
  // The frames of the program's other windows on the screen.
  std::vector<QRect> otherWindows() const;
  // The frame's own text line until the full window replaces it.
  void setSummary(const QString& text);
  // A button in the row under the window's pages; the row is laid out below whatever the window
  // holds when the first button is added.
  QPushButton* addOrderButton(const QString& caption, const QString& name);
  // A button that gives the order of the main window's menu item `menuItem` (e.g. "endmenu"),
  // so that the order is carried out, refused or unavailable exactly as from the menu.
  QPushButton* addMenuOrder(const QString& caption, const QString& name, const QString& menuItem);
  // The buttons every window with orders has: personnel, end of the month, machine purchase.
  void addCommonOrders();

 private:
  TMain& main_;
  bool Options::*stayOnTop_;
  FormPlacement* placement_;
  QLabel* summary_;
  QHBoxLayout* orders_ = nullptr;
};

class Tallmap : public DataWindow {
  Q_OBJECT
 public:
  explicit Tallmap(TMain& main);
};

class Tchikudata : public DataWindow {
  Q_OBJECT
 public:
  explicit Tchikudata(TMain& main);
};

class Tchipform : public DataWindow {
  Q_OBJECT
 public:
  explicit Tchipform(TMain& main);
  // The block shown.
  virtual void setBlock(int column, int row);
  int column() const { return column_; }
  int row() const { return row_; }

 private:
  int column_ = 0;
  int row_ = 0;
};

class Ttempoform : public DataWindow {
  Q_OBJECT
 public:
  explicit Ttempoform(TMain& main);
  virtual void showStore(int slot);  // slot 1..50
  int slot() const { return slot_; }
  bool objectStillExists() const override;

 private:
  int slot_ = 1;
};

class Tddaidata : public DataWindow {
  Q_OBJECT
 public:
  explicit Tddaidata(TMain& main);
};

class Tkaishaform : public DataWindow {
  Q_OBJECT
 public:
  explicit Tkaishaform(TMain& main);
};

class Tidouform : public DataWindow {
  Q_OBJECT
 public:
  explicit Tidouform(TMain& main);
  // The personnel order; the frame only shows itself.
  virtual void openPersonnel();
  // The year's new graduates offered to the company; the frame takes nobody.
  virtual void takeInGraduates(const GraduateOffer&) {}
};

class Tsindaiform : public DataWindow {
  Q_OBJECT
 public:
  explicit Tsindaiform(TMain& main);
  virtual void showNotice(const NewModelNotice& notice);
};

class Tentempoform : public DataWindow {
  Q_OBJECT
 public:
  explicit Tentempoform(TMain& main);
  virtual void showRivalStore(int record);  // record 1..50
  int record() const { return record_; }
  bool objectStillExists() const override;

 private:
  int record_ = 1;
};

class Tjissekiform : public DataWindow {
  Q_OBJECT
 public:
  explicit Tjissekiform(TMain& main);
  // The results of month `month`, for the company `companyName` under the world's `laws`.
  virtual void showReport(int month, const QString& companyName, uint16_t laws);
};

class Tminilist : public DataWindow {
  Q_OBJECT
 public:
  explicit Tminilist(TMain& main);
  // Lets the player pick one of the stores in use; nothing when he cancels or has none.
  virtual std::optional<int> pickStore();
};

// How the program makes each window; the defaults make the bare frames.
struct SubWindowMakers {
  std::function<Tallmap*(TMain&)> allmap = [](TMain& m) { return new Tallmap(m); };
  std::function<Tchikudata*(TMain&)> chikudata = [](TMain& m) { return new Tchikudata(m); };
  std::function<Tchipform*(TMain&)> chipform = [](TMain& m) { return new Tchipform(m); };
  std::function<Ttempoform*(TMain&)> tempoform = [](TMain& m) { return new Ttempoform(m); };
  std::function<Tddaidata*(TMain&)> ddaidata = [](TMain& m) { return new Tddaidata(m); };
  std::function<Tkaishaform*(TMain&)> kaishaform = [](TMain& m) { return new Tkaishaform(m); };
  std::function<Tidouform*(TMain&)> idouform = [](TMain& m) { return new Tidouform(m); };
  std::function<Tsindaiform*(TMain&)> sindaiform = [](TMain& m) { return new Tsindaiform(m); };
  std::function<Tentempoform*(TMain&)> entempoform = [](TMain& m) { return new Tentempoform(m); };
  std::function<Tjissekiform*(TMain&)> jissekiform = [](TMain& m) { return new Tjissekiform(m); };
  std::function<Tminilist*(TMain&)> minilist = [](TMain& m) { return new Tminilist(m); };
};

struct SubWindows {
  Tallmap* allmap = nullptr;
  Tchikudata* chikudata = nullptr;
  Tchipform* chipform = nullptr;
  Ttempoform* tempoform = nullptr;
  Tddaidata* ddaidata = nullptr;
  Tkaishaform* kaishaform = nullptr;
  Tidouform* idouform = nullptr;
  Tsindaiform* sindaiform = nullptr;
  Tentempoform* entempoform = nullptr;
  Tjissekiform* jissekiform = nullptr;
  Tminilist* minilist = nullptr;

  // The seven windows the month end treats as a group.
  std::array<DataWindow*, 7> dataWindows() const {
    return {allmap, chikudata, tempoform, ddaidata, chipform, kaishaform, entempoform};
  }
  std::vector<DataWindow*> all() const {
    return {allmap,   chikudata,  chipform,    tempoform,   ddaidata, kaishaform,
            idouform, sindaiform, entempoform, jissekiform, minilist};
  }
};

}  // namespace gm
