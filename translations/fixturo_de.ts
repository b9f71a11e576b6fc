<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation>16 Teams, 31 Spiele, 7. bis 29. Juni 2008</translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1. RUNDE - SPIELPLAN NACH TAGEN</translation>
    </message>
    <message>
        <source>2nd ROUND</source>
        <translation>2. RUNDE</translation>
    </message>
    <message>
        <source>FINAL, </source>
        <translation>FINALE, </translation>
    </message>
    <message>
        <source>CHAMPION</source>
        <translation>SIEGER</translation>
    </message>
</context>
<context>
    <name>City</name>
    <message>
        <source>Basel</source>
        <translation>Basel</translation>
    </message>
    <message>
        <source>Berne</source>
        <translation>Bern</translation>
    </message>
    <message>
        <source>Geneva</source>
        <translation>Genf</translation>
    </message>
    <message>
        <source>Innsbruck</source>
        <translation>Innsbruck</translation>
    </message>
    <message>
        <source>Klagenfurt</source>
        <translation>Klagenfurt</translation>
    </message>
    <message>
        <source>Salzburg</source>
        <translation>Salzburg</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Wien</translation>
    </message>
    <message>
        <source>Zurich</source>
        <translation>Zürich</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>Downloading the results…</source>
        <translation>Die Ergebnisse werden heruntergeladen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation> Online aktualisieren</translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation>%1: %2, %3 gewonnen, %4 unentschieden, %5 verloren, %6 erzielt, %7 kassiert</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation>
            <numerusform>%n Tor</numerusform>
            <numerusform>%n Tore</numerusform>
        </translation>
    </message>
    <message>
        <source>GROUP %1</source>
        <extracomment>The caption of a group&apos;s table, in capitals.</extracomment>
        <translation>GRUPPE %1</translation>
    </message>
    <message>
        <source>Pts W D L GF GA</source>
        <extracomment>The titles over a group table&apos;s numbers: points, won, drawn, lost, goals for, goals against. Keep the shape: a title of three letters, three of one letter and two of two letters, one space apart, so that each title stands over its column.</extracomment>
        <translation>Pkt S U N T+ T-</translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation> (%1 im Elfmeterschießen)</translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation>Spiel %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>OutlookLines</name>
    <message>
        <source>1st</source>
        <extracomment>A place in a group table.</extracomment>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>no match left</source>
        <translation>kein Spiel mehr</translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation>in jedem Fall weiter</translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation>ein Unentschieden reicht</translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation>braucht einen Sieg</translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation>ein Sieg reicht; sonst hängt es von anderen Ergebnissen ab</translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation>braucht einen Sieg und Schützenhilfe</translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation>braucht Schützenhilfe</translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation>in jedem Fall ausgeschieden</translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation>als Gruppensieger weiter</translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation>im Viertelfinale</translation>
    </message>
    <message>
        <source>out</source>
        <translation>ausgeschieden</translation>
    </message>
    <message>
        <source>still open</source>
        <translation>noch offen</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The places a team can still finish in: &quot;1st, 2nd or 3rd&quot;.</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 by the manual order.</source>
        <translation>%1: %2 nach der manuellen Reihenfolge.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation>%1: %2; kann %3 werden.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation>%1: %2; kann %3 werden; nächstes Spiel: %4.</translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation>Die manuelle Reihenfolge ist eingeschaltet: Die festgelegte Reihenfolge entscheidet diese Gruppe.</translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation>Die Regeln können %1 und %2 womöglich nicht trennen: Datei &gt; Manuelle Reihenfolge entscheidet einen solchen Gleichstand.</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation>Das Turnier vom Juni 2008</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Die Seite konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>Der Drucker hat die Seite nicht angenommen.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation>Der Dateiname muss auf .pdf, .png oder .svg enden.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Details einblenden...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Details ausblenden...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation>Das Turnier konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation>Das Turnier konnte nicht nach %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation>Das Turnier konnte nicht nach %1 exportiert werden.</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Ergebnisse als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Die Ergebnisse konnten nicht nach %1 exportiert werden.</translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation>Spiel %1  %2</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation>Keine Ergebnisdatei: Ihre erste Zeile enthält %1 der %2 Spieleinträge.</translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation>Keine Ergebnisdatei: Das Ergebnis von Spiel %1 ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation>Ergebnisse speichern unter</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>Die Ergebnisse konnten nicht in %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation>Die Ergebnisse konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation>Die Ergebnisdatei %1 konnte nicht vollständig gelesen werden. Eine unveränderte Kopie davon liegt in %2.</translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation>%1 konnte nicht vollständig gelesen werden, und es konnte keine Kopie davon angelegt werden: %2</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation>Die Ergebnisdatei %1 konnte nicht vollständig gelesen werden, und es konnte keine Kopie davon angelegt werden. Sie wird daher nicht überschrieben.</translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation>Die neuesten Ergebnisse sind nicht gespeichert: Sie konnten nicht in %1 geschrieben werden.
