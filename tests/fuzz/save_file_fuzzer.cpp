// libFuzzer target: the save-file reader.
#include <cstdint>
#include <cstdio>

#include "fuzz_inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string fault =
      gm::fuzz::SaveFileInput(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!fault.empty()) {
    std::fprintf(stderr, "save file: %s\n", fault.c_str());
    __builtin_trap();
  }
  return 0;
}
