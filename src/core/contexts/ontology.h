// The mining wizard's ontology editor: concepts (contexts) of the project
// and their rules, edited on screen and written as the project's context
// list <title>.lct and one <concept>.ctt per concept, in the project folder
// and in its working folder "temp". Formats: docs/formats.md (context lists
// and contexts); the editor writes the same records as the context manager.
//
// What the editor's commands need:
//   normalize_weight()      the "Peso" mask text made a weight ("1,0000")
//   insert_rule()...        the rule list kept in order, a rule replaced
//   concept_rules()         the rules of a concept as display lines
//   save_concept()          the concept's two context files
//   write_concept_list()    the project's context list
//   copy_context()/copy_context_list()   "Carregar Contexto", "Carrega Lista"
//   clear_temp_folder()     the step's "Voltar"
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/message.h"
#include "core/base/regional.h"
#include "core/shell/project.h"

namespace lumeral::contexts {

namespace fs = std::filesystem;

// The working folder of the editor: <project folder>/temp.
fs::path temp_folder(const fs::path& project_folder);
// Creates it when missing (with the project folder).
void ensure_temp_folder(const fs::path& project_folder);

// The "Peso" edit's text (one digit, a comma, four digits; blanks where
// nothing was typed) made a weight text: every blank becomes "0"; a first
// digit "1" makes every digit after the comma "0" (weights above 1 are cut
// to "1,0000"). The result is nothing when the first digit is then neither
// "0" nor "1" ("É necessário selecionar um Peso para a Regra, ou o Peso ser
// 0 ou 1!"). The comma is the mask's, whatever the locale.
std::optional<Ansi> normalize_weight(AnsiView typed);
inline constexpr const char* kWeightMessage = "É necessário selecionar um Peso para a Regra, ou o Peso ser 0 ou 1!";

// A rule line: the rule lower-cased (A to Z) + " | " + weight text.
Ansi rule_line(AnsiView rule, AnsiView weight);
// The rule of a line: its text before the first "|", trimmed.
Ansi rule_of(AnsiView line);
// The weight text of a line: after the first "|", trimmed (empty without one).
Ansi weight_of(AnsiView line);

// "Insere": the first line whose rule equals the rule of `line` is replaced
// by it; otherwise it is added. The list stays in the locale's
// case-insensitive order. Returns the row of the line.
std::size_t insert_rule(std::vector<Ansi>& lines, AnsiView line, const Regional& regional);
// "Altera": the line at `row` is removed and `line` added in order.
std::size_t change_rule(std::vector<Ansi>& lines, std::size_t row, AnsiView line, const Regional& regional);

// The file a concept's rules are read from: temp/<concept>.ctt when the
// working folder exists and holds it, else <project folder>/<concept>.ctt.
fs::path concept_file(const fs::path& project_folder, AnsiView concept_name);
// The rules of a concept as display lines (entry + " | " + "0.0000"), from
// concept_file(). A missing file stops with "Não existe arquivo de contexto
// com este nome".
std::vector<Ansi> concept_rules(const fs::path& project_folder, AnsiView concept_name, const Regional& regional);

// "Salvar Conceitos/Regras" for one concept: rewrites temp/<concept>.ctt and
// <project folder>/<concept>.ctt from the rule lines (entry before the bar,
// trimmed, cut to 30 characters; weight after it in the locale, 1 without a
// bar). The working folder is created when missing. Returns "Inclusão de
// Novo Contexto com Sucesso!" when the concept had no file in the project
// folder before. An unreadable weight stops before anything is written.
std::vector<Message> save_concept(const fs::path& project_folder, AnsiView concept_name,
                                  const std::vector<Ansi>& rules, const Regional& regional);

// The project's context list (<title>.lct in its folder) from the concept list's
// entries (name before a bar, trimmed, lowered, cut to 15; weight after it
// or 0). Returns its path.
fs::path write_concept_list(const shell::Project& project, const std::vector<Ansi>& concepts,
                            const Regional& regional);

// A rename of concept `old_name` before the save writes the new one: deletes
// the context list and the old concept's file, in the working folder (when
// it exists) and in the project folder.
void forget_concept(const shell::Project& project, AnsiView old_name);

// "Excluir Conceito": deletes <project folder>/<concept>.ctt (the working
// copy stays).
void delete_concept_file(const fs::path& project_folder, AnsiView concept_name);

// "Modificar Tipo de Ontologia": the concept names of the project folder,
// from the files "*.ctt" (each name up to its first ".", trimmed), in the
// locale's order.
std::vector<Ansi> concept_names_in_folder(const fs::path& project_folder, const Regional& regional);

// The concept name of a context file: its file name up to the first ".",
// trimmed and lowered.
Ansi concept_name_of(const fs::path& context_file);

// "Carregar Contexto": copies the chosen context file into the working
// folder as <name>.ctt (never over an existing copy) and returns the
// concept's name. The working folder is created when missing.
Ansi copy_context(const fs::path& project_folder, const fs::path& chosen);

// "Carrega Lista de Conceitos": the context list the editor uses when the
// wizard names none: the project's own list when it exists and the
// folder holds fewer than two "*.lct" files; nothing otherwise (the editor
// then asks for one).
std::optional<fs::path> default_concept_list(const shell::Project& project);

// Copies a chosen context list and every context it names (from the list's
// folder) into the working folder and, with `into_project`, into the
// project folder too; a copy never replaces an existing file. Returns the
// concept names in list order (trimmed).
std::vector<Ansi> copy_context_list(const fs::path& project_folder, const fs::path& list, bool into_project);

// The step's "Voltar": deletes every file directly inside the working
// folder. Returns "Não consegui excluir " + name for each file that stays.
std::vector<Message> clear_temp_folder(const fs::path& project_folder);

}  // namespace lumeral::contexts
