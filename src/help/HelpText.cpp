#include "help/HelpText.h"

// The help text, one chapter after the other. Title lines start with "[] ";
// some titles end with a blank, which belongs to the title. Keep every line
// short enough for the help window's memo, and the whole text under 65536
// characters counted with two per line break: the chapter offsets are 16-bit.

namespace {

constexpr char kText[] = R"KURVIX([] Allgemeines

KURVIX dient zum Eingeben, Umrechnen, Auswerten und Zeichnen
kleiner Messreihen aus X/Y-Wertepaaren. Es verwaltet bis zu
neun numerierte Datensätze (Satz 1 bis 9) mit je höchstens
10000 Punkten, zeigt für jeden Satz die Ausgleichsgerade und
zeichnet die Sätze in einem Grafikfenster, das zugleich ein
kleines Zeichenprogramm ist.

Im Hauptfenster stehen links die X-Achse mit Überschrift und
Bemerkung, in der Mitte Y-Achse, Regression und Darstellung
des aktuellen Satzes, rechts die Tabelle seiner Daten und
die zwölf Knöpfe der Berechnungen, unten die Satzwahl und
der Knopf "Graphic ...". Alle Befehle wirken auf den
aktuellen Satz, dessen Nummer unten zwischen " < Set  - "
und " + Set > " steht.

Einstellungen wirken sofort; es gibt dafür kein OK. Kleine
Eingabefelder (etwa für eine Satznummer) erscheinen im
Hauptfenster selbst und verschwinden mit ihrem "OK" oder
"Cancel"; das übrige Fenster bleibt bedienbar.

KURVIX speichert keine Einstellungen: was bleiben soll, steht
in den Daten- und Bilddateien, die Sie speichern. "&Info"
zeigt einen kurzen Hinweis zum Programm.

[] Installation

KURVIX wird wie jedes andere Programm über die
Paketverwaltung installiert. Danach steht es im Menü der
Arbeitsumgebung unter "Wissenschaft" (oder "Bildung"), und
ein Doppelklick auf eine KWT-Datei öffnet sie in KURVIX.

Aus einem Terminal startet der Befehl

