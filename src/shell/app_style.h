// The program's look: a Japanese-capable application font when one is installed, and tool-tip
// hints that appear after 250 ms and stay 10 seconds.
#pragma once

class QApplication;
class QObject;
class QStyle;

namespace gm {

inline constexpr int kHintDelayMilliseconds = 250;
inline constexpr int kHintDisplayMilliseconds = 10000;

// The platform's style, answering the hint delay.
QStyle* makeAppStyle();
// An event filter that gives a widget's own hint the display time as the hint is asked for;
// widgets that chose a display time of their own keep it.
QObject* makeHintDisplayTime(QObject* parent);

void applyAppStyle(QApplication& app);

}  // namespace gm
