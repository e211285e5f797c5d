<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>The program&apos;s version and the sources of its price-index data</source>
        <translation>Die Version des Programms und die Quellen seiner Preisindexdaten</translation>
    </message>
    <message>
        <source>Name of the program</source>
        <translation>Name des Programms</translation>
    </message>
    <message>
        <source>Version of the program</source>
        <translation>Version des Programms</translation>
    </message>
    <message>
        <source>Caption of the price-index sources</source>
        <translation>Überschrift der Preisindexquellen</translation>
    </message>
    <message>
        <source>Where the shipped price indexes come from and under which licences</source>
        <translation>Woher die mitgelieferten Preisindizes stammen und unter welchen Lizenzen</translation>
    </message>
    <message>
        <source>Close this window (Enter or Esc)</source>
        <translation>Dieses Fenster schließen (Eingabe oder Esc)</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Buttons for the most used commands</source>
        <translation>Schaltflächen für die meistgenutzten Befehle</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Line under the toolbar</source>
        <translation>Linie unter der Symbolleiste</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <extracomment>%1 is a column heading of the data grid, %2 the row number on screen</extracomment>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>%1, data record on row %2 of the page</source>
        <extracomment>%1 says what the column holds, %2 is the row number on screen</extracomment>
        <translation>%1, Datensatz in Zeile %2 der Seite</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Empty the %1 box</source>
        <extracomment>%1 is the name of the text box</extracomment>
        <translation>Das Feld %1 leeren</translation>
    </message>
    <message>
        <source>The %1 menu</source>
        <extracomment>%1 is the menu&apos;s title, such as File or Edit</extracomment>
        <translation>Das Menü %1</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>The menus of this window</source>
        <translation>Die Menüs dieses Fensters</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>The picture has no size.</source>
        <translation>Das Bild hat keine Größe.</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of that size.</source>
        <translation>Für ein Bild dieser Größe reicht der Speicher nicht.</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>Das Bild konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <source>The PDF page could not be started.</source>
        <translation>Die PDF-Seite konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Aktueller Betrag</translation>
    </message>
    <message>
        <source>Current Amount AFI</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Inflationsbereinigter Betrag</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Ursprungsbetrag</translation>
    </message>
    <message>
        <source>Lost to inflation</source>
        <translation>An die Inflation verloren</translation>
    </message>
    <message>
        <source>Gained from falling prices</source>
        <translation>Durch fallende Preise gewonnen</translation>
    </message>
    <message>
        <source>AFI carried (no rate)</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Infl.-ber. übernommen (keine Rate)</translation>
    </message>
    <message>
        <source>Skipped record</source>
        <translation>Übersprungener Datensatz</translation>
    </message>
    <message>
        <source>This investment has no data records yet, so there is nothing to draw. Add a record with Add New under the grid.</source>
        <translation>Diese Anlage hat noch keine Datensätze, daher gibt es nichts zu zeichnen. Fügen Sie mit „Neu hinzufügen“ unter der Tabelle einen Datensatz hinzu.</translation>
    </message>
    <message>
        <source>No data record of this investment has both amounts above 0, so there is nothing to draw.</source>
        <translation>Kein Datensatz dieser Anlage hat beide Beträge über 0, daher gibt es nichts zu zeichnen.</translation>
    </message>
    <message>
        <source>No inflation rate has been entered for this investment yet, so there is no amount adjusted for inflation to draw.</source>
        <translation>Für diese Anlage wurde noch keine Inflationsrate eingegeben, daher gibt es keinen inflationsbereinigten Betrag zu zeichnen.</translation>
    </message>
    <message>
        <source>Q%1 %2</source>
        <extracomment>A quarter on the date axis: %1 the quarter (1 to 4), %2 the year</extracomment>
        <translation>Q%1 %2</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>The shown investment&apos;s current amount against its amount adjusted for inflation</source>
        <translation>Der aktuelle Betrag der gezeigten Anlage im Vergleich zum inflationsbereinigten Betrag</translation>
    </message>
    <message>
        <source>Save the chart as a PNG picture</source>
        <translation>Das Diagramm als PNG-Bild speichern</translation>
    </message>
    <message>
        <source>Save the chart as a PDF document</source>
        <translation>Das Diagramm als PDF-Dokument speichern</translation>
    </message>
    <message>
        <source>Figures of the picked record</source>
        <translation>Zahlen des gewählten Datensatzes</translation>
    </message>
    <message>
        <source>No record picked</source>
        <translation>Kein Datensatz gewählt</translation>
    </message>
    <message>
        <source>Returns of the shown investment</source>
        <translation>Renditen der gezeigten Anlage</translation>
    </message>
    <message>
        <source>No returns</source>
        <translation>Keine Renditen</translation>
    </message>
    <message>
        <source>Save as P&amp;NG…</source>
        <translation>Als P&amp;NG speichern…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Als P&amp;DF speichern…</translation>
    </message>
    <message>
        <source>There is no investment to chart yet. Add one with the New Investment Record command.</source>
        <translation>Es gibt noch keine Anlage für ein Diagramm. Legen Sie eine mit dem Befehl „Neue Anlage“ an.</translation>
    </message>
    <message>
        <source>The data history cannot be read: line %1 of &quot;%2&quot; gives error %3 (%4).</source>
        <extracomment>%1 a line number, %2 a file, %3 an error number, %4 its description</extracomment>
        <translation>Der Datenverlauf kann nicht gelesen werden: Zeile %1 von „%2“ ergibt Fehler %3 (%4).</translation>
    </message>
    <message>
        <source>The data history &quot;%1&quot; cannot be read: error %2 (%3).</source>
        <extracomment>%1 a file, %2 an error number, %3 its description</extracomment>
        <translation>Der Datenverlauf „%1“ kann nicht gelesen werden: Fehler %2 (%3).</translation>
    </message>
    <message>
        <source>Chart</source>
        <extracomment>%1 the investment&apos;s type and institution</extracomment>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Diagramm: %1</translation>
    </message>
    <message>
        <source>No record to read</source>
        <translation>Kein Datensatz zum Lesen</translation>
    </message>
    <message>
        <source>Point at a record, or use the Left and Right keys, to read its figures.</source>
        <translation>Zeigen Sie auf einen Datensatz oder verwenden Sie die Pfeiltasten links und rechts, um seine Zahlen zu lesen.</translation>
    </message>
    <message>
        <source>Record %1, %2: Original Amount %3; Current Amount %4; Inflation Rate (%) %5</source>
        <extracomment>%1 the record number, %2 its date, %3 to %5 amounts and the rate</extracomment>
        <translation>Datensatz %1, %2: Ursprungsbetrag %3; aktueller Betrag %4; Inflationsrate (%) %5</translation>
    </message>
    <message>
        <source>Inc/Dec %1; Profit/Loss %2; Loss To Inflation %3; Current Amount AFI %4; Profit/Loss AFI %5</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Zu-/Abnahme %1; Gewinn/Verlust %2; Inflationsverlust %3; inflationsbereinigter Betrag %4; inflationsbereinigter Gewinn/Verlust %5</translation>
    </message>
    <message>
        <source>No inflation rate entered: the loss to inflation and both AFI figures are carried from the record before.</source>
        <translation>Keine Inflationsrate eingegeben: Der Inflationsverlust und beide inflationsbereinigten Zahlen werden vom vorigen Datensatz übernommen.</translation>
    </message>
    <message>
        <source>An amount is at or below 0: nothing is computed for this record; the figures stand as they were.</source>
        <translation>Ein Betrag ist 0 oder kleiner: Für diesen Datensatz wird nichts berechnet; die Zahlen bleiben, wie sie waren.</translation>
    </message>
    <message>
        <source>Save Chart as PNG</source>
        <translation>Diagramm als PNG speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved to &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <extracomment>%1 a file, %2 why</extracomment>
        <translation>Das Diagramm konnte nicht unter „%1“ gespeichert werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Save Chart as PDF</source>
        <translation>Diagramm als PDF speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Plumbline 3.5 keeps track of personal investments and shows how their value holds up against inflation. It takes no arguments; the data lives in its data folder.</source>
        <translation>Plumbline 3.5 verfolgt private Geldanlagen und zeigt, wie sich ihr Wert gegen die Inflation behauptet. Es nimmt keine Argumente entgegen; die Daten liegen in seinem Datenordner.</translation>
    </message>
    <message>
        <source>plumbline: unexpected argument &quot;%1&quot; (see --help)</source>
        <translation>plumbline: unerwartetes Argument „%1“ (siehe --help)</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The investment delete that was interrupted cannot be completed from the files in the data folder. It had not changed &quot;%1&quot; or &quot;%2&quot; yet, so it was undone: both are as they were before it.</source>
        <translation>Das unterbrochene Löschen einer Anlage kann mit den Dateien im Datenordner nicht abgeschlossen werden. Es hatte „%1“ und „%2“ noch nicht geändert und wurde daher rückgängig gemacht: Beide sind wie zuvor.</translation>
    </message>
    <message>
        <source>The note of an interrupted investment delete cannot be read, so whether &quot;%1&quot; and &quot;%2&quot; still belong together is not known. Both were moved aside with it.</source>
        <translation>Die Notiz eines unterbrochenen Löschens einer Anlage kann nicht gelesen werden, daher ist unbekannt, ob „%1“ und „%2“ noch zusammengehören. Beide wurden mit ihr beiseitegelegt.</translation>
    </message>
    <message>
        <source>The investment delete that was interrupted cannot be completed from the files in the data folder, and whether it had already replaced %1 is not known, so they may no longer belong together. Both were moved aside with it.</source>
        <translation>Das unterbrochene Löschen einer Anlage kann mit den Dateien im Datenordner nicht abgeschlossen werden, und ob es %1 bereits ersetzt hatte, ist unbekannt; daher gehören sie womöglich nicht mehr zusammen. Beide wurden mit ihm beiseitegelegt.</translation>
    </message>
    <message>
        <source>The investment delete that was interrupted cannot be completed from the files in the data folder. It had already replaced %1 but not %2, and they no longer belong together (investments would show the records of others), so both were moved aside with it.</source>
        <translation>Das unterbrochene Löschen einer Anlage kann mit den Dateien im Datenordner nicht abgeschlossen werden. Es hatte %1 bereits ersetzt, %2 aber nicht, und sie gehören nicht mehr zusammen (Anlagen würden die Datensätze anderer zeigen); daher wurden beide mit ihm beiseitegelegt.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a folder, pipe or device); nothing was read.</source>
        <translation>%1 ist keine reguläre Datei (sondern ein Ordner, eine Pipe oder ein Gerät); es wurde nichts gelesen.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>an unfinished change is pending in &quot;%1&quot;; start Plumbline once to complete it</source>
        <translation>in „%1“ steht eine unvollendete Änderung aus; starten Sie Plumbline einmal, um sie abzuschließen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be moved into the folder &quot;%2&quot;.</source>
        <extracomment>%1 is a file&apos;s name, %2 the folder of recovered files.</extracomment>
        <translation>„%1“ kann nicht in den Ordner „%2“ verschoben werden.</translation>
    </message>
    <message>
        <source>investments copied out by an investment delete</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>Anlagen, die beim Löschen einer Anlage herauskopiert wurden</translation>
    </message>
    <message>
        <source>the new data history of an investment delete</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>der neue Datenverlauf beim Löschen einer Anlage</translation>
    </message>
    <message>
        <source>data records of the investments not being edited</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>Datensätze der Anlagen, die nicht bearbeitet werden</translation>
    </message>
    <message>
        <source>data records of the investment being edited</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>Datensätze der Anlage, die bearbeitet wird</translation>
    </message>
    <message>
        <source>data records of the investment last shown</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>Datensätze der zuletzt angezeigten Anlage</translation>
    </message>
    <message>
        <source>the investment file</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>die Anlagendatei</translation>
    </message>
    <message>
        <source>the data history</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>der Datenverlauf</translation>
    </message>
    <message>
        <source>the note of an investment delete that was not completed</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>die Notiz eines nicht abgeschlossenen Löschens einer Anlage</translation>
    </message>
    <message>
        <source>an unfinished new copy of &quot;%1&quot;, not complete</source>
        <extracomment>Describes a file left in the data folder; %1 is the name of the data file it was to replace.</extracomment>
        <translation>eine unfertige neue Kopie von „%1“, nicht vollständig</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two names of files, either one (&quot;A&quot; or &quot;B&quot;).</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two names of files, both of them (&quot;A&quot; and &quot;B&quot;).</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: error %2: %3</source>
        <extracomment>%1 is a file, %2 an error number, %3 the error&apos;s description.</extracomment>
        <translation>„%1“: Fehler %2: %3</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>%1 is a list of line numbers (&quot;2, 3, 4&quot;), %2 how many more lines there are.</extracomment>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>there are no investments</source>
        <translation>es gibt keine Anlagen</translation>
    </message>
    <message>
        <source>investments are numbered 1 to %1</source>
        <extracomment>%1 is the number of the last investment.</extracomment>
        <translation>die Anlagen sind von 1 bis %1 nummeriert</translation>
    </message>
    <message>
        <source>1 line of &quot;%1&quot; names no investment (%2) and is not exported: line %3</source>
        <extracomment>%1 is the history file, %2 says which investments exist, %3 the line&apos;s number.</extracomment>
        <translation>1 Zeile von „%1“ nennt keine Anlage (%2) und wird nicht exportiert: Zeile %3</translation>
    </message>
    <message>
        <source>1 line of &quot;%1&quot; names no investment (%2) and is not in the report: line %3</source>
        <extracomment>%1 is the history file, %2 says which investments exist, %3 the line&apos;s number.</extracomment>
        <translation>1 Zeile von „%1“ nennt keine Anlage (%2) und steht nicht im Bericht: Zeile %3</translation>
    </message>
    <message>
        <source>1 line of &quot;%1&quot; names no investment (%2) and is not counted: line %3</source>
        <extracomment>%1 is the history file, %2 says which investments exist, %3 the line&apos;s number.</extracomment>
        <translation>1 Zeile von „%1“ nennt keine Anlage (%2) und wird nicht gezählt: Zeile %3</translation>
    </message>
    <message>
        <source>%1 lines of &quot;%2&quot; name no investment (%3) and are not exported: lines %4</source>
        <extracomment>%1 is how many lines, %2 the history file, %3 says which investments exist, %4 the lines&apos; numbers.</extracomment>
        <translation>%1 Zeilen von „%2“ nennen keine Anlage (%3) und werden nicht exportiert: Zeilen %4</translation>
    </message>
    <message>
        <source>%1 lines of &quot;%2&quot; name no investment (%3) and are not in the report: lines %4</source>
        <extracomment>%1 is how many lines, %2 the history file, %3 says which investments exist, %4 the lines&apos; numbers.</extracomment>
        <translation>%1 Zeilen von „%2“ nennen keine Anlage (%3) und stehen nicht im Bericht: Zeilen %4</translation>
    </message>
    <message>
        <source>%1 lines of &quot;%2&quot; name no investment (%3) and are not counted: lines %4</source>
        <extracomment>%1 is how many lines, %2 the history file, %3 says which investments exist, %4 the lines&apos; numbers.</extracomment>
        <translation>%1 Zeilen von „%2“ nennen keine Anlage (%3) und werden nicht gezählt: Zeilen %4</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The file holds binary data (NUL bytes): it is not a CSV text file.</source>
        <translation>Die Datei enthält Binärdaten (NUL-Bytes): Sie ist keine CSV-Textdatei.</translation>
    </message>
    <message>
        <source>The file starts as UTF-8 text but holds bytes that are not UTF-8.</source>
        <translation>Die Datei beginnt als UTF-8-Text, enthält aber Bytes, die kein UTF-8 sind.</translation>
    </message>
    <message>
        <source>The file holds bytes that are neither UTF-8 nor Windows-1252 text.</source>
        <translation>Die Datei enthält Bytes, die weder UTF-8- noch Windows-1252-Text sind.</translation>
    </message>
    <message>
        <source>The file holds control characters: it is not a CSV text file.</source>
        <translation>Die Datei enthält Steuerzeichen: Sie ist keine CSV-Textdatei.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, too large to import.</source>
        <translation>Die Datei ist größer als %1 MB und damit zu groß für den Import.</translation>
    </message>
    <message>
        <source>Line %1: a quoted field is not closed.</source>
        <translation>Zeile %1: Ein Feld in Anführungszeichen wird nicht geschlossen.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Ursprungsbetrag</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Aktueller Betrag</translation>
    </message>
    <message>
        <source>Inflation Rate</source>
        <translation>Inflationsrate</translation>
    </message>
    <message>
        <source>the date is missing</source>
        <translation>das Datum fehlt</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; reads both as month/day and as day/month</source>
        <translation>das Datum „%1“ lässt sich als Monat/Tag und als Tag/Monat lesen</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; is not a date</source>
        <translation>„%1“ ist kein Datum</translation>
    </message>
    <message>
        <source>the original amount is missing</source>
        <translation>der Ursprungsbetrag fehlt</translation>
    </message>
    <message>
        <source>the original amount &quot;%1&quot; is not an amount</source>
        <translation>der Ursprungsbetrag „%1“ ist kein Betrag</translation>
    </message>
    <message>
        <source>the current amount is missing</source>
        <translation>der aktuelle Betrag fehlt</translation>
    </message>
    <message>
        <source>the current amount &quot;%1&quot; is not an amount</source>
        <translation>der aktuelle Betrag „%1“ ist kein Betrag</translation>
    </message>
    <message>
        <source>the inflation rate &quot;%1&quot; is not a rate</source>
        <translation>die Inflationsrate „%1“ ist keine Rate</translation>
    </message>
    <message>
        <source>the row is of investment &quot;%1&quot;, line %2 of investment &quot;%3&quot;: import one investment at a time</source>
        <translation>die Zeile gehört zur Anlage „%1“, Zeile %2 zur Anlage „%3“: Importieren Sie jeweils nur eine Anlage</translation>
    </message>
    <message>
        <source>No column of the file is named as %1 (its header: %2).</source>
        <extracomment>%1 lists the missing column names, %2 is the file&apos;s header line</extracomment>
        <translation>Keine Spalte der Datei heißt %1 (ihre Kopfzeile: %2).</translation>
    </message>
    <message>
        <source>The file holds no records.</source>
        <translation>Die Datei enthält keine Datensätze.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <extracomment>%1 is a line number of the file, %2 what is wrong with it</extracomment>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message>
        <source>A new investment needs an entry in &apos;Investment&apos;.</source>
        <translation>Eine neue Anlage braucht einen Eintrag in „Investment“.</translation>
    </message>
    <message>
        <source>An investment&apos;s type and institution hold at most 50 characters each.</source>
        <translation>Art und Institut einer Anlage fassen je höchstens 50 Zeichen.</translation>
    </message>
    <message>
        <source>An investment&apos;s type and institution cannot hold line breaks.</source>
        <translation>Art und Institut einer Anlage dürfen keine Zeilenumbrüche enthalten.</translation>
    </message>
    <message>
        <source>the investment&apos;s first record</source>
        <translation>der erste Datensatz der Anlage</translation>
    </message>
    <message>
        <source>no earlier record has both amounts above 0</source>
        <translation>kein früherer Datensatz hat beide Beträge über 0</translation>
    </message>
    <message>
        <source>the date is before the record the rate would start from</source>
        <translation>das Datum liegt vor dem Datensatz, ab dem die Rate gelten würde</translation>
    </message>
    <message>
        <source>%1 % is too large for a rate</source>
        <translation>%1 % ist zu groß für eine Rate</translation>
    </message>
    <message>
        <source>There is no investment %1 (the file holds %2).</source>
        <translation>Es gibt keine Anlage %1 (die Datei enthält %2).</translation>
    </message>
    <message>
        <source>The data files changed after the records were read; nothing was written.</source>
        <translation>Die Datendateien haben sich geändert, nachdem die Datensätze gelesen wurden; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Import Records</source>
        <translation>Datensätze importieren</translation>
    </message>
    <message>
        <source>Fill Missing Rates</source>
        <translation>Fehlende Raten ergänzen</translation>
    </message>
    <message>
        <source>The import could not be completed. Plumbline 3.5 completes it when it starts next time, and ends now.</source>
        <translation>Der Import konnte nicht abgeschlossen werden. Plumbline 3.5 schließt ihn beim nächsten Start ab und wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Import Recor&amp;ds…</source>
        <translation>Datensätze i&amp;mportieren…</translation>
    </message>
    <message>
        <source>&amp;Fill Missing Rates…</source>
        <translation>&amp;Fehlende Raten ergänzen…</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>CSV-Dateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be imported: %2</source>
        <extracomment>%1 is a file name, %2 the reason</extracomment>
        <translation>„%1“ kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>Every date of this file can be read month first and day first.<byte value="xd"/>
<byte value="xd"/>
Line %1 holds &quot;%2&quot;:<byte value="xd"/>
Yes: month/day/year, %3<byte value="xd"/>
No: day/month/year, %4<byte value="xd"/>
<byte value="xd"/>
Are the dates month first?</source>
        <extracomment>%1 is a line number, %2 the date as the file writes it, %3 and %4 the two dates it can be</extracomment>
        <translation>Jedes Datum dieser Datei lässt sich mit Monat oder mit Tag zuerst lesen.<byte value="xd"/>
<byte value="xd"/>
Zeile %1 enthält „%2“:<byte value="xd"/>
Ja: Monat/Tag/Jahr, %3<byte value="xd"/>
Nein: Tag/Monat/Jahr, %4<byte value="xd"/>
<byte value="xd"/>
Steht in den Daten der Monat zuerst?</translation>
    </message>
    <message>
        <source>There is no investment shown to fill rates for.</source>
        <translation>Es wird keine Anlage gezeigt, für die Raten ergänzt werden könnten.</translation>
    </message>
    <message>
        <source>The file is too large to be imported (more than %1 MB).</source>
        <extracomment>%1 is the largest size allowed, in megabytes.</extracomment>
        <translation>Die Datei ist zu groß für den Import (mehr als %1 MB).</translation>
    </message>
