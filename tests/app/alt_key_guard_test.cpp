// Alt and a letter whose button is disabled must not type the letter into the focused field.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>

#include "shell/alt_key_guard.h"

namespace gm {
namespace {

void press(QWidget& w, Qt::Key key, Qt::KeyboardModifiers m, const QString& text) {
  QKeyEvent e(QEvent::KeyPress, key, m, text);
  QApplication::sendEvent(&w, &e);
}

TEST(AltKeyGuard, AltLettersTypeNothingAndEverythingElseTypesAsBefore) {
  QLineEdit name(QStringLiteral("大河内会長"));
  name.setCursorPosition(5);
  // Without the guard the field takes the bare letter: the fault the guard is there for.
  press(name, Qt::Key_R, Qt::AltModifier, QStringLiteral("r"));
  ASSERT_EQ(name.text(), QStringLiteral("大河内会長r")) << "the field no longer types Alt letters";
  name.setText(QStringLiteral("大河内会長"));

  QObject owner;
  qApp->installEventFilter(makeAltKeyGuard(&owner));
  press(name, Qt::Key_R, Qt::AltModifier, QStringLiteral("r"));
  press(name, Qt::Key_5, Qt::AltModifier | Qt::ShiftModifier, QStringLiteral("%"));
  EXPECT_EQ(name.text(), QStringLiteral("大河内会長"));

  // Plain and shifted keys and Ctrl+Alt (a third level on some layouts) go through.
  press(name, Qt::Key_R, Qt::NoModifier, QStringLiteral("r"));
  press(name, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
  press(name, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("€"));
  EXPECT_EQ(name.text(), QStringLiteral("大河内会長rA€"));

  QSpinBox count;
  count.setRange(0, 1000);
  count.setValue(10);
  count.selectAll();
  press(count, Qt::Key_3, Qt::AltModifier, QStringLiteral("3"));
  EXPECT_EQ(count.value(), 10);
}

}  // namespace
}  // namespace gm
