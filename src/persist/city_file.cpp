// Reading and writing the city record.
#include "persist/city_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "base/rating.h"
#include "base/text.h"
#include "base/translation.h"
#include "persist/byte_io.h"

namespace gm {

bool IsCompanyOnlyKind(int kind) {
  return kind == 2 || kind == 3 || kind == 19 || kind == 20 || kind == 27 || kind == 28;
}

CityReadResult DecodeCityRecord(std::string_view bytes) {
  CityReadResult result;
  if (bytes.size() < kCityRecordSize) {
    result.error = formatText(translate("city_file", "都市ファイルが短すぎます（%1 バイト）。"),
                              {std::to_string(bytes.size())});
    return result;
  }
  ByteReader in(bytes.substr(0, kCityRecordSize));
  CityDefinition& c = result.city;
  c.name = fromShiftJis(in.shortString(32));
  c.height = in.u8();
  c.width = in.u8();
  in.skip(1);
  c.housingPolicy = in.i32();
  c.commercePolicy = in.i32();
  c.businessPolicy = in.i32();
  c.taxRate = in.u8();
  c.unionHourCut = in.u8();
  c.unionDayCut = in.u8();
  c.description = fromShiftJis(in.shortString(255));
  for (int r = 0; r < kMapSize; ++r)
    for (int col = 0; col < kMapSize; ++col) c.kinds[r][col] = in.u8();
  c.cityType = in.u8();
  c.maxPachinkoRate = in.u8();
  c.maxSlotRate = in.u8();
  in.skip(2);
  if (!in.ok()) {
    result.error = translate("city_file", "都市ファイルを読み込めません。");
    return result;
  }
  if (c.height < 1 || c.height > kMapSize || c.width < 1 || c.width > kMapSize) {
    result.error = translate("city_file", "都市ファイルの大きさが正しくありません。");
    return result;
  }
  // Blocks beyond the extents are never simulated or drawn, but they would still count in the
  // city-wide figures: they are outside the city whatever the file says.
  for (int r = 0; r < kMapSize; ++r)
    for (int col = 0; col < kMapSize; ++col)
      if (r >= c.height || col >= c.width) c.kinds[r][col] = 0;
  // Kinds outside the table would index past every kind table; the game cannot draw or simulate
  // them, so such a file is refused rather than half-loaded.
  for (auto& row : c.kinds)
    for (uint8_t& k : row) {
      if (k >= kKindCount) {
        result.error = translate("city_file", "都市ファイルに不明な区画があります。");
        return result;
      }
      // A new city has no companies yet: land, stores and car parks that only a company's
      // records can back are the citizens' vacant land.
      if (IsCompanyOnlyKind(k)) k = 1;
    }
  // The selection dialog shows these values as they are, so they are brought into the ranges the
  // world's setters keep them in (a hand-made file must not show "-242時間" or "255 ％").
  c.housingPolicy = clamp100(c.housingPolicy);
  c.commercePolicy = clamp100(c.commercePolicy);
  c.businessPolicy = clamp100(c.businessPolicy);
  c.taxRate = static_cast<int>(clampValue(c.taxRate, 5, 50));
  c.unionHourCut = static_cast<int>(clampValue(c.unionHourCut, 0, 6));
  c.unionDayCut = static_cast<int>(clampValue(c.unionDayCut, 0, 8));
  if (c.maxPachinkoRate > 6) c.maxPachinkoRate = 6;
  if (c.maxSlotRate > 3) c.maxSlotRate = 3;
  // Every type from 4 up leaves the policies alone when land develops: one value stands for them.
  if (c.cityType > 4) c.cityType = 4;
  result.ok = true;
  return result;
}

CityReadResult ReadCityFile(const std::string& path) {
  CityReadResult r;
  // A folder reads as an empty file and a pipe blocks until someone writes to it: only a
  // regular file (or a link to one) is opened at all.
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    r.error = translate("city_file", "都市ファイルが通常のファイルではありません。");
    return r;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    r.error = translate("city_file", "都市ファイルを開けません。");
    return r;
  }
  std::string bytes;
  bytes.resize(kCityRecordSize);
  file.read(bytes.data(), static_cast<std::streamsize>(kCityRecordSize));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return DecodeCityRecord(bytes);
}

std::string EncodeCityRecord(const CityDefinition& c) {
  auto name = toShiftJis(cutToShiftJisBytes(c.name, 32));
  auto description = toShiftJis(cutToShiftJisBytes(c.description, 255));
  if (!name || !description) return std::string();
  ByteWriter out;
  out.shortString(*name, 32);
  out.u8(static_cast<uint8_t>(c.height));
  out.u8(static_cast<uint8_t>(c.width));
  out.zeros(1);
  out.i32(c.housingPolicy);
  out.i32(c.commercePolicy);
  out.i32(c.businessPolicy);
  out.u8(static_cast<uint8_t>(c.taxRate));
  out.u8(static_cast<uint8_t>(c.unionHourCut));
  out.u8(static_cast<uint8_t>(c.unionDayCut));
  out.shortString(*description, 255);
  for (const auto& row : c.kinds)
    for (uint8_t k : row) out.u8(k);
  out.u8(static_cast<uint8_t>(c.cityType));
  out.u8(static_cast<uint8_t>(c.maxPachinkoRate));
  out.u8(static_cast<uint8_t>(c.maxSlotRate));
  out.zeros(2);
  return out.take();
}

std::string CitySizeClass(int cells) {
  if (cells <= 500) return translate("city_file", "村");
  if (cells <= 1000) return translate("city_file", "町");
  if (cells <= 1500) return translate("city_file", "市");
  if (cells <= 2000) return translate("city_file", "都市");
  return translate("city_file", "大都市");
}

}  // namespace gm
