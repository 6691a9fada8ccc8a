// The descriptions of the cities that ship with the game, character for character as the
// game reads them from their city files: the translators' tool finds them here, and the
// city selection dialog asks the catalogue for them in the player's language.
// Made by tools/make_city (make_city --texts); rebuild it after changing a shipped city.
#include "shell/shipped_city_texts.h"

#include <QtGlobal>

namespace gm {

namespace {

// clang-format off
const char* const kDescriptions[] = {
    // akebono.pmp
    QT_TRANSLATE_NOOP("cities", "湾に面した港湾都市。二本の鉄道が港と都心を結び、繁華街は夜遅くまで眠らない。換金率の規制はなく、組合の縛りもゆるいが、そのぶん競争は激しい。税率は高め。"),
    // kirinodai.pmp
    QT_TRANSLATE_NOOP("cities", "丘陵を切り開いて造られた住宅都市。都心へ通う勤め人の家族が多く、二つの駅前に商業施設が集まる。住民の声が強く、営業時間は短く抑えられている。開発方針は計画で固定されており、変わることはない。"),
    // kumoizawa.pmp
    QT_TRANSLATE_NOOP("cities", "山あいの谷に田畑の広がる静かな村。単線の駅前に小さな商店街があるだけで、娯楽は少ない。組合の申し合わせは厳しく、換金率の規制もあるが、競争相手のいないうちに地元の客をつかめば手堅い。"),
    // shiomihama.pmp
    QT_TRANSLATE_NOOP("cities", "漁港と海水浴場で知られる海辺の町。夏は観光客でにぎわうが、冬は静かになる。駅前と港の商店街が町の中心で、南の岬には手つかずの土地が広がる。換金率の規制はパチンコだけにある。"),
    // tenkyo.pmp
    QT_TRANSLATE_NOOP("cities", "大きな川の流れる首都。官庁とオフィスが立ち並び、人口も地価も国内随一。ただし監視の目は厳しく、税は重く、組合の申し合わせで営業時間も日数も大きく削られる。換金率の規制も最も厳しい。"),
    // tetsugahara.pmp
    QT_TRANSLATE_NOOP("cities", "川沿いに工場と倉庫が並ぶ産業都市。貨物線の操車場を抱え、中央駅の周りにはオフィス街が広がる。給料日の人出は多いが、組合の休業日が多く、税も重い。市は事業の誘致に力を入れている。"),
};
// clang-format on

}  // namespace

std::span<const char* const> shippedCityDescriptions() { return kDescriptions; }

}  // namespace gm
