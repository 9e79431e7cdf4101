#include "core/classification/present_concepts.h"

#include "core/base/message.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/records/records.h"

namespace lumeral::classification {

std::vector<Ansi> present_concepts(const std::filesystem::path& folder, AnsiView document) {
  std::filesystem::path m = matrix_path(folder, document);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(m, ec)) throw Stop("Fazer classificação antes !");
  std::vector<Ansi> names;
  for (auto& r : records::read_all<records::WordRecord>(m))
    if (r.weight > 0) names.push_back(trim(r.word));
  return names;
}

}  // namespace lumeral::classification
