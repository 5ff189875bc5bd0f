<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>AboutBox</name>
    <message>
        <source>バージョン情報 KovarisWin</source>
        <translation>About KovarisWin</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>先&#x3000;発</source>
        <translation>1st   </translation>
    </message>
    <message>
        <source>次&#x3000;発</source>
        <translation>2nd   </translation>
    </message>
    <message>
        <source>次々発</source>
        <translation>3rd   </translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;</source>
        <translation>      </translation>
    </message>
    <message>
        <source>%02d時台</source>
        <translation>%02dh   </translation>
    </message>
    <message>
        <source>           </source>
        <translation>           </translation>
    </message>
    <message>
        <source>あと   %02d秒</source>
        <translation>in      %02ds</translation>
    </message>
    <message>
        <source>あと%d分%02d秒</source>
        <translation>in   %dm %02ds</translation>
    </message>
    <message>
        <source>あと   %02d分</source>
        <translation>in      %02dm</translation>
    </message>
    <message>
        <source> %02d時間%02d分</source>
        <translation>    %02dh %02dm</translation>
    </message>
    <message>
        <source>    %d分%02d秒</source>
        <translation>    -%dm %02ds</translation>
    </message>
    <message>
        <source>      %03d分</source>
        <translation>      -%03dm</translation>
    </message>
    <message>
        <source>%04d年%02d月%02d日</source>
        <translation>%04d-%02d-%02d</translation>
    </message>
    <message>
        <source>日</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>月</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>火</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>水</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>木</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>金</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>土</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>%02d時%02d分</source>
        <translation>%02dh%02dm</translation>
    </message>
    <message>
        <source>%02d秒</source>
        <translation>%02ds</translation>
    </message>
    <message>
        <source>間に合いません</source>
        <translation>out of reach</translation>
    </message>
</context>
<context>
    <name>CCstClockAccessible</name>
    <message>
        <source>時計</source>
        <translation>Clock</translation>
    </message>
</context>
<context>
    <name>CDlgSetColor</name>
    <message>
        <source>設定削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>色設定</source>
        <translation>Colours</translation>
    </message>
</context>
<context>
    <name>CDlgSetting</name>
    <message>
        <source>設定</source>
        <comment>confirm button</comment>
        <translation>Save</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>window title</comment>
        <translation>Settings</translation>
    </message>
    <message>
        <source>基本</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>時計</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>フォント</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>動作</source>
        <translation>Behaviour</translation>
    </message>
    <message>
        <source>Ｋey</source>
        <translation>Keys</translation>
    </message>
</context>
<context>
    <name>CDlgTabBasic</name>
    <message>
        <source>ＴＢＬ選択コンボボックスの表示</source>
        <translation>Show the timetable choice box</translation>
    </message>
    <message>
        <source>起動時に最後に表示した時刻表を表示</source>
        <translation>Start with the timetable shown last</translation>
    </message>
    <message>
        <source>備考短縮表記</source>
        <translation>Short names of the marks</translation>
    </message>
    <message>
        <source>残り時間短縮表記</source>
        <translation>Short countdown</translation>
    </message>
    <message>
        <source>一つ前の発車時刻表示</source>
        <translation>Show the departure before the next one</translation>
    </message>
    <message>
        <source>縦画面固定</source>
        <translation>Portrait only</translation>
    </message>
    <message>
        <source>データパス：</source>
        <translation>Data path:</translation>
    </message>
    <message>
        <source>データパスの選択</source>
        <translation>Choose the data folder</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>データパスのフォルダを選びます</source>
        <translation>Chooses the folder of the data path</translation>
    </message>
</context>
<context>
    <name>CDlgTabClock</name>
    <message>
        <source>日付時刻の2行表示</source>
        <translation>Date and time on two lines</translation>
    </message>
    <message>
        <source>日付&lt;-&gt;時刻 入替え</source>
        <translation>Swap date and time</translation>
    </message>
    <message>
        <source>日付表示</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>時刻表示</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>文字色</source>
        <translation>Text colour</translation>
    </message>
