<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../../src/shell/help_window.cpp" line="+31"/>
        <source>Gindamaya97 ﾍﾙﾌﾟ</source>
        <translation>Gindamaya97 Help</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>調べたい言葉を入力</source>
        <translation>Type the word to look up</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>該当する項目</source>
        <translation>Matching topics</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>項目の検索</source>
        <translation>Search</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>目次(&amp;C)</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>前へ：%1</source>
        <translation>Previous: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>前へ</source>
        <translation>Previous</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>次へ：%1</source>
        <translation>Next: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <location filename="../../src/shell/splash_window.cpp" line="+24"/>
        <source>ｹﾞｰﾑ中 F1ｷｰでﾍﾙﾌﾟを表示する事ができます</source>
        <translation>Press F1 at any time in the game for help</translation>
    </message>
</context>
<context>
    <name>Tnameform</name>
    <message>
        <location filename="../../src/shell/name_dialog.cpp" line="+32"/>
        <source>命名</source>
        <translation>Name the Hall</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>新しいﾊﾟｰﾗｰの名前を入力</source>
        <translation>Enter the new hall&apos;s name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>命名(&amp;R)</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>店舗の名前を命名してください。</source>
        <translation>Please give the hall a name.</translation>
    </message>
</context>
<context>
    <name>Toptionform</name>
    <message>
        <location filename="../../src/shell/option_dialog.cpp" line="+41"/>
        <source>運営設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>一般操作</source>
        <translation>General</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>確認のメッセージを表示する</source>
        <translation>Ask for confirmation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ヒントを表示する</source>
        <translation>Show hints</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>音楽を演奏する</source>
        <translation>Play music</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>タイトル画面を演出付きで表示する</source>
        <translation>Show the title screen with its effect</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>開始時に資料を開く</source>
        <translation>Open the data windows when play begins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地図にスクロールバーを表示する</source>
        <translation>Show scroll bars on the map</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>鑑定ｽｷｯﾌﾟ(&amp;S)</source>
        <translation>&amp;Skip the appraisal dialogue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>入替計画で作業計画書を表示する</source>
        <translation>Show the Work Sheet in the Replacement Plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>月末に自動で記録する</source>
        <translation>Save automatically at the end of each month</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>メッセージの速さ</source>
        <translation>Message Speed</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>速</source>
        <translation>Fast</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>遅</source>
        <translation>Slow</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>右ドラッグでの地図の動き</source>
        <translation>Map Movement on a Right-Drag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>牽引(&amp;K)</source>
        <translation>&amp;Follow the Mouse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>逆進(&amp;G)</source>
        <translation>&amp;Reverse</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>各種資料</source>
        <translation>Data Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地図を常に手前に表示する</source>
        <translation>Keep the Map on top</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地区概略を常に手前に表示する</source>
        <translation>Keep the District Overview on top</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>区画データを常に手前に表示する</source>
        <translation>Keep Block Data on top</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>店舗データを常に手前に表示する</source>
        <translation>Keep Hall Data on top</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>台データを常に手前に表示する</source>
        <translation>Keep Machine Data on top</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾕﾆｵﾝﾏﾈｰｼﾞｬを常に手前に表示する</source>
        <translation>Keep the Union Manager on top</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>他店舗ﾃﾞｰﾀを常に手前に表示する</source>
        <translation>Keep Rival Hall Data on top</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>店舗の一覧にアイコンを表示する</source>
        <translation>Show icons in the lists of halls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>台の一覧にアイコンを表示する</source>
        <translation>Show icons in the lists of machines</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>報告事項</source>
        <translation>Reports</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>営業停止終了</source>
        <translation>End of a business suspension</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>工事終了</source>
        <translation>Construction finished</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新台の発表と発売</source>
        <translation>New models announced and released</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新台の販売終了</source>
        <translation>End of a new model&apos;s sales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>他社の出店工事</source>
        <translation>Rival companies building halls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>他店舗の開店</source>
        <translation>Rival halls opening</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>他店舗の閉店</source>
        <translation>Rival halls closing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>従業員の退職</source>
        <translation>Staff resignations</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>毎月の実績報告書</source>
        <translation>Monthly Results every month</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ボーナスシーズン</source>
        <translation>Bonus season</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新卒者の採用</source>
        <translation>Hiring new graduates</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>毎月のリサーチ</source>
        <translation>Research every month</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>実績報告書に店舗の診断を添える</source>
        <translation>Add each hall&apos;s diagnosis to the Monthly Results</translation>
    </message>
    <message>
        <location line="+3"/>
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
    <name>Twaitform</name>
    <message>
        <location filename="../../src/shell/wait_window.cpp" line="+53"/>
        <source>%1開発中．．．</source>
        <translation>%1 is developing...</translation>
    </message>
