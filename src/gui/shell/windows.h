// The registry of the desktop program's windows. It creates every window
// once, hidden, in the program's fixed order (the main window first), owns
// them for the life of the program, and is how windows reach each other:
// a window holds `Windows&` and reads, for instance,
// `windows().Mdi_Frm->Label3->text()` or drives `windows().Form1`. A
// window reaches a window of another subsystem folder only through the
// calls of the block "between subsystems" below (scripts/check-layers).
//
// Who owns a window: the registry owns every window that outlives the
// command that opened it, and a window opened for one operation is owned by
// that operation's scope. So: the start-up windows (`owned_`), the windows
// created on demand (the text listing, the report, the network and chart
// windows: a `unique_ptr` each here, the public field a plain pointer to
// it) and the two that close for good (Form3 and Mdi_Frm2, which delete
// themselves on close: the QPointer becomes null, the destructor deletes
// what is left) belong to the registry; the progress window belongs to the
// ProgressScope of its operation. A panel placed inside a window (the
// ontology editor, the mining panel) and a dialog it opens (the about box)
// are that window's Qt children. No other window has a Qt parent, and a
// window owns no other window, except the mining panel, which still owns
// its frequency chart.
//
// Adding a window of a later part: forward-declare its class below, give it
// a field named as the window is named, and create it in create_all() at
// its place in the order (the comments there mark every place). Windows
// created on demand have a function that creates them when first needed.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/base/regional.h"
#include "core/base/language.h"
#include "core/charts/wordcloud.h"
#include "core/shell/project.h"
#include "gui/base/form.h"
#include "gui/shell/wizard_state.h"

namespace lumeral::association {
struct AssociationRow;
}  // namespace lumeral::association

namespace lumeral::comparison {
struct ResultRow;
struct PercentageResult;
}  // namespace lumeral::comparison

// ---- VARWIN: the variables window and the spreadsheet import dialog
class QLabel;
namespace lumeral::gui {
class Tform_variaveis;
class Tform_importa_planilha;
}  // namespace lumeral::gui

namespace lumeral::gui {

class Platform;
class TMdi_Frm;
class Tform_stop;
class Tform_cont;
class Tform_matriz;
class Tform_consulta;
class TForm1;
class Tform_ger_doc;
class Tform_separador;
class Tform_ldoc;
class Tform_centro;
class Tform_elimina;
class Tform_rel;
class Tform_classifica3;
class Tform_dm;
class Tform_classifica2;
class Tcentro_percentual;
class Tform_regras;
class Tresult_recsim;
class Tform_resumo;
class Tform_recbool;
class Tform_cluster;
class Tform_show_matriz;
class Tform_aval1;
class Tres_contextual;
class Tform_medidas;
class Tres_auto;
class Tform_recsim;
class TForm2;
class TForm3;
class TMdi_Frm2;
class TForm_textos;
class TFrm_process;
class TFrm_print;
class Tform_rede_conceitos;
class Tform_rede_termos;
class Tgrafico_centroide;
class Tmapa_similaridade;
class TMinera;
class Tgrafico_frequencias;
struct FonteFrequencias;
class Tnuvem_palavras;  // CLOUD
// ---- STATWIN: the statistics by variable
class Tform_crosstab;
class Tform_especificidades;
class Tform_ac;
class Tgrafico_crosstab;
class Tgrafico_especificidades;
// ---- VIEWWIN: the concordance and the dendrogram windows
class Tform_concordancia;
class Tdendrograma;
class TGuia;
class HelpKeys;

// What tool windows may read of the mining wizard: its state at the moment
// of the call, with what its window and controls tell beside it.
struct WizardState : MiningWizardState {
  bool visible = false;  // the main window shows the wizard
  // An ontology kind is set: windows that take the project's own lists
  // without asking count the project as open then, whether the wizard is
  // shown or not.
  bool open = false;
  // "Agrupar variantes das palavras (radicais)": the language whose stems
  // the word lists hold; none when the option is off.
  std::optional<Language> stem;
};

class Windows : public WindowServices {
 public:
  Windows(Platform& platform, Regional regional);
  ~Windows();
  Windows(const Windows&) = delete;
  Windows& operator=(const Windows&) = delete;

