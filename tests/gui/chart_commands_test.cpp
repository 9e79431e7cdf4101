// `lumeral-cli chart` on the classified sample: every kind writes its
// picture, and the SVG holds the chart's own labels.
#include <QImage>
#include <QXmlStreamReader>

#include "core/base/encoding.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

// The texts of a well-formed SVG document (empty with a failure when it is
// not well formed).
QStringList svg_texts(const std::string& bytes) {
  QXmlStreamReader xml(QByteArray::fromStdString(bytes));
  QStringList texts;
  bool svg = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == QLatin1String("svg")) svg = true;
    if (xml.isCharacters() && !xml.isWhitespace()) texts << xml.text().toString().trimmed();
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_TRUE(svg);
  return texts;
}

class ChartCommands : public ClassifiedRoadTest {};

TEST_F(ChartCommands, EveryKindDrawsItsLabels) {
  cli_run({"centroid", "--docs", c("noticias.ldc")});
  cli_run({"differences", "--docs", c("noticias.ldc"), "--centroid", c("centro-temp.lpl")});
  cli_run({"similarity-matrix", "--docs", c("noticias.ldc"), "--method", "word", "--out", c("word.msm")});
  const std::vector<std::pair<std::string, std::vector<std::string>>> kinds = {
      {"frequencies", {"--docs", c("noticias.ldc"), "--order", "absolute"}},
      {"centroid", {"--docs", c("noticias.ldc"), "--centroid", c("centro-temp.lpl"), "--document", "noticia03.txt"}},
      {"similarity", {"--docs", c("noticias.ldc"), "--method", "word", "--threshold", "0,05"}},
      {"crosstab", {"--docs", c("noticias.ldc"), "--contexts", c("noticias.lct"), "--variable", "fonte"}},
      {"specificities", {"--docs", c("noticias.ldc"), "--variable", "mês", "--top", "5"}},
      {"ca", {"--docs", c("noticias.ldc"), "--variable", "fonte", "--words", "20"}},
      {"dendrogram", {"--docs", c("noticias.ldc"), "--matrix", c("word.msm"), "--hierarchical", "average", "--k", "4"}},
  };
  for (const auto& [kind, args] : kinds) {
    // (PDF is the same writer as in the picture tests, which check every format.)
    for (const char* ext : {"svg", "png"}) {
      SCOPED_TRACE(kind + "." + ext);
      const fs::path out = cli / (kind + "." + ext);
      std::vector<std::string> all = {"chart", kind};
      all.insert(all.end(), args.begin(), args.end());
      all.insert(all.end(), {"--out", out.string()});
      auto run = cli_run(all);
      ASSERT_EQ(run.exit_code, 0) << run.err;
      const std::string bytes = read_file(out);
      if (std::string(ext) == "png") {
        QImage image;
        ASSERT_TRUE(image.loadFromData(QByteArray::fromStdString(bytes), "PNG"));
        EXPECT_GT(image.width(), 400);
      }
    }
  }
  // The labels of each picture.
  const QStringList frequencies = svg_texts(read_file(cli / "frequencies.svg"));
  for (const char* concept_name : {"ambiente", "economia", "esporte"}) EXPECT_TRUE(frequencies.contains(concept_name)) << concept_name;
  EXPECT_TRUE(frequencies.contains(QStringLiteral("Freqüência de Conceitos")));
  EXPECT_TRUE(std::any_of(frequencies.begin(), frequencies.end(), [](const QString& t) { return t.endsWith('%'); }));
  const QStringList centroid = svg_texts(read_file(cli / "centroid.svg"));
  EXPECT_TRUE(std::any_of(centroid.begin(), centroid.end(), [](const QString& t) { return t.startsWith("Centróide"); }));
  EXPECT_TRUE(std::any_of(centroid.begin(), centroid.end(),
                          [](const QString& t) { return t.startsWith("Diferenças de noticia03.txt"); }));
  const QStringList similarity = svg_texts(read_file(cli / "similarity.svg"));
  EXPECT_TRUE(similarity.contains("noticia01.txt"));
  EXPECT_TRUE(similarity.contains("cluster"));
  EXPECT_TRUE(svg_texts(read_file(cli / "crosstab.svg")).contains("economia"));
  EXPECT_TRUE(svg_texts(read_file(cli / "specificities.svg")).contains("Palavras específicas de 2024-03"));
  const QStringList ca = svg_texts(read_file(cli / "ca.svg"));
  EXPECT_TRUE(ca.contains("Rádio Planalto"));
  EXPECT_TRUE(std::any_of(ca.begin(), ca.end(), [](const QString& t) { return t.startsWith("Eixo 1 ("); }));
  const QStringList dendrogram = svg_texts(read_file(cli / "dendrogram.svg"));
  EXPECT_TRUE(dendrogram.contains("noticia01.txt"));
  EXPECT_TRUE(dendrogram.contains("4 grupos"));
}

TEST_F(ChartCommands, RefusalsLeaveNoFile) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  cli_run({"associate", "--docs", c("noticias.ldc"), "--method", "context"});
  fs::remove(cli / "noticia01.mtz");
  const std::vector<Case> cases = {
      {{"chart", "associations", "--contexts", c("noticias.lct"), "--docs", c("noticias.ldc"), "--pairs",
        c("temp.ass"), "--out", c("c.svg")},
       "Fazer classificação antes !"},
      {{"chart", "centroid", "--docs", c("noticias.ldc"), "--document", "outro.txt", "--out", c("c.svg")},
       "O documento outro.txt não está na lista"},
      {{"chart", "centroid", "--docs", c("noticias.ldc"), "--document", "noticia01.txt", "--out", c("c.svg")},
       "Você deve antes calcular as diferenças"},
      {{"chart", "dendrogram", "--docs", c("noticias.ldc"), "--dnd", c("dois.dnd"), "--out", c("c.svg")},
       "O dendrograma é de uma lista de 2 documentos"},
  };
  write_file(cli / "dois.dnd", "lumeral-dendrograma 1\r\nligacao average\r\ndocumentos 2\r\n0 1 0.5 2\r\n");
  for (const auto& k : cases) {
    auto run = cli_run(k.args, false);
    EXPECT_EQ(run.exit_code, 1) << k.message;
    EXPECT_NE(run.err.find(k.message), std::string::npos) << run.err;
  }
  EXPECT_FALSE(fs::exists(cli / "c.svg"));
  // Without a kind, the command names the kinds.
  auto bare = cli_run({"chart"}, false);
  EXPECT_NE(bare.exit_code, 0);
  for (const char* kind : {"frequencies", "centroid", "similarity", "dendrogram"})
    EXPECT_NE((bare.out + bare.err).find(kind), std::string::npos) << bare.err;
}

}  // namespace
}  // namespace lumeral::gui::testing
