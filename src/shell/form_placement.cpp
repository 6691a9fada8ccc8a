// Restoring and storing window placement.
#include "shell/form_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <QWindow>

#include "shell/options_store.h"
#include "shell/placement_rules.h"

namespace gm {

namespace {

// A window system frames a window only once it is on the screen, so the frame of a window about
// to appear for the first time is unknown. Every window of the program gets the same frame, so
// the last one seen is the best guess.
QMargins learnedMargins;

// How long a new window waits for the window system to frame it: 40 times 50 ms.
constexpr int kSettleIntervalMs = 50;
constexpr int kSettleTicks = 40;

QString key(const QString& formName, const char* value) {
  return QStringLiteral("FormLocate/%1/%2").arg(formName, QLatin1String(value));
}
int readInt(QSettings& s, const QString& formName, const char* value, int fallback) {
  bool ok = false;
  const int v = s.value(key(formName, value)).toInt(&ok);
  return ok ? v : fallback;
}
bool fixedSize(const QWidget* w) { return w->minimumSize() == w->maximumSize(); }
// The frame the window system reports, or nothing while it has not framed the window.
QMargins reportedMargins(const QWidget* w) {
  const QWindow* handle = w->windowHandle();
  if (!handle) return {};
  const QMargins m = handle->frameMargins();
  if (!m.isNull()) learnedMargins = m;
  return m;
}

}  // namespace

Placement readPlacement(QSettings& s, const QString& formName, const Placement& d) {
  Placement p;
  p.showcmd = readInt(s, formName, "Showcmd", d.showcmd);
  p.flags = readInt(s, formName, "Flags", d.flags);
  const int left = readInt(s, formName, "RLeft", d.normal.left());
  const int top = readInt(s, formName, "RTop", d.normal.top());
  const int right = readInt(s, formName, "RRight", d.normal.left() + d.normal.width());
  const int bottom = readInt(s, formName, "RBottom", d.normal.top() + d.normal.height());
  p.normal = QRect(left, top, right - left, bottom - top);
  p.ax = readInt(s, formName, "AX", d.ax);
  p.ay = readInt(s, formName, "AY", d.ay);
  p.ix = readInt(s, formName, "IX", d.ix);
  p.iy = readInt(s, formName, "IY", d.iy);
  return p;
}

void writePlacement(QSettings& s, const QString& formName, const Placement& p) {
  s.setValue(key(formName, "Showcmd"), p.showcmd);
  s.setValue(key(formName, "Flags"), p.flags);
  s.setValue(key(formName, "RLeft"), p.normal.left());
  s.setValue(key(formName, "RTop"), p.normal.top());
  s.setValue(key(formName, "RRight"), p.normal.left() + p.normal.width());
  s.setValue(key(formName, "RBottom"), p.normal.top() + p.normal.height());
  s.setValue(key(formName, "AX"), p.ax);
  s.setValue(key(formName, "AY"), p.ay);
  s.setValue(key(formName, "IX"), p.ix);
  s.setValue(key(formName, "IY"), p.iy);
  s.sync();
}

bool hasPlacement(QSettings& s, const QString& formName) {
  return s.contains(key(formName, "RLeft")) && s.contains(key(formName, "RTop"));
}

std::vector<QRect> screenAreas() {
  std::vector<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens())
    areas.push_back(screen->availableGeometry());
  return areas;
}

