#include "catalogue.h"

#include <array>
#include <stdexcept>
#include <string>

#include "catalogue_texts.h"
#include "language.h"

namespace baralune {

namespace {

struct CardFacts {
  std::string_view name;
  std::string_view keywords;
  std::string_view timePeriod;
};

// Names keep their quirks on purpose: two spaces in the Four and Five of Clubs, the Aces'
// differing forms, the shared keyword line of the Three and Six of Spades.
constexpr CardFacts kCards[kDeckSize] = {
    {"Ace of Clubs (Ace)", "Action, success, leadership, courageous and energetic.",
     "1st week of the spring season."},  // 0
    {"Two of Clubs (Dos)", "Crossroads, overcoming obstacles, indecisive and challenging.",
     "2nd week of the spring season."},  // 1
    {"Three of Clubs (Tres)", "Change, flexibility, development, traveling and ambitious.",
     "3rd week of the spring season."},  // 2
    {"Four of Clubs  (Cuatro)", "Happiness, joy, rest, warm and supportive.",
     "4th week of the spring season."},  // 3
    {"Five of Clubs  (Cinco)", "Challenging, energetic, promising, independent and powerful.",
     "5th week of the spring season."},  // 4
    {"Six of Clubs (Seis)", "Victory, success, energetic, confident and enterprising.",
     "6th week of the spring season."},  // 5
    {"Seven of Clubs (Siete)", "Difficulties, hardship, defender, strong and powerful.",
     "7th week of the spring season."},  // 6
    {"Ten of Clubs (Sota)", "Helpful, sympathetic, dependable, reliable and emotional.",
     "10th week of the spring season."},  // 7
    {"Queen of Clubs (Rey)", "Powerful, determined, strong-willed, social and leadership.",
     "12th week of the spring season."},  // 8
    {"Knight of Clubs (Caballo)", "Courageous, heroic, enthusiastic, flexible and dynamic.",
     "11th week of the spring season."},  // 9
    {"Ace of Diamonds (As/El Oré)", "Financial aid, patient, persevering, powerful and simple.",
     "1st week of fall."},  // 10
    {"Two of Diamonds (Dos)", "Juggling, flexibility, adaptable, playful and carefree.",
     "2nd week of fall."},  // 11
    {"Three of Diamonds (Tres)",
     "Recognition, financial increment, promotion, flexibility and job scopes.",
     "3rd week of fall."},  // 12
    {"Four of Diamonds (Cuatro)",
     "Greedy, possessive, self control, financial stability and social status.",
     "4th week of fall."},  // 13
    {"Five of Diamonds (Cinco)",
     "Crisis, financial instability, isolation, depressed and deprivation.",
     "5th week of fall."},  // 14
    {"Six of Diamonds (Seis)", "Generous, helpful, financial gain, caring and responsible.",
     "6th week of fall."},  // 15
    {"Seven of Diamonds (Siete)",
     "Patient, persevering, determination, reassessing nature and successful.",
     "7th week of fall."},  // 16
    {"Ten of Diamonds (Sota)",
     "Prosperous, wealthy, family bound, enterprising and excellent communicator.",
     "10th week of fall."},  // 17
    {"Queen of Diamonds (Rey)", "Motherly figure, sensitive, warm, understanding and emotional.",
     "12th week of fall."},  // 18
    {"Knight of Diamonds (Caballo)", "Negotiator, strong, reliable, strong and stubborn.",
     "11th week of fall."},  // 19
    {"Ace of Hearts (As/La Copeta)", "Love, fulfillment, sensitive, emotional and confident.",
     "1st week of the summer season."},  // 20
    {"Two of Hearts (Dos)", "Warm hearted, attraction, devotion, sensitive and understanding.",
     "2nd week of the summer season."},  // 21
    {"Three of Hearts (Tres)", "Joy, happiness, romance, comfort and sensitive.",
     "3rd week of the summer season."},  // 22
    {"Four of Hearts (Cuatro)", "Apathy, frustrated, dissatisfied, unfulfilled and emotional.",
     "4th week of the summer season."},  // 23
    {"Five of Hearts (Cinco)", "Grief, sorrow, worried, depressed and disappointment.",
     "5th week of the summer season."},  // 24
    {"Six of Hearts (Seis)", "Nostalgic, homesick, isolate, inflexible and helpful.",
     "6th week of the summer season."},  // 25
    {"Seven of Hearts (Siete)", "Warm hearted, sensitive, cooperative, romantic and understanding.",
     "7th week of the summer season."},  // 26
    {"Ten of Hearts (Sota)", "Committed, lovable, sympathetic, friendly and cheerful.",
     "10th week of the summer season."},  // 27
    {"Queen of Hearts (Rey)", "Warm, sensitive, understanding, healer and lovable.",
     "12th week of the summer season."},  // 28
    {"Knight of Hearts (Caballo)", "Warm, sensitive, charismatic, love and romantic.",
     "11th week of the summer season."},  // 29
    {"Ace of Spades", "Misfortunes, determination, challenge, death and stubborn.",
     "1st week of the winter season."},  // 30
    {"Two of Spades (Dos)", "Stalemate, tension, indecisive, argumentative and impractical.",
     "2nd week of the winter season."},  // 31
    {"Three of Spades (Tres)",
     "Independent, self-destructive, conflicts, separation and starting a new phase of life.",
     "3rd week of the winter season."},  // 32
    {"Four of Spades (Cuatro)", "Stagnancy, illness, discouragement, weakness and challenges.",
     "4th week of the winter season."},  // 33
    {"Five of Spades (Cinco)", "Quarrelsome, argumentative, independent, humiliated and angry.",
     "5th week of the winter season."},  // 34
    {"Six of Spades (Seis)",
     "Independent, self-destructive, conflicts, separation and starting a new phase of life.",
     "6th week of the winter season."},  // 35
    {"Seven of Spades (Siete)", "Timid, coward, sly, cunning and manipulative.",
     "7th week of the winter season."},  // 36
    {"Ten of Spades (Sota)",
     "New beginning, realization, end of bad habits, painful parting and prosperous.",
     "10th week of the winter season."},  // 37
    {"Queen of Spades (Rey)", "Independent, volatile, dynamic, restless and carefree.",
     "12th week of the winter season."},  // 38
    {"Knight of Spades (Caballo)", "Deceit, worries, depressions, intelligent and careful.",
     "11th week of the winter season."},  // 39
};

constexpr std::array<std::string_view, 3> kThreeCard = {
    "Card 1 relates to your past experiences and also indicates your present situation.",
    "Card 2 represents your current influences and also focuses on the actual question, "
    "problem or situation.",
    "Card 3 indicates the final outcome or result.",
};

constexpr std::array<std::string_view, 9> kNineCard = {
    "Card 1 represents your past.",    "Card 2 represents your past.",
    "Card 3 represents your past.",    "Card 4 represents your present.",
    "Card 5 represents your present.", "Card 6 represents your present.",
    "Card 7 represents your future.",  "Card 8 represents your future.",
    "Card 9 represents your future.",
};

constexpr std::array<std::string_view, 7> kHorseshoe = {
    "Card 1 gives an overview of the situation.",
    "Card 2 tells you about the different choices and alternatives of your action.",
    "Card 3 reflects the stability or the instability of the concerned situation.",
    "Card 4 reflects the challenges.",
    "Card 5  tells you about the different hindrances or obstacles which you have to overcome.",
    "Card 6 reveals to you who are your real friends and rivals.",
    "Card 7 represents the final outcome.",
};

// The position meanings of spread `Spread`: one text per position.
template <SpreadIndex Spread, std::size_t N>
void FillPositions(Catalogue& c, const std::array<std::string_view, N>& texts) {
  static_assert(N == static_cast<std::size_t>(kSpreads[Spread].cards), "one text per position");
  auto& table = c.positions[Spread];
  for (std::size_t i = 0; i < N; ++i) table.Set(static_cast<int>(i), texts[i]);
}

constexpr texts::RomanyPositionWords kRomany = {
    "Card ", ": represent the past.", ": represent the present.", ": reflects the future."};

void FillRomany(TextTable<kMostPositions + 1>& table, const texts::RomanyPositionWords& words) {
  for (int p = 1; p <= 21; ++p) {
    const std::string_view ending = p <= 7 ? words.past : p <= 14 ? words.present : words.future;
    table.Set(p - 1, std::string(words.prefix) + std::to_string(p) + std::string(ending));
  }
}

Catalogue English() {
  Catalogue c;
  for (int k = 0; k < kDeckSize; ++k) {
    c.cardName.Set(k, kCards[k].name);
    c.cardKeywords.Set(k, kCards[k].keywords);
    c.cardTimePeriod.Set(k, kCards[k].timePeriod);
    c.cardDescription.Set(k, texts::kCardDescriptions[static_cast<std::size_t>(k)]);
  }
  for (int s = 0; s < kSpreadCount; ++s) {
    c.spreadDescription.Set(s, texts::kSpreadDescriptions[static_cast<std::size_t>(s)]);
  }
  FillPositions<0>(c, kThreeCard);
  FillPositions<1>(c, kNineCard);
  FillPositions<2>(c, kHorseshoe);
  FillRomany(c.positions[3], kRomany);
  return c;
}

Catalogue Spanish() {
  Catalogue c;
  for (std::size_t k = 0; k < kDeckSize; ++k) {
    const int slot = static_cast<int>(k);
    c.cardName.Set(slot, texts::kCardFactsEs[k].name);
    c.cardKeywords.Set(slot, texts::kCardFactsEs[k].keywords);
    c.cardTimePeriod.Set(slot, texts::kCardFactsEs[k].timePeriod);
    c.cardDescription.Set(slot, texts::kCardDescriptionsEs[k]);
  }
  for (std::size_t s = 0; s < kSpreadCount; ++s) {
    c.spreadDescription.Set(static_cast<int>(s), texts::kSpreadDescriptionsEs[s]);
  }
  FillPositions<0>(c, texts::kThreeCardPositionsEs);
  FillPositions<1>(c, texts::kNineCardPositionsEs);
  FillPositions<2>(c, texts::kHorseshoePositionsEs);
  FillRomany(c.positions[3], texts::kRomanyPositionsEs);
  return c;
}

}  // namespace

const Catalogue& CatalogueIn(Language language) {
  // Built on first use; C++ makes the initialisation safe when two threads race to it.
  static const Catalogue english = English();
  static const Catalogue spanish = Spanish();
  return language == Language::Spanish ? spanish : english;
}

std::string_view SpreadListText(SpreadIndex spread, Language language) {
  if (!IsKnownSpread(spread)) throw std::out_of_range("no spread " + std::to_string(spread));
  const auto s = static_cast<std::size_t>(spread);
  return language == Language::Spanish ? texts::kSpreadNamesEs.at(s).listText
                                       : kSpreads[s].listText;
}

std::string_view SpreadReportName(SpreadIndex spread, Language language) {
  if (!IsKnownSpread(spread)) throw std::out_of_range("no spread " + std::to_string(spread));
  const auto s = static_cast<std::size_t>(spread);
  return language == Language::Spanish ? texts::kSpreadNamesEs.at(s).reportName
                                       : kSpreads[s].reportName;
}

const std::string& Catalogue::PositionMeaning(SpreadIndex spread, int position) const {
  if (!IsKnownSpread(spread)) {
    throw std::out_of_range("no positions for spread " + std::to_string(spread));
  }
  if (position < 1 || position > kSpreads[spread].cards + 1) {
    throw std::out_of_range("no position " + std::to_string(position) + " in spread " +
                            std::to_string(spread));
  }
  return positions[static_cast<std::size_t>(spread)][position - 1];
}

const std::string& PositionMeaning(SpreadIndex spread, int position, Language language) {
  return CatalogueIn(language).PositionMeaning(spread, position);
}

}  // namespace baralune
