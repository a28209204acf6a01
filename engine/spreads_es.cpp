#include "catalogue_texts.h"

namespace baralune::texts {

const std::array<SpreadNamesText, 4> kSpreadNamesEs = {{
    {"Pasado, presente y futuro", "Tirada de 3 cartas"},
    {"Tirada de 9 cartas", "Tirada de 9 cartas"},
    {"Tirada de la herradura", "Tirada de la herradura"},
    {"Tirada gitana", "Tirada gitana/romaní"},
}};

const std::array<std::string_view, 3> kThreeCardPositionsEs = {
    "La carta 1 habla de tus experiencias pasadas y también muestra tu situación actual.",
    "La carta 2 representa las influencias del momento y se centra en la pregunta, el "
    "problema o la situación concreta.",
    "La carta 3 indica el desenlace.",
};

const std::array<std::string_view, 9> kNineCardPositionsEs = {
    "La carta 1 representa tu pasado.",   "La carta 2 representa tu pasado.",
    "La carta 3 representa tu pasado.",   "La carta 4 representa tu presente.",
    "La carta 5 representa tu presente.", "La carta 6 representa tu presente.",
    "La carta 7 representa tu futuro.",   "La carta 8 representa tu futuro.",
    "La carta 9 representa tu futuro.",
};

const std::array<std::string_view, 7> kHorseshoePositionsEs = {
    "La carta 1 ofrece una visión general de la situación.",
    "La carta 2 te habla de las opciones que tienes para actuar.",
    "La carta 3 refleja la estabilidad o la inestabilidad de la situación en cuestión.",
    "La carta 4 refleja los desafíos.",
    "La carta 5 te habla de los obstáculos que tendrás que superar.",
    "La carta 6 te revela quiénes son tus verdaderos amigos y quiénes tus rivales.",
    "La carta 7 representa el desenlace.",
};

const RomanyPositionWords kRomanyPositionsEs = {
    "Carta ",
    ": representa el pasado.",
    ": representa el presente.",
    ": refleja el futuro.",
};

}  // namespace baralune::texts
