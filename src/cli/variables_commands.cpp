// Commands "variables" (the variables file of a document list, shown or
// replaced from a table) and "import-table" (a spreadsheet's rows as the
// documents of a folder, its other columns as their variables).
#include "cli/command.h"
#include "core/base/message.h"
#include "core/preparation/table_import.h"
#include "core/records/document_list.h"
#include "core/variables/variables_file.h"
#include "core/variables/variables_sheet.h"

namespace lumeral::cli {
namespace {

namespace fs = std::filesystem;
using namespace lumeral::variables;

Registrar variables_cmd(28, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "variables",
      "Mostra as variáveis dos documentos de uma lista (o arquivo TÍTULO.var ao lado de TÍTULO.ldc): um documento "
      "por linha, uma coluna por variável; com --set, troca-as pelas de uma tabela; com --export, grava a tabela "
      "como a janela de variáveis a exporta (os valores como estão no arquivo)");
  auto docs = std::make_shared<std::string>();
  auto table = std::make_shared<std::string>();
  auto sheet = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_option("--set", *table,
                  "Tabela CSV, XLSX ou ODS cuja primeira coluna nomeia os documentos da lista e cujas outras colunas "
                  "são as variáveis (cabeçalho: os nomes); grava TÍTULO.var");
  sub->add_option("--sheet", *sheet, "Planilha da tabela (XLSX, ODS), pelo nome ou pelo número (padrão: a primeira)");
  add_export_option(sub);
  return [=](Env& env) {
    const fs::path list = chosen_file(*docs);
    TableOptions options;
    options.sheet = *sheet;
    options.limit = preparation::document_size_limit(env.memory_budget());
    const Variables v = table->empty() ? read_variables(variables_path_for(list))
                                       : set_variables(list, chosen_file(*table), options);
    const std::vector<Ansi> documents = records::read_document_names(list);
    const VariablesTable shown = variables_table(v, documents);
    for (const Ansi& line : shown.lines) env.line(line);
    for (const std::string& warning : shown.warnings) env.message(warning);
    env.table([&] { return variables_sheet(variables_grid(v, documents).rows); });
  };
});

Registrar import_table_cmd(29, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "import-table",
      "Importa uma tabela CSV, XLSX ou ODS: cada linha vira um documento da PASTA nova (nomeado pela coluna --id, "
      "senão pelo número da linha) com o texto das colunas --text; as outras colunas viram as variáveis, gravadas "
      "em PASTA/<nome da pasta>.var; mostra os documentos");
  auto file = std::make_shared<std::string>();
  auto texts = std::make_shared<std::vector<std::string>>();
  auto id = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  auto sheet = std::make_shared<std::string>();
  sub->add_option("ARQUIVO", *file, "Tabela: CSV (separador ; , ou tabulação), XLSX ou ODS")->required();
  sub->add_option("--text", *texts,
                  "Coluna do texto, pelo nome no cabeçalho ou pelo número (repita a opção para juntar várias)")
      ->required();
  sub->add_option("--id", *id, "Coluna que nomeia os documentos (padrão: o número da linha)");
  sub->add_option("--out", *out, "Pasta a criar com os documentos (nova, ou vazia)")->required();
  sub->add_option("--sheet", *sheet, "Planilha (XLSX, ODS), pelo nome ou pelo número (padrão: a primeira)");
  return [=](Env& env) {
    preparation::TableImportInput input;
    input.table = chosen_file(*file);
    input.options.sheet = *sheet;
    input.options.limit = preparation::document_size_limit(env.memory_budget());
    input.text_columns = *texts;
    input.id_column = *id;
    input.folder = arg_path(*out);
    const preparation::TableImportResult result = preparation::import_table(input, env.progress());
    for (const std::string& m : result.messages) env.message(m);
    for (const Ansi& name : result.documents) env.line(name);
  };
});

}  // namespace
}  // namespace lumeral::cli
