#include "core/variables/variables_file.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"
#include "core/preparation/office_text.h"
#include "core/records/document_list.h"

namespace lumeral::variables {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);
constexpr std::size_t kNamesShown = 5;

// Names found as the core finds a file: the exact name, else the one name
// that differs from it only in letter case (A-Z).
class NameIndex {
 public:
  explicit NameIndex(const std::vector<Ansi>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      exact_.emplace(names[i], i);
      auto [at, fresh] = folded_.emplace(lower_az(names[i]), i);
      if (!fresh) at->second = kNone;
    }
  }
  std::size_t find(const Ansi& name) const {
    if (auto at = exact_.find(name); at != exact_.end()) return at->second;
    auto at = folded_.find(lower_az(name));
    return at == folded_.end() ? kNone : at->second;
  }

 private:
  std::unordered_map<Ansi, std::size_t> exact_;
  std::unordered_map<Ansi, std::size_t> folded_;  // kNone when several names fold alike
};

std::string shown_names(const std::vector<Ansi>& names) {
  std::string out;
  for (std::size_t i = 0; i < names.size() && i < kNamesShown; ++i)
    out += (i ? ", " : "") + printable(to_utf8(names[i]));
  if (names.size() > kNamesShown) out += " e mais " + std::to_string(names.size() - kNamesShown);
  return out;
}

std::string shown_name(AnsiView name) { return "\"" + printable(to_utf8(name)) + "\""; }

// For every list document, the file row that names it (kNone without one);
// `used` marks the rows some document took.
std::vector<std::size_t> rows_of(const Variables& v, const std::vector<Ansi>& list_documents,
                                 std::vector<bool>& used) {
  const NameIndex rows(v.documents);
  std::vector<std::size_t> row_of(list_documents.size(), kNone);
  used.assign(v.documents.size(), false);
  for (std::size_t d = 0; d < list_documents.size(); ++d) {
    row_of[d] = rows.find(trim(list_documents[d]));
    if (row_of[d] != kNone) used[row_of[d]] = true;
  }
  return row_of;
}

std::string missing_warning(const std::vector<Ansi>& missing) {
  if (missing.empty()) return {};
  const bool one = missing.size() == 1;
  return std::to_string(missing.size()) + (one ? " documento da lista não tem" : " documentos da lista não têm") +
         " linha no arquivo de variáveis e " + (one ? "fica" : "ficam") + " com o valor \"" + kNoValue +
         "\": " + shown_names(missing) + ".";
}

std::string unknown_warning(const std::vector<Ansi>& unknown) {
  if (unknown.empty()) return {};
  const bool one = unknown.size() == 1;
  return std::to_string(unknown.size()) +
         (one ? " linha do arquivo de variáveis nomeia um documento que não está na lista e não conta: "
              : " linhas do arquivo de variáveis nomeiam documentos que não estão na lista e não contam: ") +
         shown_names(unknown) + ".";
}

std::string empty_warning(AnsiView variable, std::size_t empty) {
  if (empty == 0) return {};
  const bool one = empty == 1;
  return "A variável " + shown_name(variable) + " está vazia em " + std::to_string(empty) +
         (one ? " documento, que fica" : " documentos, que ficam") + " com o valor \"" + kNoValue + "\".";
}

void add(std::vector<std::string>& lines, std::string line) {
  if (!line.empty()) lines.push_back(std::move(line));
}

