<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: baralune [options]
Tells fortunes with the 40-card Spanish deck: opens the main window, where you
enter your name and date of birth, pick a spread and deal.

Options:
  -h, --help    show this help and exit
  --version     show the version and exit

Qt&apos;s own options, such as -platform or -style, are accepted as well.
</source>
        <translation>Uso: baralune [opciones]
Echa las cartas con la baraja española de 40 cartas: abre la ventana principal,
donde escribes tu nombre y tu fecha de nacimiento, eliges una tirada y repartes.

Opciones:
  -h, --help    muestra esta ayuda y termina
  --version     muestra la versión y termina

También se aceptan las opciones propias de Qt, como -platform o -style.
</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítanos en línea</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar act&amp;ualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Card &amp;Guide…</source>
        <translation>&amp;Guía de las cartas…</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>it is busy; try again in a moment</source>
        <translation>está ocupado; vuelve a intentarlo en un momento</translation>
    </message>
    <message>
        <source>The journal of readings at %1 was removed while Baralune was running. A new journal was begun.</source>
        <translation>El registro de lecturas de %1 se eliminó mientras Baralune estaba abierto. Se ha empezado un registro nuevo.</translation>
    </message>
    <message>
        <source>The journal of readings at %1 cannot be written: %2. Its readings are shown, but new readings cannot be kept.</source>
        <translation>No se puede escribir en el registro de lecturas de %1: %2. Sus lecturas se muestran, pero no se pueden guardar lecturas nuevas.</translation>
    </message>
    <message>
        <source>The journal of readings could not be read. It was set aside as %1 and a new journal begun.</source>
        <translation>No se pudo leer el registro de lecturas. Se ha guardado aparte como %1 y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>The journal of readings was written by a newer Baralune. It is shown read-only and no reading is recorded in it.</source>
        <translation>El registro de lecturas lo escribió una versión más reciente de Baralune. Se muestra en modo de solo lectura y no se guardará en él ninguna lectura.</translation>
    </message>
    <message>
        <source>The journal of readings at %1 could not be opened: %2</source>
        <translation>No se pudo abrir el registro de lecturas en %1: %2</translation>
    </message>
    <message>
        <source>This reading could not be kept in the journal: %1</source>
        <translation>No se pudo guardar esta lectura en el registro: %1</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Historial…</translation>
    </message>
    <message>
        <source>&amp;Keep a Journal</source>
        <translation>&amp;Registrar las lecturas</translation>
    </message>
    <message>
        <source>SQLite reported: %1</source>
        <translation>SQLite respondió (en inglés): %1</translation>
    </message>
    <message>
        <source>the database gave no reason</source>
        <translation>la base de datos no dio ningún motivo</translation>
    </message>
    <message>
        <source>The History could not be opened:
%1</source>
        <translation>No se pudo abrir el historial:
%1</translation>
    </message>
    <message>
        <source>Your notes could not be kept in the journal: %1</source>
        <translation>No se pudieron guardar tus notas en el registro: %1</translation>
    </message>
    <message>
        <source>the reading is no longer kept</source>
        <translation>la lectura ya no está en el registro</translation>
    </message>
