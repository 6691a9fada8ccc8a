#include "shell/alt_key_guard.h"

#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace gm {

namespace {

class AltKeyGuard : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !isTextField(watched)) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers m = key->modifiers();
    if (!(m & Qt::AltModifier) || (m & Qt::ControlModifier)) return false;
    const QString text = key->text();
    return !text.isEmpty() && text.at(0).isPrint();
  }

 private:
  static bool isTextField(QObject* o) {
    return qobject_cast<QLineEdit*>(o) || qobject_cast<QAbstractSpinBox*>(o) ||
           qobject_cast<QTextEdit*>(o) || qobject_cast<QPlainTextEdit*>(o);
  }
};

}  // namespace

QObject* makeAltKeyGuard(QObject* parent) { return new AltKeyGuard(parent); }

}  // namespace gm
