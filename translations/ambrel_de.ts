<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccuracySlider</name>
    <message>
        <source>Full precision</source>
        <translation>Volle Genauigkeit</translation>
    </message>
</context>
<context>
    <name>Ambrel</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>Drucken ist nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>FirstRunWindow</name>
    <message>
        <source>License and warranty</source>
        <translation>Lizenz und Gewährleistung</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Ambrel&lt;/h2&gt;&lt;p&gt;Every unit of a quantity at once. Please read the license and warranty below.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ambrel&lt;/h2&gt;&lt;p&gt;Alle Einheiten einer Größe auf einen Blick. Bitte lesen Sie unten die Lizenz und die Gewährleistungsbedingungen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Ambrel is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.&lt;/p&gt;
&lt;p&gt;Ambrel is distributed in the hope that it will be useful, but &lt;b&gt;without any warranty&lt;/b&gt;; without even the implied warranty of merchantability or fitness for a particular purpose. See the GNU General Public License for more details.&lt;/p&gt;
&lt;p&gt;You should have received a copy of the GNU General Public License along with Ambrel. If not, see &lt;a href=&quot;https://www.gnu.org/licenses/&quot;&gt;https://www.gnu.org/licenses/&lt;/a&gt;.&lt;/p&gt;
&lt;p&gt;The conversion factors are those each window lists in its notebook. The box below starts ticked: Ambrel converts with the units&apos; exact definitions (2019 SI, the international yard and pound, the imperial and US gallons). Clear it, here or on the main menu, for the classic tables, whose factors are rounded on purpose: 30 units differ from their definitions by more than 0.01%, most of all: troy carat (−90%), metric tablespoon (+33%), US dry ounce (−17%), US dry dram (−17%), Mach (−13%) and imperial bushel (−1.0%). Help › Summary of the windows lists them all. You can change this at any time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ambrel ist freie Software: Sie können es unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder verändern, entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version.&lt;/p&gt;
&lt;p&gt;Ambrel wird in der Hoffnung verbreitet, dass es nützlich sein wird, aber &lt;b&gt;ohne jede Gewährleistung&lt;/b&gt;; sogar ohne die implizite Gewährleistung der Marktgängigkeit oder der Eignung für einen bestimmten Zweck. Einzelheiten finden Sie in der GNU General Public License.&lt;/p&gt;
&lt;p&gt;Sie sollten eine Kopie der GNU General Public License zusammen mit Ambrel erhalten haben. Falls nicht, siehe &lt;a href=&quot;https://www.gnu.org/licenses/&quot;&gt;https://www.gnu.org/licenses/&lt;/a&gt;.&lt;/p&gt;
&lt;p&gt;Die Umrechnungsfaktoren sind die, die jedes Fenster in seinem Notizbuch aufführt. Das Kästchen unten ist zu Beginn angekreuzt: Ambrel rechnet mit den exakten Definitionen der Einheiten (SI von 2019, internationales Yard und Pfund, imperiale Gallone und US-Gallone). Wählen Sie es hier oder im Hauptmenü ab, um mit den klassischen Tabellen zu rechnen, deren Faktoren absichtlich gerundet sind: 30 Einheiten weichen dann um mehr als 0,01&#xa0;% von ihren Definitionen ab, am stärksten Troy-Karat (−90&#xa0;%), metrischer Esslöffel (+33&#xa0;%), US-Trockenunze (−17&#xa0;%), US-Trockendram (−17&#xa0;%), Mach (−13&#xa0;%) und imperiales Bushel (−1,0&#xa0;%). Hilfe › Übersicht der Fenster führt sie alle auf. Sie können die Wahl jederzeit ändern.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Convert with &amp;exact definitions (clear this for the classic tables)</source>
        <translation>Mit &amp;exakten Definitionen umrechnen (für die klassischen Tabellen abwählen)</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>A result has no value for these numbers</source>
        <translation>Für diese Zahlen hat ein Ergebnis keinen Wert</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>full precision</source>
        <translation>volle Genauigkeit</translation>
    </message>
    <message numerus="yes">
        <source>%n decimal(s)</source>
        <translation>
            <numerusform>%n Nachkommastelle</numerusform>
            <numerusform>%n Nachkommastellen</numerusform>
        </translation>
    </message>
    <message>
        <source>Accuracy: %1</source>
        <translation>Genauigkeit: %1</translation>
    </message>
    <message>
        <source>Exact definitions</source>
        <translation>Exakte Definitionen</translation>
    </message>
    <message>
        <source>Classic tables</source>
        <translation>Klassische Tabellen</translation>
    </message>
</context>
<context>
    <name>HelpIntroWindow</name>
    <message>
        <source>Using Ambrel</source>
        <translation>Ambrel benutzen</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Using Ambrel&lt;/h2&gt;&lt;p&gt;Every unit of a quantity at once: type a number, press Enter, read the rest.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ambrel benutzen&lt;/h2&gt;&lt;p&gt;Alle Einheiten einer Größe auf einen Blick: Zahl eingeben, Eingabetaste drücken, den Rest ablesen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Converting&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;In the main menu, press the button of a quantity, for example &lt;b&gt;Length&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Type a number in the field of the unit you have, for example 1&#xa0;in the &lt;i&gt;foot&lt;/i&gt; field.&lt;/li&gt;
