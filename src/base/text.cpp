// Shift-JIS conversion (through the C library's iconv) and the full-width conversion.
#include "base/text.h"

#include <iconv.h>

#include <array>
#include <cerrno>

namespace gm {
namespace {

// Runs iconv over the whole input; on an unconvertible sequence either fails or, when
// `replace` is set, writes "?" and skips one input byte.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in,
                                   bool replace) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.reserve(in.size() * 2 + 8);
  std::array<char, 256> buffer{};
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  bool ok = true;
  while (inLeft > 0) {
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer.data(), buffer.size() - outLeft);
    if (rc == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      if (!replace) {
        ok = false;
        break;
      }
      out.push_back('?');
      ++inPtr;
      --inLeft;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

bool isHalfWidthKatakanaOrPunct(char32_t cp) { return cp >= 0xFF61 && cp <= 0xFF9F; }

std::size_t shiftJisWidth(char32_t cp) {
  if (cp < 0x80 || isHalfWidthKatakanaOrPunct(cp)) return 1;
  return 2;
}

// Full-width katakana for the half-width katakana U+FF66..U+FF9D, in code point order.
constexpr char32_t kKatakana[] = {
    0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9, 0x30E3, 0x30E5, 0x30E7, 0x30C3,  // ｦｧｨｩｪｫｬｭｮｯ
    0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB, 0x30AD, 0x30AF, 0x30B1,  // ｰｱｲｳｴｵｶｷｸｹ
    0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1, 0x30C4, 0x30C6,  // ｺｻｼｽｾｿﾀﾁﾂﾃ
    0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5, 0x30D8,  // ﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍ
    0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9,  // ﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗ
    0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3,  // ﾘﾙﾚﾛﾜﾝ
};

// The voiced form of a full-width kana, or 0 when it has none.
char32_t voiced(char32_t kana) {
  if (kana == 0x30A6) return 0x30F4;                                     // ウ -> ヴ
  if ((kana >= 0x30AB && kana <= 0x30C1 && (kana - 0x30AB) % 2 == 0) ||  // カ..チ
      (kana >= 0x30C4 && kana <= 0x30C8 && (kana - 0x30C4) % 2 == 0) ||  // ツ テ ト
      (kana >= 0x30CF && kana <= 0x30DB && (kana - 0x30CF) % 3 == 0))    // ハ ヒ フ ヘ ホ
    return kana + 1;
  return 0;
}

// The semi-voiced form (ハ行 only), or 0.
char32_t semiVoiced(char32_t kana) {
  if (kana >= 0x30CF && kana <= 0x30DB && (kana - 0x30CF) % 3 == 0) return kana + 2;
  return 0;
}

}  // namespace

char32_t nextCodePoint(std::string_view s, std::size_t& pos) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  unsigned char b0 = byte(pos);
  if (b0 < 0x80) {
    ++pos;
    return b0;
  }
  int extra = (b0 >> 5) == 0x6 ? 1 : (b0 >> 4) == 0xE ? 2 : (b0 >> 3) == 0x1E ? 3 : -1;
  if (extra < 0 || pos + extra >= s.size()) {
    ++pos;
    return 0xFFFD;
  }
  char32_t cp = b0 & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    unsigned char b = byte(pos + i);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFD;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  pos += extra + 1;
  return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::optional<std::string> toShiftJis(std::string_view utf8) {
  return convert("CP932", "UTF-8", utf8, false);
}

std::string fromShiftJis(std::string_view sjis) {
  auto out = convert("UTF-8", "CP932", sjis, true);
  return out ? *out : std::string();
}

bool isShiftJisEncodable(std::string_view utf8) { return toShiftJis(utf8).has_value(); }

std::size_t shiftJisLength(std::string_view utf8) {
  std::size_t total = 0;
  for (std::size_t pos = 0; pos < utf8.size();) total += shiftJisWidth(nextCodePoint(utf8, pos));
  return total;
}

std::string cutToShiftJisBytes(std::string_view utf8, std::size_t maxBytes) {
  std::size_t total = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    std::size_t start = pos;
    std::size_t width = shiftJisWidth(nextCodePoint(utf8, pos));
    if (total + width > maxBytes) return std::string(utf8.substr(0, start));
    total += width;
  }
  return std::string(utf8);
}

Name makeName(std::string_view utf8) { return Name(cutToShiftJisBytes(utf8, kNameBytes)); }

std::string toFullWidth(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() * 3);
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = nextCodePoint(utf8, pos);
    if (cp >= 0x21 && cp <= 0x7E) {
      appendUtf8(out, cp - 0x21 + 0xFF01);
    } else if (cp == 0xFF61) {
      appendUtf8(out, 0x3002);  // ｡ -> 。
    } else if (cp == 0xFF64) {
      appendUtf8(out, 0x3001);  // ､ -> 、
    } else if (cp == 0xFF65) {
      appendUtf8(out, 0x30FB);  // ･ -> ・
    } else if (cp >= 0xFF66 && cp <= 0xFF9D) {
      char32_t kana = kKatakana[cp - 0xFF66];
      if (pos < utf8.size()) {
        std::size_t peek = pos;
        char32_t mark = nextCodePoint(utf8, peek);
        char32_t merged = mark == 0xFF9E ? voiced(kana) : mark == 0xFF9F ? semiVoiced(kana) : 0;
        if (merged != 0) {
          kana = merged;
          pos = peek;
        }
      }
      appendUtf8(out, kana);
    } else if (cp == 0xFF9E) {
      appendUtf8(out, 0x309B);  // ﾞ on its own -> ゛
    } else if (cp == 0xFF9F) {
      appendUtf8(out, 0x309C);  // ﾟ on its own -> ゜
    } else {
      appendUtf8(out, cp);
    }
  }
  return out;
}

}  // namespace gm
