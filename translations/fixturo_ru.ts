<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation>16 команд, 31 матч, 7–29 июня 2008 года</translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>ГРУППОВОЙ ЭТАП — МАТЧИ ПО ДНЯМ</translation>
    </message>
    <message>
        <source>2nd ROUND</source>
        <translation>ПЛЕЙ-ОФФ</translation>
    </message>
    <message>
        <source>FINAL, </source>
        <translation>ФИНАЛ, </translation>
    </message>
    <message>
        <source>CHAMPION</source>
        <translation>ЧЕМПИОН</translation>
    </message>
</context>
<context>
    <name>City</name>
    <message>
        <source>Basel</source>
        <translation>Базель</translation>
    </message>
    <message>
        <source>Berne</source>
        <translation>Берн</translation>
    </message>
    <message>
        <source>Geneva</source>
        <translation>Женева</translation>
    </message>
    <message>
        <source>Innsbruck</source>
        <translation>Инсбрук</translation>
    </message>
    <message>
        <source>Klagenfurt</source>
        <translation>Клагенфурт</translation>
    </message>
    <message>
        <source>Salzburg</source>
        <translation>Зальцбург</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Вена</translation>
    </message>
    <message>
        <source>Zurich</source>
        <translation>Цюрих</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>Downloading the results…</source>
        <translation>Загрузка результатов…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation> Обновление из интернета</translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation>%1: %2, побед: %3, ничьих: %4, поражений: %5, забито: %6, пропущено: %7</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n очко</numerusform>
            <numerusform>%n очка</numerusform>
            <numerusform>%n очков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation>
            <numerusform>%n гол</numerusform>
            <numerusform>%n гола</numerusform>
            <numerusform>%n голов</numerusform>
        </translation>
    </message>
    <message>
        <source>GROUP %1</source>
        <extracomment>The caption of a group&apos;s table, in capitals.</extracomment>
        <translation>ГРУППА %1</translation>
    </message>
    <message>
        <source>Pts W D L GF GA</source>
        <extracomment>The titles over a group table&apos;s numbers: points, won, drawn, lost, goals for, goals against. Keep the shape: a title of three letters, three of one letter and two of two letters, one space apart, so that each title stands over its column.</extracomment>
        <translation>Очк В Н П ЗМ ПМ</translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation> (%1 по пенальти)</translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation>Матч №%1: %2, %3</translation>
    </message>
