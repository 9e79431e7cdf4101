#include "core/preparation/table_import.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/scratch.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"
#include "core/preparation/import.h"
#include "core/preparation/office_text.h"
#include "core/preparation/split.h"
#include "core/variables/variables_file.h"

namespace lumeral::preparation {

namespace {

constexpr std::size_t kNameBytes = 200;

// Replaces every ".ext" inside `name` (letter case aside) by "_ext": the
// companion naming rule cuts a name at its first ".txt" or ".lpl".
void break_extension(Ansi& name, AnsiView ext) {
  for (std::size_t at = find_ci(name, ext); at != Ansi::npos; at = find_ci(name, ext, at + 1)) name[at] = '_';
}

// The column a user names: by header name (exact, else letter case
// aside), else by number from 1.
std::size_t column_named(const std::string& wanted, const std::vector<std::string>& header, const fs::path& table) {
  auto name = [&](std::size_t i) { return trim_view(AnsiView(header[i].data(), header[i].size())); };
  for (std::size_t i = 0; i < header.size(); ++i)
    if (name(i) == from_bytes(wanted)) return i;
  for (std::size_t i = 0; i < header.size(); ++i)
    if (equals_ci(name(i), from_bytes(wanted))) return i;
  if (!wanted.empty() && wanted.size() < 6 && wanted.find_first_not_of("0123456789") == std::string::npos) {
    const std::size_t n = std::stoul(wanted);
    if (n >= 1 && n <= header.size()) return n - 1;
  }
  std::string names;
  for (const auto& h : header) names += (names.empty() ? "\"" : ", \"") + printable(h) + "\"";
  throw Stop("A coluna \"" + printable(wanted) + "\" não existe em " + message_name(table) +
             "; as colunas do cabeçalho são: " + names + ".");
}

// A cell's lines, split at CR LF, LF or CR (a workbook may keep a CR).
void add_cell_lines(const std::string& cell, std::vector<std::string>& lines) {
  std::size_t start = 0;
  for (std::size_t at = cell.find_first_of("\r\n"); at != std::string::npos; at = cell.find_first_of("\r\n", start)) {
    lines.push_back(cell.substr(start, at - start));
    start = at + (cell.compare(at, 2, "\r\n") == 0 ? 2 : 1);
  }
  lines.push_back(cell.substr(start));
}

void write_document(const fs::path& staged, const fs::path& shown, const std::vector<Ansi>& lines) {
  std::string bytes;
  for (const Ansi& line : lines) {
    bytes += bytes_of(line);
    bytes += "\r\n";
  }
  std::FILE* f = std::fopen(staged.c_str(), "wb");
  if (!f) throw Stop(write_error(shown, errno));
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const int e = errno;
  if (std::fclose(f) != 0 || !written) throw Stop(write_error(shown, written ? errno : e));
}

std::string count_text(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

Ansi table_document_name(AnsiView id, std::size_t row, std::unordered_set<Ansi>& taken) {
  Ansi name = trim(id);
  if (name.size() >= 4 && equals_ci(AnsiView(name).substr(name.size() - 4), AnsiView(".txt")))
    name = trim(AnsiView(name).substr(0, name.size() - 4));
  for (char& c : name)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':') c = '_';
  break_extension(name, AnsiView(".txt"));
  break_extension(name, AnsiView(".lpl"));
  if (!name.empty() && name[0] == '.') name[0] = '_';
  while (to_utf8(name).size() > kNameBytes) name.pop_back();
  name = trim(name);
  Ansi chosen = name.empty() ? Ansi() : source_document_name(name, taken, {});
  if (chosen.empty()) chosen = source_document_name(Ansi("linha-") + document_number(static_cast<long long>(row)), taken, {});
  taken.insert(lower_az(chosen));
  return chosen;
}

TableImportResult import_table(const TableImportInput& input, Progress& progress) {
  std::error_code ec;
  fs::path folder = fs::absolute(input.folder, ec).lexically_normal();
  if (folder.filename().empty()) folder = folder.parent_path();  // "pasta/" or "."
  if (fs::exists(folder, ec)) {
    if (!fs::is_directory(folder, ec))
      throw Stop("O caminho " + message_name(folder) + " já existe e não é uma pasta: escolha uma pasta nova ou vazia.");
    if (!fs::is_empty(folder, ec))
      throw Stop("A pasta " + message_name(folder) +
                 " já existe e não está vazia: escolha uma pasta nova ou vazia (nada é gravado por cima).");
  }
  const fs::path parent = folder.parent_path();
  fs::create_directories(parent, ec);
  if (ec) throw Stop(write_error(parent, ec));
  ScratchFolder scratch(parent);
  const fs::path staged = scratch.path() / "tabela";
  if (!fs::create_directory(staged, ec)) throw Stop(write_error(folder, ec));

  TableImportResult result;
  const Ansi title = path_name(folder.filename());
  result.variables_file = folder / to_path(title + Ansi(".var"));
  variables::Variables vars;
  std::vector<std::size_t> text_columns, variable_columns;
  std::optional<std::size_t> id_column;
  std::size_t header_size = 0;
  bool header = false;
  std::unordered_set<Ansi> taken{Ansi("relatorio.txt"), lower_az(title + Ansi(".var"))};
  std::size_t renamed = 0, replaced_in = 0, empty_texts = 0;
  std::unordered_set<Ansi> folded_names;  // the variables' names, A-Z lowered

  progress.status("Importando a tabela");
  variables::read_table(input.table, input.options, [&](variables::TableRow& row) {
    progress.checkpoint();
    if (!header) {
      header = true;
      header_size = row.cells.size();
      for (const auto& c : input.text_columns) text_columns.push_back(column_named(c, row.cells, input.table));
      if (!input.id_column.empty()) id_column = column_named(input.id_column, row.cells, input.table);
      for (std::size_t c = 0; c < header_size; ++c) {
        if (c == id_column || std::find(text_columns.begin(), text_columns.end(), c) != text_columns.end())
          continue;
        Ansi name = trim(to_stored_lines({row.cells[c]}).lines.front());
        if (name.empty()) name = Ansi("coluna ") + ansi_number(static_cast<long long>(c + 1));
        if (!folded_names.insert(lower_az(name)).second)
          throw Stop("A coluna " + std::to_string(c + 1) + " de " + message_name(input.table) + " repete o nome \"" +
                     printable(to_utf8(name)) + "\" de outra coluna: as variáveis precisam de nomes distintos.");
        variable_columns.push_back(c);
        vars.names.push_back(std::move(name));
      }
      return;
    }
    if (row.cells.size() > header_size)
      throw Stop("A linha " + std::to_string(row.number) + " de " + message_name(input.table) + " tem mais colunas (" +
                 std::to_string(row.cells.size()) + ") que o cabeçalho (" + std::to_string(header_size) + ").");
    row.cells.resize(header_size);
    const Ansi id = id_column ? trim(to_stored_lines({row.cells[*id_column]}).lines.front()) : Ansi();
    Ansi name = table_document_name(id, row.number, taken);
    if (!id.empty() && name != id && name != id + Ansi(".txt")) ++renamed;
    std::vector<std::string> text;
    for (std::size_t c : text_columns) add_cell_lines(row.cells[c], text);
    StoredLines stored = to_stored_lines(text);
    if (stored.replaced) ++replaced_in;
    bool blank = true;
    for (const Ansi& line : stored.lines) blank = blank && trim_view(line).empty();
    if (blank) ++empty_texts;
    write_document(staged / to_path(name), folder / to_path(name), stored.lines);
    std::vector<Ansi> values;
    for (std::size_t c : variable_columns) values.push_back(trim(to_stored_lines({row.cells[c]}).lines.front()));
    vars.documents.push_back(name);
    vars.values.push_back(std::move(values));
    result.documents.push_back(std::move(name));
  });
  if (!header || result.documents.empty())
    throw Stop("A tabela " + message_name(input.table) + " não tem nenhuma linha além do cabeçalho: nada foi importado.");
  variables::write_variables(staged / to_path(title + Ansi(".var")), vars);
  progress.checkpoint();

  // Put in place: an empty folder there is replaced.
  if (fs::exists(folder, ec)) fs::remove(folder, ec);
  fs::rename(staged, folder, ec);
  if (ec) throw Stop(write_error(folder, ec));

  if (renamed)
    result.messages.push_back(count_text(renamed, "identificador foi mudado", "identificadores foram mudados") +
                              " para servir de nome de arquivo ou por se repetir (os repetidos recebem \" (2)\", "
                              "\" (3)\"...); a coluna \"documento\" de " +
                              message_name(result.variables_file) + " dá o nome de cada um.");
  if (replaced_in)
    result.messages.push_back(count_text(replaced_in, "documento tem", "documentos têm") +
                              " caracteres que não existem no Windows-1252, trocados pelo equivalente mais próximo "
                              "ou por \"?\".");
  if (empty_texts)
    result.messages.push_back(count_text(empty_texts, "linha tem", "linhas têm") + " o texto vazio.");
  return result;
}

}  // namespace lumeral::preparation
