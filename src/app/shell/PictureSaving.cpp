#include "shell/PictureSaving.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <exception>

#include "map/Metafile.h"
#include "shell/Dialogs.h"
#include "solve/Delay.h"

namespace korvelan::app {

namespace {

QImage RenderedImage(const QSize& size, const PictureRenderer& render) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  render(painter, size);
  return image;
}

RasterPicture RasterOf(const QImage& image) {
  RasterPicture picture;
  picture.width = image.width();
  picture.height = image.height();
  picture.pixels.reserve(static_cast<std::size_t>(picture.width) * picture.height);
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    picture.pixels.insert(picture.pixels.end(), row, row + image.width());
  }
  return picture;
}

bool WriteBytes(QSaveFile& file, const std::string& bytes) {
  return file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

bool WriteSvg(QSaveFile& file, const QSize& size, const PictureRenderer& render) {
  QSvgGenerator generator;
  generator.setOutputDevice(&file);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle("KORVELAN");
  QPainter painter;
  if (!painter.begin(&generator)) return false;
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  render(painter, size);
  return painter.end();
}

// One page exactly the picture's size, one point per pixel.
bool WritePdf(QSaveFile& file, const QSize& size, const PictureRenderer& render) {
  QPdfWriter writer(&file);
  writer.setCreator("KORVELAN");
  writer.setResolution(72);
  writer.setPageSize(QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  render(painter, size);
  return painter.end();
}

bool WriteFormat(QSaveFile& file, PictureFormat format, const QSize& size, const PictureRenderer& render) {
  switch (format) {
    case PictureFormat::Bmp: return RenderedImage(size, render).save(&file, "BMP");
    case PictureFormat::Png: return RenderedImage(size, render).save(&file, "PNG");
    case PictureFormat::Emf: return WriteBytes(file, EnhancedMetafileBytes(RasterOf(RenderedImage(size, render))));
    case PictureFormat::Wmf: return WriteBytes(file, WindowsMetafileBytes(RasterOf(RenderedImage(size, render))));
    case PictureFormat::Svg: return WriteSvg(file, size, render);
    case PictureFormat::Pdf: return WritePdf(file, size, render);
    case PictureFormat::Unknown: break;
  }
  return false;
}

}  // namespace

PictureFormat PictureFormatOf(const QString& fileName) {
  const QString extension = QFileInfo(fileName).suffix().toUpper();
  if (extension == "BMP") return PictureFormat::Bmp;
  if (extension == "EMF") return PictureFormat::Emf;
  if (extension == "WMF") return PictureFormat::Wmf;
  if (extension == "PNG") return PictureFormat::Png;
  if (extension == "SVG") return PictureFormat::Svg;
  if (extension == "PDF") return PictureFormat::Pdf;
  return PictureFormat::Unknown;
}

QString WritePicture(const QString& fileName, const QSize& size, const PictureRenderer& render) {
  const PictureFormat format = PictureFormatOf(fileName);
  if (format == PictureFormat::Unknown) return "unknown picture type";
  if (size.isEmpty()) return "empty picture";
  QSaveFile file(fileName);  // the old file stays until the new one is complete
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (!WriteFormat(file, format, size, render)) {
    file.cancelWriting();
    return file.errorString().isEmpty() ? QString("the picture could not be written") : file.errorString();
  }
  return file.commit() ? QString() : file.errorString();
}

QString SavePicture(Dialogs& dialogs, const QSize& size, const PictureRenderer& render,
                    const PictureSaveOptions& options) {
  try {
    if (options.pauseFirst) Delay(0, 100);
    const QString name = dialogs.SaveFile(options.dialogTitle, PictureFilter, "bmp");
    if (name.isEmpty()) return {};
    if (PictureFormatOf(name) == PictureFormat::Unknown) {
      dialogs.Warning("File not saved ... invalid extension on file name <" + name + ">");
      return {};
    }
    if (!WritePicture(name, size, render).isEmpty()) {
      dialogs.Error("Error in SaveBMPClick");
      return {};
    }
    dialogs.Information("File saved as <" + name + ">");
    return name;
  } catch (const std::exception&) {
    dialogs.Error("Error in SaveBMPClick");
    return {};
  }
}

}  // namespace korvelan::app
