<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ResultNotice</name>
    <message numerus="yes">
        <source>Visitor %1, home %2, %3, %n pick(s)</source>
        <extracomment>Told to a screen reader after each pick or batch: the two scores, who won and how many picks have been made, as in &quot;Visitor 16, home 49, home wins, 1 pick&quot;.</extracomment>
        <translation>
            <numerusform>Visitor %1, home %2, %3, %n pick</numerusform>
            <numerusform>Visitor %1, home %2, %3, %n picks</numerusform>
        </translation>
    </message>
</context>
</TS>
