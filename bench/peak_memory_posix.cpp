#include <sys/resource.h>

#include <fstream>
#include <string>

#include "bench/peak_memory.h"

namespace bench {

// Linux carries ru_maxrss over an exec: a process started by a big parent
// (the Python driver) reports the parent's peak. VmHWM belongs to this
// program's own address space alone, so it is the figure to compare.
std::string PeakMemoryReport() {
  std::string report;
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.compare(0, 6, "VmHWM:") == 0) report += "peak_rss_kb=" + std::to_string(std::stol(line.substr(6))) + "\n";
  }
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return report + "ru_maxrss_kb=" + std::to_string(usage.ru_maxrss) + "\n";  // kilobytes on Linux
}

}  // namespace bench
