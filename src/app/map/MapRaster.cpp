#include "map/MapRaster.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace korvelan::app {

namespace {

// Liang-Barsky: cuts the segment to [0, w-1] x [0, h-1]; false when nothing is left.
bool ClipToImage(double& x0, double& y0, double& x1, double& y1, double w, double h) {
  double t0 = 0, t1 = 1;
  const double dx = x1 - x0, dy = y1 - y0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0, w - 1 - x0, y0, h - 1 - y0};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  x1 = x0 + t1 * dx, y1 = y0 + t1 * dy;
  x0 = x0 + t0 * dx, y0 = y0 + t0 * dy;
  return true;
}

// Steps along the longer axis one pixel at a time, the other coordinate in
// 16.16 fixed point: one store and two additions per pixel.
void PlotLine(QRgb* bits, qsizetype stride, int x0, int y0, int x1, int y1, QRgb colour) {
  const int dx = x1 - x0, dy = y1 - y0;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  if (steps == 0) {
    bits[y0 * stride + x0] = colour;
    return;
  }
  if (std::abs(dx) >= std::abs(dy)) {
    const int sx = dx > 0 ? 1 : -1;
    const long long slope = (static_cast<long long>(dy) << 16) / steps;
    long long y = (static_cast<long long>(y0) << 16) + 0x8000;
    for (int k = 0, x = x0; k <= steps; ++k, x += sx, y += slope) bits[(y >> 16) * stride + x] = colour;
  } else {
    const int sy = dy > 0 ? 1 : -1;
    const long long slope = (static_cast<long long>(dx) << 16) / steps;
    long long x = (static_cast<long long>(x0) << 16) + 0x8000;
    for (int k = 0, y = y0; k <= steps; ++k, y += sy, x += slope) bits[y * stride + (x >> 16)] = colour;
  }
}

}  // namespace

// Remembers the segments already drawn, so a link drawn both ways (site to node
// and node to site) is drawn once. Open addressing over packed end points.
class SegmentSet {
 public:
  explicit SegmentSet(qsizetype expected) {
    std::size_t size = 1024;
    while (size < static_cast<std::size_t>(expected) * 2) size *= 2;
    slots_.assign(size, 0);
  }
  // False when the segment was there already.
  bool Insert(std::uint64_t key) {
    key += 1;  // 0 marks an empty slot
    std::size_t at = (key * 0x9E3779B97F4A7C15ull) >> 20 & (slots_.size() - 1);
    while (slots_[at] != 0) {
      if (slots_[at] == key) return false;
      at = (at + 1) & (slots_.size() - 1);
    }
    slots_[at] = key;
    return true;
  }

 private:
  std::vector<std::uint64_t> slots_;
};

void RasterizeLines(QImage& image, const QVector<QLineF>& lines, QRgb colour) {
  auto* bits = reinterpret_cast<QRgb*>(image.bits());
  const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  const double w = image.width(), h = image.height();
  SegmentSet drawn(lines.size());
  for (const QLineF& line : lines) {
    QPointF a = line.p1(), b = line.p2();
    if (b.x() < a.x() || (b.x() == a.x() && b.y() < a.y())) std::swap(a, b);  // one direction per segment
    double x0 = a.x(), y0 = a.y(), x1 = b.x(), y1 = b.y();
    if (!ClipToImage(x0, y0, x1, y1, w, h)) continue;
    const auto ix0 = static_cast<int>(std::lround(x0)), iy0 = static_cast<int>(std::lround(y0));
    const auto ix1 = static_cast<int>(std::lround(x1)), iy1 = static_cast<int>(std::lround(y1));
    const std::uint64_t key = static_cast<std::uint64_t>(ix0) << 48 | static_cast<std::uint64_t>(iy0) << 32 |
                              static_cast<std::uint64_t>(ix1) << 16 | static_cast<std::uint64_t>(iy1);
    if (drawn.Insert(key)) PlotLine(bits, stride, ix0, iy0, ix1, iy1, colour);
  }
}

bool CanOverlayRaster(const QPainter& painter) {
  const QPaintEngine* engine = painter.paintEngine();
  return engine && engine->type() == QPaintEngine::Raster && painter.worldTransform().isAffine() &&
         painter.worldTransform().m11() == 1 && painter.worldTransform().m22() == 1 &&
         painter.worldTransform().m12() == 0 && painter.worldTransform().m21() == 0 &&
         painter.device()->devicePixelRatio() == 1;
}

}  // namespace korvelan::app
