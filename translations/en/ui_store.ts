<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>detail_dialogs</name>
    <message>
        <location filename="../../src/ui/detail_dialogs.cpp" line="+23"/>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>gm::AdvicePage</name>
    <message>
        <location filename="../../src/ui/advice_page.cpp" line="+22"/>
        <source>人事</source>
        <translation>Personnel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>人件費調整</source>
        <translation>Personnel Costs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>開店</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>交換率変更</source>
        <translation>Exchange Rates</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>工作変更</source>
        <translation>Manipulations</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>利益率</source>
        <translation>Profit Rates</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>販促予算変更</source>
        <translation>Promotions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>入替</source>
        <translation>Replace</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>新台購入</source>
        <translation>Buy Machines</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>設備</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>区画データ</source>
        <translation>Block Data</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>店舗一覧</source>
        <translation>Hall List</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>特殊工作</source>
        <translation>Special Manipulations</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>診断</source>
        <translation>Diagnosis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>診断(%1)</source>
        <translation>Diagnosis (%1)</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>%1について、特にご報告することはありません。</source>
        <translation>There is nothing in particular to report on %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の経営診断です（%2年 %3月）。重要なものから順にご報告します。</source>
        <translation>Management diagnosis of %1 (Year %2, Month %3). The findings are reported in order of importance.</translation>
    </message>
</context>
<context>
    <name>gm::BudgetPage</name>
    <message>
        <location filename="../../src/ui/budget_page.cpp" line="+17"/>
        <source>今月予測</source>
        <translation>Forecast</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>先月実績</source>
        <translation>Last Month</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>売上予測</source>
        <translation>Sales Forecast</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>粗利益予測</source>
        <translation>Gross Profit Forecast</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>利益率予測</source>
        <translation>Profit Rate Forecast</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>先月の売上</source>
        <translation>Last Month&apos;s Sales</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>先月の粗利益</source>
        <translation>Last Month&apos;s Gross Profit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>先月の利益率</source>
        <translation>Last Month&apos;s Profit Rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾊﾟﾁﾝｺ</source>
        <translation>Pachinko</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ﾊﾟﾁｽﾛ</source>
        <translation>Pachislot</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+2"/>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>給与</source>
        <translation>Salaries</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>教育費</source>
        <translation>Education</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>福利厚生費</source>
        <translation>Welfare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>台の運営費</source>
        <translation>Machine Running Costs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>販売促進費</source>
        <translation>Promotions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>台の保守費</source>
        <translation>Machine Maintenance</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>建物の保守費</source>
        <translation>Building Maintenance</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>設備の保守費</source>
        <translation>Equipment Maintenance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>粗利益</source>
        <translation>Gross Profit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>人件費</source>
        <translation>Personnel Costs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>営業費</source>
        <translation>Operating Costs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>保守費</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>経費合計</source>
        <translation>Total Costs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>純利益</source>
        <translation>Net Profit</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>今月の予測は、先月のお客様の数と売上げに今の利益率を当てはめたものです</source>
        <translation>This month&apos;s forecast applies the current profit rates to last month&apos;s customers and sales.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>概算</source>
        <translation>Estimate</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>人件費内訳</source>
        <translation>Personnel Costs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>営業費内訳</source>
        <translation>Operating Costs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保守費内訳</source>
        <translation>Maintenance Costs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>経費を差し引いた利益</source>
        <translation>Profit After Costs</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>売上詳細(&amp;E)</source>
        <translation>Sales &amp;Detail</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>保守費詳細(&amp;T)</source>
        <translation>&amp;Maintenance Detail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>人件費調整(&amp;N)</source>
        <translation>Personnel Cos&amp;ts</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>実績報告書(&amp;J)</source>
        <translation>Monthly &amp;Results</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>リサーチ(&amp;A)</source>
        <translation>Rese&amp;arch</translation>
    </message>
