<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>ChannelCsv</name>
    <message>
        <source>no Location</source>
        <translation>kein Kanalplatz (Location)</translation>
    </message>
    <message>
        <source>channel %1 is already given in line %2</source>
        <translation>Kanal %1 steht schon in Zeile %2</translation>
    </message>
    <message>
        <source>the file holds no channels</source>
        <translation>die Datei enthält keine Kanäle</translation>
    </message>
    <message>
        <source>no row can be taken</source>
        <translation>keine Zeile lässt sich übernehmen</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>tone %1 is not one this radio has</source>
        <translation>CTCSS-Ton %1 kennt dieses Funkgerät nicht</translation>
    </message>
    <message>
        <source>DTCS code %1 is not three digits</source>
        <translation>DCS-Code %1 hat nicht drei Ziffern</translation>
    </message>
    <message>
        <source>DTCS code %1 is not one this radio has</source>
        <translation>DCS-Code %1 kennt dieses Funkgerät nicht</translation>
    </message>
    <message>
        <source>polarity %1 is none of NN, NR, RN, RR</source>
        <translation>Polarität %1 ist keine von NN, NR, RN, RR</translation>
    </message>
    <message>
        <source>unknown tone mode %1</source>
        <translation>unbekannte Tonart %1</translation>
    </message>
    <message>
        <source>unknown cross mode %1</source>
        <translation>unbekannte Kreuzbetriebsart %1</translation>
    </message>
    <message>
        <source>power %1 is neither High, Low nor watts</source>
        <translation>Leistung %1 ist weder High, Low noch eine Wattzahl</translation>
    </message>
    <message>
        <source>frequency %1 is no number</source>
        <translation>Frequenz %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>frequency %1 is outside the band&apos;s limits</source>
        <translation>Frequenz %1 liegt außerhalb des Frequenzbereichs</translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation>keine Frequenz</translation>
    </message>
    <message>
        <source>offset %1 is no number</source>
        <translation>Ablage %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>unknown duplex %1</source>
        <translation>unbekannte Ablagerichtung %1</translation>
    </message>
    <message>
        <source>the transmit frequency is below 0</source>
        <translation>die Sendefrequenz ist kleiner als 0</translation>
    </message>
    <message>
        <source>mode %1 is neither FM nor NFM</source>
        <translation>Betriebsart %1 ist weder FM noch NFM</translation>
    </message>
    <message>
        <source>skip %1 is neither S nor empty</source>
        <translation>Überspringen %1 ist weder S noch leer</translation>
    </message>
    <message>
        <source>busy lock %1 is neither On nor Off</source>
        <translation>Belegtsperre %1 ist weder On noch Off</translation>
    </message>
    <message>
        <source>scramble %1 is neither On nor Off</source>
        <translation>Verschleierung %1 ist weder On noch Off</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; is taken as &quot;%2&quot;</source>
        <translation>Name „%1“ wird zu „%2“</translation>
    </message>
    <message>
        <source>line %1: the header names no known column (Location, Frequency, ...)</source>
        <translation>Zeile %1: die Kopfzeile nennt keine bekannte Spalte (Location, Frequency, ...)</translation>
    </message>
    <message>
        <source>location %1 is outside 1..128</source>
        <translation>Kanalplatz %1 liegt nicht in 1..128</translation>
    </message>
    <message>
        <source>line longer than %1 characters</source>
        <translation>Zeile länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>more than %1 rows</source>
        <translation>mehr als %1 Zeilen</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>the file is larger than %1 KB; it is no channel list</source>
        <translation>die Datei ist größer als %1 KB; sie ist keine Kanalliste</translation>
    </message>
    <message>
        <source>not a text file (UTF-8)</source>
        <translation>keine Textdatei (UTF-8)</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Rows that could not be taken: %1</source>
        <translation>Nicht übernommene Zeilen: %1</translation>
    </message>
    <message>
        <source>Rows taken: %1. Channels changed: %2.</source>
        <translation>Übernommene Zeilen: %1. Geänderte Kanäle: %2.</translation>
    </message>
    <message>
        <source>Names changed to fit the radio: %1</source>
        <translation>Für das Funkgerät geänderte Namen: %1</translation>
    </message>
    <message>
        <source>%1 cannot be imported:
%2
The channels are unchanged.</source>
        <translation>%1 kann nicht importiert werden:
%2
Die Kanäle sind unverändert.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>DAT Files(*.dat)|*.dat|All Files(*.*)|*.*|</source>
        <translation>DAT-Dateien(*.dat)|*.dat|Alle Dateien(*.*)|*.*|</translation>
    </message>
    <message>
        <source>CSV Files(*.csv)|*.csv|All Files(*.*)|*.*|</source>
        <translation>CSV-Dateien(*.csv)|*.csv|Alle Dateien(*.*)|*.*|</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>outside the radio&apos;s band</source>
        <translation>außerhalb des Frequenzbereichs des Funkgeräts</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Combo1</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Channel Edit</source>
        <translation>Kanäle bearbeiten</translation>
    </message>
    <message>
        <source>Channel rows</source>
        <extracomment>MNChannelRows</extracomment>
        <translation>Kanalzeilen</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <extracomment>MNUndo</extracomment>
        <translation>Rückgängig(&amp;U)</translation>
    </message>
    <message>
        <source>Redo(&amp;R)</source>
        <extracomment>MNRedo</extracomment>
        <translation>Wiederherstellen(&amp;R)</translation>
    </message>
    <message>
        <source>Copy Rows(&amp;C)</source>
        <extracomment>MNCopyRows</extracomment>
        <translation>Zeilen kopieren(&amp;C)</translation>
    </message>
    <message>
        <source>Paste Rows(&amp;P)</source>
        <extracomment>MNPasteRows</extracomment>
        <translation>Zeilen einfügen(&amp;P)</translation>
    </message>
    <message>
        <source>Insert Empty Row(&amp;I)</source>
        <extracomment>MNInsertRow</extracomment>
        <translation>Leere Zeile einfügen(&amp;I)</translation>
    </message>
    <message>
        <source>Delete Row(&amp;D)</source>
        <extracomment>MNDeleteRow</extracomment>
        <translation>Zeile löschen(&amp;D)</translation>
    </message>
    <message>
        <source>Move Row Up</source>
        <extracomment>MNMoveRowUp</extracomment>
        <translation>Zeile nach oben</translation>
    </message>
    <message>
        <source>Move Row Down</source>
        <extracomment>MNMoveRowDown</extracomment>
        <translation>Zeile nach unten</translation>
    </message>
    <message>
        <source>Group A</source>
        <extracomment>TabStrip1</extracomment>
        <translation>Gruppe A</translation>
    </message>
    <message>
        <source>Group B</source>
        <extracomment>TabStrip1</extracomment>
        <translation>Gruppe B</translation>
    </message>
    <message>
        <source>Fre</source>
        <extracomment>Grid1</extracomment>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>RX Fre</source>
        <extracomment>Grid1</extracomment>
        <translation>Empfang</translation>
    </message>
    <message>
        <source>TX Fre</source>
        <extracomment>Grid1</extracomment>
        <translation>Senden</translation>
    </message>
    <message>
        <source>QT/DQT Dec</source>
        <extracomment>Grid1</extracomment>
        <translation>RX-Ton</translation>
    </message>
    <message>
        <source>QT/DQT Enc</source>
        <extracomment>Grid1</extracomment>
        <translation>TX-Ton</translation>
    </message>
    <message>
        <source>Power</source>
        <extracomment>Grid1</extracomment>
        <translation>Lstg.</translation>
    </message>
    <message>
        <source>Channel lock</source>
        <extracomment>Grid1</extracomment>
        <translation>Belegtsperre</translation>
    </message>
    <message>
        <source>Add scan</source>
        <extracomment>Grid1</extracomment>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Band</source>
        <extracomment>Grid1</extracomment>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Scramble</source>
        <extracomment>Grid1</extracomment>
        <translation>Versch.</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <extracomment>Grid1</extracomment>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Combo5(5)</extracomment>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Combo5(5)</extracomment>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Carry</source>
        <extracomment>Combo5(6)</extracomment>
        <translation>Träger</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Combo5(7)</extracomment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Narrow</source>
        <extracomment>Combo5(8)</extracomment>
        <translation>Schmal</translation>
    </message>
    <message>
        <source>wide</source>
        <extracomment>Combo5(8)</extracomment>
        <translation>Breit</translation>
    </message>
    <message>
        <source>Arrow keys move, Enter or F2 edits the cell</source>
        <extracomment>Grid1</extracomment>
        <translation>Pfeiltasten bewegen, Eingabe oder F2 bearbeitet die Zelle</translation>
    </message>
    <message>
        <source>Receive frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Transmit frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>CTCSS/DCS</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>%1 channels sorted: %2.</source>
        <translation>%1 Kanäle sortiert: %2.</translation>
    </message>
    <message>
        <source>%1 channels moved up; the unused ones are at the group&apos;s end.</source>
        <translation>%1 Kanäle nach oben gerückt; die unbenutzten stehen am Ende der Gruppe.</translation>
    </message>
    <message>
        <source>Channels moved to %1.</source>
        <translation>Kanäle nach %1 verschoben.</translation>
    </message>
    <message>
        <source>Found: %1</source>
        <translation>Gefunden: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>„%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The channels were in that order already; nothing changed.</source>
        <translation>Die Kanäle waren schon so geordnet; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Sort(&amp;S)...</source>
        <translation>Sortieren(&amp;S)...</translation>
    </message>
    <message>
        <source>Compact(&amp;K)</source>
        <translation>Zusammenrücken(&amp;K)</translation>
    </message>
    <message>
        <source>Move to Other Group(&amp;G)</source>
        <translation>In die andere Gruppe verschieben(&amp;G)</translation>
    </message>
    <message>
        <source>Find(&amp;N)...</source>
        <translation>Suchen(&amp;N)...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>Find Duplicates(&amp;L)</source>
        <translation>Doppelte Kanäle suchen(&amp;L)</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>A frequency (such as 145.5), a name or a tone; Enter or F3 next, Shift+F3 previous</source>
        <translation>Eine Frequenz (etwa 145.5), ein Name oder ein CTCSS/DCS-Ton; Eingabe oder F3 weiter, Umschalt+F3 zurück</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Sort Channels</source>
        <translation>Kanäle sortieren</translation>
    </message>
    <message>
        <source>Sort by(&amp;K):</source>
        <translation>Sortieren nach(&amp;K):</translation>
    </message>
    <message>
        <source>Order(&amp;O):</source>
        <translation>Reihenfolge(&amp;O):</translation>
    </message>
    <message>
        <source>Unused channels go to the end.</source>
        <translation>Unbenutzte Kanäle kommen ans Ende.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>DTMF Rate：</source>
        <extracomment>Label16</extracomment>
        <translation>DTMF-Geschwindigkeit：</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>Combo16</extracomment>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>Combo16</extracomment>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>First Digital Delay：</source>
        <extracomment>Label17</extracomment>
        <translation>Verzögerung der ersten Ziffer：</translation>
    </message>
    <message>
        <source>0MS</source>
        <extracomment>Combo17</extracomment>
        <translation>0 ms</translation>
    </message>
    <message>
        <source>200MS</source>
        <extracomment>Combo17</extracomment>
        <translation>200 ms</translation>
    </message>
    <message>
        <source>400MS</source>
        <extracomment>Combo17</extracomment>
        <translation>400 ms</translation>
    </message>
    <message>
        <source>600MS</source>
        <extracomment>Combo17</extracomment>
        <translation>600 ms</translation>
    </message>
    <message>
        <source>800MS</source>
        <extracomment>Combo17</extracomment>
        <translation>800 ms</translation>
    </message>
    <message>
        <source>1000MS</source>
        <extracomment>Combo17</extracomment>
        <translation>1000 ms</translation>
    </message>
    <message>
        <source>1200MS</source>
        <extracomment>Combo17</extracomment>
        <translation>1200 ms</translation>
    </message>
    <message>
        <source>1400MS</source>
        <extracomment>Combo17</extracomment>
        <translation>1400 ms</translation>
    </message>
    <message>
        <source>1600MS</source>
        <extracomment>Combo17</extracomment>
        <translation>1600 ms</translation>
    </message>
    <message>
        <source>1800MS</source>
        <extracomment>Combo17</extracomment>
        <translation>1800 ms</translation>
    </message>
    <message>
        <source>ANI Start Code：</source>
        <extracomment>Label2</extracomment>
        <translation>ANI-Startcode：</translation>
    </message>
    <message>
        <source>ANI End Code：</source>
        <extracomment>Label4</extracomment>
        <translation>ANI-Endcode：</translation>
    </message>
    <message>
        <source>Start Send</source>
        <extracomment>Combo1</extracomment>
        <translation>Sendebeginn</translation>
    </message>
    <message>
        <source>End Send</source>
        <extracomment>Combo1</extracomment>
        <translation>Sendeende</translation>
    </message>
    <message>
        <source>Both</source>
        <extracomment>Combo1</extracomment>
        <translation>Beides</translation>
    </message>
    <message>
        <source>Group Call Code：</source>
        <extracomment>Label18</extracomment>
        <translation>Gruppenrufcode：</translation>
    </message>
    <message>
        <source>Empty</source>
        <extracomment>Combo18</extracomment>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Own Code：</source>
        <extracomment>Label3</extracomment>
        <translation>Eigener Code：</translation>
    </message>
    <message>
        <source>First Autodial Memory</source>
        <extracomment>Label1(0)</extracomment>
        <translation>Erster Wahlspeicher</translation>
    </message>
    <message>
        <source>Second Autodial Memory</source>
        <extracomment>Label1(1)</extracomment>
        <translation>Zweiter Wahlspeicher</translation>
    </message>
    <message>
        <source>Third Autodial Memory</source>
        <extracomment>Label1(2)</extracomment>
        <translation>Dritter Wahlspeicher</translation>
    </message>
    <message>
        <source>Fourth Autodial Memory</source>
        <extracomment>Label1(3)</extracomment>
        <translation>Vierter Wahlspeicher</translation>
    </message>
    <message>
        <source>Fifth Autodial Memory</source>
        <extracomment>Label1(4)</extracomment>
        <translation>Fünfter Wahlspeicher</translation>
    </message>
    <message>
        <source>Sixth Autodial Memory</source>
        <extracomment>Label1(5)</extracomment>
        <translation>Sechster Wahlspeicher</translation>
    </message>
    <message>
        <source>Seventh Autodial Memory</source>
        <extracomment>Label1(6)</extracomment>
        <translation>Siebter Wahlspeicher</translation>
    </message>
    <message>
        <source>Eight Autodial Memory</source>
        <extracomment>Label1(7)</extracomment>
        <translation>Achter Wahlspeicher</translation>
    </message>
    <message>
        <source>Auto-dialing Memory</source>
        <extracomment>Option1</extracomment>
        <translation>Wahlspeicher</translation>
    </message>
    <message>
        <source>Other Features</source>
        <extracomment>Option2</extracomment>
        <translation>Weitere Funktionen</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Optional Features</source>
        <translation>Zusatzfunktionen</translation>
    </message>
    <message>
        <source>A Display Mode:</source>
        <extracomment>Label1</extracomment>
        <translation>Anzeige A:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>Combo1</extracomment>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Fre And Channel</source>
        <extracomment>Combo1</extracomment>
        <translation>Freq. + Kanal</translation>
    </message>
    <message>
        <source>B Display Mode:</source>
        <extracomment>Label32</extracomment>
        <translation>Anzeige B:</translation>
    </message>
    <message>
        <source>Beep:</source>
        <extracomment>Label7</extracomment>
        <translation>Tastenton:</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Combo7</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Combo7</extracomment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Key Lock:</source>
        <extracomment>Label9</extracomment>
        <translation>Tastensperre:</translation>
    </message>
    <message>
        <source>Scan Mode:</source>
        <extracomment>LabelMod</extracomment>
        <translation>Suchlauf-Art:</translation>
    </message>
    <message>
        <source>Carry</source>
        <extracomment>ComboMod</extracomment>
        <translation>Träger</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>ComboMod</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>KeyLock Mode:</source>
        <extracomment>Label33</extracomment>
        <translation>Art der Tastensperre:</translation>
    </message>
    <message>
        <source>Power On Password:</source>
        <extracomment>Label12</extracomment>
        <translation>Einschaltpasswort:</translation>
    </message>
    <message>
        <source>FM Radio Search Mode:</source>
        <extracomment>Label17</extracomment>
        <translation>UKW-Suchlauf:</translation>
    </message>
    <message>
        <source>Manual</source>
        <extracomment>Combo13</extracomment>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Combo13</extracomment>
        <translation>Auto</translation>
    </message>
    <message>
        <source>FM Dual Watch:</source>
        <extracomment>Label13</extracomment>
        <translation>UKW-Zweikanalbetrieb:</translation>
    </message>
    <message>
        <source>Eliminate End-Noice:</source>
        <extracomment>Label35</extracomment>
        <translation>Rauschunterdrückung am Ende:</translation>
    </message>
    <message>
        <source>APO:</source>
        <extracomment>Label40</extracomment>
        <translation>Automatische Abschaltung:</translation>
    </message>
    <message>
        <source>1 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>2 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>3 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>3 Stunden</translation>
    </message>
    <message>
        <source>4 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>4 Stunden</translation>
    </message>
    <message>
        <source>5 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>5 Stunden</translation>
    </message>
    <message>
        <source>6 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>6 Stunden</translation>
    </message>
    <message>
        <source>7 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>7 Stunden</translation>
    </message>
    <message>
        <source>8 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>8 Stunden</translation>
    </message>
    <message>
        <source>9 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>9 Stunden</translation>
    </message>
    <message>
        <source>10 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>10 Stunden</translation>
    </message>
    <message>
        <source>11 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>11 Stunden</translation>
    </message>
    <message>
        <source>12 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>12 Stunden</translation>
    </message>
    <message>
        <source>13 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>13 Stunden</translation>
    </message>
    <message>
        <source>14 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>14 Stunden</translation>
    </message>
    <message>
        <source>15 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation>15 Stunden</translation>
    </message>
    <message>
        <source>Power on Mode:</source>
        <extracomment>Label38</extracomment>
        <translation>Einschaltanzeige:</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>Combo32</extracomment>
        <translation>AUS</translation>
    </message>
    <message>
        <source>DC</source>
        <extracomment>Combo32</extracomment>
        <translation>DC</translation>
    </message>
    <message>
        <source>MSG</source>
        <extracomment>Combo32</extracomment>
        <translation>Text</translation>
    </message>
    <message>
        <source>A Self-Regard Channel:</source>
        <extracomment>Label11</extracomment>
        <translation>Eigener Kanal A:</translation>
    </message>
    <message>
        <source>B Self-Regard Channel:</source>
        <extracomment>Label56</extracomment>
        <translation>Eigener Kanal B:</translation>
    </message>
    <message>
        <source>TDR Mode:</source>
        <extracomment>Label10</extracomment>
        <translation>Zweikanalbetrieb:</translation>
    </message>
    <message>
        <source>Return Channel:</source>
        <extracomment>Label55</extracomment>
        <translation>Rückkehrkanal:</translation>
    </message>
    <message>
        <source>Selected Channel</source>
        <extracomment>Combo39</extracomment>
        <translation>Gewählt</translation>
    </message>
    <message>
        <source>Current Call Channel</source>
        <extracomment>Combo39</extracomment>
        <translation>Rufkanal</translation>
    </message>
    <message>
        <source>A Channel Number:</source>
        <extracomment>Label6</extracomment>
        <translation>Kanalnummer A:</translation>
    </message>
    <message>
        <source>B Channel Number:</source>
        <extracomment>Label2</extracomment>
        <translation>Kanalnummer B:</translation>
    </message>
    <message>
        <source>A Step Frequency:</source>
        <extracomment>Label3</extracomment>
        <translation>Schrittweite A:</translation>
    </message>
    <message>
        <source>B Step Frequency:</source>
        <extracomment>Label43</extracomment>
        <translation>Schrittweite B:</translation>
    </message>
    <message>
        <source>A Squelch Level:</source>
        <extracomment>Label5</extracomment>
        <translation>Rauschsperre A:</translation>
    </message>
    <message>
        <source>B Squelch Level:</source>
        <extracomment>Label41</extracomment>
        <translation>Rauschsperre B:</translation>
    </message>
    <message>
        <source>Battery Save:</source>
        <extracomment>Label8</extracomment>
        <translation>Stromsparen:</translation>
    </message>
    <message>
        <source>Time-out Timer:</source>
        <extracomment>Label19</extracomment>
        <translation>Sendezeitbegrenzung:</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <extracomment>Combo19</extracomment>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>2 Minute</source>
        <extracomment>Combo19</extracomment>
        <translation>2 Minuten</translation>
    </message>
    <message>
        <source>3 Minute</source>
        <extracomment>Combo19</extracomment>
        <translation>3 Minuten</translation>
    </message>
    <message>
        <source>4 Minute</source>
        <extracomment>Combo19</extracomment>
        <translation>4 Minuten</translation>
    </message>
    <message>
        <source>5 Minute</source>
        <extracomment>Combo19</extracomment>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>6 Minute</source>
        <extracomment>Combo19</extracomment>
        <translation>6 Minuten</translation>
    </message>
    <message>
        <source>7 Minute</source>
        <extracomment>Combo19</extracomment>
        <translation>7 Minuten</translation>
    </message>
    <message>
        <source>ROGER:</source>
        <extracomment>Label18</extracomment>
        <translation>Rogerpiep:</translation>
    </message>
    <message>
        <source>Main Channel:</source>
        <extracomment>Label34</extracomment>
        <translation>Hauptkanal:</translation>
    </message>
    <message>
        <source>Group B</source>
        <extracomment>Combo33</extracomment>
        <translation>Gruppe B</translation>
    </message>
    <message>
        <source>Group A</source>
        <extracomment>Combo33</extracomment>
        <translation>Gruppe A</translation>
    </message>
    <message>
        <source>Lamp Mode:</source>
        <extracomment>Label36</extracomment>
        <translation>Hintergrundbeleuchtung:</translation>
    </message>
    <message>
        <source>Memory display Mode:</source>
        <extracomment>Label39</extracomment>
        <translation>Speicheranzeige:</translation>
    </message>
    <message>
        <source>Standby Mode:</source>
        <extracomment>Label54</extracomment>
        <translation>Bereitschaftsanzeige:</translation>
    </message>
    <message>
        <source>Single Show</source>
        <extracomment>Combo38</extracomment>
        <translation>Einzeilig</translation>
    </message>
    <message>
        <source>Double Show</source>
        <extracomment>Combo38</extracomment>
        <translation>Zweizeilig</translation>
    </message>
    <message>
        <source>Display Character:</source>
        <extracomment>Label31</extracomment>
        <translation>Anzeigetext:</translation>
    </message>
    <message>
        <source>Password:</source>
        <extracomment>Label42</extracomment>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>VOX Swith:</source>
        <extracomment>Label37</extracomment>
        <translation>Sprachsteuerung (VOX):</translation>
    </message>
    <message>
        <source>VOX Gain Level:</source>
        <extracomment>Label14</extracomment>
        <translation>VOX-Empfindlichkeit:</translation>
    </message>
    <message>
        <source>VOX Delay Time(s):</source>
        <extracomment>Label15</extracomment>
        <translation>VOX-Haltezeit (s):</translation>
    </message>
    <message>
        <source>Allow to Cancel Operating</source>
        <extracomment>Check12</extracomment>
        <translation>Abbrechen erlauben</translation>
    </message>
    <message>
        <source>Prohibit VOX in the receiving</source>
        <extracomment>Check13</extracomment>
        <translation>Keine Sprachsteuerung beim Empfang</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <extracomment>Label20</extracomment>
        <translation>Frequenz:</translation>
    </message>
    <message>
        <source>Offset Data:</source>
        <extracomment>Label21</extracomment>
        <translation>Ablage:</translation>
    </message>
    <message>
        <source>QT/DQT Dec:</source>
        <extracomment>Label22</extracomment>
        <translation>CTCSS/DCS Empfang:</translation>
    </message>
    <message>
        <source>QT/DQT Enc:</source>
        <extracomment>Label23</extracomment>
        <translation>CTCSS/DCS Senden:</translation>
    </message>
    <message>
        <source>Power:</source>
        <extracomment>Label24</extracomment>
        <translation>Sendeleistung:</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Combo24</extracomment>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Combo24</extracomment>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Off Set Frequency:</source>
        <extracomment>Label30</extracomment>
        <translation>Ablagerichtung:</translation>
    </message>
    <message>
        <source>Plus</source>
        <extracomment>Combo30</extracomment>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Minus</source>
        <extracomment>Combo30</extracomment>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Band:</source>
        <extracomment>Label27</extracomment>
        <translation>Bandbreite:</translation>
    </message>
    <message>
        <source>Narrow</source>
        <extracomment>Combo27</extracomment>
        <translation>Schmal</translation>
    </message>
    <message>
        <source>Wide</source>
        <extracomment>Combo27</extracomment>
        <translation>Breit</translation>
    </message>
    <message>
        <source>BusyChannel Lock:</source>
        <extracomment>Label25</extracomment>
        <translation>Sendesperre bei belegtem Kanal:</translation>
    </message>
    <message>
        <source>Add Scan:</source>
        <extracomment>Label26</extracomment>
        <translation>Suchlauf:</translation>
    </message>
    <message>
        <source>TX Stop:</source>
        <extracomment>Label28</extracomment>
        <translation>Sendesperre:</translation>
    </message>
    <message>
        <source>Companding:</source>
        <extracomment>Label29</extracomment>
        <translation>Kompander:</translation>
    </message>
    <message>
        <source>Scramble:</source>
        <extracomment>Label16</extracomment>
        <translation>Verschleierung:</translation>
    </message>
    <message>
        <source>FunctionSet</source>
        <extracomment>TabStrip1</extracomment>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>VFO Set</source>
        <extracomment>TabStrip1</extracomment>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Function Set</source>
        <extracomment>Frame2</extracomment>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>A Group VFO</source>
        <extracomment>Frame3</extracomment>
        <translation>VFO Gruppe A</translation>
    </message>
    <message>
        <source>B Group VFO</source>
        <extracomment>Frame5</extracomment>
        <translation>VFO Gruppe B</translation>
    </message>
    <message>
        <source>VOX</source>
        <extracomment>Frame1</extracomment>
        <translation>VOX</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Debugging Information</source>
        <translation>Abgleichwerte</translation>
    </message>
    <message>
        <source>High Sect</source>
        <extracomment>Label1(0)</extracomment>
        <translation>Oberer Bereich</translation>
    </message>
    <message>
        <source>Mid Sect</source>
        <extracomment>Label1(1)</extracomment>
        <translation>Mittlerer Bereich</translation>
    </message>
    <message>
        <source>Low Sect</source>
        <extracomment>Label1(2)</extracomment>
        <translation>Unterer Bereich</translation>
    </message>
    <message>
        <source>A Channel</source>
        <extracomment>SSTab1</extracomment>
        <translation>Kanal A</translation>
    </message>
    <message>
        <source>B Channel</source>
        <extracomment>SSTab1</extracomment>
        <translation>Kanal B</translation>
    </message>
    <message>
        <source>High Power Grades</source>
        <extracomment>Frame1(0)</extracomment>
        <translation>Hohe Sendeleistung</translation>
    </message>
    <message>
        <source>Middle Power Grades</source>
        <extracomment>Frame1(1)</extracomment>
        <translation>Mittlere Sendeleistung</translation>
    </message>
    <message>
        <source>Low Power Grades</source>
        <extracomment>Frame1(2)</extracomment>
        <translation>Niedrige Sendeleistung</translation>
    </message>
    <message>
        <source>High Power Grades, High Sect</source>
        <extracomment>Slider1(0)</extracomment>
        <translation>Hohe Sendeleistung, oberer Bereich</translation>
    </message>
    <message>
        <source>High Power Grades, Mid Sect</source>
        <extracomment>Slider1(1)</extracomment>
        <translation>Hohe Sendeleistung, mittlerer Bereich</translation>
    </message>
    <message>
        <source>High Power Grades, Low Sect</source>
        <extracomment>Slider1(2)</extracomment>
        <translation>Hohe Sendeleistung, unterer Bereich</translation>
    </message>
    <message>
        <source>Middle Power Grades, High Sect</source>
        <extracomment>Slider1(3)</extracomment>
        <translation>Mittlere Sendeleistung, oberer Bereich</translation>
    </message>
    <message>
        <source>Middle Power Grades, Mid Sect</source>
        <extracomment>Slider1(4)</extracomment>
        <translation>Mittlere Sendeleistung, mittlerer Bereich</translation>
    </message>
    <message>
        <source>Middle Power Grades, Low Sect</source>
        <extracomment>Slider1(5)</extracomment>
        <translation>Mittlere Sendeleistung, unterer Bereich</translation>
    </message>
    <message>
        <source>Low Power Grades, High Sect</source>
        <extracomment>Slider1(6)</extracomment>
        <translation>Niedrige Sendeleistung, oberer Bereich</translation>
    </message>
    <message>
        <source>Low Power Grades, Mid Sect</source>
        <extracomment>Slider1(7)</extracomment>
        <translation>Niedrige Sendeleistung, mittlerer Bereich</translation>
    </message>
    <message>
        <source>Low Power Grades, Low Sect</source>
        <extracomment>Slider1(8)</extracomment>
        <translation>Niedrige Sendeleistung, unterer Bereich</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>FM Channel Set</source>
        <translation>UKW-Rundfunkkanäle</translation>
    </message>
    <message>
        <source>FM VFO:</source>
        <extracomment>Label1(3)</extracomment>
        <translation>UKW-VFO:</translation>
    </message>
    <message>
        <source>Present Channel:</source>
        <extracomment>Label1(0)</extracomment>
        <translation>Aktueller Kanal:</translation>
    </message>
    <message>
        <source>FM Display Mode:</source>
        <extracomment>Label1(1)</extracomment>
        <translation>UKW-Anzeige:</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>Combo1(1)</extracomment>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>Combo1(1)</extracomment>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Frequency(MHz)</source>
        <extracomment>MSFGrid</extracomment>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Command1</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Command2</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Arrow keys move, Enter or F2 edits the cell</source>
        <extracomment>MSFGrid</extracomment>
        <translation>Pfeiltasten bewegen, Eingabe oder F2 bearbeitet die Zelle</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>KT-913 Radio Programming Software</source>
        <extracomment>lblTitle</extracomment>
        <translation>KT-913 Programmiersoftware</translation>
    </message>
    <message>
        <source>English edition V2.20</source>
        <extracomment>lblVersion</extracomment>
        <translation>Deutsche Ausgabe V2.20</translation>
    </message>