</context>
<context>
    <name>ImportPriceIndexDialog</name>
    <message>
        <source>Import a monthly price index from a CSV file</source>
        <translation>Einen monatlichen Preisindex aus einer CSV-Datei importieren</translation>
    </message>
    <message>
        <source>The file to import</source>
        <translation>Die zu importierende Datei</translation>
    </message>
    <message>
        <source>Caption of the name box</source>
        <translation>Beschriftung des Namensfelds</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name the imported series is kept under; a series of the same name is replaced</source>
        <translation>Name, unter dem die importierte Reihe gespeichert wird; eine Reihe gleichen Namens wird ersetzt</translation>
    </message>
    <message>
        <source>Caption of the country code box</source>
        <translation>Beschriftung des Felds für den Ländercode</translation>
    </message>
    <message>
        <source>Country code</source>
        <translation>Ländercode</translation>
    </message>
    <message>
        <source>Two-letter code of the country the series measures</source>
        <translation>Zweibuchstabiger Code des Landes, das die Reihe misst</translation>
    </message>
    <message>
        <source>What the file may hold</source>
        <translation>Was die Datei enthalten darf</translation>
    </message>
    <message>
        <source>Import the file under this name (Enter)</source>
        <translation>Die Datei unter diesem Namen importieren (Eingabe)</translation>
    </message>
    <message>
        <source>Close without importing (Esc)</source>
        <translation>Schließen, ohne zu importieren (Esc)</translation>
    </message>
</context>
<context>
    <name>InflationChart</name>
    <message>
        <source>Chart of the investment</source>
        <translation>Diagramm der Anlage</translation>
    </message>
    <message>
        <source>the investment</source>
        <extracomment>Stands for %1 in the chart&apos;s description when the investment has no type or institution</extracomment>
        <translation>die Anlage</translation>
    </message>
    <message>
        <source>Current Amount and Current Amount AFI of %1 over %2 record from %3 to %4. </source>
        <extracomment>AFI = adjusted for inflation; %1 the investment, %2 the number of records, %3 and %4 dates</extracomment>
        <translation>Aktueller Betrag und inflationsbereinigter Betrag von %1 über %2 Datensatz von %3 bis %4. </translation>
    </message>
    <message>
        <source>Current Amount and Current Amount AFI of %1 over %2 records from %3 to %4. </source>
        <translation>Aktueller Betrag und inflationsbereinigter Betrag von %1 über %2 Datensätze von %3 bis %4. </translation>
    </message>
    <message>
        <source>Last record: Current Amount %1, Current Amount AFI %2, Profit/Loss AFI %3.</source>
        <extracomment>AFI = adjusted for inflation; %1 to %3 amounts</extracomment>
        <translation>Letzter Datensatz: aktueller Betrag %1, inflationsbereinigter Betrag %2, inflationsbereinigter Gewinn/Verlust %3.</translation>
    </message>
    <message>
        <source>Current Amount AFI lies above Current Amount at %1 of the %2 records: a gain from falling prices.</source>
        <extracomment>AFI = adjusted for inflation; %1 and %2 numbers of records</extracomment>
        <translation>Der inflationsbereinigte Betrag liegt bei %1 der %2 Datensätze über dem aktuellen Betrag: ein Gewinn durch fallende Preise.</translation>
    </message>
    <message>
        <source>Current Amount AFI lies above Current Amount at its record: a gain from falling prices.</source>
        <translation>Der inflationsbereinigte Betrag liegt bei seinem Datensatz über dem aktuellen Betrag: ein Gewinn durch fallende Preise.</translation>
    </message>
    <message>
        <source>Current Amount AFI lies above Current Amount at every record: a gain from falling prices.</source>
        <translation>Der inflationsbereinigte Betrag liegt bei jedem Datensatz über dem aktuellen Betrag: ein Gewinn durch fallende Preise.</translation>
    </message>
    <message>
        <source>Left and Right move from record to record.</source>
        <translation>Die Pfeiltasten links und rechts gehen von Datensatz zu Datensatz.</translation>
    </message>
</context>
<context>
    <name>Password</name>
    <message>
        <source>The password library cannot start</source>
        <translation>Die Passwortbibliothek kann nicht starten</translation>
    </message>
</context>
<context>
    <name>PortfolioModel</name>
    <message>
        <source>See “Returns” in the user guide (F1 or About These Figures).</source>
        <extracomment>F1 is the key; About These Figures is a button of the portfolio window</extracomment>
        <translation>Siehe „Renditen“ in der Anleitung (F1 oder Über diese Zahlen).</translation>
    </message>
    <message>
        <source>No figure: %1.</source>
        <extracomment>%1 why a figure cannot be given</extracomment>
        <translation>Keine Zahl: %1.</translation>
    </message>
    <message>
        <source>No figure: no record with both amounts above zero.</source>
        <translation>Keine Zahl: kein Datensatz mit beiden Beträgen über null.</translation>
    </message>
    <message>
        <source>The investment record cannot be read.</source>
        <translation>Der Datensatz der Anlage kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>All investments</source>
        <translation>Alle Anlagen</translation>
    </message>
    <message>
        <source>The %1 of %2 investments that have figures of their own, taken together.</source>
        <extracomment>%1 and %2 numbers of investments</extracomment>
        <translation>Die %1 von %2 Anlagen, die eigene Zahlen haben, zusammengenommen.</translation>
    </message>
    <message>
        <source>The sum over the investments that have figures of their own.</source>
        <translation>Die Summe über die Anlagen, die eigene Zahlen haben.</translation>
    </message>
    <message>
        <source>Each sum of money counted in prices of %1 by the price index %2.</source>
        <extracomment>%1 a date, %2 the name of a price index</extracomment>
        <translation>Jeder Geldbetrag in Preisen von %1 nach dem Preisindex %2 gerechnet.</translation>
    </message>
    <message>
        <source>Price index: %1.</source>
        <translation>Preisindex: %1.</translation>
    </message>
    <message>
        <source>No time-weighted figure for all investments together: the investments&apos; records fall on different dates, so there are no common intervals to link. The money-weighted figures cover them all.</source>
        <translation>Keine zeitgewichtete Zahl für alle Anlagen zusammen: Die Datensätze der Anlagen fallen auf verschiedene Daten, daher gibt es keine gemeinsamen Zeiträume zum Verketten. Die kapitalgewichteten Zahlen decken sie alle ab.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Institut</translation>
    </message>
    <message>
        <source>First Date</source>
        <translation>Erstes Datum</translation>
    </message>
    <message>
        <source>Last Date</source>
        <translation>Letztes Datum</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Last Current
Amount</source>
        <translation>Letzter akt.
Betrag</translation>
    </message>
    <message>
        <source>Total Loss
to Inflation</source>
        <translation>Inflations-
verlust ges.</translation>
    </message>
    <message>
        <source>Time-Weighted
Per Year (%)</source>
        <translation>Zeitgew.
pro Jahr (%)</translation>
    </message>
    <message>
        <source>Time-Weighted
After Inflation (%)</source>
        <translation>Zeitgew.
real (%)</translation>
    </message>
    <message>
        <source>Money-Weighted
Per Year (%)</source>
        <translation>Kapitalgew.
pro Jahr (%)</translation>
    </message>
    <message>
        <source>Money-Weighted
After Inflation (%)</source>
        <translation>Kapitalgew.
real (%)</translation>
    </message>
    <message>
        <source>The type of investment, as entered in its investment record.</source>
        <translation>Die Art der Anlage, wie in ihrem Datensatz eingegeben.</translation>
    </message>
    <message>
        <source>The institution that holds the investment.</source>
        <translation>Das Institut, bei dem die Anlage liegt.</translation>
    </message>
    <message>
        <source>The date of the first record with both amounts above zero: the records the figures count.</source>
        <translation>Das Datum des ersten Datensatzes mit beiden Beträgen über null: ab hier zählen die Datensätze für die Zahlen.</translation>
    </message>
    <message>
        <source>The date of the last record with both amounts above zero.</source>
        <translation>Das Datum des letzten Datensatzes mit beiden Beträgen über null.</translation>
    </message>
    <message>
        <source>The time from the first to the last date, in years of 365.25 days.</source>
        <translation>Die Zeit vom ersten bis zum letzten Datum, in Jahren zu 365,25 Tagen.</translation>
    </message>
    <message>
        <source>The current amount of the last record counted. For all investments, the sum of those amounts.</source>
        <translation>Der aktuelle Betrag des letzten gezählten Datensatzes. Für alle Anlagen die Summe dieser Beträge.</translation>
    </message>
    <message>
        <source>What inflation took, added up over the records: each record&apos;s Loss To Inflation, counted once (a record without an inflation rate adds nothing).</source>
        <translation>Was die Inflation genommen hat, über die Datensätze aufsummiert: der Inflationsverlust jedes Datensatzes, einmal gezählt (ein Datensatz ohne Inflationsrate trägt nichts bei).</translation>
    </message>
    <message>
        <source>How much the investment itself grew a year, leaving out the money you added or took out: the return of each interval between records, linked together and spread over the years. Given for a year or more of records.</source>
        <translation>Wie stark die Anlage selbst pro Jahr gewachsen ist, ohne das Geld, das Sie eingezahlt oder entnommen haben: die Rendite jedes Zeitraums zwischen Datensätzen, verkettet und auf die Jahre verteilt. Angegeben ab einem Jahr an Datensätzen.</translation>
    </message>
    <message>
        <source>The same growth a year once the inflation rates of the records are taken out. Above zero, the investment beat inflation; below zero, inflation won.</source>
        <translation>Dasselbe Wachstum pro Jahr, nachdem die Inflationsraten der Datensätze herausgerechnet sind. Über null hat die Anlage die Inflation geschlagen; unter null hat die Inflation gewonnen.</translation>
    </message>
    <message>
        <source>The yearly rate your money earned, counting when you added or took out money, as a bank quotes interest on a savings account.</source>
        <translation>Der jährliche Zinssatz, den Ihr Geld erzielt hat, unter Berücksichtigung, wann Sie Geld eingezahlt oder entnommen haben, so wie eine Bank Zinsen auf ein Sparkonto angibt.</translation>
    </message>
    <message>
        <source>The same rate after inflation: above zero, your savings beat inflation. For all investments, every sum is counted in prices of the first date by the price index chosen under View, Price Index.</source>
        <translation>Derselbe Zinssatz nach Inflation: Über null hat Ihr Erspartes die Inflation geschlagen. Für alle Anlagen wird jeder Betrag in Preisen des ersten Datums nach dem unter Ansicht, Preisindex gewählten Preisindex gerechnet.</translation>
    </message>
    <message>
        <source>Investment record %1: Enter or a double click shows it in the main window.</source>
        <extracomment>%1 the investment&apos;s number</extracomment>
        <translation>Anlage %1: Eingabe oder Doppelklick zeigt sie im Hauptfenster.</translation>
    </message>
</context>
<context>
    <name>PortfolioWindow</name>
    <message>
        <source>Every investment&apos;s returns, nominal and after inflation, and those of all of them</source>
        <translation>Die Renditen jeder Anlage, nominal und nach Inflation, und die aller zusammen</translation>
    </message>
    <message>
        <source>Save the table&apos;s figures as a CSV file, as plumbline-export --returns writes them</source>
        <translation>Die Zahlen der Tabelle als CSV-Datei speichern, so wie plumbline-export --returns sie schreibt</translation>
    </message>
    <message>
        <source>Open the user guide, whose section Returns explains the figures (F1)</source>
        <translation>Die Anleitung öffnen, deren Abschnitt „Renditen“ die Zahlen erklärt (F1)</translation>
    </message>
    <message>
        <source>Returns of each investment</source>
        <translation>Renditen jeder Anlage</translation>
    </message>
    <message>
        <source>One row per investment and a last row for all of them; Enter shows the investment in the main window</source>
        <translation>Eine Zeile pro Anlage und eine letzte Zeile für alle zusammen; Eingabe zeigt die Anlage im Hauptfenster</translation>
    </message>
    <message>
        <source>Corner of the table</source>
        <translation>Ecke der Tabelle</translation>
    </message>
    <message>
        <source>Rows are picked one at a time, with the arrow keys or a click</source>
        <translation>Zeilen werden einzeln gewählt, mit den Pfeiltasten oder per Klick</translation>
    </message>
    <message>
        <source>Returns</source>
        <translation>Renditen</translation>
    </message>
    <message>
        <source>The table of returns, or why there is none</source>
        <translation>Die Tabelle der Renditen oder warum es keine gibt</translation>
    </message>
    <message>
        <source>Why there is no table</source>
        <translation>Warum es keine Tabelle gibt</translation>
    </message>
    <message>
        <source>The reason the figures cannot be shown</source>
        <translation>Der Grund, warum die Zahlen nicht gezeigt werden können</translation>
    </message>
    <message>
        <source>Note on the figures</source>
        <translation>Hinweis zu den Zahlen</translation>
    </message>
    <message>
        <source>No note</source>
        <translation>Kein Hinweis</translation>
    </message>
    <message>
        <source>Table and chart</source>
        <translation>Tabelle und Diagramm</translation>
    </message>
    <message>
        <source>Drag to share the height between the table and the chart</source>
        <translation>Ziehen, um die Höhe zwischen Tabelle und Diagramm aufzuteilen</translation>
    </message>
    <message>
        <source>The data history cannot be read: line %1 of &quot;%2&quot; gives error %3 (%4).</source>
        <translation>Der Datenverlauf kann nicht gelesen werden: Zeile %1 von „%2“ ergibt Fehler %3 (%4).</translation>
    </message>
    <message>
        <source>The data history &quot;%1&quot; cannot be read: error %2 (%3).</source>
        <translation>Der Datenverlauf „%1“ kann nicht gelesen werden: Fehler %2 (%3).</translation>
    </message>
    <message>
        <source>The data files in &quot;%1&quot; cannot be read: error %2 (%3).</source>
        <translation>Die Datendateien in „%1“ können nicht gelesen werden: Fehler %2 (%3).</translation>
    </message>
    <message>
        <source>There are no investments yet. Add one with the New Investment Record command of the main window.</source>
        <translation>Es gibt noch keine Anlagen. Legen Sie eine mit dem Befehl „Neue Anlage“ des Hauptfensters an.</translation>
    </message>
    <message>
        <source>Portfolio: Did My Savings Beat Inflation?</source>
        <translation>Portfolio: Hat mein Erspartes die Inflation geschlagen?</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Als &amp;CSV speichern…</translation>
    </message>
    <message>
        <source>&amp;About These Figures</source>
        <translation>Ü&amp;ber diese Zahlen</translation>
    </message>
    <message>
        <source>Opens the user guide, whose section “Returns” explains how each figure is worked out (F1).</source>
        <translation>Öffnet die Anleitung, deren Abschnitt „Renditen“ erklärt, wie jede Zahl berechnet wird (F1).</translation>
    </message>
    <message>
        <source>No figure after inflation for all investments: %1</source>
        <translation>Keine Zahl nach Inflation für alle Anlagen: %1</translation>
    </message>
    <message>
        <source>All investments</source>
        <translation>Alle Anlagen</translation>
    </message>
    <message>
        <source>Save Returns as CSV</source>
        <translation>Renditen als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The user guide &quot;%1&quot; could not be opened. Its section “Returns” explains these figures.</source>
        <translation>Die Anleitung „%1“ konnte nicht geöffnet werden. Ihr Abschnitt „Renditen“ erklärt diese Zahlen.</translation>
    </message>
</context>
<context>
    <name>PriceIndex</name>
    <message>
        <source>No date to measure from.</source>
        <translation>Kein Datum, ab dem gemessen werden kann.</translation>
    </message>
    <message>
        <source>The date %1 comes before %2.</source>
        <translation>Das Datum %1 liegt vor %2.</translation>
    </message>
    <message>
        <source>%1 holds no values.</source>
        <translation>%1 enthält keine Werte.</translation>
    </message>
    <message>
        <source>%1 starts in %2; %3 is before it.</source>
        <translation>%1 beginnt im %2; %3 liegt davor.</translation>
    </message>
    <message>
        <source>%1 ends in %2; %3 is after it.</source>
        <translation>%1 endet im %2; %3 liegt danach.</translation>
    </message>
    <message>
        <source>%1: one quarterly value covers both dates (%2).</source>
        <translation>%1: Ein Quartalswert deckt beide Daten ab (%2).</translation>
    </message>
    <message>
        <source>%1 has no value for %2.</source>
        <translation>%1 hat keinen Wert für %2.</translation>
    </message>
    <message>
        <source>%1: the rate from %2 to %3 is too large to show.</source>
        <translation>%1: Die Rate von %2 bis %3 ist zu groß zum Anzeigen.</translation>
    </message>
    <message>
        <source>line %1: unknown kind &quot;%2&quot;</source>
        <translation>Zeile %1: unbekannte Art „%2“</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a period and a value</source>
        <translation>Zeile %1: „%2“ ist kein Zeitraum mit Wert</translation>
    </message>
    <message>
        <source>line %1: %2 appears twice</source>
        <translation>Zeile %1: %2 kommt zweimal vor</translation>
    </message>
    <message>
        <source>not a price index file (name, kind or data missing)</source>
        <translation>keine Preisindexdatei (Name, Art oder Daten fehlen)</translation>
    </message>
    <message>
        <source>The file is too large to be a price index (more than %1 MB).</source>
        <translation>Die Datei ist zu groß für einen Preisindex (mehr als %1 MB).</translation>
    </message>
    <message>
        <source>Line %1: the date &quot;%2&quot; is not in the form YYYY-MM or YYYY-MM-DD.</source>
        <translation>Zeile %1: Das Datum „%2“ hat nicht die Form JJJJ-MM oder JJJJ-MM-TT.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a valid date.</source>
        <translation>Zeile %1: „%2“ ist kein gültiges Datum.</translation>
    </message>
    <message>
        <source>Line %1: there is no value after the date.</source>
        <translation>Zeile %1: Nach dem Datum steht kein Wert.</translation>
    </message>
    <message>
        <source>Line %1: the value &quot;%2&quot; is not a number.</source>
        <translation>Zeile %1: Der Wert „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Line %1: the value %2 is not above 0.</source>
        <translation>Zeile %1: Der Wert %2 ist nicht größer als 0.</translation>
    </message>
    <message>
        <source>Line %1: the month %2 appears again (first on line %3).</source>
        <translation>Zeile %1: Der Monat %2 kommt erneut vor (zuerst in Zeile %3).</translation>
    </message>
    <message>
        <source>The file has no usable row: no line with a month (YYYY-MM or YYYY-MM-DD) and a value.</source>
        <translation>Die Datei hat keine verwendbare Zeile: keine Zeile mit einem Monat (JJJJ-MM oder JJJJ-MM-TT) und einem Wert.</translation>
    </message>
    <message>
        <source>There is no price index named %1.</source>
        <translation>Es gibt keinen Preisindex namens %1.</translation>
    </message>
    <message>
        <source>The price index %1 could not be read.</source>
        <translation>Der Preisindex %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The price index file %1 is damaged: %2.</source>
        <translation>Die Preisindexdatei %1 ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used. A name has 1 to 40 letters, digits, &apos;-&apos;, &apos;_&apos; or &apos;.&apos;, and does not start with &apos;.&apos;.</source>
        <translation>Der Name „%1“ kann nicht verwendet werden. Ein Name besteht aus 1 bis 40 Buchstaben, Ziffern, &apos;-&apos;, &apos;_&apos; oder &apos;.&apos; und beginnt nicht mit &apos;.&apos;.</translation>
    </message>
    <message>
        <source>%1 is the name of a price index that comes with Plumbline. Choose another name.</source>
        <translation>%1 ist der Name eines Preisindex, der mit Plumbline geliefert wird. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The country &quot;%1&quot; is not a two-letter country code (such as CA or DE).</source>
        <translation>Das Land „%1“ ist kein zweibuchstabiger Ländercode (wie CA oder DE).</translation>
    </message>
    <message>
        <source>%1 is not a plain folder; nothing was imported.</source>
        <translation>%1 ist kein einfacher Ordner; es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; it was left as it is and nothing was imported.</source>
        <translation>%1 ist keine einfache Datei; sie wurde belassen, und es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The price index could not be saved (error %1: %2). Nothing was changed.</source>
        <translation>Der Preisindex konnte nicht gespeichert werden (Fehler %1: %2). Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>no values</source>
        <extracomment>What periods a price index covers, when it holds none.</extracomment>
        <translation>keine Werte</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>What periods a price index covers: %1 the first period, %2 the last (&quot;2001-01 to 2024-06&quot;).</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 past month changed</source>
        <extracomment>%1 is how many months&apos; values of the price index changed.</extracomment>
        <translation>%1 zurückliegender Monat geändert</translation>
    </message>
    <message>
        <source>%1 past months changed</source>
        <extracomment>%1 is how many months&apos; values of the price index changed.</extracomment>
        <translation>%1 zurückliegende Monate geändert</translation>
    </message>
    <message>
        <source>%1 past quarter changed</source>
        <extracomment>%1 is how many quarters&apos; values of the price index changed.</extracomment>
        <translation>%1 zurückliegendes Quartal geändert</translation>
    </message>
    <message>
        <source>%1 past quarters changed</source>
        <extracomment>%1 is how many quarters&apos; values of the price index changed.</extracomment>
        <translation>%1 zurückliegende Quartale geändert</translation>
    </message>
    <message>
        <source>%1 past year changed</source>
        <extracomment>%1 is how many years&apos; values of the price index changed.</extracomment>
        <translation>%1 zurückliegendes Jahr geändert</translation>
    </message>
    <message>
        <source>%1 past years changed</source>
        <extracomment>%1 is how many years&apos; values of the price index changed.</extracomment>
        <translation>%1 zurückliegende Jahre geändert</translation>
    </message>
    <message>
        <source>; a rate over 12 months changed by up to %1 points</source>
        <extracomment>Follows &quot;3 past months changed&quot;; %1 is the largest change in percentage points.</extracomment>
        <translation>; eine Rate über 12 Monate änderte sich um bis zu %1 Prozentpunkte</translation>
    </message>
