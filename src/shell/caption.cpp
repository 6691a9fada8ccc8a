// Building the caption.
#include "shell/caption.h"

#include "base/money.h"
#include "world/calendar.h"
#include "world/world.h"

namespace gm {

QString taskbarTitle(const tworld& world) {
  const YearMonth date = MonthToDate(world.month);
  QString s = QString::number(date.year) + QStringLiteral("年 ") + QString::number(date.month) +
              QStringLiteral("月");
  if (date.month == 6 || date.month == 12) s += QStringLiteral("  ボーナスシーズン");
  s += QStringLiteral("：") + QString::fromStdString(world.kaichou.kaishaname.str()) +
       QStringLiteral("経営中");
  return s;
}

QString mainCaption(const tworld& world) {
  return taskbarTitle(world) + QStringLiteral("：資金 ") +
         QString::fromStdString(formatGrouped(world.kaichou.sikin));
}

}  // namespace gm
