// The two network windows on the prepared sample collection (the concept
// network from the data-mining window and the mining panel, the
// co-occurrence network from the term association), the SVG picture of a
// small known network, the networks exported as GraphML and GEXF, and
// `lumeral-cli chart associations|cooccurrence`.
#include <QXmlStreamReader>

#include <set>

#include "charts/network_view.h"
#include "charts/picture_export.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/classification/results.h"
#include "core/mining/rule_lines.h"
#include "gui/association/associacao.h"
#include "gui/association/rede_termos.h"
#include "gui/mining/data_mining.h"
#include "gui/mining/minera.h"
#include "gui/mining/rede_conceitos.h"
#include "gui/summaries/resumo.h"
#include "road_fixture.h"
#include "support/network_check.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::expect_same_network;
using lumeral::testing::read_network_file;
using lumeral::testing::ReadNetwork;

// What an SVG file holds: whether it is well-formed XML, its texts, and
// how many elements of each kind it has.
struct Svg {
  bool well_formed = false;
  std::set<QString> texts;
  std::map<QString, int> elements;
};

Svg read_svg(const fs::path& file) {
  Svg svg;
  const std::string bytes = read_file(file);
  QXmlStreamReader xml(QByteArray::fromStdString(bytes));
  QString text;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      ++svg.elements[xml.name().toString()];
      if (xml.name() == QLatin1String("text")) svg.texts.insert(xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
    }
  }
  svg.well_formed = !xml.hasError();
  return svg;
}

// The labels of the network's nodes.
std::set<QString> node_labels(const charts::NetworkScene& scene) {
  std::set<QString> labels;
  for (std::size_t i = 0; i < scene.node_count(); ++i) labels.insert(scene.node_item(i)->label());
  return labels;
}

QStringList list_items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

TEST(NetworkPicture, SvgOfASmallNetworkHoldsItsNodesAndEdges) {
  charts::Network n;
  n.edge_labels = true;
  n.nodes = {{Ansi("agua"), 6, 0}, {Ansi("clima"), 8, 0}, {Ansi("solo"), 3, 1}, {Ansi("vento"), 1, 1}};
  n.edges = {{0, 1, 50, Ansi("50,00% / 15,00%"), true},
             {1, 2, 25, Ansi("25,00% / 10,00%"), true},
             {2, 3, 100, Ansi("100,00% / 5,00%"), true}};
  charts::NetworkScene scene;
  scene.show_network(n, charts::concept_network_legend());
  ASSERT_EQ(scene.node_count(), 4u);
  ASSERT_EQ(scene.edge_count(), 3u);
  // Labels do not overlap in the layout.
  for (std::size_t i = 0; i < 4; ++i)
    for (std::size_t j = i + 1; j < 4; ++j) {
      const auto* a = scene.node_item(i);
      const auto* b = scene.node_item(j);
      EXPECT_FALSE(a->sceneBoundingRect().intersects(b->sceneBoundingRect())) << i << " " << j;
    }

  TempDir dir;
  const fs::path file = dir / "rede.svg";
  ASSERT_EQ(charts::save_scene(QString::fromStdString(file.string()), scene), QString());
  const Svg svg = read_svg(file);
  EXPECT_TRUE(svg.well_formed);
  for (const char* label : {"agua", "clima", "solo", "vento", "50,00% / 15,00%", "100,00% / 5,00%"})
    EXPECT_TRUE(svg.texts.count(QString::fromUtf8(label))) << label;
  // One line per edge; one circle per node and per community swatch of
  // the legend.
  EXPECT_EQ(svg.elements.at("polyline"), 3);
  EXPECT_EQ(svg.elements.at("circle"), 4 + 2);
}

