// The new-model announcement ("新台製作発表"): the name of the new machine, its maker, its type
// with the type's picture and how it is sold. A limited run is announced in green while the
// window flashes to draw the player's eye.
#pragma once

#include <QDialog>
#include <QTimer>

#include "base/frontend.h"
#include "shell/sub_windows.h"

class QLabel;
class QPushButton;

namespace gm {

class PictureBook;

class NewModelWindow : public QDialog {
  Q_OBJECT

 public:
  NewModelWindow(const NewModelNotice& notice, const PictureBook& pictures,
                 QWidget* parent = nullptr);

  QLabel* modelNameLabel() const { return modelName_; }
  QLabel* makerNameLabel() const { return makerName_; }
  QLabel* typeNameLabel() const { return typeName_; }
  QLabel* pictureLabel() const { return picture_; }
  QLabel* saleLabel() const { return sale_; }
  QPushButton* okButton() const { return ok_; }
  bool flashing() const { return flash_.isActive(); }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void toggleFlash();

  bool limited_ = false;
  bool lit_ = true;
  QTimer flash_;
  QLabel* modelName_;
  QLabel* makerName_;
  QLabel* typeName_;
  QLabel* picture_;
  QLabel* sale_;
  QPushButton* ok_;
};

// What the port does for `showNewModel`: shows the announcement modally until "了解(&R)".
void showNewModelWindow(QWidget* parent, const NewModelNotice& notice, const PictureBook& pictures);

// The start-up window the port reaches through `showNotice`, showing the full announcement.
class NewModelForm : public Tsindaiform {
  Q_OBJECT

 public:
  explicit NewModelForm(TMain& main) : Tsindaiform(main) {}
  void showNotice(const NewModelNotice& notice) override;
};

}  // namespace gm
