#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/preparation/import.h"
#include "core/preparation/office_text.h"
#include "core/preparation/stopword_lists.h"
#include "core/records/records.h"
#include "support/fixtures.h"
#include "support/office_files.h"

namespace lumeral::preparation {
namespace {

using namespace lumeral::testing;

const std::string kDocxBody =
    "<w:p><w:r><w:t>Eleições</w:t></w:r><w:r><w:t xml:space=\"preserve\"> em </w:t></w:r>"
    "<w:r><w:t>São Paulo</w:t></w:r></w:p>"
    "<w:p><w:r><w:t>a</w:t><w:tab/><w:t>b</w:t><w:br/><w:t>c</w:t></w:r></w:p>"
    "<w:tbl><w:tr><w:tc><w:p><w:r><w:t>célula 1</w:t></w:r></w:p></w:tc>"
    "<w:tc><w:p><w:r><w:t>célula 2</w:t></w:r></w:p></w:tc></w:tr></w:tbl>"
    "<w:p/>"
    "<w:p><w:del><w:r><w:delText>apagado</w:delText></w:r></w:del><w:r><w:t>fica</w:t></w:r></w:p>";

const std::string kOdtText =
    "<text:h text:outline-level=\"1\">Título</text:h>"
    "<text:p>um<text:s text:c=\"3\"/>dois<text:tab/>três<text:line-break/>quatro</text:p>\n"
    "<text:list><text:list-item><text:p>item 1</text:p><text:list><text:list-item><text:p>item 1.1</text:p>"
    "</text:list-item></text:list></text:list-item><text:list-item><text:p>item 2</text:p></text:list-item>"
    "</text:list>"
    "<table:table><table:table-row><table:table-cell><text:p>A1</text:p></table:table-cell>"
    "<table:table-cell><text:p>B1</text:p></table:table-cell></table:table-row></table:table>"
    "<text:p>com <text:span>estilo</text:span>   e\n espaços<text:note><text:note-citation>1</text:note-citation>"
    "<text:note-body><text:p>nota</text:p></text:note-body></text:note></text:p>";

TEST(OfficeText, ParagraphsBecomeLinesInReadingOrder) {
  TempDir dir;
  write_docx(dir / "a.docx", kDocxBody);
  write_odt(dir / "b.odt", kOdtText);
  struct Case {
    OfficeFormat format;
    fs::path file;
    std::vector<std::string> lines;
  } cases[] = {
      {OfficeFormat::Docx, dir / "a.docx",
       {"Eleições em São Paulo", "a\tb", "c", "célula 1", "célula 2", "", "fica"}},
      {OfficeFormat::Odt, dir / "b.odt",
       {"Título", "um   dois\ttrês", "quatro", "item 1", "item 1.1", "item 2", "A1", "B1", "com estilo e espaços"}},
  };
  for (const auto& c : cases) EXPECT_EQ(extract_office_text(c.format, c.file), c.lines) << c.file;
}

std::string repeat(const std::string& s, std::size_t n) {
  std::string out;
  out.reserve(s.size() * n);
  for (std::size_t i = 0; i < n; ++i) out += s;
  return out;
}

TEST(OfficeText, AnyDepthOfNestedElementsIsRead) {
  TempDir dir;
  const std::size_t n = 100000;
  write_docx(dir / "fundo.docx", "<w:p><w:r><w:t>antes</w:t></w:r></w:p>" + repeat("<w:x>", n) +
                                     "<w:p><w:r><w:t>dentro</w:t></w:r></w:p>" + repeat("</w:x>", n));
  write_docx(dir / "paragrafos.docx", repeat("<w:p><w:r><w:t>a</w:t></w:r>", 3) + repeat("</w:p>", 3));
  write_odt(dir / "fundo.odt", "<text:p>" + repeat("<text:span>", n) + "um  dois" + repeat("</text:span>", n) +
                                   "</text:p>");
  struct Case {
    OfficeFormat format;
    const char* name;
    std::vector<std::string> lines;
  } cases[] = {
      {OfficeFormat::Docx, "fundo.docx", {"antes", "dentro"}},
      // A paragraph inside another ends the text before it as a line.
      {OfficeFormat::Docx, "paragrafos.docx", {"a", "a", "a", "", ""}},
      {OfficeFormat::Odt, "fundo.odt", {"um dois"}},
  };
  for (const auto& c : cases) EXPECT_EQ(extract_office_text(c.format, dir / c.name), c.lines) << c.name;
}

TEST(OfficeText, ADocumentThatWouldGrowPastTheLimitIsRefusedNamingIt) {
  const std::size_t limit = document_size_limit(1);  // the smallest: 8 MB
  TempDir dir;
  // Its XML inflates past the limit; its tree does (tiny elements, each a
  // node of the parsed tree); its text does (a blank that stands for 1000).
  write_docx(dir / "xml.docx", "<w:p><w:r><w:t>" + std::string(limit, ' ') + "</w:t></w:r></w:p>");
  write_docx(dir / "arvore.docx", repeat("<w:x/>", limit / 8));
  write_odt(dir / "texto.odt", "<text:p>" + repeat("<text:s text:c=\"1000\"/>", limit / 1000 + 1) + "</text:p>");
  for (const auto& [format, name] : {std::pair{OfficeFormat::Docx, "xml.docx"}, {OfficeFormat::Docx, "arvore.docx"},
                                     {OfficeFormat::Odt, "texto.odt"}}) {
    const std::string said = stop_text([&] { extract_office_text(format, dir / name, limit); });
    for (const std::string part : {std::string(name), std::string("grande demais"), std::string("8 MB")})
      EXPECT_NE(said.find(part), std::string::npos) << name << ": " << said;
  }
  // Under a larger limit the same files are read.
  EXPECT_EQ(extract_office_text(OfficeFormat::Docx, dir / "arvore.docx", kDefaultDocumentLimit).size(), 0u);
}

TEST(OfficeText, CharactersOutsideTheCodePageGetTheirClosestEquivalentAndAreCounted) {
  const StoredLines s = to_stored_lines({"“aspas” – ﬁm Łódź", "ok", "😀\xFF"});
  EXPECT_EQ(s.lines, (std::vector<Ansi>{to_ansi("“aspas” – fim Lódz"), Ansi("ok"), Ansi("??")}));
  EXPECT_EQ(s.replaced, 5u);  // ﬁ, Ł, ź, the emoji and the invalid byte (ó is in the code page)
}

TEST(OfficeText, UnreadableFilesStopWithAMessageNamingThem) {
  TempDir dir;
  write_file(dir / "lixo.docx", "isto não é um zip");
  write_zip(dir / "vazio.odt", {{"mimetype", "x"}});
  write_docx(dir / "quebrado.docx", "<w:p><w:r><w:t>sem fim");
  write_file(dir / "lixo.pdf", "%PDF-1.4\nnada aqui\n");
  // A password-protected ODT: its content encrypted by the format, as the
  // manifest says; a protected DOCX is a compound file, not a ZIP.
  write_zip(dir / "senha.odt", {{"content.xml", "\x8F\x01binario"},
                                {"META-INF/manifest.xml", "<manifest:encryption-data/>"}});
  write_file(dir / "senha.docx", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + "resto");
  struct Case {
    OfficeFormat format;
    const char* name;
    const char* says;
  } cases[] = {
      {OfficeFormat::Docx, "lixo.docx", "danificado"},
      {OfficeFormat::Odt, "vazio.odt", "danificado"},
      {OfficeFormat::Docx, "quebrado.docx", "danificado"},
      {OfficeFormat::Pdf, "lixo.pdf", "danificado"},
      {OfficeFormat::Pdf, "falta.pdf", "não existe"},
      {OfficeFormat::Odt, "senha.odt", "protegido por senha"},
      {OfficeFormat::Docx, "senha.docx", "protegido por senha"},
  };
  for (const auto& c : cases) {
    const std::string said = stop_text([&] { extract_office_text(c.format, dir / c.name); });
    EXPECT_NE(said.find(c.name), std::string::npos) << said;
    EXPECT_NE(said.find(c.says), std::string::npos) << said;
  }
  if (write_zip(dir / "cifrado.docx", {{"word/document.xml", "<w:document/>"}}, "segredo")) {
    EXPECT_NE(stop_text([&] { extract_docx(dir / "cifrado.docx"); }).find("protegido por senha"), std::string::npos);
  }
}

bool said(const ImportResult& r, const std::string& text) {
  for (const auto& m : r.messages)
    if (m.text.find(text) != std::string::npos) return true;
  ADD_FAILURE() << "no message says " << text;
  return false;
}

class OfficeImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder);
    save_stopwords(stop, {Ansi("em"), Ansi("de")});
    write_docx(folder / "b.docx", "<w:p><w:r><w:t>Segundo documento</w:t></w:r></w:p>");
    write_docx(folder / "A.DOCX", "<w:p><w:r><w:t>Eleições em São Paulo ﬁm</w:t></w:r></w:p>");
    write_odt(folder / "nota.odt", "<text:p>Texto do LibreOffice</text:p>");
    write_file(folder / "quebrado.pdf", "%PDF-1.4 truncado");
    write_file(folder / "solto.txt", "texto simples");
  }
  ImportInput input(DocumentFormats formats) {
    ImportInput in;
    in.folder = folder;
    in.title = Ansi("Projeto");
    in.stopwords = stop;
    in.formats = formats;
    return in;
  }
  std::vector<Ansi> doc_names() { return listed_documents(folder / "Projeto.ldc"); }
  TempDir dir;
  fs::path folder = dir / "proj";
  fs::path stop = dir / "pt.stw";
};

