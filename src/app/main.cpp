// The desktop program: the splash for its one second, the application
// title, every window created once in the fixed order, the event loop.
// Closing the main window ends the program. `--help` and `--version` are
// answered before Qt starts, so they work without a display (the manual
// page is generated from them at build time).
#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>

#include "core/base/regional.h"
#include "gui/base/qt_platform.h"
#include "gui/base/resources.h"
#include "gui/base/translations.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/unit_splashscreen.h"
#include "gui/shell/windows.h"

// Both come from the build configuration (packaging/program-info.cmake).
#ifndef LUMERAL_VERSION
#error "LUMERAL_VERSION is set by the build (PROJECT_VERSION)"
#endif

namespace {

constexpr const char* kHelp =
    "Uso: lumeral [OPÇÕES]\n"
    "\n"
    "Lumeral: bancada de mineração de textos para coleções em português, inglês\n"
    "e espanhol, em janelas.\n"
    "\n"
    "Abre o menu de entrada, que leva ao assistente de mineração de textos\n"
    "(configurar o projeto, preparar os textos, escolher ou criar a ontologia e\n"
    "minerar freqüências de conceitos e associações), ao assistente de\n"
    "comparação entre textos e ao modo clássico, em que cada ferramenta\n"
    "(classificação, recuperação booleana e por similaridade, resumos,\n"
    "agrupamentos, centróides, avaliações) abre em sua própria janela.\n"
    "\n"
    "Opções:\n"
    "  -h, --help       mostra esta ajuda e sai\n"
    "  -v, --version    mostra a versão e sai\n"
    "\n"
    "Aceita também as opções comuns dos programas Qt, como -platform, -style e\n"
    "-reverse.\n"
    "\n"
    "Arquivos:\n"
    "  ~/lmr/projetos              pasta padrão dos projetos\n"
    "  ~/.config/Lumeral/Lumeral.conf\n"
    "                              preferências (memória para as análises)\n"
    "  " LUMERAL_DATA_INSTALL_DIR "\n"
    "                              listas de stopwords padrão e coleção de exemplo\n"
    "  " LUMERAL_GUIDE_DIR "\n"
    "                              guia do usuário\n"
    "\n"
    "Para análises em lote e por scripts, use o lumeral-cli.\n";

bool asks(int argc, char** argv, const char* short_name, const char* long_name) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], short_name) == 0 || std::strcmp(argv[i], long_name) == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (asks(argc, argv, "-h", "--help")) {
    std::fputs(kHelp, stdout);
    return 0;
  }
  if (asks(argc, argv, "-v", "--version")) {
    std::puts("lumeral " LUMERAL_VERSION);
    return 0;
  }
  using namespace lumeral::gui;
  QApplication app(argc, argv);
  install_qt_translations(app);
  init_resources();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/shell/lumeral.png")));

  TSplashScreen splash;
  splash.show();
  splash.repaint();
  while (!splash.pode_fechar()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  splash.hide();

  QApplication::setApplicationName(kApplicationTitle);
  QApplication::setQuitOnLastWindowClosed(false);

  QtPlatform platform;
  Windows windows(platform, lumeral::Regional::from_environment());
  windows.on_quit = [] { QApplication::quit(); };
  windows.create_all();
  windows.Mdi_Frm->show();
  return QApplication::exec();
}
