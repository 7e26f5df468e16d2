#include "project/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace virano {
namespace {

// The bytes Windows-1252 leaves unassigned; each stands for the control
// character of its own number.
bool Unassigned(unsigned char byte) {
  return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// One iconv conversion descriptor per direction and thread, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from, bool utf8Source)
      : cd_(iconv_open(to, from)), utf8Source_(utf8Source) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("Teckenkonvertering saknas: ") + from + " -> " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; an input sequence that cannot be converted is replaced by
  // `replacement` and skipped (one byte when it is invalid, the whole UTF-8
  // sequence when it is valid but unrepresentable).
  std::string Convert(std::string_view in, std::string_view replacement) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(in.size() * 3);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[256];
    while (srcLeft > 0) {
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      if (rc != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: skip the offending sequence.
      std::size_t skip = SequenceLength(src, srcLeft);
      out.append(Unconverted(std::string_view(src, skip), replacement));
      src += skip;
      srcLeft -= skip;
    }
    return out;
  }

 private:
  // What stands for a sequence iconv does not convert: an unassigned byte
  // and its control character for each other, anything else `replacement`.
  std::string Unconverted(std::string_view sequence, std::string_view replacement) const {
    const auto first = static_cast<unsigned char>(sequence[0]);
    if (utf8Source_ && sequence.size() == 2 && first == 0xC2 &&
        Unassigned(static_cast<unsigned char>(sequence[1])))
      return std::string(1, sequence[1]);
    if (!utf8Source_ && Unassigned(first)) return {'\xC2', sequence[0]};
    return std::string(replacement);
  }

  // Length of the sequence to skip at `at`: a UTF-8 lead byte and its
  // continuation bytes, or a single byte.
  std::size_t SequenceLength(const char* at, std::size_t left) const {
    std::size_t n = 1;
    if (utf8Source_ && (static_cast<unsigned char>(at[0]) & 0xC0) == 0xC0) {
      while (n < left && n < 4 && (static_cast<unsigned char>(at[n]) & 0xC0) == 0x80) ++n;
    }
    return n;
  }

  iconv_t cd_;
  bool utf8Source_;
};

}  // namespace

std::string Utf8ToAnsi(std::string_view utf8) {
  thread_local Converter converter("CP1252", "UTF-8", true);
  return converter.Convert(utf8, "?");
}

bool InCodePage(std::string_view utf8) { return AnsiToUtf8(Utf8ToAnsi(utf8)) == utf8; }

std::string AnsiToUtf8(std::string_view ansi) {
  thread_local Converter converter("UTF-8", "CP1252", false);
  return converter.Convert(ansi, "\xEF\xBF\xBD");
}

}  // namespace virano
