// Times the index generator over one tree, in this process, so the start of
// the process (a whole Wine start under Wine) stays out of the figure.
//   bench_index make FOLDER     one run of the generator
//   bench_index walk FOLDER     the generator's listing and sorting of the
//                               entries alone, no page written
//   bench_index refill FOLDER   empties and refills every page already in the
//                               tree with its own bytes, with the generator's
//                               own file calls: what rewriting costs by itself
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/peak_memory.h"
#include "indexer/entry_kind.h"
#include "indexer/make_index_page.h"
#include "platform/ansi_text.h"
#include "platform/folder_search.h"
#include "platform/in_out_error.h"
#include "platform/raw_file.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void FindPages(const std::string& folder, std::vector<std::string>& pages) {
  std::vector<platform::FolderEntry> entries;
  platform::ListFolder(folder, entries);
  for (const platform::FolderEntry& entry : entries) {
    const std::string path = folder + platform::kPathSeparator + entry.name;
    if (entry.is_directory) {
      if (entry.name != "." && entry.name != "..") FindPages(path, pages);
    } else if (entry.name == indexer::kPageName) {
      pages.push_back(path);
    }
  }
}

void Walk(const std::string& folder, unsigned long& listed) {
  std::vector<platform::FolderEntry> entries;
  platform::ListFolder(folder, entries);
  for (const platform::FolderEntry& entry : entries) {
    if (entry.is_directory) {
      if (entry.name != "." && entry.name != "..") Walk(folder + platform::kPathSeparator + entry.name, listed);
    } else if (indexer::ClassifyFile(entry.name, platform::UpperAnsi) != indexer::FileKind::kOther) {
      ++listed;
    }
  }
}

int WalkOnly(const std::string& folder) {
  unsigned long listed = 0;
  auto start = Clock::now();
  Walk(folder, listed);
  double seconds = SecondsSince(start);
  std::printf("seconds=%.6f\nlisted=%lu\n", seconds, listed);
  return 0;
}

int Make(const std::string& folder) {
  auto start = Clock::now();
  bool wrote = indexer::MakeIndexPage(folder);
  double seconds = SecondsSince(start);
  std::printf("seconds=%.6f\ntop_page=%d\n%s", seconds, wrote ? 1 : 0, bench::PeakMemoryReport().c_str());
  return 0;
}

int Refill(const std::string& folder) {
  std::vector<std::string> pages;
  FindPages(folder, pages);
  std::vector<std::string> contents;
  contents.reserve(pages.size());
  for (const std::string& page : pages) {
    std::ifstream in(page, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    contents.push_back(bytes.str());
  }
  auto start = Clock::now();
  for (std::size_t i = 0; i < pages.size(); ++i) {
    unsigned long error = 0;
    std::unique_ptr<platform::RawFile> file = platform::CreateRawFile(pages[i], error);
    if (!file) throw platform::EInOutError(error);
    if ((error = file->Write(contents[i].data(), contents[i].size())) != 0) throw platform::EInOutError(error);
    if ((error = file->Close()) != 0) throw platform::EInOutError(error);
  }
  double seconds = SecondsSince(start);
  std::printf("seconds=%.6f\npages=%zu\n", seconds, pages.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc == 3 ? argv[1] : "";
  if (mode != "make" && mode != "walk" && mode != "refill") {
    std::fprintf(stderr, "usage: bench_index make|walk|refill FOLDER\n");
    return 2;
  }
  try {
    if (mode == "make") return Make(argv[2]);
    return mode == "walk" ? WalkOnly(argv[2]) : Refill(argv[2]);
  } catch (const platform::Exception& error) {
    std::fprintf(stderr, "bench_index: %s\n", error.Message().c_str());
    return 1;
  }
}
