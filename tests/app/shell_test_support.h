// Helpers for the shell's program tests: settings kept in Qt's test location, the data folder
// pointed at the build's copy, small hand-made worlds, and a driver that answers the next modal
// dialog from a timer so that no test can hang on one.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "world/world.h"

namespace gm::test {

// When the next modal window appears, runs `act` on it. A window that is still open five
// seconds later is closed, and the test fails.
void whenModal(std::function<void(QWidget*)> act);

// Clicks the button of the active modal window whose text is `caption`.
void clickModalButton(const QString& caption);
// Presses a key on the active modal window.
void pressOnModal(int key);

// A world of height x width blocks of the given kind (1 = vacant land).
std::unique_ptr<tworld> smallWorld(int height, int width, int kind = 1);

}  // namespace gm::test
