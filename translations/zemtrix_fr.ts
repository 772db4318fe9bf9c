<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>expression panel</source>
        <translation>panneau de l’expression</translation>
    </message>
    <message>
        <source>Menu: Menu key or Shift+F10; zoom in: Shift+Alt+Up, zoom out: Shift+Alt+Down, normal size: Shift+Alt+F12</source>
        <translation>Menu&#xa0;: touche Menu ou Maj+F10&#xa0;; agrandir&#xa0;: Maj+Alt+↑, réduire&#xa0;: Maj+Alt+↓, taille normale&#xa0;: Maj+Alt+F12</translation>
    </message>
    <message>
        <source>scientific keys</source>
        <translation>touches scientifiques</translation>
    </message>
    <message>
        <source>Show or hide the scientific keys (F1)</source>
        <translation>Afficher ou masquer les touches scientifiques (F1)</translation>
    </message>
    <message>
        <source>numeric keys</source>
        <translation>touches numériques</translation>
    </message>
    <message>
        <source>Show or hide the numeric keys (F2)</source>
        <translation>Afficher ou masquer les touches numériques (F2)</translation>
    </message>
    <message>
        <source>history</source>
        <translation>historique</translation>
    </message>
    <message>
        <source>Show or hide the history (F3), docked beside the keys (Shift+F3)</source>
        <translation>Afficher ou masquer l’historique (F3), ancré à côté des touches (Maj+F3)</translation>
    </message>
    <message>
        <source>decimals</source>
        <translation>décimales</translation>
    </message>
    <message>
        <source>Decimals (F4), HEX and BIN (Shift+F4)</source>
        <translation>Décimales (F4), HEX et BIN (Maj+F4)</translation>
    </message>
    <message>
        <source>expression and result</source>
        <translation>expression et résultat</translation>
    </message>
    <message>
        <source>expression</source>
        <translation>expression</translation>
    </message>
    <message>
        <source>scientific keys page</source>
        <translation>page des touches scientifiques</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>inverse</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hyperbolique</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>sinus</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>cosinus</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tangente</translation>
    </message>
    <message>
        <source>angle unit</source>
        <translation>unité d’angle</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>racine carrée</translation>
    </message>
    <message>
        <source>e to the power</source>
        <translation>e puissance</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logarithme décimal</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logarithme népérien</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>factorielle</translation>
    </message>
    <message>
        <source>times ten to the power</source>
        <translation>fois dix puissance</translation>
    </message>
    <message>
        <source>squared</source>
        <translation>au carré</translation>
    </message>
    <message>
        <source>to the power</source>
        <translation>puissance</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>previous page</source>
        <translation>page précédente</translation>
    </message>
    <message>
        <source>Previous page (F9)</source>
        <translation>Page précédente (F9)</translation>
    </message>
    <message>
        <source>next page</source>
        <translation>page suivante</translation>
    </message>
    <message>
        <source>Next page (F10)</source>
        <translation>Page suivante (F10)</translation>
    </message>
    <message>
        <source>option buttons page</source>
        <translation>page des boutons d’option</translation>
    </message>
    <message>
        <source>edit option buttons</source>
        <translation>modifier les boutons d’option</translation>
    </message>
    <message>
        <source>option button #: %1</source>
        <translation>bouton d’option #&#xa0;: %1</translation>
    </message>
    <message>
        <source>title and expression of option button #</source>
        <translation>titre et expression du bouton d’option #</translation>
    </message>
    <message>
        <source>variables page</source>
        <translation>page des variables</translation>
    </message>
    <message>
        <source>variable %1</source>
        <translation>variable %1</translation>
    </message>
    <message>
        <source>value of %1</source>
        <translation>valeur de %1</translation>
    </message>
    <message>
        <source>name of variable #</source>
        <translation>nom de la variable #</translation>
    </message>
    <message>
        <source>numeric keypad</source>
        <translation>pavé numérique</translation>
    </message>
    <message>
        <source>copy result</source>
        <translation>copier le résultat</translation>
    </message>
    <message>
        <source>Copy the result (F5)</source>
        <translation>Copier le résultat (F5)</translation>
    </message>
    <message>
        <source>cursor left</source>
        <translation>curseur à gauche</translation>
    </message>
    <message>
        <source>cursor right</source>
        <translation>curseur à droite</translation>
    </message>
    <message>
        <source>open parenthesis</source>
        <translation>parenthèse ouvrante</translation>
    </message>
    <message>
        <source>close parenthesis</source>
        <translation>parenthèse fermante</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>point décimal</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>effacer</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>tout effacer</translation>
    </message>
    <message>
        <source>All clear (F8 or Escape)</source>
        <translation>Tout effacer (F8 ou Échap)</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>multiplié par</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>previous answer</source>
        <translation>réponse précédente</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égal</translation>
    </message>
    <message>
        <source>Evaluate (Enter), as a percentage (Shift+Enter)</source>
        <translation>Calculer (Entrée), en pourcentage (Maj+Entrée)</translation>
    </message>
    <message>
        <source>history panel</source>
        <translation>panneau de l’historique</translation>
    </message>
    <message>
        <source>history list</source>
        <translation>liste de l’historique</translation>
    </message>
    <message>
        <source>history buttons</source>
        <translation>boutons de l’historique</translation>
    </message>
    <message>
        <source>select all</source>
        <translation>tout sélectionner</translation>
    </message>
    <message>
        <source>delete selected entries</source>
        <translation>supprimer les entrées sélectionnées</translation>
    </message>
    <message>
        <source>clear history</source>
        <translation>vider l’historique</translation>
    </message>
    <message>
        <source>sum of selected results</source>
        <translation>somme des résultats sélectionnés</translation>
    </message>
    <message>
        <source>average of selected results</source>
        <translation>moyenne des résultats sélectionnés</translation>
    </message>
    <message>
        <source>copy selected results</source>
        <translation>copier les résultats sélectionnés</translation>
    </message>
    <message>
        <source>edit selected entry</source>
        <translation>modifier l’entrée sélectionnée</translation>
    </message>
    <message>
        <source>close history</source>
        <translation>fermer l’historique</translation>
    </message>
    <message>
        <source>Close the history (F3 or Escape)</source>
        <translation>Fermer l’historique (F3 ou Échap)</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>hyperbolic %1</source>
        <comment>a trigonometric function: hyperbolic sine</comment>
        <translation>%1 hyperbolique</translation>
    </message>
    <message>
        <source>inverse %1</source>
        <comment>a trigonometric function: inverse sine, inverse hyperbolic sine</comment>
        <translation>%1 inverse</translation>
    </message>
    <message>
        <source>result</source>
        <translation>résultat</translation>
    </message>
    <message>
        <source>Title:expression; widen the button (Ctrl+Enter or double-click)</source>
        <translation>Titre:expression&#xa0;; élargir le bouton (Ctrl+Entrée ou double-clic)</translation>
    </message>
    <message>
        <source>Value (Enter evaluates); rename the variables (Ctrl+Enter or double-click)</source>
        <translation>Valeur (Entrée calcule)&#xa0;; renommer les variables (Ctrl+Entrée ou double-clic)</translation>
    </message>
    <message>
        <source>Name of the variable; done renaming (Ctrl+Enter)</source>
        <translation>Nom de la variable&#xa0;; fin du renommage (Ctrl+Entrée)</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
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
        <translation>aucun dossier de configuration de l’utilisateur n’est connu&#xa0;; utilisation de %1</translation>
    </message>
