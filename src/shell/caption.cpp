// Building the caption.
#include "shell/caption.h"

#include <QCoreApplication>

#include "base/money.h"
#include "world/calendar.h"
#include "world/world.h"

namespace gm {

QString taskbarTitle(const tworld& world) {
  const YearMonth date = MonthToDate(world.month);
  QString when = QCoreApplication::translate("caption", "%1年 %2月")
                     .arg(QString::number(date.year), QString::number(date.month));
  if (date.month == 6 || date.month == 12)
    when += QCoreApplication::translate("caption", "  ボーナスシーズン");
  return QCoreApplication::translate("caption", "%1：%2経営中")
      .arg(when, QString::fromStdString(world.kaichou.kaishaname.str()));
}

QString mainCaption(const tworld& world) {
  return QCoreApplication::translate("caption", "%1：資金 %2")
      .arg(taskbarTitle(world), QString::fromStdString(formatGrouped(world.kaichou.sikin)));
}

}  // namespace gm
