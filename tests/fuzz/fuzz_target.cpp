// A libFuzzer target around one entry point of fuzz_inputs.h, chosen by GM_FUZZ_INPUT when the
// target is built; a fault the entry point reports is a crash the fuzzer keeps.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "fuzz_inputs.h"

#ifndef GM_FUZZ_INPUT
#error "GM_FUZZ_INPUT names the entry point of this target"
#endif
#ifndef GM_FUZZ_TIMEOUT
#define GM_FUZZ_TIMEOUT 0
#endif

// Gives the target its own time limit per input unless the command line sets one: then an input
// that stalls the game is a finding too, as a crash is.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  if (GM_FUZZ_TIMEOUT <= 0) return 0;
  for (int i = 1; i < *argc; ++i)
    if (std::strncmp((*argv)[i], "-timeout=", 9) == 0) return 0;
  static std::vector<char*> args;
  static char limit[32];
  std::snprintf(limit, sizeof limit, "-timeout=%d", GM_FUZZ_TIMEOUT);
  args.assign(*argv, *argv + *argc);
  args.insert(args.begin() + 1, limit);
  args.push_back(nullptr);
  *argc += 1;
  *argv = args.data();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string fault =
      gm::fuzz::GM_FUZZ_INPUT(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!fault.empty()) {
    std::fprintf(stderr, "%s: %s\n", GM_FUZZ_NAME, fault.c_str());
    __builtin_trap();
  }
  return 0;
}
