<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ChampionshipPage</name>
    <message>
        <source>16 teams, 31 matches, 7 to 29 June 2008</source>
        <translation>16 selecciones, 31 partidos, del 7 al 29 de junio de 2008</translation>
    </message>
    <message>
        <source>1st ROUND - DAILY MATCH SCHEDULE</source>
        <translation>1.ª FASE - PARTIDOS DÍA A DÍA</translation>
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
        <translation>CAMPEÓN</translation>
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
        <translation>Ginebra</translation>
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
        <translation>Zúrich</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>Downloading the results…</source>
        <translation>Descargando los resultados…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source> Update Online</source>
        <translation> Actualizar en línea</translation>
    </message>
</context>
<context>
    <name>GroupLines</name>
    <message>
        <source>%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against</source>
        <extracomment>What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals against.</extracomment>
        <translation>%1: %2, ganados %3, empatados %4, perdidos %5, %6 a favor, %7 en contra</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n goal(s)</source>
        <translation>
            <numerusform>%n gol</numerusform>
            <numerusform>%n goles</numerusform>
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
        <translation>Pts G E P GF GC</translation>
    </message>
</context>
<context>
    <name>Knockout</name>
    <message>
        <source> (%1 on penalties)</source>
        <extracomment>Said after a team&apos;s goals in a knockout match: its penalty goals.</extracomment>
        <translation> (%1 en los penaltis)</translation>
    </message>
    <message>
        <source>Match %1: %2, %3</source>
        <extracomment>What a screen reader says for a knockout match: its number and both sides.</extracomment>
        <translation>Partido %1: %2, %3</translation>
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
        <translation>no le quedan partidos</translation>
    </message>
    <message>
        <source>through whatever happens</source>
        <translation>se clasifica pase lo que pase</translation>
    </message>
    <message>
        <source>a draw is enough</source>
        <translation>le basta con empatar</translation>
    </message>
    <message>
        <source>needs a win</source>
        <translation>necesita ganar</translation>
    </message>
    <message>
        <source>a win is enough; otherwise it depends on other results</source>
        <translation>le basta con ganar; si no, depende de otros resultados</translation>
    </message>
    <message>
        <source>needs a win and another result</source>
        <translation>necesita ganar y que otro resultado le favorezca</translation>
    </message>
    <message>
        <source>needs another result</source>
        <translation>necesita que otro resultado le favorezca</translation>
    </message>
    <message>
        <source>out whatever happens</source>
        <translation>queda fuera pase lo que pase</translation>
    </message>
    <message>
        <source>through as group winner</source>
        <translation>pasa como líder de grupo</translation>
    </message>
    <message>
        <source>through to the quarter-finals</source>
        <translation>pasa a cuartos de final</translation>
    </message>
    <message>
        <source>out</source>
        <translation>fuera del torneo</translation>
    </message>
    <message>
        <source>still open</source>
        <translation>por decidir</translation>
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
        <translation>%1: %2 según el orden manual.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in.</extracomment>
        <translation>%1: %2; puede acabar %3.</translation>
    </message>
    <message>
        <source>%1: %2; can finish %3; next match: %4.</source>
        <extracomment>A team&apos;s outlook: team, status, places it can finish in, what it needs from its next match.</extracomment>
        <translation>%1: %2; puede acabar %3; próximo partido: %4.</translation>
    </message>
    <message>
        <source>The manual order is on: the imposed order decides this group.</source>
        <translation>El orden manual está activado: el orden impuesto decide este grupo.</translation>
    </message>
    <message>
        <source>The rules may not separate %1 and %2: File &gt; Manual Order settles such a tie.</source>
        <extracomment>%1 is one team or a list of teams, %2 the last one. &quot;File &gt; Manual Order&quot; names the menu item.</extracomment>
        <translation>Puede que las reglas no desempaten a estos equipos: %1, %2. Archivo &gt; Orden manual resuelve ese empate.</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>The championship of June 2008</source>
        <translation>El campeonato de junio de 2008</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>No se pudo dibujar la página.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>La impresora no aceptó la página.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .png or .svg.</source>
        <translation>El nombre del archivo debe terminar en .pdf, .png o .svg.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Mostrar detalles...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ocultar detalles...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
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
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>The championship could not be printed.</source>
        <translation>No se pudo imprimir el campeonato.</translation>
    </message>
    <message>
        <source>The championship could not be printed to %1.</source>
        <translation>No se pudo imprimir el campeonato en %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>The championship could not be exported to %1.</source>
        <translation>No se pudo exportar el campeonato a %1.</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>Exportar resultados como CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>No se pudieron exportar los resultados a %1.</translation>
    </message>
