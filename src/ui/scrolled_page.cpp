// Pages of the data windows that scroll when their window is low.
#include "ui/scrolled_page.h"

#include <QScrollBar>

namespace gm {

namespace {

class WholePageScroll : public QScrollArea {
 public:
  QSize sizeHint() const override {
    if (!widget()) return QScrollArea::sizeHint();
    return widget()->sizeHint() + QSize(verticalScrollBar()->sizeHint().width(), 0);
  }
};

}  // namespace

QScrollArea* scrolledPage(QWidget* page, PageWish wish) {
  QScrollArea* area = wish == PageWish::WholePage ? new WholePageScroll : new QScrollArea;
  area->setWidget(page);
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  return area;
}

}  // namespace gm
