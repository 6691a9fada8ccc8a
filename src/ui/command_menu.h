// The pop-up menus of the management windows repeat their commands: the buttons of the page
// shown, in their order on the page, the view styles of its lists, and the window's own orders
// below the pages. Each item gives its button's order exactly as the click would, and is
// enabled only while the button is.
#pragma once

#include <QList>

class QMenu;
class QPushButton;
class QWidget;

namespace gm {

void addCommandItems(QMenu* menu, QWidget* page, const QList<QPushButton*>& windowOrders);

// The window's own order buttons (those that stand outside its pages).
QList<QPushButton*> windowOrderButtons(QWidget* window);

// Alt and a letter must pick one item of a menu. A page's button may carry the letter of an
// item the window puts in every menu (the warehouse's "改築(&K)" beside "特殊工作(&K)"): the
// first item keeps it, and a later one takes the first letter no item of the menu has.
void giveEveryItemItsOwnLetter(QMenu* menu);

}  // namespace gm
