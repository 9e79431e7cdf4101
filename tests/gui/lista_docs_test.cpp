// The document-list manager `form_ldoc`: opening with a threshold (the lines
// lumeral-cli prints), merging, picking, removing, browsing a folder,
// saving as records and as text, and showing a document.
#include <QApplication>
#include <QKeyEvent>

#include "gui/preparation/lista_docs.h"
#include "gui/retrieval/result_recuperasim.h"
#include "tools_fixture.h"

namespace lumeral::gui::testing {
namespace {

class DocLists : public RoadTest {
 protected:
  void SetUp() override {
    RoadTest::SetUp();
    if (IsSkipped()) return;
    // A list with weights, as the contextual retrieval leaves one.
    make_both("pesos.ldc",
              "noticia01.txt\t0.75\nnoticia02.txt\t0.5\nnoticia03.txt\t0.25\nnoticia04.txt\t0.123456789012\n");
  }
  Tform_ldoc& f() { return *windows->form_ldoc; }
  static std::vector<std::string> shown(const Tform_ldoc::Lista& l) { return utf8_lines(l.ListBox_docs->lines()); }
  void select_rows(Tform_ldoc::Lista& l, std::initializer_list<int> rows) {
    l.ListBox_docs->clearSelection();
    for (int r : rows) l.ListBox_docs->item(r)->setSelected(true);
  }
};

TEST_F(DocLists, OpensWithTheThresholdAsTheCommandLine) {
  open_tools();
  for (const char* threshold : {"", "0,5", " 0,25 ", "0,9"}) {
    SCOPED_TRACE(threshold);
    ui(f()).Edit_limiar->setText(QString::fromUtf8(threshold));
    platform.answer(q(proj / "pesos.ldc"));
    f().AbrelistaClick(ui(f()).lista1);
    std::vector<std::string> args{"doclist-open", c("pesos.ldc")};
    if (*threshold) args.insert(args.end(), {"--threshold", threshold});
    EXPECT_EQ(shown(ui(f()).lista1), lines_of(cli_run(args).out));
    EXPECT_EQ(ui(f()).lista1.Edit_total->text(), QString::number(ui(f()).lista1.ListBox_docs->count()));
  }
  EXPECT_EQ(ui(f()).lista1.Edit_nome->text(), "pesos");

  // List 2 shows seven decimals; including the same list again lists each
  // document twice.
  ui(f()).Edit_limiar->setText("0,5");
  platform.answer(q(proj / "pesos.ldc"));
  f().AbrelistaClick(ui(f()).lista2);
  platform.answer(q(proj / "pesos.ldc"));
  f().IncluilistaClick(ui(f()).lista2);
  EXPECT_EQ(shown(ui(f()).lista2), (std::vector<std::string>{"noticia01.txt | 0,7500000", "noticia02.txt | 0,5000000",
                                                         "noticia01.txt | 0,7500000", "noticia02.txt | 0,5000000"}));
  // A list written by the import (all weights 0) with a positive threshold.
  platform.answer(q(proj / "noticias.ldc"));
  f().AbrelistaClick(ui(f()).lista1);
  EXPECT_EQ(ui(f()).lista1.ListBox_docs->count(), 0);
  // An unreadable threshold is refused before the dialog opens.
  ui(f()).Edit_limiar->setText("x");
  const std::size_t dialogs = platform.dialogs.size();
  for (auto click : {&Tform_ldoc::AbrelistaClick, &Tform_ldoc::IncluilistaClick}) {
    (f().*click)(ui(f()).lista1);
    EXPECT_FALSE(f().last_command_ok());
  }
  EXPECT_EQ(platform.dialogs.size(), dialogs);
  EXPECT_EQ(messages().size(), 2);
}

TEST_F(DocLists, EditsSavesAndShowsMixedLines) {
  // List 2 browses the folder's text files; picked documents and a weighted
  // list are added; three adjacent lines go with the Delete key of list 1.
  ui(f()).DirectoryListBox1->set_folder(q(proj));
  EXPECT_EQ(fs::current_path(), proj);
  std::size_t texts = 0;
  for (const auto& e : fs::directory_iterator(proj)) texts += e.path().extension() == ".txt";
  EXPECT_EQ(ui(f()).lista2.ListBox_docs->count(), static_cast<int>(texts));
  EXPECT_EQ(to_utf8(ui(f()).lista2.ListBox_docs->line(0)), "arq-000001.txt");

  f().NovalistaClick(ui(f()).lista2);
  platform.answer(QStringList{q(proj / "noticia07.txt"), q(proj / "noticia08.txt")});
  f().IncluidocsClick(ui(f()).lista2);
  ui(f()).Edit_limiar->setText("0,25");
  platform.answer(q(proj / "pesos.ldc"));
  f().IncluilistaClick(ui(f()).lista2);
  EXPECT_EQ(shown(ui(f()).lista2),
            (std::vector<std::string>{"noticia07.txt", "noticia08.txt", "noticia01.txt | 0,7500000",
                                      "noticia02.txt | 0,5000000", "noticia03.txt | 0,2500000"}));

  platform.answer(q(proj / "misturada"));
  f().SalvalistaClick(ui(f()).lista2);
  EXPECT_EQ(ui(f()).lista2.Edit_nome->text(), "misturada.ldc");
  EXPECT_EQ(lines_of(cli_run({"dump", (proj / "misturada.ldc").string()}).out),
            (std::vector<std::string>{"noticia07.txt\t0", "noticia08.txt\t0", "noticia01.txt\t0.75",
                                      "noticia02.txt\t0.5", "noticia03.txt\t0.25"}));
  platform.answer(q(proj / "misturada"));
  f().SalvatextoClick(ui(f()).lista2);
  EXPECT_EQ(utf8_lines(text_lines(proj / "misturada.txt")), shown(ui(f()).lista2));

  // Rounded weights are saved as shown (the rows' rules: the core's tests).
  ui(f()).Edit_limiar->clear();
  platform.answer(q(proj / "pesos.ldc"));
  f().AbrelistaClick(ui(f()).lista1);

  select_rows(ui(f()).lista1, {1, 2, 3});
  EXPECT_EQ(ui(f()).lista1.Edit_selecionados->text(), "3");
  QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QApplication::sendEvent(ui(f()).lista1.ListBox_docs, &del);
  EXPECT_EQ(shown(ui(f()).lista1), std::vector<std::string>{"noticia01.txt | 0,750000000"});
  EXPECT_EQ(ui(f()).lista1.Edit_selecionados->text(), "0");
  select_rows(ui(f()).lista2, {0, 4});
  f().ExcluidocClick(ui(f()).lista2);
  EXPECT_EQ(ui(f()).lista2.ListBox_docs->count(), 3);

  // The alphabetical order list 1 keeps once asked for.
  platform.answer(QStringList{q(proj / "noticia09.txt"), q(proj / "arq-000002.txt")});
  f().IncluidocsClick(ui(f()).lista1);
  f().Ordenaalfabeticamente1Click();
  EXPECT_EQ(shown(ui(f()).lista1),
            (std::vector<std::string>{"arq-000002.txt", "noticia01.txt | 0,750000000", "noticia09.txt"}));
  platform.answer(q(proj / "ordenada"));
  f().SalvalistaClick(ui(f()).lista1);  // the records follow the order shown
  EXPECT_EQ(dumped_names(cli_run({"dump", (proj / "ordenada.ldc").string()}).out),
            (std::vector<std::string>{"arq-000002.txt", "noticia01.txt", "noticia09.txt"}));
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();

  // A double click shows the row's document, found in the list's folder,
  // not the current one.
  fs::current_path(tmp.path());
  platform.answer(q(proj / "pesos.ldc"));
  f().AbrelistaClick(ui(f()).lista1);  // rows 0-3, with weights
  platform.answer(QStringList{q(proj / "noticia06.txt"), q(proj / "sumiu.txt")});
  f().IncluidocsClick(ui(f()).lista1);  // rows 4 and 5, bare names
  struct Case {
    int row;
    const char* shown;  // the file whose text the viewer shows; "" when none
  };
  for (const Case& c : {Case{0, "noticia01.txt"}, Case{4, "noticia06.txt"}, Case{5, ""}}) {
    SCOPED_TRACE(c.row);
    platform.messages.clear();
    ui(f()).lista1.ListBox_docs->setCurrentRow(c.row);
    f().ListBoxDblClick(ui(f()).lista1);
    Tresult_recsim& viewer = *windows->result_recsim;
    EXPECT_TRUE(viewer.isVisible());
    if (*c.shown) {
      EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
      const std::string first(bytes_of(ansi(ui(viewer).Memo1->toPlainText().section('\n', 0, 0))));
      EXPECT_FALSE(first.empty());
      EXPECT_EQ(read_file(proj / c.shown).substr(0, first.size()), first);
    } else {
      EXPECT_EQ(messages(), QStringList{QStringLiteral("Arquivo texto selecionado não existe")});
    }
  }
}

}  // namespace
}  // namespace lumeral::gui::testing