</context>
<context>
    <name>VersionWindow</name>
    <message>
        <location filename="../../src/shell/version_window.cpp" line="+20"/>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Version Information</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ぱちんこホール経営シミュレーション</source>
        <translation>A pachinko hall management simulation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>企画・プログラム・絵・音楽  Gindamaya97 開発チーム</source>
        <translation>Design, programming, pictures and music: the Gindamaya97 team</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>了解(&amp;R)</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>advice_text</name>
    <message>
        <location filename="../../src/company/advice_text.cpp" line="+32"/>
        <source>知名度は0です。毎月の決まりは平均%1ずつ下げる方に働いています。</source>
        <translation>Fame is at 0. The monthly rules are pulling it down by %1 a month on average.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>満足度は0です。毎月の決まりは平均%1ずつ下げる方に働いています。</source>
        <translation>Satisfaction is at 0. The monthly rules are pulling it down by %1 a month on average.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>知名度%1が、毎月平均%2ずつ下がる見込みです（約%3ヶ月で0）。</source>
        <translation>Fame (%1) is expected to fall by %2 a month on average (to 0 in about %3 months).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>満足度%1が、毎月平均%2ずつ下がる見込みです（約%3ヶ月で0）。</source>
        <translation>Satisfaction (%1) is expected to fall by %2 a month on average (to 0 in about %3 months).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>知名度%1が、毎月平均%2ずつ下がる見込みです（まもなく0）。</source>
        <translation>Fame (%1) is expected to fall by %2 a month on average (soon reaching 0).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>満足度%1が、毎月平均%2ずつ下がる見込みです（まもなく0）。</source>
        <translation>Satisfaction (%1) is expected to fall by %2 a month on average (soon reaching 0).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>人件費</source>
        <translation>personnel costs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保守費</source>
        <translation>maintenance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>営業費</source>
        <translation>operating costs</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>工事中です。完成まであと%1ヶ月です。</source>
        <translation>The hall is under construction, with %1 months to go until completion.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>完成するまでは営業できません。完成したら台を設置し、スタッフを配属して開店します。</source>
        <translation>It cannot do business until it is finished. Once it is, install machines, assign staff and open it.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>営業停止中です。停止が明けるまであと%1ヶ月です。</source>
        <translation>The hall is under business suspension, with %1 months until it is lifted.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>停止中も人件費と保守費は毎月およそ%1千円かかり、知名度は下がり続けます。停止が明けたら、開店費用%2千円で営業を再開できます。</source>
        <translation>Even while suspended, personnel costs and maintenance come to about ¥%1 thousand a month, and fame keeps falling. Once the suspension is lifted, the hall can reopen for an opening cost of ¥%2 thousand.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>台が一台もありません（空きは%1島）。</source>
        <translation>The hall has no machines at all (room for %1 islands).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>台のない店舗にはお客様が来ません。それでも経費は毎月およそ%1千円かかり、知名度も下がります。</source>
        <translation>No customers come to a hall without machines. Its costs still run to about ¥%1 thousand a month, and its fame falls as well.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>「新台購入」で台を買い、「入替」で%1に設置してください。</source>
        <translation>Please buy machines with &quot;Buy Machines&quot; and install them in %1 with &quot;Replace&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>スタッフが%1人で、適正人員の%2人に足りません。</source>
        <translation>The hall has %1 staff, fewer than the %2 needed.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>適正人員に満たない店舗は開店できません。適正人員は台の客付きとともに増え、お客様が入ると約%1人が必要になります。</source>
        <translation>A hall with fewer staff than needed cannot open. The staff needed grow with the machines&apos; occupancy: once customers come in, about %1 will be needed.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+23"/>
        <source>「人事」で%1人を雇用し、配属してください。</source>
        <translation>Please hire %1 staff in &quot;Personnel&quot; and assign them.</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>待機中も経費が毎月およそ%1千円かかります。開店費用は%2千円です。</source>
        <translation>Even while waiting, the hall costs about ¥%1 thousand a month. Opening it costs ¥%2 thousand.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>開店してお客様が入ると適正人員は約%1人に増えますので、人事で早めに補充してください。</source>
        <translation>Once it opens and customers come in, the staff needed will rise to about %1, so please make up the numbers early in Personnel.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>開店の準備が整っています。</source>
        <translation>The hall is ready to open.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「開店」を実行してください。</source>
        <translation>Please give the &quot;Open&quot; order.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>人員の充足率が%1%（%2人／適正人員%3人）で、全員退職の危険がある%4%を下回っています。</source>
        <translation>Staffing stands at %1% (%2 staff against %3 needed), below the %4% at which the whole staff may resign.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>営業中の店舗で充足率がこの水準を下回ると、月末にスタッフが不満を募らせ、二回に一回は全員が辞表を出して店舗は営業できなくなります。給与が求める額に届かないほど、この水準（不満の水準は%1%）は上がります。</source>
        <translation>When staffing at an open hall is below this level, the staff&apos;s discontent boils over at the month&apos;s end, and one time in two they all hand in their resignations and the hall can no longer do business. The further salaries fall short of the staff&apos;s demand, the higher this level rises (the level of discontent is %1%).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>今月中に「人事」で%1人を雇用し、配属してください。</source>
        <translation>Please hire %1 staff in &quot;Personnel&quot; this month and assign them.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>人員の充足率が%1%（%2人／適正人員%3人）で、不満の出る%4%を下回っています。</source>
        <translation>Staffing stands at %1% (%2 staff against %3 needed), below the %4% at which discontent sets in.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>この水準を下回るとスタッフは毎月不満を訴え、モラルが平均%1、スキルもその半分ほど下がり、福利厚生や教育による向上も止まります。</source>
        <translation>Below this level the staff complain every month: morale falls by %1 on average and skill by about half as much, and welfare and education no longer raise them.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>スタッフが%1人で、適正人員の%2人を下回っています（充足率%3%）。</source>
        <translation>The hall has %1 staff, below the %2 needed (staffing %3%).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>スタッフが%1人で、今は足りていますが、お客様が増えると適正人員は約%2人になります。</source>
        <translation>The hall has %1 staff, enough for now, but as customers increase about %2 will be needed.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>今月末には約%1人が辞める見込みです。</source>
        <translation>About %1 are expected to leave at the end of this month.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>月末の充足率が%1%を下回るとスタッフが不満を訴え、%2%を下回ると全員退職の恐れがあります。適正人員は、その月のお客様の数と台の古さで決まります。</source>
        <translation>If staffing at the month&apos;s end is below %1%, the staff complain; below %2%, they may all resign. The staff needed depend on the month&apos;s customers and the age of the machines.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>給与が求める額に届かないと、その不足の割合（%1%）でスタッフが毎月辞めていきます。今月末には約%2人が辞める見込みです。</source>
        <translation>When salaries fall short of the staff&apos;s demand, staff leave every month in proportion to the shortfall (%1%). About %2 are expected to leave at the end of this month.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>このままでは%1ヶ月で人員が不満の出る水準を割ります。</source>
        <translation>At this rate, staffing will drop below the level of discontent in %1 months.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>求める額はスキル、客付き、女性スタッフの割合とともに上がり、福利厚生が厚いと下がります。給与を上げると月%1千円、辞めた人を雇い直すと月およそ%2千円かかります。</source>
        <translation>The demand rises with skill, occupancy and the share of women on the staff, and falls with generous welfare. Raising salaries would cost ¥%1 thousand a month; hiring replacements for those who leave, about ¥%2 thousand a month.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>「人件費調整」で給与を%1千円にしてください。</source>
        <translation>Please set the salary to ¥%1 thousand in &quot;Personnel Costs&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>雇い直すほうが安上がりです。毎月「人事」で辞める人数を見込んで雇用してください（今月は%1人）。</source>
        <translation>Hiring replacements is cheaper. Each month, please hire in &quot;Personnel&quot; as many as are expected to leave (%1 this month).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>雇い直すほうが安上がりです。今月は人手に余裕があるので、補充の必要はありません。</source>
        <translation>Hiring replacements is cheaper. This month the hall has staff to spare, so no one needs replacing.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>給与が一人あたり月%1千円で、スタッフの求める%2千円に届きません（求める額の%3%）。</source>
        <translation>Salaries are ¥%1 thousand a head a month, short of the ¥%2 thousand the staff demand (%3% of the demand).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>スタッフが%1人で、適正人員の%2人より%3人ほど多くいます。</source>
        <translation>The hall has %1 staff, some %3 more than the %2 needed.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>余った人手にも毎月%1千円の人件費がかかります。解雇の退職金は%2千円で、数ヶ月で取り戻せます。</source>
        <translation>The surplus staff still cost ¥%1 thousand a month in personnel costs. Their severance pay is ¥%2 thousand, recovered within a few months.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>「人事」で%1人を転属し、解雇するか人手の足りない店舗に配属してください。</source>
        <translation>Please transfer %1 staff out in &quot;Personnel&quot;, then dismiss them or assign them to a hall that is short-handed.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>福利厚生費が一人あたり月%1千円で、モラル（現在%2）は%3に向かっています。</source>
        <translation>Welfare is ¥%1 thousand a head a month, and morale (now %2) is heading toward %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>モラルは毎月、福利厚生費の額に向かって動きます。モラルが低いと台の運営費がかさみ、客単価も伸びず、10以下になると毎月何人かが辞めていきます。福利厚生費を一人%1千円にするとモラルは%2に向かい、月およそ%3千円の得に対して、費用は下がる給与の要求を差し引いて月%4千円です。</source>
        <translation>Morale moves every month toward the level that welfare spending supports. Low morale drives up the machines&apos; running costs and holds down spending per customer, and at 10 or below some staff leave every month. Welfare of ¥%1 thousand a head would move morale toward %2, a gain of about ¥%3 thousand a month against a cost of ¥%4 thousand a month after the lower salary demands.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+18"/>
        <source>今のところ割に合いませんので、急ぐ必要はありません。</source>
        <translation>For now it would not pay for itself, so there is no hurry.</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>「人件費調整」で福利厚生費を%1千円にしてください。</source>
        <translation>Please set welfare to ¥%1 thousand in &quot;Personnel Costs&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>教育費が一人あたり月%1千円で、スキル（現在%2）は%3に向かっています。</source>
        <translation>Education is ¥%1 thousand a head a month, and skill (now %2) is heading toward %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>スキルは毎月、教育費の額に向かって動きます。スキルが低いと台の保守費がかさみ、客単価が伸びず、実際の利益率が設定から大きくぶれます。スキルが上がると、スタッフの求める給与も上がります。教育費を一人%1千円にするとスキルは%2に向かい、月およそ%3千円の得に対して、費用は上がる給与の要求を含めて月%4千円です。</source>
        <translation>Skill moves every month toward the level that education spending supports. Low skill drives up the machines&apos; maintenance, holds down spending per customer and makes the actual profit rate stray far from its setting. As skill rises, so do the salaries the staff demand. Education of ¥%1 thousand a head would move skill toward %2, a gain of about ¥%3 thousand a month against a cost of ¥%4 thousand a month including the higher salary demands.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>「人件費調整」で教育費を%1千円にしてください。</source>
        <translation>Please set education to ¥%1 thousand in &quot;Personnel Costs&quot;.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>サクラを雇う工作を行っています。</source>
        <translation>The hall is running a manipulation: hired shills.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>裏ROMを仕込む工作を行っています。</source>
        <translation>The hall is running a manipulation: rigged ROMs in its machines.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>特賞操作システムを導入する工作を行っています。</source>
        <translation>The hall is running a manipulation: a jackpot rigging system.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>空気の乾燥する十一月から三月には火事が起きやすく、ボヤで済むかどうかはスタッフのスキルとモラルで決まります。全焼すると建物、設備、台の約%1千円が失われます。</source>
        <translation>Fires break out easily from November to March, when the air is dry, and whether one stays a small fire depends on the staff&apos;s skill and morale. If the hall burns down, its building, equipment and machines, worth about ¥%1 thousand, are lost.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>モラル70、スキル50のスタッフなら、年%1%に下がります。</source>
        <translation>With staff of morale 70 and skill 50, the chance would fall to %1% a year.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>我が社の店舗はここだけですので、全焼すれば店舗がなくなり、経営は続けられません。</source>
        <translation>This is our company&apos;s only hall: if it burns down, we will have no hall left and the business cannot go on.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>この店舗で火災が起きて消し止められない確率は年およそ%1%で、その%2%は全焼です。</source>
        <translation>The chance of a fire at this hall that cannot be put out is about %1% a year, and %2% of such fires burn it to the ground.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>「人件費調整」で教育費を%1千円、福利厚生費を%2千円にしてください。</source>
        <translation>Please set education to ¥%1 thousand and welfare to ¥%2 thousand in &quot;Personnel Costs&quot;.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>今の状況で発覚する確率は月%1%（平均%2ヶ月に一度）です。</source>
        <translation>As things stand, the chance of exposure is %1% a month (once every %2 months on average).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>店舗が営業すれば、発覚の恐れが生じます。</source>
        <translation>Once the hall does business, it runs the risk of exposure.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>発覚すると満足度と洗練度が大きく下がり、周辺のファンが離れ、社長の魅力と統率力も下がります。</source>
        <translation>If it comes to light, satisfaction and refinement fall sharply, fans nearby turn away, and the President&apos;s charisma and leadership suffer too.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>発覚すると保釈金約%1千円を払い、%2ヶ月の営業停止となり、社長の魅力と統率力も下がります。</source>
        <translation>If it comes to light, we pay about ¥%1 thousand in bail, the hall is suspended for %2 months, and the President&apos;s charisma and leadership suffer too.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>スタッフのモラルも毎月平均%1下がります。</source>
        <translation>Staff morale also falls by %1 a month on average.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>「工作変更」でやめてください。</source>
        <translation>Please stop it with &quot;Manipulations&quot;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>交換率がパチンコ%1、スロット%2です。</source>
        <translation>The exchange rates are %1 for pachinko and %2 for slots.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>交換率が高い店では満足度が毎月下がり（下げれば月%1の改善）、スタッフのモラルとスキルの目標も%2%に下がります。一方で交換率が高いほど店の評価点は上がり、知名度も上がりやすくなります。</source>
        <translation>At a hall with high exchange rates, satisfaction falls every month (lowering them would improve it by %1 a month), and the staff&apos;s morale and skill aim at only %2% of their usual targets. On the other hand, the higher the exchange rates, the higher the hall&apos;s score, and the more easily its fame rises.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>「交換率変更」でパチンコを%1、スロットを%2以下にすると、満足度の下落は止まります。</source>
        <translation>Setting pachinko to %1 and slots to %2 or lower in &quot;Exchange Rates&quot; will stop satisfaction from falling.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1島が購入から12ヶ月以上たっています（平均%2ヶ月）。</source>
        <translation>%1 islands were bought 12 or more months ago (%2 months on average).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>台が古くなると知名度、洗練度、満足度が毎月下がり、保守費と必要なスタッフも増えます。入れ替えると知名度は月%1、満足度は月%2改善し、保守費は月%3千円下がる見込みです。</source>
        <translation>As machines age, fame, refinement and satisfaction fall every month, and maintenance and the staff needed rise. Replacing them should improve fame by %1 and satisfaction by %2 a month, and cut maintenance by ¥%3 thousand a month.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>「新台購入」で台を買い、「入替」で古い%1島と入れ替えてください。</source>
        <translation>Please buy machines with &quot;Buy Machines&quot; and swap them for the %1 old islands with &quot;Replace&quot;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1島に対して、先月のお客様%2人は%3島で足ります（客付き%4%）。</source>
        <translation>The hall has %1 islands, but last month&apos;s %2 customers would fit in %3 (occupancy %4%).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>お客様の数は島の数では増えず、島に分かれるだけです。島が多いほど保守費と運営費がかかり、適正人員も増えます。島を減らせば、必要なスタッフが%1人減り、月およそ%2千円が浮きます。</source>
        <translation>More islands do not bring more customers; they only spread them out. The more islands, the higher the maintenance and running costs, and the more staff needed. With fewer islands, %1 fewer staff would be needed, saving about ¥%2 thousand a month.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>「入替」で、客付きの低い%1島を倉庫に下げてください。</source>
        <translation>Please move the %1 islands with the lowest occupancy to the warehouse with &quot;Replace&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1島の客付きが%2%で、ほぼ満席です。</source>
        <translation>The %1 islands are at %2% occupancy, nearly full.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>一つの島は一時間に十人までしか遊べず、あふれたお客様は帰ってしまいます。先月のお客様%1人なら%2島あると安心です（空きは%3島）。</source>
        <translation>An island seats no more than ten players an hour, and customers who find no seat go home. For last month&apos;s %1 customers, %2 islands would be safe (there is room for %3).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>「新台購入」と「入替」で%1島を増やしてください。</source>
        <translation>Please add %1 islands with &quot;Buy Machines&quot; and &quot;Replace&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1島が先月赤字でした（合計%2千円の損）。最も低い利益率の設定は%3%です。</source>
        <translation>%1 islands lost money last month (¥%2 thousand in all). The lowest profit rate set is %3%.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>実際の利益率は、設定した利益率を中心に毎月ぶれます。設定が低いと、ぶれた月に玉を出しすぎて赤字になります。</source>
        <translation>The actual profit rate swings around the set rate every month. Set it low, and in a bad month the island pays out too many balls and makes a loss.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>「利益率」で利益率を%1%程度にしてください。</source>
        <translation>Please set the profit rate to about %1% in &quot;Profit Rates&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>知名度は毎月、先月の利益率の半分（今は%1）下がり、開店からの年月や台の古さでも下がります。</source>
        <translation>Fame falls every month by half of last month&apos;s profit rate (now %1), and also with the years since opening and the age of the machines.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>提案の販売促進で月%1改善します（費用は月%2千円）。</source>
        <translation>The promotions proposed would improve it by %1 a month (at ¥%2 thousand a month).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>「販促予算変更」でテレビコマーシャル、ダイレクトメール、ポケットティッシュを始めてください。</source>
        <translation>Please start TV commercials, direct mail and pocket tissues in &quot;Promotions&quot;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>満足度は毎月、先月の利益率の半分（今は%1）下がり、交換率の高さ、台の古さ、混雑でも下がります。設備、モラルとスキルの高いスタッフ、人気の台で上がります。</source>
        <translation>Satisfaction falls every month by half of last month&apos;s profit rate (now %1), and also with high exchange rates, old machines and crowding. It rises with equipment, staff of high morale and skill, and popular machines.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>「設備投資」で%1を導入すると、月%2改善します。</source>
        <translation>Installing %1 through &quot;Equipment Investment&quot; would improve it by %2 a month.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>「交換率変更」で交換率を下げると、月%1改善します。</source>
        <translation>Lowering the exchange rates in &quot;Exchange Rates&quot; would improve it by %1 a month.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>先月は粗利益%1千円に対し、経費が%2千円（最も多いのは%3）でした。</source>
        <translation>Last month, against a gross profit of ¥%1 thousand, costs came to ¥%2 thousand (mostly %3).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>先月のお客様の数なら、利益率%1%で粗利益が最も多くなる見込みです。</source>
        <translation>With last month&apos;s number of customers, a profit rate of %1% should bring the highest gross profit.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>「利益率」で全ての島の利益率を%1%にしてください。</source>
        <translation>Please set every island&apos;s profit rate to %1% in &quot;Profit Rates&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>お客様を増やすには、販売促進で周辺の区画のファンを増やします。</source>
        <translation>To draw more customers, promotions win more fans in the surrounding blocks.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>「販促予算変更」で販売促進を始めてください。</source>
        <translation>Please start promotions in &quot;Promotions&quot;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>利益率と販売促進は見直し済みです。お客様が増えるのを待つか、経費の大きい項目を見直してください。</source>
        <translation>The profit rates and promotions have already been reviewed. Please wait for customers to increase, or look again at the largest costs.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1ヶ月続けて赤字です（平均月%2千円の損）。</source>
        <translation>The hall has lost money %1 months in a row (¥%2 thousand a month on average).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1の店舗が%2区画先に建設中です（開店まであと%3ヶ月）。</source>
        <translation>%1 is building a hall %2 blocks away (opening in %3 months).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1の店舗が%2区画先に開店しました。</source>
        <translation>%1 has opened a hall %2 blocks away.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>商圏の重なる区画のお客様は、評価（洗練度、知名度、満足度、モラル、スキル、交換率）の高い店に多く分けられます。</source>
        <translation>Customers in blocks where the halls&apos; catchment areas overlap go mostly to the hall with the better rating (refinement, fame, satisfaction, morale, skill, exchange rates).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>先月の経常利益は%1千円の赤字で、資金%2千円はこのままでは約%3ヶ月で底をつきます。</source>
        <translation>Last month&apos;s result after tax was a loss of ¥%1 thousand; at this rate our cash of ¥%2 thousand will run out in about %3 months.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>資金が底をつくと倒産です。</source>
        <translation>If the cash runs out, the company goes bankrupt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>店舗一覧で赤字の店舗の所見を確かめてください。</source>
        <translation>Please check the findings for the loss-making halls in the Hall List.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>店舗が一軒もありません。</source>
        <translation>The company has no hall at all.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>六ヶ月を経ても店舗がないと、役員会議により辞任となります（あと%1ヶ月）。</source>
        <translation>If there is still no hall after six months, the board will force your resignation (%1 months left).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>今月中に店舗を出さないと、役員会議により辞任となります。</source>
        <translation>Unless we set up a hall this month, the board will force your resignation.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>区画データで土地を買収し、「工事」で店舗を建ててください。</source>
        <translation>Please buy land in Block Data and build a hall with &quot;Construction&quot;.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1店が先月赤字でした（合計%2千円の損）。</source>
        <translation>%1 halls lost money last month (¥%2 thousand in all).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>店舗一覧で各店の所見を確かめてください。</source>
        <translation>Please check each hall&apos;s findings in the Hall List.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>脱税額は累計%1千円です。</source>
        <translation>Tax evaded so far totals ¥%1 thousand.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>国税局に発覚する確率は月%1%で、発覚すると追徴課税%2千円を命ぜられ、営業中の全店が６ヶ月の営業停止となります。</source>
        <translation>The chance of the National Tax Agency finding out is %1% a month. If it does, we will be ordered to pay ¥%2 thousand in back taxes, and every open hall will be suspended for 6 months.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ﾕﾆｵﾝﾏﾈｰｼﾞｬの「変更」で特殊工作をやめてください。</source>
        <translation>Please stop the special manipulations with &quot;Change&quot; in the Union Manager.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>特殊工作をやめていても、累計額が残る間は調査の恐れがあります。</source>
        <translation>Even with the special manipulations stopped, an investigation remains possible while the evaded total stands.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1が(%2, %3)に店舗を建設中です（開店まであと%4ヶ月）。</source>
        <translation>%1 is building a hall at (%2, %3) (opening in %4 months).</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>参考</source>
        <translation>Note</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>注意</source>
        <translation>Caution</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>重要</source>
        <translation>Serious</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>至急</source>
        <translation>Urgent</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>【%1】%2</source>
        <translation>[%1] %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>特に問題はありません。</source>
        <translation>No particular problems.</translation>
    </message>
</context>
<context>
    <name>appraisal</name>
    <message>
        <location filename="../../src/store/appraisal.cpp" line="+11"/>
        <source>「射幸性は高いですか？」</source>
        <translation>&quot;Is the gambling appeal high?&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「ベースは甘いですか？」</source>
        <translation>&quot;Does it pay back generously?&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「洗練度はどうでしょう？」</source>
        <translation>&quot;And how refined is it?&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「斬新さはありますか？」</source>
        <translation>&quot;Is there anything new in it?&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>「．．．%1だな。」</source>
        <translation>&quot;...%1, I&apos;d say.&quot;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>「．．．%1だろ。」</source>
        <translation>&quot;...%1, surely.&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「．．．%1だ。」</source>
        <translation>&quot;...%1.&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「．．．%1ぐらい、かな。」</source>
        <translation>&quot;...about %1, maybe.&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>「Ａだな。いけるよ、こりゃ。」</source>
        <translation>&quot;An A. This one will do nicely.&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「．．．Ｂ、だあね。なかなかだ。」</source>
        <translation>&quot;...a B, I reckon. Not bad at all.&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「うーん、まあＣってとこか。」</source>
        <translation>&quot;Hmm, a C, more or less.&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「Ｄクラスだな。イマイチかも。」</source>
        <translation>&quot;D class. Not quite there, I fear.&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「良いとは思えんが、化けるかなあ．．」</source>
        <translation>&quot;Can&apos;t say it&apos;s good, but it might yet surprise us..&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>「この台はどうですか？」</source>
        <translation>&quot;What do you make of this machine?&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「さて、どうかな．．．。」</source>
        <translation>&quot;Well now, let&apos;s see....&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>「総合評価はどんなもんです？」</source>
        <translation>&quot;And overall, how does it rate?&quot;</translation>
    </message>
</context>
<context>
    <name>block</name>
    <message>
        <location filename="../../src/world/block.cpp" line="+19"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>空き地</source>
        <translation>Vacant land</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>道路</source>
        <translation>Road</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>十字路</source>
        <translation>Crossroads</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>T字路</source>
        <translation>T-junction</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>駅</source>
        <translation>Station</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>線路</source>
        <translation>Railway</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>自店舗</source>
        <translation>Our hall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>他店舗</source>
        <translation>Rival hall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>住宅</source>
        <translation>Housing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>教育施設</source>
        <translation>Educational facility</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>病院</source>
        <translation>Hospital</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>繁華街</source>
        <translation>Entertainment district</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>オフィス街</source>
        <translation>Office district</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>警察署</source>
        <translation>Police station</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>駐車場</source>
        <translation>Car park</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>市民</source>
        <translation>Citizens</translation>
    </message>
</context>
<context>
    <name>bulk_settings_order</name>
    <message>
        <location filename="../../src/company/bulk_settings_order.cpp" line="+14"/>
        <source>その値は設定できません。</source>
        <translation>That value cannot be set.</translation>
    </message>
    <message>
        <location line="+92"/>
        <location line="+3"/>
        <location line="+4"/>
        <location line="+31"/>
        <source>利益率一括修正</source>
        <translation>Bulk Profit Rates</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+31"/>
        <source>営業形態一括修正</source>
        <translation>Bulk Business Forms</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+31"/>
        <source>ﾓｰﾆﾝｸﾞ一括設定</source>
        <translation>Bulk Morning Service</translation>
    </message>
    <message>
        <location line="-21"/>
        <location line="+28"/>
        <source>新台初期値設定</source>
        <translation>New Machine Defaults</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>利益率を一括修正します。よろしいですか？</source>
        <translation>We will change the profit rates all at once. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>営業形態を一括調整します。よろしいですか？</source>
        <translation>We will change the business forms all at once. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>モーニングを一括設定します。よろしいですか？</source>
        <translation>We will set the morning service all at once. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>新台初期値を一括変更します。よろしいですか？</source>
        <translation>We will change the defaults for new machines all at once. Shall we proceed?</translation>
    </message>
