#pragma once
#include <QImage>
#include <QLineF>
#include <QVector>

class QPainter;

namespace korvelan::app {

// Thin opaque lines straight into a 32-bit image, clipped to it (Bresenham's
// algorithm). A coverage map holds up to 90,000 links; drawn this way they take
// a few tens of milliseconds where the general line painter takes several
// hundred, so panning and zooming stay fluid.
void RasterizeLines(QImage& image, const QVector<QLineF>& lines, QRgb colour);

// True when lines painted with this painter may be drawn into an image laid
// over its device instead: a raster device drawn at its own pixel size.
bool CanOverlayRaster(const QPainter& painter);

}  // namespace korvelan::app