TEST_F(OfficeImportTest, ConvertedDocumentsAreListedAndGetWordListsAndARerunGivesTheSameFiles) {
  const auto r = run_import(input(all_formats()), testing::pt());
  EXPECT_EQ(r.office_converted,
            (std::vector<Ansi>{Ansi("docx-000001.txt"), Ansi("docx-000002.txt"), Ansi("odt-000001.txt")}));
  EXPECT_EQ(doc_names(), (std::vector<Ansi>{Ansi("docx-000001.txt"), Ansi("docx-000002.txt"), Ansi("odt-000001.txt"),
                                            Ansi("solto.txt")}));
  EXPECT_EQ(read_file(folder / "docx-000001.txt"), cp1252("Eleições em São Paulo fim\r\n"));
  const auto words = records::read_all<records::WordRecord>(folder / "docx-000001.lpl");
  ASSERT_EQ(words.size(), 4u);  // "em" is a stopword
  EXPECT_EQ(words[0].word, to_ansi("eleições"));
  // One warning for the damaged PDF, one note for the replaced ligature.
  std::vector<std::string> texts;
  for (const auto& m : r.messages) texts.push_back(m.text);
  ASSERT_EQ(texts.size(), 2u) << ::testing::PrintToString(texts);
  EXPECT_NE(texts[0].find("A.DOCX"), std::string::npos);
  EXPECT_NE(texts[0].find(" 1 caractere"), std::string::npos);
  EXPECT_NE(texts[1].find("quebrado.pdf"), std::string::npos);

  const auto before = folder_snapshot(folder);
  const auto again = run_import(input(all_formats()), testing::pt());
  EXPECT_EQ(again.office_converted, r.office_converted);
  EXPECT_EQ(folder_snapshot(folder), before);
}

