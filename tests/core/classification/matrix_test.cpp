#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/classification/matrix.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::classification {
namespace {

using namespace lumeral::testing;
using namespace lumeral::records;

// A collection in one folder: documents (text, optional word list), the
// document list "docs.ldc", contexts and the context list "ctx.lct".
struct Collection {
  TempDir dir;
  std::vector<DocRecord> docs;
  std::vector<ContextListRecord> list;

  void doc(const std::string& name, const std::string& text, std::vector<WordRecord> words = {}) {
    docs.push_back({to_ansi(name), 0});
    write_file(dir / to_utf8(companion_name(to_ansi(name), Ansi("txt"))), cp1252(text));
    if (!words.empty()) write_all(dir / to_utf8(companion_name(to_ansi(name), Ansi("lpl"))), words);
  }
  void context(const std::string& name, const std::vector<std::pair<std::string, double>>& entries) {
    list.push_back({to_ansi(name), 0});
    std::vector<ContextRecord> recs;
    for (auto& [e, w] : entries) recs.push_back({to_ansi(e), w});
    write_all(dir / (name.substr(0, 15) + ".ctt"), recs);
  }
  ClassifyRun run(Method m) {
    write_all(dir / "docs.ldc", docs);
    write_all(dir / "ctx.lct", list);
    ClassifyRun r;
    r.doc_list = dir / "docs.ldc";
    r.context_list = dir / "ctx.lct";
    r.method = m;
    return r;
  }
  std::vector<WordRecord> matrix(const std::string& name) { return read_all<WordRecord>(dir / name); }
};

TEST(Matrix, DeterministicCountsTable) {
  struct {
    const char* text;
    const char* rule;
    double count;
  } cases[] = {
      {"Jogou bola. Vôlei e bola!", "bola -vôlei", 1},
      {"bolas.", "bola", 0},
      {"bolas.", "bola$", 1},
      {"Água mole.", "água", 0},
      {"Água mole.", "Água", 1},
      {"bola\r\nde nada", "bolade", 1},
      {"Fim?Sim.", "-nada", 2},
      {"a..b", "-x", 3},
      {"Fim!", "fim", 1},
      {"O gol. Outro gol, gol!", "gol", 2},
      {"casamento na casa", "$casa$ -igreja", 1},
  };
  for (const auto& c : cases) {
    Collection col;
    col.doc("d1.txt", c.text);
    col.context("regra", {{c.rule, 0.3}});
    classify(col.run(Method::Deterministic));
    auto m = col.matrix("d1.mtz");
    ASSERT_EQ(m.size(), 1u) << c.text;
    EXPECT_EQ(m[0].weight, c.count) << c.text << " / " << c.rule;
  }
}

TEST(Matrix, RulesOfAContextAddUp) {
  Collection col;
  col.doc("d1.txt", "A bola e o gol. Sem nada. Bola.");
  col.context("esporte", {{"bola", 1}, {"gol", 1}, {"  ", 1}, {"bola gol", 1}});
  classify(col.run(Method::Deterministic));
  EXPECT_EQ(col.matrix("d1.mtz")[0].weight, 4);  // bola 2, gol 1, blank entry skipped, both 1
}

TEST(Matrix, ProbabilisticSumsTable) {
  struct {
    std::vector<std::pair<std::string, double>> entries;
    std::vector<WordRecord> words;
    double degree;
  } cases[] = {
      {{{"bola", 0.8}, {"gol", 0.5}}, {{"bola", 1.0}, {"gol", 1.0}}, 1.0},
      {{{"bola", 0.5}, {"gol", 0.5}}, {{"bola", 1.0}, {"gol", 1.0}}, 1.0},
      {{{"Casa", 1.0}}, {{"casa", 0.5}}, 0.0},
      {{{"bola", 0.2}, {"bola", 0.1}}, {{"bola", 0.5}, {" bola ", 1.0}}, 0.2 * 0.5 + 0.2 * 1.0 + 0.1 * 0.5 + 0.1},
      {{{"bola", -0.5}, {"gol", 0.1}}, {{"bola", 1.0}, {"gol", 1.0}}, -0.5 + 0.1},
      {{{"taxa de juros", 1.0}}, {{"taxa", 1.0}}, 0.0},
  };
  for (const auto& c : cases) {
    Collection col;
    col.doc("d1.txt", "texto", c.words);
    col.context("c", c.entries);
    classify(col.run(Method::Probabilistic));
    auto m = col.matrix("d1.mtz");
    ASSERT_EQ(m.size(), 1u);
    EXPECT_DOUBLE_EQ(m[0].weight, c.degree);
  }
}

TEST(Matrix, OneRecordPerContextInListOrderForEveryDocument) {
  for (Method method : {Method::Deterministic, Method::Probabilistic}) {
    Collection col;
    col.doc("noticia1.txt", "bola.", {{"bola", 1}});
    col.doc("notas", "nada.", {{"nada", 1}});
    col.doc("NOTA2.TXT", "gol.", {{"gol", 0.5}});
    col.context("economia", {{"juros", 1}});
    col.context("esporte", {{"bola", 1}, {"gol", 1}});
    col.context("abcdefghijklmnopqrst", {{"nada", 1}});
    auto summary = classify(col.run(method));
    EXPECT_EQ(summary.documents, 3u);
    EXPECT_EQ(summary.contexts, 3u);
    for (auto [file, esporte] : {std::pair{"noticia1.mtz", 1.0}, {"notasmtz", 0.0}, {"NOTA2.mtz", 1.0}}) {
      auto m = col.matrix(file);
      ASSERT_EQ(m.size(), 3u) << file;
      EXPECT_EQ(m[0].word, Ansi("economia"));
      EXPECT_EQ(m[0].weight, 0.0);
      EXPECT_EQ(m[1].word, Ansi("esporte"));
      EXPECT_EQ(m[2].word, Ansi("abcdefghijklmno"));
      if (method == Method::Deterministic) {
        EXPECT_EQ(m[1].weight, esporte) << file;
      }
    }
    EXPECT_EQ(col.matrix("NOTA2.mtz")[1].weight, method == Method::Deterministic ? 1.0 : 0.5);
    EXPECT_EQ(col.matrix("notasmtz")[2].weight, 1.0);
  }
}

TEST(Matrix, ThreadsDoNotChangeResults) {
  Collection col;
  for (int i = 0; i < 600; ++i) {
    std::string t = i % 3 ? "bola e gol. casa." : "juros altos. bola?";
    col.doc("d" + std::to_string(i) + ".txt", t, {{"bola", 0.01 * (i % 7)}, {"juros", 0.3}});
  }
  col.context("esporte", {{"bola", 1}, {"gol", 0.7}});
  col.context("economia", {{"juros", 0.9}, {"casa", 1}});
  for (Method method : {Method::Deterministic, Method::Probabilistic}) {
    auto run = col.run(method);
    run.threads = 1;
    classify(run);
    std::vector<std::vector<WordRecord>> one;
    for (int i = 0; i < 600; ++i) one.push_back(col.matrix("d" + std::to_string(i) + ".mtz"));
    run.threads = 3;
    classify(run);
    for (int i = 0; i < 600; ++i) ASSERT_EQ(col.matrix("d" + std::to_string(i) + ".mtz"), one[i]) << i;
  }
}

TEST(Matrix, MessagesAndWhatStaysWritten) {
  {
    Collection col;
    col.doc("a.txt", "x.", {{"x", 1}});
    auto run = col.run(Method::Deterministic);
    run.context_list = col.dir / "nada.lct";
    EXPECT_EQ(stop_text([&] { classify(run); }), "Lista de contextos não existe");
    run.context_list.clear();
    EXPECT_EQ(stop_text([&] { classify(run); }), "Lista de contextos não existe");
    run = col.run(Method::Probabilistic);
    run.doc_list = col.dir / "nada.ldc";
    EXPECT_EQ(stop_text([&] { classify(run); }), "Lista de documentos não existe");
  }
  for (Method method : {Method::Deterministic, Method::Probabilistic}) {
    Collection col;
    col.doc("a.txt", "x.", {{"x", 1}});
    col.docs.push_back({Ansi("falta.txt"), 0});
    col.doc("c.txt", "x.", {{"x", 1}});
    col.context("k", {{"x", 1}});
    EXPECT_EQ(stop_text([&] { classify(col.run(method)); }), "Arquivo texto não existe. Abortar!");
    EXPECT_TRUE(fs::exists(col.dir / "a.mtz"));
    EXPECT_FALSE(fs::exists(col.dir / "c.mtz"));
  }
  {
    Collection col;
    col.doc("a.txt", "x.", {{"x", 1}});
    col.doc("b.txt", "x.");
    write_all(col.dir / "b.mtz", std::vector<WordRecord>{{Ansi("k"), 0.5}});
    col.context("k", {{"x", 1}});
    EXPECT_EQ(stop_text([&] { classify(col.run(Method::Probabilistic)); }), "Arquivo .lpl não existe. Abortar!");
    EXPECT_EQ(col.matrix("a.mtz").size(), 1u);
    EXPECT_EQ(col.matrix("b.mtz"), (std::vector<WordRecord>{{Ansi("k"), 0.5}}));  // not emptied
  }
  {
    Collection col;
    col.doc("a.txt", "x.", {{"x", 1}});
    col.context("k", {{"x", 1}});
    col.list.push_back({Ansi("sumido"), 0});
    auto run = col.run(Method::Deterministic);
    EXPECT_EQ(stop_text([&] { classify(run); }), "Contexto não criado ainda: " + (col.dir / "sumido").string());
    EXPECT_FALSE(fs::exists(col.dir / "a.mtz"));
    EXPECT_NE(stop_text([&] { classify(col.run(Method::Probabilistic)); }).find("sumido.ctt"), std::string::npos);
  }
}

TEST(Matrix, WizardTakesEverythingFromTheProjectFolder) {
  Collection col;
  col.doc("a.txt", "bola.", {{"bola", 1}});
  col.context("esporte", {{"bola", 1}});
  auto run = col.run(Method::Deterministic);
  TempDir elsewhere;
  fs::copy_file(col.dir / "docs.ldc", elsewhere / "docs.ldc");
  fs::copy_file(col.dir / "ctx.lct", elsewhere / "ctx.lct");
  run.doc_list = elsewhere / "docs.ldc";
  run.context_list = elsewhere / "ctx.lct";
  run.wizard_project = shell::Project{col.dir.path(), Ansi("colecao")};
  struct Recorder : Progress {
    std::vector<std::string> details;
    long long last_bar = -1, max = -1;
    void detail(std::string_view d) override { details.emplace_back(d); }
    void bar(long long p, long long m) override { last_bar = p, max = m; }
  } progress;
  classify(run, progress);
  EXPECT_EQ(col.matrix("a.mtz")[0].weight, 1);
  EXPECT_EQ(progress.details, std::vector<std::string>{"Processando 0 de 1 arquivos"});
  EXPECT_EQ(progress.max, 0);
}

}  // namespace
}  // namespace lumeral::classification
