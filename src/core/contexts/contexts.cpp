// Context lists and contexts; record layouts in docs/formats.md.
#include "core/contexts/contexts.h"

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/records/weighted.h"

namespace lumeral::contexts {

using namespace lumeral::literals;
using records::ContextListRecord;
using records::ContextRecord;

fs::path context_path(const fs::path& folder, AnsiView name) { return lookup(folder, trim(name) + Ansi(".ctt"_a)); }

std::vector<Ansi> open_context_list(const fs::path& list, const Regional& regional) {
  std::vector<Ansi> lines;
  for (const auto& r : records::read_all<ContextListRecord>(list))
    lines.push_back(trim(r.name) + Ansi(" | "_a) + regional.format(r.weight, "0.00000000"));
  return lines;
}

void save_context_list(const fs::path& list, const std::vector<Ansi>& lines, const Regional& regional) {
  records::Writer<ContextListRecord> out(list);
  for (const auto& line : lines) {
    if (trim_view(line).empty()) continue;
    auto parts = records::split_weighted(line);
    double weight = parts.has_bar ? regional.parse(parts.weight_text) : 0.0;
    out.write({cut(lower_az(parts.term), 15), weight});
  }
  out.close();
}

std::vector<Ansi> open_context(const fs::path& context, const Regional& regional) {
  std::error_code ec;
  if (!fs::is_regular_file(context, ec)) throw Stop("Não existe arquivo de contexto com este nome");
  std::vector<Ansi> lines;
  for (const auto& r : records::read_all<ContextRecord>(context))
    lines.push_back(trim(r.entry) + Ansi(" | "_a) + regional.format(r.weight, "0.0000"));
  return lines;
}

std::vector<Message> save_context(const fs::path& context, const std::vector<Ansi>& lines, const Regional& regional) {
  std::vector<Message> messages;
  std::error_code ec;
  if (!fs::exists(context, ec)) messages.push_back({"criou novo contexto", MessageKind::Information});
  records::Writer<ContextRecord> out(context);
  for (const auto& line : lines) {
    if (trim_view(line).empty()) continue;
    auto parts = records::split_weighted(line);
    double weight = parts.has_bar ? regional.parse(parts.weight_text) : 1.0;
    out.write({cut(parts.term, 30), weight});
  }
  out.close();
  return messages;
}

Message replace_weights(const fs::path& list, WeightChange change) {
  const fs::path folder = list.parent_path();
  // All contexts or none: each is staged, and they replace the old ones
  // together once every one was written.
  StagedFiles staged;
  for (const auto& entry : records::read_all<ContextListRecord>(list)) {
    fs::path file = context_path(folder, entry.name);
    auto recs = records::read_all<ContextRecord>(file);
    for (auto& r : recs)
      if (change == WeightChange::AllToOne || r.weight == 0.0) r.weight = 1.0;
    staged.stage(file, records::encode_all(recs));
  }
  staged.commit();
  return {"Terminou de trocar pesos", MessageKind::Information};
}

Message write_definitions_report(const fs::path& list, const fs::path& report, const Regional& regional) {
  const fs::path folder = list.parent_path();
  const auto entries = records::read_all<ContextListRecord>(list);
  std::vector<Ansi> lines;
  for (const auto& entry : entries) {
    Ansi name = trim(entry.name);
    lines.emplace_back();
    lines.emplace_back(20, '-');
    lines.push_back(name);
    fs::path file = context_path(folder, name);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
      write_text_file(report, lines);
      throw Stop("Contexto não existente: " + to_utf8(name));
    }
    for (const auto& r : records::read_all<ContextRecord>(file))
      lines.push_back(Ansi("     "_a) + trim(r.entry) + Ansi(" |  "_a) + regional.format(r.weight, "0.00"));
  }
  write_text_file(report, lines);
  return {"Terminou de gravar definições dos contextos", MessageKind::Information};
}

}  // namespace lumeral::contexts
