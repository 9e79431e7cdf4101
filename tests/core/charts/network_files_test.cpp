// The network files read back with an XML parser and compared with the
// network they were written from (support/network_check.h).
#include <gtest/gtest.h>

#include <string>

#include "core/base/encoding.h"
#include "core/charts/network.h"
#include "core/charts/network_files.h"
#include "support/fixtures.h"
#include "support/network_check.h"

namespace lumeral::charts {
namespace {

using namespace lumeral::testing;

struct Frequencies : ConceptFrequency {
  double frequency(AnsiView c) const override { return static_cast<double>(c.size()); }
};

TEST(NetworkFiles, BothFormatsHoldTheNetwork) {
  // Rules (directed, with measures; accented names stored in Windows-1252,
  // a name with the characters XML escapes) and co-occurrences (undirected).
  const Network rules = concept_network(ansi_lines({"ação => clima /conf= 66,67% /sup= 20,00%(0004)",
                                                    "clima => \"solo\" & <b> /conf= 33,33% /sup= 5,00%(0001)",
                                                    "ação => \"solo\" & <b> /conf= 100,00% /sup= 12,50%(0002)"}),
                                        Frequencies(), pt());
  const Network pairs = cooccurrence_network(
      ansi_lines({"coração | pé = 2,0000", "pé | mão = 0,3333", "mão | coração = 1,0000", "x | y = 7,0000"}), 60,
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
  Network n = cooccurrence_network(ansi_lines({"a | b = 1,0000"}), 60, pt());
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

}  // namespace
}  // namespace lumeral::charts
