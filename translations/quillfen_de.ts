<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Quillfen</name>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Ungültiges Bild: %1</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>in Zeile </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>File(s)</source>
        <translation>Datei(en)</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Dateien hierher ziehen und ablegen. Doppelklick auf einen Eintrag entfernt ihn. Die Linie | nach rechts aus dem Fenster ziehen, um ganze Namen zu sehen.</translation>
    </message>
    <message>
        <source>Move | line to right and out of window to reveal full names.</source>
        <translation>Die Linie | nach rechts aus dem Fenster ziehen, um ganze Namen zu sehen.</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellungsdatum</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Zugriffsdatum</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschrittsanzeige</translation>
    </message>
    <message>
        <source>Save Results As Text File</source>
        <translation>Ergebnisse als Textdatei speichern</translation>
    </message>
    <message>
        <source>Save Results As Excel File</source>
        <translation>Ergebnisse als Excel-Datei speichern</translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation>Datei(en) hinzufügen</translation>
    </message>
    <message>
        <source>Add All File(s) In Folder</source>
        <translation>Alle Dateien im Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Start Extracting</source>
        <translation>Auslesen starten</translation>
    </message>
    <message>
        <source>Clear Results</source>
        <translation>Ergebnisse leeren</translation>
    </message>
    <message>
        <source>Copy Results To Clipboard</source>
        <translation>Ergebnisse in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Beispieldateien laden</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation>Erstellungsdatum</translation>
    </message>
    <message>
        <source>Date Accessed</source>
        <translation>Zugriffsdatum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Date Changed</source>
        <translation>Statusänderungsdatum</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Datei(en) hinzufügen – mit gedrückter Strg-Taste mehrere Dateien auswählen</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|</source>
        <translation>Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Buffer too small</source>
        <translation>Puffer zu klein</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.<byte value="xd"/><byte value="xd"/>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Sie haben zu viele Dateien zum Hinzufügen ausgewählt.<byte value="xd"/><byte value="xd"/>Bitte fügen Sie sie über die Schaltfläche „Alle Dateien im Ordner hinzufügen“ hinzu.</translation>
    </message>
    <message>
        <source>Enter file extension to load:<byte value="xd"/><byte value="xd"/>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>Dateierweiterung der zu ladenden Dateien eingeben:<byte value="xd"/><byte value="xd"/>(* für alle Dateien, txt für alle txt-Dateien, doc für alle doc-Dateien usw.)</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Bitte einen Ordner auswählen:</translation>
    </message>
    <message>
        <source>Processing: </source>
        <translation>Wird verarbeitet: </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>No files added.</source>
        <translation>Keine Dateien hinzugefügt.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*|</source>
        <translation>Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Writing file: </source>
        <translation>Datei wird geschrieben: </translation>
    </message>
    <message>
        <source>The results changed while they were being saved, so the file was not written.</source>
        <translation>Die Ergebnisse haben sich während des Speicherns geändert, deshalb wurde die Datei nicht geschrieben.</translation>
    </message>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>Die Ergebnisse wurden in die Zwischenablage kopiert.<byte value="xd"/><byte value="xd"/>Klicken Sie in ein Feld, in das Sie sonst Text eingeben, und drücken Sie Strg+V, um sie einzufügen.</translation>
    </message>
    <message>
        <source>The clipboard is in use by another program; the results were not copied.</source>
        <translation>Die Zwischenablage wird gerade von einem anderen Programm verwendet; die Ergebnisse wurden nicht kopiert.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>Excel ist auf diesem Computer nicht installiert. Es muss installiert sein, damit diese Software fehlerfrei arbeitet.</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this feature.</source>
        <translation>Excel ist auf diesem Computer nicht installiert. Es muss installiert sein, damit Sie diese Funktion nutzen können.</translation>
    </message>
    <message>
        <source>This desktop offers no spreadsheet application</source>
        <translation>Diese Arbeitsumgebung bietet kein Tabellenkalkulationsprogramm</translation>
    </message>
    <message>
        <source>Only the first %1 results rows fit into the sheet, whose first row holds the headers. Ticked rows after them that are not in the workbook: %2.</source>
        <translation>Nur die ersten %1 Ergebniszeilen passen in das Tabellenblatt, dessen erste Zeile die Spaltenköpfe enthält. Angehakte Zeilen danach, die nicht in der Arbeitsmappe stehen: %2.</translation>
    </message>
    <message>
        <source>%1 files listed, %2 result rows, %3 ticked</source>
        <translation>Dateien in der Liste: %1, Ergebniszeilen: %2, angehakt: %3</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop the running command (Esc)</source>
        <translation>Den laufenden Befehl anhalten (Esc)</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>folders</source>
        <translation>Ordnern</translation>
    </message>
    <message>
        <source>row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>Added %1 from %2</source>
        <translation>%1 aus %2 hinzugefügt</translation>
    </message>
    <message>
        <source>hidden file</source>
        <translation>versteckte Datei</translation>
    </message>
    <message>
        <source>hidden files</source>
        <translation>versteckte Dateien</translation>
    </message>
    <message>
        <source>folder that could not be read</source>
        <translation>Ordner, der nicht gelesen werden konnte</translation>
    </message>
    <message>
        <source>folders that could not be read</source>
        <translation>Ordner, die nicht gelesen werden konnten</translation>
    </message>
    <message>
        <source>; skipped %1</source>
        <translation>; übersprungen: %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>; not found: %1</source>
        <translation>; nicht gefunden: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Stopped; added %1 so far</source>
        <translation>Angehalten; bis dahin %1 hinzugefügt</translation>
    </message>
    <message>
        <source>Extracted %1</source>
        <translation>%1 ausgelesen</translation>
    </message>
    <message>
        <source>; 1 file was not found or could not be read</source>
        <translation>; 1 Datei wurde nicht gefunden oder konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>; %1 files were not found or could not be read</source>
        <translation>; %1 Dateien wurden nicht gefunden oder konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2</source>
        <translation>Angehalten nach %1 von %2</translation>
    </message>
    <message>
        <source>Saved %1 to %2</source>
        <translation>%1 in %2 gespeichert</translation>
    </message>
    <message>
        <source>%1 was not saved</source>
        <translation>%1 wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>Stopped; %1 was not written</source>
        <translation>Angehalten; %1 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>Copied %1 to the clipboard</source>
        <translation>%1 in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Stopped; nothing was copied</source>
        <translation>Angehalten; nichts wurde kopiert</translation>
    </message>
    <message>
        <source>Opened %1 in a new workbook</source>
        <translation>%1 in einer neuen Arbeitsmappe geöffnet</translation>
    </message>
    <message>
        <source>Stopped; no workbook was opened</source>
        <translation>Angehalten; keine Arbeitsmappe wurde geöffnet</translation>
    </message>
    <message>
        <source>; left out %1 hidden by the filter</source>
        <translation>; ausgelassen, da vom Filter ausgeblendet: %1</translation>
    </message>
    <message>
        <source>Cleared the file list</source>
        <translation>Dateiliste geleert</translation>
    </message>
    <message>
        <source>Cleared the results</source>
        <translation>Ergebnisse geleert</translation>
    </message>
    <message>
        <source>Sorted by %1, %2</source>
        <translation>Sortiert nach %1, %2</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>A bis Z</translation>
    </message>
    <message>
        <source>Z to A</source>
        <translation>Z bis A</translation>
    </message>
    <message>
        <source>oldest first</source>
        <translation>älteste zuerst</translation>
    </message>
    <message>
        <source>newest first</source>
        <translation>neueste zuerst</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>&amp;Dateien hinzufügen…</translation>
    </message>
    <message>
        <source>Add All Files in F&amp;older…</source>
        <translation>Alle Dateien im &amp;Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>Load &amp;Sample Files</source>
        <translation>Beis&amp;pieldateien laden</translation>
    </message>
    <message>
        <source>Start &amp;Extracting</source>
        <translation>&amp;Auslesen starten</translation>
    </message>
    <message>
        <source>Save Results as &amp;Text File…</source>
        <translation>Ergebnisse als &amp;Textdatei speichern…</translation>
    </message>
    <message>
        <source>Open Results in a &amp;Workbook</source>
        <translation>Ergebnisse in einer Arbeits&amp;mappe öffnen</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>Ergebnisse &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Tick</source>
        <translation>&amp;Anhaken</translation>
    </message>
    <message>
        <source>&amp;Untick</source>
        <translation>Haken &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Clear File &amp;List</source>
        <translation>Datei&amp;liste leeren</translation>
    </message>
    <message>
        <source>Clear Re&amp;sults</source>
        <translation>Ergebnisse lee&amp;ren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Quillfen &amp;Manual</source>
        <translation>&amp;Handbuch zu Quillfen</translation>
    </message>
    <message>
        <source>&amp;About Quillfen</source>
        <translation>Ü&amp;ber Quillfen</translation>
    </message>
    <message>
        <source>qrc:/manual.html</source>
        <translation>qrc:/manual_de.html</translation>
    </message>
    <message>
        <source>Quillfen Manual</source>
        <translation>Handbuch zu Quillfen</translation>
    </message>
    <message>
        <source>About Quillfen</source>
        <translation>Über Quillfen</translation>
    </message>
    <message>
        <source>Usage: quillfen [PATH]...