</context>
<context>
    <name>caption</name>
    <message>
        <location filename="../../src/shell/caption.cpp" line="+14"/>
        <source>%1年 %2月</source>
        <translation>Year %1, Month %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  ボーナスシーズン</source>
        <translation>  Bonus Season</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1：%2経営中</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1：資金 %2</source>
        <translation>%1: Cash ¥%2 thousand</translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <location filename="../../src/store/catalogue.cpp" line="+42"/>
        <location line="+110"/>
        <location line="+8"/>
        <source>台の違法性発覚</source>
        <translation>Illegal Machine Exposed</translation>
    </message>
    <message>
        <location line="-107"/>
        <source>我が社の倉庫にも問題の台が保管してあります。ご検討ください。</source>
        <translation>Our warehouse also holds the machines in question. Please consider what to do.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1は問題の台をすでに設置しています。ご検討ください。</source>
        <translation>%1 already has the machines in question installed. Please consider what to do.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>          販売開始 !!</source>
        <translation>          On Sale Now !!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1台限定販売 !!</source>
        <translation>Limited Run of %1 !!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>売り切れ</source>
        <translation>Sold Out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 が新台 %2 の在庫を全て売り切りました。</source>
        <translation>%1 has sold its entire stock of the new model %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>販売終了</source>
        <translation>End of Sale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 の新台 %2 の販売期間が終了しました。</source>
        <translation>The sales period of %1&apos;s new model %2 has ended.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 の新台 %2 のゲーム性に違法性があるとの疑惑が浮上し、業界に波紋を拡げています。%1は販売中止を決定しました。</source>
        <translation>Suspicions have arisen that the play of %1&apos;s new model %2 is illegal, and the whole industry is stirred. %1 has decided to stop its sale.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>我が社は問題の台は一台も所有しておりません。良かったですね。</source>
        <translation>Our company owns not a single one of the machines in question. A relief, isn&apos;t it?</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>モデルオープンの依頼</source>
        <translation>Model Hall Request</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 が、新台 %2 を%3で導入して欲しいと強く求めています。我が社の店舗のどれかに今月中に導入したら、全国初導入のモデル店舗に認定すると先方はおっしゃっています。</source>
        <translation>%1 urges %3 to install its new model %2. If we install it in one of our halls this month, they say they will name that hall the nation&apos;s first model hall for it.</translation>
    </message>
</context>
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
<context>
    <name>city_file</name>
    <message>
        <location filename="../../src/persist/city_file.cpp" line="+23"/>
        <source>都市ファイルが短すぎます（%1 バイト）。</source>
        <translation>The city file is too short (%1 bytes).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>都市ファイルを読み込めません。</source>
        <translation>The city file cannot be read.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>都市ファイルの大きさが正しくありません。</source>
        <translation>The city size in the city file is not valid.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>都市ファイルに不明な区画があります。</source>
        <translation>The city file holds a block of an unknown kind.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>都市ファイルが通常のファイルではありません。</source>
        <translation>The city file is not a regular file.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>都市ファイルを開けません。</source>
        <translation>The city file cannot be opened.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>村</source>
        <translation>Village</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>町</source>
        <translation>Town</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>市</source>
        <translation>City</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>都市</source>
        <translation>Large City</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>大都市</source>
        <translation>Metropolis</translation>
    </message>
</context>
<context>
    <name>city_incidents</name>
    <message>
        <location filename="../../src/world/city_incidents.cpp" line="+41"/>
        <source>異常乾燥注意報</source>
        <translation>Dry Air Warning</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>空気が乾燥しています。火の元には充分注意しましょう。</source>
        <translation>The air is very dry. Let us take great care with anything that could start a fire.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>漁山泊の蠢動</source>
        <translation>Ryozanpaku on the Move</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1にパチンコ攻略集団「漁山泊」がやってきているようです。</source>
        <translation>It seems the pachinko-beating gang &quot;Ryozanpaku&quot; has come to %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>暴力団抗争</source>
        <translation>Gang War</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1で暴力団同士の抗争が激化しております。我が社で事件が起こらなければよいのですが．．．</source>
        <translation>The war between the gangs of %1 is growing fiercer. Let us hope nothing happens at our halls...</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>組合からの苦情</source>
        <translation>Complaint from the Union</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>組合から我が社に苦情が届いております。内容は「市民の射幸心を煽りすぎ、パチンコに対する不信感が高まっている」との事です。組合の規制の締め付けを回避する為に、追徴金%1を支払いますか？</source>
        <translation>The union has sent our company a complaint: &quot;You stir up the citizens&apos; gambling spirit too much, and distrust of pachinko is growing.&quot; Shall we pay a penalty of ¥%1 thousand to spare ourselves tighter union rules?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>営業時間の規制</source>
        <translation>Business Hours Restricted</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>組合の方針により、一日の営業時間は%1時間となりました。</source>
        <translation>By the union&apos;s decision, business hours are now %1 hours a day.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>デモ</source>
        <translation>Demonstration</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1各所で市民がデモを行っています。デモの内容は「町の治安を乱す行き過ぎたパチンコ店のやり口を許すな！」などというもので、相次ぐパチンコ店がらみの事件などに触発されたものと思われます。パチンコに対するイメージの悪化が懸念されます。</source>
        <translation>Citizens are demonstrating all over %1, with slogans such as &quot;Stop the pachinko halls&apos; excesses that ruin our town&apos;s safety!&quot; They seem to have been stirred by the string of incidents around pachinko halls. We fear for the image of pachinko.</translation>
    </message>
</context>
<context>
    <name>company</name>
    <message>
        <location filename="../../src/company/company.cpp" line="+45"/>
        <source>3億円</source>
        <translation>¥300 million</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>4億円</source>
        <translation>¥400 million</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>5億円</source>
        <translation>¥500 million</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>6億円</source>
        <translation>¥600 million</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>7億円</source>
        <translation>¥700 million</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>8億円</source>
        <translation>¥800 million</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>9億円</source>
        <translation>¥900 million</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>10億円</source>
        <translation>¥1 billion</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>500台収容</source>
        <translation>Holds 500 machines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2,000台収容</source>
        <translation>Holds 2,000 machines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5,000台収容</source>
        <translation>Holds 5,000 machines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>10,000台収容</source>
        <translation>Holds 10,000 machines</translation>
    </message>
</context>
<context>
    <name>company_orders</name>
    <message>
        <location filename="../../src/company/company_orders.cpp" line="+26"/>
        <source>倉庫を%1台収容できる規模に改築します。費用が%2かかりますが、よろしいですか？</source>
        <translation>We will rebuild the warehouse to hold %1 machines. This will cost ¥%2 thousand. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+11"/>
        <source>倉庫改築</source>
        <translation>Warehouse Rebuild</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>資金不足</source>
        <translation>Insufficient Funds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>費用が足りません。</source>
        <translation>We cannot cover the cost.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>倉庫を改築しました。これからは最大%1台を収容できるようになります。</source>
        <translation>The warehouse has been rebuilt. From now on it can hold up to %1 machines.</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+7"/>
        <location line="+3"/>
        <source>特殊工作</source>
        <translation>Special Manipulations</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>アレをやめるのですね？</source>
        <translation>So we are to stop... that, then?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>アレを．．．実行するのですか？．．．本当に．．？</source>
        <translation>You want us to... do that? ...Really...?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>わかりました．．．。今月より実行いたします。</source>
        <translation>Understood... We will begin this month.</translation>
    </message>
</context>
<context>
    <name>construction_end</name>
    <message>
        <location filename="../../src/company/construction_end.cpp" line="+22"/>
        <source>%1の工事が完了しました。新しく %2規模のパーラーが %3に加わります。</source>
        <translation>Construction of %1 is complete. A new hall of size %2 joins %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>工事完了</source>
        <translation>Construction Complete</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1の営業停止処分の期間が終了しました。費用が %2かかりますが、すぐに営業を再開しますか？</source>
        <translation>The business suspension of %1 is over. Reopening will cost ¥%2 thousand. Shall we reopen at once?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>営業再開</source>
        <translation>Reopening</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>資金不足</source>
        <translation>Insufficient Funds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>資金が足りません。</source>
        <translation>We do not have enough cash.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>台が足りません。</source>
        <translation>There are not enough machines.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｽﾀｯﾌが足りません。</source>
        <translation>There are not enough staff.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>準備不足</source>
        <translation>Not Ready</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>開店</source>
        <translation>Opening</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の営業を再開しました。心機一転、お客様に喜ばれるお店創りに頑張っていきましょう。</source>
        <translation>%1 has reopened for business. Let us make a fresh start and build a hall our customers will love.</translation>
    </message>
</context>
<context>
    <name>construction_order</name>
    <message>
        <location filename="../../src/company/construction_order.cpp" line="+16"/>
        <source>空き地(&amp;S)</source>
        <translation>&amp;Vacant Land</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>駐車場(&amp;C)</source>
        <translation>Car Pa&amp;rk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>１フロアの店舗(&amp;1)</source>
        <translation>&amp;1-Floor Hall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>２フロアの店舗(&amp;2)</source>
        <translation>&amp;2-Floor Hall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>３フロアの店舗(&amp;3)</source>
        <translation>&amp;3-Floor Hall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>パーク級の店舗(&amp;4)</source>
        <translation>&amp;Park-Class Hall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>タワー級の店舗(&amp;5)</source>
        <translation>&amp;Tower-Class Hall</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>工事内容</source>
        <translation>Construction Work</translation>
    </message>
    <message>
        <location line="+52"/>
        <location line="+7"/>
        <location line="+4"/>
        <source>工事</source>
        <translation>Construction</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>店舗の状態が「待機中」でないと工事はできません。</source>
        <translation>Construction is possible only while the hall is &quot;Waiting&quot;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>その工事はできません。</source>
        <translation>That work cannot be done.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>そこは我が社の土地ではありません。</source>
        <translation>That is not our company&apos;s land.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>それでは意味がありません。</source>
        <translation>That would serve no purpose.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>規模を縮小する前に、無くなるフロアの台を入替で撤去してください。</source>
        <translation>Before making the hall smaller, please remove the machines on the floors that will go, using Replace.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>法令により、２区画以内の距離に病院がすでにある場合、店舗を開業する事はできません。お考え直しください。</source>
        <translation>By law, a hall may not open within 2 blocks of a hospital. Please reconsider.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>法令により、２区画以内の距離に教育施設がすでにある場合、店舗を開業する事はできません。お考え直しください。</source>
        <translation>By law, a hall may not open within 2 blocks of an educational facility. Please reconsider.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>残念ながら、これ以上店舗を増やすのは時期尚早と思われます。お考え直しください。</source>
        <translation>Regrettably, it seems too early to add any more halls. Please reconsider.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+7"/>
        <location line="+4"/>
        <source>撤退</source>
        <translation>Withdrawal</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>店舗を取り壊す前に、店舗のスタッフ全員を他の店舗へ異動させてください。</source>
        <translation>Before pulling down the hall, please transfer all its staff to other halls.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>店舗を取り壊す前に、店舗の台を全て入替で倉庫へ移してください。</source>
        <translation>Before pulling down the hall, please move all its machines to the warehouse using Replace.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1から%2の店舗が一軒も無くなってしまいます。お考え直しください。</source>
        <translation>%2 would have no hall left in %1. Please reconsider.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>区画 %1 を取り壊し、空き地にします。よろしいですか？</source>
        <translation>We will clear block %1 to vacant land. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>区画 %1 を取り壊し、駐車場にします。よろしいですか？</source>
        <translation>We will pull down block %1 and make it a car park. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>区画 %1 を駐車場にします。よろしいですか？</source>
        <translation>We will make block %1 a car park. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1級の店舗 %2 を新築します。よろしいですか？</source>
        <translation>We will build %2, a new hall of the %1 class. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>報告</source>
        <translation>Report</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>工事を開始致します。%1の完成は%2年%3月の予定です。</source>
        <translation>Construction begins. %1 is due for completion in Year %2, Month %3.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>工事実行</source>
        <translation>Start Construction</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>倉庫の改築</source>
        <translation>Warehouse Rebuild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>そろそろ本社の倉庫も手狭になってきました。台の収容能力を高める為に、倉庫の改築をしたいと思うのですが、どうでしょう？</source>
        <translation>The head office&apos;s warehouse is getting cramped. We would like to rebuild it to hold more machines. What do you say, Mr. President?</translation>
    </message>
</context>
<context>
    <name>detail_dialogs</name>
    <message>
        <location filename="../../src/ui/detail_dialogs.cpp" line="+23"/>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>donation</name>
    <message>
        <location filename="../../src/world/donation.cpp" line="+50"/>
        <source>%1を寄付します。よろしいですか？</source>
        <translation>We will donate ¥%1 thousand. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>寄付願い</source>
        <translation>Request for a Donation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の慈善団体が、活動資金の寄付を我が社に願い出ております。寄付されたお金は、%1の育英事業に役立てたいとの事ですが、寄付しますか？</source>
        <translation>A charity of %1 asks our company for a donation to its funds. They wish to use the money for scholarships in %1. Shall we donate?</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+7"/>
        <source>寄付</source>
        <translation>Donation</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>これで我が社のイメージが少しでも良くなればいいですね。</source>
        <translation>Let us hope this improves our company&apos;s image a little.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>あまり慈善団体の方は喜んでいらっしゃらなかったようですが．．．出し渋ったのですか？</source>
        <translation>The charity did not seem very pleased... Were we holding back, Mr. President?</translation>
    </message>
</context>
<context>
    <name>earthquake</name>
    <message>
        <location filename="../../src/world/earthquake.cpp" line="+54"/>
        <source>%1にも設備にかなりの被害がありました。また、%2台の台が破壊され、使い物にならなくなりました。スタッフも動揺しています。</source>
        <translation>%1 has also suffered serious damage to its equipment, and %2 machines were destroyed beyond use. The staff are shaken.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1にも設備にかなりの被害がありました。スタッフも動揺しています。</source>
        <translation>%1 has also suffered serious damage to its equipment. The staff are shaken.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>店舗半壊</source>
        <translation>Hall Badly Damaged</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+21"/>
        <source>店舗全壊</source>
        <translation>Hall Destroyed</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>%1が跡形も無く全壊してしまいました．．．大混乱のうちに、スタッフも四散してしまいました．．．心中お察しいたします．．．．。</source>
        <translation>%1 has been destroyed without a trace... In the chaos, its staff have scattered too... You have our deepest sympathy....</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1の店舗もかなりの被害にあっています。</source>
        <translation>%1&apos;s halls have suffered heavy damage as well.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1大震災</source>
        <translation>The Great %1 Earthquake</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>た、大変です！%1をマグニチュード７．２規模の直下型大地震が直撃しました！各所で人的物的に凄まじい被害が出ております！</source>
        <translation>M-Mr. President! A magnitude 7.2 earthquake has struck right beneath %1! There are terrible casualties and damage everywhere!</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>税率の改正</source>
        <translation>Tax Rate Revised</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>震災の影響により、%1の税率が%2％に改正されました。</source>
        <translation>Because of the earthquake, the tax rate of %1 has been revised to %2%.</translation>
    </message>
</context>
<context>
    <name>ending_window</name>
    <message>
        <location filename="../../src/shell/ending_window.cpp" line="+30"/>
        <source>Ｇｉｎｄａｍａｙａ９７
企画・制作&#x3000;&#x3000;銀玉工房
プログラム&#x3000;&#x3000;穴守&#x3000;釘太
グラフィック&#x3000;花村&#x3000;ひかり
音楽&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;玉響&#x3000;鈴音
協力&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;駅前通り商店会のみなさん
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;深夜喫茶「釘の木」
最後まで遊んでくださったあなたに、心から感謝を。</source>
        <translation>Gindamaya97
Produced by: Gindama Kobo
Programming: Kugita Anamori
Graphics: Hikari Hanamura
Music: Suzune Tamayura
With thanks to: the Ekimae-dori shopkeepers
    and the late-night café &quot;Kugi no Ki&quot;
To you, who played to the end: heartfelt thanks.</translation>
    </message>