  // Creates the windows of the start-up order, each once, all hidden.
  void create_all();

  Platform& platform() const override { return platform_; }
  const Regional& regional() const override { return regional_; }

  // ---- created by create_all(), in this order
  TMdi_Frm* Mdi_Frm = nullptr;
  Tform_stop* form_stop = nullptr;
  Tform_cont* form_cont = nullptr;
  Tform_matriz* form_matriz = nullptr;
  Tform_consulta* form_consulta = nullptr;
  TForm1* Form1 = nullptr;
  Tform_ger_doc* form_ger_doc = nullptr;
  Tform_separador* form_separador = nullptr;
  Tform_ldoc* form_ldoc = nullptr;
  Tform_centro* form_centro = nullptr;
  Tform_elimina* form_elimina = nullptr;
  Tform_rel* form_rel = nullptr;
  Tform_classifica3* form_classifica3 = nullptr;
  Tform_dm* form_dm = nullptr;
  Tform_classifica2* form_classifica2 = nullptr;
  Tcentro_percentual* centro_percentual = nullptr;
  Tform_regras* form_regras = nullptr;
  Tresult_recsim* result_recsim = nullptr;
  Tform_resumo* form_resumo = nullptr;
  // The comparison wizard's summaries: a second Tform_resumo in its
  // comparison mode (its list from Mdi_Frm2's project, plain text).
  Tform_resumo* form_resumo2 = nullptr;
  Tform_recbool* form_recbool = nullptr;
  Tform_cluster* form_cluster = nullptr;
  Tform_show_matriz* form_show_matriz = nullptr;
  Tform_aval1* form_aval1 = nullptr;
  Tres_contextual* res_contextual = nullptr;
  Tform_medidas* form_medidas = nullptr;
  Tres_auto* res_auto = nullptr;
  Tform_recsim* form_recsim = nullptr;
  TForm2* Form2 = nullptr;

  // ---- created on demand
  // The tools window: created when first needed; closing it releases it
  // (the pointer becomes null) and closes the main window.
  QPointer<TForm3> Form3;
  TForm3* create_Form3();
  // The comparison wizard: created anew by the entry menu (a previous one,
  // left hidden by "Voltar ao início", is released first); closing it
  // releases it (the pointer becomes null).
  QPointer<TMdi_Frm2> Mdi_Frm2;
  TMdi_Frm2* create_Mdi_Frm2();
  // The text-listing window of the import: created anew by each wizard
  // step that asks for it; it stays allocated (hidden) until the next one,
  // because the word-list builder reads its text-file list.
  TForm_textos* Form_textos = nullptr;
  TForm_textos* create_Form_textos();
  // The progress window of the running long operation, null when none:
  // created anew for each operation and released at its end by
  // ProgressScope (barra_progresso.h), which sets this field.
  TFrm_process* Frm_process = nullptr;
  // The report window of the mining panel: created when first needed,
  // then kept (each "Impressão de Resultados" refills it).
  TFrm_print* Frm_print = nullptr;
  TFrm_print* create_Frm_print();
  // The two network windows: created when first opened, then kept. The
  // concept network draws form_dm's rules (mining panel and form_dm); the
  // co-occurrence network draws form_rel's pairs.
  Tform_rede_conceitos* form_rede_conceitos = nullptr;
  Tform_rede_conceitos* create_form_rede_conceitos();
  Tform_rede_termos* form_rede_termos = nullptr;
  Tform_rede_termos* create_form_rede_termos();

  // The mining wizard's state, read through one narrow door so that tool
  // windows do not depend on the main window's class.
  WizardState wizard_state() const;
  // The open wizard project when the wizard is visible, else empty: what a
  // tool window passes to a core function that resolves names in the
  // project folder while a wizard runs.
  std::optional<shell::Project> wizard_project() const;
  // The wizard's project while it is open (see WizardState::open), else
  // empty.
  std::optional<shell::Project> wizard_open_project() const;
  // The comparison wizard's project while that wizard is visible, else
  // empty (what form_resumo2 opens its list from).
  std::optional<shell::Project> comparison_project() const;
  // The comparison wizard's state; empty when no comparison wizard exists.
  std::optional<ComparisonWizardState> comparison_state() const;
  // The one thing a tool window writes into the wizard: the stopword
  // manager hands back the list it showed ("Voltar ao Wizard").
  void set_wizard_stopword_list(const QString& path);