Open the Quillfen window, which reports the date modified, created and accessed of many
files at once. Each PATH goes into the file list as a drop of it on the list would: a file as
it is, a folder with every file in it and in its sub-folders. A PATH that does not exist is
named in the status line; the others are still added.

  -h, --help     show this help and exit
  --version      show the version and exit
  --             take every argument after it as a PATH

Qt&apos;s own options, such as -platform or -style, are taken as well. For the same report
from the command line, without a window, see quillfen-cli --help.
</source>
        <translation>Aufruf: quillfen [PFAD]...

Öffnet das Fenster von Quillfen, das Änderungs-, Erstellungs- und Zugriffsdatum vieler
Dateien auf einmal ausgibt. Jeder PFAD kommt in die Dateiliste, als würde er auf der Liste
abgelegt: eine Datei so, wie sie ist, ein Ordner mit allen Dateien darin und in seinen
Unterordnern. Ein PFAD, den es nicht gibt, wird in der Statuszeile genannt; die anderen
werden trotzdem hinzugefügt.

  -h, --help     diese Hilfe anzeigen und beenden
  --version      die Version anzeigen und beenden
  --             jedes folgende Argument als PFAD nehmen

Qts eigene Optionen wie -platform oder -style werden ebenfalls angenommen. Denselben
Bericht ohne Fenster auf der Befehlszeile liefert quillfen-cli (siehe quillfen-cli --help).
</translation>
    </message>
    <message>
        <source>quillfen: unknown option &apos;%1&apos;
Try &apos;quillfen --help&apos; for more information.</source>
        <translation>quillfen: unbekannte Option &apos;%1&apos;
Mit &apos;quillfen --help&apos; erhalten Sie weitere Informationen.</translation>
    </message>
    <message>
        <source>quillfen: no graphical display found (DISPLAY is not set); run it under a virtual one: xvfb-run -a %1</source>
        <translation>quillfen: keine grafische Anzeige gefunden (DISPLAY ist nicht gesetzt); starten Sie das Programm in einer virtuellen: xvfb-run -a %1</translation>
    </message>
    <message>
        <source>Quillfen %1

Reports the date modified, created and accessed of many files at once.

Licence: proprietary; see the copyright file that comes with the program.

Support: %2</source>
        <translation>Quillfen %1

Zeigt Änderungs-, Erstellungs- und Zugriffsdatum vieler Dateien auf einmal.

Lizenz: proprietär; siehe die Copyright-Datei, die dem Programm beiliegt.