</context>
<context>
    <name>JournalFileActions</name>
    <message>
        <source>Baralune journal (*.jsonl)</source>
        <translation>Registro de Baralune (*.jsonl)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it is not a Baralune journal file</source>
        <translation>no es un archivo de registro de Baralune</translation>
    </message>
    <message>
        <source>it was written by a newer Baralune (journal file version %1; this Baralune reads version %2)</source>
        <translation>lo escribió una versión más reciente de Baralune (versión %1 del archivo de registro; esta versión de Baralune lee la versión %2)</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n reading(s), more than Baralune imports at once</source>
        <translation>
            <numerusform>contiene más de %n lectura, más de las que Baralune importa de una vez</numerusform>
            <numerusform>contiene más de %n lecturas, más de las que Baralune importa de una vez</numerusform>
        </translation>
    </message>
    <message>
        <source>it is larger than %1 MB, more than Baralune imports at once</source>
        <translation>ocupa más de %1 MB, más de lo que Baralune importa de una vez</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged or incomplete</source>
        <translation>
            <numerusform>%n dañada o incompleta</numerusform>
            <numerusform>%n dañadas o incompletas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a date that cannot be read</source>
        <translation>
            <numerusform>%n con una fecha que no se puede leer</numerusform>
            <numerusform>%n con una fecha que no se puede leer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a spread this Baralune does not know</source>
        <translation>
            <numerusform>%n con una tirada que esta versión de Baralune no conoce</numerusform>
            <numerusform>%n con una tirada que esta versión de Baralune no conoce</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dealt in a way this Baralune does not know</source>
        <translation>
            <numerusform>%n echada de una forma que esta versión de Baralune no conoce</numerusform>
            <numerusform>%n echadas de una forma que esta versión de Baralune no conoce</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n in a language this Baralune does not know</source>
        <translation>
            <numerusform>%n en un idioma que esta versión de Baralune no conoce</numerusform>
            <numerusform>%n en un idioma que esta versión de Baralune no conoce</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a card that is not in the deck</source>
        <translation>
            <numerusform>%n con una carta que no es de la baraja</numerusform>
            <numerusform>%n con una carta que no es de la baraja</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with the same card in two positions</source>
        <translation>
            <numerusform>%n con la misma carta en dos posiciones</numerusform>
            <numerusform>%n con la misma carta en dos posiciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with the wrong number of cards for the spread</source>
        <translation>
            <numerusform>%n con un número de cartas que no corresponde a la tirada</numerusform>
            <numerusform>%n con un número de cartas que no corresponde a la tirada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with control characters in the name or date of birth</source>
        <translation>
            <numerusform>%n con caracteres de control en el nombre o en la fecha de nacimiento</numerusform>
            <numerusform>%n con caracteres de control en el nombre o en la fecha de nacimiento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a name longer than %1 characters</source>
        <translation>
            <numerusform>%n con un nombre de más de %1 caracteres</numerusform>
            <numerusform>%n con un nombre de más de %1 caracteres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a line too long to be a reading</source>
        <translation>
            <numerusform>%n con una línea demasiado larga para ser una lectura</numerusform>
            <numerusform>%n con una línea demasiado larga para ser una lectura</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cut short where the file ends</source>
        <translation>
            <numerusform>%n cortada al final del archivo</numerusform>
            <numerusform>%n cortadas al final del archivo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) added to the journal.</source>
        <translation>
            <numerusform>Se ha añadido %n lectura al registro.</numerusform>
            <numerusform>Se han añadido %n lecturas al registro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) already in the journal were skipped.</source>
        <translation>
            <numerusform>Se ha omitido %n lectura que ya estaba en el registro.</numerusform>
            <numerusform>Se han omitido %n lecturas que ya estaban en el registro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) in the file could not be read and were skipped:</source>
        <translation>
            <numerusform>%n lectura del archivo no se pudo leer y se ha omitido:</numerusform>
            <numerusform>%n lecturas del archivo no se pudieron leer y se han omitido:</numerusform>
        </translation>
    </message>
    <message>
        <source>Baralune journal %1</source>
        <translation>Registro de Baralune %1</translation>
    </message>
    <message>
        <source>The journal could not be exported to %1: %2</source>
        <translation>No se pudo exportar el registro a %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) exported to %1.</source>
        <translation>
            <numerusform>Se ha exportado %n lectura a %1.</numerusform>
            <numerusform>Se han exportado %n lecturas a %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%n lectura no se pudo leer y se ha dejado fuera.</numerusform>
            <numerusform>%n lecturas no se pudieron leer y se han dejado fuera.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <translation>No se importó nada de %1: %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 is the journal of readings itself; choose another file.</source>
        <translation>%1 es el propio registro de lecturas; elige otro archivo.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>I&amp;dioma</translation>
    </message>
    <message>
        <source>The language could not be changed:
%1</source>
        <translation>No se pudo cambiar el idioma:
%1</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>the printer could not be started</source>
        <translation>no se pudo poner en marcha la impresora</translation>
    </message>
    <message>
        <source>the print system reported an error</source>
        <translation>el sistema de impresión informó de un error</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Include my notes</source>
        <translation>Incluir mis notas</translation>
    </message>
</context>
<context>
    <name>PrintedReading</name>
    <message>
        <source>Name: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <translation>Fecha de nacimiento: %1</translation>
    </message>
    <message>
        <source>Date of the reading: %1 at %2</source>
        <translation>Fecha de la lectura: %1, a las %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>My notes</source>
        <translation>Mis notas</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>it is a link another user left in a shared folder</source>
        <translation>es un enlace que otro usuario dejó en una carpeta compartida</translation>
    </message>
    <message>
        <source>it is another user&apos;s file in a shared folder</source>
        <translation>es un archivo de otro usuario en una carpeta compartida</translation>
    </message>
