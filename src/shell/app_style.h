// The program's look: a Japanese-capable application font when one is installed, and tool-tip
// hints that appear after 250 ms.
#pragma once

class QApplication;

namespace gm {

void applyAppStyle(QApplication& app);

}  // namespace gm
