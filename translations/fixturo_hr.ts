<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation>16 reprezentacija, 31 utakmica, od 7. do 29. lipnja 2008.</translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1. KRUG - DNEVNI RASPORED UTAKMICA</translation>
    </message>
    <message>
        <source>2nd ROUND</source>
        <translation>2. KRUG</translation>
    </message>
    <message>
        <source>FINAL, </source>
        <translation>FINALE, </translation>
    </message>
    <message>
        <source>CHAMPION</source>
        <translation>PRVAK</translation>
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
        <translation>Salzburg</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Beč</translation>
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
        <translation>Preuzimanje rezultata…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation> Ažuriraj putem interneta</translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation>%1: %2, pobjede: %3, neriješeno: %4, porazi: %5, zabijeno: %6, primljeno: %7</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n bod</numerusform>
            <numerusform>%n boda</numerusform>
            <numerusform>%n bodova</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation>
            <numerusform>%n gol</numerusform>
            <numerusform>%n gola</numerusform>
            <numerusform>%n golova</numerusform>
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
        <translation>Bod P N I G+ G-</translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation> (%1 iz penala)</translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation>Utakmica %1: %2, %3</translation>
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
        <translation>nema više utakmica</translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation>prolazi u svakom slučaju</translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation>dovoljan je neriješen rezultat</translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation>treba pobjedu</translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation>pobjeda je dovoljna; inače ovisi o drugim rezultatima</translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation>treba pobjedu i povoljan rezultat u drugoj utakmici</translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation>treba povoljan rezultat u drugoj utakmici</translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation>ispada u svakom slučaju</translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation>prolazi kao pobjednik grupe</translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation>prolazi u četvrtfinale</translation>
    </message>
    <message>
        <source>out</source>
        <translation>ispada</translation>
    </message>
    <message>
        <source>still open</source>
        <translation>još neizvjesno</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The places a team can still finish in: &quot;1st, 2nd or 3rd&quot;.</extracomment>
        <translation>%1 ili %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 by the manual order.</source>
        <translation>%1: %2 mjesto prema ručnom poretku.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation>%1: %2; može završiti na %3 mjestu.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation>%1: %2; može završiti na %3 mjestu; sljedeća utakmica: %4.</translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation>Ručni poredak je uključen: o ovoj grupi odlučuje zadani redoslijed.</translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation>Pravila možda neće razdvojiti %1 i %2: takvo izjednačenje rješava se putem Datoteka &gt; Ručni poredak.</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation>Prvenstvo u lipnju 2008.</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Stranicu nije bilo moguće iscrtati.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Pisač nije bilo moguće pokrenuti.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>Pisač nije prihvatio stranicu.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation>Naziv datoteke mora završavati s .pdf, .png ili .svg.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Prikaži detalje...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Sakrij detalje...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
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
        <translation>Pretpregled ispisa</translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation>Prvenstvo nije bilo moguće ispisati.</translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation>Prvenstvo nije bilo moguće ispisati u %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF dokument (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG slika (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG crtež (*.svg)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Izvoz</translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation>Prvenstvo nije bilo moguće izvesti u %1.</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Izvoz rezultata u CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV datoteka (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Rezultate nije bilo moguće izvesti u %1.</translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation>Utakmica %1  %2</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation>Ovo nije datoteka s rezultatima: njezin prvi redak sadrži %1 od %2 unosa utakmica.</translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation>Ovo nije datoteka s rezultatima: rezultat utakmice %1 nije broj.</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation>Spremi rezultate kao</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Tekstne datoteke (*.txt);;Sve datoteke (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>Rezultate nije bilo moguće spremiti u %1.
%2</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation>Rezultate nije bilo moguće spremiti u %1.</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation>Datoteku s rezultatima %1 nije bilo moguće pročitati u cijelosti. Njezina neizmijenjena kopija sačuvana je u %2.</translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation>%1 nije bilo moguće pročitati u cijelosti, a ni sačuvati njezinu kopiju: %2</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation>Datoteku s rezultatima %1 nije bilo moguće pročitati u cijelosti ni sačuvati njezinu kopiju, pa neće biti prebrisana.</translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation>Najnoviji rezultati nisu spremljeni: nije ih bilo moguće zapisati u %1.
%2

Želite li pokušati ponovno, spremiti ih u drugu datoteku ili izaći bez spremanja?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Pokušaj ponovno</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Spremi kao…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Izađi bez spremanja</translation>
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
        <translation>ČF</translation>
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
        <translation>Austrija</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Hrvatska</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Češka</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francuska</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Njemačka</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grčka</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italija</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nizozemska</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Poljska</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumunjska</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rusija</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Španjolska</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Švedska</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Švicarska</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turska</translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation>Pobj. gr. %1</translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation>Drugi gr. %1</translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation>Pobj. ut. %1</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation>Pobjednik</translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation>Fixturo je besplatan program; napisao ga je i besplatno ga dijeli tim Fixturo.
Velika hvala Eleni Ruiz što je provjerila svaki rezultat prvenstva.</translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation>7.–29. lipnja 2008. · 16 reprezentacija · 31 utakmica</translation>
    </message>
</context>
<context>
    <name>fixturo::BracketDialog</name>
    <message>
        <source>2nd ROUND</source>
        <translation>2. KRUG</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izlaz</translation>
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
        <translation>Drugi krug</translation>
    </message>
    <message>
        <source>The results file %1 cannot be written, so Fixturo keeps the results in %2 from now on, starting from a copy of it.</source>
        <translation>U datoteku s rezultatima %1 nije moguće pisati, pa Fixturo od sada čuva rezultate u %2, počevši od njezine kopije.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datoteka</translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation>Ručni poredak</translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation>Izgledi za prolaz</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Ažuriraj putem interneta</translation>
    </message>
    <message>
        <source>Open Results…</source>
        <translation>Otvori rezultate…</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Spremi rezultate kao…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Ispis…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Izvoz…</translation>
    </message>
    <message>
        <source>Export Results as CSV…</source>
        <translation>Izvoz rezultata u CSV…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Izlaz</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Uredi</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Poništi</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponovi</translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation>Novo prvenstvo…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Korisnički priručnik</translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation>Rezultat utakmice %1</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>Ažuriranje putem interneta</translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation> Preuzimanje uspjelo</translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation>Ažuriranje je uspješno provedeno!</translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation>Rezultati su preuzeti, ali ih nije bilo moguće spremiti u %1.</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Pogreška</translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation>Ažuriranje nije uspjelo. Provjerite jeste li povezani s internetom i pokušajte ponovno.</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Otvaranje rezultata</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Tekstne datoteke (*.txt);;Sve datoteke (*)</translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation>Sadrži nešto što Fixturo ne bi zapisao natrag na isti način.</translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation>%1 nije datoteka s rezultatima koju Fixturo može pročitati u cijelosti.</translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation>Unesite rezultate ili ih ažurirajte putem interneta. Ako su momčadi izjednačene, u izborniku Datoteka možete odabrati „Ručni poredak”.</translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation>Započeti novo prvenstvo? Svi rezultati bit će obrisani, a ručni poredak isključen. Naredba Poništi sve vraća.</translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation>Novo prvenstvo</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Poništi: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ponovi: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation>Kad je označeno, ovi poreci zamjenjuju pravila razdvajanja u svakoj grupi; popisi se otvaraju s trenutačnim poretkom.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ručni poredak</translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation>Koristi ručni poredak</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation>Molimo popunite sva mjesta!</translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation>Izgledi za prolaz</translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation>%1 – izgledi za prolaz</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Momčad</translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation>Moguća mjesta</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Sljedeća utakmica</translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation>prema ručnom poretku</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation>Unesite rezultat</translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation>Unesite rezultat penala</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>PENALI</translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation>Za penale najprije unesite neriješeni rezultat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation>Utakmica %1</translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation>%1: golovi</translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation>%1: penali</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation>Nije HTTP adresa: %1</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Otkazano</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>Datoteka je veća od %1 bajtova</translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation>Nema podataka već %1 ms</translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation>Nema HTTP odgovora</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Primljeno bajtova: samo %1 od %2</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP status %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ScheduleView</name>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1. KRUG - DNEVNI RASPORED UTAKMICA</translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation>Korisnički priručnik za Fixturo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Korisnički priručnik</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Traži:</translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation>Traži u korisničkom priručniku</translation>
    </message>
    <message>
        <source>Not found </source>
        <translation>Nije pronađeno </translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Traži sljedeće</translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation>Tipka Return u polju za traženje čini isto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Zatvori traku za traženje</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Traži</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nije pronađeno</translation>
    </message>
</context>
</TS>
