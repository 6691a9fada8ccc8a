// The yearly revisions of the tax rate and of the hall owners' union rules: business hours,
// business days and the highest exchange rates.
#pragma once

namespace gm {

class tworld;

void RuleChanges(tworld& world);

}  // namespace gm
