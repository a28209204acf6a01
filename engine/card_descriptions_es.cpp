#include "catalogue_texts.h"

namespace baralune::texts {

// Fortune of each card, in deck order: Bastos, Oros, Copas, Espadas; within a suit As, Dos
// to Siete, Sota, Rey, Caballo.
const std::array<std::string_view, 40> kCardDescriptionsEs = {
    // 0 Ace of Clubs (Ace)
    "La carta te dice que des todos los pasos necesarios para convertir tus ideas en hechos, "
    "porque se abre una etapa de éxito. Tu valentía y tu energía inspirarán a quienes te rodean, y "
    "verán en ti a alguien capaz de guiarlos. Emprende ese proyecto que sigues aplazando: las "
    "puertas se abrirán con más facilidad de la que esperas.",
    // 1 Two of Clubs (Dos)
    "Todos tus planes y aspiraciones dependerán de tu capacidad para elegir. Te encuentras en una "
    "encrucijada, y dudar puede costarte más que equivocarte de rumbo. Surgirán obstáculos en los "
    "dos caminos, pero ninguno es demasiado alto para ti. Sopesa tus opciones con calma, confía en "
    "tu intuición y sigue con decisión el camino que elijas.",
    // 2 Three of Clubs (Tres)
    "Algunos sucesos mágicos podrían llenarte de asombro. Todo indica que se acerca un cambio, tal "
    "vez en forma de viaje o de mudanza a un entorno nuevo. Sé flexible y deja que tus ambiciones "
    "te guíen. Lo que aprendas en el camino te ayudará a crecer como nunca habías imaginado.",
    // 3 Four of Clubs (Cuatro)
    "La carta te dice que te prepares para celebrar. Se acerca una etapa feliz y tranquila, en la "
    "que tu casa será un lugar acogedor y tus amigos te ofrecerán su apoyo sin que se lo pidas. "
    "Tómate tiempo para disfrutar de la compañía de tus seres queridos y para descansar después de "
    "tus últimos esfuerzos. Una reunión o una celebración familiar traerá alegría a todos los "
    "presentes.",
    // 4 Five of Clubs (Cinco)
    "Esta carta anuncia una etapa difícil en la que tendrás que luchar por lo que es tuyo. Tus "
    "rivales te desafiarán, y las disputas pueden agotar tu energía. Sin embargo, esta lucha "
    "también trae buenas perspectivas: sacará a la luz tu independencia y tu fuerza. Mantente "
    "firme y el desenlace te será favorable.",
    // 5 Six of Clubs (Seis)
    "Habrá cambios en tu entorno más cercano. No les tengas miedo, porque anuncian una victoria. "
    "Puede que pronto te lleguen buenas noticias sobre un concurso, un examen o un negocio. Tu "
    "confianza y tu espíritu emprendedor tendrán su recompensa, y los demás reconocerán tu éxito. "
    "Acepta los elogios con elegancia.",
    // 6 Seven of Clubs (Siete)
    "El Siete de Bastos indica que solo podrás disfrutar del fruto de tus esfuerzos después de "
    "superar algunas dificultades. La adversidad puede poner a prueba tu paciencia, y quizá tengas "
    "que defender tu posición frente a otros. Tienes la fuerza y el poder necesarios para "
    "mantenerte firme, así que no te rindas en el último momento.",
    // 7 Ten of Clubs (Sota)
    "Esta carta indica que podrías encontrarte con una persona joven, honrada y de confianza, que "
    "te ofrecerá ayuda cuando más la necesites. Es una persona comprensiva y emotiva que escuchará "
    "tus problemas sin juzgarte. Acepta su apoyo con el corazón abierto. Un mensaje o una noticia "
    "que te traiga esta persona podría quitarte un gran peso de encima.",
    // 8 Queen of Clubs (Rey)
    "Esta carta representa a un hombre de cabello oscuro y piel tostada por el sol, una figura "
    "poderosa y decidida que puede convertirse en tu aliado. Tiene una voluntad firme, es sociable "
    "y, de forma natural, toma las riendas en cualquier grupo. Si le pides consejo, te lo dará con "
    "generosidad, aunque a cambio espera lealtad. En todo lo relacionado con el trabajo, su "
    "respaldo puede llevarte al puesto que tanto tiempo llevas esperando.",
    // 9 Knight of Clubs (Caballo)
    "Es una carta misteriosa que habla de alguien que llega o se marcha de repente. Una persona "
    "valiente y entusiasta podría entrar pronto en tu vida y revolverlo todo. Responde con "
    "flexibilidad y dinamismo, porque esta visita podría dar un giro heroico a los "
    "acontecimientos.",
    // 10 Ace of Diamonds (As/El Oré)
    "Esta carta anuncia que se acerca para ti un tiempo de celebración. Podrías recibir ayuda "
    "económica, un pago inesperado o un regalo en dinero que alivie tus cargas. Sé paciente y "
    "constante con tus ahorros, y esta pequeña fortuna irá creciendo. Usa tu buena suerte con "
    "sensatez y compártela con los demás.",
    // 11 Two of Diamonds (Dos)
    "La carta dice que, por ahora, el camino puede tener altibajos y tendrás que hacer malabares "
    "con varias obligaciones a la vez. Mantén una actitud flexible, alegre y despreocupada, porque "
    "el buen humor te ayudará a equilibrar el trabajo, el dinero y la familia. Puede que surjan "
    "pequeños gastos, pero encontrarás la manera de cubrirlos todos.",
    // 12 Three of Diamonds (Tres)
    "¿Te cansan las tareas de cada día y la misma rutina en el trabajo? El reconocimiento está "
    "cerca. Tus superiores se están fijando en tus capacidades, y pronto podría anunciarse un "
    "ascenso o un aumento de sueldo. Podrían confiarte nuevas responsabilidades en tu trabajo, así "
    "que mantén la flexibilidad y las ganas de aprender. Tu esfuerzo está a punto de dar fruto.",
    // 13 Four of Diamonds (Cuatro)
    "La carta dice que recibirás un regalo o una herencia que mejorará tu estabilidad económica y "
    "tu posición social. Protege tu patrimonio con autocontrol, pero no caigas en la codicia ni en "
    "el afán de posesión, porque aferrarte demasiado a lo que tienes puede costarte amigos "
    "verdaderos.",
    // 14 Five of Diamonds (Cinco)
    "El Cinco de Oros indica que debes prestar mucha atención a tus finanzas. Una crisis puede "
    "dejarte una sensación de aislamiento o de carencia, y quizá sientas la tentación de ocultar "
    "tus problemas. No lo afrontes en soledad: pide ayuda y consejo. Esta etapa de abatimiento "
    "pasará, y una planificación cuidadosa te devolverá el equilibrio.",
    // 15 Six of Diamonds (Seis)
    "Quizá vivas un periodo de confusión. Asuntos sin importancia podrían parecer más grandes de "
    "lo que son, pero una persona generosa y atenta acudirá en tu ayuda. Es probable que obtengas "
    "ganancias económicas, ya sea mediante un regalo o un pago justo por tu trabajo. Cuando la "
    "fortuna te sonría, actúa con responsabilidad y comparte lo que puedas con quienes tienen "
    "menos.",
    // 16 Seven of Diamonds (Siete)
    "Es una de las cartas más favorables de la baraja. Tu carácter paciente y perseverante te "
    "llevará al éxito, sobre todo en las inversiones a largo plazo. Dedica un tiempo a revisar tus "
    "planes y a ver adónde te lleva tu esfuerzo. Con determinación, las semillas que sembraste "
    "hace tanto tiempo pronto darán una cosecha abundante.",
    // 17 Ten of Diamonds (Sota)
    "Podrías conocer a una mujer rica e influyente que te traerá buenas noticias sobre dinero o "
    "propiedades. Es próspera, está muy unida a su familia y es una excelente comunicadora, y sus "
    "consejos podrían ayudarte a planear una nueva empresa con espíritu emprendedor. Escucha con "
    "atención sus palabras, porque podrían abrirte el camino hacia la riqueza.",
    // 18 Queen of Diamonds (Rey)
    "Podrías conocer a un hombre rico e influyente que te protegerá y te guiará casi como un "
    "padre. Es sensible, cálido y comprensivo, y te apoyará siempre que atravieses momentos "
    "difíciles. Confía en su criterio en los asuntos del hogar y del dinero, porque su bondad nace "
    "de un cariño sincero.",
    // 19 Knight of Diamonds (Caballo)
    "Prepárate para recibir a un invitado de tierras lejanas que trae una oferta digna de "
    "consideración. Este visitante es un hábil negociador, fuerte y de fiar, aunque a veces terco. "
    "Escúchalo con paciencia y luego negocia con astucia: cualquier acuerdo que alcances ahora "
    "puede asegurar tus finanzas durante años.",
    // 20 Ace of Hearts (As/La Copeta)
    "Esta carta indica que algo o alguien de tu pasado volverá para traerte amor y plenitud. Tu "
    "corazón rebosará de alegría y sentirás con más intensidad las necesidades de los demás. "
    "Escucha tus emociones y actúa con seguridad, porque la felicidad ya está llamando a tu "
    "puerta.",
    // 21 Two of Hearts (Dos)
    "Esta carta anuncia la bendición de tener a tu lado a alguien de buen corazón. Una fuerte "
    "atracción podría convertirse en una relación basada en una profunda devoción y en la "
    "confianza mutua. Ten en cuenta los sentimientos de tu pareja y procura comprender lo que "
    "necesita. Las amistades que nazcan ahora también podrían durar toda la vida.",
    // 22 Three of Hearts (Tres)
    "Es una carta propicia: ha llegado el momento de celebrar. La alegría y la felicidad llenarán "
    "tus días, y el romance podría florecer en una fiesta o en una reunión familiar. Disfruta de "
    "la buena compañía y déjate conmover por la belleza que te rodea. No faltarán las risas.",
    // 23 Four of Hearts (Cuatro)
    "Si la vida te regala el momento presente, no lo desperdicies lamentándote. Esta carta "
    "advierte contra la apatía: puede que la frustración, la insatisfacción o una sensación de "
    "vacío te invadan incluso cuando la vida te ofrece mucho. Mira lo que tienes con otros ojos. "
    "Podría llegarte una propuesta que te toque el corazón; piénsala bien antes de rechazarla con "
    "demasiada prisa.",
    // 24 Five of Hearts (Cinco)
    "Puede que atravieses una etapa delicada, con muchas preocupaciones que te pesan en el alma. "
    "El dolor por una pérdida o la decepción con alguien cercano podrían sumirte en el "
    "abatimiento. Permítete sentir la tristeza, pero no olvides nunca lo que aún te queda. Tus "
    "amigos están dispuestos a consolarte, y las nubes oscuras se irán disipando poco a poco.",
    // 25 Six of Hearts (Seis)
    "Sin duda, la flecha de Cupido te alcanzará. Los recuerdos nostálgicos podrían llevarte de "
    "vuelta a un amigo de la infancia o a un antiguo amor, quizá en un encuentro casual en un café "
    "tranquilo. Si has echado de menos tu hogar o te ha pesado la soledad, este reencuentro te "
    "reconfortará el corazón. Mantén una actitud servicial y abierta, sin cerrarte en banda, y el "
    "amor crecerá.",
    // 26 Seven of Hearts (Siete)
    "¿Has tenido contratiempos últimamente? Esta carta promete que el amor te traerá alivio. Una "
    "pareja cálida y sensible estará a tu lado, y tu espíritu de cooperación hará que cada tarea "
    "resulte más ligera. Los sueños románticos podrían hacerse realidad si los dos se tratan con "
    "comprensión y paciencia.",
    // 27 Ten of Hearts (Sota)
    "Una mujer de piel clara y cabello oscuro está a punto de desempeñar un papel importante en tu "
    "vida. Es leal, encantadora y comprensiva, y su trato amable te animará siempre que tengas el "
    "ánimo bajo. Puede ser una nueva amiga, una compañera de trabajo o una pariente. Acepta su "
    "bondad y devuélvela, porque este vínculo puede traerte una felicidad duradera.",
    // 28 Queen of Hearts (Rey)
    "Esta carta representa a un hombre de piel clara, buen corazón y sonrisa cálida. Es sensible y "
    "comprensivo, un sanador nato al que todos quieren. Sus consejos pueden aliviar viejas "
    "heridas, así que no dudes en confiar en él cuando lo necesites.",
    // 29 Knight of Hearts (Caballo)
    "Esta carta habla de un admirador muy caprichoso y temperamental que podría hacerte perder la "
    "cabeza. Es cálido, sensible y carismático, y te costará resistirte a sus gestos románticos. "
    "Disfruta de sus atenciones, pero mantén los pies en la tierra, porque sus sentimientos pueden "
    "cambiar como una veleta. El amor verdadero requiere constancia además de pasión.",
    // 30 Ace of Spades
    "Es un buen momento para pleitos y reclamaciones, pero la carta advierte de desgracias. Podría "
    "surgir un desafío que exija toda tu determinación. Algo en tu vida está llegando a su fin "
    "para dejar paso a lo nuevo. No te obstines; adáptate y saldrás de esta con más fuerza.",
    // 31 Two of Spades (Dos)
    "Esta carta indica que te debatirás entre dos opciones, y eso te llevará a un punto muerto. La "
    "tensión puede crecer en casa o en el trabajo, y podrían surgir discusiones por planes poco "
    "prácticos. No prolongues demasiado la indecisión. Da un paso atrás, reúne los datos y, al "
    "final, elige lo que más te convenga.",
    // 32 Three of Spades (Tres)
    "Puede que se avecine una etapa difícil en tu vida. Los conflictos o una separación podrían "
    "herirte, y quizá sientas la tentación de caer en hábitos autodestructivos. Conserva tu "
    "independencia y tu fortaleza. Este final doloroso es también el comienzo de una nueva etapa "
    "que te traerá paz.",
    // 33 Four of Spades (Cuatro)
    "¿Llevas un tiempo descuidando tu salud? Esta carta advierte de estancamiento, enfermedad y "
    "debilidad. El desánimo podría instalarse si sigues exigiéndote demasiado. Descansa, consulta "
    "a un médico si hace falta y recupera tus fuerzas antes de afrontar los desafíos que te "
    "esperan.",
    // 34 Five of Spades (Cinco)
    "Mantente alerta para protegerte del daño que puede causarte la gente pendenciera de tu "
    "entorno. Una disputa puede dejarte una sensación de humillación o de rabia, pero buscar "
    "venganza no te ayudará. Conserva tu independencia y tu dignidad. Aléjate de las peleas que no "
    "puedes ganar, y la situación se calmará antes de lo que esperas.",
    // 35 Six of Spades (Seis)
    "No es un momento favorable para ti. Podrías enfrentarte a conflictos que acaben en la "
    "separación de alguien o de algo que valoras de verdad. Resiste los pensamientos "
    "autodestructivos y conserva tu independencia. Un viaje lejos de los problemas podría marcar "
    "el comienzo de una nueva etapa de la vida y llevarte hacia aguas más tranquilas.",
    // 36 Seven of Spades (Siete)
    "Esta carta indica que podrías sufrir la traición de alguien en quien confías plenamente. Una "
    "persona astuta y taimada podría intentar manipularte en beneficio propio, mientras que un "
    "amigo tímido o cobarde quizá no se atreva a avisarte. Guarda tus planes en secreto, no te "
    "fíes de promesas sin verlas cumplidas y protege lo que te pertenece.",
    // 37 Ten of Spades (Sota)
    "Esta carta indica que podrías descubrir algo inesperado sobre tu propia vida. Un nuevo "
    "comienzo está cerca, pero quizá exija una despedida dolorosa de personas o costumbres que ya "
    "no te hacen bien. Acaba ahora con esos malos hábitos y afronta el cambio con valentía. Cuando "
    "las aguas vuelvan a su cauce, te encontrarás en un camino más próspero.",
    // 38 Queen of Spades (Rey)
    "Esta carta representa a un hombre de cabello oscuro, un hermano o un pariente cercano, cuyo "
    "carácter inquieto no deja a nadie tranquilo. Es independiente, dinámico y despreocupado, pero "
    "su temperamento volátil puede estallar sin previo aviso. Acércate a él con calma y dale "
    "espacio. Su energía, bien encauzada, podría ser de gran ayuda para tus planes.",
    // 39 Knight of Spades (Caballo)
    "La carta dice que, en lugar de dispersarla, debes concentrar tu energía en un solo objetivo. "
    "El engaño podría rodearte y traerte preocupaciones y momentos de abatimiento. Actúa con "
    "inteligencia y prudencia en tus asuntos, y revisa cada detalle antes de firmar nada. Tu "
    "vigilancia te protegerá a ti y a quienes quieres.",
};

}  // namespace baralune::texts