</context>
<context>
    <name>PriceIndexDialog</name>
    <message>
        <source>Choose the price index the data record dialog suggests inflation rates from</source>
        <translation>Den Preisindex wählen, aus dem der Datensatz-Dialog Inflationsraten vorschlägt</translation>
    </message>
    <message>
        <source>What the chosen price index is used for</source>
        <translation>Wofür der gewählte Preisindex verwendet wird</translation>
    </message>
    <message>
        <source>Find a series or country</source>
        <translation>Eine Reihe oder ein Land suchen</translation>
    </message>
    <message>
        <source>Show only the series whose name, title, frequency, coverage, publisher or country holds this text</source>
        <translation>Nur die Reihen zeigen, deren Name, Titel, Häufigkeit, Abdeckung, Herausgeber oder Land diesen Text enthält</translation>
    </message>
    <message>
        <source>Price indexes</source>
        <translation>Preisindizes</translation>
    </message>
    <message>
        <source>The shipped and imported price indexes by country, with their series, frequency, coverage and publisher</source>
        <translation>Die mitgelieferten und importierten Preisindizes nach Land, mit ihren Reihen, Häufigkeit, Abdeckung und Herausgeber</translation>
    </message>
    <message>
        <source>Where the selected price index comes from: publisher, unit and base, frequency, coverage, the day it was taken and its credit line</source>
        <translation>Woher der gewählte Preisindex stammt: Herausgeber, Einheit und Basis, Häufigkeit, Abdeckung, Abrufdatum und Quellenangabe</translation>
    </message>
    <message>
        <source>Price index files that could not be read</source>
        <translation>Preisindexdateien, die nicht gelesen werden konnten</translation>
    </message>
    <message>
        <source>Use the selected price index and close (Enter)</source>
        <translation>Den gewählten Preisindex verwenden und schließen (Eingabe)</translation>
    </message>
    <message>
        <source>Close without a change (Esc)</source>
        <translation>Ohne Änderung schließen (Esc)</translation>
    </message>
    <message>
        <source>Annual averages: a rate between two dates is spread over the days of each year.</source>
        <translation>Jahresdurchschnitte: Eine Rate zwischen zwei Daten wird auf die Tage jedes Jahres verteilt.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Printer error</source>
        <translation>Druckerfehler</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Report of %1</source>
        <extracomment>%1 the date the report was made</extracomment>
        <translation>Bericht vom %1</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <extracomment>%1 a folder</extracomment>
        <translation>Datenordner: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>%1 and %2 page numbers</extracomment>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column heading: %1 the investment&apos;s number, %2 its type or its institution</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>A column heading: %1 the investment&apos;s number, %2 its type, %3 its institution</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <extracomment>%1 the title of a table that goes on from the page before
----------
%1 the title of a section that goes on from the page before</extracomment>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>Short for number</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Institut</translation>
    </message>
    <message>
        <source>First Counted Record</source>
        <translation>Erster gezählter Datensatz</translation>
    </message>
    <message>
        <source>Last Counted Record</source>
        <translation>Letzter gezählter Datensatz</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Time-Weighted a Year (%)</source>
        <translation>Zeitgewichtet pro Jahr (%)</translation>
    </message>
    <message>
        <source>After Inflation a Year (%)</source>
        <translation>Nach Inflation pro Jahr (%)</translation>
    </message>
    <message>
        <source>Money-Weighted a Year (%)</source>
        <translation>Kapitalgewichtet pro Jahr (%)</translation>
    </message>
    <message>
        <source>Why a Figure Is Blank</source>
        <translation>Warum eine Zahl fehlt</translation>
    </message>
    <message>
        <source>All investments</source>
        <translation>Alle Anlagen</translation>
    </message>
    <message>
        <source>Returns a year</source>
        <translation>Renditen pro Jahr</translation>
    </message>
    <message>
        <source>Per year, in percent, over each investment&apos;s counted records (both amounts above zero). Time-weighted: the returns between records (money added counted at mid-interval) chained together, how the investment itself did whatever was put in or taken out. Money-weighted: the yearly rate at which the money put in, the money taken out and the last current amount come to nothing, how the money in it did. After inflation: less the inflation rates of the records. A span under a year has no figure per year; each investment&apos;s page gives its figures in all.</source>
        <translation>Pro Jahr, in Prozent, über die gezählten Datensätze jeder Anlage (beide Beträge über null). Zeitgewichtet: die Renditen zwischen den Datensätzen (eingezahltes Geld zur Mitte des Zeitraums gezählt), miteinander verkettet – wie sich die Anlage selbst entwickelt hat, unabhängig davon, was eingezahlt oder entnommen wurde. Kapitalgewichtet: der jährliche Zinssatz, bei dem sich das eingezahlte Geld, das entnommene Geld und der letzte aktuelle Betrag zu null aufheben – wie sich das darin angelegte Geld entwickelt hat. Nach Inflation: abzüglich der Inflationsraten der Datensätze. Ein Zeitraum unter einem Jahr hat keine Zahl pro Jahr; die Seite jeder Anlage nennt ihre Zahlen insgesamt.</translation>
    </message>
    <message>
        <source>All investments: money-weighted over every investment&apos;s money.</source>
        <translation>Alle Anlagen: kapitalgewichtet über das Geld aller Anlagen.</translation>
    </message>
    <message>
        <source>All investments: money-weighted over every investment&apos;s money, after inflation by the price index %1.</source>
        <translation>Alle Anlagen: kapitalgewichtet über das Geld aller Anlagen, nach Inflation gemäß dem Preisindex %1.</translation>
    </message>
    <message>
        <source>What inflation took, year by year</source>
        <translation>Was die Inflation genommen hat, Jahr für Jahr</translation>
    </message>
    <message>
        <source>The Loss To Inflation of the records dated in each calendar year, counted as Total Loss To Inflation counts it: records with an inflation rate only, so a loss carried by a record without a rate counts once. The Total row is each investment&apos;s Total Loss To Inflation. A blank: no record with an inflation rate that year.</source>
        <translation>Der Inflationsverlust der Datensätze jedes Kalenderjahres, gezählt wie beim gesamten Inflationsverlust: nur Datensätze mit Inflationsrate, sodass ein von einem Datensatz ohne Rate übernommener Verlust einmal zählt. Die Zeile „Gesamt“ ist der gesamte Inflationsverlust jeder Anlage. Leer: kein Datensatz mit Inflationsrate in diesem Jahr.</translation>
    </message>
    <message>
        <source>No record has an inflation rate yet.</source>
        <translation>Noch kein Datensatz hat eine Inflationsrate.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>All Investments</source>
        <translation>Alle Anlagen</translation>
    </message>
    <message>
        <source>What inflation took, year by year (investments %1 to %2)</source>
        <extracomment>%1 and %2 investment numbers</extracomment>
        <translation>Was die Inflation genommen hat, Jahr für Jahr (Anlagen %1 bis %2)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Investment %1</source>
        <extracomment>%1 the investment&apos;s number</extracomment>
        <translation>Anlage %1</translation>
    </message>
    <message>
        <source>Investment %1: %2</source>
        <extracomment>%1 the investment&apos;s number, %2 its type or its institution</extracomment>
        <translation>Anlage %1: %2</translation>
    </message>
    <message>
        <source>Investment %1: %2, %3</source>
        <extracomment>%1 the investment&apos;s number, %2 its type, %3 its institution</extracomment>
        <translation>Anlage %1: %2, %3</translation>
    </message>
    <message>
        <source>First Record</source>
        <translation>Erster Datensatz</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>Letzter Datensatz</translation>
    </message>
    <message>
        <source>Last Original Amount</source>
        <translation>Letzter Ursprungsbetrag</translation>
    </message>
    <message>
        <source>Last Current Amount</source>
        <translation>Letzter aktueller Betrag</translation>
    </message>
    <message>
        <source>Profit/Loss</source>
        <translation>Gewinn/Verlust</translation>
    </message>
    <message>
        <source>Current Amount AFI</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Inflationsbereinigter Betrag</translation>
    </message>
    <message>
        <source>Profit/Loss AFI</source>
        <translation>Infl.-ber. Gewinn/Verlust</translation>
    </message>
    <message>
        <source>Total Loss To Inflation</source>
        <translation>Inflationsverlust gesamt</translation>
    </message>
    <message>
        <source>Rec</source>
        <extracomment>Short for record number</extracomment>
        <translation>DS</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Ursprungsbetrag</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Aktueller Betrag</translation>
    </message>
    <message>
        <source>Inc/Dec</source>
        <extracomment>Increase or decrease of the amount</extracomment>
        <translation>Zu-/Abnahme</translation>
    </message>
    <message>
        <source>Inflation Rate (%)</source>
        <translation>Inflationsrate (%)</translation>
    </message>
    <message>
        <source>Loss To Inflation</source>
        <translation>Inflationsverlust</translation>
    </message>
    <message>
        <source>Total, 1 investment</source>
        <extracomment>The summary&apos;s total row, under Type</extracomment>
        <translation>Gesamt, 1 Anlage</translation>
    </message>
    <message>
        <source>Total, %1 investments</source>
        <translation>Gesamt, %1 Anlagen</translation>
    </message>
    <message>
        <source>1 data record</source>
        <translation>1 Datensatz</translation>
    </message>
    <message>
        <source>%1 data records</source>
        <translation>%1 Datensätze</translation>
    </message>
    <message>
        <source>Summary (continued)</source>
        <translation>Zusammenfassung (Fortsetzung)</translation>
    </message>
    <message>
        <source>Plumbline Report</source>
        <translation>Plumbline-Bericht</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>The amounts and figures are those of each investment&apos;s last record with both amounts above zero, as its row shows them: Profit/Loss is its Current Amount less its Original Amount; Current Amount AFI and Profit/Loss AFI are those of the last record with an inflation rate. Total Loss To Inflation adds up the loss of every record that has an inflation rate; a record without a rate carries the loss before it and adds nothing, and a record with an amount of zero or less is left out.</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Die Beträge und Zahlen sind die des letzten Datensatzes jeder Anlage mit beiden Beträgen über null, wie ihre Zeile sie zeigt: Gewinn/Verlust ist ihr aktueller Betrag abzüglich ihres Ursprungsbetrags; inflationsbereinigter Betrag und inflationsbereinigter Gewinn/Verlust sind die des letzten Datensatzes mit Inflationsrate. Der gesamte Inflationsverlust summiert den Verlust jedes Datensatzes mit Inflationsrate; ein Datensatz ohne Rate übernimmt den Verlust davor und trägt nichts bei, und ein Datensatz mit einem Betrag von null oder weniger bleibt unberücksichtigt.</translation>
    </message>
    <message>
        <source>No data records.</source>
        <translation>Keine Datensätze.</translation>
    </message>
    <message>
        <source>1 data record, %1.</source>
        <extracomment>%1 a date</extracomment>
        <translation>1 Datensatz, %1.</translation>
    </message>
    <message>
        <source>%1 data records, %2 to %3.</source>
        <extracomment>%1 a number of records, %2 and %3 dates</extracomment>
        <translation>%1 Datensätze, %2 bis %3.</translation>
    </message>
    <message>
        <source>Plumbline report %1</source>
        <extracomment>The PDF document&apos;s title; %1 a date</extracomment>
        <translation>Plumbline-Bericht %1</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Write the data records and their figures to a PDF report</source>
        <translation>Die Datensätze und ihre Zahlen in einen PDF-Bericht schreiben</translation>
    </message>
    <message>
        <source>Which investments the report covers</source>
        <translation>Welche Anlagen der Bericht umfasst</translation>
    </message>
    <message>
        <source>Report on the investment the main window shows</source>
        <translation>Bericht über die Anlage, die das Hauptfenster zeigt</translation>
    </message>
    <message>
        <source>Report on every investment</source>
        <translation>Bericht über alle Anlagen</translation>
    </message>
    <message>
        <source>Caption of the report file box</source>
        <translation>Beschriftung des Felds für die Berichtsdatei</translation>
    </message>
    <message>
        <source>Report file</source>
        <translation>Berichtsdatei</translation>
    </message>
    <message>
        <source>Path of the PDF file the report is saved as</source>
        <translation>Pfad der PDF-Datei, unter der der Bericht gespeichert wird</translation>
    </message>
    <message>
        <source>Choose the report file in a file chooser</source>
        <translation>Die Berichtsdatei in einem Dateiauswahldialog wählen</translation>
    </message>
    <message>
        <source>Write the report and close (Enter)</source>
        <translation>Den Bericht schreiben und schließen (Eingabe)</translation>
    </message>
    <message>
        <source>Close without writing a report, or stop the report being written (Esc)</source>
        <translation>Schließen, ohne einen Bericht zu schreiben, oder das Schreiben des Berichts abbrechen (Esc)</translation>
    </message>
    <message>
        <source>Report progress</source>
        <translation>Berichtsfortschritt</translation>
    </message>
    <message>
        <source>The page the report has reached, of how many</source>
        <translation>Die Seite, die der Bericht erreicht hat, von wie vielen</translation>
    </message>
    <message>
        <source>Pages written</source>
        <translation>Geschriebene Seiten</translation>
    </message>
    <message>
        <source>How much of the report is written</source>
        <translation>Wie viel des Berichts geschrieben ist</translation>
    </message>
</context>
<context>
    <name>RestoreVersionDialog</name>
    <message>
        <source>Restore Earlier Version</source>
        <translation>Frühere Version wiederherstellen</translation>
    </message>
    <message>
        <source>Plumbline keeps your data as it was before each change. Choose a version and click Restore to make it your data again; Edit, Undo takes the restore back. Show opens a version&apos;s records in your spreadsheet program, and Save Records as CSV writes them to a file, without changing your data.</source>
        <translation>Plumbline bewahrt Ihre Daten so auf, wie sie vor jeder Änderung waren. Wählen Sie eine Version und klicken Sie auf „Wiederherstellen“, um sie wieder zu Ihren Daten zu machen; Bearbeiten, Rückgängig nimmt das Wiederherstellen zurück. „Anzeigen“ öffnet die Datensätze einer Version in Ihrem Tabellenprogramm, und „Datensätze als CSV speichern“ schreibt sie in eine Datei, ohne Ihre Daten zu ändern.</translation>
    </message>
    <message>
        <source>No earlier versions are kept yet: each change you make from now on keeps the state before it.</source>
        <translation>Es werden noch keine früheren Versionen aufbewahrt: Jede Änderung, die Sie ab jetzt vornehmen, bewahrt den Stand davor.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Anlagen</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Kept versions</source>
        <translation>Aufbewahrte Versionen</translation>
    </message>
    <message>
        <source>Newest first: when each change was made, what it was, the investments and records that version holds, and which is current</source>
        <translation>Neueste zuerst: wann jede Änderung vorgenommen wurde, was sie war, die Anlagen und Datensätze dieser Version und welche die aktuelle ist</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>S&amp;how</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Save Records as CSV…</source>
        <translation>Datensätze als CSV &amp;speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Rückgängig gemacht</translation>
    </message>
    <message>
        <source>Make the version of %1 your data again?<byte value="xd"/>
%2<byte value="xd"/>
Your data as it is now is kept: Edit, Undo brings it back.</source>
        <extracomment>%1 is the time of the version, %2 the change made then</extracomment>
        <translation>Die Version vom %1 wieder zu Ihren Daten machen?<byte value="xd"/>
%2<byte value="xd"/>
Ihre Daten, wie sie jetzt sind, bleiben aufbewahrt: Bearbeiten, Rückgängig holt sie zurück.</translation>
    </message>
    <message>
        <source>Save Records of the Version as CSV</source>
        <translation>Datensätze der Version als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The desktop has no program to show CSV files. Save Records as CSV writes the version&apos;s records to a file of your choice.</source>
        <translation>Der Desktop hat kein Programm zum Anzeigen von CSV-Dateien. „Datensätze als CSV speichern“ schreibt die Datensätze der Version in eine Datei Ihrer Wahl.</translation>
    </message>
</context>
<context>
    <name>Returns</name>
    <message>
        <source>no unique rate</source>
        <translation>kein eindeutiger Zinssatz</translation>
    </message>
    <message>
        <source>record %1 is dated before the record before it</source>
        <translation>Datensatz %1 ist älter als der Datensatz davor</translation>
    </message>
    <message>
        <source>record %1 leaves no money in the investment to measure a return on</source>
        <translation>Datensatz %1 lässt kein Geld in der Anlage, auf das eine Rendite gemessen werden könnte</translation>
    </message>
    <message>
        <source>record %1 has no inflation rate</source>
        <translation>Datensatz %1 hat keine Inflationsrate</translation>
    </message>
    <message>
        <source>record %1 has an inflation rate at or below -100 %</source>
        <translation>Datensatz %1 hat eine Inflationsrate von -100 % oder darunter</translation>
    </message>
    <message>
        <source>fewer than two records with both amounts above zero</source>
        <translation>weniger als zwei Datensätze mit beiden Beträgen über null</translation>
    </message>
    <message>
        <source>the records span less than a year</source>
        <translation>die Datensätze umfassen weniger als ein Jahr</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>%1 is the name of a price index</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>series %1</source>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <source>no investment has figures of its own</source>
        <translation>keine Anlage hat eigene Zahlen</translation>
    </message>
    <message>
        <source>no price index</source>
        <translation>kein Preisindex</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>No return can be given: %1.</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Es kann keine Rendite angegeben werden: %1.</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3, after inflation %4 in all (time-weighted); no figure per year: %5</source>
        <extracomment>%3 the return, %4 the return after inflation, %5 why there is no figure per year</extracomment>
        <translation>Seit %1 (%2 Jahre): %3, nach Inflation %4 insgesamt (zeitgewichtet); keine Zahl pro Jahr: %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 in all (time-weighted); no figure per year: %4; no figure after inflation: %5</source>
        <extracomment>%3 the return, %4 why there is no figure per year, %5 why there is none after inflation</extracomment>
        <translation>Seit %1 (%2 Jahre): %3 insgesamt (zeitgewichtet); keine Zahl pro Jahr: %4; keine Zahl nach Inflation: %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year, after inflation %4 a year (time-weighted); money-weighted: %5</source>
        <extracomment>%3 and %4 returns a year before and after inflation, %5 why there is no money-weighted return</extracomment>
        <translation>Seit %1 (%2 Jahre): %3 pro Jahr, nach Inflation %4 pro Jahr (zeitgewichtet); kapitalgewichtet: %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year, after inflation %4 a year (time-weighted); money-weighted %5 and %6</source>
        <extracomment>%3 and %4 time-weighted returns a year before and after inflation, %5 and %6 money-weighted ones</extracomment>
        <translation>Seit %1 (%2 Jahre): %3 pro Jahr, nach Inflation %4 pro Jahr (zeitgewichtet); kapitalgewichtet %5 und %6</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year, after inflation %4 a year (time-weighted); money-weighted %5 (after inflation: %6)</source>
        <extracomment>%3 and %4 time-weighted returns a year before and after inflation, %5 the money-weighted one, %6 why there is none after inflation</extracomment>
        <translation>Seit %1 (%2 Jahre): %3 pro Jahr, nach Inflation %4 pro Jahr (zeitgewichtet); kapitalgewichtet %5 (nach Inflation: %6)</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year (time-weighted; no figure after inflation: %4); money-weighted: %5</source>
        <extracomment>%3 the return a year, %4 why there is none after inflation, %5 why there is no money-weighted one</extracomment>
        <translation>Seit %1 (%2 Jahre): %3 pro Jahr (zeitgewichtet; keine Zahl nach Inflation: %4); kapitalgewichtet: %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year (time-weighted; no figure after inflation: %4); money-weighted %5 and %6</source>
        <extracomment>%3 the time-weighted return a year, %4 why there is none after inflation, %5 and %6 money-weighted returns before and after inflation</extracomment>
        <translation>Seit %1 (%2 Jahre): %3 pro Jahr (zeitgewichtet; keine Zahl nach Inflation: %4); kapitalgewichtet %5 und %6</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year (time-weighted; no figure after inflation: %4); money-weighted %5</source>
        <extracomment>%3 the time-weighted return a year, %4 why there is none after inflation, %5 the money-weighted return</extracomment>
        <translation>Seit %1 (%2 Jahre): %3 pro Jahr (zeitgewichtet; keine Zahl nach Inflation: %4); kapitalgewichtet %5</translation>
    </message>
    <message>
        <source>All investments</source>
        <extracomment>Caption of the chart of the whole portfolio over time.</extracomment>
        <translation>Alle Anlagen</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error %1: %2</source>
        <extracomment>%1 is the error&apos;s number, %2 its description</extracomment>
        <translation>Laufzeitfehler %1: %2</translation>
    </message>
    <message>
        <source>Error Number:%1<byte value="xd"/>