&lt;li&gt;Press &lt;b&gt;Enter&lt;/b&gt;. Every other field now shows the same length in its own unit. The field you typed in keeps your number.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Behind the scenes the number is turned into the window&apos;s base unit (the meter for lengths) and every other field is computed from that. Each window&apos;s &lt;b&gt;Notebook&lt;/b&gt; button explains its units and the factors it uses.&lt;/p&gt;
&lt;h3&gt;Accuracy&lt;/h3&gt;
&lt;p&gt;The &lt;b&gt;Decimals shown&lt;/b&gt; field and slider in the main menu set how many digits right of the decimal point the converter windows show. The setting is remembered, and a change applies at once to the converter windows you have opened. Numbers are always kept in full: raise the accuracy, or hover over a field, to see every digit.&lt;/p&gt;
&lt;h3&gt;Exact definitions&lt;/h3&gt;
&lt;p&gt;With &lt;b&gt;Exact definitions&lt;/b&gt; ticked in the main menu, as it is at first, every result is the conversion by the units&apos; definitions (2019 SI, the international yard and pound, the imperial and US gallons). Clear it to convert with the classic tables, whose factors are rounded; &lt;b&gt;Help › Summary of the windows&lt;/b&gt; lists every unit they get wrong by more than 1 in 10&#x202f;000. Window titles then end in &lt;i&gt;classic tables&lt;/i&gt;.&lt;/p&gt;
&lt;h3&gt;Entering numbers&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Use a decimal point or your language&apos;s decimal separator; exponents such as &lt;code&gt;1.5e-3&lt;/code&gt; work too. An empty field counts as 0.&lt;/li&gt;
&lt;li&gt;Text that is not a number is refused with the alert sound and a note at the bottom of the window. Your text stays so that you can correct it, and nothing else changes.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Further calculators&lt;/h3&gt;
&lt;p&gt;The &lt;b&gt;Further calculators&lt;/b&gt; button opens four small calculators: file transfer time, proportion, linear interpolation and power-to-weight ratio. Fill in the inputs and press &lt;b&gt;Enter&lt;/b&gt; or &lt;b&gt;Calculate&lt;/b&gt;.&lt;/p&gt;
&lt;h3&gt;The command line&lt;/h3&gt;
&lt;p&gt;&lt;code&gt;ambrel length 1&#xa0;foot&lt;/code&gt;&lt;br/&gt;prints every length for 1&#xa0;foot as a readable table. Any window and unit work the same way, for example &lt;code&gt;ambrel area 1&#xa0;acre&lt;/code&gt;; quotes around a unit of several words are optional: &lt;code&gt;ambrel velocity 60&#xa0;mile per hour&lt;/code&gt;. Results follow the units&apos; exact definitions; add &lt;code&gt;--classic&lt;/code&gt; to convert with the classic tables.&lt;/p&gt;
&lt;p&gt;&lt;code&gt;ambrel run --tsv length FeetField=1&lt;/code&gt;&lt;br/&gt;runs a window as a script: the step &lt;code&gt;FeetField=1&lt;/code&gt; types 1 into the foot field and presses Enter. The output has one line per field: its name, the stored value (which reads back exactly) and the text the window shows, separated by tabs. Add &lt;code&gt;--accuracy 6&lt;/code&gt; for six decimals.&lt;/p&gt;
&lt;p&gt;The windows are &lt;code&gt;length area velocity pressure temperature time volume weight power-energy fuel-light computing file-transfer proportion interpolation power-weight&lt;/code&gt;. A step &lt;code&gt;Calc:&lt;/code&gt; sends an action, for example to the calculators. The exit status is 0 when all went well, 2 when an entry was refused and 64 for a usage error. &lt;code&gt;ambrel --help&lt;/code&gt; shows a summary.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Umrechnen&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Klicken Sie im Hauptmenü auf die Schaltfläche einer Größe, zum Beispiel &lt;b&gt;Länge&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Geben Sie eine Zahl in das Feld der Einheit ein, die Sie haben, zum Beispiel 1 in das Feld &lt;i&gt;Fuß&lt;/i&gt;.&lt;/li&gt;
&lt;li&gt;Drücken Sie die &lt;b&gt;Eingabetaste&lt;/b&gt;. Alle anderen Felder zeigen nun dieselbe Länge in ihrer eigenen Einheit. Das Feld, in das Sie getippt haben, behält Ihre Zahl.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Im Hintergrund wird die Zahl in die Basiseinheit des Fensters umgerechnet (bei Längen den Meter), und jedes andere Feld wird daraus berechnet. Die Schaltfläche &lt;b&gt;Notizbuch&lt;/b&gt; jedes Fensters erklärt seine Einheiten und die Faktoren, die es verwendet.&lt;/p&gt;
&lt;h3&gt;Genauigkeit&lt;/h3&gt;
&lt;p&gt;Feld und Schieberegler &lt;b&gt;Angezeigte Nachkommastellen&lt;/b&gt; im Hauptmenü legen fest, wie viele Stellen rechts vom Dezimaltrennzeichen die Umrechnerfenster zeigen. Die Einstellung bleibt erhalten, und eine Änderung gilt sofort auch für die bereits geöffneten Umrechnerfenster. Zahlen werden immer vollständig gespeichert: Erhöhen Sie die Genauigkeit oder halten Sie den Mauszeiger über ein Feld, um jede Stelle zu sehen.&lt;/p&gt;
&lt;h3&gt;Exakte Definitionen&lt;/h3&gt;
&lt;p&gt;Ist &lt;b&gt;Exakte Definitionen&lt;/b&gt; im Hauptmenü angekreuzt, wie zu Beginn, rechnet jedes Ergebnis nach den Definitionen der Einheiten um (SI von 2019, internationales Yard und Pfund, imperiale Gallone und US-Gallone). Wählen Sie es ab, um mit den klassischen Tabellen umzurechnen, deren Faktoren gerundet sind; &lt;b&gt;Hilfe › Übersicht der Fenster&lt;/b&gt; führt jede Einheit auf, die dort um mehr als 1 zu 10&#x202f;000 abweicht. Die Fenstertitel enden dann auf &lt;i&gt;klassische Tabellen&lt;/i&gt;.&lt;/p&gt;
&lt;h3&gt;Zahlen eingeben&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Verwenden Sie einen Dezimalpunkt oder das Dezimaltrennzeichen Ihrer Sprache; auch Exponenten wie &lt;code&gt;1.5e-3&lt;/code&gt; funktionieren. Ein leeres Feld zählt als 0.&lt;/li&gt;
&lt;li&gt;Text, der keine Zahl ist, wird mit dem Warnton und einem Hinweis am unteren Rand des Fensters abgewiesen. Ihr Text bleibt stehen, damit Sie ihn korrigieren können, und sonst ändert sich nichts.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Weitere Rechner&lt;/h3&gt;
&lt;p&gt;Die Schaltfläche &lt;b&gt;Weitere Rechner&lt;/b&gt; öffnet vier kleine Rechner: Übertragungsdauer, Dreisatz, lineare Interpolation und Leistungsgewicht. Füllen Sie die Eingaben aus und drücken Sie die &lt;b&gt;Eingabetaste&lt;/b&gt; oder klicken Sie auf &lt;b&gt;Berechnen&lt;/b&gt;.&lt;/p&gt;
&lt;h3&gt;Die Befehlszeile&lt;/h3&gt;
&lt;p&gt;&lt;code&gt;ambrel length 1&#xa0;foot&lt;/code&gt;&lt;br/&gt;gibt alle Längen für 1&#xa0;Fuß als lesbare Tabelle aus. Jedes Fenster und jede Einheit funktioniert genauso, zum Beispiel &lt;code&gt;ambrel area 1&#xa0;acre&lt;/code&gt;; Anführungszeichen um eine Einheit aus mehreren Wörtern sind nicht nötig: &lt;code&gt;ambrel velocity 60&#xa0;mile per hour&lt;/code&gt;. Auf der Befehlszeile bleiben Fenster und Einheiten englisch. Die Ergebnisse folgen den exakten Definitionen der Einheiten; mit &lt;code&gt;--classic&lt;/code&gt; wird mit den klassischen Tabellen umgerechnet.&lt;/p&gt;
&lt;p&gt;&lt;code&gt;ambrel run --tsv length FeetField=1&lt;/code&gt;&lt;br/&gt;führt ein Fenster als Skript aus: Der Schritt &lt;code&gt;FeetField=1&lt;/code&gt; tippt 1 in das Fußfeld und drückt die Eingabetaste. Die Ausgabe hat eine Zeile je Feld: seinen Namen, den gespeicherten Wert (der sich exakt zurücklesen lässt) und den Text, den das Fenster zeigt, getrennt durch Tabulatoren. Mit &lt;code&gt;--accuracy 6&lt;/code&gt; erhalten Sie sechs Nachkommastellen.&lt;/p&gt;
&lt;p&gt;Die Fenster heißen &lt;code&gt;length area velocity pressure temperature time volume weight power-energy fuel-light computing file-transfer proportion interpolation power-weight&lt;/code&gt;. Ein Schritt &lt;code&gt;Calc:&lt;/code&gt; sendet eine Aktion, zum Beispiel an die Rechner. Der Rückgabewert ist 0, wenn alles gut ging, 2, wenn eine Eingabe abgewiesen wurde, und 64 bei einem Bedienungsfehler. &lt;code&gt;ambrel --help&lt;/code&gt; zeigt eine Übersicht.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>MainMenuWindow</name>
    <message>
        <source>Accuracy</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Deci&amp;mals shown</source>
        <translation>Angezeigte &amp;Nachkommastellen</translation>
    </message>
    <message>
        <source>Decimals shown</source>
        <translation>Angezeigte Nachkommastellen</translation>
    </message>
    <message>
        <source>From %1 decimals on, every number shows all the digits it has</source>
        <translation>Ab %1 Nachkommastellen zeigt jede Zahl alle ihre Stellen</translation>
    </message>
    <message>
        <source>E&amp;xact definitions</source>
        <translation>E&amp;xakte Definitionen</translation>
    </message>
    <message>
        <source>Ticked: convert with the units&apos; exact definitions (2019 SI, the international yard and pound, the imperial and US gallons). Cleared: the classic tables, with their rounded factors</source>
        <translation>Angekreuzt: Umrechnung mit den exakten Definitionen der Einheiten (SI von 2019, internationales Yard und Pfund, imperiale Gallone und US-Gallone). Nicht angekreuzt: die klassischen Tabellen mit ihren gerundeten Faktoren</translation>
    </message>
    <message>
        <source>Further calc&amp;ulators…</source>
        <translation>Weitere &amp;Rechner…</translation>
    </message>
    <message>
        <source>Am&amp;brel</source>
        <translation>&amp;Ambrel</translation>
    </message>
    <message>
        <source>&amp;About Ambrel</source>
        <translation>&amp;Über Ambrel</translation>
    </message>
    <message>
        <source>&amp;License and warranty</source>
        <translation>&amp;Lizenz und Gewährleistung</translation>
    </message>
    <message>
        <source>&amp;Manual in a browser</source>
        <translation>&amp;Handbuch im Browser</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How to use Ambrel</source>
        <translation>&amp;Ambrel benutzen</translation>
    </message>
    <message>
        <source>&amp;Summary of the windows</source>
        <translation>&amp;Übersicht der Fenster</translation>
    </message>
    <message>
        <source>&amp;Notes on fuel and light</source>
        <translation>&amp;Hinweise zu Kraftstoff und Licht</translation>
    </message>
    <message>
        <source>SI and binary &amp;prefixes</source>
        <translation>SI- und binäre &amp;Präfixe</translation>
    </message>
