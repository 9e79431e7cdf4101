// The pictures of the tools window's windows, each over the sample project
// the mining wizard prepared and mined, opened by its button as a user
// opens it. Dialogs are answered with the sample's files.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "app/guide_pictures/pictures.h"
#include "charts/network_view.h"
#include "core/base/language.h"
#include "core/preparation/stopword_lists.h"
#include "core/records/records.h"
#include "gui/association/associacao.h"
#include "gui/association/rede_termos.h"
#include "gui/base/folder_tree.h"
#include "gui/base/list_box.h"
#include "gui/base/memo.h"
#include "gui/base/radio_group.h"
#include "gui/charts/grafico_centroide.h"
#include "gui/charts/mapa_similaridade.h"
#include "gui/classification/classifica2.h"
#include "gui/classification/classifica3.h"
#include "gui/classification/consulta.h"
#include "gui/classification/matriz.h"
#include "gui/clustering/apresenta_matriz.h"
#include "gui/clustering/aval1.h"
#include "gui/clustering/clusterizacao.h"
#include "gui/clustering/medidas.h"
#include "gui/comparison/centro_contextual.h"
#include "gui/comparison/centroide.h"
#include "gui/comparison/compara_regras.h"
#include "gui/contexts/criar_contextos.h"
#include "gui/mining/data_mining.h"
#include "gui/preparation/elimina_palavras.h"
#include "gui/preparation/gerencia_docs.h"
#include "gui/preparation/html_txt.h"
#include "gui/preparation/lista_docs.h"
#include "gui/preparation/separador.h"
#include "gui/preparation/textos.h"
#include "gui/retrieval/recup_similar.h"
#include "gui/retrieval/recuperacao_booleana.h"
#include "gui/retrieval/result_recuperasim.h"
#include "gui/shell/inicio.h"
#include "gui/summaries/resumo.h"
#include "gui/summaries/resumo_automatico.h"
#include "gui/summaries/resumo_contextual.h"
#include "support/ui_access.h"

