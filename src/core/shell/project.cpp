#include "core/shell/project.h"

#include "core/base/files.h"
#include "core/shell/project_file.h"
#include "core/shell/status_file.h"

namespace lumeral::shell {

OntologyKind ontology_kind_of(AnsiView stored) {
  if (stored == kind_probabilistic()) return OntologyKind::Probabilistic;
  if (stored == kind_deterministic()) return OntologyKind::Deterministic;
  return OntologyKind::None;
}

Ansi stored_text(OntologyKind kind) {
  switch (kind) {
    case OntologyKind::Probabilistic: return kind_probabilistic();
    case OntologyKind::Deterministic: return kind_deterministic();
    case OntologyKind::None: break;
  }
  return Ansi();
}

std::filesystem::path Project::file(AnsiView name) const { return folder / to_path(name); }
std::filesystem::path Project::doc_list() const { return file(title + Ansi(".ldc")); }
std::filesystem::path Project::context_list() const { return file(title + Ansi(".lct")); }
std::filesystem::path Project::project_file() const { return file(project_file_name(title)); }
std::filesystem::path Project::status_file() const { return folder / status_file_name(); }

}  // namespace lumeral::shell
