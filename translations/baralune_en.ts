<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>baralune::frmHistory</name>
    <message numerus="yes">
        <source>Delete these %n reading(s)?</source>
        <translation>
            <numerusform>Delete this reading?</numerusform>
            <numerusform>Delete these %n readings?</numerusform>
        </translation>
    </message>
</context>
</TS>