</context>
<context>
    <name>equipment_order</name>
    <message>
        <location filename="../../src/store/equipment_order.cpp" line="+21"/>
        <location line="+3"/>
        <location line="+33"/>
        <source>設備投資</source>
        <translation>Equipment Investment</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>工事中は設備を設置できません。</source>
        <translation>Equipment cannot be installed while the hall is under construction.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>その設備は導入できません。</source>
        <translation>That equipment cannot be installed.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ｽﾍﾟｰｽ不足</source>
        <translation>Not Enough Room</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1に %2 を導入する為には、%3階ﾎｰﾙに %4島分（%5台分）のスペースが必要です。</source>
        <translation>To install %2 in %1, floor %3 needs room for %4 islands (%5 machines).</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1の %2階ホールに %3を設置します。%4島分（%5台分）のスペースを占有し、%6の費用がかかりますが、よろしいですか？</source>
        <translation>We will install %3 on floor %2 of %1. It takes the room of %4 islands (%5 machines) and costs ¥%6 thousand. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1に %2を導入します。%3の費用がかかりますが、よろしいですか？</source>
        <translation>We will install %2 in %1. It costs ¥%3 thousand. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>設置完了</source>
        <translation>Installation Complete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の設置を完了しました。今月の実績報告が楽しみですね。</source>
        <translation>%1 is installed. We look forward to this month&apos;s results.</translation>
    </message>
</context>
<context>
    <name>exchange_rate_order</name>
    <message>
        <location filename="../../src/company/exchange_rate_order.cpp" line="+36"/>
        <location line="+4"/>
        <location line="+7"/>
        <location line="+22"/>
        <source>交換率変更</source>
        <translation>Exchange Rates</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>その交換率は選べません。</source>
        <translation>That exchange rate cannot be chosen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>組合の規制により、パチンコの交換率は %1までと定められています。</source>
        <translation>Under the union&apos;s rules, the pachinko exchange rate may go no higher than %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>組合の規制により、パチスロの交換率は %1までと定められています。</source>
        <translation>Under the union&apos;s rules, the pachislot exchange rate may go no higher than %1.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>交換率を変更します。コストが  %1かかりますが、よろしいですか？</source>
        <translation>We will change the exchange rates. This will cost ¥%1 thousand. Shall we proceed?</translation>
    </message>
</context>
<context>
    <name>fires</name>
    <message>
        <location filename="../../src/world/fires.cpp" line="+41"/>
        <source>ボヤ</source>
        <translation>Small Fire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1でボヤ騒ぎがありました！幸いにも駆けつけた人間が素早く適切な初期消火を行ってくれましたので、火災は未然に防がれ、混乱も最小限度に鎮められました。損害は%2程度です。</source>
        <translation>A small fire broke out at %1! Fortunately, those who rushed to the scene put it out quickly and properly, so a real fire was prevented and the confusion kept to a minimum. The damage comes to about ¥%2 thousand.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>火災</source>
        <translation>Fire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1で火災が発生しました！初期消火は殆ど効果がなく、又消防署への連絡も遅れてしまった為、被害の拡大を防ぎきれなかったようです。誠に無念ながら、%2が全焼してしまいました！</source>
        <translation>A fire broke out at %1! The first attempts to put it out achieved little and the fire brigade was called too late, so the damage could not be contained. Most regrettably, %2 floors burned out completely!</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>大火災</source>
        <translation>Great Fire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>た、大変です！%1で大規模な火災が発生しました！数日来の乾燥した空気のせいで、火の回りが思いのほか早かったようで、消防隊の必死の消火作業も空しく店舗は焼け落ちてしまいました．．．ご愁傷様でした．．．。</source>
        <translation>M-Mr. President! A huge fire broke out at %1! With the air so dry these past days the fire spread faster than anyone expected, and despite the fire brigade&apos;s desperate efforts the hall burned to the ground... Our deepest condolences....</translation>
    </message>
</context>
<context>
    <name>fluid_sound_player</name>
    <message>
        <location filename="../../src/shell/fluid_sound_player.cpp" line="+39"/>
        <source>%1が見つからないか、開けません。このファイルはGndmya97.exeと同じフォルダに置いてください。</source>
        <translation>%1 could not be found or opened. Please put this file in the same folder as Gndmya97.exe.</translation>
    </message>
    <message>
        <location line="+105"/>
        <location line="+15"/>
        <source>音楽なし：シンセサイザーを準備できません。</source>
        <translation>No music: the synthesizer could not be prepared.</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>音楽なし：サウンドフォントが見つかりません。</source>
        <translation>No music: no SoundFont was found.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>音楽なし：音声出力装置を開けません。</source>
        <translation>No music: the audio output device could not be opened.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>音楽なし：サウンドフォントを読めません。</source>
        <translation>No music: the SoundFont could not be read.</translation>
    </message>
</context>
<context>
    <name>founding</name>
    <message>
        <location filename="../../src/company/founding.h" line="+17"/>
        <source>大河内会長</source>
        <translation>Chairman Okochi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>銀玉興業株式会社</source>
        <translation>Gindama Industries Co., Ltd.</translation>
    </message>
</context>
<context>
    <name>gang_attack</name>
    <message>
        <location filename="../../src/world/gang_attack.cpp" line="+91"/>
        <source>%1にて、%2が漁山泊に攻略されました！調査によると、どうやらこの台のゲーム性には元々違法性があったようです！被害を受けた台数は%3台、被害金額は%4に昇っています！</source>
        <translation>At %1, Ryozanpaku has beaten our %2! Our investigation shows that the play of this machine seems to have been illegal from the start! %3 machines were hit, and the losses come to ¥%4 thousand!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1にて、%2が漁山泊に攻略されました！被害を受けた台数は%3台、被害金額は%4に昇っています！</source>
        <translation>At %1, Ryozanpaku has beaten our %2! %3 machines were hit, and the losses come to ¥%4 thousand!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>漁山泊の襲撃</source>
        <translation>Ryozanpaku Strikes</translation>
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
        <translation>Halls within command</translation>
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
    <name>gm::DataWindow</name>
    <message>
        <location filename="../../src/shell/sub_windows.cpp" line="+138"/>
        <source>人事(&amp;S)</source>
        <translation>&amp;Personnel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>命令終了(&amp;X)</source>
        <translation>&amp;End Month</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新台購入(&amp;B)</source>
        <translation>&amp;Buy New Machines</translation>
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
    <name>gm::MAPGRID</name>
    <message>
        <location filename="../../src/shell/map_view.cpp" line="+31"/>
        <source>ｸﾘｯｸで区画ﾃﾞｰﾀ表示<byte value="xd"/>ﾀﾞﾌﾞﾙｸﾘｯｸorﾘﾀｰﾝで店舗ﾃﾞｰﾀ／他店舗ﾃﾞｰﾀ表示<byte value="xd"/>右ｸﾘｯｸでﾎﾟｯﾌﾟｱｯﾌﾟ<byte value="xd"/>ﾏｳｽ右ﾎﾞﾀﾝﾄﾞﾗｯｸﾞでｽｸﾛｰﾙ|</source>
        <translation>Click: Block Data<byte value="xd"/>Double-click or Enter: Hall Data / Rival Hall Data<byte value="xd"/>Right-click: pop-up menu<byte value="xd"/>Right-drag: scroll the map|</translation>
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
    <name>gm::MiniMap</name>
    <message>
        <location filename="../../src/shell/mini_map.cpp" line="+185"/>
        <source>ｸﾘｯｸで移動
右ｸﾘｯｸでﾎﾟｯﾌﾟｱｯﾌﾟ</source>
        <translation>Click: move the map there
Right-click: pop-up menu</translation>
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
    <name>gm::ResultsReportView</name>
    <message>
        <location filename="../../src/shell/results_report.cpp" line="+30"/>
        <source>売上げ</source>
        <translation>Sales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>粗利益</source>
        <translation>Gross Profit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>利益率</source>
        <translation>Profit Rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>人件費</source>
        <translation>Personnel Costs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保守費</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>営業費</source>
        <translation>Operating Costs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>純利益</source>
        <translation>Net Profit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>稼働率</source>
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
        <location line="+1"/>
        <source>モラル</source>
        <translation>Morale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>スキル</source>
        <translation>Skill</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1年%2月</source>
        <translation>Y%1 M%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1  %2年 %3月の実績報告書</source>
        <translation>%1  Monthly Results, Year %2, Month %3</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>課税</source>
        <translation>Income Tax</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>純利益に対し課税された税金</source>
        <translation>The tax charged on the net profit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>パチンコ税</source>
        <translation>Pachinko Tax</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ｘ Ｘ Ｘ Ｘ</source>
        <translation>X X X X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>経常利益</source>
        <translation>Profit after Tax</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>純粋な儲け</source>
        <translation>What we truly earned</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>資金</source>
        <translation>Cash</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>残り資金</source>
        <translation>The cash left</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>全体</source>
        <translation>Whole Company</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>全体収支(千円)</source>
        <translation>Company Accounts (¥1,000)</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>今月
%1</source>
        <translation>This Month
%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>先月
%1</source>
        <translation>Last Month
%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>増減</source>
        <translation>Change</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1(千円)</source>
        <translation>%1 (¥1,000)</translation>
    </message>
</context>
<context>
    <name>gm::ResultsReportWindow</name>
    <message>
        <location line="+11"/>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
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
    <name>gm::SaveGameDialog</name>
    <message>
        <location filename="../../src/shell/save_file_dialog.cpp" line="+14"/>
        <source>営報%1.PLR</source>
        <translation>Report%1.PLR</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>営業報告書から引き継ぐ</source>
        <translation>Continue from a Business Report</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>営業報告書に記録</source>
        <translation>Save to a Business Report</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>営業報告書(*.PLR)</source>
        <translation>Business reports (*.PLR)</translation>
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
        <translation>Single E&amp;xchange</translation>
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
    <name>gm::TMain</name>
    <message>
        <location filename="../../src/shell/main_menus.cpp" line="+41"/>
        <source>営業(&amp;F)</source>
        <translation>&amp;Business</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新規出店(&amp;N)</source>
        <translation>&amp;New Company</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>引き継ぎ(&amp;O)</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>記録(&amp;A)</source>
        <translation>Save &amp;As</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>上書き記録(&amp;V)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>運営設定(&amp;G)</source>
        <translation>Se&amp;ttings</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>退社(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>資料(&amp;G)</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾕﾆｵﾝﾏﾈｰｼﾞｬ(&amp;U)</source>
        <translation>&amp;Union Manager</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>店舗ﾘｽﾄ(&amp;L)</source>
        <translation>Hall &amp;List</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地区概略(&amp;T)</source>
        <translation>District &amp;Overview</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地図(&amp;M)</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>実績報告書(&amp;J)</source>
        <translation>Monthly &amp;Results</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>リサーチ(&amp;A)</source>
        <translation>Re&amp;search</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>一般行動(&amp;D)</source>
        <translation>&amp;Actions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>新台購入(&amp;B)</source>
        <translation>&amp;Buy New Machines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>人事(&amp;S)</source>
        <translation>&amp;Personnel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>命令終了(&amp;X)</source>
        <translation>&amp;End Month</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>区画強調(&amp;V)</source>
        <translation>H&amp;ighlight</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>強調表示する区画の種類を選択</source>
        <translation>Choose the kinds of block to highlight</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>全て(&amp;A)</source>
        <translation>&amp;All</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>店舗(&amp;T)</source>
        <translation>&amp;Halls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>市街(&amp;C)</source>
        <translation>Ho&amp;using</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>繁華街(&amp;H)</source>
        <translation>&amp;Entertainment Districts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>オフィス街(&amp;O)</source>
        <translation>&amp;Office Districts</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>教育施設(&amp;S)</source>
        <translation>&amp;Schools</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>病院(&amp;M)</source>
        <translation>Hos&amp;pitals</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>警察(&amp;P)</source>
        <translation>Poli&amp;ce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>空き地(&amp;E)</source>
        <translation>&amp;Vacant Land</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>縮尺(&amp;U)</source>
        <translation>&amp;Scale</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>目次(&amp;C)</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>項目の検索(&amp;T)</source>
        <translation>&amp;Search Topics</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;V)</source>
        <translation>&amp;Version Information</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="+409"/>
        <source>業務終了</source>
        <translation>Closing for the Day</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>本日の業務を終了します。よろしいですか？</source>
        <translation>We will close today&apos;s business. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>退社</source>
        <translation>Leaving the Office</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>お疲れ様でした。</source>
        <translation>Thank you for your hard work.</translation>
    </message>
</context>
<context>
    <name>gm::TMorningchousei</name>
    <message>
        <location filename="../../src/ui/island_bulk_dialogs.cpp" line="-28"/>
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
    <name>gm::Tallmap</name>
    <message>
        <location filename="../../src/shell/sub_windows.cpp" line="+4"/>
        <source>地図</source>
        <translation>Map</translation>
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
    <name>gm::Tchikudata</name>
    <message>
        <location filename="../../src/shell/sub_windows.cpp" line="+3"/>
        <source>地区概略</source>
        <translation>District Overview</translation>
    </message>
</context>
<context>
    <name>gm::Tchipform</name>
    <message>
        <location line="+3"/>
        <source>区画データ</source>
        <translation>Block Data</translation>
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
    <name>gm::Tddaidata</name>
    <message>
        <location filename="../../src/shell/sub_windows.cpp" line="+20"/>
        <source>台データ</source>
        <translation>Machine Data</translation>
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
    <name>gm::Tentempoform</name>
    <message>
        <location filename="../../src/shell/sub_windows.cpp" line="+24"/>
        <source>他店舗ﾃﾞｰﾀ</source>
        <translation>Rival Hall Data</translation>
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
    <name>gm::Tidouform</name>
    <message>
        <location filename="../../src/shell/sub_windows.cpp" line="-16"/>
        <source>人事</source>
        <translation>Personnel</translation>
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
    <name>gm::Tjissekiform</name>
    <message>
        <location filename="../../src/shell/sub_windows.cpp" line="+28"/>
        <source>実績報告書</source>
        <translation>Monthly Results</translation>
    </message>
</context>
<context>
    <name>gm::Tkaishaform</name>
    <message>
        <location line="-33"/>
        <source>ﾕﾆｵﾝﾏﾈｰｼﾞｬ</source>
        <translation>Union Manager</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ﾘｽﾄ(&amp;L)</source>
        <translation>Hall &amp;List</translation>
    </message>
</context>
<context>
    <name>gm::Tkakunin</name>
    <message>
        <location filename="../../src/shell/message_dialog.cpp" line="+60"/>
        <location line="+54"/>
        <source>了解(&amp;R)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>取り消し(&amp;N)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>実行(&amp;R)</source>
        <translation>&amp;Proceed</translation>
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
    <name>gm::Tmakekaichou</name>
    <message>
        <location filename="../../src/shell/new_game_dialogs.cpp" line="+236"/>
        <source>会社設立</source>
        <translation>Found the Company</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>代表者の名前を入力</source>
        <translation>Enter the president&apos;s name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>会社の名前を入力</source>
        <translation>Enter the company&apos;s name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>代表者名</source>
        <translation>President</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>会社名</source>
        <translation>Company</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>資質</source>
        <translation>Qualities</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>統率力</source>
        <translation>Leadership</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>部下を統率する能力</source>
        <translation>The ability to lead the staff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>知性</source>
        <translation>Intelligence</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>代表者の知的水準</source>
        <translation>The president&apos;s intellect</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>魅力</source>
        <translation>Charisma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>代表者の人望</source>
        <translation>The president&apos;s standing with people</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>鑑定眼</source>
        <translation>Appraisal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>台を見分ける力</source>
        <translation>An eye for good machines</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>最初の手持ち資金</source>
        <translation>The cash to start with</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>資本金</source>
        <translation>Capital</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+58"/>
        <source>能力設定(&amp;V)</source>
        <translation>&amp;Roll Qualities</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>能力を変更</source>
        <translation>Change the qualities</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>決定(&amp;R)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取り消し(&amp;N)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>ストップ(&amp;V)</source>
        <translation>Stop &amp;Rolling</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>会社を設立します。会社名、代表者名を入力し、能力設定ボタンで代表者の資質と資本金を設定してください。</source>
        <translation>We are founding the company. Enter the company&apos;s name and the president&apos;s name, then settle the president&apos;s qualities and the capital with the Roll Qualities button.</translation>
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
        <translation>Goodwill</translation>
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
    <name>gm::Tminilist</name>
    <message>
        <location filename="../../src/shell/sub_windows.cpp" line="+38"/>
        <source>ﾘｽﾄ</source>
        <translation>Hall List</translation>
    </message>
