#include <gtest/gtest.h>

#include "core/base/message.h"
#include "core/comparison/centroid.h"
#include "core/records/records.h"
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
      {CentroidType::Every, Mode::Weight, {"bola | 0,200000"}, "centroide-3.lpl", {{"bola", 0.6 / 3}}},
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

TEST(Centroid, ContextualTypeAllCountsDocumentsWithADegree) {
  TempDir dir;
  auto docs = collection(dir,
                         {{{"Economia", 2}, {"Esporte", 0}, {"meio-ambiente", 1}},
                          {{"Economia", 0}, {"Esporte", 0}, {"meio-ambiente", 3}},
                          {{"Economia", 1}, {"Esporte", 0}, {"meio-ambiente", 1}}},
                         "mtz");
  auto r = run(dir, docs, CentroidType::All, Mode::Frequency, Method::Context);
  EXPECT_EQ(row_lines(r.rows), (std::vector<Ansi>{"Economia | 2", "meio-ambiente | 3"}));
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

TEST(Centroid, EntriesAreLoweredToFindTheirCompanions) {
  TempDir dir;
  records::write_all<WordRecord>(dir / "notaslpl", {{"casa", 1}});
  records::write_all<WordRecord>(dir / "a.lpl", {{"casa", 1}});
  auto r = run(dir, {Ansi("NOTAS"), Ansi("A.TXT")}, CentroidType::All, Mode::Frequency);
  EXPECT_EQ(row_lines(r.rows), (std::vector<Ansi>{"casa | 2"}));
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

}  // namespace
}  // namespace lumeral::comparison
