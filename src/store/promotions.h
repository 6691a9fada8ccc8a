// The names of the store's promotion choices that other rules speak of.
#pragma once

#include <string_view>

namespace gm {

// The TV agency of choice 0..5 ("放映しない" for 0); an index out of range gives an empty name.
std::string_view tvAgencyName(int choice);

}  // namespace gm
