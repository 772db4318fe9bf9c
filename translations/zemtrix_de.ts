<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>expression panel</source>
        <translation>Eingabebereich</translation>
    </message>
    <message>
        <source>Menu: Menu key or Shift+F10; zoom in: Shift+Alt+Up, zoom out: Shift+Alt+Down, normal size: Shift+Alt+F12</source>
        <translation>Menü: Menütaste oder Umschalt+F10; vergrößern: Umschalt+Alt+↑, verkleinern: Umschalt+Alt+↓, Normalgröße: Umschalt+Alt+F12</translation>
    </message>
    <message>
        <source>scientific keys</source>
        <translation>wissenschaftliche Tasten</translation>
    </message>
    <message>
        <source>Show or hide the scientific keys (F1)</source>
        <translation>Wissenschaftliche Tasten ein- oder ausblenden (F1)</translation>
    </message>
    <message>
        <source>numeric keys</source>
        <translation>Zifferntasten</translation>
    </message>
    <message>
        <source>Show or hide the numeric keys (F2)</source>
        <translation>Zifferntasten ein- oder ausblenden (F2)</translation>
    </message>
    <message>
        <source>history</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Show or hide the history (F3), docked beside the keys (Shift+F3)</source>
        <translation>Verlauf ein- oder ausblenden (F3), neben den Tasten angedockt (Umschalt+F3)</translation>
    </message>
    <message>
        <source>decimals</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>Decimals (F4), HEX and BIN (Shift+F4)</source>
        <translation>Nachkommastellen (F4), HEX und BIN (Umschalt+F4)</translation>
    </message>
    <message>
        <source>expression and result</source>
        <translation>Formel und Ergebnis</translation>
    </message>
    <message>
        <source>expression</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>scientific keys page</source>
        <translation>Seite der wissenschaftlichen Tasten</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>Umkehrfunktion</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hyperbolisch</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>angle unit</source>
        <translation>Winkeleinheit</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>e to the power</source>
        <translation>e hoch</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>dekadischer Logarithmus</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>times ten to the power</source>
        <translation>mal zehn hoch</translation>
    </message>
    <message>
        <source>squared</source>
        <translation>zum Quadrat</translation>
    </message>
    <message>
        <source>to the power</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>previous page</source>
        <translation>vorherige Seite</translation>
    </message>
    <message>
        <source>Previous page (F9)</source>
        <translation>Vorherige Seite (F9)</translation>
    </message>
    <message>
        <source>next page</source>
        <translation>nächste Seite</translation>
    </message>
    <message>
        <source>Next page (F10)</source>
        <translation>Nächste Seite (F10)</translation>
    </message>
    <message>
        <source>option buttons page</source>
        <translation>Seite der Optionstasten</translation>
    </message>
    <message>
        <source>edit option buttons</source>
        <translation>Optionstasten bearbeiten</translation>
    </message>
    <message>
        <source>option button #: %1</source>
        <translation>Optionstaste #: %1</translation>
    </message>
    <message>
        <source>title and expression of option button #</source>
        <translation>Titel und Formel der Optionstaste #</translation>
    </message>
    <message>
        <source>variables page</source>
        <translation>Seite der Variablen</translation>
    </message>
    <message>
        <source>variable %1</source>
        <translation>Variable %1</translation>
    </message>
    <message>
        <source>value of %1</source>
        <translation>Wert von %1</translation>
    </message>
    <message>
        <source>name of variable #</source>
        <translation>Name der Variablen #</translation>
    </message>
    <message>
        <source>numeric keypad</source>
        <translation>Ziffernblock</translation>
    </message>
    <message>
        <source>copy result</source>
        <translation>Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Copy the result (F5)</source>
        <translation>Ergebnis kopieren (F5)</translation>
    </message>
    <message>
        <source>cursor left</source>
        <translation>Cursor nach links</translation>
    </message>
    <message>
        <source>cursor right</source>
        <translation>Cursor nach rechts</translation>
    </message>
    <message>
        <source>open parenthesis</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>close parenthesis</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>löschen</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>alles löschen</translation>
    </message>
    <message>
        <source>All clear (F8 or Escape)</source>
        <translation>Alles löschen (F8 oder Esc)</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>previous answer</source>
        <translation>vorheriges Ergebnis</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>Evaluate (Enter), as a percentage (Shift+Enter)</source>
        <translation>Berechnen (Eingabetaste), als Prozentwert (Umschalt+Eingabetaste)</translation>
    </message>
    <message>
        <source>history panel</source>
        <translation>Verlaufsbereich</translation>
    </message>
    <message>
        <source>history list</source>
        <translation>Verlaufsliste</translation>
    </message>
    <message>
        <source>history buttons</source>
        <translation>Verlaufstasten</translation>
    </message>
    <message>
        <source>select all</source>
        <translation>alle auswählen</translation>
    </message>
    <message>
        <source>delete selected entries</source>
        <translation>ausgewählte Einträge löschen</translation>
    </message>
    <message>
        <source>clear history</source>
        <translation>Verlauf leeren</translation>
    </message>
    <message>
        <source>sum of selected results</source>
        <translation>Summe der ausgewählten Ergebnisse</translation>
    </message>
    <message>
        <source>average of selected results</source>
        <translation>Mittelwert der ausgewählten Ergebnisse</translation>
    </message>
    <message>
        <source>copy selected results</source>
        <translation>ausgewählte Ergebnisse kopieren</translation>
    </message>
    <message>
        <source>edit selected entry</source>
        <translation>ausgewählten Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>close history</source>
        <translation>Verlauf schließen</translation>
    </message>
    <message>
        <source>Close the history (F3 or Escape)</source>
        <translation>Verlauf schließen (F3 oder Esc)</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>hyperbolic %1</source>
        <comment>a trigonometric function: hyperbolic sine</comment>
        <translation>hyperbolischer %1</translation>
    </message>
    <message>
        <source>inverse %1</source>
        <comment>a trigonometric function: inverse sine, inverse hyperbolic sine</comment>
        <translation>inverser %1</translation>
    </message>
    <message>
        <source>result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Title:expression; widen the button (Ctrl+Enter or double-click)</source>
        <translation>Titel:Formel; Taste verbreitern (Strg+Eingabetaste oder Doppelklick)</translation>
    </message>
    <message>
        <source>Value (Enter evaluates); rename the variables (Ctrl+Enter or double-click)</source>
        <translation>Wert (Eingabetaste berechnet); Variablen umbenennen (Strg+Eingabetaste oder Doppelklick)</translation>
    </message>
    <message>
        <source>Name of the variable; done renaming (Ctrl+Enter)</source>
        <translation>Name der Variablen; Umbenennen beenden (Strg+Eingabetaste)</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a toggle key&apos;s name and state</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list&apos;s new entry, the result</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>AppData</name>
    <message>
        <source>no per-user configuration folder is known; using %1</source>
        <translation>kein Konfigurationsordner des Benutzers bekannt; verwende %1</translation>
    </message>
