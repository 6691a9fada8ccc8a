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

namespace {

// The largest rectangle of `area` clear of every window of `taken` (and of the gap around it)
// whose top-left corner is the area's or one just right of or below a window.
QRect largestClear(const QRect& room, const std::vector<QRect>& taken) {
  if (!room.isValid()) return {};
  std::vector<QPoint> corners{room.topLeft()};
  for (const QRect& t : taken) {
    corners.emplace_back(t.right() + 1 + kGap, room.top());
    corners.emplace_back(t.right() + 1 + kGap, t.top());
    corners.emplace_back(room.left(), t.bottom() + 1 + kGap);
    corners.emplace_back(t.left(), t.bottom() + 1 + kGap);
  }
  QRect best;
  for (const QPoint& c : corners) {
    if (!room.contains(c)) continue;
    QRect r(c, room.bottomRight());
    bool clear = false;
    while (!clear && r.isValid()) {
      clear = true;
      for (const QRect& t : taken) {
        const QRect kept = t.adjusted(-kGap, -kGap, kGap, kGap);
        if (!r.intersects(kept)) continue;
        clear = false;
        // Give up whichever side loses less of the room.
        const QRect narrower(r.topLeft(), QPoint(kept.left() - 1, r.bottom()));
        const QRect shorter(r.topLeft(), QPoint(r.right(), kept.top() - 1));
        const int64_t a = narrower.isValid() ? area(narrower) : -1;
        const int64_t b = shorter.isValid() ? area(shorter) : -1;
        if (a < 0 && b < 0) {
          r = QRect();
          break;
        }
        r = a >= b ? narrower : shorter;
        break;
      }
    }
    if (r.isValid() && area(r) > area(best)) best = r;
  }
  return best;
}

}  // namespace

QRect clearRoomBeside(const QRect& main, const QRect& screen, const std::vector<QRect>& taken) {
  const QRect right = largestClear(
      QRect(QPoint(main.right() + 1 + kGap, screen.top()), screen.bottomRight()) & screen, taken);
  const QRect left = largestClear(
      QRect(screen.topLeft(), QPoint(main.left() - 1 - kGap, screen.bottom())) & screen, taken);
  return area(right) >= area(left) ? right : left;
}

std::optional<FirstFrames> arrangeBesideMap(const QRect& room, QSize companySmallest,
                                            QSize companyPreferred, QSize districtSmallest,
                                            QSize districtPreferred, QSize miniMapSmallest) {
  if (!room.isValid()) return std::nullopt;
  const int rowSmallest = std::max(districtSmallest.height(), miniMapSmallest.height());
  if (companySmallest.width() > room.width() ||
      districtSmallest.width() + kGap + miniMapSmallest.width() > room.width() ||
      companySmallest.height() + kGap + rowSmallest > room.height())
    return std::nullopt;
  // The company manager takes what the row under it leaves, between its smallest and preferred.
  const int rowWanted = std::max(rowSmallest, room.height() - kGap - companyPreferred.height());
  const int companyHeight = std::clamp(room.height() - kGap - rowWanted, companySmallest.height(),
                                       companyPreferred.height());
  FirstFrames f;
  f.company = QRect(
      room.topLeft(),
      QSize(std::max(companySmallest.width(), std::min(companyPreferred.width(), room.width())),
            companyHeight));
  const int rowTop = f.company.bottom() + 1 + kGap;
  const int rowHeight =
      std::min(room.bottom() - rowTop + 1, std::max(rowSmallest, districtPreferred.height()));
  const int districtWidth =
      std::clamp(room.width() - kGap - miniMapSmallest.width(), districtSmallest.width(),
                 std::max(districtSmallest.width(), districtPreferred.width()));
  f.district = QRect(QPoint(room.left(), rowTop), QSize(districtWidth, rowHeight));
  f.miniMap = QRect(QPoint(f.district.right() + 1 + kGap, rowTop),
                    QPoint(room.right(), rowTop + rowHeight - 1));
  return f;
}

QRect firstMainWindowPlace(QSize size, const QRect& screen) {
  // On a laptop's screen the map gives up width, while it stays a map, so that the company
  // manager, the district overview and the mini-map stand beside it instead of over it.
  constexpr int kRoomForDataWindows = 800;
  constexpr int kNarrowestMap = 560;
  const int spare = screen.width() - size.width();
  if (spare < kRoomForDataWindows - 2 * kGap &&
      screen.width() - kRoomForDataWindows >= kNarrowestMap)
    size.setWidth(screen.width() - kRoomForDataWindows);
  return clampInto(QRect(screen.topLeft() + QPoint(kGap, kGap), size), screen);
}

QRect centredOver(QSize size, const QRect& over, const QRect& screen) {
  QRect r(QPoint(0, 0), size);
  r.moveCenter(over.center());
  return clampInto(r, screen);
}

}  // namespace gm
