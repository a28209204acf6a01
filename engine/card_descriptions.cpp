#include "catalogue_texts.h"

namespace baralune::texts {

// Fortune of each card of the 40-card Spanish deck, in deck order: Clubs (Bastos),
// Diamonds (Oros), Hearts (Copas), Spades (Espadas); within a suit Ace, Two to Seven,
// Ten (Sota), Queen (Rey), Knight (Caballo).
const std::array<std::string_view, 40> kCardDescriptions = {
    // 0 Ace of Clubs (Ace)
    "The card says that you should take all possible steps to turn your ideas into action, "
    "because this is a season of success. Your courage and energy will inspire the people "
    "around you, and they will look to you for leadership. Start the project you keep "
    "postponing; doors will open more easily than you expect.",
    // 1 Two of Clubs (Dos)
    "All your plans and aspirations will revolve around your ability to choose. You stand "
    "at a crossroads, and hesitation may cost you more than a wrong turn. Obstacles will "
    "appear on both paths, yet none of them is too high for you. Weigh your options calmly, "
    "trust your instincts and commit to the road you pick.",
    // 2 Three of Clubs (Tres)
    "Some magical incidents can leave you awe-struck. Indications are that change is on its "
    "way, perhaps in the shape of a journey or a move to new surroundings. Stay flexible "
    "and let your ambitions guide you. What you learn while traveling will help you grow in "
    "ways you had never imagined before.",
    // 3 Four of Clubs (Cuatro)
    "The card says that you must be prepared to celebrate. A happy and restful period is "
    "coming, when home feels warm and friends offer their support without being asked. Take "
    "time to enjoy the company of the people you love and to rest after your recent "
    "efforts. A gathering or family event should bring joy to everyone involved.",
    // 4 Five of Clubs (Cinco)
    "The sign signifies an unfortunate phase when you will have to fight for what is yours. "
    "Rivals will challenge you, and disputes can drain your energy. Yet this struggle is "
    "also promising: it will show how independent and powerful you truly are. Stand firm "
    "and the outcome will be in your favor.",
    // 5 Six of Clubs (Seis)
    "There will be changes in your immediate surroundings. Do not fear them, since they "
    "herald victory. Happy news about a contest, an exam or a business venture may reach "
    "you soon. Your confidence and enterprising spirit will be rewarded, and others will "
    "recognize your success. Accept the praise with grace.",
    // 6 Seven of Clubs (Siete)
    "The seven of Bastos signify that you can enjoy the rewards of your efforts only after "
    "overcoming some difficulties. Hardship may test your patience, and you may need to "
    "defend your position against others. You are strong and powerful enough to hold your "
    "ground, so don't give up at the last moment.",
    // 7 Ten of Clubs (Sota)
    "The sign indicates that you may come across an honest and dependable young person who "
    "will offer help when you need it most. This person is sympathetic and emotional, and "
    "will listen to your troubles without judging you. Accept the support with an open "
    "heart. A message or piece of news delivered by this helper could bring welcome relief "
    "to your worries.",
    // 8 Queen of Clubs (Rey)
    "This sign points toward a dark-haired man with complexion tanned by the sun, a "
    "powerful and determined figure who may become your ally. He is strong-willed and "
    "social, and he naturally takes the lead in any group. If you seek his advice, he will "
    "be generous with it, though he expects loyalty in return. In all matters of work, his "
    "backing can lift you to a position you have long hoped for.",
    // 9 Knight of Clubs (Caballo)
    "This is a mysterious sign that points towards somebody arriving or departing suddenly. "
    "A courageous and enthusiastic person may soon enter your life and stir things up. Be "
    "flexible and dynamic in your response, as this visit could lead to a heroic turn of "
    "events.",
    // 10 Ace of Diamonds (As/El Oré)
    "The sign indicates a celebration time for you. You may receive financial aid, an "
    "unexpected payment or a gift of money which eases your burdens. Be patient and "
    "persevering with your savings, and this simple blessing will grow into something "
    "powerful. Use your good fortune wisely and share it with others.",
    // 11 Two of Diamonds (Dos)
    "The card says that at present the going can be uneven, and you will need to juggle "
    "several duties at once. Stay adaptable and keep a playful, carefree attitude, for a "
    "light heart will help you balance work, money and family. Minor expenses may come up, "
    "but you will find a way to cover each of them.",
    // 12 Three of Diamonds (Tres)
    "Are you feeling tired of the daily chores and the same routine at work? Recognition is "
    "near. Your superiors are taking note of your skills, and a promotion or a financial "
    "increment might be announced soon. New job scopes might open up, so stay flexible and "
    "willing to learn. Your effort is about to bear visible fruit.",
    // 13 Four of Diamonds (Cuatro)
    "The card says that you will receive some gift or inheritance which improves your "
    "financial stability and social status. Guard your wealth with self control, but do not "
    "become greedy or possessive, because holding on too tightly can cost you true friends.",
    // 14 Five of Diamonds (Cinco)
    "The five of Oros indicates that you should pay close attention to your finances. A "
    "crisis may leave you feeling isolated or deprived, and you might be tempted to hide "
    "your troubles. Do not suffer alone; ask for help and counsel. This depressed period "
    "will pass, and careful planning will restore balance.",
    // 15 Six of Diamonds (Seis)
    "This can be a confusing period for you. Insignificant matters may seem larger than "
    "they are, yet a generous and caring person will step in to help. Financial gain is "
    "likely, either through a gift or a fair payment for your labor. When fortune smiles on "
    "you, be responsible and share what you can with those who have less.",
    // 16 Seven of Diamonds (Siete)
    "This is one of the most favorable cards of the deck. Your patient and persevering "
    "nature will lead to success, especially in long-term investments. Take time to "
    "reassess your plans and check where your effort goes. With determination, the seeds "
    "you planted so long ago will soon yield a rich harvest.",
    // 17 Ten of Diamonds (Sota)
    "You can meet a rich and influential woman who will bring good news about money or "
    "property. She is prosperous, family bound and an excellent communicator, and her "
    "advice might help you plan an enterprising new venture. Listen carefully to her words, "
    "because they could lead you toward a more wealthy future.",
    // 18 Queen of Diamonds (Rey)
    "You can meet a rich and influential man who acts as a motherly figure in your life, "
    "protecting and guiding you. He is sensitive, warm and understanding, and he will "
    "support you emotionally whenever times are hard. Trust in his judgement in matters of "
    "home and money, for his kindness comes from genuine care.",
    // 19 Knight of Diamonds (Caballo)
    "Be prepared to welcome a guest from a far-off place who brings an offer worth "
    "considering. This visitor is a skilled negotiator, strong and reliable, though "
    "sometimes stubborn. Listen patiently, then bargain wisely; any agreement reached now "
    "can secure your finances for years.",
    // 20 Ace of Hearts (As/La Copeta)
    "This playing card indicates that something or someone from your past will return to "
    "bring love and fulfillment. Your heart will feel full, and you will be more sensitive "
    "to the needs of others. Trust your emotions and act with confidence, because happiness "
    "is waiting at your door.",
    // 21 Two of Hearts (Dos)
    "This card signifies that you will be blessed by a warm hearted companion. A strong "
    "attraction may blossom into a relationship built on deep devotion and mutual trust. Be "
    "sensitive to your partner's feelings and understanding of their own needs. Friendships "
    "formed now may also last for a very long while.",
    // 22 Three of Hearts (Tres)
    "This is an auspicious sign that says that it is time to celebrate. Joy and happiness "
    "will fill your days, and romance may bloom at a party or at a family gathering. Enjoy "
    "the comfort of good company and let yourself be sensitive to the beauty around you. "
    "Laughter will be plentiful.",
    // 23 Four of Hearts (Cuatro)
    "If you are blessed with the gift of the present moment, don't waste it on regret. This "
    "card warns of apathy: you may feel frustrated, dissatisfied or unfulfilled even when "
    "life offers you plenty. Look at what you have with fresh eyes. An emotional offer may "
    "come your way; consider it before you turn it down too quickly.",
    // 24 Five of Hearts (Cinco)
    "This can be a tricky period when lots of worries weigh on your heart. Grief over a "
    "loss or disappointment in someone close may leave you depressed. Allow yourself to "
    "feel the sorrow, but never forget what still remains. Friends are ready to comfort "
    "you, and the dark clouds will slowly lift.",
    // 25 Six of Hearts (Seis)
    "You are surely to be struck by cupid's arrow. Nostalgic memories may lead you back to "
    "a childhood friend or an old flame, perhaps at a chance meeting in a quiet café. If "
    "you have felt homesick or isolated, this reunion will warm your heart. Be helpful and "
    "open, not inflexible, and love will grow.",
    // 26 Seven of Hearts (Siete)
    "Have you been experiencing setbacks in your life lately? This card promises relief "
    "through love. A warm hearted and sensitive partner will stand by you, and your "
    "cooperative nature will make every task lighter. Romantic dreams might come true if "
    "you stay understanding and patient with one another.",
    // 27 Ten of Hearts (Sota)
    "A woman with light complexion and dark hair is about to play an important role in your "
    "life. She is committed, lovable and sympathetic, and her friendly way will cheer you "
    "whenever you feel low. She may be a new friend, a colleague or a relative. Accept her "
    "kindness and return it, for this bond can bring you lasting happiness.",
    // 28 Queen of Hearts (Rey)
    "The card points toward a lightly complexioned man with a kind heart and a warm smile. "
    "He is sensitive and understanding, a natural healer whom others find so lovable. His "
    "counsel can soothe old wounds, so do not hesitate to confide in him when in need.",
    // 29 Knight of Hearts (Caballo)
    "This sign points to a highly whimsical and moody admirer who may sweep you off your "
    "feet. He is warm, sensitive and charismatic, and his romantic gestures will be hard to "
    "resist. Enjoy the attention, but keep your feet on the ground, since his feelings can "
    "change like the weather. True love requires steadiness as well as passion.",
    // 30 Ace of Spades
    "This is a good time for court cases and formal disputes, yet the card warns of "
    "misfortunes. A challenge may arrive that demands all your determination. Something in "
    "your life is coming to an end, making room for the new. Don't be stubborn; adapt, and "
    "you will come through stronger.",
    // 31 Two of Spades (Dos)
    "This playing card signifies that your mind will be caught between two options, leading "
    "to a stalemate. Tension may grow at home or at work, and arguments could arise from "
    "impractical plans. Avoid being indecisive for too long. Take a step back, gather "
    "facts, and then choose what is best for you in the end.",
    // 32 Three of Spades (Tres)
    "This can be a difficult phase in your life. Conflicts or a separation might hurt you, "
    "and you might feel tempted towards self-destructive habits. Remain independent and "
    "strong. This painful ending is also the start of a new phase that will bring you "
    "peace.",
    // 33 Four of Spades (Cuatro)
    "Have you been neglecting your health for some time now? This card warns of stagnancy, "
    "illness and weakness. Discouragement might set in if you keep pushing yourself too "
    "hard. Rest, consult a doctor if needed, and regain your strength before you face the "
    "challenges that lie ahead.",
    // 34 Five of Spades (Cinco)
    "Be alert to guard against some harm caused by quarrelsome people around you. A dispute "
    "may leave you feeling humiliated or angry, but seeking revenge will not help. Stay "
    "independent and keep your dignity. Walk away from fights you cannot win, and the "
    "situation will calm down sooner than you expect.",
    // 35 Six of Spades (Seis)
    "This is not a favorable time for you. You might face conflicts that lead to a "
    "separation from someone or something you truly value. Resist self-destructive thoughts "
    "and remain independent. A journey far away from trouble could mark the start of a new "
    "phase of life, bringing calmer waters ahead.",
    // 36 Seven of Spades (Siete)
    "The playing card indicates that you may experience a betrayal by someone you trust "
    "deeply. A sly and cunning person could try to manipulate you for personal gain, while "
    "a timid or cowardly friend may fail to warn you. Keep all your plans private, check "
    "every promise twice and protect what belongs to you.",
    // 37 Ten of Spades (Sota)
    "The sign indicates that you may come across an unexpected realization about your own "
    "life. A new beginning is close, but it may require a painful parting from people or "
    "habits that no longer serve you. End those bad habits now and face the change bravely. "
    "Once the dust has settled, you will find yourself on a more prosperous path.",
    // 38 Queen of Spades (Rey)
    "This sign points toward a dark-haired man, a brother or a close relative, whose "
    "restless nature keeps everybody on their toes. He is independent, dynamic and "
    "carefree, yet his volatile temper can flare without warning. Approach him calmly and "
    "give him room. His energy, once channeled, could be a great help in your plans.",
    // 39 Knight of Spades (Caballo)
    "The card says that instead of scattering around, your energy should be focused on one "
    "goal. Deceit might surround you, bringing worries and moments of depression. Be "
    "intelligent and careful in your dealings, and check every detail before you sign "
    "anything. Your watchfulness will keep you and those you love safe.",
};

}  // namespace baralune::texts
