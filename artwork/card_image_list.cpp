#include "card_image_list.h"

#include <QPainter>
#include <array>

#include <stdexcept>
#include <string>
#include "artwork_scale.h"

namespace baralune {
namespace {

constexpr int kCards = 40;

// The pictures are numbered as in a 13-card suit: Ace to Seven are ranks 1 to 7, the Ten
// is 10, and the Queen and Jack keep the numbers of an ordinary Queen (12) and Jack (11).
// Eight, Nine and King (13) have no picture, so those numbers are skipped.
constexpr std::array<int, 10> kRankNumber = {1, 2, 3, 4, 5, 6, 7, 10, 12, 11};

// Composites a face over white into top-down R, G, B rows, as a 24-bit picture has no alpha.
// With premultiplied colour, over white is the colour plus the uncovered share of white.
std::vector<std::uint8_t> RgbOnWhite(const QImage& face) {
  const QImage premultiplied = face.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  std::vector<std::uint8_t> rgb;
  rgb.reserve(static_cast<std::size_t>(face.width()) * face.height() * 3);
  for (int y = 0; y < premultiplied.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
    for (int x = 0; x < premultiplied.width(); ++x) {
      const int uncovered = 255 - qAlpha(line[x]);
      for (const int channel : {qRed(line[x]), qGreen(line[x]), qBlue(line[x])}) {
        rgb.push_back(static_cast<std::uint8_t>(channel + uncovered));
      }
    }
  }
  return rgb;
}

QString FacePath(const QString& folder, int card) {
  return QStringLiteral("%1/%2.png").arg(folder).arg(card, 2, 10, QLatin1Char('0'));
}

// A face from the resources at `size` pixels; a missing one is a build fault.
QImage LoadFace(const QString& path, QSize size) {
  QImage face(path);
  if (face.isNull()) throw std::runtime_error("card picture missing: " + path.toStdString());
  if (face.size() != size) {
    face = face.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  return face.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

const CardImageList& CardImageList::Large() {
  static const CardImageList list(QStringLiteral(":/cards/large"), 71, 96);
  return list;
}

const CardImageList& CardImageList::Small() {
  static const CardImageList list(QStringLiteral(":/cards/small"), 40, 50);
  return list;
}

CardImageList::CardImageList(const QString& folder, int width, int height)
    : folder_(folder), size_(width, height) {
  images_.reserve(kCards);
  pictures_.reserve(kCards);
  for (int card = 0; card < kCards; ++card) {
    QImage face = LoadFace(FacePath(folder, card), size_);
    pictures_.push_back(richtext::Picture::FromRgb(width, height, RgbOnWhite(face)));
    images_.push_back(std::move(face));
  }
}

const std::vector<QImage>& CardImageList::DoubleImages() const {
  std::call_once(doubleLoaded_, [this] {
    std::vector<QImage> faces;
    faces.reserve(kCards);
    for (int card = 0; card < kCards; ++card) {
      QImage face = LoadFace(FacePath(folder_ + QStringLiteral("@2x"), card), size_ * 2);
      face.setDevicePixelRatio(2);
      faces.push_back(std::move(face));
    }
    doubleImages_ = std::move(faces);
  });
  return doubleImages_;
}

const QImage& CardImageList::Image(int entry) const {
  if (entry < 1 || entry > Count()) {
    throw std::out_of_range("card image entry " + std::to_string(entry) + " outside 1.." +
                            std::to_string(Count()));
  }
  return images_[static_cast<std::size_t>(entry - 1)];
}

const QImage& CardImageList::Image(int entry, qreal devicePixelRatio) const {
  const QImage& single = Image(entry);  // bounds check
  if (!WantsDoubleArtwork(devicePixelRatio)) return single;
  return DoubleImages()[static_cast<std::size_t>(entry - 1)];
}

QString CardImageList::Key(int entry) const {
  Image(entry);  // bounds check
  const int card = entry - 1;
  return QStringLiteral("%1.jpg").arg(13 * (card / 10) + kRankNumber[card % 10]);
}

int CardImageList::EntryOf(const richtext::Picture& picture) const {
  for (std::size_t i = 0; i < pictures_.size(); ++i) {
    const richtext::Picture& face = pictures_[i];
    if (face.width == picture.width && face.height == picture.height && face.rgb == picture.rgb) {
      return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

richtext::Picture CardImageList::Picture(int entry) const {
  Image(entry);  // bounds check
  return pictures_[static_cast<std::size_t>(entry - 1)];
}

QImage SharperCardPicture(const richtext::EmbeddedPicture& picture) {
  if (picture.bitmap == nullptr) return {};
  const int entry = CardImageList::Small().EntryOf(*picture.bitmap);
  if (entry == 0) return {};
  const QImage& face = CardImageList::Small().Image(entry, 2.0);
  // On white, as the embedded picture is: no transparency for a PDF to carry beside it.
  QImage paper(face.size(), QImage::Format_RGB888);
  paper.fill(Qt::white);
  QPainter painter(&paper);
  QImage pixels = face;
  pixels.setDevicePixelRatio(1);  // pixel for pixel
  painter.drawImage(QPoint(0, 0), pixels);
  return paper;
}

}  // namespace baralune