</context>
<context>
    <name>CalcCli</name>
    <message>
        <source>invalid number of decimals &apos;%1&apos; (use -1, 0 or more, -16 or -2)</source>
        <translation>ungültige Anzahl Nachkommastellen „%1“ (erlaubt: -1, 0 oder mehr, -16 oder -2)</translation>
    </message>
    <message>
        <source>invalid rounding mode &apos;%1&apos; (use 54, cut or up)</source>
        <translation>ungültige Rundungsart „%1“ (erlaubt: 54, cut oder up)</translation>
    </message>
    <message>
        <source>--var needs NAME=VALUE, got &apos;%1&apos;</source>
        <translation>--var erwartet NAME=WERT, erhalten: „%1“</translation>
    </message>
    <message>
        <source>at most six --var options</source>
        <translation>höchstens sechs --var-Optionen</translation>
    </message>
    <message>
        <source>unrecognized option &apos;--%1&apos; (see --help)</source>
        <translation>unbekannte Option „--%1“ (siehe --help)</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; is ambiguous; possibilities:%2</source>
        <translation>Option „--%1“ ist mehrdeutig; Möglichkeiten:%2</translation>
    </message>
    <message>
        <source>invalid option -- &apos;%1&apos; (see --help)</source>
        <translation>ungültige Option -- „%1“ (siehe --help)</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; doesn&apos;t allow an argument</source>
        <translation>Option „--%1“ erlaubt kein Argument</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs a value</source>
        <translation>Option „--%1“ braucht einen Wert</translation>
    </message>
    <message>
        <source>option -%1 needs a value</source>
        <translation>Option -%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>write error on standard output</source>
        <translation>Schreibfehler auf der Standardausgabe</translation>
    </message>
    <message>
        <source>write error on standard output: %1</source>
        <translation>Schreibfehler auf der Standardausgabe: %1</translation>
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
        <translation>Aufruf: zemtrix-calc [OPTIONEN] [FORMEL ...]
