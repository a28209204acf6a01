#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QSet>
#include <cstdlib>
#include <stdexcept>

#include "artwork.h"
#include "card_image_list.h"

namespace baralune {
namespace {

bool IsOpaque(const QImage& image, int x, int y) {
  return qAlpha(image.pixel(x, y)) == 255;
}

// The colours of the Spanish suits' emblems, in suit order: Bastos' green cudgels, Oros' gold
// coins, Copas' red cups, Espadas' blue blades; and the courts' skin.
const QColor kEmblem[4] = {QColor(0x4C, 0x8A, 0x2C), QColor(0xE8, 0xB0, 0x20),
                           QColor(0xD0, 0x20, 0x30), QColor(0x30, 0x60, 0xC0)};
const QColor kSkin(0xF7, 0xDA, 0xB8);

int CountNear(const QImage& image, const QColor& colour, int within = 60) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      count += qAlpha(c) == 255 && std::abs(qRed(c) - colour.red()) +
                                           std::abs(qGreen(c) - colour.green()) +
                                           std::abs(qBlue(c) - colour.blue()) <
                                       within;
    }
  }
  return count;
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

// Entry k + 1 shows card k: the suit shows in its emblem's colour, and in no other suit's.
TEST(CardImageList, EntriesFollowCardOrderBySuitColour) {
  for (const CardImageList* list : {&CardImageList::Large(), &CardImageList::Small()}) {
    for (int card = 0; card < 40; ++card) {
      const QImage& face = list->Image(card + 1);
      const int own = CountNear(face, kEmblem[card / 10]);
      EXPECT_GE(own, 4) << "card " << card;
      for (int suit = 0; suit < 4; ++suit) {
        if (suit != card / 10) {
          EXPECT_GT(own, 2 * CountNear(face, kEmblem[suit])) << card;
        }
      }
    }
  }
}

// Within a suit the Two .. Seven carry ever more emblems, and only the Sota, Rey and Caballo
// (offsets 7, 8 and 9) show a figure.
TEST(CardImageList, EntriesFollowRankOrderWithinASuit) {
  const CardImageList& large = CardImageList::Large();
  for (int suit = 0; suit < 4; ++suit) {
    int previous = 0;
    for (int offset = 1; offset <= 6; ++offset) {
      const int amount = CountNear(large.Image(suit * 10 + offset + 1), kEmblem[suit]);
      EXPECT_GT(amount, previous) << "suit " << suit << " offset " << offset;
      previous = amount;
    }
    for (int offset = 0; offset < 10; ++offset) {
      const bool figure = CountNear(large.Image(suit * 10 + offset + 1), kSkin, 20) > 20;
      EXPECT_EQ(figure, offset >= 7) << "suit " << suit << " offset " << offset;
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
