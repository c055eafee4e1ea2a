#include "help/HelpText.h"

// The help text, one chapter after the other. Title lines start with "[] ";
// some titles end with a blank, which belongs to the title. Keep every line
// short enough for the help window's memo, and the whole text under 65536
// characters counted with two per line break: the chapter offsets are 16-bit.

namespace {

constexpr char kText[] = R"KURVIX([] Allgemeines

KURVIX dient zum Eingeben, Umrechnen, Auswerten und Zeichnen
kleiner Messreihen aus X/Y-Wertepaaren.

Das Programm verwaltet bis zu neun numerierte Datensätze
(Satz 1 bis 9) mit je höchstens 10000 Wertepaaren. Die Werte
werden in einer Tabelle eingetippt oder aus Dateien gelesen,
mit ganzen Sätzen umgerechnet (Addieren, Multiplizieren,
Logarithmus, Glätten, Ableiten, Integrieren ...) und in einem
Grafikfenster mit beschrifteten Achsen gezeichnet. Für jeden
Satz zeigt das Programm die Ausgleichsgerade (lineare
Regression) mit dem Korrelationskoeffizienten.

Das Programm hat drei Fenster:
- das Hauptfenster mit den Daten, Einstellungen und Befehlen,
- das Grafikfenster mit der Zeichnung und einem kleinen
  Zeichenprogramm,
- dieses Hilfe-Fenster.

Das Hauptfenster ist so aufgeteilt:
- links die X-Achse mit Überschrift und Bemerkung,
- in der Mitte die Y-Achse, die Regression und die
  Darstellung des aktuellen Satzes,
- rechts die Tabelle mit den Daten des aktuellen Satzes und
  darunter die zwölf Knöpfe für die Berechnungen,
- unten die Satzwahl " < Set  - " und " + Set > " mit der
  Nummer des aktuellen Satzes und der Knopf "Graphic ...".

Alle Befehle wirken auf den aktuellen Satz, also auf den
Satz, dessen Nummer unten zwischen den beiden Satz-Knöpfen
steht.

Einstellungen wirken sofort, sobald sie eingetippt oder
angeklickt sind; es gibt dafür kein OK und kein Abbrechen.
Kleine Eingabefelder (zum Beispiel für eine Satznummer)
erscheinen im Hauptfenster selbst und verschwinden wieder
mit ihrem OK- oder Cancel-Knopf; das übrige Fenster bleibt
währenddessen bedienbar.

KURVIX speichert keine Einstellungen: alles, was bleiben
soll, steht in den Daten- und Bilddateien, die Sie speichern.

Der Menüpunkt "&Info" zeigt einen kleinen Hinweis zum
Programm; "Close Info" oder ein Klick darauf schließt ihn.

[] Installation

KURVIX wird als Ordner mit den Programmquellen geliefert.
Eine Installation im Sinne anderer Systeme gibt es nicht:
es werden keine Dateien in Systemordner kopiert und keine
Einträge angelegt.

Öffnen Sie ein Terminal in diesem Ordner und geben Sie ein:

    make run

Das holt die fehlenden Debian-Pakete nach (als root oder
über sudo), übersetzt das Programm und startet es. Später
genügt derselbe Befehl zum Starten; übersetzt wird dann nur,
was sich geändert hat.

    make test

richtet dasselbe ein und lässt danach alle Prüfungen des
Programms ohne Bildschirm laufen.

Das fertige Programm liegt im Unterordner build und heißt
kurvix. Es kann auch direkt aufgerufen werden, auf Wunsch mit
einer Datendatei, die dann wie mit File / "&Open" gelesen wird:

    build/kurvix MESSUNG.KWT

"build/kurvix --help" zeigt die Befehle für die Arbeit ohne
Fenster (Umwandeln von Datendateien, Speichern einer
Grafik als Bilddatei).

[] Entfernen des Programm

Um KURVIX zu entfernen, löschen Sie einfach seinen Ordner.

Das Programm legt außerhalb seines Ordners nichts an: keine
Einstellungsdatei, keinen Eintrag im System. Nur Ihre
Daten- und Bilddateien bleiben dort, wo Sie sie gespeichert
haben.

Die Debian-Pakete, die "make run" nachgeholt hat, werden auch
von anderen Programmen benutzt; sie können bleiben oder mit
der Paketverwaltung des Systems entfernt werden.

[] Freeware

KURVIX ist Freeware. Sie dürfen es kostenlos benutzen,
kopieren und unverändert weitergeben.

Das Programm wurde sorgfältig geprüft; trotzdem wird keine
Gewähr für die Richtigkeit der Ergebnisse übernommen.
Prüfen Sie wichtige Ergebnisse bitte an einem Beispiel
nach, dessen Lösung Sie kennen.

[] Öffnen einer Datei

File / "&Open" (Strg+O) öffnet eine Datendatei. Das
Dateifenster bietet KWT-Dateien, ASCII-Daten (*.ASC),
CSV-Dateien, Textdateien, Vexon-Dateien und alle Dateien an.

Welche Art von Datei gelesen wird, entscheidet allein ihr
Name:
- enthält er ".KWT", ist es eine KWT-Datei, das eigene
  Format von KURVIX mit allen Einstellungen;
- enthält er ".VXN", ist es eine Datei des Messprogramms
  Vexon;
- jeder andere Name gilt als einfache X/Y-Textdatei.
Groß- und Kleinschreibung spielen dabei keine Rolle.

Eine KWT-Datei ersetzt Überschrift, Bemerkung und X-Achse
und, von Satz 1 an, alle Sätze, die sie enthält. Sätze, die
in der Datei fehlen, behalten ihren Inhalt.

Eine Textdatei kommt in Satz 1. Die Überschrift wird der
Dateiname in Großbuchstaben, Bemerkung und X-Beschriftung
werden leer, der Y-Text wird "Y", und alle Achsenbereiche
werden 0 bis 0. Tragen Sie danach passende Bereiche für
die X- und Y-Achse ein, sonst kann nicht gezeichnet werden.

Eine Vexon-Datei kommt immer in Satz 1; die X-Achse heißt
danach "sec".

File / "Open 2nd file" liest eine weitere Datei in einen
Satz Ihrer Wahl, ohne die übrigen Sätze zu löschen. Im
Feld "Set # (2 - 9)" geben Sie die Nummer ein und drücken
"OK"; dann erscheint das Dateifenster. Aus einer KWT-Datei
kommt der erste Satz in den gewählten Satz, der zweite in
den nächsten und so weiter bis Satz 9; weitere Sätze der
Datei werden nicht gelesen. Überschrift, Bemerkung und
X-Achse übernimmt auch dieser Befehl aus der KWT-Datei.
Eine Textdatei kommt in den gewählten Satz.

Nach dem Lesen sind alle Sätze nach X sortiert, die Datei
gilt als gespeichert, und der aktuelle Satz wird neu
angezeigt. Der Dateiname erscheint auf der Grafik; für
das Speichern der Grafik wird ein Name mit der Endung
".BMP" vorgeschlagen.

Steht in einer Datei eine Zahl, die nicht gelesen werden
kann, meldet das Programm "Ungültige numerische Eingabe"
mit Datei und Zeile. Was bis dahin gelesen wurde, bleibt
in den Sätzen stehen.

[] Datenformate

KWT-Dateien sind Textdateien mit einem Eintrag je Zeile:

  Zeile 1   Überschrift (höchstens 80 Zeichen)
  Zeile 2   Bemerkung (höchstens 80 Zeichen)
  Zeile 3   Beschriftung der X-Achse (höchstens 30 Zeichen)
  Zeile 4   Anfang der X-Achse
  Zeile 5   Ende der X-Achse

Danach folgt für jeden Satz, von Satz 1 an, ein Block:

  Beschriftung der Y-Achse des Satzes
  Anfang der Y-Achse
  Ende der Y-Achse
  Satz-Kennzahl
  für jeden Punkt eine Zeile X und eine Zeile Y

Die Satz-Kennzahl setzt sich so zusammen:
  Anzahl der Punkte + Symbolnummer / 100
                    + Darstellungsschalter / 10000
Beispiel: 25.0103 bedeutet 25 Punkte, Symbol 1 und die
Schalter 3 (1 = Symbole, 2 = Punkte verbinden, 4 = Kurve,
8 = Regressionsgerade; die Werte werden addiert). Ein leerer
Satz mit Symbol 7 steht als 0.0703 in der Datei.

Zahlen stehen mit Dezimalpunkt in der Datei, nie mit Komma.
Die Farbe der Sätze und die Schalter für Datum, Dateiname
und Gitter werden nicht gespeichert.

Einfache X/Y-Textdateien (ASCII, CSV, TXT ...) enthalten
ein Wertepaar je Zeile, X und Y getrennt durch Semikolon,
Leerzeichen oder Tabulator:

  1.5;2.25
  2.0 3.5
  2,5;4,75    (das Dezimalkomma ist hier erlaubt)

Steht nur eine Zahl in der Zeile, ist sie ein X-Wert; ihr
Y-Wert ist die nächste Zahl der Datei, auch wenn sie auf
der nächsten Zeile steht. So dürfen X und Y auch
abwechselnd in je einer Zeile stehen.

Zeilen, die nicht mit einer Ziffer oder einem Minuszeichen
beginnen, werden überlesen, zum Beispiel Spaltentitel.
Achtung: auch Zeilen, die mit "+" oder "." beginnen, gelten
als Text.

Ein X-Wert mit Doppelpunkten wird als Uhrzeit hh:mm:ss
gelesen und in Sekunden umgerechnet: 01:30:15 ergibt 5415.

Eine dritte Spalte wird an den Y-Wert angehängt (1;2;3
ergibt Y = 23); entfernen Sie weitere Spalten deshalb vor
dem Lesen.

Hat ein Satz 10000 Punkte erreicht, geht das Lesen im
nächsten Satz weiter.

Vexon-Dateien haben sieben Kopfzeilen, danach folgen die
Daten wie in einer Textdatei. Die Überschrift steht in der
ersten Kopfzeile nach dem letzten ">", die Beschriftung der
Y-Achse in der dritten Kopfzeile.

[] Speichern

File / "Save " (Strg+S) speichert alle Daten. Das Programm
fragt jedesmal nach dem Namen der Datei.

Die Art der Datei ergibt sich allein aus dem Namen:
- Ein Name mit ".KWT" ergibt eine KWT-Datei mit allen neun
  Sätzen und allen Einstellungen, die in diese Datei
  gehören (siehe Datenformate).
- Jeder andere Name ergibt eine ASCII-Datei: je Punkt eine
  Zeile "X;Y" mit neun Nachkommastellen, erst alle Punkte
  von Satz 1, dann die von Satz 2 und so weiter, ohne
  Trennung zwischen den Sätzen.
Die Auswahl im Feld "Dateityp" spielt keine Rolle, und es
wird keine Endung angehängt: tippen Sie ".KWT" mit ein.

Der Name wird in Großbuchstaben geschrieben; aus daten.kwt
wird DATEN.KWT.

Eine ASCII-Datei kennt keine Sätze: liest man sie wieder
ein, stehen alle Punkte in einem Satz. Zum Weiterarbeiten
mit KURVIX speichern Sie deshalb immer als KWT-Datei.

[] Daten ausdrucken

File / "&Print data" (Strg+P) druckt die Daten des
aktuellen Satzes auf dem Standarddrucker, ohne weitere
Frage.

Oben stehen Programmname, Datum, Uhrzeit und Dateiname,
dann Überschrift und Bemerkung, die Regressionsgerade mit
a, b, n und r und die Beschriftung der Achsen. Darunter
folgen alle Punkte, numeriert, in bis zu vier Spalten zu je
64 Zeilen, also 256 Punkte je Seite. Der Kopf steht nur auf
der ersten Seite.

Ist die letzte Seite bis zur 64. Zeile gefüllt, folgt noch
eine leere Seite.

[] Programmende

File / "Exit Program" (Strg+Q) oder das Schließen des
Hauptfensters beendet KURVIX.

Sind die Daten seit dem letzten Lesen oder Speichern
verändert worden, fragt das Programm zuerst:
"UNSAVED CHANGES - Close anyway?"
"Yes" beendet das Programm ohne zu speichern, "Cancel"
kehrt zum Programm zurück.

Als Änderung zählen: Tippen von Zahlen in die Tabelle,
"Copy set ", "Exchange", "Filter", "X <=>Y", "Derivative"
und "Integral".

Achtung: die übrigen Berechnungen ("X,Y+-*/...", "Slope",
"Smooth", "Insert set", "Add Curve", "Delete data") und
alle Einstellungen gelten nicht als Änderung. Speichern Sie
nach solchen Befehlen selbst, bevor Sie das Programm
beenden.

[] Options

Das Menü "&Options" hat zwei Punkte:

"Show &Symbols" zeigt im Grafikfenster die Tafel aller
Symbole mit ihren Nummern (siehe Symbole).

"Plot with &Grid " schaltet das Gitter der Grafik ein und
aus (siehe Gitter). Der Menüpunkt zeigt jeweils, was ein
Klick als Nächstes bewirkt.

[] Symbole

Jeder Satz kann seine Punkte mit einem Symbol markieren.
Es gibt 15 Symbole mit den Nummern 0 bis 14:

   0  Punkt (2 x 2 Bildpunkte)
   1  offenes Quadrat, klein
   2  gefülltes Quadrat, klein
   3  offene Raute
   4  gefüllte Raute
   5  gefülltes Quadrat, groß
   6  offenes Quadrat, groß
   7  offenes Dreieck
   8  gefülltes Dreieck
   9  offenes Achteck
  10  gefülltes Achteck
  11  offene Raute, groß
  12  gefüllte Raute, groß
  13  kleines Schrägkreuz
  14  kleines aufrechtes Kreuz

Offene Symbole sind innen weiß und verdecken, was unter
ihnen liegt.

Im Feld "Display" des Hauptfensters schaltet "Symbols  #"
die Symbole des aktuellen Satzes ein und aus. Die Knöpfe
"- <" und "> +" wählen die Symbolnummer; die Nummer steht
zwischen ihnen. Nach 14 kommt wieder 0, vor 0 kommt 12.

Am Anfang hat jeder Satz das Symbol mit seiner eigenen
Nummer: Satz 1 Symbol 1, Satz 2 Symbol 2 und so weiter.

Options / "Show &Symbols" zeigt alle Symbole mit ihren
Nummern im Grafikfenster. Die Daten bleiben dabei
unverändert; die nächste Grafik zeigt wieder die Sätze.

Die Farbe des Satzes wählt ein Klick auf das Feld "COLOR":
Schwarz, Rot, Blau, Grün, Violett, Hellgrün und wieder
Schwarz. In dieser Farbe erscheinen die Nummer des Satzes,
seine Y-Beschriftung und seine Zeichnung. Violett wird in
der Grafik als helles Purpur gezeichnet.

Die Sätze 7, 8 und 9 haben anfangs keine eigene Farbe: sie
werden in der Farbe gezeichnet, die gerade eingestellt ist.
Ein Klick auf "COLOR" gibt auch ihnen eine Farbe.

[] Gitter (Grid)

Options / "Plot with &Grid " zeichnet die Grafik mit
Gitterlinien: je neun senkrechte und waagrechte punktierte
Linien an den inneren Teilstrichen der Achsen.

Der Menüpunkt heißt danach "No &Grid"; ein weiterer Klick
schaltet das Gitter wieder aus.

Das Gitter wird mit der Linienbreite und Farbe des
Grafikfensters gezeichnet (siehe Linien). Ab einer Breite
von 2 Bildpunkten sind die Gitterlinien durchgezogen.

[] Hilfe

"&Help" im Hauptfenster öffnet dieses Fenster. Es zeigt
zuerst die Liste der Kapitel.

Ein Klick auf ein Kapitel zeigt den ganzen Hilfe-Text, an
der Stelle dieses Kapitels, mit markiertem Titel. Von dort
können Sie im Text weiter vor- und zurückblättern.

"Hilfe-Themen" führt zurück zur Liste der Kapitel.
"Hilfe schließen" schließt das Fenster.

Jedesmal, wenn Sie aus einem anderen Fenster von KURVIX in
dieses Fenster wechseln, erscheint wieder die Liste der
Kapitel.

Das Hilfe-Fenster darf offen bleiben, während Sie im
Hauptfenster oder im Grafikfenster arbeiten.

[] X-Achse

Die linke Spalte des Hauptfensters ("X Axis ") gilt für die
ganze Grafik und für alle Sätze gemeinsam:

- das oberste Feld: Beschriftung der X-Achse (höchstens
  30 Zeichen),
- "from" und "to": Anfang und Ende der X-Achse,
- "Heading": Überschrift über der Grafik (höchstens 80
  Zeichen),
- "Comment": Bemerkung unter der Grafik (höchstens 80
  Zeichen),
- "Show  Date and Time": Datum und Uhrzeit oben rechts in
  der Grafik,
- "Show Filename": Name der Datendatei unten rechts.
Längere Texte werden abgeschnitten.

Neben "from" und "to" stehen der kleinste und der größte
X-Wert des aktuellen Satzes (min. value, max. value); sie
helfen beim Wählen des Bereichs.

Zahlen werden mit Dezimalpunkt eingegeben, nicht mit Komma.

Die Achse wird immer in zehn gleiche Teile geteilt; jeder
zweite Teilstrich trägt eine Zahl, zusammen sechs Zahlen.
Die Anzahl der Nachkommastellen richtet sich nach der
Breite des Bereichs. Wählen Sie deshalb runde Bereiche,
zum Beispiel 0 bis 10 oder 0 bis 0.5.

Ist der Anfang größer als das Ende, läuft die Achse von
rechts nach links. Punkte außerhalb des Bereichs werden
nicht gezeichnet.

Anfang und Ende dürfen nicht gleich sein, sonst endet die
Grafik mit einer Fehlermeldung (siehe Fehler).

Die Felder zeigen die Achsenenden mit so vielen Stellen,
wie die Breite des Bereichs verlangt, und übernehmen sie
so gerundet.

Beschriftung, Überschrift und Zahlen der X-Achse erscheinen
nur, wenn Satz 1 Punkte enthält.

[] Y-Achse

Die mittlere Spalte ("Y Axis (Set # ...)") gehört zum
aktuellen Satz. Jeder Satz hat seine eigene Y-Achse:

- das oberste Feld: Beschriftung der Y-Achse (höchstens
  30 Zeichen), in der Farbe des Satzes,
- "from" und "to": Anfang und Ende der Y-Achse,
- daneben der kleinste und der größte Y-Wert des Satzes.

Jeder Satz wird mit seinem eigenen Bereich über die ganze
Höhe der Zeichenfläche gezeichnet. Beschriftet werden nur
die Achsen von Satz 1 (links) und Satz 2 (rechts), jeweils
in der Farbe des Satzes. Die Sätze 3 bis 9 werden ohne
beschriftete Achse gezeichnet; geben Sie ihnen denselben
Bereich wie Satz 1 oder 2, wenn sie zu dessen Achse passen
sollen.

Das Feld "Display" legt fest, wie der Satz gezeichnet wird:
- "Symbols  #": ein Symbol an jedem Punkt (siehe Symbole),
- "Connect points": gerade Linien von Punkt zu Punkt,
- "Draw curve": eine glatte Kurve durch die Punkte,
- "Draw regression line": die punktierte Ausgleichsgerade.
Punkte mit fast gleichem X werden beim Verbinden zu einem
Punkt mit dem mittleren Y zusammengefasst und durch eine
senkrechte Linie verbunden.

Die Kurve braucht mindestens vier Punkte mit verschiedenem
X. Sie verläuft nahe an den Punkten, nicht genau durch sie.

Die Schalter "Connect points", "Draw curve" und "Draw
regression line" werden übernommen, wenn Sie den Satz
wechseln oder "Graphic ..." drücken.

Für die Zahlen, Bereiche und Nachkommastellen gilt dasselbe
wie bei der X-Achse.

[] Lineare Regression 

Das Feld "Regression analysis" zeigt für den aktuellen Satz
die Ausgleichsgerade

