#pragma once
#include <QImage>
#include <QString>
#include <mutex>
#include <vector>

#include "picture.h"

namespace baralune {

// One of the two lists of card faces, in card-index order: entry k + 1 shows card k. Entries
// are addressed by position; the keys ("1.jpg" .. "52.jpg", skipping the missing ranks) are
// kept for completeness and never used for look-up.
class CardImageList {
 public:
  static const CardImageList& Large();  // IMG: 71 x 96 faces for the spread layouts
  static const CardImageList& Small();  // IMG2: 40 x 50 faces for the report

  int Count() const { return static_cast<int>(images_.size()); }
  // 1-based, as the lists are read; throws std::out_of_range outside 1..Count().
  const QImage& Image(int entry) const;
  // The entry for a screen of `devicePixelRatio`: from 1.5 up (see artwork_scale.h) the face
  // painted at twice the pixels, marked with ratio 2 so its logical size is the list's size.
  const QImage& Image(int entry, qreal devicePixelRatio) const;
  QString Key(int entry) const;
  // The entry as a 24-bit picture with its size in HIMETRIC at 96 dots per inch.
  richtext::Picture Picture(int entry) const;
  // The entry whose Picture() `picture` is, if any (a face the report embedded).
  int EntryOf(const richtext::Picture& picture) const;

 private:
  CardImageList(const QString& folder, int width, int height);
  const std::vector<QImage>& DoubleImages() const;

  QString folder_;
  QSize size_;
  std::vector<QImage> images_;
  std::vector<richtext::Picture> pictures_;
  // Loaded on first use: most screens never need them, and start-up stays as quick.
  mutable std::once_flag doubleLoaded_;
  mutable std::vector<QImage> doubleImages_;
};

// A card face the report embedded, at twice its pixels on white, to be shown or printed at the
// picture's size: sharp on a screen of density 2 and on paper. Null for any other picture.
QImage SharperCardPicture(const richtext::EmbeddedPicture& picture);

}  // namespace baralune