</context>
<context>
    <name>gm::Tnewform</name>
    <message>
        <location filename="../../src/shell/new_game_dialogs.cpp" line="-306"/>
        <source>新規出店</source>
        <translation>New Company</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>出店する地区を選択</source>
        <translation>Choose the district to open in</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>市の名前</source>
        <translation>City</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>規模</source>
        <translation>Size</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>税率</source>
        <translation>Tax Rate</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>営業時間</source>
        <translation>Business Hours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>営業日数</source>
        <translation>Business Days</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>市の開発方針</source>
        <translation>The City&apos;s Development Policy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>宅地開発</source>
        <translation>Housing Development</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>商業奨励</source>
        <translation>Commerce Promotion</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>事業誘致</source>
        <translation>Business Attraction</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>交換率の規制</source>
        <translation>Exchange Rate Limits</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ﾊﾟﾁﾝｺ</source>
        <translation>Pachinko</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ｽﾛｯﾄ</source>
        <translation>Slot</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>難易度選択</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>出店(&amp;R)</source>
        <translation>&amp;Open Here</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取り消し(&amp;N)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>出店する地区を選考してください。</source>
        <translation>Please choose the district where we shall open.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>次の都市ファイルは読み込めないため、一覧に載せていません。

%1</source>
        <translation>The following city files cannot be read and are left out of the list.

%1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 ％</source>
        <translation>%1%</translation>
    </message>
    <message>
        <location line="+4"/>
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
        <location line="+2"/>
        <source>なし</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>gm::Treserchform</name>
    <message>
        <location filename="../../src/shell/research_window.cpp" line="+31"/>
        <source>%1年 %2月のリサーチ結果</source>
        <translation>Research Results, Year %1, Month %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1のパチンコファンの店舗に対する支持率</source>
        <translation>Each company&apos;s share of the pachinko fans of %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
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
    <name>gm::Tsindaiform</name>
    <message>
        <location filename="../../src/shell/sub_windows.cpp" line="-27"/>
        <source>新台製作発表</source>
        <translation>New Model Announcement</translation>
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
    <name>gm::Ttempoform</name>
    <message>
        <location filename="../../src/shell/sub_windows.cpp" line="-27"/>
        <source>店舗データ</source>
        <translation>Hall Data</translation>
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
    <name>hiring</name>
    <message>
        <location filename="../../src/company/hiring.cpp" line="+36"/>
        <location line="+46"/>
        <source>雇用</source>
        <translation>Hiring</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>今月はすでに雇用を行っております。来月までお待ちください。</source>
        <translation>We have already hired this month. Please wait until next month.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>募集できる人数は0人から10,000人までです。</source>
        <translation>We can recruit from 0 to 10,000 people.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>スタッフを%1人募集します。費用が%2かかりますが、よろしいですか？</source>
        <translation>We will recruit %1 staff. This will cost ¥%2 thousand. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>資金不足</source>
        <translation>Insufficient Funds</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>資金が足りません。</source>
        <translation>We do not have enough cash.</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+15"/>
        <source>採用</source>
        <translation>Recruitment</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>希望者より多くは採用できません。</source>
        <translation>We cannot take on more people than applied.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>合わせて%1人を採用します。よろしいですか？</source>
        <translation>We will take on %1 people in all. Shall we proceed?</translation>
    </message>
</context>
<context>
    <name>land_orders</name>
    <message>
        <location filename="../../src/world/land_orders.cpp" line="+20"/>
        <source>そこは我が社の土地です。</source>
        <translation>That land is already ours.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>そこは我が社の店舗です。</source>
        <translation>That is one of our halls.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>他店舗は買い取れません。</source>
        <translation>A rival hall cannot be bought.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>公共機関は買い取れません。</source>
        <translation>Public facilities cannot be bought.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>そこは我が社の駐車場です。</source>
        <translation>That is our car park.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>他社の駐車場は買い取れません。</source>
        <translation>A rival company&apos;s car park cannot be bought.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+13"/>
        <source>そこは買い取れません。</source>
        <translation>That land cannot be bought.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>資金不足</source>
        <translation>Insufficient Funds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>資金が足りません。</source>
        <translation>We do not have enough cash.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+2"/>
        <source>買収</source>
        <translation>Purchase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>以前のこの区画の買収交渉から、まだ日が浅いです。ほとぼりが冷めるまで待ちましょう。</source>
        <translation>It is too soon after our last negotiation for this block. Let us wait until things cool down.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>買収失敗</source>
        <translation>Purchase Failed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>先方は売る気は全く無いそうです。残念ながら、買収は失敗に終わりました。</source>
        <translation>The owner has no wish to sell at all. Regrettably, the purchase has failed.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>買収交渉</source>
        <translation>Land Negotiation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>買収交渉を行います。よろしいですか？</source>
        <translation>We will open negotiations for the land. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <location line="+4"/>
        <location line="+26"/>
        <location line="+6"/>
        <source>売却</source>
        <translation>Sale</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>そこは我が社の土地ではありません。</source>
        <translation>That land is not ours.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>一度取り壊し、空き地にしないと売却できません。</source>
        <translation>It must be torn down to vacant land before it can be sold.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>そこは今月すでに売却を行っております。来月までお待ちください。</source>
        <translation>We have already tried to sell that land this month. Please wait until next month.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>残念ながら、買い手は見つかりませんでした。少し価格が高いのではないでしょうか．．．？</source>
        <translation>Regrettably, no buyer was found. Perhaps the price is a little high...?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>残念ながら、買い手は見つかりませんでした。</source>
        <translation>Regrettably, no buyer was found.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>喜んで下さい。買い手が現われました。%1で売却してよろしいですか？</source>
        <translation>Good news: a buyer has appeared. Shall we sell for ¥%1 thousand?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>売却中止</source>
        <translation>Sale Cancelled</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>追い返しました...。</source>
        <translation>We sent the buyer away....</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>売却完了</source>
        <translation>Sale Complete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>売却いたしました。</source>
        <translation>The land has been sold.</translation>
    </message>
</context>
<context>
    <name>machine</name>
    <message>
        <location filename="../../src/store/machine.cpp" line="+14"/>
        <source>一般台</source>
        <translation>Standard Machine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>権利物</source>
        <translation>Rights Machine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>アレパチ</source>
        <translation>Arepachi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>一発台</source>
        <translation>One-shot Machine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>セブン機</source>
        <translation>Seven Machine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CRセブン機</source>
        <translation>CR Seven Machine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CR権利物</source>
        <translation>CR Rights Machine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CRアレパチ</source>
        <translation>CR Arepachi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>パチスロ</source>
        <translation>Pachislot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CRパチスロ</source>
        <translation>CR Pachislot</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>無制限</source>
        <translation>Unlimited</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ﾗｯｷｰﾅﾝﾊﾞｰ</source>
        <translation>Lucky Number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>定量制</source>
        <translation>Fixed-quota</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>一回交換</source>
        <translation>Single Exchange</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>有り</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>無し</source>
        <translation>No</translation>
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
    <name>machine_purchase</name>
    <message>
        <location filename="../../src/company/machine_purchase.cpp" line="+28"/>
        <location line="+5"/>
        <location line="+4"/>
        <location line="+26"/>
        <source>購入</source>
        <translation>Purchase</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+5"/>
        <source>その台は購入できません。</source>
        <translation>That machine cannot be bought.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>購入する島数を 1 から 1000 の間で指定してください。</source>
        <translation>Please give between 1 and 1000 islands to buy.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>在庫不足</source>
        <translation>Out of Stock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の在庫が足りません。</source>
        <translation>There is not enough stock of %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>収容できません</source>
        <translation>No Room</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>本部の倉庫に台を収容できるスペースがありません。</source>
        <translation>There is no room for the machines in the head office&apos;s warehouse.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1を%2台購入します。費用が%3かかりますが、よろしいですか？</source>
        <translation>We will buy %2 machines of %1. This will cost ¥%3 thousand. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1との友好度が%2上がりました。</source>
        <translation>Our goodwill with %1 rose by %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1は売り切れとなりました。</source>
        <translation>%1 is now sold out.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取引終了</source>
        <translation>Deal Closed</translation>
    </message>
</context>
<context>
    <name>maker</name>
    <message>
        <location filename="../../src/store/maker.cpp" line="+47"/>
        <source>値引き：  なし</source>
        <translation>Discount:  none</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>値引き：  %1%</source>
        <translation>Discount:  %1%</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>取引中止</source>
        <translation>Trading suspended</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>友好度：  －</source>
        <translation>Goodwill:  -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>友好度：  %1</source>
        <translation>Goodwill:  %1</translation>
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
<context>
    <name>manipulation_order</name>
    <message>
        <location filename="../../src/company/manipulation_order.cpp" line="+15"/>
        <source>サクラを雇う</source>
        <translation>Hire shills</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>裏ROMを仕込む</source>
        <translation>Fit rigged ROMs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>特賞操作システムを導入する</source>
        <translation>Install a jackpot rigging system</translation>
    </message>
    <message>
        <location line="+51"/>
        <location line="+27"/>
        <source>工作変更</source>
        <translation>Manipulations</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>その工作はできません。</source>
        <translation>That manipulation is not possible.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>工作を一括変更します。コストが  %1かかりますが、よろしいですか？</source>
        <translation>We will change the manipulations of all the selected halls. This will cost ¥%1 thousand. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>工作を変更します。コストが  %1かかりますが、よろしいですか？</source>
        <translation>We will change the manipulations. This will cost ¥%1 thousand. Shall we proceed?</translation>
    </message>
</context>
<context>
    <name>message_dialog</name>
    <message>
        <location filename="../../src/shell/message_dialog.cpp" line="-84"/>
        <source>%1、</source>
        <translation>%1,
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>資金  %1</source>
        <translation>Cash  ¥%1 thousand</translation>
    </message>
</context>
<context>
    <name>mini_map</name>
    <message>
        <location filename="../../src/shell/mini_map.cpp" line="-146"/>
        <source>縮尺 3/4  (&amp;A)</source>
        <translation>Scale 3/4  (&amp;A)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ノーマル(&amp;N)</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>：ノーマル</source>
        <translation>: Normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地価(&amp;H)</source>
        <translation>&amp;Land Price</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>：地価高低</source>
        <translation>: Land Price</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>治安(&amp;I)</source>
        <translation>Securi&amp;ty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>：治安高低</source>
        <translation>: Security</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>人口密度(&amp;M)</source>
        <translation>&amp;Population Density</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>：人口密度高低</source>
        <translation>: Population Density</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>顧客開拓度(&amp;K)</source>
        <translation>C&amp;ustomer Development</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>：顧客開拓度高低</source>
        <translation>: Customer Development</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>カオス(&amp;S)</source>
        <translation>C&amp;haos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>：カオス高低</source>
        <translation>: Chaos</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>地図  縮尺%1%2</source>
        <translation>Map  Scale %1%2</translation>
    </message>
</context>
<context>
    <name>month_end</name>
    <message>
        <location filename="../../src/world/month_end.cpp" line="+16"/>
        <source>命令終了</source>
        <translation>End Month</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>以上で今月の指示は終了ですか？</source>
        <translation>Are these all of your orders for this month?</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>辞任</source>
        <translation>Resignation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>六ヶ月を経ても店舗を出店していないあなたは、役員会議により辞任に追い込まれました．．．。残念ですがこれまでのようです。お疲れ様でした．．．。</source>
        <translation>Six months have passed without a single hall opened, and the board has forced you to resign.... Regrettably, this is the end. Thank you for all your efforts....</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>撤退</source>
        <translation>Withdrawal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>店舗が一軒も無くなってしまいました．．．%1の命運は尽きたようです。お疲れ様でした．．．。</source>
        <translation>Not a single hall is left... It seems %1&apos;s luck has run out. Thank you for all your efforts....</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>倒産</source>
        <translation>Bankruptcy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>とうとう資金が底を突きました。これ以上の経営は不可能です。我が%1は事実上倒産と相成りました。お疲れ様でした．．．。</source>
        <translation>Our cash has finally run out. We can no longer carry on the business. Our %1 is, in effect, bankrupt. Thank you for all your efforts....</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>．．．%1年%2月、%3は%4における競合に勝ち残った。
 %5は%4を制覇した．．．</source>
        <translation>...In Year %1, Month %2, %3 outlasted every rival in %4.
 %5 has conquered %4...</translation>
    </message>
</context>
<context>
    <name>name_dialog</name>
    <message>
        <location filename="../../src/shell/name_dialog.cpp" line="-35"/>
        <source>パーラー%1号店</source>
        <translation>Parlour No. %1</translation>
    </message>
</context>
<context>
    <name>negotiation</name>
    <message>
        <location filename="../../src/company/negotiation.cpp" line="+24"/>
        <source>うむ、君もなかなか解っている人だね。よし、この土地は君に譲ってあげよう。</source>
        <translation>Hmm, you know how these things work. Very well, I&apos;ll let you have the land.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>そこまでこの土地が必要ならば、私も君の誠意に応えよう。見所あるね、君ぃ。</source>
        <translation>If you need this land that badly, I&apos;ll answer your good faith. You show promise, young man.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>う～ん、悪い条件ではないがねえ、もう少しがんばってもらえんだろうかねェ？</source>
        <translation>Hmm, not a bad offer, but couldn&apos;t you stretch a little further?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ふん、まあいいだろう。この土地は君の物だ。結構しっかりしてるな、君は。</source>
        <translation>Hmph, all right then. The land is yours. You drive a hard bargain.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>君ぃ～、それはちょっとあんまりじゃないかね？他にも売って欲しいという人はいるんだよ？</source>
        <translation>Come now, isn&apos;t that a bit much? There are others who want this land, you know.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>残念だが、今回は諦めてくれ。私もこの土地には愛着があるものでね。</source>
        <translation>Sorry, but you&apos;ll have to give up this time. I&apos;ve grown rather attached to this land.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>だめだめ、話にならんよ。そんなはした金とっととしまって、早く出てってくれ！</source>
        <translation>No, no, that&apos;s out of the question. Put that pocket change away and get out!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>気分が悪いな、君は！一体何様のつもりなんだ！顔を洗って出直してこい！</source>
        <translation>You&apos;ve got a nerve! Who do you think you are? Go and wash your face, and come back when you&apos;re serious!</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>...で、いくらで買ってくれるのかね？</source>
        <translation>...So, how much are you offering?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>買収金額決定：一回目</source>
        <translation>Offer: First Round</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>こちらに %1用意してきました。</source>
        <translation>I have brought ¥%1 thousand.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>買収金額決定：二回目</source>
        <translation>Offer: Second Round</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>それでは、 %1でどうでしょうか。</source>
        <translation>Then how about ¥%1 thousand?</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>買収は成功しました！</source>
        <translation>The purchase succeeded!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>買収は失敗に終わりました．．．。</source>
        <translation>The purchase fell through...</translation>
    </message>
</context>
<context>
    <name>new_game</name>
    <message>
        <location filename="../../src/company/new_game.cpp" line="+10"/>
        <source>新米店長(&amp;E)</source>
        <translation>&amp;Rookie Manager</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ライバル登場！(&amp;D)</source>
        <translation>Rivals &amp;Arrive!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>他店舗は参入しません|</source>
        <translation>No rival halls enter the city|</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>他店舗が参入してきます|</source>
        <translation>Rival halls enter the city|</translation>
    </message>
</context>
<context>
    <name>new_game_order</name>
    <message>
        <location filename="../../src/shell/new_game_order.cpp" line="+39"/>
        <source>新規出店</source>
        <translation>New Company</translation>
    </message>