  // ---- Calls between subsystems. A window includes no window header of
  // another subsystem folder: what it needs of such a window it asks here,
  // and windows.cpp, which sees every window, does it.

  // The text viewer (result_recsim) shows the lines of `arquivo`, or says
  // that it does not exist: a double click on a document in any window.
  void show_text_file(const QString& arquivo);
  // The summaries window (form_resumo) extracts the sentences containing
  // `word`, loading `list` when it has none (Tform_resumo::resume_palavra).
  void resume_palavra(const Ansi& word, const QString& list);
  // The chart of form_centro's lists: created when first opened, then
  // kept. Opening redraws, shows and raises it.
  Tgrafico_centroide* grafico_centroide = nullptr;
  void open_grafico_centroide();
  // The heatmap of form_cluster's matrix, the same way; refreshing redraws
  // it when it is shown.
  Tmapa_similaridade* mapa_similaridade = nullptr;
  void open_mapa_similaridade();
  void refresh_mapa_similaridade();
  // What the mining panel's frequency chart reads of the panel; the chart
  // of the panel's table, made when first opened, the same way.
  FonteFrequencias fonte_frequencias(TMinera& minera);
  Tgrafico_frequencias* grafico_frequencias = nullptr;
  void open_grafico_frequencias(TMinera& minera);
  // The ontology editor's views of the collection: the centroid window by
  // word on the project's document list, its choices locked; the summaries
  // window on that list, which stays locked there.
  void ver_centroide_da_colecao();
  void ver_resumos_da_colecao();
  // The mining step's results, each shown by the tool window that shows
  // that part of them, as if it had run it: the classification
  // (form_matriz), the centroid (form_centro), the percentages
  // (centro_percentual) and the term association (form_rel).
  void mostra_classificacao(const std::filesystem::path& doc_list, const std::filesystem::path& context_list);
  void mostra_centroide(const std::filesystem::path& folder, const std::vector<Ansi>& documents,
                        const std::vector<comparison::ResultRow>& centroid);
  void mostra_porcentagens(const std::filesystem::path& doc_list, const std::filesystem::path& centroid,
                           const comparison::PercentageResult& result);
  void mostra_associacoes(const std::filesystem::path& doc_list, const std::filesystem::path& stopwords,
                          const std::vector<association::AssociationRow>& pairs);

  // ---- end of the calls between subsystems

  // Object names of the windows in the order they were created.
  QStringList creation_order() const;

  // What ends the program; main() sets it to quit the event loop. Called
  // when the main window closes.
  std::function<void()> on_quit;

  // ---- VARWIN: the variables window and the spreadsheet import dialog,
  // each made when first opened, then kept.
  // The variables window, shown with the open wizard project's list when
  // it shows none yet.
  Tform_variaveis* form_variaveis = nullptr;
  Tform_variaveis* create_form_variaveis();
  void open_form_variaveis();
  // The import dialog, shown over `parent`; `depois` receives the folder an
  // import made; a wizard passes `progresso_na_janela` (the progress window,
  // its status mirrored to `espelho`).
  Tform_importa_planilha* form_importa_planilha = nullptr;
  void open_importa_planilha(QWidget* parent, std::function<void(const std::filesystem::path&)> depois,
                             bool progresso_na_janela, QLabel* espelho = nullptr);

 private:
  std::unique_ptr<Tform_variaveis> variaveis_;
  std::unique_ptr<Tform_importa_planilha> importa_planilha_;
  // ---- end of VARWIN

 private:
  template <class W, class... Args>
  void make(W*& field, const char* name, Args&&... args);

