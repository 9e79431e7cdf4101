#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/comparison/compare_road.h"
#include "core/preparation/stopword_lists.h"
#include "core/records/records.h"
#include "core/shell/project_file.h"
#include "support/fixtures.h"

namespace lumeral::comparison {
namespace {

using namespace lumeral::testing;
using records::WordRecord;

// A prepared project "Vendas": one word list per document and the list.
shell::Project prepared(const TempDir& dir, const std::vector<std::pair<std::string, std::vector<WordRecord>>>& docs) {
  std::vector<records::DocRecord> list;
  for (const auto& [name, words] : docs) {
    records::write_all(dir / (name.substr(0, name.find('.') + 1) + "lpl"), words);
    list.push_back({Ansi(name.c_str()), 0});
  }
  records::write_all(dir / "Vendas.ldc", list);
  return {dir.path(), Ansi("Vendas")};
}

std::vector<ResultRow> rows(std::initializer_list<std::pair<const char*, const char*>> pairs) {
  std::vector<ResultRow> out;
  for (auto [w, p] : pairs) out.push_back({to_ansi(w), Ansi(p)});
  return out;
}

TEST(CompareRoad, SharedWordsAndEachDocumentsOwnWords) {
  TempDir dir;
  // casa in a and c; bola everywhere; gol only in the last; b has nothing
  // of its own; a appears twice in the list; zero weights count as absent.
  const auto project = prepared(dir, {{"a.txt", {{"casa", 0.2}, {"bola", 0.1}, {"sol", 0.7}, {"nada", 0}}},
                                      {"b.txt", {{"bola", 0.3}, {"casa", 0}}},
                                      {"c.txt", {{"casa", 0.4}, {"bola", 0.2}, {"gol", 0.9}}},
                                      {"a.txt", {{"casa", 0.2}, {"bola", 0.1}, {"sol", 0.7}, {"nada", 0}}}});
  std::vector<std::string> lines;
  struct Recorder : Progress {
    std::vector<std::string>& out;
    explicit Recorder(std::vector<std::string>& o) : out(o) {}
    void status(std::string_view t) override { out.emplace_back(t); }
  } recorder(lines);
  const Comparison c = compare_collection(project, pt(), recorder);

  EXPECT_EQ(c.documents, (std::vector<Ansi>{"a.txt", "b.txt", "c.txt", "a.txt"}));
  EXPECT_EQ(c.centroid, dir / "centroide-2_Vendas.lpl");
  EXPECT_FALSE(std::filesystem::exists(dir / "centroide-2.lpl"));
  EXPECT_EQ(records::read_all<WordRecord>(dir / "c.dif"), (std::vector<WordRecord>{{"gol", 0.9}}));
  EXPECT_EQ(std::filesystem::file_size(dir / "a.dif"), 0u);
  EXPECT_EQ(std::filesystem::file_size(dir / "b.dif"), 0u);

  ASSERT_EQ(c.sets.size(), 2u);
  EXPECT_EQ(c.sets[0].caption, to_ansi("palavras que aparecem em mais de 1 texto"));
  EXPECT_EQ(c.sets[0].file, c.centroid);
  EXPECT_EQ(c.sets[1].caption, to_ansi("ver palavras exclusivas de c"));
  EXPECT_EQ(c.sets[1].file, dir / "c.dif");
  // Averages over all four documents; gol, only in the last, is not shared.
  EXPECT_EQ(*result_rows(c.sets[0].file, pt()), rows({{"casa", "0,2000"}, {"bola", "0,1750"}, {"sol", "0,3500"}}));

  // The progress lines name each word list as the centroid reads it.
  auto has = [&](const std::string& l) { return std::find(lines.begin(), lines.end(), l) != lines.end(); };
  EXPECT_TRUE(has("Processando 3 documentos"));
  EXPECT_TRUE(has("Processando arquivo a.lpl - 1 de 4"));
  EXPECT_TRUE(has("Processando arquivo c.lpl - 3 de 4"));
}

TEST(CompareRoad, ExclusiveDocumentsAreNamedWithoutExtensionAndNoSetsWithoutThem) {
  TempDir dir;
  auto project = prepared(dir, {{"z.txt", {{"sol", 0.5}, {"mar", 0.5}}},
                                {"NOTA.TXT", {{"sol", 0.5}, {"rio", 0.5}}},
                                {"z.txt", {{"sol", 0.5}, {"mar", 0.5}}}});
  Comparison c = compare_collection(project, pt());
  // z's words are all shared with its second entry; NOTA keeps rio.
  ASSERT_EQ(c.exclusives.size(), 1u);
  EXPECT_EQ(c.exclusives[0].name, Ansi("NOTA"));
  EXPECT_EQ(c.exclusives[0].file, dir / "NOTA.dif");

  TempDir same;
  project = prepared(same, {{"x.txt", {{"sol", 0.5}}}, {"y.txt", {{"sol", 0.5}}}});
  c = compare_collection(project, pt());
  EXPECT_TRUE(c.exclusives.empty());
  EXPECT_TRUE(c.sets.empty());
}

TEST(CompareRoad, StopsOnAMissingListTitleOrWordList) {
  TempDir dir;
  const auto ok = prepared(dir, {{"a.txt", {{"sol", 1}}}, {"b.txt", {{"sol", 1}}}});
  std::filesystem::remove(dir / "b.lpl");
  struct Case {
    shell::Project project;
    std::string message;
  } cases[] = {
      {{dir.path(), Ansi("")}, "Erro na seleção de documentos"},
      {{dir.path(), Ansi("Outro")}, "Faça novamente o processamento de textos - passo 2"},
      {ok, "Preparar documentos antes ! Criar lista de pals"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(stop_text([&] { compare_collection(c.project, pt()); }), c.message);
  }
}

TEST(CompareRoad, RowsSortByWordOrWeightKeepingTies) {
  const auto start = rows({{"Zebra", "0,1000"}, {"água", "0,3000"}, {"casa", "0,1000"}, {"Água", "0,0500"},
                           {"bola", "0,3000"}});
  struct Case {
    const char* name;
    void (*sort)(std::vector<ResultRow>&, const Regional&);
    std::vector<ResultRow> expected;
  } cases[] = {
      {"word", sort_rows_by_word,
       rows({{"água", "0,3000"}, {"Água", "0,0500"}, {"bola", "0,3000"}, {"casa", "0,1000"}, {"Zebra", "0,1000"}})},
      {"weight", sort_rows_by_weight,
       rows({{"água", "0,3000"}, {"bola", "0,3000"}, {"Zebra", "0,1000"}, {"casa", "0,1000"}, {"Água", "0,0500"}})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto r = start;
    c.sort(r, pt());
    EXPECT_EQ(r, c.expected);
  }
  auto bad = rows({{"a", "0,1"}, {"b", "x"}});
  const auto before = bad;
  EXPECT_NE(stop_text([&] { sort_rows_by_weight(bad, pt()); }), "");
  EXPECT_EQ(bad, before);
}

TEST(CompareRoad, TextSaveWritesWordBlankWeight) {
  TempDir dir;
  save_result_text(dir / "r.txt", rows({{"ação", "0,2500"}, {"bola", "1,0000"}}));
  EXPECT_EQ(read_file(dir / "r.txt"), testing::cp1252("ação 0,2500\r\nbola 1,0000\r\n"));
  EXPECT_FALSE(result_rows(dir / "none.dif", pt()).has_value());
}

TEST(CompareRoad, ProjectFileHasNoOntologyKeysAndNoStatusFile) {
  TempDir dir;
  shell::ProjectSettings s;
  s.title = Ansi("Vendas");
  s.client = to_ansi("Associação");
  s.project_folder = Ansi((dir.path() / "sub").string().c_str());
  s.ontology_kind = shell::kind_probabilistic();  // never written by this wizard
  s.context_list = Ansi("x.lct");
  s.level = Ansi("4");
  const auto file = shell::save_comparison_project(s);
  EXPECT_EQ(read_file(file), testing::cp1252("[NOME]\r\nnome=Vendas\r\n[CLIENTE]\r\ncliente=Associação\r\n"
                                             "[RESPONSAVEL]\r\nresp=\r\n[DIR_PROJETO]\r\ndir_proj=" +
                                             (dir.path() / "sub").string() +
                                             "\r\n[LUGAR_TEXTOS]\r\nlugar_textos=1\r\n[SEPARADOR]\r\nseparador=\r\n"
                                             "[IDIOMA_TEXTOS]\r\nidioma_textos=0\r\n[N]\r\nn=4\r\n"));
  EXPECT_FALSE(std::filesystem::exists(dir / "sub" / "resultados_n4.wiz"));
  // Read back as a mining project it has no ontology.
  EXPECT_EQ(shell::read_project_file(file).ontology_kind, Ansi(""));
}

TEST(CompareRoad, SavedProjectIsPreparedWhenItHasNoDocumentList) {
  TempDir dir;
  const auto folder = dir / "textos";
  write_file(folder / "a.txt", "o sol e o mar\r\n");
  write_file(folder / "b.txt", "o sol e o rio\r\n");
  write_file(folder / "c.htm", "<p>o SOL nasce</p>\r\n");
  std::filesystem::create_directories(dir / "start");
  preparation::save_stopwords(dir / "start" / "stw-portugues.stw", {Ansi("e"), Ansi("o")});
  shell::ProjectSettings s;
  s.title = Ansi("Rios");
  s.project_folder = Ansi("/nao/existe/mais");
  s.level = Ansi("2");
  shell::write_project_file(folder / "Rios.ini", s);

  CompareOutcome out = compare_project(folder / "Rios.ini", dir / "start", pt());
  EXPECT_TRUE(out.prepared);
  ASSERT_EQ(out.notes.size(), 1u);  // the saved folder was not found
  EXPECT_EQ(out.project.folder, folder);
  EXPECT_EQ(out.comparison.documents, (std::vector<Ansi>{"a.txt", "arq-000001.txt", "b.txt"}));
  EXPECT_EQ(*result_rows(out.comparison.centroid, pt()), rows({{"sol", "0,5000"}}));
  ASSERT_EQ(out.comparison.sets.size(), 4u);
  EXPECT_EQ(out.comparison.sets[2].caption, Ansi("ver palavras exclusivas de arq-000001"));
  EXPECT_EQ(*result_rows(out.comparison.sets[2].file, pt()), rows({{"nasce", "0,5000"}}));

  // Prepared already: the second run does not prepare again.
  out = compare_project(folder / "Rios.ini", dir / "start", pt());
  EXPECT_FALSE(out.prepared);

  TempDir empty;
  shell::write_project_file(empty / "Nada.ini", [&] {
    shell::ProjectSettings e;
    e.title = Ansi("Nada");
    e.project_folder = Ansi(empty.path().string().c_str());
    return e;
  }());
  EXPECT_EQ(stop_text([&] { compare_project(empty / "Nada.ini", dir / "start", pt()); }),
            "Diretório Escolhido, sem arquivos textos ou html para serem processados");
}

}  // namespace
}  // namespace lumeral::comparison