</context>
<context>
    <name>new_graduates</name>
    <message>
        <location filename="../../src/world/new_graduates.cpp" line="+70"/>
        <location line="+6"/>
        <source>新入社員</source>
        <translation>New Graduates</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>今年は一人も新入社員はおりませんでした。</source>
        <translation>Not a single new graduate has joined us this year.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>今年は%1名の新卒者が%2への入社を希望しています。</source>
        <translation>This year %1 new graduates wish to join %2.</translation>
    </message>
</context>
<context>
    <name>new_laws</name>
    <message>
        <location filename="../../src/world/new_laws.cpp" line="+16"/>
        <source>ぱちんこ店の一日の営業時間は最大２４時間まで延長する事ができる。</source>
        <translation>Pachinko halls may extend their business hours up to 24 hours a day.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>特殊景品（換金可能な景品）を第三者の業者を介在させる事なく自社内で流通させる事ができる。</source>
        <translation>Special prizes (prizes that can be exchanged for cash) may be traded within the company without a third-party dealer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ぱちんこ店において、明らかに換金行為を目的とした特殊景品は、これを販売、交換してはならない。</source>
        <translation>Pachinko halls shall not sell or exchange special prizes plainly meant to be turned into cash.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>景品として有価証券及びそれに類する物を販売する事は、これを許可する。</source>
        <translation>The sale of securities and similar instruments as prizes is permitted.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>一般景品の販売単価の上限を、従来の１万円から２万５千円に引き上げる。</source>
        <translation>The price limit of ordinary prizes is raised from ¥10,000 to ¥25,000.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>一般景品の販売単価の上限を、従来の１万円から３千円に引き下げる。</source>
        <translation>The price limit of ordinary prizes is lowered from ¥10,000 to ¥3,000.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ぱちんこ店は法定公休として毎月最低８日はその営業を休止しなければならない。</source>
        <translation>Pachinko halls must close for at least 8 statutory rest days every month.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ぱちんこ店はその純益に対し毎月１５％のぱちんこ税を納付しなければならない。</source>
        <translation>Pachinko halls must pay a monthly pachinko tax of 15% on their net profit.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>機械台の製造・販売はどのような法人であってもその正当な権利は保証され、市場に自由に参入できる。</source>
        <translation>Any corporation has the lawful right to make and sell machines and may enter the market freely.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>機械台を製造する者は、その機械台を適正に廃棄処理できる設備を有し、なおかつ廃棄処理が適正に行われる事を監督・指導し、その努力を怠ってはならない。</source>
        <translation>Makers of machines must have the facilities to dispose of their machines properly, and must supervise and guide their proper disposal without fail.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>各所で波紋を広げています。法案の詳細は地区概略をご覧ください。</source>
        <translation>It is causing a stir everywhere. See the District Overview for the details of the law.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>来月からの収益アップに期待しましょう。法案の詳細は地区概略をご覧ください。</source>
        <translation>Let us look forward to higher earnings from next month. See the District Overview for the details of the law.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>お客様も喜ばれる事でしょう。法案の詳細は地区概略をご覧ください。</source>
        <translation>Our customers will surely be pleased. See the District Overview for the details of the law.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>より景品を充実させる事ができますね。法案の詳細は地区概略をご覧ください。</source>
        <translation>We can offer a richer range of prizes now. See the District Overview for the details of the law.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>景品出庫の減少が懸念されます。法案の詳細は地区概略をご覧ください。</source>
        <translation>We fear fewer prizes will be taken. See the District Overview for the details of the law.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>今後の収益減が懸念されます。法案の詳細は地区概略をご覧ください。</source>
        <translation>We fear lower earnings from now on. See the District Overview for the details of the law.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>今後はいつでも台の廃棄をメーカーに依頼する事ができるようになります。</source>
        <translation>From now on we can ask the makers to dispose of machines at any time.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>「%1」</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「%1」</source>
        <comment>a further name of the list</comment>
        <translation>, &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>新たに%1が%2の市場に参入します。</source>
        <translation>New makers enter the %2 market: %1.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>新法制定</source>
        <translation>New Law</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1市議会で新法「%2」が可決、制定されました！%3</source>
        <translation>The %1 city council has passed a new law, &quot;%2&quot;! %3</translation>
    </message>
</context>
<context>
    <name>opening_order</name>
    <message>
        <location filename="../../src/store/opening_order.cpp" line="+19"/>
        <location line="+11"/>
        <location line="+6"/>
        <location line="+15"/>
        <location line="+9"/>
        <source>開店</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>店舗の状態が「待機中」でないと開店できません。</source>
        <translation>A hall can only be opened while it is &quot;Waiting&quot;.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>台が一台もありません。台を搬入してください。</source>
        <translation>There are no machines at all. Please bring in some machines.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>スタッフが%1人必要です。人事でスタッフを補充してください。</source>
        <translation>%1 staff are needed. Please add staff through Personnel.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1を開店します。開店費用が%2かかりますが、よろしいですか？</source>
        <translation>We will open %1. The opening costs ¥%2 thousand. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1を新装開店いたしました！店舗と%2の繁栄を祈りましょう。</source>
        <translation>%1 has opened its doors! Let us wish the hall and %2 every success.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ｼﾞｮﾌﾞｽﾄﾘｰﾑ</source>
        <translation>Job Stream</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ジョブストリームを実行しますか？</source>
        <translation>Shall we run the Job Stream?</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <source>閉店</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>営業中ではありません。</source>
        <translation>The hall is not open.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1を閉店します。イベントなども一時中止されます。よろしいですか？</source>
        <translation>We will close %1. Events and the like will be suspended too. Shall we proceed?</translation>
    </message>
</context>
<context>
    <name>order_support</name>
    <message>
        <location filename="../../src/store/order_support.h" line="+31"/>
        <source>資金不足</source>
        <translation>Insufficient Funds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>資金が足りません。</source>
        <translation>We do not have enough cash.</translation>
    </message>
</context>
<context>
    <name>personnel_orders</name>
    <message>
        <location filename="../../src/company/personnel_orders.cpp" line="+19"/>
        <location line="+213"/>
        <source>人事</source>
        <translation>Personnel</translation>
    </message>
    <message>
        <location line="-187"/>
        <source>店舗が一軒もありません。</source>
        <translation>We have no halls.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>今月はすでに人事を行っております。来月までお待ちください。</source>
        <translation>Personnel changes have already been made this month. Please wait until next month.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>異動させる人数が正しくありません。</source>
        <translation>That number of people cannot be transferred.</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>任せる</source>
        <translation>Leave It to Staff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>さらに人員が不足している店舗があります。選択中の店舗のうち人員が余っている店舗から、不足している店舗へ人員を異動させますか？</source>
        <translation>Some halls are still short of staff. Shall we move people to them from the selected halls that have staff to spare?</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+69"/>
        <source>人員不足</source>
        <translation>Staff Shortage</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>%1人人員が足りません。</source>
        <translation>We are %1 staff short.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1人の余剰スタッフを解雇します。退職金として%2を支払います。取り消しはできませんが、よろしいですか？</source>
        <translation>We will dismiss %1 surplus staff and pay ¥%2 thousand in severance. This cannot be undone. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>解雇</source>
        <translation>Dismissal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>資金不足</source>
        <translation>Insufficient Funds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>資金が足りません。</source>
        <translation>We do not have enough cash.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>スタッフが全て配属されていません。余剰スタッフを全て配属するか、解雇してください。</source>
        <translation>Not all staff have been assigned. Please assign or dismiss all the surplus staff.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>辞令を発効します。よろしいですか？</source>
        <translation>We will issue the appointments. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1人員が不足している為、待機中となります。</source>
        <translation>%1 is short of staff and now stands waiting.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>雇用・採用・解雇を行った人事は取り消せません。余剰スタッフを全て配属するか解雇して、決定してください。</source>
        <translation>Personnel changes that include hiring, recruitment or dismissal cannot be cancelled. Please assign or dismiss all the surplus staff, then confirm.</translation>
    </message>
</context>
<context>
    <name>personnel_spending</name>
    <message>
        <location filename="../../src/company/personnel_spending.cpp" line="+33"/>
        <location line="+21"/>
        <source>人件費調整</source>
        <translation>Personnel Costs</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>給与は120から1,000まで、教育と福利厚生は0から1,000までの額を指定してください。</source>
        <translation>Please give a salary from 120 to 1,000, and education and welfare from 0 to 1,000.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>人件費を変更します。よろしいですか？</source>
        <translation>We will change the personnel costs. Shall we proceed?</translation>
    </message>
</context>
<context>
    <name>promotion_order</name>
    <message>
        <location filename="../../src/company/promotion_order.cpp" line="+25"/>
        <source>現在の %1 の人員数では、ティッシュの配布量は 「%2」 が限界です。</source>
        <translation>With the present staff of %1, &quot;%2&quot; is the most tissues it can hand out.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>現在の %1 の人員数では、ＤＭの配布量は 「%2」 が限界です。</source>
        <translation>With the present staff of %1, &quot;%2&quot; is the most direct mail it can send.</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+7"/>
        <location line="+36"/>
        <location line="+3"/>
        <source>人員不足</source>
        <translation>Staff Shortage</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+24"/>
        <source>販促費変更</source>
        <translation>Promotions</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>その販売促進は選べません。</source>
        <translation>That promotion cannot be chosen.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>販売促進業務の予算を変更します。よろしいですか？</source>
        <translation>We will change the promotion budget. Shall we proceed?</translation>
    </message>
</context>
<context>
    <name>promotions</name>
    <message>
        <location filename="../../src/store/promotions.cpp" line="+14"/>
        <source>実施しない</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>一週間</source>
        <translation>1 week</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>二週間</source>
        <translation>2 weeks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>三週間</source>
        <translation>3 weeks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>一ヶ月</source>
        <translation>1 month</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>配布しない</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1万個</source>
        <translation>10,000 packs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2万個</source>
        <translation>20,000 packs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3万個</source>
        <translation>30,000 packs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4万個</source>
        <translation>40,000 packs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5万個</source>
        <translation>50,000 packs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>6万個</source>
        <translation>60,000 packs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7万個</source>
        <translation>70,000 packs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>8万個</source>
        <translation>80,000 packs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>9万個</source>
        <translation>90,000 packs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>10万個</source>
        <translation>100,000 packs</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>発送しない</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>1000枚</source>
        <translation>1,000 pieces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2000枚</source>
        <translation>2,000 pieces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>3000枚</source>
        <translation>3,000 pieces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4000枚</source>
        <translation>4,000 pieces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>5000枚</source>
        <translation>5,000 pieces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>6000枚</source>
        <translation>6,000 pieces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>7000枚</source>
        <translation>7,000 pieces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>8000枚</source>
        <translation>8,000 pieces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>9000枚</source>
        <translation>9,000 pieces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>10000枚</source>
        <translation>10,000 pieces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>11000枚</source>
        <translation>11,000 pieces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>12000枚</source>
        <translation>12,000 pieces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>13000枚</source>
        <translation>13,000 pieces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>14000枚</source>
        <translation>14,000 pieces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>15000枚</source>
        <translation>15,000 pieces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>16000枚</source>
        <translation>16,000 pieces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>17000枚</source>
        <translation>17,000 pieces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>18000枚</source>
        <translation>18,000 pieces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>19000枚</source>
        <translation>19,000 pieces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>20000枚</source>
        <translation>20,000 pieces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>21000枚</source>
        <translation>21,000 pieces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>22000枚</source>
        <translation>22,000 pieces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>23000枚</source>
        <translation>23,000 pieces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>24000枚</source>
        <translation>24,000 pieces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>25000枚</source>
        <translation>25,000 pieces</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>放映しない</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>駒洒落エージェンシー</source>
        <translation>Komashare Agency</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>電詩広告社</source>
        <translation>Electric Verse Advertising</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GAPTAIN</source>
        <translation>GAPTAIN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>博宝道</source>
        <translation>Treasure Road Promotions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>電痛</source>
        <translation>Electric Ache Inc.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>15秒</source>
        <translation>15 seconds</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>25秒</source>
        <translation>25 seconds</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>設置しない</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5メガバイト</source>
        <translation>5 MB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>20メガバイト</source>
        <translation>20 MB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>50メガバイト</source>
        <translation>50 MB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100メガバイト</source>
        <translation>100 MB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>200メガバイト</source>
        <translation>200 MB</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>掲載しない</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1/16ページ</source>
        <translation>1/16 page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1/8ページ</source>
        <translation>1/8 page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1/4ページ</source>
        <translation>1/4 page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1/2ページ</source>
        <translation>1/2 page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1ページ</source>
        <translation>Full page</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>１日</source>
        <translation>1 day</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>１週間</source>
        <translation>1 week</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>１ヶ月</source>
        <translation>1 month</translation>
    </message>
</context>
<context>
    <name>qt_frontend</name>
    <message>
        <location filename="../../src/shell/qt_frontend.cpp" line="+74"/>
        <source>売却金額</source>
        <translation>Sale Price</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>売却金額(千円)</source>
        <translation>Sale price (¥1,000)</translation>
    </message>
</context>
<context>
    <name>raids</name>
    <message>
        <location filename="../../src/world/raids.cpp" line="+45"/>
        <source>%1がガサ入れされ、台に裏ロムを取り付けて営業を行っていた事実が発覚してしまいました！当該店舗は３ヶ月間の営業停止処分を受け、また、保釈金として%2を支払いました。</source>
        <translation>The police raided %1, and it has come out that the hall ran machines fitted with rigged ROMs! The hall has been suspended for 3 months, and we paid ¥%2 thousand in bail.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1がガサ入れされ、特賞操作システムを設置運営していた事実が発覚してしまいました！当該店舗は６ヶ月間の営業停止処分を受け、また、保釈金として%2を支払いました。</source>
        <translation>The police raided %1, and it has come out that the hall installed and ran a jackpot rigging system! The hall has been suspended for 6 months, and we paid ¥%2 thousand in bail.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>ガサ入れ</source>
        <translation>Police Raid</translation>
    </message>
</context>
<context>
    <name>replacement_plan</name>
    <message>
        <location filename="../../src/company/replacement_plan.cpp" line="+23"/>
        <source>1Fﾎｰﾙ</source>
        <translation>1F Hall</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>2Fﾎｰﾙ</source>
        <translation>2F Hall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3Fﾎｰﾙ</source>
        <translation>3F Hall</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>4Fﾎｰﾙ</source>
        <translation>4F Hall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5Fﾎｰﾙ</source>
        <translation>5F Hall</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>設置</source>
        <translation>Installation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1にはこれ以上台を設置できません。</source>
        <translation>No more machines can be installed in the %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>期限切れ</source>
        <translation>Expired</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1は有効期限を過ぎており、新しく設置する事はできません。</source>
        <translation>%1 is past its installation deadline and can no longer be installed.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>撤去</source>
        <translation>Removal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>本部の倉庫に台を収容できるスペースがありません。</source>
        <translation>There is no room for the machines in the head office&apos;s warehouse.</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>友好度悪化</source>
        <translation>Goodwill Falls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1との友好度が%2低下しました。</source>
        <translation>Our goodwill with %1 fell by %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>取引中止 </source>
        <translation>Trade Stopped</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1より我が社に対して、今後一切の取引を中止させてもらうとの通告がありました。</source>
        <translation>%1 has notified us that it will stop all trade with our company from now on.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>モデル店舗</source>
        <translation>Model Hall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1は%2のモデル店舗に選ばれました。</source>
        <translation>%1 has been chosen as a model hall by %2.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>規約違反</source>
        <translation>Breach of Agreement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>まだ有効期限の切れていないモデルマシンを%1台撤去しようとしています。該当メーカーとの友好関係が悪化する恐れがありますが、よろしいですか？</source>
        <translation>You are about to remove %1 model machines before their installation deadline. Goodwill with their makers may suffer. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>入替</source>
        <translation>Replacement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の入替作業を作業計画書の通り実行します。%2かかりますが、よろしいですか？</source>
        <translation>We will carry out the replacement work at %1 as the work sheet sets out. This will cost ¥%2 thousand. Shall we proceed?</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>待機</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の全ての台を取り外しました。この店舗は待機中となります。</source>
        <translation>All machines have been removed from %1. The hall now stands waiting.</translation>
    </message>