</context>
<context>
    <name>FrmKeys</name>
    <message>
        <source>Keyboard Use</source>
        <translation>Tastaturbedienung</translation>
    </message>
    <message>
        <source>Grids (channel edit, FM channels):</source>
        <translation>Tabellen (Kanäle, UKW-Rundfunkkanäle):</translation>
    </message>
    <message>
        <source>  Arrow keys, Page Up, Page Down: move to another cell.</source>
        <translation>  Pfeiltasten, Bild auf, Bild ab: zu einer anderen Zelle.</translation>
    </message>
    <message>
        <source>  Home, End: first or last cell of the row; Ctrl+Home, Ctrl+End: first or last channel.</source>
        <translation>  Pos1, Ende: erste oder letzte Zelle der Zeile; Strg+Pos1, Strg+Ende: erster oder letzter Kanal.</translation>
    </message>
    <message>
        <source>  Enter or F2: open the cell&apos;s editor.</source>
        <translation>  Eingabe oder F2: Zelle bearbeiten.</translation>
    </message>
    <message>
        <source>  In a text editor: Enter takes the entry, Escape leaves the cell as it was.</source>
        <translation>  Im Textfeld: Eingabe übernimmt, Esc lässt die Zelle, wie sie war.</translation>
    </message>
    <message>
        <source>  In a list: arrow keys choose, Enter takes the choice, Escape closes the list, a second Escape leaves the cell as it was.</source>
        <translation>  In einer Liste: Pfeiltasten wählen, Eingabe übernimmt, Esc schließt die Liste, ein zweites Esc lässt die Zelle, wie sie war.</translation>
    </message>
    <message>
        <source>  Tab, Shift+Tab: move between the grid and the window&apos;s other controls.</source>
        <translation>  Tab, Umschalt+Tab: zwischen der Tabelle und den übrigen Bedienelementen wechseln.</translation>
    </message>
    <message>
        <source>The channel edit grids also take:</source>
        <translation>Die Kanaltabellen kennen außerdem:</translation>
    </message>
    <message>
        <source>  Ctrl+Z, Ctrl+Y: undo, redo a change of the channels.</source>
        <translation>  Strg+Z, Strg+Y: Änderung der Kanäle rückgängig machen, wiederherstellen.</translation>
    </message>
    <message>
        <source>  Shift+arrow keys: select several rows; Ctrl+C, Ctrl+V: copy, paste channel rows (tab-separated text, to and from a spreadsheet).</source>
        <translation>  Umschalt+Pfeiltasten: mehrere Zeilen wählen; Strg+C, Strg+V: Kanalzeilen kopieren, einfügen (Text mit Tabulatoren, mit einer Tabellenkalkulation austauschbar).</translation>
    </message>
    <message>
        <source>  Insert: insert an empty row; Ctrl+Delete: delete the row; Alt+Up, Alt+Down: move the row up or down.</source>
        <translation>  Einfg: leere Zeile einfügen; Strg+Entf: Zeile löschen; Alt+Auf, Alt+Ab: Zeile nach oben oder unten verschieben.</translation>
    </message>
    <message>
        <source>  Shift+F10 or the menu key: the channel rows menu.</source>
        <translation>  Umschalt+F10 oder Menütaste: Menü der Kanalzeilen.</translation>
    </message>
    <message>
        <source>Sliders (debug information): arrow keys move by 1, Page Up and Page Down by 5, Home and End to either end.</source>
        <translation>Schieberegler (Abgleichwerte): Pfeiltasten um 1, Bild auf und Bild ab um 5, Pos1 und Ende an die Enden.</translation>
    </message>
    <message>
        <source>Tabs: Tab to the tabs, then the left and right arrow keys change the page.</source>
        <translation>Registerkarten: mit Tab zu den Karten, dann wechseln die Pfeiltasten links und rechts die Seite.</translation>
    </message>
    <message>
        <source>Menus: Alt with the underlined letter of a menu; each item shows its shortcut beside it.</source>
        <translation>Menüs: Alt mit dem unterstrichenen Buchstaben eines Menüs; neben jedem Eintrag steht sein Tastenkürzel.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>  Ctrl+F: find (a frequency, a name or a tone); Enter or F3: next match, Shift+F3: previous; Escape closes the find bar.</source>
        <translation>  Strg+F: suchen (Frequenz, Name oder CTCSS/DCS); Eingabe oder F3: nächster Treffer, Umschalt+F3: voriger; Esc schließt die Suchleiste.</translation>
    </message>
    <message>
        <source>  Drag rows by their labels (A1…) to move them; drop them onto the other group&apos;s tab to move them into that group.</source>
        <translation>  Zeilen an ihren Beschriftungen (A1…) ziehen, um sie zu verschieben; auf dem Reiter der anderen Gruppe abgelegt, wandern sie in diese Gruppe.</translation>
    </message>