</context>
<context>
    <name>ResultRules</name>
    <message>
        <source>Match #%1  %2</source>
        <extracomment>The result window&apos;s title: the match number, two spaces, its group or stage.</extracomment>
        <translation>Partido n.º %1  %2</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a results file: its first line holds %1 of the %2 match entries.</source>
        <translation>No es un archivo de resultados: su primera línea contiene %1 de las %2 entradas de partidos.</translation>
    </message>
    <message>
        <source>Not a results file: the score of match %1 is not a number.</source>
        <translation>No es un archivo de resultados: el marcador del partido %1 no es un número.</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Save the Results As</source>
        <translation>Guardar los resultados como</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>No se pudieron guardar los resultados en %1.
%2</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.</source>
        <translation>No se pudieron guardar los resultados en %1.</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole. A copy of it as it was is kept in %2.</source>
        <translation>No se pudo leer completo el archivo de resultados %1. Se ha guardado en %2 una copia tal como estaba.</translation>
    </message>
    <message>
        <source>%1 could not be read whole, and no copy of it could be kept: %2</source>
        <translation>No se pudo leer completo %1 ni guardar una copia: %2</translation>
    </message>
    <message>
        <source>The results file %1 could not be read whole, and no copy of it could be kept, so it will not be written over.</source>
        <translation>No se pudo leer completo el archivo de resultados %1 ni guardar una copia, así que no se sobrescribirá.</translation>
    </message>
    <message>
        <source>The latest results are not saved: they could not be written to %1.
%2

Try again, save them to another file, or quit without saving?</source>
        <translation>Los últimos resultados no están guardados: no se pudieron escribir en %1.
%2

¿Quiere reintentarlo, guardarlos en otro archivo o salir sin guardar?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Salir sin guardar</translation>
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
        <translation>CF</translation>
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
        <translation>Croacia</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>República Checa</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Alemania</translation>
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
        <translation>Países Bajos</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumanía</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rusia</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>España</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suecia</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suiza</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turquía</translation>
    </message>
    <message>
        <source>Winner Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the winner of group %1.</extracomment>
        <translation>Ganador Gr. %1</translation>
    </message>
    <message>
        <source>Runner-up Grp %1</source>
        <extracomment>Quarter-final slot before the group ends: the runner-up of group %1.</extracomment>
        <translation>Segundo Gr. %1</translation>
    </message>
    <message>
        <source>Winner #%1</source>
        <extracomment>Knockout slot before match %1 is played: its winner.</extracomment>
        <translation>Ganador n.º %1</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The champion&apos;s place before the final is played.</extracomment>
        <translation>Ganador</translation>
    </message>
</context>
<context>
    <name>fixturo::AboutDialog</name>
    <message>
        <source>Fixturo is freeware, written and given away by the Fixturo team.
Many thanks to Elena Ruiz for checking every result of the championship.</source>
        <translation>Fixturo es un programa gratuito, escrito y ofrecido por el equipo de Fixturo.
