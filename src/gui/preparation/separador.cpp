#include "gui/preparation/separador.h"

#include "core/preparation/split.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tform_separador::Tform_separador(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void Tform_separador::Button1Click() {
  command([this] {
    auto file = platform().open_file(
        this, {QString(), QStringLiteral("arquivos textos (*.txt)|*.txt|todos arquivos (*.*)|*.*"), QString(),
               QString()});
    if (!file) return;
    StatusProgress status(StatusBar1);
    preparation::separate_documents(path_of(*file), ansi(Edit_inicial->text()), ansi(Edit_separador->text()),
                                    status);
  });
}

}  // namespace lumeral::gui
