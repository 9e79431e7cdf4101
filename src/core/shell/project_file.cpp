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

std::vector<Ansi> project_file_lines(const ProjectSettings& s) {
  auto kv = [](AnsiView key, AnsiView value) { return Ansi(key) + Ansi(value); };
  return {
      Ansi("[NOME]"),          kv("nome="_a, s.title),
      Ansi("[CLIENTE]"),       kv("cliente="_a, s.client),
      Ansi("[RESPONSAVEL]"),   kv("resp="_a, s.responsible),
      Ansi("[DIR_PROJETO]"),   kv("dir_proj="_a, s.project_folder),
      Ansi("[LUGAR_TEXTOS]"),  kv("lugar_textos="_a, ansi_number(s.text_location)),
      Ansi("[SEPARADOR]"),     kv("separador="_a, s.separator),
      Ansi("[IDIOMA_TEXTOS]"), kv("idioma_textos="_a, ansi_number(s.language)),
      Ansi("[ONTOLOGIA]"),     kv("ontologia="_a, s.ontology_kind),
      Ansi("[LCT]"),           kv("lct="_a, s.context_list),
      Ansi("[N]"),             kv("n="_a, s.level),
  };
}

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

int read_integer_setting(const IniFile& ini, const fs::path& file, AnsiView section, AnsiView key) {
  try {
    return read_integer(ini.value(section, key));
  } catch (const Stop& s) {
    throw Stop("Arquivo de projeto " + message_name(file) + ", seção [" + printable(to_utf8(section)) + "], chave " +
               printable(to_utf8(key)) + ": " + s.text());
  }
}

ProjectSettings read_project_file(const fs::path& p) {
  IniFile ini = IniFile::read(p);
  ProjectSettings s;
  s.title = ini.value("NOME"_a, "nome"_a);
  s.client = ini.value("CLIENTE"_a, "cliente"_a);
  s.responsible = ini.value("RESPONSAVEL"_a, "resp"_a);
  s.project_folder = ini.value("DIR_PROJETO"_a, "dir_proj"_a);
  s.language = read_integer_setting(ini, p, "IDIOMA_TEXTOS"_a, "idioma_textos"_a);
  s.text_location = read_integer_setting(ini, p, "LUGAR_TEXTOS"_a, "lugar_textos"_a);
  s.separator = ini.value("SEPARADOR"_a, "separador"_a);
  s.ontology_kind = ini.value("ONTOLOGIA"_a, "ontologia"_a);
  s.context_list = ini.value("LCT"_a, "lct"_a);
  s.level = ini.value("N"_a, "n"_a);
  return s;
}

fs::path save_project(const ProjectSettings& s, const StatusFile& status, Progress& progress) {
  if (s.title.empty()) throw Stop("Não pode salvar sem ter um Título/Nome do projeto");
  Ansi name = project_file_name(s.title);
  check_plain_name(name);
  fs::path folder = to_path(s.project_folder);
  std::error_code ec;
  if (!folder.empty()) fs::create_directories(folder, ec);
  if (folder.empty() || !fs::is_directory(folder, ec)) {
    throw Stop("Não foi possível criar a pasta do projeto \"" + display_path(folder) + "\".");
  }
  fs::path file = folder / to_path(name);
  write_project_file(file, s);
  write_status_file(folder / status_file_name(), status, progress);
  return file;
}

}  // namespace lumeral::shell
