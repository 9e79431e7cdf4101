// Text preparation commands: prepare, wordlists, wordlist-open,
// stopwords-save, split, html2txt, eliminate, doclist-open.
#include <cctype>
#include <iostream>
#include <iterator>

#include "cli/command.h"
#include "cli/option_groups.h"
#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/reading.h"
#include "core/base/text.h"
#include "core/preparation/collection.h"
#include "core/preparation/doc_lists.h"
#include "core/preparation/elimination.h"
#include "core/preparation/html_text.h"
#include "core/preparation/import.h"
#include "core/preparation/split.h"
#include "core/preparation/stopword_lists.h"
#include "core/preparation/word_lists.h"
#include "core/records/records.h"
#include "core/records/weighted.h"
#include "core/shell/project_file.h"
#include "core/records/document_list.h"

namespace lumeral::cli {
namespace {

using namespace lumeral::preparation;
namespace fs = std::filesystem;

fs::path absolute(const std::string& arg) { return fs::absolute(arg_path(arg)); }

// A file chosen in a window's dialog is trimmed there; blanks alone choose
// nothing (empty path).
fs::path chosen_path(const std::string& arg) {
  Ansi t = trim(arg_text(arg));
  return t.empty() ? fs::path() : absolute(arg);
}

// "--formats txt,html,docx,odt,pdf": the text files are always documents;
// the others are converted when named.
DocumentFormats formats_of_list(const std::string& list) {
  DocumentFormats f;
  f.html = false;
  std::size_t pos = 0;
  while (pos <= list.size()) {
    std::size_t comma = list.find(',', pos);
    if (comma == std::string::npos) comma = list.size();
    std::string item = list.substr(pos, comma - pos);
    for (char& c : item) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    while (!item.empty() && item.front() == ' ') item.erase(item.begin());
    while (!item.empty() && item.back() == ' ') item.pop_back();
    if (item == "html" || item == "htm") f.html = true;
    else if (item == "docx") f.office[static_cast<int>(OfficeFormat::Docx)] = true;
    else if (item == "odt") f.office[static_cast<int>(OfficeFormat::Odt)] = true;
    else if (item == "pdf") f.office[static_cast<int>(OfficeFormat::Pdf)] = true;
    else if (item != "txt")
      throw Stop("Formato desconhecido em --formats: \"" + item + "\" (use txt, html, docx, odt e pdf, separados por vírgula).");
    pos = comma + 1;
  }
  return f;
}

struct PrepareOptions {
  const std::string* separator = nullptr;  // --separator
  const std::string* formats = nullptr;    // --formats
  bool stem = false;                       // --stem
  std::optional<Reading> reading;          // --leitura
};

// "--leitura classica|completa".
CLI::Option* add_reading_option(CLI::App* sub, std::string& value, const char* default_text) {
  return sub
      ->add_option("--leitura", value,
                   std::string("Como os textos são lidos: completa (todas as letras acentuadas, maiúsculas "
                               "como minúsculas, HTML como o navegador mostra, documentos com o nome da fonte) "
                               "ou classica (como nas versões anteriores); padrão: ") +
                       default_text)
      ->check(one_of({"classica", "completa"}));
}
std::optional<Reading> reading_option(const std::string& value) {
  if (value.empty()) return std::nullopt;
  return reading_of_key(value);
}

void prepare(Env& env, const std::string& folder, const std::string& title, Language language,
             const PrepareOptions& options, const std::string& stopwords) {
  const std::string* separator = options.separator;
  ImportInput input;
  input.folder = absolute(folder);
  input.title = arg_text(title);
  input.single_file = separator != nullptr;
  if (separator) input.separator = arg_text(*separator);
  input.split_done = false;
  std::error_code ec;
  if (!fs::is_directory(input.folder, ec)) throw Stop("Diretório Inexistente!");
  if (input.title.empty()) throw Stop(kEmptyTitle);
  // The options the project file of this title says, when there is one;
  // otherwise the old behaviour (texts and HTML, words as written).
  const fs::path project_file = shell::Project{input.folder, input.title}.project_file();
  // The reading: --leitura; else the project file's; else the one the
  // folder was prepared with; else, for a folder whose document list was
  // written before readings were recorded, the classic one (a collection is
  // never read half one way and half the other); else the complete one.
  std::optional<Reading> reading = options.reading;
  if (fs::is_regular_file(project_file, ec)) {
    const shell::ProjectSettings settings = shell::read_project_file(project_file);
    input.formats = settings.convert_documents ? all_formats() : formats_without_office();
    if (settings.stemming) input.stem = language;
    if (!reading) reading = settings.reading;
  }
  if (!reading) reading = recorded_reading(input.folder);
  if (!reading && fs::is_regular_file(shell::Project{input.folder, input.title}.doc_list(), ec)) {
    reading = Reading::Classic;
    env.message("A pasta foi preparada antes com a leitura clássica e continua assim; para ler os textos com a "
                "leitura completa, use --leitura completa.");
  }
  input.reading = reading.value_or(Reading::Complete);
  input.memory_budget = env.memory_budget();
  if (options.formats) input.formats = formats_of_list(*options.formats);
  if (options.stem) input.stem = language;
  if (!stopwords.empty()) {
    input.stopwords = chosen_path(stopwords);
  } else {
    // The standard list of the language: the start folder (here the folder
    // the command runs in), then the installed data folder.
    input.stopwords = find_standard_list(language, fs::current_path());
    std::error_code ec;
    if (!fs::is_regular_file(input.stopwords, ec)) throw Stop(kNoStopwordList);
  }
  ImportResult result = run_import(input, env.regional(), env.progress());
  const std::string left_out =
      left_out_message(result, "Para incluí-los, use --formats txt,html,docx,odt,pdf (ou marque \"Converter também "
                               "documentos DOCX, ODT e PDF\" no projeto).");
  if (!left_out.empty()) env.message(left_out);
  if (result.empty_folder) throw Stop(kEmptyFolder);
  for (const auto& m : result.messages) env.message(m.text);
  for (const auto& name : result.last.texts) env.line(name);
}

Registrar prepare_cmd(20, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "prepare",
      "Prepara a pasta de um projeto como o assistente: converte HTML (e DOCX, ODT e PDF com --formats), separa o arquivo único (com --separator), "
      "grava a lista de documentos TÍTULO.ldc e uma lista de palavras por documento; mostra os documentos");
  auto folder = std::make_shared<std::string>();
  auto title = std::make_shared<std::string>();
  auto separator = std::make_shared<std::string>();
  auto stopwords = std::make_shared<std::string>();
  sub->add_option("PASTA", *folder, "Pasta do projeto (textos e páginas HTML)")->required();
  sub->add_option("--title", *title, "Título do projeto (nomeia TÍTULO.ldc e TÍTULO.bak)")->required();
  LanguageOption language(sub, "--language", "Idioma dos textos: pt, en ou es (padrão pt)", "pt");
  auto* sep = sub->add_option("--separator", *separator,
                              "Os textos estão todos num mesmo arquivo, separados por este string");
  sub->add_option("--stopwords", *stopwords, "Lista de stopwords (padrão: a lista padrão do idioma)");
  auto formats = std::make_shared<std::string>();
  auto* fmt = sub->add_option("--formats", *formats,
                              "Formatos convertidos, separados por vírgula: txt,html,docx,odt,pdf (os textos .txt "
                              "entram sempre; padrão: o que diz o arquivo de projeto TÍTULO.ini, senão txt,html)");
  auto stem = std::make_shared<bool>(false);
  sub->add_flag("--stem", *stem,
                "Agrupar variantes das palavras (radicais): as listas de palavras guardam o radical de cada "
                "palavra, no idioma de --language (padrão: o que diz o arquivo de projeto)");
  auto reading = std::make_shared<std::string>();
  add_reading_option(sub, *reading,
                     "a do arquivo de projeto TÍTULO.ini, senão a da preparação anterior da pasta, senão completa");
  return [=](Env& env) {
    PrepareOptions options;
    options.separator = sep->count() ? separator.get() : nullptr;
    options.formats = fmt->count() ? formats.get() : nullptr;
    options.stem = *stem;
    options.reading = reading_option(*reading);
    prepare(env, *folder, *title, *language.get(), options, *stopwords);
  };
});