    kurvix

das Programm; mit einer Datendatei aufgerufen
(kurvix MESSUNG.KWT) liest es diese gleich ein.
"kurvix --help" nennt die Befehle, die ohne Fenster
arbeiten, "kurvix --version" die Version.

Drei Beispieldateien kommen mit KURVIX in den Ordner
/usr/share/kurvix/examples (ist KURVIX unter /usr/local
installiert, in /usr/local/share/kurvix/examples):

solarzelle.kwt: Kennlinie einer Solarzelle, Strom und
  Leistung über der Spannung; zwei Sätze mit Beschriftung,
  Bereichen, Symbolen und Kurve. Öffnen, "Graphic ..."
  drücken, und die Grafik steht da.
wetterstation.csv: Temperaturen eines Tages, wie eine
  Tabellenkalkulation sie schreibt: Semikolon, Dezimalkomma
  und eine Spalte mit der Uhrzeit (in Sekunden gelesen).
  Nach dem Öffnen Options / "&Autoscale axes" (Strg+R)
  wählen, dann "Graphic ...".
pendel.vxn: Schwingung eines Federpendels als Vexon-Datei;
  ebenso erst Autoscale, dann "Graphic ...".

[] Entfernen des Programm

Entfernen Sie KURVIX mit der Paketverwaltung, mit der es
installiert wurde. Das Programm legt sonst nichts an, weder
Einstellungen noch Einträge im System; Ihre Daten- und
Bilddateien bleiben, wo Sie sie gespeichert haben.

[] Freeware

KURVIX ist Freeware: Sie dürfen es kostenlos benutzen,
kopieren und unverändert weitergeben. Eine Gewähr für die
Richtigkeit der Ergebnisse wird nicht übernommen; prüfen
Sie Wichtiges an einem Beispiel mit bekannter Lösung.

[] Öffnen einer Datei

File / "&Open" (Strg+O) liest eine Datendatei. Die Art der
Datei entscheidet allein ihr Name, gleich ob groß oder klein
geschrieben:
- mit ".KWT" eine KWT-Datei, das eigene Format von KURVIX,
- mit ".VXN" eine Datei des Messprogramms Vexon,
- jeder andere Name eine einfache X/Y-Textdatei.

Eine KWT-Datei ersetzt Überschrift, Bemerkung, X-Achse und,
von Satz 1 an, alle Sätze, die sie enthält; fehlende Sätze
behalten ihren Inhalt. Eine Textdatei kommt in Satz 1: die
Überschrift wird ihr Name in Großbuchstaben, alle Bereiche
werden 0 bis 0. Eine Vexon-Datei kommt immer in Satz 1; die
X-Achse heißt dann "sec". Mit 0 bis 0 kann nicht gezeichnet
werden: Options / "&Autoscale axes" (Strg+R) setzt danach
alle Bereiche passend zu den Daten, und "Graphic ..."
zeichnet sie (siehe Options).

File / "Open 2nd file" liest in einen Satz Ihrer Wahl, ohne
die übrigen zu löschen: Nummer bei "Set # (2 - 9)" eingeben,
"OK", Datei wählen. Der erste Satz einer KWT-Datei kommt in
den gewählten Satz, der zweite in den nächsten und so fort
bis Satz 9; Überschrift, Bemerkung und X-Achse werden auch
hier übernommen.

Nach dem Lesen sind alle Sätze nach X sortiert, und die
Daten gelten als gespeichert. Edit / "&Undo" (Strg+Z) stellt
den Stand vor dem Lesen wieder her. Kann eine Zahl nicht gelesen
werden, meldet das Programm "Ungültige numerische Eingabe"
mit Datei und Zeile; was bis dahin gelesen wurde, bleibt.

Eine Datei lässt sich auch aus dem Dateimanager auf das
Hauptfenster ziehen: sie wird gelesen wie mit File /
"&Open", mit gedrückter Strg-Taste wie mit "Open 2nd file"
in den aktuellen Satz. Von mehreren Dateien wird nur die
erste gelesen.

File / "&Follow file..." (Strg+F) liest eine Datei wie
File / "&Open" und verfolgt sie dann, während ein Messgerät
oder ein anderes Programm weiterschreibt: neue Zeilen kommen
gleich dazu (höchstens 20 mal je Sekunde), und ist das
Grafikfenster offen, wird es neu gezeichnet. Eine letzte
Zeile ohne Zeilenende wartet, bis sie vollständig ist. Wird
die Datei kürzer oder durch eine neue ersetzt, liest KURVIX
sie von vorn. Die Titelleiste zeigt dann " - following" und
den Dateinamen. Options / "Autoscale while following"
(anfangs eingeschaltet) passt die Achsen jedesmal den Daten
an.

Das Verfolgen endet mit File / "Stop following", mit dem
Lesen einer anderen Datei und mit dem Programmende. Ändern
Sie selbst Daten (Tabelle, Berechnungen, "&Undo"), endet es
mit einer Meldung, damit nichts überschrieben wird;
Beschriftungen, Bereiche und Schalter dürfen Sie ändern.
Nach jedem Nachlesen gelten die Daten als gespeichert. Das
Lesen und alles Nachlesen bis zum nächsten anderen Befehl
sind ein Schritt für "&Undo".

File / "How the file was read..." zeigt für die zuletzt
gelesene Datei (oder mit "Other file ..." für eine andere)
Zeile für Zeile, was KURVIX daraus liest: Text, Satz und
Punkt mit X und Y, und Hinweise auf Überraschungen wie ein
ersetztes Dezimalkomma, eine Uhrzeit, eine an Y angehängte
dritte Spalte oder einen vollen Satz; am Ende Punkte und
Bereiche je Satz. "kurvix --explain DATEI" schreibt
denselben Bericht ins Terminal.

[] Datenformate

KWT-Dateien sind Textdateien mit einem Eintrag je Zeile:
Überschrift, Bemerkung (je bis 80 Zeichen), X-Beschriftung
(bis 30 Zeichen), Anfang und Ende der X-Achse. Dann folgt
für jeden Satz ein Block: Y-Beschriftung, Anfang und Ende
der Y-Achse, die Satz-Kennzahl und für jeden Punkt eine
Zeile X und eine Zeile Y.

Die Satz-Kennzahl ist Anzahl der Punkte + Symbolnummer / 100
+ Schalter / 10000 (Schalter: 1 Symbole, 2 Verbinden,
4 Kurve, 8 Regressionsgerade, addiert). 25.0103 heißt also
25 Punkte mit Symbol 1, Symbolen und Linien; ein leerer Satz
mit Symbol 7 steht als 0.0703 da. Zahlen stehen immer mit
Dezimalpunkt. Satzfarben und die Schalter für Datum,
Dateiname und Gitter werden nicht gespeichert.

Textdateien (ASCII, CSV, TXT ...) enthalten ein Wertepaar je
Zeile, getrennt durch Semikolon, Leerzeichen oder Tabulator;
hier ist auch das Dezimalkomma erlaubt:

