#include "artwork.h"

#include <QString>
#include <mutex>
#include <stdexcept>

#include "artwork_scale.h"

namespace baralune {
namespace {

// Loads from the program's resources; a missing file is a build fault, not a user's one.
QImage Load(const QString& path) {
  QImage image(path);
  if (image.isNull()) throw std::runtime_error("picture missing: " + path.toStdString());
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// One picture at its own size and, loaded on first demand, at twice it.
class Artwork {
 public:
  explicit Artwork(const char* name) : name_(QString::fromLatin1(name)), single_(Load(Path(""))) {}

  const QImage& For(qreal devicePixelRatio) {
    if (!WantsDoubleArtwork(devicePixelRatio)) return single_;
    std::call_once(doubleLoaded_, [this] {
      QImage twice = Load(Path("@2x"));
      if (twice.size() != single_.size() * 2) {
        throw std::runtime_error("picture of the wrong size: " + Path("@2x").toStdString());
      }
      twice.setDevicePixelRatio(2);
      double_ = std::move(twice);
    });
    return double_;
  }

 private:
  QString Path(const char* scale) const {
    return QStringLiteral(":/%1%2.png").arg(name_, QLatin1String(scale));
  }

  QString name_;
  QImage single_;
  std::once_flag doubleLoaded_;
  QImage double_;
};

}  // namespace

const QImage& CardBackImage(qreal devicePixelRatio) {
  static Artwork art("back");
  return art.For(devicePixelRatio);
}

const QImage& SmallCardBackImage(qreal devicePixelRatio) {
  static Artwork art("back_small");
  return art.For(devicePixelRatio);
}

const QImage& ProgramIconImage(qreal devicePixelRatio) {
  static Artwork art("icon");
  return art.For(devicePixelRatio);
}

const QImage& HandCursorImage(qreal devicePixelRatio) {
  static Artwork art("hand_cursor");
  return art.For(devicePixelRatio);
}

}  // namespace baralune
