// The company's monthly accounts (`tkaichou::GetsumatsuMae`, `Kessan`, `Rireki`): the
// president's qualities drift, every store's business step and monthly close, the taxes and the
// change of cash, and the fourteen history series. This header gives the closing's rules that
// the screens and the tests can read on their own.
#pragma once

#include "base/money.h"

namespace gm {

// The evasion share of a month is 10 + RandInt(bound) per cent of the taxes; a sharper
// president hides more of them.
int EvasionShareBound(int chisei);

// `percent` per cent of an amount, rounded to whole thousands of yen, ties to even.
Money WholePercentOf(Money amount, int64_t percent);

}  // namespace gm
