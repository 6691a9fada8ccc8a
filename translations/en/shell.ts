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
    <name>gm::MAPGRID</name>
    <message>
        <location filename="../../src/shell/map_view.cpp" line="+31"/>
        <source>ｸﾘｯｸで区画ﾃﾞｰﾀ表示<byte value="xd"/>ﾀﾞﾌﾞﾙｸﾘｯｸorﾘﾀｰﾝで店舗ﾃﾞｰﾀ／他店舗ﾃﾞｰﾀ表示<byte value="xd"/>右ｸﾘｯｸでﾎﾟｯﾌﾟｱｯﾌﾟ<byte value="xd"/>ﾏｳｽ右ﾎﾞﾀﾝﾄﾞﾗｯｸﾞでｽｸﾛｰﾙ|</source>
        <translation>Click: Block Data<byte value="xd"/>Double-click or Enter: Hall Data / Rival Hall Data<byte value="xd"/>Right-click: pop-up menu<byte value="xd"/>Right-drag: scroll the map|</translation>
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
    <name>gm::Tallmap</name>
    <message>
        <location filename="../../src/shell/sub_windows.cpp" line="+4"/>
        <source>地図</source>
        <translation>Map</translation>
    </message>
</context>
<context>
    <name>gm::Tchikudata</name>
    <message>
        <location line="+3"/>
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
    <name>gm::Tddaidata</name>
    <message>
        <location line="+20"/>
        <source>台データ</source>
        <translation>Machine Data</translation>
    </message>
</context>
<context>
    <name>gm::Tentempoform</name>
    <message>
        <location line="+24"/>
        <source>他店舗ﾃﾞｰﾀ</source>
        <translation>Rival Hall Data</translation>
    </message>
</context>
<context>
    <name>gm::Tidouform</name>
    <message>
        <location line="-16"/>
        <source>人事</source>
        <translation>Personnel</translation>
    </message>
</context>
<context>
    <name>gm::Tjissekiform</name>
    <message>
        <location line="+28"/>
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
    <name>gm::Tmakekaichou</name>
    <message>
        <location filename="../../src/shell/new_game_dialogs.cpp" line="+241"/>
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
    <name>gm::Tsindaiform</name>
    <message>
        <location filename="../../src/shell/sub_windows.cpp" line="-27"/>
        <source>新台製作発表</source>
        <translation>New Model Announcement</translation>
    </message>
</context>
<context>
    <name>gm::Ttempoform</name>
    <message>
        <location line="-27"/>
        <source>店舗データ</source>
        <translation>Hall Data</translation>
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
    <name>name_dialog</name>
    <message>
        <location filename="../../src/shell/name_dialog.cpp" line="-35"/>
        <source>パーラー%1号店</source>
        <translation>Parlour No. %1</translation>
    </message>
</context>
<context>
    <name>new_game_dialogs</name>
    <message>
        <location filename="../../src/shell/new_game_dialogs.cpp" line="-160"/>
        <source>大河内会長</source>
        <translation>Chairman Okochi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>銀玉興業株式会社</source>
        <translation>Gindama Industries Ltd.</translation>
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
</TS>