</context>
<context>
    <name>results_advice</name>
    <message>
        <location filename="../../src/shell/results_advice.cpp" line="+17"/>
        <source>全体：%1</source>
        <translation>Whole company: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>rival_closing</name>
    <message>
        <location filename="../../src/company/rival_closing.cpp" line="+154"/>
        <source>撤退</source>
        <translation>Withdrawal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1が店舗を撤退しました。</source>
        <translation>%1 has withdrawn a hall.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>事業撤退</source>
        <translation>Business Withdrawal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>競合社の%1が%2の事業から撤退しました！</source>
        <translation>Our rival %1 has pulled out of business in %2!</translation>
    </message>
</context>
<context>
    <name>rival_incidents</name>
    <message>
        <location filename="../../src/company/rival_incidents.cpp" line="+45"/>
        <source>脱税発覚</source>
        <translation>Tax Evasion Exposed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の脱税が露見しました！現在営業中の店舗は全て６ヶ月の営業停止処分を受けたようです！市内は騒然としております．．．。</source>
        <translation>%1&apos;s tax evasion has come to light! All its open halls seem to have been suspended for 6 months! The city is in an uproar...</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>大火災</source>
        <translation>Major Fire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の店舗で大規模な火災があったようです。店舗は全焼してしまったようです。</source>
        <translation>There seems to have been a major fire at a hall of %1&apos;s. The hall appears to have burned to the ground.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ボヤ</source>
        <translation>Small Fire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の店舗でボヤ騒ぎがあったようです。</source>
        <translation>There seems to have been a small fire at a hall of %1&apos;s.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>TV放映</source>
        <translation>On Television</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の店舗がテレビ中継されています。市民は%1に好意的評価を持ちつつあるようです。</source>
        <translation>A hall of %1&apos;s is on live television. The citizens seem to be warming to %1.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>サクラ発覚</source>
        <translation>Shills Exposed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の店舗でサクラを雇っているのが発覚しました！%1は激しい非難を浴びています。</source>
        <translation>A hall of %1&apos;s has been caught hiring shills! %1 is under fierce criticism.</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+19"/>
        <source>ガサ入れ</source>
        <translation>Police Raid</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>%1の店舗がガサ入れされ、台に裏ロムを取り付けて営業を行っていた事実が発覚しました！当該店舗は３ヶ月間の営業停止処分を受けたようです。</source>
        <translation>The police have raided a hall of %1&apos;s and found it doing business with rigged ROMs in its machines! The hall seems to have been suspended for 3 months.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1の店舗がガサ入れされ、特賞操作システムを設置運営していた事実が発覚しました！当該店舗は６ヶ月間の営業停止処分を受けたようです。</source>
        <translation>The police have raided a hall of %1&apos;s and found it running a jackpot rigging system! The hall seems to have been suspended for 6 months.</translation>
    </message>
</context>
<context>
    <name>rival_turn</name>
    <message>
        <location filename="../../src/company/rival_turn.cpp" line="+215"/>
        <source>新規出店</source>
        <translation>New Rival Hall</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1が新規出店いたしました。開店は%2年%3月の予定です。</source>
        <translation>%1 has started building a new hall. It is due to open in Year %2, Month %3.</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>店舗改装</source>
        <translation>Hall Renovation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1が店舗の改装工事を着工しました。開店は%2年%3月の予定です。</source>
        <translation>%1 has begun renovating a hall. It is due to reopen in Year %2, Month %3.</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>競合店の参入</source>
        <translation>A Rival Enters</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1が%2のパーラー事業に参入したようです。</source>
        <translation>%1 appears to have entered the pachinko hall business in %2.</translation>
    </message>
</context>
<context>
    <name>rivals</name>
    <message>
        <location filename="../../src/company/rivals.cpp" line="+100"/>
        <location line="+12"/>
        <source>開店</source>
        <translation>Rival Opening</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>%1の店舗の工事が完了しました。今月新装開店するようです。</source>
        <translation>Construction of a hall of %1&apos;s is complete. It seems it will open this month.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1の営業停止期間が終了しました。今月より営業再開するとの事です。</source>
        <translation>%1&apos;s business suspension is over. Word is its hall reopens this month.</translation>
    </message>
</context>
<context>
    <name>rule_changes</name>
    <message>
        <location filename="../../src/world/rule_changes.cpp" line="+22"/>
        <source>組合の規制</source>
        <translation>Union Rules</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>税率改正</source>
        <translation>Tax Rate Revised</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>税率が%1％に改正されました。</source>
        <translation>The tax rate has been revised to %1%.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>組合の取り決めが改定されました。組合による営業時間の規制は無くなり、一日の営業時間は%1時間となりました。</source>
        <translation>The union has revised its rules. It no longer restricts business hours, and halls may now open %1 hours a day.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>組合の取り決めが改定されました。組合による営業時間の規制は%1時間となり、一日の営業時間は%2時間となりました。</source>
        <translation>The union has revised its rules. It now cuts business hours by %1 hours, so halls may open %2 hours a day.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>組合の取り決めが改定されました。組合による営業日数の規制は無くなり、月の営業日数は%1日となりました。</source>
        <translation>The union has revised its rules. It no longer restricts business days, and halls may now open %1 days a month.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>組合の取り決めが改定されました。組合による営業日数の規制は%1日となり、月の営業日数は%2日となりました。</source>
        <translation>The union has revised its rules. It now cuts business days by %1 days, so halls may open %2 days a month.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>組合の取り決めが改定されました。組合によるパチンコ交換率の規制は無くなりました。</source>
        <translation>The union has revised its rules. It no longer limits the exchange rate.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>組合の取り決めが改定されました。組合によるパチンコ交換率の規制は%1までとなりました。</source>
        <translation>The union has revised its rules. The exchange rate is now limited to %1.</translation>
    </message>
</context>
<context>
    <name>save_file</name>
    <message>
        <location filename="../../src/persist/save_file.cpp" line="+47"/>
        <source>営業報告書を開けません（%1）。</source>
        <translation>The business report cannot be opened (%1).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>営業報告書を読み込めません。</source>
        <translation>The business report cannot be read.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>営業報告書に記録できませんでした（%1）。記録先のファイルは変わっていません。</source>
        <translation>We could not record our results in the business report (%1). The file we were saving to is unchanged.</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+8"/>
        <source>記録</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>経営実績を営業報告書に記録してもよろしいですか？</source>
        <translation>Shall we record our results in the business report?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>経営実績を%1に上書き記録してもよろしいですか？</source>
        <translation>Shall we record our results over %1?</translation>
    </message>
</context>
<context>
    <name>save_orders</name>
    <message>
        <location filename="../../src/shell/save_orders.cpp" line="+33"/>
        <source>記録</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 に記録しました。</source>
        <translation>Saved to %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>自動記録 %1年%2月.PLR</source>
        <translation>Autosave Y%1 M%2.PLR</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>引き継ぎ</source>
        <translation>Load</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>自動記録</source>
        <translation>Autosave</translation>
    </message>
