#include <gtest/gtest.h>

#include "core/base/message.h"
#include "core/comparison/percentages.h"
#include "core/comparison/rule_comparison.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::comparison {
namespace {

using namespace lumeral::testing;

TEST(Percentages, SharesOfTheCollectionAndAnEmptyList) {
  TempDir dir;
  records::write_all(dir / "l.ldc", std::vector<records::DocRecord>(8, {Ansi("d.txt"), 0}));
  records::write_all<records::WordRecord>(dir / "c.lpl",
                                          {{"casa", 3}, {"meio-ambiente", 8}, {"media", 0.5}, {"muito", 12}});
  auto pt = Regional::for_locale("pt_BR");
  auto r = compute_percentages(dir / "l.ldc", dir / "c.lpl", pt);
  EXPECT_EQ(r.document_count, 8u);
  EXPECT_EQ(r.context_count, 4u);
  EXPECT_EQ(percentage_lines(r.rows),
            (std::vector<Ansi>{"casa - 37,5%", "meio-ambiente - 100,0%", "media - 6,3%", "muito - 150,0%"}));
  auto en = Regional::for_locale("en_US");
  EXPECT_EQ(percentage_line(compute_percentages(dir / "l.ldc", dir / "c.lpl", en).rows[0]), Ansi("casa - 37.5%"));

  // A name with a hyphen sorts by its percentage.
  sort_percentages(r.rows, pt);
  EXPECT_EQ(percentage_lines(r.rows),
            (std::vector<Ansi>{"muito - 150,0%", "meio-ambiente - 100,0%", "casa - 37,5%", "media - 6,3%"}));
  // An empty document list stops with a message.
  records::write_all<records::DocRecord>(dir / "l.ldc", {});
  EXPECT_EQ(stop_text([&] { compute_percentages(dir / "l.ldc", dir / "c.lpl", pt); }),
            "A lista de documentos está vazia: não há documentos para calcular as porcentagens.");
}

TEST(RuleComparison, CommonAndExclusiveRules) {
  TempDir dir;
  write_file(dir / "a.txt", "a->b /conf= 50,00%\r\nb->c /conf= 10,00%\r\nB->C / x\r\n\r\n");
  write_file(dir / "b.txt", "  b->c  /conf= 99,00%\r\nc->d /sup= 1\r\n\r\n");
  auto r = compare_rules({dir / "a.txt", dir / "b.txt"});
  EXPECT_EQ(r.file_names, (std::vector<Ansi>{"a.txt", "b.txt"}));
  EXPECT_EQ(r.common, (std::vector<Ansi>{"b->c", ""}));
  EXPECT_EQ(r.exclusive, (std::vector<Ansi>{"", "-------------------------", "a.txt", "", "a->b", "B->C", "",
                                            "-------------------------", "b.txt", "", "c->d"}));
  EXPECT_EQ(stop_text([&] { compare_rules({dir / "a.txt"}); }), "Selecionar mais de um arquivo com regras !");
  EXPECT_THROW(compare_rules({dir / "a.txt", dir / "nada.txt"}), Stop);
}

}  // namespace
}  // namespace lumeral::comparison
