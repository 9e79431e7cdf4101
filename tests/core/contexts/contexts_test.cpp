#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/contexts/contexts.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::contexts {
namespace {

using namespace lumeral::testing;
using namespace lumeral::records;

TEST(Contexts, SavingAListFollowsTheManagersRules) {
  TempDir dir;
  save_context_list(dir / "a.lct",
                    ansi_lines({"Economia | 0,5", "POLÍTICA", "", "  Uma Categoria Muito Longa|2"}), pt());
  auto recs = read_all<ContextListRecord>(dir / "a.lct");
  ASSERT_EQ(recs.size(), 3u);
  EXPECT_EQ(recs[0], (ContextListRecord{Ansi("economia"), 0.5}));
  EXPECT_EQ(recs[1], (ContextListRecord{to_ansi("polÍtica"), 0}));
  EXPECT_EQ(recs[2], (ContextListRecord{Ansi("uma categoria m"), 2}));
  EXPECT_EQ(open_context_list(dir / "a.lct", pt()),
            ansi_lines({"economia | 0,50000000", "polÍtica | 0,00000000", "uma categoria m | 2,00000000"}));
  EXPECT_THROW(save_context_list(dir / "a.lct", ansi_lines({"a|1", "b|x", "c|1"}), pt()), Stop);
  EXPECT_EQ(read_all<ContextListRecord>(dir / "a.lct").size(), 3u);  // the saved list stays whole
}

TEST(Contexts, SavingAContextAndReplacingWeights) {
  TempDir dir;
  auto first = save_context(dir / "economia.ctt",
                            ansi_lines({"taxa de juros", "inflação|0", " Banco Central | 0,75 ", "0123456789012345678901234567890123"}),
                            pt());
  EXPECT_EQ(first, (std::vector<Message>{{"criou novo contexto", MessageKind::Information}}));
  EXPECT_TRUE(save_context(dir / "economia.ctt", open_context(dir / "economia.ctt", pt()), pt()).empty());
  auto recs = read_all<ContextRecord>(dir / "economia.ctt");
  ASSERT_EQ(recs.size(), 4u);
  EXPECT_EQ(recs[0], (ContextRecord{Ansi("taxa de juros"), 1}));
  EXPECT_EQ(recs[1], (ContextRecord{to_ansi("inflação"), 0}));
  EXPECT_EQ(recs[2], (ContextRecord{Ansi("Banco Central"), 0.75}));
  EXPECT_EQ(recs[3].entry.size(), 30u);

  write_all(dir / "l.lct", std::vector<ContextListRecord>{{Ansi("  economia "), 0}});
  EXPECT_EQ(replace_weights(dir / "l.lct", WeightChange::ZeroToOne).text, "Terminou de trocar pesos");
  recs = read_all<ContextRecord>(dir / "economia.ctt");
  EXPECT_EQ(recs[1].weight, 1);
  EXPECT_EQ(recs[2].weight, 0.75);
  replace_weights(dir / "l.lct", WeightChange::AllToOne);
  for (auto& r : read_all<ContextRecord>(dir / "economia.ctt")) EXPECT_EQ(r.weight, 1);
  EXPECT_EQ(read_all<ContextRecord>(dir / "economia.ctt")[0].entry, Ansi("taxa de juros"));

  write_all(dir / "m.lct", std::vector<ContextListRecord>{{Ansi("economia"), 0}, {Ansi("sumido"), 0}});
  EXPECT_THROW(replace_weights(dir / "m.lct", WeightChange::AllToOne), Stop);
}

TEST(Contexts, AMissingContextStopsOpeningAndTheReport) {
  TempDir dir;
  EXPECT_EQ(stop_text([&] { open_context(dir / "nada.ctt", pt()); }), "Não existe arquivo de contexto com este nome");
  write_all(dir / "a.ctt", std::vector<ContextRecord>{{Ansi("bola"), 0.8}, {Ansi("gol"), 1}});
  write_all(dir / "b.ctt", std::vector<ContextRecord>{{to_ansi("juros"), 0.125}});
  write_all(dir / "l.lct", std::vector<ContextListRecord>{{Ansi("a"), 0}, {Ansi("b "), 0}, {Ansi("c"), 0}, {Ansi("d"), 0}});
  EXPECT_EQ(stop_text([&] { write_definitions_report(dir / "l.lct", dir / "r.txt", pt()); }),
            "Contexto não existente: c");
  const std::string dashes(20, '-');
  EXPECT_EQ(read_file(dir / "r.txt"), "\r\n" + dashes + "\r\na\r\n     bola |  0,80\r\n     gol |  1,00\r\n\r\n" + dashes +
                                          "\r\nb\r\n     juros |  0,13\r\n\r\n" + dashes + "\r\nc\r\n");
  write_all(dir / "l.lct", std::vector<ContextListRecord>{{Ansi("a"), 0}});
  EXPECT_EQ(write_definitions_report(dir / "l.lct", dir / "r.txt", pt()).text,
            "Terminou de gravar definições dos contextos");
}

}  // namespace
}  // namespace lumeral::contexts
