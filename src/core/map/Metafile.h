#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace korvelan {

// A rendered picture: width x height pixels, rows from the top, each pixel
// 0xAARRGGBB (the alpha byte is ignored; pictures are opaque).
struct RasterPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// The pictures' resolution when a metafile gives their size on paper.
inline constexpr int MetafileDotsPerInch = 96;

// An enhanced metafile (".emf") holding the picture as one stretched
// device-independent bitmap: a header record, EMR_STRETCHDIBITS with a
// 24-bit bottom-up bitmap, and the end-of-file record.
std::string EnhancedMetafileBytes(const RasterPicture& picture);

// A placeable Windows metafile (".wmf") holding the picture the same way:
// the placeable header (with its checksum), the metafile header, the window
// origin and extent, META_STRETCHDIB and the end record. Coordinates are
// 16-bit, so a side is limited to 32767 pixels.
std::string WindowsMetafileBytes(const RasterPicture& picture);

// The bitmap both metafiles carry: BITMAPINFOHEADER followed by 24-bit rows,
// bottom-up, each padded to a multiple of 4 bytes.
std::string DeviceIndependentBitmap(const RasterPicture& picture);

}  // namespace korvelan
