// The wizard's ontology editor; the files it writes are the context lists
// and contexts of docs/formats.md.
#include "core/contexts/ontology.h"

#include <algorithm>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/text.h"
#include "core/contexts/contexts.h"
#include "core/records/records.h"
#include "core/records/weighted.h"

namespace lumeral::contexts {

using namespace lumeral::literals;

fs::path temp_folder(const fs::path& project_folder) { return project_folder / "temp"; }

void ensure_temp_folder(const fs::path& project_folder) {
  std::error_code ec;
  fs::create_directories(temp_folder(project_folder), ec);
  if (!fs::is_directory(temp_folder(project_folder), ec))
    throw Stop("Não foi possível criar a pasta " + display_path(temp_folder(project_folder)));
}

std::optional<Ansi> normalize_weight(AnsiView typed) {
  // The mask's six places: digit, comma, four digits.
  Ansi w(typed.substr(0, 6));
  while (w.size() < 6) w.push_back(' ');
  w[1] = ',';
  for (std::size_t i = 0; i < w.size(); ++i)
    if (i != 1 && (w[i] == ' ' || w[i] == '_')) w[i] = '0';
  if (w[0] == '1')
    for (std::size_t i = 2; i < w.size(); ++i) w[i] = '0';
  if (w[0] != '0' && w[0] != '1') return std::nullopt;
  for (std::size_t i = 2; i < w.size(); ++i)
    if (w[i] < '0' || w[i] > '9') return std::nullopt;
  return w;
}

Ansi rule_line(AnsiView rule, AnsiView weight) { return lower_az(rule) + Ansi(" | "_a) + Ansi(weight); }

Ansi rule_of(AnsiView line) { return records::split_weighted(line).term; }

Ansi weight_of(AnsiView line) { return records::split_weighted(line).weight_text; }

std::size_t insert_rule(std::vector<Ansi>& lines, AnsiView line, const Regional& regional) {
  const Ansi rule = rule_of(line);
  auto same = std::find_if(lines.begin(), lines.end(), [&](const Ansi& l) { return rule_of(l) == rule; });
  if (same != lines.end()) lines.erase(same);
  std::size_t at = records::alphabetical_position(lines, line, regional);
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Ansi(line));
  return at;
}

std::size_t change_rule(std::vector<Ansi>& lines, std::size_t row, AnsiView line, const Regional& regional) {
  if (row < lines.size()) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(row));
  std::size_t at = records::alphabetical_position(lines, line, regional);
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Ansi(line));
  return at;
}

fs::path concept_file(const fs::path& project_folder, AnsiView concept_name) {
  std::error_code ec;
  const Ansi name = trim(concept_name);
  if (fs::is_directory(temp_folder(project_folder), ec)) {
    fs::path in_temp = context_path(temp_folder(project_folder), name);
    if (fs::is_regular_file(in_temp, ec)) return in_temp;
  }
  return context_path(project_folder, name);
}

std::vector<Ansi> concept_rules(const fs::path& project_folder, AnsiView concept_name, const Regional& regional) {
  return open_context(concept_file(project_folder, concept_name), regional);
}

std::vector<Message> save_concept(const fs::path& project_folder, AnsiView concept_name,
                                  const std::vector<Ansi>& rules, const Regional& regional) {
  const Ansi name = trim(concept_name);
  check_plain_name(name + Ansi(".ctt"_a));
  // Every weight is read before a file is touched.
  std::vector<records::ContextRecord> recs;
  for (const Ansi& line : rules) {
    if (trim_view(line).empty()) continue;
    auto parts = records::split_weighted(line);
    recs.push_back({cut(parts.term, 30), parts.has_bar ? regional.parse(parts.weight_text) : 1.0});
  }
  std::vector<Message> messages;
  const fs::path main_file = project_folder / to_path(name + Ansi(".ctt"_a));
  std::error_code ec;
  if (!fs::exists(main_file, ec)) messages.push_back({"Inclusão de Novo Contexto com Sucesso!", MessageKind::Information});
  ensure_temp_folder(project_folder);
  records::write_all(temp_folder(project_folder) / to_path(name + Ansi(".ctt"_a)), recs);
  records::write_all(main_file, recs);
  return messages;
}

fs::path write_concept_list(const shell::Project& project, const std::vector<Ansi>& concepts,
                            const Regional& regional) {
  fs::path list = project.context_list();
  save_context_list(list, concepts, regional);
  return list;
}