</context>
<context>
    <name>SpreadDisplay</name>
    <message>
        <source>PAST</source>
        <translation>PASADO</translation>
    </message>
    <message>
        <source>PRESENT</source>
        <translation>PRESENTE</translation>
    </message>
    <message>
        <source>FUTURE</source>
        <translation>FUTURO</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Puede que haya una actualización de este programa.<byte value="xd"/>¿Quieres comprobar si la hay?</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya está en marcha</translation>
    </message>
    <message>
        <source>The main window could not be opened:
%1</source>
        <translation>No se pudo abrir la ventana principal:
%1</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Baralune is getting ready. The reading follows in a moment.</source>
        <translation>Baralune se está preparando. La lectura llega enseguida.</translation>
    </message>
    <message>
        <source>This browser cannot run Baralune: it has no WebAssembly. Please use a current browser.</source>
        <translation>Este navegador no puede usar Baralune: no tiene WebAssembly. Usa un navegador actual, por favor.</translation>
    </message>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Algo ha fallado: %1</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The journal cannot be kept in this browser (%1). Readings are dealt as before, without it.</source>
        <translation>Este navegador no puede guardar el registro (%1). Las lecturas se reparten como siempre, sin él.</translation>
    </message>
    <message>
        <source>it was written by a newer Baralune</source>
        <translation>lo escribió un Baralune más reciente</translation>
    </message>
    <message>
        <source>it holds more readings than Baralune imports at once</source>
        <translation>contiene más lecturas de las que Baralune importa de una vez</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <translation>No se importó nada de %1: %2</translation>
    </message>
    <message>
        <source>Readings added to the journal: %1.</source>
        <translation>Lecturas añadidas al registro: %1.</translation>
    </message>
    <message>
        <source>Readings already in the journal, skipped: %1.</source>
        <translation>Lecturas que ya estaban en el registro, omitidas: %1.</translation>
    </message>
    <message>
        <source>Readings in the file that could not be read, skipped: %1.</source>
        <translation>Lecturas del archivo que no se pudieron leer, omitidas: %1.</translation>
    </message>
    <message>
        <source>The journal kept in this browser was damaged. It was set aside, unchanged, and a new journal begins.</source>
        <translation>El registro guardado en este navegador estaba dañado. Se ha apartado sin cambios y empieza un registro nuevo.</translation>
    </message>
    <message>
        <source>Readings that could still be read, %1, were saved as the download %2; Import Journal… in the History brings them back.</source>
        <translation>Las lecturas que aún se podían leer, %1, se han guardado en la descarga %2; Importar un registro… en el Historial las recupera.</translation>
    </message>
    <message>
        <source>Its readings could not be saved to a file: %1</source>
        <translation>No se han podido guardar sus lecturas en un archivo: %1</translation>
    </message>
    <message>
        <source>Readings in the journal that could not be read, left out of the list: %1.</source>
        <translation>Lecturas del registro que no se han podido leer, fuera de la lista: %1.</translation>
    </message>
    <message>
        <source>Import Spread…</source>
        <translation>Importar tirada…</translation>
    </message>
    <message>
        <source>Delete Spread…</source>
        <translation>Eliminar tirada…</translation>
    </message>
    <message>
        <source>&amp;Search by name:</source>
        <translation>&amp;Buscar por nombre:</translation>
    </message>
</context>
<context>
    <name>baralune::CardGuide</name>
    <message>
        <source>Oros</source>
        <translation>Oros</translation>
    </message>
    <message>
        <source>Copas</source>
        <translation>Copas</translation>
    </message>
    <message>
        <source>Espadas</source>
        <translation>Espadas</translation>
    </message>
    <message>
        <source>Bastos</source>
        <translation>Bastos</translation>
    </message>
    <message>
        <source>Card Guide - %1</source>
        <translation>Guía de las cartas - %1</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>A name or a keyword</source>
        <translation>Un nombre o una palabra clave</translation>
    </message>
    <message>
        <source>Search the cards by name or keyword</source>
        <translation>Busca las cartas por nombre o palabra clave</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Time period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Descripción</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>No card matches.</source>
        <translation>Ninguna carta coincide.</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s) found.</source>
        <translation>
            <numerusform>%n carta encontrada.</numerusform>
            <numerusform>%n cartas encontradas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>baralune::FlowWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
