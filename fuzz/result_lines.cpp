// Result lines read back from text files ("Abre resultado"): the rules of
// the data-mining window, the percentages and the classification by
// highest weight. Each reader keeps its promise: a line its formatter
// writes back the same becomes a row, any other keeps its text, and a
// rule row's parts are what the mining panel's parse gives for its line.
#include <cstdlib>

#include "core/classification/highest.h"
#include "core/comparison/percentages.h"
#include "core/mining/rule_lines.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  for (const Ansi& line : fuzz::lines(data, size)) {
    const mining::Rule rule = mining::rule_of_line(line);
    const Ansi back = mining::rule_line(rule);
    if (back != line) std::abort();
    if (mining::rule_parts(rule) != mining::parse_rule_line(back)) std::abort();
    (void)mining::confidence_key(rule);
    (void)mining::count_key(rule);
    const comparison::PercentageRow share = comparison::percentage_of_line(line);
    if (comparison::percentage_line(share) != line) std::abort();
  }
  fuzz::refusing([&] {
    const auto rows = classification::open_result_text(fuzz::input_file(data, size, "resultado.txt"));
    (void)classification::highest_lines(rows);
    (void)classification::select_category(rows, Ansi("esporte"));
  });
  return 0;
}
