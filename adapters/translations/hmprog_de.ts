<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>BackupFolderTexts</name>
    <message>
        <source>Could not keep a backup: cannot create the folder %1.</source>
        <translation>Keine Sicherung angelegt: Der Ordner %1 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>Could not keep a backup: %1</source>
        <translation>Keine Sicherung angelegt: %1</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Programming Software</source>
        <translation>Programmiersoftware</translation>
    </message>
    <message>
        <source>Version 1.0.1</source>
        <translation>Version 1.0.1</translation>
    </message>
    <message>
        <source>Made by the hmprog developers</source>
        <translation>Erstellt von den hmprog-Entwicklern</translation>
    </message>
    <message>
        <source>(C) 2026 the hmprog developers</source>
        <translation>(C) 2026 die hmprog-Entwickler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CChannelImportDialog</name>
    <message>
        <source>Import Channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>Channel list</source>
        <translation>Kanalliste</translation>
    </message>
    <message>
        <source>Open a file, or choose a stock plan</source>
        <translation>Datei öffnen oder einen fertigen Kanalplan wählen</translation>
    </message>
    <message>
        <source>Stock plan for %1 — %2</source>
        <translation>Kanalplan für %1 — %2</translation>
    </message>
    <message>
        <source>&amp;Open File…</source>
        <translation>Datei ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Channels as they would become</source>
        <translation>Kanäle nach dem Import</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>The list has more rows than the radio has channels: check the rows to import.</source>
        <translation>Die Liste hat mehr Zeilen, als das Funkgerät Kanäle hat: Haken Sie die zu importierenden Zeilen an.</translation>
    </message>
    <message>
        <source>Rows to import</source>
        <translation>Zu importierende Zeilen</translation>
    </message>
    <message>
        <source>&amp;Renumber: the rows go into channels 1, 2 … in file order</source>
        <translation>&amp;Neu nummerieren: Die Zeilen kommen in Dateireihenfolge in die Kanäle 1, 2 …</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Neu nummerieren</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Schaltflächen</translation>
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
        <source>&amp;Channel list:</source>
        <translation>&amp;Kanalliste:</translation>
    </message>
    <message>
        <source>Channels as they would become (the changed ones in bold):</source>
        <translation>Kanäle nach dem Import (die geänderten fett):</translation>
    </message>
    <message>
        <source>Re&amp;port:</source>
        <translation>&amp;Bericht:</translation>
    </message>
    <message>
        <source>Line %1: %2 MHz</source>
        <translation>Zeile %1: %2 MHz</translation>
    </message>
    <message>
        <source>%1 (changed)</source>
        <translation>%1 (geändert)</translation>
    </message>
    <message>
        <source>Open a channel list file, or choose a stock plan.</source>
        <translation>Öffnen Sie eine Kanallisten-Datei oder wählen Sie einen fertigen Kanalplan.</translation>
    </message>
    <message>
        <source>Every row was loaded as it is.</source>
        <translation>Jede Zeile wurde unverändert geladen.</translation>
    </message>
    <message>
        <source>Nothing can be imported from this file.</source>
        <translation>Aus dieser Datei lässt sich nichts importieren.</translation>
    </message>
</context>
<context>
    <name>CExitPromptDialog</name>
    <message>
        <source>Exit the application, all unsaved data will be lost to confirm the exit.</source>
        <translation>Programm beenden? Alle ungespeicherten Daten gehen dabei verloren.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>CFindCableDialog</name>
    <message>
        <source>Find Cable</source>
        <translation>Kabel suchen</translation>
    </message>
    <message>
        <source>Plug the programming cable in: it appears in this list as soon as the system reports it. Select it to see whether it can be used.</source>
        <translation>Stecken Sie das Programmierkabel ein: Es erscheint in dieser Liste, sobald das System es meldet. Wählen Sie es aus, um zu sehen, ob es sich verwenden lässt.</translation>
    </message>
    <message>
        <source>Serial devices</source>
        <translation>Serielle Geräte</translation>
    </message>
    <message>
        <source>What keeps the selected device from working</source>
        <translation>Was das ausgewählte Gerät am Funktionieren hindert</translation>
    </message>
    <message>
        <source>&amp;Use This Port</source>
        <translation>Diesen Anschluss &amp;verwenden</translation>
    </message>
    <message>
        <source>Use the selected device as the port</source>
        <translation>Das ausgewählte Gerät als Anschluss verwenden</translation>
    </message>
    <message>
        <source>%1
    %2</source>
        <translation>%1
    %2</translation>
    </message>
    <message>
        <source>No serial device is present. Plug the cable in.</source>
        <translation>Es ist kein serielles Gerät vorhanden. Stecken Sie das Kabel ein.</translation>
    </message>
    <message>
        <source>This device can be opened.</source>
        <translation>Dieses Gerät lässt sich öffnen.</translation>
    </message>
    <message>
        <source>No USB cable was found.</source>
        <translation>Es wurde kein USB-Kabel gefunden.</translation>
    </message>
    <message>
        <source>%1 is the computer&apos;s own serial port, not a programming cable.</source>
        <translation>%1 ist die eigene serielle Schnittstelle des Computers, kein Programmierkabel.</translation>
    </message>
    <message>
        <source>%1 are the computer&apos;s own serial ports, not a programming cable.</source>
        <translation>%1 sind die eigenen seriellen Schnittstellen des Computers, kein Programmierkabel.</translation>
    </message>
    <message>
        <source>Plug the cable in: it appears at the top of this list.</source>
        <translation>Stecken Sie das Kabel ein: Es erscheint oben in dieser Liste.</translation>
    </message>
</context>
<context>
    <name>CImageChangesDialog</name>
    <message>
        <source>Unused bytes</source>
        <translation>Unbenutzte Bytes</translation>
    </message>
    <message>
        <source>The write changes nothing in the radio.</source>
        <translation>Das Schreiben ändert nichts im Funkgerät.</translation>
    </message>
    <message>
        <source>Compared with the radio as last read, the write changes:</source>
        <translation>Gegenüber dem zuletzt gelesenen Funkgerät ändert das Schreiben:</translation>
    </message>
    <message>
        <source>The form and %1 hold the same.</source>
        <translation>Das Formular und %1 enthalten dasselbe.</translation>
    </message>
    <message>
        <source>Where the form differs from %1:</source>
        <translation>Wo das Formular von %1 abweicht:</translation>
    </message>
    <message>
        <source>Preview Before Write</source>
        <translation>Vorschau vor dem Schreiben</translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>Im Funkgerät</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>In the form</source>
        <translation>Im Formular</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CKillCodeDialog</name>
    <message>
        <source>Kill Code</source>
        <translation>Sperrcode</translation>
    </message>
    <message>
        <source>Kill Switch</source>
        <translation>Sperrschalter</translation>
    </message>
    <message>
        <source>Remove Kill Code</source>
        <translation>Sperrcode entfernen</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>CLockKeyIndicators</name>
    <message>
        <source>CAP</source>
        <translation>GROSS</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num-Taste</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>ROLLEN</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Rollen-Taste</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Keyboard and Mouse</source>
        <translation>&amp;Tastatur und Maus</translation>
    </message>
    <message>
        <source>The keys and clicks of the channel grid and the columns of a CSV channel list
Keyboard and Mouse</source>
        <translation>Die Tasten und Klicks der Kanaltabelle und die Spalten einer CSV-Kanalliste
Tastatur und Maus</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Changes: none</source>
        <translation>Änderungen: keine</translation>
    </message>
    <message>
        <source>Changes: %1</source>
        <translation>Änderungen: %1</translation>
    </message>
    <message>
        <source>%1 (backup: Save asks for a new name)</source>
        <translation>%1 (Sicherung: Speichern fragt nach einem neuen Namen)</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Programming Software</source>
        <translation>Programmiersoftware</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Transfers are no longer traced</source>
        <translation>Übertragungen werden nicht mehr mitgeschrieben</translation>
    </message>
    <message>
        <source>Could not write the trace %1</source>
        <translation>Das Protokoll %1 ließ sich nicht schreiben</translation>
    </message>
    <message>
        <source>The next transfers are traced into %1</source>
        <translation>Die nächsten Übertragungen werden in %1 mitgeschrieben</translation>
    </message>
    <message>
        <source>The channel list could not be printed</source>
        <translation>Die Kanalliste ließ sich nicht drucken</translation>
    </message>
    <message>
        <source>A transfer with the radio is running: wait for it to end, or press Cancel in its dialog.</source>
        <translation>Eine Übertragung mit dem Funkgerät läuft: Warten Sie ihr Ende ab oder drücken Sie „Abbrechen“ in ihrem Dialog.</translation>
    </message>
    <message>
        <source>Trace to File</source>
        <translation>Protokoll in Datei</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programmieren</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>Ans&amp;chluss</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Ein neues Dokument anlegen
