#include "gui/shell/help_pages.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "gui/shell/sobre.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

const std::vector<HelpPage>& help_pages() {
  static const std::vector<HelpPage> pages = {
      // main window, wizards and the shell
      {"TMdi_Frm", "janelas/mdi_form.md", true},
      {"TOntologia", "janelas/ontologia.md", false},
      {"TMinera", "janelas/minera.md", false},
      {"TForm_textos", "janelas/unit_textos.md", true},
      {"TFrm_print", "janelas/unit_print.md", true},
      {"TMdi_Frm2", "janelas/mdi_form2.md", true},
      {"TForm3", "janelas/inicio.md", true},
      {"TFrm_process", "janelas/barra_progresso.md", false},
      {"TSobre", "janelas/sobre.md", false},
      {"TSplashScreen", "janelas/unit_splashscreen.md", false},
      {"TGuia", "README.md", false},
      // preparation
      {"Tform_ger_doc", "janelas/gerencia_docs.md", true},
      {"TForm1", "janelas/textos.md", true},
      {"Tform_stop", "janelas/stop_words.md", true},
      {"Tform_elimina", "janelas/elimina_palavras.md", true},
      {"Tform_separador", "janelas/separador.md", true},
      {"TForm2", "janelas/html_txt.md", true},
      {"Tform_ldoc", "janelas/lista_docs.md", true},
      // contexts and classification
      {"Tform_cont", "janelas/criar_contextos.md", true},
      {"Tform_matriz", "janelas/matriz.md", true},
      {"Tform_classifica2", "janelas/classifica2.md", true},
      {"Tform_classifica3", "janelas/classifica3.md", true},
      {"Tform_consulta", "janelas/consulta.md", true},
      // mining and associations
      {"Tform_dm", "janelas/data_mining.md", true},
      {"Tform_rel", "janelas/associacao.md", true},
      {"Tform_regras", "janelas/compara_regras.md", true},
      // comparison of documents
      {"Tform_centro", "janelas/centroide.md", true},
      {"Tcentro_percentual", "janelas/centro_contextual.md", true},
      // retrieval and summaries
      {"Tform_recbool", "janelas/recuperacao_booleana.md", true},
      {"Tform_recsim", "janelas/recup_similar.md", true},
      {"Tresult_recsim", "janelas/result_recuperasim.md", true},
      {"Tform_resumo", "janelas/resumo.md", true},
      {"Tres_contextual", "janelas/resumo_contextual.md", true},
      {"Tres_auto", "janelas/resumo_automatico.md", true},
      // clustering and evaluations
      {"Tform_cluster", "janelas/clusterizacao.md", true},
      {"Tform_show_matriz", "janelas/apresenta_matriz.md", true},
      {"Tform_aval1", "janelas/aval1.md", true},
      {"Tform_medidas", "janelas/medidas.md", true},
      // pictures and networks
      {"Tgrafico_frequencias", "janelas/grafico_frequencias.md", true},
      {"Tgrafico_centroide", "janelas/grafico_centroide.md", true},
      {"Tmapa_similaridade", "janelas/mapa_similaridade.md", true},
      {"Tform_rede_conceitos", "janelas/rede_conceitos.md", true},
      {"Tform_rede_termos", "janelas/rede_termos.md", true},
      {"Tnuvem_palavras", "nuvem-de-palavras.md", true},
      {"Tdendrograma", "concordancia-e-dendrograma.md", true},
      {"Tgrafico_crosstab", "estatisticas.md", true},
      {"Tgrafico_especificidades", "estatisticas.md", true},
      // variables, statistics by variable and concordance
      {"Tform_variaveis", "variaveis.md", true},
      {"Tform_importa_planilha", "variaveis.md", false},
      {"Tform_crosstab", "estatisticas.md", true},
      {"Tform_especificidades", "estatisticas.md", true},
      {"Tform_ac", "estatisticas.md", true},
      {"Tform_concordancia", "concordancia-e-dendrograma.md", true},
  };
  return pages;
}

namespace {

// "lumeral::gui::Tform_matriz" -> "Tform_matriz".
QLatin1StringView bare_class_name(const QObject* object) {
  QLatin1StringView name(object->metaObject()->className());
  const qsizetype colon = name.lastIndexOf(QLatin1StringView("::"));
  return colon < 0 ? name : name.sliced(colon + 2);
}

const char* const kMenuMarker = "lumeral_menu_ajuda";

}  // namespace

const HelpPage* help_page_of_class(const QWidget* window) {
  if (!window) return nullptr;
  const QLatin1StringView name = bare_class_name(window);
  for (const HelpPage& entry : help_pages())
    if (name == QLatin1StringView(entry.class_name)) return &entry;
  return nullptr;
}

QString help_page_for(const QWidget* widget) {
  // A dialog without a page of its own (a file dialog) tells about the
  // window it was opened over: its parent.
  for (const QWidget* w = widget; w; w = w->parentWidget())
    if (const HelpPage* entry = help_page_of_class(w)) return QString::fromLatin1(entry->page);
  return {};
}

HelpKeys::HelpKeys(Windows& windows) : windows_(windows) {}

bool HelpKeys::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    windows_.open_guia(help_page_for(widget));
    return true;
  }
  if (event->type() == QEvent::Show && widget->isWindow()) add_menu(widget);
  return false;
}

void HelpKeys::add_menu(QWidget* window) {
  const HelpPage* entry = help_page_of_class(window);
  if (!entry || !entry->menu || window->property(kMenuMarker).toBool()) return;
  QMenuBar* bar = nullptr;
  if (auto* main = qobject_cast<QMainWindow*>(window)) {
    bar = main->menuBar();
  } else if (QLayout* layout = window->layout()) {
    bar = qobject_cast<QMenuBar*>(layout->menuBar());
    if (!bar) {
      bar = new QMenuBar(window);
      layout->setMenuBar(bar);
    }
  }
  if (!bar) return;
  window->setProperty(kMenuMarker, true);
  QMenu* menu = bar->addMenu(QStringLiteral("Ajuda"));
  menu->setObjectName(QStringLiteral("menu_ajuda"));
  const QString page = QString::fromLatin1(entry->page);
  Windows* windows = &windows_;
  connect(menu->addAction(QStringLiteral("Guia do Lumeral")), &QAction::triggered, window,
          [windows] { windows->open_guia(QString()); });
  connect(menu->addAction(QStringLiteral("Ajuda desta janela (F1)")), &QAction::triggered, window,
          [windows, page] { windows->open_guia(page); });
  connect(menu->addAction(QStringLiteral("Sobre o Lumeral")), &QAction::triggered, window, [window] {
    TSobre* box = window->findChild<TSobre*>(QString(), Qt::FindDirectChildrenOnly);
    open_about_box(window, box);
  });
}

}  // namespace lumeral::gui
