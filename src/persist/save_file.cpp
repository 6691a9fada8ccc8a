// Loading through a staging world, the files on disk, and the save orders' questions.
#include "persist/save_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>

#include "base/translation.h"
#include "platform/durable_file.h"
#include "world/world.h"

namespace gm {

SaveResult CheckSaveRecord(std::string_view bytes) {
  auto staging = std::make_unique<tworld>();
  return CheckSaveRecord(bytes, *staging);
}

SaveResult CheckSaveRecord(std::string_view bytes, tworld& staging) {
  return DecodeSaveRecord(bytes, staging);
}

void ApplySaveRecord(std::string_view bytes, tworld& world) {
  // Decoding the checked bytes once more is the copy into the running world: it writes exactly
  // the fields that the file holds, and leaves the generator, the port, the results calculator
  // and everything else that the file does not hold as they were.
  DecodeSaveRecord(bytes, world);
}

SaveResult LoadSaveRecord(std::string_view bytes, tworld& world) {
  auto staging = std::make_unique<tworld>();
  return LoadSaveRecord(bytes, world, *staging);
}

SaveResult LoadSaveRecord(std::string_view bytes, tworld& world, tworld& staging) {
  SaveResult checked = CheckSaveRecord(bytes, staging);
  if (checked.ok) ApplySaveRecord(bytes, world);
  return checked;
}

SaveResult ReadSaveBytes(const std::string& path, std::string& bytes) {
  SaveResult result;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    const std::string reason = std::strerror(errno);  // before the catalogue is asked
    result.error = formatText(translate("save_file", "営業報告書を開けません（%1）。"), {reason});
    return result;
  }
  bytes.assign(kSaveRecordSize, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(kSaveRecordSize));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  if (file.bad()) {
    result.error = translate("save_file", "営業報告書を読み込めません。");
    return result;
  }
  result.ok = true;
  return result;
}

SaveResult LoadSaveFile(const std::string& path, tworld& world) {
  std::string bytes;
  SaveResult read = ReadSaveBytes(path, bytes);
  if (!read.ok) return read;
  return LoadSaveRecord(bytes, world);
}

SaveResult ReplaceFile(const std::string& path, std::string_view bytes) {
  SaveResult result;
  std::string reason;
  if (!platform::ReplaceFileDurably(path, bytes, reason)) {
    result.error = SaveFailedMessage(reason);
    return result;
  }
  result.ok = true;
  return result;
}

std::string SaveFailedMessage(std::string_view reason) {
  return formatText(translate("save_file",
                              "営業報告書に記録できませんでした（%1）。"
                              "記録先のファイルは変わっていません。"),
                    {reason});
}

SaveResult SaveGameFile(const std::string& path, const tworld& world) {
  return ReplaceFile(path, EncodeSaveRecord(world));
}

bool ConfirmSave(tworld& world) {
  if (!world.options().tellmsg) return true;
  return world.ui().message(
      translate("save_file", "記録"),
      translate("save_file", "経営実績を営業報告書に記録してもよろしいですか？"), false, true,
      kFaceNormal);
}

bool ConfirmOverwriteSave(tworld& world, std::string_view fileName) {
  if (!world.options().tellmsg) return true;
  return world.ui().message(
      translate("save_file", "記録"),
      formatText(translate("save_file", "経営実績を%1に上書き記録してもよろしいですか？"),
                 {fileName}),
      false, true, kFaceNormal);
}

}  // namespace gm
