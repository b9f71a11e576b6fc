<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation>16 drużyn, 31 meczów, 7–29 czerwca 2008</translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1. RUNDA – TERMINARZ MECZÓW</translation>
    </message>
    <message>
        <source>2nd ROUND</source>
        <translation>2. RUNDA</translation>
    </message>
    <message>
        <source>FINAL, </source>
        <translation>FINAŁ, </translation>
    </message>
    <message>
        <source>CHAMPION</source>
        <translation>MISTRZ</translation>
    </message>
</context>
<context>
    <name>City</name>
    <message>
        <source>Basel</source>
        <translation>Bazylea</translation>
    </message>
    <message>
        <source>Berne</source>
        <translation>Berno</translation>
    </message>
    <message>
        <source>Geneva</source>
        <translation>Genewa</translation>
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
        <translation>Wiedeń</translation>
    </message>
    <message>
        <source>Zurich</source>
        <translation>Zurych</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>Downloading the results…</source>
        <translation>Pobieranie wyników…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation> Aktualizacja online</translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation>%1: %2, zwycięstwa: %3, remisy: %4, porażki: %5, zdobyte: %6, stracone: %7</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punkt</numerusform>
            <numerusform>%n punkty</numerusform>
            <numerusform>%n punktów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation>
            <numerusform>%n bramka</numerusform>
            <numerusform>%n bramki</numerusform>
            <numerusform>%n bramek</numerusform>
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
        <translation>Pkt Z R P BZ BS</translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation> (%1 w rzutach karnych)</translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation>Mecz %1: %2, %3</translation>
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
        <translation>brak meczów do rozegrania</translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation>awansuje niezależnie od wyników</translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation>wystarczy remis</translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation>musi wygrać</translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation>wystarczy zwycięstwo; w innym razie decydują inne wyniki</translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation>musi wygrać i liczyć na korzystny wynik innego meczu</translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation>musi liczyć na korzystny wynik innego meczu</translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation>odpada niezależnie od wyników</translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation>awansuje z pierwszego miejsca</translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation>awansuje do ćwierćfinału</translation>
    </message>
    <message>
        <source>out</source>
        <translation>odpada</translation>
    </message>
    <message>
        <source>still open</source>
        <translation>jeszcze nierozstrzygnięte</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The places a team can still finish in: &quot;1st, 2nd or 3rd&quot;.</extracomment>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 by the manual order.</source>
        <translation>%1: %2 miejsce według ręcznej kolejności.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation>%1: %2; może zająć %3 miejsce.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation>%1: %2; może zająć %3 miejsce; następny mecz: %4.</translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation>Ręczna kolejność jest włączona: o tej grupie decyduje narzucona kolejność.</translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation>Przepisy mogą nie rozstrzygnąć o kolejności tych drużyn: %1 i %2. Kolejność ustal wtedy w menu Plik &gt; Ręczna kolejność.</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation>Mistrzostwa z czerwca 2008</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Nie udało się narysować strony.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Nie udało się uruchomić drukarki.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>Drukarka nie przyjęła strony.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation>Nazwa pliku musi kończyć się na .pdf, .png lub .svg.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Pokaż szczegóły...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ukryj szczegóły...</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation>Nie udało się wydrukować mistrzostw.</translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation>Nie udało się wydrukować mistrzostw do %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Dokument PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Obraz PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Rysunek SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation>Nie udało się wyeksportować mistrzostw do %1.</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Eksportuj wyniki do CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Plik CSV (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Nie udało się wyeksportować wyników do %1.</translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation>Mecz nr %1  %2</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation>To nie jest plik wyników: jego pierwszy wiersz zawiera %1 z %2 wpisów meczów.</translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation>To nie jest plik wyników: wynik meczu %1 nie jest liczbą.</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation>Zapisz wyniki jako</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Pliki tekstowe (*.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>Nie udało się zapisać wyników do pliku %1.
%2</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation>Nie udało się zapisać wyników do pliku %1.</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation>Nie udało się odczytać w całości pliku wyników %1. Jego kopia w pierwotnej postaci została zachowana w %2.</translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation>Nie udało się odczytać w całości pliku %1 ani zachować jego kopii: %2</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation>Nie udało się odczytać w całości pliku wyników %1 ani zachować jego kopii, dlatego nie zostanie on nadpisany.</translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation>Najnowsze wyniki nie są zapisane: nie udało się ich zapisać do pliku %1.
%2

Spróbować ponownie, zapisać je w innym pliku czy zakończyć bez zapisywania?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Zapisz jako…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Zakończ bez zapisywania</translation>
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
        <translation>ĆF</translation>
    </message>
    <message>
        <source>SF</source>
        <extracomment>Short for semi-final.</extracomment>
        <translation>PF</translation>
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
        <translation>Chorwacja</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Czechy</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francja</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Niemcy</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grecja</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Włochy</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Holandia</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polska</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugalia</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumunia</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rosja</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Hiszpania</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Szwecja</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Szwajcaria</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turcja</translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation>Zwycięzca gr. %1</translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation>Drugi gr. %1</translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation>Zwycięzca nr %1</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation>Zwycięzca</translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation>Fixturo to program darmowy (freeware), napisany i udostępniany przez zespół Fixturo.
Serdeczne podziękowania dla Eleny Ruiz za sprawdzenie wszystkich wyników mistrzostw.</translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation>7–29 czerwca 2008 · 16 drużyn · 31 meczów</translation>
    </message>
</context>
<context>
    <name>fixturo::BracketDialog</name>
    <message>
        <source>2nd ROUND</source>
        <translation>2. RUNDA</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>FINAŁ</translation>
    </message>
</context>
<context>
    <name>fixturo::MainWindow</name>
    <message>
        <source>Second Round</source>
        <translation>Druga runda</translation>
    </message>
    <message>
        <source>The results file %1 cannot be written, so Fixturo keeps the results in %2 from now on, starting from a copy of it.</source>
        <translation>Nie można zapisywać do pliku wyników %1, dlatego od teraz Fixturo przechowuje wyniki w %2, zaczynając od jego kopii.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation>Ręczna kolejność</translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation>Sytuacja w grupach</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Aktualizuj online</translation>
    </message>
    <message>
        <source>Open Results…</source>
        <translation>Otwórz wyniki…</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Zapisz wyniki jako…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drukuj…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>Export Results as CSV…</source>
        <translation>Eksportuj wyniki do CSV…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation>Nowe mistrzostwa…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Podręcznik użytkownika</translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation>Wynik meczu nr %1</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>Aktualizacja online</translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation> Pobrano pomyślnie</translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation>Aktualizacja zakończyła się powodzeniem.</translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation>Wyniki zostały pobrane, ale nie udało się ich zapisać do pliku %1.</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Błąd</translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation>Podczas aktualizacji wystąpił błąd. Sprawdź połączenie z internetem i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Otwórz wyniki</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Pliki tekstowe (*.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation>Zawiera dane, których program Fixturo nie zapisałby z powrotem w tej samej postaci.</translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation>%1 nie jest plikiem wyników, który program Fixturo może odczytać w całości.</translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation>Wpisz wyniki lub zaktualizuj je online. Jeśli drużyny mają tyle samo punktów, a przepisy nie ustalają ich kolejności, wybierz „Ręczna kolejność” z menu Plik.</translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation>Rozpocząć nowe mistrzostwa? Wszystkie wyniki zostaną usunięte, a ręczna kolejność wyłączona. Polecenie Cofnij je przywróci.</translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation>Nowe mistrzostwa</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ponów: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation>Po zaznaczeniu ta kolejność zastępuje kryteria rozstrzygające w każdej grupie; listy pokazują bieżącą kolejność.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Kolejność</translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation>Użyj ręcznej kolejności</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation>Proszę uzupełnić wszystkie miejsca.</translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation>Sytuacja w grupach</translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation>%1 – sytuacja</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Drużyna</translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation>Możliwe miejsca</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Następny mecz</translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation>według ręcznej kolejności</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation>Wpisz wynik meczu.</translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation>Wpisz wynik rzutów karnych.</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>KARNE</translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation>Przy karnych najpierw wpisz wynik remisowy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation>Mecz %1</translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation>Bramki drużyny %1</translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation>Rzuty karne drużyny %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation>To nie jest adres http: %1</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>Plik jest większy niż %1 bajtów</translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation>Brak danych przez %1 ms</translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation>Brak odpowiedzi HTTP</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Dotarło tylko %1 z %2 bajtów</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>Status HTTP %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ScheduleView</name>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1. RUNDA – TERMINARZ MECZÓW</translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation>Podręcznik użytkownika Fixturo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Podręcznik użytkownika</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Znajdź:</translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation>Szukaj w podręczniku użytkownika</translation>
    </message>
    <message>
        <source>Not found </source>
        <translation>Nie znaleziono </translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Znajdź następny</translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation>To samo robi klawisz Return w polu wyszukiwania</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Zamknij pasek wyszukiwania</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nie znaleziono</translation>
    </message>
</context>
</TS>
