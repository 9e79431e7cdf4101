// The clustering window `form_cluster` and the matrix window
// `form_show_matriz` on the prepared sample collection, against lumeral-cli.
#include "gui/clustering/apresenta_matriz.h"
#include "gui/clustering/clusterizacao.h"
#include "tools_fixture.h"

namespace lumeral::gui::testing {
namespace {

class Clustering : public RoadTest {
 protected:
  Tform_cluster& f() { return *windows->form_cluster; }
  void open_list(const fs::path& list) {
    platform.answer(q(list));
    f().Abrelistadedocs1Click();
  }
  // "Agrupa documentos" as the command line prints it: each cluster, then
  // its members indented.
  std::vector<std::string> clusters_shown() {
    std::vector<std::string> out;
    for (int k = 0; k < ui(f()).ListBox_clusters->count(); ++k) {
      out.push_back(to_utf8(ui(f()).ListBox_clusters->line(k)));
      ui(f()).ListBox_clusters->setCurrentRow(k);
      f().Mostradocsdeumcluster1Click();
      EXPECT_EQ(ui(f()).Edit_total->text(), QString::number(ui(f()).ListBox_membros->count()));
      for (const auto& m : utf8_lines(ui(f()).ListBox_membros->lines())) out.push_back("  " + m);
    }
    return out;
  }
};

TEST_F(Clustering, MatrixAndClustersOfTheCommandLine) {
  open_tools();
  open_list(proj / "noticias.ldc");
  EXPECT_EQ(ui(f()).Edit_lista->text(), "noticias.ldc");
  EXPECT_EQ(utf8_lines(ui(f()).ListBox_docs->lines()), dumped_names(cli_run({"dump", c("noticias.ldc")}).out));
  classify_both("probabilistic");

  for (const char* method : {"word", "concept"}) {
    SCOPED_TRACE(method);
    ui(f()).RadioGroup_metodo->set_item_index(std::string(method) == "word" ? 0 : 1);
    f().Criamatriz1Click();
    auto shown = cli_run({"similarity-matrix", "--docs", c("noticias.ldc"), "--method", method, "--show", "--out",
                          c(std::string(method) + ".msm")});

    // "Mostra matriz": the command line's text, in a monospaced font.
    f().Mostramatriz1Click();
    Tform_show_matriz& m = *windows->form_show_matriz;
    EXPECT_TRUE(m.isVisible());
    EXPECT_EQ(utf8_lines(m.linhas()), lines_of(shown.out));
    EXPECT_TRUE(QFontInfo(ui(m).Memo1->font()).fixedPitch());

    // "Salva matriz": the same bytes as the command line's.
    platform.answer(q(proj / method));
    f().Salvamatriz1Click();
    EXPECT_EQ(read_file(proj / (std::string(method) + ".msm")), read_file(cli / (std::string(method) + ".msm")));

    for (const char* threshold : {"", "0,2"}) {
      ui(f()).Edit_limiar->setText(threshold);
      f().Agrupadocumentos1Click();
      std::vector<std::string> args{"cluster", "--docs", c("noticias.ldc"), "--method", method};
      if (*threshold) args.insert(args.end(), {"--threshold", threshold});
      EXPECT_EQ(clusters_shown(), lines_of(cli_run(args).out)) << threshold;
    }
  }

  // "Abre matriz gravada" gives back the matrix by words.
  platform.answer(q(proj / "word.msm"));
  f().Abrematrizgravada1Click();
  ui(f()).Edit_limiar->setText("0,1");
  f().Agrupadocumentos1Click();
  EXPECT_EQ(clusters_shown(), lines_of(cli_run({"cluster", "--docs", c("noticias.ldc"), "--method", "word",
                                                "--matrix", c("word.msm"), "--threshold", "0,1"})
                                       .out));

  // A cluster of several documents saved as a list, sorted first.
  for (int k = 0; k < ui(f()).ListBox_clusters->count() && ui(f()).ListBox_membros->count() < 2; ++k) {
    ui(f()).ListBox_clusters->setCurrentRow(k);
    f().Mostradocsdeumcluster1Click();
  }
  f().Ordenadocsdocluster1Click();
  auto members = utf8_lines(ui(f()).ListBox_membros->lines());
  ASSERT_GT(members.size(), 1u);
  EXPECT_TRUE(std::is_sorted(members.begin(), members.end()));
  platform.answer(q(proj / "cluster1"));
  f().Gravadocsdeumclustercomolista1Click();
  EXPECT_EQ(dumped_names(cli_run({"dump", (proj / "cluster1.ldc").string()}).out), members);

  // A double click on a member shows its text.
  ui(f()).ListBox_membros->setCurrentRow(0);
  f().ListBox_membrosDblClick();
  EXPECT_EQ(viewer_lines(*windows), text_lines(proj / members[0]));
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(Clustering, RefusalsOfAnotherListAndMessages) {
  open_tools();
  struct Step {
    void (Tform_cluster::*command)();
    QString message;
  } empty[] = {
      {&Tform_cluster::Criamatriz1Click, "Você deve selecionar antes uma lista de docs"},
      {&Tform_cluster::Mostramatriz1Click, "Você deve selecionar antes uma lista de docs"},
      {&Tform_cluster::Agrupadocumentos1Click, "Você deve selecionar antes uma lista de docs"},
  };
  for (const auto& s : empty) {
    platform.messages.clear();
    (f().*s.command)();
    EXPECT_EQ(messages(), QStringList{s.message});
  }

  open_list(proj / "noticias.ldc");
  platform.cancel_next();
  platform.messages.clear();
  f().Salvamatriz1Click();
  EXPECT_EQ(messages(), QStringList{"Não gravou a matriz de similaridades"});
  ui(f()).RadioGroup_metodo->set_item_index(1);
  platform.messages.clear();
  f().Criamatriz1Click();  // no matrices classified yet
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Fazer classificação antes")});
  ui(f()).RadioGroup_metodo->set_item_index(0);
  f().Criamatriz1Click();
  ui(f()).RadioGroup_agrupamento->set_item_index(0);
  platform.messages.clear();
  f().Agrupadocumentos1Click();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Método ainda não disponível")});
  EXPECT_EQ(ui(f()).ListBox_clusters->count(), 0);
  ui(f()).RadioGroup_agrupamento->set_item_index(1);
  f().Agrupadocumentos1Click();
  ASSERT_GT(ui(f()).ListBox_clusters->count(), 0);
  platform.answer(q(proj / "todos"));
  f().Salvamatriz1Click();

  // Another list (of a cluster): the matrix, a matrix file and the clusters
  // of the first list are refused, and nothing is grouped by them.
  ASSERT_EQ(run_cli({"make", (proj / "dois.ldc").string()}, proj, "noticia01.txt\nnoticia02.txt\n").exit_code, 0);
  ui(f()).ListBox_clusters->setCurrentRow(0);
  open_list(proj / "dois.ldc");
  platform.messages.clear();
  f().Mostradocsdeumcluster1Click();
  f().Mostramatriz1Click();
  f().Agrupadocumentos1Click();
  platform.answer(q(proj / "todos.msm"));
  f().Abrematrizgravada1Click();
  ASSERT_EQ(messages().size(), 4);
  for (const QString& m : messages()) EXPECT_FALSE(m.isEmpty());
  EXPECT_TRUE(messages()[0].contains("Agrupe os documentos novamente"));
  EXPECT_EQ(ui(f()).ListBox_clusters->count(), 0);
  EXPECT_EQ(f().matriz().n(), 40u);  // the refused file left the matrix as it was
}

}  // namespace
}  // namespace lumeral::gui::testing