   Y = a X + b

nach der Methode der kleinsten Quadrate:
- a ist die Steigung, b der Achsenabschnitt,
- n ist die Anzahl der Punkte,
- r ist der Korrelationskoeffizient ("Correlation
  coefficient "). Er hat das Vorzeichen der Steigung und
  wird mit einer Stelle mehr gezeigt als a und b.

Die Werte werden nach jeder Änderung des Satzes neu
berechnet.

Für zwei oder mehr Punkte, die nicht alle dasselbe X und
nicht alle dasselbe Y haben, gibt es eine Gerade. Sonst
bleiben die Werte der zuletzt berechneten Geraden stehen,
auch wenn diese zu einem anderen Satz gehört. Achten Sie
deshalb auf n. Ein leerer Satz zeigt keine Werte.

Mit "Draw regression line" zeichnet die Grafik die Gerade
punktiert über die ganze Breite der X-Achse. Sie wird dort
abgeschnitten, wo sie den Y-Bereich des Satzes verlässt.
Gezeichnet wird sie nur, wenn alle Punkte des Satzes
innerhalb der Achsenbereiche liegen.

[] Formeln

Für die n Punkte (Xi, Yi) eines Satzes rechnet das
Programm:

  Mittelwerte:  mx = Summe(Xi) / n
                my = Summe(Yi) / n

  Varianzen:    vx = Summe(Xi*Xi) / n - mx*mx
                vy = Summe(Yi*Yi) / n - my*my

  Steigung:     a = (Summe(Xi*Yi) / n - mx*my) / vx

  Abschnitt:    b = my - a * mx

  Korrelation:  r = a * Wurzel(vx) / Wurzel(vy)

Alle Summen laufen über i = 1 bis n; geteilt wird stets
durch n. r liegt zwischen -1 und 1; je näher sein Betrag
an 1 liegt, desto besser passen die Punkte zur Geraden.

[] Beispiel für Regression:

Tippen Sie in einen leeren Satz diese fünf Punkte ein:

     X      Y
   20.4    9.2
   19.7    8.9
   21.8   11.4
   20.1    9.4
   20.7   10.3

Dann zeigt das Feld "Regression analysis":

   n = 5
   a = 1.229
   b = -15.41
   r = 0.96212

Die Gerade lautet also Y = 1.229 X - 15.41. Der Wert von r
nahe bei 1 zeigt, dass Y mit X fast linear steigt.

Zum Zeichnen wählen Sie zum Beispiel die X-Achse von 19
bis 22 und die Y-Achse von 8 bis 12, schalten "Draw
regression line" ein und drücken "Graphic ...".

[] Daten eintippen (Data)

Die Tabelle rechts ("Data (Set # ...)") zeigt die Punkte
des aktuellen Satzes, nach X sortiert. Die Spalte links
numeriert die Punkte; oben links steht ihre Anzahl in
eckigen Klammern.

Klicken Sie in eine Zelle und tippen Sie die Zahl. Die
Eingabetaste springt von X zu Y und dann zum X der
nächsten Zeile, so dass Sie Zahl für Zahl eintippen können:
1 Eingabe 2 Eingabe 3 Eingabe 4 ergibt die Punkte (1, 2)
und (3, 4).

Ein Dezimalkomma ist erlaubt (1,5 ergibt 1.5). Leerzeichen
vor der Zahl sind erlaubt, dahinter nicht. Eine Zeile, in
der X oder Y fehlt oder keine gültige Zahl ist, wird nicht
übernommen; die übrigen Zeilen gelten trotzdem. Unter den
Daten stehen immer 19 leere Zeilen für neue Punkte.

Die Tabelle zeigt die Werte gerundet: mit vier
Nachkommastellen unter 1, drei unter 10, zwei unter 100,
einer unter 1000, darüber ohne. Sobald Sie in der Tabelle
eine Taste drücken, übernimmt das Programm alle Zeilen so,
wie sie dort stehen, also gerundet.

Die Knöpfe " < Set  - " und " + Set > " wählen den vorigen
oder nächsten Satz; nach Satz 9 und vor Satz 1 geht es
nicht weiter. Beim Wechsel werden die Punkte sortiert.

[] Satz kopieren (Copy set)

"Copy set " kopiert den aktuellen Satz in einen leeren
Satz. Das Eingabefeld schlägt den ersten leeren Satz vor;
Sie können eine andere Nummer eintippen. "OK" oder die
Eingabetaste kopiert.

Kopiert werden Punkte, Y-Beschriftung, Y-Bereich und
Darstellungsschalter. Symbol und Farbe behält der Zielsatz.
Der aktuelle Satz bleibt derselbe.

Enthält der Zielsatz schon Punkte, geschieht nichts. Sind
alle neun Sätze belegt, steht im Feld "No free set found!".

[] Satz einfügen (Insert set)

"Insert set" hängt die Punkte eines anderen Satzes an den
aktuellen Satz an. Tippen Sie die Nummer des anderen
Satzes ein und drücken Sie "OK".

Danach wird der aktuelle Satz nach X sortiert. Beschriftung,
Bereich und Schalter des aktuellen Satzes bleiben; der
andere Satz bleibt unverändert. Die eigene Nummer
verdoppelt jeden Punkt.

Zusammen dürfen es höchstens 10000 Punkte sein; sonst wird
nichts eingefügt, und eine Meldung erscheint.

[] Sätze vertauschen (Exchange)

"Exchange" vertauscht den aktuellen Satz mit dem Satz,
dessen Nummer Sie eingeben. Punkte, Beschriftung, Bereich
und Schalter wechseln den Platz; Symbol und Farbe bleiben
bei der Satznummer.

Danach ist der eingegebene Satz der aktuelle. Die Tabelle
zeigt also dieselben Punkte wie vorher, jetzt unter der
neuen Nummer.

[] Berechnungen (X,Y+-*/...)

"X,Y+-*/..." rechnet alle X-Werte oder alle Y-Werte des
aktuellen Satzes auf einmal um. Tippen Sie in das Feld
"X/Y + - * / L ^ R" eine kurze Formel und drücken Sie "OK"
oder die Eingabetaste:

   X+2      zu jedem X 2 addieren
   Y-1.5    von jedem Y 1.5 abziehen
   Y*2      jedes Y verdoppeln
   Y*-1     das Vorzeichen jedes Y umkehren
   X/1000   jedes X durch 1000 teilen
   YL       Logarithmus zur Basis 10 von jedem Y
   X^       10 hoch X für jedes X
   YR       Kehrwert 1/Y von jedem Y

Die Formel muss genau einen der Buchstaben X oder Y
enthalten; klein geschriebene Buchstaben gelten auch. Ein
Dezimalkomma ist erlaubt (Y-1,5).

Die Zahl wird aus allen Ziffern, Minuszeichen und Punkten
der Formel gebildet. Schreiben Sie deshalb keine
Exponenten: X*1E3 rechnet mit 13, nicht mit 1000.

Nicht ausgeführt werden, und der Satz bleibt dann
unverändert:
- eine Division durch 0,
- der Logarithmus, wenn ein Wert 0 oder negativ ist;
  dann erscheint die Frage "Do you really think this
  program will calculate logarithms of numbers <= 0?",
- 10 hoch einem Wert über 1000 oder gleich 0,
- der Kehrwert von 0.
Ein Ergebnis, das zu groß für eine Zahl wird, meldet
"Gleitkommaüberlauf".

Eine Formel mit S ändert die Steigung (siehe Steigung
ändern).

[] X und Y eines Satzes vertauschen (X <=> Y)

"X <=>Y" vertauscht in jedem Punkt des aktuellen Satzes
den X- und den Y-Wert und sortiert den Satz danach neu
nach X.

Die Beschriftungen und Bereiche der Achsen werden nicht
vertauscht; passen Sie sie selbst an.

[] Kurve Addieren (Add Curve)

"Add Curve" addiert zu jedem Y des aktuellen Satzes das Y
eines anderen Satzes, Punkt für Punkt: der erste Punkt zum
ersten, der zweite zum zweiten und so weiter. Tippen Sie
die Nummer des anderen Satzes ein und drücken Sie "OK".

Beide Sätze müssen gleich viele Punkte haben, sonst
geschieht nichts. Die X-Werte werden nicht verglichen und
nicht verändert.

Um eine Kurve abzuziehen, multiplizieren Sie zuerst die Y
des anderen Satzes mit -1 (Formel Y*-1), addieren dann und
stellen das Vorzeichen wieder her.

[] Ableitung (Derivative)

"Derivative" berechnet die Ableitung des aktuellen Satzes
und schreibt sie in den nächsten Satz. Dieser muss leer
sein, und der aktuelle Satz braucht mindestens drei Punkte;
von Satz 9 aus geht es nicht.

Für je zwei benachbarte Punkte entsteht ein Punkt:
   X = Mitte der beiden X-Werte,
   Y = (Y2 - Y1) / (X2 - X1).
Das Ergebnis hat einen Punkt weniger. Seine Y-Beschriftung
wird "Derivative from set # " mit der Nummer des Satzes.

Der aktuelle Satz wird nicht verändert und bleibt
angezeigt; mit " + Set > " sehen Sie das Ergebnis. Geben
Sie dem neuen Satz einen passenden Y-Bereich.

[] Integral 

"Integral" berechnet das laufende Integral des aktuellen
Satzes nach der Trapezregel und schreibt es in den nächsten
Satz. Dieser muss leer sein, und der aktuelle Satz braucht
mindestens zwei Punkte; von Satz 9 aus geht es nicht.

Das Ergebnis beginnt beim zweiten Punkt: sein erster Wert
ist die Fläche zwischen dem ersten und dem zweiten Punkt,
jeder weitere Wert die Fläche bis zu seinem X. Das
Ergebnis hat einen Punkt weniger. Seine Y-Beschriftung
wird "INTEGRAL from set # " mit der Nummer des Satzes.

Wie bei der Ableitung bleibt der aktuelle Satz angezeigt.

[] Steigung ändern (Slope)

"Slope" kippt den aktuellen Satz um seinen ersten Punkt,
zum Beispiel um eine gleichmäßige Drift zu entfernen.

Das Eingabefeld zeigt oben die Steigung a der
Ausgleichsgeraden und enthält schon den Buchstaben S.
Ergänzen Sie die Änderung der Steigung, zum Beispiel
S-0.02 oder S 0,5, und drücken Sie "OK".

Die Zahl ist eine Änderung, keine neue Steigung: zu jedem
Y wird Zahl * (X - X1) addiert, wobei X1 das kleinste X ist.
Um eine Drift zu entfernen, geben Sie also die gezeigte
Steigung mit umgekehrtem Vorzeichen ein; danach ist die
Steigung 0.

Unten im Hauptfenster erscheint eine Zahl: 0, wenn die
Eingabe gelesen wurde, sonst die Stelle des ersten
Zeichens, das keine Zahl ist. Dann bleibt der Satz
unverändert.

[] Glättung (Smooth)

"Smooth" glättet die Y-Werte des aktuellen Satzes: jeder
Wert wird zur Hälfte durch den Wert ersetzt, den die Gerade
durch seine beiden Nachbarn an seinem X hat. Bei gleichen
X-Abständen heißt das

   Y neu = Y / 2 + (Y links + Y rechts) / 4.

Der erste und der letzte Punkt bleiben, ebenso Punkte,
deren Nachbarn dasselbe X haben. Der Satz braucht
mindestens drei Punkte. Danach erscheint die Grafik.

Mehrmaliges Drücken glättet stärker. Die alten Werte
werden nicht aufbewahrt: kopieren Sie den Satz vorher,
wenn Sie ihn noch brauchen (siehe Satz kopieren).

[] Filter

"Filter" ersetzt einzelne Ausreißer (Spitzen nach oben
oder unten) durch den Mittelwert ihrer beiden Nachbarn und
lässt die übrigen Punkte unverändert.

Im Feld "Window" steht die Breite des Fensters, anfangs 4.
Das Programm geht Fenster für Fenster durch den Satz und
ersetzt in jedem Fenster den einen Punkt, der am weitesten
vom Mittel seiner Nachbarn abweicht. Ein kleines Fenster
filtert stärker, ein großes schwächer.

Der erste und der letzte Punkt bleiben immer unverändert.
Hat der Satz zu wenige Punkte für das Fenster, erscheint im
Feld "No data to filter", und nichts wird verändert.

[] Datenpunkte entfernen (Delete data)

"Delete data" öffnet das Feld "Remove data points" mit zwei
Möglichkeiten:

- Bereich: tragen Sie bei "from" und "to" die Nummern des
  ersten und des letzten Punktes ein, die entfernt werden
  sollen, und wählen Sie den oberen Knopf. Von 3 bis 5
  entfernt die Punkte 3, 4 und 5. Liegt "to" hinter dem
  letzten Punkt, wird bis zum letzten entfernt.

- Ausdünnen: "Reduce points by factor of" behält nur jeden
  so vielten Punkt, vom ersten an. Der Faktor 2 behält die
  Punkte 1, 3, 5 ..., der Faktor 3 die Punkte 1, 4, 7 ...

"OK" führt aus, "Cancel" schließt das Feld ohne Änderung.
Die entfernten Punkte sind verloren.

[] Graphic

"Graphic ..." öffnet das Grafikfenster. Es zeichnet alle
Sätze, die Punkte enthalten, auf eine Fläche von 480 x 480
Bildpunkten:
- den Rahmen mit Teilstrichen an allen vier Seiten und,
  wenn eingeschaltet, das Gitter,
- Überschrift, Datum und Uhrzeit, X-Achse, Bemerkung und
  Dateiname, wenn Satz 1 Punkte enthält,
- die Y-Achse von Satz 1 links und von Satz 2 rechts, mit
  zwei Mustern ihres Symbols neben der Beschriftung,
- jeden Satz mit Linien, Kurve, Regressionsgerade und
  Symbolen, wie im Feld "Display" eingestellt.
Die Sätze werden der Reihe nach gezeichnet, Satz 1 zuerst;
ein späterer Satz liegt über einem früheren.

Neu gezeichnet wird jedesmal, wenn Sie aus einem anderen
Fenster von KURVIX in das Grafikfenster wechseln, und mit
dem Knopf "Plot". Dabei entsteht eine neue, leere Fläche:
was Sie mit den Zeichenwerkzeugen hinzugefügt haben, geht
verloren, wenn Sie es nicht vorher im Speicher (siehe
Memo) oder in einer Bilddatei (siehe Grafik-Formate)
aufbewahrt haben. Enthält kein Satz Punkte, bleibt das
Bild unverändert.

Das Grafikfenster ist zugleich ein kleines Zeichenprogramm.
Rechts stehen die Werkzeuge (von oben nach unten):
"Select", das Feld "Position", "Text", "~", "/", das
Rechteck, "(_)", "O", "Plot", "Clear" und "Memo". Die Menüs
"&File", "&Edit", "&Font", "&Horiz. Writ.", "&Line",
"&Color" und "- Fill." stellen Dateien, Zwischenablage,
Schrift, Schreibrichtung, Linien, Farbe und Füllen ein.
Jedes hat unten ein eigenes Kapitel.

Gezeichnet wird mit gedrückter Maustaste; jede Maustaste
zeichnet gleich.

[] Ausdruck der Grafik

File / "Print Image " (Strg+P) im Grafikfenster druckt das
Bild. Im Druckfenster wählen Sie den Drucker.

Das Bild wird Bildpunkt für Bildpunkt gedruckt; jeder
Bildpunkt wird zu 3 x 3 Druckerpunkten. Das Bild beginnt
600 Druckerpunkte vom linken und 400 vom oberen Rand und
wird nicht an die Seite angepasst: auf einem Drucker mit
600 Punkten je Zoll wird ein Bild von 480 Punkten 2,4 Zoll
breit.

Das Drucken dauert eine Weile; solange steht "Printing.....
(may take time)" über dem Bild.

[] Grafik-Formate

Das Menü "&File" des Grafikfensters liest und schreibt das
Bild als Bitmap-Datei (BMP) oder als JPEG-Datei:

- "&Open Image" (Strg+O) liest ein Bild. Ein Bitmap behält
  seine Größe; ein JPEG-Bild bekommt eine neue Fläche in
  seiner Größe.
- "&Save Image" (Strg+S) schreibt das Bild unter dem Namen,
  unter dem es zuletzt gelesen oder gespeichert wurde, ohne
  zu fragen. Gibt es noch keinen Namen, fragt es danach.
- "Save as ..." fragt immer nach dem Namen.

Auch hier entscheidet der Name: enthält er ".BMP", ist es
ein Bitmap, sonst ein JPEG-Bild (Qualität 90). Ein Name
ohne Endung bekommt ".bmp". Der Name wird in Großbuchstaben
gespeichert.

Nach dem Lesen einer Datendatei schlägt das Dateifenster
den Namen der Datendatei mit der Endung ".BMP" vor, und
"&Save Image" fragt wieder nach dem Namen.

Beachten Sie: wechseln Sie nach dem Öffnen eines Bildes in
ein anderes Fenster und zurück, ersetzt die neue Grafik
das Bild, sobald ein Satz Punkte enthält.

[] Exit

File / "E&xit  Graphics" (Strg+Q) schließt das
Grafikfenster. Es wird nur verborgen: Werkzeuge,
Einstellungen und Speicher bleiben erhalten, und "Graphic
..." im Hauptfenster zeigt es wieder.

[] Edit

Das Menü "&Edit" des Grafikfensters arbeitet mit dem
ganzen Bild und der Zwischenablage des Systems, so dass
Bilder mit anderen Programmen ausgetauscht werden können:

- "Cu&t Image" (Strg+X) legt das Bild in die Zwischenablage
  und macht es weiß. Bis zum nächsten Werkzeug-Knopf
  zeichnet das Ziehen mit der Maus dann ein punktiertes
  Rechteck.
- "Copy Image" (Strg+C) legt das Bild in die Zwischenablage.
- "Insert at top left" (Strg+V) setzt das Bild aus der
  Zwischenablage in die linke obere Ecke, in seiner eigenen
  Größe; was über den Rand hinausragt, fällt weg.

Teile des Bildes kopieren Sie mit "Select" (siehe Flächen
auswählen).

[] Schrift auswählen (Font)

"&Font" öffnet das Schriftfenster. Die gewählte Schrift mit
Größe, Stil und Farbe gilt für das Text-Werkzeug (siehe
Text) und wird auch im Textfeld gezeigt. Der Text wird
danach waagrecht geschrieben.

Nach jeder Grafik schreibt das Text-Werkzeug wieder in
Schwarz. Die Achsen der Grafik werden immer in einer
kleinen Arial-Schrift beschriftet.

[] Schreibrichtung horizontal oder vertikal

Der Menüpunkt "&Horiz. Writ." schaltet die Schreibrichtung
des Text-Werkzeugs um. Er nennt die Richtung, die gerade
gilt:
- "&Horiz. Writ.": der Text läuft waagrecht nach rechts,
- "&Vert. Writ.": der Text läuft vom Klickpunkt senkrecht
  nach oben, wie die Beschriftung der Y-Achse.

Nach jeder Grafik mit einer Y-Achse wird wieder waagrecht
geschrieben.

[] Linien

"&Line" (Strg+H) öffnet das Feld "Line ":
- "Width": Linienbreite in Bildpunkten; " - " macht sie
  schmaler (nicht unter 1), "+" breiter. Sie können die
  Zahl auch eintippen.
- "Solid", "Dotted", "Dashed": durchgezogen, punktiert,
  gestrichelt.
"OK" oder ein Klick auf das Feld übernimmt die Einstellung
und schließt es.

Die Breite bleibt, bis Sie sie ändern; sie gilt auch für
Rahmen und Gitter der Grafik. Die Linienart dagegen setzt
jeder Werkzeug-Knopf wieder auf durchgezogen. Wählen Sie
deshalb zuerst das Werkzeug und danach die Linienart.

Punktierte und gestrichelte Linien gibt es nur mit der
Breite 1; breitere Linien sind immer durchgezogen.

Steht im Feld "Width" keine ganze Zahl, meldet jeder
Werkzeug-Knopf und jede Grafik "'...' ist kein gültiger
Integerwert", bis die Zahl berichtigt ist.

[] Farben (Color)

"&Color" öffnet das Farbfenster. Die gewählte Farbe gilt
für Linien, Figuren, Freihand-Zeichnen und Text. Sie bleibt
erhalten: jeder Werkzeug-Knopf gibt sie dem Zeichenstift
zurück, auch nach einer neuen Grafik.

Auch Rahmen, Teilstriche und Gitter der Grafik werden in
dieser Farbe gezeichnet. Die Sätze haben ihre eigenen
Farben (siehe Symbole).

[] Füllen von Rechtecken und Kreisen

Der Menüpunkt "- Fill." schaltet das Füllen ein; er heißt
dann "Fill". Ein weiterer Klick schaltet es wieder aus.

Mit Füllen werden Rechtecke, abgerundete Rechtecke,
Ellipsen und Kreise innen weiß gefüllt und verdecken, was
darunter liegt; der Umriss hat die Farbe des Stifts.

Ohne Füllen bleibt das Innere unverändert, nur der Umriss
wird gezeichnet. Auf weißem Grund hat er die Farbe des
Stifts; wo er andere Linien kreuzt, erscheinen deren Farben
umgekehrt.

[] Flächen auswählen (Select)

"Select" schaltet das Auswählen ein. Ziehen Sie mit
gedrückter Maustaste einen punktierten Rahmen um die
gewünschte Fläche. Beim Loslassen erscheint das Feld
"Selected Area":

- "Copy": die Fläche in die Zwischenablage,
- "Insert": das Bild aus der Zwischenablage mit seiner
  linken oberen Ecke an den Anfangspunkt des Rahmens
  (Xo/Yo), das Feld bleibt offen,
- "Cut size": das ganze Bild wird auf die Fläche
  zugeschnitten,
- "Wipe": die Fläche wird weiß,
- "Cancel": der Rahmen verschwindet, das Bild bleibt.

Solange "Select" eingeschaltet ist, macht jedes Ziehen eine
neue Auswahl. Ein zweiter Klick auf "Select" schaltet auf
das Text-Werkzeug um; auch jeder andere Werkzeug-Knopf
außer dem Rechteck schaltet das Auswählen aus.

Ziehen Sie den Rahmen von links oben nach rechts unten.

[] Position

Das Feld "Position" zeigt die Lage des Mauszeigers in
Bildpunkten, von der linken oberen Ecke des Bildes aus:
- "X" und "Y": die Stelle, an der der Zeiger gerade ist,
- "Xo" und "Yo": die Stelle des letzten Mausklicks, also
  der Anfang der Figur, die gerade gezeichnet wird.

So lassen sich Figuren und Texte genau setzen. Links neben
oder über dem Bild erscheinen negative Zahlen.

[] Text

"Text" wählt das Text-Werkzeug. Unter dem Feld "Position"
erscheint ein Textfeld: tippen Sie dort den Text ein.

Jeder Klick in das Bild schreibt diesen Text mit seiner
linken oberen Ecke an die Klickstelle. Das Werkzeug bleibt
eingeschaltet, jeder weitere Klick schreibt den Text noch
einmal.

Der Text wird auf weißem Grund geschrieben und verdeckt,
was darunter war. Ein Text aus Leerzeichen löscht deshalb
einen Text, über den er geschrieben wird.

Schrift, Farbe und Schreibrichtung: siehe Schrift auswählen,
Farben und Schreibrichtung.

[] Löschen 

Zum Löschen gibt es mehrere Wege:
- "Clear" macht das ganze Bild weiß (siehe Grafik löschen),
- "Select" und "Wipe" machen eine ausgewählte Fläche weiß,
- ein Text aus Leerzeichen löscht geschriebenen Text,
- "Cu&t Image" im Menü "&Edit" legt das Bild in die
  Zwischenablage und macht es weiß,
- "Memo" und "Restore " holen ein aufbewahrtes Bild zurück
  und löschen damit alles, was seither gezeichnet wurde.

Einen einzelnen Strich rückgängig zu machen, ist nicht
möglich. Heben Sie das Bild deshalb vor größeren
Änderungen mit "Memo" und "Keep" auf.

[] Freihand-Zeichnen ('~')

"~" wählt das Freihand-Werkzeug. Solange Sie die Maustaste
gedrückt halten, folgt eine Linie dem Mauszeiger, in der
eingestellten Breite und Farbe.

Jeder neue Druck auf die Maustaste beginnt eine neue Linie
an der Stelle des Zeigers; sie wird nicht mit der vorigen
verbunden.

[] Gerade Linien

"/" wählt das Linien-Werkzeug; es ist beim Programmstart
eingestellt. Drücken Sie die Maustaste am Anfang der Linie
und ziehen Sie zum Ende. Während des Ziehens folgt die
Linie dem Zeiger, ohne das Bild darunter zu verändern;
beim Loslassen bleibt sie stehen.

Breite, Art und Farbe der Linie: siehe Linien und Farben.

[] Rechtecke, abgerundete Rechtecke, Ellipsen, Kreise

Die Knöpfe unter "/" zeichnen geschlossene Figuren:

[]   Rechteck
([]) Rechteck mit abgerundeten Ecken
 O  Ellipse oder Kreis

Ziehen Sie mit gedrückter Maustaste von einer Ecke der
Figur zur gegenüberliegenden. Die Figur folgt dem Zeiger;
beim Loslassen bleibt sie stehen.

Eine Ellipse füllt das gezogene Rechteck aus; ist es ein
Quadrat, wird sie ein Kreis. Die runden Ecken des
abgerundeten Rechtecks sind Viertel einer Ellipse, die halb
so breit und halb so hoch ist wie die ganze Figur.

Ob die Figuren innen weiß gefüllt werden, bestimmt
"- Fill." (siehe Füllen von Rechtecken und Kreisen).

[] Plot

"Plot" zeichnet die Grafik neu aus den aktuellen Daten, auf
einer neuen, leeren Fläche von 480 x 480 Bildpunkten.
Dasselbe geschieht jedesmal, wenn Sie aus einem anderen
Fenster von KURVIX in das Grafikfenster wechseln.

Enthält kein Satz Punkte, bleibt das Bild, wie es ist.

Zeichnungen, Texte und geladene Bilder gehen beim
Neuzeichnen verloren, wenn sie nicht mit "Memo" und "Keep"
oder in einer Bilddatei aufbewahrt sind. Ändern Sie
deshalb zuerst die Daten und Einstellungen und zeichnen Sie
erst danach in die Grafik.

[] Grafik löschen ('Clear')

"Clear" macht das ganze Bild weiß. Die Größe des Bildes
bleibt; der Speicher (siehe Memo) und die Zwischenablage
bleiben unverändert.

"Plot" oder der nächste Wechsel in das Grafikfenster
zeichnet die Grafik wieder, wenn Sätze Punkte enthalten.

[] Memo 

"Memo" öffnet das Feld "Memory". Es kann ein Bild
aufbewahren:
- "Keep": das Bild, wie es gerade ist, kommt in den
  Speicher; ein früher aufbewahrtes Bild wird ersetzt.
- "Restore ": das aufbewahrte Bild ersetzt das gezeigte;
  das geht beliebig oft.
- "Cancel": das Feld schließt sich.

Der Speicher ersetzt das Rückgängigmachen: heben Sie das
Bild vor jeder größeren Änderung auf. Er bleibt auch bei
"Clear" und "Plot" erhalten, geht aber beim Beenden des
Programms verloren. Was bleiben soll, speichern Sie als
Bilddatei.

[] Fehler

Die meisten unbrauchbaren Eingaben übergeht KURVIX ohne
Meldung: der Befehl geschieht dann einfach nicht. Schlägt
ein Befehl fehl, zeigt ein Meldungsfenster den Grund; der
Befehl bricht an dieser Stelle ab, und das Programm läuft
weiter. Die Meldungen bedeuten:

"'...' ist kein gültiger Integerwert"
   An dieser Stelle wird eine ganze Zahl erwartet: eine
   Satznummer, eine Fensterbreite, ein Faktor oder die
   Linienbreite im Feld "Width".

"Ungültige Gleitkommaoperation"
"Gleitkommadivision durch Null"
   Eine Rechnung ist nicht möglich, meist weil Anfang und
   Ende einer Achse gleich sind (zum Beispiel 0 bis 0 nach
   dem Lesen einer Textdatei). Tragen Sie einen Bereich ein.

"Gleitkommaüberlauf"
   Das Ergebnis einer Berechnung ist zu groß für eine Zahl;
   der Satz bleibt unverändert.

"Ungültige numerische Eingabe"
   In einer Datei steht eine Zahl, die nicht gelesen werden
   kann, etwa mit Dezimalkomma in einer KWT-Datei. Die
   Meldung nennt Datei und Zeile. Was bis dahin gelesen
   wurde, bleibt in den Sätzen stehen.

"Datei kann nicht geöffnet werden: ..."
"Datei kann nicht erstellt werden: ..."
"Fehler beim Schreiben der Datei: ..."
   Die Datei fehlt, der Zugriff ist verboten oder der
   Datenträger ist voll; der Grund steht in der Meldung.

"Set ... of file ... (line ...) claims ... points;
 a set holds at most 10000"
   Die Satz-Kennzahl einer KWT-Datei verspricht mehr
   Punkte, als ein Satz fassen kann.

"File ... is larger than 256 MB; it cannot be a data file."
   Die gewählte Datei ist keine Datendatei.

"The set number must be 1 to 9; no file was read."
   Bei "Open 2nd file" wurde eine Satznummer außerhalb von
   1 bis 9 eingegeben.

"Set ... (... points) and set ... (... points) together
 hold more than the 10000 points of a set; nothing was
 inserted."
   "Insert set" ergäbe mehr Punkte, als ein Satz fasst.

"The factor must be a whole number of at least 1;
 no point was removed."
   Bei "Delete data" ist der Faktor kleiner als 1.

"Do you really think this program will calculate
 logarithms of numbers <= 0?"
   Der Logarithmus wurde für einen Satz mit Werten kleiner
   oder gleich 0 verlangt; der Satz bleibt unverändert.

"UNSAVED CHANGES - Close anyway?"
   Die Daten wurden seit dem letzten Speichern verändert
   (siehe Programmende).

"No free set found!" (im Eingabefeld)
   Bei "Copy set " sind alle neun Sätze belegt.

"No data to filter" (im Eingabefeld)
   Der Satz hat zu wenige Punkte für das Filterfenster.

"Bitmap ist ungültig"
"JPEG-Fehler #..."
   Die gewählte Bilddatei ist kein lesbares Bitmap- oder
   JPEG-Bild; das Bild bleibt unverändert.

[] Zum guten Schluss...

Ein paar Ratschläge zum Schluss:

- Speichern Sie Ihre Daten oft, und zwar als KWT-Datei:
  nur sie bewahrt alle Sätze mit ihren Einstellungen.
- Viele Befehle verändern den Satz ohne Rückfrage und ohne
  Rückgängigmachen. Kopieren Sie einen Satz vorher mit
  "Copy set ", wenn Sie das Original noch brauchen.
- KWT-Dateien sind Textdateien; Sie können sie mit jedem
  Texteditor ansehen und, mit etwas Sorgfalt, ändern.
- Stellen Sie die Achsenbereiche vor dem Zeichnen ein, und
  zeichnen Sie erst danach mit den Werkzeugen in die
  Grafik.

Viel Erfolg bei Ihren Messungen!)KURVIX";

} // namespace

const QString& helpText()
{
    static const QString text = QString::fromUtf8(kText);
    return text;
}