</context>
<context>
    <name>CDlgTabFont</name>
    <message>
        <source>日付：</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>時刻:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>駅表示:</source>
        <translation>Stations:</translation>
    </message>
    <message>
        <source>時刻表：</source>
        <translation>Timetable:</translation>
    </message>
    <message>
        <source>到着駅：</source>
        <translation>Arrivals:</translation>
    </message>
</context>
<context>
    <name>CDlgTabMov1</name>
    <message>
        <source>スクロールなし</source>
        <translation>No scrolling</translation>
    </message>
    <message>
        <source>スクロール</source>
        <translation>Scroll</translation>
    </message>
    <message>
        <source>スクロール(x2)</source>
        <translation>Scroll (x2)</translation>
    </message>
    <message>
        <source>時刻表備考欄-選択行のみスクロール</source>
        <translation>Scroll the notes of the selected departure only</translation>
    </message>
    <message>
        <source>カウントダウン開始分(0-10)：</source>
        <translation>Countdown from (0-10 min):</translation>
    </message>
    <message>
        <source>プログレスバー開始分(0-10)：</source>
        <translation>Progress bar from (0-10 min):</translation>
    </message>
    <message>
        <source>駅表示：</source>
        <translation>Stations:</translation>
    </message>
    <message>
        <source>スクロール表示:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>発車前に知らせる分(0-60)：</source>
        <translation>Remind before departure (0-60 min):</translation>
    </message>
</context>
<context>
    <name>CDlgTabSKey</name>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>CEdtColor</name>
    <message>
        <source>色の設定</source>
        <translation>Choose a colour</translation>
    </message>
