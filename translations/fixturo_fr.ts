<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation>16 équipes, 31 matchs, du 7 au 29 juin 2008</translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1er TOUR - MATCHS JOUR PAR JOUR</translation>
    </message>
    <message>
        <source>2nd ROUND</source>
        <translation>2e TOUR</translation>
    </message>
    <message>
        <source>FINAL, </source>
        <translation>FINALE, </translation>
    </message>
    <message>
        <source>CHAMPION</source>
        <translation>CHAMPION</translation>
    </message>
</context>
<context>
    <name>City</name>
    <message>
        <source>Basel</source>
        <translation>Bâle</translation>
    </message>
    <message>
        <source>Berne</source>
        <translation>Berne</translation>
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
        <translation>Salzbourg</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Vienne</translation>
    </message>
    <message>
        <source>Zurich</source>
        <translation>Zurich</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>Downloading the results…</source>
        <translation>Téléchargement des résultats…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation> Mise à jour en ligne</translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation>%1&#xa0;: %2, victoires&#xa0;: %3, nuls&#xa0;: %4, défaites&#xa0;: %5, %6 pour, %7 contre</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation>
            <numerusform>%n but</numerusform>
            <numerusform>%n buts</numerusform>
        </translation>
    </message>
    <message>
        <source>GROUP %1</source>
        <extracomment>The caption of a group&apos;s table, in capitals.</extracomment>
        <translation>GROUPE %1</translation>
    </message>
    <message>
        <source>Pts W D L GF GA</source>
        <extracomment>The titles over a group table&apos;s numbers: points, won, drawn, lost, goals for, goals against. Keep the shape: a title of three letters, three of one letter and two of two letters, one space apart, so that each title stands over its column.</extracomment>
        <translation>Pts G N P BP BC</translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation> (%1 aux tirs au but)</translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation>Match %1&#xa0;: %2, %3</translation>
    </message>
</context>
<context>
    <name>OutlookLines</name>
    <message>
        <source>1st</source>
        <extracomment>A place in a group table.</extracomment>
        <translation>1er</translation>
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
        <translation>plus de match à jouer</translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation>qualification assurée quoi qu&apos;il arrive</translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation>un nul suffit</translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation>doit gagner</translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation>une victoire suffit&#xa0;; sinon, tout dépend des autres résultats</translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation>doit gagner et compter sur un autre résultat</translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation>dépend d&apos;un autre résultat</translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation>hors course quoi qu&apos;il arrive</translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation>première place du groupe assurée</translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation>en quarts de finale</translation>
    </message>
    <message>
        <source>out</source>
        <translation>hors course</translation>
    </message>
    <message>
        <source>still open</source>
        <translation>encore en course</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The places a team can still finish in: &quot;1st, 2nd or 3rd&quot;.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 by the manual order.</source>
        <translation>%1&#xa0;: %2 selon le classement manuel.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation>%1&#xa0;: %2&#xa0;; places possibles&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation>%1&#xa0;: %2&#xa0;; places possibles&#xa0;: %3&#xa0;; prochain match&#xa0;: %4.</translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation>Le classement manuel est activé&#xa0;: l&apos;ordre imposé fixe le classement de ce groupe.</translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation>Les règles risquent de ne pas départager %1 et %2&#xa0;: Fichier &gt; Classement manuel tranche une telle égalité.</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation>Le championnat de juin 2008</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Impossible de dessiner la page.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Impossible de démarrer l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>L&apos;imprimante n&apos;a pas accepté la page.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation>Le nom du fichier doit se terminer par .pdf, .png ou .svg.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Montrer les détails...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Cacher les détails...</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation>Impossible d&apos;imprimer le championnat.</translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation>Impossible d&apos;imprimer le championnat dans %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation>Impossible d&apos;exporter le championnat vers %1.</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Exporter les résultats en CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Impossible d&apos;exporter les résultats vers %1.</translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation>Match n°&#xa0;%1  %2</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation>Ce n&apos;est pas un fichier de résultats&#xa0;: sa première ligne contient %1 des %2 entrées de match.</translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation>Ce n&apos;est pas un fichier de résultats&#xa0;: le score du match %1 n&apos;est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation>Enregistrer les résultats sous</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>Impossible d&apos;enregistrer les résultats dans %1.
%2</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation>Impossible d&apos;enregistrer les résultats dans %1.</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation>Le fichier de résultats %1 n&apos;a pas pu être lu en entier. Une copie de ce fichier tel qu&apos;il était est conservée dans %2.</translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation>%1 n&apos;a pas pu être lu en entier, et aucune copie n&apos;a pu en être conservée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation>Le fichier de résultats %1 n&apos;a pas pu être lu en entier et aucune copie n&apos;a pu en être conservée&#xa0;: il ne sera donc pas écrasé.</translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation>Les derniers résultats ne sont pas enregistrés&#xa0;: impossible de les écrire dans %1.
%2

