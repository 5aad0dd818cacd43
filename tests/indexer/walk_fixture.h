// Shared by the walk tests: the separator of the build's paths and links,
// the frame every page has, and the walk run in the order Windows lists.
#pragma once

#include <string>

#include "indexer/make_index_page.h"

#ifdef _WIN32
#define SEP "\\"
#else
#define SEP "/"
#endif

namespace walk_fixture {

// "＜一つ上のフォルダ＞" in Shift-JIS.
inline const std::string kUpLabel = "\x81\x83\x88\xEA\x82\xC2\x8F\xE3\x82\xCC\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x84";

// The ten pieces around a folder's own texts; every page has them.
inline std::string Page(const std::string& title, const std::string& folder_links, const std::string& file_links) {
  return "<HTML><HEAD><TITLE>\r\n" + title + "\r\n</TITLE></HEAD><BODY>\r\n<FONT SIZE=6><B>" + title +
         "</B></FONT><BR>\r\n<FONT SIZE=4>\r\n<A HREF=\".." SEP "RevavE.html\">" + kUpLabel + "</A>/\r\n" +
         folder_links + "\r\n<BR><BR>\r\n" + file_links + "\r\n</FONT></BODY></HTML>\r\n";
}

// Windows (and Wine) report a folder's entries sorted without letter case;
// natively the order is the file system's own, so the native run sorts the
// listing the same way before the walk sees it.
class WindowsOrderFileSystem : public indexer::IndexFileSystem {
 public:
  void ListFolder(const std::string& folder, std::vector<platform::FolderEntry>& entries) override;
};

// The walk as the program runs it: the system's own file system on Windows.
bool Walk(const std::string& path);

}  // namespace walk_fixture
