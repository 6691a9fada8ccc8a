// Stable sorting that never touches the heap (std::stable_sort may take a temporary buffer).
// Ties keep their earlier order, so the same seed gives the same game on every platform.
#pragma once

#include <array>
#include <cstddef>
#include <utility>

namespace gm {

// Insertion sort: for the short lists of the game (model slots, the five rivals' turns).
template <class It, class Less>
void insertionSortStable(It first, It last, Less less) {
  for (It i = first; i != last; ++i) {
    auto value = std::move(*i);
    It j = i;
    while (j != first && less(value, *(j - 1))) {
      *j = std::move(*(j - 1));
      --j;
    }
    *j = std::move(value);
  }
}

// Bottom-up merge sort of the first `count` items of a fixed array, merging through a scratch
// array of the same size on the stack.
template <class T, std::size_t N, class Less>
void stableSortPrefix(std::array<T, N>& items, std::size_t count, Less less) {
  if (count <= 16) {
    insertionSortStable(items.begin(), items.begin() + count, less);
    return;
  }
  std::array<T, N> scratch;
  T* from = items.data();
  T* to = scratch.data();
  for (std::size_t width = 1; width < count; width *= 2) {
    for (std::size_t lo = 0; lo < count; lo += 2 * width) {
      std::size_t mid = lo + width < count ? lo + width : count;
      std::size_t hi = lo + 2 * width < count ? lo + 2 * width : count;
      std::size_t a = lo, b = mid, out = lo;
      while (a < mid && b < hi) to[out++] = less(from[b], from[a]) ? from[b++] : from[a++];
      while (a < mid) to[out++] = from[a++];
      while (b < hi) to[out++] = from[b++];
    }
    std::swap(from, to);
  }
  if (from != items.data())
    for (std::size_t i = 0; i < count; ++i) items[i] = from[i];
}

}  // namespace gm