TEST(NetworkPicture, LargeNetworksAreLaidOutWithoutOverlapsAndAlikeEachTime) {
  // Above 150 nodes the multilevel layout is used; either way no two nodes
  // (circle and label) may cover each other, and a second layout of the
  // same network puts every node at the same place.
  for (std::size_t size : {40u, 220u, 2000u}) {
    SCOPED_TRACE(size);
    charts::Network n;
    for (std::size_t i = 0; i < size; ++i)
      n.nodes.push_back({Ansi(("palavra" + std::to_string(i)).c_str()), double(1 + i % 7), int(i % 4)});
    for (std::size_t i = 0; i < size; ++i) {
      n.edges.push_back({i, (i + 1) % size, 1, Ansi("1"), false});
      n.edges.push_back({i, (i * 7 + 3) % size, 2, Ansi("2"), false});
    }
    charts::NetworkScene scene;
    scene.show_network(n, charts::cooccurrence_network_legend(size));
    ASSERT_EQ(scene.node_count(), size);
    int overlaps = 0;
    for (std::size_t i = 0; i < size; ++i)
      for (std::size_t j = i + 1; j < size; ++j)
        overlaps += scene.node_item(i)->sceneBoundingRect().intersects(scene.node_item(j)->sceneBoundingRect());
    EXPECT_EQ(overlaps, 0);
    if (size > 1000) continue;  // both layout programs are already seen twice
    charts::NetworkScene again;
    again.show_network(n, charts::cooccurrence_network_legend(size));
    int moved = 0;
    for (std::size_t i = 0; i < size; ++i) moved += scene.node_item(i)->pos() != again.node_item(i)->pos();
    EXPECT_EQ(moved, 0);
  }
}

TEST(NetworkPicture, WithoutTheLayoutProgramsTheNetworkSaysWhatToInstall) {
  charts::Network n;
  n.nodes = {{Ansi("a"), 1, 0}, {Ansi("b"), 1, 0}};
  n.edges = {{0, 1, 1, Ansi("1"), false}};
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", "/nonexistent");
  charts::NetworkScene scene;
  std::string message;
  try {
    scene.show_network(n, charts::cooccurrence_network_legend(2));
  } catch (const Stop& stop) {
    message = stop.text();
  }
  qputenv("PATH", path);
  EXPECT_NE(message.find("graphviz"), std::string::npos) << message;
  EXPECT_EQ(scene.node_count(), 0u);
}

TEST(NetworkPicture, DraggingANodeMovesItsEdges) {
  charts::Network n;
  n.nodes = {{Ansi("a"), 1, 0}, {Ansi("b"), 1, 0}};
  n.edges = {{0, 1, 1, Ansi("1"), false}};
  charts::NetworkScene scene;
  scene.show_network(n, charts::cooccurrence_network_legend(60));
  auto* edge = scene.edge_item(0);
  auto* node = scene.node_item(1);
  const QRectF before = edge->boundingRect().adjusted(-40, -40, 40, 40);
  node->setPos(node->pos() + QPointF(300, 200));
  // The edge now ends at the node's new place.
  EXPECT_FALSE(before.contains(node->pos()));
  EXPECT_TRUE(edge->boundingRect().adjusted(-40, -40, 40, 40).contains(node->pos()));
}

class NetworkWindows : public ClassifiedRoadTest {
 protected:
  std::string p(const std::string& name) const { return (proj / name).string(); }
  // The rules of the data-mining window over the sample's concept pairs.
  void rules_in_form_dm() {
    auto run = run_cli({"associate", "--docs", p("noticias.ldc"), "--method", "context"}, proj);
    ASSERT_EQ(run.exit_code, 0) << run.err;
    open_tools();
    Tform_dm& dm = *windows->form_dm;
    dm.Edit_contextos->setText(q(proj / "noticias.lct"));
    dm.Edit_docs->setText(q(proj / "noticias.ldc"));
    dm.Edit_ass->setText(q(proj / "temp.ass"));
    dm.CalculaConfiancaSuporte1Click();
    ASSERT_TRUE(dm.last_command_ok()) << last_message().toStdString();
    ASSERT_GT(dm.ListBox1->count(), 2);
  }
  // The word pairs of the term-association window ("Por presença no mesmo
  // doc", from the tools window: a stopword list, then the document list).
  void pairs_in_form_rel() {
    auto made = run_cli({"stopwords-save", p("stop.stw")}, proj, "a\no\nde\nda\ndo\ne\nem\nque\n");
    ASSERT_EQ(made.exit_code, 0) << made.err;
    if (!windows->Form3) open_tools();
    Tform_rel& rel = *windows->form_rel;
    rel.RadioGroup1->set_item_index(0);
    platform.answer(q(proj / "stop.stw"));
    platform.answer(q(proj / "noticias.ldc"));
    rel.Calcularassociacoes1Click();
    ASSERT_TRUE(rel.last_command_ok()) << last_message().toStdString();
  }
  // The base names of the documents holding a concept, as the
  // classification window's "Mostra documentos de um contexto" lists them.
  QStringList context_docs(const char* concept_name) {
    auto listing = classification::context_docs(proj / "noticias.ldc", Ansi(concept_name), Ansi("0,000000001"),
                                                  windows->regional());
    QStringList names;
    for (const Ansi& l : listing.lines) names << qs(l).section(" | ", 0, 0) + ".txt";
    return names;
  }
};

