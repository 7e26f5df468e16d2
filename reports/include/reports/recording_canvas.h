#pragma once
// A canvas that records every call, for checking the reports' layout
// without a printer. Text metrics follow a simple model: each character is
// `charWidth` pixels wide per point of font size, a text `lineHeight`
// pixels high per point.
#include <string>
#include <vector>

#include "reports/canvas.h"

namespace virano {

class RecordingCanvas : public Canvas {
 public:
  enum class Op { Begin, NewPage, End, Abort, Font, Text, Pen, Rectangle, Line };
  struct Call {
    Op op;
    int page;  // 1 for the first page of the document
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int size = 0;      // the font size in use (Text, Font) or the pen width
    std::string text;  // the text written, the font name or the title
  };

  RecordingCanvas(int width, int height, int widthMm)
      : width_(width), height_(height), widthMm_(widthMm) {}

  int charWidth = 5;
  int lineHeight = 10;
  std::vector<Call> calls;

  // The texts written, in order.
  std::vector<Call> Texts() const;
  // The first text equal to `text`, on `page` when given; page 0 when
  // there is none.
  Call Find(const std::string& text, int page = 0) const;
  int Pages() const { return page_; }

  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  int PageWidthMm() const override { return widthMm_; }
  void BeginDoc(const std::string& title) override;
  void NewPage() override;
  void EndDoc() override;
  void Abort() override;
  void SetFont(const std::string& name, int points) override;
  int FontSize() const override { return size_; }
  int TextWidth(const std::string& text) const override;
  int TextHeight(const std::string& text) const override;
  void TextOut(int x, int y, const std::string& text) override;
  void SetPenWidth(int pixels) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Line(int x1, int y1, int x2, int y2) override;

 private:
  void Add(Op op, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0, int size = 0,
           std::string text = {});

  int width_, height_, widthMm_;
  int page_ = 0;
  int size_ = 0;
};

}  // namespace virano
