#include "deal_messages.h"

namespace baralune {

namespace {

constexpr std::string_view kUsageEn =
    "Usage: baralune-deal --spread N [--cards LIST] [--out FILE] [--text] [--pdf FILE]\n"
    "                     [--language en|es]\n"
    "       baralune-deal --spread-file FILE [options as above]\n"
    "Deals one reading and writes its report as RTF (or plain text with --text).\n"
    "  --spread N    0 \"Past, Present, Future\", 1 \"9 Card Layout\",\n"
    "                2 \"Horseshoe Spread\", 3 \"Gypsy Spread\" (index, or name in English\n"
    "                or Spanish)\n"
    "  --spread-file FILE  deal a reader's own spread, read from its .baralune-spread\n"
    "                file, instead\n"
    "  --out FILE    write the report to FILE instead of standard output\n"
    "  --text        write the report's plain text instead of RTF\n"
    "  --pdf FILE    write the reading as PDF to FILE (needs no display); the report\n"
    "                is then written only to the file --out names, from the same reading\n"
    "  --cards LIST  read these cards instead of drawing: the card indices 0..39\n"
    "                in position order, separated by commas (3,17,25)\n"
    "  --language L  write in English (en) or Spanish (es); without it, the language\n"
    "                of the system's locale (LC_ALL, LC_MESSAGES, LANG)\n"
    "  --help        show this help\n"
    "  --version     show the version\n";

constexpr std::string_view kUsageEs =
    "Uso: baralune-deal --spread N [--cards LISTA] [--out ARCHIVO] [--text] [--pdf ARCHIVO]\n"
    "                   [--language en|es]\n"
    "     baralune-deal --spread-file ARCHIVO [opciones como arriba]\n"
    "Echa las cartas una vez y escribe el informe de la lectura en RTF (o en texto sin\n"
    "formato con --text).\n"
    "  --spread N      0 «Pasado, presente y futuro», 1 «Tirada de 9 cartas»,\n"
    "                  2 «Tirada de la herradura», 3 «Tirada gitana» (número, o nombre\n"
    "                  en español o en inglés)\n"
    "  --spread-file ARCHIVO  echa en su lugar una tirada propia, leída de su archivo\n"
    "                  .baralune-spread\n"
    "  --out ARCHIVO   escribe el informe en ARCHIVO en lugar de en la salida estándar\n"
    "  --text          escribe el texto del informe sin formato en lugar de RTF\n"
    "  --pdf ARCHIVO   escribe la lectura en PDF en ARCHIVO (no necesita pantalla); el\n"
    "                  informe, de la misma lectura, solo se escribe entonces en el\n"
    "                  archivo que indique --out\n"
    "  --cards LISTA   lee estas cartas en lugar de sacarlas al azar: los números de\n"
    "                  carta 0..39 en el orden de las posiciones, separados por comas\n"
    "                  (3,17,25)\n"
    "  --language L    escribe en inglés (en) o en español (es); sin esta opción, en el\n"
    "                  idioma de la configuración regional del sistema (LC_ALL,\n"
    "                  LC_MESSAGES, LANG)\n"
    "  --help          muestra esta ayuda\n"
    "  --version       muestra la versión\n";

}  // namespace

std::string_view DealUsage(Language language) {
  return Say(language, kUsageEn, kUsageEs);
}

}  // namespace baralune
