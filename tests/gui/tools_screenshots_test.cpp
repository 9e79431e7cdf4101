// Pictures of the retrieval, summary, clustering and evaluation windows
// with results, for looking at them: with LUMERAL_SHOTS naming a folder
// (and a real display, e.g. Xvfb with QT_QPA_PLATFORM=xcb), each window is
// filled on the prepared sample collection and saved there as a PNG.
// Skipped otherwise.
#include "gui/clustering/apresenta_matriz.h"
#include "gui/clustering/aval1.h"
#include "gui/clustering/clusterizacao.h"
#include "gui/clustering/medidas.h"
#include "gui/retrieval/recup_similar.h"
#include "gui/retrieval/recuperacao_booleana.h"
#include "gui/summaries/resumo.h"
#include "gui/summaries/resumo_automatico.h"
#include "gui/summaries/resumo_contextual.h"
#include "tools_fixture.h"

namespace lumeral::gui::testing {
namespace {

// The tour's fixture (the other pictures are taken in screenshots_test.cpp).
using Screenshots = ShotsOf<GuiTest>;

TEST_F(Screenshots, RetrievalSummariesAndClustering) {
  // The sample collection prepared as the wizard prepares a project.
  const fs::path sample = lumeral::testing::source_dir() / "examples" / "noticias";
  if (!fs::is_directory(sample)) GTEST_SKIP() << "no sample collection at " << sample;
  const fs::path proj = tmp / "noticias";
  fs::copy(sample, proj);
  ASSERT_EQ(run_cli({"prepare", proj.string(), "--title", "noticias", "--language", "pt"}, tmp.path()).exit_code, 0);
  w().RadioGroup1->set_item_index(2);
  w().bt_ok_entradaClick();
  auto run = run_cli({"classify", "--docs", (proj / "noticias.ldc").string(), "--contexts",
                      (proj / "noticias.lct").string(), "--method", "deterministic"},
                     proj);
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const QString list = q(proj / "noticias.ldc");

  Tform_recbool& b = *windows->form_recbool;
  platform.answer(list);
  b.ListadeDocumentos1Click();
  b.Memo1->setPlainText(QStringLiteral("juros\ninflação"));
  b.RadioGroup1->set_item_index(1);
  b.ExecutaBusca1Click();
  EXPECT_GT(b.ListBox1->count(), 0);
  shoot(&b, "10-form_recbool", true);

  Tform_recsim& s = *windows->form_recsim;
  platform.answer(list);
  s.Abrelistadedocs1Click();
  s.RadioGroup_caso->set_item_index(1);
  ASSERT_EQ(run_cli({"make", (proj / "casos.ldc").string()}, proj, "noticia01.txt\nnoticia12.txt\n").exit_code, 0);
  platform.answer(q(proj / "casos.ldc"));
  platform.answer(q(proj / "relatorio.txt"));
  s.RecuperaTextos1Click();
  EXPECT_GT(s.ListBox1->count(), 0);
  EXPECT_FALSE(s.Memo_caso->lines().empty());
  shoot(&s, "11-form_recsim", true);

  s.ListBox1->setCurrentRow(0);
  s.ListBox1DblClick();
  EXPECT_FALSE(viewer_lines(*windows).empty());
  shoot(windows->result_recsim, "12-result_recsim", true);

  Tform_resumo& r = *windows->form_resumo;
  platform.answer(list);
  r.Abrelistadedocs1Click();
  r.Memo_palavras->setPlainText(QStringLiteral("juros"));
  r.SpinEdit_frases->setValue(1);
  r.Extrairresumos1Click();
  EXPECT_FALSE(r.resumos().empty());
  shoot(&r, "13-form_resumo", true);

  Tres_contextual& rc = *windows->res_contextual;
  platform.answer(list);
  rc.Button_docsClick();
  platform.answer(q(proj / "noticias.lct"));
  rc.Button_contextosClick();
  rc.ListBox_contextos->setCurrentRow(0);
  rc.ListBox_contextosClick();
  rc.Memo_contextos->setPlainText("economia");
  rc.Memo_not->setPlainText("esporte");
  rc.Edit_frases->setText("1");
  rc.Button_executaClick();
  EXPECT_FALSE(rc.resumos().empty());
  shoot(&rc, "14-res_contextual", true);

  Tform_cluster& c = *windows->form_cluster;
  platform.answer(list);
  c.Abrelistadedocs1Click();
  c.Criamatriz1Click();
  c.Edit_limiar->setText("0,1");
  c.Agrupadocumentos1Click();
  for (int k = 0; k < c.ListBox_clusters->count() && c.ListBox_membros->count() < 2; ++k) {
    c.ListBox_clusters->setCurrentRow(k);
    c.Mostradocsdeumcluster1Click();
  }
  EXPECT_GT(c.ListBox_membros->count(), 1);
  shoot(&c, "15-form_cluster", true);
  c.Mostramatriz1Click();
  EXPECT_FALSE(windows->form_show_matriz->linhas().empty());
  shoot(windows->form_show_matriz, "16-form_show_matriz", true);

  Tform_aval1& a = *windows->form_aval1;
  platform.answer(q(proj / "noticia01.lpl"));
  a.Button1Click();
  platform.answer(q(proj / "noticia02.lpl"));
  a.Button2Click();
  a.Button3Click();
  EXPECT_FALSE(a.Edit_grau->text().isEmpty());
  shoot(&a, "17-form_aval1", true);

  Tform_medidas& m = *windows->form_medidas;
  ASSERT_EQ(run_cli({"make", (proj / "ideal.ldc").string()}, proj, "noticia01.txt\nnoticia02.txt\nnoticia03.txt\n")
                .exit_code,
            0);
  platform.answer(q(proj / "ideal.ldc"));
  m.Button_idealClick();
  platform.answer(q(proj / "casos.ldc"));
  m.Button_resultadosClick();
  m.Button_calculaClick();
  EXPECT_FALSE(m.Edit_precision->text().isEmpty());
  shoot(&m, "18-form_medidas", true);

  shoot(windows->res_auto, "19-res_auto", true);
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

}  // namespace
}  // namespace lumeral::gui::testing
