// Shared helpers of the shell's program tests.
#include "shell_test_support.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

namespace gm::test {

namespace {
// Every program test reads and writes settings in Qt's test location, never the player's, and
// finds the pictures in the build's data folder.
class ShellEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    QStandardPaths::setTestModeEnabled(true);
    if (qEnvironmentVariableIsEmpty("GINDAMAYA97_DATA"))
      qputenv("GINDAMAYA97_DATA", GM_BUILD_DATA_DIR);
  }
};
[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ShellEnvironment);
}  // namespace

void whenModal(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer;
  auto started = std::make_shared<int>(0);
  QObject::connect(poll, &QTimer::timeout, [poll, act, started] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
      if (++*started > 500) poll->deleteLater();  // nothing appeared: give up quietly
      return;
    }
    poll->stop();
    poll->deleteLater();
    QPointer<QWidget> guard(modal);
    act(modal);
    QTimer::singleShot(5000, [guard] {
      if (!guard || !guard->isVisible()) return;
      ADD_FAILURE() << "a modal window stayed open";
      if (auto* d = qobject_cast<QDialog*>(guard.data())) d->done(QDialog::Rejected);
    });
  });
  poll->start(10);
}

void clickModalButton(const QString& caption) {
  QWidget* modal = QApplication::activeModalWidget();
  ASSERT_NE(modal, nullptr);
  for (QAbstractButton* b : modal->findChildren<QAbstractButton*>()) {
    if (b->text() == caption && b->isVisible()) {
      b->click();
      return;
    }
  }
  ADD_FAILURE() << "no button " << caption.toStdString();
}

void pressOnModal(int key) {
  QWidget* modal = QApplication::activeModalWidget();
  ASSERT_NE(modal, nullptr);
  QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
}

std::unique_ptr<tworld> smallWorld(int height, int width, int kind) {
  auto w = std::make_unique<tworld>();
  w->mapHeight = static_cast<uint8_t>(height);
  w->mapWidth = static_cast<uint8_t>(width);
  w->month = 1;
  for (int r = 0; r < height; ++r)
    for (int c = 0; c < width; ++c) w->block(r, c).kind = static_cast<uint8_t>(kind);
  return w;
}

}  // namespace gm::test
