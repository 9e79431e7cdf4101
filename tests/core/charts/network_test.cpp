#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/base/encoding.h"
#include "core/charts/bars.h"
#include "core/charts/concept_documents.h"
#include "core/charts/heatmap.h"
#include "core/charts/network.h"
#include "core/charts/network_files.h"
#include "core/mining/rule_lines.h"
#include "core/mining/rule_sentences.h"
#include "core/records/records.h"
#include "support/fixtures.h"
#include "support/network_check.h"

namespace lumeral::charts {
namespace {

using namespace lumeral::testing;

struct Frequencies : ConceptFrequency {
  std::map<std::string, double> of;
  double frequency(AnsiView c) const override {
    auto it = of.find(std::string(c.data(), c.size()));
    return it == of.end() ? 0 : it->second;
  }
};

// "label:weight" per node, "from>to=weight[label]" (or "from-to") per edge.
std::string describe(const Network& n) {
  std::string s;
  for (const auto& node : n.nodes) s += to_utf8(node.label) + ":" + std::to_string(int(node.weight)) + " ";
  s += "|";
  for (const auto& e : n.edges)
    s += " " + to_utf8(n.nodes[e.from].label) + (e.directed ? ">" : "-") + to_utf8(n.nodes[e.to].label) + "=" +
         to_utf8(e.label);
  return s;
}

// The rules of rule lines, as a saved result is read back.
std::vector<mining::ParsedRule> parsed(const std::vector<Ansi>& lines) {
  std::vector<mining::ParsedRule> rules;
  for (const Ansi& line : lines) rules.push_back(mining::parse_rule_line(line));
  return rules;
}

TEST(ConceptNetwork, BuiltFromTheRulesShown) {
  Frequencies f;
  f.of = {{"agua", 6}, {"clima", 8}, {"solo", 3}};
  struct Case {
    const char* name;
    std::vector<Ansi> rules;
    std::string expected;
    std::size_t strongest = static_cast<std::size_t>(-1);
  } cases[] = {
      {"one rule", ansi_lines({"agua => clima /conf= 50,00% /sup= 15,00%(0003)"}),
       "agua:6 clima:8 | agua>clima=50,00% / 15,00%"},
      {"order of the lines, nodes by first appearance",
       ansi_lines(
           {"clima => solo /conf= 25,00% /sup= 10,00%(0002)", "agua => clima /conf= 100,00% /sup= 30,00%(0006)"}),
       "clima:8 solo:3 agua:6 | clima>solo=25,00% / 10,00% agua>clima=100,00% / 30,00%"},
      {"a repeated rule is drawn once, other lines skipped",
       ansi_lines({"agua => clima /conf= 50,00% /sup= 15,00%(0003)", "", "texto qualquer",
              "agua => clima /conf= 50,00% /sup= 15,00%(0003)"}),
       "agua:6 clima:8 | agua>clima=50,00% / 15,00%"},
      {"a concept without documents", ansi_lines({"agua => novo /conf= 50,00% /sup= 15,00%(0003)"}),
       "agua:6 novo:0 | agua>novo=50,00% / 15,00%"},
      {"no rules", {}, "|"},
      {"the strongest, kept in the order of the lines; a repeat counts once",
       ansi_lines({"clima => solo /conf= 25,00% /sup= 10,00%(0002)", "agua => clima /conf= 100,00% /sup= 30,00%(0006)",
                   "agua => clima /conf= 100,00% /sup= 30,00%(0006)", "solo => agua /conf= 50,00% /sup= 10,00%(0002)"}),
       "agua:6 clima:8 solo:3 | agua>clima=100,00% / 30,00% solo>agua=50,00% / 10,00%", 2},
      {"equal confidences in the order of the lines",
       ansi_lines({"clima => solo /conf= 50,00% /sup= 10,00%(0002)", "agua => clima /conf= 50,00% /sup= 30,00%(0006)"}),
       "clima:8 solo:3 | clima>solo=50,00% / 10,00%", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(describe(concept_network(parsed(c.rules), f, pt(), c.strongest)), c.expected);
  }
  // Width by confidence.
  Network n = concept_network(parsed(ansi_lines({"agua => clima /conf= 66,67% /sup= 20,00%(0004)"})), f, pt());
  ASSERT_EQ(n.edges.size(), 1u);
  EXPECT_DOUBLE_EQ(n.edges[0].weight, 66.67);
}

TEST(ConceptNetwork, SentencesOfTheAssociationTextGiveBackTheirRules) {
  // A reopened project shows only the sentences: each must give the rule of
  // the line it was made from, so the network draws the same arrows.
  for (const char* line : {"agua => clima /conf= 66,67% /sup= 20,00%(0004)",
                           "ação => saúde pública /conf= 100,00% /sup= 02,50%(0001)",
                           "economia => politica /conf= 07,69% /sup= 100,00%(0040)"}) {
    SCOPED_TRACE(line);
    const mining::ParsedRule rule = mining::parse_rule_line(to_ansi(line));
    const auto back = rule_of_sentence(mining::rule_sentence(rule));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, rule);
  }
  const auto text = ansi_lines({"Associações entre Conceitos", "",
                                "--50,00%  dos textos que falam em a também falam em b. Isto aconteceu em 0002 "
                                "texto(s) (05,00% do total)",
                                "--50,00%  dos textos que falam em a", "-- qualquer coisa do total)"});
  const auto rules = rules_of_sentences(text);
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(to_utf8(rules[0].rule), "a => b");
}

// Term-association rows from "a | b = w" texts.
std::vector<association::AssociationRow> pair_rows(std::initializer_list<const char*> texts) {
  std::vector<association::AssociationRow> rows;
  for (std::string_view t : texts) {
    const auto bar = t.find(" | ");
    const auto eq = t.find(" = ");
    rows.push_back({to_ansi(t.substr(0, bar)), to_ansi(t.substr(bar + 3, eq - bar - 3)), to_ansi(t.substr(eq + 3))});
  }
  return rows;
}

TEST(CooccurrenceNetwork, StrongestPairsOnce) {
  const auto listing = pair_rows({"bola | gol = 2,0000", "bola | time = 1,0000", "gol | time = 1,0000",
                                  "gol | bola = 2,0000", "time | bola = 1,0000", "time | gol = 1,0000"});
  struct Case {
    const char* name;
    std::vector<association::AssociationRow> in;
    std::size_t strongest;
    std::string expected;
  } cases[] = {
      {"all pairs, mirrors once; node weight is the total of all its pairs", listing, 60,
       "bola:3 gol:3 time:2 | bola-gol=2,0000 bola-time=1,0000 gol-time=1,0000"},
      {"the heaviest first, equal weights in line order; totals count pairs not drawn", listing, 2,
       "bola:3 gol:3 time:2 | bola-gol=2,0000 bola-time=1,0000"},
      {"a word with itself is left out", pair_rows({"gol | gol = 5,0000", "gol | o = 4,0000"}), 60,
       "gol:4 o:4 | gol-o=4,0000"},
      {"zero pairs", listing, 0, "|"},
      {"lines from a saved file (three decimals)", pair_rows({"a | b = 3,000", "c | d = 7,000"}), 60,
       "c:7 d:7 a:3 b:3 | c-d=7,000 a-b=3,000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(describe(cooccurrence_network(c.in, c.strongest, pt())), c.expected);
  }
  EXPECT_NE(stop_text([] { cooccurrence_network(pair_rows({"a | b = xyz"}), 60, pt()); }), "");
}

TEST(Communities, DeterministicAndSeparatingComponents) {
  // Two triangles joined by one light edge, and an isolated pair.
  Network n;
  for (const char* l : {"a", "b", "c", "d", "e", "f", "g", "h"}) n.nodes.push_back({Ansi(l), 1, 0});
  auto edge = [&](std::size_t x, std::size_t y, double w) { n.edges.push_back({x, y, w, {}, false}); };
  edge(0, 1, 5), edge(1, 2, 5), edge(0, 2, 5);
  edge(3, 4, 5), edge(4, 5, 5), edge(3, 5, 5);
  edge(2, 3, 1);
  edge(6, 7, 1);
  assign_communities(n);
  std::vector<int> got;
  for (const auto& node : n.nodes) got.push_back(node.community);
  EXPECT_EQ(got, (std::vector<int>{0, 0, 0, 1, 1, 1, 2, 2}));
  EXPECT_EQ(n.community_count(), 3);
  Network again = n;
  for (auto& node : again.nodes) node.community = 9;
  assign_communities(again);
  for (std::size_t i = 0; i < n.nodes.size(); ++i) EXPECT_EQ(again.nodes[i].community, n.nodes[i].community);
}

TEST(ConceptDocuments, DocumentsOfAConceptAndOfTwo) {
  TempDir dir;
  // n0: A B; n1: A; n2: B (A at 0); n3: A B C.
  const std::vector<std::vector<records::WordRecord>> matrices = {
      {{"A", 1}, {"B", 0.5}}, {{"A", 0.2}, {"B", 0}}, {{"A", 0}, {"B", 1}}, {{"A", 1}, {"B", 1}, {"C", 1}}};
  std::vector<records::DocRecord> docs;
  for (std::size_t i = 0; i < matrices.size(); ++i) {
    records::write_all<records::WordRecord>(dir / ("n" + std::to_string(i) + ".mtz"), matrices[i]);
    docs.push_back({Ansi(("n" + std::to_string(i) + ".txt").c_str()), 0});
  }
  records::write_all(dir / "d.ldc", docs);
  ConceptDocuments cd = ConceptDocuments::read(dir / "d.ldc", std::nullopt);
  auto names = [](const std::vector<Ansi>& v) {
    std::string s;
    for (const auto& x : v) s += to_utf8(x) + " ";
    return s;
  };
  EXPECT_EQ(cd.frequency(Ansi("A")), 3);
  EXPECT_EQ(cd.frequency(Ansi("Z")), 0);
  EXPECT_EQ(names(cd.documents_of(Ansi("A"))), "n0.txt n1.txt n3.txt ");
  EXPECT_EQ(names(cd.documents_of_both(Ansi("A"), Ansi("B"))), "n0.txt n3.txt ");
  EXPECT_EQ(names(cd.documents_of_both(Ansi("A"), Ansi("Z"))), "");

  std::filesystem::remove(dir / "n2.mtz");
  EXPECT_EQ(stop_text([&] { ConceptDocuments::read(dir / "d.ldc", std::nullopt); }), "Fazer classificação antes !");
  EXPECT_EQ(stop_text([] { ConceptDocuments::read({}, std::nullopt); }), "Selecionar listas antes !");
}

// The network files read back with an XML parser and compared with the
// network they were written from (support/network_check.h).

// Each concept's length as its frequency: nodes of different weights.
struct LabelLengths : ConceptFrequency {
  double frequency(AnsiView c) const override { return static_cast<double>(c.size()); }
};

TEST(NetworkFiles, BothFormatsHoldTheNetwork) {
  // Rules (directed, with measures; accented names stored in Windows-1252,
  // a name with the characters XML escapes) and co-occurrences (undirected).
  const Network rules = concept_network(parsed(ansi_lines({"ação => clima /conf= 66,67% /sup= 20,00%(0004)",
                                                           "clima => \"solo\" & <b> /conf= 33,33% /sup= 5,00%(0001)",
                                                           "ação => \"solo\" & <b> /conf= 100,00% /sup= 12,50%(0002)"})),
                                        LabelLengths(), pt());
  const Network pairs = cooccurrence_network(
      pair_rows({"coração | pé = 2,0000", "pé | mão = 0,3333", "mão | coração = 1,0000", "x | y = 7,0000"}), 60,
      pt());
  ASSERT_EQ(rules.edges.size(), 3u);
  ASSERT_EQ(rules.edges[0].support, 20.0);
  ASSERT_FALSE(pairs.edges[0].confidence);
  Network mixed = pairs;  // an edge whose direction differs from the others'
  mixed.edges[0].directed = true;

  struct Case {
    const char* file;
    ReadNetwork (*read)(const pugi::xml_document&);
  } formats[] = {{"rede.graphml", read_graphml}, {"rede.GEXF", read_gexf}};
  const Network empty;
  TempDir dir;
  for (const auto& f : formats) {
    for (const Network* network : std::initializer_list<const Network*>{&rules, &pairs, &mixed, &empty}) {
      SCOPED_TRACE(std::string(f.file) + " with " + std::to_string(network->edges.size()) + " edges");
      write_network_file(dir / f.file, *network);
      pugi::xml_document doc;
      ASSERT_TRUE(doc.load_file((dir / f.file).c_str()));
      expect_same_network(f.read(doc), *network);
    }
  }
}

TEST(NetworkFiles, RefusalsAndFailedWritesKeepTheOldFile) {
  TempDir dir;
  Network n = cooccurrence_network(pair_rows({"a | b = 1,0000"}), 60, pt());
  EXPECT_EQ(stop_text([&] { write_network_file(dir / "rede.xml", n); }),
            "O arquivo da rede deve terminar em .graphml ou .gexf: \"" + (dir / "rede.xml").string() + "\"");
  EXPECT_FALSE(std::filesystem::exists(dir / "rede.xml"));
  const std::string missing = stop_text([&] { write_network_file(dir / "falta" / "rede.gexf", n); });
  EXPECT_NE(missing.find((dir / "falta" / "rede.gexf").string()), std::string::npos) << missing;
  EXPECT_NE(missing.find("inexistente"), std::string::npos) << missing;

  // A write cut short by the file-size limit leaves the old file whole.
  write_network_file(dir / "rede.graphml", n);
  const std::string old = read_file(dir / "rede.graphml");
  for (int i = 0; i < 200; ++i) n.nodes.push_back({Ansi("palavra"), 1, 0});
  const std::string cut = testing::stop_text_confined([&] { write_network_file(dir / "rede.graphml", n); },
                                                      Confinement{4096, false});
  EXPECT_NE(cut.find("rede.graphml"), std::string::npos) << cut;
  EXPECT_EQ(read_file(dir / "rede.graphml"), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// A symmetric matrix with a zero diagonal whose value at (i, j) names the
// pair, so a reordering can be checked cell by cell.
std::vector<double> named_values(std::size_t n) {
  std::vector<double> values(n * n);
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = 0; j < n; ++j) values[i * n + j] = i == j ? 0.0 : 0.01 * double(std::min(i, j) * 10 + std::max(i, j));
  return values;
}

clustering::SimilarityMatrix named_matrix(std::size_t n) { return clustering::SimilarityMatrix(n, named_values(n)); }

clustering::Clusters clusters_of(std::size_t n, std::vector<std::vector<const char*>> members) {
  clustering::Clusters c;
  c.n = n;
  for (auto& m : members) {
    std::vector<Ansi> k;
    for (const char* s : m) k.push_back(Ansi(s));
    c.members.push_back(k);
  }
  return c;
}

TEST(Heatmap, OrdersByClusterWithBlocksAndUnclusteredLast) {
  const auto entries = ansi_lines({"a.txt", " b.txt", "c.txt", "d.txt", "e.txt"});
  const auto m = named_matrix(5);
  struct Case {
    const char* what;
    std::optional<clustering::Clusters> clusters;
    std::vector<std::size_t> order;
    std::vector<HeatmapBlock> blocks;
  };
  const std::vector<Case> cases = {
      {"no clusters", std::nullopt, {0, 1, 2, 3, 4}, {}},
      {"clusters of the list",
       clusters_of(5, {{"c.txt", "a.txt"}, {"b.txt", "e.txt"}, {"d.txt"}}),
       {2, 0, 1, 4, 3},
       {{0, 2, 1}, {2, 4, 2}, {4, 5, 3}}},
      {"members matched by trimmed name", clusters_of(5, {{" e.txt ", "b.txt"}}), {4, 1, 0, 2, 3}, {{0, 2, 1}}},
      {"unknown member skipped", clusters_of(5, {{"x.txt"}, {"d.txt"}}), {3, 0, 1, 2, 4}, {{0, 1, 2}}},
      {"clusters of another list ignored", clusters_of(4, {{"d.txt", "a.txt"}}), {0, 1, 2, 3, 4}, {}},
  };
  for (const auto& c : cases) {
    auto h = heatmap_model(entries, m, c.clusters);
    EXPECT_EQ(h.order, c.order) << c.what;
    EXPECT_EQ(h.blocks, c.blocks) << c.what;
    ASSERT_EQ(h.size(), 5u);
    for (std::size_t r = 0; r < 5; ++r) {
      EXPECT_EQ(h.names[r], Ansi(entries[h.order[r]].substr(entries[h.order[r]].find_first_not_of(' '))));
      for (std::size_t col = 0; col < 5; ++col) EXPECT_EQ(h.at(r, col), m.at(h.order[r], h.order[col])) << c.what;
    }
  }
}

TEST(Heatmap, RepeatedNamesEachFindTheirOwnDocument) {
  const auto entries = ansi_lines({"x.txt", "y.txt", "x.txt"});
  auto h = heatmap_model(entries, named_matrix(3), clusters_of(3, {{"y.txt", "x.txt"}, {"x.txt"}}));
  EXPECT_EQ(h.order, (std::vector<std::size_t>{1, 0, 2}));
  EXPECT_EQ(h.blocks, (std::vector<HeatmapBlock>{{0, 2, 1}, {2, 3, 2}}));
}

TEST(Heatmap, MaxValueIgnoresTheDiagonalBlockOfFindsThePositionAndAnotherListStops) {
  auto values = named_values(3);
  values[0] = 5.0;  // a diagonal cell never sets the scale
  const clustering::SimilarityMatrix m(3, values);
  auto h = heatmap_model(ansi_lines({"a", "b", "c"}), m, clusters_of(3, {{"b", "c"}}));
  EXPECT_DOUBLE_EQ(h.max_value, 0.12);
  ASSERT_TRUE(h.block_of(1));
  EXPECT_EQ(h.block_of(1)->cluster, 1u);
  EXPECT_FALSE(h.block_of(2));  // "a" is in no cluster
  // A matrix of another list stops.
  EXPECT_NE(stop_text([] { heatmap_model(ansi_lines({"a", "b"}), named_matrix(3), std::nullopt); }), "");
  EXPECT_NE(stop_text([] { heatmap_model({}, clustering::SimilarityMatrix{}, std::nullopt); }), "");
}

TEST(FrequencyBars, KeepTheTablesOrderWithTheShareAsTextAndAnUnreadableCountStops) {
  std::vector<shell::FrequencyRow> rows = {
      {to_ansi("esporte"), Ansi("3"), Ansi("37,5")},
      {to_ansi("meio-ambiente"), Ansi("8"), Ansi("100,0")},
      {to_ansi("economia"), Ansi(" 1 "), Ansi("")},  // share not filled yet
      {to_ansi("política"), Ansi(""), Ansi("")},      // a row not filled yet counts as 0
  };
  EXPECT_EQ(frequency_bars(rows, pt()), (std::vector<Bar>{{to_ansi("esporte"), 3, Ansi("37,5%")},
                                                          {to_ansi("meio-ambiente"), 8, Ansi("100,0%")},
                                                          {to_ansi("economia"), 1, Ansi("")},
                                                          {to_ansi("política"), 0, Ansi("")}}));
  EXPECT_TRUE(frequency_bars({}, pt()).empty());
  EXPECT_FALSE(stop_text([] { frequency_bars({{Ansi("a"), Ansi("x3"), Ansi("1")}}, pt()); }).empty());
}

TEST(HeaviestBars, TopKHeaviestFirstTiesInListOrder) {
  const auto list = ansi_lines({"casa | 0,5000", "rio | 0,9000", "mar | 0,5000", "sol|0,1", "céu | 0,9000"});
  struct Case {
    std::size_t top;
    std::vector<const char*> labels;
  };
  for (const Case& c : std::vector<Case>{
           {0, {"rio", "céu", "casa", "mar", "sol"}},  // 0: every line
           {2, {"rio", "céu"}},
           {30, {"rio", "céu", "casa", "mar", "sol"}},  // more than there are
       }) {
    auto bars = heaviest_bars(list, c.top, pt());
    ASSERT_EQ(bars.size(), c.labels.size()) << c.top;
    for (std::size_t i = 0; i < bars.size(); ++i) EXPECT_EQ(bars[i].label, to_ansi(c.labels[i])) << c.top << " " << i;
  }
  auto bars = heaviest_bars(list, 1, pt());
  EXPECT_DOUBLE_EQ(bars[0].value, 0.9);
  EXPECT_EQ(bars[0].text, Ansi("0,9000"));  // the weight as the list shows it
  EXPECT_FALSE(stop_text([] { heaviest_bars(ansi_lines({"casa | 1", "sem peso"}), 30, pt()); }).empty());
}

TEST(HeaviestBars, EqualsAStableSortOfTheWholeList) {
  // Many ties: partial selection must pick the same bars a full stable sort would.
  std::vector<Ansi> list;
  for (int i = 0; i < 200; ++i)
    list.push_back(Ansi("w") + Ansi(std::to_string(i).c_str()) + Ansi(" | ") +
                   Ansi(std::to_string((i * 37) % 11).c_str()));
  auto all = heaviest_bars(list, 0, pt());
  std::vector<Bar> expected = all;
  std::stable_sort(expected.begin(), expected.end(), [](const Bar& a, const Bar& b) { return a.value > b.value; });
  EXPECT_EQ(all, expected);
  for (std::size_t k : {1u, 7u, 30u, 199u}) {
    auto top = heaviest_bars(list, k, pt());
    EXPECT_EQ(top, std::vector<Bar>(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(k))) << k;
  }
}

}  // namespace
}  // namespace lumeral::charts