</context>
<context>
    <name>save_record_read</name>
    <message>
        <location filename="../../src/persist/save_record_read.cpp" line="+37"/>
        <source>%1の%2</source>
        <translation>%2 of %1</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>営業報告書の%1が正しくありません。</source>
        <translation>The %1 in the business report is not valid.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>営業報告書の%1が範囲外です（%2）。</source>
        <translation>The %1 in the business report is out of range (%2).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>都市の縦の区画数</source>
        <translation>city&apos;s height in blocks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>都市の横の区画数</source>
        <translation>city&apos;s width in blocks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>経過月数</source>
        <translation>number of months played</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>宅地開発の方針</source>
        <translation>city&apos;s housing policy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>商業奨励の方針</source>
        <translation>city&apos;s commerce policy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>事業誘致の方針</source>
        <translation>city&apos;s business policy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>税率</source>
        <translation>tax rate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>組合の営業時間の短縮</source>
        <translation>union&apos;s cut in business hours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>組合の休業日数</source>
        <translation>union&apos;s cut in business days</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>法律</source>
        <translation>state of the laws</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>パチンコの交換率の上限</source>
        <translation>limit on the pachinko exchange rate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>スロットの交換率の上限</source>
        <translation>limit on the pachislot exchange rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>都市の型</source>
        <translation>city type</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+244"/>
        <source>前月の営業日数</source>
        <translation>number of last month&apos;s business days</translation>
    </message>
    <message>
        <location line="-243"/>
        <source>最高地価</source>
        <translation>highest land price</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>区画（%1 行 %2 列）</source>
        <translation>block (row %1, column %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>行番号</source>
        <translation>row number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>列番号</source>
        <translation>column number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>種類</source>
        <translation>kind</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>人口</source>
        <translation>population</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>治安</source>
        <translation>security</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ファン率</source>
        <translation>fan rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>地価</source>
        <translation>land price</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>不満度</source>
        <translation>unrest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>所有会社</source>
        <translation>owner</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+2"/>
        <source>影響</source>
        <translation>neighbours&apos; influence</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+54"/>
        <source>機種</source>
        <translation>machine type</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>価格</source>
        <translation>price</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+54"/>
        <source>メーカー</source>
        <translation>maker</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+54"/>
        <source>公称の評価</source>
        <translation>stated performance</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+54"/>
        <source>実際の評価</source>
        <translation>actual performance</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>発表年月</source>
        <translation>release month</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>販売終了年月</source>
        <translation>last month of sale</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+54"/>
        <source>生産台数</source>
        <translation>production run</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>在庫</source>
        <translation>stock</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>メーカー「%1」</source>
        <translation>maker “%1”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>番号</source>
        <translation>number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>友好度</source>
        <translation>goodwill</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>取引中止の年月</source>
        <translation>month trading was stopped</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1の新台 %2 </source>
        <translation>new model %2 of %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>機種名の使用済みの印</source>
        <translation>record of the model names in use</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>購入単価</source>
        <translation>unit price</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>購入年月</source>
        <translation>purchase month</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>有効期限</source>
        <translation>installation deadline</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>営業形態</source>
        <translation>business form</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>モーニング台数</source>
        <translation>number of morning service machines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>利益率</source>
        <translation>profit rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+61"/>
        <source>営業時間</source>
        <translation>number of business hours</translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+62"/>
        <source>営業日数</source>
        <translation>number of business days</translation>
    </message>
    <message>
        <location line="-61"/>
        <location line="+75"/>
        <source>稼動</source>
        <translation>occupancy</translation>
    </message>
    <message>
        <location line="-73"/>
        <source>客単価</source>
        <translation>spending per customer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>実績利益率</source>
        <translation>realised profit rate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>女性客の割合</source>
        <translation>share of women among the customers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>男性客の割合</source>
        <translation>share of men among the customers</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>履歴</source>
        <translation>history</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+132"/>
        <location line="+4"/>
        <source>状態</source>
        <translation>state</translation>
    </message>
    <message>
        <location line="-134"/>
        <location line="+140"/>
        <source>工事完了の年月</source>
        <translation>month construction ends</translation>
    </message>
    <message>
        <location line="-138"/>
        <location line="+140"/>
        <source>営業停止の期限</source>
        <translation>month the suspension ends</translation>
    </message>
    <message>
        <location line="-138"/>
        <location line="+134"/>
        <source>出店年月</source>
        <translation>opening month</translation>
    </message>
    <message>
        <location line="-133"/>
        <location line="+140"/>
        <source>区画の列</source>
        <translation>block column</translation>
    </message>
    <message>
        <location line="-139"/>
        <location line="+137"/>
        <source>区画の行</source>
        <translation>block row</translation>
    </message>
    <message>
        <location line="-136"/>
        <location line="+139"/>
        <source>洗練度</source>
        <translation>refinement</translation>
    </message>
    <message>
        <location line="-138"/>
        <location line="+139"/>
        <source>知名度</source>
        <translation>fame</translation>
    </message>
    <message>
        <location line="-138"/>
        <location line="+140"/>
        <source>規模</source>
        <translation>size</translation>
    </message>
    <message>
        <location line="-138"/>
        <location line="+140"/>
        <source>パチンコの交換率</source>
        <translation>pachinko exchange rate</translation>
    </message>
    <message>
        <location line="-138"/>
        <location line="+140"/>
        <source>スロットの交換率</source>
        <translation>pachislot exchange rate</translation>
    </message>
    <message>
        <location line="-138"/>
        <source>設備</source>
        <translation>equipment</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>男性スタッフ数</source>
        <translation>number of male staff</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>女性スタッフ数</source>
        <translation>number of female staff</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+137"/>
        <source>モラル</source>
        <translation>morale</translation>
    </message>
    <message>
        <location line="-136"/>
        <location line="+137"/>
        <source>スキル</source>
        <translation>skill</translation>
    </message>
    <message>
        <location line="-136"/>
        <source>給与</source>
        <translation>salary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>教育費</source>
        <translation>education spending</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>福利厚生費</source>
        <translation>welfare spending</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>モデル店のメーカー</source>
        <translation>list of makers it is a model hall for</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>工作</source>
        <translation>set of manipulations</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+115"/>
        <source>満足度</source>
        <translation>satisfaction</translation>
    </message>
    <message>
        <location line="-109"/>
        <source>保守費</source>
        <translation>maintenance cost</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>営業費</source>
        <translation>operating cost</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>販促費</source>
        <translation>promotion cost</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>人件費</source>
        <translation>personnel cost</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>売上</source>
        <translation>sales figure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>粗利益</source>
        <translation>gross profit</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+107"/>
        <source>客数</source>
        <translation>number of customers</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>新台の利益率</source>
        <translation>profit rate for new machines</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>新台の営業形態</source>
        <translation>business form for new machines</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>新台のモーニング台数</source>
        <translation>morning service for new machines</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>イベントの期間</source>
        <translation>length of events</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ティッシュの配布量</source>
        <translation>amount of pocket tissues handed out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ＤＭの発送量</source>
        <translation>amount of direct mail sent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ＴＶ広告の代理店</source>
        <translation>TV commercial agency</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ＴＶ広告の長さ</source>
        <translation>length of TV commercials</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ＷＷＷサーバー</source>
        <translation>web server</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>新聞広告の大きさ</source>
        <translation>size of newspaper ads</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>新聞広告の期間</source>
        <translation>run of newspaper ads</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>店舗 %1 </source>
        <translation>hall %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1の %2 階 %3 番の島</source>
        <translation>island %3 on floor %2 of %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>資本金</source>
        <translation>capital</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>資金</source>
        <translation>cash</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>社長のカリスマ</source>
        <translation>President&apos;s charisma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>社長の知性</source>
        <translation>President&apos;s intelligence</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>社長の統率力</source>
        <translation>President&apos;s leadership</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>社長の鑑定力</source>
        <translation>President&apos;s appraisal</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>脱税の累計額</source>
        <translation>total of tax evaded</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>倉庫の規模</source>
        <translation>warehouse size</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>前月の営業時間</source>
        <translation>number of last month&apos;s business hours</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>税引後利益</source>
        <translation>profit after tax</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>所得税</source>
        <translation>income tax</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>パチンコ税</source>
        <translation>pachinko tax</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>脱税額</source>
        <translation>amount of tax evaded</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>区画の取引の印</source>
        <translation>record of block dealings</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>他店舗 %1 </source>
        <translation>rival hall %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <source>経営会社</source>
        <translation>owning company</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>前月の収支</source>
        <translation>last month&apos;s result</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>収支の累計</source>
        <translation>running total of results</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>累積赤字</source>
        <translation>accumulated loss</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>手番の他社</source>
        <translation>rival whose turn it is</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>他社の資金</source>
        <translation>rivals&apos; cash</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>他社の参入年月</source>
        <translation>rivals&apos; month of entry</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>営業報告書が短すぎます（%1 バイト。営業報告書は %2 バイトです）。</source>
        <translation>The business report is too short (%1 bytes; a business report has %2 bytes).</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>倉庫の台 %1 </source>
        <translation>warehouse machine %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>会社</source>
        <translation>the company</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>営業報告書を読み込めません。</source>
        <translation>The business report cannot be read.</translation>
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
<context>
    <name>seasonal_events</name>
    <message>
        <location filename="../../src/world/seasonal_events.cpp" line="+20"/>
        <source>ボーナスシーズン</source>
        <translation>Bonus Season</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>今月は夏期ボーナスシーズンです。店舗の大入りに大いに期待しましょう。</source>
        <translation>This month is the summer bonus season. Let us hope for packed halls.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>今月は冬期ボーナスシーズンです。店舗の大入りに大いに期待しましょう。</source>
        <translation>This month is the winter bonus season. Let us hope for packed halls.</translation>
    </message>
</context>
<context>
    <name>seminar</name>
    <message>
        <location filename="../../src/world/seminar.cpp" line="+16"/>
        <source>諸葛兄弟に見る人材論</source>
        <translation>Talent Management after the Zhuge Brothers</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>現代経営兵法</source>
        <translation>The Art of War for Modern Managers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lets Try！ 禅</source>
        <translation>Let&apos;s Try! Zen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ゲージの歴史</source>
        <translation>A History of Nail Gauges</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>理想の組織・実践編</source>
        <translation>The Ideal Organisation: In Practice</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>古代算術法を学ぶ</source>
        <translation>Learning Ancient Arithmetic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>偉人・奇人達の足跡</source>
        <translation>In the Footsteps of Great and Eccentric Minds</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>発明の必然と発見の偶然</source>
        <translation>Necessary Inventions and Chance Discoveries</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>「忠誠」の感情的・論理的側面</source>
        <translation>&quot;Loyalty&quot;: Its Emotional and Logical Sides</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>尊徳の憂鬱</source>
        <translation>The Melancholy of Sontoku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>人格の深淵</source>
        <translation>The Depths of Character</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>愛すべき娯楽</source>
        <translation>Lovable Pastimes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>イデオロギーの誕生と破滅</source>
        <translation>The Birth and Fall of Ideologies</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>智の桃源郷</source>
        <translation>The Shangri-La of Wisdom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ヒトの遺伝的個性</source>
        <translation>Human Genetic Individuality</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>人間工学の基礎・応用</source>
        <translation>Ergonomics: Basics and Applications</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>統率力が%1向上しました！</source>
        <translation>Leadership rose by %1!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>知性が%1向上しました！</source>
        <translation>Intelligence rose by %1!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>魅力が%1向上しました！</source>
        <translation>Charisma rose by %1!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>鑑定眼が%1向上しました！</source>
        <translation>Appraisal rose by %1!</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>経営者セミナー</source>
        <translation>Management Seminar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1で経営者セミナーが開かれています。講習料金は%2ですが、参加しますか？</source>
        <translation>A management seminar is being held in %1. The fee is ¥%2 thousand. Will you attend, Mr. President?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>資金不足</source>
        <translation>Insufficient Funds</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>資金が足りません。</source>
        <translation>We do not have enough cash.</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+5"/>
        <source>講習終了</source>
        <translation>Seminar Over</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>あまり変わり映えしませんね．．．ちゃんと勉強したんですか？</source>
        <translation>Hardly any different, it seems... Did you really study, Mr. President?</translation>
    </message>
</context>
<context>
    <name>staff_month</name>
    <message>
        <location filename="../../src/store/staff_month.cpp" line="+184"/>
        <source>スタッフの不満</source>
        <translation>Staff Discontent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1のスタッフが現在の就業環境に不満を抱き、待遇改善を求めているとの報告が入っています。ご検討ください。</source>
        <translation>We hear that the staff of %1 are unhappy with their working conditions and want them improved. Please consider what to do.</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+40"/>
        <source>スタッフの退職</source>
        <translation>Staff Resignations</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>大変です。%1のスタッフが全員辞表を提出し、退職してしまいました！%1は営業が不可能な状態となっています。</source>
        <translation>Mr. President! The entire staff of %1 have handed in their resignations and left! %1 cannot do business.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1のスタッフが%2人退職しました。もう少し給与を高くしてあげても良いのではないでしょうか．．．。</source>
        <translation>%2 staff of %1 have left. Perhaps we could pay them a little more....</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1のスタッフが%2人退職しました。</source>
        <translation>%2 staff of %1 have left.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>スタッフ不足</source>
        <translation>Staff Shortage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1のスタッフが全て退職してしまいました。</source>
        <translation>All the staff of %1 have left.</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <location filename="../../src/store/store.cpp" line="+18"/>
        <source>１フロア</source>
        <translation>1 Floor</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>２フロア</source>
        <translation>2 Floors</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>３フロア</source>
        <translation>3 Floors</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>パーク</source>
        <translation>Park</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>タワー</source>
        <translation>Tower</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>待機中</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>営業中</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>工事中</source>
        <translation>Under construction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>営業停止</source>
        <translation>Suspended</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>独立島</source>
        <translation>Stand-alone islands</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>マッサージャー</source>
        <translation>Massage chairs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>テレビモニター</source>
        <translation>TV monitors</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>プレイヤー</source>
        <translation>Music players</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ボロカードシステム</source>
        <translation>Ball card system</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>休憩所</source>
        <translation>Rest area</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>託児所</source>
        <translation>Day nursery</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>レストラン</source>
        <translation>Restaurant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ｲﾝﾀｰﾈｯﾄｶﾌｪ</source>
        <translation>Internet cafe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>プラネタリウム</source>
        <translation>Planetarium</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>サウナ</source>
        <translation>Sauna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>映画館</source>
        <translation>Cinema</translation>
    </message>
</context>
<context>
    <name>store_crimes</name>
    <message>
        <location filename="../../src/world/store_crimes.cpp" line="+32"/>
        <source>強盗</source>
        <translation>Robbery Foiled</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1で強盗事件が発生しました！ですが、スタッフによって犯人は取り押さえられ、強盗は未遂に終わりました！良いスタッフに恵まれましたね。</source>
        <translation>A robbery took place at %1! But the staff overpowered the robber, and the attempt failed! We are blessed with good staff.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>強盗事件</source>
        <translation>Robbery</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1で強盗事件が発生しました！当日のスタッフの対処は後手後手にまわり、残念ながら、犯人は逃走に成功してしまいました！被害額は%2にのぼっております。</source>
        <translation>A robbery took place at %1! The staff on duty were always a step behind, and regrettably the robber got away! The loss comes to ¥%2 thousand.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>泥棒</source>
        <translation>Burglary</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1で、深夜、泥棒に入られました！犯人は景品など数百点をを物色し、逃走した模様で、当該店舗は防犯対策が甘かったと言わざるを得ません！被害額は%2にのぼっております。</source>
        <translation>A burglar broke into %1 late at night! The thief seems to have made off with several hundred prizes and other goods; we must say the hall&apos;s security was lax! The loss comes to ¥%2 thousand.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>酔っ払いの侵入</source>
        <translation>Drunken Intruder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1で、近くの繁華街で泥酔していた酔っ払いが店舗内で暴れるという事件がありました。被害はわずかですが、店舗のイメージダウンに繋がるかもしれません。</source>
        <translation>A drunk from the nearby entertainment district ran wild inside %1. The damage is slight, but it may hurt the hall&apos;s image.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>喧嘩</source>
        <translation>Quarrel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1で、スタッフとお客様が激しく口論し合い、一時店内は騒然となりました！事後処理などで損害額が%2ほどありました。スタッフへの影響と、店舗のイメージダウンが懸念されます。</source>
        <translation>At %1, a member of staff and a customer had a violent argument, and the hall was in uproar for a while! Dealing with the aftermath cost about ¥%2 thousand. We fear for the staff and for the hall&apos;s image.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>ゴト師捕縛</source>
        <translation>Cheat Caught</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1で営業中ゴト行為を働いていた男を、スタッフが見事取り押さえました！事件後、ゴト師を警察に引き渡し、店舗には損害はありませんでした。</source>
        <translation>At %1, the staff skilfully caught a man cheating at the machines during business hours! He was handed over to the police, and the hall suffered no loss.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ゴト師</source>
        <translation>Machine Cheats</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1で営業中ゴト行為が行われた事実が判明しました！残念ながらゴト師の捕縛には至っておりません。調査の結果%2の被害を受けたのがわかりました。</source>
        <translation>It has come to light that cheats worked the machines at %1 during business hours! Regrettably, they have not been caught. Our investigation shows a loss of ¥%2 thousand.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>スタッフの背任</source>
        <translation>Breach of Trust</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1でスタッフの背任行為が発覚しました！どうやら客と協同で不正に出玉を出していたようです。このスタッフは懲戒免職処分としましたが、被害額が%2あったようです。</source>
        <translation>A breach of trust by a member of staff has come to light at %1! It seems they worked with a customer to pay out balls dishonestly. The staff member has been dismissed, but the loss seems to come to ¥%2 thousand.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>発砲事件</source>
        <translation>Shooting</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1で、抗争中の暴力団組員らが店内で銃を発砲するという事件がありました！幸い怪我人は無く、被害も%2程度ですが、お客様やスタッフに大きな衝撃を与えています。</source>
        <translation>Gangsters at war fired guns inside %1! Fortunately no one was hurt and the damage is only about ¥%2 thousand, but customers and staff are badly shaken.</translation>
    </message>
</context>
<context>
    <name>store_incidents</name>
    <message>
        <location filename="../../src/world/store_incidents.cpp" line="+102"/>
        <source>CM大賞受賞</source>
        <translation>Commercial of the Year</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1で%2に委託して製作、放映されたコマーシャルが、この度デジタル・パーラー・アカデミーより「CM大賞」を授与され,賞金一億円を頂きました！%2に依頼して良かったですね！</source>
        <translation>The commercial that %2 made and aired for %1 has won the Digital Parlour Academy&apos;s &quot;Commercial of the Year&quot; award, with a prize of ¥100 million! We did well to hire %2!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The Best Of World Wide Web Server受賞</source>
        <translation>The Best Of World Wide Web Server Award</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1に設置しているホームページがこの度デジタル・パーラー・アカデミーより「The Best Of World Wide Web Server」の称号を授与され、賞金５０００万円を頂きました！スタッフも大変喜んでいますし、この調子でさらに良い店舗になっていって欲しいですね。</source>
        <translation>The home page of %1 has been named &quot;The Best Of World Wide Web Server&quot; by the Digital Parlour Academy, with a prize of ¥50 million! The staff are delighted; let us hope the hall keeps growing better like this.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>イベント大好評</source>
        <translation>Event a Great Success</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1で開催しているイベントが好評を博しています。スタッフの頑張りにより期待いたしましょう。</source>
        <translation>The event held at %1 is proving very popular. Let us look forward to even more from the staff&apos;s hard work.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>サクラ発覚</source>
        <translation>Shills Exposed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1でサクラを雇っているのがバレてしまいました！どうやらスタッフの誰かが外部に情報を漏らしたようです！店舗の信用はガタ落ちです．．．。</source>
        <translation>It has got out that %1 hires shills! It seems someone on the staff leaked it! The hall&apos;s reputation has collapsed....</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>反感</source>
        <translation>Unrest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1のスタッフが、市民の反感に怯えているようです。</source>
        <translation>The staff of %1 seem frightened by the citizens&apos; hostility.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>昏迷</source>
        <translation>Unease</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1のスタッフが、周辺地域の治安に不安を覚えています。</source>
        <translation>The staff of %1 are worried about security in the neighbourhood.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>退嬰</source>
        <translation>Carelessness</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1で、人為的なミスや事故が多発しています。</source>
        <translation>Human errors and accidents keep happening at %1.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>暴動発生</source>
        <translation>Riot</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>大変です！%1の近辺で暴動が発生しました！暴徒と化した市民が店内で暴れまわり、台が%2台破壊されてしまいました！スタッフも動揺しています。</source>
        <translation>Mr. President! A riot has broken out near %1! A mob of citizens ran wild inside the hall, and %2 machines were destroyed! The staff are shaken.</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+15"/>
        <source>TV放映</source>
        <translation>On Television</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>%1がテレビ中継されています。何と、その内容は「緊急報道！空前のボッタクリパーラーの内情！豪華な店舗の裏面を突く」という物で、かなり店舗の悪い面を強調した番組になっています！今月の実績が懸念されます。</source>
        <translation>%1 is on television. And the programme is &quot;Special Report! Inside the Biggest Rip-off Parlour Ever! The Dark Side of a Luxury Hall&quot;, which plays up the hall&apos;s worst side! We fear for this month&apos;s results.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1がテレビ中継されています。その内容は「噂の名店、%1の店長に直撃インタビュー」という内容で、市民は我が社に好意的評価を持ちつつあるようです。</source>
        <translation>%1 is on television, in a programme called &quot;Face to Face with the Manager of the Famous %1&quot;, and the citizens seem to be warming to our company.</translation>
    </message>
</context>
<context>
    <name>tax_evasion</name>
    <message>
        <location filename="../../src/world/tax_evasion.cpp" line="+49"/>
        <source>脱税発覚</source>
        <translation>Tax Evasion Exposed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>脱税が露見してしまいました！国税局に追徴課税%1の支払いを命ぜられ、現在営業中の店舗は全て６ヶ月の営業停止処分を受けました！市内は騒然としております．．．。</source>
        <translation>Our tax evasion has been exposed! The tax office has ordered us to pay ¥%1 thousand in back taxes, and every hall now open has been suspended for 6 months! The whole city is in uproar....</translation>
    </message>
</context>
<context>
    <name>warehouse_disposal</name>
    <message>
        <location filename="../../src/company/warehouse_disposal.cpp" line="+25"/>
        <location line="+4"/>
        <location line="+15"/>
        <source>廃棄</source>
        <translation>Disposal</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>その台は廃棄できません。</source>
        <translation>That machine cannot be disposed of.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>今月は市が台の廃棄を受け付けておりません。来月までお待ちください。</source>
        <translation>The city is not taking machines for disposal this month. Please wait until next month.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>選択した台%1台を廃棄します。費用が%2かかりますが、よろしいですか？</source>
        <translation>We will dispose of the %1 selected machines. This will cost ¥%2 thousand. Shall we proceed?</translation>
    </message>
</context>
<context>
    <name>world</name>
    <message>
        <location filename="../../src/world/world.cpp" line="+14"/>
        <source>営業時間の規制緩和</source>
        <translation>Longer Business Hours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>換金行為の規制緩和</source>
        <translation>Eased Prize Exchange</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>換金行為の全面規制</source>
        <translation>Ban on Prize Exchange</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>有価証券商品の交換の認可</source>
        <translation>Securities as Prizes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>景品限度額の引き上げ</source>
        <translation>Higher Prize Limit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>景品限度額の引き下げ</source>
        <translation>Lower Prize Limit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>月毎営業日数規制</source>
        <translation>Monthly Rest Days</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ぱちんこ税の導入</source>
        <translation>Pachinko Tax</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>機械台製造販売の自由化</source>
        <translation>Free Machine Manufacture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>機械台の製造者責任を義務付け</source>
        <translation>Makers&apos; Disposal Duty</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2円 20銭</source>
        <translation>¥2.20</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>2円 50銭</source>
        <translation>¥2.50</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2円 70銭</source>
        <translation>¥2.70</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>3円</source>
        <translation>¥3.00</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3円 30銭</source>
        <translation>¥3.30</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>3円 60銭</source>
        <translation>¥3.60</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>等価交換</source>
        <translation>One-to-one</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>8枚交換</source>
        <translation>8 medals per ¥100</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>7枚交換</source>
        <translation>7 medals per ¥100</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>6枚交換</source>
        <translation>6 medals per ¥100</translation>
    </message>
</context>
<context>
    <name>world_queries</name>
    <message>
        <location filename="../../src/world/world_queries.cpp" line="+164"/>
        <source>%1年%2月より取引を中止していた、%3との関係が修復されました！今月からは取引を再開できるようになります。</source>
        <translation>Our relations with %3, with whom trading had stopped since Year %1, Month %2, have been restored! We can trade with them again from this month.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>取引再開</source>
        <translation>Trading Resumed</translation>
    </message>
</context>
</TS>
