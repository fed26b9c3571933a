// Turns the program's icon images into the PNG files a desktop's icon theme
// wants: icon_to_png IMAGE PNG
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s IMAGE PNG\n", argv[0]);
    return 2;
  }
  const QImage image(QString::fromLocal8Bit(argv[1]));
  return !image.isNull() && image.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