</context>
<context>
    <name>baralune::HistoryWindow</name>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Own cards</source>
        <translation>Mis propias cartas</translation>
    </message>
    <message>
        <source>History - %1</source>
        <translation>Historial - %1</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>Export &amp;Journal…</source>
        <translation>Exportar el &amp;registro…</translation>
    </message>
    <message>
        <source>&amp;Import Journal…</source>
        <translation>&amp;Importar un registro…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>How dealt</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>This reading cannot be shown again.</source>
        <translation>Esta lectura no se puede volver a mostrar.</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) could not be read and were left out of the export.</source>
        <translation>
            <numerusform>%n lectura no se pudo leer y se ha dejado fuera de la exportación.</numerusform>
            <numerusform>%n lecturas no se pudieron leer y se han dejado fuera de la exportación.</numerusform>
        </translation>
    </message>
    <message>
        <source>The readings could not be deleted: %1</source>
        <translation>No se pudieron eliminar las lecturas: %1</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>The readings could not be exported to %1: %2</source>
        <translation>No se pudieron exportar las lecturas a %1: %2</translation>
    </message>
    <message>
        <source>No readings match</source>
        <translation>Ninguna lectura coincide</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>No se puede deshacer.</translation>
    </message>
    <message numerus="yes">
        <source>Delete these %n reading(s)?</source>
        <translation>
            <numerusform>¿Eliminar esta lectura?</numerusform>
            <numerusform>¿Eliminar estas %n lecturas?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete the reading of %1 from %2?</source>
        <translation>¿Eliminar la lectura de %1 del %2?</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date dealt</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Sta&amp;tistics…</source>
        <translation>Es&amp;tadísticas…</translation>
    </message>
    <message>
        <source>The reading could not be shown again:
%1</source>
        <translation>No se pudo volver a mostrar la lectura:
%1</translation>
    </message>
    <message>
        <source>The readings could not be exported:
%1</source>
        <translation>No se pudieron exportar las lecturas:
%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>&amp;Search by name or notes:</source>
        <translation>&amp;Buscar por nombre o notas:</translation>
    </message>
    <message>
        <source>Search by name or notes</source>
        <translation>Buscar por nombre o notas</translation>
    </message>
</context>
<context>
    <name>baralune::MDI</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>No se pudo guardar el informe en %1: %2</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>&amp;Exportar como PDF…</translation>
    </message>
    <message>
        <source>The reading could not be printed: %1</source>
        <translation>No se pudo imprimir la lectura: %1</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>no se pudo crear el PDF</translation>
    </message>
    <message>
        <source>The reading could not be exported to %1: %2</source>
        <translation>No se pudo exportar la lectura a %1: %2</translation>
    </message>
    <message>
        <source>Sho&amp;w Spread</source>
        <translation>&amp;Mostrar la tirada</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date of birth</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <comment>when dealt</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy, HH:mm</translation>
    </message>
    <message>
        <source>%1, born %2 — dealt %3</source>
        <translation>%1 (nacimiento: %2) — lectura del %3</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf *.doc)</source>
        <translation>Formato de texto enriquecido (*.rtf *.doc)</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Vista previa de impresión…</translation>
    </message>
    <message>
        <source>The report could not be saved:
%1</source>
        <translation>No se pudo guardar el informe:
%1</translation>
    </message>
    <message>
        <source>The reading could not be dealt:
%1</source>
        <translation>No se pudieron echar las cartas:
%1</translation>
    </message>
    <message>
        <source>The reading could not be printed:
%1</source>
        <translation>No se pudo imprimir la lectura:
%1</translation>
    </message>
    <message>
        <source>The print preview could not be shown:
%1</source>
        <translation>No se pudo mostrar la vista previa de impresión:
%1</translation>
    </message>
    <message>
        <source>The reading could not be exported as PDF:
%1</source>
        <translation>No se pudo exportar la lectura como PDF:
%1</translation>
    </message>
    <message>
        <source>&amp;Notes…</source>
        <translation>&amp;Notas…</translation>
    </message>
