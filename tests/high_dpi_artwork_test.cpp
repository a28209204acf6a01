#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <vector>

#include "artwork.h"
#include "artwork_scale.h"
#include "card_image_list.h"

namespace baralune {
namespace {

// What a window asks for on a screen: the picture for a ratio, and the one it had before.
struct Picker {
  const char* name;
  std::function<const QImage&(qreal)> forRatio;
  std::function<const QImage&()> single;
};

std::vector<Picker> Pickers() {
  std::vector<Picker> pickers = {
      {"back", [](qreal r) -> const QImage& { return CardBackImage(r); },
       []() -> const QImage& { return CardBackImage(); }},
      {"small back", [](qreal r) -> const QImage& { return SmallCardBackImage(r); },
       []() -> const QImage& { return SmallCardBackImage(); }},
      {"icon", [](qreal r) -> const QImage& { return ProgramIconImage(r); },
       []() -> const QImage& { return ProgramIconImage(); }},
      {"cursor", [](qreal r) -> const QImage& { return HandCursorImage(r); },
       []() -> const QImage& { return HandCursorImage(); }},
  };
  for (const CardImageList* list : {&CardImageList::Large(), &CardImageList::Small()}) {
    for (int entry = 1; entry <= list->Count(); ++entry) {
      pickers.push_back({list == &CardImageList::Large() ? "large face" : "small face",
                         [list, entry](qreal r) -> const QImage& { return list->Image(entry, r); },
                         [list, entry]() -> const QImage& { return list->Image(entry); }});
    }
  }
  return pickers;
}

// The double pictures have exactly twice the pixels and, marked with ratio 2, lay out at the
// same logical size as the single ones, so layouts keep their design sizes.
TEST(HighDpiArtwork, DoublePicturesHaveTwiceThePixelsAndTheSameLogicalSize) {
  for (const Picker& picker : Pickers()) {
    const QImage& single = picker.single();
    const QImage& twice = picker.forRatio(2);
    EXPECT_EQ(single.devicePixelRatio(), 1.0) << picker.name;
    EXPECT_EQ(twice.devicePixelRatio(), 2.0) << picker.name;
    EXPECT_EQ(twice.size(), single.size() * 2) << picker.name;
    EXPECT_EQ(twice.deviceIndependentSize(), QSizeF(single.size())) << picker.name;
    EXPECT_EQ(twice.format(), single.format()) << picker.name;
  }
}

// Single size below a ratio of 1.5, double from 1.5 on; the old calls keep the single size.
TEST(HighDpiArtwork, RatioPicksTheSize) {
  EXPECT_FALSE(WantsDoubleArtwork(1.0));
  EXPECT_FALSE(WantsDoubleArtwork(1.25));
  EXPECT_FALSE(WantsDoubleArtwork(1.49));
  EXPECT_TRUE(WantsDoubleArtwork(1.5));
  EXPECT_TRUE(WantsDoubleArtwork(2.0));
  EXPECT_TRUE(WantsDoubleArtwork(3.0));
  for (const Picker& picker : Pickers()) {
    const QImage* single = &picker.single();
    const QImage* twice = &picker.forRatio(2);
    EXPECT_NE(single, twice) << picker.name;
    EXPECT_EQ(&picker.forRatio(1), single) << picker.name;
    EXPECT_EQ(&picker.forRatio(1.25), single) << picker.name;
    EXPECT_EQ(&picker.forRatio(1.5), twice) << picker.name;
    EXPECT_EQ(&picker.forRatio(3), twice) << picker.name;  // no triple size: the double serves
  }
}

}  // namespace
}  // namespace baralune
