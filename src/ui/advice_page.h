// The advisor's page ("診断") of the store window: what is wrong with the store, most important
// first, each finding with its figures, the reason the rules give for it and a button that opens
// the dialog that mends it. The page only shows; the window carries the order out.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "company/advisor.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace gm {

class tworld;

// The caption of the button that opens a remedy's dialog; empty for a finding nothing mends
// from the store window.
QString remedyCaption(AdviceRemedy remedy);
// The store window's tab caption: "診断", with the number of findings that want doing.
QString adviceTabCaption(const AdviceList& advice);

class AdvicePage : public QWidget {
  Q_OBJECT

 public:
  explicit AdvicePage(QWidget* parent = nullptr);

  // Diagnoses the store in slot 1..50 and lists its findings.
  void showStore(const tworld& world, int slot);
  void clear();

  const AdviceList& advice() const { return advice_; }
  // The button of the i-th finding (nullptr when it has none), for the tests.
  QPushButton* remedyButton(int i) const;
  QLabel* summary() const { return summary_; }

 signals:
  void remedyRequested(const Advice& advice);

 private:
  void addFinding(const tworld& world, const Advice& advice);

  AdviceList advice_;
  QLabel* summary_;
  QWidget* list_;
  QVBoxLayout* cards_;
  std::vector<QPushButton*> buttons_;
};

}  // namespace gm
