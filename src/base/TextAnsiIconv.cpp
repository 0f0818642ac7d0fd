// Code page 936 conversions for the native build, through iconv.
#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "base/Text.h"

namespace base {
namespace {

// One converter per direction and thread; iconv descriptors carry shift state.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts input; a sequence that cannot be converted is replaced by `replacement`
  // and skipped by skip(first byte) input bytes.
  template <class Skip>
  std::string Run(std::string_view input, std::string_view replacement, Skip skip) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(input.size() + 4);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      const std::size_t rc = iconv(cd_, &in, &inLeft, &dst, &dstLeft);
      out.append(buffer, dst);
      if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
        out += replacement;
        const std::size_t want = skip(static_cast<unsigned char>(*in));
        const std::size_t n = inLeft < want ? inLeft : want;
        in += n;
        inLeft -= n;
      }
    }
    return out;
  }

 private:
  iconv_t cd_;
};

// Length of the UTF-8 character that starts with `lead`.
std::size_t Utf8CharLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

bool IsAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

std::string Utf8ToAnsi(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  thread_local Converter converter("CP936", "UTF-8");
  return converter.Run(utf8, "?", Utf8CharLength);
}

std::string AnsiToUtf8(std::string_view ansi) {
  if (IsAscii(ansi)) return std::string(ansi);
  thread_local Converter converter("UTF-8", "CP936");
  return converter.Run(ansi, "\xEF\xBF\xBD", [](unsigned char) -> std::size_t { return 1; });
}

}  // namespace base
