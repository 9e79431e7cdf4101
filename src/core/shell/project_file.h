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
#include "core/base/reading.h"
#include "core/shell/ini.h"
#include "core/base/language.h"
#include "core/shell/status_file.h"

namespace lumeral::shell {

namespace fs = std::filesystem;

// "Os Textos estão?" choices.
enum TextLocation : int { kSingleFile = 0, kSeveralFiles = 1 };

struct ProjectSettings {
  Ansi title;           // "Título": also names the project's files
  Ansi client;          // "Cliente"
  Ansi responsible;     // "Responsável"
  Ansi project_folder;  // where the texts and every project file lie
  int text_location = kSeveralFiles;
  Ansi separator;       // the separator string of a single file
  // "Idioma dos textos a serem analisados:": the row of the language list
  // as stored (-1: none chosen); language_of_row() gives the Language.
  int language = row_of(Language::Portuguese);
  Ansi ontology_kind;   // kind_probabilistic(), kind_deterministic() or empty
  Ansi context_list;    // full path of the chosen context list, or empty
  Ansi level = Ansi("0");  // wizard level reached, "0" to "5"
  // "Converter também documentos DOCX, ODT e PDF" and "Agrupar variantes
  // das palavras (radicais)". Off when the file has no key for them (a
  // project saved before they existed prepares as it did); the wizard
  // turns the first on for a new project.
  bool convert_documents = false;
  bool stemming = false;
  // How the texts are read ("Leitura dos textos"). Classic when the file has
  // no key for it, so a saved project prepares and classifies as before;
  // the wizards choose the complete reading for a new project.
  Reading reading = Reading::Classic;
  bool operator==(const ProjectSettings&) const = default;
};

// Where a setting lies in the project file: its section and its key. The
// writer, the reader and the wizard's step-by-step restore all name the
// settings through these.
struct ProjectKey {
  const char* section;
  const char* key;
};
namespace project_key {
inline constexpr ProjectKey title{"NOME", "nome"};
inline constexpr ProjectKey client{"CLIENTE", "cliente"};
inline constexpr ProjectKey responsible{"RESPONSAVEL", "resp"};
inline constexpr ProjectKey folder{"DIR_PROJETO", "dir_proj"};
inline constexpr ProjectKey text_location{"LUGAR_TEXTOS", "lugar_textos"};
inline constexpr ProjectKey separator{"SEPARADOR", "separador"};
inline constexpr ProjectKey language{"IDIOMA_TEXTOS", "idioma_textos"};
inline constexpr ProjectKey ontology{"ONTOLOGIA", "ontologia"};
inline constexpr ProjectKey context_list{"LCT", "lct"};
inline constexpr ProjectKey level{"N", "n"};
// Written after the 20 lines, only when on ("1"): a file with both options
// off is the same as before, and readers that do not know them skip them.
inline constexpr ProjectKey convert_documents{"CONVERTER_DOCUMENTOS", "converter_documentos"};
inline constexpr ProjectKey stemming{"RADICAIS", "radicais"};
// Written only for the complete reading ("completa"); absent: classic.
inline constexpr ProjectKey reading{"LEITURA", "leitura"};
}  // namespace project_key

class IniFile;
// The value of a setting in a project file read as INI (empty when absent).
Ansi project_value(const IniFile& ini, ProjectKey key);
// An integer setting (see read_integer) of the project file `file` (read
// into `ini`); the conversion error names the file, the section and the key.
int project_integer(const IniFile& ini, const fs::path& file, ProjectKey key);
// An option of the project file: on only when its value is "1" (absent,
// empty or anything else: off).
bool project_flag(const IniFile& ini, ProjectKey key);
// The reading of the project file `file` (read into `ini`): classic when
// the key is absent or empty; a value that names no reading stops with a
// message naming the file.
Reading project_reading(const IniFile& ini, const fs::path& file);

// The ontology kinds as stored: "Probabilístico" and "Determinístico".
const Ansi& kind_probabilistic();
const Ansi& kind_deterministic();

// The default project folder: ~/lmr/projetos.
fs::path default_project_folder();

// Name of the project file: the title as typed followed by ".ini".
Ansi project_file_name(AnsiView title);

// The 20 lines of the project file, in order, then the keys of the options
// that are on.
std::vector<Ansi> project_file_lines(const ProjectSettings& s);
// The comparison wizard's project file: the same lines without the
// ontology's ("[ONTOLOGIA]" "ontologia=", "[LCT]" "lct="), 16 in all.
std::vector<Ansi> comparison_project_file_lines(const ProjectSettings& s);

// Writes the project file at `p` (temporary file renamed into place).
void write_project_file(const fs::path& p, const ProjectSettings& s);

// Reads a project file. "idioma_textos" and "lugar_textos" must be integers:
// an empty or other text stops with the conversion error naming the value,
// the file, the section and the key.
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