</context>
<context>
    <name>FrmPrint</name>
    <message>
        <source>Export to PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source> Print preview</source>
        <translation> Druckvorschau</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>The read succeeded, but its backup could not be kept: %1</source>
        <translation>Das Auslesen ist gelungen, die Sicherung ließ sich aber nicht speichern: %1</translation>
    </message>
    <message>
        <source>Serial devices belong to the dialout group: run sudo usermod -aG dialout $USER, then log in again.</source>
        <translation>Serielle Schnittstellen gehören der Gruppe dialout: sudo usermod -aG dialout $USER ausführen, dann neu anmelden.</translation>
    </message>
    <message>
        <source>The serial trace %1 cannot be written (%2); the transfer goes on without it.</source>
        <translation>Das Protokoll %1 der Schnittstelle lässt sich nicht schreiben (%2); die Übertragung läuft ohne weiter.</translation>
    </message>
    <message>
        <source> (closed)</source>
        <translation> (geschlossen)</translation>
    </message>
    <message>
        <source>Serial port %1 could not be opened</source>
        <translation>Die serielle Schnittstelle %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>KT-913 Radio Programming Software</source>
        <translation>KT-913 Programmiersoftware</translation>
    </message>
    <message>
        <source>The kt913 project · free software</source>
        <extracomment>StatusBar1</extracomment>
        <translation>Das Projekt kt913 · freie Software</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <extracomment>MNFile</extracomment>
        <translation>Datei(&amp;F)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <extracomment>MNNew</extracomment>
        <translation>Neu(&amp;N)</translation>
    </message>
    <message>
        <source>Open(&amp;O)</source>
        <extracomment>MNOpen</extracomment>
        <translation>Öffnen(&amp;O)</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <extracomment>MNSave</extracomment>
        <translation>Speichern(&amp;S)</translation>
    </message>
    <message>
        <source>Import CSV(&amp;I)...</source>
        <extracomment>MNImportCsv</extracomment>
        <translation>CSV importieren(&amp;I)...</translation>
    </message>
    <message>
        <source>Export CSV(&amp;E)...</source>
        <extracomment>MNExportCsv</extracomment>
        <translation>CSV exportieren(&amp;E)...</translation>
    </message>
    <message>
        <source>Print(&amp;P)</source>
        <extracomment>MNPrint</extracomment>
        <translation>Drucken(&amp;P)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <extracomment>MNQuit</extracomment>
        <translation>Beenden(&amp;Q)</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <extracomment>MNEdit</extracomment>
        <translation>Bearbeiten(&amp;E)</translation>
    </message>
    <message>
        <source>Channel Edit(&amp;M)</source>
        <extracomment>MNModel</extracomment>
        <translation>Kanäle bearbeiten(&amp;M)</translation>
    </message>
    <message>
        <source>DTMF(&amp;D)</source>
        <extracomment>MNDTMF</extracomment>
        <translation>DTMF(&amp;D)</translation>
    </message>
    <message>
        <source>Optional Features(&amp;P)</source>
        <extracomment>MNOption</extracomment>
        <translation>Zusatzfunktionen(&amp;P)</translation>
    </message>
    <message>
        <source>FM Channel Set</source>
        <extracomment>MNFMset</extracomment>
        <translation>UKW-Rundfunkkanäle</translation>
    </message>
    <message>
        <source>Debug Information(&amp;B)</source>
        <extracomment>MNDebug</extracomment>
        <translation>Abgleichwerte(&amp;B)</translation>
    </message>
    <message>
        <source>Programming(&amp;G)</source>
        <extracomment>MNProgram</extracomment>
        <translation>Programmieren(&amp;G)</translation>
    </message>
    <message>
        <source>Read Data from the Transceive(&amp;R)</source>
        <extracomment>MNRead</extracomment>
        <translation>Funkgerät auslesen(&amp;R)</translation>
    </message>
    <message>
        <source>Write Data in the Transceive(&amp;W)</source>
        <extracomment>MNWrite</extracomment>
        <translation>In das Funkgerät schreiben(&amp;W)</translation>
    </message>
    <message>
        <source>Verify after Writing(&amp;V)</source>
        <extracomment>MNVerify</extracomment>
        <translation>Nach dem Schreiben prüfen(&amp;V)</translation>
    </message>
    <message>
        <source>Communication Port(&amp;C)</source>
        <extracomment>MNCommPort</extracomment>
        <translation>Schnittstelle(&amp;C)</translation>
    </message>
    <message>
        <source>Other Port(&amp;O)...</source>
        <extracomment>MNOtherPort</extracomment>
        <translation>Andere Schnittstelle(&amp;O)...</translation>
    </message>
    <message>
        <source>Language Select(&amp;L)</source>
        <extracomment>MNLanguage</extracomment>
        <translation>Sprache(&amp;L)</translation>
    </message>
    <message>
        <source>Chinese(&amp;C)</source>
        <extracomment>MNChinese</extracomment>
        <translation>Chinesisch(&amp;C)</translation>
    </message>
    <message>
        <source>English(&amp;E)</source>
        <extracomment>MNEnglish</extracomment>
        <translation>Englisch(&amp;E)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <extracomment>MNHelp</extracomment>
        <translation>Hilfe(&amp;H)</translation>
    </message>
    <message>
        <source>Help Theme</source>
        <extracomment>MNF1</extracomment>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Keyboard Use(&amp;K)</source>
        <extracomment>MNKeys</extracomment>
        <translation>Tastaturbedienung(&amp;K)</translation>
    </message>
    <message>
        <source>Software Information</source>
        <extracomment>MNAbout</extracomment>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <source>Range:</source>
        <extracomment>Label1</extracomment>
        <translation>Frequenzbereich:</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>TNew</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>TOpen</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>TSave</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Read Data from the Transceive</source>
        <extracomment>TRead</extracomment>
        <translation>Funkgerät auslesen</translation>
    </message>
    <message>
        <source>Write Data in the Transceive</source>
        <extracomment>TWrite</extracomment>
        <translation>In das Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Lock forced writing</source>
        <extracomment>TAnMa</extracomment>
        <translation>Erzwungenes Schreiben sperren</translation>
    </message>
    <message>
        <source>Press twice within a second</source>
        <extracomment>TAnMa</extracomment>
        <translation>Innerhalb einer Sekunde zweimal drücken</translation>
    </message>
    <message>
        <source>Lock debugging</source>
        <extracomment>TDebug</extracomment>
        <translation>Abgleich sperren</translation>
    </message>
    <message>
        <source>Communication Port</source>
        <extracomment>ComboCom</extracomment>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>Zuletzt geöffnet(&amp;R)</translation>
    </message>
    <message>
        <source>Preview before Writing(&amp;P)</source>
        <translation>Vorschau vor dem Schreiben(&amp;P)</translation>
    </message>
    <message>
        <source>Compare with Radio(&amp;M)</source>
        <translation>Mit dem Funkgerät vergleichen(&amp;M)</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>Mistake</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The radio could not be read back after writing, so the write is not verified. Check the radio, the line and the serial connection selection!</source>
        <translation>Das Funkgerät ließ sich nach dem Schreiben nicht zurücklesen, das Schreiben ist nicht geprüft. Funkgerät, Kabel und gewählte Schnittstelle prüfen!</translation>
    </message>
    <message>
        <source>Write verification failed: %1 byte(s) differ from what was written, the first at address %2.</source>
        <translation>Prüfung nach dem Schreiben fehlgeschlagen: %1 Byte weichen vom Geschriebenen ab, das erste an Adresse %2.</translation>
    </message>
    <message>
        <source>Verifying, please wait a moment.</source>
        <translation>Es wird geprüft, bitte warten.</translation>
    </message>
    <message>
        <source>Verified: the radio reads back exactly what was written.</source>
        <translation>Geprüft: das Funkgerät liest genau das zurück, was geschrieben wurde.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>The serial port is invalid</source>
        <translation>Die serielle Schnittstelle ist ungültig</translation>
    </message>
    <message>
        <source>Serial port%1Invalid or has already been used by other procedures, please choose other bunches of mouths or close its procedure.</source>
        <translation>Die serielle Schnittstelle %1 ist ungültig oder von einem anderen Programm belegt. Bitte eine andere Schnittstelle wählen oder das Programm schließen.</translation>
    </message>
    <message>
        <source>Reading frequently, please wait a moment.</source>
        <translation>Das Funkgerät wird ausgelesen, bitte warten.</translation>
    </message>
    <message>
        <source>Reading……</source>
        <translation>Auslesen…</translation>
    </message>
    <message>
        <source>Writing frequently, please wait a moment.</source>
        <translation>Das Funkgerät wird programmiert, bitte warten.</translation>
    </message>
    <message>
        <source>Writing……</source>
        <translation>Schreiben…</translation>
    </message>
    <message>
        <source>Reading succeeds frequently!</source>
        <translation>Auslesen erfolgreich!</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Writing succeeds frequently!</source>
        <translation>Schreiben erfolgreich!</translation>
    </message>
    <message>
        <source>The frequency band is not accorded with, can&apos;t write into!</source>
        <translation>Der Frequenzbereich passt nicht zum Funkgerät, Schreiben nicht möglich!</translation>
    </message>
    <message>
        <source>The frequency band is not accorded with, whether write into by force?</source>
        <translation>Der Frequenzbereich passt nicht zum Funkgerät. Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>Be careful</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Communication error, check the line and the serial connection selection!</source>
        <translation>Übertragungsfehler: Funkgerät, Kabel und gewählte Schnittstelle prüfen!</translation>
    </message>
    <message>
        <source>Unsaved data will be lost, sure?</source>
        <translation>Nicht gespeicherte Daten gehen verloren. Fortfahren?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>File type is incorrect!</source>
        <translation>Falscher Dateityp!</translation>
    </message>
    <message>
        <source>File is incomplete!</source>
        <translation>Die Datei ist unvollständig!</translation>
    </message>
    <message>
        <source>Confirm that withdraws from a procedure?<byte value="xd"/>
