#include <gtest/gtest.h>

#include "core/base/message.h"
#include "core/records/records.h"
#include "core/records/weighted.h"
#include "core/retrieval/similar.h"
#include "core/retrieval/text_viewer.h"
#include "support/fixtures.h"

namespace lumeral::retrieval {
namespace {

using namespace lumeral::testing;
using records::DocRecord;
using records::WordRecord;

class SimilarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    write_file(dir / "caso.txt", "O caso.\r\nSegunda linha\r\n");
    records::write_all<WordRecord>(dir / "caso.lpl", {{"casa", 0.25}, {"rio", 0.5}});
    records::write_all<WordRecord>(dir / "x.lpl", {{"casa", 0.5}, {"bola", 0.2}});  // 0.2917
    records::write_all<WordRecord>(dir / "y.lpl", {{"rua", 0.5}});                   // 0
    records::write_all<WordRecord>(dir / "z.lpl", {{"casa", 0.25}, {"rio", 0.5}});  // 1
    records::write_all<DocRecord>(dir / "cmp.ldc", {{"x.txt", 0}, {"y.lpl", 0}, {"z.txt", 0}});
  }
  TempDir dir;
};

TEST_F(SimilarTest, OneCaseRankedHighestFirst) {
  SimilarListing r = retrieve_one(dir / "cmp.ldc", dir / "caso.txt", {}, pt());
  EXPECT_EQ(similar_lines(r.rows), (std::vector<Ansi>{"z. | 1,000000", "x. | 0,194444", "y. | 0,000000"}));
  EXPECT_EQ(case_text(dir / "caso.txt"), (std::vector<Ansi>{"O caso.", "Segunda linha"}));
  EXPECT_TRUE(case_text(dir / "nenhum.txt").empty());
  r = retrieve_one(dir / "cmp.ldc", dir / "caso.txt", {SimilarMethod::Words, false}, pt());
  EXPECT_EQ(similar_lines(r.rows), (std::vector<Ansi>{"z. | 1,000000", "x. | 0,333333", "y. | 0,000000"}));
}

TEST_F(SimilarTest, ContextualDividesDegreesBy100) {
  records::write_all<WordRecord>(dir / "caso.mtz", {{"economia", 40}, {"esporte", 0}});
  records::write_all<WordRecord>(dir / "x.mtz", {{"economia", 40}});
  records::write_all<WordRecord>(dir / "y.mtz", {{"economia", 20}, {"esporte", 10}});
  records::write_all<WordRecord>(dir / "z.mtz", {{"politica", 40}});
  SimilarListing r = retrieve_one(dir / "cmp.ldc", dir / "caso.txt", {SimilarMethod::Contextual, true}, pt());
  // y: s(0.2, 0.4) = 0.625 over 2 + 1 - 1.
  EXPECT_EQ(similar_lines(r.rows), (std::vector<Ansi>{"x. | 1,000000", "y. | 0,312500", "z. | 0,000000"}));
}

TEST_F(SimilarTest, MissingListsStop) {
  EXPECT_EQ(listing_stop([&] { return retrieve_one("", dir / "caso.txt", {}, pt()).listing(); }),
            "Selecionar antes uma lista de docs");
  write_file(dir / "semext", "x");
  EXPECT_EQ(listing_stop([&] { return retrieve_one(dir / "cmp.ldc", dir / "semext", {}, pt()).listing(); }),
            "Criar lista de palavras para o caso");
  EXPECT_EQ(listing_stop([&] {
              return retrieve_one(dir / "cmp.ldc", dir / "caso.txt", {SimilarMethod::Contextual, true}, pt()).listing();
            }),
            "Classificar caso antes");
  fs::remove(dir / "y.lpl");
  SimilarListing r = retrieve_one(dir / "cmp.ldc", dir / "caso.txt", {}, pt());
  ASSERT_TRUE(r.stop);
  EXPECT_EQ(r.stop->text, "Criar lista de palavras para docs da lista");
  EXPECT_EQ(r.rows, (std::vector<SimilarRow>{{"x.", "0,194444"}}));  // made before the stop
  records::write_all<WordRecord>(dir / "caso.mtz", {{"economia", 40}});
  EXPECT_EQ(listing_stop([&] {
              return retrieve_one(dir / "cmp.ldc", dir / "caso.txt", {SimilarMethod::Contextual, true}, pt()).listing();
            }),
            "Fazer classificação da lista de docs");
}

