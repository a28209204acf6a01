#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>

#include "artwork.h"
#include "card_faces.h"
#include "card_image_list.h"
#include "program_art.h"
#include "spanish_suits.h"

namespace baralune::paint {
namespace {

struct Difference {
  double mean = 0;  // per channel, 0..255
  int largest = 0;
};

Difference Compare(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  Difference d;
  long long sum = 0;
  for (int row = 0; row < x.height(); ++row) {
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
      for (const int delta :
           {qAlpha(p) - qAlpha(q), qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
        sum += std::abs(delta);
        d.largest = std::max(d.largest, std::abs(delta));
      }
    }
  }
  d.mean = static_cast<double>(sum) / (4.0 * x.width() * x.height());
  return d;
}

// The committed pictures must be what the painter draws now, at both sizes: a change to the
// painting that was not followed by `make artwork` shows here.
TEST(CardPainting, CommittedPicturesAreUpToDate) {
  for (const int scale : {1, 2}) {
    const auto sized = [scale](int w, int h) { return QSize(w * scale, h * scale); };
    for (int card = 0; card < 40; ++card) {
      const QImage& large = CardImageList::Large().Image(card + 1, scale);
      const QImage& small = CardImageList::Small().Image(card + 1, scale);
      ASSERT_EQ(large.size(), sized(71, 96));
      ASSERT_EQ(small.size(), sized(40, 50));
      EXPECT_LT(Compare(PaintLargeFace(card, sized(71, 96)), large).mean, 0.5) << card;
      EXPECT_LT(Compare(PaintSmallFace(card, sized(40, 50)), small).mean, 0.5) << card;
    }
    const struct {
      QImage painted;
      const QImage& committed;
    } art[] = {
        {PaintCardBack(sized(71, 96)), CardBackImage(scale)},
        {PaintSmallCardBack(sized(43, 58)), SmallCardBackImage(scale)},
        {PaintProgramIcon(sized(32, 32)), ProgramIconImage(scale)},
        {PaintHandCursor(sized(32, 32)), HandCursorImage(scale)},
    };
    for (const auto& [painted, committed] : art) {
      ASSERT_EQ(painted.size(), committed.size()) << scale;
      EXPECT_LT(Compare(painted, committed).mean, 0.5) << scale;
    }
  }
}

// The icon installed into the desktop's icon theme, one file per size.
TEST(CardPainting, ThemeIconsAreUpToDate) {
  for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
    const QString path =
        QStringLiteral(BARALUNE_ASSETS_DIR "/icons/hicolor/%1x%1/apps/baralune.png").arg(side);
    const QImage committed(path);
    ASSERT_EQ(committed.size(), QSize(side, side)) << qPrintable(path);
    EXPECT_LT(Compare(PaintProgramIcon(QSize(side, side)), committed).mean, 0.5) << side;
  }
}

// High-density screens get the same drawing at twice the pixels; shrunk back it must match.
TEST(CardPainting, TwiceTheSizeIsTheSamePicture) {
  const auto shrunk = [](const QImage& image, QSize size) {
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  };
  for (int card = 0; card < 40; ++card) {
    EXPECT_LT(Compare(shrunk(PaintLargeFace(card, QSize(142, 192)), QSize(71, 96)),
                      PaintLargeFace(card, QSize(71, 96)))
                  .mean,
              6.0)
        << card;
    EXPECT_LT(Compare(shrunk(PaintSmallFace(card, QSize(80, 100)), QSize(40, 50)),
                      PaintSmallFace(card, QSize(40, 50)))
                  .mean,
              6.0)
        << card;
  }
  EXPECT_LT(
      Compare(shrunk(PaintCardBack(QSize(142, 192)), QSize(71, 96)), PaintCardBack(QSize(71, 96)))
          .mean,
      6.0);
  EXPECT_LT(
      Compare(shrunk(PaintHandCursor(QSize(64, 64)), QSize(32, 32)), PaintHandCursor(QSize(32, 32)))
          .mean,
      6.0);
}

bool IsPaper(QRgb pixel) {
  return qRed(pixel) > 235 && qGreen(pixel) > 235 && qBlue(pixel) > 235;
}

bool Near(QRgb pixel, const QColor& colour) {
  return std::abs(qRed(pixel) - colour.red()) + std::abs(qGreen(pixel) - colour.green()) +
             std::abs(qBlue(pixel) - colour.blue()) <
         60;
}

// Gaps in one row of the frame line between x0 and x1: runs of paper.
int GapsInRow(const QImage& face, int y, int x0, int x1) {
  int gaps = 0;
  for (int x = x0; x < x1; ++x) gaps += IsPaper(face.pixel(x, y)) && !IsPaper(face.pixel(x - 1, y));
  return gaps;
}

// The pintas: the frame's top and bottom edges broken once per suit step, its sides whole.
TEST(CardPainting, FramesAreBrokenByTheSuitsPintas) {
  for (int card = 0; card < 40; ++card) {
    const int pintas = PintaCount(SuitOf(card));
    for (const int scale : {1, 2}) {
      const struct {
        QImage face;
        QRectF frame;
      } faces[] = {{PaintLargeFace(card, QSize(71, 96) * scale), kLargeFrame},
                   {PaintSmallFace(card, QSize(40, 50) * scale), kSmallFrame}};
      for (const auto& [face, frame] : faces) {
        // The line is one grid unit wide, centred on the frame's edges.
        const int left = static_cast<int>(frame.left() * scale);
        const int top = static_cast<int>(frame.top() * scale);
        const int right = static_cast<int>(frame.right() * scale);
        const int bottom = static_cast<int>(frame.bottom() * scale);
        EXPECT_EQ(GapsInRow(face, top, left + 3 * scale, right - 3 * scale), pintas)
            << card << " " << face.width();
        EXPECT_EQ(GapsInRow(face, bottom, left + 3 * scale, right - 3 * scale), pintas)
            << card << " " << face.width();
        for (int y = top + 3 * scale; y < bottom - 3 * scale; ++y) {
          ASSERT_FALSE(IsPaper(face.pixel(left, y))) << card << " " << y;
        }
      }
    }
  }
  EXPECT_EQ(PintaCount(Suit::Diamonds), 0);  // Oros
  EXPECT_EQ(PintaCount(Suit::Hearts), 1);    // Copas
  EXPECT_EQ(PintaCount(Suit::Spades), 2);    // Espadas
  EXPECT_EQ(PintaCount(Suit::Clubs), 3);     // Bastos
}

// The separate pictures inside the frame of a large face, the corner numbers left out: the
// pips of cards 1 to 7, each showing its suit's colour.
std::vector<int> EmblemPixelsPerPicture(const QImage& face, const QColor& colour) {
  const int w = face.width(), h = face.height();
  const auto counted = [&](int x, int y) {
    const bool corner = (x < 17 && y < 19) || (x > 55 && y > 76);
    return x > 5 && x < 65 && y > 5 && y < 90 && !corner && !IsPaper(face.pixel(x, y));
  };
  std::vector<int> seen(static_cast<std::size_t>(w * h), 0);
  std::vector<int> emblemPixels;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!counted(x, y) || seen[static_cast<std::size_t>(y * w + x)]) continue;
      int pixels = 0;
      std::vector<QPoint> todo{{x, y}};
      seen[static_cast<std::size_t>(y * w + x)] = 1;
      while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        pixels += Near(face.pixel(p), colour);
        for (const QPoint q :
             {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
          if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h) continue;
          auto& mark = seen[static_cast<std::size_t>(q.y() * w + q.x())];
          if (!mark && counted(q.x(), q.y())) {
            mark = 1;
            todo.push_back(q);
          }
        }
      }
      emblemPixels.push_back(pixels);
    }
  }
  return emblemPixels;
}

