<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation>16 ομάδες, 31 αγώνες, 7 έως 29 Ιουνίου 2008</translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>Α΄ ΓΥΡΟΣ - ΗΜΕΡΗΣΙΟ ΠΡΟΓΡΑΜΜΑ</translation>
    </message>
    <message>
        <source>2nd ROUND</source>
        <translation>Β΄ ΓΥΡΟΣ</translation>
    </message>
    <message>
        <source>FINAL, </source>
        <translation>ΤΕΛΙΚΟΣ, </translation>
    </message>
    <message>
        <source>CHAMPION</source>
        <translation>ΠΡΩΤΑΘΛΗΤΡΙΑ</translation>
    </message>
</context>
<context>
    <name>City</name>
    <message>
        <source>Basel</source>
        <translation>Βασιλεία</translation>
    </message>
    <message>
        <source>Berne</source>
        <translation>Βέρνη</translation>
    </message>
    <message>
        <source>Geneva</source>
        <translation>Γενεύη</translation>
    </message>
    <message>
        <source>Innsbruck</source>
        <translation>Ίνσμπρουκ</translation>
    </message>
    <message>
        <source>Klagenfurt</source>
        <translation>Κλάγκενφουρτ</translation>
    </message>
    <message>
        <source>Salzburg</source>
        <translation>Σάλτσμπουργκ</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Βιέννη</translation>
    </message>
    <message>
        <source>Zurich</source>
        <translation>Ζυρίχη</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>Downloading the results…</source>
        <translation>Λήψη των αποτελεσμάτων…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation> Ενημέρωση μέσω Διαδικτύου</translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation>%1: %2, νίκες %3, ισοπαλίες %4, ήττες %5, %6 υπέρ, %7 κατά</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n βαθμός</numerusform>
            <numerusform>%n βαθμοί</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation>
            <numerusform>%n γκολ</numerusform>
            <numerusform>%n γκολ</numerusform>
        </translation>
    </message>
    <message>
        <source>GROUP %1</source>
        <extracomment>The caption of a group&apos;s table, in capitals.</extracomment>
        <translation>ΟΜΙΛΟΣ %1</translation>
    </message>
    <message>
        <source>Pts W D L GF GA</source>
        <extracomment>The titles over a group table&apos;s numbers: points, won, drawn, lost, goals for, goals against. Keep the shape: a title of three letters, three of one letter and two of two letters, one space apart, so that each title stands over its column.</extracomment>
        <translation>Βαθ Ν Ι Η ΓΥ ΓΚ</translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation> (%1 στα πέναλτι)</translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation>Αγώνας %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>OutlookLines</name>
    <message>
        <source>1st</source>
        <extracomment>A place in a group table.</extracomment>
        <translation>1η</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2η</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3η</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4η</translation>
    </message>
    <message>
        <source>no match left</source>
        <translation>δεν έχει άλλο αγώνα</translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation>προκρίνεται ό,τι κι αν γίνει</translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation>αρκεί η ισοπαλία</translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation>χρειάζεται νίκη</translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation>αρκεί η νίκη· αλλιώς εξαρτάται από άλλα αποτελέσματα</translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation>χρειάζεται νίκη και ευνοϊκό αποτέλεσμα σε άλλο αγώνα</translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation>χρειάζεται ευνοϊκό αποτέλεσμα σε άλλο αγώνα</translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation>αποκλείεται ό,τι κι αν γίνει</translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation>προκρίθηκε ως πρώτη του ομίλου</translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation>προκρίθηκε στους προημιτελικούς</translation>
    </message>
    <message>
        <source>out</source>
        <translation>αποκλείστηκε</translation>
    </message>
    <message>
        <source>still open</source>
        <translation>δεν έχει κριθεί</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The places a team can still finish in: &quot;1st, 2nd or 3rd&quot;.</extracomment>
        <translation>%1 ή %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 by the manual order.</source>
        <translation>%1: %2 με τη χειροκίνητη κατάταξη.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation>%1: %2· μπορεί να τερματίσει %3.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation>%1: %2· μπορεί να τερματίσει %3· επόμενος αγώνας: %4.</translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation>Η χειροκίνητη κατάταξη είναι ενεργή: τη σειρά αυτού του ομίλου την ορίζετε εσείς.</translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation>Οι κανονισμοί ίσως δεν μπορούν να ξεχωρίσουν τις %1 και %2: μια τέτοια ισοβαθμία λύνεται από το Αρχείο &gt; Χειροκίνητη κατάταξη.</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation>Το πρωτάθλημα του Ιουνίου 2008</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Δεν ήταν δυνατή η σχεδίαση της σελίδας.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Δεν ήταν δυνατή η εκκίνηση του εκτυπωτή.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>Ο εκτυπωτής δεν δέχτηκε τη σελίδα.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation>Το όνομα του αρχείου πρέπει να τελειώνει σε .pdf, .png ή .svg.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Εμφάνιση λεπτομερειών...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Απόκρυψη λεπτομερειών...</translation>
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
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Όχι</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Προεπισκόπηση εκτύπωσης</translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation>Δεν ήταν δυνατή η εκτύπωση του πρωταθλήματος.</translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation>Δεν ήταν δυνατή η εκτύπωση του πρωταθλήματος στο %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Έγγραφο PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Εικόνα PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Σχέδιο SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Εξαγωγή</translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation>Δεν ήταν δυνατή η εξαγωγή του πρωταθλήματος στο %1.</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Εξαγωγή αποτελεσμάτων ως CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Αρχείο CSV (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Δεν ήταν δυνατή η εξαγωγή των αποτελεσμάτων στο %1.</translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation>Αγώνας #%1  %2</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation>Δεν είναι αρχείο αποτελεσμάτων: η πρώτη του γραμμή έχει %1 από τις %2 καταχωρίσεις αγώνων.</translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation>Δεν είναι αρχείο αποτελεσμάτων: το σκορ του αγώνα %1 δεν είναι αριθμός.</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation>Αποθήκευση των αποτελεσμάτων ως</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Αρχεία κειμένου (*.txt);;Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση των αποτελεσμάτων στο %1.
%2</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση των αποτελεσμάτων στο %1.</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation>Το αρχείο αποτελεσμάτων %1 δεν ήταν δυνατό να διαβαστεί ολόκληρο. Ένα αντίγραφό του, όπως ήταν, φυλάσσεται στο %2.</translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation>Το %1 δεν ήταν δυνατό να διαβαστεί ολόκληρο ούτε να φυλαχτεί αντίγραφό του: %2</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation>Το αρχείο αποτελεσμάτων %1 δεν ήταν δυνατό να διαβαστεί ολόκληρο ούτε να φυλαχτεί αντίγραφό του, γι&apos; αυτό δεν θα αντικατασταθεί.</translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation>Τα τελευταία αποτελέσματα δεν έχουν αποθηκευτεί: δεν ήταν δυνατή η εγγραφή τους στο %1.
%2

Νέα προσπάθεια, αποθήκευση σε άλλο αρχείο ή έξοδος χωρίς αποθήκευση;</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Νέα προσπάθεια</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Αποθήκευση ως…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Έξοδος χωρίς αποθήκευση</translation>
    </message>
</context>
<context>
    <name>Stage</name>
    <message>
        <source>Group %1</source>
        <translation>Όμιλος %1</translation>
    </message>
    <message>
        <source>QF</source>
        <extracomment>Short for quarter-final.</extracomment>
        <translation>Προημ.</translation>
    </message>
    <message>
        <source>SF</source>
        <extracomment>Short for semi-final.</extracomment>
        <translation>Ημιτ.</translation>
    </message>
    <message>
        <source>F</source>
        <extracomment>Short for final.</extracomment>
        <translation>Τελ.</translation>
    </message>
</context>
<context>
    <name>Team</name>
    <message>
        <source>Austria</source>
        <translation>Αυστρία</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Κροατία</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Τσεχία</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Γαλλία</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Γερμανία</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Ελλάδα</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Ιταλία</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Ολλανδία</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Πολωνία</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Πορτογαλία</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Ρουμανία</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Ρωσία</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Ισπανία</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Σουηδία</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Ελβετία</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Τουρκία</translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation>Νικητής Ομ. %1</translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation>Δεύτερος Ομ. %1</translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation>Νικητής #%1</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation>Νικητής</translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation>Το Fixturo είναι δωρεάν πρόγραμμα, γραμμένο και διανεμημένο από την ομάδα του Fixturo.
Θερμές ευχαριστίες στην Elena Ruiz που έλεγξε κάθε αποτέλεσμα του πρωταθλήματος.</translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation>7–29 Ιουνίου 2008 · 16 ομάδες · 31 αγώνες</translation>
    </message>
</context>
<context>
    <name>fixturo::BracketDialog</name>
    <message>
        <source>2nd ROUND</source>
        <translation>Β΄ ΓΥΡΟΣ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>ΤΕΛΙΚΟΣ</translation>
    </message>
</context>
<context>
    <name>fixturo::MainWindow</name>
    <message>
        <source>Second Round</source>
        <translation>Δεύτερος γύρος</translation>
    </message>
    <message>
        <source>The results file %1 cannot be written, so Fixturo keeps the results in %2 from now on, starting from a copy of it.</source>
        <translation>Δεν είναι δυνατή η εγγραφή στο αρχείο αποτελεσμάτων %1, γι&apos; αυτό το Fixturo θα κρατά από εδώ και πέρα τα αποτελέσματα στο %2, ξεκινώντας από ένα αντίγραφό του.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Αρχείο</translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation>Χειροκίνητη κατάταξη</translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation>Προοπτικές ομίλων</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Ενημέρωση μέσω Διαδικτύου</translation>
    </message>
    <message>
        <source>Open Results…</source>
        <translation>Άνοιγμα αποτελεσμάτων…</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Αποθήκευση αποτελεσμάτων ως…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Εκτύπωση…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Εξαγωγή…</translation>
    </message>
    <message>
        <source>Export Results as CSV…</source>
        <translation>Εξαγωγή αποτελεσμάτων ως CSV…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Επεξεργασία</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Αναίρεση</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation>Νέο πρωτάθλημα…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Οδηγός χρήσης</translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation>Αποτέλεσμα αγώνα #%1</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>Ενημέρωση μέσω Διαδικτύου</translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation> Επιτυχής λήψη</translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation>Η ενημέρωση ολοκληρώθηκε με επιτυχία!</translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation>Έγινε λήψη των αποτελεσμάτων, αλλά δεν ήταν δυνατή η αποθήκευσή τους στο %1.</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Σφάλμα</translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation>Παρουσιάστηκε σφάλμα κατά την ενημέρωση. Βεβαιωθείτε ότι είστε συνδεδεμένοι στο Διαδίκτυο και δοκιμάστε ξανά!</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Άνοιγμα αποτελεσμάτων</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Αρχεία κειμένου (*.txt);;Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation>Περιέχει κάτι που το Fixturo δεν θα έγραφε ξανά με τον ίδιο τρόπο.</translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation>Το %1 δεν είναι αρχείο αποτελεσμάτων που μπορεί να διαβάσει ολόκληρο το Fixturo.</translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation>Εισαγάγετε το αποτέλεσμα ή κάντε ενημέρωση μέσω Διαδικτύου. Αν οι ομάδες ισοβαθμούν, μπορείτε να επιλέξετε «Χειροκίνητη κατάταξη» από το μενού Αρχείο.</translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation>Έναρξη νέου πρωταθλήματος; Όλα τα αποτελέσματα διαγράφονται και η χειροκίνητη κατάταξη απενεργοποιείται. Με την Αναίρεση επανέρχονται.</translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation>Νέο πρωτάθλημα</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Αναίρεση: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Επανάληψη: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation>Αν επιλεγεί, αυτή η σειρά αντικαθιστά τα κριτήρια ισοβαθμίας σε κάθε όμιλο· οι λίστες ανοίγουν με την τρέχουσα σειρά.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Χειροκίνητη</translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation>Χρήση χειροκίνητης κατάταξης</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation>Συμπληρώστε όλες τις θέσεις, παρακαλώ!</translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation>Προοπτικές ομίλων</translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation>%1: προοπτικές</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Ομάδα</translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation>Πιθανές θέσεις</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Επόμενος αγώνας</translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation>με τη χειροκίνητη κατάταξη</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation>Εισαγάγετε τα αποτελέσματα</translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation>Εισαγάγετε τα αποτελέσματα των πέναλτι</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>ΠΕΝΑΛΤΙ</translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation>Για πέναλτι, γράψτε πρώτα το ισόπαλο σκορ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation>Αγώνας #%1</translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation>Γκολ: %1</translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation>Πέναλτι: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation>Δεν είναι διεύθυνση http: %1</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Ακυρώθηκε</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>Το αρχείο είναι μεγαλύτερο από %1 byte</translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation>Δεν ήρθαν δεδομένα για %1 ms</translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation>Καμία απάντηση HTTP</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Έφτασαν μόνο %1 από τα %2 byte</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>Κατάσταση HTTP %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ScheduleView</name>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>Α΄ ΓΥΡΟΣ - ΗΜΕΡΗΣΙΟ ΠΡΟΓΡΑΜΜΑ</translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation>Οδηγός χρήσης του Fixturo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Οδηγός χρήσης</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Εύρεση:</translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation>Εύρεση στον οδηγό χρήσης</translation>
    </message>
    <message>
        <source>Not found </source>
        <translation>Δεν βρέθηκε </translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Εύρεση επόμενου</translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation>Το Return στο πλαίσιο εύρεσης κάνει το ίδιο</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Κλείσιμο της γραμμής εύρεσης</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Εύρεση</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Δεν βρέθηκε</translation>
    </message>
</context>
</TS>
