<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation>16 seleções, 31 jogos, de 7 a 29 de junho de 2008</translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1.ª FASE - JOGOS DIA A DIA</translation>
    </message>
    <message>
        <source>2nd ROUND</source>
        <translation>2.ª FASE</translation>
    </message>
    <message>
        <source>FINAL, </source>
        <translation>FINAL, </translation>
    </message>
    <message>
        <source>CHAMPION</source>
        <translation>CAMPEÃO</translation>
    </message>
</context>
<context>
    <name>City</name>
    <message>
        <source>Basel</source>
        <translation>Basileia</translation>
    </message>
    <message>
        <source>Berne</source>
        <translation>Berna</translation>
    </message>
    <message>
        <source>Geneva</source>
        <translation>Genebra</translation>
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
        <translation>Salzburgo</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Viena</translation>
    </message>
    <message>
        <source>Zurich</source>
        <translation>Zurique</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>Downloading the results…</source>
        <translation>A transferir os resultados…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation> Atualizar online</translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation>%1: %2, vitórias %3, empates %4, derrotas %5, %6 a favor, %7 contra</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n ponto</numerusform>
            <numerusform>%n pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation>
            <numerusform>%n golo</numerusform>
            <numerusform>%n golos</numerusform>
        </translation>
    </message>
    <message>
        <source>GROUP %1</source>
        <extracomment>The caption of a group&apos;s table, in capitals.</extracomment>
        <translation>GRUPO %1</translation>
    </message>
    <message>
        <source>Pts W D L GF GA</source>
        <extracomment>The titles over a group table&apos;s numbers: points, won, drawn, lost, goals for, goals against. Keep the shape: a title of three letters, three of one letter and two of two letters, one space apart, so that each title stands over its column.</extracomment>
        <translation>Pts V E D GM GS</translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation> (%1 nos penáltis)</translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation>Jogo %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>OutlookLines</name>
    <message>
        <source>1st</source>
        <extracomment>A place in a group table.</extracomment>
        <translation>1.º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.º</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.º</translation>
    </message>
    <message>
        <source>no match left</source>
        <translation>sem jogos por disputar</translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation>apura-se aconteça o que acontecer</translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation>basta um empate</translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation>precisa de ganhar</translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation>basta ganhar; caso contrário, depende de outros resultados</translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation>precisa de ganhar e de outro resultado favorável</translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation>precisa de outro resultado favorável</translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation>fica de fora aconteça o que acontecer</translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation>apura-se em 1.º lugar do grupo</translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation>segue para os quartos de final</translation>
    </message>
    <message>
        <source>out</source>
        <translation>fora de prova</translation>
    </message>
    <message>
        <source>still open</source>
        <translation>em aberto</translation>
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
        <translation>%1: %2 segundo a ordem manual.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation>%1: %2; pode acabar em %3.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation>%1: %2; pode acabar em %3; próximo jogo: %4.</translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation>A ordem manual está ativa: a ordem imposta decide este grupo.</translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation>As regras podem não desempatar %1 e %2: Ficheiro &gt; Ordem manual resolve esse empate.</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation>O campeonato de junho de 2008</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Não foi possível desenhar a página.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Não foi possível iniciar a impressora.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>A impressora não aceitou a página.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation>O nome do ficheiro tem de terminar em .pdf, .png ou .svg.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Mostrar detalhes...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ocultar detalhes...</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Pré-visualização da impressão</translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation>Não foi possível imprimir o campeonato.</translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation>Não foi possível imprimir o campeonato para %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation>Não foi possível exportar o campeonato para %1.</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Exportar resultados como CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Ficheiro CSV (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Não foi possível exportar os resultados para %1.</translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation>Jogo n.º %1  %2</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation>Não é um ficheiro de resultados: a primeira linha contém %1 das %2 entradas de jogos.</translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation>Não é um ficheiro de resultados: o resultado do jogo %1 não é um número.</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation>Guardar os resultados como</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Ficheiros de texto (*.txt);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>Não foi possível guardar os resultados em %1.
%2</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation>Não foi possível guardar os resultados em %1.</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation>Não foi possível ler na íntegra o ficheiro de resultados %1. Foi guardada em %2 uma cópia do ficheiro tal como estava.</translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation>Não foi possível ler %1 na íntegra nem guardar uma cópia: %2</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation>Não foi possível ler na íntegra o ficheiro de resultados %1 nem guardar uma cópia, pelo que não será substituído.</translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation>Os resultados mais recentes não estão guardados: não foi possível escrevê-los em %1.
%2

Tentar novamente, guardá-los noutro ficheiro ou sair sem guardar?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Sair sem guardar</translation>
    </message>
</context>
<context>
    <name>Stage</name>
    <message>
        <source>Group %1</source>
        <translation>Grupo %1</translation>
    </message>
    <message>
        <source>QF</source>
        <extracomment>Short for quarter-final.</extracomment>
        <translation>QF</translation>
    </message>
    <message>
        <source>SF</source>
        <extracomment>Short for semi-final.</extracomment>
        <translation>MF</translation>
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
        <translation>Áustria</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Croácia</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>República Checa</translation>
    </message>
    <message>
        <source>France</source>
        <translation>França</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Alemanha</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grécia</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Itália</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Países Baixos</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polónia</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Roménia</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rússia</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espanha</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suécia</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suíça</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turquia</translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation>Vencedor Gr. %1</translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation>Segundo Gr. %1</translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation>Vencedor n.º %1</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation>Vencedor</translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation>O Fixturo é um programa gratuito, escrito e oferecido pela equipa do Fixturo.
Muito obrigado a Elena Ruiz por ter verificado todos os resultados do campeonato.</translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation>7–29 de junho de 2008 · 16 seleções · 31 jogos</translation>
    </message>
</context>
<context>
    <name>fixturo::BracketDialog</name>
    <message>
        <source>2nd ROUND</source>
        <translation>2.ª FASE</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>FINAL</source>
        <translation>FINAL</translation>
    </message>
</context>
<context>
    <name>fixturo::MainWindow</name>
    <message>
        <source>Second Round</source>
        <translation>Segunda fase</translation>
    </message>
    <message>
        <source>The results file %1 cannot be written, so Fixturo keeps the results in %2 from now on, starting from a copy of it.</source>
        <translation>Não é possível escrever no ficheiro de resultados %1, pelo que, a partir de agora, o Fixturo guarda os resultados em %2, partindo de uma cópia desse ficheiro.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation>Ordem manual</translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation>Situação dos grupos</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Atualizar online</translation>
    </message>
    <message>
        <source>Open Results…</source>
        <translation>Abrir resultados…</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Guardar resultados como…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Export Results as CSV…</source>
        <translation>Exportar resultados como CSV…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation>Novo campeonato…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guia do utilizador</translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation>Resultado do jogo n.º %1</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>Atualização online</translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation> Transferência concluída</translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation>A atualização foi concluída com êxito!</translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation>Os resultados foram transferidos, mas não foi possível guardá-los em %1.</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Erro</translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation>Ocorreu um erro durante a atualização. Verifique se está ligado à Internet e tente novamente.</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Abrir resultados</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Ficheiros de texto (*.txt);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation>Contém algo que o Fixturo não voltaria a escrever da mesma forma.</translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation>%1 não é um ficheiro de resultados que o Fixturo consiga ler na íntegra.</translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation>Introduza os resultados ou atualize-os online. Se houver equipas empatadas, pode escolher «Ordem manual» no menu Ficheiro.</translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation>Começar um novo campeonato? Todos os resultados serão apagados e a ordem manual será desativada. Anular repõe tudo.</translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation>Novo campeonato</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Anular: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation>Quando assinalada, esta ordem substitui os critérios de desempate em todos os grupos; as listas abrem com a ordem atual.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation>Usar ordem manual</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation>Preencha todos os lugares, por favor!</translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation>Situação dos grupos</translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation>Situação do %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipa</translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation>Pode acabar em</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Próximo jogo</translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation>segundo a ordem manual</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation>Introduza o resultado</translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation>Introduza o resultado dos penáltis</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>PENÁLTIS</translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation>Se houver penáltis, introduza primeiro o empate</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation>Jogo n.º %1</translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation>%1: golos</translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation>%1: penáltis</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation>Não é um endereço http: %1</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>O ficheiro tem mais de %1 bytes</translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation>Sem dados durante %1 ms</translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation>Sem resposta HTTP</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Só chegaram %1 de %2 bytes</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>Estado HTTP %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ScheduleView</name>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1.ª FASE - JOGOS DIA A DIA</translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation>Guia do utilizador do Fixturo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guia do utilizador</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Procurar:</translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation>Procurar no guia do utilizador</translation>
    </message>
    <message>
        <source>Not found </source>
        <translation>Não encontrado </translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Procurar seguinte</translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation>Premir Return na caixa de pesquisa faz o mesmo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Fechar a barra de pesquisa</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Não encontrado</translation>
    </message>
</context>
</TS>
