#include "indexer/page_format.h"

#include "indexer/entry_kind.h"

namespace indexer {

namespace {

// "＜一つ上のフォルダ＞" in Shift-JIS, whatever the system's code page.
constexpr char kUpLinkLabel[] = "\x81\x83\x88\xEA\x82\xC2\x8F\xE3\x82\xCC\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x84";

void AppendUrlEscaped(std::string& out, const std::string& text) {
  for (char c : text) {
    switch (c) {
      case '%': out += "%25"; break;
      case '#': out += "%23"; break;
      case '?': out += "%3F"; break;
      default: out += c;
    }
  }
}

}  // namespace

// Byte by byte is safe for double-byte code pages: their second bytes start at
// 0x40, above every byte replaced here.
void AppendHtmlText(std::string& out, const std::string& text) {
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
}

void AppendLinkTarget(std::string& out, const std::string& target) {
  std::string url;
  url.reserve(target.size());
  AppendUrlEscaped(url, target);
  AppendHtmlText(out, url);
}

void AppendFolderEntry(std::string& folder_links, const std::string& name, char separator) {
  folder_links += "<A HREF=\"";
  AppendLinkTarget(folder_links, name);
  folder_links += separator;
  folder_links += kPageName;
  folder_links += "\">";
  AppendHtmlText(folder_links, name);
  folder_links += "</A>/\r\n";
}

void AppendDocumentEntry(std::string& document_links, const std::string& name) {
  document_links += "<A HREF=\"";
  AppendLinkTarget(document_links, name);
  document_links += "\">";
  AppendHtmlText(document_links, name);
  document_links += "</A><BR>\r\n";
}

void AppendImageEntry(std::string& image_links, const std::string& name) {
  image_links += "<A HREF=\"";
  AppendLinkTarget(image_links, name);
  image_links += "\"><IMG SRC=\"";
  AppendLinkTarget(image_links, name);
  image_links += "\"></A>\r\n";
}

void WritePage(platform::TextFile& page, const std::string& folder_path, const std::string& folder_links,
               const std::string& document_links, const std::string& image_links, char separator) {
  std::string shown_path;
  AppendHtmlText(shown_path, folder_path);

  page.WriteLine("<HTML><HEAD><TITLE>");
  page.WriteLine(shown_path);
  page.WriteLine("</TITLE></HEAD><BODY>");
  page.WriteLine("<FONT SIZE=6><B>" + shown_path + "</B></FONT><BR>");
  page.WriteLine("<FONT SIZE=4>");
  page.WriteLine(std::string("<A HREF=\"..") + separator + kPageName + "\">" + kUpLinkLabel + "</A>/");
  page.WriteLine(folder_links);
  page.WriteLine("<BR><BR>");
  page.Write(document_links);
  page.WriteLine(image_links);
  page.WriteLine("</FONT></BODY></HTML>");
}

}  // namespace indexer
