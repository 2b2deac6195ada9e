#pragma once

#include <cstdint>

// Heap allocations made by the whole process since it started, from every thread: the program
// that links AllocationCounter.cpp has malloc and its relatives counted on their way to libc.
std::uint64_t allocationsSoFar();