TEST_F(NetworkWindows, ConceptNetworkDrawsTheRulesAndListsTheirDocuments) {
  rules_in_form_dm();
  Tform_dm& dm = *windows->form_dm;
  dm.Rededeassociacoes1Click();
  ASSERT_TRUE(windows->form_rede_conceitos);
  Tform_rede_conceitos& rede = *windows->form_rede_conceitos;
  EXPECT_TRUE(rede.isVisible());
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  const auto& scene = *rede.Cena_rede;
  // One arrow per rule, one node per concept named in them.
  std::set<QString> concepts;
  for (const Ansi& line : dm.ListBox1->lines()) {
    auto rule = mining::parse_rule_line(line);
    concepts.insert(qs(rule.a));
    concepts.insert(qs(rule.b));
  }
  EXPECT_EQ(scene.edge_count(), static_cast<std::size_t>(dm.ListBox1->count()));
  EXPECT_EQ(node_labels(scene), concepts);

  // A concept: its documents, as the classification lists them.
  const std::size_t economia = scene.network().find(Ansi("economia"));
  ASSERT_LT(economia, scene.node_count());
  rede.Cena_rede->click_node(economia);
  EXPECT_EQ(list_items(rede.ListBox_docs), context_docs("economia"));
  EXPECT_EQ(scene.network().nodes[economia].weight, rede.ListBox_docs->count());
  // An arrow: the documents holding both concepts, as many as the rule counts.
  for (std::size_t e = 0; e < scene.edge_count(); ++e) {
    rede.Cena_rede->click_edge(e);
    const auto& edge = scene.network().edges[e];
    const QStringList a = context_docs(to_utf8(scene.network().nodes[edge.from].label).c_str());
    const QStringList b = context_docs(to_utf8(scene.network().nodes[edge.to].label).c_str());
    QStringList both;
    for (const QString& d : a)
      if (b.contains(d)) both << d;
    EXPECT_EQ(list_items(rede.ListBox_docs), both);
    const auto rule = mining::parse_rule_line(dm.ListBox1->line(static_cast<int>(e)));
    EXPECT_EQ(rede.ListBox_docs->count(), qs(rule.count).toInt());
  }

  // Exported through the save dialog; a name with another extension is refused.
  platform.answer(q(tmp / "conceitos.svg"));
  rede.bt_exportarClick();
  EXPECT_TRUE(read_svg(tmp / "conceitos.svg").well_formed);
  platform.answer(q(tmp / "conceitos.bmp"));
  rede.bt_exportarClick();
  EXPECT_EQ(last_message(), QStringLiteral("O arquivo da figura deve terminar em .svg, .png ou .pdf."));
  EXPECT_FALSE(fs::exists(tmp / "conceitos.bmp"));

  // The network itself, for other network tools: the rules as directed
  // edges with their confidence and support.
  platform.answer(q(tmp / "conceitos.gexf"));
  rede.bt_exportar_redeClick();
  ASSERT_TRUE(rede.last_command_ok()) << last_message().toStdString();
  const ReadNetwork exported = read_network_file(tmp / "conceitos.gexf");
  expect_same_network(exported, scene.network());
  ASSERT_FALSE(exported.edges.empty());
  EXPECT_TRUE(exported.edges[0].directed);
  EXPECT_TRUE(exported.edges[0].support);
}

TEST_F(NetworkWindows, ConceptNetworkFollowsTheMiningPanelsFilter) {
  rules_in_form_dm();
  Tform_dm& dm = *windows->form_dm;
  TMinera& mi = *w().minera;
  mi.bt_redeClick();
  ASSERT_TRUE(windows->form_rede_conceitos);
  const std::size_t all = windows->form_rede_conceitos->Cena_rede->edge_count();
  // The panel's support filter, as the wizard's panel runs it on its project.
  w().set_pasta(proj);
  w().Edit_titulo->setText("noticias");
  w().set_lista_contextos(q(proj / "noticias.lct"));
  mi.bt_filtro_suporteClick();
  mi.Edit_limiar->setText("3");
  mi.bt_calcularClick();
  ASSERT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  const std::size_t kept = static_cast<std::size_t>(dm.ListBox1->count());
  EXPECT_LT(kept, all);
  EXPECT_EQ(windows->form_rede_conceitos->Cena_rede->edge_count(), kept);
  EXPECT_EQ(mi.Edit_total_regras->text(), QString::number(kept));
}

