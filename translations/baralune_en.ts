<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>baralune::HistoryWindow</name>
    <message numerus="yes">
        <source>Delete these %n reading(s)?</source>
        <translation>
            <numerusform>Delete this reading?</numerusform>
            <numerusform>Delete these %n readings?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) could not be read and were left out of the export.</source>
        <translation>
            <numerusform>%n reading could not be read and was left out of the export.</numerusform>
            <numerusform>%n readings could not be read and were left out of the export.</numerusform>
        </translation>
    </message>
</context>
</TS>
