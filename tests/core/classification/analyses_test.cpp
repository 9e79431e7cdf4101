// Classification by highest weight, by concepts, and contextual retrieval.
#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/classification/concepts.h"
#include "core/classification/contextual_query.h"
#include "core/classification/highest.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::classification {
namespace {

using namespace lumeral::testing;
using namespace lumeral::records;

void matrix(const fs::path& p, std::vector<std::pair<const char*, double>> recs) {
  std::vector<WordRecord> r;
  for (auto& [n, w] : recs) r.push_back({Ansi(n), w});
  write_all(p, r);
}

TEST(Highest, AssignsTheFirstGreatestDegree) {
  TempDir dir;
  write_all(dir / "d.ldc", std::vector<DocRecord>{{Ansi("noticia1.txt"), 0},
                                                  {Ansi("noticia2.txt"), 0},
                                                  {Ansi("NOTICIA3.TXT"), 0},
                                                  {Ansi("notas"), 0}});
  matrix(dir / "noticia1.mtz", {{"economia", 0.2}, {"esporte", 0.75}, {"politica", 0.75}});
  matrix(dir / "noticia2.mtz", {{"economia", 0}, {"esporte", -1}});
  matrix(dir / "noticia3.mtz", {{"esporte", 0.4}, {"economia", 0.4}});
  matrix(dir / "notasmtz", {{"economia ", 3}});
  auto got = classify_highest(dir / "d.ldc", pt());
  EXPECT_FALSE(got.stop);
  EXPECT_EQ(highest_lines(got.rows), ansi_lines({"noticia1.mtz => esporte | 0,75000", "noticia2.mtz =>  | 0,00000",
                                                 "NOTICIA3.mtz => esporte | 0,40000", "notasmtz => economia | 3,00000"}));
  EXPECT_EQ(highest_lines(select_category(got.rows, Ansi(" esporte "))),
            ansi_lines({"noticia1.mtz => esporte | 0,75000", "NOTICIA3.mtz => esporte | 0,40000"}));
  EXPECT_TRUE(select_category(got.rows, Ansi("Esporte")).empty());
  EXPECT_EQ(highest_lines(select_category(got.rows, Ansi(""))), ansi_lines({"noticia2.mtz =>  | 0,00000"}));

  save_highest_as_doc_list(dir / "r.ldc", got.rows);
  EXPECT_EQ(read_all<DocRecord>(dir / "r.ldc"), (std::vector<DocRecord>{{Ansi("noticia1.txt"), 0},
                                                                         {Ansi("noticia2.txt"), 0},
                                                                         {Ansi("noticia3.txt"), 0},
                                                                         {Ansi("notas"), 0}}));
  // Read back: the same rows; a line laid out otherwise keeps its text and
  // is selected as the line reads.
  auto lines = highest_lines(got.rows);
  lines.push_back(Ansi("x.mtz =>  esporte |1"));
  lumeral::write_text_file(dir / "r.txt", lines);
  auto back = open_result_text(dir / "r.txt");
  EXPECT_EQ(std::vector<HighestRow>(back.begin(), back.end() - 1), got.rows);
  EXPECT_TRUE(back.back().text);
  EXPECT_EQ(highest_lines(back), lines);
  EXPECT_EQ(select_category(back, Ansi("esporte")).size(), 3u);

  fs::remove(dir / "noticia3.mtz");
  got = classify_highest(dir / "d.ldc", pt());
  ASSERT_TRUE(got.stop);
  EXPECT_EQ(got.stop->text, "Fazer classificação antes !");
  EXPECT_EQ(got.rows.size(), 2u);
}

struct ConceptFixture {
  TempDir dir;
  ConceptFixture() {
    write_all(dir / "d.ldc", std::vector<DocRecord>{{Ansi("noticia1.txt"), 0},
                                                    {Ansi("noticia2.txt"), 0},
                                                    {Ansi("notas"), 0}});
    matrix(dir / "noticia1.mtz", {{"esporte", 0.3}, {"futebol", 0}, {"economia", 0.9}});
    matrix(dir / "noticia2.mtz", {{"esporte", 0.1}, {"futebol", 0.5}, {"economia", 0}});
    matrix(dir / "notasmtz", {{"economia", 2}});
  }
  ConceptQuery query(ConceptMethod m, std::vector<Ansi> pos, std::vector<Ansi> neg = {}) {
    return {dir / "d.ldc", std::move(pos), std::move(neg), m};
  }
};

TEST(Concepts, ScoresTable) {
  ConceptFixture f;
  struct {
    ConceptMethod method;
    std::vector<Ansi> positive, negative;
    std::vector<Ansi> expected;
  } cases[] = {
      {ConceptMethod::Simple, ansi_lines({"esporte | 1", "futebol | 0,5"}), {},
       ansi_lines({"noticia2 | 1,50", "noticia1 | 1,00"})},
      {ConceptMethod::Simple, ansi_lines({"esporte | 1", "futebol | 0,5"}), ansi_lines({" esporte"}),
       ansi_lines({"noticia2 | 0,50"})},
      {ConceptMethod::Simple, ansi_lines({"esporte | 1", "economia | -2"}), {}, ansi_lines({"noticia2 | 1,00"})},
      {ConceptMethod::Simple, ansi_lines({"economia|0,25", ""}), {}, ansi_lines({"noticia1 | 0,25", "notas | 0,25"})},
      {ConceptMethod::Pairs, ansi_lines({"esporte | futebol", "esporte | economia"}), {},
       ansi_lines({"noticia1 | 1,00", "noticia2 | 1,00"})},
      {ConceptMethod::Pairs, ansi_lines({"economia|economia", "esporte|economia"}), ansi_lines({"economia"}),
       ansi_lines({"noticia1 | 2,00", "notas | 1,00"})},
  };
  for (const auto& c : cases) {
    auto r = classify_concepts(f.query(c.method, c.positive, c.negative), pt());
    EXPECT_FALSE(r.stop);
    EXPECT_EQ(r.documents, 3u);
    EXPECT_EQ(concept_lines(r.rows), c.expected) << to_utf8(c.positive[0]);
  }
}

TEST(Concepts, MessagesAndStops) {
  ConceptFixture f;
  EXPECT_EQ(stop_text([&] { classify_concepts(f.query(ConceptMethod::Simple, ansi_lines({" ", ""})), pt()); }),
            "Fornecer lista de contextos positivos");
  EXPECT_EQ(stop_text([&] { classify_concepts({{}, ansi_lines({"a|1"}), {}, ConceptMethod::Simple}, pt()); }),
            "Fornecer lista de documentos");
  EXPECT_NE(stop_text([&] { classify_concepts(f.query(ConceptMethod::Simple, ansi_lines({"a|x"})), pt()); }), "");
  fs::remove(f.dir / "notasmtz");
  auto r = classify_concepts(f.query(ConceptMethod::Simple, ansi_lines({"economia|1"})), pt());
  ASSERT_TRUE(r.stop);
  EXPECT_EQ(r.stop->text, "Fazer classificação antes !");
  EXPECT_EQ(concept_lines(r.rows), ansi_lines({"noticia1 | 1,00"}));
  EXPECT_EQ(stop_text([&] { save_concept_matrix(f.dir.path(), {}, r.rows, Ansi("  "), pt()); }),
            "Você deve fornecer o nome do contexto");
}

// The record is appended to the matrix the score was read from, whatever
// the shape of the document-list entry.
TEST(Concepts, SavingAsMatrixWritesTheMatrixTheScoreCameFromAndARowNamesItsDocument) {
  struct {
    const char* entry;
    const char* matrix;  // the classification's companion of the entry
  } cases[] = {{"doc3.txt.lpl", "doc3.txt.mtz"}, {"notas3", "notas3mtz"}, {"rel.2004.txt", "rel.2004.mtz"}};
  for (const auto& c : cases) {
    TempDir dir;
    write_all(dir / "d.ldc", std::vector<DocRecord>{{Ansi(c.entry), 0}});
    matrix(dir / c.matrix, {{"economia", 0.9}});
    auto r = classify_concepts({dir / "d.ldc", ansi_lines({"economia | 1"}), {}, ConceptMethod::Simple}, pt());
    ASSERT_FALSE(r.stop) << c.entry << ": " << r.stop->text;
    ASSERT_EQ(r.rows.size(), 1u) << c.entry;
    save_concept_matrix(dir.path(), dir / "d.ldc", r.rows, Ansi("novo"), pt());
    EXPECT_EQ(read_all<WordRecord>(dir / c.matrix),
              (std::vector<WordRecord>{{Ansi("economia"), 0.9}, {Ansi("novo"), 1}}))
        << c.entry;
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 2u) << c.entry << ": no other matrix is written";
  }
  // A row names its document.
  EXPECT_EQ(concept_document_file({Ansi(" relatorio.2004"), Ansi("2")}), Ansi("relatorio.2004.txt"));
  EXPECT_EQ(concept_document_file({Ansi(" "), Ansi("1,00")}), Ansi());
}