Support: %2</translation>
    </message>
    <message>
        <source>Add files to the list</source>
        <translation>Dateien zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Add every file of one extension in a folder and all its sub-folders</source>
        <translation>Alle Dateien mit einer Erweiterung aus einem Ordner und allen seinen Unterordnern hinzufügen</translation>
    </message>
    <message>
        <source>Empty the file list</source>
        <translation>Die Dateiliste leeren</translation>
    </message>
    <message>
        <source>Add the sample files that come with Quillfen</source>
        <translation>Die mit Quillfen gelieferten Beispieldateien hinzufügen</translation>
    </message>
    <message>
        <source>Report the date each file&apos;s contents last changed</source>
        <translation>Für jede Datei das Datum der letzten Änderung ihres Inhalts ausgeben</translation>
    </message>
    <message>
        <source>Report the date each file was created, where the file system keeps it</source>
        <translation>Für jede Datei das Erstellungsdatum ausgeben, sofern das Dateisystem es speichert</translation>
    </message>
    <message>
        <source>Report the date each file was last read</source>
        <translation>Für jede Datei das Datum des letzten Lesezugriffs ausgeben</translation>
    </message>
    <message>
        <source>Read the ticked dates of every listed file</source>
        <translation>Die angehakten Datumsangaben aller Dateien der Liste auslesen</translation>
    </message>
    <message>
        <source>Save the ticked results as a column-aligned text file</source>
        <translation>Die angehakten Ergebnisse als Textdatei mit bündigen Spalten speichern</translation>
    </message>
    <message>
        <source>Open the ticked results in a new workbook of your spreadsheet program</source>
        <translation>Die angehakten Ergebnisse in einer neuen Arbeitsmappe Ihres Tabellenkalkulationsprogramms öffnen</translation>
    </message>
    <message>
        <source>Copy the ticked results to the clipboard</source>
        <translation>Die angehakten Ergebnisse in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Empty the results list</source>
        <translation>Die Ergebnisliste leeren</translation>
    </message>
    <message>
        <source>How far the running command is</source>
        <translation>Wie weit der laufende Befehl ist</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Enthaltenden Ordner öffnen</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Pfad kopieren</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Anhaken</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>Haken entfernen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>The desktop could not open the folder %1.</source>
        <translation>Die Arbeitsumgebung konnte den Ordner %1 nicht öffnen.</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Soll diese Software den Ordner öffnen, in dem die Beispieldateien liegen (damit Sie sie ansehen können, bevor Sie mit ihnen arbeiten)?</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>no date: %1</source>
        <translation>ohne Datum: %1</translation>
    </message>
    <message>
        <source>No dates to show: extract some files first</source>
        <translation>Keine Datumsangaben zum Anzeigen: lesen Sie zuerst einige Dateien aus</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in %1: %2</source>
        <translation>In %1 kann keine temporäre Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot start the spreadsheet application %1. The workbook is kept as %2.</source>
        <translation>Das Tabellenkalkulationsprogramm %1 kann nicht gestartet werden. Die Arbeitsmappe bleibt als %2 erhalten.</translation>
    </message>
    <message>
        <source>The spreadsheet application %1 did not open the workbook (it ended with status %2). The workbook is kept as %3.</source>
        <translation>Das Tabellenkalkulationsprogramm %1 hat die Arbeitsmappe nicht geöffnet (es endete mit Status %2). Die Arbeitsmappe bleibt als %3 erhalten.</translation>
    </message>
    <message>
        <source>No spreadsheet application was found: LibreOffice (soffice or libreoffice) is not on the PATH, and the desktop names no default application for .xlsx files.</source>
        <translation>Es wurde kein Tabellenkalkulationsprogramm gefunden: LibreOffice (soffice oder libreoffice) ist nicht im PATH, und die Arbeitsumgebung nennt keine Standardanwendung für .xlsx-Dateien.</translation>
    </message>
    <message>
        <source>Cannot store the setting &quot;%1&quot; in %2</source>
        <translation>Die Einstellung „%1“ kann nicht in %2 gespeichert werden</translation>
    </message>
    <message>
        <source>: the disk is full</source>
        <translation>: der Datenträger ist voll</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Cannot create a workbook in %1: %2</source>
        <translation>In %1 kann keine Arbeitsmappe angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot add a sheet to the workbook: no temporary file can be made in %1</source>
        <translation>Der Arbeitsmappe kann kein Tabellenblatt hinzugefügt werden: in %1 lässt sich keine temporäre Datei anlegen</translation>
    </message>
    <message>
        <source>The workbook has been saved already</source>
        <translation>Die Arbeitsmappe wurde bereits gespeichert</translation>
    </message>
    <message>
        <source>Cannot add a date format to the workbook</source>
        <translation>Der Arbeitsmappe kann kein Datumsformat hinzugefügt werden</translation>
    </message>
    <message>
        <source>The cell at row %1, column %2 lies outside the sheet, which holds %3 rows and %4 columns</source>
        <translation>Die Zelle in Zeile %1, Spalte %2 liegt außerhalb des Tabellenblatts, das %3 Zeilen und %4 Spalten umfasst</translation>
    </message>
    <message>
        <source>The cell at row %1, column %2 cannot be set any more: the sheet is filled from the top down and row %3 has begun</source>
        <translation>Die Zelle in Zeile %1, Spalte %2 kann nicht mehr gesetzt werden: das Tabellenblatt wird von oben nach unten gefüllt, und Zeile %3 ist schon begonnen</translation>
    </message>
    <message>
        <source>The text for the cell at row %1, column %2 is longer than the %3 characters a cell holds</source>
        <translation>Der Text für die Zelle in Zeile %1, Spalte %2 ist länger als die %3 Zeichen, die eine Zelle fasst</translation>
    </message>
    <message>
        <source>Cannot set the cell at row %1, column %2: %3</source>
        <translation>Die Zelle in Zeile %1, Spalte %2 kann nicht gesetzt werden: %3</translation>
    </message>
    <message>
        <source>Cannot write the workbook %1: %2</source>
        <translation>Die Arbeitsmappe %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot order texts: %1</source>
        <translation>Texte können nicht sortiert werden: %1</translation>
    </message>
    <message>
        <source>Text too long for a list cell</source>
        <translation>Text zu lang für eine Listenzelle</translation>
    </message>
    <message>
        <source>Index out of bounds (%1 %2)</source>
        <translation>Index außerhalb des gültigen Bereichs (%1 %2)</translation>
    </message>
    <message>
        <source>Try &apos;quillfen-cli --help&apos; for more information.</source>
        <translation>Mit &apos;quillfen-cli --help&apos; erhalten Sie weitere Informationen.</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--dates takes modified, created and accessed, separated by commas, not &apos;%1&apos;</source>
        <translation>--dates nimmt modified, created und accessed, durch Kommas getrennt, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--columns takes path, size, modified, created, accessed and changed, separated by commas, not &apos;%1&apos;</source>
        <translation>--columns nimmt path, size, modified, created, accessed und changed, durch Kommas getrennt, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>give --columns or --dates, not both</source>
        <translation>--columns oder --dates angeben, nicht beides</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;: use tsv, csv, jsonl, text, clipboard or xlsx</source>
        <translation>unbekanntes Format &apos;%1&apos;: tsv, csv, jsonl, text, clipboard oder xlsx verwenden</translation>
    </message>
    <message>
        <source>unknown time style &apos;%1&apos;: use local, iso or utc</source>
        <translation>unbekannte Zeitdarstellung &apos;%1&apos;: local, iso oder utc verwenden</translation>
    </message>
    <message>
        <source>no PATH to report on, and no --files-from</source>
        <translation>kein PFAD zum Auswerten und kein --files-from</translation>
    </message>
    <message>
        <source>cannot tell the format from the name &apos;%1&apos;: give --format</source>
        <translation>das Format lässt sich am Namen &apos;%1&apos; nicht erkennen: --format angeben</translation>
    </message>
    <message>
        <source>the xlsx format needs an output file: -o FILE</source>
        <translation>das Format xlsx braucht eine Ausgabedatei: -o DATEI</translation>
    </message>
    <message>
        <source>--ns needs --time iso or --time utc</source>
        <translation>--ns braucht --time iso oder --time utc</translation>
    </message>
    <message>
        <source>--bom is for the csv format only</source>
        <translation>--bom gilt nur für das Format csv</translation>
    </message>
    <message>
        <source>a path read from &apos;%1&apos; holds a NUL byte: if its paths end in NUL bytes (find -print0), give -0</source>
        <translation>ein aus &apos;%1&apos; gelesener Pfad enthält ein NUL-Byte: enden die Pfade dort mit NUL-Bytes (find -print0), -0 angeben</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot read folder &apos;%1&apos;: %2</source>
        <translation>Ordner &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the name &apos;%1&apos; is not UTF-8: this format shows the bytes that are not as U+FFFD (csv, tsv and jsonl keep them)</source>
        <translation>der Name &apos;%1&apos; ist kein UTF-8: dieses Format zeigt die ungültigen Bytes als U+FFFD (csv, tsv und jsonl behalten sie)</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>in die Standardausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>only %1 rows fit into the sheet; %2 more are not in the workbook</source>
        <translation>nur %1 Zeilen passen in das Tabellenblatt; %2 weitere fehlen in der Arbeitsmappe</translation>
    </message>
    <message>
        <source>%1 folders, %2 files walked; %3 rows written, %4 rows/s</source>
        <translation>durchlaufen: %1 Ordner, %2 Dateien; geschrieben: %3 Zeilen, %4 Zeilen/s</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>Cannot read the snapshot %1: %2</source>
        <translation>Der Schnappschuss %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>this is neither a snapshot (JSON Lines) nor a csv listing with a &quot;Filename&quot; column</source>
        <translation>dies ist weder ein Schnappschuss (JSON Lines) noch eine csv-Liste mit einer Spalte „Filename“</translation>
    </message>
    <message>
        <source>this line is not a JSON object of a snapshot</source>
        <translation>diese Zeile ist kein JSON-Objekt eines Schnappschusses</translation>
    </message>
    <message>
        <source>the file ends in the middle of this line; it was cut short</source>
        <translation>die Datei endet mitten in dieser Zeile; sie wurde abgeschnitten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a column Quillfen writes</source>
        <translation>„%1“ ist keine Spalte, die Quillfen schreibt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is there twice</source>
        <translation>„%1“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>there is no &quot;path&quot;</source>
        <translation>es gibt kein „path“</translation>
    </message>
    <message>
        <source>its columns are not those of the first line</source>
        <translation>ihre Spalten sind nicht die der ersten Zeile</translation>
    </message>
    <message>
        <source>the path is not a text that a file name can hold</source>
        <translation>der Pfad ist kein Text, den ein Dateiname fassen kann</translation>
    </message>
    <message>
        <source>the path is longer than any file&apos;s</source>
        <translation>der Pfad ist länger als der Pfad jeder Datei sein kann</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size in bytes</source>
        <translation>„%1“ ist keine Größe in Bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an ISO 8601 date and time with its offset or Z (a listing to compare with is written with --time iso or --time utc)</source>
        <translation>„%1“ ist kein Datum mit Uhrzeit nach ISO 8601 mit Zeitzonenabstand oder Z (eine Liste zum Vergleichen wird mit --time iso oder --time utc geschrieben)</translation>
    </message>
    <message>
        <source>the number of fields is %1 where the header has %2</source>
        <translation>die Zeile hat %1 Felder, die Kopfzeile aber %2</translation>
    </message>
    <message>
        <source>a quoted field is not closed where the line ends</source>
        <translation>ein Feld in Anführungszeichen ist am Zeilenende nicht geschlossen</translation>
    </message>
    <message>
        <source>a field holds a quote but is not quoted</source>
        <translation>ein Feld enthält ein Anführungszeichen, steht aber nicht in Anführungszeichen</translation>
    </message>
    <message>
        <source>the snapshot has more rows than can be compared</source>
        <translation>der Schnappschuss hat mehr Zeilen, als sich vergleichen lassen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Old %1</source>
        <translation>%1 (alt)</translation>
    </message>
    <message>
        <source>New %1</source>
        <translation>%1 (neu)</translation>
    </message>
    <message>
        <source>The snapshot %1 has no &quot;%2&quot; column to compare</source>
        <translation>Der Schnappschuss %1 hat keine Spalte „%2“ zum Vergleichen</translation>
    </message>
    <message>
        <source>&amp;Filter Results</source>
        <translation>Ergebnisse &amp;filtern</translation>
    </message>
    <message>
        <source>Show only the results that match a path text or a date</source>
        <translation>Nur die Ergebnisse zeigen, die zu einem Pfadtext oder einem Datum passen</translation>
    </message>
    <message>
        <source>%1 files listed, %2 of %3 rows shown, %4 ticked</source>
        <translation>Dateien in der Liste: %1, angezeigt: %2 von %3 Zeilen, angehakt: %4</translation>
    </message>
    <message>
        <source>Filter by path: text, or * and ? wildcards</source>
        <translation>Nach Pfad filtern: Text oder Platzhalter * und ?</translation>
    </message>
    <message>
        <source>Shows the rows whose path contains this text, in any case. With * (any characters) and ? (one character) the pattern must match the whole file name, or the whole path when it holds a /.</source>
        <translation>Zeigt die Zeilen, deren Pfad diesen Text enthält, ohne Rücksicht auf Groß- und Kleinschreibung. Mit * (beliebige Zeichen) und ? (ein Zeichen) muss das Muster den ganzen Dateinamen treffen, oder den ganzen Pfad, wenn es ein / enthält.</translation>
    </message>
    <message>
        <source>Path filter</source>
        <translation>Pfadfilter</translation>
    </message>
    <message>
        <source>The date the condition looks at</source>
        <translation>Das Datum, das die Bedingung prüft</translation>
    </message>
    <message>
        <source>any date</source>
        <translation>beliebiges Datum</translation>
    </message>
    <message>
        <source>in the last</source>
        <translation>in den letzten</translation>
    </message>
    <message>
        <source>before</source>
        <translation>vor</translation>
    </message>
    <message>
        <source>after</source>
        <translation>nach</translation>
    </message>
    <message>
        <source>between</source>
        <translation>zwischen</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>A row without this date never passes a date condition</source>
        <translation>Eine Zeile ohne dieses Datum besteht nie eine Datumsbedingung</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tagen</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monaten</translation>
    </message>
    <message>
        <source>A date, or a date and time, as %1 or as %2; the arrow opens a calendar</source>
        <translation>Ein Datum oder ein Datum mit Uhrzeit, als %1 oder als %2; der Pfeil öffnet einen Kalender</translation>
    </message>
    <message>
        <source>Not a date. Type it as %1 or as %2.</source>
        <translation>Kein Datum. Bitte als %1 oder als %2 eingeben.</translation>
    </message>
    <message>
        <source>Pick a date</source>
        <translation>Datum auswählen</translation>
    </message>
    <message>
        <source>Close the filter and show every row (Esc)</source>
        <translation>Filter schließen und alle Zeilen zeigen (Esc)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Zeitleiste</translation>
    </message>
    <message>
        <source>Timeline of</source>
        <translation>Zeitleiste für</translation>
    </message>
    <message>
        <source>The date the timeline counts</source>
        <translation>Das Datum, das die Zeitleiste zählt</translation>
    </message>
    <message>
        <source>How many rows fall in each period. Click a bar, or drag over several, to show only their rows.</source>
        <translation>Wie viele Zeilen in jeden Zeitraum fallen. Einen Balken anklicken oder über mehrere ziehen, um nur ihre Zeilen zu zeigen.</translation>
    </message>
    <message>
        <source>%1 takes a date (2024-03-31), a date and time (2024-03-31T14:30, local unless it ends in Z or an offset such as +01:00) or a span back from now (90m, 36h, 7d, 2w, 6mo, 1y), not &apos;%2&apos;</source>
        <translation>%1 erwartet ein Datum (2024-03-31), ein Datum mit Uhrzeit (2024-03-31T14:30, Ortszeit, außer es endet auf Z oder einem Abstand wie +01:00) oder eine Spanne zurück ab jetzt (90m, 36h, 7d, 2w, 6mo, 1y), nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--name takes a pattern in UTF-8, not &apos;%1&apos;</source>
        <translation>--name erwartet ein Muster in UTF-8, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--all is for --compare only</source>
        <translation>--all gibt es nur mit --compare</translation>
    </message>
    <message>
        <source>Usage: quillfen-cli [OPTION]... PATH...
       quillfen-cli [OPTION]... --files-from FILE [PATH]...

