// The options of the correspondence analysis, taken by `ca` and by `chart
// ca`: the list, the variable, and what is analysed (the concepts of a
// context list, at a minimum degree, or the N most frequent words). Both
// commands read them and run the analysis the same way; the values live in
// shared storage, so a handler captures the group by value.
#pragma once

#include <memory>
#include <string>

#include "cli/command.h"
#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/mining/rules.h"
#include "core/statistics/correspondence.h"

namespace lumeral::cli {

inline const char* const kVariableHelp =
    "Variável do arquivo de variáveis da lista (o nome da lista com .var no lugar de .ldc)";
inline const char* const kDegreeHelp =
    "Grau mínimo para um documento conter o conceito, lido da sua matriz de classificação (padrão: qualquer grau "
    "acima de 0)";

class CaOptionGroup {
 public:
  explicit CaOptionGroup(CLI::App* sub) {
    sub->add_option("--docs", v_->docs, "Lista de documentos (.ldc)")->required();
    sub->add_option("--variable", v_->variable, kVariableHelp)->required();
    auto* c = sub->add_option("--contexts", v_->contexts, "Lista de contextos (.lct): analisa os conceitos");
    auto* w = sub->add_option("--words", v_->words, "Analisa as N palavras mais freqüentes")
                  ->check(CLI::PositiveNumber);
    c->excludes(w);
    sub->add_option("--grau-minimo", v_->degree, kDegreeHelp)->needs(c);
  }

  const std::string& variable() const { return v_->variable; }

  // Runs the analysis; its warnings and the rows left out go to the
  // command's messages.
  statistics::CaRun run(Env& env) const {
    const Values& v = *v_;
    if (v.contexts.empty() && v.words == 0)
      throw Stop("Escolha o que analisar: --contexts LISTA.lct ou --words N.");
    statistics::CaRun run =
        v.contexts.empty()
            ? statistics::words_correspondence(arg_path(v.docs), arg_text(v.variable), v.words, env.progress(),
                                               env.memory_budget())
            : statistics::concepts_correspondence(arg_path(v.docs), arg_path(v.contexts), arg_text(v.variable),
                                                  mining::parse_min_degree(arg_text(v.degree), env.regional()),
                                                  env.progress());
    for (const auto& warning : run.warnings) env.message(warning);
    if (!run.dropped.empty()) {
      std::string names;
      for (const Ansi& d : run.dropped) names += (names.empty() ? "" : ", ") + to_utf8(d);
      env.message("Sem nenhuma ocorrência, ficam fora da análise: " + names);
    }
    return run;
  }

 private:
  struct Values {
    std::string docs, contexts, variable, degree;
    std::size_t words = 0;
  };
  std::shared_ptr<Values> v_ = std::make_shared<Values>();
};

}  // namespace lumeral::cli
