#include "core/clustering/clusters.h"

#include <string>

#include "core/base/message.h"
#include "core/base/text.h"
#include "core/records/records.h"

namespace lumeral::clustering {

Clusters form_clusters(const std::vector<Ansi>& entries, const SimilarityMatrix& m, bool by_threshold,
                       AnsiView threshold_text, const Regional& regional, Progress& progress) {
  const std::size_t n = entries.size();
  if (n == 0) throw Stop("Você deve selecionar antes uma lista de docs");
  if (!by_threshold) throw Stop("Método ainda não disponível", MessageKind::Information);
  const double t = regional.parse_threshold(threshold_text);
  check_matrix_fits(m, n);
  Clusters c;
  c.n = n;
  std::vector<bool> assigned(n, false);
  for (std::size_t i = 0; i < n; ++i) {
    progress.checkpoint();
    if (i % 256 == 0 || i + 1 == n)
      progress.status("Analisando doc " + std::to_string(i + 1) + " de " + std::to_string(n));
    if (assigned[i]) continue;
    std::vector<Ansi> cluster{trim(entries[i])};
    assigned[i] = true;
    for (std::size_t j = i + 1; j < n; ++j) {
      if (!assigned[j] && m.at(i, j) > t) {
        cluster.push_back(trim(entries[j]));
        assigned[j] = true;
      }
    }
    c.members.push_back(std::move(cluster));
    m.release_rows(i, i + 1);
  }
  progress.status("Terminou de agrupar documentos");
  return c;
}

std::vector<Ansi> cluster_lines(const Clusters& c) {
  std::vector<Ansi> lines;
  for (std::size_t k = 0; k < c.members.size(); ++k) lines.push_back(Ansi("cluster") + ansi_number(k + 1));
  return lines;
}

std::vector<Ansi> cluster_members(const Clusters& c, std::size_t index, std::size_t loaded_n) {
  if (c.members.empty()) throw Stop("Agrupe os documentos antes.");
  if (loaded_n != c.n) {
    throw Stop("Os clusters foram formados para uma lista de " + std::to_string(c.n) +
               " docs, mas a lista carregada tem " + std::to_string(loaded_n) +
               ". Agrupe os documentos novamente.");
  }
  if (index >= c.members.size()) throw Stop("Selecione antes um cluster.");
  std::vector<Ansi> out;
  for (const auto& name : c.members[index]) {
    Ansi t = trim(name);
    if (!t.empty()) out.push_back(std::move(t));
  }
  return out;
}

Ansi text_name_for_list(AnsiView shown) {
  Ansi name = companion_base(shown);
  name += (!name.empty() && name.back() == '.') ? Ansi("txt") : Ansi(".txt");
  return name;
}

void save_cluster_as_list(const fs::path& p, const std::vector<Ansi>& member_lines) {
  records::Writer<records::DocRecord> out(p);
  for (const auto& line : member_lines) {
    out.write({text_name_for_list(line), 0.0});
  }
  out.close();
}

}  // namespace lumeral::clustering
