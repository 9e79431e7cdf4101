#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/comparison/centroid.h"
#include "core/comparison/compare_road.h"
#include "core/comparison/percentages.h"
#include "core/comparison/rule_comparison.h"
#include "core/preparation/stopword_lists.h"
#include "core/records/records.h"
#include "core/shell/project_file.h"
#include "support/fixtures.h"

namespace lumeral::comparison {
namespace {

using namespace lumeral::testing;
using records::WordRecord;

// Writes doc1.txt ... docN.txt's word lists and returns the entries.
std::vector<Ansi> collection(const TempDir& dir, const std::vector<std::vector<WordRecord>>& lists,
                             const char* ext = "lpl") {
  std::vector<Ansi> docs;
  for (std::size_t i = 0; i < lists.size(); ++i) {
    std::string base = "Doc" + std::to_string(i + 1) + ".";
    records::write_all(dir / (base + ext), lists[i]);
    docs.push_back(Ansi((base + "txt").c_str()));
  }
  return docs;
}

CentroidResult run(const TempDir& dir, const std::vector<Ansi>& docs, CentroidType t, Mode m,
                   Method method = Method::Word) {
  CentroidOptions o;
  o.type = t;
  o.mode = m;
  o.method = method;
  return compute_centroid(docs, dir.path(), o, pt());
}

TEST(Centroid, EachTypeOnTheSameCollection) {
  TempDir dir;
  // casa in the first and third documents; bola in all; zero counts as
  // absent; gol only in the last; x repeated in the first document.
  auto docs = collection(dir, {{{"casa", 0.2}, {"bola", 0.1}, {"nada", 0}, {"x", 0.5}, {"x", 0.5}},
                               {{"bola", 0.3}, {"nada", 0}, {"casa", 0}},
                               {{"casa", 0.4}, {"bola", 0.2}, {"gol", 0.9}, {"x", 0.5}}});
  struct {
    CentroidType type;
    Mode mode;
    std::vector<Ansi> lines;
    const char* file;
    std::vector<WordRecord> records;
  } cases[] = {
      {CentroidType::Two, Mode::Weight, {"casa | 0,200000", "bola | 0,200000", "x | 0,333333"}, "centroide-2.lpl",
       {{"casa", 0.6 / 3}, {"bola", 0.6 / 3}, {"x", 1.0 / 3}}},
      {CentroidType::Two, Mode::Frequency, {"casa | 2,000000", "bola | 3,000000", "x | 2,000000"}, "centroide-2.lpl",
       {{"casa", 2}, {"bola", 3}, {"x", 2}}},
      {CentroidType::Every, Mode::Frequency, {"bola | 3,000000"}, "centroide-3.lpl", {{"bola", 3}}},
      {CentroidType::All, Mode::Weight, {"casa | 2", "bola | 3", "x | 2", "x | 1", "gol | 1"}, "centro-temp.lpl",
       {{"casa", 2}, {"bola", 3}, {"x", 2}, {"x", 1}, {"gol", 1}}},
  };
  for (const auto& c : cases) {
    auto r = run(dir, docs, c.type, c.mode);
    EXPECT_EQ(row_lines(r.rows), c.lines) << c.file;
    EXPECT_EQ(r.file, dir / c.file);
    auto recs = records::read_all<WordRecord>(r.file);
    ASSERT_EQ(recs.size(), c.records.size()) << c.file;
    for (std::size_t i = 0; i < recs.size(); ++i) {
      EXPECT_EQ(recs[i].word, c.records[i].word);
      EXPECT_DOUBLE_EQ(recs[i].weight, c.records[i].weight);
    }
  }
}

TEST(Centroid, TypeAllCountsDocumentsWithADegreeFoundByTheirLoweredEntries) {
  TempDir dir;
  auto docs = collection(dir,
                         {{{"Economia", 2}, {"Esporte", 0}, {"meio-ambiente", 1}},
                          {{"Economia", 0}, {"Esporte", 0}, {"meio-ambiente", 3}},
                          {{"Economia", 1}, {"Esporte", 0}, {"meio-ambiente", 1}}},
                         "mtz");
  auto r = run(dir, docs, CentroidType::All, Mode::Frequency, Method::Context);
  EXPECT_EQ(row_lines(r.rows), (std::vector<Ansi>{"Economia | 2", "meio-ambiente | 3"}));
  // Entries are lowered to find their companions.
  records::write_all<WordRecord>(dir / "notaslpl", {{"casa", 1}});
  records::write_all<WordRecord>(dir / "a.lpl", {{"casa", 1}});
  r = run(dir, {Ansi("NOTAS"), Ansi("A.TXT")}, CentroidType::All, Mode::Frequency);
  EXPECT_EQ(row_lines(r.rows), (std::vector<Ansi>{"casa | 2"}));
}

TEST(Centroid, MissingCompanionsAndSelection) {
  TempDir dir;
  auto docs = collection(dir, {{{"casa", 1}}});
  docs.push_back(Ansi("falta.txt"));
  testing::write_file(dir / "centroide-2.lpl", "anterior");
  struct {
    Method method;
    const char* message;
  } cases[] = {{Method::Word, "Preparar documentos antes ! Criar lista de pals"},
               {Method::Context, "Fazer classificação antes !"}};
  for (const auto& c : cases) {
    EXPECT_EQ(stop_text([&] { run(dir, docs, CentroidType::Two, Mode::Frequency, c.method); }), c.message);
    EXPECT_EQ(testing::read_file(dir / "centroide-2.lpl"), "anterior");  // written only when complete
  }
  CentroidOptions o;
  o.document_selected = false;
  try {
    compute_centroid(docs, dir.path(), o, pt());
    ADD_FAILURE();
  } catch (const Stop& e) {
    EXPECT_EQ(e.text(), "Selecione arquivo antes de calcular.");
    EXPECT_EQ(e.kind(), MessageKind::Information);
  }
}

TEST(Centroid, WizardVisibleWorksInTheProjectFolder) {
  TempDir dir;
  fs::create_directories(dir / "projeto");
  records::write_all<WordRecord>(dir / "projeto" / "a.mtz", {{"Economia", 1}});
  CentroidOptions o;
  o.method = Method::Context;
  o.document_selected = false;  // not needed while the wizard is visible
  o.wizard_project = shell::Project{dir / "projeto", Ansi("projeto")};
  auto r = compute_centroid({Ansi("a.txt")}, dir.path(), o, pt());
  EXPECT_EQ(row_lines(r.rows), (std::vector<Ansi>{"Economia | 1"}));
  EXPECT_EQ(r.file, dir / "projeto" / "centro-temp.lpl");
}

TEST(Differences, EachDocumentKeepsWhatTheCentroidLacks) {
  TempDir dir;
  auto docs = collection(dir, {{{"casa", 0.5}, {"bola", 0.3}, {"neg", -1}}, {{"bola", 0.2}}});
  records::write_all<WordRecord>(dir / "c.lpl", {{"bola", 9}});
  EXPECT_EQ(compute_differences(docs, dir.path(), dir / "c.lpl", Method::Word), 2u);
  EXPECT_EQ(records::read_all<WordRecord>(dir / "Doc1.dif"), (std::vector<WordRecord>{{"casa", 0.5}}));
  EXPECT_EQ(fs::file_size(dir / "Doc2.dif"), 0u);

  EXPECT_EQ(show_differences(docs, 0, dir.path(), Method::Word, pt()), (std::vector<ResultRow>{{"casa", "0,5000"}}));
  EXPECT_EQ(row_lines(sum_differences({dir / "Doc1.dif", dir / "Doc1.dif"}, pt())),
            (std::vector<Ansi>{"casa | 0,5000", "casa | 0,5000"}));
  EXPECT_THROW(show_differences(docs, std::nullopt, dir.path(), Method::Word, pt()), Stop);
  EXPECT_EQ(stop_text([&] { show_differences(docs, 0, dir.path(), Method::Context, pt()); }),
            "Você deve antes calcular as diferenças");
  // A missing source stops after writing the files before it.
  fs::remove(dir / "Doc1.dif");
  docs.insert(docs.begin() + 1, Ansi("falta.txt"));
  EXPECT_THROW(compute_differences(docs, dir.path(), dir / "c.lpl", Method::Word), Stop);
  EXPECT_TRUE(fs::exists(dir / "Doc1.dif"));
  EXPECT_EQ(stop_text([&] { compute_differences({}, dir.path(), dir / "c.lpl", Method::Word); }),
            "Selecionar lista de documentos");
}

TEST(Centroid, OpenCentroidWithThreshold) {
  TempDir dir;
  records::write_all<WordRecord>(dir / "c.lpl", {{"a", 0.5}, {"b", -0.1}, {"c", 0.25}});
  EXPECT_EQ(open_centroid(dir / "c.lpl", Ansi(""), pt()),
            (std::vector<ResultRow>{{"a", "0,500000"}, {"c", "0,250000"}}));
  EXPECT_EQ(open_centroid(dir / "c.lpl", Ansi(" 0,3 "), pt()), (std::vector<ResultRow>{{"a", "0,500000"}}));
}

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

