// Names live in fixed-capacity UTF-8 buffers so that game state never allocates. A name is at
// most 48 bytes once encoded as Shift-JIS; in UTF-8 that is at most 144 bytes (a half-width
// katakana takes one Shift-JIS byte but three UTF-8 bytes).
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace gm {

template <std::size_t Capacity>
class FixedString {
 public:
  FixedString() = default;
  FixedString(std::string_view s) { assign(s); }  // NOLINT: names convert from text freely

  // Stores s, cut at the last whole UTF-8 character that fits the buffer.
  void assign(std::string_view s) {
    std::size_t n = s.size() < Capacity ? s.size() : Capacity;
    while (n > 0 && n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
    std::memcpy(data_.data(), s.data(), n);
    size_ = static_cast<uint16_t>(n);
  }
  FixedString& operator=(std::string_view s) {
    assign(s);
    return *this;
  }

  std::string_view view() const { return std::string_view(data_.data(), size_); }
  std::string str() const { return std::string(view()); }
  bool empty() const { return size_ == 0; }
  std::size_t size() const { return size_; }
  void clear() { size_ = 0; }

  friend bool operator==(const FixedString& a, const FixedString& b) {
    return a.view() == b.view();
  }
  friend bool operator==(const FixedString& a, std::string_view b) { return a.view() == b; }

 private:
  uint16_t size_ = 0;
  std::array<char, Capacity> data_{};
};

// A name of at most 48 Shift-JIS bytes (see text.h for the cut that keeps that limit).
using Name = FixedString<144>;

}  // namespace gm
