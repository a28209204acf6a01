#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSet>
#include <stdexcept>

#include "artwork.h"
#include "card_image_list.h"

namespace baralune {
namespace {

bool IsRedInk(QRgb c) {
  return qAlpha(c) == 255 && qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 90;
}
bool IsBlackInk(QRgb c) {
  return qAlpha(c) == 255 && qRed(c) < 70 && qGreen(c) < 70 && qBlue(c) < 70;
}
bool IsOpaque(const QImage& image, int x, int y) {
  return qAlpha(image.pixel(x, y)) == 255;
}

struct InkCount {
  int red = 0;
  int black = 0;
};

InkCount CountInk(const QImage& image) {
  InkCount ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      ink.red += IsRedInk(c) ? 1 : 0;
      ink.black += IsBlackInk(c) ? 1 : 0;
    }
  }
  return ink;
}

bool IsRedSuit(int card) {
  return card / 10 == 1 || card / 10 == 2;
}

// The lists must come up with no application object at all: the headless dealer has none.
TEST(CardImageList, LoadsWithoutAnApplication) {
  ASSERT_EQ(QCoreApplication::instance(), nullptr);
  EXPECT_EQ(CardImageList::Large().Count(), 40);
  EXPECT_EQ(CardImageList::Small().Count(), 40);
  EXPECT_FALSE(CardBackImage().isNull());
}

TEST(CardImageList, EveryEntryHasItsListsSize) {
  for (int entry = 1; entry <= 40; ++entry) {
    EXPECT_EQ(CardImageList::Large().Image(entry).size(), QSize(71, 96)) << entry;
    EXPECT_EQ(CardImageList::Small().Image(entry).size(), QSize(40, 50)) << entry;
  }
}

// Entry k + 1 shows card k: the suit shows in the ink, Diamonds and Hearts red.
TEST(CardImageList, EntriesFollowCardOrderBySuitColour) {
  for (const CardImageList* list : {&CardImageList::Large(), &CardImageList::Small()}) {
    for (int card = 0; card < 40; ++card) {
      const InkCount ink = CountInk(list->Image(card + 1));
      if (IsRedSuit(card)) {
        EXPECT_GT(ink.red, 30) << "card " << card;
        EXPECT_GT(ink.red, 4 * ink.black) << "card " << card;
      } else {
        EXPECT_GT(ink.black, 30) << "card " << card;
        EXPECT_GT(ink.black, 4 * ink.red) << "card " << card;
      }
    }
  }
}

// Within a suit the pip cards Two .. Seven and Ten carry ever more pips, and only the Queen
// and Jack (offsets 8 and 9) have a court panel.
TEST(CardImageList, EntriesFollowRankOrderWithinASuit) {
  const CardImageList& large = CardImageList::Large();
  for (int suit = 0; suit < 4; ++suit) {
    int previous = 0;
    for (int offset = 1; offset <= 7; ++offset) {
      const InkCount ink = CountInk(large.Image(suit * 10 + offset + 1));
      const int amount = ink.red + ink.black;
      EXPECT_GT(amount, previous) << "suit " << suit << " offset " << offset;
      previous = amount;
    }
    for (int offset = 0; offset < 10; ++offset) {
      // The middle of a court card is its gold band; a pip card is white or ink there.
      const QRgb middle = large.Image(suit * 10 + offset + 1).pixel(24, 48);
      const bool gold = qRed(middle) > 200 && qGreen(middle) > 150 && qBlue(middle) < 120;
      EXPECT_EQ(gold, offset >= 8) << "suit " << suit << " offset " << offset;
    }
  }
}

TEST(CardImageList, EntriesAreOneBased) {
  const CardImageList& list = CardImageList::Small();
  EXPECT_THROW(list.Image(0), std::out_of_range);
  EXPECT_THROW(list.Image(41), std::out_of_range);
  EXPECT_THROW(list.Key(0), std::out_of_range);
  EXPECT_THROW(list.Picture(41), std::out_of_range);
  EXPECT_NO_THROW(list.Image(1));
  EXPECT_NO_THROW(list.Image(40));
}