Berechnet jede FORMEL oder, wenn keine angegeben ist, jede Zeile der Standardeingabe und gibt
die Ergebniszeile so aus, wie das Zemtrix-Fenster sie zeigen würde („Error“ bei einem Fehler,
dazu „error: KIND at POSITION“ auf der Standardfehlerausgabe). ANS ist das neueste
erfolgreiche Ergebnis.

Optionen:
  -d, --decimals N   Anzeige: -1 Normal (Vorgabe), 0 oder mehr Nachkommastellen, -16 HEX,
                     -2 BIN
      --hex          wie --decimals -16
      --bin          wie --decimals -2
  -r, --round ART    Rundung fester Nachkommastellen: 54 (Vorgabe), cut, up
  -g, --grouping     Tausendertrennzeichen
  -p, --percent      jedes Ergebnis als Prozentwert zeigen
      --var NAME=WERT
                     die nächste der sechs Variablen setzen (Vorgabe V1..V6 = 0)
      --raw          das ungerundete Ergebnis mit 21 signifikanten Stellen ausgeben
  -h, --help         diese Hilfe zeigen
      --version      die Version zeigen
  --                 Ende der Optionen: jedes weitere Argument ist eine Formel
Kurze Optionen lassen sich bündeln und nehmen ihren Wert direkt an (-gd2); lange Optionen
dürfen auf jeden eindeutigen Anfang gekürzt werden (--dec 2).

Formelsprache (Groß- und Kleinschreibung egal; Zeichen voller Breite werden angenommen):
  Zahlen       12  1.5  1E3  0x1F (hexadezimal)  0b101 (binär); wo das Dezimaltrennzeichen
               des Gebietsschemas „,“ ist, wird auch 1,5 als 1.5 gelesen
  Operatoren   ^ (Potenz) bindet am stärksten, dann * / und die implizite Multiplikation
               (2(3), 2PI, 3V1), dann, alle gleichrangig und von links nach rechts:
               + -  MOD DIV  AND &amp; OR | XOR (auf ganzen 64-Bit-Zahlen)
               = &lt; &gt; &lt;= &gt;= (1 oder 0; Leerzeichen um &lt; und &gt;)
  Klammern     gruppieren; fehlende schließende am Ende werden ergänzt
  Konstanten   PI  TRUE (-1)  FALSE (0)  ANS (neuestes Ergebnis)  % (0.01: 200+10% ergibt
               200.1)
  Funktionen   SIN COS TAN in Grad (SINR... Bogenmaß, SING... Gon), ASIN ACOS ATAN,
               SINH COSH TANH ASINH ACOSH ATANH, EXP SQRT LOG LOG2 LN INT FACT NOT,
               DEGTORAD RADTODEG DEGTOGRAD GRADTODEG RADTOGRAD GRADTORAD; jede wirkt auf
               den einen Faktor nach ihr: sin 30, sqrt(2), sinr(PI/2)
  Variablen    die mit --var gesetzten Namen, in beliebiger Schreibweise

Beispiele:
  zemtrix-calc &apos;1+2*3&apos; &apos;sin 30&apos; &apos;ANS*2&apos;      7, 0.5 und 1
  echo &apos;1000*1.08&apos; | zemtrix-calc -d 0       1080
  zemtrix-calc --var RATE=0.08 &apos;1000*rate&apos;   80

