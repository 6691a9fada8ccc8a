// The rectangle rules of window placement.
#include "shell/placement_rules.h"

#include <algorithm>
#include <cstdint>

namespace gm {

namespace {

// The space left between a window and its neighbours.
constexpr int kGap = 8;

int64_t area(const QRect& r) { return r.isEmpty() ? 0 : int64_t{r.width()} * r.height(); }

// Squared distance between two rectangles (0 when they touch or overlap).
int64_t distance2(const QRect& a, const QRect& b) {
  const int dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
  const int dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
  return int64_t{dx} * dx + int64_t{dy} * dy;
}

// `frame` shrunk to fit `screen` and moved into it.
QRect clampInto(const QRect& frame, const QRect& screen) {
  const QSize size = frame.size().boundedTo(screen.size());
  const int x = std::clamp(frame.left(), screen.left(), screen.right() - size.width() + 1);
  const int y = std::clamp(frame.top(), screen.top(), screen.bottom() - size.height() + 1);
  return QRect(QPoint(x, y), size);
}

}  // namespace

QRect keepOnScreen(const QRect& frame, const std::vector<QRect>& screens) {
  if (screens.empty()) return frame;
  for (const QRect& s : screens)
    if (s.contains(frame)) return frame;
  const QRect* best = &screens.front();
  int64_t bestOverlap = -1, bestDistance = INT64_MAX;
  for (const QRect& s : screens) {
    const int64_t overlap = area(s & frame);
    const int64_t d = distance2(s, frame);
    if (overlap > bestOverlap || (overlap == 0 && bestOverlap == 0 && d < bestDistance)) {
      best = &s;
      bestOverlap = overlap;
      bestDistance = d;
    }
  }
  return clampInto(frame, *best);
}

QRect besideMainWindow(QSize size, const QRect& main, const QRect& screen,
                       const std::vector<QRect>& taken) {
  const QSize fitted = size.boundedTo(screen.size());
  // Candidate corners: the screen's top beside the main window, the spots just below and just
  // outside every window already placed, and the screen's top corners.
  std::vector<QPoint> right, left;
  right.emplace_back(main.right() + 1 + kGap, screen.top());
  left.emplace_back(main.left() - kGap - fitted.width(), screen.top());
  for (const QRect& t : taken) {
    right.emplace_back(t.left(), t.bottom() + 1 + kGap);
    right.emplace_back(t.right() + 1 + kGap, t.top());
    left.emplace_back(t.left(), t.bottom() + 1 + kGap);
    left.emplace_back(t.left() - kGap - fitted.width(), t.top());
  }
  // Nearest the main window first, then top down.
  auto byColumnThenRow = [](bool rightSide) {
    return [rightSide](const QPoint& a, const QPoint& b) {
      if (a.x() != b.x()) return rightSide ? a.x() < b.x() : a.x() > b.x();
      return a.y() < b.y();
    };
  };
  std::stable_sort(right.begin(), right.end(), byColumnThenRow(true));
  std::stable_sort(left.begin(), left.end(), byColumnThenRow(false));
  std::vector<QPoint> order = right;
  order.insert(order.end(), left.begin(), left.end());
  const bool rightWider = screen.right() - main.right() >= main.left() - screen.left();
  const QPoint rightCorner(screen.right() + 1 - fitted.width(), screen.top());
  order.push_back(rightWider ? rightCorner : screen.topLeft());
  order.push_back(rightWider ? screen.topLeft() : rightCorner);

  // The first spot that covers the least of the main window and then of the other windows;
  // when nothing is clear, a window covers other windows before it covers the map.
  QRect best;
  int64_t bestMain = INT64_MAX, bestTaken = INT64_MAX;
  for (const QPoint& corner : order) {
    const QRect r = clampInto(QRect(corner, fitted), screen);
    const int64_t overMain = area(r & main);
    int64_t overTaken = 0;
    for (const QRect& t : taken) overTaken += area(r & t);
    if (overMain < bestMain || (overMain == bestMain && overTaken < bestTaken)) {
      best = r;
      bestMain = overMain;
      bestTaken = overTaken;
    }
    if (bestMain == 0 && bestTaken == 0) break;
  }
  return best;
}

QRect roomBeside(const QRect& main, const QRect& screen, const std::vector<QRect>& taken) {
  auto below = [&](QRect strip) {
    strip &= screen;
    for (const QRect& t : taken)
      if (t.intersects(strip)) strip.setTop(std::max(strip.top(), t.bottom() + 1 + kGap));
    return strip.isValid() ? strip : QRect();
  };
  const QRect right =
      below(QRect(QPoint(main.right() + 1 + kGap, screen.top()), screen.bottomRight()));
  const QRect left =
      below(QRect(screen.topLeft(), QPoint(main.left() - 1 - kGap, screen.bottom())));
  return area(right) >= area(left) ? right : left;
}

QRect firstMainWindowPlace(QSize size, const QRect& screen) {
  return clampInto(QRect(screen.topLeft() + QPoint(kGap, kGap), size), screen);
}

QRect centredOver(QSize size, const QRect& over, const QRect& screen) {
  QRect r(QPoint(0, 0), size);
  r.moveCenter(over.center());
  return clampInto(r, screen);
}

}  // namespace gm