namespace {

void remove_file(const fs::path& p) {
  std::error_code ec;
  fs::remove(p, ec);
}

}  // namespace

void forget_concept(const shell::Project& project, AnsiView old_name) {
  const fs::path list = project.context_list().filename();
  const Ansi old_file = rule_of(old_name) + Ansi(".ctt"_a);
  const fs::path temp = temp_folder(project.folder);
  std::error_code ec;
  if (fs::is_directory(temp, ec)) {
    remove_file(temp / list);
    remove_file(temp / to_path(old_file));
  }
  remove_file(project.folder / list);
  remove_file(project.file(old_file));
}

void delete_concept_file(const fs::path& project_folder, AnsiView concept_name) {
  remove_file(project_folder / to_path(trim(concept_name) + Ansi(".ctt"_a)));
}

namespace {

bool has_extension(const fs::path& p, std::string_view ext) {
  std::string e = p.extension().string();
  for (char& c : e) c = lower_az(c);
  return e == ext;
}

Ansi up_to_first_dot(const fs::path& p) {
  Ansi name = path_name(p);
  return trim(AnsiView(name).substr(0, AnsiView(name).find('.')));
}

}  // namespace

std::vector<Ansi> concept_names_in_folder(const fs::path& project_folder, const Regional& regional) {
  std::vector<Ansi> names;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(project_folder, ec))
    if (e.is_regular_file(ec) && has_extension(e.path(), ".ctt")) names.push_back(up_to_first_dot(e.path()));
  records::sort_alphabetical(names, regional);
  return names;
}

Ansi concept_name_of(const fs::path& context_file) { return lower_az(up_to_first_dot(context_file)); }

namespace {

// Copies `from` to `to` unless `to` exists; a missing source is skipped.
void copy_without_overwrite(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  if (fs::exists(to, ec) || !fs::is_regular_file(from, ec)) return;
  fs::copy_file(from, to, fs::copy_options::skip_existing, ec);
  if (ec) throw Stop("Não foi possível copiar " + display_path(from) + " para " + display_path(to));
}

}  // namespace

Ansi copy_context(const fs::path& project_folder, const fs::path& chosen) {
  ensure_temp_folder(project_folder);
  const Ansi name = concept_name_of(chosen);
  check_plain_name(name + Ansi(".ctt"_a));
  copy_without_overwrite(chosen, temp_folder(project_folder) / to_path(name + Ansi(".ctt"_a)));
  return name;
}

std::optional<fs::path> default_concept_list(const shell::Project& project) {
  const fs::path& project_folder = project.folder;
  const fs::path own = project.context_list();
  std::error_code ec;
  if (!fs::is_regular_file(own, ec)) return std::nullopt;
  int lists = 0;
  for (const auto& e : fs::directory_iterator(project_folder, ec))
    if (e.is_regular_file(ec) && has_extension(e.path(), ".lct")) ++lists;
  if (lists >= 2) return std::nullopt;
  return own;
}

std::vector<Ansi> copy_context_list(const fs::path& project_folder, const fs::path& list, bool into_project) {
  ensure_temp_folder(project_folder);
  const fs::path temp = temp_folder(project_folder);
  const fs::path source_folder = list.parent_path();
  auto copy_both = [&](const fs::path& from, const fs::path& file_name) {
    if (into_project) copy_without_overwrite(from, project_folder / file_name);
    copy_without_overwrite(from, temp / file_name);
  };
  const auto recs = records::read_all<records::ContextListRecord>(list);
  copy_both(list, list.filename());
  std::vector<Ansi> names;
  for (const auto& r : recs) {
    const Ansi name = trim(r.name);
    if (name.empty()) continue;
    names.push_back(name);
    check_plain_name(name + Ansi(".ctt"_a));
    copy_both(context_path(source_folder, name), to_path(name + Ansi(".ctt"_a)));
  }
  return names;
}

std::vector<Message> clear_temp_folder(const fs::path& project_folder) {
  std::vector<Message> failures;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(temp_folder(project_folder), ec)) {
    if (!e.is_regular_file(ec)) continue;
    std::error_code rm;
    if (!fs::remove(e.path(), rm) || rm)
      failures.push_back({"Não consegui excluir " + to_utf8(path_name(e.path())), MessageKind::Error});
  }
  return failures;
}

}  // namespace lumeral::contexts
