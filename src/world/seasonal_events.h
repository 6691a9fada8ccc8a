// The events of the new month (month step B's dispatcher): the city's disposal acceptance, the
// ends of construction and suspension, the makers' news and new models, and the bonus-season
// notice, in their fixed order.
#pragma once

namespace gm {

class tworld;

// Runs once a month, after `month` has been advanced.
void RunEvents(tworld& world);
// The bonus-season notice of June and December (report option `bonushoukoku`).
void BonusSeasonNotice(tworld& world);

}  // namespace gm
