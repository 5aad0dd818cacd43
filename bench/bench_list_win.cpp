// A bare recursive listing with FindFirstFileA / FindNextFileA: what walking
// the tree costs by itself, for comparison with the generator's walk.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench/peak_memory.h"

namespace {

class Search {
 public:
  explicit Search(HANDLE handle) : handle_(handle) {}
  ~Search() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  Search(const Search&) = delete;
  Search& operator=(const Search&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

void Walk(const std::string& folder, unsigned long& folders, unsigned long& files) {
  WIN32_FIND_DATAA data;
  Search search(FindFirstFileA((folder + "\\*.*").c_str(), &data));
  if (search.get() == INVALID_HANDLE_VALUE) return;
  ++folders;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      ++files;
    } else if (std::strcmp(data.cFileName, ".") != 0 && std::strcmp(data.cFileName, "..") != 0) {
      Walk(folder + "\\" + data.cFileName, folders, files);
    }
  } while (FindNextFileA(search.get(), &data));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_list FOLDER\n");
    return 2;
  }
  unsigned long folders = 0;
  unsigned long files = 0;
  auto start = std::chrono::steady_clock::now();
  Walk(argv[1], folders, files);
  std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("seconds=%.6f\nfolders=%lu\nfiles=%lu\n%s", took.count(), folders, files,
              bench::PeakMemoryReport().c_str());
  return 0;
}
