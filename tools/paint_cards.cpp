// paint-cards: paints Baralune's card faces, card backs, icon and hand cursor as PNG files.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "card_faces.h"
#include "card_shapes.h"
#include "program_art.h"

namespace {

using baralune::paint::kCardCount;

bool Save(const QImage& image, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  // Quality 0 asks for the strongest PNG compression; the files are committed.
  if (!image.save(path, "PNG", 0)) {
    std::fprintf(stderr, "paint-cards: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool PaintFaces(const QDir& assets, const QString& sub, QSize size,
                const std::function<QImage(int, QSize)>& paint) {
  if (!assets.mkpath(sub)) return false;
  const QDir folder(assets.filePath(sub));
  for (int card = 0; card < kCardCount; ++card) {
    const QString name = QStringLiteral("%1.png").arg(card, 2, 10, QLatin1Char('0'));
    if (!Save(paint(card, size), folder, name)) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Painting needs no screen; the offscreen platform also serves build machines.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir assets(argc > 1 ? QString::fromLocal8Bit(argv[1])
                             : QStringLiteral(BARALUNE_ASSETS_DIR));
  if (!assets.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "paint-cards: cannot create %s\n", qPrintable(assets.path()));
    return EXIT_FAILURE;
  }
  using namespace baralune::paint;
  const bool ok =
      PaintFaces(assets, QStringLiteral("cards/large"), QSize(71, 96), PaintLargeFace) &&
      PaintFaces(assets, QStringLiteral("cards/small"), QSize(40, 50), PaintSmallFace) &&
      Save(PaintCardBack(QSize(71, 96)), assets, QStringLiteral("back.png")) &&
      Save(PaintSmallCardBack(QSize(43, 58)), assets, QStringLiteral("back_small.png")) &&
      Save(PaintProgramIcon(QSize(32, 32)), assets, QStringLiteral("icon.png")) &&
      Save(PaintHandCursor(QSize(32, 32)), assets, QStringLiteral("hand_cursor.png"));
  return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
