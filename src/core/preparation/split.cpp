#include "core/preparation/split.h"

#include <string>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/text.h"

namespace lumeral::preparation {

Ansi document_number(long long k) {
  std::string s = std::to_string(k);
  if (s.size() < 6) s.insert(0, 6 - s.size(), '0');
  return from_bytes(s);
}

std::vector<std::vector<Ansi>> split_documents(const std::vector<Ansi>& lines, AnsiView separator) {
  std::vector<std::vector<Ansi>> docs(1);  // document 1 is open from the start
  bool open = true;
  auto find = [&](AnsiView text, std::size_t from) {
    return separator.empty() ? AnsiView::npos : text.find(separator, from);
  };
  auto open_next = [&] {
    // A document that has received nothing yet (document 1 when the file
    // begins with a separator) takes the separator line itself.
    if (!(open && docs.back().empty())) docs.emplace_back();
    open = true;
  };
  for (const auto& input : lines) {
    AnsiView line = input;
    while (true) {
      std::size_t at = find(line, 0);
      if (at == 0) {
        open_next();
        std::size_t again = find(line, separator.size());
        if (again == AnsiView::npos) {
          docs.back().emplace_back(line);
          break;
        }
        docs.back().push_back(Ansi(separator) + Ansi(" "));
        docs.back().emplace_back(line.substr(separator.size(), again - separator.size()));
        open = false;
        line = line.substr(again);
      } else if (at != AnsiView::npos) {
        if (!open) {  // cannot happen after a closing rule, kept safe
          docs.emplace_back();
          open = true;
        }
        docs.back().emplace_back(line.substr(0, at));
        open = false;
        line = line.substr(at);
      } else {
        if (!open) {
          docs.emplace_back();
          open = true;
        }
        docs.back().emplace_back(line);
        break;
      }
    }
  }
  return docs;
}

std::vector<Ansi> split_file(const fs::path& input, AnsiView separator, AnsiView prefix, const fs::path& out_folder) {
  const Ansi sep = trim(separator);
  const auto docs = split_documents(read_document_lines(input), sep);
  std::vector<Ansi> names;
  names.reserve(docs.size());
  for (std::size_t k = 0; k < docs.size(); ++k) {
    Ansi name = Ansi(prefix) + document_number(static_cast<long long>(k + 1)) + Ansi(".txt");
    write_text_file(out_folder / to_path(name), docs[k]);
    names.push_back(std::move(name));
  }
  return names;
}

std::vector<Ansi> separate_documents(const fs::path& input, AnsiView prefix_field, AnsiView separator_field,
                                     Progress& progress) {
  progress.status("Analisando doc " + to_utf8(path_name(input)));
  fs::path folder = input.parent_path();
  if (folder.empty()) folder = ".";
  auto names = split_file(input, separator_field, trim(prefix_field), folder);
  progress.status("Terminou de fazer a separação");
  return names;
}

}  // namespace lumeral::preparation
