// Contextual summaries: the sentences of a list's documents that mention
// the entries of chosen contexts (all of them, or at least one) and none of
// the entries of excluded contexts, each with N following sentences,
// presented like the sentence summaries.
#pragma once

#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/reading.h"
#include "core/base/files.h"
#include "core/base/listing.h"
#include "core/base/progress.h"

namespace lumeral::summaries {

struct ContextualOptions {
  std::vector<Ansi> contexts;      // "Contextos", one name per line
  std::vector<Ansi> not_contexts;  // "NOT (não presentes)"
  bool any = false;                // "OR - OU" (else "AND - E")
  int sentences = 0;               // "Número de frases para apresentar" (0 = frase única)
  // How texts and entries are read; none: the reading the documents'
  // folder was prepared with.
  std::optional<Reading> reading;
};

// "Número de frases para apresentar": empty is 0 (a single sentence);
// anything but a whole number from 0 up is refused with a clear message.
int sentences_to_present(AnsiView field);

// "Lista contextos": the names of the context list's records, in file order.
std::vector<Ansi> context_list_names(const fs::path& list);

// The entries of a context ("Termos do Contexto"): name (trimmed) + ".ctt"
// in `folder`, in file order, without weights.
std::vector<Ansi> context_terms(const fs::path& folder, AnsiView name);

// The sentences of a text as this window cuts them: lines joined without
// separator (a blank under the complete reading, so words at line ends
// stay apart), cut after the earlier of "." and "?", case and blanks kept.
std::vector<Ansi> contextual_sentences(const std::vector<Ansi>& lines, Reading reading = Reading::Classic);

// True when `entry` occurs in `sentence` as a word or phrase (not inside a
// longer word), comparing without regard to case (classic: A to Z; the
// reading also says which bytes are word characters).
bool mentions(AnsiView sentence, AnsiView entry, Reading reading = Reading::Classic);

// "Executa RESUMOS". Documents: each record's name cut before its first
// "." + ".txt", in the list's folder; contexts in the context list's
// folder. Result: per document with a shown sentence, the header (" ", 30
// hyphens, the document's name, " "), each matching sentence as "==>  " +
// sentence and up to N following sentences unmarked (a following sentence
// that matches is marked and starts the count again). A document that
// cannot be read stops the run after the lines made so far.
Listing contextual_summary(const fs::path& doc_list, const fs::path& context_list, const ContextualOptions& options,
                           Progress& progress = Progress::none());

}  // namespace lumeral::summaries
