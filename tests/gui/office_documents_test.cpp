// DOCX, ODT and PDF documents and grouped word variants in the mining
// wizard's preparation; PDFs are made here with QPdfWriter from known text.
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/preparation/office_text.h"
#include "core/records/records.h"
#include "gui/preparation/unit_textos.h"
#include "gui_test.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;

// A one-page PDF; each string is a line, an empty string a gap between
// paragraphs.
void write_pdf(const fs::path& p, const QStringList& lines) {
  QPdfWriter writer(q(p));
  writer.setResolution(72);
  QPainter painter(&writer);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSize(11);
  painter.setFont(font);
  int y = 80;
  for (const QString& line : lines) {
    if (line.isEmpty()) {
      y += 30;
      continue;
    }
    painter.drawText(60, y, line);
    y += 15;
  }
}

// A PDF holding only a picture, as a scanner makes.
void write_scanned_pdf(const fs::path& p) {
  QPdfWriter writer(q(p));
  QPainter painter(&writer);
  QImage image(200, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int x = 10; x < 190; x += 7) image.setPixel(x, 50, qRgb(0, 0, 0));
  painter.drawImage(QRect(0, 0, 2000, 1000), image);
}

TEST(Pdf, TextInReadingOrderWithParagraphsAsLines) {
  lumeral::testing::TempDir dir;
  write_pdf(dir / "a.pdf", {QStringLiteral("As eleições de outubro foram"), QStringLiteral("acompanhadas em São Paulo."),
                            QString(), QStringLiteral("Segundo parágrafo – “fim”.")});
  // As stored: the font may have set "fi" as its ligature, which the text
  // layer keeps and the stored document spells out.
  EXPECT_EQ(preparation::to_stored_lines(preparation::extract_pdf(dir / "a.pdf")).lines,
            (std::vector<Ansi>{to_ansi("As eleições de outubro foram acompanhadas em São Paulo."),
                               to_ansi("Segundo parágrafo – “fim”.")}));
}

TEST(Pdf, ScannedOrDamagedFilesStopWithAMessageNamingThem) {
  lumeral::testing::TempDir dir;
  write_scanned_pdf(dir / "digitalizado.pdf");
  write_pdf(dir / "bom.pdf", {QStringLiteral("texto")});
  const std::string good = read_file(dir / "bom.pdf");
  write_file(dir / "cortado.pdf", good.substr(0, good.size() / 3));
  struct Case {
    const char* name;
    const char* says;
  } cases[] = {{"digitalizado.pdf", "não tem texto"}, {"cortado.pdf", "danificado"}};
  for (const auto& c : cases) {
    try {
      preparation::extract_pdf(dir / c.name);
      ADD_FAILURE() << c.name << " was read";
    } catch (const Stop& s) {
      EXPECT_NE(s.text().find(c.name), std::string::npos) << s.text();
      EXPECT_NE(s.text().find(c.says), std::string::npos) << s.text();
    }
  }
}

// The wizard prepares a folder of a PDF, a scanned PDF and a text with the
// two options on: the PDF becomes a document with a word list of stems,
// the scanned one is skipped with its message, and the project file keeps
// both options for the restore.
TEST_F(GuiTest, PreparationConvertsDocumentsAndGroupsVariantsWhenAsked) {
  const fs::path folder = tmp / "projeto";
  fs::create_directories(folder);
  write_pdf(folder / "relatorio.pdf", {QStringLiteral("Eleições e eleição.")});
  write_scanned_pdf(folder / "scan.pdf");
  write_file(folder / "nota.txt", cp1252("As eleições.\r\n"));
  start_new_project();
  EXPECT_TRUE(ui<WizardProjectPanel>(w()).CheckBox_formatos->isChecked());  // on for a new project
  EXPECT_FALSE(ui<WizardProjectPanel>(w()).CheckBox_radicais->isChecked());
  fill_project("Votos", folder);
  w().bit_avancarClick();
  ASSERT_EQ(w().passo_corrente(), 2);
  ui<WizardProjectPanel>(w()).CheckBox_radicais->setChecked(true);
  w().bit_avancarClick();
  ASSERT_EQ(w().passo_corrente(), 3);
  ASSERT_EQ(messages().size(), 1) << messages().join("|").toStdString();
  EXPECT_TRUE(messages()[0].contains(QStringLiteral("scan.pdf")));
  EXPECT_TRUE(ui(windows->Form_textos).CheckBox_radicais->isChecked());
  EXPECT_EQ(ui(windows->Form_textos).FileListBox4->count(), 2);

  // A new project reads the complete way: documents named after their source.
  EXPECT_EQ(lumeral::testing::listed_documents(folder / "Votos.ldc"),
            (std::vector<Ansi>{Ansi("nota.txt"), Ansi("relatorio.pdf.txt")}));
  EXPECT_FALSE(fs::exists(folder / "scan.pdf.txt"));
  EXPECT_EQ(records::read_all<records::WordRecord>(folder / "relatorio.pdf.lpl"),
            (std::vector<records::WordRecord>{{to_ansi("eleiçã"), 1.0}}));
  const std::string ini = read_file(folder / "Votos.ini");
  EXPECT_NE(ini.find("[CONVERTER_DOCUMENTOS]\r\nconverter_documentos=1\r\n[RADICAIS]\r\nradicais=1\r\n"),
            std::string::npos);

  // The options come back with the project.
  w().bit_inicioClick();
  continue_project(folder / "Votos.ini");
  EXPECT_TRUE(ui<WizardProjectPanel>(w()).CheckBox_formatos->isChecked());
  EXPECT_TRUE(ui<WizardProjectPanel>(w()).CheckBox_radicais->isChecked());
}

}  // namespace
}  // namespace lumeral::gui::testing
