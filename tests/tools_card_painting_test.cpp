#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>

#include "artwork.h"
#include "card_faces.h"
#include "card_image_list.h"
#include "program_art.h"

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

// Like printed cards, the courts and the Two, Four and Ten read the same either way up: the
// pips of the lower half stand on their heads.
TEST(CardPainting, LargeFacesAreDoubleEndedWhereCardsAre) {
  for (int suit = 0; suit < 4; ++suit) {
    for (const int offset : {1, 3, 7, 8, 9}) {
      const QImage face = PaintLargeFace(suit * 10 + offset, QSize(71, 96));
      EXPECT_LT(Compare(face, face.mirrored(true, true)).mean, 0.5) << suit << " " << offset;
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
