#pragma once

#include <chrono>

namespace host {

// A moment on the monotonic clock.
using Date = std::chrono::steady_clock::time_point;

} // namespace host