Registrar wordlists_cmd(21, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "wordlists", "Analisa textos: grava a lista de palavras (.lpl) de cada documento, ao lado dele");
  auto stopwords = std::make_shared<std::string>();
  auto docs = std::make_shared<std::vector<std::string>>();
  auto list = std::make_shared<std::string>();
  sub->add_option("--stopwords", *stopwords, "Lista de stopwords (.stw)")->required();
  auto* doc_opt = sub->add_option("DOC", *docs, "Documentos (.txt)");
  sub->add_option("--docs", *list,
                  "Lista de documentos (.ldc) em vez dos DOC: os nomes são procurados na pasta da lista")
      ->excludes(doc_opt);
  auto shard = add_shard_option(sub);
  LanguageOption stem(sub, "--stem", "Agrupar variantes das palavras (radicais) do idioma: pt, en ou es");
  auto reading = std::make_shared<std::string>();
  add_reading_option(sub, *reading, "a da preparação da pasta dos documentos (classica quando ela não diz)");
  return [=](Env& env) {
    std::vector<fs::path> paths;
    if (!list->empty()) {
      paths = records::read_document_paths(chosen_file(*list));
    } else {
      for (const auto& d : *docs) paths.push_back(absolute(d));
    }
    if (paths.empty()) throw Stop("Nenhum documento: dê os documentos (DOC) ou --docs LISTA.ldc");
    paths = shard().select(std::move(paths));
    const std::optional<Language> language = stem.get();
    const Reading read = reading_option(*reading).value_or(documents_reading(paths));
    build_word_lists(paths, chosen_path(*stopwords), std::nullopt, env.regional(), env.progress(), language, read);
  };
});

