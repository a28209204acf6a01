#include "catalogue_texts.h"

namespace baralune::texts {

// Introduction shown for each spread a reading can be laid out in.
const std::array<std::string_view, 4> kSpreadDescriptionsEs = {
    // 0 Past, Present, Future (3 Card Spread, 3 cards)
    "La tirada de 3 cartas da una respuesta rápida y clara a cualquier pregunta. La primera "
    "carta revela el pasado y las influencias que dieron forma al presente. La segunda muestra la "
    "situación actual. La tercera señala el futuro más probable si sigues por el camino que "
    "llevas.",
    // 1 9 Card Layout (9 Card Spread, 9 cards)
    "La tirada de 9 cartas ofrece una lectura detallada de una situación. Las cartas se disponen "
    "en tres filas de tres y muestran el pasado, el presente y el futuro, junto con las fuerzas "
    "ocultas y las personas que influyen en el desenlace. Es muy adecuada para las decisiones "
    "difíciles.",
    // 2 Horseshoe Spread (7 cards)
    "Esta tirada es una de las mejores para pedir orientación sobre un problema. Siete cartas "
    "forman una herradura que revela el pasado, el presente, las influencias ocultas, los "
    "obstáculos, las fuerzas externas, el consejo y el resultado final.",
    // 3 Gypsy Spread (Gypsy / Romany Spread, 21 cards)
    "Los gitanos practican esta tirada desde hace más de un siglo y la han transmitido "
    "de generación en generación. Veintiuna cartas se disponen en tres filas de siete. Las filas "
    "representan el pasado, el presente y el futuro, y cada columna abarca un aspecto de la vida, "
    "como tu persona, tu hogar, tus esperanzas y deseos, lo inesperado, tu futuro cercano y tu "
    "destino a largo plazo. La tirada gitana ofrece una visión amplia y detallada de toda tu "
    "situación."
    "\r\n"
    "Para hacer la lectura, las cartas se colocan una junto a otra.",
};

}  // namespace baralune::texts
