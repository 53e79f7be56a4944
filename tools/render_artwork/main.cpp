// lumor-render-artwork SOURCE_DIR OUTPUT_DIR PICTURE.svg...
//   writes OUTPUT_DIR/PICTURE.png at the natural size and PICTURE@2x.png at twice it
// lumor-render-artwork --icon ICON.svg OUTPUT.ico
//   writes a Windows icon holding the square sizes Explorer and the task bar ask for
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>

namespace {

QImage Render(QSvgRenderer& renderer, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  return image;
}

bool Fail(const QString& what) {
  std::fprintf(stderr, "lumor-render-artwork: %s\n", qPrintable(what));
  return false;
}

bool WritePictures(const QString& sourceDir, const QString& outputDir, const QStringList& names) {
  for (const QString& name : names) {
    QSvgRenderer renderer(QDir(sourceDir).filePath(name));
    if (!renderer.isValid()) return Fail(name + QStringLiteral(" is not a valid SVG"));
    QString base = QDir(outputDir).filePath(name);
    base.chop(4);  // ".svg"
    QDir().mkpath(QFileInfo(base).path());
    for (int scale : {1, 2}) {
      const QString file =
          scale == 1 ? base + QStringLiteral(".png") : base + QStringLiteral("@2x.png");
      if (!Render(renderer, renderer.defaultSize() * scale).save(file, "PNG"))
        return Fail(QStringLiteral("cannot write ") + file);
    }
  }
  return true;
}

void Append16(QByteArray& out, quint16 value) {
  value = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}
void Append32(QByteArray& out, quint32 value) {
  value = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// An .ico whose images are PNG-compressed, as Windows reads them since Vista.
bool WriteIcon(const QString& svg, const QString& output) {
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) return Fail(svg + QStringLiteral(" is not a valid SVG"));
  const int sizes[] = {16, 20, 24, 32, 40, 48, 64, 128, 256};
  QList<QByteArray> images;
  for (int size : sizes) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    Render(renderer, QSize(size, size)).save(&buffer, "PNG");
    images.append(png);
  }
  QByteArray out;
  Append16(out, 0);  // reserved
  Append16(out, 1);  // icon
  Append16(out, static_cast<quint16>(images.size()));
  quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
  for (qsizetype i = 0; i < images.size(); ++i) {
    const int size = sizes[i];
    out.append(static_cast<char>(size >= 256 ? 0 : size));  // 0 means 256
    out.append(static_cast<char>(size >= 256 ? 0 : size));
    out.append('\0');  // no palette
    out.append('\0');
    Append16(out, 1);   // planes
    Append16(out, 32);  // bits per pixel
    Append32(out, static_cast<quint32>(images[i].size()));
    Append32(out, offset);
    offset += static_cast<quint32>(images[i].size());
  }
  for (const QByteArray& png : images) out.append(png);
  QFile file(output);
  if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size())
    return Fail(QStringLiteral("cannot write ") + output);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments().mid(1);
  if (args.size() == 3 && args[0] == QLatin1String("--icon")) return WriteIcon(args[1], args[2]) ? 0 : 1;
  if (args.size() >= 3) return WritePictures(args[0], args[1], args.mid(2)) ? 0 : 1;
  std::fprintf(stderr,
               "usage: lumor-render-artwork SOURCE_DIR OUTPUT_DIR PICTURE.svg...\n"
               "       lumor-render-artwork --icon ICON.svg OUTPUT.ico\n");
  return 2;
}
