// Keeps a window's placement between runs under "FormLocate/<form name>/...": the ten values of
// a window-placement record (Showcmd 1 normal, 2 minimised, 3 maximised; Flags; the normal
// rectangle RLeft, RTop, RRight, RBottom; the maximised position AX, AY; the minimised position
// IX, IY). The placement is restored on the window's first show and stored when the window is
// destroyed, but only if it was restored first, so a window that never appeared keeps what the
// last run saved.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class QSettings;
class QWidget;

namespace gm {

struct Placement {
  int showcmd = 5;  // 5 (show as is) when nothing is stored yet
  int flags = 0;
  QRect normal;  // left, top, width and height of the window in its normal state
  int ax = 0, ay = 0, ix = 0, iy = 0;
};

// Reads the placement of a form; values that are missing take the given defaults.
Placement readPlacement(QSettings& settings, const QString& formName, const Placement& defaults);
void writePlacement(QSettings& settings, const QString& formName, const Placement& placement);

class FormPlacement : public QObject {
 public:
  // Watches `window` (and is owned by it).
  FormPlacement(QWidget* window, const QString& formName);
  ~FormPlacement() override;

  const QString& formName() const { return formName_; }
  bool restored() const { return restored_; }
  void restore();
  void store();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void remember();

  QWidget* window_;
  QString formName_;
  bool restored_ = false;
  Placement current_;
};

}  // namespace gm