</context>
<context>
    <name>CalcCli</name>
    <message>
        <source>invalid number of decimals &apos;%1&apos; (use -1, 0 or more, -16 or -2)</source>
        <translation>nombre de décimales «&#xa0;%1&#xa0;» non valable (utilisez -1, 0 ou plus, -16 ou -2)</translation>
    </message>
    <message>
        <source>invalid rounding mode &apos;%1&apos; (use 54, cut or up)</source>
        <translation>mode d’arrondi «&#xa0;%1&#xa0;» non valable (utilisez 54, cut ou up)</translation>
    </message>
    <message>
        <source>--var needs NAME=VALUE, got &apos;%1&apos;</source>
        <translation>--var attend NOM=VALEUR, reçu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>at most six --var options</source>
        <translation>six options --var au plus</translation>
    </message>
    <message>
        <source>unrecognized option &apos;--%1&apos; (see --help)</source>
        <translation>option «&#xa0;--%1&#xa0;» non reconnue (voir --help)</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; is ambiguous; possibilities:%2</source>
        <translation>l’option «&#xa0;--%1&#xa0;» est ambiguë&#xa0;; possibilités&#xa0;:%2</translation>
    </message>
    <message>
        <source>invalid option -- &apos;%1&apos; (see --help)</source>
        <translation>option non valable -- «&#xa0;%1&#xa0;» (voir --help)</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; doesn&apos;t allow an argument</source>
        <translation>l’option «&#xa0;--%1&#xa0;» n’accepte pas d’argument</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs a value</source>
        <translation>l’option «&#xa0;--%1&#xa0;» demande une valeur</translation>
    </message>
    <message>
        <source>option -%1 needs a value</source>
        <translation>l’option -%1 demande une valeur</translation>
    </message>
    <message>
        <source>write error on standard output</source>
        <translation>erreur d’écriture sur la sortie standard</translation>
    </message>
    <message>
        <source>write error on standard output: %1</source>
        <translation>erreur d’écriture sur la sortie standard&#xa0;: %1</translation>
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
        <translation>Utilisation&#xa0;: zemtrix-calc [OPTIONS] [FORMULE ...]
