// The concepts a classified document holds: the names of its matrix's
// records with a weight above zero, trimmed. Shared by the concept
// frequencies of the mining step and the concept network's document lists.
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"

namespace lumeral::classification {

// Stops with "Fazer classificação antes !" when the document's matrix (in
// `folder`, by the companion rule) is missing.
std::vector<Ansi> present_concepts(const std::filesystem::path& folder, AnsiView document);

}  // namespace lumeral::classification
