<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation>16 takım, 31 maç, 7-29 Haziran 2008</translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1. TUR - GÜNLÜK MAÇ PROGRAMI</translation>
    </message>
    <message>
        <source>2nd ROUND</source>
        <translation>2. TUR</translation>
    </message>
    <message>
        <source>FINAL, </source>
        <translation>FİNAL, </translation>
    </message>
    <message>
        <source>CHAMPION</source>
        <translation>ŞAMPİYON</translation>
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
        <translation>Cenevre</translation>
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
        <translation>Viyana</translation>
    </message>
    <message>
        <source>Zurich</source>
        <translation>Zürih</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>Downloading the results…</source>
        <translation>Sonuçlar indiriliyor…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation> Çevrimiçi Güncelle</translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation>%1: %2, %3 galibiyet, %4 beraberlik, %5 mağlubiyet, atılan %6, yenilen %7</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n puan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation>
            <numerusform>%n gol</numerusform>
        </translation>
    </message>
    <message>
        <source>GROUP %1</source>
        <extracomment>The caption of a group&apos;s table, in capitals.</extracomment>
        <translation>%1 GRUBU</translation>
    </message>
    <message>
        <source>Pts W D L GF GA</source>
        <extracomment>The titles over a group table&apos;s numbers: points, won, drawn, lost, goals for, goals against. Keep the shape: a title of three letters, three of one letter and two of two letters, one space apart, so that each title stands over its column.</extracomment>
        <translation>Pua G B M AG YG</translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation> (penaltılarda %1)</translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation>Maç %1: %2, %3</translation>
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
        <translation>maçı kalmadı</translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation>sonuç ne olursa olsun tur atlar</translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation>beraberlik yeterli</translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation>galibiyet şart</translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation>galibiyet yeterli; aksi halde diğer sonuçlara bağlı</translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation>galibiyet ve başka bir maçtan uygun sonuç gerekli</translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation>başka bir maçtan uygun sonuç gerekli</translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation>sonuç ne olursa olsun elenir</translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation>grup birincisi olarak tur atladı</translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation>çeyrek finale yükseldi</translation>
    </message>
    <message>
        <source>out</source>
        <translation>elendi</translation>
    </message>
    <message>
        <source>still open</source>
        <translation>henüz belli değil</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The places a team can still finish in: &quot;1st, 2nd or 3rd&quot;.</extracomment>
        <translation>%1 veya %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 by the manual order.</source>
        <translation>%1: manuel sıralamaya göre %2.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation>%1: %2; grubu %3 sırada bitirebilir.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation>%1: %2; grubu %3 sırada bitirebilir; sonraki maç: %4.</translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation>Manuel sıralama açık: bu grupta elle belirlenen sıra geçerli.</translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation>Kurallar %1 ve %2 takımlarını ayıramayabilir: böyle bir eşitliği Dosya &gt; Manuel Sıralama ile çözebilirsiniz.</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation>Haziran 2008 şampiyonası</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Sayfa çizilemedi.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Yazıcı başlatılamadı.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>Yazıcı sayfayı kabul etmedi.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation>Dosya adı .pdf, .png veya .svg ile bitmelidir.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Ayrıntıları Göster...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ayrıntıları Gizle...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Baskı Önizleme</translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation>Şampiyona yazdırılamadı.</translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation>Şampiyona %1 dosyasına yazdırılamadı.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF belgesi (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG resmi (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG çizimi (*.svg)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa Aktar</translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation>Şampiyona %1 dosyasına aktarılamadı.</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Sonuçları CSV Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV dosyası (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Sonuçlar %1 dosyasına aktarılamadı.</translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation>Maç #%1  %2</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation>Sonuç dosyası değil: ilk satırında %2 maç kaydı yerine %1 kayıt var.</translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation>Sonuç dosyası değil: %1 numaralı maçın skoru sayı değil.</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation>Sonuçları Farklı Kaydet</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Metin dosyaları (*.txt);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>Sonuçlar %1 dosyasına kaydedilemedi.
%2</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation>Sonuçlar %1 dosyasına kaydedilemedi.</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation>%1 sonuç dosyası tümüyle okunamadı. Dosyanın olduğu gibi bir kopyası %2 olarak saklandı.</translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation>%1 tümüyle okunamadı ve kopyası da saklanamadı: %2</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation>%1 sonuç dosyası tümüyle okunamadı ve kopyası da saklanamadı; bu yüzden dosyanın üzerine yazılmayacak.</translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation>En son sonuçlar kaydedilmedi: %1 dosyasına yazılamadı.
%2

Yeniden denensin mi, başka bir dosyaya mı kaydedilsin, yoksa kaydetmeden mi çıkılsın?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Yeniden Dene</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Farklı Kaydet…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Kaydetmeden Çık</translation>
    </message>
</context>
<context>
    <name>Stage</name>
    <message>
        <source>Group %1</source>
        <translation>%1 Grubu</translation>
    </message>
    <message>
        <source>QF</source>
        <extracomment>Short for quarter-final.</extracomment>
        <translation>ÇF</translation>
    </message>
    <message>
        <source>SF</source>
        <extracomment>Short for semi-final.</extracomment>
        <translation>YF</translation>
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
        <translation>Avusturya</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Hırvatistan</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Çek Cumhuriyeti</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Fransa</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Almanya</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Yunanistan</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>İtalya</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Hollanda</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonya</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portekiz</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Romanya</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rusya</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>İspanya</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>İsveç</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>İsviçre</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Türkiye</translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation>%1 Grubu 1.</translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation>%1 Grubu 2.</translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation>Maç #%1 Galibi</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation>Kazanan</translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation>Fixturo, Fixturo ekibinin yazıp ücretsiz dağıttığı bir programdır.
Şampiyonanın tüm sonuçlarını tek tek kontrol eden Elena Ruiz&apos;e çok teşekkürler.</translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation>7–29 Haziran 2008 · 16 takım · 31 maç</translation>
    </message>
</context>
<context>
    <name>fixturo::BracketDialog</name>
    <message>
        <source>2nd ROUND</source>
        <translation>2. TUR</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>FİNAL</translation>
    </message>
</context>
<context>
    <name>fixturo::MainWindow</name>
    <message>
        <source>Second Round</source>
        <translation>İkinci Tur</translation>
    </message>
    <message>
        <source>The results file %1 cannot be written, so Fixturo keeps the results in %2 from now on, starting from a copy of it.</source>
        <translation>%1 sonuç dosyasına yazılamıyor; bu yüzden Fixturo bundan sonra sonuçları, bu dosyanın bir kopyasından başlayarak %2 dosyasında tutacak.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation>Manuel Sıralama</translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation>Grup Olasılıkları</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Çevrimiçi Güncelle</translation>
    </message>
    <message>
        <source>Open Results…</source>
        <translation>Sonuçları Aç…</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Sonuçları Farklı Kaydet…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Yazdır…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Dışa Aktar…</translation>
    </message>
    <message>
        <source>Export Results as CSV…</source>
        <translation>Sonuçları CSV Olarak Dışa Aktar…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri Al</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation>Yeni Şampiyona…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Kullanım Kılavuzu</translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation>Maç #%1 Sonucu</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>Çevrimiçi Güncelleme</translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation> İndirme Başarılı</translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation>Güncelleme başarıyla tamamlandı!</translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation>Sonuçlar indirildi ancak %1 dosyasına kaydedilemedi.</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Hata</translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation>Güncelleme sırasında bir hata oluştu. İnternete bağlı olduğunuzdan emin olun ve yeniden deneyin!</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Sonuçları Aç</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Metin dosyaları (*.txt);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation>Dosyada, Fixturo&apos;nun aynı biçimde geri yazamayacağı bir içerik var.</translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation>%1, Fixturo&apos;nun tümüyle okuyabileceği bir sonuç dosyası değil.</translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation>Sonucu girin veya çevrimiçi güncelleyin. Takımlar eşit durumdaysa Dosya menüsünden &apos;Manuel Sıralama&apos; öğesini seçebilirsiniz.</translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation>Yeni bir şampiyona başlatılsın mı? Tüm sonuçlar silinir ve manuel sıralama kapatılır. Geri Al ile hepsi geri gelir.</translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation>Yeni Şampiyona</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Geri Al: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Yinele: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation>İşaretliyse bu sıralar her grupta eşitlik kurallarının yerine geçer; listeler güncel sırayla açılır.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation>Manuel Sıralamayı Kullan</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation>Lütfen tüm sıraları doldurun!</translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation>Grup Olasılıkları</translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation>%1 olasılıkları</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Takım</translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation>Olası sıra</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Sonraki maç</translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation>manuel sıralamaya göre</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation>Sonuçları girin</translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation>Penaltı sonuçlarını girin</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>PENALTILAR</translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation>Penaltılar için önce beraberlik skorunu girin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation>Maç #%1</translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation>%1 takımının golleri</translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation>%1 takımının penaltı golleri</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation>HTTP adresi değil: %1</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>İptal edildi</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>Dosya %1 bayttan büyük</translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation>%1 ms boyunca veri gelmedi</translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation>HTTP yanıtı yok</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>%2 baytın yalnızca %1 baytı ulaştı</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP durumu %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ScheduleView</name>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1. TUR - GÜNLÜK MAÇ PROGRAMI</translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation>Fixturo Kullanım Kılavuzu</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Kullanım Kılavuzu</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Bul:</translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation>Kullanım kılavuzunda ara</translation>
    </message>
    <message>
        <source>Not found </source>
        <translation>Bulunamadı </translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Sonrakini Bul</translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation>Arama kutusunda Return tuşu da aynı işi görür</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Arama çubuğunu kapat</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Bul</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Bulunamadı</translation>
    </message>
</context>
</TS>
