<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Makes random picks for football games between a visitor and a home team.
Qt&apos;s own options, such as -platform and -style, also apply.</source>
        <translation>Hace elecciones al azar para partidos de fútbol americano entre un equipo visitante y uno local.
Las opciones propias de Qt, como -platform y -style, también se aplican.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Try &apos;gridwick --help&apos;.</source>
        <translation>Pruebe «gridwick --help».</translation>
    </message>
</context>
<context>
    <name>FrmGridwick</name>
    <message>
        <source>Cleared</source>
        <extracomment>Told to a screen reader once the tallies have been cleared.</extracomment>
        <translation>Borrado</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>QUIT?!</source>
        <translation>¿SALIR?!</translation>
    </message>
    <message>
        <source>Do you really want to quit? </source>
        <translation>¿Seguro que quiere salir? </translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>The tally cannot count any higher. Your tallies are unchanged; clear them (File &gt; Clear) to make more picks.</source>
        <translation>El contador no puede subir más. Sus resultados no han cambiado; bórrelos (Archivo &gt; Borrar) para hacer más elecciones.</translation>
    </message>
    <message>
        <source>Invalid floating-point result</source>
        <translation>Resultado de coma flotante no válido</translation>
    </message>
    <message>
        <source>The score could not be computed. Your tallies are unchanged; try the pick again.</source>
        <translation>No se pudo calcular el marcador. Sus resultados no han cambiado; vuelva a intentar la elección.</translation>
    </message>
    <message>
        <source>Run-time error %1: %2</source>
        <extracomment>The first line of a report of a run-time error: its number, then what went wrong.</extracomment>
        <translation>Error en tiempo de ejecución %1: %2</translation>
    </message>
    <message>
        <source>No default printer is set up.

Set up a printer as the default, then choose File &gt; Print again.</source>
        <translation>No hay ninguna impresora predeterminada.

Configure una impresora como predeterminada y vuelva a elegir Archivo &gt; Imprimir.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>No se pudo abrir la impresora «%1».</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer &quot;%1&quot;.</source>
        <translation>No se pudo enviar la página a la impresora «%1».</translation>
    </message>
    <message>
        <source>The window could not be drawn for printing.</source>
        <translation>No se pudo dibujar la ventana para imprimirla.</translation>
    </message>
    <message>
        <source>Gridwick has ended. Reload the page to start it again.</source>
        <translation>Gridwick ha terminado. Vuelva a cargar la página para iniciarlo de nuevo.</translation>
    </message>
</context>
<context>
    <name>ResultNotice</name>
    <message>
        <source>visitor wins</source>
        <translation>gana el visitante</translation>
    </message>
    <message>
        <source>home wins</source>
        <translation>gana el local</translation>
    </message>
    <message>
        <source>a tie</source>
        <translation>empate</translation>
    </message>
    <message numerus="yes">
        <source>Visitor %1, home %2, %3, %n pick(s)</source>
        <extracomment>Told to a screen reader after each pick or batch: the two scores, who won and how many picks have been made, as in &quot;Visitor 16, home 49, home wins, 1 pick&quot;.</extracomment>
        <translation>
            <numerusform>Visitante %1, local %2, %3, %n elección</numerusform>
            <numerusform>Visitante %1, local %2, %3, %n elecciones</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextBoxDisplay</name>
    <message>
        <source>WINNER!!</source>
        <extracomment>Marks the side that won the pick, in red beside its score.</extracomment>
        <translation>¡¡GANA!!</translation>
    </message>
</context>
<context>
    <name>frmGridwick</name>
    <message>
        <source>WINS</source>
        <translation>GAN.</translation>
    </message>
    <message>
        <source>Visitor score</source>
        <translation>Puntos visitante</translation>
    </message>
    <message>
        <source>Visitor winner</source>
        <translation>Ganador visitante</translation>
    </message>
    <message>
        <source>VISITOR</source>
        <translation>VISITA</translation>
    </message>
    <message>
        <source>Visitor wins</source>
        <translation>Victorias visitante</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>Puntos local</translation>
    </message>
    <message>
        <source>Home winner</source>
        <translation>Ganador local</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>LOCAL</translation>
    </message>
    <message>
        <source>Home wins</source>
        <translation>Victorias local</translation>
    </message>
    <message>
        <source>TIES</source>
        <translation>EMP.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Ties</source>
        <translation>Empates</translation>
    </message>
    <message>
        <source>TOTAL PICKS</source>
        <translation>TOTAL ELEC.</translation>
    </message>
    <message>
        <source>PIC&amp;K!!</source>
        <translation>¡¡&amp;ELIGE!!</translation>
    </message>
    <message>
        <source>Total picks</source>
        <translation>Total de elecciones</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Randomization</source>
        <translation>&amp;Sorteo</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Plus 100 More</source>
        <translation>Otros 100</translation>
    </message>
    <message>
        <source>Plus 200 More</source>
        <translation>Otros 200</translation>
    </message>
    <message>
        <source>Plus 300 More</source>
        <translation>Otros 300</translation>
    </message>
    <message>
        <source>Plus 400 More</source>
        <translation>Otros 400</translation>
    </message>
    <message>
        <source>Plus 500 More</source>
        <translation>Otros 500</translation>
    </message>
    <message>
        <source>Plus 600 More</source>
        <translation>Otros 600</translation>
    </message>
    <message>
        <source>Plus 700 More</source>
        <translation>Otros 700</translation>
    </message>
    <message>
        <source>Plus 800 More</source>
        <translation>Otros 800</translation>
    </message>
    <message>
        <source>Plus 900 More</source>
        <translation>Otros 900</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Borrar campos</translation>
    </message>
</context>
</TS>
