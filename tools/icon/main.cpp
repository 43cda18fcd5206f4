// Writes the program's maze icon, as compiled into the program, to a PNG file
// for the desktop's icon theme.
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QImage icon(QStringLiteral(":/MazeIcon128.bmp"));
  if (icon.isNull()) {
    std::fprintf(stderr, "the maze icon is missing from the resources\n");
    return 1;
  }
  return icon.scaled(128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation).save(argv[1], "PNG") ? 0 : 1;
}