</context>
<context>
    <name>baralune::NotesWindow</name>
    <message>
        <source>Notes - %1</source>
        <translation>Notas - %1</translation>
    </message>
    <message>
        <source>&amp;What you asked, and what came of it:</source>
        <translation>&amp;Lo que preguntaste y lo que resultó:</translation>
    </message>
    <message>
        <source>This reading is not kept in the journal, so notes on it last only while it is shown. &amp;Notes:</source>
        <translation>Esta lectura no se guarda en el registro, así que sus notas solo duran mientras se muestra. &amp;Notas:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Notes hold up to %L1 characters: what went past that was not taken.</source>
        <translation>Las notas admiten hasta %L1 caracteres: lo que pasaba de ese límite no se añadió.</translation>
    </message>
</context>
<context>
    <name>baralune::OwnCardsPicker</name>
    <message>
        <source>Diamonds (Oros)</source>
        <translation>Oros</translation>
    </message>
    <message>
        <source>Hearts (Copas)</source>
        <translation>Copas</translation>
    </message>
    <message>
        <source>Spades (Espadas)</source>
        <translation>Espadas</translation>
    </message>
    <message>
        <source>Clubs (Bastos)</source>
        <translation>Bastos</translation>
    </message>
    <message>
        <source>&amp;Undo Last Pick</source>
        <translation>&amp;Deshacer la última elección</translation>
    </message>
    <message>
        <source>D&amp;eal</source>
        <translation>&amp;Repartir</translation>
    </message>
    <message>
        <source>%1, picked for position %2</source>
        <translation>%1, elegida para la posición %2</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Carta %1 de %2</translation>
    </message>
    <message>
        <source>Discard the card picked?</source>
        <translation>¿Descartar la carta elegida?</translation>
    </message>
    <message>
        <source>Discard the %1 cards picked?</source>
        <translation>¿Descartar las %1 cartas elegidas?</translation>
    </message>
</context>
<context>
    <name>baralune::SpreadEditor</name>
    <message>
        <source>Card %1:</source>
        <translation>Carta %1:</translation>
    </message>
    <message>
        <source>A row</source>
        <translation>Una fila</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>A cross</source>
        <translation>Una cruz</translation>
    </message>
    <message>
        <source>A circle</source>
        <translation>Un círculo</translation>
    </message>
    <message>
        <source>The horseshoe</source>
        <translation>La herradura</translation>
    </message>
    <message>
        <source>New spread</source>
        <translation>Tirada nueva</translation>
    </message>
    <message>
        <source>Spread Editor - Baralune</source>
        <translation>Editor de tiradas - Baralune</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>Apl&amp;icar</translation>
    </message>
    <message>
        <source>&amp;Add Position</source>
        <translation>&amp;Añadir posición</translation>
    </message>
    <message>
        <source>Re&amp;move Position</source>
        <translation>&amp;Quitar posición</translation>
    </message>
    <message>
        <source>Add Ca&amp;ption</source>
        <translation>Añadir rót&amp;ulo</translation>
    </message>
    <message>
        <source>Remo&amp;ve Caption</source>
        <translation>Quitar rótul&amp;o</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Des&amp;hacer</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>R&amp;ehacer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Start from a &amp;layout:</source>
        <translation>Partir de una &amp;forma:</translation>
    </message>
    <message>
        <source>Drag the cards, or select one with Tab and move it with the arrow keys (Shift: by a pixel).</source>
        <translation>Arrastra las cartas, o elige una con Tab y muévela con las flechas (con Mayús, píxel a píxel).</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>Pos&amp;itions:</source>
        <translation>&amp;Posiciones:</translation>
    </message>
    <message>
        <source>Position &amp;text:</source>
        <translation>&amp;Texto de la posición:</translation>
    </message>
    <message>
        <source>Ro&amp;w captions:</source>
        <translation>&amp;Rótulos de fila:</translation>
    </message>
    <message>
        <source>Caption te&amp;xt:</source>
        <translation>Te&amp;xto del rótulo:</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>CAPTION</source>
        <translation>RÓTULO</translation>
    </message>
    <message>
        <source>There is no room for %1 cards in %2.</source>
        <translation>No caben %1 cartas en %2.</translation>
    </message>
    <message>
        <source>The spread was not saved: a spread named %1 exists already.</source>
        <translation>La tirada no se guardó: ya existe una tirada llamada %1.</translation>
    </message>
    <message>
        <source>The spread was not saved: %1.</source>
        <translation>La tirada no se guardó: %1.</translation>
    </message>
    <message>
        <source>The spreads could not be kept: %1</source>
        <translation>No se pudieron guardar las tiradas: %1</translation>
    </message>
    <message>
        <source>Save the changes to the spread %1?</source>
        <translation>¿Guardar los cambios de la tirada %1?</translation>
    </message>