</context>
<context>
    <name>OutlookLines</name>
    <message>
        <source>1st</source>
        <extracomment>A place in a group table.</extracomment>
        <translation>1-е</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2-е</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3-е</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4-е</translation>
    </message>
    <message>
        <source>no match left</source>
        <translation>матчей не осталось</translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation>выходит при любом исходе</translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation>достаточно ничьей</translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation>нужна победа</translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation>победы достаточно; иначе всё зависит от других результатов</translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation>нужны победа и подходящий результат в другом матче</translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation>нужен подходящий результат в другом матче</translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation>выбывает при любом исходе</translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation>победитель группы</translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation>в четвертьфинале</translation>
    </message>
    <message>
        <source>out</source>
        <translation>выбывает</translation>
    </message>
    <message>
        <source>still open</source>
        <translation>ещё не решено</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The places a team can still finish in: &quot;1st, 2nd or 3rd&quot;.</extracomment>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2 by the manual order.</source>
        <translation>%1: %2 место по ручному порядку.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation>%1: %2; может занять %3 место.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation>%1: %2; может занять %3 место; в следующем матче: %4.</translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation>Ручной порядок включён: места в этой группе определяет заданный порядок.</translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation>Правила могут не определить порядок между %1 и %2: в таком случае используйте «Файл &gt; Ручной порядок».</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation>Чемпионат июня 2008 года</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Не удалось отрисовать страницу.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Не удалось запустить принтер.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>Принтер не принял страницу.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation>Имя файла должно оканчиваться на .pdf, .png или .svg.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Показать подробности...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Скрыть подробности...</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation>Не удалось напечатать чемпионат.</translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation>Не удалось напечатать чемпионат в %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Рисунок SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation>Не удалось экспортировать чемпионат в %1.</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Экспорт результатов в CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Не удалось экспортировать результаты в %1.</translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation>Матч №%1  %2</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation>Это не файл результатов: в его первой строке %1 из %2 записей о матчах.</translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation>Это не файл результатов: счёт матча %1 не является числом.</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation>Сохранить результаты как</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Текстовые файлы (*.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>Не удалось сохранить результаты в %1.
%2</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation>Не удалось сохранить результаты в %1.</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation>Файл результатов %1 не удалось прочитать целиком. Его копия в исходном виде сохранена в %2.</translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation>Не удалось прочитать %1 целиком, и сохранить его копию тоже не удалось: %2</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation>Файл результатов %1 не удалось прочитать целиком, а сохранить его копию не удалось, поэтому он не будет перезаписан.</translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation>Последние результаты не сохранены: не удалось записать их в %1.
%2

Повторить попытку, сохранить их в другой файл или выйти без сохранения?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Выйти без сохранения</translation>
    </message>
</context>
<context>
    <name>Stage</name>
    <message>
        <source>Group %1</source>
        <translation>Группа %1</translation>
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
        <translation>Финал</translation>
    </message>
</context>
<context>
    <name>Team</name>
    <message>
        <source>Austria</source>
        <translation>Австрия</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Хорватия</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Чехия</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Франция</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Германия</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Греция</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Италия</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Нидерланды</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Польша</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Португалия</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Румыния</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Россия</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Испания</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Швеция</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Швейцария</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Турция</translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation>Победитель гр. %1</translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation>2-е место гр. %1</translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation>Победитель №%1</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation>Победитель</translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation>Fixturo — бесплатная программа, созданная и распространяемая командой Fixturo.
Большое спасибо Елене Руис за проверку всех результатов чемпионата.</translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation>7–29 июня 2008 · 16 команд · 31 матч</translation>
    </message>
</context>
<context>
    <name>fixturo::BracketDialog</name>
    <message>
        <source>2nd ROUND</source>
        <translation>ПЛЕЙ-ОФФ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>ФИНАЛ</translation>
    </message>
</context>
<context>
    <name>fixturo::MainWindow</name>
    <message>
        <source>Second Round</source>
        <translation>Плей-офф</translation>
    </message>
    <message>
        <source>The results file %1 cannot be written, so Fixturo keeps the results in %2 from now on, starting from a copy of it.</source>
        <translation>Файл результатов %1 недоступен для записи, поэтому теперь Fixturo хранит результаты в %2, начиная с его копии.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation>Ручной порядок</translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation>Расклады в группах</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Обновить из интернета</translation>
    </message>
    <message>
        <source>Open Results…</source>
        <translation>Открыть результаты…</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Сохранить результаты как…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Печать…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>Export Results as CSV…</source>
        <translation>Экспорт результатов в CSV…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation>Новый чемпионат…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation>результат матча №%1</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>обновление из интернета</translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation> Загрузка завершена</translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation>Обновление успешно выполнено!</translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation>Результаты загружены, но сохранить их в %1 не удалось.</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Ошибка</translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation>Не удалось выполнить обновление. Проверьте подключение к интернету и повторите попытку.</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Открытие результатов</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Текстовые файлы (*.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation>В нём есть данные, которые Fixturo не смог бы записать обратно в том же виде.</translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation>Fixturo не может целиком прочитать %1 как файл результатов.</translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation>Введите результат или обновите результаты из интернета. Если команды остаются равными, выберите «Ручной порядок» в меню «Файл».</translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation>Начать новый чемпионат? Все результаты будут удалены, а ручной порядок — отключён. Команда «Отменить» вернёт всё обратно.</translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation>новый чемпионат</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation>Если отмечено, этот порядок заменяет дополнительные показатели во всех группах; в списках — текущий порядок.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ручной порядок</translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation>Применять ручной порядок</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation>Пожалуйста, заполните все места!</translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation>Расклады в группах</translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation>%1: расклады</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation>Возможные места</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Положение</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Следующий матч</translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation>по ручному порядку</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation>Введите счёт матча.</translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation>Введите счёт серии пенальти.</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>ПЕНАЛЬТИ</translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation>При пенальти сначала введите ничейный счёт</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation>Матч №%1</translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation>Голы: %1</translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation>Пенальти: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation>Это не HTTP-адрес: %1</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>Файл больше %1 байт</translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation>Нет данных в течение %1 мс</translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation>Нет ответа HTTP</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Получено только %1 из %2 байт</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>Статус HTTP %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ScheduleView</name>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>ГРУППОВОЙ ЭТАП — МАТЧИ ПО ДНЯМ</translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation>Руководство пользователя Fixturo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Найти:</translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation>Поиск в руководстве пользователя</translation>
    </message>
    <message>
        <source>Not found </source>
        <translation>Не найдено </translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Найти далее</translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation>Клавиша Return в поле поиска делает то же самое</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Закрыть панель поиска</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Не найдено</translation>
    </message>
</context>
</TS>
