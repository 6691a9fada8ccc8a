// The management windows' pop-up menus.
#include "ui/command_menu.h"

#include <QMenu>
#include <QPushButton>
#include <QSet>

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

// The letter after the text's '&' ("&&" is a plain ampersand), upper case; null for none.
QChar mnemonicOf(const QString& text, int* at = nullptr) {
  for (int i = text.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < text.size();
       i = text.indexOf(QLatin1Char('&'), i + 2)) {
    if (text.at(i + 1) == QLatin1Char('&')) continue;
    if (at) *at = i + 1;
    return text.at(i + 1).toUpper();
  }
  return {};
}

}  // namespace

void giveEveryItemItsOwnLetter(QMenu* menu) {
  QSet<QChar> used;
  for (const QAction* a : menu->actions()) {
    const QChar c = mnemonicOf(a->text());
    if (!c.isNull()) used.insert(c);
  }
  QSet<QChar> kept;
  for (QAction* a : menu->actions()) {
    int at = 0;
    const QChar c = mnemonicOf(a->text(), &at);
    if (c.isNull()) continue;
    if (!kept.contains(c)) {
      kept.insert(c);
      continue;
    }
    QString text = a->text();
    const bool bracketed =
        at >= 2 && text.mid(at - 2, 4) == QStringLiteral("(&") + text.at(at) + QLatin1Char(')');
    QChar free;
    if (!bracketed) {
      // A caption whose letter stands inside a word ("&Personnel") keeps its word: the '&' moves to
      // another of its letters that no item has yet.
      text.remove(at - 1, 1);
      for (int i = 0; i < text.size() && free.isNull(); ++i) {
        const QChar l = text.at(i).toUpper();
        if (l >= QLatin1Char('A') && l <= QLatin1Char('Z') && !used.contains(l) &&
            (i == 0 || text.at(i - 1) != QLatin1Char('&'))) {
          text.insert(i, QLatin1Char('&'));
          free = l;
        }
      }
      if (free.isNull()) text = a->text();
    }
    if (free.isNull()) {
      // A letter in brackets after the caption ("人事(&S)") is only a letter: another replaces it.
      for (char l = 'A'; l <= 'Z' && free.isNull(); ++l)
        if (!used.contains(QLatin1Char(l))) free = QLatin1Char(l);
      if (free.isNull()) continue;
      if (bracketed)
        text[at] = free;
      else
        text.remove(at - 1, 1).append(QStringLiteral(" (&") + free + QLatin1Char(')'));
    }
    if (a->menu())
      a->menu()->setTitle(text);
    else
      a->setText(text);
    used.insert(free);
    kept.insert(free);
  }
}

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
