// The management windows' pop-up menus.
#include "ui/command_menu.h"

#include <QMenu>
#include <QPushButton>

#include "ui/list_layout.h"

namespace gm {

namespace {

void addButton(QMenu* menu, QPushButton* b) {
  if (b->isHidden()) return;
  QAction* a = menu->addAction(b->text());
  a->setEnabled(b->isEnabled());
  a->setToolTip(b->toolTip());
  QObject::connect(a, &QAction::triggered, b, &QPushButton::click);
}

}  // namespace

QList<QPushButton*> windowOrderButtons(QWidget* window) {
  return window->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
}

void addCommandItems(QMenu* menu, QWidget* page, const QList<QPushButton*>& windowOrders) {
  if (page) {
    const QList<QPushButton*> buttons = page->findChildren<QPushButton*>();
    for (QPushButton* b : buttons) addButton(menu, b);
    for (ListPanel* list : page->findChildren<ListPanel*>()) {
      if (!menu->isEmpty()) menu->addSeparator();
      menu->addMenu(list->styleMenu());
    }
  }
  if (!menu->isEmpty() && !windowOrders.isEmpty()) menu->addSeparator();
  for (QPushButton* b : windowOrders) addButton(menu, b);
}

}  // namespace gm
