#include "map/Metafile.h"

#include <stdexcept>

namespace korvelan {

namespace {

// Metafiles are little-endian whatever the machine.
void PutU16(std::string& out, std::uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(std::string& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

void PutI32(std::string& out, std::int32_t value) { PutU32(out, static_cast<std::uint32_t>(value)); }

void PutU32At(std::string& out, std::size_t at, std::uint32_t value) {
  for (int k = 0; k < 4; ++k) out[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

constexpr std::uint32_t SourceCopy = 0x00CC0020;  // SRCCOPY raster operation
constexpr std::uint32_t RgbColours = 0;           // DIB_RGB_COLORS

std::size_t RowBytes(int width) { return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4; }

void CheckSize(const RasterPicture& picture, int limit) {
  if (picture.width < 1 || picture.height < 1 || picture.width > limit || picture.height > limit ||
      picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height)
    throw std::invalid_argument("picture size not suitable for a metafile");
}

// Hundredths of a millimetre covered by a number of pixels.
std::int32_t Hundredths(int pixels) { return static_cast<std::int32_t>(pixels * 2540LL / MetafileDotsPerInch); }

// EMR_HEADER with the two extensions (pixel format and micrometre size).
void PutEnhancedHeader(std::string& out, const RasterPicture& picture) {
  constexpr std::int32_t deviceWidth = 1920, deviceHeight = 1080;  // a 96 dpi reference screen
  PutU32(out, 1);    // EMR_HEADER
  PutU32(out, 108);  // record size
  for (std::int32_t v : {0, 0, picture.width - 1, picture.height - 1}) PutI32(out, v);  // bounds, inclusive
  for (std::int32_t v : {0, 0, Hundredths(picture.width) - 1, Hundredths(picture.height) - 1}) PutI32(out, v);
  PutU32(out, 0x464D4520);  // " EMF"
  PutU32(out, 0x00010000);  // version
  PutU32(out, 0);           // file size, filled in at the end
  PutU32(out, 0);           // record count, filled in at the end
  PutU16(out, 1);           // handles: only the reserved one
  PutU16(out, 0);
  PutU32(out, 0);  // no description
  PutU32(out, 0);
  PutU32(out, 0);  // no palette
  PutI32(out, deviceWidth);
  PutI32(out, deviceHeight);
  PutI32(out, Hundredths(deviceWidth) / 100);
  PutI32(out, Hundredths(deviceHeight) / 100);
  PutU32(out, 0);  // no pixel format
  PutU32(out, 0);
  PutU32(out, 0);  // not OpenGL
  PutI32(out, Hundredths(deviceWidth) * 10);
  PutI32(out, Hundredths(deviceHeight) * 10);
}

void PutStretchDibits(std::string& out, const RasterPicture& picture, const std::string& dib) {
  constexpr std::uint32_t fixedPart = 80, infoHeader = 40;
  const std::uint32_t bits = static_cast<std::uint32_t>(dib.size()) - infoHeader;
  PutU32(out, 81);  // EMR_STRETCHDIBITS
  PutU32(out, fixedPart + static_cast<std::uint32_t>(dib.size()));
  for (std::int32_t v : {0, 0, picture.width - 1, picture.height - 1}) PutI32(out, v);
  for (std::int32_t v : {0, 0, 0, 0, picture.width, picture.height}) PutI32(out, v);  // dest x,y; src x,y,w,h
  PutU32(out, fixedPart);               // bitmap header offset
  PutU32(out, infoHeader);              // bitmap header size
  PutU32(out, fixedPart + infoHeader);  // bits offset
  PutU32(out, bits);
  PutU32(out, RgbColours);
  PutU32(out, SourceCopy);
  PutI32(out, picture.width);
  PutI32(out, picture.height);
  out += dib;
}

void PutEnhancedEnd(std::string& out) {
  PutU32(out, 14);  // EMR_EOF
  PutU32(out, 20);
  PutU32(out, 0);     // no palette entries
  PutU32(out, 0x10);  // where they would start
  PutU32(out, 20);    // size of this record, repeated last
}

// One WMF record: size in 16-bit words, function, then the parameters.
void PutWmfRecord(std::string& out, std::uint16_t function, const std::vector<std::int16_t>& words) {
  PutU32(out, static_cast<std::uint32_t>(3 + words.size()));
  PutU16(out, function);
  for (std::int16_t w : words) PutU16(out, static_cast<std::uint16_t>(w));
}

void PutPlaceableHeader(std::string& out, const RasterPicture& picture) {
  const std::size_t start = out.size();
  PutU32(out, 0x9AC6CDD7);  // placeable key
  PutU16(out, 0);           // handle
  for (int v : {0, 0, picture.width, picture.height}) PutU16(out, static_cast<std::uint16_t>(v));
  PutU16(out, MetafileDotsPerInch);  // units per inch
  PutU32(out, 0);
  std::uint16_t checksum = 0;  // XOR of the ten words before it
  for (std::size_t k = start; k < start + 20; k += 2)
    checksum ^= static_cast<std::uint16_t>(static_cast<unsigned char>(out[k]) |
                                           (static_cast<unsigned char>(out[k + 1]) << 8));
  PutU16(out, checksum);
}

}  // namespace

std::string DeviceIndependentBitmap(const RasterPicture& picture) {
  const std::size_t rowBytes = RowBytes(picture.width);
  std::string out;
  out.reserve(40 + rowBytes * picture.height);
  PutU32(out, 40);  // BITMAPINFOHEADER
  PutI32(out, picture.width);
  PutI32(out, picture.height);  // positive: rows bottom-up
  PutU16(out, 1);               // planes
  PutU16(out, 24);              // bits per pixel
  PutU32(out, 0);               // BI_RGB
  PutU32(out, static_cast<std::uint32_t>(rowBytes * picture.height));
  const std::int32_t pixelsPerMetre = MetafileDotsPerInch * 10000 / 254;
  PutI32(out, pixelsPerMetre);
  PutI32(out, pixelsPerMetre);
  PutU32(out, 0);
  PutU32(out, 0);
  for (int row = picture.height - 1; row >= 0; --row) {
    const std::uint32_t* pixel = picture.pixels.data() + static_cast<std::size_t>(row) * picture.width;
    for (int x = 0; x < picture.width; ++x) {
      out.push_back(static_cast<char>(pixel[x] & 0xFF));          // blue
      out.push_back(static_cast<char>((pixel[x] >> 8) & 0xFF));   // green
      out.push_back(static_cast<char>((pixel[x] >> 16) & 0xFF));  // red
    }
    out.append(rowBytes - static_cast<std::size_t>(picture.width) * 3, '\0');
  }
  return out;
}

std::string EnhancedMetafileBytes(const RasterPicture& picture) {
  CheckSize(picture, 1 << 20);
  std::string out;
  PutEnhancedHeader(out, picture);
  PutStretchDibits(out, picture, DeviceIndependentBitmap(picture));
  PutEnhancedEnd(out);
  PutU32At(out, 48, static_cast<std::uint32_t>(out.size()));  // file size
  PutU32At(out, 52, 3);                                         // records
  return out;
}

std::string WindowsMetafileBytes(const RasterPicture& picture) {
  CheckSize(picture, 32767);
  const std::string dib = DeviceIndependentBitmap(picture);
  const auto w = static_cast<std::int16_t>(picture.width), h = static_cast<std::int16_t>(picture.height);
  std::string records;
  PutWmfRecord(records, 0x020B, {0, 0});  // META_SETWINDOWORG (y, x)
  PutWmfRecord(records, 0x020C, {h, w});  // META_SETWINDOWEXT (y, x)
  const std::uint32_t stretchWords = static_cast<std::uint32_t>(3 + 2 + 1 + 8 + dib.size() / 2);
  PutU32(records, stretchWords);
  PutU16(records, 0x0F43);  // META_STRETCHDIB
  PutU32(records, SourceCopy);
  PutU16(records, RgbColours);
  for (std::int16_t v : {h, w, std::int16_t{0}, std::int16_t{0}, h, w, std::int16_t{0}, std::int16_t{0}})
    PutU16(records, static_cast<std::uint16_t>(v));  // source h, w, y, x; destination h, w, y, x
  records += dib;
  PutWmfRecord(records, 0x0000, {});  // META_EOF

  std::string out;
  PutPlaceableHeader(out, picture);
  PutU16(out, 1);       // memory metafile
  PutU16(out, 9);       // header words
  PutU16(out, 0x0300);  // version
  PutU32(out, static_cast<std::uint32_t>((18 + records.size()) / 2));
  PutU16(out, 0);  // objects
  PutU32(out, stretchWords);
  PutU16(out, 0);
  return out + records;
}

}  // namespace korvelan