%2</source>
        <extracomment>The standard error box: %1 is the error&apos;s number (no blank before it), %2 its description</extracomment>
        <translation>Fehlernummer:%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Unzulässiger Prozeduraufruf oder unzulässiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Dateiname oder -nummer falsch</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Bad file mode</source>
        <translation>Dateimodus falsch</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Datei bereits geöffnet</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>E/A-Fehler beim Gerät</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Einlesen hinter Dateiende</translation>
    </message>
    <message>
        <source>Bad record number</source>
        <translation>Falsche Datensatznummer</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Disk not ready</source>
        <translation>Datenträger nicht bereit</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Copy the two data files to a backup folder</source>
        <translation>Die beiden Datendateien in einen Sicherungsordner kopieren</translation>
    </message>
    <message>
        <source>Add a new investment record</source>
        <translation>Eine neue Anlage hinzufügen</translation>
    </message>
    <message>
        <source>Copy the type or institution of the investment</source>
        <translation>Art oder Institut der Anlage kopieren</translation>
    </message>
    <message>
        <source>Delete the shown investment and all of its data records</source>
        <translation>Die gezeigte Anlage mit allen ihren Datensätzen löschen</translation>
    </message>
    <message>
        <source>Open the instructions (F1)</source>
        <translation>Die Anleitung öffnen (F1)</translation>
    </message>
    <message>
        <source>Open the chart of the shown investment&apos;s amount against its amount adjusted for inflation (Ctrl+G)</source>
        <translation>Das Diagramm des Betrags der gezeigten Anlage im Vergleich zum inflationsbereinigten Betrag öffnen (Strg+G)</translation>
    </message>
    <message>
        <source>Open the returns of every investment and of all of them, nominal and after inflation (Ctrl+Shift+G)</source>
        <translation>Die Renditen jeder Anlage und aller zusammen öffnen, nominal und nach Inflation (Strg+Umschalt+G)</translation>
    </message>
    <message>
        <source>Toolbar button: %1</source>
        <extracomment>%1 says what the toolbar button does</extracomment>
        <translation>Symbolleistenschaltfläche: %1</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Portfolio</source>
        <translation>Portfolio</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>Read the data folder &lt;dir&gt; instead of the program&apos;s own.</source>
        <translation>Den Datenordner &lt;Ordner&gt; statt des programmeigenen lesen.</translation>
    </message>
    <message>
        <source>dir</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;dir&gt;&quot;).</extracomment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;name&gt;&quot;).</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (see --help)</source>
        <translation>unerwartetes Argument „%1“ (siehe --help)</translation>
    </message>
    <message>
        <source>data folder &quot;%1&quot; does not exist</source>
        <translation>Datenordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: error %2: %3</source>
        <translation>„%1“: Fehler %2: %3</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>there is no investment %1 in &quot;%2&quot; (it holds %3)</source>
        <translation>es gibt keine Anlage %1 in „%2“ (er enthält %3)</translation>
    </message>
    <message>
        <source>error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
    <message>
        <source>type</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;type&gt;&quot;).</extracomment>
        <translation>Art</translation>
    </message>
    <message>
        <source>form</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;form&gt;&quot;).</extracomment>
        <translation>Form</translation>
    </message>
    <message>
        <source>Use the data folder &lt;dir&gt; instead of the program&apos;s own.</source>
        <translation>Den Datenordner &lt;Ordner&gt; statt des programmeigenen verwenden.</translation>
    </message>
    <message>
        <source>command</source>
        <extracomment>A placeholder in the help for the first argument; the description under &quot;Arguments&quot; lists the commands.</extracomment>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;file&gt;&quot;).</extracomment>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>Versions</name>
    <message>
        <source>Add Investment</source>
        <translation>Anlage hinzufügen</translation>
    </message>
    <message>
        <source>Edit Investment</source>
        <translation>Anlage bearbeiten</translation>
    </message>
    <message>
        <source>Delete Investment</source>
        <translation>Anlage löschen</translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation>Datensatz hinzufügen</translation>
    </message>
    <message>
        <source>Insert Record</source>
        <translation>Datensatz einfügen</translation>
    </message>
    <message>
        <source>Edit Record</source>
        <translation>Datensatz bearbeiten</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>Datensatz löschen</translation>
    </message>
    <message>
        <source>Import Records</source>
        <translation>Datensätze importieren</translation>
    </message>
    <message>
        <source>Fill In Rates</source>
        <translation>Raten ergänzen</translation>
    </message>
    <message>
        <source>Restore Version</source>
        <translation>Version wiederherstellen</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Changes Made Outside Plumbline</source>
        <translation>Änderungen außerhalb von Plumbline</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;</source>
        <extracomment>%1 is the change, as &quot;Delete Investment&quot;, %2 the investment&apos;s name</extracomment>
        <translation>%1 „%2“</translation>
    </message>
    <message>
        <source>record %1 (%2)</source>
        <extracomment>%1 is a record&apos;s number, %2 its date</extracomment>
        <translation>Datensatz %1 (%2)</translation>
    </message>
    <message>
        <source>a record (%1)</source>
        <translation>ein Datensatz (%1)</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>Datensatz %1</translation>
    </message>
    <message>
        <source>a record</source>
        <translation>ein Datensatz</translation>
    </message>
    <message>
        <source>Added investment %1</source>
        <translation>Anlage %1 hinzugefügt</translation>
    </message>
    <message>
        <source>Changed investment %1</source>
        <translation>Anlage %1 geändert</translation>
    </message>
    <message>
        <source>Deleted investment %1</source>
        <translation>Anlage %1 gelöscht</translation>
    </message>
    <message>
        <source>Added %1 to %2</source>
        <extracomment>%1 is a record, as &quot;record 3 (1/2/2024)&quot;, %2 an investment</extracomment>
        <translation>%1 zu %2 hinzugefügt</translation>
    </message>
    <message>
        <source>Inserted %1 into %2</source>
        <translation>%1 in %2 eingefügt</translation>
    </message>
    <message>
        <source>Changed %1 of %2</source>
        <translation>%1 von %2 geändert</translation>
    </message>
    <message>
        <source>Deleted %1 of %2</source>
        <translation>%1 von %2 gelöscht</translation>
    </message>
    <message>
        <source>Imported %1 record</source>
        <translation>%1 Datensatz importiert</translation>
    </message>
    <message>
        <source>Imported %1 records</source>
        <translation>%1 Datensätze importiert</translation>
    </message>
    <message>
        <source>Imported %1 record into %2</source>
        <extracomment>%1 is a count, %2 an investment</extracomment>
        <translation>%1 Datensatz in %2 importiert</translation>
    </message>
    <message>
        <source>Imported %1 records into %2</source>
        <translation>%1 Datensätze in %2 importiert</translation>
    </message>
    <message>
        <source>Filled in %1 rate</source>
        <translation>%1 Rate ergänzt</translation>
    </message>
    <message>
        <source>Filled in %1 rates</source>
        <translation>%1 Raten ergänzt</translation>
    </message>
    <message>
        <source>Filled in %1 rate of %2</source>
        <extracomment>%1 is a count, %2 an investment</extracomment>
        <translation>%1 Rate von %2 ergänzt</translation>
    </message>
    <message>
        <source>Filled in %1 rates of %2</source>
        <translation>%1 Raten von %2 ergänzt</translation>
    </message>
    <message>
        <source>Restored the version of %1</source>
        <extracomment>%1 is the time of the version</extracomment>
        <translation>Version vom %1 wiederhergestellt</translation>
    </message>
    <message>
        <source>Restored the backup in %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>Sicherung in %1 wiederhergestellt</translation>
    </message>
    <message>
        <source>Changed outside Plumbline</source>
        <translation>Außerhalb von Plumbline geändert</translation>
    </message>
    <message>
        <source>The version of %1 cannot be restored: its files were changed after it was kept, probably by an older copy of Plumbline writing to the data history.</source>
        <translation>Die Version vom %1 kann nicht wiederhergestellt werden: Ihre Dateien wurden geändert, nachdem sie aufbewahrt wurde, vermutlich von einer älteren Kopie von Plumbline, die in den Datenverlauf schreibt.</translation>
    </message>
    <message>
        <source>There is no change to undo.</source>
        <translation>Es gibt keine Änderung, die rückgängig gemacht werden kann.</translation>
    </message>
    <message>
        <source>There is no change to redo.</source>
        <translation>Es gibt keine Änderung, die wiederholt werden kann.</translation>
    </message>
    <message>
        <source>There is no version %1.</source>
        <translation>Es gibt keine Version %1.</translation>
    </message>
    <message>
        <source>The change &quot;%1&quot;, under way when Plumbline stopped, was made and is kept as a version.</source>
        <translation>Die Änderung „%1“, die lief, als Plumbline anhielt, wurde ausgeführt und als Version aufbewahrt.</translation>
    </message>
    <message>
        <source>The change &quot;%1&quot;, under way when Plumbline stopped, was not made.</source>
        <translation>Die Änderung „%1“, die lief, als Plumbline anhielt, wurde nicht ausgeführt.</translation>
    </message>
    <message>
        <source>a link stands in its place</source>
        <translation>an seiner Stelle steht ein Link</translation>
    </message>
    <message>
        <source>a file stands in its place</source>
        <translation>an seiner Stelle steht eine Datei</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>er kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>er gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>its permissions are not the ones Plumbline gives it</source>
        <translation>seine Berechtigungen sind nicht die, die Plumbline ihm gibt</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for the versions of the data files cannot be created, so this change cannot be undone.</source>
        <translation>Der Ordner „%1“ für die Versionen der Datendateien kann nicht angelegt werden, daher kann diese Änderung nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>The folder of kept versions &quot;%1&quot; cannot be used (%2) and cannot be moved aside; changes are not kept as versions until it is removed.</source>
        <translation>Der Ordner der aufbewahrten Versionen „%1“ kann nicht verwendet werden (%2) und nicht beiseitegelegt werden; Änderungen werden nicht als Versionen aufbewahrt, bis er entfernt ist.</translation>
    </message>
    <message>
        <source>The folder of kept versions could not be used (%1). It was moved to &quot;%2&quot;, and versions are kept anew from now on.</source>
        <translation>Der Ordner der aufbewahrten Versionen konnte nicht verwendet werden (%1). Er wurde nach „%2“ verschoben, und ab jetzt werden Versionen neu aufbewahrt.</translation>
    </message>
    <message>
        <source>its entry &quot;%1&quot; cannot be read</source>
        <translation>sein Eintrag „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>%1 investment and no data records</source>
        <translation>%1 Anlage und keine Datensätze</translation>
    </message>
    <message>
        <source>%1 investments and no data records</source>
        <translation>%1 Anlagen und keine Datensätze</translation>
    </message>
    <message>
        <source>%1 investments and %2 data records, the newest dated %3</source>
        <extracomment>%1 and %2 are counts, %3 a date</extracomment>
        <translation>%1 Anlagen und %2 Datensätze, der neueste vom %3</translation>
    </message>
    <message>
        <source>%1 investment and %2 data record, the newest dated %3</source>
        <translation>%1 Anlage und %2 Datensatz, der neueste vom %3</translation>
    </message>
    <message>
        <source>%1 investment and %2 data records, the newest dated %3</source>
        <translation>%1 Anlage und %2 Datensätze, der neueste vom %3</translation>
    </message>
    <message>
        <source>%1 investments and %2 data record, the newest dated %3</source>
        <translation>%1 Anlagen und %2 Datensatz, der neueste vom %3</translation>
    </message>
    <message>
        <source>Choose the Folder of the Backup</source>
        <translation>Ordner der Sicherung wählen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the data folder Plumbline 3.5 works with, not a backup.<byte value="xd"/>
Choose the folder your backup copies are in.</source>
        <translation>„%1“ ist der Datenordner, mit dem Plumbline 3.5 arbeitet, keine Sicherung.<byte value="xd"/>
Wählen Sie den Ordner, in dem Ihre Sicherungskopien liegen.</translation>
    </message>
    <message>
        <source>The backup in &quot;%1&quot; cannot be restored:<byte value="xd"/>
%2<byte value="xd"/>
Your data files are unchanged.</source>
        <translation>Die Sicherung in „%1“ kann nicht wiederhergestellt werden:<byte value="xd"/>
%2<byte value="xd"/>
Ihre Datendateien sind unverändert.</translation>
    </message>
    <message>
        <source>The backup in &quot;%1&quot; holds %2.<byte value="xd"/>
Make it your data? Your data as it is now is kept: Edit, Undo brings it back.</source>
        <translation>Die Sicherung in „%1“ enthält %2.<byte value="xd"/>
Zu Ihren Daten machen? Ihre Daten, wie sie jetzt sind, bleiben aufbewahrt: Bearbeiten, Rückgängig holt sie zurück.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 could not check the earlier versions of your data it keeps:<byte value="xd"/>
%1<byte value="xd"/>
Your data files are unchanged. Undo may not be offered until this is put right.</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Plumbline 3.5 konnte die früheren Versionen Ihrer Daten, die es aufbewahrt, nicht prüfen:<byte value="xd"/>
%1<byte value="xd"/>
Ihre Datendateien sind unverändert. Rückgängig wird womöglich erst angeboten, wenn dies behoben ist.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <extracomment>%1 is the change, as &quot;Delete Investment &apos;Savings&apos;&quot;</extracomment>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>%1 is the change, as &quot;Delete Investment &apos;Savings&apos;&quot;</extracomment>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Restore Earlier &amp;Version…</source>
        <translation>&amp;Frühere Version wiederherstellen…</translation>
    </message>
    <message>
        <source>Restore from Bac&amp;kup…</source>
        <translation>Aus Sic&amp;herung wiederherstellen…</translation>
    </message>
    <message>
        <source>The records are not saved in the data folder; choose another folder.</source>
        <translation>Die Datensätze werden nicht im Datenordner gespeichert; wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>%1 (line %2 of the version&apos;s data records)</source>
        <extracomment>%1 is the reason, %2 a line number</extracomment>
        <translation>%1 (Zeile %2 der Datensätze der Version)</translation>
    </message>
    <message>
        <source>before %1</source>
        <extracomment>Stands for %1 in &quot;The version of %1 cannot be restored&quot;; %1 here is a date and time.</extracomment>
        <translation>Stand vor %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, record %2: the record is damaged.</source>
        <extracomment>%1 is the investment file, %2 a record&apos;s number.</extracomment>
        <translation>„%1“, Datensatz %2: Der Datensatz ist beschädigt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, record %2: the record is cut short.</source>
        <extracomment>%1 is the investment file, %2 a record&apos;s number.</extracomment>
        <translation>„%1“, Datensatz %2: Der Datensatz ist abgeschnitten.</translation>
    </message>
</context>
<context>
    <name>frmBackupFiles</name>
    <message>
        <source>Copy the two data files to another folder</source>
        <translation>Die beiden Datendateien in einen anderen Ordner kopieren</translation>
    </message>
    <message>
        <source>Which of the data files is being copied</source>
        <translation>Welche der Datendateien gerade kopiert wird</translation>
    </message>
    <message>
        <source>Caption of the file being copied</source>
        <translation>Beschriftung der kopierten Datei</translation>
    </message>
    <message>
        <source>File being copied</source>
        <translation>Kopierte Datei</translation>
    </message>
    <message>
        <source>The data file that is copied</source>
        <translation>Die Datendatei, die kopiert wird</translation>
    </message>
    <message>
        <source>Caption of the backup folder</source>
        <translation>Beschriftung des Sicherungsordners</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message>
        <source>Folder the copy is written to</source>
        <translation>Ordner, in den die Kopie geschrieben wird</translation>
    </message>
    <message>
        <source>Backup file name</source>
        <translation>Name der Sicherungsdatei</translation>
    </message>
    <message>
        <source>Name of the copy in the backup folder</source>
        <translation>Name der Kopie im Sicherungsordner</translation>
    </message>
    <message>
        <source>Copy the file to the backup folder</source>
        <translation>Die Datei in den Sicherungsordner kopieren</translation>
    </message>
    <message>
        <source>Close the backup window</source>
        <translation>Das Sicherungsfenster schließen</translation>
    </message>
    <message>
        <source>Backup Data Files</source>
        <translation>Datendateien sichern</translation>
    </message>
    <message>
        <source>Copying:</source>
        <translation>Kopiere:</translation>
    </message>
    <message>
        <source>In (Path):</source>
        <translation>Nach (Pfad):</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Sichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>The Investment Information file</source>
        <translation>Die Datei mit den Anlagedaten</translation>
    </message>
    <message>
        <source>There is no disk in the drive.<byte value="xd"/>
Please insert one and try again</source>
        <translation>Im Laufwerk ist kein Datenträger.<byte value="xd"/>
Bitte legen Sie einen ein und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.<byte value="xd"/>
Please type the path of an existing folder and try again.</source>
        <extracomment>%1 is the folder path the user typed</extracomment>
        <translation>Der Ordner „%1“ existiert nicht.<byte value="xd"/>
Bitte geben Sie den Pfad eines vorhandenen Ordners ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The backup copy cannot be written over the program&apos;s own data file.<byte value="xd"/>
Please choose another folder.</source>
        <translation>Die Sicherungskopie kann nicht über die eigene Datendatei des Programms geschrieben werden.<byte value="xd"/>
Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is the program&apos;s own data folder; the backup copies cannot go there.<byte value="xd"/>
Please choose another folder.</source>
        <translation>Der Ordner „%1“ ist der eigene Datenordner des Programms; die Sicherungskopien können nicht dorthin.<byte value="xd"/>
Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>The Investment Data file</source>
        <translation>Die Datei mit den Datensätzen</translation>
    </message>
</context>
<context>
    <name>frmEnterPassword</name>
    <message>
        <source>The program asks for its password</source>
        <translation>Das Programm fragt nach seinem Passwort</translation>
    </message>
    <message>
        <source>What to type in the box</source>
        <translation>Was in das Feld einzugeben ist</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>The password of the program</source>
        <translation>Das Passwort des Programms</translation>
    </message>
    <message>
        <source>Check the password and open the program</source>
        <translation>Das Passwort prüfen und das Programm öffnen</translation>
    </message>
    <message>
        <source>Empty the password box</source>
        <translation>Das Passwortfeld leeren</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>Please Enter Your Password</source>
        <translation>Bitte geben Sie Ihr Passwort ein</translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>You have not entered a password. Please do so.</source>
        <translation>Sie haben kein Passwort eingegeben. Bitte holen Sie das nach.</translation>
    </message>
    <message>
        <source>No Entry</source>
        <translation>Keine Eingabe</translation>
    </message>
    <message>
        <source>Sorry, the password you&apos;ve entered is incorrect.</source>
        <translation>Das eingegebene Passwort ist leider falsch.</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>frmInstructions</name>
    <message>
        <source>How to use the program</source>
        <translation>Wie das Programm verwendet wird</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>The instructions; read them with the arrow keys</source>
        <translation>Die Anleitung; mit den Pfeiltasten lesen</translation>
    </message>
    <message>
        <source>Close the instructions</source>
        <translation>Die Anleitung schließen</translation>
    </message>
    <message>
        <source>Files containing the Investment records and the Data records are kept in the program folder, C:\Program Files\Plumbline 3.5. They must stay there: if they are moved or renamed, Plumbline does not find them and starts again with new, empty files. To keep a copy of your data in a safe place, choose Backup Data Files from the File menu. The dialog first offers the main file, PlumblineData, to be copied to drive A unless you type another path; click Save to copy it, then Exit,
and the form changes to offer the file that holds all the Data records, PlDataHist.txt (the Data records of all your investments are kept together in this one text file). Again you may change the path; click Save, then Exit to leave the dialog.</source>
        <translation>Die Dateien mit den Anlagen und den Datensätzen liegen im Programmordner C:\Program Files\Plumbline 3.5. Dort müssen sie bleiben: Werden sie verschoben oder umbenannt, findet Plumbline sie nicht und beginnt wieder mit neuen, leeren Dateien. Um eine Kopie Ihrer Daten an einem sicheren Ort aufzubewahren, wählen Sie im Menü „Datei“ den Befehl „Datendateien sichern“. Der Dialog bietet zuerst die Hauptdatei PlumblineData an, die auf Laufwerk A kopiert wird, sofern Sie keinen anderen Pfad eingeben; klicken Sie auf „Speichern“, um sie zu kopieren, dann auf „Schließen“,
und das Formular bietet nun die Datei an, die alle Datensätze enthält, PlDataHist.txt (die Datensätze all Ihrer Anlagen stehen zusammen in dieser einen Textdatei). Wieder können Sie den Pfad ändern; klicken Sie auf „Sichern“ und dann auf „Fertig“, um den Dialog zu verlassen.</translation>
    </message>
    <message>
        <source>Files containing the Investment records and the Data records are kept in the program&apos;s data folder, %1. They must stay there: if they are moved or renamed, Plumbline does not find them and starts again with new, empty files. To keep a copy of your data in a safe place, choose Backup Data Files from the File menu. The dialog first offers the main file, PlumblineData, to be copied to your home folder unless you type another path; click Save to copy it, then Exit,
and the form changes to offer the file that holds all the Data records, PlDataHist.txt (the Data records of all your investments are kept together in this one text file). Again you may change the path; click Save, then Exit to leave the dialog.</source>
        <extracomment>%1 is the path of the program&apos;s data folder</extracomment>
        <translation>Die Dateien mit den Anlagen und den Datensätzen liegen im Datenordner des Programms, %1. Dort müssen sie bleiben: Werden sie verschoben oder umbenannt, findet Plumbline sie nicht und beginnt wieder mit neuen, leeren Dateien. Um eine Kopie Ihrer Daten an einem sicheren Ort aufzubewahren, wählen Sie im Menü „Datei“ den Befehl „Datendateien sichern“. Der Dialog bietet zuerst die Hauptdatei PlumblineData an, die in Ihren persönlichen Ordner kopiert wird, sofern Sie keinen anderen Pfad eingeben; klicken Sie auf „Speichern“, um sie zu kopieren, dann auf „Schließen“,
