// A project as the analyses see it: its folder and its title, and the files
// that are named from them (document list, context list, project file,
// status file). Functions that behave differently while a
// wizard project is open take `std::optional<Project>`: empty when no wizard
// is open, so a folder never travels without the flag that gives it meaning.
#pragma once

#include <filesystem>
#include <optional>

#include "core/base/ansi.h"

namespace lumeral::shell {

// How the ontology of a project classifies: "Probabilístico" (weighted
// words over the whole text) or "Determinístico" (rules per sentence).
// `None` while the ontology step has not chosen one.
enum class OntologyKind { None, Probabilistic, Deterministic };

// The kind from its stored text (kind_probabilistic(), kind_deterministic(),
// anything else is None) and back (None gives an empty text).
OntologyKind ontology_kind_of(AnsiView stored);
Ansi stored_text(OntologyKind kind);

struct Project {
  std::filesystem::path folder;  // where the texts and every project file lie
  Ansi title;                    // names the project's own files

  std::filesystem::path doc_list() const;      // title + ".ldc"
  std::filesystem::path context_list() const;  // title + ".lct"
  std::filesystem::path project_file() const;  // title + ".ini"
  std::filesystem::path status_file() const;   // "resultados_n4.wiz"
  // A file of the project folder named by stored text.
  std::filesystem::path file(AnsiView name) const;
};

}  // namespace lumeral::shell
