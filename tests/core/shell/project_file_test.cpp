#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/shell/ini.h"
#include "core/shell/project_file.h"
#include "core/shell/status_file.h"
#include "support/fixtures.h"

namespace lumeral::shell {
namespace {

using namespace lumeral::testing;

ProjectSettings sample(const TempDir& dir) {
  ProjectSettings s;
  s.title = Ansi("Vendas 2005");
  s.client = to_ansi("Associação Açúcar");
  s.responsible = to_ansi("José");
  s.project_folder = to_ansi(dir.path().string());
  s.text_location = kSeveralFiles;
  s.separator = Ansi("");
  s.language = row_of(Language::Portuguese);
  s.ontology_kind = kind_probabilistic();
  s.context_list = to_ansi((dir.path() / "Vendas 2005.lct").string());
  s.level = Ansi("5");
  return s;
}

TEST(ProjectFile, WritesTheTwentyLinesExactly) {
  TempDir dir;
  ProjectSettings s = sample(dir);
  fs::path file = save_project(s, StatusFile{});
  EXPECT_EQ(file, dir.path() / "Vendas 2005.ini");
  const std::string folder = dir.path().string();
  EXPECT_EQ(read_file(file), cp1252("[NOME]\r\nnome=Vendas 2005\r\n[CLIENTE]\r\ncliente=Associação Açúcar\r\n"
                                    "[RESPONSAVEL]\r\nresp=José\r\n[DIR_PROJETO]\r\ndir_proj=" +
                                    folder +
                                    "\r\n[LUGAR_TEXTOS]\r\nlugar_textos=1\r\n[SEPARADOR]\r\nseparador=\r\n"
                                    "[IDIOMA_TEXTOS]\r\nidioma_textos=0\r\n[ONTOLOGIA]\r\nontologia=Probabilístico\r\n"
                                    "[LCT]\r\nlct=" +
                                    folder + "/Vendas 2005.lct\r\n[N]\r\nn=5\r\n"));
  // Read back and written again: the same bytes.
  ProjectSettings back = read_project_file(file);
  EXPECT_EQ(back, s);
  std::string first = read_file(file);
  write_project_file(file, back);
  EXPECT_EQ(read_file(file), first);
}

TEST(ProjectFile, PreparationOptionsAreKeysOfTheirOwnAndOffWhenAbsent) {
  TempDir dir;
  struct Case {
    bool convert, stem;
    std::string extra;  // what follows the 20 lines
  } cases[] = {
      {true, false, "[CONVERTER_DOCUMENTOS]\r\nconverter_documentos=1\r\n"},
      {false, true, "[RADICAIS]\r\nradicais=1\r\n"},
      {true, true, "[CONVERTER_DOCUMENTOS]\r\nconverter_documentos=1\r\n[RADICAIS]\r\nradicais=1\r\n"},
  };
  ProjectSettings plain = sample(dir);
  const std::string twenty = (save_project(plain, StatusFile{}), read_file(dir / "Vendas 2005.ini"));
  for (const auto& c : cases) {
    ProjectSettings s = sample(dir);
    s.convert_documents = c.convert;
    s.stemming = c.stem;
    fs::path file = save_project(s, StatusFile{});
    EXPECT_EQ(read_file(file), twenty + c.extra);
    EXPECT_EQ(read_project_file(file), s);
  }
  // A value other than "1" (a hand edit) is off.
  write_file(dir / "x.ini", twenty + "[radicais]\nRADICAIS = sim\n");
  EXPECT_FALSE(read_project_file(dir / "x.ini").stemming);
}

TEST(ProjectFile, HandEditedFileRestoresTheSameSettings) {
  TempDir dir;
  ProjectSettings s = sample(dir);
  s.text_location = kSingleFile;
  s.separator = Ansi("#####");
  s.language = row_of(Language::Spanish);
  s.ontology_kind = kind_deterministic();
  s.level = Ansi("2");
  // Sections reordered, names in capitals or mixed case, blanks around
  // names and values, a comment, LF line ends, UTF-8 as an editor saves it.
  const std::string edited =
      "; editado a mao\n[n]\nN = 2\n[Ontologia]\nONTOLOGIA=Determinístico\n"
      "[LCT]\nLCT=" + to_utf8(s.context_list) + "\n[idioma_textos]\nIDIOMA_TEXTOS= 2 \n[SEPARADOR]\nSEPARADOR=#####\n"
      "[lugar_textos]\nLugar_Textos=0\n[DIR_PROJETO]\nDIR_PROJ=" + dir.path().string() +
      "\n[RESPONSAVEL]\nRESP=José\n  [ Cliente ]  \nCliente=Associação Açúcar\n[NOME]\nNOME=Vendas 2005\nnome=outro\n";
  write_file(dir / "x.ini", edited);
  EXPECT_EQ(read_project_file(dir / "x.ini"), s);
}

TEST(ProjectFile, MissingKeysAreEmptyAndBadNumbersStop) {
  TempDir dir;
  write_file(dir / "a.ini", "[IDIOMA_TEXTOS]\nidioma_textos=1\n[LUGAR_TEXTOS]\nlugar_textos=0\n");
  ProjectSettings a = read_project_file(dir / "a.ini");
  EXPECT_EQ(a.title, Ansi(""));
  EXPECT_EQ(a.context_list, Ansi(""));
  EXPECT_EQ(a.level, Ansi(""));
  EXPECT_EQ(a.language, row_of(Language::English));

  // The conversion error names the value, the file, the section and the key
  // ("'um'" for the language: the command line's `mine` test).
  struct {
    const char* text;
    const char* value;
    const char* where;
  } bad[] = {
      {"[LUGAR_TEXTOS]\nlugar_textos=1\n", "''", "seção [IDIOMA_TEXTOS], chave idioma_textos"},
      {"[IDIOMA_TEXTOS]\nidioma_textos=0\n[LUGAR_TEXTOS]\nlugar_textos=1,5\n", "'1,5'",
       "seção [LUGAR_TEXTOS], chave lugar_textos"},
  };
  for (const auto& c : bad) {
    write_file(dir / "b.ini", c.text);
    const std::string said = stop_text([&] { read_project_file(dir / "b.ini"); });
    for (const std::string& part : {(dir / "b.ini").string(), std::string(c.where), c.value + std::string(" não é")})
      EXPECT_NE(said.find(part), std::string::npos) << said;
  }
  EXPECT_EQ(read_integer(Ansi(" -1 ")), -1);
}

TEST(ProjectFile, SaveCreatesTheFolderAndRefusesBadTitles) {
  TempDir dir;
  ProjectSettings s = sample(dir);
  s.project_folder = to_ansi((dir.path() / "novo" / "projeto").string());
  StatusFile status{{{Ansi("Economia"), Ansi("12"), Ansi("37,5")}}, {}};
  save_project(s, status);
  EXPECT_TRUE(fs::exists(dir.path() / "novo" / "projeto" / "Vendas 2005.ini"));
  EXPECT_EQ(read_file(dir.path() / "novo" / "projeto" / "resultados_n4.wiz"), "Economia;12;37,5/\r\n\r\n");

  s.title = Ansi("");
  EXPECT_THROW(save_project(s, status), Stop);
  s.title = Ansi("../fora");
  EXPECT_THROW(save_project(s, status), Stop);
  EXPECT_FALSE(fs::exists(dir.path() / "novo" / "fora.ini"));

  // A folder that cannot be created (a file stands in the way).
  write_file(dir / "arquivo", "x");
  s.title = Ansi("T");
  s.project_folder = to_ansi((dir.path() / "arquivo" / "sub").string());
  EXPECT_THROW(save_project(s, status), Stop);
}

TEST(Ini, FirstOccurrenceWinsAndKeysOutsideSectionsAreIgnored) {
  IniFile ini({Ansi("solto=1"), Ansi("[A]"), Ansi("k=primeiro"), Ansi("[B]"), Ansi("k=b"), Ansi("[a]"),
               Ansi("K=segundo"), Ansi("vazio=")});
  EXPECT_EQ(ini.value(Ansi("a"), Ansi("k")), Ansi("primeiro"));
  EXPECT_EQ(ini.value(Ansi("B"), Ansi("K")), Ansi("b"));
  EXPECT_EQ(ini.value(Ansi(""), Ansi("solto")), Ansi(""));
  EXPECT_TRUE(ini.has(Ansi("A"), Ansi("vazio")));
  EXPECT_FALSE(ini.has(Ansi("A"), Ansi("nada")));
}

TEST(StatusFile, RowsAreReadBackAsTheTableShowedThem) {
  struct {
    const char* line;
    FrequencyRow row;
  } cases[] = {
      {"Economia;12;37,5/", {Ansi("Economia"), Ansi("12"), Ansi("37,5")}},
      {" meio-ambiente ; 3 ; 100,0 /", {Ansi("meio-ambiente"), Ansi("3"), Ansi("100,0")}},
      {"sem barra;1;2,5", {Ansi("sem barra"), Ansi("1"), Ansi("2,5")}},
      {"so conceito", {Ansi("so conceito"), Ansi(""), Ansi("")}},
      {"a;7", {Ansi("a"), Ansi("7"), Ansi("")}},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_frequency_row(Ansi(c.line)), c.row) << c.line;
}

TEST(StatusFile, WrittenAndReadBackAndEmptyGivesOneEmptyLine) {
  TempDir dir;
  StatusFile status;
  status.rows = {{to_ansi("Educação"), Ansi("3"), Ansi("37,5")}, {Ansi("Economia"), Ansi("8"), Ansi("100,0")}};
  status.association_text = {
      to_ansi("--66,67%  dos textos que falam em Economia também falam em Educação. Isto aconteceu em 0002 "
              "texto(s) (25,00% do total)"),
      to_ansi("--100,00% dos textos que falam em Educação também falam em Economia. Isto aconteceu em 0003 "
              "texto(s) (37,50% do total)")};
  std::filesystem::path p = dir / status_file_name();
  write_status_file(p, status);
  EXPECT_EQ(read_file(p), cp1252("Educação;3;37,5/\r\nEconomia;8;100,0/\r\n") + std::string(bytes_of(status.association_text[0])) +
                              "\r\n" + std::string(bytes_of(status.association_text[1])) + "\r\n");
  StatusFile back = read_status_file(p);
  EXPECT_EQ(back, status);
  EXPECT_EQ(back.rule_count(), 2u);
  // An empty table and text give one empty line.
  write_status_file(dir / "s.wiz", StatusFile{});
  EXPECT_EQ(read_file(dir / "s.wiz"), "\r\n");
  EXPECT_EQ(read_status_file(dir / "s.wiz"), StatusFile{});
  EXPECT_THROW(read_status_file(dir / "nada.wiz"), Stop);
}

}  // namespace
}  // namespace lumeral::shell
