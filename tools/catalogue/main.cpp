// Typesets the product catalogue from its data file:
//   lumor-catalogue CATALOGUE.json OUTPUT.pdf
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QPageSize>
#include <QPdfWriter>

#include <cstdio>

#include "catalogue_typesetter.h"

int main(int argc, char** argv) {
  // Runs inside the build, where there is no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  const QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 3) {
    std::fprintf(stderr, "usage: lumor-catalogue CATALOGUE.json OUTPUT.pdf\n");
    return 2;
  }

  QFile source(args.at(1));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "lumor-catalogue: cannot read %s\n", qPrintable(args.at(1)));
    return 1;
  }
  QJsonParseError parse_error;
  const QJsonDocument data = QJsonDocument::fromJson(source.readAll(), &parse_error);
  if (!data.isObject()) {
    std::fprintf(stderr, "lumor-catalogue: %s: %s at offset %d\n", qPrintable(args.at(1)),
                 qPrintable(parse_error.errorString()), static_cast<int>(parse_error.offset));
    return 1;
  }

  QString error;
  bool done = false;
  {
    QPdfWriter writer(args.at(2));
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_1_4);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(data.object().value(QLatin1String("title")).toString());
    writer.setCreator(QStringLiteral("lumor-catalogue"));
    CatalogueTypesetter typesetter(writer, QFileInfo(args.at(1)).absoluteDir());
    done = typesetter.Typeset(data.object(), &error);
  }
  if (!done) {
    // A half-written file must not pass for a finished catalogue in the next build.
    QFile::remove(args.at(2));
    std::fprintf(stderr, "lumor-catalogue: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}
