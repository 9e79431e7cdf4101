// Commands "summarize" and "contextual-summary": sentence and contextual
// summaries.
#include "cli/command.h"
#include "core/base/message.h"
#include "core/summaries/contextual_summary.h"
#include "core/summaries/sentence_summary.h"
#include "core/records/document_list.h"

namespace lumeral::cli {
namespace {

Registrar summarize_cmd(72, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "summarize", "Resumo de documentos: as frases que contêm as palavras ou expressões, com frases vizinhas");
  auto docs = std::make_shared<std::string>();
  auto any = std::make_shared<bool>(false);
  auto around = std::make_shared<int>(0);
  auto unrestricted = std::make_shared<bool>(false);
  auto only = std::make_shared<std::string>();
  auto texts = std::make_shared<std::vector<std::string>>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_flag("--or", *any, "Condição OU (padrão: E)");
  sub->add_option("--around", *around, "Frases antes e depois (0 a 10)");
  sub->add_flag("--unrestricted", *unrestricted, "Sem restrições: mostra todas as frases");
  sub->add_option("--only", *only, "Somente o documento selecionado (nome como na lista)");
  sub->add_option("TEXTO", *texts, "Palavras ou expressões, uma por argumento (atenção com maiúsculas e minúsculas)");
  return [=](Env& env) {
    summaries::SummaryOptions options;
    for (const auto& t : *texts) options.search_lines.push_back(arg_text(t));
    options.any = *any;
    options.unrestricted = *unrestricted;
    options.around = *around;
    if (!only->empty()) options.selected = arg_text(*only);
    const auto list = arg_path(*docs);
    auto entries = records::read_document_names(list);
    show(env, summaries::extract_summaries(list.parent_path(), entries, options, env.progress()).listing);
  };
});

Registrar contextual_cmd(73, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "contextual-summary", "Resumo contextual: frases que mencionam os contextos pedidos e não os excluídos");
  auto docs = std::make_shared<std::string>();
  auto contexts = std::make_shared<std::string>();
  auto wanted = std::make_shared<std::vector<std::string>>();
  auto excluded = std::make_shared<std::vector<std::string>>();
  auto any = std::make_shared<bool>(false);
  auto sentences = std::make_shared<int>(0);
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_option("--contexts", *contexts, "Lista de contextos (.lct)")->required();
  sub->add_option("CTX", *wanted, "Contextos que a frase deve mencionar")->required();
  sub->add_option("--not", *excluded, "Contextos que a frase não deve mencionar");
  sub->add_flag("--or", *any, "Operador OR - OU (padrão: AND - E)");
  sub->add_option("--sentences", *sentences, "Número de frases para apresentar após cada frase (0 = frase única)");
  return [=](Env& env) {
    summaries::ContextualOptions options;
    for (const auto& c : *wanted) options.contexts.push_back(arg_text(c));
    for (const auto& c : *excluded) options.not_contexts.push_back(arg_text(c));
    options.any = *any;
    options.sentences = *sentences;
    show(env, summaries::contextual_summary(arg_path(*docs), arg_path(*contexts), options, env.progress()));
  };
});

}  // namespace
}  // namespace lumeral::cli
