// Bytes allocated through operator new in this process: the live total and
// its high-water mark, for measuring what a data structure holds at its peak.
#pragma once

#include <cstddef>

namespace inkbench {

std::size_t LiveBytes();
std::size_t PeakBytes();
// Starts a new high-water mark at the live total.
void ResetPeak();

}  // namespace inkbench