  ASSERT_EQ(c.sets.size(), 2u);  // none for a and b: their differences are empty
  EXPECT_EQ(c.sets[0].file, c.centroid);  // captions: the command line's `compare` test
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

TEST(CompareRoad, RowsSortByWordOrWeightKeepingTiesAndAreSavedAsText) {
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
  // Saved as text: word, blank, weight.
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
  write_project(folder / "Rios.ini", [](shell::ProjectSettings& s) {
    s.project_folder = Ansi("/nao/existe/mais");
    s.level = Ansi("2");
  });

  CompareOutcome out = compare_project(folder / "Rios.ini", dir / "start", pt());
  EXPECT_TRUE(out.prepared);
  EXPECT_EQ(out.comparison.documents, (std::vector<Ansi>{"a.txt", "arq-000001.txt", "b.txt"}));
  ASSERT_EQ(out.comparison.sets.size(), 4u);
  EXPECT_EQ(out.comparison.sets[2].caption, Ansi("ver palavras exclusivas de arq-000001"));
  EXPECT_EQ(*result_rows(out.comparison.sets[2].file, pt()), rows({{"nasce", "0,5000"}}));

  // Prepared already: the second run does not prepare again.
  out = compare_project(folder / "Rios.ini", dir / "start", pt());
  EXPECT_FALSE(out.prepared);

  TempDir empty;
  write_project(empty / "Nada.ini");
  EXPECT_EQ(stop_text([&] { compare_project(empty / "Nada.ini", dir / "start", pt()); }),
            "Diretório Escolhido, sem arquivos textos ou html para serem processados");
}

}  // namespace
}  // namespace lumeral::comparison