Lose all in change not kept!</source>
        <translation>Das Programm beenden?<byte value="xd"/>
Alle nicht gespeicherten Änderungen gehen verloren!</translation>
    </message>
    <message>
        <source>Beyond the scope of frequency band</source>
        <translation>Außerhalb des Frequenzbereichs</translation>
    </message>
    <message>
        <source>Changing the frequency band will remove the channel tabulation, confirm?</source>
        <translation>Ein Wechsel des Frequenzbereichs löscht die Kanalliste. Fortfahren?</translation>
    </message>
    <message>
        <source>Be careful!</source>
        <translation>Achtung!</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1</source>
        <translation>Die Datei lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>The file cannot be saved: %1</source>
        <translation>Die Datei lässt sich nicht speichern: %1</translation>
    </message>
    <message>
        <source>%1 channels are outside the radio&apos;s band</source>
        <translation>%1 Kanäle liegen außerhalb des Frequenzbereichs des Funkgeräts</translation>
    </message>
    <message>
        <source>The group&apos;s last channel, %1, is in use: there is no room to insert. Delete or move it first.</source>
        <translation>Der letzte Kanal der Gruppe, %1, ist belegt: kein Platz zum Einfügen. Ihn zuerst löschen oder verschieben.</translation>
    </message>
    <message>
        <source>%1 channels to paste, but the group has only %2 from the current row on: nothing was pasted.</source>
        <translation>%1 Kanäle sollen eingefügt werden, die Gruppe hat ab der aktuellen Zeile aber nur %2: nichts eingefügt.</translation>
    </message>
    <message>
        <source>The paste replaces channels in use: %1. Go on?</source>
        <translation>Das Einfügen ersetzt belegte Kanäle: %1. Fortfahren?</translation>
    </message>
    <message>
        <source>These rows cannot be pasted; their channels stay as they were:
