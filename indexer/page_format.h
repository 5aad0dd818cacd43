// The index page: its ten pieces and the three kinds of entry.
#pragma once

#include <string>

#include "platform/text_file.h"

namespace indexer {

// Text shown on the page: "&", "<", ">" and the double quote become entities,
// so no file name can add markup. Everything else stays as it is.
void AppendHtmlText(std::string& out, const std::string& text);

// A link target: "%", "#" and "?" are percent-encoded first, so the link
// opens the file of that name; then as AppendHtmlText.
void AppendLinkTarget(std::string& out, const std::string& target);

// Each entry ends with CR LF. `separator` is the separator of link targets.
void AppendFolderEntry(std::string& folder_links, const std::string& name, char separator);
void AppendDocumentEntry(std::string& document_links, const std::string& name);
void AppendImageEntry(std::string& image_links, const std::string& name);

// Writes the ten pieces, each followed by CR LF. The file-links text is the
// document entries followed by the image entries.
void WritePage(platform::TextFile& page, const std::string& folder_path, const std::string& folder_links,
               const std::string& document_links, const std::string& image_links, char separator);

}  // namespace indexer
