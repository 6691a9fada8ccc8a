// The events of the new month (month step B's dispatcher), in their fixed order: the city's
// disposal acceptance, the ends of construction and suspension, the makers' news, illegal
// models, new laws, tax and union rules, new models, the charity's request, the management
// seminar, the new graduates and the bonus-season notice.
#pragma once

namespace gm {

class tworld;

// Runs once a month, after `month` has been advanced.
void RunEvents(tworld& world);
// The bonus-season notice of June and December (report option `bonushoukoku`).
void BonusSeasonNotice(tworld& world);

}  // namespace gm
