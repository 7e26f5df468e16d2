#include "reports/recording_canvas.h"

#include <algorithm>

namespace virano {

namespace {

// Characters of a UTF-8 text: every byte that does not continue a sequence.
int Characters(const std::string& text) {
  return static_cast<int>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::vector<RecordingCanvas::Call> RecordingCanvas::Texts() const {
  std::vector<Call> texts;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(texts),
               [](const Call& c) { return c.op == Op::Text; });
  return texts;
}

RecordingCanvas::Call RecordingCanvas::Find(const std::string& text, int page) const {
  for (const Call& c : calls)
    if (c.op == Op::Text && c.text == text && (page == 0 || c.page == page)) return c;
  return {Op::Begin, 0, 0, 0, 0, 0, 0, ""};
}

void RecordingCanvas::Add(Op op, int x1, int y1, int x2, int y2, int size, std::string text) {
  calls.push_back({op, page_, x1, y1, x2, y2, size, std::move(text)});
}

void RecordingCanvas::BeginDoc(const std::string& title) {
  page_ = 1;
  Add(Op::Begin, 0, 0, 0, 0, 0, title);
}

void RecordingCanvas::NewPage() {
  ++page_;
  Add(Op::NewPage);
}

void RecordingCanvas::EndDoc() { Add(Op::End); }

void RecordingCanvas::Abort() { Add(Op::Abort); }

void RecordingCanvas::SetFont(const std::string& name, int points) {
  size_ = points;
  Add(Op::Font, 0, 0, 0, 0, points, name);
}

int RecordingCanvas::TextWidth(const std::string& text) const {
  return Characters(text) * size_ * charWidth;
}

int RecordingCanvas::TextHeight(const std::string&) const { return size_ * lineHeight; }

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
  Add(Op::Text, x, y, 0, 0, size_, text);
}

void RecordingCanvas::SetPenWidth(int pixels) { Add(Op::Pen, 0, 0, 0, 0, pixels); }

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Add(Op::Rectangle, x1, y1, x2, y2);
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2) { Add(Op::Line, x1, y1, x2, y2); }

}  // namespace virano
