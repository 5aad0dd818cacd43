#include <windows.h>
#include <psapi.h>

#include "bench/peak_memory.h"

namespace bench {

std::string PeakMemoryReport() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return "peak_error=1\n";
  return "peak_working_set_kb=" + std::to_string(counters.PeakWorkingSetSize / 1024) + "\n" +
         "peak_pagefile_kb=" + std::to_string(counters.PeakPagefileUsage / 1024) + "\n";
}

}  // namespace bench