TEST(CardPainting, PipCardsShowAsManyEmblemsAsTheirNumberInTheSuitsColour) {
  for (int card = 0; card < 40; ++card) {
    if (IsCourt(OffsetOf(card))) continue;
    const QImage face = PaintLargeFace(card, QSize(71, 96));
    const std::vector<int> pips = EmblemPixelsPerPicture(face, EmblemColour(SuitOf(card)));
    ASSERT_EQ(static_cast<int>(pips.size()), OffsetOf(card) + 1) << card;
    for (const int pixels : pips) EXPECT_GE(pixels, 8) << card;
  }
}

// Courts hold their suit's emblem: its colour shows, and no other suit's does.
TEST(CardPainting, CourtsHoldTheirSuitsEmblem) {
  for (int card = 0; card < 40; ++card) {
    if (!IsCourt(OffsetOf(card))) continue;
    for (const QImage& face :
         {PaintLargeFace(card, QSize(71, 96)), PaintSmallFace(card, QSize(40, 50))}) {
      for (int suit = 0; suit < 4; ++suit) {
        int pixels = 0;
        for (int y = 0; y < face.height(); ++y) {
          for (int x = 0; x < face.width(); ++x) {
            pixels += Near(face.pixel(x, y), EmblemColour(static_cast<Suit>(suit)));
          }
        }
        if (static_cast<Suit>(suit) == SuitOf(card)) {
          EXPECT_GE(pixels, face.width() == 71 ? 20 : 4) << card;
        } else {
          EXPECT_LE(pixels, 2) << card << " shows suit " << suit;
        }
      }
    }
  }
}

