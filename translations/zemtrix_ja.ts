<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Accessibility</name>
    <message>
        <source>expression panel</source>
        <translation>数式パネル</translation>
    </message>
    <message>
        <source>Menu: Menu key or Shift+F10; zoom in: Shift+Alt+Up, zoom out: Shift+Alt+Down, normal size: Shift+Alt+F12</source>
        <translation>メニュー: メニューキーまたは Shift+F10、拡大: Shift+Alt+↑、縮小: Shift+Alt+↓、標準サイズ: Shift+Alt+F12</translation>
    </message>
    <message>
        <source>scientific keys</source>
        <translation>関数キー</translation>
    </message>
    <message>
        <source>Show or hide the scientific keys (F1)</source>
        <translation>関数キーの表示/非表示 (F1)</translation>
    </message>
    <message>
        <source>numeric keys</source>
        <translation>数字キー</translation>
    </message>
    <message>
        <source>Show or hide the numeric keys (F2)</source>
        <translation>数字キーの表示/非表示 (F2)</translation>
    </message>
    <message>
        <source>history</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Show or hide the history (F3), docked beside the keys (Shift+F3)</source>
        <translation>履歴の表示/非表示 (F3)、キーの横に固定して表示 (Shift+F3)</translation>
    </message>
    <message>
        <source>decimals</source>
        <translation>小数点以下の桁数</translation>
    </message>
    <message>
        <source>Decimals (F4), HEX and BIN (Shift+F4)</source>
        <translation>小数点以下の桁数 (F4)、HEX と BIN (Shift+F4)</translation>
    </message>
    <message>
        <source>expression and result</source>
        <translation>数式と結果</translation>
    </message>
    <message>
        <source>expression</source>
        <translation>数式</translation>
    </message>
    <message>
        <source>scientific keys page</source>
        <translation>関数キーのページ</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>逆関数</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>双曲線関数</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>サイン</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>コサイン</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>タンジェント</translation>
    </message>
    <message>
        <source>angle unit</source>
        <translation>角度の単位</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>平方根</translation>
    </message>
    <message>
        <source>e to the power</source>
        <translation>e のべき乗</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>常用対数</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>自然対数</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>階乗</translation>
    </message>
    <message>
        <source>times ten to the power</source>
        <translation>かける 10 のべき乗</translation>
    </message>
    <message>
        <source>squared</source>
        <translation>2 乗</translation>
    </message>
    <message>
        <source>to the power</source>
        <translation>べき乗</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>円周率</translation>
    </message>
    <message>
        <source>previous page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Previous page (F9)</source>
        <translation>前のページ (F9)</translation>
    </message>
    <message>
        <source>next page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Next page (F10)</source>
        <translation>次のページ (F10)</translation>
    </message>
    <message>
        <source>option buttons page</source>
        <translation>オプションボタンのページ</translation>
    </message>
    <message>
        <source>edit option buttons</source>
        <translation>オプションボタンの編集</translation>
    </message>
    <message>
        <source>option button #: %1</source>
        <translation>オプションボタン #: %1</translation>
    </message>
    <message>
        <source>title and expression of option button #</source>
        <translation>オプションボタン # のタイトルと数式</translation>
    </message>
    <message>
        <source>variables page</source>
        <translation>変数のページ</translation>
    </message>
    <message>
        <source>variable %1</source>
        <translation>変数 %1</translation>
    </message>
    <message>
        <source>value of %1</source>
        <translation>%1 の値</translation>
    </message>
    <message>
        <source>name of variable #</source>
        <translation>変数 # の名前</translation>
    </message>
    <message>
        <source>numeric keypad</source>
        <translation>テンキー</translation>
    </message>
    <message>
        <source>copy result</source>
        <translation>結果をコピー</translation>
    </message>
    <message>
        <source>Copy the result (F5)</source>
        <translation>結果をコピー (F5)</translation>
    </message>
    <message>
        <source>cursor left</source>
        <translation>カーソルを左へ</translation>
    </message>
    <message>
        <source>cursor right</source>
        <translation>カーソルを右へ</translation>
    </message>
    <message>
        <source>open parenthesis</source>
        <translation>開き括弧</translation>
    </message>
    <message>
        <source>close parenthesis</source>
        <translation>閉じ括弧</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>1 文字削除</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>オールクリア</translation>
    </message>
    <message>
        <source>All clear (F8 or Escape)</source>
        <translation>オールクリア (F8 または Esc)</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>かける</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>わる</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>たす</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ひく</translation>
    </message>
    <message>
        <source>previous answer</source>
        <translation>前回の答え</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>イコール</translation>
    </message>
    <message>
        <source>Evaluate (Enter), as a percentage (Shift+Enter)</source>
        <translation>計算 (Enter)、パーセントで表示 (Shift+Enter)</translation>
    </message>
    <message>
        <source>history panel</source>
        <translation>履歴パネル</translation>
    </message>
    <message>
        <source>history list</source>
        <translation>履歴リスト</translation>
    </message>
    <message>
        <source>history buttons</source>
        <translation>履歴のボタン</translation>
    </message>
    <message>
        <source>select all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>delete selected entries</source>
        <translation>選択した項目を削除</translation>
    </message>
    <message>
        <source>clear history</source>
        <translation>履歴を消去</translation>
    </message>
    <message>
        <source>sum of selected results</source>
        <translation>選択した結果の合計</translation>
    </message>
    <message>
        <source>average of selected results</source>
        <translation>選択した結果の平均</translation>
    </message>
    <message>
        <source>copy selected results</source>
        <translation>選択した結果をコピー</translation>
    </message>
    <message>
        <source>edit selected entry</source>
        <translation>選択した項目を編集</translation>
    </message>
    <message>
        <source>close history</source>
        <translation>履歴を閉じる</translation>
    </message>
    <message>
        <source>Close the history (F3 or Escape)</source>
        <translation>履歴を閉じる (F3 または Esc)</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>hyperbolic %1</source>
        <comment>a trigonometric function: hyperbolic sine</comment>
        <translation>ハイパボリック%1</translation>
    </message>
    <message>
        <source>inverse %1</source>
        <comment>a trigonometric function: inverse sine, inverse hyperbolic sine</comment>
        <translation>アーク%1</translation>
    </message>
    <message>
        <source>result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Title:expression; widen the button (Ctrl+Enter or double-click)</source>
        <translation>タイトル:数式。ボタンを広げる (Ctrl+Enter またはダブルクリック)</translation>
    </message>
    <message>
        <source>Value (Enter evaluates); rename the variables (Ctrl+Enter or double-click)</source>
        <translation>値 (Enter で計算)。変数の名前を変更 (Ctrl+Enter またはダブルクリック)</translation>
    </message>
    <message>
        <source>Name of the variable; done renaming (Ctrl+Enter)</source>
        <translation>変数の名前。名前の変更を終了 (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a toggle key&apos;s name and state</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list&apos;s new entry, the result</comment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>AppData</name>
    <message>
        <source>no per-user configuration folder is known; using %1</source>
        <translation>ユーザーごとの設定フォルダーが分からないため、%1 を使います</translation>
    </message>
</context>
<context>
    <name>CalcCli</name>
    <message>
        <source>invalid number of decimals &apos;%1&apos; (use -1, 0 or more, -16 or -2)</source>
        <translation>小数点以下の桁数「%1」は無効です (-1、0 以上、-16、-2 のいずれかを指定)</translation>
    </message>
    <message>
        <source>invalid rounding mode &apos;%1&apos; (use 54, cut or up)</source>
        <translation>丸め方「%1」は無効です (54、cut、up のいずれかを指定)</translation>
    </message>
    <message>
        <source>--var needs NAME=VALUE, got &apos;%1&apos;</source>
        <translation>--var には 名前=値 を指定します (指定されたのは「%1」)</translation>
    </message>
    <message>
        <source>at most six --var options</source>
        <translation>--var は 6 個までです</translation>
    </message>
    <message>
        <source>unrecognized option &apos;--%1&apos; (see --help)</source>
        <translation>不明なオプション「--%1」です (--help を参照)</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; is ambiguous; possibilities:%2</source>
        <translation>オプション「--%1」は曖昧です。候補:%2</translation>
    </message>
    <message>
        <source>invalid option -- &apos;%1&apos; (see --help)</source>
        <translation>無効なオプション -- 「%1」 (--help を参照)</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; doesn&apos;t allow an argument</source>
        <translation>オプション「--%1」は引数を取りません</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs a value</source>
        <translation>オプション「--%1」には値が必要です</translation>
    </message>
    <message>
        <source>option -%1 needs a value</source>
        <translation>オプション -%1 には値が必要です</translation>
    </message>
    <message>
        <source>write error on standard output</source>
        <translation>標準出力への書き込みエラー</translation>
    </message>
    <message>
        <source>write error on standard output: %1</source>
        <translation>標準出力への書き込みエラー: %1</translation>
    </message>
    <message>
        <source>Usage: zemtrix-calc [OPTIONS] [FORMULA ...]
Evaluates each FORMULA, or each line of standard input when none is given, and prints
the result line as the Zemtrix window would show it (&quot;Error&quot; for a failure, with
&quot;error: KIND at POSITION&quot; on standard error). ANS is the newest successful result.

Options:
  -d, --decimals N   display: -1 Normal (default), 0 or more decimals, -16 HEX, -2 BIN
      --hex          same as --decimals -16
      --bin          same as --decimals -2
  -r, --round MODE   rounding of fixed decimals: 54 (default), cut, up
  -g, --grouping     thousands separators
  -p, --percent      show every result as a percentage
      --var NAME=VALUE
                     set the next of the six variables (default V1..V6 = 0)
      --raw          print the unrounded result with 21 significant digits
  -h, --help         show this help
      --version      show the version
  --                 end of options: every further argument is a formula
Short options cluster and take values attached (-gd2); long options may be
shortened to any unambiguous prefix (--dec 2).

Formula language (letter case does not matter; full-width characters are accepted):
  numbers      12  1.5  1E3  0x1F (hexadecimal)  0b101 (binary); where the locale&apos;s
               decimal separator is &quot;,&quot;, 1,5 is read as 1.5 too
  operators    ^ (power) binds tightest, then * / and implied multiplication (2(3), 2PI,
               3V1), then, all equal and left to right: + -  MOD DIV  AND &amp; OR | XOR
               (on 64-bit integers)  = &lt; &gt; &lt;= &gt;= (1 or 0; blanks around &lt; and &gt;)
  parentheses  group; missing closing ones at the end are supplied
  constants    PI  TRUE (-1)  FALSE (0)  ANS (newest result)  % (0.01: 200+10% is 200.1)
  functions    SIN COS TAN in degrees (SINR... radians, SING... grads), ASIN ACOS ATAN,
               SINH COSH TANH ASINH ACOSH ATANH, EXP SQRT LOG LOG2 LN INT FACT NOT,
               DEGTORAD RADTODEG DEGTOGRAD GRADTODEG RADTOGRAD GRADTORAD; each takes
               the one factor after it: sin 30, sqrt(2), sinr(PI/2)
  variables    the names set with --var, in any letter case

Examples:
  zemtrix-calc &apos;1+2*3&apos; &apos;sin 30&apos; &apos;ANS*2&apos;      7, 0.5 and 1
  echo &apos;1000*1.08&apos; | zemtrix-calc -d 0       1080
  zemtrix-calc --var RATE=0.08 &apos;1000*rate&apos;   80

Exit status: 0 all succeeded, 1 some evaluation failed or output could not be
written, 2 usage error.
</source>
        <translation>使い方: zemtrix-calc [オプション] [数式 ...]
各数式を (指定がなければ標準入力の各行を) 計算し、Zemtrix のウィンドウが表示するとおりの
結果行を出力します。失敗したときは &quot;Error&quot; を出力し、標準エラー出力に
&quot;error: KIND at POSITION&quot; を出力します。ANS は最後に成功した結果です。

オプション:
  -d, --decimals N   表示: -1 Normal (既定)、0 以上は小数点以下の桁数、-16 HEX、-2 BIN
      --hex          --decimals -16 と同じ
      --bin          --decimals -2 と同じ
  -r, --round MODE   固定桁数の丸め方: 54 (既定、四捨五入)、cut (切り捨て)、up (切り上げ)
  -g, --grouping     3 桁区切りを入れる
  -p, --percent      すべての結果をパーセントで表示
      --var 名前=値
                     6 個の変数のうち次のものを設定 (既定は V1..V6 = 0)
      --raw          丸める前の結果を有効数字 21 桁で出力
  -h, --help         このヘルプを表示
      --version      バージョンを表示
  --                 オプションの終わり: 以降の引数はすべて数式
短いオプションはまとめて書け、値を続けて書けます (-gd2)。長いオプションは一意に決まる
範囲で省略できます (--dec 2)。

数式の言語 (大文字と小文字は区別しません。全角文字も使えます):
  数値         12  1.5  1E3  0x1F (16 進数)  0b101 (2 進数)。ロケールの小数点が &quot;,&quot; の
               場合は 1,5 も 1.5 と読みます
  演算子       ^ (べき乗) が最も強く結合し、次に * / と暗黙の乗算 (2(3)、2PI、3V1)、
               その次に、すべて同じ優先順位で左から右へ: + -  MOD DIV  AND &amp; OR | XOR
               (64 ビット整数で計算)  = &lt; &gt; &lt;= &gt;= (1 または 0。&lt; と &gt; の前後には空白)
  括弧         グループにまとめます。末尾で足りない閉じ括弧は補われます
  定数         PI  TRUE (-1)  FALSE (0)  ANS (最新の結果)  % (0.01: 200+10% は 200.1)
  関数         SIN COS TAN は度 (SINR... はラジアン、SING... はグラード)、ASIN ACOS ATAN、
               SINH COSH TANH ASINH ACOSH ATANH、EXP SQRT LOG LOG2 LN INT FACT NOT、
               DEGTORAD RADTODEG DEGTOGRAD GRADTODEG RADTOGRAD GRADTORAD。いずれも
               直後の 1 つの因子に作用します: sin 30、sqrt(2)、sinr(PI/2)
  変数         --var で設定した名前 (大文字と小文字は区別しません)

例:
  zemtrix-calc &apos;1+2*3&apos; &apos;sin 30&apos; &apos;ANS*2&apos;      7、0.5、1
  echo &apos;1000*1.08&apos; | zemtrix-calc -d 0       1080
  zemtrix-calc --var RATE=0.08 &apos;1000*rate&apos;   80

終了ステータス: 0 すべて成功、1 計算の失敗または出力の書き込みの失敗、2 使い方の誤り。
</translation>
    </message>
</context>
<context>
    <name>CalcFailure</name>
    <message>
        <source>Division by zero at position %1</source>
        <translation>位置 %1 でゼロ除算</translation>
    </message>
    <message>
        <source>Number out of range at position %1</source>
        <translation>位置 %1 の数値が範囲外</translation>
    </message>
    <message>
        <source>Invalid operation at position %1</source>
        <translation>位置 %1 で無効な演算</translation>
    </message>
    <message>
        <source>Unknown name %1 at position %2</source>
        <translation>位置 %2 に不明な名前 %1</translation>
    </message>
    <message>
        <source>Square root of a negative number at position %1</source>
        <translation>位置 %1 で負の数の平方根</translation>
    </message>
    <message>
        <source>Syntax error at position %1</source>
        <translation>位置 %1 で構文エラー</translation>
    </message>
    <message>
        <source>Variable %1 has no number</source>
        <translation>変数 %1 に数値がありません</translation>
    </message>
    <message>
        <source>%1 has no number</source>
        <translation>%1 に数値がありません</translation>
    </message>
    <message>
        <source>Result is not a finite number</source>
        <translation>結果が有限の数ではありません</translation>
    </message>
    <message>
        <source>Result too large for %1</source>
        <translation>結果が大きすぎて %1 で表示できません</translation>
    </message>
    <message>
        <source>Zero to the power of zero or less at position %1</source>
        <translation>位置 %1 で 0 の 0 以下の乗</translation>
    </message>
    <message>
        <source>Infinite result at position %1</source>
        <translation>位置 %1 で結果が無限大</translation>
    </message>
    <message>
        <source>Formula longer than %1 characters</source>
        <translation>数式が %1 文字を超えています</translation>
    </message>
</context>
<context>
    <name>FileReplace</name>
    <message>
        <source>%1 could not be put back after a failed write</source>
        <translation>書き込みに失敗した %1 を元に戻せませんでした</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>%1 could not be read to its end</source>
        <translation>%1 を最後まで読めませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n unreadable line(s) skipped</source>
        <translation>
            <numerusform>%1: 読めない %n 行を飛ばしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: reading stopped after %n entries; the rest was not read</source>
        <translation>
            <numerusform>%1: %n 件で読み込みを止めました。残りは読んでいません</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>ライセンス GPL-3.0-or-later: GNU GPL バージョン 3 以降 &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
これはフリーソフトウェアです。自由に変更し、再配布できます。
法律で認められる範囲で、一切の保証はありません。
</translation>
    </message>
    <message>
        <source>Usage: zemtrix [-APPDATAFOLDER]
The Zemtrix formula calculator window.

  -APPDATAFOLDER  keep the settings in the per-user configuration folder;
                  also written /APPDATAFOLDER or --appdatafolder, in any
                  letter case
  -h, --help      show this help and exit
      --version   show the version and licence and exit
Other arguments are reported and ignored.

Settings file:       %1
with -APPDATAFOLDER: %2

zemtrix-calc evaluates the same formulas on the command line.
</source>
        <translation>使い方: zemtrix [-APPDATAFOLDER]
数式電卓 Zemtrix のウィンドウを開きます。

  -APPDATAFOLDER  設定をユーザーごとの設定フォルダーに保存します。
                  /APPDATAFOLDER、--appdatafolder とも書け、大文字と小文字は
                  区別しません
  -h, --help      このヘルプを表示して終了します
      --version   バージョンとライセンスを表示して終了します
その他の引数は報告して無視します。

設定ファイル:          %1
-APPDATAFOLDER 指定時: %2

zemtrix-calc はコマンドラインで同じ数式を計算します。
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; ignored (zemtrix --help lists the options)</source>
        <translation>不明なオプション「%1」を無視しました (オプションの一覧は zemtrix --help)</translation>
    </message>
    <message>
        <source>argument &quot;%1&quot; ignored (zemtrix --help lists the options)</source>
        <translation>引数「%1」を無視しました (オプションの一覧は zemtrix --help)</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Zemtrix</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>TExpressionPanelMenu</name>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Digit grouping separator</source>
        <translation>3 桁区切り</translation>
    </message>
    <message>
        <source>Round off (5/4)</source>
        <translation>四捨五入 (5/4)</translation>
    </message>
    <message>
        <source>Cut off (CUT)</source>
        <translation>切り捨て (CUT)</translation>
    </message>
    <message>
        <source>Round up (UP)</source>
        <translation>切り上げ (UP)</translation>
    </message>
    <message>
        <source>Top most</source>
        <translation>常に手前に表示</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>透明表示</translation>
    </message>
    <message>
        <source>Keep history</source>
        <translation>履歴を保存</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン情報</translation>
    </message>
</context>
<context>
    <name>THistoryListModel</name>
    <message>
        <source>%1 equals %2</source>
        <comment>a history row read out: formula equals result</comment>
        <translation>%1 イコール %2</translation>
    </message>
</context>
<context>
    <name>THistoryPanel</name>
    <message numerus="yes">
        <source>%n selected</source>
        <comment>history rows</comment>
        <translation>
            <numerusform>%n 件選択</numerusform>
        </translation>
    </message>
    <message>
        <source>in the line: %1</source>
        <comment>a history entry taken back</comment>
        <translation>数式欄へ: %1</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>コピーしました</translation>
    </message>
    <message numerus="yes">
        <source>%n rows copied</source>
        <comment>history rows</comment>
        <translation>
            <numerusform>%n 件コピーしました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Scientific key</source>
        <translation>関数キー</translation>
    </message>
    <message>
        <source>Numeric key</source>
        <translation>数字キー</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the key that shows the history</comment>
        <translation>履歴</translation>
    </message>
    <message>
        <source>this display</source>
        <comment>too large for this display</comment>
        <translation>この表示</translation>
    </message>
    <message>
        <source>too large for %1</source>
        <comment>HEX, BIN, CUT, UP or this display</comment>
        <translation>大きすぎて %1 で表示できません</translation>
    </message>
    <message>
        <source>Not available on Wayland: only the compositor can keep a window above the others.</source>
        <translation>Wayland では使えません。ウィンドウを常に手前に表示できるのはコンポジターだけです。</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>コピーしました</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the result line&apos;s text, then why the evaluation failed</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>scientific keys hidden</source>
        <translation>関数キーを非表示</translation>
    </message>
    <message>
        <source>scientific keys shown</source>
        <translation>関数キーを表示</translation>
    </message>
    <message>
        <source>numeric keys hidden</source>
        <translation>数字キーを非表示</translation>
    </message>
    <message>
        <source>numeric keys shown</source>
        <translation>数字キーを表示</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>The home page could not be opened in a web browser.
Its address is %1</source>
        <translation>ホームページを Web ブラウザーで開けませんでした。
アドレスは %1 です</translation>
    </message>
</context>
<context>
    <name>TOptionPage</name>
    <message>
        <source>edit mode on</source>
        <translation>編集モード オン</translation>
    </message>
    <message>
        <source>edit mode off</source>
        <translation>編集モード オフ</translation>
    </message>
    <message numerus="yes">
        <source>%n columns wide</source>
        <comment>an option button&apos;s new width</comment>
        <translation>
            <numerusform>%n 列の幅</numerusform>
        </translation>
    </message>
    <message>
        <source>one column wide</source>
        <comment>an option button&apos;s new width</comment>
        <translation>1 列の幅</translation>
    </message>
</context>
<context>
    <name>TVariablePage</name>
    <message>
        <source>rename mode on</source>
        <translation>名前の変更モード オン</translation>
    </message>
    <message>
        <source>rename mode off</source>
        <translation>名前の変更モード オフ</translation>
    </message>
</context>
<context>
    <name>Zemtrix</name>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>ウィンドウを開くディスプレイがありません (DISPLAY も WAYLAND_DISPLAY も設定されていません)</translation>
    </message>
</context>
</TS>
