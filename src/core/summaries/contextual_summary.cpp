#include "core/summaries/contextual_summary.h"

#include <string>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/contexts/contexts.h"
#include "core/preparation/collection.h"
#include "core/preparation/tokenizer.h"
#include "core/records/records.h"
#include "core/records/document_list.h"

namespace lumeral::summaries {

namespace {

// A mentioned entry may not continue into a word character (the word
// lists' own definition of what makes a word).
bool is_word_byte(char ch, Reading reading) { return preparation::is_word_char(static_cast<unsigned char>(ch), reading); }

struct Context {
  std::vector<Ansi> entries;  // trimmed, lowered, non-empty
};

Context load_context(const fs::path& folder, AnsiView name, Reading reading) {
  Context c;
  for (const auto& e : context_terms(folder, name)) {
    Ansi t = lower(reading, trim_view(e));
    if (!t.empty()) c.entries.push_back(std::move(t));
  }
  return c;
}

bool mentions_lowered(AnsiView lowered_sentence, AnsiView lowered_entry, Reading r) {
  for (std::size_t p = lowered_sentence.find(lowered_entry); p != AnsiView::npos;
       p = lowered_sentence.find(lowered_entry, p + 1)) {
    std::size_t end = p + lowered_entry.size();
    const bool starts =
        p == 0 || !is_word_byte(lowered_sentence[p - 1], r) || !is_word_byte(lowered_entry.front(), r);
    const bool ends = end == lowered_sentence.size() || !is_word_byte(lowered_sentence[end], r) ||
                      !is_word_byte(lowered_entry.back(), r);
    if (starts && ends) return true;
  }
  return false;
}

bool mentions_any(AnsiView lowered_sentence, const Context& c, Reading r) {
  for (const auto& e : c.entries)
    if (mentions_lowered(lowered_sentence, e, r)) return true;
  return false;
}

std::vector<Ansi> names_of(const std::vector<Ansi>& lines) {
  std::vector<Ansi> names;
  for (const auto& l : lines) {
    Ansi t = trim(l);
    if (!t.empty()) names.push_back(std::move(t));
  }
  return names;
}

}  // namespace

std::vector<Ansi> context_list_names(const fs::path& list) {
  std::vector<Ansi> names;
  for (auto& r : records::read_all<records::ContextListRecord>(list)) names.push_back(std::move(r.name));
  return names;
}

std::vector<Ansi> context_terms(const fs::path& folder, AnsiView name) {
  std::vector<Ansi> terms;
  for (auto& r : records::read_all<records::ContextRecord>(contexts::context_path(folder, name)))
    terms.push_back(std::move(r.entry));
  return terms;
}

std::vector<Ansi> contextual_sentences(const std::vector<Ansi>& lines, Reading reading) {
  Ansi text;
  for (const auto& l : lines) {
    if (reading == Reading::Complete && !text.empty()) text += ' ';
    text += l;
  }
  std::vector<Ansi> out;
  AnsiView rest(text);
  while (!rest.empty()) {
    std::size_t k = rest.find_first_of(AnsiView(".?"));
    if (k == AnsiView::npos) {
      out.emplace_back(rest);
      break;
    }
    out.emplace_back(rest.substr(0, k + 1));
    rest = rest.substr(k + 1);
  }
  return out;
}

bool mentions(AnsiView sentence, AnsiView entry, Reading reading) {
  Ansi e = lower(reading, trim_view(entry));
  return !e.empty() && mentions_lowered(lower(reading, sentence), e, reading);
}

int sentences_to_present(AnsiView field) {
  AnsiView t = trim_view(field);
  if (t.empty()) return 0;
  long long n = 0;
  for (char c : t) {
    if (c < '0' || c > '9' || n > 1000000)
      throw Stop("O número de frases para apresentar deve ser um número inteiro de 0 em diante.");
    n = n * 10 + (c - '0');
  }
  return static_cast<int>(n);
}

Listing contextual_summary(const fs::path& doc_list, const fs::path& context_list, const ContextualOptions& options,
                           Progress& progress) {
  if (doc_list.empty()) throw Stop("Selecione antes uma lista de documentos");
  if (context_list.empty()) throw Stop("Selecione antes uma lista de contextos");
  const auto wanted_names = names_of(options.contexts);
  const auto not_names = names_of(options.not_contexts);
  if (wanted_names.empty()) throw Stop("Informe ao menos um contexto em \"Contextos\".");
  if (options.sentences < 0) throw Stop("O número de frases para apresentar não pode ser negativo.");

  const fs::path doc_folder = doc_list.parent_path();
  const Reading r = options.reading ? *options.reading : preparation::collection_reading(doc_folder);
  const fs::path context_folder = context_list.parent_path();
  std::vector<Context> wanted, excluded;
  for (const auto& n : wanted_names) wanted.push_back(load_context(context_folder, n, r));
  for (const auto& n : not_names) excluded.push_back(load_context(context_folder, n, r));

  auto shown = [&](AnsiView sentence) {
    Ansi lowered = lower(r, sentence);
    for (const auto& c : excluded)
      if (mentions_any(lowered, c, r)) return false;
    if (options.any) {
      for (const auto& c : wanted)
        if (mentions_any(lowered, c, r)) return true;
      return false;
    }
    for (const auto& c : wanted)
      if (!mentions_any(lowered, c, r)) return false;
    return true;
  };

  const auto docs = records::read_document_names(doc_list);
  Listing result = listing_of([&](std::vector<Ansi>& out) {
    for (std::size_t i = 0; i < docs.size(); ++i) {
      progress.status("Analisando doc " + std::to_string(i + 1) + " de " + std::to_string(docs.size()));
      Ansi name = docs[i];
      if (r == Reading::Complete) {
        // Documents named after their source ("ata 2023.pdf.txt") hold dots
        // of their own: the companion rule finds their text.
        name = companion_name(name, AnsiView("txt"));
      } else {
        std::size_t dot = name.find('.');
        if (dot != Ansi::npos) name.resize(dot);
        name += Ansi(".txt");
      }
      auto sentences = contextual_sentences(read_document_lines(lookup(doc_folder, name)), r);
      bool header = true;
      std::size_t after = 0;
      for (const auto& s : sentences) {
        if (shown(s)) {
          if (header) {
            header = false;
            out.push_back(Ansi(" "));
            out.push_back(Ansi(30, '-'));
            out.push_back(name);
            out.push_back(Ansi(" "));
          }
          out.push_back(Ansi("==>  ") + s);
          after = static_cast<std::size_t>(options.sentences);
        } else if (after > 0) {
          out.push_back(s);
          --after;
        }
      }
    }
  });
  if (!result.stop) progress.status("Terminou os resumos");
  return result;
}

}  // namespace lumeral::summaries
