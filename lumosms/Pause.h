// A pause of the worker that ends early when its stop is requested.
#pragma once

#include <chrono>
#include <stop_token>

namespace lumosms {

/// Waits for the duration or until stop is requested; true when the whole pause passed without a stop.
bool pauseFor(std::chrono::milliseconds duration, std::stop_token stop);

} // namespace lumosms