Muchas gracias a Elena Ruiz por comprobar todos los resultados del campeonato.</translation>
    </message>
    <message>
        <source>7–29 June 2008 · 16 teams · 31 matches</source>
        <extracomment>The line under the program&apos;s name in the About picture.</extracomment>
        <translation>7–29 de junio de 2008 · 16 selecciones · 31 partidos</translation>
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
        <translation>Salir</translation>
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
        <translation>No se puede escribir en el archivo de resultados %1, así que a partir de ahora Fixturo guarda los resultados en %2, partiendo de una copia de ese archivo.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Manual Order</source>
        <translation>Orden manual</translation>
    </message>
    <message>
        <source>Group Outlook</source>
        <translation>Situación de los grupos</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Actualizar en línea</translation>
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
        <translation>Salir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>New Championship…</source>
        <translation>Nuevo campeonato…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>Result of Match #%1</source>
        <translation>Resultado del partido n.º %1</translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation>Actualización en línea</translation>
    </message>
    <message>
        <source> Download Successful</source>
        <translation> Descarga completada</translation>
    </message>
    <message>
        <source>Update was made successfully!</source>
        <translation>¡La actualización se ha realizado correctamente!</translation>
    </message>
    <message>
        <source>The results were downloaded but could not be saved to %1.</source>
        <translation>Los resultados se descargaron, pero no se pudieron guardar en %1.</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Error</translation>
    </message>
    <message>
        <source>There was a error making the Update. Make sure that you are online and try again!</source>
        <translation>Se produjo un error durante la actualización. Compruebe que está conectado a Internet e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Abrir resultados</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>It holds something that Fixturo would not write back the same.</source>
        <translation>Contiene algo que Fixturo no volvería a escribir igual.</translation>
    </message>
    <message>
        <source>%1 is not a results file that Fixturo can read whole.</source>
        <translation>%1 no es un archivo de resultados que Fixturo pueda leer completo.</translation>
    </message>
    <message>
        <source>Insert the result or update online, if all teams are pair you can choose &apos;Manual Order&apos; from Menu File.</source>
        <translation>Introduzca los resultados o actualícelos en línea. Si hay equipos empatados, puede elegir «Orden manual» en el menú Archivo.</translation>
    </message>
    <message>
        <source>Start a new championship? Every result is cleared and the manual order is switched off. Undo brings them back.</source>
        <translation>¿Empezar un campeonato nuevo? Se borrarán todos los resultados y se desactivará el orden manual. Deshacer los recupera.</translation>
    </message>
    <message>
        <source>New Championship</source>
        <translation>Nuevo campeonato</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ManualOrderDialog</name>
    <message>
        <source>Ticked, these orders replace the tie-break rules for every group; lists open in the current order.</source>
        <translation>Si se marca, este orden sustituye a los criterios de desempate en todos los grupos; las listas se abren con el orden actual.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Use Manual Order</source>
        <translation>Usar orden manual</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Complete all please!</source>
        <translation>¡Complete todos los puestos, por favor!</translation>
    </message>
</context>
<context>
    <name>fixturo::OutlookWindow</name>
    <message>
        <source>Group Outlook</source>
        <translation>Situación de los grupos</translation>
    </message>
    <message>
        <source>%1 outlook</source>
        <extracomment>A group&apos;s outlook table, for a screen reader: &quot;Group A outlook&quot;.</extracomment>
        <translation>Situación del %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Can finish</source>
        <translation>Puede acabar</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Próximo partido</translation>
    </message>
    <message>
        <source>by the manual order</source>
        <translation>según el orden manual</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultDialog</name>
    <message>
        <source>Insert the Results</source>
        <translation>Introduzca el resultado</translation>
    </message>
    <message>
        <source>Insert the Results of Penalties</source>
        <translation>Introduzca el resultado de los penaltis</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>PENALTIS</translation>
    </message>
    <message>
        <source>If match ends in penalties, enter draw score first</source>
        <translation>Si hay penaltis, introduzca primero el empate</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Match #%1</source>
        <translation>Partido n.º %1</translation>
    </message>
    <message>
        <source>Goals of %1</source>
        <translation>Goles de %1</translation>
    </message>
    <message>
        <source>Penalties of %1</source>
        <translation>Penaltis de %1</translation>
    </message>
</context>
<context>
    <name>fixturo::ResultsDownload</name>
    <message>
        <source>Not an http address: %1</source>
        <translation>No es una dirección http: %1</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>El archivo supera los %1 bytes</translation>
    </message>
    <message>
        <source>No data for %1 ms</source>
        <translation>Sin datos durante %1 ms</translation>
    </message>
    <message>
        <source>No HTTP answer</source>
        <translation>Sin respuesta HTTP</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Solo llegaron %1 de %2 bytes</translation>
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
        <translation>1.ª FASE - PARTIDOS DÍA A DÍA</translation>
    </message>
</context>
<context>
    <name>fixturo::UserGuide</name>
    <message>
        <source>Fixturo User Guide</source>
        <translation>Guía del usuario de Fixturo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Find in the user guide</source>
        <translation>Buscar en la guía del usuario</translation>
    </message>
    <message>
        <source>Not found </source>
        <translation>No encontrado </translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>Return in the find box does the same</source>
        <translation>Pulsar Return en el cuadro de búsqueda hace lo mismo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Cerrar la barra de búsqueda</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
</context>
</TS>
