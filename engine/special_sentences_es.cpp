#include "catalogue_texts.h"

namespace baralune::texts {

// Special interpretations; slot k-1 holds rule k.
const std::array<std::string_view, 12> kSpecialSentencesEs = {
    // 1 Knight, 3, 5 of Spades with 5, 7 of Clubs: restlessness
    "El Caballo, el 3 y el 5 de Espadas junto con el 5 y el 7 de Bastos indican inquietud que "
    "lleva a discusiones y peleas.",
    // 2 Ace, 3, 6, 10 of Hearts: new life
    "El As, el 3, el 6 y la Sota de Copas anuncian el nacimiento de una nueva vida o un embarazo.",
    // 3 Knight and 7 of Spades with Knight and 7 of Hearts: deceit
    "El Caballo y el 7 de Espadas junto con el Caballo y el 7 de Copas indican engaño o trampas.",
    // 4 Ace, 3, 5, 10 of Spades with 5 of Hearts: separation
    "El As, el 3, el 5 y la Sota de Espadas junto con el 5 de Copas anuncian una separación de "
    "mutuo acuerdo o un divorcio.",
    // 5 4, 5, 6, 7 of Spades: leaving a job
    "El 4, el 5, el 6 y el 7 de Espadas indican un despido o el abandono del empleo.",
    // 6 Ace, 2, 3, 10 of Hearts: reunion and marriage
    "El As, el 2, el 3 y la Sota de Copas indican un nuevo reencuentro y un matrimonio.",
    // 7 Knight of Diamonds and 7 of Spades: a single man's worries
    "El Caballo de Oros y el 7 de Espadas anuncian preocupaciones para un hombre soltero.",
    // 8 Ace of Spades and 10 of Hearts: sadness fades
    "El As de Espadas y la Sota de Copas anuncian que muy pronto tu tristeza se desvanecerá.",
    // 9 Ace of Hearts and Ace of Clubs: success
    "El As de Copas y el As de Bastos anuncian que el éxito está en camino y que triunfarás al "
    "cien por cien en todas tus empresas.",
    // 10 Knight and 10 of Hearts: positive changes
    "El Caballo de Copas y la Sota de Copas representan algunos cambios positivos.",
    // 11 6 of Diamonds and 7 of Hearts: early marriage
    "El 6 de Oros y el 7 de Copas anuncian un matrimonio temprano.",
    // 12 6 of Clubs and 7 of Spades: travel abroad
    "El 6 de Bastos y el 7 de Espadas anuncian preocupaciones relacionadas con un viaje al "
    "extranjero.",
};

}  // namespace baralune::texts