// Keys number the cards as in a 13-card suit, the Queen 12 and the Jack 11.
TEST(CardImageList, KeysSkipTheMissingRanks) {
  const CardImageList& list = CardImageList::Large();
  const char* const firstSuit[] = {"1.jpg", "2.jpg", "3.jpg",  "4.jpg",  "5.jpg",
                                   "6.jpg", "7.jpg", "10.jpg", "12.jpg", "11.jpg"};
  for (int offset = 0; offset < 10; ++offset) {
    EXPECT_EQ(list.Key(offset + 1), QString::fromLatin1(firstSuit[offset]));
  }
  EXPECT_EQ(list.Key(11), QStringLiteral("14.jpg"));  // Ace of Diamonds
  EXPECT_EQ(list.Key(39), QStringLiteral("51.jpg"));  // Queen of Spades
  EXPECT_EQ(list.Key(40), QStringLiteral("50.jpg"));  // Jack of Spades
  QSet<QString> keys;
  for (int entry = 1; entry <= 40; ++entry) keys.insert(list.Key(entry));
  EXPECT_EQ(keys.size(), 40);
  EXPECT_EQ(CardImageList::Small().Key(18), list.Key(18));
}

TEST(CardImageList, PictureIsTheFaceOnWhiteAt96Dpi) {
  const CardImageList& list = CardImageList::Small();
  for (int entry = 1; entry <= 40; ++entry) {
    const richtext::Picture picture = list.Picture(entry);
    ASSERT_EQ(picture.width, 40);
    ASSERT_EQ(picture.height, 50);
    EXPECT_EQ(picture.widthHimetric, 1058);
    EXPECT_EQ(picture.heightHimetric, 1323);
    ASSERT_EQ(picture.rgb.size(), 40u * 50u * 3u);
    // The rounded corners are transparent in the face and white in the picture.
    for (const auto& [x, y] : {std::pair{0, 0}, {39, 0}, {0, 49}, {39, 49}}) {
      EXPECT_FALSE(IsOpaque(list.Image(entry), x, y));
      const std::size_t at = (static_cast<std::size_t>(y) * 40 + x) * 3;
      EXPECT_EQ(picture.rgb[at], 255);
      EXPECT_EQ(picture.rgb[at + 1], 255);
      EXPECT_EQ(picture.rgb[at + 2], 255);
    }
  }
  // Opaque pixels keep their colour, rows top-down: the rank sits in the top-left corner.
  const QImage face = list.Image(1);
  const richtext::Picture picture = list.Picture(1);
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 40; ++x) {
      if (!IsOpaque(face, x, y)) continue;
      const QRgb c = face.pixel(x, y);
      const std::size_t at = (static_cast<std::size_t>(y) * 40 + x) * 3;
      ASSERT_EQ(picture.rgb[at], qRed(c)) << x << "," << y;
      ASSERT_EQ(picture.rgb[at + 1], qGreen(c)) << x << "," << y;
      ASSERT_EQ(picture.rgb[at + 2], qBlue(c)) << x << "," << y;
    }
  }
  const richtext::Picture large = CardImageList::Large().Picture(40);
  EXPECT_EQ(large.widthHimetric, 1879);
  EXPECT_EQ(large.heightHimetric, 2540);
}

TEST(Artwork, BacksAreRedCardsOfTheirSizes) {
  for (const QImage* back : {&CardBackImage(), &SmallCardBackImage()}) {
    const QPoint middle(back->width() / 2, back->height() / 2);
    EXPECT_FALSE(IsOpaque(*back, 0, 0));
    EXPECT_TRUE(IsOpaque(*back, middle.x(), middle.y()));
    const QRgb c = back->pixel(middle);
    EXPECT_GT(qRed(c), 2 * qGreen(c));
    EXPECT_EQ(back->pixel(2, middle.y()), qRgb(255, 255, 255));  // the white border
  }
  EXPECT_EQ(CardBackImage().size(), QSize(71, 96));
  EXPECT_EQ(SmallCardBackImage().size(), QSize(43, 58));
}

TEST(Artwork, IconAndCursorAreSmallAndTransparentAround) {
  EXPECT_EQ(ProgramIconImage().size(), QSize(32, 32));
  const QImage& hand = HandCursorImage();
  ASSERT_EQ(hand.size(), QSize(32, 32));
  EXPECT_FALSE(IsOpaque(hand, 0, 0));
  EXPECT_FALSE(IsOpaque(hand, 31, 0));
  // The fingertip, where the hot spot goes, is drawn at the top near x = 6.
  bool tip = false;
  for (int x = 4; x <= 8; ++x) tip = tip || qAlpha(hand.pixel(x, 1)) > 128;
  EXPECT_TRUE(tip);
  for (int x = 0; x < 32; ++x) EXPECT_LT(qAlpha(hand.pixel(x, 0)), 128) << x;
}

}  // namespace
}  // namespace baralune
