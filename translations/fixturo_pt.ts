<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd ROUND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FINAL, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHAMPION</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>City</name>
    <message>
        <source>Basel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geneva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Innsbruck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klagenfurt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salzburg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurich</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>Downloading the results…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>GROUP %1</source>
        <extracomment>The caption of a group&apos;s table, in capitals.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pts W D L GF GA</source>
        <extracomment>The titles over a group table&apos;s numbers: points, won, drawn, lost, goals for, goals against. Keep the shape: a title of three letters, three of one letter and two of two letters, one space apart, so that each title stands over its column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutlookLines</name>
    <message>
        <source>1st</source>
        <extracomment>A place in a group table.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no match left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>still open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The places a team can still finish in: &quot;1st, 2nd or 3rd&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 by the manual order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Stage</name>
    <message>
        <source>Group %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QF</source>
        <extracomment>Short for quarter-final.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SF</source>
        <extracomment>Short for semi-final.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F</source>
        <extracomment>Short for final.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Team</name>
    <message>
        <source>Austria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>France</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Germany</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fixturo::BracketDialog</name>
    <message>
        <source>2nd ROUND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fixturo::MainWindow</name>
    <message>
        <source>Second Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results file %1 cannot be written, so Fixturo keeps the results in %2 from now on, starting from a copy of it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Results…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Results as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fixturo::ScheduleView</name>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
