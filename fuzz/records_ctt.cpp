// Contexts (.ctt): the record reader, the context manager's "Abre
// contexto", the query lines of the Boolean retrieval, and every entry read
// as a classification rule and matched against a sentence.
#include "core/classification/rules.h"
#include "core/contexts/contexts.h"
#include "core/records/records.h"
#include "core/retrieval/boolean.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  auto p = fuzz::input_file(data, size, "contexto.ctt");
  fuzz::refusing([&] { (void)contexts::open_context(p, fuzz::regional()); });
  fuzz::refusing([&] { (void)retrieval::context_query_lines(p); });
  fuzz::refusing([&] {
    const Ansi sentence = classification::prepare_sentence(Ansi("O mercado de juros subiu, e o clima mudou."));
    for (const auto& r : records::read_all<records::ContextRecord>(p))
      (void)classification::rule_holds(classification::parse_rule(r.entry), sentence);
  });
  return 0;
}
