// The concordance window and the dendrogram window on the prepared sample,
// against lumeral-cli: the rows of `kwic`, the viewer opened at a row, the
// clusters and files of `cluster --hierarchical`, the cut line dragged, the
// picture exported, the leaves' labels apart.
#include <QFontInfo>
#include <QMouseEvent>
#include <QTextBlock>

#include <functional>
#include <random>

#include "core/export/concordance_table.h"
#include "core/export/table.h"
#include "gui/base/table_export.h"
#include "gui/clustering/clusterizacao.h"
#include "gui/clustering/dendrograma.h"
#include "gui/association/associacao.h"
#include "gui/classification/especificidades.h"
#include "gui/comparison/centroide.h"
#include "gui/preparation/textos.h"
#include "gui/preparation/lista_docs.h"
#include "gui/retrieval/recup_similar.h"
#include "gui/retrieval/recuperacao_booleana.h"
#include "gui/retrieval/concordancia.h"
#include "gui/summaries/resumo.h"
#include "tools_fixture.h"

namespace lumeral::gui::testing {
namespace {

class Views : public RoadTest {
 protected:
  Tform_concordancia& conc() { return *windows->form_concordancia; }
  Tform_cluster& cluster() { return *windows->form_cluster; }
  void search(int sort, int limit) {
    windows->open_concordancia(proj / "noticias.ldc", {Ansi("governo")});
    ui(conc()).Combo_ordem->setCurrentIndex(sort);
    ui(conc()).SpinEdit_limite->setValue(limit);
    conc().Procura1Click();
    ASSERT_TRUE(conc().last_command_ok());
  }
  // The clustering window's list with its matrix by words, and the tree.
  Tdendrograma& tree_of_sample() {
    platform.answer(q(proj / "noticias.ldc"));
    cluster().Abrelistadedocs1Click();
    cluster().Criamatriz1Click();
    cluster().Dendrograma1Click();
    return *windows->dendrograma;
  }
  std::vector<std::string> clusters_shown() {
    std::vector<std::string> out;
    for (int k = 0; k < ui(cluster()).ListBox_clusters->count(); ++k) {
      out.push_back(to_utf8(ui(cluster()).ListBox_clusters->line(k)));
      ui(cluster()).ListBox_clusters->setCurrentRow(k);
      cluster().Mostradocsdeumcluster1Click();
      for (const auto& m : utf8_lines(ui(cluster()).ListBox_membros->lines())) out.push_back("  " + m);
    }
    return out;
  }
};

TEST_F(Views, ConcordanceRowsAreTheCommandLinesAndOpenTheViewerThere) {
  struct Case {
    int sort;
    const char* cli_sort;
    int limit;
  };
  for (const Case& k : {Case{0, nullptr, 0}, Case{1, "keyword", 5}, Case{4, "right1", 0}}) {
    SCOPED_TRACE(k.sort);
    search(k.sort, k.limit);
    std::vector<std::string> args{"kwic", "--docs", c("noticias.ldc"), "--word", "governo"};
    if (k.cli_sort) args.insert(args.end(), {"--sort", k.cli_sort});
    if (k.limit) args.insert(args.end(), {"--limit", std::to_string(k.limit)});
    auto expected = lines_of(cli_run(args).out);
    ASSERT_GT(expected.size(), 2u);
    EXPECT_EQ(to_utf8(ansi(ui(conc()).Label_total->text())), expected.back());
    expected.pop_back();
    EXPECT_EQ(utf8_lines(ui(conc()).ListBox_linhas->lines()), expected);
    EXPECT_TRUE(QFontInfo(ui(conc()).ListBox_linhas->font()).fixedPitch());
  }
  // A double click: the row's document, scrolled to its line, the keyword selected.
  for (int row : {0, ui(conc()).ListBox_linhas->count() - 1}) {
    const auto& r = conc().linhas()[static_cast<std::size_t>(row)];
    ui(conc()).ListBox_linhas->setCurrentRow(row);
    conc().ListBox_linhasDblClick();
    EXPECT_EQ(viewer_lines(*windows), text_lines(proj / to_utf8(r.name)));
    const QTextCursor cursor = ui(windows->result_recsim).Memo1->textCursor();
    EXPECT_EQ(cursor.blockNumber() + 1, static_cast<int>(r.line)) << row;
    EXPECT_EQ(cursor.selectedText(), qs(r.keyword)) << row;
  }
  // The export: the rows shown, as the command line exports them.
  cli_run({"kwic", "--docs", c("noticias.ldc"), "--word", "governo", "--sort", "right1", "--export", c("k.csv")});
  platform.answer(q(proj / "k.csv"));
  export_table(conc(), [this] { return exporting::concordance_table(conc().linhas()); });
  EXPECT_EQ(read_file(proj / "k.csv"), read_file(cli / "k.csv"));
  platform.messages.clear();  // the export's notice
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

// Each opener hands the concordance its document list and words: the
// windows of searches and lists hand their words, the windows of word rows
// the word of the row chosen (a pair's two words); a word list belongs to no
// document list outside a wizard project, so the concordance keeps its own.
TEST_F(Views, EveryOpenerHandsItsListAndWords) {
  const fs::path list = proj / "noticias.ldc";
  const QString two = QStringLiteral("governo  eleição");
  const auto word_of = [](const Ansi& line) { return qs(line).section(QLatin1Char('|'), 0, 0).trimmed(); };
  struct Case {
    std::function<QString()> open;  // fills its window, opens the concordance, gives the words expected
    QString list = QStringLiteral("noticias.ldc");
  };
  const Case cases[] = {
      {[&] {
         windows->form_resumo->carrega_lista(list);
         ui(windows->form_resumo).Memo_palavras->setPlainText(two);
         windows->form_resumo->Concordancia1Click();
         return QStringLiteral("governo eleição");
       }},
      {[&] {
         ui(windows->form_recbool).Edit_doc->setText(q(list));
         ui(windows->form_recbool).Memo1->setPlainText("governo\nestado");
         ui(windows->form_recbool).Concordancia1->trigger();
         return QStringLiteral("governo estado");
       }},
      {[&] {
         ui(windows->form_recsim).Edit_lista->setText(q(list));
         windows->form_recsim->Concordancia1Click();
         return QString();  // a list and no words
       }},
      {[&] {
         platform.answer(q(list));
         windows->form_ldoc->AbrelistaClick(ui(windows->form_ldoc).lista1);
         windows->form_ldoc->ConcordanciaClick(ui(windows->form_ldoc).lista1);
         return QString();
       }},
      {[&] {
         platform.answer(q(proj / "noticia01.lpl"));
         windows->Form1->Abrelista1Click();
         ui(windows->Form1).ListBox1->setCurrentRow(2);
         ui(windows->Form1).Concordancia1->trigger();
         return word_of(ui(windows->Form1).ListBox1->line(2));
       },
       QString()},
      {[&] {
         Tform_centro& f = *windows->form_centro;
         platform.answer(q(list));
         f.Abrelistadedocumentos1Click();
         ui(f).ListBox_docs->setCurrentRow(0);
         f.Novo1Click();
         if (ui(f).ListBox_centro->count() < 2) return QString();
         ui(f).ListBox_centro->setCurrentRow(1);
         ui(f).Concordancia1->trigger();
         return word_of(ui(f).ListBox_centro->line(1));
       }},
      {[&] {
         Tform_rel& f = *windows->form_rel;
         platform.answer(q(proj / "stop.stw"));
         platform.answer(q(list));
         f.Calcularassociacoes1Click();
         emit ui(f).ListBox1->itemDoubleClicked(ui(f).ListBox1->item(0));
         const auto& par = f.linhas().front();
         return qs(par.first).trimmed() + QLatin1Char(' ') + qs(par.second).trimmed();
       }},
      {[&] {
         Tform_especificidades& f = *windows->create_form_especificidades();
         platform.answer(q(list));
         f.bt_docsClick();
         ui(f).ComboBox_variavel->setCurrentText(QStringLiteral("fonte"));
         f.bt_calculaClick();
         emit ui(f).Tabela->cellDoubleClicked(3, 0);
         return ui(f).Tabela->item(3, 1)->text();
       }},
  };
  ASSERT_EQ(run_cli({"stopwords-save", (proj / "stop.stw").string()}, proj, "a\no\nde\nda\ndo\ne\n").exit_code, 0);
  // The tools window's button: the window, empty.
  open_tools();
  ui(*windows->Form3).bt_concordancia->click();
  ASSERT_TRUE(windows->form_concordancia);
  EXPECT_TRUE(conc().isVisible());
  for (const Case& k : cases) {
    ui(conc()).Edit_lista->clear();
    ui(conc()).Edit_palavras->clear();
    conc().hide();
    const QString words = k.open();
    ASSERT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
    SCOPED_TRACE(words.toStdString());
    EXPECT_TRUE(conc().isVisible());
    EXPECT_EQ(ui(conc()).Edit_lista->text(), k.list);
    EXPECT_EQ(ui(conc()).Edit_palavras->text(), words);
  }
  // A list changed since it was opened is refused until it is saved.
  ui(windows->form_ldoc).lista1.ListBox_docs->setCurrentRow(0);
  windows->form_ldoc->ExcluidocClick(ui(windows->form_ldoc).lista1);
  windows->form_ldoc->ConcordanciaClick(ui(windows->form_ldoc).lista1);
  EXPECT_EQ(messages().size(), 1);
}

TEST_F(Views, DendrogramCutGivesTheClustersAndFilesOfTheCommandLine) {
  open_tools();
  Tdendrograma& d = tree_of_sample();
  ASSERT_TRUE(d.arvore_mostrada());
  for (std::size_t k : {2u, 5u}) {
    SCOPED_TRACE(k);
    auto run = cli_run({"cluster", "--docs", c("noticias.ldc"), "--method", "word", "--hierarchical", "average", "--k",
                        std::to_string(k), "--export", c("c.csv")});
    EXPECT_EQ(read_file(proj / "noticias.dnd"), read_file(cli / "noticias.dnd"));
    ui(d).SpinEdit_k->setValue(static_cast<int>(k));
    d.bt_corteClick();
    EXPECT_EQ(clusters_shown(), lines_of(run.out));
    platform.answer(q(proj / "c.csv"));
    export_table(cluster(), [this] { return exporting::cluster_table(cluster().clusters()); });
    EXPECT_EQ(read_file(proj / "c.csv"), read_file(cli / "c.csv"));
    platform.messages.clear();  // the export's notice
  }
  // Reopened, the window reads the list's tree back.
  windows->dendrograma->close();
  cluster().Dendrograma1Click();
  EXPECT_EQ(*d.arvore_mostrada(), clustering::read_dendrogram(cli / "noticias.dnd"));

  // Dragging the line: k follows the clusters the line leaves.
  d.resize(900, 700);
  d.show();
  auto& view = *ui(d).arvore;
  const auto& tree = *d.arvore_mostrada();
  for (std::size_t k : {1u, 3u, 6u}) {
    const QPointF at(view.width() / 2.0, view.y_of(charts::DendrogramView::height_for(tree, k)));
    QMouseEvent press(QEvent::MouseButtonPress, at, view.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, view.mapToGlobal(at), Qt::LeftButton, {}, {});
    QCoreApplication::sendEvent(&view, &press);
    QCoreApplication::sendEvent(&view, &release);
    EXPECT_EQ(ui(d).SpinEdit_k->value(), static_cast<int>(k));
  }
  // The picture, in each format.
  for (const char* ext : {"png", "svg", "pdf"}) {
    const fs::path out = tmp / (std::string("arvore.") + ext);
    platform.answer(q(out));
    d.bt_exportarClick();
    EXPECT_TRUE(d.last_command_ok()) << ext;
    EXPECT_GT(fs::file_size(out), 1000u) << ext;
  }
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(Views, LeafLabelsDoNotOverlapAtTheDefaultSize) {
  // The sample's tree, and one too large to show leaf by leaf.
  open_tools();
  const auto sample = *tree_of_sample().arvore_mostrada();
  const std::size_t big = 700;
  std::mt19937 random(7);
  std::uniform_real_distribution<float> distance(0.f, 1.f);
  std::vector<float> distances(big * (big - 1) / 2);
  for (auto& v : distances) v = distance(random);
  const auto large = clustering::hierarchical_of_distances(big, std::move(distances), clustering::Linkage::Average);
  for (const auto* tree : {&sample, &large}) {
    charts::DendrogramView view;
    QStringList names;
    for (std::size_t i = 0; i < tree->n; ++i) names << QStringLiteral("documento%1.txt").arg(i);
    view.set_model({*tree, names});
    const QRectF area(QPointF(0, 0), QSizeF(view.picture_size()));
    const auto rects = view.label_rects(area);
    const bool whole = tree->n <= charts::DendrogramView::kMostLeaves;
    EXPECT_EQ(rects.size(), whole ? tree->n : charts::DendrogramView::kShownClusters);
    for (std::size_t i = 0; i < rects.size(); ++i) {
      EXPECT_TRUE(area.contains(rects[i])) << i;
      if (i > 0) {
        EXPECT_LE(rects[i - 1].right(), rects[i].left()) << i;
      }
    }
    if (!whole) {
      std::size_t documents = 0;
      for (const QString& l : view.leaf_labels())
        documents += l.startsWith("documento") ? 1 : l.split(' ')[0].toULong();
      EXPECT_EQ(documents, tree->n);
    }
  }
}

}  // namespace
}  // namespace lumeral::gui::testing