// A cell of the file: quoted when it holds a separator, a quote or a line
// break (RFC 4180), so the reader finds ";" in the header as the separator.
void append_cell(std::string& out, AnsiView cell) {
  const std::string text = to_utf8(cell);
  if (text.find_first_of(";,\t\"\r\n") == std::string::npos) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

Ansi stored_value(const std::string& utf8) { return trim(preparation::to_stored_lines({utf8}).lines.front()); }

Variables read_variables_table(const fs::path& file, const TableOptions& options) {
  Variables v;
  bool header = false;
  std::unordered_map<Ansi, std::size_t> line_of;  // document -> its row's line
  std::unordered_set<Ansi> folded_names;
  read_table(file, options, [&](TableRow& row) {
    if (!header) {
      header = true;
      for (std::size_t c = 1; c < row.cells.size(); ++c) {
        Ansi name = stored_value(row.cells[c]);
        if (name.empty())
          throw Stop("A coluna " + std::to_string(c + 1) + " do cabeçalho de " + message_name(file) +
                     " não tem o nome da variável.");
        if (!folded_names.insert(lower_az(name)).second)
          throw Stop("A variável " + shown_name(name) + " aparece duas vezes no cabeçalho de " + message_name(file) +
                     ".");
        v.names.push_back(std::move(name));
      }
      return;
    }
    const std::string where = "A linha " + std::to_string(row.number) + " de " + message_name(file);
    if (row.cells.size() > v.names.size() + 1)
      throw Stop(where + " tem mais valores (" + std::to_string(row.cells.size() - 1) + ") que variáveis no cabeçalho (" +
                 std::to_string(v.names.size()) + ").");
    Ansi document = stored_value(row.cells[0]);
    if (document.empty()) throw Stop(where + " tem valores mas não diz de que documento são.");
    auto [at, fresh] = line_of.emplace(document, row.number);
    if (!fresh)
      throw Stop("O documento " + shown_name(document) + " aparece duas vezes em " + message_name(file) + " (linhas " +
                 std::to_string(at->second) + " e " + std::to_string(row.number) + ").");
    std::vector<Ansi> values(v.names.size());
    for (std::size_t c = 1; c < row.cells.size(); ++c) values[c - 1] = stored_value(row.cells[c]);
    v.documents.push_back(std::move(document));
    v.values.push_back(std::move(values));
  });
  if (!header)
    throw Stop("O arquivo " + message_name(file) +
               " está vazio: falta a linha de cabeçalho, com \"documento\" e os nomes das variáveis.");
  return v;
}

Variables read_variables(const fs::path& file) {
  require_file(file, "O arquivo de variáveis " + message_name(file) + " não existe.");
  return read_variables_table(file, {});
}

void write_variables(const fs::path& file, const Variables& v) {
  std::string out = "\xEF\xBB\xBF" "documento";
  for (const Ansi& name : v.names) {
    out += ';';
    append_cell(out, name);
  }
  out += "\r\n";
  for (std::size_t r = 0; r < v.documents.size(); ++r) {
    append_cell(out, v.documents[r]);
    for (std::size_t c = 0; c < v.names.size(); ++c) {
      out += ';';
      if (c < v.values[r].size()) append_cell(out, v.values[r][c]);
    }
    out += "\r\n";
  }
  write_bytes_atomic(file, out);
}

fs::path variables_path_for(const fs::path& document_list) {
  fs::path p = document_list;
  return p.replace_extension(".var");
}

Assignment assign(const Variables& v, AnsiView variable, const std::vector<Ansi>& list_documents) {
  const NameIndex names(v.names);
  const std::size_t column = names.find(Ansi(trim_view(variable)));
  if (column == kNone) {
    if (v.names.empty())
      throw Stop("A variável " + shown_name(variable) + " não existe: o arquivo de variáveis não tem nenhuma.");
    std::string all;
    for (const Ansi& n : v.names) all += (all.empty() ? "" : ", ") + shown_name(n);
    throw Stop("A variável " + shown_name(variable) + " não existe; as variáveis são: " + all + ".");
  }
  std::vector<bool> used;
  const std::vector<std::size_t> row_of = rows_of(v, list_documents, used);
  if (std::find(used.begin(), used.end(), true) == used.end())
    throw Stop("Nenhum documento da lista tem linha no arquivo de variáveis.");
  Assignment a;
  a.variable = v.names[column];
  const Ansi no_value(kNoValue);
  for (std::size_t d = 0; d < list_documents.size(); ++d) {
    const std::size_t r = row_of[d];
    if (r == kNone) a.missing.push_back(trim(list_documents[d]));
    const Ansi* value = r == kNone ? nullptr : &v.values[r][column];
    if (value && value->empty()) ++a.empty;
    const bool without = !value || value->empty();
    a.category_of_document.push_back(without ? no_value : *value);
    if (!without && *value != no_value) a.categories.push_back(*value);
  }
  for (std::size_t r = 0; r < used.size(); ++r)
    if (!used[r]) a.unknown.push_back(v.documents[r]);
  std::sort(a.categories.begin(), a.categories.end());
  a.categories.erase(std::unique(a.categories.begin(), a.categories.end()), a.categories.end());
  if (std::find(a.category_of_document.begin(), a.category_of_document.end(), no_value) != a.category_of_document.end())
    a.categories.push_back(no_value);
  return a;
}

std::vector<std::string> assignment_warnings(const Assignment& a) {
  std::vector<std::string> lines;
  add(lines, missing_warning(a.missing));
  add(lines, unknown_warning(a.unknown));
  add(lines, empty_warning(a.variable, a.empty));
  return lines;
}

VariablesTable variables_table(const Variables& v, const std::vector<Ansi>& list_documents) {
  VariablesTable t;
  std::vector<bool> used;
  const std::vector<std::size_t> row_of = rows_of(v, list_documents, used);
  Ansi header("documento");
  for (const Ansi& name : v.names) header += Ansi("\t") + name;
  t.lines.push_back(std::move(header));
  std::vector<Ansi> missing, unknown;
  std::vector<std::size_t> empty(v.names.size(), 0);
  for (std::size_t d = 0; d < list_documents.size(); ++d) {
    const std::size_t r = row_of[d];
    Ansi line = trim(list_documents[d]);
    if (r == kNone) missing.push_back(line);
    for (std::size_t c = 0; c < v.names.size(); ++c) {
      const bool without = r == kNone || v.values[r][c].empty();
      if (r != kNone && without) ++empty[c];
      line += Ansi("\t") + (without ? Ansi(kNoValue) : v.values[r][c]);
    }
    t.lines.push_back(std::move(line));
  }
  for (std::size_t r = 0; r < used.size(); ++r)
    if (!used[r]) unknown.push_back(v.documents[r]);
  add(t.warnings, missing_warning(missing));
  add(t.warnings, unknown_warning(unknown));
  for (std::size_t c = 0; c < v.names.size(); ++c) add(t.warnings, empty_warning(v.names[c], empty[c]));
  return t;
}

VariablesGrid variables_grid(const Variables& v, const std::vector<Ansi>& list_documents) {
  std::vector<bool> used;
  const std::vector<std::size_t> row_of = rows_of(v, list_documents, used);
  VariablesGrid g;
  g.rows.names = v.names;
  std::unordered_set<Ansi> seen;
  for (std::size_t d = 0; d < list_documents.size(); ++d) {
    Ansi name = trim(list_documents[d]);
    if (!seen.insert(lower_az(name)).second) continue;
    const std::size_t r = row_of[d];
    g.rows.documents.push_back(std::move(name));
    g.rows.values.push_back(r == kNone ? std::vector<Ansi>(v.names.size()) : v.values[r]);
    g.in_file.push_back(r != kNone);
  }
  g.listed = g.rows.documents.size();
  for (std::size_t r = 0; r < used.size(); ++r) {
    if (used[r]) continue;
    g.rows.documents.push_back(v.documents[r]);
    g.rows.values.push_back(v.values[r]);
    g.in_file.push_back(true);
  }
  return g;
}

Variables set_variables(const fs::path& document_list, const fs::path& table, const TableOptions& options) {
  const std::vector<Ansi> documents = records::read_document_names(document_list);
  Variables v = read_variables_table(table, options);
  const NameIndex listed(documents);
  std::vector<Ansi> unknown;
  std::unordered_map<std::size_t, std::size_t> row_of_document;
  for (std::size_t r = 0; r < v.documents.size(); ++r) {
    const std::size_t d = listed.find(v.documents[r]);
    if (d == kNone) {
      unknown.push_back(v.documents[r]);
      continue;
    }
    auto [at, fresh] = row_of_document.emplace(d, r);
    if (!fresh)
      throw Stop("O documento " + shown_name(documents[d]) + " aparece duas vezes em " + message_name(table) + " (como " +
                 shown_name(v.documents[at->second]) + " e " + shown_name(v.documents[r]) + "). Nada foi gravado.");
    v.documents[r] = documents[d];
  }
  if (!unknown.empty()) {
    const bool one = unknown.size() == 1;
    throw Stop(std::to_string(unknown.size()) + (one ? " linha de " : " linhas de ") + message_name(table) +
               (one ? " nomeia um documento que não está" : " nomeiam documentos que não estão") + " na lista " +
               message_name(document_list) + ": " + shown_names(unknown) + ". Nada foi gravado.");
  }
  write_variables(variables_path_for(document_list), v);
  return v;
}

}  // namespace lumeral::variables
