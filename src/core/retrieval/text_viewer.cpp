#include "core/retrieval/text_viewer.h"

#include "core/base/message.h"
#include "core/base/text.h"

namespace lumeral::retrieval {

std::vector<Ansi> text_viewer_lines(const fs::path& folder, AnsiView name) {
  const char* missing = "Arquivo texto selecionado não existe";
  Ansi trimmed = trim(name);
  if (trimmed.empty()) throw Stop(missing);
  fs::path p;
  try {
    p = lookup(folder, trimmed);
  } catch (const Stop&) {
    throw Stop(missing);
  }
  std::error_code ec;
  if (!fs::is_regular_file(p, ec)) throw Stop(missing);
  return read_document_lines(p);
}

}  // namespace lumeral::retrieval
