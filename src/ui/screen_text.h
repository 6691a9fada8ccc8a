// Small text helpers the management windows share: game text into Qt strings, calendar dates,
// ages and money as the screens write them.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string_view>

#include "base/money.h"
#include "shell/qt_text.h"
#include "world/calendar.h"

namespace gm {

// A month number as a calendar date: "3年 11月".
inline QString dateText(int monthNumber) {
  const YearMonth d = MonthToDate(monthNumber);
  return QCoreApplication::translate("screen_text", "%1年 %2月").arg(d.year).arg(d.month);
}

// An age: "2年 1ヶ月".
inline QString ageText(YearMonth age) {
  return QCoreApplication::translate("screen_text", "%1年 %2ヶ月").arg(age.year).arg(age.month);
}

// Money in whole thousands of yen, "#,##0".
inline QString moneyText(Money m) { return QString::fromStdString(formatGrouped(m)); }
inline QString moneyText(int64_t whole) { return QString::fromStdString(formatGrouped(whole)); }

// A rate in per cent (four decimals) to one decimal, halves away from zero: "-2.5%".
inline QString rateText(Money percent) {
  const int64_t raw = percent.raw();
  const int64_t tenths = (raw >= 0 ? raw + 500 : raw - 500) / 1000;
  const int64_t a = tenths < 0 ? -tenths : tenths;
  return QStringLiteral("%1%2.%3%")
      .arg(tenths < 0 ? QStringLiteral("-") : QString())
      .arg(a / 10)
      .arg(a % 10);
}

}  // namespace gm