Neu</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ein vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Open &amp;Backup…</source>
        <translation>Si&amp;cherung öffnen…</translation>
    </message>
    <message>
        <source>Open one of the copies kept of every read from a radio, newest first
Open Backup</source>
        <translation>Eine der Kopien öffnen, die von jedem Lesen eines Funkgeräts angelegt werden, die neueste zuerst
Sicherung öffnen</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>Ver&amp;gleichen mit…</translation>
    </message>
    <message>
        <source>List what differs between the form and a channel file or a backup
Compare With</source>
        <translation>Auflisten, was sich zwischen dem Formular und einer Kanaldatei oder einer Sicherung unterscheidet
Vergleichen mit</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Das aktive Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Das aktive Dokument unter neuem Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Import Channels…</source>
        <translation>Kanäle &amp;importieren…</translation>
    </message>
    <message>
        <source>Put the channels of a CSV channel list or a stock plan into the form
Import Channels</source>
        <translation>Die Kanäle einer CSV-Kanalliste oder eines fertigen Kanalplans ins Formular übernehmen
Kanäle importieren</translation>
    </message>
    <message>
        <source>&amp;Export Channels…</source>
        <translation>Kanäle &amp;exportieren…</translation>
    </message>
    <message>
        <source>Save the channels the form shows as a CSV channel list
Export Channels</source>
        <translation>Die Kanäle des Formulars als CSV-Kanalliste speichern
Kanäle exportieren</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Das aktive Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Druckereinrich&amp;tung...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Druckereinrichtung</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Das Programm beenden; fragt nach dem Speichern von Dokumenten
Beenden</translation>
    </message>
    <message>
        <source>Read	Ctrl+R</source>
        <translation>Lesen	Ctrl+R</translation>
    </message>
    <message>
        <source>Read data from Machine
Read</source>
        <translation>Daten aus dem Gerät lesen
Lesen</translation>
    </message>
    <message>
        <source>Write	Ctrl+W</source>
        <translation>Schreiben	Ctrl+W</translation>
    </message>
    <message>
        <source>Write data to machine
Write</source>
        <translation>Daten in das Gerät schreiben
Schreiben</translation>
    </message>
    <message>
        <source>Kill Code</source>
        <translation>Sperrcode</translation>
    </message>
    <message>
        <source>Trace to File…</source>
        <translation>Protokoll in Datei…</translation>
    </message>
    <message>
        <source>Record every byte of the next transfers into a file, to send along when a radio will not talk
Trace to File</source>
        <translation>Jedes Byte der nächsten Übertragungen in eine Datei schreiben, zum Mitschicken, wenn ein Funkgerät nicht antwortet
Protokoll in Datei</translation>
    </message>
    <message>
        <source>Back Up Before Write</source>
        <translation>Vor dem Schreiben sichern</translation>
    </message>
    <message>
        <source>Read the radio and keep a backup before every write; a write then costs one read more, about 2.5 s
Back Up Before Write</source>
        <translation>Vor jedem Schreiben das Funkgerät lesen und eine Sicherung anlegen; ein Schreiben kostet dann ein Lesen mehr, etwa 2,5 s
Vor dem Schreiben sichern</translation>
    </message>
    <message>
        <source>Preview Before Write</source>
        <translation>Vorschau vor dem Schreiben</translation>
    </message>
    <message>
        <source>Before a write, list what it will change in the radio since its last read, and ask
Preview Before Write</source>
        <translation>Vor einem Schreiben auflisten, was es seit dem letzten Lesen im Funkgerät ändert, und nachfragen
Vorschau vor dem Schreiben</translation>
    </message>
    <message>
        <source>Verify After Write</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Read the radio back after a write and check that it holds what was written
Verify After Write</source>
        <translation>Nach einem Schreiben das Funkgerät zurücklesen und prüfen, dass es das Geschriebene enthält
Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>COM1</source>
        <translation>COM1</translation>
    </message>
    <message>
        <source>COM2</source>
        <translation>COM2</translation>
    </message>
    <message>
        <source>COM3</source>
        <translation>COM3</translation>
    </message>
    <message>
        <source>COM4</source>
        <translation>COM4</translation>
    </message>
    <message>
        <source>COM5</source>
        <translation>COM5</translation>
    </message>
    <message>
        <source>COM6</source>
        <translation>COM6</translation>
    </message>
    <message>
        <source>COM7</source>
        <translation>COM7</translation>
    </message>
    <message>
        <source>COM8</source>
        <translation>COM8</translation>
    </message>
    <message>
        <source>Other port…</source>
        <translation>Anderer Anschluss…</translation>
    </message>
    <message>
        <source>Use a serial device by its path
Other Port</source>
        <translation>Ein serielles Gerät über seinen Pfad verwenden
Anderer Anschluss</translation>
    </message>
    <message>
        <source>Simulated radio</source>
        <translation>Simuliertes Funkgerät</translation>
    </message>
    <message>
        <source>Read and write the built-in simulated radio, with no cable
Simulated Radio</source>
        <translation>Das eingebaute simulierte Funkgerät lesen und schreiben, ohne Kabel
Simuliertes Funkgerät</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Die Werkzeugleiste zeigen oder ausblenden
Werkzeugleiste umschalten</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Die Statusleiste zeigen oder ausblenden
Statusleiste umschalten</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Info ...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Urheberrecht anzeigen
Info</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>Weitere Schaltflächen der Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo	Ctrl+Z</source>
        <translation>Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>Take back the last change of the form
Undo</source>
        <translation>Die letzte Änderung am Formular zurücknehmen
Rückgängig</translation>
    </message>
    <message>
        <source>Redo	Ctrl+Y</source>
        <translation>Wiederherstellen	Ctrl+Y</translation>
    </message>
    <message>
        <source>Make the change taken back again
Redo</source>
        <translation>Die zurückgenommene Änderung erneut vornehmen
Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Ctrl+X</translation>
    </message>
    <message>
        <source>Remove the selected channels, moving the ones below up, and put them on the clipboard
Cut</source>
        <translation>Die ausgewählten Kanäle entfernen, die folgenden nachrücken lassen und sie in die Zwischenablage legen
Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Ctrl+C</translation>
    </message>
    <message>
        <source>Put the selected channels on the clipboard as rows of a table
Copy</source>
        <translation>Die ausgewählten Kanäle als Tabellenzeilen in die Zwischenablage legen
Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Einfügen	Ctrl+V</translation>
    </message>
    <message>
        <source>Put the rows on the clipboard into the channels from the selected one on
Paste</source>
        <translation>Die Zeilen aus der Zwischenablage ab dem ausgewählten Kanal in die Kanäle übernehmen
Einfügen</translation>
    </message>
    <message>
        <source>C&amp;lear Channel	Del</source>
        <translation>Kanal &amp;leeren	Del</translation>
    </message>
    <message>
        <source>Empty the selected channels, leaving the others where they are
Clear Channel</source>
        <translation>Die ausgewählten Kanäle leeren; die übrigen bleiben an ihrem Platz
Kanal leeren</translation>
    </message>
    <message>
        <source>Move &amp;Up	Alt+Up</source>
        <translation>Nach &amp;oben	Alt+Up</translation>
    </message>
    <message>
        <source>Move the selected channels up one place
Move Up</source>
        <translation>Die ausgewählten Kanäle um einen Platz nach oben verschieben
Nach oben</translation>
    </message>
    <message>
        <source>Move &amp;Down	Alt+Down</source>
        <translation>Nach &amp;unten	Alt+Down</translation>
    </message>
    <message>
        <source>Move the selected channels down one place
Move Down</source>
        <translation>Die ausgewählten Kanäle um einen Platz nach unten verschieben
Nach unten</translation>
    </message>
    <message>
        <source>Find Cable…</source>
        <translation>Kabel suchen…</translation>
    </message>
    <message>
        <source>List the serial devices as they come and go, with what keeps each from working
Find Cable</source>
        <translation>Die seriellen Geräte laufend auflisten, mit dem, was jedes am Funktionieren hindert
Kabel suchen</translation>
    </message>
    <message>
        <source>Check Cable…</source>
        <translation>Kabel prüfen…</translation>
    </message>
    <message>
        <source>Program Several Radios…</source>
        <translation>Mehrere Funkgeräte programmieren…</translation>
    </message>
    <message>
        <source>Write the form into the radios on several ports at once, each checked and logged
Program Several Radios</source>
        <translation>Das Formular an mehreren Schnittstellen zugleich in die Funkgeräte schreiben, jedes geprüft und protokolliert
Mehrere Funkgeräte programmieren</translation>
    </message>
    <message>
        <source>Read the radio twice and compare the reads, to find a cable that changes bytes before a write trusts it
