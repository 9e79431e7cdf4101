// Pictures of the preparation, classification and rule-comparison tools with
// results shown, for looking at them: with LUMERAL_SHOTS naming a folder (and
// a real display, e.g. Xvfb with QT_QPA_PLATFORM=xcb) each window is saved
// there as a PNG. Skipped otherwise.
#include "gui/classification/classifica2.h"
#include "gui/classification/classifica3.h"
#include "gui/classification/consulta.h"
#include "gui/comparison/compara_regras.h"
#include "gui/preparation/elimina_palavras.h"
#include "gui/preparation/html_txt.h"
#include "gui/preparation/lista_docs.h"
#include "gui/preparation/separador.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;
using ToolShots = ShotsOf<RoadTest>;

TEST_F(ToolShots, PreparationClassificationAndRules) {
  open_tools();
  auto made = run_cli({"--locale", "pt_BR", "classify", "--docs", (proj / "noticias.ldc").string(), "--contexts",
                       (proj / "noticias.lct").string(), "--method", "probabilistic"},
                      proj);
  ASSERT_EQ(made.exit_code, 0) << made.err;

  Tform_separador& sep = *windows->form_separador;
  write_file(proj / "junto.txt", cp1252("um\r\nXXX dois\r\nXXX três\r\n"));
  sep.Edit_inicial->setText("noticia-");
  platform.answer(q(proj / "junto.txt"));
  sep.Button1Click();
  EXPECT_TRUE(fs::exists(proj / "noticia-000003.txt"));
  shoot(&sep, "form_separador", true);

  TForm2& html = *windows->Form2;
  html.DirectoryListBox1->set_folder(q(proj));
  html.FileListBox1->item(1)->setSelected(true);
  html.Button1Click();
  EXPECT_EQ(html.FileListBox1->count(), 4);
  shoot(&html, "Form2", true);

  Tform_elimina& elim = *windows->form_elimina;
  platform.answer(q(proj / "noticias.ldc"));
  elim.bt_abreClick();
  elim.Memo1->setPlainText("mercado\ngoverno");
  elim.bt_eliminaClick();
  EXPECT_EQ(elim.ListBox1->count(), 40);
  shoot(&elim, "form_elimina", true);

  Tform_ldoc& ldoc = *windows->form_ldoc;
  platform.answer(q(proj / "noticias.ldc"));
  ldoc.AbrelistaClick(ldoc.lista1);
  ldoc.DirectoryListBox1->set_folder(q(proj));
  ldoc.lista1.ListBox_docs->item(2)->setSelected(true);
  EXPECT_EQ(ldoc.lista1.ListBox_docs->count(), 40);
  shoot(&ldoc, "form_ldoc", true);

  Tform_classifica2& c2 = *windows->form_classifica2;
  platform.answer(q(proj / "noticias.ldc"));
  c2.Button1Click();
  c2.Edit_categoria->setText("economia");
  EXPECT_EQ(c2.ListBox1->count(), 40);
  shoot(&c2, "form_classifica2", true);

  Tform_classifica3& c3 = *windows->form_classifica3;
  platform.answer(q(proj / "noticias.ldc"));
  c3.Abrelistadedocumentos1Click();
  c3.Memo_positivos->setPlainText("economia | 1\npolitica | 0,5\nsaude | 0,8");
  c3.Memo_negativos->setPlainText("esporte");
  c3.Edit_nome->setText("economia-pol");
  c3.Analisacategorias1Click();
  EXPECT_GT(c3.ListBox1->count(), 0);
  shoot(&c3, "form_classifica3", true);

  Tform_consulta& cons = *windows->form_consulta;
  platform.answer(q(proj / "noticias.ldc"));
  cons.bt_docsClick();
  platform.answer(q(proj / "noticias.lct"));
  cons.bt_contextosClick();
  cons.Memo_palavras->setPlainText("mercado\nfutebol\njuros\nvacina");
  cons.Memo_pesos->setPlainText("1\n0,5\n0,8\n0,6");
  platform.answer(q(proj / "consulta.cst"));
  cons.bt_grava_consultaClick();
  cons.bt_consultaClick();
  cons.bt_resultadosClick();
  EXPECT_GT(cons.ListBox1->count(), 0);
  shoot(&cons, "form_consulta", true);

  Tform_regras& regras = *windows->form_regras;
  write_file(proj / "colecao-2004.txt",
             cp1252("economia -> política /conf= 80,00% /sup= 10,00%\r\nesporte -> saude /conf= 50,00% /sup= 5,00%\r\n"
                    "ambiente -> economia /conf= 40,00% /sup= 2,50%\r\n"));
  write_file(proj / "colecao-2005.txt",
             cp1252("esporte -> saude /conf= 20,00% /sup= 5,00%\r\neconomia -> política /conf= 60,00% /sup= 7,50%\r\n"
                    "saude -> ambiente /conf= 30,00% /sup= 2,50%\r\n"));
  platform.answer(QStringList{q(proj / "colecao-2004.txt"), q(proj / "colecao-2005.txt")});
  regras.Compararegras1Click();
  EXPECT_FALSE(regras.Memo_comuns->toPlainText().isEmpty());
  shoot(&regras, "form_regras", true);
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

}  // namespace
}  // namespace lumeral::gui::testing