    1.5;2.25     2.0 3.5     2,5;4,75

Steht nur eine Zahl in der Zeile, ist sie ein X-Wert und
die nächste Zahl der Datei sein Y. Zeilen, die nicht mit
einer Ziffer oder "-" beginnen, werden überlesen (etwa
Spaltentitel, aber auch Zeilen mit "+" oder "." vorn). Ein
X wie 01:30:15 gilt als Uhrzeit und wird 5415 Sekunden. Eine
dritte Spalte wird an Y angehängt (1;2;3 ergibt Y = 23):
entfernen Sie sie vorher. Nach 10000 Punkten geht es im
nächsten Satz weiter.

Vexon-Dateien haben sieben Kopfzeilen, dann Daten wie eine
Textdatei. Die Überschrift steht in Zeile 1 nach dem letzten
">", die Y-Beschriftung in Zeile 3.

Text- und Vexon-Dateien enthalten keine Achsenbereiche; sie
werden 0 bis 0 gelesen. Der Weg zur Grafik ist daher: Datei
öffnen, Options / "&Autoscale axes" (Strg+R), "Graphic ...".

[] Speichern

File / "Save " (Strg+S) fragt jedesmal nach dem Namen. Ein
Name mit ".KWT" ergibt eine KWT-Datei mit allen neun Sätzen;
jeder andere Name eine ASCII-Datei mit einer Zeile "X;Y" je
Punkt, alle Sätze ohne Trennung hintereinander. Der gewählte
Dateityp zählt nicht, und keine Endung wird angehängt:
tippen Sie ".KWT" mit ein. Der Name wird in Großbuchstaben
geschrieben (daten.kwt wird DATEN.KWT).

Eine ASCII-Datei kennt keine Sätze; wieder gelesen, stehen
alle Punkte in einem Satz. Speichern Sie zum Weiterarbeiten
deshalb immer als KWT-Datei.

[] Daten ausdrucken

File / "&Print data" (Strg+P) druckt den aktuellen Satz
ohne Rückfrage auf dem Standarddrucker: oben Programmname,
Datum, Uhrzeit, Dateiname, Überschrift, Bemerkung, die
Regressionsgerade mit a, b, n und r und die Beschriftungen,
darunter alle Punkte numeriert in bis zu vier Spalten zu
64 Zeilen (256 Punkte je Seite). Ist die letzte Seite bis
zur 64. Zeile voll, folgt eine leere Seite.

[] Programmende

File / "Exit Program" (Strg+Q) oder das Schließen des
Hauptfensters beendet KURVIX. Sind die Daten seit dem
letzten Lesen oder Speichern geändert, fragt es zuerst
"UNSAVED CHANGES - Close anyway?": "Yes" beendet ohne zu
speichern, "Cancel" kehrt zurück.

Als Änderung zählen Zahlen, die in die Tabelle getippt
werden, sowie "Copy set ", "Exchange", "Filter", "X <=>Y",
"Derivative", "Integral" und "Paste data", außerdem jedes
"&Undo" und "&Redo". Die übrigen Berechnungen und alle
Einstellungen zählen nicht: speichern Sie nach ihnen selbst,
bevor Sie beenden.

[] Options

"Show &Symbols" zeigt im Grafikfenster alle Symbole mit
ihren Nummern; die Daten bleiben unverändert. "Plot with
&Grid " schaltet das Gitter ein und aus. Der Menüpunkt zeigt
jeweils, was der nächste Klick bewirkt.

"&Autoscale axes" (Strg+R) setzt die Achsen nach den Daten:
die X-Achse vom kleinsten bis zum größten X aller Sätze mit
Punkten, die Y-Achse jedes solchen Satzes nach seinen
eigenen Y-Werten. Leere Sätze behalten ihre Bereiche; ohne
Punkte ändert sich nichts. Die Enden sind runde Zahlen: die
Achse hat fünf gleiche Schritte zu 1, 2 oder 5 mal einer
Zehnerpotenz, der kleinste, mit dem alle Daten hineinpassen.
So wird 0.013 bis 0.087 zu 0 bis 0.1 und -3 bis 1234 zu
-500 bis 2000. Sind alle Werte gleich, wird der Bereich erst
um ein Zehntel des Werts erweitert (um 1 bei 0): 5 bis 5
wird 4.5 bis 7.

Die Felder zeigen höchstens vier Dezimalen. Der Schritt ist
darum nie kleiner als 0.0001: Daten, die enger beieinander
liegen (etwa 1E-12 bis 3E-12), bekommen die Achse 0 bis
0.0005 und erscheinen flach. Rechnen Sie solche Werte vorher
mit "X,Y+-*/..." um (etwa Y*1E12). Autoscale lässt sich mit
"&Undo" zurücknehmen.

"Record commands..." fragt nach einer Skriptdatei (eine
vorhandene wird verlängert) und schreibt von da an jeden
Befehl, den Sie im Hauptfenster ausführen, als Zeile
hinein; "Stop recording" beendet die Aufnahme. Abgelehnte
und fehlgeschlagene Befehle fehlen. Was Sie in ein Feld
oder in die Tabelle tippen, erscheint, sobald Sie das Feld
oder die Tabelle verlassen. Die erste Datei, die Sie
öffnen, steht im Skript als $FILE: so läuft es auch über
andere Dateien. Beginnen Sie die Aufnahme also vor dem
Öffnen.

Ein Skript ist eine Textdatei mit einem Befehl je Zeile;
leere Zeilen und Zeilen mit # vorn sind Kommentare. Es
läuft ohne Fenster:

  kurvix --run SKRIPT DATEI ...

Für jede DATEI läuft das Skript einmal, jedesmal vom
Programmstart an. In den Argumenten steht $FILE für die
Datei, $NAME für ihren Namen ohne Ordner und Endung, $DIR
für ihren Ordner und $$ für ein $. --jobs N bearbeitet N
Dateien zugleich (sonst so viele, wie der Rechner Kerne
hat); Ergebnisse und Meldungen bleiben dieselben. Ein
Befehl, zu dem das Fenster eine Meldung zeigen würde,
beendet den Lauf dieser Datei mit SKRIPT:ZEILE: MELDUNG
(DATEI); die nächste Datei läuft trotzdem.

Jeder Befehl tut genau, was Sie im Fenster täten; dahinter
steht, was Sie dort eintippen würden: open DATEI, open2 N
DATEI, set N, xlabel, xfrom, xto, heading, comment, ylabel,
yfrom, yto TEXT, symbols, connect, curve, regression,
datetime, filename, grid on oder off, symbol N, colour N,
calc, slope, copy, insert, exchange, add, filter TEXT,
smooth, derivative, integral, swap, autoscale, undo, redo,
remove VON BIS, thin F, point I X Y (Zeile I der Tabelle),
save, export, listing DATEI, paste DATEI (liest den Text
der Datei wie Edit / Paste data). "kurvix --help" zeigt
sie alle.

Beispiel, jede Messung geglättet, abgeleitet, gespeichert
und gezeichnet:

  open $FILE
  xfrom 0
  xto 100
  smooth
  derivative
  save $DIR/$NAME.kwt
  export $DIR/$NAME.png

"kurvix --listing DATEI --set N" schreibt die Datenliste
von Satz N auf die Standardausgabe, mit --pdf AUS.pdf in
eine PDF-Datei.

[] Symbole

Es gibt 15 Symbole für die Punkte eines Satzes: 0 Punkt,
1 und 2 kleines Quadrat offen und voll, 3 und 4 Raute offen
und voll, 5 und 6 großes Quadrat voll und offen, 7 und 8
Dreieck offen und voll, 9 und 10 Achteck offen und voll,
11 und 12 große Raute offen und voll, 13 Schrägkreuz und
14 aufrechtes Kreuz.

Offene Symbole sind innen weiß und verdecken, was unter
ihnen liegt. Anfangs hat jeder Satz das Symbol seiner
Nummer. Im Feld "Display" schaltet "Symbols  #" die Symbole
ein und aus; "- <" und "> +" wählen die Nummer (nach 14
kommt 0, vor 0 kommt 12).

Ein Klick auf "COLOR" wählt die Farbe des Satzes: Schwarz,
Rot, Blau, Grün, Violett, Hellgrün, wieder Schwarz. In ihr
erscheinen Satznummer, Y-Beschriftung und Zeichnung; Violett
wird in der Grafik helles Purpur. Die Sätze 7 bis 9 haben
anfangs keine Farbe und werden in der gerade eingestellten
Farbe gezeichnet, bis Sie "COLOR" anklicken.

[] Gitter (Grid)

"Plot with &Grid " zeichnet neun senkrechte und neun
waagrechte punktierte Linien an den inneren Teilstrichen;
der Menüpunkt heißt dann "No &Grid". Das Gitter hat Breite
und Farbe des Grafikfensters (siehe Linien); ab Breite 2 ist
es durchgezogen.

[] Hilfe

"&Help" öffnet dieses Fenster mit der Liste der Kapitel. Ein
Klick auf ein Kapitel zeigt den ganzen Text an dieser Stelle
mit markiertem Titel; Sie können weiter blättern.
"Hilfe-Themen" führt zur Liste zurück, "Hilfe schließen"
schließt das Fenster. Wechseln Sie aus einem anderen Fenster
von KURVIX hierher, erscheint wieder die Liste. Das Fenster
darf offen bleiben, während Sie weiterarbeiten.

[] X-Achse

Die linke Spalte ("X Axis ") gilt für alle Sätze: oben die
Beschriftung (bis 30 Zeichen), "from" und "to" für Anfang
und Ende, daneben kleinster und größter X-Wert des Satzes,
"Heading" und "Comment" für Überschrift und Bemerkung (bis
80 Zeichen), "Show  Date and Time" und "Show Filename" für
Datum, Uhrzeit und Dateiname auf der Grafik. Längere Texte
werden abgeschnitten. Zahlen mit Dezimalpunkt eingeben.

Jede Achse wird in zehn gleiche Teile geteilt, jeder zweite
Teilstrich trägt eine Zahl. Die Nachkommastellen richten
sich nach der Breite des Bereichs; runde Bereiche wie 0 bis
10 oder 0 bis 0.5 geben runde Zahlen. Die Felder zeigen die
Enden mit diesen Stellen und übernehmen sie so gerundet.

Ist der Anfang größer als das Ende, läuft die Achse
rückwärts. Punkte außerhalb werden nicht gezeichnet. Anfang
und Ende dürfen nicht gleich sein (siehe Fehler). Die Texte
der X-Achse erscheinen nur, wenn Satz 1 Punkte hat.

[] Y-Achse

Die mittlere Spalte gehört zum aktuellen Satz: Beschriftung
(bis 30 Zeichen), "from" und "to" und kleinster und größter
Y-Wert. Jeder Satz wird mit seinem eigenen Bereich über die
ganze Höhe gezeichnet; beschriftet werden nur Satz 1 links
und Satz 2 rechts, je in ihrer Farbe. Sollen andere Sätze zu
einer dieser Achsen passen, geben Sie ihnen denselben
Bereich.

Das Feld "Display" bestimmt die Zeichnung des Satzes:
"Symbols  #" Symbole, "Connect points" gerade Linien von
Punkt zu Punkt, "Draw curve" eine glatte Kurve nahe an den
Punkten (ab vier Punkten), "Draw regression line" die
punktierte Ausgleichsgerade. Punkte mit fast gleichem X
verbindet eine senkrechte Linie. Die Schalter werden beim
Satzwechsel und mit "Graphic ..." übernommen.

[] Lineare Regression 

Das Feld "Regression analysis" zeigt für den aktuellen Satz
die Ausgleichsgerade Y = a X + b nach der Methode der
kleinsten Quadrate: Steigung a, Abschnitt b, Anzahl n und
den Korrelationskoeffizienten r mit dem Vorzeichen von a.

Eine Gerade gibt es für zwei oder mehr Punkte, die nicht
alle dasselbe X und nicht alle dasselbe Y haben. Sonst
bleiben die zuletzt berechneten Werte stehen, auch wenn sie
zu einem anderen Satz gehören; achten Sie auf n.

"Draw regression line" zeichnet die Gerade punktiert über
die ganze X-Achse, abgeschnitten am Y-Bereich, aber nur,
wenn alle Punkte des Satzes innerhalb der Bereiche liegen.

[] Formeln

Für n Punkte (Xi, Yi), Summen über i = 1 bis n:

  mx = Summe(Xi) / n          my = Summe(Yi) / n
  vx = Summe(Xi*Xi) / n - mx*mx
  vy = Summe(Yi*Yi) / n - my*my
  a  = (Summe(Xi*Yi) / n - mx*my) / vx
  b  = my - a * mx
  r  = a * Wurzel(vx) / Wurzel(vy)

r liegt zwischen -1 und 1; je näher sein Betrag an 1, desto
besser liegen die Punkte auf der Geraden.

[] Beispiel für Regression:

Tippen Sie in einen leeren Satz die fünf Punkte

