#include "gui/shell/windows.h"

#include "gui/base/platform.h"
#include "gui/association/associacao.h"
#include "gui/association/rede_termos.h"
#include "gui/base/resources.h"
#include "gui/charts/grafico_centroide.h"
#include "gui/charts/grafico_frequencias.h"
#include "gui/charts/mapa_similaridade.h"
#include "gui/charts/nuvem_palavras.h"
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
#include "gui/shell/mdi_form2.h"
#include "gui/comparison/compara_regras.h"
#include "gui/contexts/criar_contextos.h"
#include "gui/mining/data_mining.h"
#include "gui/shell/minera.h"
#include "gui/mining/rede_conceitos.h"
#include "gui/mining/unit_print.h"
#include "gui/preparation/elimina_palavras.h"
#include "gui/preparation/gerencia_docs.h"
#include "gui/preparation/html_txt.h"
#include "gui/preparation/lista_docs.h"
#include "gui/preparation/separador.h"
#include "gui/preparation/stop_words.h"
#include "gui/preparation/textos.h"
#include "gui/preparation/unit_textos.h"
#include "gui/retrieval/recup_similar.h"
#include "gui/retrieval/recuperacao_booleana.h"
#include "gui/retrieval/result_recuperasim.h"
#include "gui/shell/barra_progresso.h"
#include <QApplication>

#include "gui/shell/guia.h"
#include "gui/shell/help_pages.h"
#include "gui/shell/inicio.h"
#include "gui/shell/mdi_form.h"
#include "gui/summaries/resumo.h"
#include "gui/summaries/resumo_automatico.h"
#include "gui/summaries/resumo_contextual.h"
// ---- VARWIN
#include "gui/preparation/importa_planilha.h"
#include "gui/preparation/variaveis.h"
// ---- STATWIN: the statistics by variable
#include "gui/charts/grafico_conceitos_variavel.h"
#include "gui/charts/grafico_especificidades.h"
#include "gui/classification/analise_correspondencia.h"
#include "gui/classification/conceitos_variavel.h"
#include "gui/classification/especificidades.h"
// ---- VIEWWIN
#include "gui/clustering/dendrograma.h"
#include "gui/retrieval/concordancia.h"

