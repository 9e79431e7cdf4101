#include "gui/retrieval/result_recuperasim.h"

#include <QVBoxLayout>

#include <filesystem>

#include "core/base/files.h"
#include "core/preparation/collection.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace fs = std::filesystem;

Tresult_recsim::Tresult_recsim(Windows& windows) : QWidget(nullptr), Form(windows) {
  build_layout();
}

void Tresult_recsim::mostra_arquivo(const QString& arquivo) {
  command([&] {
    show();
    raise();
    Memo1->clear();
    fs::path p = path_of(arquivo);
    std::error_code ec;
    if (!arquivo.isEmpty() && !fs::is_regular_file(p, ec) && !p.has_parent_path()) {
      // A name from a list: the one file of the current folder that matches
      // without regard to case.
      Ansi name = ansi(arquivo);
      if (exists_ci(fs::current_path(ec), name)) p = lookup(fs::current_path(ec), name);
    }
    if (arquivo.isEmpty() || !fs::is_regular_file(p, ec)) throw Stop("Arquivo texto selecionado não existe");
    QStringList lines;
    for (const Ansi& line : read_document_lines(p)) lines << qs(line);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    // The document's name, and the file it was converted or split from.
    const Ansi name = path_name(p);
    const Ansi source = preparation::SourceNames(p.parent_path()).of(name);
    setWindowTitle(QStringLiteral("Arquivo Texto - ") + qs(name) +
                   (source.empty() ? QString() : QStringLiteral(" (fonte: ") + qs(source) + QStringLiteral(")")));
  });
}

}  // namespace lumeral::gui
