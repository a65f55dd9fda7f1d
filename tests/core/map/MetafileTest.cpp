#include <gtest/gtest.h>

#include <stdexcept>

#include "map/Metafile.h"

using namespace korvelan;

namespace {

std::uint32_t U16(const std::string& b, std::size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
std::uint32_t U32(const std::string& b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

// 3 x 2 pixels: red, green, blue on top; white, black, grey below.
RasterPicture SmallPicture() {
  return {3, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFF808080}};
}

// Reads pixel (x, y) of a 24-bit bottom-up bitmap starting with its info header.
std::uint32_t DibPixel(const std::string& b, std::size_t dib, int x, int y) {
  const int width = static_cast<int>(U32(b, dib + 4)), height = static_cast<int>(U32(b, dib + 8));
  EXPECT_EQ(U16(b, dib + 14), 24u);
  const std::size_t row = (width * 3 + 3) / 4 * 4;
  const std::size_t at = dib + 40 + row * (height - 1 - y) + x * 3;
  return static_cast<unsigned char>(b[at + 2]) << 16 | static_cast<unsigned char>(b[at + 1]) << 8 |
         static_cast<unsigned char>(b[at]);
}

}  // namespace

TEST(Metafile, EnhancedMetafileRecordsAddUpAndCarryThePixels) {
  const std::string emf = EnhancedMetafileBytes(SmallPicture());
  EXPECT_EQ(U32(emf, 0), 1u);             // EMR_HEADER first
  EXPECT_EQ(U32(emf, 40), 0x464D4520u);   // " EMF"
  EXPECT_EQ(U32(emf, 48), emf.size());    // file size in the header
  EXPECT_EQ(U32(emf, 8 + 8), 2u);         // bounds right = width - 1
  EXPECT_EQ(U32(emf, 8 + 12), 1u);        // bounds bottom = height - 1
  std::vector<std::uint32_t> types;
  std::size_t at = 0, stretch = 0;
  while (at < emf.size()) {
    const std::uint32_t size = U32(emf, at + 4);
    ASSERT_GT(size, 0u);
    ASSERT_EQ(size % 4, 0u);
    types.push_back(U32(emf, at));
    if (types.back() == 81) stretch = at;
    at += size;
  }
  EXPECT_EQ(at, emf.size());
  EXPECT_EQ(types, (std::vector<std::uint32_t>{1, 81, 14}));
  EXPECT_EQ(U32(emf, 52), types.size());
  const std::size_t dib = stretch + U32(emf, stretch + 48);  // offBmiSrc
  EXPECT_EQ(U32(emf, stretch + 56), U32(emf, stretch + 48) + 40);  // bits follow the header
  EXPECT_EQ(U32(emf, stretch + 72), 3u);  // destination width
  EXPECT_EQ(U32(emf, stretch + 76), 2u);  // destination height
  EXPECT_EQ(DibPixel(emf, dib, 0, 0), 0xFF0000u);
  EXPECT_EQ(DibPixel(emf, dib, 1, 0), 0x00FF00u);
  EXPECT_EQ(DibPixel(emf, dib, 2, 0), 0x0000FFu);
  EXPECT_EQ(DibPixel(emf, dib, 2, 1), 0x808080u);
}

TEST(Metafile, PlaceableWindowsMetafileHasItsChecksumAndEndRecord) {
  const std::string wmf = WindowsMetafileBytes(SmallPicture());
  EXPECT_EQ(U32(wmf, 0), 0x9AC6CDD7u);
  std::uint32_t checksum = 0;
  for (std::size_t k = 0; k < 20; k += 2) checksum ^= U16(wmf, k);
  EXPECT_EQ(U16(wmf, 20), checksum);
  EXPECT_EQ(U16(wmf, 10), 3u);   // bounding box right
  EXPECT_EQ(U16(wmf, 12), 2u);   // bounding box bottom
  EXPECT_EQ(U16(wmf, 14), 96u);  // units per inch
  const std::size_t header = 22;
  EXPECT_EQ(U16(wmf, header + 2), 9u);                    // header words
  EXPECT_EQ(U32(wmf, header + 6) * 2 + header, wmf.size());  // file size in words
  std::vector<std::uint32_t> functions;
  std::uint32_t largest = 0;
  std::size_t at = header + 18, stretch = 0;
  while (at < wmf.size()) {
    const std::uint32_t words = U32(wmf, at);
    ASSERT_GE(words, 3u);
    functions.push_back(U16(wmf, at + 4));
    if (functions.back() == 0x0F43) stretch = at;
    largest = std::max(largest, words);
    at += words * 2;
  }
  EXPECT_EQ(at, wmf.size());
  EXPECT_EQ(functions, (std::vector<std::uint32_t>{0x020B, 0x020C, 0x0F43, 0x0000}));
  EXPECT_EQ(U32(wmf, header + 12), largest);  // largest record
  const std::size_t dib = stretch + 28;
  EXPECT_EQ(DibPixel(wmf, dib, 0, 0), 0xFF0000u);
  EXPECT_EQ(DibPixel(wmf, dib, 0, 1), 0xFFFFFFu);
  EXPECT_EQ(DibPixel(wmf, dib, 1, 1), 0x000000u);
}

TEST(Metafile, RowsArePaddedToFourBytes) {
  const std::string dib = DeviceIndependentBitmap(SmallPicture());
  EXPECT_EQ(dib.size(), 40u + 2 * 12u);  // 3 pixels = 9 bytes, padded to 12
  EXPECT_EQ(U32(dib, 20), 24u);          // image size
}

TEST(Metafile, RefusesPicturesThatDoNotFit) {
  EXPECT_THROW(EnhancedMetafileBytes({0, 0, {}}), std::invalid_argument);
  EXPECT_THROW(WindowsMetafileBytes({40000, 1, std::vector<std::uint32_t>(40000)}), std::invalid_argument);
  EXPECT_THROW(WindowsMetafileBytes({2, 2, {1, 2, 3}}), std::invalid_argument);
}
