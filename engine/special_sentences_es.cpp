#include "catalogue_texts.h"

namespace baralune::texts {

// Special interpretations; slot k-1 holds rule k.
const std::array<std::string_view, 12> kSpecialSentencesEs = {
    // 1 Knight, 3, 5 of Spades with 5, 7 of Clubs: restlessness
    "El Caballo, el Tres y el Cinco de Espadas junto con el Cinco y el Siete de Bastos indican una "
    "inquietud que lleva a discusiones y peleas.",
    // 2 Ace, 3, 6, 10 of Hearts: new life
    "El As, el Tres, el Seis y la Sota de Copas anuncian un nacimiento o un embarazo.",
    // 3 Knight and 7 of Spades with Knight and 7 of Hearts: deceit
    "El Caballo y el Siete de Espadas junto con el Caballo y el Siete de Copas anuncian engaños o "
    "trampas.",
    // 4 Ace, 3, 5, 10 of Spades with 5 of Hearts: separation
    "El As, el Tres, el Cinco y la Sota de Espadas junto con el Cinco de Copas anuncian una "
    "separación de mutuo acuerdo o un divorcio.",
    // 5 4, 5, 6, 7 of Spades: leaving a job
    "El Cuatro, el Cinco, el Seis y el Siete de Espadas anuncian un despido o la decisión de dejar "
    "el empleo.",
    // 6 Ace, 2, 3, 10 of Hearts: reunion and marriage
    "El As, el Dos, el Tres y la Sota de Copas anuncian un reencuentro y una boda.",
    // 7 Knight of Diamonds and 7 of Spades: a single man's worries
    "El Caballo de Oros y el Siete de Espadas anuncian preocupaciones para un hombre soltero.",
    // 8 Ace of Spades and 10 of Hearts: sadness fades
    "El As de Espadas y la Sota de Copas anuncian que muy pronto tu tristeza se desvanecerá.",
    // 9 Ace of Hearts and Ace of Clubs: success
    "El As de Copas y el As de Bastos anuncian que el éxito está en camino y que triunfarás "
    "plenamente en todo lo que emprendas.",
    // 10 Knight and 10 of Hearts: positive changes
    "El Caballo y la Sota de Copas anuncian cambios positivos.",
    // 11 6 of Diamonds and 7 of Hearts: early marriage
    "El Seis de Oros y el Siete de Copas anuncian una boda próxima.",
    // 12 6 of Clubs and 7 of Spades: travel abroad
    "El Seis de Bastos y el Siete de Espadas anuncian preocupaciones relacionadas con un viaje al "
    "extranjero.",
};

}  // namespace baralune::texts
