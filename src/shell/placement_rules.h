// Where windows go on the screen, in plain rectangles (frame geometry: the window with its title
// bar and borders): a remembered placement that no longer lies on a screen is brought back onto
// the nearest one, and a window that has never been placed goes beside the main window, clear
// of it and of the other windows already open, rather than over the map.
#pragma once

#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

namespace gm {

// `frame` when it lies wholly on one of the screens' available areas; otherwise the frame
// shrunk to fit and moved the least distance onto the screen it overlaps most (or, when it
// overlaps none, the screen nearest to it). No screens: `frame` unchanged.
QRect keepOnScreen(const QRect& frame, const std::vector<QRect>& screens);

// The first place of a window of frame size `size` beside `main` (the main window's frame) on
// `screen` (an available area), wholly on the screen: the right side first, top down, then the
// left side, each spot clear of `main` and of every rectangle of `taken`. When no spot is clear
// the window covers as little of the main window as it can, and then as little of the others.
QRect besideMainWindow(QSize size, const QRect& main, const QRect& screen,
                       const std::vector<QRect>& taken);

// The larger of the two strips of `screen` beside `main` that are free below the windows of
// `taken` standing in them (empty when the main window fills the screen).
QRect roomBeside(const QRect& main, const QRect& screen, const std::vector<QRect>& taken);

// The largest rectangle beside `main` (right or left of it) that no window of `taken` covers:
// the room left beside, below or between the windows already standing there.
QRect clearRoomBeside(const QRect& main, const QRect& screen, const std::vector<QRect>& taken);

// The first frames of the company manager, the district overview and the mini-map that a new
// game opens together: the company manager across the top of `room` (the room beside the map),
// the overview and the mini-map side by side under it, none over another. Each frame lies
// between its window's smallest and preferred size; nothing when the room cannot hold them so.
struct FirstFrames {
  QRect company, district, miniMap;
};
std::optional<FirstFrames> arrangeBesideMap(const QRect& room, QSize companySmallest,
                                            QSize companyPreferred, QSize districtSmallest,
                                            QSize districtPreferred, QSize miniMapSmallest);

// The main window's first place: near the screen's top-left corner, leaving the rest of the
// width for the windows beside it, and shrunk to fit a small screen.
QRect firstMainWindowPlace(QSize size, const QRect& screen);

// `size` centred over `over`, then kept on `screen`.
QRect centredOver(QSize size, const QRect& over, const QRect& screen);

}  // namespace gm
