#include "core/preparation/split.h"

#include <string>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
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

namespace {

Ansi piece_name(AnsiView prefix, std::size_t k) {
  return Ansi(prefix) + document_number(static_cast<long long>(k + 1)) + Ansi(".txt");
}

std::vector<Ansi> write_pieces(const std::vector<std::vector<Ansi>>& docs, AnsiView prefix, const fs::path& out_folder) {
  std::vector<Ansi> names;
  names.reserve(docs.size());
  for (std::size_t k = 0; k < docs.size(); ++k) {
    Ansi name = piece_name(prefix, k);
    write_text_file(out_folder / to_path(name), docs[k]);
    names.push_back(std::move(name));
  }
  return names;
}

}  // namespace

std::vector<Ansi> split_file(const fs::path& input, AnsiView separator, AnsiView prefix, const fs::path& out_folder) {
  return write_pieces(split_documents(read_document_lines(input), trim(separator)), prefix, out_folder);
}

std::vector<Ansi> separate_documents(const fs::path& input, AnsiView prefix_field, AnsiView separator_field,
                                     Progress& progress) {
  const Ansi input_name = path_name(input);
  progress.status("Analisando doc " + to_utf8(input_name));
  fs::path folder = input.parent_path();
  if (folder.empty()) folder = ".";
  const Ansi prefix = trim(prefix_field);
  const auto docs = split_documents(read_document_lines(input), trim(separator_field));
  // The input keeps its name: a piece of the same name would replace it
  // (and a failure after that would lose text), so that split is refused.
  for (std::size_t k = 0; k < docs.size(); ++k) {
    Ansi name = piece_name(prefix, k);
    if (equals_ci(name, input_name)) {
      throw Stop("O arquivo \"" + to_utf8(input_name) +
                 "\" tem o nome de um dos documentos resultantes e seria substituído por ele. Escolha outro nome "
                 "inicial ou renomeie o arquivo antes de separar.");
    }
  }
  auto names = write_pieces(docs, prefix, folder);
  progress.status("Terminou de fazer a separação");
  return names;
}

}  // namespace lumeral::preparation