</context>
<context>
    <name>MoreInfoWindow</name>
    <message>
        <source>About Ambrel</source>
        <translation>Über Ambrel</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Ambrel&lt;/h2&gt;&lt;p&gt;Version @VERSION@&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ambrel&lt;/h2&gt;&lt;p&gt;Version @VERSION@&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Ambrel is a unit converter for the Linux desktop. Each converter window shows every unit of its quantity at once; type a number into any field, press Enter, and every other field follows. The same converters run on the command line (&lt;code&gt;ambrel --help&lt;/code&gt;).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Manual:&lt;/b&gt; &lt;a href=&quot;@HOMEPAGE@&quot;&gt;@HOMEPAGE@&lt;/a&gt; (Ambrel › Manual in a browser opens it)&lt;/p&gt;
&lt;p&gt;&lt;b&gt;License:&lt;/b&gt; GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). Ambrel comes with no warranty; the &quot;License and warranty&quot; window has the details.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Settings:&lt;/b&gt; the accuracy, and whether the welcome window has been seen, are kept in &lt;code&gt;~/.config/Orlune/Ambrel.conf&lt;/code&gt; (under &lt;code&gt;$XDG_CONFIG_HOME&lt;/code&gt; instead of &lt;code&gt;~/.config&lt;/code&gt; when that is set). Ambrel keeps no other files.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Factors:&lt;/b&gt; every window uses the conversion factors listed in its notebook. Some are rounded values kept on purpose, so some results differ from exact conversions; check results that matter against an authoritative source.&lt;/p&gt;
&lt;p&gt;Built with C++ and Qt 6.&lt;/p&gt;
</source>
        <translation>&lt;p&gt;Ambrel ist ein Einheitenumrechner für den Linux-Desktop. Jedes Umrechnerfenster zeigt alle Einheiten seiner Größe auf einen Blick: Geben Sie in ein beliebiges Feld eine Zahl ein, drücken Sie die Eingabetaste, und alle anderen Felder folgen. Dieselben Umrechner laufen auch auf der Befehlszeile (&lt;code&gt;ambrel --help&lt;/code&gt;).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Handbuch:&lt;/b&gt; &lt;a href=&quot;@HOMEPAGE@&quot;&gt;@HOMEPAGE@&lt;/a&gt; (Ambrel › Handbuch im Browser öffnet es)&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Lizenz:&lt;/b&gt; GNU General Public License, Version 3 oder (nach Ihrer Wahl) jede spätere Version (GPL-3.0-or-later). Ambrel wird ohne jede Gewährleistung geliefert; Einzelheiten stehen im Fenster „Lizenz und Gewährleistung“.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Einstellungen:&lt;/b&gt; Die Genauigkeit und ob das Begrüßungsfenster schon gezeigt wurde, werden in &lt;code&gt;~/.config/Orlune/Ambrel.conf&lt;/code&gt; gespeichert (unter &lt;code&gt;$XDG_CONFIG_HOME&lt;/code&gt; statt &lt;code&gt;~/.config&lt;/code&gt;, wenn diese Variable gesetzt ist). Ambrel legt keine anderen Dateien an.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Faktoren:&lt;/b&gt; Jedes Fenster verwendet die Umrechnungsfaktoren, die in seinem Notizbuch aufgeführt sind. Einige sind absichtlich gerundete Werte, daher weichen manche Ergebnisse von exakten Umrechnungen ab; prüfen Sie wichtige Ergebnisse anhand einer maßgeblichen Quelle.&lt;/p&gt;