namespace lumeral::gui::pictures {
namespace {

using testing::ui;

// No error or warning box since the last call: the window did what it was
// asked.
void quiet(Session& s) {
  QStringList bad;
  for (const auto& shown : s.platform.messages)
    if (shown.kind == MessageKind::Error || shown.kind == MessageKind::Warning) bad << shown.text;
  s.platform.messages.clear();
  require(bad.isEmpty(), "a janela disse: " + bad.join(" | ").toStdString());
}

// The tools window, then one of its buttons.
TForm3& tools(Session& s) {
  s.tools();
  return *s.w().Form3;
}
// The document-analysis launcher's button `button`.
void launch(Session& s, QPushButton* Tform_ger_docUi::*button) {
  tools(s).bt_analise_docsClick();
  (ui(s.w().form_ger_doc).*button)->click();
  s.w().form_ger_doc->hide();
}

QPixmap launcher(Session& s) {
  tools(s).bt_analise_docsClick();
  return s.shot(s.w().form_ger_doc);
}

QPixmap word_list(Session& s) {
  launch(s, &Tform_ger_docUi::bt_preprocessamento);
  TForm1& f = *s.w().Form1;
  ui(f).Edit_limiar->setText(QStringLiteral("0,03"));
  s.platform.answer(s.path("noticia01.lpl"));
  f.Abrelista1Click();
  quiet(s);
  require(ui(f).ListBox1->count() > 0, "a lista de palavras ficou vazia");
  return s.shot(&f);
}

QPixmap elimination(Session& s) {
  launch(s, &Tform_ger_docUi::bt_eliminacao);
  Tform_elimina& f = *s.w().form_elimina;
  s.platform.answer(s.path("noticias.ldc"));
  f.bt_abreClick();
  ui(f).Memo1->setPlainText(QStringLiteral("disse\nafirmou"));
  quiet(s);
  require(ui(f).ListBox1->count() == 40, "a lista de documentos não abriu");
  return s.shot(&f);
}

QPixmap splitter(Session& s) {
  launch(s, &Tform_ger_docUi::bt_separacao);
  Tform_separador& f = *s.w().form_separador;
  ui(f).Edit_inicial->setText(QStringLiteral("arq-"));
  ui(f).Edit_separador->setText(QStringLiteral("XXX"));
  return s.shot(&f);
}

QPixmap html_pages(Session& s) {
  launch(s, &Tform_ger_docUi::bt_html);
  TForm2& f = *s.w().Form2;
  ui(f).DirectoryListBox1->set_folder(s.path(""));
  settle();
  quiet(s);
  require(ui(f).FileListBox1->count() == 4, "a pasta noticias não mostrou as 4 páginas");
  return s.shot(&f);
}

QPixmap doc_lists(Session& s) {
  tools(s).bt_lista_docsClick();
  Tform_ldoc& f = *s.w().form_ldoc;
  s.platform.answer(s.path("noticias.ldc"));
  f.AbrelistaClick(ui(f).lista1);
  ui(f).DirectoryListBox1->set_folder(s.path(""));
  settle();
  quiet(s);
  require(ui(f).lista1.ListBox_docs->count() > 0 && ui(f).lista2.ListBox_docs->count() > 0,
          "as duas listas não foram preenchidas");
  return s.shot(&f);
}

QPixmap contexts(Session& s) {
  tools(s).bt_contextosClick();
  Tform_cont& f = *s.w().form_cont;
  s.platform.answer(s.path("noticias.lct"));
  f.Abrelista1Click();
  s.platform.answer(s.path("economia.ctt"));
  f.Abrecontexto1Click();
  quiet(s);
  require(!ui(f).Memo_definicao->toPlainText().isEmpty(), "o contexto economia não abriu");
  return s.shot(&f);
}

QPixmap classification(Session& s) {
  tools(s).bt_classificacaoClick();
  Tform_matriz& f = *s.w().form_matriz;
  s.platform.answer(s.path("noticias.ldc"));
  f.Abrelistadedocs1Click();
  s.platform.answer(s.path("noticias.lct"));
  f.Abrelistadecontextos1Click();
  f.MetodoProbabilistico1Click();
  ui(f).Edit_nome->setText(QStringLiteral("esporte"));
  f.Mostradocumentosdeumcontexto1Click();
  quiet(s);
  require(ui(f).ListBox1->count() > 0, "a classificação não listou documentos de esporte");
  return s.shot(&f);
}

QPixmap query(Session& s) {
  tools(s).bt_rec_contextualClick();
  Tform_consulta& f = *s.w().form_consulta;
  s.platform.answer(s.path("noticias.ldc"));
  f.bt_docsClick();
  s.platform.answer(s.path("noticias.lct"));
  f.bt_contextosClick();
  ui(f).Memo_palavras->setPlainText(QStringLiteral("juros\ninflação"));
  ui(f).Memo_pesos->setPlainText(QStringLiteral("0,9\n0,8"));
  s.platform.answer(s.path("juros"));
  f.bt_grava_consultaClick();
  ui(f).Edit_limiar->setText(QStringLiteral("0"));
  f.bt_consultaClick();
  f.bt_resultadosClick();
  quiet(s);
  require(ui(f).ListBox1->count() > 0, "a consulta não deu resultados");
  return s.shot(&f);
}

QPixmap highest(Session& s) {
  tools(s).bt_class_maior_pesoClick();
  Tform_classifica2& f = *s.w().form_classifica2;
  s.platform.answer(s.path("noticias.ldc"));
  f.Button1Click();
  ui(f).Edit_categoria->setText(QStringLiteral("esporte"));
  f.Button2Click();
  quiet(s);
  require(ui(f).ListBox1->count() > 0, "nenhum documento de esporte");
  return s.shot(&f);
}

QPixmap by_concepts(Session& s) {
  tools(s).bt_class_conceitosClick();
  Tform_classifica3& f = *s.w().form_classifica3;
  s.platform.answer(s.path("noticias.ldc"));
  f.Abrelistadedocumentos1Click();
  ui(f).RadioGroup1->set_item_index(0);
  ui(f).Memo_positivos->setPlainText(QStringLiteral("economia | 1\npolitica | 0,5"));
  f.Analisacategorias1Click();
  quiet(s);
  require(ui(f).ListBox1->count() > 0, "a análise das categorias ficou vazia");
  return s.shot(&f);
}

// The rules of the sample in the data mining window, by confidence.
Tform_dm& rules(Session& s) {
  tools(s).bt_data_miningClick();
  Tform_dm& f = *s.w().form_dm;
  s.platform.answer(s.path("noticias.lct"));
  s.platform.answer(s.path("noticias.ldc"));
  s.platform.answer(s.path("temp.ass"));
  f.Selecionalistas1Click();
  f.CalculaConfiancaSuporte1Click();
  f.Ordenadecrescenteporconfianca1Click();
  quiet(s);
  require(ui(f).ListBox1->count() > 0, "nenhuma regra calculada");
  return f;
}

QPixmap data_mining(Session& s) { return s.shot(&rules(s)); }

QPixmap rule_comparison(Session& s) {
  Tform_dm& dm = rules(s);
  s.platform.answer(s.path("regras-todas.txt"));
  dm.Gravaresultado1Click();
  ui(dm).Edit_grau_minimo->setText(QStringLiteral("0,05"));
  dm.CalculaConfiancaSuporte1Click();
  s.platform.answer(s.path("regras-fortes.txt"));
  dm.Gravaresultado1Click();
  dm.hide();
  s.w().Form3->bt_regrasClick();
  Tform_regras& f = *s.w().form_regras;
  s.platform.answer(QStringList{s.path("regras-todas.txt"), s.path("regras-fortes.txt")});
  f.Compararegras1Click();
  quiet(s);
  require(ui(f).ListBox_arquivos->count() == 2, "os arquivos de regras não foram comparados");
  return s.shot(&f);
}

// The pairs "Por presença na mesma frase" of the sample, by weight.
Tform_rel& pairs(Session& s) {
  tools(s).bt_associacaoClick();
  Tform_rel& f = *s.w().form_rel;
  ui(f).RadioGroup1->set_item_index(2);
  const fs::path stopwords = preparation::find_standard_list(Language::Portuguese, s.root());
  s.platform.answer(QString::fromStdString(stopwords.string()));
  s.platform.answer(s.path("noticias.ldc"));
  f.Calcularassociacoes1Click();
  f.Ordenarporpeso1Click();
  quiet(s);
  require(ui(f).ListBox1->count() > 0, "nenhuma associação calculada");
  return f;
}

QPixmap association(Session& s) { return s.shot(&pairs(s)); }

QPixmap term_network(Session& s) {
  Tform_rel& rel = pairs(s);
  rel.Rededecoocorrencia1Click();
  rel.hide();
  quiet(s);
  Tform_rede_termos* rede = s.w().form_rede_termos;
  require(rede && rede->Cena_rede->edge_count() > 0, "a rede de co-ocorrência ficou vazia");
  return s.shot(rede);
}

// The centroid "Basta aparecer em 2 docs" by weight, by word, and the
// differences of noticia05.txt.
Tform_centro& centroid(Session& s) {
  tools(s).bt_comparacaoClick();
  Tform_centro& f = *s.w().form_centro;
  s.platform.answer(s.path("noticias.ldc"));
  f.Abrelistadedocumentos1Click();
  ui(f).RadioGroup_metodo->set_item_index(0);
  ui(f).RadioGroup_tipo->set_item_index(1);
  ui(f).RadioGroup_modo->set_item_index(1);
  f.Novo1Click();
  s.platform.answer(s.path("centroide-2.lpl"));
  f.Calculadiferencasparatodos1Click();
  ListBox* docs = ui(f).ListBox_docs;
  int row = -1;
  for (int i = 0; i < docs->count(); ++i)
    if (docs->item(i)->text().startsWith(QStringLiteral("noticia05"))) row = i;
  require(row >= 0, "a lista não tem noticia05.txt");
  docs->setCurrentRow(row);
  f.Mostradiferencasdodocselecionado1Click();
  quiet(s);
  require(ui(f).ListBox_dif->count() > 0, "as diferenças de noticia05.txt ficaram vazias");
  return f;
}

QPixmap centroid_window(Session& s) { return s.shot(&centroid(s)); }

QPixmap centroid_chart(Session& s) {
  Tform_centro& f = centroid(s);
  f.Graficodebarras1Click();
  f.hide();
  quiet(s);
  return s.shot(s.w().grafico_centroide);
}

QPixmap percentages(Session& s) {
  if (!fs::exists(s.file("centro-temp.lpl"))) {
    // The contextual centroid the percentages read, made by the centroid
    // window.
    tools(s).bt_comparacaoClick();
    Tform_centro& c = *s.w().form_centro;
    s.platform.answer(s.path("noticias.ldc"));
    c.Abrelistadedocumentos1Click();
    ui(c).RadioGroup_metodo->set_item_index(1);
    c.Novo1Click();
    c.hide();
  }
  tools(s).bt_percentualClick();
  Tcentro_percentual& f = *s.w().centro_percentual;
  s.platform.answer(s.path("noticias.ldc"));
  s.platform.answer(s.path("centro-temp.lpl"));
  f.Calculaporcentagens1Click();
  f.Ordenacaoporpeso1Click();
  quiet(s);
  require(ui(f).ListBox1->count() > 0, "nenhuma porcentagem calculada");
  return s.shot(&f);
}

QPixmap boolean_search(Session& s) {
  tools(s).bt_rec_booleanaClick();
  Tform_recbool& f = *s.w().form_recbool;
  s.platform.answer(s.path("noticias.ldc"));
  f.ListadeDocumentos1Click();
  ui(f).Memo1->setPlainText(QStringLiteral("dengue\nvacina"));
  ui(f).RadioGroup1->set_item_index(1);
  f.ExecutaBusca1Click();
  quiet(s);
  require(ui(f).ListBox1->count() > 0, "a busca não achou documentos");
  return s.shot(&f);
}

QPixmap similar(Session& s) {
  tools(s).bt_rec_similaridadeClick();
  Tform_recsim& f = *s.w().form_recsim;
  s.platform.answer(s.path("noticias.ldc"));
  f.Abrelistadedocs1Click();
  ui(f).RadioGroup_caso->set_item_index(0);
  ui(f).RadioGroup_metodo->set_item_index(0);
  s.platform.answer(s.path("noticia01.txt"));
  f.RecuperaTextos1Click();
  ui(f).Edit_limiar->setText(QStringLiteral("0,04"));
  f.Button_limiarClick();
  quiet(s);
  require(ui(f).ListBox1->count() > 0, "nenhum documento parecido");
  return s.shot(&f);
}

QPixmap text_viewer(Session& s) {
  tools(s);
  s.w().show_text_file(s.path("pagina1.htm.txt"));
  quiet(s);
  require(s.w().result_recsim->isVisible(), "o visualizador não abriu");
  return s.shot(s.w().result_recsim);
}

QPixmap summaries(Session& s) {
  tools(s).bt_resumoClick();
  Tform_resumo& f = *s.w().form_resumo;
  s.platform.answer(s.path("noticias.ldc"));
  f.Abrelistadedocs1Click();
  ui(f).Memo_palavras->setPlainText(QStringLiteral("desmatamento"));
  ui(f).SpinEdit_frases->setValue(1);
  f.Extrairresumos1Click();
  quiet(s);
  require(!f.resumos().empty(), "nenhum resumo extraído");
  return s.shot(&f);
}

QPixmap contextual_summaries(Session& s) {
  tools(s).bt_resumo_contextualClick();
  Tres_contextual& f = *s.w().res_contextual;
  s.platform.answer(s.path("noticias.ldc"));
  f.Button_docsClick();
  s.platform.answer(s.path("noticias.lct"));
  f.Button_contextosClick();
  ui(f).Memo_contextos->setPlainText(QStringLiteral("saude"));
  ui(f).Memo_not->setPlainText(QStringLiteral("politica"));
  ui(f).Edit_frases->setText(QStringLiteral("0"));
  f.Button_executaClick();
  quiet(s);
  require(!f.resumos().empty(), "nenhum resumo contextual");
  return s.shot(&f);
}

QPixmap automatic_summaries(Session& s) {
  tools(s).bt_resumo_automaticoClick();
  return s.shot(s.w().res_auto);
}

// The sample's documents grouped by word with threshold 0,04.
Tform_cluster& clusters(Session& s) {
  tools(s).bt_clusterizacaoClick();
  Tform_cluster& f = *s.w().form_cluster;
  s.platform.answer(s.path("noticias.ldc"));
  f.Abrelistadedocs1Click();
  ui(f).RadioGroup_metodo->set_item_index(0);
  f.Criamatriz1Click();
  ui(f).RadioGroup_agrupamento->set_item_index(1);
  ui(f).Edit_limiar->setText(QStringLiteral("0,04"));
  f.Agrupadocumentos1Click();
  quiet(s);
  require(ui(f).ListBox_clusters->count() > 0, "nenhum cluster formado");
  return f;
}

QPixmap clustering(Session& s) {
  Tform_cluster& f = clusters(s);
  ui(f).ListBox_clusters->setCurrentRow(0);
  f.Mostradocsdeumcluster1Click();
  quiet(s);
  return s.shot(&f);
}

QPixmap heatmap(Session& s) {
  Tform_cluster& f = clusters(s);
  f.Mostramapa1Click();
  f.hide();
  quiet(s);
  return s.shot(s.w().mapa_similaridade);
}

QPixmap matrix(Session& s) {
  tools(s).bt_clusterizacaoClick();
  Tform_cluster& f = *s.w().form_cluster;
  s.platform.answer(s.path("noticias.ldc"));
  f.Abrelistadedocs1Click();
  ui(f).RadioGroup_metodo->set_item_index(1);
  f.Criamatriz1Click();
  f.Mostramatriz1Click();
  f.hide();
  quiet(s);
  require(!s.w().form_show_matriz->linhas().empty(), "a matriz ficou vazia");
  return s.shot(s.w().form_show_matriz);
}

QPixmap similarity(Session& s) {
  tools(s).bt_similaridadeClick();
  Tform_aval1& f = *s.w().form_aval1;
  ui(f).RadioGroup1->set_item_index(0);
  s.platform.answer(s.path("noticia01.lpl"));
  f.Button1Click();
  s.platform.answer(s.path("noticia02.lpl"));
  f.Button2Click();
  f.Button3Click();
  quiet(s);
  require(!ui(f).Edit_grau->text().isEmpty(), "a similaridade não foi avaliada");
  return s.shot(&f);
}

QPixmap measures(Session& s) {
  tools(s).bt_precision_recallClick();
  // The ideal list (five sports news) and a result of three, two right.
  auto list = [](std::initializer_list<const char*> names) {
    std::vector<records::DocRecord> out;
    for (const char* n : names) out.push_back({Ansi(n), 0});
    return out;
  };
  records::write_all(s.file("ideal.ldc"),
                     list({"noticia16.txt", "noticia17.txt", "noticia18.txt", "noticia19.txt", "noticia20.txt"}));
  records::write_all(s.file("resultado.ldc"), list({"noticia16.txt", "noticia17.txt", "noticia05.txt"}));
  Tform_medidas& f = *s.w().form_medidas;
  s.platform.answer(s.path("ideal.ldc"));
  f.Button_idealClick();
  s.platform.answer(s.path("resultado.ldc"));
  f.Button_resultadosClick();
  f.Button_calculaClick();
  quiet(s);
  require(!ui(f).Edit_precision->text().isEmpty(), "precision e recall não foram calculados");
  return s.shot(&f);
}

const Picture kPictures[] = {
    {"gerencia_docs", launcher},
    {"textos", word_list},
    {"elimina_palavras", elimination},
    {"separador", splitter},
    {"html_txt", html_pages},
    {"lista_docs", doc_lists},
    {"criar_contextos", contexts},
    {"matriz", classification},
    {"consulta", query},
    {"classifica2", highest},
    {"classifica3", by_concepts},
    {"data_mining", data_mining},
    {"compara_regras", rule_comparison},
    {"associacao", association},
    {"rede_termos", term_network},
    {"centroide", centroid_window},
    {"grafico_centroide", centroid_chart},
    {"centro_contextual", percentages},
    {"recuperacao_booleana", boolean_search},
    {"recup_similar", similar},
    {"result_recuperasim", text_viewer},
    {"resumo", summaries},
    {"resumo_contextual", contextual_summaries},
    {"resumo_automatico", automatic_summaries},
    {"clusterizacao", clustering},
    {"mapa_similaridade", heatmap},
    {"apresenta_matriz", matrix},
    {"aval1", similarity},
    {"medidas", measures},
};

}  // namespace

std::span<const Picture> tool_pictures() { return kPictures; }

}  // namespace lumeral::gui::pictures