und das Formular bietet nun die Datei an, die alle Datensätze enthält, PlDataHist.txt (die Datensätze all Ihrer Anlagen stehen zusammen in dieser einen Textdatei). Wieder können Sie den Pfad ändern; klicken Sie auf „Sichern“ und dann auf „Fertig“, um den Dialog zu verlassen.</translation>
    </message>
    <message>
        <source>PLUMBLINE 3.5  INSTRUCTIONS</source>
        <translation>PLUMBLINE 3.5  ANLEITUNG</translation>
    </message>
    <message>
        <source>Welcome to Plumbline 3.5. Before you enter any data, decide whether the program should be protected by a password. Choose Password from the File menu: there you can set a password that will be asked for every time Plumbline starts, change the password you already have, or tick No Password to turn the protection off.</source>
        <translation>Willkommen bei Plumbline 3.5. Bevor Sie Daten eingeben, entscheiden Sie, ob das Programm durch ein Passwort geschützt werden soll. Wählen Sie im Menü „Datei“ den Befehl „Passwort“: Dort können Sie ein Passwort festlegen, das bei jedem Start von Plumbline abgefragt wird, Ihr bisheriges Passwort ändern oder „Nein“ ankreuzen, um den Schutz auszuschalten.</translation>
    </message>
    <message>
        <source>The Plumbline 3.5 main form is divided into two main areas. Your investment records are shown, one at a time, in the yellow boxes at the top of the form, and the numeric records that belong to the investment shown are listed in the Data Grid below them. To create your first investment record, click the &apos;Add New&apos; button in the top group of buttons.</source>
        <translation>Das Hauptformular von Plumbline 3.5 ist in zwei Bereiche geteilt. Ihre Anlagen werden einzeln in den gelben Feldern oben im Formular gezeigt, und die Zahlen-Datensätze der gezeigten Anlage stehen in der Datentabelle darunter. Um Ihre erste Anlage anzulegen, klicken Sie in der oberen Schaltflächengruppe auf „Neu“.</translation>
    </message>
    <message>
        <source>The Investment entry form will appear, ready for you to type in the TYPE OF INVESTMENT: for example a mutual fund, a stock, a bond, a CD or a savings account. This is the one box that must be filled in; if you click Done while it is empty, Plumbline asks you to make an entry.</source>
        <translation>Das Formular für die Anlage erscheint, bereit für die Eingabe der ART DER ANLAGE: zum Beispiel ein Investmentfonds, eine Aktie, eine Anleihe, ein Festgeld oder ein Sparkonto. Dies ist das einzige Feld, das ausgefüllt werden muss; klicken Sie auf „Fertig“, solange es leer ist, bittet Plumbline Sie um einen Eintrag.</translation>
    </message>
    <message>
        <source>Tab over to the INSTITUTION box and type the name of the bank, broker or fund company that holds the investment. This box is optional and may be left empty. Click Done or press the Enter key to save the record; you are taken back to the main form, which now shows your new investment at the top.</source>
        <translation>Wechseln Sie mit der Tabulatortaste zum Feld INSTITUT und geben Sie den Namen der Bank, des Brokers oder der Fondsgesellschaft ein, bei der die Anlage liegt. Dieses Feld ist freiwillig und darf leer bleiben. Klicken Sie auf „Fertig“ oder drücken Sie die Eingabetaste, um die Anlage zu speichern; Sie kehren zum Hauptformular zurück, das nun oben Ihre neue Anlage zeigt.</translation>
    </message>
    <message>
        <source>Now go down to the buttons on the bottom of the form and click &apos;Add New&apos; to create the first Data record of this investment. In the DATE box type the date of the record, or just press the Tab key and today&apos;s date is entered for you. In the ORIGINAL AMOUNT box type the amount you invested. Never type commas into any of the amount boxes: the commas are inserted automatically. Leave the INFLATION RATE box empty in this first record. In the CURRENT AMOUNT box type what the investment is worth now; for a new investment you may simply copy the original amount into it. Every box except the inflation rate must be filled in.</source>
        <translation>Gehen Sie nun zu den Schaltflächen unten im Formular und klicken Sie auf „Anfügen“, um den ersten Datensatz dieser Anlage anzulegen. Geben Sie im Feld DATUM das Datum des Datensatzes ein, oder drücken Sie einfach die Tabulatortaste, dann wird das heutige Datum für Sie eingetragen. Geben Sie im Feld URSPRUNGSBETRAG den angelegten Betrag ein. Geben Sie nie Tausendertrennzeichen in die Betragsfelder ein: Sie werden automatisch eingefügt. Lassen Sie das Feld INFLATIONSRATE in diesem ersten Datensatz leer. Geben Sie im Feld AKTUELLER BETRAG ein, was die Anlage jetzt wert ist; bei einer neuen Anlage können Sie einfach den Ursprungsbetrag übernehmen. Jedes Feld außer der Inflationsrate muss ausgefüllt werden.</translation>
    </message>
    <message>
        <source>This is the way we suggest you start Plumbline with every investment. The first record is the starting point: there is no earlier record and so no interval yet for an inflation rate to cover, which is why none is entered. Click Done to save the record and return to the main form.</source>
        <translation>So empfehlen wir Ihnen, in Plumbline mit jeder Anlage zu beginnen. Der erste Datensatz ist der Ausgangspunkt: Es gibt keinen früheren Datensatz und daher noch keinen Zeitraum, den eine Inflationsrate abdecken könnte; deshalb wird keine eingegeben. Klicken Sie auf „Fertig“, um den Datensatz zu speichern und zum Hauptformular zurückzukehren.</translation>
    </message>
    <message>
        <source>It is in the Data Grid where you can see the figures Plumbline works out for each record. In the first record every figure beyond the values you entered is zero, as there is nothing yet to compare with. When you add later records, each with a new current amount and the inflation rate for the interval since the record before, the grid shows how the investment has done, including the figures adjusted for inflation (AFI). If prices fell during an interval, enter the deflation rate as a negative number.</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>In der Datentabelle sehen Sie die Zahlen, die Plumbline für jeden Datensatz berechnet. Im ersten Datensatz ist jede Zahl außer Ihren Eingaben null, da es noch nichts zu vergleichen gibt. Wenn Sie weitere Datensätze hinzufügen, jeweils mit einem neuen aktuellen Betrag und der Inflationsrate für den Zeitraum seit dem vorigen Datensatz, zeigt die Tabelle, wie sich die Anlage entwickelt hat, einschließlich der inflationsbereinigten Zahlen (infl.-ber.). Sind die Preise in einem Zeitraum gefallen, geben Sie die Deflationsrate als negative Zahl ein.</translation>
    </message>
    <message>
        <source>When creating new records for an investment, it is best to make them at regular intervals, such as once a year, once a quarter or once a month, so that each record covers a period for which an inflation rate is published. Such rates are published by the government&apos;s statistics office (in the United States the Bureau of Labor Statistics, with its Consumer Price Index) and can be found in newspapers, in libraries and on the Internet.</source>
        <translation>Legen Sie neue Datensätze einer Anlage am besten in regelmäßigen Abständen an, etwa einmal im Jahr, im Quartal oder im Monat, damit jeder Datensatz einen Zeitraum abdeckt, für den eine Inflationsrate veröffentlicht wird. Solche Raten veröffentlicht das statistische Amt (in Deutschland das Statistische Bundesamt mit seinem Verbraucherpreisindex, in den USA das Bureau of Labor Statistics mit dem Consumer Price Index); Sie finden sie in Zeitungen, Bibliotheken und im Internet.</translation>
    </message>
    <message>
        <source>If you&apos;ve had an investment for several years, you can enter its history one year at a time. For each following year type the date one year after the previous record, leave the original amount as it was unless you added money to the investment or took some out, type the new current amount, and type the inflation rate for that interval. We recommend intervals that run from January to January.</source>
        <translation>Besitzen Sie eine Anlage schon seit einigen Jahren, können Sie ihren Verlauf Jahr für Jahr eingeben. Geben Sie für jedes folgende Jahr das Datum ein Jahr nach dem vorigen Datensatz ein, lassen Sie den Ursprungsbetrag unverändert, sofern Sie nichts eingezahlt oder entnommen haben, geben Sie den neuen aktuellen Betrag und die Inflationsrate für diesen Zeitraum ein. Wir empfehlen Zeiträume von Januar bis Januar.</translation>
    </message>
    <message>
        <source>Notice that the INC/DEC number shows how much the current amount has gone up or down since the previous record; a decrease is shown in brackets. PROFIT/LOSS is the difference between the current amount and the original amount. INFLATION RATE is the rate you entered for the interval, and LOSS TO INFLATION is the part of the investment&apos;s value that inflation took away during that interval; when there was deflation it is negative, which means a gain.</source>
        <extracomment>INC/DEC = increase/decrease; the words in capitals are the Data Grid&apos;s column headings</extracomment>
        <translation>Beachten Sie: Die Zahl ZU-/ABNAHME zeigt, wie stark der aktuelle Betrag seit dem vorigen Datensatz gestiegen oder gefallen ist; eine Abnahme steht in Klammern. GEWINN/VERLUST ist die Differenz zwischen aktuellem Betrag und Ursprungsbetrag. INFLATION RATE (%) ist die Rate, die Sie für den Zeitraum eingegeben haben, und VERLUST DURCH INFLATION ist der Teil des Werts der Anlage, den die Inflation in diesem Zeitraum genommen hat; bei Deflation ist er negativ, also ein Gewinn.</translation>
    </message>
    <message>
        <source>The next figure, CURRENT AMOUNT AFI, is the current amount adjusted for inflation: what the investment is really worth in the money of the first record, after all the inflation since then. PROFIT/LOSS AFI is the profit or loss counted in those adjusted amounts. A detailed explanation of the calculations is given in a separate explanation document in the program folder: %1.</source>
        <extracomment>AFI = adjusted for inflation; %1 is the path of the explanation document</extracomment>
        <translation>Die nächste Zahl, AKTUELLER BETR. INFL.-BER., ist der inflationsbereinigte aktuelle Betrag: was die Anlage in Geld des ersten Datensatzes nach aller Inflation seither wirklich wert ist. G/V INFL.-BER. ist der Gewinn oder Verlust, gerechnet in diesen bereinigten Beträgen. Eine ausführliche Erklärung der Berechnungen steht in einem eigenen Dokument im Programmordner: %1.</translation>
    </message>
    <message>
        <source>You can edit the basic information of an investment with the Edit button in the top group of buttons, and delete the investment with the Delete button beside it. Data records can be edited and deleted too. Take care: deleting an investment record deletes all of its Data records as well.</source>
        <translation>Die Grunddaten einer Anlage bearbeiten Sie mit der Schaltfläche „Ändern“ in der oberen Schaltflächengruppe, und mit „Löschen“ daneben löschen Sie die Anlage. Auch Datensätze können bearbeitet und gelöscht werden. Vorsicht: Das Löschen einer Anlage löscht auch alle ihre Datensätze.</translation>
    </message>
    <message>
        <source>To edit or delete a Data record, click Edit or Del Rec in the lower group of buttons, then click the box next to them; it takes the focus and turns blue. Pick the number of the record you want from the list that drops down.</source>
        <translation>Um einen Datensatz zu bearbeiten oder zu löschen, klicken Sie in der unteren Schaltflächengruppe auf „Ändern“ oder „Löschen“ und dann auf das Feld daneben; es erhält den Fokus und wird blau. Wählen Sie die Nummer des gewünschten Datensatzes aus der aufklappenden Liste.</translation>
    </message>
    <message>
        <source>You can insert a new record within a group of Data records. Click Ins New, then choose from the drop-down list the record after which the new one is to come, and fill in the form as for any new record.</source>
        <translation>Sie können einen neuen Datensatz innerhalb einer Gruppe von Datensätzen einfügen. Klicken Sie auf „Einfügen“, wählen Sie in der aufklappenden Liste den Datensatz, nach dem der neue kommen soll, und füllen Sie das Formular wie bei jedem neuen Datensatz aus.</translation>
    </message>
    <message>
        <source>You can also get a printout of your figures. Print prints one page of the Data Grid at a time, the page that is on the screen. When an investment has more records than fit on one page, PREVIOUS and NEXT page links appear to the right of the page number; move to the page you want and click Print again.</source>
        <translation>Sie können Ihre Zahlen auch ausdrucken. „Drucken“ druckt jeweils eine Seite der Datentabelle, die Seite, die auf dem Bildschirm steht. Hat eine Anlage mehr Datensätze, als auf eine Seite passen, erscheinen rechts neben der Seitennummer die Verweise ZURÜCK und WEITER; gehen Sie zur gewünschten Seite und klicken Sie erneut auf „Drucken“.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 Instructions</source>
        <translation>Anleitung zu Plumbline 3.5</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fertig</translation>
    </message>
</context>
<context>
    <name>frmInvestData</name>
    <message>
        <source>Investments and their data records with the figures computed against inflation</source>
        <translation>Anlagen und ihre Datensätze mit den gegen die Inflation berechneten Zahlen</translation>
    </message>
    <message>
        <source>Caption of the investment record number</source>
        <translation>Beschriftung der Anlagennummer</translation>
    </message>
    <message>
        <source>Number of the investment shown</source>
        <translation>Nummer der gezeigten Anlage</translation>
    </message>
    <message>
        <source>Type of investment</source>
        <translation>Art der Anlage</translation>
    </message>
    <message>
        <source>Type of the investment shown; select it and use Edit, Copy to copy it</source>
        <translation>Art der gezeigten Anlage; markieren Sie sie und kopieren Sie sie mit Bearbeiten, Kopieren</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Institut</translation>
    </message>
    <message>
        <source>Institution that holds the investment shown; select it and use Edit, Copy to copy it</source>
        <translation>Institut, bei dem die gezeigte Anlage liegt; markieren Sie es und kopieren Sie es mit Bearbeiten, Kopieren</translation>
    </message>
    <message>
        <source>Show the first investment</source>
        <translation>Die erste Anlage zeigen</translation>
    </message>
    <message>
        <source>Previous investment</source>
        <translation>Vorige Anlage</translation>
    </message>
    <message>
        <source>Show the investment before this one</source>
        <translation>Die Anlage vor dieser zeigen</translation>
    </message>
    <message>
        <source>Next investment</source>
        <translation>Nächste Anlage</translation>
    </message>
    <message>
        <source>Show the investment after this one</source>
        <translation>Die Anlage nach dieser zeigen</translation>
    </message>
    <message>
        <source>Show the last investment</source>
        <translation>Die letzte Anlage zeigen</translation>
    </message>
    <message>
        <source>Add new investment</source>
        <translation>Neue Anlage hinzufügen</translation>
    </message>
    <message>
        <source>Add a new investment record</source>
        <translation>Eine neue Anlage hinzufügen</translation>
    </message>
    <message>
        <source>Edit investment</source>
        <translation>Anlage bearbeiten</translation>
    </message>
    <message>
        <source>Edit the type and institution of the investment shown</source>
        <translation>Art und Institut der gezeigten Anlage bearbeiten</translation>
    </message>
    <message>
        <source>Delete investment</source>
        <translation>Anlage löschen</translation>
    </message>
    <message>
        <source>Delete the investment shown and all of its data records</source>
        <translation>Die gezeigte Anlage mit allen ihren Datensätzen löschen</translation>
    </message>
    <message>
        <source>Column heading: data record number</source>
        <translation>Spaltenüberschrift: Nummer des Datensatzes</translation>
    </message>
    <message>
        <source>Column heading: date of the data record</source>
        <translation>Spaltenüberschrift: Datum des Datensatzes</translation>
    </message>
    <message>
        <source>Column heading: original amount</source>
        <translation>Spaltenüberschrift: Ursprungsbetrag</translation>
    </message>
    <message>
        <source>Column heading: current amount</source>
        <translation>Spaltenüberschrift: aktueller Betrag</translation>
    </message>
    <message>
        <source>Column heading: increase or decrease since the previous record</source>
        <translation>Spaltenüberschrift: Zu- oder Abnahme seit dem vorigen Datensatz</translation>
    </message>
    <message>
        <source>Column heading: profit or loss</source>
        <translation>Spaltenüberschrift: Gewinn oder Verlust</translation>
    </message>
    <message>
        <source>Column heading: inflation rate in percent</source>
        <translation>Spaltenüberschrift: Inflationsrate in Prozent</translation>
    </message>
    <message>
        <source>Column heading: loss to inflation</source>
        <translation>Spaltenüberschrift: Inflationsverlust</translation>
    </message>
    <message>
        <source>Column heading: current amount adjusted for inflation</source>
        <translation>Spaltenüberschrift: inflationsbereinigter Betrag</translation>
    </message>
    <message>
        <source>Column heading: profit or loss adjusted for inflation</source>
        <translation>Spaltenüberschrift: inflationsbereinigter Gewinn oder Verlust</translation>
    </message>
    <message>
        <source>Caption of the page number</source>
        <translation>Beschriftung der Seitennummer</translation>
    </message>
    <message>
        <source>Number of the grid page shown</source>
        <translation>Nummer der gezeigten Tabellenseite</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Show the previous twelve data records (Page Up)</source>
        <translation>Die vorigen zwölf Datensätze zeigen (Bild auf)</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Show the next twelve data records (Page Down)</source>
        <translation>Die nächsten zwölf Datensätze zeigen (Bild ab)</translation>
    </message>
    <message>
        <source>Add new data record</source>
        <translation>Neuen Datensatz hinzufügen</translation>
    </message>
    <message>
        <source>Add a data record at the end of this investment&apos;s records</source>
        <translation>Einen Datensatz am Ende der Datensätze dieser Anlage hinzufügen</translation>
    </message>
    <message>
        <source>Insert data record</source>
        <translation>Datensatz einfügen</translation>
    </message>
    <message>
        <source>Insert a data record before the one chosen in the record list</source>
        <translation>Einen Datensatz vor dem in der Datensatzliste gewählten einfügen</translation>
    </message>
    <message>
        <source>Delete data record</source>
        <translation>Datensatz löschen</translation>
    </message>
    <message>
        <source>Delete the data record chosen in the record list</source>
        <translation>Den in der Datensatzliste gewählten Datensatz löschen</translation>
    </message>
    <message>
        <source>Data record number</source>
        <translation>Datensatznummer</translation>
    </message>
    <message>
        <source>Choose the data record to edit, insert before or delete</source>
        <translation>Den Datensatz wählen, der bearbeitet, vor dem eingefügt oder der gelöscht werden soll</translation>
    </message>
    <message>
        <source>Edit data record</source>
        <translation>Datensatz bearbeiten</translation>
    </message>
    <message>
        <source>Edit the data record chosen in the record list</source>
        <translation>Den in der Datensatzliste gewählten Datensatz bearbeiten</translation>
    </message>
    <message>
        <source>Print the page of the grid that is on screen</source>
        <translation>Die Seite der Tabelle drucken, die auf dem Bildschirm steht</translation>
    </message>
    <message>
        <source>Close the data files and end the program (Ctrl+Q)</source>
        <translation>Die Datendateien schließen und das Programm beenden (Strg+Q)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Backup, password and exit</source>
        <translation>Sicherung, Passwort und Beenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Copy the type or institution of the investment</source>
        <translation>Art oder Institut der Anlage kopieren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Instructions (F1)</source>
        <translation>Anleitung (F1)</translation>
    </message>
    <message>
        <source>Data Rec</source>
        <extracomment>Data Rec = data record number</extracomment>
        <translation>DS-Nr.</translation>
    </message>
    <message>
        <source>Number of the data record within its investment</source>
        <translation>Nummer des Datensatzes innerhalb seiner Anlage</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Grid heading: the data record&apos;s date</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date of the data record</source>
        <translation>Datum des Datensatzes</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Ursprungsbetrag</translation>
    </message>
    <message>
        <source>Amount originally invested</source>
        <translation>Ursprünglich angelegter Betrag</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Aktueller Betrag</translation>
    </message>
    <message>
        <source>Current amount on this date</source>
        <translation>Aktueller Betrag an diesem Datum</translation>
    </message>
    <message>
        <source>Inc/Dec</source>
        <extracomment>Inc/Dec = increase or decrease
----------
Grid heading: increase or decrease since the previous record</extracomment>
        <translation>Zu-/Abnahme</translation>
    </message>
    <message>
        <source>Increase or decrease since the previous record</source>
        <translation>Zu- oder Abnahme seit dem vorigen Datensatz</translation>
    </message>
    <message>
        <source>Profit/Loss</source>
        <extracomment>Grid heading: profit or loss</extracomment>
        <translation>Gewinn/Verl.</translation>
    </message>
    <message>
        <source>Current amount less original amount</source>
        <translation>Aktueller Betrag abzüglich Ursprungsbetrag</translation>
    </message>
    <message>
        <source>Inflation Rate (%)</source>
        <translation>Inflationsrate (%)</translation>
    </message>
    <message>
        <source>Inflation rate in percent since the previous record</source>
        <translation>Inflationsrate in Prozent seit dem vorigen Datensatz</translation>
    </message>
    <message>
        <source>Loss To Inflation</source>
        <translation>Inflationsverlust</translation>
    </message>
    <message>
        <source>What inflation took from the amount since the previous record</source>
        <translation>Was die Inflation seit dem vorigen Datensatz vom Betrag genommen hat</translation>
    </message>
    <message>
        <source>Current Amount AFI</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Inflationsbereinigter Betrag</translation>
    </message>
    <message>
        <source>Current amount adjusted for inflation</source>
        <translation>Inflationsbereinigter aktueller Betrag</translation>
    </message>
    <message>
        <source>Profit/Loss AFI</source>
        <extracomment>AFI = adjusted for inflation
----------
Grid heading; AFI = adjusted for inflation</extracomment>
        <translation>G/V infl.-ber.</translation>
    </message>
    <message>
        <source>Profit or loss adjusted for inflation</source>
        <translation>Inflationsbereinigter Gewinn oder Verlust</translation>
    </message>
    <message>
        <source>&amp;Import Price Index…</source>
        <translation>Preisindex im&amp;portieren…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Price &amp;Index…</source>
        <translation>Preis&amp;index…</translation>
    </message>
    <message>
        <source>About Plumbline…</source>
        <translation>Über Plumbline…</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete this record?<byte value="xd"/>
If you delete it, all the corresponding records<byte value="xd"/>
In it&apos;s data file will be<byte value="xd"/>
deleted too.</source>
        <translation>Möchten Sie diese Anlage wirklich löschen?<byte value="xd"/>
Wenn Sie sie löschen, werden auch alle zugehörigen<byte value="xd"/>
Datensätze in ihrer Datendatei<byte value="xd"/>
gelöscht.</translation>
    </message>
    <message>
        <source>There is no disk in the drive.<byte value="xd"/>
Please insert one and try again</source>
        <translation>Im Laufwerk ist kein Datenträger.<byte value="xd"/>
Bitte legen Sie einen ein und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>The investment delete could not be completed. Plumbline 3.5 completes it when it starts next time, and ends now.</source>
        <translation>Das Löschen der Anlage konnte nicht abgeschlossen werden. Plumbline 3.5 schließt es beim nächsten Start ab und wird jetzt beendet.</translation>
    </message>
    <message>
        <source>The data record&apos;s values could not be read.</source>
        <translation>Die Werte des Datensatzes konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Investment Record #:</source>
        <translation>Anlage Nr.:</translation>
    </message>
    <message>
        <source>&amp;First</source>
        <extracomment>The buttons of the top row go through the investments; &quot;&amp;&quot; marks the access key</extracomment>
        <translation>Ers&amp;te</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <translation>&amp;Letzte</translation>
    </message>
    <message>
        <source>Add &amp;New</source>
        <extracomment>Adds a new investment (the data records&apos; button below is &quot;&amp;Add New&quot;)</extracomment>
        <translation>Ne&amp;u</translation>
    </message>
    <message>
        <source>Edi&amp;t</source>
        <extracomment>Edits the investment shown</extracomment>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>Deletes the investment shown with its data records</extracomment>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>Caption before the number of the grid page shown</extracomment>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Link to the grid&apos;s previous page</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Link to the grid&apos;s next page</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <extracomment>Adds a data record at the end of the investment&apos;s data</extracomment>
        <translation>Anfü&amp;gen</translation>
    </message>
    <message>
        <source>&amp;Ins New</source>
        <extracomment>Short for &quot;Insert New&quot;: inserts a data record after the one chosen</extracomment>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Del &amp;Rec</source>
        <extracomment>Short for &quot;Delete Record&quot;: deletes the data record chosen</extracomment>
        <translation>Lös&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>Edits the data record chosen</extracomment>
        <translation>Ände&amp;rn</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Druc&amp;ken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>Grid heading, top line over &quot;Rec&quot; (the data record&apos;s number)</extracomment>
        <translation>DS</translation>
    </message>
    <message>
        <source>Rec</source>
        <extracomment>Grid heading: the data record&apos;s number (abbreviation of &quot;Record&quot;), under &quot;Data&quot;</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Original</source>
        <extracomment>Grid heading, top line of &quot;Original Amount&quot;</extracomment>
        <translation>Urspr.</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>Grid heading, bottom line of &quot;Original Amount&quot; and of &quot;Current Amount&quot;</extracomment>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Current</source>
        <extracomment>Grid heading, top line of &quot;Current Amount&quot; and of &quot;Current Amount AFI&quot;</extracomment>
        <translation>Aktueller</translation>
    </message>
    <message>
        <source>Inflation</source>
        <extracomment>Grid heading, top line of &quot;Inflation Rate (%)&quot; and bottom line of &quot;Loss To Inflation&quot;</extracomment>
        <translation>Inflation</translation>
    </message>
    <message>
        <source>Rate (%)</source>
        <extracomment>Grid heading, bottom line of &quot;Inflation Rate (%)&quot;</extracomment>
        <translation>Rate (%)</translation>
    </message>
    <message>
        <source>Loss To</source>
        <extracomment>Grid heading, top line of &quot;Loss To Inflation&quot;</extracomment>
        <translation>Verlust durch</translation>
    </message>
    <message>
        <source>Amount AFI</source>
        <extracomment>Grid heading, bottom line of &quot;Current Amount AFI&quot;; AFI = adjusted for inflation</extracomment>
        <translation>Betr. infl.-ber.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; cannot be created.<byte value="xd"/>
