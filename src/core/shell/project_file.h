// The project file of the mining wizard: the title followed by ".ini", in
// the project folder, holding a project's settings as 20 fixed lines
// ("[NOME]" ... "n="), written as plain text lines (Windows-1252, CR LF,
// values exactly as entered) and read back as an INI file (sections in any
// order, names in any case, a missing key empty). Format in
// docs/formats.md, "Project file".
//
// What this offers the wizard:
//   ProjectSettings        every setting of a project, as the wizard holds it
//   project_file_lines()   the 20 lines; write_project_file() writes them safely
//   read_project_file()    the settings back from a (possibly hand-edited) file
//   save_project()         the save routine: folder, project file, status file
//   comparison_project_file_lines() / save_comparison_project()
//                          the comparison wizard's file: no ontology keys,
//                          no status file
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/shell/status_file.h"

namespace lumeral::shell {

namespace fs = std::filesystem;

// "Os Textos estão?" choices.
enum TextLocation : int { kSingleFile = 0, kSeveralFiles = 1 };
// "Idioma dos textos a serem analisados:" entries (-1: none selected).
enum Language : int { kPortuguese = 0, kEnglish = 1, kSpanish = 2 };

struct ProjectSettings {
  Ansi title;           // "Título": also names the project's files
  Ansi client;          // "Cliente"
  Ansi responsible;     // "Responsável"
  Ansi project_folder;  // where the texts and every project file lie
  int text_location = kSeveralFiles;
  Ansi separator;       // the separator string of a single file
  int language = kPortuguese;
  Ansi ontology_kind;   // kind_probabilistic(), kind_deterministic() or empty
  Ansi context_list;    // full path of the chosen context list, or empty
  Ansi level = Ansi("0");  // wizard level reached, "0" to "5"
  bool operator==(const ProjectSettings&) const = default;
};

// The ontology kinds as stored: "Probabilístico" and "Determinístico".
const Ansi& kind_probabilistic();
const Ansi& kind_deterministic();

// The default project folder: ~/lmr/projetos.
fs::path default_project_folder();

// Name of the project file: the title as typed followed by ".ini".
Ansi project_file_name(AnsiView title);

// The 20 lines of the project file, in order.
std::vector<Ansi> project_file_lines(const ProjectSettings& s);
// The comparison wizard's project file: the same lines without the
// ontology's ("[ONTOLOGIA]" "ontologia=", "[LCT]" "lct="), 16 in all.
std::vector<Ansi> comparison_project_file_lines(const ProjectSettings& s);

// Writes the project file at `p` (temporary file renamed into place).
void write_project_file(const fs::path& p, const ProjectSettings& s);

// Reads a project file. "idioma_textos" and "lugar_textos" must be integers:
// an empty or other text stops with the conversion error naming it.
ProjectSettings read_project_file(const fs::path& p);

// An integer setting (blanks around it allowed); Stop with the conversion
// error otherwise.
int read_integer(AnsiView text);

// The save routine of every "Avançar" and of "Sair, salvando status do
// projeto": creates the project folder with its parents, then writes the
// project file and the status file into it. Returns the project file's path.
// An empty title stops with "Não pode salvar sem ter um Título/Nome do
// projeto"; a folder that cannot be created stops with a message naming it
// (nothing is written elsewhere). Status-file progress goes to `progress`.
fs::path save_project(const ProjectSettings& s, const StatusFile& status, Progress& progress = Progress::none());

// The comparison wizard's save routine: the folder as above, then its
// project file (comparison_project_file_lines); no status file. Returns
// the project file's path; stops as save_project does.
fs::path save_comparison_project(const ProjectSettings& s);

}  // namespace lumeral::shell
