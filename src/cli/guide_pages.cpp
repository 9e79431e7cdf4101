#include "cli/guide_pages.h"

// From the build configuration (CMakeLists.txt): where the desktop
// package installs the guide.
#ifndef LUMERAL_GUIDE_INSTALL_DIR
#error "LUMERAL_GUIDE_INSTALL_DIR is set by the build (the installed user guide)"
#endif

namespace lumeral::cli {

const std::vector<CommandGuidePage>& command_guide_pages() {
  static const std::vector<CommandGuidePage> pages = {
      {"dump", "linha-de-comando.md#arquivos-do-programa-como-texto-dump-e-make"},
      {"make", "linha-de-comando.md#arquivos-do-programa-como-texto-dump-e-make"},
      {"prepare", "janelas/mdi_form.md#na-linha-de-comando"},
      {"wordlists", "janelas/textos.md#na-linha-de-comando"},
      {"wordlist-open", "janelas/textos.md#na-linha-de-comando"},
      {"stopwords-save", "janelas/stop_words.md#na-linha-de-comando"},
      {"split", "janelas/separador.md#na-linha-de-comando"},
      {"html2txt", "janelas/html_txt.md#na-linha-de-comando"},
      {"eliminate", "janelas/elimina_palavras.md#na-linha-de-comando"},
      {"doclist-open", "janelas/lista_docs.md#na-linha-de-comando"},
      {"variables", "variaveis.md#ver-e-trocar-as-variáveis"},
      {"import-table", "variaveis.md#importar-uma-planilha-de-textos"},
      {"context-report", "janelas/criar_contextos.md#na-linha-de-comando"},
      {"context-weights", "janelas/criar_contextos.md#na-linha-de-comando"},
      {"classify", "janelas/matriz.md#na-linha-de-comando"},
      {"doc-contexts", "janelas/matriz.md#na-linha-de-comando"},
      {"context-docs", "janelas/matriz.md#na-linha-de-comando"},
      {"classify-highest", "janelas/classifica2.md#na-linha-de-comando"},
      {"classify-concepts", "janelas/classifica3.md#na-linha-de-comando"},
      {"contextual-query", "janelas/consulta.md#na-linha-de-comando"},
      {"boolean", "janelas/recuperacao_booleana.md#na-linha-de-comando"},
      {"similar", "janelas/recup_similar.md#na-linha-de-comando"},
      {"summarize", "janelas/resumo.md#na-linha-de-comando"},
      {"contextual-summary", "janelas/resumo_contextual.md#na-linha-de-comando"},
      {"similarity-matrix", "janelas/clusterizacao.md#na-linha-de-comando"},
      {"cluster", "janelas/clusterizacao.md#na-linha-de-comando"},
      {"evaluate", "janelas/aval1.md#na-linha-de-comando"},
      {"precision-recall", "janelas/medidas.md#na-linha-de-comando"},
      {"kwic", "concordancia-e-dendrograma.md#concordância"},
      {"chart", "janelas/picture_window.md#na-linha-de-comando"},
      {"chart frequencies", "janelas/grafico_frequencias.md#na-linha-de-comando"},
      {"chart centroid", "janelas/grafico_centroide.md#na-linha-de-comando"},
      {"chart similarity", "janelas/mapa_similaridade.md#na-linha-de-comando"},
      {"chart associations", "janelas/rede_conceitos.md#na-linha-de-comando"},
      {"chart cooccurrence", "janelas/rede_termos.md#na-linha-de-comando"},
      {"chart crosstab", "estatisticas.md#conceitos-por-variável"},
      {"chart specificities", "estatisticas.md#especificidades"},
      {"chart ca", "estatisticas.md#análise-de-correspondência"},
      {"chart dendrogram", "concordancia-e-dendrograma.md#a-janela-dendrograma"},
      {"chart wordcloud", "nuvem-de-palavras.md#na-linha-de-comando"},
      {"centroid", "janelas/centroide.md#na-linha-de-comando"},
      {"differences", "janelas/centroide.md#na-linha-de-comando"},
      {"percentages", "janelas/centro_contextual.md#na-linha-de-comando"},
      {"compare", "janelas/mdi_form2.md#na-linha-de-comando"},
      {"compare-rules", "janelas/compara_regras.md#na-linha-de-comando"},
      {"associate", "janelas/associacao.md#na-linha-de-comando"},
      {"rules", "janelas/data_mining.md#na-linha-de-comando"},
      {"mine", "janelas/minera.md#na-linha-de-comando"},
      {"crosstab", "estatisticas.md#conceitos-por-variável-e-o-qui-quadrado"},
      {"specificities", "estatisticas.md#palavras-de-cada-categoria-especificidades-e-o-g2"},
      {"ca", "estatisticas.md#análise-de-correspondência"},
  };
  return pages;
}

std::string guide_line(const std::string& path) {
  for (const CommandGuidePage& entry : command_guide_pages())
    if (path == entry.command) return std::string("Guia: ") + LUMERAL_GUIDE_INSTALL_DIR + "/" + entry.page;
  return {};
}

}  // namespace lumeral::cli
