// Small text helpers the management windows share: game text into Qt strings, calendar dates,
// ages and money as the screens write them.
#pragma once

#include <QString>
#include <string_view>

#include "base/money.h"
#include "shell/qt_text.h"
#include "world/calendar.h"

namespace gm {

// A month number as a calendar date: "3年 11月".
inline QString dateText(int monthNumber) {
  const YearMonth d = MonthToDate(monthNumber);
  return QStringLiteral("%1年 %2月").arg(d.year).arg(d.month);
}

// An age: "2年 1ヶ月".
inline QString ageText(YearMonth age) {
  return QStringLiteral("%1年 %2ヶ月").arg(age.year).arg(age.month);
}

// Money in whole thousands of yen, "#,##0".
inline QString moneyText(Money m) { return QString::fromStdString(formatGrouped(m)); }
inline QString moneyText(int64_t whole) { return QString::fromStdString(formatGrouped(whole)); }

}  // namespace gm
