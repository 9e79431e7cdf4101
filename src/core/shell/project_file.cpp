// Project file reading and writing; format in docs/formats.md, "Project file".
#include "core/shell/project_file.h"

#include <cstdlib>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/regional.h"
#include "core/base/text.h"
#include "core/shell/ini.h"

namespace lumeral::shell {

using namespace lumeral::literals;

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

// The project file's keys in file order: section, key and the setting's
// text. The comparison wizard's file is the same table without the
// ontology's two keys.
struct Key {
  const char* section;
  const char* key;
  Ansi (*value)(const ProjectSettings&);
  bool ontology;  // "[ONTOLOGIA]" and "[LCT]"
};

const Key kKeys[] = {
    {"[NOME]", "nome=", [](const ProjectSettings& s) { return s.title; }, false},
    {"[CLIENTE]", "cliente=", [](const ProjectSettings& s) { return s.client; }, false},
    {"[RESPONSAVEL]", "resp=", [](const ProjectSettings& s) { return s.responsible; }, false},
    {"[DIR_PROJETO]", "dir_proj=", [](const ProjectSettings& s) { return s.project_folder; }, false},
    {"[LUGAR_TEXTOS]", "lugar_textos=", [](const ProjectSettings& s) { return ansi_number(s.text_location); }, false},
    {"[SEPARADOR]", "separador=", [](const ProjectSettings& s) { return s.separator; }, false},
    {"[IDIOMA_TEXTOS]", "idioma_textos=", [](const ProjectSettings& s) { return ansi_number(s.language); }, false},
    {"[ONTOLOGIA]", "ontologia=", [](const ProjectSettings& s) { return s.ontology_kind; }, true},
    {"[LCT]", "lct=", [](const ProjectSettings& s) { return s.context_list; }, true},
    {"[N]", "n=", [](const ProjectSettings& s) { return s.level; }, false},
};

std::vector<Ansi> lines_of(const ProjectSettings& s, bool with_ontology) {
  std::vector<Ansi> lines;
  for (const Key& k : kKeys) {
    if (k.ontology && !with_ontology) continue;
    lines.push_back(Ansi(k.section));
    lines.push_back(Ansi(k.key) + k.value(s));
  }
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

ProjectSettings read_project_file(const fs::path& p) {
  IniFile ini = IniFile::read(p);
  ProjectSettings s;
  s.title = ini.value("NOME"_a, "nome"_a);
  s.client = ini.value("CLIENTE"_a, "cliente"_a);
  s.responsible = ini.value("RESPONSAVEL"_a, "resp"_a);
  s.project_folder = ini.value("DIR_PROJETO"_a, "dir_proj"_a);
  s.language = read_integer(ini.value("IDIOMA_TEXTOS"_a, "idioma_textos"_a));
  s.text_location = read_integer(ini.value("LUGAR_TEXTOS"_a, "lugar_textos"_a));
  s.separator = ini.value("SEPARADOR"_a, "separador"_a);
  s.ontology_kind = ini.value("ONTOLOGIA"_a, "ontologia"_a);
  s.context_list = ini.value("LCT"_a, "lct"_a);
  s.level = ini.value("N"_a, "n"_a);
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
