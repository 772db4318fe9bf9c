<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>expression panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu: Menu key or Shift+F10; zoom in: Shift+Alt+Up, zoom out: Shift+Alt+Down, normal size: Shift+Alt+F12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scientific keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the scientific keys (F1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>numeric keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the numeric keys (F2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the history (F3), docked beside the keys (Shift+F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimals (F4), HEX and BIN (Shift+F4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expression and result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scientific keys page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cosine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>angle unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>square root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e to the power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>factorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>times ten to the power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>squared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to the power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>previous page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous page (F9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next page (F10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option buttons page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>edit option buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option button #: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>title and expression of option button #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>variables page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>variable %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name of variable #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>numeric keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the result (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cursor left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cursor right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open parenthesis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close parenthesis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All clear (F8 or Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>multiply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>previous answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>equals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluate (Enter), as a percentage (Shift+Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>history panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>history list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>history buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete selected entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sum of selected results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>average of selected results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy selected results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>edit selected entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the history (F3 or Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hyperbolic %1</source>
        <comment>a trigonometric function: hyperbolic sine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inverse %1</source>
        <comment>a trigonometric function: inverse sine, inverse hyperbolic sine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>result</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppData</name>
    <message>
        <source>no per-user configuration folder is known; using %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalcCli</name>
    <message>
        <source>invalid number of decimals &apos;%1&apos; (use -1, 0 or more, -16 or -2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid rounding mode &apos;%1&apos; (use 54, cut or up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--var needs NAME=VALUE, got &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most six --var options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unrecognized option &apos;--%1&apos; (see --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; is ambiguous; possibilities:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid option -- &apos;%1&apos; (see --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; doesn&apos;t allow an argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option -%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write error on standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write error on standard output: %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalcFailure</name>
    <message>
        <source>Division by zero at position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number out of range at position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid operation at position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown name %1 at position %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square root of a negative number at position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syntax error at position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variable %1 has no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result is not a finite number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result too large for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zero to the power of zero or less at position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infinite result at position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formula longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileReplace</name>
    <message>
        <source>%1 could not be put back after a failed write</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>%1 could not be read to its end</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n unreadable line(s) skipped</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: reading stopped after %n entries; the rest was not read</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; ignored (zemtrix --help lists the options)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>argument &quot;%1&quot; ignored (zemtrix --help lists the options)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Zemtrix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TExpressionPanelMenu</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit grouping separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round off (5/4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut off (CUT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round up (UP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THistoryListModel</name>
    <message>
        <source>%1 equals %2</source>
        <comment>a history row read out: formula equals result</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Scientific key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numeric key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the key that shows the history</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this display</source>
        <comment>too large for this display</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large for %1</source>
        <comment>HEX, BIN, CUT, UP or this display</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not available on Wayland: only the compositor can keep a window above the others.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zemtrix</name>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
