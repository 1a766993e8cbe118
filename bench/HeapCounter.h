// Heap use of the whole process, counted by wrapping malloc and free: the peak a benchmarked operation
// reaches above the bytes in use when it starts.
#pragma once

#include <cstdint>

namespace heap {

// Bytes in use now; also starts a new peak from this level.
std::int64_t startPeak();
// The highest use since `startPeak`, in bytes.
std::int64_t peak();

} // namespace heap
