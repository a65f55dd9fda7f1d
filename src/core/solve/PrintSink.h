#pragma once
#include <string>
#include <vector>

namespace korvelan {

// The font every printed list uses; a printer without it substitutes a fixed-pitch font.
inline constexpr const char* PrintFontFamily = "Monospac821 DL";

struct PrintFont {
  std::string family = PrintFontFamily;
  int pointSize = 10;
  bool bold = false;
  bool operator==(const PrintFont&) const = default;
};

// One print job: text lines, each in its own font, pictures and page breaks, in
// the order they are written. The desktop program prints through the printer (a
// PDF file when there is none); the tests record what would be printed.
class PrintSink {
 public:
  virtual ~PrintSink() = default;
  // One line of text; an empty text is an empty line of that font's height.
  virtual void Line(const std::string& text, const PrintFont& font) = 0;
  // A picture: a file path or a handle the sink knows how to resolve.
  virtual void Image(const std::string& source) = 0;
  virtual void PageBreak() = 0;
  // Ends the job and hands it to the printer; false when it could not be printed.
  virtual bool Finish() = 0;
};

// Keeps everything written to it, for tests and for a preview.
class RecordingPrintSink : public PrintSink {
 public:
  enum class Kind { Line, Image, PageBreak };
  struct Item {
    Kind kind;
    std::string text;  // the line, or the picture's source
    PrintFont font;
    bool operator==(const Item&) const = default;
  };

  std::vector<Item> items;
  bool finished = false;

  void Line(const std::string& text, const PrintFont& font) override { items.push_back({Kind::Line, text, font}); }
  void Image(const std::string& source) override { items.push_back({Kind::Image, source, {}}); }
  void PageBreak() override { items.push_back({Kind::PageBreak, {}, {}}); }
  bool Finish() override {
    finished = true;
    return true;
  }
};

// Prints a list as one job: the title at size 18; then at size 10 two empty
// lines, the label in bold, an empty line, and the first n lines of the list
// (all of them when n is larger than the list). Returns the job's success.
bool PrintList(PrintSink& sink, const std::string& title, const std::string& label,
               const std::vector<std::string>& lines, int n);

}  // namespace korvelan
