// Keeps a window's placement between runs under "FormLocate/<form name>/...": the ten values of
// a window-placement record (Showcmd 1 normal, 2 minimised, 3 maximised; Flags; the normal
// rectangle RLeft, RTop, RRight, RBottom; the maximised position AX, AY; the minimised position
// IX, IY). The normal rectangle is the window's frame, title bar and borders included, so a
// window comes back exactly where the player left it. The placement is restored on the window's
// first show and stored when the window is destroyed, but only if it was restored first, so a
// window that never appeared keeps what the last run saved.
//
// A stored placement that lies on no screen any more is brought onto the nearest one; a window
// with nothing stored goes where its first-place rule puts it (by default centred on the
// screen).
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

class QSettings;
class QWidget;

namespace gm {

struct Placement {
  int showcmd = 5;  // 5 (show as is) when nothing is stored yet
  int flags = 0;
  QRect normal;  // the frame's left, top, width and height in the window's normal state
  int ax = 0, ay = 0, ix = 0, iy = 0;
};

// Reads the placement of a form; values that are missing take the given defaults.
Placement readPlacement(QSettings& settings, const QString& formName, const Placement& defaults);
void writePlacement(QSettings& settings, const QString& formName, const Placement& placement);
// Whether a placement of the form has been stored.
bool hasPlacement(QSettings& settings, const QString& formName);

// The available areas of the screens.
std::vector<QRect> screenAreas();
// The available area of the screen a window is on (or the primary screen's).
QRect screenAreaOf(const QWidget* window);
// The frame around a top-level window: what the window system reports once it has framed it,
// else what another window of the program was framed with, else nothing.
QMargins frameMarginsOf(const QWidget* window);
QRect frameOf(const QWidget* window);
// Puts a top-level window so that its frame is `frame`.
void placeFrame(QWidget* window, const QRect& frame);
// Moves a window that has grown past its screen back onto it.
void keepWindowOnScreen(QWidget* window);

class FormPlacement : public QObject {
 public:
  // The frame a window takes when nothing is stored, given its frame size.
  using FirstPlace = std::function<QRect(QSize frameSize)>;

  // Watches `window` (and is owned by it).
  FormPlacement(QWidget* window, const QString& formName);
  ~FormPlacement() override;

  const QString& formName() const { return formName_; }
  void setFirstPlace(FirstPlace rule) { firstPlace_ = std::move(rule); }
  bool restored() const { return restored_; }
  void restore();
  void store();
  // The normal frame the placement holds now.
  QRect normalFrame() const { return current_.normal; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void remember();
  // Once the window system has framed the window, puts the frame where it was meant to be if the
  // frame's size was guessed wrong.
  void settle();
  QRect firstFrame(QSize frameSize) const;

  QWidget* window_;
  QString formName_;
  FirstPlace firstPlace_;
  bool restored_ = false;
  bool firstRun_ = false;  // nothing was stored: the first-place rule placed the window
  Placement current_;
  // The frame the window is being put at until the window system has framed it.
  std::optional<QRect> settling_;
  QRect placedAt_;  // the window's geometry as it was put there
  QTimer settleTimer_;
  int settleTicks_ = 0;
};

}  // namespace gm