Registrar wordlist_open_cmd(22, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "wordlist-open", "Abre lista: mostra as palavras de uma lista (.lpl) ou de um contexto (.ctt) com seus pesos");
  auto file = std::make_shared<std::string>();
  auto threshold = std::make_shared<std::string>();
  sub->add_option("ARQUIVO", *file, "Lista de palavras (.lpl) ou contexto (.ctt)")->required();
  sub->add_option("--threshold", *threshold, "Limiar: só os pesos maiores ou iguais (padrão 0)");
  add_export_option(sub);
  return [=](Env& env) {
    const auto rows = open_word_list(arg_path(*file), arg_text(*threshold), env.regional());
    for (const auto& row : rows) env.line(word_list_line(row));
    env.table([&] { return exporting::weighted_rows_table(rows, "Palavra", "Peso"); });
  };
});

Registrar stopwords_save_cmd(23, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "stopwords-save",
      "Grava lista de stop-words: as linhas (entrada padrão ou --from) em ordem alfabética, em minúsculas, "
      "sem brancos nas pontas e cortadas em 15 caracteres");
  auto out = std::make_shared<std::string>();
  auto from = std::make_shared<std::string>();
  sub->add_option("SAÍDA", *out, "Lista de stopwords a gravar (.stw)")->required();
  sub->add_option("--from", *from, "Arquivo texto com uma palavra por linha (padrão: a entrada padrão)");
  return [=](Env& env) {
    std::vector<Ansi> lines;
    if (from->empty()) {
      std::string all((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
      lines = split_lines(decode_document(all));
    } else {
      lines = read_document_lines(arg_path(*from));
    }
    records::sort_alphabetical(lines, env.regional());
    save_stopwords(arg_path(*out), lines);
  };
});

Registrar split_cmd(24, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "split", "Separação de documentos: divide um arquivo em PREFIXO000001.txt, PREFIXO000002.txt... ao lado dele");
  auto file = std::make_shared<std::string>();
  auto prefix = std::make_shared<std::string>("arq-");
  auto separator = std::make_shared<std::string>("XXX");
  sub->add_option("ARQUIVO", *file, "Arquivo a separar")->required();
  sub->add_option("--prefix", *prefix, "Nome inicial dos arquivos resultantes (padrão arq-)");
  sub->add_option("--separator", *separator, "String separador no arquivo original (padrão XXX)");
  return [=](Env& env) {
    separate_documents(arg_path(*file), arg_text(*prefix), arg_text(*separator), env.progress());
  };
});

Registrar html2txt_cmd(25, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "html2txt", "Transforma HTML para TXT: cada página vira um texto de uma linha (nome até o primeiro \".\" + txt)");
  auto files = std::make_shared<std::vector<std::string>>();
  sub->add_option("ARQUIVO", *files, "Páginas HTML")->required();
  return [=](Env& env) {
    // Pages of one folder are converted together, as the tool lists them.
    std::size_t i = 0;
    while (i < files->size()) {
      fs::path folder = arg_path((*files)[i]).parent_path();
      std::vector<Ansi> entries;
      while (i < files->size() && arg_path((*files)[i]).parent_path() == folder) {
        entries.push_back(path_name(arg_path((*files)[i])));
        ++i;
      }
      convert_html_entries(folder.empty() ? fs::path(".") : folder, entries, env.progress());
    }
  };
});

Registrar eliminate_cmd(26, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "eliminate", "Eliminação de palavras: tira as palavras dadas das listas de palavras dos documentos da lista");
  auto docs = std::make_shared<std::string>();
  auto words = std::make_shared<std::vector<std::string>>();
  auto stopwords = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  auto* w = sub->add_option("--word", *words, "Palavra a eliminar (pode repetir)");
  auto* s = sub->add_option("--stopwords", *stopwords, "Lista de stopwords (.stw) com as palavras a eliminar");
  w->excludes(s);
  return [=](Env& env) {
    std::vector<Ansi> lines;
    for (const auto& word : *words) lines.push_back(arg_text(word));
    // The window adds a list chosen in its dialog, which exists; a list given
    // here that is not there is named, not read as "no words".
    if (!stopwords->empty()) lines = elimination_lines_from(chosen_file(*stopwords));
    eliminate_words(arg_path(*docs), lines, env.progress());
  };
});

Registrar doclist_open_cmd(27, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "doclist-open", "Abre lista existente: mostra os documentos de uma lista (.ldc) com seus pesos");
  auto file = std::make_shared<std::string>();
  auto threshold = std::make_shared<std::string>();
  sub->add_option("LISTA", *file, "Lista de documentos (.ldc)")->required();
  sub->add_option("--threshold", *threshold, "Limiar: só os pesos maiores ou iguais (padrão 0)");
  add_export_option(sub);
  return [=](Env& env) {
    std::vector<DocRow> rows;
    include_doc_list(rows, arg_path(*file), arg_text(*threshold), kList1Decimals, env.regional());
    for (const auto& l : records::weighted_row_lines(rows)) env.line(l);
    env.table([&] { return exporting::weighted_rows_table(rows, "Documento", "Peso"); });
  };
});

}  // namespace
}  // namespace lumeral::cli
