// Draws the program's pictures into its resources folder:
//   tarnwick-artwork [--out DIR] [--sheet FILE.png]
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "Catalogue.h"

namespace {

bool Save(const art::Artwork& art, const QImage& img, const QString& path) {
  // Bitmaps are written as plain 24-bit BMP; everything else as PNG with alpha,
  // "search64" included, which has no extension to go by.
  if (art.kind == art::Kind::Design || art.kind == art::Kind::About)
    return img.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
  return img.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
}

int Usage() {
  std::fprintf(stderr, "usage: tarnwick-artwork [--out DIR] [--sheet FILE.png]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // keep notes and names in order
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QString outDir = QStringLiteral(TARNWICK_ARTWORK_OUT);
  QString sheetPath;
  const QStringList args = QCoreApplication::arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--out" && i + 1 < args.size())
      outDir = args[++i];
    else if (args[i] == "--sheet" && i + 1 < args.size())
      sheetPath = args[++i];
    else
      return Usage();
  }
  if (!QDir().mkpath(outDir)) {
    std::fprintf(stderr, "cannot make %s\n", qPrintable(outDir));
    return 1;
  }
  std::vector<QImage> pictures;
  for (const art::Artwork& art : art::Catalogue()) {
    const QImage img = art.draw();
    const QString path = QDir(outDir).filePath(art.resourceName);
    if (!Save(art, img, path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%-20s %3d x %3d\n", qPrintable(art.resourceName), img.width(), img.height());
    pictures.push_back(img);
  }
  if (!sheetPath.isEmpty()) {
    if (!art::ContactSheet(pictures).save(sheetPath, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(sheetPath));
      return 1;
    }
    std::printf("sheet: %s\n", qPrintable(sheetPath));
  }
  return 0;
}