Réessayer, les enregistrer dans un autre fichier ou quitter sans enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Quitter sans enregistrer</translation>
    </message>
</context>
<context>
    <name>Stage</name>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>QF</source>
        <extracomment>Short for quarter-final.</extracomment>
        <translation>QF</translation>
    </message>
    <message>
        <source>SF</source>
        <extracomment>Short for semi-final.</extracomment>
        <translation>DF</translation>
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
        <translation>Autriche</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Croatie</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>République tchèque</translation>
    </message>
    <message>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grèce</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Pays-Bas</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Pologne</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Roumanie</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Russie</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espagne</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suède</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suisse</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turquie</translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation>1er gr. %1</translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation>2e gr. %1</translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation>Vainq. #%1</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation>Vainqueur</translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation>Fixturo est un logiciel gratuit, écrit et offert par l&apos;équipe de Fixturo.
Un grand merci à Elena Ruiz, qui a vérifié chaque résultat du championnat.</translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation>7–29 juin 2008 · 16 équipes · 31 matchs</translation>
    </message>
</context>
<context>
    <name>fixturo::BracketDialog</name>
    <message>
        <source>2nd ROUND</source>
        <translation>2e TOUR</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
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
        <translation>Second tour</translation>
    </message>
    <message>
        <source>The results file %1 cannot be written, so Fixturo keeps the results in %2 from now on, starting from a copy of it.</source>
        <translation>Impossible d&apos;écrire dans le fichier de résultats %1&#xa0;: Fixturo conserve désormais les résultats dans %2, en partant d&apos;une copie de ce fichier.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation>Classement manuel</translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation>Perspectives des groupes</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Mise à jour en ligne</translation>
    </message>
    <message>
        <source>Open Results…</source>
        <translation>Ouvrir des résultats…</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Enregistrer les résultats sous…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Export Results as CSV…</source>
        <translation>Exporter les résultats en CSV…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation>Nouveau championnat…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation>Résultat du match n°&#xa0;%1</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>Mise à jour en ligne</translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation> Téléchargement réussi</translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation>La mise à jour a réussi&#xa0;!</translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation>Les résultats ont été téléchargés, mais n&apos;ont pas pu être enregistrés dans %1.</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Erreur</translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation>La mise à jour a échoué. Vérifiez que vous êtes connecté à Internet, puis réessayez.</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Ouvrir des résultats</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation>Il contient des données que Fixturo ne réécrirait pas à l&apos;identique.</translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation>%1 n&apos;est pas un fichier de résultats que Fixturo peut lire en entier.</translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation>Saisissez les résultats ou faites la mise à jour en ligne. Si des équipes restent à égalité, vous pouvez choisir «&#xa0;Classement manuel&#xa0;» dans le menu Fichier.</translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation>Commencer un nouveau championnat&#xa0;? Tous les résultats seront effacés et le classement manuel sera désactivé. Édition &gt; Annuler permet de tout rétablir.</translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation>Nouveau championnat</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation>Case cochée, ces classements remplacent les critères de départage dans chaque groupe&#xa0;; les listes s&apos;ouvrent sur l&apos;ordre actuel.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation>Classement manuel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation>Veuillez remplir toutes les listes&#xa0;!</translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation>Perspectives des groupes</translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation>Perspectives du %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation>Places possibles</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situation</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Prochain match</translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation>selon le classement manuel</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation>Saisissez les résultats</translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation>Saisissez les résultats des tirs au but</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>TIRS AU BUT</translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation>Tirs au but&#xa0;: saisir d&apos;abord le score nul</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation>Match n°&#xa0;%1</translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation>Buts&#xa0;: %1</translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation>Tirs au but&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation>Ce n&apos;est pas une adresse http&#xa0;: %1</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>Le fichier dépasse %1 octets</translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation>Aucune donnée reçue pendant %1 ms</translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation>Aucune réponse HTTP</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Seuls %1 octets sur %2 sont arrivés</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>Statut HTTP %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ScheduleView</name>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1er TOUR - MATCHS JOUR PAR JOUR</translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation>Guide de l&apos;utilisateur de Fixturo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation>Rechercher dans le guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Not found </source>
        <translation>Introuvable </translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation>La touche Entrée dans le champ de recherche fait de même</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Fermer la barre de recherche</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
</context>
</TS>
