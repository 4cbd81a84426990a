<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>Makes random picks for football games between a visitor and a home team.
Qt&apos;s own options, such as -platform and -style, also apply.</source>
        <translation>Случайно разыгрывает матчи по американскому футболу между гостями и хозяевами.
Также действуют собственные параметры Qt, например -platform и -style.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Показывает эту справку и завершает работу.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>Try &apos;gridwick --help&apos;.</source>
        <translation>Попробуйте «gridwick --help».</translation>
    </message>
</context>
<context>
    <name>FrmGridwick</name>
    <message>
        <source>Cleared</source>
        <extracomment>Told to a screen reader once the tallies have been cleared.</extracomment>
        <translation>Очищено</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>QUIT?!</source>
        <translation>ВЫЙТИ?!</translation>
    </message>
    <message>
        <source>Do you really want to quit? </source>
        <translation>Вы действительно хотите выйти? </translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>The tally cannot count any higher. Your tallies are unchanged; clear them (File &gt; Clear) to make more picks.</source>
        <translation>Счётчик не может считать дальше. Ваши итоги не изменились; очистите их (Файл &gt; Очистить), чтобы продолжить.</translation>
    </message>
    <message>
        <source>Invalid floating-point result</source>
        <translation>Недопустимый результат с плавающей точкой</translation>
    </message>
    <message>
        <source>The score could not be computed. Your tallies are unchanged; try the pick again.</source>
        <translation>Не удалось вычислить счёт. Ваши итоги не изменились; попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Run-time error %1: %2</source>
        <extracomment>The first line of a report of a run-time error: its number, then what went wrong.</extracomment>
        <translation>Ошибка выполнения %1: %2</translation>
    </message>
    <message>
        <source>No default printer is set up.

Set up a printer as the default, then choose File &gt; Print again.</source>
        <translation>Принтер по умолчанию не настроен.

Назначьте принтер по умолчанию и снова выберите Файл &gt; Печать.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>Не удалось открыть принтер «%1».</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Не удалось отправить страницу на принтер «%1».</translation>
    </message>
    <message>
        <source>The window could not be drawn for printing.</source>
        <translation>Не удалось нарисовать окно для печати.</translation>
    </message>
    <message>
        <source>Gridwick has ended. Reload the page to start it again.</source>
        <translation>Gridwick завершён. Перезагрузите страницу, чтобы запустить его снова.</translation>
    </message>
</context>
<context>
    <name>ResultNotice</name>
    <message>
        <source>visitor wins</source>
        <translation>победа гостей</translation>
    </message>
    <message>
        <source>home wins</source>
        <translation>победа хозяев</translation>
    </message>
    <message>
        <source>a tie</source>
        <translation>ничья</translation>
    </message>
    <message numerus="yes">
        <source>Visitor %1, home %2, %3, %n pick(s)</source>
        <extracomment>Told to a screen reader after each pick or batch: the two scores, who won and how many picks have been made, as in &quot;Visitor 16, home 49, home wins, 1 pick&quot;.</extracomment>
        <translation>
            <numerusform>Гости %1, хозяева %2, %3, %n игра</numerusform>
            <numerusform>Гости %1, хозяева %2, %3, %n игры</numerusform>
            <numerusform>Гости %1, хозяева %2, %3, %n игр</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextBoxDisplay</name>
    <message>
        <source>WINNER!!</source>
        <extracomment>Marks the side that won the pick, in red beside its score.</extracomment>
        <translation>ПОБЕДА!!</translation>
    </message>
</context>
<context>
    <name>frmGridwick</name>
    <message>
        <source>WINS</source>
        <translation>ПОБ.</translation>
    </message>
    <message>
        <source>Visitor score</source>
        <translation>Очки гостей</translation>
    </message>
    <message>
        <source>Visitor winner</source>
        <translation>Победитель: гости</translation>
    </message>
    <message>
        <source>VISITOR</source>
        <translation>ГОСТИ</translation>
    </message>
    <message>
        <source>Visitor wins</source>
        <translation>Победы гостей</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>Очки хозяев</translation>
    </message>
    <message>
        <source>Home winner</source>
        <translation>Победитель: хозяева</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>ХОЗ.</translation>
    </message>
    <message>
        <source>Home wins</source>
        <translation>Победы хозяев</translation>
    </message>
    <message>
        <source>TIES</source>
        <translation>НИЧ.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>СУМ.</translation>
    </message>
    <message>
        <source>Ties</source>
        <translation>Ничьи</translation>
    </message>
    <message>
        <source>TOTAL PICKS</source>
        <translation>ВСЕГО ИГР</translation>
    </message>
    <message>
        <source>PIC&amp;K!!</source>
        <translation>&amp;ИГРА!!</translation>
    </message>
    <message>
        <source>Total picks</source>
        <translation>Всего игр</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Randomization</source>
        <translation>&amp;Розыгрыш</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Очистить</translation>
    </message>
    <message>
        <source>Plus 100 More</source>
        <translation>Ещё 100</translation>
    </message>
    <message>
        <source>Plus 200 More</source>
        <translation>Ещё 200</translation>
    </message>
    <message>
        <source>Plus 300 More</source>
        <translation>Ещё 300</translation>
    </message>
    <message>
        <source>Plus 400 More</source>
        <translation>Ещё 400</translation>
    </message>
    <message>
        <source>Plus 500 More</source>
        <translation>Ещё 500</translation>
    </message>
    <message>
        <source>Plus 600 More</source>
        <translation>Ещё 600</translation>
    </message>
    <message>
        <source>Plus 700 More</source>
        <translation>Ещё 700</translation>
    </message>
    <message>
        <source>Plus 800 More</source>
        <translation>Ещё 800</translation>
    </message>
    <message>
        <source>Plus 900 More</source>
        <translation>Ещё 900</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Очистить поля</translation>
    </message>
</context>
</TS>
