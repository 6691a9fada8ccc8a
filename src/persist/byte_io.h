// Bounds-checked little-endian byte reader and writer for the game's packed file records.
// Every field is read and written one by one; a record is never copied as a memory image.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gm {

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  bool ok() const { return ok_; }
  std::size_t offset() const { return pos_; }

  uint8_t u8() { return static_cast<uint8_t>(take<1>()); }
  int32_t i32() { return static_cast<int32_t>(static_cast<uint32_t>(take<4>())); }
  uint16_t u16() { return static_cast<uint16_t>(take<2>()); }
  int64_t i64() { return static_cast<int64_t>(take<8>()); }
  // A short string of the given capacity: a length byte, then `capacity` bytes. A length beyond
  // the capacity is clamped to it. Returns the raw (Shift-JIS) bytes.
  std::string shortString(std::size_t capacity) { return std::string(shortStringView(capacity)); }
  // The same bytes as a view into the record (empty past its end).
  std::string_view shortStringView(std::size_t capacity) {
    std::size_t len = u8();
    if (len > capacity) len = capacity;
    if (!ok_ || pos_ + capacity > bytes_.size()) {
      ok_ = false;
      return {};
    }
    const std::string_view s = bytes_.substr(pos_, len);
    pos_ += capacity;
    return s;
  }
  std::string raw(std::size_t n) {
    if (!ok_ || pos_ + n > bytes_.size()) {
      ok_ = false;
      return std::string(n, '\0');
    }
    std::string s(bytes_.substr(pos_, n));
    pos_ += n;
    return s;
  }
  void skip(std::size_t n) { raw(n); }

 private:
  // A field of N bytes, low byte first. A read past the end marks the reader failed (and reads
  // nothing); the record is then refused whatever the later reads give. The fixed count lets the
  // compiler make one load of the loop: a record has some 150,000 fields, and the loader (and the
  // fuzzer, many times a second) reads them all.
  template <int N>
  uint64_t take() {
    if (pos_ + N > bytes_.size()) {
      ok_ = false;
      return 0;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data()) + pos_;
    uint64_t v = 0;
    for (int i = 0; i < N; ++i) v |= uint64_t{p[i]} << (8 * i);
    pos_ += N;
    return v;
  }

  std::string_view bytes_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

class ByteWriter {
 public:
  ByteWriter() = default;
  // Appends to an emptied `buffer`, keeping its storage.
  explicit ByteWriter(std::string buffer) : bytes_(std::move(buffer)) { bytes_.clear(); }
  void u8(uint8_t v) { put(v, 1); }
  void u16(uint16_t v) { put(v, 2); }
  void i32(int32_t v) { put(static_cast<uint32_t>(v), 4); }
  void i64(int64_t v) { put(static_cast<uint64_t>(v), 8); }
  // A short string of the given capacity; `sjis` longer than the capacity is cut (callers cut at
  // character boundaries before) and the rest of the field is zero.
  void shortString(std::string_view sjis, std::size_t capacity) {
    std::size_t len = sjis.size() < capacity ? sjis.size() : capacity;
    u8(static_cast<uint8_t>(len));
    bytes_.append(sjis.substr(0, len));
    bytes_.append(capacity - len, '\0');
  }
  void raw(std::string_view s) { bytes_.append(s); }
  void zeros(std::size_t n) { bytes_.append(n, '\0'); }
  const std::string& bytes() const { return bytes_; }
  void reserve(std::size_t n) { bytes_.reserve(n); }
  // Hands the bytes over and leaves the writer empty.
  std::string take() { return std::move(bytes_); }

 private:
  void put(uint64_t v, int n) {
    char field[8];
    for (int i = 0; i < 8; ++i) field[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    bytes_.append(field, static_cast<std::size_t>(n));
  }
  std::string bytes_;
};

}  // namespace gm
