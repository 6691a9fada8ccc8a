// The saved game's byte layout ("営業報告書", *.PLR): one packed little-endian record of 664,121
// bytes with no header, made of a world part, a company part and a rivals part. The sizes below
// are those of the file; the compiler checks that they add up to the parts and the whole.
#pragma once

#include <cstddef>

#include "company/company.h"
#include "company/rivals.h"
#include "store/history.h"
#include "store/machine.h"
#include "store/model_name_pools.h"
#include "store/store.h"
#include "world/block.h"

namespace gm::save {

inline constexpr std::size_t kNameField = 49;  // length byte + 48 bytes of Shift-JIS

// Records.
inline constexpr std::size_t kWorldRecord = 94;
inline constexpr std::size_t kBlockRecord = 46;
inline constexpr std::size_t kMakerHeader = 12;
inline constexpr std::size_t kModelRecord = 82;
inline constexpr std::size_t kModelsPerMaker = 5;
inline constexpr std::size_t kMakerRecord = kMakerHeader + kModelsPerMaker * kModelRecord;
inline constexpr std::size_t kNameMarksRecord =
    std::size_t{kMakerCount} * kMachineTypeCount * kNamePoolCapacity;
inline constexpr std::size_t kCompanyRecord = 7674;
inline constexpr std::size_t kStoreForm = 464;
inline constexpr std::size_t kMachineRecord = 125;
inline constexpr std::size_t kPromotionRecord = 8;
inline constexpr std::size_t kHistoryRecord = std::size_t{kHistorySeries} * kHistoryMonths * 8;
inline constexpr std::size_t kStoreRecord =
    kStoreForm + std::size_t{kFloors} * kIslandsPerFloor * kMachineRecord + kPromotionRecord +
    kHistoryRecord;
inline constexpr std::size_t kRivalsRecord = 67;
inline constexpr std::size_t kRivalStoreRecord = 74;

// Parts.
inline constexpr std::size_t kBlocks = std::size_t{kMapSize} * kMapSize;
inline constexpr std::size_t kWorldPart =
    kWorldRecord + kBlocks * kBlockRecord + kMakerCount * kMakerRecord + kNameMarksRecord;
inline constexpr std::size_t kCompanyPart = kCompanyRecord + kStoreSlots * kStoreRecord +
                                            kWarehouseRecords * kMachineRecord + kHistoryRecord;
inline constexpr std::size_t kRivalsPart = kRivalsRecord + kRivalStoreSlots * kRivalStoreRecord;

inline constexpr std::size_t kWorldPartOffset = 0;
inline constexpr std::size_t kCompanyPartOffset = kWorldPartOffset + kWorldPart;
inline constexpr std::size_t kRivalsPartOffset = kCompanyPartOffset + kCompanyPart;
inline constexpr std::size_t kRecordSize = kRivalsPartOffset + kRivalsPart;

static_assert(kMakerRecord == 422);
static_assert(kNameMarksRecord == 3300);
static_assert(kHistoryRecord == 1344);
static_assert(kStoreRecord == 8066);
static_assert(kWorldPart == 123036);
static_assert(kCompanyPart == 537318);
static_assert(kRivalsPart == 3767);
static_assert(kRecordSize == 664121);

// Records inside their part, for the encoder's own checks.
inline constexpr std::size_t kBlocksOffset = kWorldRecord;
inline constexpr std::size_t kMakersOffset = kBlocksOffset + kBlocks * kBlockRecord;
inline constexpr std::size_t kNameMarksOffset = kMakersOffset + kMakerCount * kMakerRecord;
inline constexpr std::size_t kStoresOffset = kCompanyRecord;
inline constexpr std::size_t kWarehouseOffset = kStoresOffset + kStoreSlots * kStoreRecord;
inline constexpr std::size_t kCompanyHistoryOffset =
    kWarehouseOffset + kWarehouseRecords * kMachineRecord;
static_assert(kMakersOffset == 115094 && kNameMarksOffset == 119736);
static_assert(kWarehouseOffset == 410974 && kCompanyHistoryOffset == 535974);

}  // namespace gm::save
