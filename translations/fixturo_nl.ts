<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation>16 teams, 31 wedstrijden, 7 tot en met 29 juni 2008</translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1e RONDE - SPEELSCHEMA PER DAG</translation>
    </message>
    <message>
        <source>2nd ROUND</source>
        <translation>2e RONDE</translation>
    </message>
    <message>
        <source>FINAL, </source>
        <translation>FINALE, </translation>
    </message>
    <message>
        <source>CHAMPION</source>
        <translation>KAMPIOEN</translation>
    </message>
</context>
<context>
    <name>City</name>
    <message>
        <source>Basel</source>
        <translation>Bazel</translation>
    </message>
    <message>
        <source>Berne</source>
        <translation>Bern</translation>
    </message>
    <message>
        <source>Geneva</source>
        <translation>Genève</translation>
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
        <translation>Wenen</translation>
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
        <translation>De uitslagen worden gedownload…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation> Online bijwerken</translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation>%1: %2, %3 gewonnen, %4 gelijk, %5 verloren, %6 voor, %7 tegen</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation>
            <numerusform>%n doelpunt</numerusform>
            <numerusform>%n doelpunten</numerusform>
        </translation>
    </message>
    <message>
        <source>GROUP %1</source>
        <extracomment>The caption of a group&apos;s table, in capitals.</extracomment>
        <translation>GROEP %1</translation>
    </message>
    <message>
        <source>Pts W D L GF GA</source>
        <extracomment>The titles over a group table&apos;s numbers: points, won, drawn, lost, goals for, goals against. Keep the shape: a title of three letters, three of one letter and two of two letters, one space apart, so that each title stands over its column.</extracomment>
        <translation>Ptn W G V DV DT</translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation> (%1 in de strafschoppenserie)</translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation>Wedstrijd %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>OutlookLines</name>
    <message>
        <source>1st</source>
        <extracomment>A place in a group table.</extracomment>
        <translation>1e</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>no match left</source>
        <translation>geen wedstrijd meer</translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation>hoe dan ook door</translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation>een gelijkspel is genoeg</translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation>moet winnen</translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation>winst is genoeg; anders afhankelijk van andere uitslagen</translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation>moet winnen en is afhankelijk van een andere uitslag</translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation>is afhankelijk van een andere uitslag</translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation>hoe dan ook uitgeschakeld</translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation>door als groepswinnaar</translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation>door naar de kwartfinale</translation>
    </message>
    <message>
        <source>out</source>
        <translation>uitgeschakeld</translation>
    </message>
    <message>
        <source>still open</source>
        <translation>nog open</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The places a team can still finish in: &quot;1st, 2nd or 3rd&quot;.</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 by the manual order.</source>
        <translation>%1: %2 volgens de handmatige volgorde.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation>%1: %2; kan als %3 eindigen.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation>%1: %2; kan als %3 eindigen; volgende wedstrijd: %4.</translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation>De handmatige volgorde staat aan: de vastgelegde volgorde bepaalt de stand in deze groep.</translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation>De regels kunnen %1 en %2 mogelijk niet scheiden: met Bestand &gt; Handmatige volgorde beslist u zo’n gelijke stand.</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation>Het toernooi van juni 2008</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>De pagina kon niet worden opgebouwd.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>De printer kon niet worden gestart.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>De printer heeft de pagina niet aangenomen.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation>De bestandsnaam moet eindigen op .pdf, .png of .svg.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Details tonen...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Details verbergen...</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation>Het toernooi kon niet worden afgedrukt.</translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation>Het toernooi kon niet naar %1 worden afgedrukt.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-document (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-afbeelding (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-tekening (*.svg)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation>Het toernooi kon niet naar %1 worden geëxporteerd.</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Uitslagen exporteren als CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-bestand (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>De uitslagen konden niet naar %1 worden geëxporteerd.</translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation>Wedstrijd %1  %2</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation>Geen uitslagenbestand: de eerste regel bevat %1 van de %2 wedstrijdvermeldingen.</translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation>Geen uitslagenbestand: de score van wedstrijd %1 is geen getal.</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation>Uitslagen opslaan als</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Tekstbestanden (*.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>De uitslagen konden niet worden opgeslagen in %1.
%2</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation>De uitslagen konden niet worden opgeslagen in %1.</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation>Het uitslagenbestand %1 kon niet volledig worden gelezen. Een ongewijzigde kopie ervan is bewaard in %2.</translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation>%1 kon niet volledig worden gelezen en er kon geen kopie van worden bewaard: %2</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation>Het uitslagenbestand %1 kon niet volledig worden gelezen en er kon geen kopie van worden bewaard. Het wordt daarom niet overschreven.</translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation>De laatste uitslagen zijn niet opgeslagen: ze konden niet naar %1 worden geschreven.
%2

Opnieuw proberen, in een ander bestand opslaan of afsluiten zonder op te slaan?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Opslaan als…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Afsluiten zonder opslaan</translation>
    </message>
</context>
<context>
    <name>Stage</name>
    <message>
        <source>Group %1</source>
        <translation>Groep %1</translation>
    </message>
    <message>
        <source>QF</source>
        <extracomment>Short for quarter-final.</extracomment>
        <translation>KF</translation>
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
        <translation>Oostenrijk</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Kroatië</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Tsjechië</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankrijk</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Duitsland</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Griekenland</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italië</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nederland</translation>
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
        <translation>Roemenië</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rusland</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanje</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Zweden</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Zwitserland</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turkije</translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation>Winnaar gr. %1</translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation>Tweede gr. %1</translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation>Winnaar #%1</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation>Winnaar</translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation>Fixturo is freeware, geschreven en gratis verspreid door het Fixturo-team.
Hartelijk dank aan Elena Ruiz voor het controleren van alle uitslagen van het toernooi.</translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation>7–29 juni 2008 · 16 teams · 31 wedstrijden</translation>
    </message>
</context>
<context>
    <name>fixturo::BracketDialog</name>
    <message>
        <source>2nd ROUND</source>
        <translation>2e RONDE</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluiten</translation>
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
        <translation>Tweede ronde</translation>
    </message>
    <message>
        <source>The results file %1 cannot be written, so Fixturo keeps the results in %2 from now on, starting from a copy of it.</source>
        <translation>Het uitslagenbestand %1 kan niet worden beschreven. Fixturo bewaart de uitslagen daarom voortaan in %2, te beginnen met een kopie ervan.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation>Handmatige volgorde</translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation>Groepsvooruitzichten</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Online bijwerken</translation>
    </message>
    <message>
        <source>Open Results…</source>
        <translation>Uitslagen openen…</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Uitslagen opslaan als…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Afdrukken…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporteren…</translation>
    </message>
    <message>
        <source>Export Results as CSV…</source>
        <translation>Uitslagen exporteren als CSV…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation>Nieuw toernooi…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over Fixturo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Gebruikershandleiding</translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation>Uitslag van wedstrijd %1</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>Online-update</translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation> Download geslaagd</translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation>Het bijwerken is gelukt.</translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation>De uitslagen zijn gedownload, maar konden niet worden opgeslagen in %1.</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Fout</translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation>Er is een fout opgetreden bij het bijwerken. Controleer of u online bent en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Uitslagen openen</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Tekstbestanden (*.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation>Het bevat gegevens die Fixturo niet ongewijzigd zou terugschrijven.</translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation>%1 is geen uitslagenbestand dat Fixturo volledig kan lezen.</translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation>Voer de uitslagen in of werk ze online bij. Zijn teams volgens de regels niet te scheiden, dan kunt u in het menu ‘Bestand’ de optie ‘Handmatige volgorde’ kiezen.</translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation>Een nieuw toernooi beginnen? Alle uitslagen worden gewist en de handmatige volgorde wordt uitgeschakeld. Met ‘Ongedaan maken’ haalt u alles terug.</translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation>Nieuw toernooi</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Opnieuw: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation>Aangevinkt vervangen deze volgordes in elke groep de regels bij gelijke stand; lijsten openen in de huidige volgorde.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handmatig</translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation>Handmatige volgorde gebruiken</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation>Vul alle plaatsen in.</translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation>Groepsvooruitzichten</translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation>Vooruitzichten %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation>Mogelijke plaatsen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Volgende wedstrijd</translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation>volgens handmatige volgorde</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation>Vul de uitslag in</translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation>Vul de uitslag van de strafschoppenserie in</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>PENALTY’S</translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation>Bij strafschoppen eerst de gelijke stand invullen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation>Wedstrijd %1</translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation>Doelpunten van %1</translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation>Strafschoppen van %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation>Geen http-adres: %1</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Geannuleerd</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>Het bestand is groter dan %1 bytes</translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation>%1 ms lang geen gegevens</translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation>Geen HTTP-antwoord</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Slechts %1 van %2 bytes ontvangen</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP-status %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ScheduleView</name>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1e RONDE - SPEELSCHEMA PER DAG</translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation>Gebruikershandleiding van Fixturo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Gebruikershandleiding</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Zoeken:</translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation>Zoeken in de gebruikershandleiding</translation>
    </message>
    <message>
        <source>Not found </source>
        <translation>Niet gevonden </translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Volgende zoeken</translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation>Return in het zoekvak doet hetzelfde</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Zoekbalk sluiten</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Niet gevonden</translation>
    </message>
</context>
</TS>
