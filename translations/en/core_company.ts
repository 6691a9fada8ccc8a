<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
        <translation>Please buy machines with "Buy Machines" and install them in %1 with "Replace".</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>スタッフが%1人で、適正人員の%2人に足りません。</source>
        <translation>The hall has %1 staff, fewer than the %2 needed.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>適正人員に満たない店舗は開店できません。適正人員は台の客付きとともに増え、お客様が入ると約%1人が必要になります。</source>
        <translation>A hall with fewer staff than needed cannot open. The staff needed grow with the machines' occupancy: once customers come in, about %1 will be needed.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+23"/>
        <source>「人事」で%1人を雇用し、配属してください。</source>
        <translation>Please hire %1 staff in "Personnel" and assign them.</translation>
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
        <translation>Please give the "Open" order.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>人員の充足率が%1%（%2人／適正人員%3人）で、全員退職の危険がある%4%を下回っています。</source>
        <translation>Staffing stands at %1% (%2 staff against %3 needed), below the %4% at which the whole staff may resign.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>営業中の店舗で充足率がこの水準を下回ると、月末にスタッフが不満を募らせ、二回に一回は全員が辞表を出して店舗は営業できなくなります。給与が求める額に届かないほど、この水準（不満の水準は%1%）は上がります。</source>
        <translation>When staffing at an open hall is below this level, the staff's discontent boils over at the month's end, and one time in two they all hand in their resignations and the hall can no longer do business. The further salaries fall short of the staff's demand, the higher this level rises (the level of discontent is %1%).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>今月中に「人事」で%1人を雇用し、配属してください。</source>
        <translation>Please hire %1 staff in "Personnel" this month and assign them.</translation>
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
        <translation>If staffing at the month's end is below %1%, the staff complain; below %2%, they may all resign. The staff needed depend on the month's customers and the age of the machines.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>給与が求める額に届かないと、その不足の割合（%1%）でスタッフが毎月辞めていきます。今月末には約%2人が辞める見込みです。</source>
        <translation>When salaries fall short of the staff's demand, staff leave every month in proportion to the shortfall (%1%). About %2 are expected to leave at the end of this month.</translation>
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
        <translation>Please set the salary to ¥%1 thousand in "Personnel Costs".</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>雇い直すほうが安上がりです。毎月「人事」で辞める人数を見込んで雇用してください（今月は%1人）。</source>
        <translation>Hiring replacements is cheaper. Each month, please hire in "Personnel" as many as are expected to leave (%1 this month).</translation>
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
        <translation>Please transfer %1 staff out in "Personnel", then dismiss them or assign them to a hall that is short-handed.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>福利厚生費が一人あたり月%1千円で、モラル（現在%2）は%3に向かっています。</source>
        <translation>Welfare is ¥%1 thousand a head a month, and morale (now %2) is heading toward %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>モラルは毎月、福利厚生費の額に向かって動きます。モラルが低いと台の運営費がかさみ、客単価も伸びず、10以下になると毎月何人かが辞めていきます。福利厚生費を一人%1千円にするとモラルは%2に向かい、月およそ%3千円の得に対して、費用は下がる給与の要求を差し引いて月%4千円です。</source>
        <translation>Morale moves every month toward the level that welfare spending supports. Low morale drives up the machines' running costs and holds down spending per customer, and at 10 or below some staff leave every month. Welfare of ¥%1 thousand a head would move morale toward %2, a gain of about ¥%3 thousand a month against a cost of ¥%4 thousand a month after the lower salary demands.</translation>
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
        <translation>Please set welfare to ¥%1 thousand in "Personnel Costs".</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>教育費が一人あたり月%1千円で、スキル（現在%2）は%3に向かっています。</source>
        <translation>Education is ¥%1 thousand a head a month, and skill (now %2) is heading toward %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>スキルは毎月、教育費の額に向かって動きます。スキルが低いと台の保守費がかさみ、客単価が伸びず、実際の利益率が設定から大きくぶれます。スキルが上がると、スタッフの求める給与も上がります。教育費を一人%1千円にするとスキルは%2に向かい、月およそ%3千円の得に対して、費用は上がる給与の要求を含めて月%4千円です。</source>
        <translation>Skill moves every month toward the level that education spending supports. Low skill drives up the machines' maintenance, holds down spending per customer and makes the actual profit rate stray far from its setting. As skill rises, so do the salaries the staff demand. Education of ¥%1 thousand a head would move skill toward %2, a gain of about ¥%3 thousand a month against a cost of ¥%4 thousand a month including the higher salary demands.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>「人件費調整」で教育費を%1千円にしてください。</source>
        <translation>Please set education to ¥%1 thousand in "Personnel Costs".</translation>
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
        <translation>Fires break out easily from November to March, when the air is dry, and whether one stays a small fire depends on the staff's skill and morale. If the hall burns down, its building, equipment and machines, worth about ¥%1 thousand, are lost.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>モラル70、スキル50のスタッフなら、年%1%に下がります。</source>
        <translation>With staff of morale 70 and skill 50, the chance would fall to %1% a year.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>我が社の店舗はここだけですので、全焼すれば店舗がなくなり、経営は続けられません。</source>
        <translation>This is our company's only hall: if it burns down, we will have no hall left and the business cannot go on.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>この店舗で火災が起きて消し止められない確率は年およそ%1%で、その%2%は全焼です。</source>
        <translation>The chance of a fire at this hall that cannot be put out is about %1% a year, and %2% of such fires burn it to the ground.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>「人件費調整」で教育費を%1千円、福利厚生費を%2千円にしてください。</source>
        <translation>Please set education to ¥%1 thousand and welfare to ¥%2 thousand in "Personnel Costs".</translation>
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
        <translation>If it comes to light, satisfaction and refinement fall sharply, fans nearby turn away, and the President's charisma and leadership suffer too.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>発覚すると保釈金約%1千円を払い、%2ヶ月の営業停止となり、社長の魅力と統率力も下がります。</source>
        <translation>If it comes to light, we pay about ¥%1 thousand in bail, the hall is suspended for %2 months, and the President's charisma and leadership suffer too.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>スタッフのモラルも毎月平均%1下がります。</source>
        <translation>Staff morale also falls by %1 a month on average.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>「工作変更」でやめてください。</source>
        <translation>Please stop it with "Manipulations".</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>交換率がパチンコ%1、スロット%2です。</source>
        <translation>The exchange rates are %1 for pachinko and %2 for slots.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>交換率が高い店では満足度が毎月下がり（下げれば月%1の改善）、スタッフのモラルとスキルの目標も%2%に下がります。一方で交換率が高いほど店の評価点は上がり、知名度も上がりやすくなります。</source>
        <translation>At a hall with high exchange rates, satisfaction falls every month (lowering them would improve it by %1 a month), and the staff's morale and skill aim at only %2% of their usual targets. On the other hand, the higher the exchange rates, the higher the hall's score, and the more easily its fame rises.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>「交換率変更」でパチンコを%1、スロットを%2以下にすると、満足度の下落は止まります。</source>
        <translation>Setting pachinko to %1 and slots to %2 or lower in "Exchange Rates" will stop satisfaction from falling.</translation>
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
        <translation>Please buy machines with "Buy Machines" and swap them for the %1 old islands with "Replace".</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1島に対して、先月のお客様%2人は%3島で足ります（客付き%4%）。</source>
        <translation>The hall has %1 islands, but last month's %2 customers would fit in %3 (occupancy %4%).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>お客様の数は島の数では増えず、島に分かれるだけです。島が多いほど保守費と運営費がかかり、適正人員も増えます。島を減らせば、必要なスタッフが%1人減り、月およそ%2千円が浮きます。</source>
        <translation>More islands do not bring more customers; they only spread them out. The more islands, the higher the maintenance and running costs, and the more staff needed. With fewer islands, %1 fewer staff would be needed, saving about ¥%2 thousand a month.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>「入替」で、客付きの低い%1島を倉庫に下げてください。</source>
        <translation>Please move the %1 islands with the lowest occupancy to the warehouse with "Replace".</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1島の客付きが%2%で、ほぼ満席です。</source>
        <translation>The %1 islands are at %2% occupancy, nearly full.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>一つの島は一時間に十人までしか遊べず、あふれたお客様は帰ってしまいます。先月のお客様%1人なら%2島あると安心です（空きは%3島）。</source>
        <translation>An island seats no more than ten players an hour, and customers who find no seat go home. For last month's %1 customers, %2 islands would be safe (there is room for %3).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>「新台購入」と「入替」で%1島を増やしてください。</source>
        <translation>Please add %1 islands with "Buy Machines" and "Replace".</translation>
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
        <translation>Please set the profit rate to about %1% in "Profit Rates".</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>知名度は毎月、先月の利益率の半分（今は%1）下がり、開店からの年月や台の古さでも下がります。</source>
        <translation>Fame falls every month by half of last month's profit rate (now %1), and also with the years since opening and the age of the machines.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>提案の販売促進で月%1改善します（費用は月%2千円）。</source>
        <translation>The promotions proposed would improve it by %1 a month (at ¥%2 thousand a month).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>「販促予算変更」でテレビコマーシャル、ダイレクトメール、ポケットティッシュを始めてください。</source>
        <translation>Please start TV commercials, direct mail and pocket tissues in "Promotions".</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>満足度は毎月、先月の利益率の半分（今は%1）下がり、交換率の高さ、台の古さ、混雑でも下がります。設備、モラルとスキルの高いスタッフ、人気の台で上がります。</source>
        <translation>Satisfaction falls every month by half of last month's profit rate (now %1), and also with high exchange rates, old machines and crowding. It rises with equipment, staff of high morale and skill, and popular machines.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>「設備投資」で%1を導入すると、月%2改善します。</source>
        <translation>Installing %1 through "Equipment Investment" would improve it by %2 a month.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>「交換率変更」で交換率を下げると、月%1改善します。</source>
        <translation>Lowering the exchange rates in "Exchange Rates" would improve it by %1 a month.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>先月は粗利益%1千円に対し、経費が%2千円（最も多いのは%3）でした。</source>
        <translation>Last month, against a gross profit of ¥%1 thousand, costs came to ¥%2 thousand (mostly %3).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>先月のお客様の数なら、利益率%1%で粗利益が最も多くなる見込みです。</source>
        <translation>With last month's number of customers, a profit rate of %1% should bring the highest gross profit.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>「利益率」で全ての島の利益率を%1%にしてください。</source>
        <translation>Please set every island's profit rate to %1% in "Profit Rates".</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>お客様を増やすには、販売促進で周辺の区画のファンを増やします。</source>
        <translation>To draw more customers, promotions win more fans in the surrounding blocks.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>「販促予算変更」で販売促進を始めてください。</source>
        <translation>Please start promotions in "Promotions".</translation>
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
        <translation>Customers in blocks where the halls' catchment areas overlap go mostly to the hall with the better rating (refinement, fame, satisfaction, morale, skill, exchange rates).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>先月の経常利益は%1千円の赤字で、資金%2千円はこのままでは約%3ヶ月で底をつきます。</source>
        <translation>Last month's result after tax was a loss of ¥%1 thousand; at this rate our cash of ¥%2 thousand will run out in about %3 months.</translation>
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
        <translation>Please buy land in Block Data and build a hall with "Construction".</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1店が先月赤字でした（合計%2千円の損）。</source>
        <translation>%1 halls lost money last month (¥%2 thousand in all).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>店舗一覧で各店の所見を確かめてください。</source>
        <translation>Please check each hall's findings in the Hall List.</translation>
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
        <translation>Please stop the special manipulations with "Change" in the Union Manager.</translation>
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
        <translation>Construction is possible only while the hall is "Waiting".</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>その工事はできません。</source>
        <translation>That work cannot be done.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>そこは我が社の土地ではありません。</source>
        <translation>That is not our company's land.</translation>
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
        <translation>We will build %2, a new hall of size %1. Shall we proceed?</translation>
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
        <translation>The head office's warehouse is getting cramped. We would like to rebuild it to hold more machines. What do you say, Mr. President?</translation>
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
        <translation>Under the union's rules, the pachinko exchange rate may go no higher than %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>組合の規制により、パチスロの交換率は %1までと定められています。</source>
        <translation>Under the union's rules, the pachislot exchange rate may go no higher than %1.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>交換率を変更します。コストが  %1かかりますが、よろしいですか？</source>
        <translation>We will change the exchange rates. This will cost ¥%1 thousand. Shall we proceed?</translation>
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
        <translation>There is no room for the machines in the head office's warehouse.</translation>
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
    <name>negotiation</name>
    <message>
        <location filename="../../src/company/negotiation.cpp" line="+24"/>
        <source>うむ、君もなかなか解っている人だね。よし、この土地は君に譲ってあげよう。</source>
        <translation>Hmm, you know how these things work. Very well, I'll let you have the land.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>そこまでこの土地が必要ならば、私も君の誠意に応えよう。見所あるね、君ぃ。</source>
        <translation>If you need this land that badly, I'll answer your good faith. You show promise, young man.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>う～ん、悪い条件ではないがねえ、もう少しがんばってもらえんだろうかねェ？</source>
        <translation>Hmm, not a bad offer, but couldn't you stretch a little further?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ふん、まあいいだろう。この土地は君の物だ。結構しっかりしてるな、君は。</source>
        <translation>Hmph, all right then. The land is yours. You drive a hard bargain.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>君ぃ～、それはちょっとあんまりじゃないかね？他にも売って欲しいという人はいるんだよ？</source>
        <translation>Come now, isn't that a bit much? There are others who want this land, you know.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>残念だが、今回は諦めてくれ。私もこの土地には愛着があるものでね。</source>
        <translation>Sorry, but you'll have to give up this time. I've grown rather attached to this land.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>だめだめ、話にならんよ。そんなはした金とっととしまって、早く出てってくれ！</source>
        <translation>No, no, that's out of the question. Put that pocket change away and get out!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>気分が悪いな、君は！一体何様のつもりなんだ！顔を洗って出直してこい！</source>
        <translation>You've got a nerve! Who do you think you are? Go and wash your face, and come back when you're serious!</translation>
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
        <location filename="../../src/company/promotion_order.cpp" line="+26"/>
        <source>現在の %1 の人員数では、ティッシュの配布量は 「%2」 が限界です。</source>
        <translation>With the present staff of %1, "%2" is the most tissues it can hand out.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>現在の %1 の人員数では、ＤＭの配布量は 「%2」 が限界です。</source>
        <translation>With the present staff of %1, "%2" is the most direct mail it can send.</translation>
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
        <translation>There is no room for the machines in the head office's warehouse.</translation>
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
        <translation>%1's tax evasion has come to light! All its open halls seem to have been suspended for 6 months! The city is in an uproar...</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>大火災</source>
        <translation>Major Fire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の店舗で大規模な火災があったようです。店舗は全焼してしまったようです。</source>
        <translation>There seems to have been a major fire at a hall of %1's. The hall appears to have burned to the ground.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ボヤ</source>
        <translation>Small Fire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の店舗でボヤ騒ぎがあったようです。</source>
        <translation>There seems to have been a small fire at a hall of %1's.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>TV放映</source>
        <translation>On Television</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の店舗がテレビ中継されています。市民は%1に好意的評価を持ちつつあるようです。</source>
        <translation>A hall of %1's is on live television. The citizens seem to be warming to %1.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>サクラ発覚</source>
        <translation>Shills Exposed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1の店舗でサクラを雇っているのが発覚しました！%1は激しい非難を浴びています。</source>
        <translation>A hall of %1's has been caught hiring shills! %1 is under fierce criticism.</translation>
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
        <translation>The police have raided a hall of %1's and found it doing business with rigged ROMs in its machines! The hall seems to have been suspended for 3 months.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1の店舗がガサ入れされ、特賞操作システムを設置運営していた事実が発覚しました！当該店舗は６ヶ月間の営業停止処分を受けたようです。</source>
        <translation>The police have raided a hall of %1's and found it running a jackpot rigging system! The hall seems to have been suspended for 6 months.</translation>
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
        <translation>Construction of a hall of %1's is complete. It seems it will open this month.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1の営業停止期間が終了しました。今月より営業再開するとの事です。</source>
        <translation>%1's business suspension is over. Word is its hall reopens this month.</translation>
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
</TS>