</context>
<context>
    <name>CKovarisDlg</name>
    <message>
        <source>1時間前</source>
        <translation>One hour earlier</translation>
    </message>
    <message>
        <source>1時間前の発車を表示します</source>
        <translation>Shows the departures one hour earlier</translation>
    </message>
    <message>
        <source>リアルタイム</source>
        <translation>Real time</translation>
    </message>
    <message>
        <source>リアルタイムモード：今の時刻の発車を表示し、時計に合わせて進めます</source>
        <translation>Real-time mode: shows the departures from now on and follows the clock</translation>
    </message>
    <message>
        <source>1時間後</source>
        <translation>One hour later</translation>
    </message>
    <message>
        <source>1時間後の発車を表示します</source>
        <translation>Shows the departures one hour later</translation>
    </message>
    <message>
        <source>乗換 最初へ</source>
        <translation>Back to the first timetable</translation>
    </message>
    <message>
        <source>乗り換える前の最初の時刻表に戻ります</source>
        <translation>Goes back to the timetable shown before the first transfer</translation>
    </message>
    <message>
        <source>乗換 戻る</source>
        <translation>Transfer back</translation>
    </message>
    <message>
        <source>一つ前の時刻表に戻ります</source>
        <translation>Goes back to the previous timetable</translation>
    </message>
    <message>
        <source>乗換</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>選んだ到着駅の時刻表に乗り換えます</source>
        <translation>Transfers to the timetable of the chosen arrival station</translation>
    </message>
    <message>
        <source>%1 に書き込めませんでした。</source>
        <translation>Could not write %1.</translation>
    </message>
    <message>
        <source>徒歩時間を設定する路線の列車を選択してください</source>
        <translation>Select a train of the line whose walking time you want to set</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>KovarisWin(エラー)</source>
        <translation>KovarisWin (error)</translation>
    </message>
    <message>
        <source>KovarisWin(警告)</source>
        <translation>KovarisWin (warning)</translation>
    </message>
    <message>
        <source>KovarisWM(エラー)</source>
        <translation>KovarisWM (error)</translation>
    </message>
    <message>
        <source>KovarisWM(警告)</source>
        <translation>KovarisWM (warning)</translation>
    </message>
    <message>
        <source>設定ファイルを読み込めませんでした。このファイルには保存しません</source>
        <translation>The settings file could not be read. Nothing will be saved to it.</translation>
    </message>
    <message>
        <source>色設定ファイルを読み込めませんでした。このファイルには保存しません</source>
        <translation>The colour file could not be read. Nothing will be saved to it.</translation>
    </message>
    <message>
        <source>設定の保存に失敗しました</source>
        <translation>The settings could not be saved.</translation>
    </message>
    <message>
        <source>読み込めなかったファイルには保存しません</source>
        <translation>Nothing is saved to a file that could not be read.</translation>
    </message>
    <message>
        <source>%1 の値に Shift-JIS で書けない文字があります</source>
        <translation>The value of %1 has characters that Shift-JIS cannot hold.</translation>
    </message>
    <message>
        <source>データのパスが設定されていません。</source>
        <translation>No data path is set.</translation>
    </message>
    <message>
        <source>整数を入力してください。</source>
        <translation>Enter a whole number.</translation>
    </message>
    <message>
        <source>%1 から %2 までの整数を入力してください。</source>
        <translation>Enter a whole number from %1 to %2.</translation>
    </message>
    <message>
        <source>データフォルダのパス %1 には Kovaris.ini (Shift-JIS) に書けない文字があります。環境変数 XDG_DATA_HOME で別のフォルダを指定してください。</source>
        <translation>The data folder path %1 has characters that Kovaris.ini (Shift-JIS) cannot hold. Name another folder in the environment variable XDG_DATA_HOME.</translation>
    </message>
    <message>
        <source>設定フォルダ %1 を作れません。</source>
        <translation>Cannot create the settings folder %1.</translation>
    </message>
    <message>
        <source>インストールされたデモデータが見つかりません: %1</source>
        <translation>The installed demo data is missing: %1</translation>
    </message>
    <message>
        <source>デモデータを %1 にコピーできません。</source>
        <translation>Cannot copy the demo data to %1.</translation>
    </message>
    <message>
        <source>設定ファイル %1 を書けません。</source>
        <translation>Cannot write the settings file %1.</translation>
    </message>
    <message>
        <source>時刻表 UP</source>
        <translation>Timetable up</translation>
    </message>
    <message>
        <source>時刻表 DOWN</source>
        <translation>Timetable down</translation>
    </message>
    <message>
        <source>1時間前表示</source>
        <translation>One hour earlier</translation>
    </message>
    <message>
        <source>1時間後表示</source>
        <translation>One hour later</translation>
    </message>
    <message>
        <source>リアルタイムモード</source>
        <translation>Real-time mode</translation>
    </message>
    <message>
        <source>到着駅一覧 UP</source>
        <translation>Arrivals up</translation>
    </message>
    <message>
        <source>到着駅一覧 DOWN</source>
        <translation>Arrivals down</translation>
    </message>
    <message>
        <source>乗換 次へ</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>乗換 戻る</source>
        <translation>Transfer back</translation>
    </message>
    <message>
        <source>乗換 最初へ</source>
        <translation>Back to the first</translation>
    </message>
    <message>
        <source>発車まであと%1分</source>
        <translation>Departs in %1 min</translation>
    </message>
    <message>
        <source>到着駅リストから乗換駅を選択してください</source>
        <translation>Choose the station to change at in the list of arrivals.</translation>
    </message>
    <message>
        <source>乗り換えデータを設定した到着駅を選択してください</source>
        <translation>Choose an arrival station that has a connecting timetable.</translation>
    </message>
    <message>
        <source>乗り換え前の時刻表はありません</source>
        <translation>There is no timetable before this transfer.</translation>
    </message>
    <message>
        <source>環境ファイルの読み込みに失敗しました</source>
        <translation>The route configuration file could not be read.</translation>
    </message>
    <message>
        <source>ディレクトリ下にTBLファイルがありません</source>
        <translation>There are no TBL files in the folder.</translation>
    </message>
    <message>
        <source>TBLファイルの読み込みに失敗しました</source>
        <translation>The TBL file could not be read.</translation>
    </message>
    <message>
        <source>TBLファイルが Shift-JIS ではなく UTF-8 で書かれているため、文字化けします</source>
        <translation>The TBL file is written in UTF-8, not Shift-JIS, so its text shows garbled.</translation>
    </message>
    <message>
        <source>変換するには: %1</source>
        <translation>To convert it: %1</translation>
    </message>
    <message>
        <source>＞ ルート(vekt.cfg)</source>
        <translation>＞ Root (vekt.cfg)</translation>
    </message>
    <message>
        <source>＞ ルート</source>
        <translation>＞ Root</translation>
    </message>
    <message>
        <source>HOME が設定されていないため、設定フォルダがわかりません。</source>
        <translation>HOME is not set, so the settings folder is not known.</translation>
    </message>
    <message>
        <source>設定フォルダ %1 に移れません。</source>
        <translation>Cannot change to the settings folder %1.</translation>
    </message>
    <message>
        <source>設定を保存しました</source>
        <translation>The settings were saved.</translation>
    </message>
    <message>
        <source>ボードの次の時刻表を読み込めませんでした</source>
        <translation>The board could not read these timetables</translation>
    </message>
    <message>
        <source>出発まであと%1分</source>
        <translation>Set off in %1 min</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
