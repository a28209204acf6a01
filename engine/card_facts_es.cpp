#include "catalogue_texts.h"

namespace baralune::texts {

// Spanish name, keywords and season week of each card, in deck order. The Three and Six of
// Spades share one keyword line, as in English.
const std::array<CardFactsText, 40> kCardFactsEs = {{
    // 0 Ace of Clubs (Ace)
    {"As de Bastos", "Acción, éxito, liderazgo, valentía y energía.",
     "1.ª semana de la primavera."},
    // 1 Two of Clubs (Dos)
    {"Dos de Bastos", "Encrucijada, superación de obstáculos, indecisión y desafío.",
     "2.ª semana de la primavera."},
    // 2 Three of Clubs (Tres)
    {"Tres de Bastos", "Cambio, flexibilidad, desarrollo, viajes y ambición.",
     "3.ª semana de la primavera."},
    // 3 Four of Clubs (Cuatro)
    {"Cuatro de Bastos", "Felicidad, alegría, descanso, calidez y apoyo.",
     "4.ª semana de la primavera."},
    // 4 Five of Clubs (Cinco)
    {"Cinco de Bastos", "Desafío, energía, buenas perspectivas, independencia y poder.",
     "5.ª semana de la primavera."},
    // 5 Six of Clubs (Seis)
    {"Seis de Bastos", "Victoria, éxito, energía, confianza y espíritu emprendedor.",
     "6.ª semana de la primavera."},
    // 6 Seven of Clubs (Siete)
    {"Siete de Bastos", "Dificultades, adversidad, defensa, fortaleza y poder.",
     "7.ª semana de la primavera."},
    // 7 Ten of Clubs (Sota)
    {"Sota de Bastos", "Ayuda, comprensión, formalidad, fiabilidad y emotividad.",
     "10.ª semana de la primavera."},
    // 8 Queen of Clubs (Rey)
    {"Rey de Bastos", "Poder, determinación, voluntad firme, sociabilidad y liderazgo.",
     "12.ª semana de la primavera."},
    // 9 Knight of Clubs (Caballo)
    {"Caballo de Bastos", "Valentía, heroísmo, entusiasmo, flexibilidad y dinamismo.",
     "11.ª semana de la primavera."},
    // 10 Ace of Diamonds (As/El Oré)
    {"As de Oros", "Ayuda económica, paciencia, perseverancia, poder y sencillez.",
     "1.ª semana del otoño."},
    // 11 Two of Diamonds (Dos)
    {"Dos de Oros",
     "Malabarismos, flexibilidad, adaptabilidad, espíritu juguetón y despreocupación.",
     "2.ª semana del otoño."},
    // 12 Three of Diamonds (Tres)
    {"Tres de Oros",
     "Reconocimiento, mejora económica, ascenso, flexibilidad y nuevas responsabilidades en el "
     "trabajo.",
     "3.ª semana del otoño."},
    // 13 Four of Diamonds (Cuatro)
    {"Cuatro de Oros",
     "Codicia, afán de posesión, autocontrol, estabilidad económica y posición social.",
     "4.ª semana del otoño."},
    // 14 Five of Diamonds (Cinco)
    {"Cinco de Oros", "Crisis, inestabilidad económica, aislamiento, abatimiento y privaciones.",
     "5.ª semana del otoño."},
    // 15 Six of Diamonds (Seis)
    {"Seis de Oros", "Generosidad, ayuda, ganancias económicas, cariño y responsabilidad.",
     "6.ª semana del otoño."},
    // 16 Seven of Diamonds (Siete)
    {"Siete de Oros",
     "Paciencia, perseverancia, determinación, capacidad de replantearse las cosas y éxito.",
     "7.ª semana del otoño."},
    // 17 Ten of Diamonds (Sota)
    {"Sota de Oros",
     "Prosperidad, riqueza, apego a la familia, espíritu emprendedor y don de comunicación.",
     "10.ª semana del otoño."},
    // 18 Queen of Diamonds (Rey)
    {"Rey de Oros", "Figura paternal, sensibilidad, calidez, comprensión y emotividad.",
     "12.ª semana del otoño."},
    // 19 Knight of Diamonds (Caballo)
    {"Caballo de Oros", "Dotes de negociador, fuerza, fiabilidad, firmeza y terquedad.",
     "11.ª semana del otoño."},
    // 20 Ace of Hearts (As/La Copeta)
    {"As de Copas", "Amor, plenitud, sensibilidad, emotividad y confianza.",
     "1.ª semana del verano."},
    // 21 Two of Hearts (Dos)
    {"Dos de Copas", "Buen corazón, atracción, devoción, sensibilidad y comprensión.",
     "2.ª semana del verano."},
    // 22 Three of Hearts (Tres)
    {"Tres de Copas", "Alegría, felicidad, romance, bienestar y sensibilidad.",
     "3.ª semana del verano."},
    // 23 Four of Hearts (Cuatro)
    {"Cuatro de Copas", "Apatía, frustración, insatisfacción, sensación de vacío y emotividad.",
     "4.ª semana del verano."},
    // 24 Five of Hearts (Cinco)
    {"Cinco de Copas", "Duelo, pena, preocupación, abatimiento y decepción.",
     "5.ª semana del verano."},
    // 25 Six of Hearts (Seis)
    {"Seis de Copas",
     "Nostalgia, añoranza del hogar, aislamiento, inflexibilidad y espíritu servicial.",
     "6.ª semana del verano."},
    // 26 Seven of Hearts (Siete)
    {"Siete de Copas", "Buen corazón, sensibilidad, cooperación, romanticismo y comprensión.",
     "7.ª semana del verano."},
    // 27 Ten of Hearts (Sota)
    {"Sota de Copas", "Lealtad, encanto, comprensión, cordialidad y buen humor.",
     "10.ª semana del verano."},
    // 28 Queen of Hearts (Rey)
    {"Rey de Copas", "Calidez, sensibilidad, comprensión, don de sanar y encanto.",
     "12.ª semana del verano."},
    // 29 Knight of Hearts (Caballo)
    {"Caballo de Copas", "Calidez, sensibilidad, carisma, amor y romanticismo.",
     "11.ª semana del verano."},
    // 30 Ace of Spades
    {"As de Espadas", "Desgracias, determinación, desafío, muerte y terquedad.",
     "1.ª semana del invierno."},
    // 31 Two of Spades (Dos)
    {"Dos de Espadas",
     "Punto muerto, tensión, indecisión, afán de discutir y falta de sentido práctico.",
     "2.ª semana del invierno."},
    // 32 Three of Spades (Tres)
    {"Tres de Espadas",
     "Independencia, tendencia autodestructiva, conflictos, separación y comienzo de una nueva "
     "etapa de la vida.",
     "3.ª semana del invierno."},
    // 33 Four of Spades (Cuatro)
    {"Cuatro de Espadas", "Estancamiento, enfermedad, desánimo, debilidad y desafíos.",
     "4.ª semana del invierno."},
    // 34 Five of Spades (Cinco)
    {"Cinco de Espadas",
     "Carácter pendenciero, afán de discutir, independencia, humillación e ira.",
     "5.ª semana del invierno."},
    // 35 Six of Spades (Seis)
    {"Seis de Espadas",
     "Independencia, tendencia autodestructiva, conflictos, separación y comienzo de una nueva "
     "etapa de la vida.",
     "6.ª semana del invierno."},
    // 36 Seven of Spades (Siete)
    {"Siete de Espadas", "Timidez, cobardía, disimulo, astucia y manipulación.",
     "7.ª semana del invierno."},
    // 37 Ten of Spades (Sota)
    {"Sota de Espadas",
     "Nuevo comienzo, toma de conciencia, fin de los malos hábitos, despedida dolorosa y "
     "prosperidad.",
     "10.ª semana del invierno."},
    // 38 Queen of Spades (Rey)
    {"Rey de Espadas", "Independencia, carácter volátil, dinamismo, inquietud y despreocupación.",
     "12.ª semana del invierno."},
    // 39 Knight of Spades (Caballo)
    {"Caballo de Espadas",
     "Engaño, preocupaciones, momentos de abatimiento, inteligencia y prudencia.",
     "11.ª semana del invierno."},
}};

}  // namespace baralune::texts