namespace lumeral::gui {

Windows::Windows(Platform& platform, Regional regional) : platform_(platform), regional_(std::move(regional)) {
  init_resources();
  install_help();
}

Windows::~Windows() {
  // The charts first: they follow the lists of the windows they draw.
  grafico_centroide_.reset();
  grafico_frequencias_.reset();
  mapa_similaridade_.reset();
  textos_.reset();
  print_.reset();
  rede_conceitos_.reset();
  rede_termos_.reset();
  delete Form3.data();
  delete Mdi_Frm2.data();
  // Release in the reverse order of creation.
  while (!owned_.empty()) owned_.pop_back();
}

template <class W, class... Args>
void Windows::make(W*& field, const char* name, Args&&... args) {
  auto window = std::make_unique<W>(*this, std::forward<Args>(args)...);
  window->setObjectName(QString::fromLatin1(name));
  window->hide();
  field = window.get();
  owned_.push_back(std::move(window));
  order_ << QString::fromLatin1(name);
}

void Windows::create_all() {
  make(Mdi_Frm, "Mdi_Frm");
  make(form_stop, "form_stop");
  make(form_cont, "form_cont");
  make(form_matriz, "form_matriz");
  make(form_consulta, "form_consulta");
  make(Form1, "Form1");
  make(form_resumo, "form_resumo");
  make(form_resumo2, "form_resumo2", ResumoModo::Comparacao);
  make(form_ger_doc, "form_ger_doc");
  make(form_separador, "form_separador");
  make(form_ldoc, "form_ldoc");
  make(form_centro, "form_centro");
  make(form_elimina, "form_elimina");
  make(form_rel, "form_rel");
  make(form_recbool, "form_recbool");
  make(form_cluster, "form_cluster");
  make(form_show_matriz, "form_show_matriz");
  make(form_aval1, "form_aval1");
  make(res_contextual, "res_contextual");
  make(form_classifica3, "form_classifica3");
  make(form_dm, "form_dm");
  make(form_classifica2, "form_classifica2");
  make(form_medidas, "form_medidas");
  make(centro_percentual, "centro_percentual");
  make(form_regras, "form_regras");
  make(res_auto, "res_auto");
  make(form_recsim, "form_recsim");
  make(result_recsim, "result_recsim");
  make(Form2, "Form2");
  // Form12
}

TForm3* Windows::create_Form3() {
  if (!Form3) Form3 = new TForm3(*this);
  return Form3.data();
}

TMdi_Frm2* Windows::create_Mdi_Frm2() {
  delete Mdi_Frm2.data();
  Mdi_Frm2 = new TMdi_Frm2(*this);
  Mdi_Frm2->setObjectName(QStringLiteral("Mdi_Frm2"));
  return Mdi_Frm2.data();
}

TForm_textos* Windows::create_Form_textos() {
  textos_.reset();
  textos_ = std::make_unique<TForm_textos>(*this);
  Form_textos = textos_.get();
  return Form_textos;
}

TFrm_print* Windows::create_Frm_print() {
  if (!print_) {
    print_ = std::make_unique<TFrm_print>(*this);
    Frm_print = print_.get();
  }
  return Frm_print;
}

QStringList Windows::creation_order() const { return order_; }

WizardState Windows::wizard_state() const {
  WizardState state;
  if (!Mdi_Frm) return state;
  static_cast<MiningWizardState&>(state) = Mdi_Frm->estado();
  state.visible = Mdi_Frm->isVisible();
  state.open = state.ontology != shell::OntologyKind::None;
  state.stem = Mdi_Frm->radicais();
  return state;
}

std::optional<shell::Project> Windows::wizard_project() const {
  WizardState state = wizard_state();
  if (!state.visible) return std::nullopt;
  return state.project;
}

std::optional<shell::Project> Windows::wizard_open_project() const {
  WizardState state = wizard_state();
  if (!state.open) return std::nullopt;
  return state.project;
}

std::optional<shell::Project> Windows::comparison_project() const {
  if (!Mdi_Frm2 || !Mdi_Frm2->isVisible()) return std::nullopt;
  return Mdi_Frm2->projeto();
}

std::optional<ComparisonWizardState> Windows::comparison_state() const {
  if (!Mdi_Frm2) return std::nullopt;
  return Mdi_Frm2->estado();
}

void Windows::set_wizard_stopword_list(const QString& path) {
  if (Mdi_Frm) Mdi_Frm->set_lista_stopwords(path);
}

// ---- Calls between subsystems

void Windows::show_text_file(const QString& arquivo) { result_recsim->mostra_arquivo(arquivo); }

void Windows::resume_palavra(const Ansi& word, const QString& list) { form_resumo->resume_palavra(word, list); }

void Windows::open_grafico_frequencias(TMinera& minera) {
  if (!grafico_frequencias_) {
    grafico_frequencias_ = std::make_unique<Tgrafico_frequencias>(*this, minera);
    grafico_frequencias = grafico_frequencias_.get();
  }
  grafico_frequencias->atualiza();
  grafico_frequencias->show();
  grafico_frequencias->raise();
}

void Windows::ver_centroide_da_colecao() {
  form_centro->abre_da_colecao();
}

void Windows::ver_resumos_da_colecao() {
  Tform_resumo& resumo = *form_resumo;
  resumo.show();
  resumo.raise();
  resumo.Abrelistadedocs1Click();
  resumo.habilita_lista(false);
}

void Windows::mostra_classificacao(const std::filesystem::path& doc_list, const std::filesystem::path& context_list) {
  form_matriz->mostra_classificacao(doc_list, context_list);
}

void Windows::mostra_centroide(const std::filesystem::path& folder, const std::vector<Ansi>& documents,
                               const std::vector<comparison::ResultRow>& centroid) {
  form_centro->mostra_centroide(folder, documents, centroid);
}

void Windows::mostra_porcentagens(const std::filesystem::path& doc_list, const std::filesystem::path& centroid,
                                  const comparison::PercentageResult& result) {
  centro_percentual->mostra_porcentagens(doc_list, centroid, result);
}

void Windows::mostra_associacoes(const std::filesystem::path& doc_list, const std::filesystem::path& stopwords,
                                 const std::vector<association::AssociationRow>& pairs) {
  form_rel->mostra_associacoes(doc_list, stopwords, pairs);
}

void Windows::open_grafico_centroide() {
  if (!grafico_centroide_) {
    Tform_centro* centro = form_centro;
    const Tform_centro::ListasDoGrafico listas = centro->listas_do_grafico();
    grafico_centroide_ = std::make_unique<Tgrafico_centroide>(
        *this, Tgrafico_centroide::Fonte{listas.centro, listas.diferencas, listas.documentos,
                                         [centro] { centro->Mostradiferencasdodocselecionado1Click(); },
                                         [centro]() -> const auto& { return centro->centroide(); },
                                         [centro]() -> const auto& { return centro->diferencas(); }});
    grafico_centroide = grafico_centroide_.get();
  }
  grafico_centroide->atualiza();
  grafico_centroide->show();
  grafico_centroide->raise();
}

void Windows::open_mapa_similaridade() {
  if (!mapa_similaridade_) {
    Tform_cluster* cluster = form_cluster;
    mapa_similaridade_ = std::make_unique<Tmapa_similaridade>(*this, [cluster] { return cluster->modelo_mapa(); });
    mapa_similaridade = mapa_similaridade_.get();
  }
  mapa_similaridade->atualiza();
  mapa_similaridade->show();
  mapa_similaridade->raise();
}

void Windows::refresh_mapa_similaridade() {
  if (mapa_similaridade && mapa_similaridade->isVisible()) mapa_similaridade->atualiza();
}

FonteFrequencias Windows::fonte_frequencias(TMinera& minera) {
  return {[&minera] { return minera.linhas_frequencia(); }, minera.modelo_frequencias()};
}

// ---- end of the calls between subsystems

Tform_rede_conceitos* Windows::create_form_rede_conceitos() {
  if (!rede_conceitos_) {
    rede_conceitos_ = std::make_unique<Tform_rede_conceitos>(*this);
    rede_conceitos_->setObjectName(QStringLiteral("form_rede_conceitos"));
    form_rede_conceitos = rede_conceitos_.get();
  }
  return form_rede_conceitos;
}

Tform_rede_termos* Windows::create_form_rede_termos() {
  if (!rede_termos_) {
    rede_termos_ = std::make_unique<Tform_rede_termos>(*this);
    rede_termos_->setObjectName(QStringLiteral("form_rede_termos"));
    form_rede_termos = rede_termos_.get();
  }
  return form_rede_termos;
}

// ---- CLOUD: the word cloud window

void Windows::open_nuvem_palavras(FonteNuvem fonte) {
  if (!nuvem_palavras_) {
    nuvem_palavras_ = std::make_unique<Tnuvem_palavras>(*this, fonte);
    nuvem_palavras_->setObjectName(QStringLiteral("nuvem_palavras"));
    nuvem_palavras = nuvem_palavras_.get();
  }
  nuvem_palavras->abre(std::move(fonte));
  nuvem_palavras->show();
  nuvem_palavras->raise();
}

// ---- VARWIN: the variables window and the spreadsheet import dialog

Tform_variaveis* Windows::create_form_variaveis() {
  if (!variaveis_) {
    variaveis_ = std::make_unique<Tform_variaveis>(*this);
    variaveis_->setObjectName(QStringLiteral("form_variaveis"));
    form_variaveis = variaveis_.get();
  }
  return form_variaveis;
}

void Windows::open_form_variaveis() {
  Tform_variaveis* janela = create_form_variaveis();
  janela->abre_do_projeto();
  janela->show();
  janela->raise();
  janela->activateWindow();
}

void Windows::open_importa_planilha(QWidget* parent, std::function<void(const std::filesystem::path&)> depois,
                                    bool progresso_na_janela, QLabel* espelho) {
  if (!importa_planilha_) {
    importa_planilha_ = std::make_unique<Tform_importa_planilha>(*this);
    importa_planilha_->setObjectName(QStringLiteral("form_importa_planilha"));
    form_importa_planilha = importa_planilha_.get();
  }
  form_importa_planilha->prepara(std::move(depois), progresso_na_janela, espelho);
  // Modal over its opener, without blocking the caller.
  form_importa_planilha->setWindowModality(parent ? Qt::ApplicationModal : Qt::NonModal);
  form_importa_planilha->show();
  form_importa_planilha->raise();
  form_importa_planilha->activateWindow();
}

// ---- STATWIN: the statistics by variable

Tform_crosstab* Windows::create_form_crosstab() {
  if (!crosstab_) {
    crosstab_ = std::make_unique<Tform_crosstab>(*this);
    crosstab_->setObjectName(QStringLiteral("form_crosstab"));
    form_crosstab = crosstab_.get();
  }
  return form_crosstab;
}

Tform_especificidades* Windows::create_form_especificidades() {
  if (!especificidades_) {
    especificidades_ = std::make_unique<Tform_especificidades>(*this);
    especificidades_->setObjectName(QStringLiteral("form_especificidades"));
    form_especificidades = especificidades_.get();
  }
  return form_especificidades;
}

Tform_ac* Windows::create_form_ac() {
  if (!ac_) {
    ac_ = std::make_unique<Tform_ac>(*this);
    ac_->setObjectName(QStringLiteral("form_ac"));
    form_ac = ac_.get();
  }
  return form_ac;
}

void Windows::open_grafico_crosstab() {
  if (!grafico_crosstab_) {
    Tform_crosstab* fonte = create_form_crosstab();
    grafico_crosstab_ = std::make_unique<Tgrafico_crosstab>(*this, [fonte] { return fonte->figura(); });
    grafico_crosstab_->setObjectName(QStringLiteral("grafico_crosstab"));
    grafico_crosstab = grafico_crosstab_.get();
  }
  grafico_crosstab->atualiza();
  grafico_crosstab->show();
  grafico_crosstab->raise();
}

void Windows::open_grafico_especificidades() {
  if (!grafico_especificidades_) {
    Tform_especificidades* fonte = create_form_especificidades();
    grafico_especificidades_ =
        std::make_unique<Tgrafico_especificidades>(*this, [fonte] { return fonte->figura(); });
    grafico_especificidades_->setObjectName(QStringLiteral("grafico_especificidades"));
    grafico_especificidades = grafico_especificidades_.get();
  }
  grafico_especificidades->atualiza();
  grafico_especificidades->show();
  grafico_especificidades->raise();
}

// ---- VIEWWIN: the concordance and the dendrogram windows

Tform_concordancia* Windows::create_form_concordancia() {
  if (!concordancia_) {
    concordancia_ = std::make_unique<Tform_concordancia>(*this);
    concordancia_->setObjectName(QStringLiteral("form_concordancia"));
    form_concordancia = concordancia_.get();
  }
  return form_concordancia;
}

void Windows::open_concordancia(const std::filesystem::path& list, const std::vector<Ansi>& words) {
  create_form_concordancia()->abre(list, words);
}

void Windows::show_text_file_at(const QString& arquivo, std::uint64_t line, std::uint64_t offset,
                                std::size_t length) {
  result_recsim->mostra_arquivo_na_linha(arquivo, line, offset, length);
}

Tdendrograma* Windows::create_dendrograma() {
  if (!dendrograma_) {
    dendrograma_ = std::make_unique<Tdendrograma>(*this);
    dendrograma_->setObjectName(QStringLiteral("dendrograma"));
    dendrograma = dendrograma_.get();
  }
  return dendrograma;
}

// ---- HELP: the user guide window, F1 and the "Ajuda" menus

void Windows::install_help() {
  help_keys_ = std::make_unique<HelpKeys>(*this);
  qApp->installEventFilter(help_keys_.get());
}

TGuia* Windows::create_guia() {
  if (!guia_) {
    const QStringList candidates = guide_root_candidates();
    guia_ = std::make_unique<TGuia>(*this, find_guide_root(candidates), candidates);
    guia_->setObjectName(QStringLiteral("guia"));
    guia = guia_.get();
  }
  return guia;
}

void Windows::open_guia(const QString& page) {
  TGuia* viewer = create_guia();
  viewer->abre(page);
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

}  // namespace lumeral::gui