&lt;p&gt;Erstellt mit C++ und Qt 6.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Full precision</source>
        <translation>Volle Genauigkeit</translation>
    </message>
    <message>
        <source>Every unit of a quantity at once.
Version %1</source>
        <translation>Alle Einheiten einer Größe auf einen Blick.
Version %1</translation>
    </message>
    <message>
        <source>Click or press Return to go on</source>
        <translation>Zum Fortfahren klicken oder die Eingabetaste drücken</translation>
    </message>
    <message>
        <source>Further calculators</source>
        <translation>Weitere Rechner</translation>
    </message>
    <message>
        <source>&lt;b&gt;Further calculators&lt;/b&gt;</source>
        <translation>&lt;b&gt;Weitere Rechner&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>QtField</name>
    <message>
        <source>Full value: %1</source>
        <translation>Voller Wert: %1</translation>
    </message>
    <message>
        <source>The pasted text has %1 characters; a cell takes at most %2. Nothing was pasted.</source>
        <translation>Der eingefügte Text hat %1 Zeichen; ein Feld nimmt höchstens %2 auf. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation>Menü zu %1</translation>
    </message>
    <message>
        <source>Copy &amp;Shown Value</source>
        <translation>Angezeigten &amp;Wert kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Full Value</source>
        <translation>&amp;Vollen Wert kopieren</translation>
    </message>
</context>
<context>
    <name>QtNotebookWindow</name>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>No web browser</source>
        <translation>Kein Webbrowser</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1.</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um %1 anzuzeigen.</translation>
    </message>
    <message>
        <source>Ambrel&apos;s manual is %1, with the README beside it and each window&apos;s notebook in %2. Open them in any browser or text viewer.</source>
        <translation>Das Handbuch von Ambrel ist %1; daneben liegt die README-Datei, und die Notizbücher der Fenster liegen in %2. Öffnen Sie sie in einem beliebigen Browser oder Textbetrachter.</translation>
    </message>
</context>
<context>
    <name>SIPrefixesWindow</name>
    <message>
        <source>SI and Binary Prefixes</source>
        <translation>SI- und binäre Präfixe</translation>
    </message>
    <message>
        <source>&lt;h2&gt;SI and binary prefixes&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;SI- und binäre Präfixe&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;SI prefixes&lt;/h3&gt;
&lt;p&gt;A prefix multiplies the unit it stands before: 1&#xa0;km = 1000&#xa0;m, 1&#xa0;ms = 0.001&#xa0;s. The symbols are case-sensitive (m is milli, M is mega), and prefixes are never combined.&lt;/p&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;Prefix&lt;/th&gt;&lt;th&gt;Symbol&lt;/th&gt;&lt;th&gt;Factor&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;quetta&lt;/td&gt;&lt;td&gt;Q&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;30&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;ronna&lt;/td&gt;&lt;td&gt;R&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;27&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;yotta&lt;/td&gt;&lt;td&gt;Y&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;24&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;zetta&lt;/td&gt;&lt;td&gt;Z&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;21&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;exa&lt;/td&gt;&lt;td&gt;E&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;18&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;peta&lt;/td&gt;&lt;td&gt;P&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;15&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;tera&lt;/td&gt;&lt;td&gt;T&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;12&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;giga&lt;/td&gt;&lt;td&gt;G&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;9&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;mega&lt;/td&gt;&lt;td&gt;M&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;6&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;kilo&lt;/td&gt;&lt;td&gt;k&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;3&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;hecto&lt;/td&gt;&lt;td&gt;h&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;2&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;deca&lt;/td&gt;&lt;td&gt;da&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;1&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;deci&lt;/td&gt;&lt;td&gt;d&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−1&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;centi&lt;/td&gt;&lt;td&gt;c&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−2&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;milli&lt;/td&gt;&lt;td&gt;m&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−3&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;micro&lt;/td&gt;&lt;td&gt;µ&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−6&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;nano&lt;/td&gt;&lt;td&gt;n&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−9&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;pico&lt;/td&gt;&lt;td&gt;p&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−12&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;femto&lt;/td&gt;&lt;td&gt;f&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−15&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;atto&lt;/td&gt;&lt;td&gt;a&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−18&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;zepto&lt;/td&gt;&lt;td&gt;z&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−21&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;yocto&lt;/td&gt;&lt;td&gt;y&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−24&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;ronto&lt;/td&gt;&lt;td&gt;r&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−27&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;quecto&lt;/td&gt;&lt;td&gt;q&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−30&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;The prefixes ronna, ronto, quetta and quecto were added in 2022. In the United States deca is spelled deka, as in the length window&apos;s dekameter. The micro sign µ may be written u where it is not available.&lt;/p&gt;
&lt;h3&gt;Binary prefixes&lt;/h3&gt;
&lt;p&gt;For quantities of data, multiples of 1024 are common. The IEC binary prefixes (IEC 80000-13) name them unambiguously: 1&#xa0;KiB = 1024&#xa0;bytes, while 1&#xa0;kB = 1000&#xa0;bytes. The computing window offers both.&lt;/p&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;Prefix&lt;/th&gt;&lt;th&gt;Symbol&lt;/th&gt;&lt;th&gt;Factor&lt;/th&gt;&lt;th&gt;Written out&lt;/th&gt;&lt;th&gt;Larger than the SI prefix&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;kibi&lt;/td&gt;&lt;td&gt;Ki&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;10&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;024&lt;/td&gt;&lt;td&gt;kilo: 2.4 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;mebi&lt;/td&gt;&lt;td&gt;Mi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;20&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;048&#xa0;576&lt;/td&gt;&lt;td&gt;mega: 4.9 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;gibi&lt;/td&gt;&lt;td&gt;Gi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;30&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;073&#xa0;741&#xa0;824&lt;/td&gt;&lt;td&gt;giga: 7.4 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;tebi&lt;/td&gt;&lt;td&gt;Ti&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;40&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;099&#xa0;511&#xa0;627&#xa0;776&lt;/td&gt;&lt;td&gt;tera: 10.0 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;pebi&lt;/td&gt;&lt;td&gt;Pi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;50&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;125&#xa0;899&#xa0;906&#xa0;842&#xa0;624&lt;/td&gt;&lt;td&gt;peta: 12.6 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;exbi&lt;/td&gt;&lt;td&gt;Ei&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;60&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;152&#xa0;921&#xa0;504&#xa0;606&#xa0;846&#xa0;976&lt;/td&gt;&lt;td&gt;exa: 15.3 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;zebi&lt;/td&gt;&lt;td&gt;Zi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;70&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;180&#xa0;591&#xa0;620&#xa0;717&#xa0;411&#xa0;303&#xa0;424&lt;/td&gt;&lt;td&gt;zetta: 18.1 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;yobi&lt;/td&gt;&lt;td&gt;Yi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;80&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;208&#xa0;925&#xa0;819&#xa0;614&#xa0;629&#xa0;174&#xa0;706&#xa0;176&lt;/td&gt;&lt;td&gt;yotta: 20.9 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;robi&lt;/td&gt;&lt;td&gt;Ri&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;90&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;237&#xa0;940&#xa0;039&#xa0;285&#xa0;380&#xa0;274&#xa0;899&#xa0;124&#xa0;224&lt;/td&gt;&lt;td&gt;ronna: 23.8 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;quebi&lt;/td&gt;&lt;td&gt;Qi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;100&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;267&#xa0;650&#xa0;600&#xa0;228&#xa0;229&#xa0;401&#xa0;496&#xa0;703&#xa0;205&#xa0;376&lt;/td&gt;&lt;td&gt;quetta: 26.8 %&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
</source>
        <translation>&lt;h3&gt;SI-Präfixe&lt;/h3&gt;
