#include "core/preparation/html_text.h"

#include <algorithm>
#include <utility>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/preparation/import.h"

namespace lumeral::preparation {

Ansi remove_tags(AnsiView text) {
  // Inside a tag the next "<" or ">" decides, whichever comes first, so one
  // scan for either of them finds it; the text is walked once.
  Ansi out;
  out.reserve(text.size());
  std::size_t pos = 0, depth = 0;
  const std::size_t n = text.size();
  while (pos < n) {
    if (depth == 0) {
      std::size_t lt = text.find('<', pos);
      if (lt == AnsiView::npos) {
        out.append(text.substr(pos));
        break;
      }
      out.append(text.substr(pos, lt - pos));
      ++depth;
      pos = lt + 1;
    } else {
      std::size_t mark = text.find_first_of("<>", pos);
      if (mark == AnsiView::npos) break;  // inside an unclosed tag
      if (text[mark] == '<') ++depth;
      else --depth;
      pos = mark + 1;
    }
  }
  return out;
}

Ansi decode_entities(AnsiView text) {
  static const std::pair<const char*, const char*> kTable[] = {
      {"&nbsp;", " "},         {"&quot;", "."},         {"&aacute;", "\xE1"}, {"&eacute;", "\xE9"},
      {"&iacute;", "\xED"},    {"&oacute;", "\xF3"},    {"&uacute;", "\xFA"}, {"&ccedil;", "\xE7"},
      {"&otilde;", "\xF5"},    {"&atilde;", "\xE3"},    {"&ecirc;", "\xEA"},  {"&acirc;", "\xE2"},
      {"&ocirc;", "\xF4"},     {"&amp;", "&"},
  };
  Ansi s(text);
  Ansi out;
  for (const auto& [name, value] : kTable) {
    for (char& c : s) c = lower_az(c);
    const AnsiView entity(name);
    const AnsiView replacement(value);
    // Replacing the first occurrence and searching again from the start
    // gives what one left-to-right pass gives: an entity holds its "&" only
    // at its start and no replacement text holds a letter or ";", so a
    // replacement can only start a new occurrence where it begins, when it
    // is the entity's own first part ("&amp;" gives "&", and "&amp;amp;"
    // then gives "&" again). The pass eats such repeats in place.
    const bool rebuilds = entity.substr(0, replacement.size()) == replacement;
    const AnsiView rest = entity.substr(replacement.size());
    out.clear();
    out.reserve(s.size());
    std::size_t from = 0;
    while (true) {
      std::size_t at = s.find(entity.data(), from, entity.size());
      if (at == Ansi::npos) break;
      out.append(s, from, at - from);
      out.append(replacement);
      from = at + entity.size();
      if (rebuilds)
        while (AnsiView(s).substr(from, rest.size()) == rest) from += rest.size();
    }
    if (from == 0) continue;  // nothing replaced: the lowered text stands
    out.append(s, from, Ansi::npos);
    s.swap(out);
  }
  return s;
}

Ansi html_to_text(const std::vector<Ansi>& lines) {
  Ansi joined;
  for (const auto& l : lines) {
    joined += ' ';
    joined += l;
    joined += ' ';
  }
  return decode_entities(remove_tags(joined));
}

void convert_html_file(const fs::path& in, const fs::path& out) {
  write_text_file(out, {html_to_text(read_document_lines(in))});
}

bool is_html_name(AnsiView name) {
  auto ends_ci = [&](AnsiView ext) {
    return name.size() >= ext.size() && equals_ci(name.substr(name.size() - ext.size()), ext);
  };
  return ends_ci(AnsiView(".htm")) || ends_ci(AnsiView(".html"));
}

std::vector<Ansi> list_html_files(const fs::path& folder, const Regional& regional) {
  return list_folder_files(folder, [](AnsiView name) { return is_html_name(name); }, regional);
}

Ansi html_tool_output_name(AnsiView entry) {
  Ansi t = trim(entry);
  std::size_t dot = t.find('.');
  return (dot == Ansi::npos ? Ansi() : t.substr(0, dot + 1)) + Ansi("txt");
}

std::vector<fs::path> convert_html_entries(const fs::path& folder, const std::vector<Ansi>& entries,
                                           Progress& progress) {
  std::vector<fs::path> written;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    progress.checkpoint();
    progress.status("Analisando doc " + std::to_string(i + 1) + " de " + std::to_string(entries.size()));
    Ansi entry = trim(entries[i]);
    fs::path out = folder / to_path(html_tool_output_name(entry));
    convert_html_file(lookup(folder, entry), out);
    written.push_back(out);
  }
  progress.status("Fim da operação");
  return written;
}

std::vector<Ansi> read_entry_list(const fs::path& p) { return read_document_lines(p); }

fs::path save_entry_list(const fs::path& chosen, const std::vector<Ansi>& entries) {
  fs::path out = chosen;
  out += ".txt";
  write_text_file(out, entries);
  return out;
}

}  // namespace lumeral::preparation
