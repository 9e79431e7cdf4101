// Sentences of a document's text as the Boolean retrieval and the sentence
// summaries cut them: each line trimmed (the caller lowers the text), cut
// at every "." (and "?" where asked); a sentence is the pending start, one
// blank and the line up to and including its mark, so every sentence
// starts with a blank and a sentence can run over several lines, joined by
// one blank. At the end a non-empty pending start is a last sentence.
#pragma once

#include <cstddef>

#include "core/base/ansi.h"
#include "core/base/text.h"

namespace lumeral::summaries {

class SentenceSplitter {
 public:
  explicit SentenceSplitter(bool question_ends) : question_ends_(question_ends) {}

  // Empties the pending start (a new document).
  void reset() { pending_.clear(); }

  // Feeds one line (already lowered when the caller wants it lowered);
  // calls on_sentence(AnsiView) for every sentence it ends.
  template <class F>
  void line(AnsiView raw, F&& on_sentence) {
    AnsiView rest = trim_view(raw);
    while (true) {
      std::size_t k = question_ends_ ? rest.find_first_of(AnsiView(".?")) : rest.find('.');
      if (k == AnsiView::npos) break;
      sentence_.assign(pending_);
      sentence_ += ' ';
      sentence_.append(rest.substr(0, k + 1));
      pending_.clear();
      rest = trim_view(rest.substr(k + 1));
      on_sentence(AnsiView(sentence_));
    }
    if (!rest.empty()) {
      pending_ += ' ';
      pending_.append(rest);
    }
  }

  // Ends the document: the pending start, when not empty, is a sentence.
  template <class F>
  void finish(F&& on_sentence) {
    if (!pending_.empty()) {
      sentence_.swap(pending_);
      pending_.clear();
      on_sentence(AnsiView(sentence_));
    }
  }

  // Feeds a whole text, line by line (CR LF, LF or CR), then finish().
  template <class F>
  void text(AnsiView all, F&& on_sentence) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
      char c = all[i];
      if (c == '\r' || c == '\n') {
        line(all.substr(start, i - start), on_sentence);
        if (c == '\r' && i + 1 < all.size() && all[i + 1] == '\n') ++i;
        start = i + 1;
      }
    }
    if (start < all.size()) line(all.substr(start), on_sentence);
    finish(on_sentence);
  }

 private:
  bool question_ends_;
  Ansi pending_;
  Ansi sentence_;
};

}  // namespace lumeral::summaries
