#include "core/shell/saved_project.h"

#include "core/base/encoding.h"
#include "core/base/existence.h"
#include "core/base/files.h"
#include "core/base/message.h"

namespace lumeral::shell {

SavedProject open_saved_project(const std::filesystem::path& project_file, std::vector<std::string>& notes) {
  SavedProject saved{read_project_file(project_file), {}};
  const ProjectSettings& s = saved.settings;
  if (s.title.empty()) throw Stop("O Campo Título está em branco e é um campo Obrigatório!");
  fs::path own = project_file.parent_path();
  if (own.empty()) own = ".";
  saved.folder = to_path(s.project_folder);
  if (!is_existing_folder(saved.folder)) {
    notes.push_back("A pasta do projeto \"" + to_utf8(s.project_folder) +
                    "\" não existe; usando a pasta do arquivo de projeto \"" + display_path(own) + "\".");
    saved.folder = own;
  }
  return saved;
}

}  // namespace lumeral::shell