  Platform& platform_;
  Regional regional_;
  std::vector<std::unique_ptr<QWidget>> owned_;  // in creation order
  std::unique_ptr<TForm_textos> textos_;
  std::unique_ptr<TFrm_print> print_;
  std::unique_ptr<Tform_rede_conceitos> rede_conceitos_;
  std::unique_ptr<Tgrafico_frequencias> grafico_frequencias_;
  std::unique_ptr<Tform_rede_termos> rede_termos_;
  std::unique_ptr<Tgrafico_centroide> grafico_centroide_;
  std::unique_ptr<Tmapa_similaridade> mapa_similaridade_;
  QStringList order_;

  // ---- CLOUD: the word cloud window, a call between subsystems
 public:
  // What a window hands the word cloud: the title's name for its source and
  // the words, asked again at every drawing.
  struct FonteNuvem {
    QString titulo;
    std::function<charts::CloudSource()> palavras;
  };
  // The word cloud of a window's words ("Nuvem de palavras" of the
  // word-list, centroid and clustering windows): made when first opened,
  // then kept; each opening gives it its opener's source, redraws, shows
  // and raises it.
  Tnuvem_palavras* nuvem_palavras = nullptr;
  void open_nuvem_palavras(FonteNuvem fonte);

 private:
  std::unique_ptr<Tnuvem_palavras> nuvem_palavras_;
  // ---- STATWIN: the statistics by variable. The three tool windows are
  // created when first opened from the tools window, then kept; the two
  // pictures are made on first use by their window's "Gráfico", which
  // redraws, shows and raises them.
 public:
  Tform_crosstab* form_crosstab = nullptr;
  Tform_crosstab* create_form_crosstab();
  Tform_especificidades* form_especificidades = nullptr;
  Tform_especificidades* create_form_especificidades();
  Tform_ac* form_ac = nullptr;
  Tform_ac* create_form_ac();
  Tgrafico_crosstab* grafico_crosstab = nullptr;
  void open_grafico_crosstab();
  Tgrafico_especificidades* grafico_especificidades = nullptr;
  void open_grafico_especificidades();

 private:
  std::unique_ptr<Tform_crosstab> crosstab_;
  std::unique_ptr<Tform_especificidades> especificidades_;
  std::unique_ptr<Tform_ac> ac_;
  // Declared after the windows they draw: released before them.
  std::unique_ptr<Tgrafico_crosstab> grafico_crosstab_;
  std::unique_ptr<Tgrafico_especificidades> grafico_especificidades_;
  // ---- VIEWWIN: the concordance and the dendrogram windows, made when
  // first opened, then kept.
 public:
  Tform_concordancia* form_concordancia = nullptr;
  Tform_concordancia* create_form_concordancia();
  // The concordance shown with `list` loaded (when not empty) and `words`
  // in its words field (when any): the summaries, retrieval and list
  // windows open it with theirs.
  void open_concordancia(const std::filesystem::path& list, const std::vector<Ansi>& words);
  // The text viewer on `arquivo` at line `line` (from 1), the `length`
  // characters at byte `offset` of the text selected.
  void show_text_file_at(const QString& arquivo, std::uint64_t line, std::uint64_t offset, std::size_t length);
  // The tree of form_cluster's list; it hands its cuts back to form_cluster.
  Tdendrograma* dendrograma = nullptr;
  Tdendrograma* create_dendrograma();

 private:
  std::unique_ptr<Tform_concordancia> concordancia_;
  std::unique_ptr<Tdendrograma> dendrograma_;
  // ---- HELP: the user guide window, F1 and the "Ajuda" menus
 public:
  // The guide viewer: created when first opened, then kept.
  TGuia* guia = nullptr;
  TGuia* create_guia();
  // Shows the guide at `page` ("janelas/matriz.md"; empty: the index).
  void open_guia(const QString& page = QString());

 private:
  // Installs the application-wide F1 and "Ajuda" menu filter (help_pages.h).
  void install_help();
  std::unique_ptr<HelpKeys> help_keys_;
  std::unique_ptr<TGuia> guia_;
};

}  // namespace lumeral::gui
