// Helpers of the retrieval, summary and clustering window tests: what the
// text viewer shows, and a file's text lines as stored.
#pragma once

#include <QPlainTextEdit>

#include "core/base/files.h"
#include "gui/base/form.h"
#include "gui/retrieval/result_recuperasim.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {

// The lines the text viewer shows, as stored text.
inline std::vector<Ansi> viewer_lines(const Windows& windows) {
  std::vector<Ansi> out;
  const QString text = ui(windows.result_recsim).Memo1->toPlainText();
  if (text.isEmpty()) return out;
  for (const QString& line : text.split('\n')) out.push_back(ansi(line));
  return out;
}

// The lines of a text file the program wrote or reads (ANSI, CR LF).
inline std::vector<Ansi> text_lines(const fs::path& p) { return read_document_lines(p); }

// lumeral-cli's output lines as stored text.
inline std::vector<Ansi> stored_lines(const std::string& utf8) {
  std::vector<Ansi> out;
  for (const auto& l : lines_of(utf8)) out.push_back(to_ansi(l));
  return out;
}

// The names of a record file as `lumeral-cli dump` prints them (the text
// before the first tab of each line).
inline std::vector<std::string> dumped_names(const std::string& out) {
  std::vector<std::string> names;
  for (const auto& l : lines_of(out)) names.push_back(l.substr(0, l.find('\t')));
  return names;
}

}  // namespace lumeral::gui::testing