   X:  20.4   19.7   21.8   20.1   20.7
   Y:   9.2    8.9   11.4    9.4   10.3

Dann zeigt "Regression analysis" n = 5, a = 1.229,
b = -15.41 und r = 0.96212: Y = 1.229 X - 15.41, fast
linear. Zum Zeichnen wählen Sie etwa X von 19 bis 22 und Y
von 8 bis 12, schalten "Draw regression line" ein und
drücken "Graphic ...".

[] Daten eintippen (Data)

Die Tabelle ("Data (Set # ...)") zeigt die Punkte des
aktuellen Satzes nach X sortiert, oben links ihre Anzahl in
eckigen Klammern. Klicken Sie in eine Zelle und tippen Sie.
Die Eingabetaste springt von X zu Y und zum X der nächsten
Zeile: 1, Eingabe, 2, Eingabe, 3, Eingabe, 4 ergibt die
Punkte (1, 2) und (3, 4).

Ein Dezimalkomma ist erlaubt, Leerzeichen nur vor der Zahl.
Zeilen ohne gültiges X und Y werden übergangen. Die Tabelle
zeigt die Werte gerundet (vier Stellen unter 1, drei unter
10 und so fort); sobald Sie darin eine Taste drücken, gelten
alle Zeilen so, wie sie dort stehen.

" < Set  - " und " + Set > " wählen den vorigen oder
nächsten Satz (nicht über 1 und 9 hinaus); dabei werden die
Punkte sortiert.

[] Satz kopieren (Copy set)

"Copy set " kopiert den aktuellen Satz in einen leeren Satz;
das Feld schlägt den ersten leeren vor. Kopiert werden
Punkte, Y-Beschriftung, Y-Bereich und Schalter; Symbol und
Farbe behält das Ziel. Ein Ziel mit Punkten bleibt
unverändert. Sind alle Sätze belegt, steht im Feld "No free
set found!".

[] Satz einfügen (Insert set)

"Insert set" hängt die Punkte des eingegebenen Satzes an den
aktuellen an und sortiert nach X. Die eigene Nummer
verdoppelt jeden Punkt. Mehr als 10000 Punkte werden es
nicht: dann wird nichts eingefügt, und eine Meldung kommt.

[] Sätze vertauschen (Exchange)

"Exchange" vertauscht den aktuellen mit dem eingegebenen
Satz: Punkte, Beschriftung, Bereich und Schalter wechseln,
Symbol und Farbe bleiben bei der Nummer. Danach ist der
eingegebene Satz der aktuelle.

[] Berechnungen (X,Y,+,-,*/...)

"X,Y+-*/..." rechnet alle X oder alle Y des aktuellen
Satzes um. Tippen Sie eine Formel und drücken Sie "OK" oder
die Eingabetaste:

   X+2   Y-1.5   Y*2   Y*-1   X/1000   Addieren ... Teilen
   YL    Logarithmus zur Basis 10
   X^    10 hoch X
   YR    Kehrwert 1/Y

Die Formel enthält genau einen der Buchstaben X oder Y,
gleich ob groß oder klein; ein Dezimalkomma ist erlaubt. Die
Zahl bilden alle Ziffern, "-" und "." der Formel: X*1E3
rechnet also mit 13. Nicht ausgeführt werden die Division
durch 0, 10 hoch Werten über 1000 oder gleich 0, der
Kehrwert von 0 und der Logarithmus von Werten bis 0; dieser
fragt zudem "Do you really think this program will
calculate logarithms of numbers <= 0?". Wird ein Ergebnis
zu groß, bleibt der Satz unverändert. Eine Formel mit S
ändert die Steigung (siehe Steigung ändern).

[] X und Y eines Satzes vertauschen (X <=> Y)

"X <=>Y" vertauscht X und Y jedes Punktes und sortiert neu.
Beschriftungen und Bereiche passen Sie selbst an.

[] Kurve Addieren (Add Curve)

"Add Curve" addiert die Y des eingegebenen Satzes Punkt für
Punkt zu den Y des aktuellen, ohne die X zu vergleichen.
Beide brauchen gleich viele Punkte, sonst geschieht nichts.
Zum Abziehen nehmen Sie den anderen Satz vorher mit Y*-1
mal.

[] Ableitung (Derivative)

"Derivative" schreibt die Ableitung in den nächsten Satz,
der leer sein muss (nicht von Satz 9 aus, ab drei Punkten).
Je zwei Nachbarn geben einen Punkt: X in ihrer Mitte,
Y = (Y2 - Y1) / (X2 - X1). Der neue Satz heißt "Derivative
from set # " mit der Nummer; mit " + Set > " sehen Sie ihn.

[] Integral 

"Integral" schreibt das laufende Integral nach der
Trapezregel in den nächsten, leeren Satz (ab zwei Punkten).
Es beginnt beim zweiten Punkt mit der Fläche bis zu ihm und
hat einen Punkt weniger. Der neue Satz heißt "INTEGRAL from
set # " mit der Nummer.

[] Steigung ändern (Slope)

"Slope" kippt den Satz um seinen ersten Punkt, etwa gegen
eine Drift. Oben steht die Steigung a, im Feld ein S: tippen
Sie die Änderung dazu, etwa S-0.02, und drücken Sie "OK".
Zu jedem Y wird Änderung * (X - X1) addiert; die Steigung
mit umgekehrtem Vorzeichen entfernt die Drift. Unten im
Fenster erscheint 0, wenn die Zahl gelesen wurde, sonst die
Stelle des falschen Zeichens, und der Satz bleibt.

[] Glättung (Smooth)

"Smooth" ersetzt jedes Y zur Hälfte durch den Wert der
Geraden durch seine Nachbarn; bei gleichen Abständen ist
Y neu = Y/2 + (Y links + Y rechts)/4. Erster und letzter
Punkt bleiben. Danach erscheint die Grafik. Mehrmals
gedrückt glättet es stärker; die alten Werte gehen
verloren, also vorher kopieren.

[] Filter

"Filter" ersetzt einzelne Ausreißer durch das Mittel ihrer
Nachbarn. Im Feld "Window" steht die Fensterbreite, anfangs
4: in jedem Fenster wird der Punkt ersetzt, der am
weitesten vom Mittel seiner Nachbarn abweicht. Erster und
letzter Punkt bleiben. Bei zu wenigen Punkten steht im Feld
"No data to filter".

[] Datenpunkte entfernen (Delete data)

"Delete data" öffnet "Remove data points": "from" und "to"
mit dem oberen Knopf entfernen einen Bereich (3 bis 5
entfernt die Punkte 3, 4 und 5); "Reduce points by factor
of" mit dem unteren behält nur jeden so vielten Punkt, vom
ersten an (Faktor 2: 1, 3, 5 ...). "OK" führt aus.

[] Graphic

"Graphic ..." öffnet das Grafikfenster und zeichnet alle
Sätze mit Punkten auf 480 x 480 Bildpunkte: Rahmen mit
Teilstrichen, auf Wunsch Gitter, Überschrift, Datum, X-Achse
und Dateiname (wenn Satz 1 Punkte hat), links die Y-Achse
von Satz 1, rechts die von Satz 2 mit Mustern ihrer
Symbole, dann Satz 1 bis 9 wie unter "Display" eingestellt.

Neu gezeichnet wird mit "Plot" und bei jedem Wechsel aus
einem anderen Fenster von KURVIX hierher, und zwar auf einer
leeren Fläche: Zeichnungen gehen verloren, wenn sie nicht im
Speicher (siehe Memo) oder in einer Datei sind.

Rechts stehen die Werkzeuge "Select", "Position", "Text",
"~", "/", Rechteck, "(_)", "O", "Plot", "Clear" und "Memo";
die Menüs stellen Dateien, Zwischenablage, Schrift,
Richtung, Linien, Farbe und Füllen ein. Jede Maustaste
zeichnet gleich.

"&View" vergrößert die Anzeige: "Zoom 1×", "Zoom 2×" und
"Zoom 3×" zeigen jeden Bildpunkt als 1, 2 oder 3 Punkte des
Bildschirms im Quadrat, scharf und ohne Glätten; das Fenster
wächst mit, höchstens auf die Größe des Bildschirms, dann
mit Rollbalken. Auf Bildschirmen mit hoher Auflösung beginnt
KURVIX mit dem passenden Zoom. Das Bild selbst bleibt 480 x
480 Punkte groß; die Maus trifft immer den Bildpunkt unter
ihr.

[] Ausdruck der Grafik

File / "Print Image " (Strg+P) druckt das Bild auf dem im
Druckfenster gewählten Drucker, jeden Bildpunkt als 3 x 3
Druckerpunkte, 600 Punkte vom linken und 400 vom oberen
Rand, ohne Anpassung an die Seite. Das dauert; solange steht
"Printing..... (may take time)" über dem Bild.

Für einen scharfen Ausdruck in beliebiger Größe speichern
Sie die Grafik als PDF-Dokument (siehe Grafik-Formate) und
drucken diese Datei.

[] Grafik-Formate

"&Open Image" (Strg+O) liest ein Bild, "&Save Image"
(Strg+S) schreibt es ohne Frage unter dem zuletzt benutzten
Namen, "Save as ..." fragt immer. Ein Name mit ".BMP" ist
ein Bitmap, sonst einer mit ".SVG" ein SVG-Bild und einer
mit ".PDF" ein PDF-Dokument, jeder andere ein JPEG-Bild
(Qualität 90); ohne Endung wird ".bmp" angehängt, beim Typ
"SVG image" oder "PDF document" dessen Endung. Nach dem
Lesen einer Datendatei wird deren Name mit ".BMP"
vorgeschlagen.

SVG und PDF sind Vektorformate: die Grafik wird neu aus
Linien, Flächen und Text gezeichnet und bleibt in jeder
Größe scharf, etwa für eine Arbeit oder einen Bericht. Die
Seite ist 480 x 480 Einheiten groß, 96 je Zoll (5 x 5
Zoll); Daten stehen an ihrer genauen Stelle, die Texte sind
Text in derselben Schrift. Was Sie seit dem letzten "Plot"
mit der Maus gezeichnet haben, sind Bildpunkte: die Datei
legt genau diese Punkte als Bild über die Grafik und sagt
es in einer Meldung. Liegt keine Grafik unter dem Bild (nach
"Clear", "Open Image", "Cut size", "Restore " oder "Cu&t
Image"), enthält die Datei das Bild allein als Bildpunkte.
SVG und PDF werden nur geschrieben, nicht geöffnet.

Eine BMP- oder JPG-Datei, die Sie aus dem Dateimanager auf
das Grafikfenster ziehen, wird wie mit "&Open Image" gelesen.

Achtung: der nächste Wechsel in das Grafikfenster ersetzt
ein geöffnetes Bild durch die Grafik, wenn ein Satz Punkte
hat.

[] Exit

"E&xit  Graphics" (Strg+Q) verbirgt das Grafikfenster;
Werkzeuge, Einstellungen und Speicher bleiben erhalten.

[] Edit

Im Hauptfenster nimmt Edit / "&Undo" (Strg+Z) die letzte
Änderung der Daten zurück, "&Redo" (Strg+Y oder
Strg+Umschalt+Z) bringt sie wieder. Die Menüpunkte nennen
den Schritt ("&Undo Smooth"). Ein Schritt ist jeder Befehl,
der Sätze oder Einstellungen ändert: eine Zelle der Tabelle
(alle Tasten bis zum Verlassen der Zelle), ein Feld (bis zum
Verlassen des Feldes), jeder Schalter, jede Berechnung, das
Lesen einer Datei, "&Autoscale axes". Der Wechsel des Satzes
ist kein Schritt; "&Undo" zeigt den Satz, in dem der Schritt
geschah. Die Tasten wirken auch in einem Eingabefeld auf die
Daten. Bis zu 200 Schritte lassen sich zurücknehmen; ein
neuer Schritt nach "&Undo" verwirft die "&Redo"-Schritte.
Dateien auf der Platte bleiben, wie sie sind.

"Copy set as text" (Strg+Umschalt+C) legt die Punkte des
aktuellen Satzes als Text in die Zwischenablage, je Punkt
eine Zeile X, Tabulator, Y; eine Tabellenkalkulation fügt
sie als zwei Spalten ein. Jede Zahl steht mit so wenigen
Ziffern, wie nötig sind, damit sie genau so wieder gelesen
wird (ein Y von mehr als 15 Zeichen wird gerundet).
"Paste data" (Strg+Umschalt+V) liest den Text der
Zwischenablage wie eine Textdatei in den aktuellen Satz,
über 10000 Punkte weiter in die folgenden Sätze; Spalten
aus einer deutschen Tabellenkalkulation (Dezimalkomma,
Tabulator) gehen auch. Es ersetzt nur die Punkte, nicht
Beschriftung und Bereiche, und ist ein Schritt für "&Undo".

Im Grafikfenster:
"Cu&t Image" (Strg+X) legt das ganze Bild in die
Zwischenablage und macht es weiß; bis zum nächsten Werkzeug
zeichnet Ziehen dann ein punktiertes Rechteck. "Copy Image"
(Strg+C) kopiert das Bild, "Insert at top left" (Strg+V)
setzt das Bild der Zwischenablage links oben ein. So lassen
sich Bilder mit anderen Programmen austauschen.

[] Schrift auswählen (Font)

"&Font" wählt Schrift, Größe und Stil des Text-Werkzeugs;
danach wird waagrecht geschrieben. Die Farbe der Schrift
wählt "&Color"; nach jeder Grafik ist sie wieder schwarz.

[] Schreibrichtung horizontal oder vertikal

"&Horiz. Writ." schaltet auf "&Vert. Writ." um: der Text
läuft dann vom Klickpunkt nach oben. Der Menüpunkt nennt
die Richtung, die gilt. Nach einer Grafik mit Y-Achse wird
wieder waagrecht geschrieben.

[] Linien

"&Line" (Strg+H) öffnet "Line ": "Width" mit " - " und "+"
(oder eingetippt) für die Breite, "Solid", "Dotted" und
"Dashed" für die Art, "OK" übernimmt. Die Breite bleibt und
gilt auch für Rahmen und Gitter der Grafik; die Art setzt
jeder Werkzeug-Knopf zurück, wählen Sie sie also nach dem
Werkzeug. Punktiert und gestrichelt geht nur bei Breite 1.

[] Farben (Color)

"&Color" wählt die Farbe für Linien, Figuren und Text; jeder
Werkzeug-Knopf holt sie wieder, auch nach einer Grafik.
Rahmen und Gitter werden ebenfalls in ihr gezeichnet.

[] Füllen von Rechtecken und Kreisen

"- Fill." schaltet auf "Fill": geschlossene Figuren werden
dann innen weiß und verdecken, was darunter liegt. Ohne
Füllen wird nur der Umriss gezeichnet; wo er andere Linien
kreuzt, erscheinen deren Farben umgekehrt.

[] Flächen auswählen (Select)

"Select" schaltet das Auswählen ein: ziehen Sie einen
punktierten Rahmen um die Fläche. Dann erscheint "Selected
Area" mit "Copy" (in die Zwischenablage), "Insert" (Bild
der Zwischenablage an den Anfang des Rahmens), "Cut size"
(Bild auf die Fläche zuschneiden), "Wipe" (weiß machen) und
"Cancel". Ein zweiter Klick auf "Select" oder ein anderes
Werkzeug außer dem Rechteck beendet das Auswählen.

[] Position

"Position" zeigt in Bildpunkten von links oben die Lage des
Mauszeigers (X, Y) und des letzten Klicks (Xo, Yo).

[] Text

"Text" zeigt unter "Position" ein Textfeld. Jeder Klick in
das Bild schreibt dessen Text mit der linken oberen Ecke an
die Klickstelle, auf weißem Grund; Leerzeichen löschen so
einen Text.

[] Löschen 

"Clear" macht das ganze Bild weiß, "Select" und "Wipe" eine
Fläche, Leerzeichen mit "Text" einen Text. Rückgängig machen
lässt sich nichts; heben Sie das Bild vorher mit "Memo" auf.

[] Freihand-Zeichnen ('~')

"~": bei gedrückter Maustaste folgt eine Linie dem Zeiger.
Jeder Druck beginnt eine neue Linie.

[] Gerade Linien

"/" (beim Start eingestellt): an einem Ende drücken, zum
anderen ziehen, loslassen. Die Linie folgt dem Zeiger, ohne
das Bild darunter zu verändern.

[] Rechtecke, abgerundete Rechtecke, Ellipsen, Kreise

Die Knöpfe unter "/" zeichnen geschlossene Figuren:

[]   Rechteck
([]) Rechteck mit abgerundeten Ecken
 O  Ellipse oder Kreis

Ziehen Sie von einer Ecke zur gegenüberliegenden. Über einem
Quadrat wird die Ellipse ein Kreis; die runden Ecken sind
halb so breit und hoch wie die Figur. Füllen: siehe oben.

[] Plot

"Plot" zeichnet die Grafik neu aus den Daten, auf einer
leeren Fläche von 480 x 480. Hat kein Satz Punkte, bleibt
das Bild. Ändern Sie erst Daten und Einstellungen und
zeichnen Sie danach mit den Werkzeugen.

[] Grafik löschen ('Clear')

"Clear" macht das ganze Bild weiß; Größe, Speicher und
Zwischenablage bleiben.

[] Memo 

"Memo" öffnet "Memory": "Keep" bewahrt das Bild auf,
"Restore " holt es zurück (beliebig oft), "Cancel" schließt.
Der Speicher übersteht "Clear" und "Plot", nicht aber das
Programmende; er ersetzt das Rückgängigmachen.

[] Fehler

Unbrauchbare Eingaben übergeht KURVIX meist stillschweigend.
Schlägt ein Befehl fehl, bricht er ab, und eine Meldung
nennt den Grund:

"'...' ist kein gültiger Integerwert": hier gehört eine
  ganze Zahl hin (Satznummer, Fenster, Faktor, Breite).
"Ungültige Gleitkommaoperation", "Gleitkommadivision durch
  Null": meist sind Anfang und Ende einer Achse gleich.
"Gleitkommaüberlauf": ein Ergebnis wird zu groß.
"Zu wenig Arbeitsspeicher": der Befehl braucht mehr
  Speicher, als frei ist; die Daten bleiben unverändert.
"Ungültige numerische Eingabe" mit Datei und Zeile: eine
  Zahl der Datei ist unlesbar, etwa mit Dezimalkomma.
"Datei kann nicht geöffnet werden: ...", "Datei kann nicht
  erstellt werden: ...", "Fehler beim Schreiben der Datei:
  ...": Datei fehlt, Zugriff verboten oder Datenträger voll.
"Set ... of file ... (line ...) claims ... points; a set
  holds at most 10000": die Datei ist beschädigt.
"File ... is larger than 256 MB; it cannot be a data file."
"The set number must be 1 to 9; no file was read."
"Set ... (... points) and set ... (... points) together hold
  more than the 10000 points of a set; nothing was
  inserted.": "Insert set" ergäbe zu viele Punkte.
"The factor must be a whole number of at least 1; no point
  was removed.": Faktor bei "Delete data".
"Do you really think this program will calculate logarithms
  of numbers <= 0?": der Satz enthält Werte bis 0.
"UNSAVED CHANGES - Close anyway?": siehe Programmende.
"No free set found!", "No data to filter": im Eingabefeld,
  siehe Satz kopieren und Filter.
"Bitmap ist ungültig", "JPEG-Fehler #...", darunter der
  Name der Datei: die Bilddatei ist nicht lesbar (oder keine
  Datei dieser Art); das Bild bleibt unverändert.
"The image ... is ... x ... pixels; the graphic window
  takes at most 65535 pixels a side and 67108864 in all.
  It was not opened.", "The image ... claims ... x ...
  pixels in a file of ... bytes; no picture is stored that
  densely. It was not opened.", "File ... is larger than 512 MB;
  it cannot be an image the graphic window takes.",
"The JPEG file ... holds more than ... scans; it was not
  opened.": das Bild ist zu groß oder ungewöhnlich
  aufgebaut.
"not a regular file": der Name bezeichnet einen Ordner
  oder ein Gerät, keine Datei; ein solches Ziel wird beim
  Speichern nicht ersetzt.
"the image could not be encoded": das Bild ließ sich in
  diesem Format nicht schreiben; die alte Datei bleibt.
"There is no row ... to type into: set ... holds ...
  points, so rows 1 to ... take a point.": die Zeile eines
  point-Befehls im Skript liegt hinter den Daten.
"No default printer is set up; nothing was printed.",
"The printer could not start the print job; nothing was
  printed.": kein Drucker eingerichtet oder nicht bereit.
"... is not a bitmap or JPEG file; SVG, PDF and PNG images
  are written, not opened. Nothing was opened."
"The drawings made since the last plot are pixels: ...
  holds them as an image over the plot.", "There is no plot
  behind this picture: ... holds it as an image of ... x
  ... pixels.": Hinweise nach dem Speichern als SVG oder
  PDF, siehe Grafik-Formate.
"Following ... stopped: the data were changed.": Sie haben
  beim Verfolgen einer Datei Daten geändert (siehe Öffnen
  einer Datei).
"Only the first of ... files was opened.": es wurden
  mehrere Dateien auf ein Fenster gezogen.
"The clipboard holds no X/Y data; nothing was pasted.":
  "Paste data" fand in der Zwischenablage keine Zahlen.

[] Zum guten Schluss...

Speichern Sie oft, und zwar als KWT-Datei; sie ist eine
Textdatei, die jeder Editor zeigt. Kopieren Sie einen Satz,
bevor Sie ihn umrechnen. Und zeichnen Sie erst in die
Grafik, wenn die Daten fertig sind.

Viel Erfolg bei Ihren Messungen!)KURVIX";

} // namespace

const QString& helpText()
{
    static const QString text = QString::fromUtf8(kText);
    return text;
}
