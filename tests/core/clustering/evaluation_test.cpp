#include <gtest/gtest.h>

#include "core/base/message.h"
#include "core/clustering/evaluation.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::clustering {
namespace {

using namespace lumeral::testing;
using records::DocRecord;
using records::WordRecord;

TEST(Evaluation, WordListsOfBothKinds) {
  TempDir dir;
  records::write_all<WordRecord>(dir / "a.lpl", {{"casa", 0.2}, {"rio", 0.5}});
  records::write_all<WordRecord>(dir / "b.lpl", {{"casa", 0.4}});
  auto e = evaluate(dir / "a.lpl", dir / "b.lpl", EvaluationMode::WordLists);
  EXPECT_EQ(e.common, 1u);
  EXPECT_EQ(evaluation_lines(e, pt()), (std::vector<Ansi>{"Grau ou valor = 0,31250000", "Elementos comuns= 1"}));

  auto same = evaluate(dir / "a.lpl", dir / "a.lpl", EvaluationMode::WordLists);
  EXPECT_EQ(same.common, 2u);
  EXPECT_DOUBLE_EQ(*same.value, 1.0);

  // A word of weight 0 is never common but counts in the .lpl denominator;
  // a .mtz first file divides by 100 and counts positive entries only.
  records::write_all<WordRecord>(dir / "z.lpl", {{"casa", 0.2}, {"rio", 0}});
  EXPECT_DOUBLE_EQ(*evaluate(dir / "z.lpl", dir / "z.lpl", EvaluationMode::WordLists).value, 1.0 / 3.0);
  records::write_all<WordRecord>(dir / "z.mtz", {{"casa", 20}, {"rio", 0}});
  EXPECT_DOUBLE_EQ(*evaluate(dir / "z.mtz", dir / "z.mtz", EvaluationMode::WordLists).value, 1.0);
}

TEST(Evaluation, DocumentListsEmptyInputsAndTheOrderOfChecks) {
  TempDir dir;
  records::write_all<DocRecord>(dir / "a.ldc", {{"a", 0}, {"b", 0}, {"c", 0}});
  records::write_all<DocRecord>(dir / "b.ldc", {{" b ", 0}, {"c", 0}, {"d", 0}});
  auto e = evaluate(dir / "a.ldc", dir / "b.ldc", EvaluationMode::DocumentLists);
  EXPECT_EQ(e.common, 2u);
  EXPECT_DOUBLE_EQ(*e.value, 0.5);

  records::write_all<WordRecord>(dir / "e1.lpl", {});
  records::write_all<WordRecord>(dir / "e2.lpl", {});
  auto empty = evaluate(dir / "e1.lpl", dir / "e2.lpl", EvaluationMode::WordLists);
  EXPECT_FALSE(empty.value);
  ASSERT_TRUE(empty.stop);
  EXPECT_EQ(evaluation_lines(empty, pt()), std::vector<Ansi>{"Elementos comuns= 0"});
  // Inputs are checked in order.
  records::write_all<WordRecord>(dir / "a.lpl", {{"casa", 0.2}});
  struct {
    fs::path a, b;
    const char* message;
  } cases[] = {
      {"", "", "Você deve selecionar o primeiro elemento"},
      {dir / "a.lpl", "", "Você deve selecionar o segundo elemento"},
      {dir / "x.lpl", dir / "y.lpl", "Arquivo do primeiro elemento não existe"},
      {dir / "a.lpl", dir / "y.lpl", "Arquivo do segundo elemento não existe"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(stop_text([&] { evaluate(c.a, c.b, EvaluationMode::WordLists); }), c.message);
}

std::vector<DocRecord> docs(std::initializer_list<const char*> names) {
  std::vector<DocRecord> r;
  for (auto n : names) r.push_back({Ansi(n), 0});
  return r;
}

TEST(PrecisionRecall, CountsAndMeasures) {
  TempDir dir;
  struct {
    std::vector<DocRecord> ideal, result;
    std::vector<Ansi> lines;
    bool stops;
  } cases[] = {
      {docs({"a.txt", "b.txt", "c.txt", "d.txt"}), docs({"b.txt", "c.txt", "e.txt"}),
       {"Total  de docs na categoria: 4", "Total  de docs recuperados/classificados: 3", "Certos: 2", "Errados: 1",
        "Precision: 0,667", "Recall: 0,500"},
       false},
      // Case and blanks do not matter; .lpl keeps its dot so it does not meet .txt.
      {docs({"DOC1.TXT", " b.txt "}), docs({"doc1.txt", "B.txt", "doc1.lpl"}),
       {"Total  de docs na categoria: 2", "Total  de docs recuperados/classificados: 3", "Certos: 2", "Errados: 1",
        "Precision: 0,667", "Recall: 1,000"},
       false},
      {docs({"a.txt"}), docs({}),
       {"Total  de docs na categoria: 1", "Total  de docs recuperados/classificados: 0", "Certos: 0", "Errados: 0",
        "Recall: 0,000"},
       true},
      {docs({}), docs({"a.txt"}),
       {"Total  de docs na categoria: 0", "Total  de docs recuperados/classificados: 1", "Certos: 0", "Errados: 1",
        "Precision: 0,000"},
       true},
  };
  for (const auto& c : cases) {
    records::write_all(dir / "i.ldc", c.ideal);
    records::write_all(dir / "r.ldc", c.result);
    auto p = precision_recall(dir / "i.ldc", dir / "r.ldc");
    EXPECT_EQ(precision_recall_lines(p, pt()), c.lines);
    EXPECT_EQ(p.stop.has_value(), c.stops);
  }
  EXPECT_EQ(name_key(Ansi(" Doc1.lpl ")), Ansi("doc1."));
  EXPECT_EQ(name_key(Ansi("notes")), Ansi("notes"));
}

}  // namespace
}  // namespace lumeral::clustering
