// Restoring and storing window placement.
#include "shell/form_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include "shell/options_store.h"

namespace gm {

namespace {
QString key(const QString& formName, const char* value) {
  return QStringLiteral("FormLocate/%1/%2").arg(formName, QLatin1String(value));
}
int readInt(QSettings& s, const QString& formName, const char* value, int fallback) {
  bool ok = false;
  const int v = s.value(key(formName, value)).toInt(&ok);
  return ok ? v : fallback;
}
bool onSomeScreen(const QRect& r) {
  for (QScreen* screen : QGuiApplication::screens())
    if (screen->availableGeometry().intersects(r)) return true;
  return false;
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

FormPlacement::FormPlacement(QWidget* window, const QString& formName)
    : QObject(window), window_(window), formName_(formName) {
  window_->installEventFilter(this);
}

FormPlacement::~FormPlacement() { store(); }

void FormPlacement::restore() {
  Placement d;
  d.normal = QRect(window_->pos(), window_->size());
  const Placement p = readPlacement(*openSettings(), formName_, d);
  if (p.normal.width() > 0 && p.normal.height() > 0 && onSomeScreen(p.normal)) {
    window_->move(p.normal.topLeft());
    window_->resize(p.normal.size());
  }
  // A window that was minimised at exit comes back in its normal state: starting the game with
  // a window the player cannot see helps nobody.
  if (p.showcmd == 3) window_->setWindowState(window_->windowState() | Qt::WindowMaximized);
  restored_ = true;
  current_ = p;
  remember();
}

void FormPlacement::store() {
  if (!restored_) return;
  writePlacement(*openSettings(), formName_, current_);
}

void FormPlacement::remember() {
  const Qt::WindowStates state = window_->windowState();
  if (state & Qt::WindowMinimized) {
    current_.showcmd = 2;
  } else if (state & Qt::WindowMaximized) {
    current_.showcmd = 3;
  } else {
    current_.showcmd = 1;
    current_.normal = QRect(window_->pos(), window_->size());
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