Plumbline 3.5 cannot run without it and ends now.</source>
        <extracomment>%1 is the data folder&apos;s path</extracomment>
        <translation>Der Datenordner „%1“ kann nicht angelegt werden.<byte value="xd"/>
Plumbline 3.5 kann ohne ihn nicht laufen und wird jetzt beendet.</translation>
    </message>
    <message>
        <source>The investment file &quot;%1&quot; in the data folder &quot;%2&quot; cannot be opened:<byte value="xd"/>
%3<byte value="xd"/>
Plumbline 3.5 cannot run without it and ends now.</source>
        <extracomment>%1 is the investment file&apos;s name, %2 the data folder&apos;s path, %3 the error&apos;s description</extracomment>
        <translation>Die Anlagendatei „%1“ im Datenordner „%2“ kann nicht geöffnet werden:<byte value="xd"/>
%3<byte value="xd"/>
Plumbline 3.5 kann ohne sie nicht laufen und wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 is already running and using the data folder &quot;%1&quot;.<byte value="xd"/>
Only one copy of the program can use it at a time; this copy ends now.</source>
        <extracomment>%1 is the data folder&apos;s path</extracomment>
        <translation>Plumbline 3.5 läuft bereits und verwendet den Datenordner „%1“.<byte value="xd"/>
Nur eine Kopie des Programms kann ihn zur selben Zeit verwenden; diese Kopie wird jetzt beendet.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; cannot be used: &quot;%2&quot; there is a folder, where Plumbline 3.5 keeps the file that shows it is running.<byte value="xd"/>
Move or rename that folder. Plumbline 3.5 ends now.</source>
        <extracomment>%1 is the data folder&apos;s path, %2 the lock file&apos;s name</extracomment>
        <translation>Der Datenordner „%1“ kann nicht verwendet werden: „%2“ ist dort ein Ordner, wo Plumbline 3.5 die Datei ablegt, die zeigt, dass es läuft.<byte value="xd"/>
Verschieben Sie diesen Ordner oder benennen Sie ihn um. Plumbline 3.5 wird jetzt beendet.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; cannot be used: the lock file &quot;%2&quot; cannot be written there.<byte value="xd"/>
Plumbline 3.5 cannot run without it and ends now.</source>
        <extracomment>%1 is the data folder&apos;s path, %2 the lock file&apos;s name</extracomment>
        <translation>Der Datenordner „%1“ kann nicht verwendet werden: Die Sperrdatei „%2“ kann dort nicht geschrieben werden.<byte value="xd"/>
Plumbline 3.5 kann ohne sie nicht laufen und wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Investment Data History information cannot be displayed<byte value="xd"/>
because the Data History file doesn&apos;t exist yet.<byte value="xd"/>
(No information has been entered.)</source>
        <translation>Der Datenverlauf der Anlage kann nicht angezeigt werden,<byte value="xd"/>
weil die Verlaufsdatei noch nicht existiert.<byte value="xd"/>
(Es wurden noch keine Daten eingegeben.)</translation>
    </message>
    <message>
        <source>Sorry, you can&apos;t edit or create a new record from the data grid. If you want to edit a record,<byte value="xd"/>
click on &apos;Edit&apos; and choose the record you want to change from the drop down box<byte value="xd"/>
next to it. If you want to create a new record, click on &apos;Add New&apos;.</source>
        <translation>Sie können in der Datentabelle leider keinen Datensatz bearbeiten oder anlegen. Wenn Sie einen Datensatz bearbeiten möchten,<byte value="xd"/>
klicken Sie auf „Bearbeiten“ und wählen Sie den gewünschten Datensatz aus der Liste<byte value="xd"/>
daneben. Wenn Sie einen neuen Datensatz anlegen möchten, klicken Sie auf „Anfügen“.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 was interrupted while it changed its data files, and what it left in the data folder &quot;%1&quot; cannot be set aside:<byte value="xd"/>
%2<byte value="xd"/>
Nothing was deleted. Plumbline 3.5 ends now.</source>
        <extracomment>%1 is the data folder&apos;s path, %2 the error&apos;s description</extracomment>
        <translation>Plumbline 3.5 wurde beim Ändern seiner Datendateien unterbrochen, und was es im Datenordner „%1“ hinterlassen hat, kann nicht beiseitegelegt werden:<byte value="xd"/>
%2<byte value="xd"/>
Es wurde nichts gelöscht. Plumbline 3.5 wird jetzt beendet.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes): %3</source>
        <extracomment>One file set aside: %1 its name, %2 its size in bytes, %3 what it holds</extracomment>
        <translation>%1 (%2 Bytes): %3</translation>
    </message>
    <message>
        <source>Plumbline 3.5 was interrupted while it changed its data files, and the files it left may hold data that &quot;%1&quot; and &quot;%2&quot; do not.</source>
        <extracomment>%1 and %2 are the names of the two data files</extracomment>
        <translation>Plumbline 3.5 wurde beim Ändern seiner Datendateien unterbrochen, und die hinterlassenen Dateien enthalten womöglich Daten, die „%1“ und „%2“ nicht enthalten.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 was interrupted while it deleted an investment.<byte value="xd"/>
%1</source>
        <extracomment>%1 is a sentence on what became of the interrupted delete</extracomment>
        <translation>Plumbline 3.5 wurde beim Löschen einer Anlage unterbrochen.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Plumbline 3.5 now goes on without data files. To have your data back as it was, restore the data folder from a backup.</source>
        <translation>Plumbline 3.5 arbeitet jetzt ohne Datendateien weiter. Um Ihre Daten wie zuvor zurückzubekommen, stellen Sie den Datenordner aus einer Sicherung wieder her.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 now goes on with the data files as they are.</source>
        <translation>Plumbline 3.5 arbeitet jetzt mit den Datendateien weiter, wie sie sind.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Nothing was deleted: they were moved into the folder &quot;%2&quot;:<byte value="xd"/>
%3<byte value="xd"/>
%4</source>
        <extracomment>%1 is the opening sentence above, %2 the folder&apos;s path, %3 the list of files, one a line, %4 the closing sentence</extracomment>
        <translation>%1<byte value="xd"/>
Es wurde nichts gelöscht: Sie wurden in den Ordner „%2“ verschoben:<byte value="xd"/>
%3<byte value="xd"/>
%4</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Backup Data Files</source>
        <translation>Datendateien &amp;sichern</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>Pass&amp;wort</translation>
    </message>
    <message>
        <source>&amp;Report…</source>
        <translation>&amp;Bericht…</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Chart…</source>
        <translation>&amp;Diagramm…</translation>
    </message>
    <message>
        <source>P&amp;ortfolio…</source>
        <translation>P&amp;ortfolio…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>Backup Copies</source>
        <translation>Sicherungskopien</translation>
    </message>
    <message>
        <source>New Investment Record</source>
        <translation>Neue Anlage</translation>
    </message>
    <message>
        <source>Copy Investment Info</source>
        <extracomment>Tooltip: copies the investment&apos;s type and institution</extracomment>
        <translation>Anlagedaten kopieren</translation>
    </message>
    <message>
        <source>Delete Investment Record</source>
        <translation>Anlage löschen</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Portfolio</source>
        <translation>Portfolio</translation>
    </message>
    <message>
        <source>Print Investment Data History</source>
        <translation>Datenverlauf der Anlage drucken</translation>
    </message>
    <message>
        <source>Printout has been canceled</source>
        <translation>Der Ausdruck wurde abgebrochen</translation>
    </message>
    <message>
        <source>Pg %1</source>
        <extracomment>Printed under the rows: &quot;Pg&quot; = page, %1 the number of the grid page printed</extracomment>
        <translation>S. %1</translation>
    </message>
    <message>
        <source>Investment Record %1:  %2  %3</source>
        <extracomment>Printed title: %1 the investment&apos;s number with a blank each side, %2 its type, %3 its institution</extracomment>
        <translation>Anlage %1:  %2  %3</translation>
    </message>
    <message>
        <source>Profit/</source>
        <extracomment>Printed column heading, top line of &quot;Profit/Loss&quot; and of &quot;Profit/Loss AFI&quot;</extracomment>
        <translation>Gewinn/</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>Printed column heading: the data record&apos;s number</extracomment>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Loss</source>
        <extracomment>Printed column heading, bottom line of &quot;Profit/Loss&quot;</extracomment>
        <translation>Verlust</translation>
    </message>
    <message>
        <source>Amnt AFI</source>
        <extracomment>Printed column heading under &quot;Current&quot;: amount adjusted for inflation</extracomment>
        <translation>Betr. infl.-ber.</translation>
    </message>
    <message>
        <source>Loss AFI</source>
        <extracomment>Printed column heading under &quot;Profit/&quot;: loss adjusted for inflation</extracomment>
        <translation>Verl. infl.-ber.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this data record?</source>
        <translation>Möchten Sie diesen Datensatz wirklich löschen?</translation>
    </message>
    <message>
        <source>You cannot insert a new record after the last one.<byte value="xd"/>
Click on &apos;Add New&apos; to add a new record to the end of the file.</source>
        <translation>Nach dem letzten Datensatz kann kein neuer eingefügt werden.<byte value="xd"/>
Klicken Sie auf „Anfügen“, um einen neuen Datensatz am Ende der Datei hinzuzufügen.</translation>
    </message>
    <message>
        <source>New Record</source>
        <translation>Neuer Datensatz</translation>
    </message>
    <message>
        <source>There are no data records under this investment to perform operations on.<byte value="xd"/>
If you want to create a data record, click on the &apos;Add New&apos; button under the data grid.</source>
        <translation>Unter dieser Anlage gibt es keine Datensätze, mit denen etwas getan werden könnte.<byte value="xd"/>
Wenn Sie einen Datensatz anlegen möchten, klicken Sie unter der Datentabelle auf „Anfügen“.</translation>
    </message>
    <message>
        <source>No Data Records</source>
        <translation>Keine Datensätze</translation>
    </message>
</context>
<context>
    <name>frmInvestEntry</name>
    <message>
        <source>Type and institution of an investment record</source>
        <translation>Art und Institut einer Anlage</translation>
    </message>
    <message>
        <source>Caption of the investment record number</source>
        <translation>Beschriftung der Anlagennummer</translation>
    </message>
    <message>
        <source>Number of the investment record</source>
        <translation>Nummer der Anlage</translation>
    </message>
    <message>
        <source>Caption of the type of investment</source>
        <translation>Beschriftung der Art der Anlage</translation>
    </message>
    <message>
        <source>Type of investment</source>
        <translation>Art der Anlage</translation>
    </message>
    <message>
        <source>Type of the investment, at most 50 characters</source>
        <translation>Art der Anlage, höchstens 50 Zeichen</translation>
    </message>
    <message>
        <source>Caption of the institution</source>
        <translation>Beschriftung des Instituts</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Institut</translation>
    </message>
    <message>
        <source>Institution that holds the investment, at most 50 characters</source>
        <translation>Institut, bei dem die Anlage liegt, höchstens 50 Zeichen</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Schließen, ohne zu speichern</translation>
    </message>
    <message>
        <source>Save the investment record and close</source>
        <translation>Die Anlage speichern und schließen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Copy and paste the type or institution</source>
        <translation>Art oder Institut kopieren und einfügen</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Rec #</source>
        <extracomment>Record number</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Type of Investment</source>
        <translation>Art der Anlage</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Sorry, there is no entry in &apos;Investment&apos;. You must make an entry.</source>
        <translation>Im Feld „Anlage“ steht leider nichts. Sie müssen etwas eingeben.</translation>
    </message>
</context>
<context>
    <name>frmNewEditData</name>
    <message>
        <source>Date, amounts and inflation rate of a data record</source>
        <translation>Datum, Beträge und Inflationsrate eines Datensatzes</translation>
    </message>
    <message>
        <source>Investment record number</source>
        <translation>Nummer der Anlage</translation>
    </message>
    <message>
        <source>Number of the investment this data record belongs to</source>
        <translation>Nummer der Anlage, zu der dieser Datensatz gehört</translation>
    </message>
    <message>
        <source>Type of investment</source>
        <translation>Art der Anlage</translation>
    </message>
    <message>
        <source>Type of the investment this data record belongs to</source>
        <translation>Art der Anlage, zu der dieser Datensatz gehört</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Institut</translation>
    </message>
    <message>
        <source>Institution of the investment this data record belongs to</source>
        <translation>Institut der Anlage, zu der dieser Datensatz gehört</translation>
    </message>
    <message>
        <source>The values of the data record</source>
        <translation>Die Werte des Datensatzes</translation>
    </message>
    <message>
        <source>Caption of the date</source>
        <translation>Beschriftung des Datums</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date of the data record</source>
        <translation>Datum des Datensatzes</translation>
    </message>
    <message>
        <source>Caption of the original amount</source>
        <translation>Beschriftung des Ursprungsbetrags</translation>
    </message>
    <message>
        <source>Original amount</source>
        <translation>Ursprungsbetrag</translation>
    </message>
    <message>
        <source>Amount originally invested</source>
        <translation>Ursprünglich angelegter Betrag</translation>
    </message>
    <message>
        <source>Caption of the inflation rate</source>
        <translation>Beschriftung der Inflationsrate</translation>
    </message>
    <message>
        <source>Inflation rate</source>
        <translation>Inflationsrate</translation>
    </message>
    <message>
        <source>Inflation rate in percent since the previous record; may stay empty</source>
        <translation>Inflationsrate in Prozent seit dem vorigen Datensatz; darf leer bleiben</translation>
    </message>
    <message>
        <source>Caption of the current amount</source>
        <translation>Beschriftung des aktuellen Betrags</translation>
    </message>
    <message>
        <source>Current amount</source>
        <translation>Aktueller Betrag</translation>
    </message>
    <message>
        <source>Current amount of the investment on this date</source>
        <translation>Aktueller Betrag der Anlage an diesem Datum</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Schließen, ohne zu speichern</translation>
    </message>
    <message>
        <source>Save the data record and close</source>
        <translation>Den Datensatz speichern und schließen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Cut, copy and paste in the boxes</source>
        <translation>Ausschneiden, Kopieren und Einfügen in den Feldern</translation>
    </message>
    <message>
        <source>Suggested inflation rate</source>
        <translation>Vorgeschlagene Inflationsrate</translation>
    </message>
    <message>
        <source>The price index&apos;s rate since the previous record, or why there is none</source>
        <translation>Die Rate des Preisindex seit dem vorigen Datensatz oder warum es keine gibt</translation>
    </message>
    <message>
        <source>The suggested rate and the series it comes from</source>
        <translation>Die vorgeschlagene Rate und die Reihe, aus der sie stammt</translation>
    </message>
    <message>
        <source>Finer price index</source>
        <translation>Feinerer Preisindex</translation>
    </message>
    <message>
        <source>Suggest rates from the country&apos;s monthly or quarterly price index instead of annual averages</source>
        <translation>Raten aus dem monatlichen oder vierteljährlichen Preisindex des Landes statt aus Jahresdurchschnitten vorschlagen</translation>
    </message>
    <message>
        <source>Put the suggested rate into the inflation rate box</source>
        <translation>Die vorgeschlagene Rate in das Feld für die Inflationsrate übernehmen</translation>
    </message>
    <message>
        <source>No Entry</source>
        <translation>Keine Eingabe</translation>
    </message>
    <message>
        <source>Wrong entry. Please enter a date.</source>
        <translation>Falsche Eingabe. Bitte geben Sie ein Datum ein.</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>Data Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Investment Data</source>
        <translation>Anlagedaten</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Ursprungsbetrag</translation>
    </message>
    <message>
        <source>Infl Rate</source>
        <extracomment>Inflation rate in per cent</extracomment>
        <translation>Infl.-Rate</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Aktueller Betrag</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Add New Record</source>
        <translation>Neuen Datensatz hinzufügen</translation>
    </message>
    <message>
        <source>Edit Record</source>
        <translation>Datensatz bearbeiten</translation>
    </message>
    <message>
        <source>Insert New Record</source>
        <translation>Neuen Datensatz einfügen</translation>
    </message>
    <message>
        <source>There is no entry in &apos;Original Amount&apos;. Please make an entry if you want to<byte value="xd"/>
create a new record.</source>
        <translation>Im Feld „Ursprungsbetrag“ steht nichts. Bitte geben Sie etwas ein, wenn Sie<byte value="xd"/>
einen neuen Datensatz anlegen möchten.</translation>
    </message>
    <message>
        <source>There is no entry in &apos;Current Amount&apos;. Please make an entry if you want to<byte value="xd"/>
create a new record.</source>
        <translation>Im Feld „Aktueller Betrag“ steht nichts. Bitte geben Sie etwas ein, wenn Sie<byte value="xd"/>
einen neuen Datensatz anlegen möchten.</translation>
    </message>
    <message>
        <source>Sorry, wrong entry. Enter only numbers or decimal point.</source>
        <translation>Falsche Eingabe. Geben Sie nur Ziffern oder ein Dezimalzeichen ein.</translation>
    </message>
    <message>
        <source>Wrong Entry</source>
        <translation>Falsche Eingabe</translation>
    </message>
</context>
<context>
    <name>frmPassword</name>
    <message>
        <source>Choose whether the program asks for a password at start-up</source>
        <translation>Wählen, ob das Programm beim Start nach einem Passwort fragt</translation>
    </message>
    <message>
        <source>The question this window asks</source>
        <translation>Die Frage, die dieses Fenster stellt</translation>
    </message>
    <message>
        <source>Check to start the program without a password</source>
        <translation>Ankreuzen, um das Programm ohne Passwort zu starten</translation>
    </message>
    <message>
        <source>How to set a password</source>
        <translation>Wie ein Passwort festgelegt wird</translation>
    </message>
    <message>
        <source>Caption of the password box</source>
        <translation>Beschriftung des Passwortfelds</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>The new password</source>
        <translation>Das neue Passwort</translation>
    </message>
    <message>
        <source>Caption of the second password box</source>
        <translation>Beschriftung des zweiten Passwortfelds</translation>
    </message>
    <message>
        <source>Enter password again</source>
        <translation>Passwort erneut eingeben</translation>
    </message>
    <message>
        <source>The new password once more, to check it</source>
        <translation>Das neue Passwort noch einmal, zur Kontrolle</translation>
    </message>
    <message>
        <source>Save the choice and go on</source>
        <translation>Die Auswahl speichern und fortfahren</translation>
    </message>
    <message>
        <source>Empty both password boxes</source>
        <translation>Beide Passwortfelder leeren</translation>
    </message>
    <message>
        <source>Leave without a change</source>
        <translation>Ohne Änderung verlassen</translation>
    </message>
    <message>
        <source>Password?</source>
        <translation>Passwort?</translation>
    </message>
    <message>
        <source>Do you want to make Plumbline  password protected, or change an existing password?</source>
        <translation>Möchten Sie Plumbline mit einem Passwort schützen oder ein bestehendes Passwort ändern?</translation>
    </message>
    <message>
        <source>No Password</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>If you do, please enter a password below, and re-enter it for validation.</source>
        <translation>Wenn ja, geben Sie unten ein Passwort ein und wiederholen Sie es.</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Enter Password Again</source>
        <translation>Passwort wiederholen</translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>No entry was made in &apos;Enter Password&apos;.</source>
        <translation>Im Feld „Passwort eingeben“ wurde nichts eingegeben.</translation>
    </message>
    <message>
        <source>Please make an entry.</source>
        <translation>Bitte geben Sie etwas ein.</translation>
    </message>
    <message>
        <source>No entry was made in &apos;Enter Password Again&apos;.</source>
        <translation>Im Feld „Passwort wiederholen“ wurde nichts eingegeben.</translation>
    </message>
    <message>
        <source>The second entry was not the same as the first.<byte value="xd"/>
Please re-enter the second, or both entries.</source>
        <translation>Die zweite Eingabe stimmt nicht mit der ersten überein.<byte value="xd"/>
Bitte geben Sie die zweite oder beide Eingaben erneut ein.</translation>
    </message>
    <message>
        <source>Please write your password down and keep<byte value="xd"/>
it in a safe place.</source>
        <translation>Bitte schreiben Sie Ihr Passwort auf und bewahren Sie es<byte value="xd"/>
an einem sicheren Ort auf.</translation>
    </message>
</context>
<context>
    <name>frmPlSplash</name>
    <message>
        <source>Plumbline 3.5</source>
        <translation>Plumbline 3.5</translation>
    </message>
    <message>
        <source>Plumbline is starting</source>
        <translation>Plumbline startet</translation>
    </message>
    <message>
        <source>Product, version and maker</source>
        <translation>Produkt, Version und Hersteller</translation>
    </message>
    <message>
        <source>Maker of the program</source>
        <translation>Hersteller des Programms</translation>
    </message>
    <message>
        <source>Name of the program</source>
        <translation>Name des Programms</translation>
    </message>
    <message>
        <source>Trademark</source>
        <translation>Marke</translation>
    </message>
    <message>
        <source>Trademark sign</source>
        <translation>Markenzeichen</translation>
    </message>
    <message>
        <source>Platform of the program</source>
        <translation>Plattform des Programms</translation>
    </message>
    <message>
        <source>Version 3.5</source>
        <translation>Version 3.5</translation>
    </message>
    <message>
        <source>Version of the program</source>
        <translation>Version des Programms</translation>
    </message>
    <message>
        <source>Plumbline logo</source>
        <translation>Plumbline-Logo</translation>
    </message>
    <message>
        <source>A plumb line hanging over a declining chart</source>
        <translation>Ein Lot, das über einem fallenden Diagramm hängt</translation>
    </message>
    <message>
        <source>For Windows</source>
        <translation>Für Windows</translation>
    </message>
