#pragma once
// The drawing surface the reports print on: the printer's printable area,
// its document and pages, and the few drawing operations the reports use.
// Coordinates are printer pixels from the top left of the printable area.
#include <stdexcept>
#include <string>

namespace virano {

// A print job that could not be started or finished. The text is
// "Utskriften misslyckades: " followed by the reason.
class PrintError : public std::runtime_error {
 public:
  explicit PrintError(const std::string& reason)
      : std::runtime_error("Utskriften misslyckades: " + reason) {}
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // The printable area: width and height in pixels, width in millimetres.
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  virtual int PageWidthMm() const = 0;

  // Begins a document titled `title`; PrintError when it cannot start.
  virtual void BeginDoc(const std::string& title) = 0;
  virtual void NewPage() = 0;
  // Ends the document; PrintError when it cannot be finished.
  virtual void EndDoc() = 0;
  // Drops a document begun, leaving nothing of it behind.
  virtual void Abort() = 0;

  // Texts are UTF-8. The size is in points; FontSize reads it back from
  // the font.
  virtual void SetFont(const std::string& name, int points) = 0;
  virtual int FontSize() const = 0;
  virtual int TextWidth(const std::string& text) const = 0;
  virtual int TextHeight(const std::string& text) const = 0;
  // Writes `text` with the top left of its box at (x, y), on white.
  virtual void TextOut(int x, int y, const std::string& text) = 0;

  virtual void SetPenWidth(int pixels) = 0;
  // A rectangle filled white, (x2, y2) just outside it.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
};

}  // namespace virano