Check Cable</source>
        <translation>Das Funkgerät zweimal lesen und die Lesevorgänge vergleichen, um ein Kabel zu finden, das Bytes verändert, bevor ein Schreiben ihm vertraut
Kabel prüfen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>CMyDocManager</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Sicherung öffnen</translation>
    </message>
    <message>
        <source>Channel Data (*.sin)</source>
        <translation>Kanaldaten (*.sin)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>COtherPortDialog</name>
    <message>
        <source>Other port</source>
        <translation>Anderer Anschluss</translation>
    </message>
    <message>
        <source>Path of the serial device:</source>
        <translation>Pfad des seriellen Geräts:</translation>
    </message>
    <message>
        <source>Device path</source>
        <translation>Gerätepfad</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0</source>
        <translation>/dev/ttyUSB0</translation>
    </message>
</context>
<context>
    <name>CPasswordDialog</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CProgramApp</name>
    <message>
        <source>hmprog: %1 was not printed</source>
        <translation>hmprog: %1 wurde nicht gedruckt</translation>
    </message>
    <message>
        <source>hmprog: %1; %2 was not printed</source>
        <translation>hmprog: %1; %2 wurde nicht gedruckt</translation>
    </message>
    <message>
        <source>hmprog: %1
usage: hmprog [FILE]
       hmprog --print FILE  (or /p FILE)
       hmprog --print-to-pdf OUT.pdf FILE
       hmprog --version</source>
        <translation>hmprog: %1
Aufruf: hmprog [DATEI]
        hmprog --print DATEI  (oder /p DATEI)
        hmprog --print-to-pdf AUS.pdf DATEI
        hmprog --version</translation>
    </message>
</context>
<context>
    <name>CProgramView</name>
    <message>
        <source>Read Before Write</source>
        <translation>Vor dem Schreiben lesen</translation>
    </message>
    <message>
        <source>Written. (%1 s)</source>
        <translation>Geschrieben. (%1 s)</translation>
    </message>
    <message>
        <source>OK reads the radio into the form.</source>
        <translation>OK liest das Funkgerät in das Formular.</translation>
    </message>
    <message>
        <source>Check Cable</source>
        <translation>Kabel prüfen</translation>
    </message>
    <message>
        <source>OK reads the radio twice and compares the reads.</source>
        <translation>OK liest das Funkgerät zweimal und vergleicht.</translation>
    </message>
    <message>
        <source>Reading the radio, first time…</source>
        <translation>Funkgerät wird zum ersten Mal gelesen…</translation>
    </message>
    <message>
        <source>Reading the radio, second time…</source>
        <translation>Funkgerät wird zum zweiten Mal gelesen…</translation>
    </message>
    <message>
        <source>OK writes the form into the radio.</source>
        <translation>OK schreibt das Formular in das Funkgerät.</translation>
    </message>
    <message>
        <source>Reading the radio…</source>
        <translation>Das Funkgerät wird gelesen…</translation>
    </message>
    <message>
        <source>Writing into the radio…</source>
        <translation>Das Funkgerät wird beschrieben…</translation>
    </message>
    <message>
        <source>A backup of the radio is kept in %1</source>
        <translation>Eine Sicherung des Funkgeräts liegt in %1</translation>
    </message>
    <message>
        <source>No backup of this read could be kept: %1</source>
        <translation>Von diesem Lesen ließ sich keine Sicherung anlegen: %1</translation>
    </message>
    <message>
        <source>Channel and settings form</source>
        <translation>Formular für Kanäle und Einstellungen</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Rauschsperre</translation>
    </message>
    <message>
        <source>TOT</source>
        <translation>Sendezeitbegrenzung</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Sprachansage</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Vox Switch</source>
        <translation>VOX-Schalter</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>VOX-Empfindlichkeit</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Batteriesparen</translation>
    </message>
    <message>
        <source>PTT ID</source>
        <translation>PTT-ID</translation>
    </message>
    <message>
        <source>PTT ID Code</source>
        <translation>PTT-ID-Code</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanal:</translation>
    </message>
    <message>
        <source>Read Data</source>
        <translation>Daten lesen</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>Daten schreiben</translation>
    </message>
    <message>
        <source>Could not write the trace %1</source>
        <translation>Das Protokoll %1 ließ sich nicht schreiben</translation>
    </message>
    <message>
        <source>Back Up Before Write</source>
        <translation>Vor dem Schreiben sichern</translation>
    </message>
    <message>
        <source>Verify After Write</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>The write was not verified: the radio could not be read back.</source>
        <translation>Das Schreiben wurde nicht geprüft: Das Funkgerät ließ sich nicht zurücklesen.</translation>
    </message>
    <message>
        <source>What the radio held before this write can be written back into it: press Restore.</source>
        <translation>Was das Funkgerät vor diesem Schreiben enthielt, lässt sich zurückschreiben: Drücken Sie „Wiederherstellen“.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>The radio holds again what it held before the write.</source>
        <translation>Das Funkgerät enthält wieder, was es vor dem Schreiben enthielt.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) pasted.</source>
        <translation>
            <numerusform>%n Kanal eingefügt.</numerusform>
            <numerusform>%n Kanäle eingefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Frequency brought into the band or onto the raster: channel %1.</source>
        <translation>Frequenz ins Band oder aufs Raster gebracht: Kanal %1.</translation>
    </message>
    <message>
        <source>Not pasted, a value this radio cannot hold: channel %1.</source>
        <translation>Nicht eingefügt, ein Wert, den dieses Funkgerät nicht speichern kann: Kanal %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) found no channel below the last.</source>
        <translation>
            <numerusform>%n Zeile fand unter dem letzten Kanal keinen Platz mehr.</numerusform>
            <numerusform>%n Zeilen fanden unter dem letzten Kanal keinen Platz mehr.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>CPromptDialog</name>
    <message>
        <source>Prompt</source>
        <translation>Frage</translation>
    </message>
</context>
<context>
    <name>CVersionPromptDialog</name>
    <message>
        <source>Please select the correct software version.</source>
        <translation>Bitte die richtige Softwareversion wählen.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ChannelFile</name>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument ließ sich nicht speichern.</translation>
    </message>
    <message>
        <source>%1 is %2, not a channel file.</source>
        <translation>%1 ist %2, keine Kanaldatei.</translation>
    </message>
    <message>
        <source>%1 is more than %2 bytes long; a channel file holds %2 bytes.</source>
        <translation>%1 ist länger als %2 Bytes; eine Kanaldatei enthält %2 Bytes.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long; a channel file holds %3 bytes.</source>
        <translation>%1 ist %2 Bytes lang; eine Kanaldatei enthält %3 Bytes.</translation>
    </message>
</context>
<context>
    <name>ChannelIo</name>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument ließ sich nicht speichern.</translation>
    </message>
    <message>
        <source>Failed to open the channel list.</source>
        <translation>Die Kanalliste ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Failed to save the channel list.</source>
        <translation>Die Kanalliste ließ sich nicht speichern.</translation>
    </message>
