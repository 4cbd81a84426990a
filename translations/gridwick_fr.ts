<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Makes random picks for football games between a visitor and a home team.
Qt&apos;s own options, such as -platform and -style, also apply.</source>
        <translation>Fait des pronostics au hasard pour des matchs de football américain entre une équipe visiteuse et une équipe locale.
Les options propres à Qt, comme -platform et -style, s’appliquent aussi.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Try &apos;gridwick --help&apos;.</source>
        <translation>Essayez «&#xa0;gridwick --help&#xa0;».</translation>
    </message>
</context>
<context>
    <name>FrmGridwick</name>
    <message>
        <source>Cleared</source>
        <extracomment>Told to a screen reader once the tallies have been cleared.</extracomment>
        <translation>Effacé</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>QUIT?!</source>
        <translation>QUITTER&#x202f;?!</translation>
    </message>
    <message>
        <source>Do you really want to quit? </source>
        <translation>Voulez-vous vraiment quitter&#x202f;? </translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>The tally cannot count any higher. Your tallies are unchanged; clear them (File &gt; Clear) to make more picks.</source>
        <translation>Le compteur ne peut pas aller plus haut. Vos résultats sont inchangés&#x202f;; effacez-les (Fichier &gt; Effacer) pour faire d’autres tirages.</translation>
    </message>
    <message>
        <source>Invalid floating-point result</source>
        <translation>Résultat à virgule flottante non valide</translation>
    </message>
    <message>
        <source>The score could not be computed. Your tallies are unchanged; try the pick again.</source>
        <translation>Le score n’a pas pu être calculé. Vos résultats sont inchangés&#x202f;; refaites le tirage.</translation>
    </message>
    <message>
        <source>Run-time error %1: %2</source>
        <extracomment>The first line of a report of a run-time error: its number, then what went wrong.</extracomment>
        <translation>Erreur d’exécution %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No default printer is set up.

Set up a printer as the default, then choose File &gt; Print again.</source>
        <translation>Aucune imprimante par défaut n’est configurée.

Configurez une imprimante par défaut, puis choisissez à nouveau Fichier &gt; Imprimer.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer &quot;%1&quot;.</source>
        <translation>La page n’a pas pu être envoyée à l’imprimante «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The window could not be drawn for printing.</source>
        <translation>La fenêtre n’a pas pu être dessinée pour l’impression.</translation>
    </message>
    <message>
        <source>Gridwick has ended. Reload the page to start it again.</source>
        <translation>Gridwick est terminé. Rechargez la page pour le relancer.</translation>
    </message>
</context>
<context>
    <name>ResultNotice</name>
    <message>
        <source>visitor wins</source>
        <translation>victoire de l’extérieur</translation>
    </message>
    <message>
        <source>home wins</source>
        <translation>victoire à domicile</translation>
    </message>
    <message>
        <source>a tie</source>
        <translation>match nul</translation>
    </message>
    <message numerus="yes">
        <source>Visitor %1, home %2, %3, %n pick(s)</source>
        <extracomment>Told to a screen reader after each pick or batch: the two scores, who won and how many picks have been made, as in &quot;Visitor 16, home 49, home wins, 1 pick&quot;.</extracomment>
        <translation>
            <numerusform>Extérieur %1, domicile %2, %3, %n tirage</numerusform>
            <numerusform>Extérieur %1, domicile %2, %3, %n tirages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextBoxDisplay</name>
    <message>
        <source>WINNER!!</source>
        <extracomment>Marks the side that won the pick, in red beside its score.</extracomment>
        <translation>GAGNÉ&#x202f;!!</translation>
    </message>
</context>
<context>
    <name>frmGridwick</name>
    <message>
        <source>WINS</source>
        <translation>VICT.</translation>
    </message>
    <message>
        <source>Visitor score</source>
        <translation>Score extérieur</translation>
    </message>
    <message>
        <source>Visitor winner</source>
        <translation>Gagnant extérieur</translation>
    </message>
    <message>
        <source>VISITOR</source>
        <translation>EXT.</translation>
    </message>
    <message>
        <source>Visitor wins</source>
        <translation>Victoires extérieur</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>Score domicile</translation>
    </message>
    <message>
        <source>Home winner</source>
        <translation>Gagnant domicile</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>DOM.</translation>
    </message>
    <message>
        <source>Home wins</source>
        <translation>Victoires domicile</translation>
    </message>
    <message>
        <source>TIES</source>
        <translation>NUL</translation>
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
        <translation>Matchs nuls</translation>
    </message>
    <message>
        <source>TOTAL PICKS</source>
        <translation>TOTAL CHOIX</translation>
    </message>
    <message>
        <source>PIC&amp;K!!</source>
        <translation>&amp;TIRER&#x202f;!!</translation>
    </message>
    <message>
        <source>Total picks</source>
        <translation>Total des tirages</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Randomization</source>
        <translation>&amp;Hasard</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Plus 100 More</source>
        <translation>100 de plus</translation>
    </message>
    <message>
        <source>Plus 200 More</source>
        <translation>200 de plus</translation>
    </message>
    <message>
        <source>Plus 300 More</source>
        <translation>300 de plus</translation>
    </message>
    <message>
        <source>Plus 400 More</source>
        <translation>400 de plus</translation>
    </message>
    <message>
        <source>Plus 500 More</source>
        <translation>500 de plus</translation>
    </message>
    <message>
        <source>Plus 600 More</source>
        <translation>600 de plus</translation>
    </message>
    <message>
        <source>Plus 700 More</source>
        <translation>700 de plus</translation>
    </message>
    <message>
        <source>Plus 800 More</source>
        <translation>800 de plus</translation>
    </message>
    <message>
        <source>Plus 900 More</source>
        <translation>900 de plus</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Effacer les champs</translation>
    </message>
</context>
</TS>
