<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>Makes random picks for football games between a visitor and a home team.
Qt&apos;s own options, such as -platform and -style, also apply.</source>
        <translation>Fa pronostici casuali per partite di football americano tra una squadra ospite e una di casa.
Valgono anche le opzioni proprie di Qt, come -platform e -style.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso “%1”.</translation>
    </message>
    <message>
        <source>Try &apos;gridwick --help&apos;.</source>
        <translation>Prova “gridwick --help”.</translation>
    </message>
</context>
<context>
    <name>FrmGridwick</name>
    <message>
        <source>Cleared</source>
        <extracomment>Told to a screen reader once the tallies have been cleared.</extracomment>
        <translation>Azzerato</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>QUIT?!</source>
        <translation>ESCI?!</translation>
    </message>
    <message>
        <source>Do you really want to quit? </source>
        <translation>Vuoi davvero uscire? </translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Superamento della capacità</translation>
    </message>
    <message>
        <source>The tally cannot count any higher. Your tallies are unchanged; clear them (File &gt; Clear) to make more picks.</source>
        <translation>Il contatore non può andare oltre. I tuoi conteggi sono invariati; azzerali (File &gt; Cancella) per giocare altre gare.</translation>
    </message>
    <message>
        <source>Invalid floating-point result</source>
        <translation>Risultato in virgola mobile non valido</translation>
    </message>
    <message>
        <source>The score could not be computed. Your tallies are unchanged; try the pick again.</source>
        <translation>Non è stato possibile calcolare il punteggio. I tuoi conteggi sono invariati; riprova la gara.</translation>
    </message>
    <message>
        <source>Run-time error %1: %2</source>
        <extracomment>The first line of a report of a run-time error: its number, then what went wrong.</extracomment>
        <translation>Errore di esecuzione %1: %2</translation>
    </message>
    <message>
        <source>No default printer is set up.

Set up a printer as the default, then choose File &gt; Print again.</source>
        <translation>Non è configurata alcuna stampante predefinita.

Imposta una stampante come predefinita, quindi scegli di nuovo File &gt; Stampa.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>Impossibile aprire la stampante “%1”.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Impossibile inviare la pagina alla stampante “%1”.</translation>
    </message>
    <message>
        <source>The window could not be drawn for printing.</source>
        <translation>Non è stato possibile disegnare la finestra per la stampa.</translation>
    </message>
    <message>
        <source>Gridwick has ended. Reload the page to start it again.</source>
        <translation>Gridwick è terminato. Ricarica la pagina per avviarlo di nuovo.</translation>
    </message>
</context>
<context>
    <name>ResultNotice</name>
    <message>
        <source>visitor wins</source>
        <translation>vincono gli ospiti</translation>
    </message>
    <message>
        <source>home wins</source>
        <translation>vince la squadra di casa</translation>
    </message>
    <message>
        <source>a tie</source>
        <translation>pareggio</translation>
    </message>
    <message numerus="yes">
        <source>Visitor %1, home %2, %3, %n pick(s)</source>
        <extracomment>Told to a screen reader after each pick or batch: the two scores, who won and how many picks have been made, as in &quot;Visitor 16, home 49, home wins, 1 pick&quot;.</extracomment>
        <translation>
            <numerusform>Ospiti %1, casa %2, %3, %n gara</numerusform>
            <numerusform>Ospiti %1, casa %2, %3, %n gare</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextBoxDisplay</name>
    <message>
        <source>WINNER!!</source>
        <extracomment>Marks the side that won the pick, in red beside its score.</extracomment>
        <translation>VINCE!!</translation>
    </message>
</context>
<context>
    <name>frmGridwick</name>
    <message>
        <source>WINS</source>
        <translation>VITT.</translation>
    </message>
    <message>
        <source>Visitor score</source>
        <translation>Punti ospiti</translation>
    </message>
    <message>
        <source>Visitor winner</source>
        <translation>Vincitore ospiti</translation>
    </message>
    <message>
        <source>VISITOR</source>
        <translation>OSPITI</translation>
    </message>
    <message>
        <source>Visitor wins</source>
        <translation>Vittorie ospiti</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>Punti casa</translation>
    </message>
    <message>
        <source>Home winner</source>
        <translation>Vincitore casa</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>CASA</translation>
    </message>
    <message>
        <source>Home wins</source>
        <translation>Vittorie casa</translation>
    </message>
    <message>
        <source>TIES</source>
        <translation>PAR.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOT.</translation>
    </message>
    <message>
        <source>Ties</source>
        <translation>Pareggi</translation>
    </message>
    <message>
        <source>TOTAL PICKS</source>
        <translation>TOT. GARE</translation>
    </message>
    <message>
        <source>PIC&amp;K!!</source>
        <translation>&amp;GIOCA!!</translation>
    </message>
    <message>
        <source>Total picks</source>
        <translation>Gare totali</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Randomization</source>
        <translation>&amp;Sorteggio</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Cancella</translation>
    </message>
    <message>
        <source>Plus 100 More</source>
        <translation>Altre 100</translation>
    </message>
    <message>
        <source>Plus 200 More</source>
        <translation>Altre 200</translation>
    </message>
    <message>
        <source>Plus 300 More</source>
        <translation>Altre 300</translation>
    </message>
    <message>
        <source>Plus 400 More</source>
        <translation>Altre 400</translation>
    </message>
    <message>
        <source>Plus 500 More</source>
        <translation>Altre 500</translation>
    </message>
    <message>
        <source>Plus 600 More</source>
        <translation>Altre 600</translation>
    </message>
    <message>
        <source>Plus 700 More</source>
        <translation>Altre 700</translation>
    </message>
    <message>
        <source>Plus 800 More</source>
        <translation>Altre 800</translation>
    </message>
    <message>
        <source>Plus 900 More</source>
        <translation>Altre 900</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Cancella campi</translation>
    </message>
</context>
</TS>