TEST_F(SimilarTest, ListOfCasesWritesTheReport) {
  records::write_all<WordRecord>(dir / "t2.lpl", {{"bola", 0.2}, {"casa", 0.5}});
  records::write_all<DocRecord>(dir / "testes.ldc", {{"caso.txt", 0}, {"t2.txt", 0}});
  auto now = std::chrono::system_clock::now();
  SimilarListing r = retrieve_cases(dir / "cmp.ldc", dir / "testes.ldc", dir / "rel.txt", {}, pt(), now);
  std::string when = pt().short_date(now) + " " + pt().time_text(now);
  std::string expected = "lista de docs= " + (dir / "testes.ldc").string() +
                         "\r\n" + testing::cp1252("método por palavra") +
                         "\r\nsim, considera pesos\r\n" + testing::cp1252("função fuzzy") + "\r\n" + when + "\r\n" +
                         std::string(23, '-') + "\r\n1. caso.txt => z. | 1,000000\r\n2. t2.txt => x. | 1,000000\r\n" +
                         std::string(17, '-') + "\r\n" + when + "\r\n";
  EXPECT_EQ(testing::read_file(dir / "rel.txt"), expected);
  EXPECT_EQ(r.rows[0], (SimilarRow{"x.", "1,000000"}));  // the last test document's results

  // Ties with the best are listed under it.
  records::write_all<DocRecord>(dir / "cmp2.ldc", {{"z.txt", 0}, {"x.txt", 0}, {"z.txt", 0}});
  records::write_all<DocRecord>(dir / "um.ldc", {{"caso.txt", 0}});
  r = retrieve_cases(dir / "cmp2.ldc", dir / "um.ldc", dir / "rel2.txt", {}, pt(), now);
  EXPECT_FALSE(r.stop);
  auto lines = testing::lines_of(testing::read_file(dir / "rel2.txt"));
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines[6], "1. caso.txt => z. | 1,000000");
  EXPECT_EQ(lines[7], "      z. | 1,000000");
  EXPECT_EQ(lines[8], std::string(17, '-'));
}

TEST(SimilarRows, ThresholdSaveAndDocument) {
  const std::vector<SimilarRow> rows = {{"z.", "0,900000"}, {"y.", "0,500000"}, {"x.", "0,500000"}};
  auto all = select_by_threshold(rows, Ansi(" "), pt());
  EXPECT_EQ(all.rows, rows);
  EXPECT_EQ(all.field, Ansi("0"));
  auto some = select_by_threshold(rows, Ansi("0,5"), pt());
  EXPECT_EQ(some.rows.size(), 3u);
  EXPECT_EQ(select_by_threshold(rows, Ansi("0.6"), pt()).rows, (std::vector<SimilarRow>{{"z.", "0,900000"}}));
  EXPECT_THROW(select_by_threshold(rows, Ansi("abc"), pt()), Stop);

  TempDir dir;
  save_similar_as_doc_list(dir / "r.ldc", {{"z.", "0,900000"}, {"notas", "0,100000"}}, pt());
  EXPECT_EQ(records::read_all<DocRecord>(dir / "r.ldc"),
            (std::vector<DocRecord>{{"z.txt", 0.9}, {"notas.txt", 0.1}}));
  EXPECT_EQ(document_of(SimilarRow{"z.", "0,900000"}), Ansi("z.txt"));
}

TEST(SimilarReport, LinesThatNameADocument) {
  const struct {
    const char* line;
    std::optional<Ansi> document;
  } cases[] = {
      {"2. t2.txt => x. | 1,000000", Ansi("x.txt")},
      {"      z. | 0,500000", Ansi("z.txt")},
      {"1. caso.txt => (nenhum documento na lista de comparação)", std::nullopt},
      {"lista de docs= /tmp/casos.ldc", std::nullopt},
      {"-----------------------", std::nullopt},
      {"06/12/2026 14:30:15", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(document_of_report_line(Ansi(c.line)), c.document) << c.line;
}

TEST(TextViewer, LinesOrMessage) {
  TempDir dir;
  write_file(dir / "Doc.TXT", "um\r\ndois\r\n");
  EXPECT_EQ(text_viewer_lines(dir.path(), Ansi(" doc.txt ")), (std::vector<Ansi>{"um", "dois"}));
  EXPECT_EQ(stop_text([&] { text_viewer_lines(dir.path(), Ansi("nada.txt")); }),
            "Arquivo texto selecionado não existe");
}

}  // namespace
}  // namespace lumeral::retrieval
