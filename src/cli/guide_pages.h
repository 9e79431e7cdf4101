// The page of the user guide that tells about each command: every
// command's help ends with a line naming it.
#pragma once

#include <string>
#include <vector>

namespace lumeral::cli {

struct CommandGuidePage {
  const char* command;  // "classify", "chart frequencies"
  const char* page;     // relative to the guide's folder, with its section
};

// Every command, in one table.
const std::vector<CommandGuidePage>& command_guide_pages();

// "Guia: <installed guide>/janelas/matriz.md#na-linha-de-comando" for the
// command `path` ("classify", "chart frequencies"); empty when the table
// has no page for it.
std::string guide_line(const std::string& path);

}  // namespace lumeral::cli
