<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>cities</name>
    <message>
        <location filename="../../src/shell/shipped_city_texts.cpp" line="+16"/>
        <source>湾に面した港湾都市。二本の鉄道が港と都心を結び、繁華街は夜遅くまで眠らない。換金率の規制はなく、組合の縛りもゆるいが、そのぶん競争は激しい。税率は高め。</source>
        <translation>A port city on a bay. Two railways link the harbour and the centre, and the nightlife runs late. No exchange rate limits and a lenient union, but fierce competition. High taxes.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>丘陵を切り開いて造られた住宅都市。都心へ通う勤め人の家族が多く、二つの駅前に商業施設が集まる。住民の声が強く、営業時間は短く抑えられている。開発方針は計画で固定されており、変わることはない。</source>
        <translation>A commuter city carved from the hills, with shops around its two stations. Its vocal residents keep business hours short, and its development policy is fixed by plan for good.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>山あいの谷に田畑の広がる静かな村。単線の駅前に小さな商店街があるだけで、娯楽は少ない。組合の申し合わせは厳しく、換金率の規制もあるが、競争相手のいないうちに地元の客をつかめば手堅い。</source>
        <translation>A quiet farming village in a mountain valley; a few shops by the station are all the fun. A strict union and rate limits, but win the locals before rivals come and it is a safe bet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>漁港と海水浴場で知られる海辺の町。夏は観光客でにぎわうが、冬は静かになる。駅前と港の商店街が町の中心で、南の岬には手つかずの土地が広がる。換金率の規制はパチンコだけにある。</source>
        <translation>A seaside town with a fishing port and a beach, busy in summer and quiet in winter. Shops by the station and harbour are its heart; the south cape is untouched. Only pachinko rates are limited.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>大きな川の流れる首都。官庁とオフィスが立ち並び、人口も地価も国内随一。ただし監視の目は厳しく、税は重く、組合の申し合わせで営業時間も日数も大きく削られる。換金率の規制も最も厳しい。</source>
        <translation>The capital on a great river, with the most people and the dearest land in the country. But eyes are watchful, taxes heavy, the union cuts hours and days hard, and rate limits are strictest.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>川沿いに工場と倉庫が並ぶ産業都市。貨物線の操車場を抱え、中央駅の周りにはオフィス街が広がる。給料日の人出は多いが、組合の休業日が多く、税も重い。市は事業の誘致に力を入れている。</source>
        <translation>An industrial city of riverside factories, a freight yard and offices around the central station. Paydays are busy, but union holidays are many and taxes heavy. The city courts business.</translation>
    </message>
</context>
</TS>