</context>
<context>
    <name>plumbline-export</name>
    <message>
        <source>%1 It is the series chosen under View, Price Index; --series NAME gives another.</source>
        <extracomment>%1 is the reason the price index cannot be read.</extracomment>
        <translation>%1 Es ist die unter Ansicht, Preisindex gewählte Reihe; --series NAME gibt eine andere an.</translation>
    </message>
    <message>
        <source>Writes the figures of every data record of a Plumbline 3.5 data folder to standard output as CSV (comma-separated, header row, CR LF line ends), computed as the program&apos;s grid computes them. Nothing in the data folder is ever changed.</source>
        <translation>Schreibt die Zahlen jedes Datensatzes eines Datenordners von Plumbline 3.5 als CSV auf die Standardausgabe (kommagetrennt, Kopfzeile, Zeilenenden CR LF), berechnet wie in der Tabelle des Programms. Im Datenordner wird nie etwas geändert.</translation>
    </message>
    <message>
        <source>Export only investment number &lt;n&gt;.</source>
        <translation>Nur die Anlage Nummer &lt;n&gt; exportieren.</translation>
    </message>
    <message>
        <source>Add the column suggested_rate after inflation_rate: the rate the price index gives since the investment&apos;s last earlier record with both amounts above 0, the one the calculation compares the record with (empty where it gives none).</source>
        <translation>Die Spalte suggested_rate nach inflation_rate hinzufügen: die Rate, die der Preisindex seit dem letzten früheren Datensatz der Anlage mit beiden Beträgen über 0 ergibt, mit dem die Berechnung den Datensatz vergleicht (leer, wo er keine ergibt).</translation>
    </message>
    <message>
        <source>With --suggest-rates: the price index &lt;name&gt; (default: the series chosen under View, Price Index, else that of the system locale&apos;s country, else US-CPI-U).</source>
        <translation>Mit --suggest-rates: der Preisindex &lt;Name&gt; (Standard: die unter Ansicht, Preisindex gewählte Reihe, sonst die des Landes der Systemsprache, sonst US-CPI-U).</translation>
    </message>
    <message>
        <source>Instead of the records, each investment&apos;s returns, nominal and after inflation (time- and money-weighted, cumulative and per year), and a last row for all of them, whose figure after inflation comes from the price index (--series, else the one chosen under View, Price Index).</source>
        <translation>Statt der Datensätze die Renditen jeder Anlage, nominal und nach Inflation (zeit- und kapitalgewichtet, kumuliert und pro Jahr), und eine letzte Zeile für alle zusammen, deren Zahl nach Inflation aus dem Preisindex stammt (--series, sonst der unter Ansicht, Preisindex gewählte).</translation>
    </message>
    <message>
        <source>--series needs --suggest-rates or --returns</source>
        <translation>--series erfordert --suggest-rates oder --returns</translation>
    </message>
    <message>
        <source>--returns covers every investment and takes neither --investment nor --suggest-rates</source>
        <translation>--returns umfasst alle Anlagen und nimmt weder --investment noch --suggest-rates</translation>
    </message>
    <message>
        <source>the figures could not all be written to standard output</source>
        <translation>die Zahlen konnten nicht alle auf die Standardausgabe geschrieben werden</translation>
    </message>
</context>
<context>
    <name>plumbline-gendata</name>
    <message>
        <source>usage: plumbline-gendata --out DIR --investments N --records-per-investment M [--seed S] [--edits E]
       plumbline-gendata --out DIR --lines L [--investments N] [--shown K] [--shown-share F]
                         [--seed S] [--edits E]
</source>
        <extracomment>The synopsis: only &quot;usage:&quot; is words; the rest are the program&apos;s and its options&apos; names.</extracomment>
        <translation>Aufruf: plumbline-gendata --out DIR --investments N --records-per-investment M [--seed S] [--edits E]
       plumbline-gendata --out DIR --lines L [--investments N] [--shown K] [--shown-share F]
                         [--seed S] [--edits E]
</translation>
    </message>
    <message>
        <source>--%1 wants a whole number, not &quot;%2&quot;</source>
        <extracomment>%1 is an option&apos;s name, %2 what was given for it.</extracomment>
        <translation>--%1 erwartet eine ganze Zahl, nicht „%2“</translation>
    </message>
    <message>
        <source>Writes a valid Plumbline 3.5 data folder (PlumblineData and PlDataHist.txt) into DIR, which must not hold them yet, for trying the program and timing it on large data.

</source>
        <translation>Schreibt einen gültigen Datenordner von Plumbline 3.5 (PlumblineData und PlDataHist.txt) nach DIR, der diese noch nicht enthalten darf, um das Programm auszuprobieren und seine Zeiten bei großen Datenmengen zu messen.

</translation>
    </message>
    <message>
        <source>the folder to write (created if missing)</source>
        <translation>der zu schreibende Ordner (wird angelegt, falls er fehlt)</translation>
    </message>
    <message>
        <source>investments (second form: default 100)</source>
        <translation>Anlagen (zweite Form: Standard 100)</translation>
    </message>
    <message>
        <source>data records of each investment</source>
        <translation>Datensätze jeder Anlage</translation>
    </message>
    <message>
        <source>history lines in all</source>
        <translation>Verlaufszeilen insgesamt</translation>
    </message>
    <message>
        <source>the investment holding the share F (default 1)</source>
        <translation>die Anlage, die den Anteil F hält (Standard 1)</translation>
    </message>
    <message>
        <source>its share of the lines, 0 to 1 (default 0.01)</source>
        <translation>ihr Anteil an den Zeilen, 0 bis 1 (Standard 0.01)</translation>
    </message>
    <message>
        <source>edits that rewrote the file, each putting the edited investment&apos;s lines first (default 3, at most N)</source>
        <translation>Bearbeitungen, die die Datei neu geschrieben haben, jede mit den Zeilen der bearbeiteten Anlage zuerst (Standard 3, höchstens N)</translation>
    </message>
    <message>
        <source>the same seed always gives the same bytes (default 1)</source>
        <translation>derselbe Startwert ergibt immer dieselben Bytes (Standard 1)</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--shown-share wants a fraction from 0 to 1</source>
        <translation>--shown-share erwartet einen Bruchteil von 0 bis 1</translation>
    </message>
    <message>
        <source>--out is required</source>
        <translation>--out ist erforderlich</translation>
    </message>
    <message>
        <source>give either --records-per-investment or --lines</source>
        <translation>geben Sie entweder --records-per-investment oder --lines an</translation>
    </message>
    <message>
        <source>--shown must name one of the investments</source>
        <translation>--shown muss eine der Anlagen nennen</translation>
    </message>
    <message>
        <source>give --investments and --records-per-investment, or --lines</source>
        <translation>geben Sie --investments und --records-per-investment oder --lines an</translation>
    </message>
    <message>
        <source>at most 32767 investments</source>
        <translation>höchstens 32767 Anlagen</translation>
    </message>
    <message>
        <source>investment %1 would get %2 records; the program counts at most %3 per investment (use more --investments)</source>
        <translation>Anlage %1 bekäme %2 Datensätze; das Programm zählt höchstens %3 pro Anlage (verwenden Sie mehr --investments)</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 already holds %2; give an empty folder</source>
        <extracomment>%1 is a folder, %2 the name of a data file in it.</extracomment>
        <translation>%1 enthält bereits %2; geben Sie einen leeren Ordner an</translation>
    </message>
    <message>
        <source>%1: %2 investments, %3 history lines (investment %4: %5 lines), %6 edits, seed %7</source>
        <extracomment>%1 is the data folder written; %5 of the history lines belong to investment %4.</extracomment>
        <translation>%1: %2 Anlagen, %3 Verlaufszeilen (Anlage %4: %5 Zeilen), %6 Bearbeitungen, Startwert %7</translation>
    </message>
</context>
<context>
    <name>plumbline-import</name>
    <message>
        <source>record %1 (%2): rate %3 since %4</source>
        <translation>Datensatz %1 (%2): Rate %3 seit %4</translation>
    </message>
    <message>
        <source>record %1 (%2): no rate, %3</source>
        <translation>Datensatz %1 (%2): keine Rate, %3</translation>
    </message>
    <message>
        <source>Would create investment %1 (%2).</source>
        <extracomment>%1 is the investment&apos;s number, %2 its type and institution.</extracomment>
        <translation>Würde Anlage %1 (%2) anlegen.</translation>
    </message>
    <message>
        <source>Created investment %1 (%2).</source>
        <translation>Anlage %1 (%2) angelegt.</translation>
    </message>
    <message>
        <source>Would add %1 record to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <extracomment>%1 records, %2 the investment&apos;s number, %3 its type and institution; %4 of the records go after its last one, %5 between its records by their date.</extracomment>
        <translation>Würde %1 Datensatz zu Anlage %2 (%3) hinzufügen: %4 angehängt, %5 nach Datum eingeordnet.</translation>
    </message>
    <message>
        <source>Would add %1 records to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <translation>Würde %1 Datensätze zu Anlage %2 (%3) hinzufügen: %4 angehängt, %5 nach Datum eingeordnet.</translation>
    </message>
    <message>
        <source>Added %1 record to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <translation>%1 Datensatz zu Anlage %2 (%3) hinzugefügt: %4 angehängt, %5 nach Datum eingeordnet.</translation>
    </message>
    <message>
        <source>Added %1 records to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <translation>%1 Datensätze zu Anlage %2 (%3) hinzugefügt: %4 angehängt, %5 nach Datum eingeordnet.</translation>
    </message>
    <message>
        <source>%1 row already present, left out.</source>
        <translation>%1 Zeile bereits vorhanden, ausgelassen.</translation>
    </message>
    <message>
        <source>%1 rows already present, left out.</source>
        <translation>%1 Zeilen bereits vorhanden, ausgelassen.</translation>
    </message>
    <message>
        <source>line %1: %2, %3, %4, rate %5, at the end</source>
        <extracomment>A record to add: %1 its line in the CSV file, %2 its date, %3 and %4 its original and current amount, %5 its inflation rate. %6 is the number of the record the new one goes before.</extracomment>
        <translation>Zeile %1: %2, %3, %4, Rate %5, am Ende</translation>
    </message>
    <message>
        <source>line %1: %2, %3, %4, rate %5, before record %6</source>
        <translation>Zeile %1: %2, %3, %4, Rate %5, vor Datensatz %6</translation>
    </message>
    <message>
        <source>Would fill %1 of %2 missing rates from %3.</source>
        <extracomment>%1 rates filled of %2 missing, %3 the price index&apos;s name.</extracomment>
        <translation>Würde %1 von %2 fehlenden Raten aus %3 ergänzen.</translation>
    </message>
    <message>
        <source>Filled %1 of %2 missing rates from %3.</source>
        <translation>%1 von %2 fehlenden Raten aus %3 ergänzt.</translation>
    </message>
    <message>
        <source>Adds the data records of a CSV file (date, original amount, current amount, optional inflation rate, found by their header) to an investment of a Plumbline 3.5 data folder, and fills missing inflation rates from a price index. All or nothing: a row that cannot be read changes nothing. Exit status: 0 done, 1 refused or failed, 2 wrong command line.</source>
        <translation>Fügt die Datensätze einer CSV-Datei (Datum, Ursprungsbetrag, aktueller Betrag, optional Inflationsrate, anhand ihrer Kopfzeile erkannt) einer Anlage eines Datenordners von Plumbline 3.5 hinzu und ergänzt fehlende Inflationsraten aus einem Preisindex. Alles oder nichts: Eine Zeile, die nicht gelesen werden kann, ändert nichts. Exit-Status: 0 erledigt, 1 abgelehnt oder fehlgeschlagen, 2 falsche Befehlszeile.</translation>
    </message>
    <message>
        <source>Change the data folder &lt;dir&gt; instead of the program&apos;s own.</source>
        <translation>Den Datenordner &lt;Ordner&gt; statt des programmeigenen ändern.</translation>
    </message>
    <message>
        <source>Add to investment number &lt;n&gt;.</source>
        <translation>Zur Anlage Nummer &lt;n&gt; hinzufügen.</translation>
    </message>
    <message>
        <source>Add to a new investment of type &lt;type&gt; (1 to 50 characters).</source>
        <translation>Zu einer neuen Anlage der Art &lt;Art&gt; hinzufügen (1 bis 50 Zeichen).</translation>
    </message>
    <message>
        <source>With --new-investment: its institution &lt;name&gt; (at most 50 characters).</source>
        <translation>Mit --new-investment: ihr Institut &lt;Name&gt; (höchstens 50 Zeichen).</translation>
    </message>
    <message>
        <source>How dates with slashes read: iso (none accepted), mdy or dmy. Default: decided from the dates, refused when every date reads both ways.</source>
        <translation>Wie Daten mit Schrägstrichen gelesen werden: iso (keine akzeptiert), mdy oder dmy. Standard: aus den Daten bestimmt, abgelehnt, wenn sich jedes Datum auf beide Arten lesen lässt.</translation>
    </message>
    <message>
        <source>Fill missing rates (0, not the first record) from the price index: of the imported rows, or without FILE of every record of the investment.</source>
        <translation>Fehlende Raten (0, nicht im ersten Datensatz) aus dem Preisindex ergänzen: bei den importierten Zeilen oder, ohne FILE, bei jedem Datensatz der Anlage.</translation>
    </message>
    <message>
        <source>With --fill-rates: the price index &lt;name&gt; (default: the one chosen under View, Price Index, else the system locale&apos;s).</source>
        <translation>Mit --fill-rates: der Preisindex &lt;Name&gt; (Standard: der unter Ansicht, Preisindex gewählte, sonst der der Systemsprache).</translation>
    </message>
    <message>
        <source>Print what would change and change nothing.</source>
        <translation>Ausgeben, was sich ändern würde, und nichts ändern.</translation>
    </message>
    <message>
        <source>The records to import.</source>
        <translation>Die zu importierenden Datensätze.</translation>
    </message>
    <message>
        <source>one file at a time (see --help)</source>
        <translation>jeweils nur eine Datei (siehe --help)</translation>
    </message>
    <message>
        <source>give either --investment N or --new-investment TYPE (see --help)</source>
        <translation>geben Sie entweder --investment N oder --new-investment TYPE an (siehe --help)</translation>
    </message>
    <message>
        <source>--institution goes with --new-investment</source>
        <translation>--institution gehört zu --new-investment</translation>
    </message>
    <message>
        <source>--series needs --fill-rates</source>
        <translation>--series erfordert --fill-rates</translation>
    </message>
    <message>
        <source>without FILE only --fill-rates --investment N [--series NAME] (see --help)</source>
        <translation>ohne FILE nur --fill-rates --investment N [--series NAME] (siehe --help)</translation>
    </message>
    <message>
        <source>--date-format takes iso, mdy or dmy, not &quot;%1&quot;</source>
        <translation>--date-format nimmt iso, mdy oder dmy, nicht „%1“</translation>
    </message>
    <message>
        <source>--investment takes a number from 1, not &quot;%1&quot;</source>
        <translation>--investment nimmt eine Zahl ab 1, nicht „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: every date reads both as month/day and as day/month (line %2: &quot;%3&quot; is %4 or %5); choose with --date-format mdy or dmy</source>
        <translation>„%1“: Jedes Datum lässt sich als Monat/Tag und als Tag/Monat lesen (Zeile %2: „%3“ ist %4 oder %5); wählen Sie mit --date-format mdy oder dmy</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 row cannot be read; nothing was changed:</source>
        <extracomment>%1 is the CSV file, %2 the number of rows.</extracomment>
        <translation>„%1“: %2 Zeile kann nicht gelesen werden; es wurde nichts geändert:</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 rows cannot be read; nothing was changed:</source>
        <translation>„%1“: %2 Zeilen können nicht gelesen werden; es wurde nichts geändert:</translation>
    </message>
    <message>
        <source>Plumbline 3.5 is running on &quot;%1&quot;; close it, then import again</source>
        <translation>Plumbline 3.5 läuft mit „%1“; schließen Sie es und importieren Sie dann erneut</translation>
    </message>
    <message>
        <source>the lock file of &quot;%1&quot; cannot be used; nothing was changed</source>
        <translation>die Sperrdatei von „%1“ kann nicht verwendet werden; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>warning: the change is made but not yet kept as a version: error %1: %2</source>
        <translation>Warnung: Die Änderung ist ausgeführt, aber noch nicht als Version aufbewahrt: Fehler %1: %2</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>%1 is why the data files cannot be read.</extracomment>
        <translation>%1; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>the summary could not be written to standard output</source>
        <translation>die Zusammenfassung konnte nicht auf die Standardausgabe geschrieben werden</translation>
    </message>
</context>
<context>
    <name>plumbline-index</name>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is the CSV file, %2 a line number in it, %3 what is wrong with that line.</extracomment>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>The price indexes Plumbline suggests inflation rates from.

  list                 every series (shipped and imported), one a line: name, frequency
                       (monthly, quarterly or annual), coverage, country, shipped or
                       imported, title, unit and base, publisher, the day it was taken
  import FILE --name NAME [--country CC] [--replace]
                       reads a monthly index from a CSV file and stores it as NAME,
                       replacing a series of that name whole; where the file changes
                       figures that series held, it says how many and stops unless
                       --replace is given
  rate FROM TO [--series NAME]
                       the inflation rate in percent from date FROM to date TO
                       (YYYY-MM-DD or YYYY-MM); exits with 2 and the reason when
                       the series has no rate for them

Without --series the series chosen under View, Price Index is used; without a choice, that of the system locale&apos;s country: its monthly national index, else the euro area&apos;s HICP where the euro is paid, else its quarterly or annual series (US-CPI-U when it has none).
Imported series live in the folder &quot;Price Indexes&quot; of the data folder; the data files are never touched.</source>
        <translation>Die Preisindizes, aus denen Plumbline Inflationsraten vorschlägt.

  list                 jede Reihe (mitgeliefert und importiert), eine pro Zeile: Name, Häufigkeit
                       (monatlich, vierteljährlich oder jährlich), Abdeckung, Land, mitgeliefert oder
                       importiert, Titel, Einheit und Basis, Herausgeber, Abrufdatum
  import FILE --name NAME [--country CC] [--replace]
                       liest einen monatlichen Index aus einer CSV-Datei und speichert ihn als NAME,
                       wobei eine Reihe dieses Namens ganz ersetzt wird; ändert die Datei
                       Werte, die diese Reihe enthielt, nennt es deren Anzahl und bricht ab,
                       sofern nicht --replace angegeben ist
  rate FROM TO [--series NAME]
                       die Inflationsrate in Prozent vom Datum FROM bis zum Datum TO
                       (YYYY-MM-DD oder YYYY-MM); endet mit 2 und dem Grund, wenn
                       die Reihe für sie keine Rate hat

Ohne --series wird die unter Ansicht, Preisindex gewählte Reihe verwendet; ohne Auswahl die des Landes der Systemsprache: sein monatlicher nationaler Index, sonst der HVPI des Euroraums, wo mit dem Euro bezahlt wird, sonst seine vierteljährliche oder jährliche Reihe (US-CPI-U, wenn es keine hat).
Importierte Reihen liegen im Ordner „Price Indexes“ des Datenordners; die Datendateien werden nie angerührt.</translation>
    </message>
    <message>
        <source>import: the series&apos; name.</source>
        <translation>import: der Name der Reihe.</translation>
    </message>
    <message>
        <source>import: the series&apos; country, a two-letter ISO code.</source>
        <translation>import: das Land der Reihe, ein zweibuchstabiger ISO-Code.</translation>
    </message>
    <message>
        <source>rate: the series to use.</source>
        <translation>rate: die zu verwendende Reihe.</translation>
    </message>
    <message>
        <source>import: replace a series of that name even where the file changes its past figures.</source>
        <translation>import: eine Reihe dieses Namens auch dann ersetzen, wenn die Datei ihre früheren Werte ändert.</translation>
    </message>
    <message>
        <source>list, import or rate</source>
        <translation>list, import oder rate</translation>
    </message>
    <message>
        <source>import needs --name NAME</source>
        <translation>import erfordert --name NAME</translation>
    </message>
    <message>
        <source>%1: %2 changes figures the series holds (%3). Nothing was changed; add --replace to replace it.</source>
        <translation>%1: %2 ändert Werte, die die Reihe enthält (%3). Es wurde nichts geändert; fügen Sie --replace hinzu, um sie zu ersetzen.</translation>
    </message>
    <message>
        <source>Revised: %1.</source>
        <translation>Revidiert: %1.</translation>
    </message>
    <message>
        <source>Replaced %1: %2 months, %3 (in %4)</source>
        <extracomment>%1 is the series&apos; name, %2 its number of months, %3 the months it covers, %4 the folder it is kept in.</extracomment>
        <translation>%1 ersetzt: %2 Monate, %3 (in %4)</translation>
    </message>
    <message>
        <source>Imported %1: %2 months, %3 (in %4)</source>
        <translation>%1 importiert: %2 Monate, %3 (in %4)</translation>
    </message>
    <message>
        <source>dates are YYYY-MM-DD or YYYY-MM (see --help)</source>
        <translation>Daten haben die Form YYYY-MM-DD oder YYYY-MM (siehe --help)</translation>
    </message>
    <message>
        <source>no rate: %1</source>
        <translation>keine Rate: %1</translation>
    </message>
    <message>
        <source>expected list, import FILE --name NAME, or rate FROM TO (see --help)</source>
        <translation>erwartet: list, import FILE --name NAME oder rate FROM TO (siehe --help)</translation>
    </message>
