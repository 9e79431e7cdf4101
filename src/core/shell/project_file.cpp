// Project file reading and writing; format in docs/formats.md, "Project file".
#include "core/shell/project_file.h"

#include <cstdlib>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/regional.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"
#include "core/shell/ini.h"

namespace lumeral::shell {


const Ansi& kind_probabilistic() {
  static const Ansi k = to_ansi("Probabilístico");
  return k;
}

const Ansi& kind_deterministic() {
  static const Ansi k = to_ansi("Determinístico");
  return k;
}

fs::path default_project_folder() {
  const char* home = std::getenv("HOME");
  fs::path base = home && *home ? fs::path(home) : fs::current_path();
  return base / "lmr" / "projetos";
}

Ansi project_file_name(AnsiView title) { return Ansi(title) + Ansi(".ini"); }

namespace {

// The project file's lines in file order, from the one key table; the
// comparison wizard's file is the same without the ontology's two keys.
std::vector<Ansi> lines_of(const ProjectSettings& s, bool with_ontology) {
  std::vector<Ansi> lines;
  auto add = [&](ProjectKey k, AnsiView value) {
    lines.push_back(Ansi("[") + Ansi(k.section) + Ansi("]"));
    lines.push_back(Ansi(k.key) + Ansi("=") + Ansi(value));
  };
  add(project_key::title, s.title);
  add(project_key::client, s.client);
  add(project_key::responsible, s.responsible);
  add(project_key::folder, s.project_folder);
  add(project_key::text_location, ansi_number(s.text_location));
  add(project_key::separator, s.separator);
  add(project_key::language, ansi_number(s.language));
  if (with_ontology) {
    add(project_key::ontology, s.ontology_kind);
    add(project_key::context_list, s.context_list);
  }
  add(project_key::level, s.level);
  if (s.convert_documents) add(project_key::convert_documents, Ansi("1"));
  if (s.stemming) add(project_key::stemming, Ansi("1"));
  if (s.reading == Reading::Complete) add(project_key::reading, Ansi(reading_key(s.reading)));
  return lines;
}

// Creates the project folder with its parents; stops with a message naming
// it when it cannot be had. Returns the project file's path in it.
fs::path prepare_folder(const ProjectSettings& s) {
  if (s.title.empty()) throw Stop("Não pode salvar sem ter um Título/Nome do projeto");
  Ansi name = project_file_name(s.title);
  check_plain_name(name);
  fs::path folder = to_path(s.project_folder);
  std::error_code ec;
  if (!folder.empty()) fs::create_directories(folder, ec);
  if (folder.empty() || !fs::is_directory(folder, ec)) {
    throw Stop("Não foi possível criar a pasta do projeto \"" + display_path(folder) + "\".");
  }
  return folder / to_path(name);
}

}  // namespace

std::vector<Ansi> project_file_lines(const ProjectSettings& s) { return lines_of(s, true); }

std::vector<Ansi> comparison_project_file_lines(const ProjectSettings& s) { return lines_of(s, false); }

void write_project_file(const fs::path& p, const ProjectSettings& s) { write_text_file(p, project_file_lines(s)); }

int read_integer(AnsiView text) {
  AnsiView t = trim_view(text);
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
  bool ok = i < t.size() && t.size() - i <= 9;
  for (std::size_t j = i; ok && j < t.size(); ++j) ok = t[j] >= '0' && t[j] <= '9';
  if (!ok) throw Stop(conversion_error(text));
  return std::atoi(Ansi(t).c_str());
}

Ansi project_value(const IniFile& ini, ProjectKey key) { return ini.value(Ansi(key.section), Ansi(key.key)); }

bool project_flag(const IniFile& ini, ProjectKey key) { return trim(project_value(ini, key)) == Ansi("1"); }

Reading project_reading(const IniFile& ini, const fs::path& file) {
  const Ansi value = trim(project_value(ini, project_key::reading));
  if (value.empty()) return Reading::Classic;
  if (auto r = reading_of_key(to_utf8(value))) return *r;
  throw Stop("Arquivo de projeto " + message_name(file) + ", seção [" + printable(project_key::reading.section) +
             "], chave " + printable(project_key::reading.key) + ": leitura desconhecida \"" +
             printable(to_utf8(value)) + "\" (use classica ou completa).");
}

int project_integer(const IniFile& ini, const fs::path& file, ProjectKey key) {
  try {
    return read_integer(project_value(ini, key));
  } catch (const Stop& s) {
    throw Stop("Arquivo de projeto " + message_name(file) + ", seção [" + printable(key.section) + "], chave " +
               printable(key.key) + ": " + s.text());
  }
}

ProjectSettings read_project_file(const fs::path& p) {
  IniFile ini = IniFile::read(p);
  ProjectSettings s;
  s.title = project_value(ini, project_key::title);
  s.client = project_value(ini, project_key::client);
  s.responsible = project_value(ini, project_key::responsible);
  s.project_folder = project_value(ini, project_key::folder);
  s.language = project_integer(ini, p, project_key::language);
  s.text_location = project_integer(ini, p, project_key::text_location);
  s.separator = project_value(ini, project_key::separator);
  s.ontology_kind = project_value(ini, project_key::ontology);
  s.context_list = project_value(ini, project_key::context_list);
  s.level = project_value(ini, project_key::level);
  s.convert_documents = project_flag(ini, project_key::convert_documents);
  s.stemming = project_flag(ini, project_key::stemming);
  s.reading = project_reading(ini, p);
  return s;
}

fs::path save_project(const ProjectSettings& s, const StatusFile& status, Progress& progress) {
  fs::path file = prepare_folder(s);
  write_project_file(file, s);
  write_status_file(file.parent_path() / status_file_name(), status, progress);
  return file;
}

fs::path save_comparison_project(const ProjectSettings& s) {
  fs::path file = prepare_folder(s);
  write_text_file(file, comparison_project_file_lines(s));
  return file;
}

}  // namespace lumeral::shell
