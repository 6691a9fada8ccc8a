<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>gm::BlockWindow</name>
    <message>
        <location filename="../../src/ui/block_window.cpp" line="+34"/>
        <source>区画の種類</source>
        <translation>Kind of block</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>区画の所有者</source>
        <translation>Owner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>区画の人口</source>
        <translation>Population</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>人口の密集度</source>
        <translation>Population density</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾊﾟﾁﾝｺﾌｧﾝの割合</source>
        <translation>Share of pachinko fans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾊﾟﾁﾝｺﾌｧﾝの人口</source>
        <translation>Pachinko fans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>区画の地価(千円)</source>
        <translation>Land price (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>治安の良さ</source>
        <translation>Security</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>区画の市民感情</source>
        <translation>Public feeling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>開発レベル</source>
        <translation>Development level</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+3"/>
        <source>%1人</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>買収</source>
        <translation>Purchase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>売却</source>
        <translation>Sell</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>工事</source>
        <translation>Construction</translation>
    </message>
</context>
<context>
    <name>gm::CompanyStatusPage</name>
    <message>
        <location filename="../../src/ui/company_window.cpp" line="+43"/>
        <source>会社</source>
        <translation>Company</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>代表者の資質</source>
        <translation>President&apos;s Qualities</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>店舗</source>
        <translation>Halls</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+25"/>
        <source>倉庫</source>
        <translation>Warehouse</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>ｽﾀｯﾌ</source>
        <translation>Staff</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>代表者名</source>
        <translation>President</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>会社名</source>
        <translation>Company name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>資本金</source>
        <translation>Capital</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>会社設立時の資金</source>
        <translation>The cash the company was founded with</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>資金</source>
        <translation>Cash</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>残り資金</source>
        <translation>The cash the company has left</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>総資産</source>
        <translation>Total assets</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>手持ちの有形資産の価値</source>
        <translation>The value of the tangible assets the company holds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>魅力</source>
        <translation>Charisma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>代表者の人望</source>
        <translation>The president&apos;s standing with people</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>知性</source>
        <translation>Intelligence</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>代表者の知的水準</source>
        <translation>The president&apos;s intellect</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>統率力</source>
        <translation>Leadership</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>部下を統率する能力</source>
        <translation>The ability to lead the staff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>鑑定眼</source>
        <translation>Appraisal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>台を見分ける力</source>
        <translation>The eye for a good machine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>統率可能店舗数</source>
        <translation>Halls he can lead</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>店舗数</source>
        <translation>Halls in use</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>営業</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>待機</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>工事</source>
        <translation>Under construction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>停止</source>
        <translation>Suspended</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>倉庫の空き</source>
        <translation>Room left</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>男性ｽﾀｯﾌ</source>
        <translation>Male staff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>女性ｽﾀｯﾌ</source>
        <translation>Female staff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>総ｽﾀｯﾌ数</source>
        <translation>Total staff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>適正人員</source>
        <translation>Staff needed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>店舗の台と稼動に見合うｽﾀｯﾌの数</source>
        <translation>The staff the halls&apos; machines and occupancy call for</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>不足人員</source>
        <translation>Shortage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>総ｽﾀｯﾌ数－適正人員</source>
        <translation>Total staff − staff needed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾓﾗﾙ</source>
        <translation>Morale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｽﾀｯﾌの職務意識（平均）</source>
        <translation>The staff&apos;s sense of duty (average)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｽｷﾙ</source>
        <translation>Skill</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｽﾀｯﾌの職務技能（平均）</source>
        <translation>The staff&apos;s job skill (average)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>特殊工作</source>
        <translation>Special Manipulations</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1軒</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1台</source>
        <translation>%1 machines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1人</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1人（%2%）</source>
        <translation>%1 (%2%)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ｘ Ｘ Ｘ Ｘ</source>
        <translation>X X X X</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>変更(&amp;K)</source>
        <translation>&amp;Change</translation>
    </message>
</context>
<context>
    <name>gm::CompanyStoreListPage</name>
    <message>
        <location filename="../../src/ui/company_store_list_page.cpp" line="+24"/>
        <source>店舗名</source>
        <translation>Hall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>診断</source>
        <translation>Diagnosis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>状態</source>
        <translation>State</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>規模</source>
        <translation>Size</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>区画</source>
        <translation>Block</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>台数</source>
        <translation>Machines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｽﾀｯﾌ</source>
        <translation>Staff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>客数</source>
        <translation>Customers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>売上</source>
        <translation>Sales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>粗利益</source>
        <translation>Gross profit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>純利益</source>
        <translation>Net profit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>利益率</source>
        <translation>Profit rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>客付き</source>
        <translation>Occupancy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>洗練度</source>
        <translation>Refinement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>知名度</source>
        <translation>Fame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>満足度</source>
        <translation>Satisfaction</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>経営診断：%1</source>
        <translation>Diagnosis: %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>利益率(&amp;R)</source>
        <translation>Profit &amp;Rates</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>営業形態(&amp;E)</source>
        <translation>Business &amp;Forms</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>交換率(&amp;C)</source>
        <translation>&amp;Exchange Rates</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ﾓｰﾆﾝｸﾞ(&amp;M)</source>
        <translation>&amp;Morning Service</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>販促予算(&amp;H)</source>
        <translation>Pr&amp;omotion Budget</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>人件費(&amp;N)</source>
        <translation>Perso&amp;nnel Costs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>工作(&amp;D)</source>
        <translation>Manipula&amp;tions</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>新台初期値(&amp;Y)</source>
        <translation>New Machine &amp;Defaults</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｼﾞｮﾌﾞｽﾄﾘｰﾑ(&amp;W)</source>
        <translation>&amp;Job Stream</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>店舗ﾃﾞｰﾀ(&amp;T)</source>
        <translation>&amp;Hall Data</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>全選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>項目(&amp;V)</source>
        <translation>&amp;Columns</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>入替(&amp;I)</source>
        <translation>Re&amp;place</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>選択中の店舗の給与、教育費、福利厚生費</source>
        <translation>Salary, education and welfare of the selected halls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>選択中の店舗の設定画面を順に開きます</source>
        <translation>Opens the settings of the selected halls one after another</translation>
    </message>
</context>
<context>
    <name>gm::CompanyWindow</name>
    <message>
        <location filename="../../src/ui/company_window.cpp" line="+67"/>
        <source>ｽﾃｰﾀｽ</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>予算</source>
        <translation>Budget</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>店舗一覧</source>
        <translation>Hall List</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>倉庫</source>
        <translation>Warehouse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全設置台データ</source>
        <translation>Installed Machines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>統計</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>特殊工作(&amp;K)</source>
        <translation>Spec&amp;ial Manipulations</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>倉庫(&amp;G)</source>
        <translation>&amp;Warehouse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>電卓(&amp;U)</source>
        <translation>Calc&amp;ulator</translation>
    </message>
</context>
<context>
    <name>gm::DistrictWindow</name>
    <message>
        <location filename="../../src/ui/district_window.cpp" line="+30"/>
        <source>市の名前</source>
        <translation>City</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>難易度</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+114"/>
        <source>区画数</source>
        <translation>Blocks</translation>
    </message>
    <message>
        <location line="-113"/>
        <source>総人口</source>
        <translation>Total population</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>人口の密集度</source>
        <translation>Population density</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>潜在顧客</source>
        <translation>Potential customers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾊﾟﾁﾝｺﾌｧﾝの人口</source>
        <translation>The pachinko fans among the population</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾊﾟﾁﾝｺﾌｧﾝの割合</source>
        <translation>Share of pachinko fans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地価平均</source>
        <translation>Average land price</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>治安の良さ</source>
        <translation>Security</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>市民感情</source>
        <translation>Public feeling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>高いほどパチンコ店への反感が強い</source>
        <translation>The higher, the stronger the feeling against pachinko halls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>開発度</source>
        <translation>Development</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>宅地開発</source>
        <translation>Housing development</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>商業奨励</source>
        <translation>Support for commerce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>事業誘致</source>
        <translation>Attracting business</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>税率</source>
        <translation>Tax rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>パチンコ税</source>
        <translation>Pachinko tax</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>組合の申し合わせにより自粛する時間</source>
        <translation>Hours given up by the union&apos;s agreement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>差し引き一日の営業時間</source>
        <translation>Net business hours a day</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>組合の申し合わせにより自粛する日数</source>
        <translation>Days given up by the union&apos;s agreement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>差し引き一ヶ月の営業日数</source>
        <translation>Net business days a month</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>営業時間×営業日数</source>
        <translation>Business hours × business days</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>パチンコ交換率の規制</source>
        <translation>Limit on pachinko exchange rates</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>スロット交換率の規制</source>
        <translation>Limit on slot exchange rates</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>台の廃棄</source>
        <translation>Machine disposal</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>地区概略 ボーナスシーズン：</source>
        <translation>District Overview — Bonus Season</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地区概略</source>
        <translation>District Overview</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>概略</source>
        <translation>Overview</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>機種</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>台の廃棄料金  ： 10台当</source>
        <translation>Disposal fee per 10 machines</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>営業規制</source>
        <translation>Business Rules</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>区画の種類</source>
        <translation>Kind of block</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>区画</source>
        <translation>Blocks</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>制定された法律</source>
        <translation>Laws enacted</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>法律</source>
        <translation>Laws</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>新米店長</source>
        <translation>Rookie Manager</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ライバル登場！</source>
        <translation>Rivals Arrive!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>他店舗は参入しません</source>
        <translation>No rival halls will come into the city</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>他店舗が参入してきます</source>
        <translation>Rival halls will come into the city</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>%1人</source>
        <translation>%1 people</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <location line="+1"/>
        <source>%n時間</source>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location line="+1"/>
        <source>%n日</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1時間</source>
        <translation>%1 hours</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>受理中</source>
        <translation>Accepted</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>停止中</source>
        <translation>Suspended</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>全区画</source>
        <translation>All blocks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>空き地（市民）</source>
        <translation>Vacant land (citizens)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>空き地（我が社）</source>
        <translation>Vacant land (ours)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>空き地（他社）</source>
        <translation>Vacant land (rivals&apos;)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>道路</source>
        <translation>Roads</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>駅</source>
        <translation>Stations</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>線路</source>
        <translation>Railways</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1（我が社）</source>
        <translation>%1 (ours)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1（他社）</source>
        <translation>%1 (rivals&apos;)</translation>
    </message>
</context>
<context>
    <name>gm::ListPanel</name>
    <message>
        <location filename="../../src/ui/list_layout.cpp" line="+36"/>
        <source>大きいアイコン(&amp;G)</source>
        <translation>Lar&amp;ge Icons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>小さいアイコン(&amp;M)</source>
        <translation>S&amp;mall Icons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>一覧(&amp;L)</source>
        <translation>&amp;List</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>詳細(&amp;D)</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>表示(&amp;O)</source>
        <translation>&amp;View</translation>
    </message>
</context>
<context>
    <name>gm::PersonnelWindow</name>
    <message>
        <location filename="../../src/ui/personnel_window.cpp" line="+33"/>
        <location line="+4"/>
        <source>1人</source>
        <translation>1 person</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+4"/>
        <source>10人</source>
        <translation>10 people</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+4"/>
        <source>100人</source>
        <translation>100 people</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+4"/>
        <source>全員</source>
        <translation>All</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>任せる(&amp;M)</source>
        <translation>&amp;Leave It to Staff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>雇用(&amp;K)</source>
        <translation>&amp;Hire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>解雇(&amp;D)</source>
        <translation>&amp;Dismiss</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>決定(&amp;R)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取り消し(&amp;N)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>店舗名</source>
        <translation>Hall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>状態</source>
        <translation>State</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+36"/>
        <location line="+14"/>
        <source>男性</source>
        <translation>Men</translation>
    </message>
    <message>
        <location line="-49"/>
        <location line="+35"/>
        <location line="+14"/>
        <source>女性</source>
        <translation>Women</translation>
    </message>
    <message>
        <location line="-48"/>
        <location line="+34"/>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>適正人員</source>
        <translation>Needed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>不足人員</source>
        <translation>Shortage</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+32"/>
        <source>ﾓﾗﾙ</source>
        <translation>Morale</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+31"/>
        <source>ｽｷﾙ</source>
        <translation>Skill</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>給与</source>
        <translation>Salary</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1人</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>余剰ｽﾀｯﾌを選択中の店舗に均等に配属</source>
        <translation>Assign the surplus staff evenly to the selected halls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>選択中の店舗のｽﾀｯﾌを全て余剰ｽﾀｯﾌに</source>
        <translation>Move all the staff of the selected halls to the surplus staff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>選択中の店舗の人員不足を自動で解消</source>
        <translation>Fill the selected halls&apos; staff shortages automatically</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>余剰ｽﾀｯﾌを全て解雇（退職金がかかります）</source>
        <translation>Dismiss all the surplus staff (severance pay is due)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>余剰ｽﾀｯﾌ</source>
        <translation>Surplus Staff</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>ｽﾀｯﾌの職務意識</source>
        <translation>The staff&apos;s sense of duty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｽﾀｯﾌの職務技能</source>
        <translation>The staff&apos;s job skill</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>異動対象</source>
        <translation>Who Moves</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>両方</source>
        <translation>Both</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>配属（余剰ｽﾀｯﾌ→店舗）</source>
        <translation>Assign (surplus staff → halls)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>転属（店舗→余剰ｽﾀｯﾌ）</source>
        <translation>Transfer (halls → surplus staff)</translation>
    </message>
    <message>
        <location line="+202"/>
        <source>資金  %1</source>
        <translation>Cash  %1</translation>
    </message>
</context>
<context>
    <name>gm::RivalStorePage</name>
    <message>
        <location filename="../../src/ui/rival_store_window.cpp" line="+19"/>
        <source>経営</source>
        <translation>Run by</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>状態</source>
        <translation>State</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>規模</source>
        <translation>Size</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>区画</source>
        <translation>Block</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>築年数</source>
        <translation>Age</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>洗練度</source>
        <translation>Refinement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>知名度</source>
        <translation>Fame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>満足度</source>
        <translation>Satisfaction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾓﾗﾙ</source>
        <translation>Morale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｽｷﾙ</source>
        <translation>Skill</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾊﾟﾁﾝｺの交換率</source>
        <translation>Pachinko exchange rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｽﾛｯﾄの交換率</source>
        <translation>Slot exchange rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>先月の実績(千円)</source>
        <translation>Last month&apos;s result (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>累計実績(千円)</source>
        <translation>Total result (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>累積赤字(千円)</source>
        <translation>Accumulated losses (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>客数</source>
        <translation>Customers</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>－</source>
        <translation>-</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>%1人</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>gm::TBuykoushou</name>
    <message>
        <location filename="../../src/ui/negotiation_window.cpp" line="+39"/>
        <source>買収交渉</source>
        <translation>Land Negotiation</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1  (%2, %3)  所有者  %4</source>
        <translation>%1  (%2, %3)  Owner  %4</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1    希望価格(千円)  %2</source>
        <translation>%1    Asking price (¥1,000)  %2</translation>
    </message>
</context>
<context>
    <name>gm::Tbuymoney</name>
    <message>
        <location filename="../../src/ui/purchase_offer_dialog.cpp" line="+22"/>
        <source>残り資金  %1</source>
        <translation>Cash left  %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>地価  %1</source>
        <translation>Land price  %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>資金  %1</source>
        <translation>Cash  %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>決定(&amp;R)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>（金額の単位：千円）</source>
        <translation>(Amounts in ¥1,000)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>買収金額</source>
        <translation>Offer</translation>
    </message>
</context>
<context>
    <name>gm::Tjinkenchousei</name>
    <message>
        <location filename="../../src/ui/personnel_cost_window.cpp" line="+18"/>
        <source>人件費調整</source>
        <translation>Personnel Costs</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>選択中の%1店舗</source>
        <translation>%1 selected halls</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>店舗</source>
        <translation>Hall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>給与(千円/人)</source>
        <translation>Salary (¥1,000 a head)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>教育(千円/人)</source>
        <translation>Education (¥1,000 a head)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>福利厚生(千円/人)</source>
        <translation>Welfare (¥1,000 a head)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>人件費の月額(千円)</source>
        <translation>Personnel costs a month (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>120〜1,000。少なすぎるとスタッフが辞めていきます</source>
        <translation>120 to 1,000. Pay too little and the staff will leave.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0〜1,000。スキルはこの額を目指して変わります</source>
        <translation>0 to 1,000. Skill moves toward the level this amount pays for.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0〜1,000。モラルはこの額を目指して変わります</source>
        <translation>0 to 1,000. Morale moves toward the level this amount pays for.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>決定(&amp;R)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取り消し(&amp;N)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>gm::Tkifuform</name>
    <message>
        <location filename="../../src/ui/donation_window.cpp" line="+22"/>
        <location line="+54"/>
        <source>寄付</source>
        <translation>Donation</translation>
    </message>
    <message>
        <location line="-47"/>
        <source>いくら寄付しますか？</source>
        <translation>How much shall we donate?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>資金  %1</source>
        <translation>Cash  %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+1"/>
        <source>寄付金額を入力</source>
        <translation>Amount to donate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>決定(&amp;R)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>（金額の単位：千円）</source>
        <translation>(Amounts in ¥1,000)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>残り資金  %1</source>
        <translation>Cash left  %1</translation>
    </message>
</context>
<context>
    <name>gm::Tkoyouform</name>
    <message>
        <location filename="../../src/ui/hiring_window.cpp" line="+26"/>
        <source>雇用人数</source>
        <translation>Staff to Hire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>何人募集しますか？</source>
        <translation>How many people shall we recruit?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> 人</source>
        <translation> people</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>性別指定</source>
        <translation>Sex</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>指定なし</source>
        <translation>Either</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>男性</source>
        <translation>Men</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>女性</source>
        <translation>Women</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>募集人数</source>
        <translation>People to recruit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>費用(千円)</source>
        <translation>Cost (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>資金(千円)</source>
        <translation>Cash (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>残り(千円)</source>
        <translation>Left (¥1,000)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>決定(&amp;R)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取り消し(&amp;N)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>gm::Tlvkoumokuform</name>
    <message>
        <location filename="../../src/ui/column_chooser_dialog.cpp" line="+15"/>
        <source>表示項目</source>
        <translation>Columns</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>全て表示(&amp;A)</source>
        <translation>Show &amp;All</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>決定(&amp;R)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取り消し(&amp;N)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>一覧に表示する項目を選んでください。</source>
        <translation>Choose the columns the list shows.</translation>
    </message>
</context>
<context>
    <name>gm::Tsaiyouform</name>
    <message>
        <location filename="../../src/ui/graduates_window.cpp" line="+20"/>
        <source>入社</source>
        <translation>Recruitment</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>何名を採用しますか？</source>
        <translation>How many shall we take on?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> 名</source>
        <translation> people</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>希望者</source>
        <translation>Applicants</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>男性 %1名  女性 %2名</source>
        <translation>%1 men  %2 women</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾓﾗﾙ</source>
        <translation>Morale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｽｷﾙ</source>
        <translation>Skill</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>男性</source>
        <translation>Men</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>女性</source>
        <translation>Women</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>採用(&amp;R)</source>
        <translation>&amp;Hire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取り消し(&amp;N)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1名</source>
        <translation>%1 people</translation>
    </message>
</context>
<context>
    <name>gm::Tsaleform</name>
    <message>
        <location filename="../../src/ui/sale_window.cpp" line="+20"/>
        <source>売却金額</source>
        <translation>Asking Price</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>区画の地価(千円)</source>
        <translation>Land price (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>資金(千円)</source>
        <translation>Cash (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>売却金額(千円)</source>
        <translation>Asking price (¥1,000)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>決定(&amp;R)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取り消し(&amp;N)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>gm::Tseminorform</name>
    <message>
        <location filename="../../src/ui/seminar_window.cpp" line="+21"/>
        <source>経営者ｾﾐﾅｰ</source>
        <translation>Management Seminar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>どのセミナーに出席しますか？</source>
        <translation>Which seminar will you attend?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>魅力</source>
        <translation>Charisma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>知性</source>
        <translation>Intelligence</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>統率力</source>
        <translation>Leadership</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>鑑定眼</source>
        <translation>Appraisal</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>決定(&amp;R)</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>gm::WarehousePage</name>
    <message>
        <location filename="../../src/ui/company_window_warehouse.cpp" line="+40"/>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>台名</source>
        <translation>Model name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>機種</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ﾒｰｶｰ</source>
        <translation>Maker</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>購入年月</source>
        <translation>Bought</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>有効期限</source>
        <translation>Valid until</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>購入単価(円)</source>
        <translation>Unit price (¥)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>違法性</source>
        <translation>Illegal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ﾓﾃﾞﾙﾏｼﾝ</source>
        <translation>Model machine</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>島数</source>
        <translation>Islands</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>台数</source>
        <translation>Machines</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ﾊﾟﾁﾝｺ計</source>
        <translation>Pachinko total</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ﾊﾟﾁｽﾛ計</source>
        <translation>Pachislot total</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>台データ(&amp;T)</source>
        <translation>&amp;Machine Data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>項目(&amp;V)</source>
        <translation>&amp;Columns</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>廃棄(&amp;D)</source>
        <translation>&amp;Dispose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>改築(&amp;K)</source>
        <translation>&amp;Rebuild</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ｽﾄｯｸされている台の内訳</source>
        <translation>Machines in stock by type</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>%1  空き %2台  廃棄の受付：%3</source>
        <translation>%1  Room for %2 machines  Disposal: %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>受理中</source>
        <translation>accepted</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>停止中</source>
        <translation>suspended</translation>
    </message>
</context>
<context>
    <name>management_commands</name>
    <message>
        <location filename="../../src/ui/management_commands.cpp" line="+26"/>
        <source>会社全体</source>
        <translation>Whole company</translation>
    </message>
</context>
</TS>