</context>
<context>
    <name>HistoryRequestServer</name>
    <message>
        <source>他のプログラムからの表示要求を受け付けられません: %1</source>
        <translation>Requests from other programs to show a timetable cannot be taken: %1</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>時刻表(&amp;T)</source>
        <translation>&amp;Timetable</translation>
    </message>
    <message>
        <source>乗り換え(&amp;C)</source>
        <translation>&amp;Transfer</translation>
    </message>
    <message>
        <source>[＜]戻る(&amp;B)</source>
        <translation>[&lt;] &amp;Back</translation>
    </message>
    <message>
        <source>[&lt;&lt;]最初に戻る(&amp;F)</source>
        <translation>[&lt;&lt;] Back to the &amp;first</translation>
    </message>
    <message>
        <source>操作(&amp;O)</source>
        <translation>&amp;Actions</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>リアルタイムモード(&amp;R)</source>
        <translation>&amp;Real-time mode</translation>
    </message>
    <message>
        <source>１時間前表示(&amp;E)</source>
        <translation>One hour &amp;earlier</translation>
    </message>
    <message>
        <source>１時間後表示(&amp;L)</source>
        <translation>One hour &amp;later</translation>
    </message>
    <message>
        <source>前の発車時刻表示(&amp;P)</source>
        <translation>&amp;Previous departure</translation>
    </message>
    <message>
        <source>曜日(&amp;D)</source>
        <translation>&amp;Day of the week</translation>
    </message>
    <message>
        <source>自動(&amp;A)</source>
        <translation>&amp;Automatic</translation>
    </message>
    <message>
        <source>月曜(&amp;M)</source>
        <translation>&amp;Monday</translation>
    </message>
    <message>
        <source>火曜(&amp;T)</source>
        <translation>&amp;Tuesday</translation>
    </message>
    <message>
        <source>水曜(&amp;W)</source>
        <translation>&amp;Wednesday</translation>
    </message>
    <message>
        <source>木曜(&amp;H)</source>
        <translation>T&amp;hursday</translation>
    </message>
    <message>
        <source>金曜(&amp;F)</source>
        <translation>&amp;Friday</translation>
    </message>
    <message>
        <source>土曜(&amp;S)</source>
        <translation>&amp;Saturday</translation>
    </message>
    <message>
        <source>日曜(&amp;U)</source>
        <translation>S&amp;unday</translation>
    </message>
    <message>
        <source>発車前に知らせる(&amp;N)</source>
        <translation>&amp;Remind before departure</translation>
    </message>
    <message>
        <source>設定(&amp;S)...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>色設定(&amp;C)...</source>
        <translation>&amp;Colours...</translation>
    </message>
    <message>
        <source>CFG読込み(&amp;G)</source>
        <translation>Read route configuration (CF&amp;G)</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;About KovarisWin...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>徒歩時間(&amp;W)...</source>
        <translation>&amp;Walking time...</translation>
    </message>
</context>
<context>
    <name>WalkTimeDialog</name>
    <message>
        <source>徒歩時間</source>
        <translation>Walking time</translation>
    </message>
    <message>
        <source>駅までの徒歩時間(分)(&amp;M):</source>
        <translation>&amp;Minutes&apos; walk to the station:</translation>
    </message>
</context>
</TS>
