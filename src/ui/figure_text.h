// How the management screens write their figures: money in whole thousands of yen ("#,##0"),
// rates and shares in per cent, and ratings, all cut toward zero where they lose places.
#pragma once

#include <QString>
#include <cstdint>

#include "base/money.h"

namespace gm {

inline QString moneyFigure(Money m) { return QString::fromStdString(formatGrouped(m)); }
inline QString moneyFigure(int64_t whole) { return QString::fromStdString(formatGrouped(whole)); }

// A rate kept to four decimals, in per cent with one decimal: 136996 -> "13.6%".
inline QString rateFigure(Money rate) {
  const int64_t tenths = rate.raw() / 1000;  // toward zero
  const int64_t whole = tenths / 10;
  const int64_t tenth = tenths < 0 ? -(tenths % 10) : tenths % 10;
  const QString sign = tenths < 0 && whole == 0 ? QStringLiteral("-") : QString();
  return sign + QStringLiteral("%1.%2%").arg(whole).arg(tenth);
}

// Small amounts (a machine's takings a day, a customer's spending) in whole yen: "6,250".
inline QString yenFigure(Money m) {
  return QString::fromStdString(formatGrouped(m.raw() / (Money::kScale / 1000)));
}

inline QString percentFigure(int64_t percent) {
  return QString::number(percent) + QLatin1Char('%');
}
inline QString countFigure(int64_t n) { return QString::fromStdString(formatGrouped(n)); }
// A rating or an average of ratings kept to four decimals, as a whole number.
inline QString ratingFigure(Money r) { return QString::number(r.trunc()); }

}  // namespace gm