</context>
<context>
    <name>gm::CompanyMachinesPage</name>
    <message>
        <location filename="../../src/ui/machine_pages.cpp" line="+41"/>
        <source>台数の一覧</source>
        <translation>Machine Counts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>台の実績詳細（平均）</source>
        <translation>Machine Results (Average)</translation>
    </message>
</context>
<context>
    <name>gm::MachineWindow</name>
    <message>
        <location filename="../../src/ui/machine_window.cpp" line="+19"/>
        <source>台名</source>
        <translation>Model Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>機種</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>販売元ﾒｰｶｰ</source>
        <translation>Maker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>設置場所</source>
        <translation>Location</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>購入単価(円)</source>
        <translation>Unit Price (¥)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>購入年月</source>
        <translation>Purchased</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>有効期限</source>
        <translation>Valid Until</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>生産台数</source>
        <translation>Production Run</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>性能</source>
        <translation>Ratings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>射幸性</source>
        <translation>Gambling Appeal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ベース</source>
        <translation>Play Value</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>洗練度</source>
        <translation>Refinement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>斬新さ</source>
        <translation>Novelty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>違法性</source>
        <translation>Illegality</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+53"/>
        <source>ﾓﾃﾞﾙﾏｼﾝ</source>
        <translation>Model Machine</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>営業形態</source>
        <translation>Business Form</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾓｰﾆﾝｸﾞ</source>
        <translation>Morning</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>利益率</source>
        <translation>Profit Rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>営業時間</source>
        <translation>Business Hours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>営業日数</source>
        <translation>Business Days</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>稼動</source>
        <translation>Customers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>客単価(円)</source>
        <translation>Spend per Customer (¥)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>利益率実績</source>
        <translation>Actual Profit Rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>客付き</source>
        <translation>Occupancy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>男性客</source>
        <translation>Male Customers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>女性客</source>
        <translation>Female Customers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>売上(千円)</source>
        <translation>Sales (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>粗利益(千円)</source>
        <translation>Gross Profit (¥1,000)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>入替可能な年月</source>
        <translation>The last month in which the machines may be installed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>不正なｹﾞｰﾑ性</source>
        <translation>Illegal game design</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>一ヶ月の総動員数</source>
        <translation>Customers over the whole month</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｷﾞｬﾝﾌﾞﾙ性</source>
        <translation>How much of a gamble it is</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>遊びやすさ</source>
        <translation>How easy it is to play</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>目新しさ</source>
        <translation>How new it feels</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+12"/>
        <source>%1台</source>
        <translation>%1 machines</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>初見</source>
        <translation>Maker&apos;s Figures</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>評価</source>
        <translation>Measured in Play</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+3"/>
        <source>－</source>
        <translation>–</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1時間</source>
        <translation>%1 hours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1日</source>
        <translation>%1 days</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1人</source>
        <translation>%1 people</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>本部の倉庫</source>
        <translation>Head Office Warehouse</translation>
    </message>
</context>
<context>
    <name>gm::NewModelWindow</name>
    <message>
        <location filename="../../src/ui/new_model_window.cpp" line="+29"/>
        <source>新台製作発表</source>
        <translation>New Model Announcement</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>新しい台の名前</source>
        <translation>Name of the New Model</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>メーカー</source>
        <translation>Maker</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>機種</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>了解(&amp;R)</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>gm::OrderDialog</name>
    <message>
        <location filename="../../src/ui/order_dialog.cpp" line="+16"/>
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
    <name>gm::StatsPage</name>
    <message>
        <location filename="../../src/ui/stats_page.cpp" line="+59"/>
        <source>%1年%2月</source>
        <translation>Y%1 M%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1月</source>
        <translation>M%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>資産価値</source>
        <translation>Asset Value</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>売上</source>
        <translation>Sales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>利益率</source>
        <translation>Profit Rate</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>粗利益</source>
        <translation>Gross Profit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>営業費</source>
        <translation>Operating Costs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>保守費</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>人件費</source>
        <translation>Personnel Costs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>純利益</source>
        <translation>Net Profit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>客付き</source>
        <translation>Occupancy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>洗練度</source>
        <translation>Refinement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>知名度</source>
        <translation>Fame</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>満足度</source>
        <translation>Satisfaction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾓﾗﾙ</source>
        <translation>Morale</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ｽｷﾙ</source>
        <translation>Skill</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>総資産</source>
        <translation>Total Assets</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>切替(&amp;C)</source>
        <translation>&amp;Change View</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>実績ｸﾞﾗﾌ(&amp;J)</source>
        <translation>&amp;Results Graph</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>能力ｸﾞﾗﾌ(&amp;P)</source>
        <translation>R&amp;atings Graph</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>年間平均(&amp;Y)</source>
        <translation>&amp;Yearly Average</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>平均</source>
        <translation>Average</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>まだ実績がありません。</source>
        <translation>No results yet.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>年間平均（千円）</source>
        <translation>Yearly Average (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+21"/>
        <source>表示する項目を選んでください。</source>
        <translation>Choose the figures to show.</translation>
    </message>
</context>
<context>
    <name>gm::StoreBulkPage</name>
    <message>
        <location filename="../../src/ui/store_window_bulk.cpp" line="+18"/>
        <source>利益率(&amp;R)</source>
        <translation>Profit &amp;Rates</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>営業形態(&amp;E)</source>
        <translation>Business &amp;Forms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾓｰﾆﾝｸﾞ(&amp;M)</source>
        <translation>&amp;Morning Service</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新台初期設定(&amp;Y)</source>
        <translation>&amp;Defaults for New Machines</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>機種別または営業形態別に利益率を一括修正します</source>
        <translation>Changes the profit rates of all islands at once, by type or by business form.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>機種別に営業形態を一括調整します</source>
        <translation>Sets the business form of all islands of the chosen types at once.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>全てのﾊﾟﾁｽﾛの島のﾓｰﾆﾝｸﾞ台数を一括設定します</source>
        <translation>Sets the number of morning-service machines on every pachislot island at once.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新しく設置する台の初期値を設定します</source>
        <translation>Sets the defaults for newly installed machines.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>ﾊﾟﾁﾝｺ %1島（%2台）  ﾊﾟﾁｽﾛ %3島（%4台）  ﾓｰﾆﾝｸﾞ %5台</source>
        <translation>Pachinko: %1 islands (%2 machines)   Pachislot: %3 islands (%4 machines)   Morning service: %5 machines</translation>
    </message>
</context>
<context>
    <name>gm::StoreEquipmentPage</name>
    <message>
        <location filename="../../src/ui/store_window_equipment.cpp" line="+23"/>
        <source>一般設備</source>
        <translation>General Equipment</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>特殊設備</source>
        <translation>Special Equipment</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>設備投資</source>
        <translation>Invest</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>導入済み</source>
        <translation>Installed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>導入可能（費用 千円）</source>
        <translation>Available (cost in ¥1,000)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>  (%1階・%2台分)</source>
        <translation>  (floor %1, room of %2 machines)</translation>
    </message>
</context>
<context>
    <name>gm::StoreIslandsPage</name>
    <message>
        <location filename="../../src/ui/store_window_islands.cpp" line="+35"/>
        <source>全選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>台データ(&amp;T)</source>
        <translation>Machine Da&amp;ta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>更新(&amp;D)</source>
        <translation>Re&amp;fresh</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>入替(&amp;I)</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>切替(&amp;C)</source>
        <translation>Switch Flo&amp;or</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>項目(&amp;V)</source>
        <translation>&amp;Columns</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>場所</source>
        <translation>Place</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>台名</source>
        <translation>Model Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>機種</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+19"/>
        <source>利益率</source>
        <translation>Profit Rate</translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+19"/>
        <source>営業形態</source>
        <translation>Business Form</translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+19"/>
        <source>ﾓｰﾆﾝｸﾞ</source>
        <translation>Morning</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>稼動</source>
        <translation>Customers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>客付き</source>
        <translation>Occupancy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>売上(千円)</source>
        <translation>Sales (¥1,000)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>購入年月</source>
        <translation>Purchased</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>有効期限</source>
        <translation>Valid Until</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>全フロア</source>
        <translation>All Floors</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>－</source>
        <translation>–</translation>
    </message>
</context>
<context>
    <name>gm::StoreMachineGrids</name>
    <message>
        <location filename="../../src/ui/machine_pages.cpp" line="-24"/>
        <source>台の実績詳細（平均）</source>
        <translation>Machine Results (Average)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>設置されている台数の内訳</source>
        <translation>Installed Machines by Type</translation>
    </message>
</context>
<context>
    <name>gm::StorePromotionPage</name>
    <message>
        <location filename="../../src/ui/store_window_promotion.cpp" line="+19"/>
        <source>イベント実施</source>
        <translation>Events</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ポケットティッシュ配布</source>
        <translation>Pocket Tissue Handouts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ダイレクトメール</source>
        <translation>Direct Mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TVｺﾏｰｼｬﾙ</source>
        <translation>TV Commercials</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WWWｻｰﾊﾞｰ設置</source>
        <translation>Web Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新聞広告</source>
        <translation>Newspaper Ads</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>内容</source>
        <translation>Choice</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>費用(千円)</source>
        <translation>Cost (¥1,000)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>販促予算変更(&amp;H)</source>
        <translation>&amp;Change Promotions</translation>
    </message>
</context>
<context>
    <name>gm::StoreStatusPage</name>
    <message>
        <location filename="../../src/ui/store_window_status.cpp" line="+28"/>
        <source>名称</source>
        <translation>Name</translation>
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
        <source>出店年月</source>
        <translation>Opened</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>築年数</source>
        <translation>Building Age</translation>
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
        <source>男性ｽﾀｯﾌ</source>
        <translation>Male Staff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>女性ｽﾀｯﾌ</source>
        <translation>Female Staff</translation>
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
        <source>必要人数</source>
        <translation>Staff Needed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾊﾟﾁﾝｺの交換率</source>
        <translation>Pachinko Exchange Rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｽﾛｯﾄの交換率</source>
        <translation>Slot Exchange Rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>工作</source>
        <translation>Manipulations</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾊﾟﾁﾝｺ</source>
        <translation>Pachinko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾊﾟﾁｽﾛ</source>
        <translation>Pachislot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>客数</source>
        <translation>Customers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>売上(千円)</source>
        <translation>Sales (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>粗利益(千円)</source>
        <translation>Gross Profit (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>純利益(千円)</source>
        <translation>Net Profit (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>稼動</source>
        <translation>Occupancy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>資産価値(千円)</source>
        <translation>Asset Value (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>受賞</source>
        <translation>Awards</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>店舗の大きさ</source>
        <translation>How big the hall is</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>出店した年月</source>
        <translation>When the hall was opened</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>見た目、ﾃﾞｻﾞｲﾝの洗練度</source>
        <translation>How refined the hall&apos;s look and design are</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>有名さ</source>
        <translation>How well known the hall is</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>客の感想</source>
        <translation>What the customers think of the hall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｽﾀｯﾌの職務意識</source>
        <translation>The staff&apos;s sense of duty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｽﾀｯﾌの職務技能</source>
        <translation>The staff&apos;s skill at the job</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>客付き</source>
        <translation>How well the machines are occupied</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>店舗と土地の価値</source>
        <translation>The value of the hall and its land</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>店舗</source>
        <translation>Hall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｽﾀｯﾌと交換率</source>
        <translation>Staff and Exchange Rates</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>台数</source>
        <translation>Machines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>先月の実績</source>
        <translation>Last Month&apos;s Results</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>開店(&amp;O)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>閉店(&amp;Z)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>工事(&amp;K)</source>
        <translation>Constr&amp;uction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>変更(&amp;C)</source>
        <translation>Exchange &amp;Rates</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>変更(&amp;D)</source>
        <translation>&amp;Manipulations</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｼﾞｮﾌﾞｽﾄﾘｰﾑ(&amp;W)</source>
        <translation>&amp;Job Stream</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>店舗を開店します</source>
        <translation>Opens the hall.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>店舗を閉店します</source>
        <translation>Closes the hall.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>店舗の区画で工事を行います</source>
        <translation>Carries out construction on the hall&apos;s block.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>交換率を変更します</source>
        <translation>Changes the exchange rates.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>工作を変更します</source>
        <translation>Changes the manipulations.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>店舗の調整画面を順に開きます</source>
        <translation>Opens the hall&apos;s settings dialogs one after another.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>－</source>
        <translation>–</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1台</source>
        <translation>%1 machines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1人</source>
        <translation>%1 people</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>サクラ</source>
        <translation>Shills</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>裏ROM</source>
        <translation>Rigged ROM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>特賞操作</source>
        <translation>Jackpot Rigging</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Best Of WWW 受賞</source>
        <translation>Best of WWW Award</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CM大賞受賞</source>
        <translation>Commercial of the Year Award</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Ａ ＭＯＤＥＬ ＯＦ</source>
        <translation>Model Hall of</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>人件費調整(&amp;N)</source>
        <translation>Personnel Cos&amp;ts</translation>
    </message>
</context>
<context>
    <name>gm::StoreWindow</name>
    <message>
        <location filename="../../src/ui/store_window.cpp" line="+54"/>
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
        <source>一括設定</source>
        <translation>Bulk Settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>個別調整</source>
        <translation>Islands</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>販促</source>
        <translation>Promotions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>設備</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>統計</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>診断</source>
        <translation>Diagnosis</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>次店(&amp;Q)</source>
        <translation>&amp;Next Hall</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ﾘｽﾄ(&amp;L)</source>
        <translation>&amp;List</translation>
    </message>
    <message>
        <location line="+31"/>
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
    <name>gm::TCalcForm</name>
    <message>
        <location filename="../../src/ui/calculator_dialog.cpp" line="+55"/>
        <source>＋</source>
        <translation>+</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>－</source>
        <translation>−</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>電卓</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>閉じる(&amp;X)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>gm::TKeitaichousei</name>
    <message>
        <location filename="../../src/ui/island_bulk_dialogs.cpp" line="+26"/>
        <source>無制限(&amp;M)</source>
        <translation>&amp;Unlimited</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾗｯｷｰNO.(&amp;L)</source>
        <translation>&amp;Lucky Number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>定量制(&amp;T)</source>
        <translation>&amp;Fixed-Quota</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>一回交換(&amp;K)</source>
        <translation>One-Time E&amp;xchange</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>営業形態一括調整</source>
        <translation>Bulk Business Forms</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>機種</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 %2台  </source>
        <translation>%1: %2 machines   </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>営業形態</source>
        <translation>Business Form</translation>
    </message>
</context>
<context>
    <name>gm::TMorningchousei</name>
    <message>
        <location line="-28"/>
        <source>%1台／%2台</source>
        <translation>%1 / %2 machines</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>ﾓｰﾆﾝｸﾞ一括設定</source>
        <translation>Bulk Morning Service</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> 台／10台</source>
        <translation> of 10 machines</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>一島あたりのﾓｰﾆﾝｸﾞ台数</source>
        <translation>Morning machines per island</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾓｰﾆﾝｸﾞ合計／ﾊﾟﾁｽﾛ合計（現在）</source>
        <translation>Morning / pachislot machines (now)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾓｰﾆﾝｸﾞ合計／ﾊﾟﾁｽﾛ合計（変更後）</source>
        <translation>Morning / pachislot machines (after the change)</translation>
    </message>
</context>
<context>
    <name>gm::Tdaibuyform</name>
    <message>
        <location filename="../../src/ui/purchase_dialog.cpp" line="+17"/>
        <source>購入</source>
        <translation>Purchase</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> 島</source>
        <translation> islands</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>メーカー</source>
        <translation>Maker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>台名</source>
        <translation>Model Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>機種</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在庫</source>
        <translation>In Stock</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+7"/>
        <location line="+12"/>
        <source>%1台</source>
        <translation>%1 machines</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>購入単価(円)</source>
        <translation>Unit Price (¥)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>購入数</source>
        <translation>Islands to Buy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>台数</source>
        <translation>Machines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>費用(千円)</source>
        <translation>Cost (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>残り資金(千円)</source>
        <translation>Cash Left (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>倉庫の空き</source>
        <translation>Warehouse Room</translation>
    </message>
</context>
<context>
    <name>gm::Tdefform</name>
    <message>
        <location filename="../../src/ui/island_bulk_dialogs.cpp" line="+17"/>
        <source>新台初期値設定</source>
        <translation>New Machine Defaults</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>機種</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>利益率</source>
        <translation>Profit Rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>営業形態</source>
        <translation>Business Form</translation>
    </message>
    <message>
        <location line="+16"/>
        <source> 台</source>
        <translation> machines</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>%1のﾓｰﾆﾝｸﾞ台数</source>
        <translation>Morning machines, %1</translation>
    </message>
</context>
<context>
    <name>gm::Thansokusettei</name>
    <message>
        <location filename="../../src/ui/promotion_dialog.cpp" line="+26"/>
        <source>イベント実施</source>
        <translation>Events</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ポケットティッシュ配布</source>
        <translation>Pocket Tissue Handouts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ダイレクトメール</source>
        <translation>Direct Mail</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TVｺﾏｰｼｬﾙ</source>
        <translation>TV Commercials</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WWWｻｰﾊﾞｰ設置</source>
        <translation>Web Server</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>新聞広告</source>
        <translation>Newspaper Ads</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>販売促進予算変更</source>
        <translation>Promotion Budget</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>費用(千円)</source>
        <translation>Cost (¥1,000)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>スタッフ %1人：ティッシュは「%2」、ＤＭは「%3」まで</source>
        <translation>%1 staff: tissues up to “%2”, direct mail up to “%3”</translation>
    </message>
</context>
<context>
    <name>gm::Thoshushousai</name>
    <message>
        <location filename="../../src/ui/detail_dialogs.cpp" line="+24"/>
        <source>設備保守費詳細</source>
        <translation>Maintenance Detail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>台</source>
        <translation>Machines</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>建物（工作を含む）</source>
        <translation>Building (with manipulations)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>今月予測</source>
        <translation>Forecast</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>先月実績</source>
        <translation>Last Month</translation>
    </message>
</context>
<context>
    <name>gm::Tirekaeform</name>
    <message>
        <location filename="../../src/ui/replacement_dialog.cpp" line="+78"/>
        <source>入替計画</source>
        <translation>Replacement Plan</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>台名</source>
        <translation>Model Name</translation>
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
        <source>有効期限</source>
        <translation>Valid Until</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>購入年月</source>
        <translation>Purchased</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>設置(&amp;S) →</source>
        <translation>&amp;Install →</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>← 撤去(&amp;E)</source>
        <translation>← &amp;Remove</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>作業計画書(&amp;P)</source>
        <translation>&amp;Work Sheet</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>本部の倉庫</source>
        <translation>Head Office Warehouse</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>作業費用(千円)</source>
        <translation>Work Cost (¥1,000)</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>%1  空き %2島</source>
        <translation>%1  (%2 islands free)</translation>
    </message>
</context>
<context>
    <name>gm::Tirekaesub</name>
    <message>
        <location line="-130"/>
        <source>作業計画書</source>
        <translation>Work Sheet</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1. 設置  %2  倉庫 → %3</source>
        <translation>%1. Install  %2  warehouse → %3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1. 撤去  %2  %3 → 倉庫</source>
        <translation>%1. Remove  %2  %3 → warehouse</translation>
    </message>
</context>
<context>
    <name>gm::Tkankinform</name>
    <message>
        <location filename="../../src/ui/exchange_rate_dialog.cpp" line="+19"/>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>交換率変更</source>
        <translation>Exchange Rates</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>、</source>
        <comment>between the names of the stores</comment>
        <translation>, </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>店舗</source>
        <translation>Halls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾊﾟﾁﾝｺの交換率</source>
        <translation>Pachinko Exchange Rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｽﾛｯﾄの交換率</source>
        <translation>Slot Exchange Rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>組合の規制（ﾊﾟﾁﾝｺ）</source>
        <translation>Union Limit (Pachinko)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>組合の規制（ｽﾛｯﾄ）</source>
        <translation>Union Limit (Slot)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>コスト(千円)</source>
        <translation>Cost (¥1,000)</translation>
    </message>
</context>
<context>
    <name>gm::Tkoujiform</name>
    <message>
        <location filename="../../src/ui/construction_dialog.cpp" line="+17"/>
        <source>工事</source>
        <translation>Construction</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>区画 %1  %2</source>
        <translation>Block %1  %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>工事内容</source>
        <translation>Work</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取り消し(&amp;N)</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>費用(千円)</source>
        <translation>Cost (¥1,000)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>資金  %1</source>
        <translation>Cash  %1</translation>
    </message>
</context>
<context>
    <name>gm::Tmakerform</name>
    <message>
        <location filename="../../src/ui/maker_window.cpp" line="+44"/>
        <source>新台購入</source>
        <translation>Buy Machines</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>メーカー</source>
        <translation>Makers</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>メーカー一覧(&amp;L)</source>
        <translation>Maker &amp;List</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>台名</source>
        <translation>Model Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>機種</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>価格(千円)</source>
        <translation>Price (¥1,000)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>生産台数</source>
        <translation>Production Run</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>在庫</source>
        <translation>In Stock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>販売期限</source>
        <translation>On Sale Until</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>射幸性</source>
        <translation>Gambling</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ベース</source>
        <translation>Play</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>洗練度</source>
        <translation>Refinement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>斬新さ</source>
        <translation>Novelty</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>鑑定ｽｷｯﾌﾟ(&amp;S)</source>
        <translation>&amp;Skip Appraisal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>未鑑定の台の評価を、鑑定の会話を省いてすぐに表示します</source>
        <translation>Shows an unappraised model&apos;s ratings at once, without the appraisal talk.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>次へ(&amp;N) ▼</source>
        <translation>&amp;Next ▼</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>鑑定の会話を先へ進めます（会話をクリックしても進みます）</source>
        <translation>Moves the appraisal talk on (a click on the talk does the same).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>購入(&amp;B)</source>
        <translation>&amp;Buy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>選んだ台を購入します</source>
        <translation>Buys the chosen model.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>%1台限定</source>
        <translation>%1 (limited)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>？</source>
        <translation>?</translation>
    </message>
</context>
<context>
    <name>gm::Tmakerichiran</name>
    <message>
        <location filename="../../src/ui/maker_list_window.cpp" line="+22"/>
        <source>メーカー一覧</source>
        <translation>Maker List</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>メーカー／台名</source>
        <translation>Maker / Model</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>市場</source>
        <translation>Market</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>取引</source>
        <translation>Trading</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>友好度</source>
        <translation>Friendship</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>値引き</source>
        <translation>Discount</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>機種</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>価格(千円)</source>
        <translation>Price (¥1,000)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>在庫</source>
        <translation>In Stock</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>販売期限</source>
        <translation>On Sale Until</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>参入</source>
        <translation>In the Market</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>未参入</source>
        <translation>Not in the Market</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取引中</source>
        <translation>Trading</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>取引中止</source>
        <translation>Stopped</translation>
    </message>
</context>
<context>
    <name>gm::Triritushuusei</name>
    <message>
        <location filename="../../src/ui/profit_rate_dialog.cpp" line="+25"/>
        <source>%1島</source>
        <translation>%1 islands</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>島数</source>
        <translation>Islands</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>現在(平均)</source>
        <translation>Now (Average)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新しい利益率</source>
        <translation>New Profit Rate</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>利益率一括修正</source>
        <translation>Bulk Profit Rates</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>機種別で修正(&amp;1)</source>
        <translation>By &amp;Type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>営業形態別で修正(&amp;2)</source>
        <translation>By &amp;Business Form</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>機種</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>営業形態</source>
        <translation>Business Form</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ﾊﾟﾁﾝｺ %1</source>
        <translation>Pachinko %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ﾊﾟﾁｽﾛ %1</source>
        <translation>Pachislot %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>今月の予想利益率</source>
        <translation>Forecast Profit Rate This Month</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>今月の予想粗利益(千円)</source>
        <translation>Forecast Gross Profit This Month (¥1,000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>今月の予想純利益(千円)</source>
        <translation>Forecast Net Profit This Month (¥1,000)</translation>
    </message>
</context>
<context>
    <name>gm::Tstockform</name>
    <message>
        <location filename="../../src/ui/warehouse_dialog.cpp" line="+30"/>
        <source>機種名</source>
        <translation>Model Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>種類</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>メーカー</source>
        <translation>Maker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>購入年月</source>
        <translation>Purchased</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>設置期限</source>
        <translation>Install By</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>単価(円)</source>
        <translation>Unit Price (¥)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>違法性</source>
        <translation>Illegality</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>倉庫</source>
        <translation>Warehouse</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1  空き %2台</source>
        <translation>%1  (room for %2 machines)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>全選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>項目(&amp;V)</source>
        <translation>Colu&amp;mns</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ｽﾄｯｸされている台の内訳</source>
        <translation>Stock by Type</translation>
    </message>
</context>
<context>
    <name>gm::Ttempoinchiki</name>
    <message>
        <location filename="../../src/ui/manipulation_dialog.cpp" line="+15"/>
        <source>工作変更</source>
        <translation>Manipulations</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>コスト(千円)</source>
        <translation>Cost (¥1,000)</translation>
    </message>
</context>
<context>
    <name>gm::Turishousai</name>
    <message>
        <location filename="../../src/ui/detail_dialogs.cpp" line="-12"/>
        <source>売上／利益  種別集計</source>
        <translation>Sales and Profit by Type</translation>
    </message>
</context>
<context>
    <name>machine_grids</name>
    <message>
        <location filename="../../src/ui/machine_grids.cpp" line="+51"/>
        <source>ﾊﾟﾁﾝｺ計</source>
        <translation>Pachinko Total</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ﾊﾟﾁｽﾛ計</source>
        <translation>Pachislot Total</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+19"/>
        <location line="+32"/>
        <source>島数</source>
        <translation>Islands</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>利益率(設定)</source>
        <translation>Profit Rate (Set)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>利益率(実績)</source>
        <translation>Profit Rate (Actual)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>売上/台/日(円)</source>
        <translation>Sales/Machine/Day (¥)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>粗利益/台/日(円)</source>
        <translation>Gross/Machine/Day (¥)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>客単価(円)</source>
        <translation>Spend/Customer (¥)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>客付き</source>
        <translation>Occupancy</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+32"/>
        <location line="+11"/>
        <source>台数</source>
        <translation>Machines</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>ﾓｰﾆﾝｸﾞ</source>
        <translation>Morning</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>設置 島数</source>
        <translation>Installed Islands</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>設置 台数</source>
        <translation>Installed Machines</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>倉庫 島数</source>
        <translation>Warehouse Islands</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>倉庫 台数</source>
        <translation>Warehouse Machines</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>売上</source>
        <translation>Sales</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>粗利益</source>
        <translation>Gross Profit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>利益率</source>
        <translation>Profit Rate</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>粗利益予測</source>
        <translation>Gross Profit Forecast</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>利益率予測</source>
        <translation>Profit Rate Forecast</translation>
    </message>
</context>
<context>
    <name>screen_text</name>
    <message>
        <location filename="../../src/ui/screen_text.h" line="+18"/>
        <source>%1年 %2月</source>
        <translation>Y%1 M%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1年 %2ヶ月</source>
        <translation>%1 yr %2 mo</translation>
    </message>
</context>
</TS>
