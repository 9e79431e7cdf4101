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
#include "gui/shell/minera.h"
#include "gui/mining/rede_conceitos.h"
#include "gui/summaries/resumo.h"
#include "road_fixture.h"
#include "support/network_check.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::expect_same_network;
using lumeral::testing::read_network_file;
using lumeral::testing::ReadNetwork;
using charts::Network;

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

TEST(NetworkPicture, EdgeLabelsCoverNoNodeAndNoOtherLabel) {
  // The rules of the sample collection, and every pair of 30 concepts as a
  // rule: a label is drawn where it covers nothing, or shown on hovering.
  Network sample;
  sample.edge_labels = true;
  for (auto [label, weight] : {std::pair{"ambiente", 13}, {"economia", 18}, {"esporte", 11}, {"politica", 17},
                               {"saude", 17}})
    sample.nodes.push_back({Ansi(label), double(weight), 0});
  const struct {
    std::size_t from, to;
    const char* label;
  } rules[] = {{0, 1, "53,85% / 17,50%"}, {1, 3, "44,44% / 20,00%"}, {1, 4, "27,78% / 12,50%"},
               {3, 4, "47,06% / 20,00%"}, {0, 4, "30,77% / 10,00%"}, {1, 2, "11,11% / 05,00%"},
               {2, 3, "27,27% / 07,50%"}, {2, 4, "36,36% / 10,00%"}, {0, 3, "23,08% / 07,50%"},
               {0, 2, "07,69% / 02,50%"}};
  for (const auto& r : rules) sample.edges.push_back({r.from, r.to, std::atof(r.label), Ansi(r.label), true});
  charts::assign_communities(sample);
  Network dense;
  dense.edge_labels = true;
  for (int i = 0; i < 30; ++i) dense.nodes.push_back({Ansi(("conceito" + std::to_string(i)).c_str()), double(5 + i), 0});
  for (std::size_t a = 0; a < 30; ++a)
    for (std::size_t b = a + 1; b < 30; ++b) {
      const double confidence = double((a * 37 + b * 11) % 100);
      const std::string label = std::to_string(int(confidence)) + ",00% / " + std::to_string(int(a + b) % 40) + ",50%";
      dense.edges.push_back({a, b, confidence, Ansi(label.c_str()), true});
    }
  charts::assign_communities(dense);
  const struct {
    const char* name;
    const Network& network;
    std::size_t least_drawn;  // labels drawn always, not only on hovering
  } cases[] = {{"sample", sample, 10}, {"30 concepts, 435 rules", dense, 30}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    charts::NetworkScene scene;
    scene.show_network(c.network, charts::concept_network_legend());
    ASSERT_EQ(scene.edge_count(), c.network.edges.size());
    const auto overlaps = lumeral::testing::picture_overlaps(scene);
    EXPECT_TRUE(overlaps.empty()) << overlaps.size() << " overlaps, first: " << overlaps.front();
    std::size_t drawn = 0;
    for (std::size_t e = 0; e < scene.edge_count(); ++e) drawn += !scene.edge_item(e)->label_box().isEmpty();
    EXPECT_GE(drawn, c.least_drawn);
  }
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
    EXPECT_EQ(lumeral::testing::picture_overlaps(scene).size(), 0u);
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
    ui(dm).Edit_contextos->setText(q(proj / "noticias.lct"));
    ui(dm).Edit_docs->setText(q(proj / "noticias.ldc"));
    ui(dm).Edit_ass->setText(q(proj / "temp.ass"));
    dm.CalculaConfiancaSuporte1Click();
    ASSERT_TRUE(dm.last_command_ok()) << last_message().toStdString();
    ASSERT_GT(ui(dm).ListBox1->count(), 2);
  }
  // The word pairs of the term-association window ("Por presença no mesmo
  // doc", from the tools window: a stopword list, then the document list).
  void pairs_in_form_rel() {
    auto made = run_cli({"stopwords-save", p("stop.stw")}, proj, "a\no\nde\nda\ndo\ne\nem\nque\n");
    ASSERT_EQ(made.exit_code, 0) << made.err;
    if (!windows->Form3) open_tools();
    Tform_rel& rel = *windows->form_rel;
    ui(rel).RadioGroup1->set_item_index(0);
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
    for (const auto& row : listing.rows) names << qs(row.name) + ".txt";
    return names;
  }
};

