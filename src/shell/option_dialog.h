// The option dialog (`Toptionform`, "運営設定"): three pages of check boxes, the message speed,
// the drag direction and the player's language. "決定(&R)" hands back the edited values;
// "取り消し(&N)" changes nothing.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <utility>
#include <vector>

#include "base/options.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSlider;
class QTabWidget;
class QVBoxLayout;

namespace gm {

class Toptionform : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(Toptionform)

 public:
  Toptionform(const Options& current, QWidget* parent = nullptr);

  // The options as the dialog shows them now.
  Options values() const;

  // The language chosen (a code of availableLanguages()); it takes effect at the next start.
  QString language() const;
  QComboBox* languageBox() const { return language_; }

  QTabWidget* pages() const { return pages_; }
  QCheckBox* checkBox(bool Options::*option) const;
  QSlider* speed() const { return speed_; }
  QRadioButton* followRadio() const { return follow_; }
  QRadioButton* reverseRadio() const { return reverse_; }

 private:
  QCheckBox* addCheck(QVBoxLayout* page, const QString& caption, bool Options::*option);

  Options base_;
  QTabWidget* pages_;
  QComboBox* language_;
  std::vector<std::pair<QCheckBox*, bool Options::*>> checks_;
  QSlider* speed_;
  QRadioButton* follow_;
  QRadioButton* reverse_;
};

}  // namespace gm