</context>
<context>
    <name>plumbline-report</name>
    <message>
        <source>Writes the PDF report of a Plumbline 3.5 data folder: a summary of the investments with what inflation took, then each investment&apos;s chart and every data record with its computed figures. The file is written whole or not at all; nothing in the data folder is ever changed.</source>
        <translation>Schreibt den PDF-Bericht eines Datenordners von Plumbline 3.5: eine Zusammenfassung der Anlagen mit dem, was die Inflation genommen hat, dann das Diagramm jeder Anlage und jeden Datensatz mit seinen berechneten Zahlen. Die Datei wird ganz oder gar nicht geschrieben; im Datenordner wird nie etwas geändert.</translation>
    </message>
    <message>
        <source>Report only investment number &lt;n&gt;.</source>
        <translation>Nur über die Anlage Nummer &lt;n&gt; berichten.</translation>
    </message>
    <message>
        <source>Write the report to &lt;file&gt; (required).</source>
        <translation>Den Bericht nach &lt;Datei&gt; schreiben (erforderlich).</translation>
    </message>
    <message>
        <source>Date the report &lt;yyyy-mm-dd&gt; instead of today.</source>
        <translation>Den Bericht auf &lt;yyyy-mm-dd&gt; statt auf heute datieren.</translation>
    </message>
    <message>
        <source>Write dates for the locale &lt;name&gt; (such as en_GB) instead of the system&apos;s.</source>
        <translation>Daten für das Gebietsschema &lt;Name&gt; (etwa de_DE) statt für das des Systems schreiben.</translation>
    </message>
    <message>
        <source>Tell the pages written on standard output, a line each (&quot;pages N&quot;, &quot;page K&quot;, &quot;done K&quot;), for a program that shows them.</source>
        <translation>Die geschriebenen Seiten auf der Standardausgabe melden, je eine Zeile („pages N“, „page K“, „done K“), für ein Programm, das sie anzeigt.</translation>
    </message>
    <message>
        <source>The price index &lt;name&gt; for the figure of all investments after inflation (default: the series chosen under View, Price Index, else that of the system locale&apos;s country).</source>
        <translation>Der Preisindex &lt;Name&gt; für die Zahl aller Anlagen nach Inflation (Standard: die unter Ansicht, Preisindex gewählte Reihe, sonst die des Landes der Systemsprache).</translation>
    </message>
    <message>
        <source>--out FILE.pdf is required (see --help)</source>
        <translation>--out FILE.pdf ist erforderlich (siehe --help)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date of the form yyyy-mm-dd</source>
        <translation>„%1“ ist kein Datum der Form yyyy-mm-dd</translation>
    </message>
    <message>
        <source>%1: %2 page</source>
        <extracomment>%1 is the PDF file written, %2 its number of pages.</extracomment>
        <translation>%1: %2 Seite</translation>
    </message>
    <message>
        <source>%1: %2 pages</source>
        <translation>%1: %2 Seiten</translation>
    </message>
</context>
<context>
    <name>plumbline-snapshot</name>
    <message>
        <source>Opens the Plumbline 3.5 main window on the program&apos;s data folder, as the program does once the user is through start-up, saves a picture of it to FILE.png and ends. For machines without a display: run it under xvfb-run.</source>
        <translation>Öffnet das Hauptfenster von Plumbline 3.5 mit dem Datenordner des Programms, wie das Programm es nach dem Start tut, speichert ein Bild davon als FILE.png und endet. Für Rechner ohne Bildschirm: mit xvfb-run ausführen.</translation>
    </message>
    <message>
        <source>Where the picture is saved.</source>
        <translation>Wohin das Bild gespeichert wird.</translation>
    </message>
    <message>
        <source>usage: plumbline-snapshot FILE.png</source>
        <translation>Aufruf: plumbline-snapshot FILE.png</translation>
    </message>
</context>
<context>
    <name>plumbline-versions</name>
    <message>
        <source>Lists, shows and restores the versions Plumbline 3.5 keeps of its two data files, and undoes or redoes the last change.

Commands:
  list            every kept version, newest first
  show ID         one version&apos;s time, change and counts
  restore ID      make version ID current (itself a change that can be undone)
  undo            back to the state before the last change
  redo            the change undone last, made again</source>
        <translation>Listet, zeigt und stellt die Versionen wieder her, die Plumbline 3.5 von seinen beiden Datendateien aufbewahrt, und macht die letzte Änderung rückgängig oder wiederholt sie.

Befehle:
  list            jede aufbewahrte Version, die neueste zuerst
  show ID         Zeit, Änderung und Anzahlen einer Version
  restore ID      Version ID zur aktuellen machen (selbst eine Änderung, die rückgängig gemacht werden kann)
  undo            zurück zum Stand vor der letzten Änderung
  redo            die zuletzt rückgängig gemachte Änderung erneut ausführen</translation>
    </message>
    <message>
        <source>With show: write the version&apos;s records to &lt;file&gt; as CSV.</source>
        <translation>Mit show: die Datensätze der Version als CSV nach &lt;Datei&gt; schreiben.</translation>
    </message>
    <message>
        <source>list, show ID, restore ID, undo, redo</source>
        <translation>list, show ID, restore ID, undo, redo</translation>
    </message>
    <message>
        <source>no command given (see --help)</source>
        <translation>kein Befehl angegeben (siehe --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see --help)</source>
        <translation>unbekannter Befehl „%1“ (siehe --help)</translation>
    </message>
    <message>
        <source>%1 takes one version number</source>
        <translation>%1 nimmt eine Versionsnummer</translation>
    </message>
    <message>
        <source>%1 takes no argument</source>
        <translation>%1 nimmt kein Argument</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a version number</source>
        <translation>„%1“ ist keine Versionsnummer</translation>
    </message>
    <message>
        <source>--export goes with show</source>
        <translation>--export gehört zu show</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; is in use by a running copy of Plumbline; close it first</source>
        <translation>der Datenordner „%1“ wird von einer laufenden Kopie von Plumbline verwendet; schließen Sie sie zuerst</translation>
    </message>
    <message>
        <source>the lock file of the data folder &quot;%1&quot; cannot be used</source>
        <translation>die Sperrdatei des Datenordners „%1“ kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>there is no version %1</source>
        <translation>es gibt keine Version %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>The labels of one kept version: its number, when it was kept, the change it made, and how many investments and data records it holds.</extracomment>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Change: %1</source>
        <translation>Änderung: %1</translation>
    </message>
    <message>
        <source>Investments: %1</source>
        <translation>Anlagen: %1</translation>
    </message>
    <message>
        <source>Records: %1</source>
        <translation>Datensätze: %1</translation>
    </message>
    <message>
        <source>Current: yes</source>
        <extracomment>The version is the one the data files hold now.</extracomment>
        <translation>Aktuell: ja</translation>
    </message>
    <message>
        <source>no temporary folder for the version&apos;s files</source>
        <translation>kein temporärer Ordner für die Dateien der Version</translation>
    </message>
    <message>
        <source>Restored version %1.</source>
        <translation>Version %1 wiederhergestellt.</translation>
    </message>
    <message>
        <source>there is no change to undo</source>
        <translation>es gibt keine Änderung, die rückgängig gemacht werden kann</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>there is no change to redo</source>
        <translation>es gibt keine Änderung, die wiederholt werden kann</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
</context>
<context>
    <name>ui::import::FillRatesDialog</name>
    <message>
        <source>Fill Missing Rates</source>
        <translation>Fehlende Raten ergänzen</translation>
    </message>
    <message>
        <source>Every record of %1 after the first has a rate: there is nothing to fill.</source>
        <translation>Jeder Datensatz von %1 nach dem ersten hat eine Rate: Es gibt nichts zu ergänzen.</translation>
    </message>
    <message>
        <source>%1 of the %2 records of %3 without a rate get one from %4. Records that have a rate are not changed.</source>
        <extracomment>%1 and %2 are counts of records, %3 the investment, %4 the name of a price index</extracomment>
        <translation>%1 der %2 Datensätze von %3 ohne Rate erhalten eine aus %4. Datensätze mit Rate werden nicht geändert.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Interval</source>
        <extracomment>column of the time span a rate covers</extracomment>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Suggested Rate</source>
        <translation>Vorgeschlagene Rate</translation>
    </message>
    <message>
        <source>Records without a rate</source>
        <translation>Datensätze ohne Rate</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>ui::import::ImportRecordsDialog</name>
    <message>
        <source>Import Records</source>
        <translation>Datensätze importieren</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importieren in</translation>
    </message>
    <message>
        <source>The investment shown: %1</source>
        <translation>Die gezeigte Anlage: %1</translation>
    </message>
    <message>
        <source>The investment shown (none is)</source>
        <translation>Die gezeigte Anlage (keine gezeigt)</translation>
    </message>
    <message>
        <source>A &amp;new investment</source>
        <translation>Eine &amp;neue Anlage</translation>
    </message>
    <message>
        <source>Investment (required)</source>
        <translation>Anlage (erforderlich)</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Institut</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Spalte %1: %2</translation>
    </message>
    <message>
        <source>Month/Day/Year</source>
        <translation>Monat/Tag/Jahr</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>Tag/Monat/Jahr</translation>
    </message>
    <message>
        <source>Dates with slashes</source>
        <translation>Daten mit Schrägstrichen</translation>
    </message>
    <message>
        <source>Dates with slashes:</source>
        <translation>Daten mit Schrägstrichen:</translation>
    </message>
    <message>
        <source>&amp;Fill missing rates from %1</source>
        <translation>&amp;Fehlende Raten aus %1 ergänzen</translation>
    </message>
    <message>
        <source>Rows without a rate get the rate %1 gives since the investment&apos;s last record with both amounts above 0</source>
        <translation>Zeilen ohne Rate erhalten die Rate, die %1 seit dem letzten Datensatz der Anlage mit beiden Beträgen über 0 ergibt</translation>
    </message>
    <message>
        <source>Rows of the file</source>
        <translation>Zeilen der Datei</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
    <message>
        <source>Choose the columns that hold the Date, the Original Amount and the Current Amount.</source>
        <translation>Wählen Sie die Spalten, die Datum, Ursprungsbetrag und aktuellen Betrag enthalten.</translation>
    </message>
    <message>
        <source>The file holds no records.</source>
        <translation>Die Datei enthält keine Datensätze.</translation>
    </message>
    <message>
        <source>%1 of %2 row cannot be read (line %3): nothing is imported until the file is mended.</source>
        <extracomment>%1 and %2 are counts of rows, %3 a list of line numbers of the file</extracomment>
        <translation>%1 von %2 Zeile kann nicht gelesen werden (Zeile %3): Es wird nichts importiert, bis die Datei korrigiert ist.</translation>
    </message>
    <message>
        <source>%1 of %2 rows cannot be read (line %3): nothing is imported until the file is mended.</source>
        <translation>%1 von %2 Zeilen kann nicht gelesen werden (Zeile %3): Es wird nichts importiert, bis die Datei korrigiert ist.</translation>
    </message>
    <message>
        <source>%1 of %2 rows cannot be read (lines %3): nothing is imported until the file is mended.</source>
        <translation>%1 von %2 Zeilen können nicht gelesen werden (Zeilen %3): Es wird nichts importiert, bis die Datei korrigiert ist.</translation>
    </message>
    <message>
        <source>Nothing to import: the row is already present.</source>
        <translation>Nichts zu importieren: Die Zeile ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Nothing to import: all %1 rows are already present.</source>
        <translation>Nichts zu importieren: Alle %1 Zeilen sind bereits vorhanden.</translation>
    </message>
    <message>
        <source>%1 record to import: %2 after the last record, %3 merged by date.</source>
        <extracomment>%1 records in all, %2 of them added after the last record, %3 merged in by their dates</extracomment>
        <translation>%1 Datensatz zu importieren: %2 nach dem letzten Datensatz, %3 nach Datum eingeordnet.</translation>
    </message>
    <message>
        <source>%1 records to import: %2 after the last record, %3 merged by date.</source>
        <translation>%1 Datensätze zu importieren: %2 nach dem letzten Datensatz, %3 nach Datum eingeordnet.</translation>
    </message>
    <message>
        <source>%1 row already present.</source>
        <translation>%1 Zeile bereits vorhanden.</translation>
    </message>
    <message>
        <source>%1 rows already present.</source>
        <translation>%1 Zeilen bereits vorhanden.</translation>
    </message>
    <message>
        <source>%1 of %2 missing rates filled from %3.</source>
        <extracomment>%3 is the name of a price index</extracomment>
        <translation>%1 von %2 fehlenden Raten aus %3 ergänzt.</translation>
    </message>
    <message>
        <source>Sorry, there is no entry in &apos;Investment&apos;. You must make an entry.</source>
        <translation>Im Feld „Anlage“ steht leider nichts. Sie müssen etwas eingeben.</translation>
    </message>
</context>
<context>
    <name>ui::import::PreviewModel</name>
    <message>
        <source>%1 (filled)</source>
        <extracomment>%1 is a rate the import filled in from the price index</extracomment>
        <translation>%1 (ergänzt)</translation>
    </message>
    <message>
        <source>already present, left out</source>
        <translation>bereits vorhanden, ausgelassen</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Ursprungsbetrag</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Aktueller Betrag</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>ui::index::AboutDialog</name>
    <message>
        <source>About Plumbline</source>
        <translation>Über Plumbline</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 the version number</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Price index data:</source>
        <translation>Preisindexdaten:</translation>
    </message>
</context>
<context>
    <name>ui::index::ImportPriceIndexDialog</name>
    <message>
        <source>Import Price Index</source>
        <translation>Preisindex importieren</translation>
    </message>
    <message>
        <source>Price index (*.csv *.txt);;All files (*)</source>
        <translation>Preisindex (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>%1 a file</extracomment>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>C&amp;ountry code:</source>
        <translation>&amp;Ländercode:</translation>
    </message>
    <message>
        <source>A monthly index: two columns (date as YYYY-MM or YYYY-MM-DD, value), or a download from ONS, FRED or Statistics Canada. A series of the same name is replaced whole.</source>
        <translation>Ein monatlicher Index: zwei Spalten (Datum als YYYY-MM oder YYYY-MM-DD, Wert) oder ein Download von ONS, FRED oder Statistics Canada. Eine Reihe gleichen Namens wird ganz ersetzt.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>A price index named %1 exists. The file changes figures it holds: %2. Replace it with this file?</source>
        <extracomment>%1 the name of a price index, %2 the months whose figures change</extracomment>
        <translation>Ein Preisindex namens %1 existiert bereits. Die Datei ändert Werte, die er enthält: %2. Durch diese Datei ersetzen?</translation>
    </message>
    <message>
        <source>A price index named %1 exists. Replace it with this file?</source>
        <extracomment>%1 the name of a price index</extracomment>
        <translation>Ein Preisindex namens %1 existiert bereits. Durch diese Datei ersetzen?</translation>
    </message>
    <message>
        <source>Replaced %1: %2 months, %3.<byte value="xd"/>
Choose it under View, Price Index.</source>
        <extracomment>%1 the name of a price index, %2 a number of months, %3 the months it covers</extracomment>
        <translation>%1 ersetzt: %2 Monate, %3.<byte value="xd"/>
Wählen Sie ihn unter Ansicht, Preisindex.</translation>
    </message>
    <message>
        <source>Imported %1: %2 months, %3.<byte value="xd"/>
Choose it under View, Price Index.</source>
        <translation>%1 importiert: %2 Monate, %3.<byte value="xd"/>
Wählen Sie ihn unter Ansicht, Preisindex.</translation>
    </message>
</context>
<context>
    <name>ui::index::PriceIndexDialog</name>
    <message>
        <source>monthly index</source>
        <extracomment>The Frequency column</extracomment>
        <translation>monatlicher Index</translation>
    </message>
    <message>
        <source>quarterly index</source>
        <translation>vierteljährlicher Index</translation>
    </message>
    <message>
        <source>annual change</source>
        <translation>jährliche Veränderung</translation>
    </message>
    <message>
        <source>Euro area</source>
        <translation>Euroraum</translation>
    </message>
    <message>
        <source>Currency area %1</source>
        <extracomment>%1 a currency code such as USD</extracomment>
        <translation>Währungsraum %1</translation>
    </message>
    <message>
        <source>Regions and country groups</source>
        <translation>Regionen und Ländergruppen</translation>
    </message>
    <message>
        <source>Other series</source>
        <translation>Weitere Reihen</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <extracomment>%1 where the figures come from</extracomment>
        <translation>Quelle: %1</translation>
    </message>
    <message>
        <source>Publisher: %1</source>
        <extracomment>%1 the publisher of the figures</extracomment>
        <translation>Herausgeber: %1</translation>
    </message>
    <message>
        <source>taken %1</source>
        <extracomment>One of the facts of a series, after its coverage; %1 when or where the figures were taken</extracomment>
        <translation>abgerufen %1</translation>
    </message>
    <message>
        <source>Price Index</source>
        <translation>Preisindex</translation>
    </message>
    <message>
        <source>The data record dialog suggests inflation rates from this price index:</source>
        <translation>Der Datensatz-Dialog schlägt Inflationsraten aus diesem Preisindex vor:</translation>
    </message>
    <message>
        <source>Find a series or country</source>
        <translation>Eine Reihe oder ein Land suchen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Abdeckung</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Herausgeber</translation>
    </message>
    <message>
        <source>%1 (imported)</source>
        <extracomment>%1 the title of a series the user imported</extracomment>
        <translation>%1 (importiert)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>No series chosen.</source>
        <translation>Keine Reihe gewählt.</translation>
    </message>
    <message>
        <source>Choose a price index from the list.</source>
        <translation>Wählen Sie einen Preisindex aus der Liste.</translation>
    </message>
</context>
<context>
    <name>ui::index::RateSuggestion</name>
    <message>
        <source>&amp;Use</source>
        <translation>Übe&amp;rnehmen</translation>
    </message>
    <message>
        <source>No suggestion: %1</source>
        <extracomment>%1 why the price index cannot be read
----------
%1 why no rate can be given</extracomment>
        <translation>Kein Vorschlag: %1</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>&amp;Monatlich</translation>
    </message>
    <message>
        <source>&amp;Quarterly</source>
        <translation>&amp;Vierteljährlich</translation>
    </message>
    <message>
        <source>Suggest rates from the %1 %2 (%3) instead of annual averages</source>
        <extracomment>%1 the frequency (monthly, quarterly), %2 the series&apos; title, %3 its name</extracomment>
        <translation>Raten statt aus Jahresdurchschnitten aus %2 (%3) vorschlagen, %1</translation>
    </message>
    <message>
        <source>Use the %1 series %2</source>
        <extracomment>%1 the frequency (monthly, quarterly), %2 the series&apos; title</extracomment>
        <translation>Die Reihe %2 verwenden, %1</translation>
    </message>
    <message>
        <source>No suggestion: line %1 of the data records cannot be read.</source>
        <extracomment>%1 a line number</extracomment>
        <translation>Kein Vorschlag: Zeile %1 der Datensätze kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No suggestion for the investment&apos;s first record.</source>
        <translation>Kein Vorschlag für den ersten Datensatz der Anlage.</translation>
    </message>
    <message>
        <source>No suggestion: no earlier record has both amounts above 0.</source>
        <translation>Kein Vorschlag: Kein früherer Datensatz hat beide Beträge über 0.</translation>
    </message>
    <message>
        <source>No suggestion until the Date box holds a date.</source>
        <translation>Kein Vorschlag, solange „Datum“ kein Datum enthält.</translation>
    </message>
    <message>
        <source>About %1 % since %2, from annual averages</source>
        <extracomment>%1 a rate in percent, %2 a date</extracomment>
        <translation>Etwa %1 % seit %2, aus Jahresdurchschnitten</translation>
    </message>
    <message>
        <source>%1: %2 % since %3, provisional</source>
        <extracomment>%1 the series&apos; title, %2 a rate in percent, %3 a date</extracomment>
        <translation>%1: %2 % seit %3, vorläufig</translation>
    </message>
    <message>
        <source>%1: %2 % since %3</source>
        <extracomment>%1 the series&apos; title, %2 a rate in percent, %3 a date</extracomment>
        <translation>%1: %2 % seit %3</translation>
    </message>
    <message>
        <source>No suggestion: %1 % is too large for the rate box.</source>
        <extracomment>%1 a rate in percent</extracomment>
        <translation>Kein Vorschlag: %1 % ist zu groß für das Feld der Rate.</translation>
    </message>
    <message>
        <source>No suggestion: the date is before %1, where the rate would start.</source>
        <extracomment>%1 a date</extracomment>
        <translation>Kein Vorschlag: Das Datum liegt vor dem %1, ab dem die Rate gelten würde.</translation>
    </message>
</context>
<context>
    <name>ui::report::ReportDialog</name>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Report on</source>
        <translation>Bericht über</translation>
    </message>
    <message>
        <source>&amp;Shown investment</source>
        <translation>&amp;Gezeigte Anlage</translation>
    </message>
    <message>
        <source>&amp;Shown investment (number %1)</source>
        <extracomment>%1 the number of the investment, which has no type or institution</extracomment>
        <translation>&amp;Gezeigte Anlage (Nummer %1)</translation>
    </message>
    <message>
        <source>&amp;Shown investment (%1)</source>
        <extracomment>%1 the investment&apos;s type and institution</extracomment>
        <translation>&amp;Gezeigte Anlage (%1)</translation>
    </message>
    <message>
        <source>&amp;All investments</source>
        <translation>&amp;Alle Anlagen</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Bericht speichern unter</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Please enter the name of the report file.</source>
        <translation>Bitte geben Sie den Namen der Berichtsdatei ein.</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <extracomment>%1 a file</extracomment>
        <translation>%1 existiert bereits.<byte value="xd"/>
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Page 0 of %1</source>
        <extracomment>%1 the number of pages</extracomment>
        <translation>Seite 0 von %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>%1 and %2 page numbers</extracomment>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>The report (%1 page) was saved as<byte value="xd"/>
%2</source>
        <extracomment>%1 the number of pages, %2 the report&apos;s file</extracomment>
        <translation>Der Bericht (%1 Seite) wurde gespeichert unter<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The report (%1 pages) was saved as<byte value="xd"/>
%2</source>
        <translation>Der Bericht (%1 Seiten) wurde gespeichert unter<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Cancelled: no report was written.</source>
        <translation>Abgebrochen: Es wurde kein Bericht geschrieben.</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Reading the data records...</source>
        <translation>Datensätze werden gelesen...</translation>
    </message>
    <message>
        <source>Sa&amp;ve as:</source>
        <translation>&amp;Speichern unter:</translation>
    </message>
</context>
</TS>
