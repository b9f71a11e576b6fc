<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation>16 echipe, 31 de meciuri, între 7 și 29 iunie 2008</translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>RUNDA 1 - PROGRAMUL MECIURILOR</translation>
    </message>
    <message>
        <source>2nd ROUND</source>
        <translation>RUNDA 2</translation>
    </message>
    <message>
        <source>FINAL, </source>
        <translation>FINALA, </translation>
    </message>
    <message>
        <source>CHAMPION</source>
        <translation>CAMPIOANĂ</translation>
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
        <translation>Berna</translation>
    </message>
    <message>
        <source>Geneva</source>
        <translation>Geneva</translation>
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
        <translation>Viena</translation>
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
        <translation>Se descarcă rezultatele…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation> Actualizează online</translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation>%1: %2, victorii: %3, egaluri: %4, înfrângeri: %5, marcate: %6, primite: %7</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punct</numerusform>
            <numerusform>%n puncte</numerusform>
            <numerusform>%n de puncte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation>
            <numerusform>%n gol</numerusform>
            <numerusform>%n goluri</numerusform>
            <numerusform>%n de goluri</numerusform>
        </translation>
    </message>
    <message>
        <source>GROUP %1</source>
        <extracomment>The caption of a group&apos;s table, in capitals.</extracomment>
        <translation>GRUPA %1</translation>
    </message>
    <message>
        <source>Pts W D L GF GA</source>
        <extracomment>The titles over a group table&apos;s numbers: points, won, drawn, lost, goals for, goals against. Keep the shape: a title of three letters, three of one letter and two of two letters, one space apart, so that each title stands over its column.</extracomment>
        <translation>Pct V E Î GM GP</translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation> (%1 la loviturile de la 11 m)</translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation>Meciul %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>OutlookLines</name>
    <message>
        <source>1st</source>
        <extracomment>A place in a group table.</extracomment>
        <translation>1</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4</translation>
    </message>
    <message>
        <source>no match left</source>
        <translation>niciun meci rămas</translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation>calificată indiferent de rezultat</translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation>îi ajunge un egal</translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation>are nevoie de victorie</translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation>îi ajunge o victorie; altfel depinde de alte rezultate</translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation>are nevoie de victorie și de un rezultat favorabil în celălalt meci</translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation>are nevoie de un rezultat favorabil în celălalt meci</translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation>eliminată indiferent de rezultat</translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation>calificată drept câștigătoare a grupei</translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation>calificată în sferturile de finală</translation>
    </message>
    <message>
        <source>out</source>
        <translation>eliminată</translation>
    </message>
    <message>
        <source>still open</source>
        <translation>încă nedecis</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The places a team can still finish in: &quot;1st, 2nd or 3rd&quot;.</extracomment>
        <translation>%1 sau %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 by the manual order.</source>
        <translation>%1: locul %2 conform ordinii manuale.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation>%1: %2; poate termina pe locul %3.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation>%1: %2; poate termina pe locul %3; meciul următor: %4.</translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation>Ordinea manuală este activă: ordinea impusă decide clasamentul acestei grupe.</translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation>Este posibil ca regulile să nu departajeze %1 și %2: o astfel de egalitate se rezolvă din Fișier &gt; Ordine manuală.</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation>Campionatul din iunie 2008</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Pagina nu a putut fi desenată.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Imprimanta nu a putut fi pornită.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>Imprimanta nu a acceptat pagina.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation>Numele fișierului trebuie să se termine cu .pdf, .png sau .svg.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Afișează detaliile...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ascunde detaliile...</translation>
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
        <translation>Renunță</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Previzualizare tipărire</translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation>Campionatul nu a putut fi tipărit.</translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation>Campionatul nu a putut fi tipărit în %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagine PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desen SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportă</translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation>Campionatul nu a putut fi exportat în %1.</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Exportă rezultatele ca CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fișier CSV (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Rezultatele nu au putut fi exportate în %1.</translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation>Meciul %1  %2</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation>Nu este un fișier de rezultate: prima linie conține %1 din cele %2 înregistrări de meciuri.</translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation>Nu este un fișier de rezultate: scorul meciului %1 nu este un număr.</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation>Salvează rezultatele ca</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fișiere text (*.txt);;Toate fișierele (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>Rezultatele nu au putut fi salvate în %1.
%2</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation>Rezultatele nu au putut fi salvate în %1.</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation>Fișierul de rezultate %1 nu a putut fi citit integral. O copie a lui, așa cum era, este păstrată în %2.</translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation>%1 nu a putut fi citit integral și nu s-a putut păstra nicio copie a lui: %2</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation>Fișierul de rezultate %1 nu a putut fi citit integral și nu s-a putut păstra nicio copie a lui, așa că nu va fi suprascris.</translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation>Cele mai recente rezultate nu sunt salvate: nu au putut fi scrise în %1.
%2

Încercați din nou, le salvați în alt fișier sau ieșiți fără salvare?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Încearcă din nou</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salvează ca…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Ieși fără salvare</translation>
    </message>
</context>
<context>
    <name>Stage</name>
    <message>
        <source>Group %1</source>
        <translation>Grupa %1</translation>
    </message>
    <message>
        <source>QF</source>
        <extracomment>Short for quarter-final.</extracomment>
        <translation>1/4</translation>
    </message>
    <message>
        <source>SF</source>
        <extracomment>Short for semi-final.</extracomment>
        <translation>1/2</translation>
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
        <translation>Austria</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Croația</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Cehia</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Franța</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Germania</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grecia</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Olanda</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugalia</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>România</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rusia</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spania</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suedia</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Elveția</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turcia</translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation>Locul 1 gr. %1</translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation>Locul 2 gr. %1</translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation>Câșt. meci %1</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation>Câștigătoare</translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation>Fixturo este un program gratuit, scris și oferit de echipa Fixturo.
Mulțumim mult Elenei Ruiz pentru verificarea fiecărui rezultat al campionatului.</translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation>7–29 iunie 2008 · 16 echipe · 31 de meciuri</translation>
    </message>
</context>
<context>
    <name>fixturo::BracketDialog</name>
    <message>
        <source>2nd ROUND</source>
        <translation>RUNDA 2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>FINALA</translation>
    </message>
</context>
<context>
    <name>fixturo::MainWindow</name>
    <message>
        <source>Second Round</source>
        <translation>Runda a doua</translation>
    </message>
    <message>
        <source>The results file %1 cannot be written, so Fixturo keeps the results in %2 from now on, starting from a copy of it.</source>
        <translation>Fișierul de rezultate %1 nu poate fi scris, așa că de acum Fixturo păstrează rezultatele în %2, pornind de la o copie a lui.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fișier</translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation>Ordine manuală</translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation>Șanse de calificare</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Actualizează online</translation>
    </message>
    <message>
        <source>Open Results…</source>
        <translation>Deschide rezultate…</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Salvează rezultatele ca…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Tipărește…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportă…</translation>
    </message>
    <message>
        <source>Export Results as CSV…</source>
        <translation>Exportă rezultatele ca CSV…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editare</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refă</translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation>Campionat nou…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Ghid de utilizare</translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation>Rezultatul meciului %1</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>Actualizare online</translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation> Descărcare reușită</translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation>Actualizarea s-a efectuat cu succes!</translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation>Rezultatele au fost descărcate, dar nu au putut fi salvate în %1.</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Eroare</translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation>Actualizarea nu a reușit. Verificați dacă sunteți conectat la internet și încercați din nou.</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Deschidere rezultate</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fișiere text (*.txt);;Toate fișierele (*)</translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation>Conține ceva ce Fixturo nu ar scrie înapoi la fel.</translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation>%1 nu este un fișier de rezultate pe care Fixturo să-l poată citi integral.</translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation>Introduceți rezultatele sau actualizați-le online. Dacă echipele sunt la egalitate, puteți alege „Ordine manuală” din meniul Fișier.</translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation>Începeți un campionat nou? Toate rezultatele vor fi șterse, iar ordinea manuală va fi dezactivată. Comanda Anulează le readuce.</translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation>Campionat nou</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Anulează: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refă: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation>Când sunt bifate, aceste ordini înlocuiesc regulile de departajare în fiecare grupă; listele pornesc de la ordinea actuală.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ordine manuală</translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation>Folosește ordinea manuală</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation>Completați toate locurile, vă rog!</translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation>Șanse de calificare</translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation>%1 – șanse de calificare</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Echipa</translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation>Locuri posibile</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situație</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Meciul următor</translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation>conform ordinii manuale</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation>Introduceți rezultatul</translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation>Introduceți rezultatul loviturilor de la 11 metri</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>11 METRI</translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation>La 11 metri, introduceți întâi scorul egal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation>Meciul %1</translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation>%1: goluri</translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation>%1: lovituri de la 11 m</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation>Nu este o adresă HTTP: %1</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Anulat</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>Fișierul depășește %1 de octeți</translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation>Nu au sosit date timp de %1 ms</translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation>Niciun răspuns HTTP</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Octeți primiți: doar %1 din %2</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>Stare HTTP %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ScheduleView</name>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>RUNDA 1 - PROGRAMUL MECIURILOR</translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation>Ghid de utilizare Fixturo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Ghid de utilizare</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Caută:</translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation>Caută în ghidul de utilizare</translation>
    </message>
    <message>
        <source>Not found </source>
        <translation>Nu s-a găsit </translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Caută următorul</translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation>Tasta Return în caseta de căutare face același lucru</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Închide bara de căutare</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Caută</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nu s-a găsit</translation>
    </message>
</context>
</TS>