&lt;p&gt;Ein Präfix vervielfacht die Einheit, vor der es steht: 1&#xa0;km = 1000&#xa0;m, 1&#xa0;ms = 0,001&#xa0;s. Bei den Zeichen kommt es auf Groß- und Kleinschreibung an (m ist Milli, M ist Mega), und Präfixe werden nie kombiniert.&lt;/p&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;Präfix&lt;/th&gt;&lt;th&gt;Zeichen&lt;/th&gt;&lt;th&gt;Faktor&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Quetta&lt;/td&gt;&lt;td&gt;Q&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;30&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Ronna&lt;/td&gt;&lt;td&gt;R&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;27&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Yotta&lt;/td&gt;&lt;td&gt;Y&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;24&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Zetta&lt;/td&gt;&lt;td&gt;Z&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;21&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Exa&lt;/td&gt;&lt;td&gt;E&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;18&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Peta&lt;/td&gt;&lt;td&gt;P&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;15&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Tera&lt;/td&gt;&lt;td&gt;T&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;12&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Giga&lt;/td&gt;&lt;td&gt;G&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;9&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Mega&lt;/td&gt;&lt;td&gt;M&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;6&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Kilo&lt;/td&gt;&lt;td&gt;k&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;3&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Hekto&lt;/td&gt;&lt;td&gt;h&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;2&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Deka&lt;/td&gt;&lt;td&gt;da&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;1&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Dezi&lt;/td&gt;&lt;td&gt;d&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−1&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Zenti&lt;/td&gt;&lt;td&gt;c&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−2&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Milli&lt;/td&gt;&lt;td&gt;m&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−3&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Mikro&lt;/td&gt;&lt;td&gt;µ&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−6&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Nano&lt;/td&gt;&lt;td&gt;n&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−9&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Piko&lt;/td&gt;&lt;td&gt;p&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−12&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Femto&lt;/td&gt;&lt;td&gt;f&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−15&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Atto&lt;/td&gt;&lt;td&gt;a&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−18&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Zepto&lt;/td&gt;&lt;td&gt;z&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−21&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Yokto&lt;/td&gt;&lt;td&gt;y&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−24&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Ronto&lt;/td&gt;&lt;td&gt;r&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−27&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Quekto&lt;/td&gt;&lt;td&gt;q&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−30&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Die Präfixe Ronna, Ronto, Quetta und Quekto kamen 2022 hinzu. Deka wird im britischen Englisch deca geschrieben, im Deutschen und in den Vereinigten Staaten deka, wie beim Dekameter des Fensters „Länge“. Das Mikrozeichen µ darf als u geschrieben werden, wo es nicht verfügbar ist.&lt;/p&gt;
&lt;h3&gt;Binäre Präfixe&lt;/h3&gt;
&lt;p&gt;Bei Datenmengen sind Vielfache von 1024 üblich. Die binären Präfixe der IEC (IEC 80000-13) benennen sie eindeutig: 1&#xa0;KiB = 1024&#xa0;Byte, dagegen 1&#xa0;kB = 1000&#xa0;Byte. Das Fenster „Informatik“ bietet beides.&lt;/p&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;Präfix&lt;/th&gt;&lt;th&gt;Zeichen&lt;/th&gt;&lt;th&gt;Faktor&lt;/th&gt;&lt;th&gt;Ausgeschrieben&lt;/th&gt;&lt;th&gt;Größer als das SI-Präfix&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Kibi&lt;/td&gt;&lt;td&gt;Ki&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;10&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;024&lt;/td&gt;&lt;td&gt;Kilo: 2,4&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Mebi&lt;/td&gt;&lt;td&gt;Mi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;20&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;048&#xa0;576&lt;/td&gt;&lt;td&gt;Mega: 4,9&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Gibi&lt;/td&gt;&lt;td&gt;Gi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;30&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;073&#xa0;741&#xa0;824&lt;/td&gt;&lt;td&gt;Giga: 7,4&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Tebi&lt;/td&gt;&lt;td&gt;Ti&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;40&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;099&#xa0;511&#xa0;627&#xa0;776&lt;/td&gt;&lt;td&gt;Tera: 10,0&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Pebi&lt;/td&gt;&lt;td&gt;Pi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;50&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;125&#xa0;899&#xa0;906&#xa0;842&#xa0;624&lt;/td&gt;&lt;td&gt;Peta: 12,6&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Exbi&lt;/td&gt;&lt;td&gt;Ei&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;60&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;152&#xa0;921&#xa0;504&#xa0;606&#xa0;846&#xa0;976&lt;/td&gt;&lt;td&gt;Exa: 15,3&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Zebi&lt;/td&gt;&lt;td&gt;Zi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;70&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;180&#xa0;591&#xa0;620&#xa0;717&#xa0;411&#xa0;303&#xa0;424&lt;/td&gt;&lt;td&gt;Zetta: 18,1&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Yobi&lt;/td&gt;&lt;td&gt;Yi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;80&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;208&#xa0;925&#xa0;819&#xa0;614&#xa0;629&#xa0;174&#xa0;706&#xa0;176&lt;/td&gt;&lt;td&gt;Yotta: 20,9&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Robi&lt;/td&gt;&lt;td&gt;Ri&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;90&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;237&#xa0;940&#xa0;039&#xa0;285&#xa0;380&#xa0;274&#xa0;899&#xa0;124&#xa0;224&lt;/td&gt;&lt;td&gt;Ronna: 23,8&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Quebi&lt;/td&gt;&lt;td&gt;Qi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;100&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;267&#xa0;650&#xa0;600&#xa0;228&#xa0;229&#xa0;401&#xa0;496&#xa0;703&#xa0;205&#xa0;376&lt;/td&gt;&lt;td&gt;Quetta: 26,8&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>%1… (%2 characters)</source>
        <translation>%1… (%2 Zeichen)</translation>
    </message>
