<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation>16 squadre, 31 partite, dal 7 al 29 giugno 2008</translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1º TURNO - CALENDARIO GIORNALIERO</translation>
    </message>
    <message>
        <source>2nd ROUND</source>
        <translation>2º TURNO</translation>
    </message>
    <message>
        <source>FINAL, </source>
        <translation>FINALE, </translation>
    </message>
    <message>
        <source>CHAMPION</source>
        <translation>CAMPIONE</translation>
    </message>
</context>
<context>
    <name>City</name>
    <message>
        <source>Basel</source>
        <translation>Basilea</translation>
    </message>
    <message>
        <source>Berne</source>
        <translation>Berna</translation>
    </message>
    <message>
        <source>Geneva</source>
        <translation>Ginevra</translation>
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
        <translation>Salisburgo</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Vienna</translation>
    </message>
    <message>
        <source>Zurich</source>
        <translation>Zurigo</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>Downloading the results…</source>
        <translation>Download dei risultati in corso…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation> Aggiorna online</translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation>%1: %2, vittorie: %3, pareggi: %4, sconfitte: %5, %6 a favore, %7 contro</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation>
            <numerusform>%n gol</numerusform>
            <numerusform>%n gol</numerusform>
        </translation>
    </message>
    <message>
        <source>GROUP %1</source>
        <extracomment>The caption of a group&apos;s table, in capitals.</extracomment>
        <translation>GRUPPO %1</translation>
    </message>
    <message>
        <source>Pts W D L GF GA</source>
        <extracomment>The titles over a group table&apos;s numbers: points, won, drawn, lost, goals for, goals against. Keep the shape: a title of three letters, three of one letter and two of two letters, one space apart, so that each title stands over its column.</extracomment>
        <translation>Pti V N P GF GS</translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation> (%1 ai rigori)</translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation>Partita %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>OutlookLines</name>
    <message>
        <source>1st</source>
        <extracomment>A place in a group table.</extracomment>
        <translation>1º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3º</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4º</translation>
    </message>
    <message>
        <source>no match left</source>
        <translation>nessuna partita da giocare</translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation>qualificazione certa comunque vada</translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation>basta un pareggio</translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation>deve vincere</translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation>basta una vittoria; altrimenti dipende dagli altri risultati</translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation>deve vincere e sperare in un altro risultato</translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation>dipende da un altro risultato</translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation>fuori dai giochi comunque vada</translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation>primo posto nel gruppo assicurato</translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation>ai quarti di finale</translation>
    </message>
    <message>
        <source>out</source>
        <translation>fuori dai giochi</translation>
    </message>
    <message>
        <source>still open</source>
        <translation>ancora in corsa</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The places a team can still finish in: &quot;1st, 2nd or 3rd&quot;.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 by the manual order.</source>
        <translation>%1: %2 posto secondo la classifica manuale.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation>%1: %2; piazzamenti possibili: %3.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation>%1: %2; piazzamenti possibili: %3; prossima partita: %4.</translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation>La classifica manuale è attiva: in questo gruppo decide l&apos;ordine imposto.</translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation>Le regole potrebbero non bastare a separare %1 e %2: File &gt; Classifica manuale risolve questa parità.</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation>Il campionato di giugno 2008</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Impossibile disegnare la pagina.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Impossibile avviare la stampante.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>La stampante non ha accettato la pagina.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation>Il nome del file deve terminare con .pdf, .png o .svg.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Mostra dettagli...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Nascondi dettagli...</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation>Impossibile stampare il campionato.</translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation>Impossibile stampare il campionato in %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Disegno SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation>Impossibile esportare il campionato in %1.</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Esporta i risultati in CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Impossibile esportare i risultati in %1.</translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation>Partita n. %1  %2</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation>Non è un file di risultati: la prima riga contiene %1 delle %2 voci delle partite.</translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation>Non è un file di risultati: il punteggio della partita %1 non è un numero.</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation>Salva i risultati con nome</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>File di testo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>Impossibile salvare i risultati in %1.
%2</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation>Impossibile salvare i risultati in %1.</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation>Non è stato possibile leggere per intero il file dei risultati %1. Una copia del file com&apos;era è conservata in %2.</translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation>Non è stato possibile leggere per intero %1, né conservarne una copia: %2</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation>Non è stato possibile leggere per intero il file dei risultati %1, né conservarne una copia: perciò non verrà sovrascritto.</translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation>Gli ultimi risultati non sono salvati: non è stato possibile scriverli in %1.
%2