Calcule chaque FORMULE ou, s’il n’y en a aucune, chaque ligne de l’entrée standard, et affiche
la ligne de résultat telle que la fenêtre de Zemtrix la montrerait («&#xa0;Error&#xa0;» en cas d’échec,
avec «&#xa0;error: KIND at POSITION&#xa0;» sur la sortie d’erreur). ANS est le dernier résultat
obtenu.

Options&#xa0;:
  -d, --decimals N   affichage&#xa0;: -1 Normal (par défaut), 0 décimale ou plus, -16 HEX,
                     -2 BIN
      --hex          comme --decimals -16
      --bin          comme --decimals -2
  -r, --round MODE   arrondi des décimales fixes&#xa0;: 54 (par défaut), cut, up
  -g, --grouping     séparateurs de milliers
  -p, --percent      afficher chaque résultat en pourcentage
      --var NOM=VALEUR
                     fixer la suivante des six variables (par défaut V1..V6 = 0)
      --raw          afficher le résultat non arrondi avec 21 chiffres significatifs
  -h, --help         afficher cette aide
      --version      afficher la version
  --                 fin des options&#xa0;: chaque argument suivant est une formule
Les options courtes se groupent et prennent leur valeur accolée (-gd2)&#xa0;; les options
longues peuvent être abrégées en tout préfixe non ambigu (--dec 2).

Langage des formules (majuscules et minuscules indifférentes&#xa0;; caractères pleine chasse
acceptés)&#xa0;:
  nombres      12  1.5  1E3  0x1F (hexadécimal)  0b101 (binaire)&#xa0;; là où le séparateur
               décimal de la locale est «&#xa0;,&#xa0;», 1,5 se lit aussi comme 1.5
  opérateurs   ^ (puissance) lie le plus fort, puis * / et la multiplication implicite
               (2(3), 2PI, 3V1), puis, tous de même rang et de gauche à droite&#xa0;:
               + -  MOD DIV  AND &amp; OR | XOR (sur des entiers de 64 bits)
               = &lt; &gt; &lt;= &gt;= (1 ou 0&#xa0;; des blancs autour de &lt; et &gt;)
  parenthèses  regroupent&#xa0;; celles qui manquent à la fin sont ajoutées
  constantes   PI  TRUE (-1)  FALSE (0)  ANS (dernier résultat)  % (0.01&#xa0;: 200+10% donne
               200.1)
  fonctions    SIN COS TAN en degrés (SINR... radians, SING... grades), ASIN ACOS ATAN,
               SINH COSH TANH ASINH ACOSH ATANH, EXP SQRT LOG LOG2 LN INT FACT NOT,
               DEGTORAD RADTODEG DEGTOGRAD GRADTODEG RADTOGRAD GRADTORAD&#xa0;; chacune
               s’applique au facteur qui la suit&#xa0;: sin 30, sqrt(2), sinr(PI/2)
  variables    les noms donnés par --var, en majuscules comme en minuscules

Exemples&#xa0;:
  zemtrix-calc &apos;1+2*3&apos; &apos;sin 30&apos; &apos;ANS*2&apos;      7, 0.5 et 1
  echo &apos;1000*1.08&apos; | zemtrix-calc -d 0       1080
  zemtrix-calc --var RATE=0.08 &apos;1000*rate&apos;   80

Code de sortie&#xa0;: 0 tout a réussi, 1 un calcul a échoué ou la sortie n’a pas pu être
écrite, 2 erreur d’utilisation.
</translation>
    </message>
</context>
<context>
    <name>CalcFailure</name>
    <message>
        <source>Division by zero at position %1</source>
        <translation>Division par zéro à la position %1</translation>
    </message>
    <message>
        <source>Number out of range at position %1</source>
        <translation>Nombre hors limites à la position %1</translation>
    </message>
    <message>
        <source>Invalid operation at position %1</source>
        <translation>Opération non valable à la position %1</translation>
    </message>
    <message>
        <source>Unknown name %1 at position %2</source>
        <translation>Nom inconnu %1 à la position %2</translation>
    </message>
    <message>
        <source>Square root of a negative number at position %1</source>
        <translation>Racine carrée d’un nombre négatif à la position %1</translation>
    </message>
    <message>
        <source>Syntax error at position %1</source>
        <translation>Erreur de syntaxe à la position %1</translation>
    </message>
    <message>
        <source>Variable %1 has no number</source>
        <translation>La variable %1 ne contient pas de nombre</translation>
    </message>
    <message>
        <source>%1 has no number</source>
        <translation>%1 ne contient pas de nombre</translation>
    </message>
    <message>
        <source>Result is not a finite number</source>
        <translation>Le résultat n’est pas un nombre fini</translation>
    </message>
    <message>
        <source>Result too large for %1</source>
        <translation>Résultat trop grand pour %1</translation>
    </message>
    <message>
        <source>Zero to the power of zero or less at position %1</source>
        <translation>Zéro à la puissance zéro ou moins à la position %1</translation>
    </message>
    <message>
        <source>Infinite result at position %1</source>
        <translation>Résultat infini à la position %1</translation>
    </message>
    <message>
        <source>Formula longer than %1 characters</source>
        <translation>Formule de plus de %1 caractères</translation>
    </message>
</context>
<context>
    <name>FileReplace</name>
    <message>
        <source>%1 could not be put back after a failed write</source>
        <translation>%1 n’a pas pu être rétabli après un échec d’écriture</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>%1 could not be read to its end</source>
        <translation>%1 n’a pas pu être lu jusqu’au bout</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n unreadable line(s) skipped</source>
        <translation>
            <numerusform>%1&#xa0;: %n ligne illisible ignorée</numerusform>
            <numerusform>%1&#xa0;: %n lignes illisibles ignorées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: reading stopped after %n entries; the rest was not read</source>
        <translation>
            <numerusform>%1&#xa0;: lecture arrêtée après %n entrée&#xa0;; le reste n’a pas été lu</numerusform>
            <numerusform>%1&#xa0;: lecture arrêtée après %n entrées&#xa0;; le reste n’a pas été lu</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossible d’écrire %1</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licence GPL-3.0-or-later&#xa0;: GNU GPL version 3 ou ultérieure &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
Ceci est un logiciel libre&#xa0;: vous êtes libre de le modifier et de le redistribuer.
Il n’y a AUCUNE GARANTIE, dans les limites permises par la loi.
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
        <translation>Utilisation&#xa0;: zemtrix [-APPDATAFOLDER]
La fenêtre de la calculatrice à formules Zemtrix.

  -APPDATAFOLDER  garder les réglages dans le dossier de configuration de
                  l’utilisateur&#xa0;; s’écrit aussi /APPDATAFOLDER ou
                  --appdatafolder, en majuscules comme en minuscules
  -h, --help      afficher cette aide et quitter
      --version   afficher la version et la licence et quitter
Les autres arguments sont signalés et ignorés.

Fichier de réglages&#xa0;:  %1
avec -APPDATAFOLDER&#xa0;:  %2

zemtrix-calc calcule les mêmes formules en ligne de commande.
</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; ignored (zemtrix --help lists the options)</source>
        <translation>option inconnue «&#xa0;%1&#xa0;» ignorée (zemtrix --help liste les options)</translation>
    </message>
    <message>
        <source>argument &quot;%1&quot; ignored (zemtrix --help lists the options)</source>
        <translation>argument «&#xa0;%1&#xa0;» ignoré (zemtrix --help liste les options)</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Zemtrix</source>
        <translation>À propos de Zemtrix</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TExpressionPanelMenu</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Digit grouping separator</source>
        <translation>Séparateur de milliers</translation>
    </message>
    <message>
        <source>Round off (5/4)</source>
        <translation>Arrondir (5/4)</translation>
    </message>
    <message>
        <source>Cut off (CUT)</source>
        <translation>Tronquer (CUT)</translation>
    </message>
    <message>
        <source>Round up (UP)</source>
        <translation>Arrondir par excès (UP)</translation>
    </message>
    <message>
        <source>Top most</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <source>Keep history</source>
        <translation>Garder l’historique</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>THistoryListModel</name>
    <message>
        <source>%1 equals %2</source>
        <comment>a history row read out: formula equals result</comment>
        <translation>%1 égale %2</translation>
    </message>
</context>
<context>
    <name>THistoryPanel</name>
    <message numerus="yes">
        <source>%n selected</source>
        <comment>history rows</comment>
        <translation>
            <numerusform>%n sélectionnée</numerusform>
            <numerusform>%n sélectionnées</numerusform>
        </translation>
    </message>
    <message>
        <source>in the line: %1</source>
        <comment>a history entry taken back</comment>
        <translation>dans la ligne&#xa0;: %1</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>copié</translation>
    </message>
    <message numerus="yes">
        <source>%n rows copied</source>
        <comment>history rows</comment>
        <translation>
            <numerusform>%n ligne copiée</numerusform>
            <numerusform>%n lignes copiées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Scientific key</source>
        <translation>Scientifique</translation>
    </message>
    <message>
        <source>Numeric key</source>
        <translation>Numérique</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the key that shows the history</comment>
        <translation>Historique</translation>
    </message>
    <message>
        <source>this display</source>
        <comment>too large for this display</comment>
        <translation>cet affichage</translation>
    </message>
    <message>
        <source>too large for %1</source>
        <comment>HEX, BIN, CUT, UP or this display</comment>
        <translation>trop grand pour %1</translation>
    </message>
    <message>
        <source>Not available on Wayland: only the compositor can keep a window above the others.</source>
        <translation>Indisponible sous Wayland&#xa0;: seul le compositeur peut garder une fenêtre au-dessus des autres.</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>copié</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the result line&apos;s text, then why the evaluation failed</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>scientific keys hidden</source>
        <translation>touches scientifiques masquées</translation>
    </message>
    <message>
        <source>scientific keys shown</source>
        <translation>touches scientifiques affichées</translation>
    </message>
    <message>
        <source>numeric keys hidden</source>
        <translation>touches numériques masquées</translation>
    </message>
    <message>
        <source>numeric keys shown</source>
        <translation>touches numériques affichées</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>The home page could not be opened in a web browser.
Its address is %1</source>
        <translation>Le site web n’a pu être ouvert dans aucun navigateur.
Son adresse est %1</translation>
    </message>
</context>
<context>
    <name>TOptionPage</name>
    <message>
        <source>edit mode on</source>
        <translation>mode édition activé</translation>
    </message>
    <message>
        <source>edit mode off</source>
        <translation>mode édition désactivé</translation>
    </message>
    <message numerus="yes">
        <source>%n columns wide</source>
        <comment>an option button&apos;s new width</comment>
        <translation>
            <numerusform>%n colonne de large</numerusform>
            <numerusform>%n colonnes de large</numerusform>
        </translation>
    </message>
    <message>
        <source>one column wide</source>
        <comment>an option button&apos;s new width</comment>
        <translation>une colonne de large</translation>
    </message>
</context>
<context>
    <name>TVariablePage</name>
    <message>
        <source>rename mode on</source>
        <translation>mode renommage activé</translation>
    </message>
    <message>
        <source>rename mode off</source>
        <translation>mode renommage désactivé</translation>
    </message>
</context>
<context>
    <name>Zemtrix</name>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>aucun écran où ouvrir la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n’est défini)</translation>
    </message>
</context>
</TS>
