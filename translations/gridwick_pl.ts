<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Makes random picks for football games between a visitor and a home team.
Qt&apos;s own options, such as -platform and -style, also apply.</source>
        <translation>Losuje typy meczów futbolu amerykańskiego między drużyną gości a drużyną gospodarzy.
Działają też opcje samego Qt, takie jak -platform i -style.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Pokazuje tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Try &apos;gridwick --help&apos;.</source>
        <translation>Spróbuj „gridwick --help”.</translation>
    </message>
</context>
<context>
    <name>FrmGridwick</name>
    <message>
        <source>Cleared</source>
        <extracomment>Told to a screen reader once the tallies have been cleared.</extracomment>
        <translation>Wyczyszczono</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>QUIT?!</source>
        <translation>ZAKOŃCZYĆ?!</translation>
    </message>
    <message>
        <source>Do you really want to quit? </source>
        <translation>Czy na pewno chcesz zakończyć? </translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>The tally cannot count any higher. Your tallies are unchanged; clear them (File &gt; Clear) to make more picks.</source>
        <translation>Licznik nie może liczyć dalej. Twoje wyniki się nie zmieniły; wyczyść je (Plik &gt; Wyczyść), aby typować dalej.</translation>
    </message>
    <message>
        <source>Invalid floating-point result</source>
        <translation>Nieprawidłowy wynik zmiennoprzecinkowy</translation>
    </message>
    <message>
        <source>The score could not be computed. Your tallies are unchanged; try the pick again.</source>
        <translation>Nie udało się obliczyć wyniku. Twoje wyniki się nie zmieniły; spróbuj typować ponownie.</translation>
    </message>
    <message>
        <source>Run-time error %1: %2</source>
        <extracomment>The first line of a report of a run-time error: its number, then what went wrong.</extracomment>
        <translation>Błąd wykonania %1: %2</translation>
    </message>
    <message>
        <source>No default printer is set up.

Set up a printer as the default, then choose File &gt; Print again.</source>
        <translation>Nie ustawiono drukarki domyślnej.

Ustaw drukarkę jako domyślną, a potem ponownie wybierz Plik &gt; Drukuj.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>Nie udało się otworzyć drukarki „%1”.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Nie udało się wysłać strony do drukarki „%1”.</translation>
    </message>
    <message>
        <source>The window could not be drawn for printing.</source>
        <translation>Nie udało się narysować okna do wydruku.</translation>
    </message>
    <message>
        <source>Gridwick has ended. Reload the page to start it again.</source>
        <translation>Gridwick został zamknięty. Odśwież stronę, aby uruchomić go ponownie.</translation>
    </message>
</context>
<context>
    <name>ResultNotice</name>
    <message>
        <source>visitor wins</source>
        <translation>wygrywają goście</translation>
    </message>
    <message>
        <source>home wins</source>
        <translation>wygrywają gospodarze</translation>
    </message>
    <message>
        <source>a tie</source>
        <translation>remis</translation>
    </message>
    <message numerus="yes">
        <source>Visitor %1, home %2, %3, %n pick(s)</source>
        <extracomment>Told to a screen reader after each pick or batch: the two scores, who won and how many picks have been made, as in &quot;Visitor 16, home 49, home wins, 1 pick&quot;.</extracomment>
        <translation>
            <numerusform>Goście %1, gospodarze %2, %3, %n typ</numerusform>
            <numerusform>Goście %1, gospodarze %2, %3, %n typy</numerusform>
            <numerusform>Goście %1, gospodarze %2, %3, %n typów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextBoxDisplay</name>
    <message>
        <source>WINNER!!</source>
        <extracomment>Marks the side that won the pick, in red beside its score.</extracomment>
        <translation>WYGRAŁ!!</translation>
    </message>
</context>
<context>
    <name>frmGridwick</name>
    <message>
        <source>WINS</source>
        <translation>ZW.</translation>
    </message>
    <message>
        <source>Visitor score</source>
        <translation>Punkty gości</translation>
    </message>
    <message>
        <source>Visitor winner</source>
        <translation>Zwycięzca: goście</translation>
    </message>
    <message>
        <source>VISITOR</source>
        <translation>GOŚCIE</translation>
    </message>
    <message>
        <source>Visitor wins</source>
        <translation>Zwycięstwa gości</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>Punkty gospodarzy</translation>
    </message>
    <message>
        <source>Home winner</source>
        <translation>Zwycięzca: gospodarze</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>GOSP.</translation>
    </message>
    <message>
        <source>Home wins</source>
        <translation>Zwycięstwa gospodarzy</translation>
    </message>
    <message>
        <source>TIES</source>
        <translation>REM.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>SUMA</translation>
    </message>
    <message>
        <source>Ties</source>
        <translation>Remisy</translation>
    </message>
    <message>
        <source>TOTAL PICKS</source>
        <translation>SUMA TYPÓW</translation>
    </message>
    <message>
        <source>PIC&amp;K!!</source>
        <translation>&amp;TYPUJ!!</translation>
    </message>
    <message>
        <source>Total picks</source>
        <translation>Liczba typów</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Randomization</source>
        <translation>&amp;Losowanie</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>Plus 100 More</source>
        <translation>Jeszcze 100</translation>
    </message>
    <message>
        <source>Plus 200 More</source>
        <translation>Jeszcze 200</translation>
    </message>
    <message>
        <source>Plus 300 More</source>
        <translation>Jeszcze 300</translation>
    </message>
    <message>
        <source>Plus 400 More</source>
        <translation>Jeszcze 400</translation>
    </message>
    <message>
        <source>Plus 500 More</source>
        <translation>Jeszcze 500</translation>
    </message>
    <message>
        <source>Plus 600 More</source>
        <translation>Jeszcze 600</translation>
    </message>
    <message>
        <source>Plus 700 More</source>
        <translation>Jeszcze 700</translation>
    </message>
    <message>
        <source>Plus 800 More</source>
        <translation>Jeszcze 800</translation>
    </message>
    <message>
        <source>Plus 900 More</source>
        <translation>Jeszcze 900</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Wyczyść pola</translation>
    </message>
</context>
</TS>
