<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>JournalFileActions</name>
    <message numerus="yes">
        <source>it holds more than %n reading(s), more than Baralune imports at once</source>
        <translation>
            <numerusform>it holds more than %n reading, more than Baralune imports at once</numerusform>
            <numerusform>it holds more than %n readings, more than Baralune imports at once</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n damaged or incomplete</source>
        <translation>
            <numerusform>%n damaged or incomplete</numerusform>
            <numerusform>%n damaged or incomplete</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a date that cannot be read</source>
        <translation>
            <numerusform>%n with a date that cannot be read</numerusform>
            <numerusform>%n with a date that cannot be read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a spread this Baralune does not know</source>
        <translation>
            <numerusform>%n with a spread this Baralune does not know</numerusform>
            <numerusform>%n with a spread this Baralune does not know</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dealt in a way this Baralune does not know</source>
        <translation>
            <numerusform>%n dealt in a way this Baralune does not know</numerusform>
            <numerusform>%n dealt in a way this Baralune does not know</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n in a language this Baralune does not know</source>
        <translation>
            <numerusform>%n in a language this Baralune does not know</numerusform>
            <numerusform>%n in a language this Baralune does not know</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a card that is not in the deck</source>
        <translation>
            <numerusform>%n with a card that is not in the deck</numerusform>
            <numerusform>%n with a card that is not in the deck</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with the same card in two positions</source>
        <translation>
            <numerusform>%n with the same card in two positions</numerusform>
            <numerusform>%n with the same card in two positions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with the wrong number of cards for the spread</source>
        <translation>
            <numerusform>%n with the wrong number of cards for the spread</numerusform>
            <numerusform>%n with the wrong number of cards for the spread</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with control characters in the name or date of birth</source>
        <translation>
            <numerusform>%n with control characters in the name or date of birth</numerusform>
            <numerusform>%n with control characters in the name or date of birth</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a name longer than %1 characters</source>
        <translation>
            <numerusform>%n with a name longer than %1 characters</numerusform>
            <numerusform>%n with a name longer than %1 characters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a line too long to be a reading</source>
        <translation>
            <numerusform>%n with a line too long to be a reading</numerusform>
            <numerusform>%n with a line too long to be a reading</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cut short where the file ends</source>
        <translation>
            <numerusform>%n cut short where the file ends</numerusform>
            <numerusform>%n cut short where the file ends</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) added to the journal.</source>
        <translation>
            <numerusform>%n reading added to the journal.</numerusform>
            <numerusform>%n readings added to the journal.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) already in the journal were skipped.</source>
        <translation>
            <numerusform>%n reading already in the journal was skipped.</numerusform>
            <numerusform>%n readings already in the journal were skipped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) in the file could not be read and were skipped:</source>
        <translation>
            <numerusform>%n reading in the file could not be read and was skipped:</numerusform>
            <numerusform>%n readings in the file could not be read and were skipped:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) exported to %1.</source>
        <translation>
            <numerusform>%n reading exported to %1.</numerusform>
            <numerusform>%n readings exported to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%n reading could not be read and was left out.</numerusform>
            <numerusform>%n readings could not be read and were left out.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>baralune::CardGuide</name>
    <message numerus="yes">
        <source>%n card(s) found.</source>
        <translation>
            <numerusform>%n card found.</numerusform>
            <numerusform>%n cards found.</numerusform>
        </translation>
    </message>
</context>
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
<context>
    <name>baralune::StatisticsWindow</name>
    <message numerus="yes">
        <source>%n reading(s) in the journal.</source>
        <translation>
            <numerusform>%n reading in the journal.</numerusform>
            <numerusform>%n readings in the journal.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) whose name or notes contain “%1”.</source>
        <translation>
            <numerusform>%n reading whose name or notes contain “%1”.</numerusform>
            <numerusform>%n readings whose name or notes contain “%1”.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%n reading could not be read and was left out.</numerusform>
            <numerusform>%n readings could not be read and were left out.</numerusform>
        </translation>
    </message>
</context>
</TS>