%1</source>
        <translation>Diese Zeilen lassen sich nicht einfügen; ihre Kanäle bleiben, wie sie waren:
%1</translation>
    </message>
    <message>
        <source>The clipboard holds no channel rows.</source>
        <translation>Die Zwischenablage enthält keine Kanalzeilen.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text cannot be pasted: %1</source>
        <translation>Der Text der Zwischenablage lässt sich nicht einfügen: %1</translation>
    </message>
    <message>
        <source>%1 channels to move, but the other group has only %2 left after its last channel in use: nothing was moved.</source>
        <translation>%1 Kanäle zu verschieben, aber die andere Gruppe hat nach ihrem letzten belegten Kanal nur noch %2 frei: nichts verschoben.</translation>
    </message>
    <message>
        <source>%1 channels share their receive frequency and tones with another channel; they are selected.</source>
        <translation>%1 Kanäle haben Empfangsfrequenz und CTCSS/DCS mit einem anderen Kanal gemeinsam; sie sind markiert.</translation>
    </message>
    <message>
        <source>Find Duplicates</source>
        <translation>Doppelte Kanäle suchen</translation>
    </message>
    <message>
        <source>No two channels share their receive frequency and tones.</source>
        <translation>Keine zwei Kanäle haben dieselbe Empfangsfrequenz und dieselben CTCSS/DCS-Töne.</translation>
    </message>
    <message>
        <source>The file cannot be found:
%1
It has been taken off Recent Files.</source>
        <translation>Die Datei ist nicht zu finden:
%1
Sie wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
</context>
<context>
    <name>PortPathDialog</name>
    <message>
        <source>Serial device path(&amp;P):</source>
        <translation>Pfad der seriellen Schnittstelle(&amp;P):</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>KT-913 Interphone </source>
        <translation>KT-913 Funkgerät: </translation>
    </message>
    <message>
        <source>programming data are printed</source>
        <translation>Programmierdaten</translation>
    </message>
    <message>
        <source>Function set</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>The whole frequency frequently</source>
        <translation>Frequenzen</translation>
    </message>
    <message>
        <source>VOX(Voice control launches)</source>
        <translation>VOX (Sprachsteuerung)</translation>
    </message>
    <message>
        <source>Whether%1</source>
        <translation>%1?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Abgleichwerte</translation>
    </message>
    <message>
        <source>A Channel data</source>
        <translation>Kanaldaten Gruppe A</translation>
    </message>
    <message>
        <source>B Channel data</source>
        <translation>Kanaldaten Gruppe B</translation>
    </message>
</context>
<context>
    <name>FrmCompare</name>
    <message>
        <source>Where</source>
        <translation>Stelle</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>On the radio</source>
        <translation>Im Funkgerät</translation>
    </message>
    <message>
        <source>In the editors</source>
        <translation>Im Programm</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation>Mit dem Funkgerät vergleichen</translation>
    </message>
    <message>
        <source>Close(&amp;C)</source>
        <translation>Schließen(&amp;C)</translation>
    </message>
    <message>
        <source>reserved flag</source>
        <translation>reserviertes Flag</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>aktiviert</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>nicht aktiviert</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Frequenzbereich</translation>
    </message>
    <message>
        <source>Nothing differs</source>
        <translation>Kein Unterschied</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 Kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 Einstellung</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 Einstellungen</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source> differs</source>
        <translation> unterscheidet sich</translation>
    </message>
    <message>
        <source> differ</source>
        <translation> unterscheiden sich</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
</context>
<context>
    <name>FrmWritePreview</name>
    <message>
        <source>Where</source>
        <translation>Stelle</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>On the radio</source>
        <translation>Im Funkgerät</translation>
    </message>
    <message>
        <source>In the editors</source>
        <translation>Im Programm</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Preview before Writing</source>
        <translation>Vorschau vor dem Schreiben</translation>
    </message>
    <message>
        <source>Writing replaces these values on the radio with those in the editors. Write now?</source>
        <translation>Das Schreiben ersetzt diese Werte im Funkgerät durch die im Programm. Jetzt schreiben?</translation>
    </message>
    <message>
        <source>Write(&amp;W)</source>
        <translation>Schreiben(&amp;W)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
