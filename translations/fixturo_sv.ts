<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation>16 lag, 31 matcher, 7–29 juni 2008</translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>GRUPPSPEL – MATCHER DAG FÖR DAG</translation>
    </message>
    <message>
        <source>2nd ROUND</source>
        <translation>SLUTSPEL</translation>
    </message>
    <message>
        <source>FINAL, </source>
        <translation>FINAL, </translation>
    </message>
    <message>
        <source>CHAMPION</source>
        <translation>MÄSTARE</translation>
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
        <translation>Hämtar resultaten…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation> Uppdatera online</translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation>%1: %2, vinster %3, oavgjorda %4, förluster %5, %6 gjorda, %7 insläppta</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n poäng</numerusform>
            <numerusform>%n poäng</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation>
            <numerusform>%n mål</numerusform>
            <numerusform>%n mål</numerusform>
        </translation>
    </message>
    <message>
        <source>GROUP %1</source>
        <extracomment>The caption of a group&apos;s table, in capitals.</extracomment>
        <translation>GRUPP %1</translation>
    </message>
    <message>
        <source>Pts W D L GF GA</source>
        <extracomment>The titles over a group table&apos;s numbers: points, won, drawn, lost, goals for, goals against. Keep the shape: a title of three letters, three of one letter and two of two letters, one space apart, so that each title stands over its column.</extracomment>
        <translation>Poä V O F GM IM</translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation> (%1 på straffar)</translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation>Match %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>OutlookLines</name>
    <message>
        <source>1st</source>
        <extracomment>A place in a group table.</extracomment>
        <translation>1:a</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2:a</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3:e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4:e</translation>
    </message>
    <message>
        <source>no match left</source>
        <translation>inga matcher kvar</translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation>vidare oavsett resultat</translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation>oavgjort räcker</translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation>måste vinna</translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation>seger räcker; annars avgör andra resultat</translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation>måste vinna och behöver hjälp av ett annat resultat</translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation>behöver hjälp av ett annat resultat</translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation>utslaget oavsett resultat</translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation>vidare som gruppetta</translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation>vidare till kvartsfinal</translation>
    </message>
    <message>
        <source>out</source>
        <translation>utslaget</translation>
    </message>
    <message>
        <source>still open</source>
        <translation>fortfarande öppet</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The places a team can still finish in: &quot;1st, 2nd or 3rd&quot;.</extracomment>
        <translation>%1 eller %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 by the manual order.</source>
        <translation>%1: %2 enligt manuell ordning.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation>%1: %2; kan bli %3.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation>%1: %2; kan bli %3; nästa match: %4.</translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation>Manuell ordning är påslagen: den fastställda ordningen avgör den här gruppen.</translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation>Reglerna kan kanske inte skilja %1 och %2 åt: sådana lägen avgörs med Arkiv &gt; Manuell ordning.</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation>Mästerskapet i juni 2008</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Sidan kunde inte ritas.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Skrivaren kunde inte startas.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>Skrivaren tog inte emot sidan.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation>Filnamnet måste sluta på .pdf, .png eller .svg.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Visa detaljer...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Dölj detaljer...</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Förhandsgranskning</translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation>Mästerskapet kunde inte skrivas ut.</translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation>Mästerskapet kunde inte skrivas ut till %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-dokument (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-teckning (*.svg)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation>Mästerskapet kunde inte exporteras till %1.</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Exportera resultat som CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-fil (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Resultaten kunde inte exporteras till %1.</translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation>Match %1  %2</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation>Ingen resultatfil: första raden innehåller %1 av de %2 matchposterna.</translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation>Ingen resultatfil: resultatet i match %1 är inte ett tal.</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation>Spara resultaten som</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textfiler (*.txt);;Alla filer (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>Resultaten kunde inte sparas i %1.
%2</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation>Resultaten kunde inte sparas i %1.</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation>Resultatfilen %1 kunde inte läsas i sin helhet. En kopia av den i ursprungligt skick finns i %2.</translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation>%1 kunde inte läsas i sin helhet, och ingen kopia av den kunde sparas: %2</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation>Resultatfilen %1 kunde inte läsas i sin helhet och ingen kopia av den kunde sparas, så den kommer inte att skrivas över.</translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation>De senaste resultaten är inte sparade: de kunde inte skrivas till %1.
%2

Vill du försöka igen, spara dem i en annan fil eller avsluta utan att spara?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Spara som…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Avsluta utan att spara</translation>
    </message>
</context>
<context>
    <name>Stage</name>
    <message>
        <source>Group %1</source>
        <translation>Grupp %1</translation>
    </message>
    <message>
        <source>QF</source>
        <extracomment>Short for quarter-final.</extracomment>
        <translation>KF</translation>
    </message>
    <message>
        <source>SF</source>
        <extracomment>Short for semi-final.</extracomment>
        <translation>SF</translation>
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
        <translation>Österrike</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Kroatien</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Tjeckien</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankrike</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Tyskland</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grekland</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nederländerna</translation>
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
        <translation>Ryssland</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Sverige</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turkiet</translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation>Etta grp %1</translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation>Tvåa grp %1</translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation>Vinnare match %1</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation>Vinnare</translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation>Fixturo är ett gratisprogram, skrivet och utgivet av Fixturo-teamet.
Stort tack till Elena Ruiz för att hon har kontrollerat varje resultat i mästerskapet.</translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation>7–29 juni 2008 · 16 lag · 31 matcher</translation>
    </message>
</context>
<context>
    <name>fixturo::BracketDialog</name>
    <message>
        <source>2nd ROUND</source>
        <translation>SLUTSPEL</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>FINAL</translation>
    </message>
</context>
<context>
    <name>fixturo::MainWindow</name>
    <message>
        <source>Second Round</source>
        <translation>Slutspel</translation>
    </message>
    <message>
        <source>The results file %1 cannot be written, so Fixturo keeps the results in %2 from now on, starting from a copy of it.</source>
        <translation>Resultatfilen %1 kan inte skrivas, så från och med nu sparar Fixturo resultaten i %2, med utgångspunkt i en kopia av den.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arkiv</translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation>Manuell ordning</translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation>Läget i grupperna</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Uppdatera online</translation>
    </message>
    <message>
        <source>Open Results…</source>
        <translation>Öppna resultat…</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Spara resultat som…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Skriv ut…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportera…</translation>
    </message>
    <message>
        <source>Export Results as CSV…</source>
        <translation>Exportera resultat som CSV…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation>Nytt mästerskap…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om programmet</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Användarhandbok</translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation>resultat i match %1</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>onlineuppdatering</translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation> Hämtningen lyckades</translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation>Uppdateringen lyckades!</translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation>Resultaten hämtades men kunde inte sparas i %1.</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Fel</translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation>Uppdateringen misslyckades. Kontrollera att du är ansluten till internet och försök igen.</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Öppna resultat</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textfiler (*.txt);;Alla filer (*)</translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation>Den innehåller något som Fixturo inte skulle skriva tillbaka likadant.</translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation>%1 är ingen resultatfil som Fixturo kan läsa i sin helhet.</translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation>Ange resultatet eller uppdatera online. Om lagen står helt lika kan du välja ”Manuell ordning” i menyn Arkiv.</translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation>Vill du starta ett nytt mästerskap? Alla resultat rensas och den manuella ordningen stängs av. Med Ångra får du tillbaka dem.</translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation>nytt mästerskap</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Ångra %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Gör om %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation>Ikryssad ersätter ordningen skiljereglerna i alla grupper; listorna visar nuvarande ordning.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation>Använd manuell ordning</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation>Fyll i alla placeringar!</translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation>Läget i grupperna</translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation>%1: läget</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation>Möjlig placering</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Nästa match</translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation>enligt manuell ordning</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation>Fyll i resultatet.</translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation>Fyll i resultatet av straffläggningen.</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>STRAFFAR</translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation>Vid straffar: ange först oavgjort resultat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation>Match %1</translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation>Mål för %1</translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation>Straffar för %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation>Ingen http-adress: %1</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Avbruten</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>Filen är större än %1 byte</translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation>Inga data på %1 ms</translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation>Inget HTTP-svar</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Endast %1 av %2 byte kom fram</translation>
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
        <translation>GRUPPSPEL – MATCHER DAG FÖR DAG</translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation>Användarhandbok för Fixturo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Användarhandbok</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Sök:</translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation>Sök i användarhandboken</translation>
    </message>
    <message>
        <source>Not found </source>
        <translation>Hittades inte </translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Sök nästa</translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation>Return i sökrutan gör samma sak</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Stäng sökfältet</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Hittades inte</translation>
    </message>
</context>
</TS>
