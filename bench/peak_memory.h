// The process's peak memory so far, as the system counts it.
#pragma once

#include <string>

namespace bench {

// "name=kilobytes" lines for the figures the system keeps.
std::string PeakMemoryReport();

}  // namespace bench