</context>
<context>
    <name>baralune::SpreadLayoutView</name>
    <message>
        <source>Layout</source>
        <translation>Disposición</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Carta %1</translation>
    </message>
    <message>
        <source>Row caption %1: %2</source>
        <translation>Rótulo de fila %1: %2</translation>
    </message>
</context>
<context>
    <name>baralune::SpreadsWindow</name>
    <message>
        <source>Spreads - Baralune</source>
        <translation>Tiradas - Baralune</translation>
    </message>
    <message>
        <source>&amp;Spreads:</source>
        <translation>&amp;Tiradas:</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Edit&amp;ar</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplicar</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (copia)</translation>
    </message>
    <message>
        <source>The spreads could not be kept: %1</source>
        <translation>No se pudieron guardar las tiradas: %1</translation>
    </message>
    <message>
        <source>Delete the spread %1? Readings already dealt with it keep it.</source>
        <translation>¿Eliminar la tirada %1? Las lecturas ya echadas con ella la conservan.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Import Spread</source>
        <translation>Importar tirada</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <translation>No se importó nada de %1: %2</translation>
    </message>
    <message>
        <source>A spread named %1 exists already. Import this one as %2?</source>
        <translation>Ya existe una tirada llamada %1. ¿Importar esta como %2?</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export Spread</source>
        <translation>Exportar tirada</translation>
    </message>
    <message>
        <source>The spread could not be exported to %1: %2</source>
        <translation>No se pudo exportar la tirada a %1: %2</translation>
    </message>
    <message>
        <source>Baralune spread (*.baralune-spread)</source>
        <translation>Tirada de Baralune (*.baralune-spread)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Spreads…</source>
        <translation>&amp;Tiradas…</translation>
    </message>
</context>
<context>
    <name>baralune::StatisticsWindow</name>
    <message>
        <source>Diamonds (Oros)</source>
        <translation>Oros</translation>
    </message>
    <message>
        <source>Hearts (Copas)</source>
        <translation>Copas</translation>
    </message>
    <message>
        <source>Spades (Espadas)</source>
        <translation>Espadas</translation>
    </message>
    <message>
        <source>Clubs (Bastos)</source>
        <translation>Bastos</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Sota</source>
        <translation>Sota</translation>
    </message>
    <message>
        <source>Caballo</source>
        <translation>Caballo</translation>
    </message>
    <message>
        <source>Rey</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <comment>month of the readings</comment>
        <translation>MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>percentage</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Statistics - %1</source>
        <translation>Estadísticas - %1</translation>
    </message>
    <message>
        <source>C&amp;hart:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>Cards by suit and rank</source>
        <translation>Cartas por palo y figura</translation>
    </message>
    <message>
        <source>Suits&apos; shares</source>
        <translation>Reparto entre los palos</translation>
    </message>
    <message>
        <source>Readings per month</source>
        <translation>Lecturas por mes</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Figures of the chart</source>
        <translation>Cifras del gráfico</translation>
    </message>
    <message>
        <source>&amp;Save Chart…</source>
        <translation>&amp;Guardar el gráfico…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The readings could not be counted: %1</source>
        <translation>No se pudieron contar las lecturas: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) in the journal.</source>
        <translation>
            <numerusform>%n lectura en el registro.</numerusform>
            <numerusform>%n lecturas en el registro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) whose name or notes contain “%1”.</source>
        <translation>
            <numerusform>%n lectura cuyo nombre o cuyas notas contienen «%1».</numerusform>
            <numerusform>%n lecturas cuyo nombre o cuyas notas contienen «%1».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%n lectura no se pudo leer y se ha dejado fuera.</numerusform>
            <numerusform>%n lecturas no se pudieron leer y se han dejado fuera.</numerusform>
        </translation>
    </message>
    <message>
        <source>How often each card came up, against chance</source>
        <translation>Cuántas veces salió cada carta, frente al azar</translation>
    </message>
    <message>
        <source>By chance</source>
        <translation>Por azar</translation>
    </message>
    <message>
        <source>Times dealt</source>
        <translation>Veces que salió</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>The suits&apos; shares of the cards dealt</source>
        <translation>La parte de cada palo en las cartas que salieron</translation>
    </message>
    <message>
        <source>Suit</source>
        <translation>Palo</translation>
    </message>
    <message>
        <source>Cards dealt</source>
        <translation>Cartas que salieron</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Parte</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <source>MMM yyyy</source>
        <comment>months along the chart</comment>
        <translation>MMM yyyy</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>statistics.png</source>
        <comment>file name suggested</comment>
        <translation>estadísticas.png</translation>
    </message>
    <message>
        <source>The chart could not be drawn.</source>
        <translation>No se pudo dibujar el gráfico.</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <translation>No se pudo guardar el gráfico en %1: %2</translation>
    </message>
