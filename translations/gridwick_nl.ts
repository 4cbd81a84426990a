<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Makes random picks for football games between a visitor and a home team.
Qt&apos;s own options, such as -platform and -style, also apply.</source>
        <translation>Geeft willekeurige tips voor American-footballwedstrijden tussen een uit- en een thuisploeg.
De eigen opties van Qt, zoals -platform en -style, gelden ook.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Toont deze hulp en sluit af.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>Try &apos;gridwick --help&apos;.</source>
        <translation>Probeer ‘gridwick --help’.</translation>
    </message>
</context>
<context>
    <name>FrmGridwick</name>
    <message>
        <source>Cleared</source>
        <extracomment>Told to a screen reader once the tallies have been cleared.</extracomment>
        <translation>Gewist</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>QUIT?!</source>
        <translation>AFSLUITEN?!</translation>
    </message>
    <message>
        <source>Do you really want to quit? </source>
        <translation>Wilt u echt afsluiten? </translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>The tally cannot count any higher. Your tallies are unchanged; clear them (File &gt; Clear) to make more picks.</source>
        <translation>De teller kan niet hoger. Uw standen zijn ongewijzigd; wis ze (Bestand &gt; Wissen) om meer tips te maken.</translation>
    </message>
    <message>
        <source>Invalid floating-point result</source>
        <translation>Ongeldig drijvendekommaresultaat</translation>
    </message>
    <message>
        <source>The score could not be computed. Your tallies are unchanged; try the pick again.</source>
        <translation>De score kon niet worden berekend. Uw standen zijn ongewijzigd; probeer de tip opnieuw.</translation>
    </message>
    <message>
        <source>Run-time error %1: %2</source>
        <extracomment>The first line of a report of a run-time error: its number, then what went wrong.</extracomment>
        <translation>Uitvoeringsfout %1: %2</translation>
    </message>
    <message>
        <source>No default printer is set up.

Set up a printer as the default, then choose File &gt; Print again.</source>
        <translation>Er is geen standaardprinter ingesteld.

Stel een printer in als standaard en kies dan opnieuw Bestand &gt; Afdrukken.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>De printer ‘%1’ kon niet worden geopend.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer &quot;%1&quot;.</source>
        <translation>De pagina kon niet naar de printer ‘%1’ worden verzonden.</translation>
    </message>
    <message>
        <source>The window could not be drawn for printing.</source>
        <translation>Het venster kon niet voor het afdrukken worden getekend.</translation>
    </message>
    <message>
        <source>Gridwick has ended. Reload the page to start it again.</source>
        <translation>Gridwick is beëindigd. Laad de pagina opnieuw om het weer te starten.</translation>
    </message>
</context>
<context>
    <name>ResultNotice</name>
    <message>
        <source>visitor wins</source>
        <translation>uitploeg wint</translation>
    </message>
    <message>
        <source>home wins</source>
        <translation>thuisploeg wint</translation>
    </message>
    <message>
        <source>a tie</source>
        <translation>gelijkspel</translation>
    </message>
    <message numerus="yes">
        <source>Visitor %1, home %2, %3, %n pick(s)</source>
        <extracomment>Told to a screen reader after each pick or batch: the two scores, who won and how many picks have been made, as in &quot;Visitor 16, home 49, home wins, 1 pick&quot;.</extracomment>
        <translation>
            <numerusform>Uit %1, thuis %2, %3, %n tip</numerusform>
            <numerusform>Uit %1, thuis %2, %3, %n tips</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextBoxDisplay</name>
    <message>
        <source>WINNER!!</source>
        <extracomment>Marks the side that won the pick, in red beside its score.</extracomment>
        <translation>WINT!!</translation>
    </message>
</context>
<context>
    <name>frmGridwick</name>
    <message>
        <source>WINS</source>
        <translation>GEW.</translation>
    </message>
    <message>
        <source>Visitor score</source>
        <translation>Score uit</translation>
    </message>
    <message>
        <source>Visitor winner</source>
        <translation>Winnaar uit</translation>
    </message>
    <message>
        <source>VISITOR</source>
        <translation>UIT</translation>
    </message>
    <message>
        <source>Visitor wins</source>
        <translation>Overwinningen uit</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>Score thuis</translation>
    </message>
    <message>
        <source>Home winner</source>
        <translation>Winnaar thuis</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>THUIS</translation>
    </message>
    <message>
        <source>Home wins</source>
        <translation>Overwinningen thuis</translation>
    </message>
    <message>
        <source>TIES</source>
        <translation>GEL.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>SOM</translation>
    </message>
    <message>
        <source>Ties</source>
        <translation>Gelijkspelen</translation>
    </message>
    <message>
        <source>TOTAL PICKS</source>
        <translation>ALLE TIPS</translation>
    </message>
    <message>
        <source>PIC&amp;K!!</source>
        <translation>&amp;TIP!!</translation>
    </message>
    <message>
        <source>Total picks</source>
        <translation>Totaal aantal tips</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Randomization</source>
        <translation>&amp;Willekeurig</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>Plus 100 More</source>
        <translation>100 extra</translation>
    </message>
    <message>
        <source>Plus 200 More</source>
        <translation>200 extra</translation>
    </message>
    <message>
        <source>Plus 300 More</source>
        <translation>300 extra</translation>
    </message>
    <message>
        <source>Plus 400 More</source>
        <translation>400 extra</translation>
    </message>
    <message>
        <source>Plus 500 More</source>
        <translation>500 extra</translation>
    </message>
    <message>
        <source>Plus 600 More</source>
        <translation>600 extra</translation>
    </message>
    <message>
        <source>Plus 700 More</source>
        <translation>700 extra</translation>
    </message>
    <message>
        <source>Plus 800 More</source>
        <translation>800 extra</translation>
    </message>
    <message>
        <source>Plus 900 More</source>
        <translation>900 extra</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Velden wissen</translation>
    </message>
</context>
</TS>
