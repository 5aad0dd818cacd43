// The walk over a listing it does not control: entries keep the order the
// search reports, each folder is listed once, pages go out bottom-up.
#include <gtest/gtest.h>

#include <map>

#include "indexer/make_index_page.h"
#include "tests/indexer/walk_fixture.h"

namespace {

class ScriptedFileSystem : public indexer::IndexFileSystem {
 public:
  std::map<std::string, std::vector<platform::FolderEntry>> folders;
  std::map<std::string, int> listings;
  std::vector<std::string> pages_in_order;
  std::map<std::string, std::string> pages;

  void ListFolder(const std::string& folder, std::vector<platform::FolderEntry>& entries) override {
    ++listings[folder];
    auto found = folders.find(folder);
    entries = found == folders.end() ? std::vector<platform::FolderEntry>() : found->second;
  }

  std::unique_ptr<platform::RawFile> CreatePage(const std::string& path, unsigned long& error) override {
    error = 0;
    pages_in_order.push_back(path);
    pages[path].clear();
    return std::make_unique<MemoryFile>(pages[path]);
  }

 private:
  class MemoryFile : public platform::RawFile {
   public:
    explicit MemoryFile(std::string& bytes) : bytes_(bytes) {}
    unsigned long Write(const char* data, std::size_t size) override {
      bytes_.append(data, size);
      return 0;
    }
    unsigned long Close() override { return 0; }

   private:
    std::string& bytes_;
  };
};

TEST(SearchOrder, EntriesKeepTheSearchOrderAndEachFolderIsListedOnce) {
  ScriptedFileSystem fs;
  fs.folders["T"] = {{"z.png", false}, {".", true},     {"zeta", true},  {"b.htm", false}, {"..", true},
                     {"a.gif", false}, {"alpha", true}, {"m.html", false}, {"empty", true}};
  fs.folders["T" SEP "zeta"] = {{"1.jpg", false}};
  fs.folders["T" SEP "alpha"] = {{"2.jpg", false}};
  fs.folders["T" SEP "empty"] = {{".", true}, {"..", true}, {"note.txt", false}};

  EXPECT_TRUE(indexer::MakeIndexPage("T", fs));

  EXPECT_EQ(fs.pages["T" SEP "RevavE.html"],
            walk_fixture::Page("T",
                               "<A HREF=\"zeta" SEP "RevavE.html\">zeta</A>/\r\n"
                               "<A HREF=\"alpha" SEP "RevavE.html\">alpha</A>/\r\n",
                               "<A HREF=\"b.htm\">b.htm</A><BR>\r\n"
                               "<A HREF=\"m.html\">m.html</A><BR>\r\n"
                               "<A HREF=\"z.png\"><IMG SRC=\"z.png\"></A>\r\n"
                               "<A HREF=\"a.gif\"><IMG SRC=\"a.gif\"></A>\r\n"));
  EXPECT_EQ(fs.pages_in_order,
            (std::vector<std::string>{"T" SEP "zeta" SEP "RevavE.html", "T" SEP "alpha" SEP "RevavE.html",
                                      "T" SEP "RevavE.html"}));
  for (const auto& [folder, count] : fs.listings) EXPECT_EQ(count, 1) << folder;
  EXPECT_EQ(fs.listings.size(), 4u);
  EXPECT_EQ(fs.listings.count("T" SEP "."), 0u);
}

TEST(SearchOrder, DeepChainIsWalkedWithoutTrouble) {
  ScriptedFileSystem fs;
  std::string path = "R";
  for (int level = 0; level < 300; ++level) {
    fs.folders[path] = {{"d", true}};
    path += SEP "d";
  }
  fs.folders[path] = {{"leaf.jpg", false}};

  EXPECT_TRUE(indexer::MakeIndexPage("R", fs));
  EXPECT_EQ(fs.pages.size(), 301u);
  EXPECT_EQ(fs.pages_in_order.back(), "R" SEP "RevavE.html");
}

}  // namespace
