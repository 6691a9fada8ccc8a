// Saved games ("営業報告書", *.PLR): the whole game state as one packed record of 664,121 bytes.
//
// Loading never half-changes a game: the file is read whole, decoded into a staging world and
// checked (every number that the game computes with, against what play can give it, and the
// records that name each other); only a record that passes is copied into the running world.
// Saving writes a temporary file beside the target and renames it over the target once it is
// complete and on the disk.
#pragma once

#include <string>
#include <string_view>

#include "persist/save_layout.h"

namespace gm {

class tworld;

inline constexpr std::size_t kSaveRecordSize = save::kRecordSize;

struct SaveResult {
  bool ok = false;
  std::string error;  // UTF-8, for the player when ok is false
};

// The record of the world, its company and its rivals. Names without a Shift-JIS form (which the
// game's inputs never let in) are written with "?" in place of the characters that have none.
std::string EncodeSaveRecord(const tworld& world);
// The same record written into `record`, whose storage is used again.
void EncodeSaveRecord(const tworld& world, std::string& record);

// Decodes the first 664,121 bytes into `world`'s saved fields (nothing else is touched) and checks
// them. On a refusal `world` may be half-written: decode into a staging world, or use
// LoadSaveRecord, which does.
SaveResult DecodeSaveRecord(std::string_view bytes, tworld& world);
// Checks a record by decoding it into a staging world; `world` stays as it was. The check reads
// nothing but the bytes, so a caller that checks many records may hand in its own `staging`
// world to decode into, whatever it holds.
SaveResult CheckSaveRecord(std::string_view bytes);
SaveResult CheckSaveRecord(std::string_view bytes, tworld& staging);
// Copies a record that CheckSaveRecord accepted into the running world.
void ApplySaveRecord(std::string_view bytes, tworld& world);
// Check, then apply: a refused record leaves `world` exactly as it was.
SaveResult LoadSaveRecord(std::string_view bytes, tworld& world);
SaveResult LoadSaveRecord(std::string_view bytes, tworld& world, tworld& staging);

// Reads the first 664,121 bytes of a file (what follows is ignored). A file that cannot be opened
// or read is refused here; a shorter one is read as it is and refused by the check.
SaveResult ReadSaveBytes(const std::string& path, std::string& bytes);
// ReadSaveBytes, then LoadSaveRecord.
SaveResult LoadSaveFile(const std::string& path, tworld& world);

// Writes `bytes` to `path` through a temporary file of its own beside it ("<path>.<unique>.tmp"),
// flushed to the disk and only then renamed over `path`; on a failure the old file is left as it
// was and the temporary file removed.
SaveResult ReplaceFile(const std::string& path, std::string_view bytes);
// The refusal of a failed save, with the reason the file layer gave.
std::string SaveFailedMessage(std::string_view reason);
// EncodeSaveRecord, then ReplaceFile.
SaveResult SaveGameFile(const std::string& path, const tworld& world);

// The questions of the two save orders, asked only while option `tellmsg` is set; true when the
// save goes ahead.
bool ConfirmSave(tworld& world);
bool ConfirmOverwriteSave(tworld& world, std::string_view fileName);

}  // namespace gm
