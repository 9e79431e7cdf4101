// Opening a saved project for a run without the wizard (the command line):
// its settings and the folder its files are in.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/shell/project_file.h"

namespace lumeral::shell {

struct SavedProject {
  ProjectSettings settings;
  std::filesystem::path folder;  // as saved, or the project file's own folder
};

// Reads the project file; the title is required (Stop otherwise). When the
// saved project folder does not exist (the project was moved or copied
// elsewhere), the project file's own folder stands for it and a note in
// `notes` says so.
SavedProject open_saved_project(const std::filesystem::path& project_file, std::vector<std::string>& notes);

}  // namespace lumeral::shell