TEST(Concepts, SavingAsMatrixReplacesTheConceptsRecord) {
  ConceptFixture f;
  auto r = classify_concepts(f.query(ConceptMethod::Simple, ansi_lines({"esporte | 1", "futebol | 0,5"})), pt());
  save_concept_matrix(f.dir.path(), {}, r.rows, Ansi("conceito-esporte-2004"), pt());
  save_concept_matrix(f.dir.path(), {}, r.rows, Ansi("conceito-esporte-2004"), pt());
  EXPECT_EQ(read_all<WordRecord>(f.dir / "noticia2.mtz"),
            (std::vector<WordRecord>{{Ansi("esporte"), 0.1},
                                     {Ansi("futebol"), 0.5},
                                     {Ansi("economia"), 0},
                                     {Ansi("conceito-esport"), 1.5}}));
  // A concept of a document without extension goes into its own matrix;
  // a document with no matrix yet gets one.
  save_concept_matrix(f.dir.path(), {}, {{Ansi("notas"), Ansi("2,00")}, {Ansi("novo"), Ansi("0,5")}}, Ansi("c"), pt());
  EXPECT_EQ(read_all<WordRecord>(f.dir / "notasmtz").back(), (WordRecord{Ansi("c"), 2}));
  EXPECT_EQ(read_all<WordRecord>(f.dir / "novo.mtz"), (std::vector<WordRecord>{{Ansi("c"), 0.5}}));

  save_concepts_as_doc_list(f.dir / "r.ldc", {{Ansi("Noticia2"), Ansi("1,50")}}, pt());
  EXPECT_EQ(read_all<DocRecord>(f.dir / "r.ldc"), (std::vector<DocRecord>{{Ansi("noticia2.txt"), 1.5}}));
}

