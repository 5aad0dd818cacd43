// Writes the index pages of one folder tree with the real generator, so the
// browser check looks at exactly what the program writes.
#include <cstdio>

#include "indexer/make_index_page.h"
#include "platform/in_out_error.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_pages FOLDER\n");
    return 2;
  }
  try {
    bool wrote = indexer::MakeIndexPage(argv[1]);
    std::printf("top page written: %s\n", wrote ? "yes" : "no");
    return wrote ? 0 : 1;
  } catch (const platform::Exception& error) {
    std::fprintf(stderr, "make_pages: %s\n", error.Message().c_str());
    return 3;
  }
}
