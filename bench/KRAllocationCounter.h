// Counts the bytes the program holds on the heap, for the model-memory benchmark: the global
// operator new and delete of the benchmark program are replaced to keep the count.
#pragma once

#include <cstddef>

namespace korvan::bench {

std::size_t HeapBytes();
std::size_t PeakHeapBytes();
//! Starts a new peak at what is held now.
void ResetPeakHeapBytes();

} // namespace korvan::bench