TEST_F(OfficeImportTest, ADocumentPastTheMemoryBudgetsShareIsSkippedAndTheOthersArePrepared) {
  write_docx(folder / "bomba.docx", "<w:p><w:r><w:t>" + std::string(9 * kMegabyte, 'a') + "</w:t></w:r></w:p>");
  ImportInput in = input(all_formats());
  in.memory_budget = 32 * kMegabyte;
  const auto r = run_import(in, testing::pt());
  EXPECT_EQ(r.office_converted,
            (std::vector<Ansi>{Ansi("docx-000001.txt"), Ansi("docx-000002.txt"), Ansi("odt-000001.txt")}));
  ASSERT_EQ(r.messages.size(), 3u);
  EXPECT_NE(r.messages[1].text.find("\"bomba.docx\" é grande demais"), std::string::npos) << r.messages[1].text;
  EXPECT_EQ(r.messages[1].kind, MessageKind::Warning);
}

TEST_F(OfficeImportTest, AUsersTextIsNeverOverwrittenAndADocumentWhoseSourceIsGoneIsRemoved) {
  write_file(folder / "docx-000001.txt", "meu texto\r\n");
  write_file(folder / "arq-000001.txt", "minha página\r\n");
  write_file(folder / "p.htm", "<p>pagina</p>");
  const auto users = [&] { return read_file(folder / "docx-000001.txt") + read_file(folder / "arq-000001.txt"); };
  const std::string before = users();
  auto r = run_import(input(all_formats()), testing::pt());
  // The first DOCX and the page take the first numbers past their lists.
  EXPECT_EQ(r.office_converted,
            (std::vector<Ansi>{Ansi("docx-000003.txt"), Ansi("docx-000002.txt"), Ansi("odt-000001.txt")}));
  EXPECT_EQ(r.converted, std::vector<Ansi>{Ansi("arq-000002.txt")});
  EXPECT_EQ(users(), before);
  EXPECT_TRUE(said(r, "2 textos desta pasta têm o nome que uma conversão tomaria"));
  const auto files = folder_snapshot(folder);
  r = run_import(input(all_formats()), testing::pt());
  EXPECT_EQ(folder_snapshot(folder), files);  // the same names again, nothing more said
  EXPECT_EQ(r.messages.size(), 2u);

  // Sources deleted: their documents go, the others keep their names.
  fs::remove(folder / "A.DOCX");
  fs::remove(folder / "p.htm");
  r = run_import(input(all_formats()), testing::pt());
  EXPECT_EQ(r.removed, (std::vector<Ansi>{Ansi("arq-000002.txt"), Ansi("docx-000003.txt")}));
  EXPECT_FALSE(fs::exists(folder / "docx-000003.lpl"));
  EXPECT_EQ(doc_names(), (std::vector<Ansi>{Ansi("arq-000001.txt"), Ansi("docx-000001.txt"), Ansi("docx-000002.txt"),
                                            Ansi("odt-000001.txt"), Ansi("solto.txt")}));
  EXPECT_TRUE(said(r, "2 documentos convertidos antes (como \"arq-000002.txt\", de \"p.htm\") foram apagados"));
  EXPECT_EQ(users(), before);
}

TEST_F(OfficeImportTest, AFolderPreparedBeforeSourcesWereRecordedHasItsConversionsWrittenAgain) {
  write_file(folder / "docx-000001.txt", "conversão antiga\r\n");
  write_document_list(folder, Ansi("Projeto"), {Ansi("docx-000001.txt")});
  run_import(input(all_formats()), testing::pt());
  EXPECT_EQ(read_file(folder / "docx-000001.txt"), cp1252("Eleições em São Paulo fim\r\n"));
}

TEST_F(OfficeImportTest, WithoutTheOptionOfficeFilesAreLeftAloneAndAloneTheyMakeAnEmptyFolder) {
  const auto r = run_import(input(formats_without_office()), testing::pt());
  EXPECT_TRUE(r.office_converted.empty());
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(doc_names(), std::vector<Ansi>{Ansi("solto.txt")});

  fs::remove(folder / "solto.txt");
  EXPECT_TRUE(run_import(input(formats_without_office()), testing::pt()).empty_folder);
  EXPECT_FALSE(run_import(input(all_formats()), testing::pt()).empty_folder);
}

}  // namespace
}  // namespace lumeral::preparation