TEST(ContextualQuery, RelevancesAndScores) {
  TempDir dir;
  save_query(dir / "q.cst", ansi_lines({"Bola", " gol ", "nada"}), ansi_lines({"1", "0,5", "2"}), pt());
  EXPECT_EQ(read_all<WordRecord>(dir / "q.cst"),
            (std::vector<WordRecord>{{Ansi("bola"), 1}, {Ansi("gol"), 0.5}, {Ansi("nada"), 2}}));
  auto fields = open_query(dir / "q.cst", pt());
  EXPECT_EQ(fields.words, ansi_lines({"bola", "gol", "nada"}));
  EXPECT_EQ(fields.weights, ansi_lines({"1,000000", "0,500000", "2,000000"}));

  write_all(dir / "esporte.ctt", std::vector<ContextRecord>{{Ansi("bola"), 0.8}, {Ansi("gol"), 0.6}});
  write_all(dir / "economia.ctt", std::vector<ContextRecord>{{Ansi("Bola"), 1}, {Ansi("gol"), 0.5}});
  write_all(dir / "politica.ctt", std::vector<ContextRecord>{{Ansi("voto"), 1}});
  write_all(dir / "c.lct", std::vector<ContextListRecord>{{Ansi("esporte"), 0}, {Ansi("economia"), 0}, {Ansi("politica"), 7}});
  write_all(dir / "d.ldc", std::vector<DocRecord>{{Ansi("a.txt"), 0}, {Ansi("arq.novo.txt"), 9}, {Ansi("c.txt"), 0}});
  matrix(dir / "a.mtz", {{"esporte", 0.5}, {"economia", 0.2}, {"politica", 1}});
  matrix(dir / "arq.novo.mtz", {{"esporte", 0}, {"economia", 1}});
  matrix(dir / "arq.mtz", {{"esporte", 1}});
  matrix(dir / "c.mtz", {{"esporte", 0.1}});
  EXPECT_EQ(stop_text([&] { run_query(dir / "d.ldc", dir / "c.lct", {}); }),
            "Selecionar uma consulta (abrindo ou gravando)");
  run_query(dir / "d.ldc", dir / "c.lct", dir / "q.cst");
  auto ctx = read_all<ContextListRecord>(dir / "c.lct");
  EXPECT_EQ(ctx[0].weight, 1.0);    // 0,8 + 0,3 = 1,1 stored as 1
  EXPECT_EQ(ctx[1].weight, 0.25);   // 'Bola' never matches 'bola'
  EXPECT_EQ(ctx[2].weight, 0.0);
  auto docs = read_all<DocRecord>(dir / "d.ldc");
  EXPECT_DOUBLE_EQ(docs[0].weight, 0.5 * 1 + 0.2 * 0.25);
  EXPECT_EQ(docs[1].weight, 0.25);  // from arq.novo.mtz, not arq.mtz
  EXPECT_DOUBLE_EQ(docs[2].weight, 0.1);
  EXPECT_EQ(records::weighted_row_lines(query_results(dir / "d.ldc", Ansi("0,2"), pt())),
            ansi_lines({"a.txt | 0,5500000", "arq.novo.txt | 0,2500000"}));
  EXPECT_EQ(query_results(dir / "d.ldc", Ansi(""), pt()).size(), 3u);

  // A missing matrix stops the run; the documents scored before it keep
  // their new scores, the others their old ones.
  fs::remove(dir / "arq.novo.mtz");
  write_all(dir / "d.ldc", std::vector<DocRecord>{{Ansi("a.txt"), 0}, {Ansi("arq.novo.txt"), 9}, {Ansi("c.txt"), 4}});
  EXPECT_NE(stop_text([&] { run_query(dir / "d.ldc", dir / "c.lct", dir / "q.cst"); }).find("arq.novo.mtz"),
            std::string::npos);
  docs = read_all<DocRecord>(dir / "d.ldc");
  EXPECT_DOUBLE_EQ(docs[0].weight, 0.55);
  EXPECT_EQ(docs[1].weight, 9);
  EXPECT_EQ(docs[2].weight, 4);

  // A context opens as a query; a save with a weight missing writes nothing.
  write_all(dir / "x.ctt", std::vector<ContextRecord>{{Ansi("taxa de juros"), 0.5}});
  fields = open_query(dir / "x.ctt", pt());
  EXPECT_EQ(fields.words, ansi_lines({"taxa de juros"}));
  EXPECT_EQ(fields.weights, ansi_lines({"0,500000"}));
  EXPECT_THROW(save_query(dir / "y.cst", ansi_lines({"a", "b"}), ansi_lines({"1"}), pt()), Stop);
  EXPECT_FALSE(fs::exists(dir / "y.cst"));
}

}  // namespace
}  // namespace lumeral::classification