Rückgabewert: 0 alles erfolgreich, 1 eine Berechnung schlug fehl oder die Ausgabe konnte
nicht geschrieben werden, 2 Aufruffehler.
</translation>
    </message>
</context>
<context>
    <name>CalcFailure</name>
    <message>
        <source>Division by zero at position %1</source>
        <translation>Division durch null an Position %1</translation>
    </message>
    <message>
        <source>Number out of range at position %1</source>
        <translation>Zahl außerhalb des Bereichs an Position %1</translation>
    </message>
    <message>
        <source>Invalid operation at position %1</source>
        <translation>Ungültige Operation an Position %1</translation>
    </message>
    <message>
        <source>Unknown name %1 at position %2</source>
        <translation>Unbekannter Name %1 an Position %2</translation>
    </message>
    <message>
        <source>Square root of a negative number at position %1</source>
        <translation>Quadratwurzel einer negativen Zahl an Position %1</translation>
    </message>
    <message>
        <source>Syntax error at position %1</source>
        <translation>Syntaxfehler an Position %1</translation>
    </message>
    <message>
        <source>Variable %1 has no number</source>
        <translation>Variable %1 enthält keine Zahl</translation>
    </message>
    <message>
        <source>%1 has no number</source>
        <translation>%1 enthält keine Zahl</translation>
    </message>
    <message>
        <source>Result is not a finite number</source>
        <translation>Ergebnis ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>Result too large for %1</source>
        <translation>Ergebnis zu groß für %1</translation>
    </message>
    <message>
        <source>Zero to the power of zero or less at position %1</source>
        <translation>Null hoch null oder weniger an Position %1</translation>
    </message>
    <message>
        <source>Infinite result at position %1</source>
        <translation>Unendliches Ergebnis an Position %1</translation>
    </message>
    <message>
        <source>Formula longer than %1 characters</source>
        <translation>Formel länger als %1 Zeichen</translation>
    </message>
</context>
<context>
    <name>FileReplace</name>
    <message>
        <source>%1 could not be put back after a failed write</source>
        <translation>%1 konnte nach einem gescheiterten Schreibversuch nicht wiederhergestellt werden</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>%1 could not be read to its end</source>
        <translation>%1 konnte nicht bis zum Ende gelesen werden</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n unreadable line(s) skipped</source>
        <translation>
            <numerusform>%1: %n unlesbare Zeile übersprungen</numerusform>
            <numerusform>%1: %n unlesbare Zeilen übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: reading stopped after %n entries; the rest was not read</source>
        <translation>
            <numerusform>%1: Lesen nach %n Eintrag beendet; der Rest wurde nicht gelesen</numerusform>
            <numerusform>%1: Lesen nach %n Einträgen beendet; der Rest wurde nicht gelesen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Lizenz GPL-3.0-or-later: GNU GPL Version 3 oder neuer &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit das Gesetz es zulässt.
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
        <translation>Aufruf: zemtrix [-APPDATAFOLDER]
Das Fenster des Formelrechners Zemtrix.

  -APPDATAFOLDER  die Einstellungen im Konfigurationsordner des Benutzers ablegen;
                  auch /APPDATAFOLDER oder --appdatafolder geschrieben, in
                  beliebiger Groß- und Kleinschreibung
  -h, --help      diese Hilfe zeigen und beenden
      --version   Version und Lizenz zeigen und beenden
Andere Argumente werden gemeldet und übergangen.

Einstellungsdatei:   %1
mit -APPDATAFOLDER:  %2

