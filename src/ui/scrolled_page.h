// Pages of the data windows that scroll when their window is low.
#pragma once

#include <QScrollArea>

namespace gm {

enum class PageWish {
  // The scroll area's own wish, capped at a few dozen lines.
  Capped,
  // The whole page, so that the window's preferred size does not shrink for the scrolling.
  WholePage,
};

// `page` inside a frameless scroll area that fits it to its width and height while there is room.
QScrollArea* scrolledPage(QWidget* page, PageWish wish = PageWish::Capped);

}  // namespace gm