%2

Erneut versuchen, in einer anderen Datei speichern oder ohne Speichern beenden?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Ohne Speichern beenden</translation>
    </message>
</context>
<context>
    <name>Stage</name>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>QF</source>
        <extracomment>Short for quarter-final.</extracomment>
        <translation>VF</translation>
    </message>
    <message>
        <source>SF</source>
        <extracomment>Short for semi-final.</extracomment>
        <translation>HF</translation>
    </message>
    <message>
        <source>F</source>
        <extracomment>Short for final.</extracomment>
        <translation>F</translation>
    </message>
</context>
<context>
    <name>Team</name>
    <message>
        <source>Austria</source>
        <translation>Österreich</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Kroatien</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Tschechien</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Griechenland</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Niederlande</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polen</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumänien</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Russland</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Schweden</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Türkei</translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation>Sieger Gr. %1</translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation>Zweiter Gr. %1</translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation>Sieger #%1</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation>Sieger</translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation>Fixturo ist Freeware, geschrieben und kostenlos weitergegeben vom Fixturo-Team.
Vielen Dank an Elena Ruiz, die jedes Ergebnis des Turniers überprüft hat.</translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation>7.–29. Juni 2008 · 16 Teams · 31 Spiele</translation>
    </message>
</context>
<context>
    <name>fixturo::BracketDialog</name>
    <message>
        <source>2nd ROUND</source>
        <translation>2. RUNDE</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>FINALE</translation>
    </message>
</context>
<context>
    <name>fixturo::MainWindow</name>
    <message>
        <source>Second Round</source>
        <translation>Zweite Runde</translation>
    </message>
    <message>
        <source>The results file %1 cannot be written, so Fixturo keeps the results in %2 from now on, starting from a copy of it.</source>
        <translation>In die Ergebnisdatei %1 kann nicht geschrieben werden. Fixturo speichert die Ergebnisse deshalb ab jetzt in %2 und beginnt dort mit einer Kopie davon.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation>Manuelle Reihenfolge</translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation>Gruppenausblick</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Online aktualisieren</translation>
    </message>
    <message>
        <source>Open Results…</source>
        <translation>Ergebnisse öffnen…</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Ergebnisse speichern unter…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Export Results as CSV…</source>
        <translation>Ergebnisse als CSV exportieren…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation>Neues Turnier…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Fixturo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation>Ergebnis von Spiel %1</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>Online-Aktualisierung</translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation> Download erfolgreich</translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation>Die Aktualisierung war erfolgreich.</translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation>Die Ergebnisse wurden heruntergeladen, konnten aber nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Fehler</translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation>Bei der Aktualisierung ist ein Fehler aufgetreten. Prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Ergebnisse öffnen</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation>Sie enthält Daten, die Fixturo nicht unverändert zurückschreiben würde.</translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation>%1 ist keine Ergebnisdatei, die Fixturo vollständig lesen kann.</translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation>Geben Sie die Ergebnisse ein oder aktualisieren Sie sie online. Lassen sich Mannschaften nach den Regeln nicht trennen, können Sie im Menü „Datei“ die „Manuelle Reihenfolge“ wählen.</translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation>Ein neues Turnier beginnen? Alle Ergebnisse werden gelöscht und die manuelle Reihenfolge wird ausgeschaltet. „Rückgängig“ holt alles zurück.</translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation>Neues Turnier</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederherstellen: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation>Angekreuzt ersetzen diese Reihenfolgen in allen Gruppen die Regeln bei Gleichstand; Listen zeigen die aktuelle Reihenfolge.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation>Manuelle Reihenfolge nutzen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation>Bitte alle Plätze besetzen.</translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation>Gruppenausblick</translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation>Ausblick für %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation>Mögliche Plätze</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Nächstes Spiel</translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation>nach manueller Reihenfolge</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation>Bitte das Ergebnis eingeben</translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation>Bitte das Ergebnis des Elfmeterschießens eingeben</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>ELFMETER</translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation>Bei Elfmeterschießen zuerst das Remis eintragen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation>Spiel %1</translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation>Tore von %1</translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation>Elfmeter von %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation>Keine HTTP-Adresse: %1</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>Die Datei ist größer als %1 Byte</translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation>Seit %1 ms keine Daten</translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation>Keine HTTP-Antwort</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Nur %1 von %2 Byte empfangen</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP-Status %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ScheduleView</name>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1. RUNDE - SPIELPLAN NACH TAGEN</translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation>Fixturo-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation>Im Benutzerhandbuch suchen</translation>
    </message>
    <message>
        <source>Not found </source>
        <translation>Nicht gefunden </translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation>Return im Suchfeld bewirkt dasselbe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Suchleiste schließen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
</TS>
