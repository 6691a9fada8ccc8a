// gindamaya97-autoplay: plays a city without a window (for city makers and for testing).
#include <iostream>
#include <string>
#include <vector>

#include "autoplay.h"

int main(int argc, char* argv[]) {
  std::vector<std::string> args(argv + 1, argv + argc);
  for (const std::string& a : args)
    if (a == "--help" || a == "-h") {
      std::cout << gm::AutoplayUsage();
      return 0;
    }
  std::string error;
  auto settings = gm::ParseAutoplayArguments(args, error);
  if (!settings) {
    std::cerr << "gindamaya97-autoplay: " << error << '\n' << gm::AutoplayUsage();
    return 2;
  }
  return gm::RunAutoplay(*settings, std::cout, std::cerr);
}
