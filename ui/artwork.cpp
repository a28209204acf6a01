#include "artwork.h"

#include <QString>
#include <stdexcept>

namespace baralune {
namespace {

// Loads from the program's resources; a missing file is a build fault, not a user's one.
QImage Load(const char* path) {
  QImage image(QString::fromLatin1(path));
  if (image.isNull()) throw std::runtime_error(std::string("picture missing: ") + path);
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

const QImage& CardBackImage() {
  static const QImage image = Load(":/back.png");
  return image;
}

const QImage& SmallCardBackImage() {
  static const QImage image = Load(":/back_small.png");
  return image;
}

const QImage& ProgramIconImage() {
  static const QImage image = Load(":/icon.png");
  return image;
}

const QImage& HandCursorImage() {
  static const QImage image = Load(":/hand_cursor.png");
  return image;
}

}  // namespace baralune