TEST_F(NetworkWindows, ConceptNetworkDrawsTheRulesListsTheirDocumentsAndFollowsTheFilter) {
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
  for (const Ansi& line : ui(dm).ListBox1->lines()) {
    auto rule = mining::parse_rule_line(line);
    concepts.insert(qs(rule.a));
    concepts.insert(qs(rule.b));
  }
  EXPECT_EQ(scene.edge_count(), static_cast<std::size_t>(ui(dm).ListBox1->count()));
  EXPECT_EQ(node_labels(scene), concepts);

  // A concept: its documents, as the classification lists them.
  const std::size_t economia = scene.network().find(Ansi("economia"));
  ASSERT_LT(economia, scene.node_count());
  rede.Cena_rede->click_node(economia);
  EXPECT_EQ(list_items(ui(rede).ListBox_docs), context_docs("economia"));
  EXPECT_EQ(scene.network().nodes[economia].weight, ui(rede).ListBox_docs->count());
  // An arrow: the documents holding both concepts, as many as the rule counts.
  for (std::size_t e = 0; e < scene.edge_count(); ++e) {
    rede.Cena_rede->click_edge(e);
    const auto& edge = scene.network().edges[e];
    const QStringList a = context_docs(to_utf8(scene.network().nodes[edge.from].label).c_str());
    const QStringList b = context_docs(to_utf8(scene.network().nodes[edge.to].label).c_str());
    QStringList both;
    for (const QString& d : a)
      if (b.contains(d)) both << d;
    EXPECT_EQ(list_items(ui(rede).ListBox_docs), both);
    const auto rule = mining::parse_rule_line(ui(dm).ListBox1->line(static_cast<int>(e)));
    EXPECT_EQ(ui(rede).ListBox_docs->count(), qs(rule.count).toInt());
  }

  // Exported through the save dialog; a name without extension is of the
  // type the dialog opens on, PNG; a name with another extension is refused.
  platform.answer(q(tmp / "conceitos.svg"));
  rede.bt_exportarClick();
  EXPECT_TRUE(read_svg(tmp / "conceitos.svg").well_formed);
  platform.answer(q(tmp / "conceitos"));
  rede.bt_exportarClick();
  EXPECT_EQ(read_file(tmp / "conceitos.png").substr(0, 4), "\x89PNG");
  EXPECT_TRUE(ui<PictureWindowUi>(rede).StatusBar1->currentMessage().endsWith("conceitos.png"));
  // A cancelled dialog writes nothing and says nothing.
  ui<PictureWindowUi>(rede).StatusBar1->clearMessage();
  platform.cancel_next();
  rede.bt_exportarClick();
  EXPECT_TRUE(ui<PictureWindowUi>(rede).StatusBar1->currentMessage().isEmpty());
  EXPECT_TRUE(platform.messages.empty());
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

  // The command line draws the same network from the same files.
  cli_run({"associate", "--docs", c("noticias.ldc"), "--method", "context"});
  cli_run({"chart", "associations", "--contexts", c("noticias.lct"), "--docs", c("noticias.ldc"), "--pairs",
           c("temp.ass"), "--graph", (tmp / "cli.gexf").string()});
  expect_same_network(read_network_file(tmp / "cli.gexf"), scene.network());

  // The mining panel's support filter, as the wizard's panel runs it on its
  // project, redraws the network.
  TMinera& mi = *w().minera;
  const std::size_t all = scene.edge_count();
  platform.messages.clear();
  w().set_pasta(proj);
  ui<WizardProjectPanel>(w()).Edit_titulo->setText("noticias");
  w().set_lista_contextos(q(proj / "noticias.lct"));
  mi.bt_filtro_suporteClick();
  ui(mi).Edit_limiar->setText("3");
  mi.bt_calcularClick();
  ASSERT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  const std::size_t kept = static_cast<std::size_t>(ui(dm).ListBox1->count());
  EXPECT_LT(kept, all);
  EXPECT_EQ(scene.edge_count(), kept);
  EXPECT_EQ(ui(mi).Edit_total_regras->text(), QString::number(kept));
  // Opened from the panel: the panel's own sentences, the same rules.
  mi.bt_redeClick();
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(scene.edge_count(), kept);
}

