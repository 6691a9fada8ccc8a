// The maker visit ("新台購入", `Tmakerform`): the makers in the market with the company's standing
// with each, the chosen maker's models on sale, the appraisal of a model the player has not
// looked at yet, the appraisal skip option and the way to the maker list. The window is modal;
// the maker's music plays while it is shown.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "store/appraisal.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace gm {

class PictureBook;
struct Options;
class TMain;
class TypingBox;
class tworld;

class Tmakerform : public QDialog {
  Q_OBJECT

 public:
  // Columns of the model list.
  enum Column {
    kColName,
    kColType,
    kColPrice,
    kColProduction,
    kColStock,
    kColSaleEnd,
    kColGambling,
    kColPlay,
    kColRefinement,
    kColNovelty,
    kColumnCount
  };

  // `options` are the player's options, which the skip check box edits in place (the world's
  // port reads the same ones). `pictures` may be null: the lists then go without icons.
  Tmakerform(tworld& world, Options& options, const PictureBook* pictures,
             QWidget* parent = nullptr);
  ~Tmakerform() override;

  // The maker shown, 0..10; -1 when no maker is in the market.
  int currentMaker() const { return maker_; }
  void chooseMaker(int maker);
  // What a click on the model of slot 0..4 of the chosen maker does: an unappraised model is
  // appraised, with the appraiser's dialogue unless option `kanteiskip` is on.
  void modelClicked(int slot);
  bool appraising() const { return appraisingSlot_ >= 0; }
  // The maker list ("メーカー一覧"), modal over this window.
  void showMakerList();

  QListWidget* makerList() const { return makers_; }
  QTreeWidget* modelList() const { return models_; }
  QLabel* friendshipLabel() const { return friendship_; }
  QLabel* discountLabel() const { return discount_; }
  TypingBox* typingBox() const { return talk_; }
  QPushButton* buyButton() const { return buy_; }
  QCheckBox* skipBox() const { return skip_; }
  // "次へ(&N)": shown while the appraiser talks; it goes on as a click on his words does.
  QPushButton* nextButton() const { return next_; }
  QPushButton* makerListButton() const { return makerList_; }
  // The row of the model list that shows slot 0..4; null when that slot is not listed.
  QTreeWidgetItem* modelRow(int slot) const;
  // The slot of the model row chosen in the list, -1 for none.
  int selectedSlot() const;
  // "購入(&B)": the purchase dialog for the chosen model.
  void buySelected();

 public slots:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void fillMakers();
  void fillModels();
  void fillModelRow(QTreeWidgetItem* row, int slot);
  void updateBuyButton();
  void typeLine();
  void nextLine();
  void endDialogue(bool appraised);

  tworld& world_;
  Options& options_;
  const PictureBook* pictures_;
  int maker_ = -1;
  bool cuePlaying_ = false;

  // The appraisal under way: the model's slot, its dialogue and the line being typed.
  int appraisingSlot_ = -1;
  std::array<std::string, kAppraisalLines> dialogue_;
  int line_ = 0;

  QListWidget* makers_;
  QLabel* friendship_;
  QLabel* discount_;
  QTreeWidget* models_;
  TypingBox* talk_;
  QCheckBox* skip_;
  QPushButton* next_;
  QPushButton* makerList_;
  QPushButton* buy_;
  QPushButton* close_;
};

// The main window's machine purchase ("新台購入(&B)"): the maker visit, modal over the main window.
void runMakerVisit(TMain& main);

}  // namespace gm