</context>
<context>
    <name>ChannelListCommands</name>
    <message>
        <source>Import Channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Kanäle exportieren</translation>
    </message>
    <message>
        <source>&amp;Standard columns only (leave out Busy, for tools that refuse unknown columns)</source>
        <translation>Nur &amp;Standardspalten (ohne Busy, für Programme, die unbekannte Spalten ablehnen)</translation>
    </message>
    <message>
        <source>Standard columns only</source>
        <translation>Nur Standardspalten</translation>
    </message>
    <message>
        <source>Channel Lists (*.csv)</source>
        <translation>Kanallisten (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>1 channel imported into the form: Save or Write keeps it.</source>
        <translation>1 Kanal ins Formular importiert: Speichern oder Schreiben behält ihn.</translation>
    </message>
    <message>
        <source>%1 channels imported into the form: Save or Write keeps them.</source>
        <translation>%1 Kanäle ins Formular importiert: Speichern oder Schreiben behält sie.</translation>
    </message>
    <message>
        <source>Channels exported to %1.</source>
        <translation>Kanäle nach %1 exportiert.</translation>
    </message>
</context>
<context>
    <name>ChannelListFile</name>
    <message>
        <source>Failed to open the channel list.</source>
        <translation>Die Kanalliste ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Failed to save the channel list.</source>
        <translation>Die Kanalliste ließ sich nicht speichern.</translation>
    </message>
    <message>
        <source>%1 is %2, not a channel list.</source>
        <translation>%1 ist %2, keine Kanalliste.</translation>
    </message>
    <message>
        <source>%1 is more than %2 MiB long, too large to be a channel list.</source>
        <translation>%1 ist länger als %2 MiB, zu groß für eine Kanalliste.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--print-to-pdf needs the PDF to write and the file to print</source>
        <translation>--print-to-pdf braucht die zu schreibende PDF-Datei und die zu druckende Datei</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--print and --print-to-pdf do not go together</source>
        <translation>--print und --print-to-pdf schließen sich aus</translation>
    </message>
    <message>
        <source>the print switch needs the file to print</source>
        <translation>der Druckschalter braucht die zu druckende Datei</translation>
    </message>
</context>
<context>
    <name>FileKindTexts</name>
    <message>
        <source>missing</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>ein FIFO (benannte Pipe)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ein blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file: nothing was written to it</source>
        <translation>%1 ist %2, keine reguläre Datei: Es wurde nichts hineingeschrieben</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Programming Software</source>
        <translation>Programmiersoftware</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>This program runs as a snap, which may open serial devices only once it has been given the serial-port permission:</source>
        <translation>Dieses Programm läuft als Snap und darf serielle Geräte erst öffnen, wenn ihm die Berechtigung serial-port erteilt wurde:</translation>
    </message>
    <message>
        <source>Only the owner of the device may use it; its group &quot;%1&quot; may not. A udev rule that gives the person at the seat access (TAG+=&quot;uaccess&quot;) or the group &quot;dialout&quot; puts that right.</source>
        <translation>Nur der Eigentümer des Geräts darf es benutzen, seine Gruppe „%1“ nicht. Eine udev-Regel, die der Person am Platz (TAG+=&quot;uaccess&quot;) oder der Gruppe „dialout“ Zugriff gibt, behebt das.</translation>
    </message>
    <message>
        <source>You were added to the group &quot;%1&quot; that owns the device after this login began: log out and in again (a new login is needed) and the device can be used.</source>
        <translation>Sie wurden erst nach Beginn dieser Anmeldung in die Gruppe „%1“ aufgenommen, der das Gerät gehört: Melden Sie sich ab und wieder an (eine neue Anmeldung ist nötig), dann lässt sich das Gerät benutzen.</translation>
    </message>
    <message>
        <source>Only members of the group &quot;%1&quot; may use the device, and you are not one. Add yourself with the command below, then log out and in again: the group counts from the next login.</source>
        <translation>Nur Mitglieder der Gruppe „%1“ dürfen das Gerät benutzen, und Sie sind keines. Nehmen Sie sich mit dem Befehl unten auf und melden Sie sich dann ab und wieder an: Die Gruppe zählt ab der nächsten Anmeldung.</translation>
    </message>
    <message>
        <source>Only members of the group &quot;%1&quot; may use the device, and you are not one.</source>
        <translation>Nur Mitglieder der Gruppe „%1“ dürfen das Gerät benutzen, und Sie sind keines.</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message>
        <source>Another program holds the device for itself; the system does not say which. Close the terminal programs and other radio programs and try again.</source>
        <translation>Ein anderes Programm hält das Gerät für sich; welches, sagt das System nicht. Schließen Sie Terminalprogramme und andere Funkprogramme und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Another program holds the device for itself: %1. Close it and try again.</source>
        <translation>Ein anderes Programm hält das Gerät für sich: %1. Schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>There is no such device file: the adapter is not plugged in, or no driver has made a device of it.</source>
        <translation>Diese Gerätedatei gibt es nicht: Der Adapter ist nicht eingesteckt, oder kein Treiber hat ein Gerät daraus gemacht.</translation>
    </message>
    <message>
        <source>The system refuses to open the device although its rights allow it: a security policy (AppArmor, SELinux, a sandbox) stands in the way.</source>
        <translation>Das System verweigert das Öffnen des Geräts, obwohl seine Rechte es erlauben: Eine Sicherheitsrichtlinie (AppArmor, SELinux, eine Sandbox) steht im Weg.</translation>
    </message>
    <message>
        <source>No hardware answers behind the device file: a port the computer names but does not have, or an adapter that has just been unplugged.</source>
        <translation>Hinter der Gerätedatei antwortet keine Hardware: ein Anschluss, den der Computer nennt, aber nicht hat, oder ein Adapter, der gerade abgezogen wurde.</translation>
    </message>
    <message>
        <source>The device could not be opened.</source>
        <translation>Das Gerät ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>ModemManager runs and probes USB serial adapters for a modem when they are plugged in: it sends commands to the radio and holds the port for some seconds. A udev rule that sets the property ID_MM_DEVICE_IGNORE on the cable, in the rule file %1, keeps it away:</source>
        <translation>ModemManager läuft und untersucht eingesteckte USB-Seriell-Adapter, ob sie ein Modem sind: Er schickt dem Funkgerät Befehle und hält den Anschluss einige Sekunden lang. Eine udev-Regel in der Regeldatei %1, die am Kabel die Eigenschaft ID_MM_DEVICE_IGNORE setzt, hält ihn fern:</translation>
    </message>
    <message>
        <source>A Bluetooth serial port of the computer, not a programming cable.</source>
        <translation>Ein serieller Bluetooth-Anschluss des Computers, kein Programmierkabel.</translation>
    </message>
    <message>
        <source>A program has claimed the adapter for itself through usbfs, so its serial driver %1 cannot make a device file of it.</source>
        <translation>Ein Programm hat den Adapter über usbfs für sich beansprucht, daher kann sein serieller Treiber %1 keine Gerätedatei daraus machen.</translation>
    </message>
    <message>
        <source>The driver %1 has taken the adapter but made no device file; the kernel&apos;s messages tell why:</source>
        <translation>Der Treiber %1 hat den Adapter übernommen, aber keine Gerätedatei angelegt; warum, sagen die Meldungen des Kernels:</translation>
    </message>
    <message>
        <source>The driver %1 has taken the adapter instead of its serial driver %2.</source>
        <translation>Der Treiber %1 hat den Adapter übernommen statt seines seriellen Treibers %2.</translation>
    </message>
    <message>
        <source>No driver has taken the adapter: the kernel module %1 is missing, or it refused the chip (newer drivers refuse counterfeit %2 chips; the kernel&apos;s messages say so). Load the module with:</source>
        <translation>Kein Treiber hat den Adapter übernommen: Das Kernelmodul %1 fehlt, oder es hat den Chip abgelehnt (neuere Treiber lehnen gefälschte %2-Chips ab; die Meldungen des Kernels sagen es dann). Laden Sie das Modul mit:</translation>
    </message>
    <message>
        <source>The braille-display service&apos;s udev rules (%1) take adapters with this chip away from their serial driver. Unless a braille display is used on this computer, remove the package that installed them.</source>
        <translation>Die udev-Regeln des Braillezeilen-Dienstes (%1) entziehen Adapter mit diesem Chip ihrem seriellen Treiber. Wenn an diesem Computer keine Braillezeile benutzt wird, entfernen Sie das Paket, das sie installiert hat.</translation>
    </message>
    <message>
        <source>The package %1, a braille-display service, installs udev rules (%2) that take adapters with this chip away from their serial driver. Unless a braille display is used on this computer, remove it:</source>
        <translation>Das Paket %1, ein Braillezeilen-Dienst, installiert udev-Regeln (%2), die Adapter mit diesem Chip ihrem seriellen Treiber entziehen. Wenn an diesem Computer keine Braillezeile benutzt wird, entfernen Sie es:</translation>
    </message>
    <message>
        <source>USB %1</source>
        <translation>USB %1</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>USB adapter on port %1, without a device file</source>
        <translation>USB-Adapter am USB-Anschluss %1, ohne Gerätedatei</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not a cable</source>
        <translation>kein Kabel</translation>
    </message>
    <message>
        <source>cannot be used</source>
        <translation>nicht verwendbar</translation>
    </message>
    <message>
        <source>can be opened</source>
        <translation>lässt sich öffnen</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>This is %1, not a serial port.</source>
        <translation>Dies ist %1, keine serielle Schnittstelle.</translation>
    </message>
    <message>
        <source>This device is not a terminal, so it is not a serial port.</source>
        <translation>Dieses Gerät ist kein Terminal und damit keine serielle Schnittstelle.</translation>
    </message>
    <message>
        <source>No radio can be reached through it: a programming cable shows as a terminal device such as /dev/ttyUSB0.</source>
        <translation>Darüber ist kein Funkgerät zu erreichen: Ein Programmierkabel erscheint als Terminalgerät wie /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>keine serielle Schnittstelle</translation>
    </message>
</context>
<context>
    <name>PortSelection</name>
    <message>
        <source>%1 (none)</source>
        <translation>%1 (keiner)</translation>
    </message>
    <message>
        <source>%1 (%2, missing)</source>
        <translation>%1 (%2, fehlt)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: no serial device</source>
        <translation>%1: kein serielles Gerät</translation>
    </message>
    <message>
        <source>%1: %2 is no longer connected</source>
        <translation>%1: %2 ist nicht mehr angeschlossen</translation>
    </message>
    <message>
        <source>Other port… (%1)</source>
        <translation>Anderer Anschluss… (%1)</translation>
    </message>
    <message>
        <source>Other port…</source>
        <translation>Anderer Anschluss…</translation>
    </message>
    <message>
        <source>Simulated radio</source>
        <translation>Simuliertes Funkgerät</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>there is no printer to print on (--print-to-pdf OUT.pdf FILE writes the page to a PDF)</source>
        <translation>es gibt keinen Drucker (--print-to-pdf AUS.pdf DATEI schreibt die Seite in eine PDF-Datei)</translation>
    </message>
    <message>
        <source>the printer %1 did not take the page</source>
        <translation>der Drucker %1 hat die Seite nicht angenommen</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Programming Software</source>
        <translation>Programmiersoftware</translation>
    </message>
    <message>
        <source>Channel list</source>
        <translation>Kanalliste</translation>
    </message>
    <message>
        <source>cannot draw the page into %1</source>
        <translation>die Seite lässt sich nicht in %1 zeichnen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Seitennummer</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>Weitere Schaltflächen der Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
</context>
<context>
    <name>SaveChangesPrompt</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>hmprog</name>
    <message>
        <source>%1-%2 MHz</source>
        <translation>%1-%2 MHz</translation>
    </message>
    <message>
        <source>%1 MHz is below %2: %3</source>
        <translation>%1 MHz liegt unter %2: %3</translation>
    </message>
    <message>
        <source>%1 MHz is above %2: %3</source>
        <translation>%1 MHz liegt über %2: %3</translation>
    </message>
    <message>
        <source>%1 MHz is between channels of 5 kHz and 6.25 kHz: %2</source>
        <translation>%1 MHz liegt zwischen den Kanälen im 5-kHz- und 6,25-kHz-Raster: %2</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>The two reads agree: the cable carried the radio&apos;s 1024 bytes the same way twice.</source>
        <translation>Beide Lesevorgänge stimmen überein: Das Kabel hat die 1024 Bytes des Funkgeräts zweimal gleich übertragen.</translation>
    </message>
    <message>
        <source>The first read did not complete.</source>
        <translation>Der erste Lesevorgang wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>The second read did not complete.</source>
        <translation>Der zweite Lesevorgang wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Nothing could be compared.</source>
        <translation>Es konnte nichts verglichen werden.</translation>
    </message>
    <message>
        <source>The two reads differ in %1 of 128 blocks: the cable or a connector changes bytes on the way.</source>
        <translation>Die beiden Lesevorgänge unterscheiden sich in %1 von 128 Blöcken: Das Kabel oder ein Stecker verändert Bytes unterwegs.</translation>
    </message>
    <message>
        <source>  Block %1 (%2-%3)</source>
        <translation>  Block %1 (%2-%3)</translation>
    </message>
    <message>
        <source>Speed: %1 bytes of memory per second (the line carries at most %2).</source>
        <translation>Geschwindigkeit: %1 Byte Speicher pro Sekunde (die Leitung schafft höchstens %2).</translation>
    </message>
    <message>
        <source>Echoes: %1 (bytes the cable handed back as they were sent).</source>
        <translation>Echos: %1 (Bytes, die das Kabel so zurückgab, wie sie gesendet wurden).</translation>
    </message>
    <message>
        <source>Garbage: %1 (bytes that were neither the radio&apos;s answer nor an echo).</source>
        <translation>Störbytes: %1 (Bytes, die weder Antwort des Funkgeräts noch Echo waren).</translation>
    </message>
    <message>
        <source>Retries: %1 (wake-up attempts the radio did not answer).</source>
        <translation>Wiederholungen: %1 (Weckversuche, die das Funkgerät nicht beantwortete).</translation>
    </message>
    <message>
        <source>1 channel pasted.</source>
        <translation>1 Kanal eingefügt.</translation>
    </message>
    <message>
        <source>%1 channels pasted.</source>
        <translation>%1 Kanäle eingefügt.</translation>
    </message>
    <message>
        <source>Channel %1 Rx Freq: %2 typed, %3 stored.</source>
        <translation>Kanal %1 Rx Freq: %2 eingegeben, %3 gespeichert.</translation>
    </message>
    <message>
        <source>Channel %1 Tx Freq: %2 typed, %3 stored.</source>
        <translation>Kanal %1 Tx Freq: %2 eingegeben, %3 gespeichert.</translation>
    </message>
    <message>
        <source>Not pasted, a value this radio cannot hold: channel %1.</source>
        <translation>Nicht eingefügt, ein Wert, den dieses Funkgerät nicht speichern kann: Kanal %1.</translation>
    </message>
    <message>
        <source>1 row found no channel below the last.</source>
        <translation>1 Zeile fand unter dem letzten Kanal keinen Platz mehr.</translation>
    </message>
    <message>
        <source>%1 rows found no channel below the last.</source>
        <translation>%1 Zeilen fanden unter dem letzten Kanal keinen Platz mehr.</translation>
    </message>
    <message>
        <source>1 change</source>
        <translation>1 Änderung</translation>
    </message>
    <message>
        <source>%1 changes</source>
        <translation>%1 Änderungen</translation>
    </message>
    <message>
        <source>No change to what the radio does</source>
        <translation>Keine Änderung an dem, was das Funkgerät tut</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>Rx %1, Tx %2, tones %3 / %4, Busy %5, %6, %7, Scan %8</source>
        <translation>Rx %1, Tx %2, Töne %3 / %4, Busy %5, %6, %7, Scan %8</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>Kill codes (the radio uses them)</source>
        <translation>Kill-Codes (das Funkgerät nutzt sie)</translation>
    </message>
    <message>
        <source>Channel %1, bytes the form does not show (the radio may use them)</source>
        <translation>Kanal %1, Bytes, die das Formular nicht zeigt (das Funkgerät nutzt sie womöglich)</translation>
    </message>
    <message>
        <source>Other radio data (the radio may use it)</source>
        <translation>Weitere Daten des Funkgeräts (das Funkgerät nutzt sie womöglich)</translation>
    </message>
    <message>
        <source>Unused bytes of empty channel %1 (no radio uses them)</source>
        <translation>Unbenutzte Bytes des leeren Kanals %1 (kein Funkgerät nutzt sie)</translation>
    </message>
    <message>
        <source>Unused bytes of empty channels %1 (no radio uses them)</source>
        <translation>Unbenutzte Bytes der leeren Kanäle %1 (kein Funkgerät nutzt sie)</translation>
    </message>
    <message>
        <source>Channel %1: the Rx bytes %2 are no frequency</source>
        <translation>Kanal %1: Die Rx-Bytes %2 sind keine Frequenz</translation>
    </message>
    <message>
        <source>Channel %1: the Tx bytes %2 are no frequency</source>
        <translation>Kanal %1: Die Tx-Bytes %2 sind keine Frequenz</translation>
    </message>
    <message>
        <source>Channel %1: Rx %2 MHz is outside %3</source>
        <translation>Kanal %1: Rx %2 MHz liegt außerhalb von %3</translation>
    </message>
    <message>
        <source>Channel %1: Tx %2 MHz is outside %3</source>
        <translation>Kanal %1: Tx %2 MHz liegt außerhalb von %3</translation>
    </message>
    <message>
        <source>Channel %1: Rx tone %2 is no CTCSS or DCS tone</source>
        <translation>Kanal %1: Rx-Ton %2 ist kein CTCSS- oder DCS-Ton</translation>
    </message>
    <message>
        <source>Channel %1: Tx tone %2 is no CTCSS or DCS tone</source>
        <translation>Kanal %1: Tx-Ton %2 ist kein CTCSS- oder DCS-Ton</translation>
    </message>
    <message>
        <source>The model byte %1 names no model</source>
        <translation>Das Modell-Byte %1 bezeichnet kein Modell</translation>
    </message>
    <message>
        <source>The band byte %1 names no band of the model</source>
        <translation>Das Band-Byte %1 bezeichnet kein Band des Modells</translation>
    </message>
    <message>
        <source>Squelch Level %1 is outside 0-9</source>
        <translation>Rauschsperre %1 liegt außerhalb von 0-9</translation>
    </message>
    <message>
        <source>TOT %1 is outside 1-10</source>
        <translation>TOT %1 liegt außerhalb von 1-10</translation>
    </message>
    <message>
        <source>Vox %1 is outside 0-9</source>
        <translation>Vox %1 liegt außerhalb von 0-9</translation>
    </message>
    <message>
        <source>This file holds values that no radio of its model can hold:</source>
        <translation>Diese Datei enthält Werte, die kein Funkgerät ihres Modells enthalten kann:</translation>
    </message>
    <message>
        <source>What would be written holds values that no radio of its model can hold:</source>
        <translation>Was geschrieben würde, enthält Werte, die kein Funkgerät seines Modells enthalten kann:</translation>
    </message>
    <message>
        <source>Write it into the radio anyway?</source>
        <translation>Trotzdem ins Funkgerät schreiben?</translation>
    </message>
    <message>
        <source>(radio data outside the form)</source>
        <translation>(Gerätedaten außerhalb des Formulars)</translation>
    </message>
    <message>
        <source>Verified.</source>
        <translation>Geprüft.</translation>
    </message>
    <message>
        <source>Verify failed</source>
        <translation>Prüfung fehlgeschlagen</translation>
    </message>
    <message>
        <source>The file is too large to be a channel list.</source>
        <translation>Die Datei ist zu groß für eine Kanalliste.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text; it was read as Windows-1252.</source>
        <translation>Die Datei ist kein UTF-8-Text; sie wurde als Windows-1252 gelesen.</translation>
    </message>
    <message>
        <source>A quoted field that begins here is never closed.</source>
        <translation>Ein hier beginnendes Feld in Anführungszeichen wird nie geschlossen.</translation>
    </message>
    <message>
        <source>The file has no Frequency column, so it holds no channels this program can read.</source>
        <translation>Die Datei hat keine Spalte Frequency und enthält daher keine Kanäle, die dieses Programm lesen kann.</translation>
    </message>
    <message>
        <source>These columns are not read: %1.</source>
        <translation>Diese Spalten werden nicht gelesen: %1.</translation>
    </message>
    <message>
        <source>The file gives no Locations: its rows go into channels 1, 2 ... in file order.</source>
        <translation>Die Datei nennt keine Location: Ihre Zeilen kommen in Dateireihenfolge in die Kanäle 1, 2 ...</translation>
    </message>
    <message>
        <source>The file has tone values but no Tone column to say which are meant, so no tones were taken.</source>
        <translation>Die Datei hat Tonwerte, aber keine Spalte Tone, die sagt, welche gemeint sind; daher wurden keine Töne übernommen.</translation>
    </message>
    <message>
        <source>Names and comments are not stored by this radio.</source>
        <translation>Namen und Kommentare speichert dieses Funkgerät nicht.</translation>
    </message>
    <message>
        <source>All 16 channels are already filled by earlier rows.</source>
        <translation>Alle 16 Kanäle sind schon durch frühere Zeilen belegt.</translation>
    </message>
    <message>
        <source>Location %1 is already taken by line %2.</source>
        <translation>Location %1 ist schon durch Zeile %2 belegt.</translation>
    </message>
    <message>
        <source>Columns the file lacks, kept as each channel had them: %1.</source>
        <translation>Spalten, die der Datei fehlen, blieben, wie jeder Kanal sie hatte: %1.</translation>
    </message>
    <message>
        <source>The file holds no channel rows.</source>
        <translation>Die Datei enthält keine Kanalzeilen.</translation>
    </message>
    <message>
        <source>%1 %2 is not a number.</source>
        <translation>%1 %2 ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1 %2 is negative.</source>
        <translation>%1 %2 ist negativ.</translation>
    </message>
    <message>
        <source>The row has no Frequency.</source>
        <translation>Die Zeile hat keine Frequency.</translation>
    </message>
    <message>
        <source>Frequency %1 is zero.</source>
        <translation>Frequency %1 ist null.</translation>
    </message>
    <message>
        <source>Duplex %1 is not one of +, -, split and off.</source>
        <translation>Duplex %1 ist keiner der Werte +, -, split und off.</translation>
    </message>
    <message>
        <source>Duplex split needs the transmit frequency in Offset.</source>
        <translation>Duplex split braucht die Sendefrequenz in Offset.</translation>
    </message>
    <message>
        <source>Frequency minus Offset leaves no transmit frequency.</source>
        <translation>Frequency minus Offset lässt keine Sendefrequenz übrig.</translation>
    </message>
    <message>
        <source>Receive frequency %1 MHz is outside this radio&apos;s band, %2.</source>
        <translation>Die Empfangsfrequenz %1 MHz liegt außerhalb des Bands dieses Funkgeräts, %2.</translation>
    </message>
    <message>
        <source>Transmit frequency %1 MHz is outside this radio&apos;s band, %2.</source>
        <translation>Die Sendefrequenz %1 MHz liegt außerhalb des Bands dieses Funkgeräts, %2.</translation>
    </message>
    <message>
        <source>Receive frequency %1 MHz is off the 5 kHz and 6.25 kHz rasters and was lowered to %2 MHz.</source>
        <translation>Die Empfangsfrequenz %1 MHz liegt außerhalb des 5-kHz- und des 6,25-kHz-Rasters und wurde auf %2 MHz gesenkt.</translation>
    </message>
    <message>
        <source>Transmit frequency %1 MHz is off the 5 kHz and 6.25 kHz rasters and was lowered to %2 MHz.</source>
        <translation>Die Sendefrequenz %1 MHz liegt außerhalb des 5-kHz- und des 6,25-kHz-Rasters und wurde auf %2 MHz gesenkt.</translation>
    </message>
    <message>
        <source>Offset %1 MHz puts the transmit frequency outside this radio&apos;s band, %2.</source>
        <translation>Offset %1 MHz legt die Sendefrequenz außerhalb des Bands dieses Funkgeräts, %2.</translation>
    </message>
    <message>
        <source>The row has no Location.</source>
        <translation>Die Zeile hat keine Location.</translation>
    </message>
    <message>
        <source>Location %1 is not a whole number.</source>
        <translation>Location %1 ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>Location %1 is not one of this radio&apos;s channels 1 to 16.</source>
        <translation>Location %1 ist keiner der Kanäle 1 bis 16 dieses Funkgeräts.</translation>
    </message>
    <message>
        <source>Mode %1 is not FM or NFM, the only modes of this radio.</source>
        <translation>Mode %1 ist weder FM noch NFM, die einzigen Betriebsarten dieses Funkgeräts.</translation>
    </message>
    <message>
        <source>Power %1 is neither a wattage nor High or Low.</source>
        <translation>Power %1 ist weder eine Wattzahl noch High oder Low.</translation>
    </message>
    <message>
        <source>Skip P (priority scan) is not on this radio: the channel is scanned (Add).</source>
        <translation>Skip P (Prioritätssuchlauf) hat dieses Funkgerät nicht: Der Kanal wird abgesucht (Add).</translation>
    </message>
    <message>
        <source>Skip %1 is not S, P or empty.</source>
        <translation>Skip %1 ist weder S, P noch leer.</translation>
    </message>
    <message>
        <source>Busy %1 is not Off, Carrier or QT/DQT.</source>
        <translation>Busy %1 ist weder Off, Carrier noch QT/DQT.</translation>
    </message>
    <message>
        <source>Tone %1 is reverse squelch, which this radio does not have.</source>
        <translation>Tone %1 ist eine umgekehrte Rauschsperre, die dieses Funkgerät nicht hat.</translation>
    </message>
    <message>
        <source>Tone %1 is not one of TSQL, Tone, DTCS and Cross.</source>
        <translation>Tone %1 ist keiner der Werte TSQL, Tone, DTCS und Cross.</translation>
    </message>
    <message>
        <source>CrossMode %1 is not one this radio can use.</source>
        <translation>CrossMode %1 kann dieses Funkgerät nicht verwenden.</translation>
    </message>
    <message>
        <source>DtcsPolarity %1 is not one of NN, NR, RN and RR.</source>
        <translation>DtcsPolarity %1 ist keiner der Werte NN, NR, RN und RR.</translation>
    </message>
    <message>
        <source>%1 %2 is not a CTCSS tone of this radio.</source>
        <translation>%1 %2 ist kein CTCSS-Ton dieses Funkgeräts.</translation>
    </message>
    <message>
        <source>%1 %2 is not a DCS code of this radio.</source>
        <translation>%1 %2 ist kein DCS-Code dieses Funkgeräts.</translation>
    </message>
    <message>
        <source>Line %1, skipped: %2</source>
        <translation>Zeile %1, übersprungen: %2</translation>
    </message>
    <message>
        <source>Line %1, changed: %2</source>
        <translation>Zeile %1, geändert: %2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The headings it reads: %1.</source>
        <translation>Gelesen werden diese Spaltenüberschriften: %1.</translation>
    </message>
    <message>
        <source>%1 rows loaded, %2 skipped.</source>
        <translation>%1 Zeilen geladen, %2 übersprungen.</translation>
    </message>
    <message>
        <source>%1 row loaded, %2 skipped.</source>
        <translation>%1 Zeile geladen, %2 übersprungen.</translation>
    </message>
    <message>
        <source>%1 rows loaded, %2 skipped; %3 channels change.</source>
        <translation>%1 Zeilen geladen, %2 übersprungen; %3 Kanäle ändern sich.</translation>
    </message>
    <message>
        <source>%1 rows loaded, %2 skipped; %3 channel changes.</source>
        <translation>%1 Zeilen geladen, %2 übersprungen; %3 Kanal ändert sich.</translation>
    </message>
    <message>
        <source>%1 row loaded, %2 skipped; %3 channels change.</source>
        <translation>%1 Zeile geladen, %2 übersprungen; %3 Kanäle ändern sich.</translation>
    </message>
    <message>
        <source>%1 row loaded, %2 skipped; %3 channel changes.</source>
        <translation>%1 Zeile geladen, %2 übersprungen; %3 Kanal ändert sich.</translation>
    </message>
    <message>
        <source>%1 %2 is not a tone of this radio.</source>
        <translation>%1 %2 ist kein Ton dieses Funkgeräts.</translation>
    </message>
    <message>
        <source>Bandwidth %1 is not Wide or Narrow.</source>
        <translation>Bandwidth %1 ist weder Wide noch Narrow.</translation>
    </message>
    <message>
        <source>Scan %1 is not Add or Del.</source>
        <translation>Scan %1 ist weder Add noch Del.</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>PMR446: the 16 licence-free channels 446.00625-446.19375 MHz, narrow, low power</source>
        <translation>PMR446: die 16 anmeldefreien Kanäle 446,00625-446,19375 MHz, schmal, niedrige Leistung</translation>
    </message>
    <message>
        <source>Marine VHF: channel 16 and 15 simplex ship channels, 156.300-156.875 MHz</source>
        <translation>Seefunk UKW: Kanal 16 und 15 Simplex-Schiffskanäle, 156,300-156,875 MHz</translation>
    </message>
    <message>
        <source>2 m amateur FM simplex (US band plan): 146.400-146.580 and 147.420-147.450 MHz</source>
        <translation>2-m-Amateurfunk FM simplex (US-Bandplan): 146,400-146,580 und 147,420-147,450 MHz</translation>
    </message>
    <message>
        <source>Permission denied: ask for the right to use this device.</source>
        <translation>Zugriff verweigert: Lassen Sie sich das Recht geben, dieses Gerät zu benutzen.</translation>
    </message>
    <message>
        <source>Permission denied: the device belongs to the group &quot;%1&quot;, and your user must be in that group (for example: sudo usermod -aG %1 $USER, then log in again).</source>
        <translation>Zugriff verweigert: Das Gerät gehört der Gruppe „%1“, und Ihr Benutzer muss in dieser Gruppe sein (zum Beispiel: sudo usermod -aG %1 $USER, danach neu anmelden).</translation>
    </message>
    <message>
        <source>Permission denied: the device belongs to the group &quot;%1&quot;, and your user must be in that group.</source>
        <translation>Zugriff verweigert: Das Gerät gehört der Gruppe „%1“, und Ihr Benutzer muss in dieser Gruppe sein.</translation>
    </message>
    <message>
        <source>The device is missing: plug in the programming cable and check the port&apos;s name.</source>
        <translation>Das Gerät fehlt: Stecken Sie das Programmierkabel ein und prüfen Sie den Namen des Anschlusses.</translation>
    </message>
    <message>
        <source>The port is busy: another program holds it. Close that program and try again.</source>
        <translation>Der Anschluss ist belegt: Ein anderes Programm hält ihn. Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The port could not be opened.</source>
        <translation>Der Anschluss ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Could not open the port</source>
        <translation>Der Anschluss ließ sich nicht öffnen</translation>
    </message>
    <message>
        <source>The radio now holds a partly written memory: write a complete image into it before using it.</source>
        <translation>Das Funkgerät enthält jetzt einen teilweise geschriebenen Speicher: Schreiben Sie ein vollständiges Abbild hinein, bevor Sie es benutzen.</translation>
    </message>
    <message>
        <source>Communication error, please try again.</source>
        <translation>Übertragungsfehler, bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Model do not match</source>
        <translation>Modell passt nicht</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <source>Not receive enough byte</source>
        <translation>Nicht genug Bytes empfangen</translation>
    </message>
    <message>
        <source>Not receive ACK signal</source>
        <translation>Keine Bestätigung (ACK) empfangen</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Übertragungsfehler</translation>
    </message>
    <message>
        <source>no serial device stands for this port</source>
        <translation>kein serielles Gerät steht für diesen Anschluss</translation>
    </message>
    <message>
        <source>Waiting for the radio on %1</source>
        <translation>Warte auf das Funkgerät an %1</translation>
    </message>
    <message>
        <source>Identifying the radio</source>
        <translation>Funkgerät wird erkannt</translation>
    </message>
    <message>
        <source>Block %1 of %2</source>
        <translation>Block %1 von %2</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Rauschsperre</translation>
    </message>
    <message>
        <source>TOT</source>
        <translation>Sendezeitbegrenzung</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Sprachansage</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Vox Switch</source>
        <translation>VOX-Schalter</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>VOX-Empfindlichkeit</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Batteriesparen</translation>
    </message>
    <message>
        <source>PTT ID</source>
        <translation>PTT-ID</translation>
    </message>
    <message>
        <source>PTT ID Code</source>
        <translation>PTT-ID-Code</translation>
    </message>
    <message>
        <source>Channel %1 Rx Freq</source>
        <translation>Kanal %1 Rx Freq</translation>
    </message>
    <message>
        <source>Channel %1 Tx Freq</source>
        <translation>Kanal %1 Tx Freq</translation>
    </message>
    <message>
        <source>Channel %1 Rx Tone</source>
        <translation>Kanal %1 Rx Tone</translation>
    </message>
    <message>
        <source>Channel %1 Tx Tone</source>
        <translation>Kanal %1 Tx Tone</translation>
    </message>
    <message>
        <source>Channel %1 Busy</source>
        <translation>Kanal %1 Busy</translation>
    </message>
    <message>
        <source>Channel %1 Power</source>
        <translation>Kanal %1 Power</translation>
    </message>
    <message>
        <source>Channel %1 Bandwidth</source>
        <translation>Kanal %1 Bandwidth</translation>
    </message>
    <message>
        <source>Channel %1 Scan</source>
        <translation>Kanal %1 Scan</translation>
    </message>
    <message>
        <source>Model Change</source>
        <translation>Modellwechsel</translation>
    </message>
    <message>
        <source>Add Channel %1</source>
        <translation>Kanal %1 hinzufügen</translation>
    </message>
    <message>
        <source>Delete Channel %1</source>
        <translation>Kanal %1 löschen</translation>
    </message>
    <message>
        <source>Delete Channels %1-%2</source>
        <translation>Kanäle %1-%2 löschen</translation>
    </message>
    <message>
        <source>Cut Channel %1</source>
        <translation>Kanal %1 ausschneiden</translation>
    </message>
    <message>
        <source>Cut Channels %1-%2</source>
        <translation>Kanäle %1-%2 ausschneiden</translation>
    </message>
    <message>
        <source>Clear Channel %1</source>
        <translation>Kanal %1 leeren</translation>
    </message>
    <message>
        <source>Clear Channels %1-%2</source>
        <translation>Kanäle %1-%2 leeren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>Please select the correct software version.</source>
        <translation>Bitte die richtige Softwareversion wählen.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument ließ sich nicht speichern.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long; a channel file holds %3 bytes.</source>
        <translation>%1 ist %2 Bytes lang; eine Kanaldatei enthält %3 Bytes.</translation>
    </message>
    <message>
        <source>verify failed at block%1</source>
        <translation>Prüfung fehlgeschlagen bei Block%1</translation>
    </message>
    <message>
        <source>, radio data kept</source>
        <translation>, Daten des Funkgeräts behalten</translation>
    </message>
</context>
<context>
    <name>FirstWritePrompt</name>
    <message>
        <source>There is nothing to preview this write against: the radio has not been read since the program started, and no backup of this model is kept.</source>
        <translation>Für diese Vorschau fehlt der Vergleich: Das Funkgerät wurde seit dem Programmstart nicht gelesen, und von diesem Modell ist keine Sicherung vorhanden.</translation>
    </message>
    <message>
        <source>Read First reads the radio and keeps what it holds as a backup, then shows what the write changes in it.</source>
        <translation>„Zuerst lesen“ liest das Funkgerät, bewahrt seinen Inhalt als Sicherung auf und zeigt dann, was das Schreiben darin ändert.</translation>
    </message>
    <message>
        <source>&amp;Read First</source>
        <translation>Zuerst &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Write Without Preview</source>
        <translation>Ohne Vorschau &amp;schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CCableCheckDialog</name>
    <message>
        <source>Check Cable</source>
        <translation>Kabel prüfen</translation>
    </message>
    <message>
        <source>What the two reads of the radio showed:</source>
        <translation>Was die beiden Lesevorgänge des Funkgeräts ergaben:</translation>
    </message>
    <message>
        <source>Cable check report</source>
        <translation>Bericht der Kabelprüfung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CFleetDialog</name>
    <message>
        <source>Program Several Radios</source>
        <translation>Mehrere Funkgeräte programmieren</translation>
    </message>
    <message>
        <source>Ports with a radio</source>
        <translation>Schnittstellen mit einem Funkgerät</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <source>Cancel keeps a radio from being written as long as its write has not begun. A transfer in progress always finishes its blocks, so that no write is cut in the middle.</source>
        <translation>Abbrechen verhindert das Schreiben eines Funkgeräts, solange sein Schreiben noch nicht begonnen hat. Eine laufende Übertragung schreibt ihre Blöcke immer zu Ende, damit kein Schreiben mittendrin abbricht.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Cancel &amp;All</source>
        <translation>&amp;Alle abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>All &amp;cables</source>
        <translation>Alle &amp;Kabel</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Back up first</source>
        <translation>Vorher &amp;sichern</translation>
    </message>
    <message>
        <source>&amp;Keep each radio&apos;s own data</source>
        <translation>&amp;Eigene Daten jedes Funkgeräts behalten</translation>
    </message>
    <message>
        <source>Read each radio first and write the form&apos;s channels and settings onto its own memory: the kill codes and the rest stay the radio&apos;s</source>
        <translation>Jedes Funkgerät zuerst lesen und die Kanäle und Einstellungen des Formulars in seinen eigenen Speicher schreiben: die Sperrcodes und alles Übrige bleiben die des Funkgeräts</translation>
    </message>
    <message>
        <source>&amp;Ports:</source>
        <translation>&amp;Schnittstellen:</translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation>&amp;Protokolldatei:</translation>
    </message>
    <message>
        <source>Tick the ports with a radio first.</source>
        <translation>Zuerst die Schnittstellen mit einem Funkgerät ankreuzen.</translation>
    </message>
    <message>
        <source>Writing into the radio on each port ticked…</source>
        <translation>Schreibe in das Funkgerät an jeder angekreuzten Schnittstelle…</translation>
    </message>
    <message>
        <source>Every radio written: %1 of %1.</source>
        <translation>Jedes Funkgerät geschrieben: %1 von %1.</translation>
    </message>
    <message>
        <source>Radios not written: %1 of %2; their results say why.</source>
        <translation>Nicht geschriebene Funkgeräte: %1 von %2; ihre Ergebnisse sagen, warum.</translation>
    </message>
</context>
<context>
    <name>CFleetRunTable</name>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Radios being programmed</source>
        <translation>Funkgeräte, die programmiert werden</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Progress on %1</source>
        <translation>Fortschritt an %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel %1</source>
        <translation>%1 abbrechen</translation>
    </message>
    <message>
        <source>Do not write this radio; a transfer in progress finishes its blocks first</source>
        <translation>Dieses Funkgerät nicht schreiben; eine laufende Übertragung schreibt zuerst ihre Blöcke zu Ende</translation>
    </message>
    <message>
        <source>Cancel asked: no write begins; a transfer in progress finishes</source>
        <translation>Abbruch verlangt: kein Schreiben beginnt; eine laufende Übertragung wird zu Ende geführt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Other model</source>
        <translation>Anderes Modell</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
</context>
<context>
    <name>FleetPortJob</name>
    <message>
        <source>the transfer did not complete</source>
        <translation>die Übertragung wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source> (%1, block %2 of %3)</source>
        <translation> (%1, Block %2 von %3)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>written, but could not be read back: %1</source>
        <translation>geschrieben, aber nicht zurückgelesen: %1</translation>
    </message>
    <message>
        <source>verify failed at block%1</source>
        <translation>Prüfung fehlgeschlagen bei Block%1</translation>
    </message>
    <message>
        <source>the radio is of another model; nothing was written</source>
        <translation>das Funkgerät ist ein anderes Modell; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>cancelled before the write began; nothing was written</source>
        <translation>abgebrochen, bevor das Schreiben begann; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source> (its row could not be added to the log)</source>
        <translation> (seine Zeile konnte nicht ins Protokoll geschrieben werden)</translation>
    </message>
    <message>
        <source>Written and verified</source>
        <translation>Geschrieben und geprüft</translation>
    </message>
    <message>
        <source>, radio data kept</source>
        <translation>, Daten des Funkgeräts behalten</translation>
    </message>
</context>
<context>
    <name>CPasteReportDialog</name>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Rows not pasted as they came</source>
        <translation>Nicht wie eingefügt übernommene Zeilen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CKeyboardHelpDialog</name>
    <message>
        <source>Keyboard and Mouse</source>
        <translation>Tastatur und Maus</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The channel grid</source>
        <translation>Die Kanaltabelle</translation>
    </message>
    <message>
        <source>Click a channel number</source>
        <translation>Klick auf eine Kanalnummer</translation>
    </message>
    <message>
        <source>Picks that channel</source>
        <translation>Wählt diesen Kanal</translation>
    </message>
    <message>
        <source>Shift+click a channel number</source>
        <translation>Umschalt+Klick auf eine Kanalnummer</translation>
    </message>
    <message>
        <source>Picks every channel from the picked one to it</source>
        <translation>Wählt alle Kanäle vom gewählten bis zu diesem</translation>
    </message>
    <message>
        <source>Shift+Up, Shift+Down</source>
        <translation>Umschalt+Auf, Umschalt+Ab</translation>
    </message>
    <message>
        <source>Picks one channel more or less</source>
        <translation>Wählt einen Kanal mehr oder weniger</translation>
    </message>
    <message>
        <source>Alt+Up, Alt+Down</source>
        <translation>Alt+Auf, Alt+Ab</translation>
    </message>
    <message>
        <source>Moves the picked channels one place up or down</source>
        <translation>Verschiebt die gewählten Kanäle um einen Platz nach oben oder unten</translation>
    </message>
    <message>
        <source>Ctrl+C, Ctrl+Insert</source>
        <translation>Strg+C, Strg+Einfg</translation>
    </message>
    <message>
        <source>Copies the picked channels as rows of a table; only while the grid has the focus: elsewhere Ctrl+C chooses the port COM1</source>
        <translation>Kopiert die gewählten Kanäle als Tabellenzeilen; nur solange die Kanaltabelle den Fokus hat: anderswo wählt Strg+C den Anschluss COM1</translation>
    </message>
    <message>
        <source>Ctrl+X, Shift+Delete</source>
        <translation>Strg+X, Umschalt+Entf</translation>
    </message>
    <message>
        <source>Cuts the picked channels; the channels below move up</source>
        <translation>Schneidet die gewählten Kanäle aus; die Kanäle darunter rücken nach</translation>
    </message>
    <message>
        <source>Ctrl+V, Shift+Insert</source>
        <translation>Strg+V, Umschalt+Einfg</translation>
    </message>
    <message>
        <source>Pastes rows from the picked channel on, each row going through the rules of typing</source>
        <translation>Fügt Zeilen ab dem gewählten Kanal ein; jede Zeile folgt den Regeln der Eingabe</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Empties the picked channels in place</source>
        <translation>Leert die gewählten Kanäle an ihrem Platz</translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+Y</source>
        <translation>Strg+Z, Strg+Y</translation>
    </message>
    <message>
        <source>Undoes and redoes a change of the form</source>
        <translation>Nimmt eine Änderung des Formulars zurück oder stellt sie wieder her</translation>
    </message>
    <message>
        <source>Copied rows are the columns Rx Freq to Scan, separated by tabs, without the channel number, so that they go to a spreadsheet and back. A paste also takes a channel number as the first cell, a heading line and fewer columns.</source>
        <translation>Kopierte Zeilen sind die Spalten Rx Freq bis Scan, durch Tabulatoren getrennt, ohne die Kanalnummer, damit sie in eine Tabellenkalkulation und zurück gehen. Beim Einfügen sind auch eine Kanalnummer als erste Zelle, eine Überschriftzeile und weniger Spalten erlaubt.</translation>
    </message>
    <message>
        <source>CSV channel lists</source>
        <translation>CSV-Kanallisten</translation>
    </message>
    <message>
        <source>File Import Channels and Export Channels read and write these columns, in this order:</source>
        <translation>Datei › Kanäle importieren und Kanäle exportieren lesen und schreiben diese Spalten, in dieser Reihenfolge:</translation>
    </message>
    <message>
        <source>Busy is this radio's busy lockout; Standard columns only leaves it out, for tools that refuse unknown columns.</source>
        <translation>Busy ist die Belegtsperre dieses Funkgeräts; „Nur Standardspalten“ lässt sie weg, für Programme, die unbekannte Spalten ablehnen.</translation>
    </message>
</context>
<context>
    <name>TraceFileTexts</name>
    <message>
        <source>Could not write the trace %1</source>
        <translation>Das Protokoll %1 ließ sich nicht schreiben</translation>
    </message>
</context>
</TS>
