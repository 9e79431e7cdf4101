// Quiet existence checks for the paths a run is given.
#pragma once

#include <filesystem>

namespace lumeral {

// Whether `p` names an existing regular file / folder; an error while
// looking (no permission, a broken link) counts as "no". An empty path is
// never a folder (it would otherwise stand for the current one).
bool is_existing_file(const std::filesystem::path& p);
bool is_existing_folder(const std::filesystem::path& p);

}  // namespace lumeral