</context>
<context>
    <name>UnitFinderField</name>
    <message>
        <source>Find a unit or a quantity, e.g. 3 ft (Ctrl+F)</source>
        <translation>Einheit oder Größe suchen, z.&#xa0;B. 3 ft (Strg+F)</translation>
    </message>
    <message>
        <source>Find a unit</source>
        <translation>Einheit suchen</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Suche leeren</translation>
    </message>
    <message>
        <source>Matching units</source>
        <translation>Passende Einheiten</translation>
    </message>
    <message>
        <source>No unit is called “%1”</source>
        <translation>Keine Einheit heißt „%1“</translation>
    </message>
</context>
<context>
    <name>ambrel</name>
    <message>
        <source>bytes</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>kilobytes</source>
        <translation>Kilobyte</translation>
    </message>
    <message>
        <source>megabytes</source>
        <translation>Megabyte</translation>
    </message>
    <message>
        <source>a line speed must be above 0</source>
        <translation>die Leitungsgeschwindigkeit muss größer als 0 sein</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no line speed here; try bit/s, kbit/s, Mbit/s, Gbit/s or B/s, kB/s, MB/s</source>
        <translation>„%1“ ist hier keine Leitungsgeschwindigkeit; möglich sind bit/s, kbit/s, Mbit/s, Gbit/s oder B/s, kB/s, MB/s</translation>
    </message>
    <message>
        <source>your own speed is not above 0, and the time divides by it</source>
        <translation>die eigene Geschwindigkeit ist nicht größer als 0, und die Dauer wird durch sie geteilt</translation>
    </message>
    <message>
        <source>the file is too large for its transfer time to be a number</source>
        <translation>die Datei ist zu groß, als dass ihre Übertragungsdauer eine Zahl sein könnte</translation>
    </message>
    <message>
        <source>File transfer time</source>
        <translation>Übertragungsdauer</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Your own line speed</source>
        <translation>Eigene Leitungsgeschwindigkeit</translation>
    </message>
    <message>
        <source>Transfer time</source>
        <translation>Übertragungsdauer</translation>
    </message>
    <message>
        <source>size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>bits per second (25 Mbit/s, 3 MB/s)</source>
        <translation>Bit pro Sekunde (25 Mbit/s, 3 MB/s)</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Größeneinheit</translation>
    </message>
    <message>
        <source>Line speed (bits per second)</source>
        <translation>Leitungsgeschwindigkeit (Bit pro Sekunde)</translation>
    </message>
    <message>
        <source>your own speed</source>
        <translation>eigene Geschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>&amp;File transfer time…</source>
        <translation>&amp;Übertragungsdauer…</translation>
    </message>
    <message>
        <source>A equals C, so the points give no line</source>
        <translation>A ist gleich C, die Punkte bestimmen also keine Gerade</translation>
    </message>
    <message>
        <source>x is too large for a number</source>
        <translation>x ist zu groß für eine Zahl</translation>
    </message>
    <message>
        <source>Linear interpolation</source>
        <translation>Lineare Interpolation</translation>
    </message>
    <message>
        <source>First known point: at A …</source>
        <translation>Erster bekannter Punkt: bei A …</translation>
    </message>
    <message>
        <source>… the value is D</source>
        <translation>… ist der Wert D</translation>
    </message>
    <message>
        <source>Second known point: at C …</source>
        <translation>Zweiter bekannter Punkt: bei C …</translation>
    </message>
    <message>
        <source>… the value is E</source>
        <translation>… ist der Wert E</translation>
    </message>
    <message>
        <source>Wanted: at B …</source>
        <translation>Gesucht: bei B …</translation>
    </message>
    <message>
        <source>… the value is x</source>
        <translation>… ist der Wert x</translation>
    </message>
    <message>
        <source>&amp;Linear interpolation…</source>
        <translation>Lineare &amp;Interpolation…</translation>
    </message>
    <message>
        <source>the weight is 0, and the ratio divides by it</source>
        <translation>das Gewicht ist 0, und das Verhältnis wird durch das Gewicht geteilt</translation>
    </message>
    <message>
        <source>the ratio is too large for a number</source>
        <translation>das Verhältnis ist zu groß für eine Zahl</translation>
    </message>
    <message>
        <source>Power to weight</source>
        <translation>Leistungsgewicht</translation>
    </message>
    <message>
        <source>Power and weight (weight in any unit)</source>
        <translation>Leistung und Gewicht (Gewicht in beliebiger Einheit)</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Verhältnis</translation>
    </message>
    <message>
        <source>power, horsepower</source>
        <translation>Leistung, Horsepower</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>horsepower per unit of weight</source>
        <translation>Horsepower je Gewichtseinheit</translation>
    </message>
    <message>
        <source>Power to &amp;weight…</source>
        <translation>&amp;Leistungsgewicht…</translation>
    </message>
    <message>
        <source>B is 0, and x = A × C ÷ B divides by it</source>
        <translation>B ist 0, und x = A × C ÷ B wird durch B geteilt</translation>
    </message>
    <message>
        <source>Proportion</source>
        <translation>Dreisatz</translation>
    </message>
    <message>
        <source>A is to …</source>
        <translation>A verhält sich zu …</translation>
    </message>
    <message>
        <source>… B as …</source>
        <translation>… B wie …</translation>
    </message>
    <message>
        <source>… x is to …</source>
        <translation>… x zu …</translation>
    </message>
    <message>
        <source>… C</source>
        <translation>… C</translation>
    </message>
    <message>
        <source>x = A × C ÷ B</source>
        <translation>x = A × C ÷ B</translation>
    </message>
    <message>
        <source>&amp;Proportion…</source>
        <translation>&amp;Dreisatz…</translation>
    </message>
    <message>
        <source>Data sizes</source>
        <translation>Datengrößen</translation>
    </message>
    <message>
        <source>Number bases</source>
        <translation>Zahlensysteme</translation>
    </message>
    <message>
        <source>binary</source>
        <translation>binär</translation>
    </message>
    <message>
        <source>octal</source>
        <translation>oktal</translation>
    </message>
    <message>
        <source>decimal (signed 32-bit)</source>
        <translation>dezimal (32 Bit mit Vorzeichen)</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <translation>hexadezimal</translation>
    </message>
    <message>
        <source>Prefixes</source>
        <translation>Präfixe</translation>
    </message>
    <message>
        <source>binary (1 kibibyte = 1024 bytes)</source>
        <translation>binär (1 Kibibyte = 1024 Byte)</translation>
    </message>
    <message>
        <source>decimal (1 kilobyte = 1000 bytes)</source>
        <translation>dezimal (1 Kilobyte = 1000 Byte)</translation>
    </message>
    <message>
        <source>&amp;Computing</source>
        <translation>&amp;Informatik</translation>
    </message>
    <message>
        <source>Computing</source>
        <translation>Informatik</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Imperial and US</source>
        <translation>Imperial und US</translation>
    </message>
    <message>
        <source>Acceleratio&amp;n</source>
        <translation>&amp;Beschleunigung</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>Degrees and turns</source>
        <translation>Grad und Vollwinkel</translation>
    </message>
    <message>
        <source>Radians and mils</source>
        <translation>Radiant und Strich</translation>
    </message>
    <message>
        <source>An&amp;gle</source>
        <translation>&amp;Winkel</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Fläche</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Bits per second</source>
        <translation>Bit pro Sekunde</translation>
    </message>
    <message>
        <source>Bytes per second</source>
        <translation>Byte pro Sekunde</translation>
    </message>
    <message>
        <source>Binary prefixes</source>
        <translation>Binäre Präfixe</translation>
    </message>
    <message>
        <source>&amp;Data rate</source>
        <translation>Datenrate (&amp;8)</translation>
    </message>
    <message>
        <source>Data rate</source>
        <translation>Datenrate</translation>
    </message>
    <message>
        <source>Den&amp;sity</source>
        <translation>Dichte (&amp;7)</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Stromstärke</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Ladung</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Kapazität</translation>
    </message>
    <message>
        <source>Inductance</source>
        <translation>Induktivität</translation>
    </message>
    <message>
        <source>Conductance</source>
        <translation>Leitwert</translation>
    </message>
    <message>
        <source>Electricity (&amp;2)</source>
        <translation>Elektrizität (&amp;2)</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Elektrizität</translation>
    </message>
    <message>
        <source>Volume per time</source>
        <translation>Volumen pro Zeit</translation>
    </message>
    <message>
        <source>Mass per time</source>
        <translation>Masse pro Zeit</translation>
    </message>
    <message>
        <source>Flow (&amp;1)</source>
        <translation>Durchfluss (&amp;1)</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>Fo&amp;rce</source>
        <translation>&amp;Kraft</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <source>Frequenc&amp;y and rotation</source>
        <translation>Fre&amp;quenz und Drehzahl</translation>
    </message>
    <message>
        <source>Frequency and rotation</source>
        <translation>Frequenz und Drehzahl</translation>
    </message>
    <message>
        <source>Fuel efficiency</source>
        <translation>Kraftstoffverbrauch</translation>
    </message>
    <message>
        <source>Illuminance</source>
        <translation>Beleuchtungsstärke</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Leuchtdichte</translation>
    </message>
    <message>
        <source>&amp;Fuel efficiency and light</source>
        <translation>Kraftst&amp;offverbrauch und Licht</translation>
    </message>
    <message>
        <source>Fuel efficiency and light</source>
        <translation>Kraftstoffverbrauch und Licht</translation>
    </message>
    <message>
        <source>Specific energy</source>
        <translation>Spezifische Energie</translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation>Spezifische Wärmekapazität</translation>
    </message>
    <message>
        <source>Thermal conductivity</source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <source>Heat flux density</source>
        <translation>Wärmestromdichte</translation>
    </message>
    <message>
        <source>Heat transfer coefficient</source>
        <translation>Wärmeübergangskoeffizient</translation>
    </message>
    <message>
        <source>Thermal insulance</source>
        <translation>Wärmedurchlasswiderstand</translation>
    </message>
    <message>
        <source>Heat (&amp;6)</source>
        <translation>Wärme (&amp;6)</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Wärme</translation>
    </message>
    <message>
        <source>Imperial and nautical</source>
        <translation>Imperial und nautisch</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>Astronomisch</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Länge</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Flux density</source>
        <translation>Flussdichte</translation>
    </message>
    <message>
        <source>Flux</source>
        <translation>Fluss</translation>
    </message>
    <message>
        <source>Field strength</source>
        <translation>Feldstärke</translation>
    </message>
    <message>
        <source>Magnetomotive force</source>
        <translation>Durchflutung</translation>
    </message>
    <message>
        <source>Magnetism (&amp;4)</source>
        <translation>Magnetismus (&amp;4)</translation>
    </message>
    <message>
        <source>Magnetism</source>
        <translation>Magnetismus</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Power and &amp;energy</source>
        <translation>Leistung und &amp;Energie</translation>
    </message>
    <message>
        <source>Power and energy</source>
        <translation>Leistung und Energie</translation>
    </message>
    <message>
        <source>The energy box shows one second at this power (1 watt for 1 second is 1 joule).</source>
        <translation>Der Bereich „Energie“ zeigt die Energie einer Sekunde bei dieser Leistung (1 Watt während 1 Sekunde ist 1 Joule).</translation>
    </message>
    <message>
        <source>The power box shows this energy spent in one second (1 joule in 1 second is 1 watt).</source>
        <translation>Der Bereich „Leistung“ zeigt diese Energie, umgesetzt in einer Sekunde (1 Joule in 1 Sekunde ist 1 Watt).</translation>
    </message>
    <message>
        <source>Mercury column</source>
        <translation>Quecksilbersäule</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>&amp;Druck</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Absorbed dose</source>
        <translation>Energiedosis</translation>
    </message>
    <message>
        <source>Equivalent dose</source>
        <translation>Äquivalentdosis</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Ionendosis</translation>
    </message>
    <message>
        <source>Absorbed dose rate</source>
        <translation>Energiedosisleistung</translation>
    </message>
    <message>
        <source>Equivalent dose rate</source>
        <translation>Äquivalentdosisleistung</translation>
    </message>
    <message>
        <source>Ioni&amp;zing radiation</source>
        <translation>Ionisierende &amp;Strahlung</translation>
    </message>
    <message>
        <source>Ionizing radiation</source>
        <translation>Ionisierende Strahlung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Stoffmenge</translation>
    </message>
    <message>
        <source>Molar concentration</source>
        <translation>Stoffmengenkonzentration</translation>
    </message>
    <message>
        <source>Molality</source>
        <translation>Molalität</translation>
    </message>
    <message>
        <source>Catalytic activity</source>
        <translation>Katalytische Aktivität</translation>
    </message>
    <message>
        <source>Amount of substance (&amp;5)</source>
        <translation>Stoffmenge (&amp;5)</translation>
    </message>
    <message>
        <source>Amount of substance</source>
        <translation>Stoffmenge</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <translation>&amp;Temperatur</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation>&amp;Zeit</translation>
    </message>
    <message>
        <source>Tor&amp;que</source>
        <translation>Dreh&amp;moment</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>&amp;Velocity</source>
        <translation>Ges&amp;chwindigkeit</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Capped at warp 9.99, the fastest speed this window converts.</source>
        <translation>Auf Warp 9,99 begrenzt, die höchste Geschwindigkeit, die dieses Fenster umrechnet.</translation>
    </message>
    <message>
        <source>Capped at 2147.26 times the speed of light (warp 9.99), the fastest speed this window converts.</source>
        <translation>Auf das 2147,26-Fache der Lichtgeschwindigkeit (Warp 9,99) begrenzt, die höchste Geschwindigkeit, die dieses Fenster umrechnet.</translation>
    </message>
    <message>
        <source>Dynamic viscosity</source>
        <translation>Dynamische Viskosität</translation>
    </message>
    <message>
        <source>Kinematic viscosity</source>
        <translation>Kinematische Viskosität</translation>
    </message>
    <message>
        <source>Viscosity (&amp;3)</source>
        <translation>Viskosität (&amp;3)</translation>
    </message>
    <message>
        <source>Viscosity</source>
        <translation>Viskosität</translation>
    </message>
    <message>
        <source>Metric liquid</source>
        <translation>Metrisch flüssig</translation>
    </message>
    <message>
        <source>Metric cubic</source>
        <translation>Metrisch kubisch</translation>
    </message>
    <message>
        <source>US</source>
        <translation>US</translation>
    </message>
    <message>
        <source>Metric cooking</source>
        <translation>Metrisch Küche</translation>
    </message>
    <message>
        <source>US cooking</source>
        <translation>US Küche</translation>
    </message>
    <message>
        <source>V&amp;olume</source>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Avoirdupois</source>
        <translation>Avoirdupois</translation>
    </message>
    <message>
        <source>Apothecaries&apos;</source>
        <translation>Apothekergewicht</translation>
    </message>
    <message>
        <source>Troy</source>
        <translation>Troy</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Gewicht</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could be %2</source>
        <translation>„%1“ könnte %2 sein</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 at character %2</source>
        <translation>%1 bei Zeichen %2</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>keine Zahl: %1</translation>
    </message>
    <message>
        <source>this field shows a result and takes no entry</source>
        <translation>dieses Feld zeigt ein Ergebnis und nimmt keine Eingabe an</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>not a number: a control character</source>
        <translation>keine Zahl: ein Steuerzeichen</translation>
    </message>
    <message>
        <source>not a number: expected an operator</source>
        <translation>keine Zahl: Operator erwartet</translation>
    </message>
    <message>
        <source>expected an operator or a unit</source>
        <translation>Operator oder Einheit erwartet</translation>
    </message>
    <message>
        <source>a sum of amounts needs a unit after each</source>
        <translation>in einer Summe braucht jeder Betrag eine Einheit</translation>
    </message>
    <message>
        <source>unclosed parenthesis</source>
        <translation>nicht geschlossene Klammer</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>Steuerzeichen</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos;</source>
        <translation>unerwartetes „%1“</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>expected a number</source>
        <translation>Zahl erwartet</translation>
    </message>
    <message>
        <source>too deeply nested</source>
        <translation>zu tief verschachtelt</translation>
    </message>
    <message>
        <source>expected &apos;)&apos;</source>
        <translation>„)“ erwartet</translation>
    </message>
    <message>
        <source>%1 — classic tables</source>
        <translation>%1 – klassische Tabellen</translation>
    </message>
    <message>
        <source>no unit &apos;%1&apos; here</source>
        <translation>keine Einheit „%1“ in diesem Fenster</translation>
    </message>
    <message>
        <source>Everyday</source>
        <translation>Alltag</translation>
    </message>
    <message>
        <source>Science and engineering</source>
        <translation>Wissenschaft und Technik</translation>
    </message>
    <message>
        <source>binary digits are 0 and 1</source>
        <translation>Binärziffern sind 0 und 1</translation>
    </message>
    <message>
        <source>octal digits are 0 to 7</source>
        <translation>Oktalziffern sind 0 bis 7</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>keine ganze Zahl</translation>
    </message>
    <message>
        <source>hexadecimal digits are 0 to 9 and a to f</source>
        <translation>Hexadezimalziffern sind 0 bis 9 und a bis f</translation>
    </message>
    <message>
        <source>outside -2147483648 to 2147483647</source>
        <translation>außerhalb von -2147483648 bis 2147483647</translation>
    </message>
    <message>
        <source>more than 32 bits</source>
        <translation>mehr als 32 Bit</translation>
    </message>
    <message>
        <source>too long</source>
        <translation>zu lang</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>too small to tell from zero</source>
        <translation>zu klein, um von null unterscheidbar zu sein</translation>
    </message>
    <message>
        <source>use a comma for decimals; numbers take no group separators</source>
        <translation>Dezimalzeichen ist das Komma; Zahlen ohne Tausendertrennzeichen</translation>
    </message>
    <message>
        <source>&amp;Notebook</source>
        <translation>&amp;Notizbuch</translation>
    </message>
    <message>
        <source>Feet and inches</source>
        <translation>Fuß und Zoll</translation>
    </message>
    <message>
        <source>Stone and pounds</source>
        <translation>Stone und Pfund</translation>
    </message>
    <message>
        <source>Pounds and ounces</source>
        <translation>Pfund und Unzen</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds</source>
        <translation>Stunden, Minuten und Sekunden</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>%1 — Notes</source>
        <translation>%1 — Notizbuch</translation>
    </message>
</context>
</TS>
