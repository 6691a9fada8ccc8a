// The English tour's tools (see english_tour.h).
#include "english_tour.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <algorithm>

#include "company/rivals.h"
#include "shell/language.h"
#include "shell/typing_box.h"
#include "store/maker.h"
#include "store/model_name_pools.h"
#include "world/world.h"

namespace gm::test {

EnglishScope::EnglishScope() {
  applyLanguage(*qApp, QStringLiteral("en"));
  loaded_ = currentLanguage() == QLatin1String("en");
}

EnglishScope::~EnglishScope() { applyLanguage(*qApp, QStringLiteral("ja")); }

QStringList namesOf(tworld& w) {
  QStringList names = {QString::fromStdString(w.cityName.str()),
                       QString::fromStdString(w.kaichou.kaishaname.str()),
                       QString::fromStdString(w.kaichou.ownername.str())};
  for (const Ttempo& s : w.kaichou.tempo) names << QString::fromStdString(s.name.str());
  for (const Tddai& d : w.kaichou.dai) names << QString::fromStdString(d.name.str());
  for (int r = 0; r < kRivalCount; ++r) names << QString::fromUtf8(rivalName(r));
  for (int m = 0; m < kMakerCount; ++m) {
    names << QString::fromUtf8(makerInfo(m).name);
    for (const tdai& model : w.makers[m].models) names << QString::fromStdString(model.name.str());
    for (int type = 0; type < kMachineTypeCount; ++type) {
      const ModelNamePool& pool = modelNamePool(m, type);
      for (int i = 0; i < pool.count; ++i) names << QString::fromUtf8(pool.names[i]);
    }
  }
  names.removeAll(QString());
  names.removeDuplicates();
  std::sort(names.begin(), names.end(),
            [](const QString& a, const QString& b) { return a.size() > b.size(); });
  return names;
}

namespace {

void add(QStringList& out, const QString& where, const QString& text) {
  if (!text.trimmed().isEmpty()) out << where + QStringLiteral(" | ") + text;
}

void addMenu(QStringList& out, const QString& where, QMenu* menu) {
  add(out, where, menu->title());
  for (QAction* a : menu->actions()) {
    add(out, where, a->text());
    add(out, where, a->toolTip() == a->text().remove(QLatin1Char('&')) ? QString() : a->toolTip());
    if (a->menu()) addMenu(out, where, a->menu());
  }
}

void addTree(QStringList& out, const QString& where, QTreeWidgetItem* item) {
  for (int c = 0; c < item->columnCount(); ++c) {
    add(out, where, item->text(c));
    add(out, where, item->toolTip(c));
  }
  for (int i = 0; i < item->childCount(); ++i) addTree(out, where, item->child(i));
}

}  // namespace

QStringList readableTexts(QWidget* window) {
  QStringList out;
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* w : widgets) {
    const QString where =
        window->windowTitle() + QStringLiteral(" / ") + QLatin1String(w->metaObject()->className());
    if (w->isWindow()) add(out, where, w->windowTitle());
    add(out, where, w->toolTip());
    if (auto* l = qobject_cast<QLabel*>(w)) add(out, where, l->text());
    if (auto* b = qobject_cast<QAbstractButton*>(w)) add(out, where, b->text());
    if (auto* g = qobject_cast<QGroupBox*>(w)) add(out, where, g->title());
    if (auto* e = qobject_cast<QLineEdit*>(w)) add(out, where, e->placeholderText());
    if (auto* box = qobject_cast<TypingBox*>(w)) add(out, where, box->fullText());
    if (auto* t = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < t->count(); ++i) {
        add(out, where, t->tabText(i));
        add(out, where, t->tabToolTip(i));
      }
    if (auto* c = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < c->count(); ++i) add(out, where, c->itemText(i));
    if (auto* list = qobject_cast<QListWidget*>(w))
      for (int i = 0; i < list->count(); ++i) {
        add(out, where, list->item(i)->text());
        add(out, where, list->item(i)->toolTip());
      }
    if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
      addTree(out, where, tree->headerItem());
      for (int i = 0; i < tree->topLevelItemCount(); ++i)
        addTree(out, where, tree->topLevelItem(i));
    }
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
      for (int c = 0; c < table->columnCount(); ++c)
        if (table->horizontalHeaderItem(c)) add(out, where, table->horizontalHeaderItem(c)->text());
      for (int r = 0; r < table->rowCount(); ++r) {
        if (table->verticalHeaderItem(r)) add(out, where, table->verticalHeaderItem(r)->text());
        for (int c = 0; c < table->columnCount(); ++c)
          if (table->item(r, c)) {
            add(out, where, table->item(r, c)->text());
            add(out, where, table->item(r, c)->toolTip());
          }
      }
    }
    if (auto* bar = qobject_cast<QMenuBar*>(w))
      for (QAction* a : bar->actions())
        if (a->menu()) addMenu(out, where, a->menu());
    if (auto* menu = qobject_cast<QMenu*>(w)) addMenu(out, where, menu);
    for (QAction* a : w->actions()) {
      add(out, where, a->text());
      if (a->menu()) addMenu(out, where, a->menu());
    }
  }
  out.removeDuplicates();
  return out;
}

bool holdsJapanese(const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x4DBF) ||
        (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF))
      return true;
  }
  return false;
}

QStringList untranslatedTexts(QWidget* window, const QStringList& names) {
  QStringList found;
  for (const QString& entry : readableTexts(window)) {
    QString text = entry.section(QStringLiteral(" | "), 1, -1);
    for (const QString& name : names) text.remove(name);
    if (holdsJapanese(text)) found << entry;
  }
  return found;
}

void expectFitsALaptop(QWidget* window, const QString& name, const QString& folder) {
  const QSize room(1366, 768 - 32);
  const std::string what = name.toStdString();
  window->show();
  QApplication::processEvents();
  const QSize smallest = window->minimumSizeHint().expandedTo(window->minimumSize());
  EXPECT_LE(smallest.width(), room.width()) << what;
  EXPECT_LE(smallest.height(), room.height()) << what;
  window->resize(window->sizeHint().boundedTo(room).expandedTo(smallest));
  QApplication::processEvents();
  for (QPushButton* b : window->findChildren<QPushButton*>()) {
    if (!b->isVisibleTo(window)) continue;
    EXPECT_TRUE(window->rect().contains(QRect(b->mapTo(window, QPoint(0, 0)), b->size())))
        << what << ": " << b->text().toStdString();
    EXPECT_GE(b->width(), b->minimumSizeHint().width())
        << what << ": " << b->text().toStdString() << " is cut";
  }
  const QPixmap picture = window->grab();
  EXPECT_LE(picture.height(), room.height()) << what;
  if (folder.isEmpty()) return;
  for (TypingBox* box : window->findChildren<TypingBox*>()) box->finish();
  EXPECT_TRUE(window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
}

}  // namespace gm::test
