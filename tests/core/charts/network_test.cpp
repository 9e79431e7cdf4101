#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/base/encoding.h"
#include "core/charts/concept_documents.h"
#include "core/charts/network.h"
#include "core/mining/rule_sentences.h"
#include "core/records/records.h"
#include "support/fixtures.h"

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
    Network n = concept_network(c.rules, f, pt(), c.strongest);
    EXPECT_EQ(describe(n), c.expected);
    EXPECT_TRUE(n.edge_labels);
  }
  // Width by confidence.
  Network n = concept_network(ansi_lines({"agua => clima /conf= 66,67% /sup= 20,00%(0004)"}), f, pt());
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

TEST(CooccurrenceNetwork, StrongestPairsOnce) {
  const auto listing = ansi_lines({"bola | gol = 2,0000", "bola | time = 1,0000", "gol | time = 1,0000",
                              "gol | bola = 2,0000", "time | bola = 1,0000", "time | gol = 1,0000"});
  struct Case {
    const char* name;
    std::vector<Ansi> in;
    std::size_t strongest;
    std::string expected;
  } cases[] = {
      {"all pairs, mirrors once; node weight is the total of all its pairs", listing, 60,
       "bola:3 gol:3 time:2 | bola-gol=2,0000 bola-time=1,0000 gol-time=1,0000"},
      {"the heaviest first, equal weights in line order", listing, 2,
       "bola:3 gol:3 time:2 | bola-gol=2,0000 bola-time=1,0000"},
      {"totals count pairs not drawn", listing, 1, "bola:3 gol:3 | bola-gol=2,0000"},
      {"a word with itself is left out", ansi_lines({"gol | gol = 5,0000", "gol | o = 4,0000"}), 60,
       "gol:4 o:4 | gol-o=4,0000"},
      {"zero pairs", listing, 0, "|"},
      {"lines from a saved file (three decimals)", ansi_lines({"a | b = 3,000", "c | d = 7,000"}), 60,
       "c:7 d:7 a:3 b:3 | c-d=7,000 a-b=3,000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Network n = cooccurrence_network(c.in, c.strongest, pt());
    EXPECT_EQ(describe(n), c.expected);
    EXPECT_FALSE(n.edge_labels);
  }
  EXPECT_NE(stop_text([] { cooccurrence_network(ansi_lines({"a | b = xyz"}), 60, pt()); }), "");
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
  EXPECT_EQ(names(cd.documents_of(Ansi("B"))), "n0.txt n2.txt n3.txt ");
  EXPECT_EQ(names(cd.documents_of_both(Ansi("A"), Ansi("B"))), "n0.txt n3.txt ");
  EXPECT_EQ(names(cd.documents_of_both(Ansi("A"), Ansi("Z"))), "");

  std::filesystem::remove(dir / "n2.mtz");
  EXPECT_EQ(stop_text([&] { ConceptDocuments::read(dir / "d.ldc", std::nullopt); }), "Fazer classificação antes !");
  EXPECT_EQ(stop_text([] { ConceptDocuments::read({}, std::nullopt); }), "Selecionar listas antes !");
}

}  // namespace
}  // namespace lumeral::charts
