// Text in the game: UTF-8 in memory, Shift-JIS (code page 932) in files. Names are limited to
// 48 Shift-JIS bytes and a limit never cuts a character in half.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/fixed_string.h"

namespace gm {

inline constexpr std::size_t kNameBytes = 48;

// UTF-8 -> Shift-JIS; nullopt when some character has no Shift-JIS form.
std::optional<std::string> toShiftJis(std::string_view utf8);
// Shift-JIS -> UTF-8; bytes that are not valid Shift-JIS become "?".
std::string fromShiftJis(std::string_view sjis);
// True when every character of the UTF-8 text has a Shift-JIS form.
bool isShiftJisEncodable(std::string_view utf8);
// Length in Shift-JIS bytes (ASCII and half-width katakana 1, everything else 2).
std::size_t shiftJisLength(std::string_view utf8);
// The longest leading part of the text whose Shift-JIS form fits in maxBytes, cut between
// characters.
std::string cutToShiftJisBytes(std::string_view utf8, std::size_t maxBytes);
// A name: the text cut to 48 Shift-JIS bytes.
Name makeName(std::string_view utf8);

// Half-width forms to full-width forms, character by character: ASCII letters, digits and the
// 32 punctuation characters, half-width katakana (a following voiced or semi-voiced mark merged
// when the combined kana exists) and the half-width comma, full stop and middle dot. Everything
// else, spaces included, is copied unchanged.
std::string toFullWidth(std::string_view utf8);

// Decodes one UTF-8 code point at `pos` and advances `pos`; malformed bytes yield U+FFFD.
char32_t nextCodePoint(std::string_view utf8, std::size_t& pos);
// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, char32_t cp);

}  // namespace gm