TEST_F(NetworkWindows, CooccurrenceNetworkOfTheStrongestPairsOpensSummaries) {
  pairs_in_form_rel();
  windows->form_rel->Rededecoocorrencia1Click();
  ASSERT_TRUE(windows->form_rede_termos);
  Tform_rede_termos& rede = *windows->form_rede_termos;
  EXPECT_EQ(rede.SpinEdit_pares->value(), 60);
  EXPECT_EQ(rede.Cena_rede->edge_count(), 60u);
  // The same network as the command line draws.
  auto run = run_cli({"--locale", "pt_BR", "chart", "cooccurrence", "--docs", c("noticias.ldc"), "--out",
                      (tmp / "termos.svg").string()},
                     cli);
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, std::to_string(rede.Cena_rede->node_count()) + " palavras, 60 pares\n");
  const Svg svg = read_svg(tmp / "termos.svg");
  EXPECT_TRUE(svg.well_formed);
  for (const QString& label : node_labels(*rede.Cena_rede)) EXPECT_TRUE(svg.texts.count(label)) << label.toStdString();
  EXPECT_EQ(svg.elements.at("polyline"), 60);

  // The network as a file alone (no picture), the same as the window's.
  run = run_cli({"--locale", "pt_BR", "chart", "cooccurrence", "--docs", c("noticias.ldc"), "--graph",
                 (tmp / "termos.graphml").string()},
                cli);
  ASSERT_EQ(run.exit_code, 0) << run.err;
  expect_same_network(read_network_file(tmp / "termos.graphml"), rede.Cena_rede->network());

  rede.SpinEdit_pares->setValue(10);
  EXPECT_EQ(rede.Cena_rede->edge_count(), 10u);

  // A word: the summaries window extracts its sentences from the same list.
  const std::size_t word = 0;
  const QString label = rede.Cena_rede->node_item(word)->label();
  rede.Cena_rede->click_node(word);
  Tform_resumo& resumo = *windows->form_resumo;
  EXPECT_TRUE(resumo.isVisible());
  EXPECT_EQ(resumo.Memo_palavras->lines(), std::vector<Ansi>{ansi(label)});
  auto summary = run_cli({"summarize", "--docs", c("noticias.ldc"), label.toStdString()}, cli);
  ASSERT_EQ(summary.exit_code, 0) << summary.err;
  EXPECT_EQ(utf8_lines(resumo.resumos()), lines_of(summary.out));
  EXPECT_FALSE(resumo.resumos().empty());
}

TEST_F(NetworkWindows, CommandLineConceptNetworkHoldsTheConcepts) {
  auto run = run_cli({"associate", "--docs", c("noticias.ldc"), "--method", "context"}, cli);
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const fs::path out = tmp / "conceitos.svg";
  run = run_cli({"--locale", "pt_BR", "chart", "associations", "--contexts", c("noticias.lct"), "--docs",
                 c("noticias.ldc"), "--pairs", c("temp.ass"), "--out", out.string()},
                cli);
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const auto rules = lines_of(cli_run({"rules", "--contexts", c("noticias.lct"), "--docs", c("noticias.ldc"),
                                       "--pairs", c("temp.ass")})
                                  .out);
  const Svg svg = read_svg(out);
  ASSERT_TRUE(svg.well_formed);
  std::set<QString> concepts;
  for (const auto& l : rules) {
    auto rule = mining::parse_rule_line(to_ansi(l));
    concepts.insert(qs(rule.a));
    concepts.insert(qs(rule.b));
    EXPECT_TRUE(svg.texts.count(qs(trim(rule.confidence)) + " / " + qs(rule.support_percentage))) << l;
  }
  for (const QString& c : concepts) EXPECT_TRUE(svg.texts.count(c)) << c.toStdString();
  EXPECT_EQ(svg.elements.at("polyline"), static_cast<int>(rules.size()));
  EXPECT_EQ(run.out, std::to_string(concepts.size()) + " conceitos, " + std::to_string(rules.size()) + " regras\n");

  // A missing matrix fails without writing anything.
  fs::remove(cli / "noticia01.mtz");
  run = run_cli({"chart", "associations", "--contexts", c("noticias.lct"), "--docs", c("noticias.ldc"), "--pairs",
                 c("temp.ass"), "--out", (tmp / "y.svg").string()},
                cli);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.err.find("Fazer classificação antes !"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(tmp / "y.svg"));
}

}  // namespace
}  // namespace lumeral::gui::testing
