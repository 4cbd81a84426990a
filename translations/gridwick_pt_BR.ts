<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Makes random picks for football games between a visitor and a home team.
Qt&apos;s own options, such as -platform and -style, also apply.</source>
        <translation>Faz palpites aleatórios para jogos de futebol americano entre um time visitante e um mandante.
As opções do próprio Qt, como -platform e -style, também valem.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>Try &apos;gridwick --help&apos;.</source>
        <translation>Tente “gridwick --help”.</translation>
    </message>
</context>
<context>
    <name>FrmGridwick</name>
    <message>
        <source>Cleared</source>
        <extracomment>Told to a screen reader once the tallies have been cleared.</extracomment>
        <translation>Limpo</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>QUIT?!</source>
        <translation>SAIR?!</translation>
    </message>
    <message>
        <source>Do you really want to quit? </source>
        <translation>Quer mesmo sair? </translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>The tally cannot count any higher. Your tallies are unchanged; clear them (File &gt; Clear) to make more picks.</source>
        <translation>O contador não pode subir mais. Seus resultados não mudaram; limpe-os (Arquivo &gt; Limpar) para fazer mais jogos.</translation>
    </message>
    <message>
        <source>Invalid floating-point result</source>
        <translation>Resultado de ponto flutuante inválido</translation>
    </message>
    <message>
        <source>The score could not be computed. Your tallies are unchanged; try the pick again.</source>
        <translation>Não foi possível calcular o placar. Seus resultados não mudaram; tente o jogo de novo.</translation>
    </message>
    <message>
        <source>Run-time error %1: %2</source>
        <extracomment>The first line of a report of a run-time error: its number, then what went wrong.</extracomment>
        <translation>Erro em tempo de execução %1: %2</translation>
    </message>
    <message>
        <source>No default printer is set up.

Set up a printer as the default, then choose File &gt; Print again.</source>
        <translation>Nenhuma impressora padrão está configurada.

Configure uma impressora como padrão e escolha Arquivo &gt; Imprimir de novo.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>Não foi possível abrir a impressora “%1”.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Não foi possível enviar a página para a impressora “%1”.</translation>
    </message>
    <message>
        <source>The window could not be drawn for printing.</source>
        <translation>Não foi possível desenhar a janela para impressão.</translation>
    </message>
    <message>
        <source>Gridwick has ended. Reload the page to start it again.</source>
        <translation>O Gridwick foi encerrado. Recarregue a página para iniciá-lo novamente.</translation>
    </message>
</context>
<context>
    <name>ResultNotice</name>
    <message>
        <source>visitor wins</source>
        <translation>vitória do visitante</translation>
    </message>
    <message>
        <source>home wins</source>
        <translation>vitória do mandante</translation>
    </message>
    <message>
        <source>a tie</source>
        <translation>empate</translation>
    </message>
    <message numerus="yes">
        <source>Visitor %1, home %2, %3, %n pick(s)</source>
        <extracomment>Told to a screen reader after each pick or batch: the two scores, who won and how many picks have been made, as in &quot;Visitor 16, home 49, home wins, 1 pick&quot;.</extracomment>
        <translation>
            <numerusform>Visitante %1, mandante %2, %3, %n jogo</numerusform>
            <numerusform>Visitante %1, mandante %2, %3, %n jogos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextBoxDisplay</name>
    <message>
        <source>WINNER!!</source>
        <extracomment>Marks the side that won the pick, in red beside its score.</extracomment>
        <translation>VENCE!!</translation>
    </message>
</context>
<context>
    <name>frmGridwick</name>
    <message>
        <source>WINS</source>
        <translation>VIT.</translation>
    </message>
    <message>
        <source>Visitor score</source>
        <translation>Pontos visitante</translation>
    </message>
    <message>
        <source>Visitor winner</source>
        <translation>Vencedor visitante</translation>
    </message>
    <message>
        <source>VISITOR</source>
        <translation>FORA</translation>
    </message>
    <message>
        <source>Visitor wins</source>
        <translation>Vitórias visitante</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>Pontos mandante</translation>
    </message>
    <message>
        <source>Home winner</source>
        <translation>Vencedor mandante</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>CASA</translation>
    </message>
    <message>
        <source>Home wins</source>
        <translation>Vitórias mandante</translation>
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
        <translation>TOTAL JOGOS</translation>
    </message>
    <message>
        <source>PIC&amp;K!!</source>
        <translation>&amp;CHUTE!!</translation>
    </message>
    <message>
        <source>Total picks</source>
        <translation>Total de jogos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Randomization</source>
        <translation>&amp;Sorteio</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Plus 100 More</source>
        <translation>Mais 100</translation>
    </message>
    <message>
        <source>Plus 200 More</source>
        <translation>Mais 200</translation>
    </message>
    <message>
        <source>Plus 300 More</source>
        <translation>Mais 300</translation>
    </message>
    <message>
        <source>Plus 400 More</source>
        <translation>Mais 400</translation>
    </message>
    <message>
        <source>Plus 500 More</source>
        <translation>Mais 500</translation>
    </message>
    <message>
        <source>Plus 600 More</source>
        <translation>Mais 600</translation>
    </message>
    <message>
        <source>Plus 700 More</source>
        <translation>Mais 700</translation>
    </message>
    <message>
        <source>Plus 800 More</source>
        <translation>Mais 800</translation>
    </message>
    <message>
        <source>Plus 900 More</source>
        <translation>Mais 900</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Limpar campos</translation>
    </message>
</context>
</TS>
