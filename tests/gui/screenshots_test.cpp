// A tour of the windows for looking at them: with LUMERAL_SHOTS naming a
// folder (and a real display, e.g. Xvfb with QT_QPA_PLATFORM=xcb), every
// window is shown in a typical state and saved there as a PNG. Skipped
// otherwise.
#include <QApplication>
#include <QThread>

#include "gui/preparation/gerencia_docs.h"
#include "gui/preparation/stop_words.h"
#include "gui/preparation/textos.h"
#include "gui/retrieval/result_recuperasim.h"
#include "gui/shell/inicio.h"
#include "gui/shell/unit_global.h"
#include "gui/shell/unit_splashscreen.h"
#include "gui_test.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;

using Screenshots = ShotsOf<GuiTest>;

TEST_F(Screenshots, Tour) {
  TSplashScreen splash;
  shoot(&splash, "splash");
  splash.hide();

  shoot(&w(), "1-entrada");

  const fs::path folder = tmp / "home" / "lmr" / "projetos" / "eleicoes";
  write_file(folder / "noticia1.txt", cp1252("A economia cresceu 3,5% em 2004.\r\nO mercado reagiu bem à notícia.\r\n"));
  write_file(folder / "noticia2.txt", cp1252("O time venceu o jogo de futebol ontem à noite.\r\n"));
  write_file(folder / "pagina.htm", cp1252("<p>Eleições &amp; política</p>\r\n"));
  start_new_project();
  w().Edit_titulo->setText("Eleições 2006");
  w().Edit_cliente->setText("Jornal do Povo");
  w().Edit_resp->setText(QStringLiteral("Conceição Lima"));
  platform.answer(QString::fromStdString(folder.string()));
  w().bt_alterarClick();
  w().Edit_titulo->setFocus();
  shoot(&w(), "2-passo1");

  w().bit_avancarClick();
  shoot(&w(), "3-passo2");
  w().CheckBox_radicais->setChecked(true);
  shoot(&w(), "3-passo2-radicais");
  w().CheckBox_radicais->setChecked(false);

  w().bt_stopwordsClick();
  shoot(windows->form_stop, "6-form_stop");
  windows->form_stop->hide();

  w().bit_avancarClick();
  shoot(&w(), "3b-passo3");

  w().hide();
  TForm3* tools = windows->create_Form3();
  shoot(tools, "4-form3");
  tools->hide();

  shoot(windows->form_ger_doc, "7-form_ger_doc");
  windows->form_ger_doc->hide();

  TForm1& f = *windows->Form1;
  f.Edit_stop->setText(windows->form_stop->Edit_nome->text());
  f.Edit_limiar->setText("0,01");
  platform.answer(QString::fromStdString((folder / "noticia1.lpl").string()));
  f.Abrelista1Click();
  shoot(&f, "5-form1");
  f.hide();

  mostra_arquivo_texto(*windows, QString::fromStdString((folder / "arq-000001.txt").string()));
  shoot(windows->result_recsim, "8-result_recsim");
}

}  // namespace
}  // namespace lumeral::gui::testing