// The icon shows the Spanish deck like the faces: the gold of Oros and the blue of Espadas, and
// no French pip in the red of Hearts and Diamonds.
TEST(CardPainting, TheIconShowsTheSpanishDeck) {
  const QImage icon = PaintProgramIcon(QSize(64, 64));
  int gold = 0, blade = 0, french = 0;
  for (int y = 0; y < icon.height(); ++y) {
    for (int x = 0; x < icon.width(); ++x) {
      gold += Near(icon.pixel(x, y), EmblemColour(Suit::Diamonds));
      blade += Near(icon.pixel(x, y), EmblemColour(Suit::Spades));
      // The back, on the left, is red too.
      if (x >= icon.width() / 2) french += Near(icon.pixel(x, y), kCardRed);
    }
  }
  EXPECT_GE(gold, 200);
  EXPECT_GE(blade, 10);
  EXPECT_EQ(french, 0);
}

// The top left corner carries the rank: the same shape on every suit, another for each rank.
TEST(CardPainting, CornersCarryTheRank) {
  for (const bool large : {true, false}) {
    const QRect box = large ? QRect(5, 5, 10, 12) : QRect(3, 3, 12, 14);
    // Pixels inked in one corner and not the other (the inks differ in lightness).
    const auto differing = [large, box](int a, int b) {
      const auto paint = [large](int card) {
        return large ? PaintLargeFace(card, QSize(71, 96)) : PaintSmallFace(card, QSize(40, 50));
      };
      const QImage x = paint(a), y = paint(b);
      const auto inked = [](QRgb p) { return std::min({qRed(p), qGreen(p), qBlue(p)}) < 160; };
      int count = 0;
      for (int row = box.top(); row <= box.bottom(); ++row) {
        for (int col = box.left(); col <= box.right(); ++col) {
          count += inked(x.pixel(col, row)) != inked(y.pixel(col, row));
        }
      }
      return count;
    };
    for (int offset = 0; offset < 10; ++offset) {
      for (int suit = 1; suit < 4; ++suit) EXPECT_LE(differing(offset, suit * 10 + offset), 2);
      for (int other = 0; other < offset; ++other) {
        EXPECT_GE(differing(offset, other), 8) << offset << " " << other;
      }
    }
  }
}

TEST(CardPainting, FacesHaveTransparentCornersAndAWhiteBody) {
  for (int card = 0; card < 40; ++card) {
    for (const QImage& face :
         {PaintLargeFace(card, QSize(71, 96)), PaintSmallFace(card, QSize(40, 50))}) {
      const int right = face.width() - 1, bottom = face.height() - 1;
      for (const auto& [x, y] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}}) {
        EXPECT_EQ(qAlpha(face.pixel(x, y)), 0) << card;
      }
      EXPECT_EQ(face.pixel(1, face.height() / 2), qRgb(255, 255, 255)) << card;
      EXPECT_EQ(qAlpha(face.pixel(0, face.height() / 2)), 255) << card;  // the grey edge
    }
  }
}

}  // namespace
}  // namespace baralune::paint
