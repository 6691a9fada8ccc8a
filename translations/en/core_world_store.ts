<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
        <translation>Friendship:  -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>友好度：  %1</source>
        <translation>Friendship:  %1</translation>
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
