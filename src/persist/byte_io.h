// Bounds-checked little-endian byte reader and writer for the game's packed file records.
// Every field is read and written one by one; a record is never copied as a memory image.
#pragma once

#include <algorithm>
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
  // Writes into `buffer`'s storage, whatever it held.
  explicit ByteWriter(std::string buffer) : bytes_(std::move(buffer)) {}

  void u8(uint8_t v) { put<1>(v); }
  void u16(uint16_t v) { put<2>(v); }
  void i32(int32_t v) { put<4>(static_cast<uint32_t>(v)); }
  void i64(int64_t v) { put<8>(static_cast<uint64_t>(v)); }
  // A short string of the given capacity; `sjis` longer than the capacity is cut (callers cut at
  // character boundaries before) and the rest of the field is zero.
  void shortString(std::string_view sjis, std::size_t capacity) {
    std::size_t len = sjis.size() < capacity ? sjis.size() : capacity;
    u8(static_cast<uint8_t>(len));
    raw(sjis.substr(0, len));
    zeros(capacity - len);
  }
  void raw(std::string_view s) { std::memcpy(room(s.size()), s.data(), s.size()); }
  void zeros(std::size_t n) { std::memset(room(n), 0, n); }
  std::size_t size() const { return used_; }
  void reserve(std::size_t n) {
    if (bytes_.size() < n) bytes_.resize(n);
  }
  // Hands the bytes over and leaves the writer empty.
  std::string take() {
    bytes_.resize(used_);
    used_ = 0;
    return std::move(bytes_);
  }

 private:
  // The next n bytes of the record, the storage grown when it is short. The fields are written
  // into storage made ready once rather than appended one by one: a record has some 150,000.
  char* room(std::size_t n) {
    if (bytes_.size() < used_ + n) bytes_.resize(std::max(bytes_.size() * 2, used_ + n));
    char* at = bytes_.data() + used_;
    used_ += n;
    return at;
  }
  template <int N>
  void put(uint64_t v) {
    char* at = room(N);
    for (int i = 0; i < N; ++i) at[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  }

  std::string bytes_;  // storage; the record is its first used_ bytes
  std::size_t used_ = 0;
};

}  // namespace gm