</context>
<context>
    <name>baralune::frmAbout</name>
    <message>
        <source>La Baraja Española, the Spanish deck, lends itself to a reading much like the tarot: each of the forty Spanish cards laid in a spread tells of a part of your life. Baralune can help you find solutions to your problems and predict what the future holds for you.</source>
        <translation>La Baraja Española se presta a una lectura muy parecida a la del tarot: cada una de sus cuarenta cartas, puesta en una tirada, habla de una parte de tu vida. Baralune puede ayudarte a encontrar soluciones a tus problemas y a predecir lo que te depara el futuro.</translation>
    </message>
    <message>
        <source>Baralune icon</source>
        <translation>Icono de Baralune</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haz clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Negocio desde casa: crea tu propio negocio en internet y gana dinero en la red. Consigue este programa con la marca de tu web.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Más información aquí.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>baralune::frmCartomancy</name>
    <message>
        <source>Position %1</source>
        <translation>Posición %1</translation>
    </message>
    <message>
        <source>Position %1: face down</source>
        <translation>Posición %1: boca abajo</translation>
    </message>
    <message>
        <source>Spread display</source>
        <translation>Vista de la tirada</translation>
    </message>
    <message>
        <source>For Detailed Analysis Visit %1</source>
        <translation>Para un análisis detallado, visita %1</translation>
    </message>
    <message>
        <source>Position %1: %2</source>
        <translation>Posición %1: %2</translation>
    </message>
</context>
<context>
    <name>baralune::frmMain</name>
    <message>
        <source>Welcome to Baralune or La Baraja Española! Know more about your future with the Spanish playing cards predicting your fortune! Just enter your name and date of birth, make the spread selection and get an instant reading!</source>
        <translation>¡Te damos la bienvenida a Baralune, la Baraja Española! Descubre lo que te depara el futuro con los naipes españoles. Escribe tu nombre y tu fecha de nacimiento, elige una tirada y obtén tu lectura al instante.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own name, address and logo on Baralune and give it to your visitors. Click Here for more info on co-branding.</source>
        <translation>Personaliza este programa para tu web: pon en Baralune tu nombre, tu dirección y tu logotipo, y regálaselo a tus visitantes. Haz clic aquí para saber cómo hacerlo.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Negocio desde casa: crea tu propio negocio en internet y gana dinero en la red. Consigue este programa con la marca de tu web. Más información aquí.</translation>
    </message>
    <message>
        <source>Deal The &amp;Cards</source>
        <translation>Echar las &amp;cartas</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now</source>
        <translation>El foro esotérico más popular de internet. Haz clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mes de nacimiento</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Día de nacimiento</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>Spread Selection</source>
        <translation>Elección de tirada</translation>
    </message>
    <message>
        <source>Select Spread</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Analyze Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Deal The Spanish &amp;Cards</source>
        <translation>Echar las &amp;cartas españolas</translation>
    </message>
    <message>
        <source>Advertisement</source>
        <translation>Publicidad</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre, por favor</translation>
    </message>
    <message>
        <source>Please Select Spread</source>
        <translation>Elige una tirada, por favor</translation>
    </message>
    <message>
        <source>Please Select Analyze Mode</source>
        <translation>Elige cómo echar las cartas, por favor</translation>
    </message>
</context>
<context>
    <name>baralune::frmManual</name>
    <message>
        <source>Baralune is generating the Analysis. Please wait...</source>
        <translation>Baralune está preparando el análisis. Espera, por favor…</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum</source>
        <translation>El foro esotérico más popular de internet</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Haz clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>Card tray</source>
        <translation>Bandeja de cartas</translation>
    </message>
    <message>
        <source>Advertisement</source>
        <translation>Publicidad</translation>
    </message>
    <message>
        <source>Face-down card %1</source>
        <translation>Carta %1 boca abajo</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>My Own Cards</source>
        <translation>Mis propias cartas</translation>
    </message>
</context>
</TS>
