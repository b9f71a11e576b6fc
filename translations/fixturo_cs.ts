<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation>16 týmů, 31 zápasů, 7.–29. června 2008</translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1. KOLO – DENNÍ PROGRAM ZÁPASŮ</translation>
    </message>
    <message>
        <source>2nd ROUND</source>
        <translation>2. KOLO</translation>
    </message>
    <message>
        <source>FINAL, </source>
        <translation>FINÁLE, </translation>
    </message>
    <message>
        <source>CHAMPION</source>
        <translation>ŠAMPION</translation>
    </message>
</context>
<context>
    <name>City</name>
    <message>
        <source>Basel</source>
        <translation>Basilej</translation>
    </message>
    <message>
        <source>Berne</source>
        <translation>Bern</translation>
    </message>
    <message>
        <source>Geneva</source>
        <translation>Ženeva</translation>
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
        <translation>Salcburk</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Vídeň</translation>
    </message>
    <message>
        <source>Zurich</source>
        <translation>Curych</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>Downloading the results…</source>
        <translation>Stahování výsledků…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation> Aktualizace online</translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation>%1: %2, výhry: %3, remízy: %4, prohry: %5, vstřeleno: %6, obdrženo: %7</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n bod</numerusform>
            <numerusform>%n body</numerusform>
            <numerusform>%n bodů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation>
            <numerusform>%n gól</numerusform>
            <numerusform>%n góly</numerusform>
            <numerusform>%n gólů</numerusform>
        </translation>
    </message>
    <message>
        <source>GROUP %1</source>
        <extracomment>The caption of a group&apos;s table, in capitals.</extracomment>
        <translation>SKUPINA %1</translation>
    </message>
    <message>
        <source>Pts W D L GF GA</source>
        <extracomment>The titles over a group table&apos;s numbers: points, won, drawn, lost, goals for, goals against. Keep the shape: a title of three letters, three of one letter and two of two letters, one space apart, so that each title stands over its column.</extracomment>
        <translation>Bod V R P VG OG</translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation> (%1 v penaltách)</translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation>Zápas %1: %2, %3</translation>
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
        <translation>nezbývá žádný zápas</translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation>postupuje v každém případě</translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation>stačí remíza</translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation>musí vyhrát</translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation>stačí výhra; jinak rozhodnou další výsledky</translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation>musí vyhrát a potřebuje příznivý výsledek jinde</translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation>potřebuje příznivý výsledek jinde</translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation>vypadává v každém případě</translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation>postupuje z prvního místa</translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation>postupuje do čtvrtfinále</translation>
    </message>
    <message>
        <source>out</source>
        <translation>vypadává</translation>
    </message>
    <message>
        <source>still open</source>
        <translation>zatím nerozhodnuto</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The places a team can still finish in: &quot;1st, 2nd or 3rd&quot;.</extracomment>
        <translation>%1 nebo %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 by the manual order.</source>
        <translation>%1: %2 místo podle ručního pořadí.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation>%1: %2; může skončit na %3 místě.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation>%1: %2; může skončit na %3 místě; příští zápas: %4.</translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation>Ruční pořadí je zapnuto: o této skupině rozhoduje zadané pořadí.</translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation>Pravidla nemusí rozhodnout o pořadí těchto týmů: %1 a %2. O pořadí pak rozhodněte v nabídce Soubor &gt; Ruční pořadí.</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation>Šampionát z června 2008</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Stránku se nepodařilo vykreslit.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Tiskárnu se nepodařilo spustit.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>Tiskárna stránku nepřijala.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation>Název souboru musí končit na .pdf, .png nebo .svg.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Ukázat podrobnosti...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Skrýt podrobnosti...</translation>
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
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Náhled tisku</translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation>Šampionát se nepodařilo vytisknout.</translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation>Šampionát se nepodařilo vytisknout do %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Dokument PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Obrázek PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Kresba SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation>Šampionát se nepodařilo exportovat do %1.</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Exportovat výsledky do CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Soubor CSV (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Výsledky se nepodařilo exportovat do %1.</translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation>Zápas č. %1  %2</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation>Nejde o soubor s výsledky: jeho první řádek obsahuje %1 z %2 záznamů o zápasech.</translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation>Nejde o soubor s výsledky: skóre zápasu %1 není číslo.</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation>Uložit výsledky jako</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textové soubory (*.txt);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>Výsledky se nepodařilo uložit do souboru %1.
%2</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation>Výsledky se nepodařilo uložit do souboru %1.</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation>Soubor s výsledky %1 se nepodařilo přečíst celý. Jeho kopie v původním stavu je uložena v %2.</translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation>Soubor %1 se nepodařilo přečíst celý a nepodařilo se uložit ani jeho kopii: %2</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation>Soubor s výsledky %1 se nepodařilo přečíst celý a nepodařilo se uložit ani jeho kopii, proto nebude přepsán.</translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation>Nejnovější výsledky nejsou uloženy: nepodařilo se je zapsat do souboru %1.
%2

Chcete to zkusit znovu, uložit je do jiného souboru, nebo skončit bez uložení?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Zkusit znovu</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Uložit jako…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Skončit bez uložení</translation>
    </message>
</context>
<context>
    <name>Stage</name>
    <message>
        <source>Group %1</source>
        <translation>Skupina %1</translation>
    </message>
    <message>
        <source>QF</source>
        <extracomment>Short for quarter-final.</extracomment>
        <translation>ČF</translation>
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
        <translation>Rakousko</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Chorvatsko</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Česko</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francie</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Německo</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Řecko</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Itálie</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nizozemsko</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polsko</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugalsko</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumunsko</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rusko</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Španělsko</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Švédsko</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Švýcarsko</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turecko</translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation>Vítěz sk. %1</translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation>Druhý sk. %1</translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation>Vítěz č. %1</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation>Vítěz</translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation>Fixturo je freeware, který napsal a zdarma poskytuje tým Fixturo.
Srdečné díky Eleně Ruiz za kontrolu všech výsledků šampionátu.</translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation>7.–29. června 2008 · 16 týmů · 31 zápasů</translation>
    </message>
</context>
<context>
    <name>fixturo::BracketDialog</name>
    <message>
        <source>2nd ROUND</source>
        <translation>2. KOLO</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>FINÁLE</translation>
    </message>
</context>
<context>
    <name>fixturo::MainWindow</name>
    <message>
        <source>Second Round</source>
        <translation>Druhé kolo</translation>
    </message>
    <message>
        <source>The results file %1 cannot be written, so Fixturo keeps the results in %2 from now on, starting from a copy of it.</source>
        <translation>Do souboru s výsledky %1 nelze zapisovat, proto Fixturo od této chvíle ukládá výsledky do %2, počínaje jeho kopií.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation>Ruční pořadí</translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation>Výhled skupin</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Aktualizovat online</translation>
    </message>
    <message>
        <source>Open Results…</source>
        <translation>Otevřít výsledky…</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Uložit výsledky jako…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Tisk…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportovat…</translation>
    </message>
    <message>
        <source>Export Results as CSV…</source>
        <translation>Exportovat výsledky do CSV…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Úpravy</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation>Nový šampionát…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Uživatelská příručka</translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation>Výsledek zápasu č. %1</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>Aktualizace online</translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation> Stahování úspěšné</translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation>Aktualizace proběhla úspěšně.</translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation>Výsledky byly staženy, ale nepodařilo se je uložit do souboru %1.</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Chyba</translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation>Při aktualizaci došlo k chybě. Zkontrolujte připojení k internetu a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Otevřít výsledky</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textové soubory (*.txt);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation>Obsahuje údaje, které by program Fixturo nezapsal zpět ve stejné podobě.</translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation>%1 není soubor s výsledky, který by program Fixturo dokázal přečíst celý.</translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation>Zadejte výsledky nebo je aktualizujte online. Pokud mají týmy stejně bodů a pravidla jejich pořadí neurčí, zvolte v nabídce Soubor položku „Ruční pořadí“.</translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation>Začít nový šampionát? Všechny výsledky budou smazány a ruční pořadí vypnuto. Příkaz Zpět je vrátí.</translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation>Nový šampionát</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Zpět: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Znovu: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation>Po zaškrtnutí nahradí toto pořadí rozhodovací pravidla ve všech skupinách; seznamy ukazují aktuální pořadí.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Pořadí</translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation>Použít ruční pořadí</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation>Vyplňte prosím všechna místa.</translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation>Výhled skupin</translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation>%1 – výhled</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Tým</translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation>Možné umístění</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Příští zápas</translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation>podle ručního pořadí</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation>Zadejte výsledek zápasu.</translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation>Zadejte výsledek penaltového rozstřelu.</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>PENALTY</translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation>Při penaltách zadejte nejdřív nerozhodné skóre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation>Zápas %1</translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation>Góly týmu %1</translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation>Penalty týmu %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation>Nejde o adresu http: %1</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Zrušeno</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>Soubor je větší než %1 bajtů</translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation>Žádná data po dobu %1 ms</translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation>Žádná odpověď HTTP</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Dorazilo jen %1 z %2 bajtů</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>Stav HTTP %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ScheduleView</name>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1. KOLO – DENNÍ PROGRAM ZÁPASŮ</translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation>Uživatelská příručka Fixturo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Uživatelská příručka</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Najít:</translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation>Hledat v uživatelské příručce</translation>
    </message>
    <message>
        <source>Not found </source>
        <translation>Nenalezeno </translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Najít další</translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation>Totéž udělá klávesa Return v poli hledání</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Zavřít panel hledání</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Najít</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nenalezeno</translation>
    </message>
</context>
</TS>