Report the dates and sizes of files, one row per file: by default its path and its date
modified, created and accessed.

A PATH that is a folder is walked with all its sub-folders, breadth first, as the window&apos;s
&quot;Add All File(s) In Folder&quot; walks it: names beginning with &quot;~&quot; and hidden plain files are left
out, folders whose names hold control characters are not entered, and links to folders are
followed, each real folder once. Names that are not UTF-8 are listed too. Any other PATH is
listed as given. PATHs are taken in order, then those read from --files-from.

Input:
  --ext EXT           in folders, only files whose names end in &quot;.EXT&quot; (default *, every
                      file); &quot;*.txt&quot; and &quot;.txt&quot; mean txt, several extensions separated by
                      &quot;;&quot;, &quot;,&quot; or blanks are each kept, * and ? are wildcards, and letters
                      match in any case
  --files-from FILE   read further PATHs from FILE, one per line; &quot;-&quot; is standard input
  -0, --null          the PATHs read from --files-from end in NUL bytes, not line ends
                      (find -print0); without it, a NUL byte there is a usage error

Filters (a file is listed when it passes every one given):
  --modified-after WHEN, --modified-before WHEN
                      only files modified after, or before, WHEN (strictly, as find
                      -newermt); the same for --created-after, --created-before,
                      --accessed-after, --accessed-before, --changed-after and
                      --changed-before. A file without that date (created, where the file
                      system keeps no birth time; an entry that cannot be read) fails it.
                      WHEN is a date, 2024-03-31 (local midnight at its start), a date and
                      time, 2024-03-31T14:30 or &quot;2024-03-31 14:30:15.5&quot; (local time unless
                      it ends in Z or an offset such as +01:00 or +0100), or a span back from
                      now: 90m, 36h, 7d, 2w (exact, a day is 24 hours), 6mo, 1y (on the
                      calendar: the same time of day, the day cut to the month&apos;s end). A
                      local time a clock change skips is taken as that long after the change,
                      one it repeats as the first of the two
  --name PATTERN      only files whose path holds PATTERN, letters in any case; a PATTERN
                      with * or ? must match the whole file name instead, or with a &quot;/&quot; in
                      it the whole path (&quot;*.txt&quot;, &quot;*/2024/*&quot;)

Comparing:
  --compare OLD       compare the files now with OLD, a snapshot (what --format jsonl --ns
                      --columns path,size,modified,created,accessed,changed writes) or a csv
                      listing of quillfen-cli in --time iso or utc: one row per path added,
                      removed, or changed in a column both have (or in the --columns or
                      --dates named). Each row has a Change column first (added, removed, or
                      changed: and the changed columns, as changed:size,modified), the path,
                      then the old and the new value of each compared column (Old Size, New
                      Size...; old_size, new_size in jsonl). Rows follow the walk, the removed
                      paths come after them in OLD&apos;s order; renames show as removed and added.
                      Times are compared as instants, whatever zone OLD was written in, at the
                      precision both have. Paths are compared as given: list the folder the
                      way OLD listed it. The filters choose among the rows, by the new values
                      or, for a removed path, OLD&apos;s
  --all               with --compare, also write the paths that are the same (&quot;unchanged&quot;)

Output:
  --columns LIST      the columns, in the order given, separated by commas, from: path,
                      size (in bytes), modified, created (the birth time, where the file
                      system keeps one), accessed and changed (the last change to the
                      entry&apos;s contents or status: owner, permissions, links; its ctime);
                      default path,modified,created,accessed. Their headers: Filename,
                      Size, Date Modified, Date Created, Date Accessed, Date Changed
  --dates LIST        any of modified,created,accessed: the path and those dates, always in
                      that order whatever the order given; not with --columns
  --format FORMAT     tsv        a header row, then one line per file ending in LF, fields
                                 separated by one TAB; a TAB, LF, CR or backslash in a field
                                 is written \t, \n, \r, \\ and a byte that is not UTF-8 \xHH
                                 (as PostgreSQL&apos;s text format)
                      csv        RFC 4180 with a header row; names as their bytes
                      jsonl      one JSON object per file, a member per column named by its
                                 word; the size is a number, a missing value null
                      text       the window&apos;s text report: cells padded to their column
                      clipboard  the window&apos;s clipboard text: TAB-separated, padded, no
                                 header, CR LF
                      xlsx       the window&apos;s workbook, the size as a number; needs -o
                      By default the -o file&apos;s extension decides (.tsv .csv .jsonl .txt
                      .xlsx); on standard output, tsv.
  --time STYLE        local  the locale&apos;s short date and long time (default for text,
                             clipboard and xlsx)
                      iso    ISO 8601 local time with its UTC offset (default for tsv, csv
                             and jsonl): 2021-07-15T14:34:56+02:00
                      utc    ISO 8601 in UTC: 2021-07-15T12:34:56Z
  --ns                add the nanoseconds the file system keeps (iso and utc only)
  --bom               begin csv with the byte order mark spreadsheets use to recognise UTF-8
  -o, --output FILE   write to FILE, which replaces an earlier file only once complete;
                      default standard output

  -h, --help          show this help and exit
  --version           show the version and exit

Every stamp is converted with the time-zone rules of its own date. A value the file system
does not keep (created, on some) is an empty cell, null in jsonl. An entry that is missing or
cannot be read gets empty cells and one line on standard error. Every value of a row comes
from one look-up of the entry itself: a link is not followed, and its size is that of the
name it points to.

tsv, csv and jsonl write each row as soon as it is read and keep nothing per file, and xlsx
keeps its rows in a temporary file. text and clipboard need every column&apos;s width first, so
they keep every row in memory (its path and values, compactly: about 130 bytes a file) until
the end.

A name that is not UTF-8 keeps its bytes: as they are in csv; as \xHH in tsv; in jsonl, each
byte that is not part of valid UTF-8 as the escape \udc80 to \udcff (Python&apos;s
surrogateescape), so os.fsencode() of the decoded path gives the name&apos;s bytes back. text,
clipboard and xlsx show such a byte as U+FFFD, as the window would, and name the file on
standard error.

While it runs, a line on standard error shows the progress when that is a terminal.

The filters apply to the values read for the row, so a folder walk reads each file once;
text and clipboard fit their columns to the rows that pass.

Exit status: 0 when every entry was read and written, 1 when some could not be read (or did
not fit into the xlsx sheet, or had a name the format shows as U+FFFD), 2 for a usage error
or an output that cannot be written. With --compare, as diff: 0 when no row written differs,
1 when one does (or an entry cannot be read now), 2 for trouble, a snapshot that cannot be
read among it (then nothing is written).
</source>
        <translation>Aufruf: quillfen-cli [OPTION]... PFAD...
        quillfen-cli [OPTION]... --files-from DATEI [PFAD]...

Gibt Datumsangaben und Größen von Dateien aus, eine Zeile je Datei: standardmäßig ihren Pfad
und ihr Änderungs-, Erstellungs- und Zugriffsdatum.

Ein PFAD, der ein Ordner ist, wird mit allen Unterordnern durchlaufen, in die Breite zuerst,
so wie „Alle Dateien im Ordner hinzufügen“ im Fenster ihn durchläuft: Namen, die mit „~“
beginnen, und versteckte einfache Dateien bleiben außen vor, Ordner mit Steuerzeichen im
Namen werden nicht betreten, und Verknüpfungen zu Ordnern wird gefolgt, jedem echten Ordner
einmal. Namen, die kein UTF-8 sind, werden ebenfalls aufgeführt. Jeder andere PFAD wird so
aufgeführt, wie er angegeben ist. Die PFADE werden der Reihe nach genommen, danach die aus
--files-from gelesenen.

Eingabe:
  --ext ERW           in Ordnern nur Dateien, deren Namen auf „.ERW“ enden (Standard *, jede
                      Datei); „*.txt“ und „.txt“ bedeuten txt, mehrere Erweiterungen,
                      getrennt durch „;“, „,“ oder Leerzeichen, gelten jede für sich, * und ?
                      sind Platzhalter, und Groß- und Kleinschreibung ist gleich
  --files-from DATEI  weitere PFADE aus DATEI lesen, einen je Zeile; „-“ ist die
                      Standardeingabe
  -0, --null          die aus --files-from gelesenen PFADE enden mit NUL-Bytes, nicht mit
                      Zeilenenden (find -print0); ohne diese Option ist ein NUL-Byte dort
                      ein Aufruffehler

Filter (eine Datei wird aufgeführt, wenn sie jeden angegebenen besteht):
  --modified-after WANN, --modified-before WANN
                      nur Dateien, die nach bzw. vor WANN geändert wurden (streng, wie find
                      -newermt); ebenso --created-after, --created-before,
                      --accessed-after, --accessed-before, --changed-after und
                      --changed-before. Eine Datei ohne dieses Datum (Erstellung, wo das
                      Dateisystem keine speichert; ein Eintrag, der nicht gelesen werden
                      kann) besteht ihn nicht. WANN ist ein Datum, 2024-03-31 (Mitternacht
                      Ortszeit zu seinem Beginn), ein Datum mit Uhrzeit, 2024-03-31T14:30
                      oder „2024-03-31 14:30:15.5“ (Ortszeit, außer es endet auf Z oder
                      einem Abstand wie +01:00 oder +0100), oder eine Spanne zurück ab
                      jetzt: 90m, 36h, 7d, 2w (genau, ein Tag hat 24 Stunden), 6mo, 1y (im
                      Kalender: dieselbe Uhrzeit, der Tag gekürzt auf das Monatsende). Eine
                      Ortszeit, die eine Zeitumstellung überspringt, gilt als so lange nach
                      der Umstellung, eine doppelte als die erste der beiden
  --name MUSTER       nur Dateien, deren Pfad MUSTER enthält, Groß- und Kleinschreibung
                      gleich; ein MUSTER mit * oder ? muss stattdessen den ganzen Dateinamen
                      treffen, mit einem „/“ darin den ganzen Pfad („*.txt“, „*/2024/*“)

Vergleichen:
  --compare ALT       vergleicht die Dateien jetzt mit ALT, einem Schnappschuss (was
                      --format jsonl --ns --columns path,size,modified,created,accessed,changed
                      schreibt) oder einer csv-Liste von quillfen-cli mit --time iso oder utc:
                      eine Zeile je Pfad, der hinzugekommen, entfernt oder in einer Spalte
                      geändert ist, die beide haben (oder in den mit --columns oder --dates
                      genannten). Jede Zeile hat zuerst eine Spalte Change (added, removed
                      oder changed: und die geänderten Spalten, etwa changed:size,modified),
                      dann den Pfad, dann den alten und den neuen Wert jeder verglichenen
                      Spalte (Old Size, New Size …; old_size, new_size in jsonl). Die Zeilen
                      folgen dem Durchlauf, die entfernten Pfade kommen danach in der
                      Reihenfolge von ALT; Umbenennungen erscheinen als entfernt und
                      hinzugekommen. Zeiten werden als Zeitpunkte verglichen, in welcher Zone
                      ALT auch geschrieben wurde, in der Genauigkeit, die beide haben. Pfade
                      werden verglichen, wie sie angegeben sind: den Ordner so angeben, wie
                      ALT ihn aufgeführt hat. Die Filter wählen unter den Zeilen aus, nach
                      den neuen Werten oder, bei einem entfernten Pfad, nach denen von ALT
  --all               mit --compare auch die Pfade schreiben, die gleich sind („unchanged“)

Ausgabe:
  --columns LISTE     die Spalten in der angegebenen Reihenfolge, durch Kommas getrennt,
                      aus: path (Pfad), size (Größe in Bytes), modified (Änderung),
                      created (Erstellung, sofern das Dateisystem sie speichert), accessed
                      (Zugriff) und changed (letzte Änderung an Inhalt oder Status des
                      Eintrags: Besitzer, Rechte, Verknüpfungen; seine ctime); Standard
                      path,modified,created,accessed. Ihre Spaltenköpfe in tsv und csv
                      bleiben englisch: Filename, Size, Date Modified, Date Created, Date
                      Accessed, Date Changed; text und xlsx schreiben sie in der Sprache
                      des Benutzers, wie das Fenster
  --dates LISTE       beliebige aus modified,created,accessed: der Pfad und diese Daten,
                      immer in dieser Reihenfolge, gleich in welcher angegeben; nicht
                      zusammen mit --columns
  --format FORMAT     tsv        eine Kopfzeile, dann eine Zeile je Datei, mit LF beendet,
                                 Felder durch einen TAB getrennt; TAB, LF, CR oder
                                 Backslash in einem Feld werden als \t, \n, \r, \\
                                 geschrieben und ein Byte, das kein UTF-8 ist, als \xHH
                                 (wie im Textformat von PostgreSQL)
                      csv        RFC 4180 mit Kopfzeile; Namen als ihre Bytes
                      jsonl      ein JSON-Objekt je Datei, ein Element je Spalte, benannt
                                 nach ihrem Wort; die Größe als Zahl, ein fehlender Wert
                                 als null
                      text       der Textbericht des Fensters: Zellen auf die Breite ihrer
                                 Spalte aufgefüllt
                      clipboard  der Text der Zwischenablage des Fensters: durch TAB
                                 getrennt, aufgefüllt, ohne Kopfzeile, CR LF
                      xlsx       die Arbeitsmappe des Fensters, die Größe als Zahl;
                                 braucht -o
                      Standardmäßig entscheidet die Erweiterung der -o-Datei (.tsv .csv
                      .jsonl .txt .xlsx); auf der Standardausgabe tsv.
  --time STIL         local  kurzes Datum und lange Uhrzeit des Gebietsschemas
                             (Standard für text, clipboard und xlsx)
                      iso    ISO 8601 in Ortszeit mit ihrem Abstand zu UTC (Standard für
                             tsv, csv und jsonl): 2021-07-15T14:34:56+02:00
                      utc    ISO 8601 in UTC: 2021-07-15T12:34:56Z
  --ns                die Nanosekunden hinzufügen, die das Dateisystem speichert (nur iso
                      und utc)
  --bom               csv mit der Bytereihenfolge-Markierung beginnen, an der
                      Tabellenkalkulationen UTF-8 erkennen
  -o, --output DATEI  in DATEI schreiben, die eine frühere Datei erst ersetzt, wenn sie
                      vollständig ist; Standard ist die Standardausgabe

  -h, --help          diese Hilfe anzeigen und beenden
  --version           die Version anzeigen und beenden

Jeder Zeitstempel wird mit den Zeitzonenregeln seines eigenen Datums umgerechnet. Ein Wert,
den das Dateisystem nicht speichert (created, auf manchen), ist eine leere Zelle, in jsonl
null. Ein Eintrag, der fehlt oder nicht gelesen werden kann, erhält leere Zellen und eine
Zeile auf der Standardfehlerausgabe. Alle Werte einer Zeile stammen aus einer einzigen
Abfrage des Eintrags selbst: einer Verknüpfung wird nicht gefolgt, und ihre Größe ist die
des Namens, auf den sie zeigt.

tsv, csv und jsonl schreiben jede Zeile, sobald sie gelesen ist, und behalten nichts je
Datei, xlsx behält seine Zeilen in einer temporären Datei. text und clipboard brauchen
zuerst die Breite jeder Spalte und behalten daher jede Zeile bis zum Ende im Speicher (ihren
Pfad und ihre Werte, kompakt: etwa 130 Bytes je Datei).

Ein Name, der kein UTF-8 ist, behält seine Bytes: unverändert in csv; als \xHH in tsv; in
jsonl jedes Byte, das nicht zu gültigem UTF-8 gehört, als Escape \udc80 bis \udcff (Pythons
surrogateescape), sodass os.fsencode() des gelesenen Pfades die Bytes des Namens
zurückgibt. text, clipboard und xlsx zeigen ein solches Byte als U+FFFD, wie das Fenster,
und nennen die Datei auf der Standardfehlerausgabe.

Während des Laufs zeigt eine Zeile auf der Standardfehlerausgabe den Fortschritt, wenn diese
ein Terminal ist.

Die Filter gelten für die für die Zeile gelesenen Werte, sodass ein Ordnerdurchlauf jede
Datei nur einmal liest; text und clipboard passen ihre Spalten an die Zeilen an, die sie
bestehen.

Rückgabewert: 0, wenn jeder Eintrag gelesen und geschrieben wurde, 1, wenn manche nicht
gelesen werden konnten (oder nicht in das xlsx-Tabellenblatt passten oder einen Namen
hatten, den das Format als U+FFFD zeigt), 2 bei einem Aufruffehler oder einer Ausgabe, die
nicht geschrieben werden kann. Mit --compare wie diff: 0, wenn keine geschriebene Zeile
abweicht, 1, wenn eine abweicht (oder ein Eintrag jetzt nicht gelesen werden kann), 2 bei
Problemen, darunter ein Schnappschuss, der nicht gelesen werden kann (dann wird nichts
geschrieben).
</translation>
    </message>
    <message>
        <source>Save S&amp;napshot…</source>
        <translation>&amp;Schnappschuss speichern…</translation>
    </message>
    <message>
        <source>Save every result row with its dates, to compare the files with later</source>
        <translation>Alle Ergebniszeilen mit ihren Datumsangaben speichern, um die Dateien später damit zu vergleichen</translation>
    </message>
    <message>
        <source>Co&amp;mpare With Snapshot…</source>
        <translation>Mit Schnappschuss &amp;vergleichen…</translation>
    </message>
    <message>
        <source>Show which results were added, removed or changed since a snapshot</source>
        <translation>Zeigen, welche Ergebnisse seit einem Schnappschuss hinzugekommen, entfernt oder geändert sind</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Schnappschuss speichern</translation>
    </message>
    <message>
        <source>Snapshots (*.jsonl)|*.jsonl|All Files (*.*)|*.*|</source>
        <translation>Schnappschüsse (*.jsonl)|*.jsonl|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Compare With Snapshot</source>
        <translation>Mit Schnappschuss vergleichen</translation>
    </message>
    <message>
        <source>Snapshots and listings (*.jsonl *.csv)|*.jsonl;*.csv|All Files (*.*)|*.*|</source>
        <translation>Schnappschüsse und Auflistungen (*.jsonl *.csv)|*.jsonl;*.csv|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>There are no results yet. Extract the dates first, then save a snapshot.</source>
        <translation>Es gibt noch keine Ergebnisse. Lesen Sie zuerst die Datumsangaben aus und speichern Sie dann einen Schnappschuss.</translation>
    </message>
    <message>
        <source>There are no results yet. Extract the dates first, then compare them with a snapshot.</source>
        <translation>Es gibt noch keine Ergebnisse. Lesen Sie zuerst die Datumsangaben aus und vergleichen Sie sie dann mit einem Schnappschuss.</translation>
    </message>
    <message>
        <source>Saved a snapshot of %1 to %2</source>
        <translation>Schnappschuss von %1 in %2 gespeichert</translation>
    </message>
    <message>
        <source>Reading snapshot: </source>
        <translation>Schnappschuss wird gelesen: </translation>
    </message>
    <message>
        <source>Compared with %1: %2 added, %3 removed, %4 changed, %5 unchanged</source>
        <translation>Mit %1 verglichen: %2 hinzugekommen, %3 entfernt, %4 geändert, %5 unverändert</translation>
    </message>
    <message>
        <source>Stopped; the results were not compared</source>
        <translation>Angehalten; die Ergebnisse wurden nicht verglichen</translation>
    </message>
    <message>
        <source>The results changed while they were being compared; compare them again.</source>
        <translation>Die Ergebnisse haben sich während des Vergleichs geändert; vergleichen Sie sie bitte erneut.</translation>
    </message>
    <message>
        <source>In the snapshot: %1</source>
        <translation>Im Schnappschuss: %1</translation>
    </message>
    <message>
        <source>In the snapshot: no date</source>
        <translation>Im Schnappschuss: kein Datum</translation>
    </message>
    <message>
        <source>all rows</source>
        <translation>alle Zeilen</translation>
    </message>
    <message>
        <source>added, removed or changed</source>
        <translation>hinzugekommen, entfernt oder geändert</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugekommen</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>Show only the rows with this change since the snapshot</source>
        <translation>Nur die Zeilen mit dieser Änderung seit dem Schnappschuss zeigen</translation>
    </message>
    <message>
        <source>Stopped; the rows keep their order</source>
        <translation>Angehalten; die Zeilen behalten ihre Reihenfolge</translation>
    </message>
</context>
</TS>