TEST_F(NetworkWindows, ReopenedProjectDrawsTheRulesItShows) {
  // A project mined and saved at the mining step, reopened in a new
  // session: the panel shows the saved sentences and nothing else ran.
  auto mined = run_cli({"--locale", "pt_BR", "mine", p("noticias.ini")}, proj);
  ASSERT_EQ(mined.exit_code, 0) << mined.err;
  std::string ini = read_file(proj / "noticias.ini");
  for (auto [from, to] : {std::pair<std::string, std::string>{"/home/analista/lmr/projetos/noticias", proj.string()},
                          {"n=4\r\n", "n=5\r\n"}}) {
    const auto at = ini.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    ini.replace(at, from.size(), to);
    if (const auto again = ini.find(from); again != std::string::npos) ini.replace(again, from.size(), to);
  }
  write_file(proj / "noticias.ini", ini);
  continue_project(proj / "noticias.ini");
  ASSERT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  const std::vector<Ansi> shown = w().minera->sentencas();
  ASSERT_EQ(shown.size(), 10u);

  w().minera->bt_redeClick();
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  const charts::Network& drawn = windows->form_rede_conceitos->Cena_rede->network();
  ASSERT_EQ(drawn.edges.size(), shown.size());
  for (std::size_t e = 0; e < shown.size(); ++e) {
    // "--66,67%  dos textos que falam em A também falam em B. Isto aconteceu em 0004 texto(s) (20,00% do total)"
    const QString sentence = qs(shown[e]);
    const auto& edge = drawn.edges[e];
    const QString from = qs(drawn.nodes[edge.from].label), to = qs(drawn.nodes[edge.to].label);
    EXPECT_TRUE(sentence.contains(" falam em " + from + QString::fromUtf8(" também falam em ") + to + "."))
        << sentence.toStdString();
    EXPECT_TRUE(sentence.startsWith("--" + qs(edge.label).section(" / ", 0, 0))) << sentence.toStdString();
    EXPECT_TRUE(sentence.endsWith("(" + qs(edge.label).section(" / ", 1) + " do total)")) << sentence.toStdString();
    // A node's size is its concept's number of documents.
    EXPECT_GT(drawn.nodes[edge.from].weight, 0);
  }
}

TEST_F(NetworkWindows, CooccurrenceNetworkOfTheStrongestPairsOpensSummaries) {
  pairs_in_form_rel();
  windows->form_rel->Rededecoocorrencia1Click();
  ASSERT_TRUE(windows->form_rede_termos);
  Tform_rede_termos& rede = *windows->form_rede_termos;
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

  ui(rede).SpinEdit_pares->setValue(10);
  EXPECT_EQ(rede.Cena_rede->edge_count(), 10u);

  // A word: the summaries window extracts its sentences from the same list.
  const std::size_t word = 0;
  const QString label = rede.Cena_rede->node_item(word)->label();
  rede.Cena_rede->click_node(word);
  Tform_resumo& resumo = *windows->form_resumo;
  EXPECT_TRUE(resumo.isVisible());
  EXPECT_EQ(ui(resumo).Memo_palavras->lines(), std::vector<Ansi>{ansi(label)});
  auto summary = run_cli({"summarize", "--docs", c("noticias.ldc"), label.toStdString()}, cli);
  ASSERT_EQ(summary.exit_code, 0) << summary.err;
  EXPECT_EQ(utf8_lines(resumo.resumos()), lines_of(summary.out));
  EXPECT_FALSE(resumo.resumos().empty());
}

}  // namespace
}  // namespace lumeral::gui::testing