Riprovare, salvarli in un altro file o uscire senza salvare?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salva con nome…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Esci senza salvare</translation>
    </message>
</context>
<context>
    <name>Stage</name>
    <message>
        <source>Group %1</source>
        <translation>Gruppo %1</translation>
    </message>
    <message>
        <source>QF</source>
        <extracomment>Short for quarter-final.</extracomment>
        <translation>QF</translation>
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
        <translation>Austria</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Croazia</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Repubblica Ceca</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
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
        <translation>Portogallo</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Romania</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Russia</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spagna</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Svezia</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Svizzera</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turchia</translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation>1ª Gr. %1</translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation>2ª Gr. %1</translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation>Vincente #%1</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation>Vincente</translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation>Fixturo è un programma gratuito, scritto e distribuito dal team di Fixturo.
Un grazie di cuore a Elena Ruiz per aver controllato ogni risultato del campionato.</translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation>7–29 giugno 2008 · 16 squadre · 31 partite</translation>
    </message>
</context>
<context>
    <name>fixturo::BracketDialog</name>
    <message>
        <source>2nd ROUND</source>
        <translation>2º TURNO</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Chiudi</translation>
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
        <translation>Secondo turno</translation>
    </message>
    <message>
        <source>The results file %1 cannot be written, so Fixturo keeps the results in %2 from now on, starting from a copy of it.</source>
        <translation>Non è possibile scrivere il file dei risultati %1: d&apos;ora in poi Fixturo conserva i risultati in %2, partendo da una sua copia.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation>Classifica manuale</translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation>Scenari dei gruppi</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Aggiorna online</translation>
    </message>
    <message>
        <source>Open Results…</source>
        <translation>Apri risultati…</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Salva risultati con nome…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Export Results as CSV…</source>
        <translation>Esporta risultati in CSV…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation>Nuovo campionato…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guida utente</translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation>Risultato della partita n. %1</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>Aggiornamento online</translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation> Download completato</translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation>Aggiornamento completato!</translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation>I risultati sono stati scaricati, ma non è stato possibile salvarli in %1.</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Errore</translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation>Si è verificato un errore durante l&apos;aggiornamento. Verifica di essere connesso a Internet e riprova.</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Apri risultati</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>File di testo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation>Contiene dati che Fixturo non riscriverebbe in modo identico.</translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation>%1 non è un file di risultati che Fixturo possa leggere per intero.</translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation>Inserisci i risultati o aggiorna online. Se alcune squadre restano a pari merito, puoi scegliere «Classifica manuale» dal menu File.</translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation>Iniziare un nuovo campionato? Tutti i risultati verranno cancellati e la classifica manuale disattivata. Con Modifica &gt; Annulla si ripristina tutto.</translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation>Nuovo campionato</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation>Se spuntate, queste classifiche sostituiscono i criteri di spareggio in ogni gruppo; gli elenchi si aprono sull&apos;ordine attuale.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation>Usa classifica manuale</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation>Completa tutti gli elenchi!</translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation>Scenari dei gruppi</translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation>Scenari del %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Squadra</translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation>Piazzamenti possibili</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situazione</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Prossima partita</translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation>secondo la classifica manuale</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation>Inserisci i risultati</translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation>Inserisci i risultati dei rigori</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>RIGORI</translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation>Se finisce ai rigori, inserisci prima il pareggio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation>Partita n. %1</translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation>Gol: %1</translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation>Rigori: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation>Non è un indirizzo http: %1</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>Il file supera i %1 byte</translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation>Nessun dato ricevuto per %1 ms</translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation>Nessuna risposta HTTP</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Arrivati solo %1 byte su %2</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>Stato HTTP %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ScheduleView</name>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1º TURNO - CALENDARIO GIORNALIERO</translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation>Guida utente di Fixturo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guida utente</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Trova:</translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation>Cerca nella guida utente</translation>
    </message>
    <message>
        <source>Not found </source>
        <translation>Non trovato </translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Trova successivo</translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation>Il tasto Invio nella casella di ricerca fa lo stesso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Chiudi la barra di ricerca</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Non trovato</translation>
    </message>
</context>
</TS>
