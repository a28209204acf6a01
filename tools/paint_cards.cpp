// paint-cards: paints Baralune's card faces, card backs, icon and hand cursor as PNG files, at
// their own size and at twice it, and the icon at the sizes of the desktop's icon theme and of
// the browser edition.
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

constexpr int kThemeIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
// The sizes a browser asks of an installable page's icons.
constexpr int kWebIconSizes[] = {192, 512};

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
  // Every picture at its own size and at twice it, for screens with a device pixel ratio of 2.
  bool ok = true;
  for (const int scale : {1, 2}) {
    const QString at = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    const auto sized = [scale](int w, int h) { return QSize(w * scale, h * scale); };
    ok = ok &&
         PaintFaces(assets, QStringLiteral("cards/large") + at, sized(71, 96), PaintLargeFace) &&
         PaintFaces(assets, QStringLiteral("cards/small") + at, sized(40, 50), PaintSmallFace) &&
         Save(PaintCardBack(sized(71, 96)), assets, QStringLiteral("back%1.png").arg(at)) &&
         Save(PaintSmallCardBack(sized(43, 58)), assets,
              QStringLiteral("back_small%1.png").arg(at)) &&
         Save(PaintProgramIcon(sized(32, 32)), assets, QStringLiteral("icon%1.png").arg(at)) &&
         Save(PaintHandCursor(sized(32, 32)), assets, QStringLiteral("hand_cursor%1.png").arg(at));
  }
  // The desktop's icon theme picks among these by the size it shows.
  for (const int side : kThemeIconSizes) {
    const QString sub = QStringLiteral("icons/hicolor/%1x%1/apps").arg(side);
    ok = ok && assets.mkpath(sub) &&
         Save(PaintProgramIcon(QSize(side, side)), QDir(assets.filePath(sub)),
              QStringLiteral("baralune.png"));
  }
  for (const int side : kWebIconSizes) {
    ok = ok && assets.mkpath(QStringLiteral("icons/web")) &&
         Save(PaintProgramIcon(QSize(side, side)),
              QDir(assets.filePath(QStringLiteral("icons/web"))),
              QStringLiteral("icon-%1.png").arg(side));
  }
  return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
