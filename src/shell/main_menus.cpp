// The main window's menu bar and the map's pop-up menu: every item with its caption, shortcut,
// Tag and starting state, and the game items that the turn flow switches on and off.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "shell/main_window.h"
#include "shell/map_rules.h"

namespace gm {

QAction* TMain::addItem(QMenu* menu, const char* name, const QString& caption, bool game,
                        const QKeySequence& shortcut) {
  auto* item = menu->addAction(caption);
  item->setObjectName(QLatin1String(name));
  if (!shortcut.isEmpty()) item->setShortcut(shortcut);
  items_.insert(QLatin1String(name), item);
  if (game) {
    item->setEnabled(false);
    gameItems_.push_back(item);
  }
  return item;
}

// The pop-up twin shares the original's caption, shortcut and handler.
void TMain::addTwin(const char* name, const char* of) {
  QAction* original = items_.value(QLatin1String(of));
  auto* twin = popup_->addAction(original->text());
  twin->setObjectName(QLatin1String(name));
  twin->setShortcut(original->shortcut());
  twin->setShortcutContext(Qt::WidgetShortcut);
  twin->setEnabled(false);
  connect(twin, &QAction::triggered, original, &QAction::trigger);
  items_.insert(QLatin1String(name), twin);
  gameItems_.push_back(twin);
}

void TMain::buildMenus() {
  QMenuBar* bar = menuBar();

  QMenu* eigyou = bar->addMenu(tr("営業(&F)"));
  addItem(eigyou, "newmenu", tr("新規出店(&N)"), false);
  addItem(eigyou, "loadmenu", tr("引き継ぎ(&O)"), false);
  addItem(eigyou, "savemenu", tr("記録(&A)"), true);
  addItem(eigyou, "overwritesavemenu", tr("上書き記録(&V)"), true,
          QKeySequence(Qt::CTRL | Qt::Key_V));
  eigyou->addSeparator();
  addItem(eigyou, "optionmenu", tr("運営設定(&G)"), false);
  eigyou->addSeparator();
  addItem(eigyou, "closemenu", tr("退社(&X)"), false);

  QMenu* shiryou = bar->addMenu(tr("資料(&G)"));
  addItem(shiryou, "kaishamenu", tr("ﾕﾆｵﾝﾏﾈｰｼﾞｬ(&U)"), true, QKeySequence(Qt::CTRL | Qt::Key_U));
  addItem(shiryou, "tempomenu", tr("店舗ﾘｽﾄ(&L)"), true, QKeySequence(Qt::CTRL | Qt::Key_L));
  addItem(shiryou, "chikumenu", tr("地区概略(&T)"), true, QKeySequence(Qt::CTRL | Qt::Key_T));
  addItem(shiryou, "mapmenu", tr("地図(&M)"), true, QKeySequence(Qt::CTRL | Qt::Key_M));
  addItem(shiryou, "jissekimenu", tr("実績報告書(&J)"), true, QKeySequence(Qt::CTRL | Qt::Key_J));
  addItem(shiryou, "reserchmenu", tr("リサーチ(&A)"), true, QKeySequence(Qt::CTRL | Qt::Key_A));
  shiryou->addSeparator();

  QMenu* koudou = bar->addMenu(tr("一般行動(&D)"));
  addItem(koudou, "daibuymenu", tr("新台購入(&B)"), true, QKeySequence(Qt::CTRL | Qt::Key_B));
  addItem(koudou, "jinjimenu", tr("人事(&S)"), true, QKeySequence(Qt::CTRL | Qt::Key_S));
  koudou->addSeparator();
  addItem(koudou, "endmenu", tr("命令終了(&X)"), true, QKeySequence(Qt::CTRL | Qt::Key_X));

  QMenu* kyouchou = bar->addMenu(tr("区画強調(&V)"));
  kyouchou->setToolTip(tr("強調表示する区画の種類を選択"));
  kyouchou->setToolTipsVisible(true);
  const std::pair<const char*, QString> highlights[HighlightSet::kItems] = {
      {"vmallmenu", tr("全て(&A)")},          {"vmplrmenu", tr("店舗(&T)")},
      {"vmsigaimenu", tr("市街(&C)")},        {"vmhankagaimenu", tr("繁華街(&H)")},
      {"vmofficemenu", tr("オフィス街(&O)")}, {"vmschoolmenu", tr("教育施設(&S)")},
      {"vmhospitalmenu", tr("病院(&M)")},     {"vmpolicemenu", tr("警察(&P)")},
      {"vmspacemenu", tr("空き地(&E)")},
  };
  for (int tag = 0; tag < HighlightSet::kItems; ++tag) {
    QAction* item = addItem(kyouchou, highlights[tag].first, highlights[tag].second, true);
    item->setData(tag);
    item->setCheckable(true);
    item->setChecked(tag == 0);
    connect(item, &QAction::triggered, this, [this, tag] { highlightClicked(tag); });
  }

  QMenu* shukushaku = bar->addMenu(tr("縮尺(&U)"));
  const std::pair<const char*, const char*> scales[kScaleCount] = {
      {"sk32", "1/1  (&A)"}, {"sk24", "3/4  (&B)"}, {"sk16", "1/2  (&C)"},
      {"sk12", "3/8  (&D)"}, {"sk8", "1/4  (&E)"},  {"sk4", "1/8  (&F)"},
  };
  for (int tag = 0; tag < kScaleCount; ++tag) {
    QAction* item =
        addItem(shukushaku, scales[tag].first, QString::fromUtf8(scales[tag].second), true);
    item->setData(tag);
    item->setCheckable(true);
    item->setChecked(tag == options_.gridsize);
    connect(item, &QAction::triggered, this, [this, tag] { applyScale(tag); });
  }

  QMenu* help = bar->addMenu(tr("ﾍﾙﾌﾟ(&H)"));
  addItem(help, "helpcontentsmenu", tr("目次(&C)"), false);
  addItem(help, "helptopicmenu", tr("項目の検索(&T)"), false);
  addItem(help, "versionmenu", tr("ﾊﾞｰｼﾞｮﾝ情報(&V)"), false);

  popup_ = new QMenu(this);
  addTwin("kaishapop", "kaishamenu");
  addTwin("tempopop", "tempomenu");
  addTwin("chikupop", "chikumenu");
  addTwin("mappop", "mapmenu");
  addTwin("jissekipop", "jissekimenu");
  addTwin("reserchpop", "reserchmenu");
  popup_->addSeparator();
  addTwin("daibuypop", "daibuymenu");
  addTwin("jinjipop", "jinjimenu");
  popup_->addSeparator();
  addTwin("endpop", "endmenu");
}

}  // namespace gm
