#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/classification/results.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::classification {
namespace {

using namespace lumeral::testing;
using namespace lumeral::records;

struct Fixture {
  TempDir dir;
  Fixture() {
    write_all(dir / "docs.ldc", std::vector<DocRecord>{{Ansi("noticia1.txt"), 0}, {Ansi("notas"), 0}});
    write_all(dir / "noticia1.mtz",
              std::vector<WordRecord>{{Ansi("esporte"), 0.75}, {Ansi("economia"), 0}, {Ansi("politica"), 0.00001}});
    write_all(dir / "notasmtz", std::vector<WordRecord>{{Ansi("esporte "), 2}, {Ansi("economia"), 0.5}});
  }
};

TEST(MatrixResults, ContextsOfADocument) {
  Fixture f;
  EXPECT_EQ(records::weighted_row_lines(doc_contexts(f.dir.path(), Ansi("Noticia1"), initial_threshold(pt()), pt())),
            (std::vector<Ansi>{Ansi("esporte | 0,7500000"), Ansi("politica | 0,0000100")}));
  EXPECT_EQ(doc_contexts(f.dir.path(), Ansi("noticia1.txt"), Ansi(""), pt()).size(), 3u);
  EXPECT_EQ(records::weighted_row_lines(doc_contexts(f.dir.path(), Ansi("notas"), Ansi("1"), pt())),
            (std::vector<Ansi>{Ansi("esporte | 2,0000000")}));
  EXPECT_EQ(stop_text([&] { doc_contexts(f.dir.path(), Ansi("  "), Ansi(""), pt()); }),
            "Você deve fornecer o nome de um documento");
  EXPECT_NE(stop_text([&] { doc_contexts(f.dir.path(), Ansi("outro"), Ansi(""), pt()); }).find("outro.mtz"),
            std::string::npos);
  EXPECT_NE(stop_text([&] { doc_contexts(f.dir.path(), Ansi("noticia1"), Ansi("x"), pt()); }), "");
}

TEST(MatrixResults, DocumentsOfAContext) {
  Fixture f;
  EXPECT_EQ(context_docs(f.dir / "docs.ldc", Ansi(" Esporte "), Ansi("0,5"), pt()).listing().lines,
            (std::vector<Ansi>{Ansi("noticia1 | 0,75000000000000"), Ansi("notas | 2,00000000000000")}));
  EXPECT_EQ(context_docs(f.dir / "docs.ldc", Ansi("economia"), Ansi(""), pt()).listing().lines,
            (std::vector<Ansi>{Ansi("noticia1 | 0,00000000000000"), Ansi("notas | 0,50000000000000")}));
  EXPECT_EQ(stop_text([&] { context_docs(f.dir / "docs.ldc", Ansi(""), Ansi(""), pt()); }),
            "Você deve fornecer o nome de um contexto");
  fs::remove(f.dir / "notasmtz");
  auto partial = context_docs(f.dir / "docs.ldc", Ansi("esporte"), Ansi(""), pt());
  EXPECT_EQ(partial.listing().lines, (std::vector<Ansi>{Ansi("noticia1 | 0,75000000000000")}));
  ASSERT_TRUE(partial.stop);
  EXPECT_NE(partial.stop->text.find("notasmtz"), std::string::npos);
}

TEST(MatrixResults, ListsNamesCopyAndSavingAsADocumentList) {
  Fixture f;
  EXPECT_EQ(doc_list_names(f.dir / "docs.ldc"), (std::vector<Ansi>{Ansi("noticia1.txt"), Ansi("notas")}));
  EXPECT_EQ(stop_text([] { doc_list_names({}); }), "Você deve selecionar uma lista de documentos");
  EXPECT_EQ(stop_text([] { context_list_names({}); }), "Você deve selecionar uma lista de contexto");
  EXPECT_EQ(copy_selected(Ansi("noticia1.txt")), Ansi("noticia1"));
  EXPECT_EQ(copy_selected(Ansi(" esporte | 0,75 ")), Ansi("esporte | 0,75"));
  TempDir dir;
  save_result_as_doc_list(dir / "r.ldc",
                          {{Ansi("noticia1"), Ansi("0,75")},
                           {Ansi("doc.txt"), Ansi("1")},
                           {Ansi("x.lpl.txt"), Ansi("2")},
                           {Ansi(" a.txt.lpl "), Ansi("3")},
                           {Ansi("sem barra"), Ansi()},
                           {Ansi("a | b"), Ansi("4")}},  // a bar in a name is the name's own
                          pt());
  EXPECT_EQ(read_all<DocRecord>(dir / "r.ldc"),
            (std::vector<DocRecord>{{Ansi("noticia1.txt"), 0.75},
                                    {Ansi("doc.txt"), 1},
                                    {Ansi("x.lpl.txt"), 2},
                                    {Ansi("a.txt.txt"), 3},
                                    {Ansi("sem barra.txt"), 0},
                                    {Ansi("a | b.txt"), 4}}));
  EXPECT_THROW(save_result_as_doc_list(dir / "s.ldc", {{Ansi("a"), Ansi("1")}, {Ansi("b"), Ansi("x")}}, pt()), Stop);
  EXPECT_FALSE(fs::exists(dir / "s.ldc"));  // a stopped save writes nothing
}

}  // namespace
}  // namespace lumeral::classification