QRect screenAreaOf(const QWidget* window) {
  const QScreen* screen = window ? window->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

QMargins frameMarginsOf(const QWidget* window) {
  if (!window) return {};
  if (window->windowFlags() & Qt::FramelessWindowHint) return {};
  const QMargins m = reportedMargins(window);
  return m.isNull() ? learnedMargins : m;
}

QRect frameOf(const QWidget* window) {
  return window->geometry().marginsAdded(frameMarginsOf(window));
}

void placeFrame(QWidget* window, const QRect& frame) {
  const QRect client = frame.marginsRemoved(frameMarginsOf(window));
  window->setGeometry(fixedSize(window) ? QRect(client.topLeft(), window->size()) : client);
}

void keepWindowOnScreen(QWidget* window) {
  if (!window->isVisible()) return;
  const QRect frame = frameOf(window);
  const QRect onScreen = keepOnScreen(frame, screenAreas());
  if (onScreen != frame) placeFrame(window, onScreen);
}

FormPlacement::FormPlacement(QWidget* window, const QString& formName)
    : QObject(window), window_(window), formName_(formName) {
  window_->installEventFilter(this);
  settleTimer_.setInterval(kSettleIntervalMs);
  connect(&settleTimer_, &QTimer::timeout, this, &FormPlacement::settle);
}

FormPlacement::~FormPlacement() { store(); }

void FormPlacement::restore() {
  const auto settings = openSettings();
  const QSize frameSize = window_->size().grownBy(frameMarginsOf(window_));
  Placement p;
  QRect frame;
  if (hasPlacement(*settings, formName_)) {
    Placement defaults;
    defaults.normal = QRect(window_->pos(), frameSize);
    p = readPlacement(*settings, formName_, defaults);
    frame = p.normal;
    // A window whose content fixes its size (the mini-map) keeps that size wherever it goes.
    if (frame.width() <= 0 || frame.height() <= 0 || fixedSize(window_)) frame.setSize(frameSize);
  } else {
    frame = firstFrame(frameSize);
    firstRun_ = true;
  }
  frame = keepOnScreen(frame, screenAreas());
  placeFrame(window_, frame);
  placedAt_ = window_->geometry();
  // A window that was minimised at exit comes back in its normal state: starting the game with
  // a window the player cannot see helps nobody.
  if (p.showcmd == 3) window_->setWindowState(window_->windowState() | Qt::WindowMaximized);
  restored_ = true;
  current_ = p;
  current_.showcmd = p.showcmd == 3 ? 3 : 1;
  current_.normal = frame;
  settling_ = frame;
  settleTicks_ = 0;
  settleTimer_.start();
}

void FormPlacement::settle() {
  if (!settling_) return;
  const QMargins m = reportedMargins(window_);
  if (m.isNull()) {
    // An undecorated window, or no window manager: the frame is the window itself.
    if (++settleTicks_ < kSettleTicks) return;
  }
  QRect target = *settling_;
  settling_.reset();
  settleTimer_.stop();
  // Moved meanwhile by the program or the player: that place stands.
  if (window_->geometry() != placedAt_) return remember();
  // The first place was worked out for a guessed frame; the window keeps its own size and the
  // rule places the frame it really has.
  if (firstRun_ && frameOf(window_).size() != target.size())
    target = keepOnScreen(firstFrame(frameOf(window_).size()), screenAreas());
  if (!(window_->windowState() &
        (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) &&
      frameOf(window_) != target)
    placeFrame(window_, target);
  remember();
}

QRect FormPlacement::firstFrame(QSize frameSize) const {
  if (firstPlace_) return firstPlace_(frameSize);
  const QRect screen = screenAreaOf(window_);
  return centredOver(frameSize, screen, screen);
}

void FormPlacement::store() {
  if (!restored_) return;
  writePlacement(*openSettings(), formName_, current_);
}

void FormPlacement::remember() {
  if (settling_) return;  // the frame is still on its way to where it was put
  const Qt::WindowStates state = window_->windowState();
  if (state & Qt::WindowMinimized) {
    current_.showcmd = 2;
  } else if (state & Qt::WindowMaximized) {
    current_.showcmd = 3;
  } else {
    current_.showcmd = 1;
    current_.normal = frameOf(window_);
  }
}

bool FormPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_) {
    switch (event->type()) {
      case QEvent::Show:
        if (!restored_) restore();
        break;
      case QEvent::Move:
      case QEvent::Resize:
        if (settling_) settle();
        if (restored_) remember();
        break;
      case QEvent::WindowStateChange:
        if (restored_) remember();
        break;
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace gm
