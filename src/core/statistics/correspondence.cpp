#include "core/statistics/correspondence.h"

#include <Eigen/SVD>
#include <cmath>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/records/records.h"
#include "core/statistics/crosstab.h"
#include "core/statistics/specificities.h"

namespace lumeral::statistics {

namespace {

// Masses, squared distances to the centre, inertia shares and the
// coordinates' companions of one side (rows or columns), from its principal
// coordinates `f` (points x axes).
void fill_points(std::vector<CaPoint>& points, const Eigen::VectorXd& masses, const Eigen::VectorXd& distance2,
                 const Eigen::MatrixXd& f, const std::vector<double>& inertias, double total) {
  for (Eigen::Index i = 0; i < f.rows(); ++i) {
    CaPoint& p = points[static_cast<std::size_t>(i)];
    const double d2 = distance2(i);
    p.mass = masses(i);
    p.inertia = masses(i) * d2 / total;
    for (std::size_t k = 0; k < inertias.size(); ++k) {
      const double x = f(i, static_cast<Eigen::Index>(k));
      p.coordinates.push_back(x);
      p.contributions.push_back(masses(i) * x * x / inertias[k]);
      p.cos2.push_back(d2 > 0 ? x * x / d2 : 0.0);
    }
  }
}

}  // namespace

Counts without_empty_rows(const Counts& table, std::vector<Ansi>& row_names, std::vector<Ansi>& dropped) {
  Counts kept;
  kept.columns = table.columns;
  std::vector<Ansi> names;
  for (std::size_t r = 0; r < table.rows; ++r) {
    double sum = 0;
    for (std::size_t c = 0; c < table.columns; ++c) sum += table.at(r, c);
    if (sum > 0) {
      kept.cells.insert(kept.cells.end(), table.cells.begin() + static_cast<std::ptrdiff_t>(r * table.columns),
                        table.cells.begin() + static_cast<std::ptrdiff_t>((r + 1) * table.columns));
      names.push_back(row_names[r]);
      ++kept.rows;
    } else {
      dropped.push_back(row_names[r]);
    }
  }
  row_names = std::move(names);
  return kept;
}

CaResult correspondence(const Counts& table, const std::vector<Ansi>& row_names,
                        const std::vector<Ansi>& column_names) {
  const auto n_rows = static_cast<Eigen::Index>(table.rows);
  const auto n_cols = static_cast<Eigen::Index>(table.columns);
  if (table.columns < 2)
    throw Stop("A análise de correspondência precisa de ao menos duas categorias com ocorrências.");
  if (table.rows < 2)
    throw Stop("A análise de correspondência precisa de ao menos duas linhas (conceitos ou palavras) com "
               "ocorrências.");
  Eigen::MatrixXd p(n_rows, n_cols);
  for (Eigen::Index i = 0; i < n_rows; ++i)
    for (Eigen::Index j = 0; j < n_cols; ++j)
      p(i, j) = table.at(static_cast<std::size_t>(i), static_cast<std::size_t>(j));
  const double n = p.sum();
  p /= n;
  const Eigen::VectorXd r = p.rowwise().sum();
  const Eigen::VectorXd c = p.colwise().sum().transpose();
  for (Eigen::Index i = 0; i < n_rows; ++i)
    if (!(r(i) > 0))
      throw Stop("A linha \"" + to_utf8(row_names[static_cast<std::size_t>(i)]) +
                 "\" não tem nenhuma ocorrência: a análise de correspondência não a pode situar.");
  for (Eigen::Index j = 0; j < n_cols; ++j)
    if (!(c(j) > 0))
      throw Stop("A categoria \"" + to_utf8(column_names[static_cast<std::size_t>(j)]) +
                 "\" não tem nenhuma ocorrência na tabela: a análise de correspondência não a pode situar.");

  const Eigen::VectorXd r_isqrt = r.cwiseSqrt().cwiseInverse();
  const Eigen::VectorXd c_isqrt = c.cwiseSqrt().cwiseInverse();
  const Eigen::MatrixXd s = r_isqrt.asDiagonal() * (p - r * c.transpose()) * c_isqrt.asDiagonal();
  const double total = s.squaredNorm();
  CaResult out;
  out.total_inertia = total;
  out.chi_square = n * total;
  if (!(total > 1e-15))
    throw Stop("A tabela não tem inércia: todas as linhas têm o mesmo perfil nas categorias, e não há eixo a "
               "mostrar.");

  const Eigen::JacobiSVD<Eigen::MatrixXd> svd(s, Eigen::ComputeThinU | Eigen::ComputeThinV);
  const Eigen::VectorXd& sigma = svd.singularValues();
  Eigen::MatrixXd u = svd.matrixU();
  Eigen::MatrixXd v = svd.matrixV();
  std::size_t axes = 0;
  for (Eigen::Index k = 0; k < sigma.size(); ++k) {
    const double lambda = sigma(k) * sigma(k);
    if (!(lambda > 1e-12 * total)) break;  // singular values come largest first
    out.inertias.push_back(lambda);
    ++axes;
  }
  const auto a = static_cast<Eigen::Index>(axes);
  Eigen::MatrixXd f = r_isqrt.asDiagonal() * u.leftCols(a) * sigma.head(a).asDiagonal();
  Eigen::MatrixXd g = c_isqrt.asDiagonal() * v.leftCols(a) * sigma.head(a).asDiagonal();
  for (Eigen::Index k = 0; k < a; ++k) {
    Eigen::Index largest = 0;
    for (Eigen::Index i = 1; i < n_rows; ++i)
      if (std::abs(f(i, k)) > std::abs(f(largest, k)) + 1e-12) largest = i;
    if (f(largest, k) < 0) {
      f.col(k) *= -1;
      g.col(k) *= -1;
    }
  }

  // Squared chi-square distances of the profiles to the centre.
  Eigen::VectorXd row_d2(n_rows), col_d2(n_cols);
  for (Eigen::Index i = 0; i < n_rows; ++i)
    row_d2(i) = ((p.row(i).transpose() / r(i) - c).array().square() / c.array()).sum();
  for (Eigen::Index j = 0; j < n_cols; ++j)
    col_d2(j) = ((p.col(j) / c(j) - r).array().square() / r.array()).sum();

  out.rows.resize(table.rows);
  out.columns.resize(table.columns);
  for (std::size_t i = 0; i < table.rows; ++i) out.rows[i].name = row_names[i];
  for (std::size_t j = 0; j < table.columns; ++j) out.columns[j].name = column_names[j];
  fill_points(out.rows, r, row_d2, f, out.inertias, total);
  fill_points(out.columns, c, col_d2, g, out.inertias, total);
  return out;
}

namespace {

CaRun analysed(const Counts& table, std::vector<Ansi> names, const std::vector<Ansi>& categories,
               std::vector<std::string> warnings, const char* kind) {
  CaRun run;
  run.warnings = std::move(warnings);
  run.row_kind = kind;
  const Counts kept = without_empty_rows(table, names, run.dropped);
  run.result = correspondence(kept, names, categories);
  return run;
}

}  // namespace

CaRun concepts_correspondence(const std::filesystem::path& doc_list, const std::filesystem::path& context_list,
                              AnsiView variable, double min_degree, Progress& progress) {
  Crosstab c = crosstab(doc_list, context_list, variable, min_degree, progress);
  std::vector<Ansi> names;
  for (const auto& row : c.rows) names.push_back(row.concept_name);
  return analysed(crosstab_counts(c), std::move(names), c.grouping.categories, std::move(c.grouping.warnings),
                  "conceito");
}

CaRun words_correspondence(const std::filesystem::path& doc_list, AnsiView variable, std::size_t top,
                           Progress& progress, std::size_t memory_budget) {
  WordsByCategory w = words_by_category(doc_list, variable, progress, memory_budget);
  std::vector<Ansi> names;
  const Counts table = most_frequent(w, top, names);
  return analysed(table, std::move(names), w.grouping.categories, std::move(w.grouping.warnings), "palavra");
}

std::vector<Ansi> documents_of_point(const std::filesystem::path& doc_list, AnsiView variable, std::string_view kind,
                                     AnsiView name, double min_degree) {
  const Grouping g = group_documents(doc_list, variable);
  const Ansi wanted = trim(name);
  std::vector<Ansi> out;
  if (kind == "categoria") {
    for (std::size_t i = 0; i < g.documents.size(); ++i)
      if (g.categories[g.category_of[i]] == wanted) out.push_back(g.documents[i]);
    return out;
  }
  const bool concept_point = kind == "conceito";
  const FolderIndex folder(g.folder);
  for (const Ansi& document : g.documents) {
    const fs::path file = concept_point ? classification::matrix_path(g.folder, document)
                                        : folder.find(companion_name(document, Ansi("lpl")));
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
      throw Stop(concept_point ? std::string("Fazer classificação antes !")
                               : "Falta a lista de palavras de \"" + to_utf8(document) + "\" (" + display_path(file) +
                                     "): prepare os documentos antes.");
    for (const auto& r : records::read_all<records::WordRecord>(file)) {
      if (trim(r.word) != wanted) continue;
      if (r.weight > 0 && (!concept_point || r.weight >= min_degree)) out.push_back(document);
      break;
    }
  }
  return out;
}

exporting::Table inertia_table(const CaResult& ca) {
  using exporting::Cell;
  exporting::Table t;
  t.headers = {"Eixo", "Inércia principal", "%", "% acumulado"};
  double cumulated = 0;
  for (std::size_t k = 0; k < ca.inertias.size(); ++k) {
    const double share = 100.0 * ca.inertias[k] / ca.total_inertia;
    cumulated += share;
    t.rows.push_back({Cell::of_number(static_cast<double>(k + 1), 0), Cell::of_number(ca.inertias[k], 4),
                      Cell::of_number(share, 1), Cell::of_number(cumulated, 1)});
  }
  t.rows.push_back({Cell::of_text(Ansi("Total")), Cell::of_number(ca.total_inertia, 4), Cell::of_number(100, 1)});
  return t;
}

exporting::Table coordinates_table(const CaRun& run) {
  using exporting::Cell;
  const CaResult& ca = run.result;
  exporting::Table t;
  t.headers = {"Tipo", "Nome", "Massa", "Inércia (%)"};
  for (std::size_t k = 1; k <= ca.inertias.size(); ++k) {
    const std::string axis = std::to_string(k);
    t.headers.push_back("Eixo " + axis);
    t.headers.push_back("Contribuição " + axis);
    t.headers.push_back("cos2 " + axis);
  }
  auto add = [&](const std::vector<CaPoint>& points, const char* kind) {
    for (const CaPoint& p : points) {
      std::vector<Cell> row{Cell::of_text(Ansi(kind)), Cell::of_text(p.name), Cell::of_number(p.mass, 4),
                            Cell::of_number(100 * p.inertia, 1)};
      for (std::size_t k = 0; k < ca.inertias.size(); ++k) {
        row.push_back(Cell::of_number(p.coordinates[k], 4));
        row.push_back(Cell::of_number(p.contributions[k], 4));
        row.push_back(Cell::of_number(p.cos2[k], 4));
      }
      t.rows.push_back(std::move(row));
    }
  };
  add(ca.rows, run.row_kind);
  add(ca.columns, "categoria");
  return t;
}

}  // namespace lumeral::statistics
