<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Makes random picks for football games between a visitor and a home team.
Qt&apos;s own options, such as -platform and -style, also apply.</source>
        <translation>Gibt zufällige Tipps für Footballspiele zwischen einer Gast- und einer Heimmannschaft ab.
Qts eigene Optionen wie -platform und -style gelten ebenfalls.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;gridwick --help&apos;.</source>
        <translation>Siehe „gridwick --help“.</translation>
    </message>
</context>
<context>
    <name>FrmGridwick</name>
    <message>
        <source>Cleared</source>
        <extracomment>Told to a screen reader once the tallies have been cleared.</extracomment>
        <translation>Geleert</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>QUIT?!</source>
        <translation>BEENDEN?!</translation>
    </message>
    <message>
        <source>Do you really want to quit? </source>
        <translation>Wollen Sie wirklich beenden? </translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>The tally cannot count any higher. Your tallies are unchanged; clear them (File &gt; Clear) to make more picks.</source>
        <translation>Der Zähler kann nicht weiter zählen. Ihre Ergebnisse sind unverändert; leeren Sie sie (Datei &gt; Leeren), um weitere Tipps abzugeben.</translation>
    </message>
    <message>
        <source>Invalid floating-point result</source>
        <translation>Ungültiges Gleitkommaergebnis</translation>
    </message>
    <message>
        <source>The score could not be computed. Your tallies are unchanged; try the pick again.</source>
        <translation>Die Punktzahl konnte nicht berechnet werden. Ihre Ergebnisse sind unverändert; versuchen Sie den Tipp noch einmal.</translation>
    </message>
    <message>
        <source>Run-time error %1: %2</source>
        <extracomment>The first line of a report of a run-time error: its number, then what went wrong.</extracomment>
        <translation>Laufzeitfehler %1: %2</translation>
    </message>
    <message>
        <source>No default printer is set up.

Set up a printer as the default, then choose File &gt; Print again.</source>
        <translation>Es ist kein Standarddrucker eingerichtet.

Richten Sie einen Drucker als Standard ein und wählen Sie dann erneut Datei &gt; Drucken.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>Der Drucker „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Die Seite konnte nicht an den Drucker „%1“ gesendet werden.</translation>
    </message>
    <message>
        <source>The window could not be drawn for printing.</source>
        <translation>Das Fenster konnte nicht zum Drucken gezeichnet werden.</translation>
    </message>
    <message>
        <source>Gridwick has ended. Reload the page to start it again.</source>
        <translation>Gridwick wurde beendet. Laden Sie die Seite neu, um es wieder zu starten.</translation>
    </message>
</context>
<context>
    <name>ResultNotice</name>
    <message>
        <source>visitor wins</source>
        <translation>Gast gewinnt</translation>
    </message>
    <message>
        <source>home wins</source>
        <translation>Heim gewinnt</translation>
    </message>
    <message>
        <source>a tie</source>
        <translation>unentschieden</translation>
    </message>
    <message numerus="yes">
        <source>Visitor %1, home %2, %3, %n pick(s)</source>
        <extracomment>Told to a screen reader after each pick or batch: the two scores, who won and how many picks have been made, as in &quot;Visitor 16, home 49, home wins, 1 pick&quot;.</extracomment>
        <translation>
            <numerusform>Gast %1, Heim %2, %3, %n Tipp</numerusform>
            <numerusform>Gast %1, Heim %2, %3, %n Tipps</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextBoxDisplay</name>
    <message>
        <source>WINNER!!</source>
        <extracomment>Marks the side that won the pick, in red beside its score.</extracomment>
        <translation>SIEGER!!</translation>
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
        <translation>Punkte Gast</translation>
    </message>
    <message>
        <source>Visitor winner</source>
        <translation>Sieger Gast</translation>
    </message>
    <message>
        <source>VISITOR</source>
        <translation>GAST</translation>
    </message>
    <message>
        <source>Visitor wins</source>
        <translation>Siege Gast</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>Punkte Heim</translation>
    </message>
    <message>
        <source>Home winner</source>
        <translation>Sieger Heim</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>HEIM</translation>
    </message>
    <message>
        <source>Home wins</source>
        <translation>Siege Heim</translation>
    </message>
    <message>
        <source>TIES</source>
        <translation>UNE.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>GES.</translation>
    </message>
    <message>
        <source>Ties</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>TOTAL PICKS</source>
        <translation>ALLE TIPPS</translation>
    </message>
    <message>
        <source>PIC&amp;K!!</source>
        <translation>&amp;TIPP!!</translation>
    </message>
    <message>
        <source>Total picks</source>
        <translation>Tipps insgesamt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Randomization</source>
        <translation>&amp;Zufall</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Plus 100 More</source>
        <translation>100 weitere Tipps</translation>
    </message>
    <message>
        <source>Plus 200 More</source>
        <translation>200 weitere Tipps</translation>
    </message>
    <message>
        <source>Plus 300 More</source>
        <translation>300 weitere Tipps</translation>
    </message>
    <message>
        <source>Plus 400 More</source>
        <translation>400 weitere Tipps</translation>
    </message>
    <message>
        <source>Plus 500 More</source>
        <translation>500 weitere Tipps</translation>
    </message>
    <message>
        <source>Plus 600 More</source>
        <translation>600 weitere Tipps</translation>
    </message>
    <message>
        <source>Plus 700 More</source>
        <translation>700 weitere Tipps</translation>
    </message>
    <message>
        <source>Plus 800 More</source>
        <translation>800 weitere Tipps</translation>
    </message>
    <message>
        <source>Plus 900 More</source>
        <translation>900 weitere Tipps</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Felder leeren</translation>
    </message>
</context>
</TS>
