// screen_probe: what the end-to-end scripts need to know about the X display
// that xdotool cannot tell them: screenshots, pixel colours read back from
// those screenshots, and the clipboard's text.

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>


namespace {

constexpr int kUsageError = 2;

int Usage() {
  std::fputs(
      "usage: screen_probe shot OUT.png [WINDOW_ID]      grab the screen, or one window\n"
      "       screen_probe pixel IN.png X Y              print the colour at X,Y as RRGGBB\n"
      "       screen_probe count IN.png X Y W H [!]RRGGBB  count pixels of exactly (or, with !, not of)\n"
      "                                                  that colour in a rectangle\n"
      "       screen_probe clipboard                     print the clipboard's text\n",
      stderr);
  return kUsageError;
}

bool ToInt(const char* text, int& value, int base = 10) {
  try {
    std::size_t used = 0;
    value = std::stoi(text, &used, base);
    return used == std::strlen(text);
  } catch (const std::exception&) {
    return false;
  }
}

bool LoadImage(const char* path, QImage& image) {
  image = QImage(QString::fromLocal8Bit(path)).convertToFormat(QImage::Format_RGB32);
  if (image.isNull()) std::fprintf(stderr, "screen_probe: cannot read image %s\n", path);
  return !image.isNull();
}

int Shot(int argc, char** argv) {
  if (argc < 3 || argc > 4) return Usage();
  int window = 0;
  if (argc == 4 && !ToInt(argv[3], window, 0)) return Usage();
  QScreen* screen = QGuiApplication::primaryScreen();
  const QPixmap grabbed = screen ? screen->grabWindow(static_cast<WId>(window)) : QPixmap();
  if (grabbed.isNull() || !grabbed.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "screen_probe: cannot grab window %d into %s\n", window, argv[2]);
    return 1;
  }
  return 0;
}

int Pixel(int argc, char** argv) {
  int x = 0;
  int y = 0;
  if (argc != 5 || !ToInt(argv[3], x) || !ToInt(argv[4], y)) return Usage();
  QImage image;
  if (!LoadImage(argv[2], image)) return 1;
  if (!image.valid(x, y)) {
    std::fprintf(stderr, "screen_probe: %d,%d lies outside the %dx%d image\n", x, y, image.width(), image.height());
    return 1;
  }
  std::printf("%06X\n", image.pixel(x, y) & 0xFFFFFFu);
  return 0;
}

int Count(int argc, char** argv) {
  if (argc != 8) return Usage();
  const char* colourText = argv[7];
  const bool inverted = colourText[0] == '!';
  if (inverted) ++colourText;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int colour = 0;
  if (!ToInt(argv[3], x) || !ToInt(argv[4], y) || !ToInt(argv[5], width) || !ToInt(argv[6], height) ||
      !ToInt(colourText, colour, 16)) {
    return Usage();
  }
  QImage image;
  if (!LoadImage(argv[2], image)) return 1;
  const QRect area = QRect(x, y, width, height).intersected(image.rect());
  int matches = 0;
  for (int row = area.top(); row <= area.bottom(); ++row) {
    for (int column = area.left(); column <= area.right(); ++column) {
      const bool same = (image.pixel(column, row) & 0xFFFFFFu) == static_cast<QRgb>(colour);
      if (same != inverted) ++matches;
    }
  }
  std::printf("%d\n", matches);
  return 0;
}

int Clipboard(int argc) {
  if (argc != 2) return Usage();
  std::fputs(QGuiApplication::clipboard()->text().toUtf8().constData(), stdout);
  return 0;
}


}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string mode = argv[1];
  // Reading a PNG back needs no display.
  if (mode == "pixel") return Pixel(argc, argv);
  if (mode == "count") return Count(argc, argv);
  QGuiApplication application(argc, argv);
  if (mode == "shot") return Shot(argc, argv);
  if (mode == "clipboard") return Clipboard(argc);
  return Usage();
}