zemtrix-calc berechnet dieselben Formeln auf der Befehlszeile.
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; ignored (zemtrix --help lists the options)</source>
        <translation>unbekannte Option „%1“ übergangen (zemtrix --help nennt die Optionen)</translation>
    </message>
    <message>
        <source>argument &quot;%1&quot; ignored (zemtrix --help lists the options)</source>
        <translation>Argument „%1“ übergangen (zemtrix --help nennt die Optionen)</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Zemtrix</source>
        <translation>Über Zemtrix</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TExpressionPanelMenu</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Digit grouping separator</source>
        <translation>Tausendertrennzeichen</translation>
    </message>
    <message>
        <source>Round off (5/4)</source>
        <translation>Runden (5/4)</translation>
    </message>
    <message>
        <source>Cut off (CUT)</source>
        <translation>Abrunden (CUT)</translation>
    </message>
    <message>
        <source>Round up (UP)</source>
        <translation>Aufrunden (UP)</translation>
    </message>
    <message>
        <source>Top most</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Keep history</source>
        <translation>Verlauf behalten</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versionsinfo</translation>
    </message>
</context>
<context>
    <name>THistoryListModel</name>
    <message>
        <source>%1 equals %2</source>
        <comment>a history row read out: formula equals result</comment>
        <translation>%1 gleich %2</translation>
    </message>
</context>
<context>
    <name>THistoryPanel</name>
    <message numerus="yes">
        <source>%n selected</source>
        <comment>history rows</comment>
        <translation>
            <numerusform>%n ausgewählt</numerusform>
            <numerusform>%n ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>in the line: %1</source>
        <comment>a history entry taken back</comment>
        <translation>in der Zeile: %1</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>kopiert</translation>
    </message>
    <message numerus="yes">
        <source>%n rows copied</source>
        <comment>history rows</comment>
        <translation>
            <numerusform>%n Zeile kopiert</numerusform>
            <numerusform>%n Zeilen kopiert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Scientific key</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Numeric key</source>
        <translation>Ziffern</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the key that shows the history</comment>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>this display</source>
        <comment>too large for this display</comment>
        <translation>diese Anzeige</translation>
    </message>
    <message>
        <source>too large for %1</source>
        <comment>HEX, BIN, CUT, UP or this display</comment>
        <translation>zu groß für %1</translation>
    </message>
    <message>
        <source>Not available on Wayland: only the compositor can keep a window above the others.</source>
        <translation>Unter Wayland nicht verfügbar: Nur der Compositor kann ein Fenster über den anderen halten.</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>kopiert</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the result line&apos;s text, then why the evaluation failed</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>scientific keys hidden</source>
        <translation>wissenschaftliche Tasten ausgeblendet</translation>
    </message>
    <message>
        <source>scientific keys shown</source>
        <translation>wissenschaftliche Tasten eingeblendet</translation>
    </message>
    <message>
        <source>numeric keys hidden</source>
        <translation>Zifferntasten ausgeblendet</translation>
    </message>
    <message>
        <source>numeric keys shown</source>
        <translation>Zifferntasten eingeblendet</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>The home page could not be opened in a web browser.
Its address is %1</source>
        <translation>Die Webseite konnte in keinem Webbrowser geöffnet werden.
Ihre Adresse lautet %1</translation>
    </message>
</context>
<context>
    <name>TOptionPage</name>
    <message>
        <source>edit mode on</source>
        <translation>Bearbeitungsmodus ein</translation>
    </message>
    <message>
        <source>edit mode off</source>
        <translation>Bearbeitungsmodus aus</translation>
    </message>
    <message numerus="yes">
        <source>%n columns wide</source>
        <comment>an option button&apos;s new width</comment>
        <translation>
            <numerusform>%n Spalte breit</numerusform>
            <numerusform>%n Spalten breit</numerusform>
        </translation>
    </message>
    <message>
        <source>one column wide</source>
        <comment>an option button&apos;s new width</comment>
        <translation>eine Spalte breit</translation>
    </message>
</context>
<context>
    <name>TVariablePage</name>
    <message>
        <source>rename mode on</source>
        <translation>Umbenennen ein</translation>
    </message>
    <message>
        <source>rename mode off</source>
        <translation>Umbenennen aus</translation>
    </message>
</context>
<context>
    <name>Zemtrix</name>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>keine Anzeige, auf der sich das Fenster öffnen ließe (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)</translation>
    </message>
</context>
</TS>
