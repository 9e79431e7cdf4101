// The text viewer ("Arquivo Texto"): the lines of a document that a list
// window names, or the message that it does not exist.
#pragma once

#include <vector>

#include "core/base/ansi.h"
#include "core/base/files.h"

namespace lumeral::retrieval {

// The lines of the file `name` (trimmed) of `folder`, found whatever the
// letter case of its name; "Arquivo texto selecionado não existe" when
// there is no such file.
std::vector<Ansi> text_viewer_lines(const fs::path& folder, AnsiView name);

}  // namespace lumeral::retrieval
