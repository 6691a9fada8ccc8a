// A libFuzzer target around one entry point of fuzz_inputs.h, chosen by GM_FUZZ_INPUT when the
// target is built; a fault the entry point reports is a crash the fuzzer keeps.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_inputs.h"

#ifndef GM_FUZZ_INPUT
#error "GM_FUZZ_INPUT names the entry point of this target"
#endif
#ifndef GM_FUZZ_DEFAULTS
#define GM_FUZZ_DEFAULTS ""
#endif

// Adds the target's own flags (GM_FUZZ_DEFAULTS, "-name=value" separated by spaces) to those of
// the command line, which win: the played target's time limit per input, so that a game that
// stalls is a finding as a crash is, and for the saved games' targets no rereading of a corpus
// of hundreds of megabytes every few seconds, which only parallel jobs sharing it need.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static std::vector<std::string> flags;
  static std::vector<char*> args;
  args.assign(*argv, *argv + *argc);
  std::istringstream defaults(GM_FUZZ_DEFAULTS);
  for (std::string flag; defaults >> flag;) {
    const std::string name = flag.substr(0, flag.find('=') + 1);
    bool given = false;
    for (int i = 1; i < *argc; ++i)
      given = given || std::strncmp((*argv)[i], name.c_str(), name.size()) == 0;
    if (!given) flags.push_back(flag);
  }
  for (std::string& flag : flags) args.insert(args.begin() + 1, flag.data());
  *argc = static_cast<int>(args.size());
  args.push_back(nullptr);
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
