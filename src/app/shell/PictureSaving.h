#pragma once
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace korvelan::app {

class Dialogs;

// Draws a picture of the given size with the painter: a chart view, the map.
// It is called once per file and may be called on a vector device (SVG, PDF),
// so it should draw rather than copy a cached bitmap.
using PictureRenderer = std::function<void(QPainter& painter, const QSize& size)>;

// The file types a picture is saved as, first the bitmap and the two metafiles
// (which wrap the rendered bitmap), then the portable kinds.
inline constexpr const char* PictureFilter =
    "BMP file|*.bmp|Enhanced Meta File|*.emf|Windows Meta File|*.wmf|"
    "PNG image|*.png|SVG drawing|*.svg|PDF document|*.pdf|All Files|*.*";

enum class PictureFormat { Bmp, Emf, Wmf, Png, Svg, Pdf, Unknown };

// The format an extension names, in any letter case ("map.BMP" is a bitmap).
PictureFormat PictureFormatOf(const QString& fileName);

// Writes the picture to fileName in the format its extension names. Returns an
// empty text on success, else why it failed; an unknown extension writes nothing.
QString WritePicture(const QString& fileName, const QSize& size, const PictureRenderer& render);

struct PictureSaveOptions {
  QString dialogTitle = "Save the picture";
  // Wait 100 ms, handling events, before the dialog opens (so the window
  // behind it is painted first).
  bool pauseFirst = false;
};

// "Save the picture" as a user meets it: the save dialog (bmp preselected; an
// existing file is replaced only after Yes), then the file in the format its
// extension names and "File saved as <name>". A cancelled dialog says nothing;
// another extension gives "File not saved ... invalid extension on file name
// <name>"; a failure while writing gives "Error in SaveBMPClick" and leaves no
// partial file. Returns the file written, empty when none was.
QString SavePicture(Dialogs& dialogs, const QSize& size, const PictureRenderer& render,
                    const PictureSaveOptions& options = {});

}  // namespace korvelan::app
