#include "gui/retrieval/result_recuperasim.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>
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

void Tresult_recsim::mostra_arquivo_na_linha(const QString& arquivo, std::uint64_t linha, std::uint64_t posicao,
                                             std::size_t tamanho) {
  mostra_arquivo(arquivo);
  if (!last_command_ok() || linha == 0) return;
  command([&] {
    const QTextBlock block = Memo1->document()->findBlockByNumber(static_cast<int>(linha - 1));
    if (!block.isValid()) return;
    // The column: the bytes between the line's start and the occurrence (one
    // byte is one character of the stored text), the start found by counting
    // line ends as the viewer splits lines.
    const Ansi text = read_document(path_of(arquivo));
    std::uint64_t inicio = 0, atual = 1;
    for (std::size_t i = 0; i < text.size() && i < posicao && atual < linha; ++i) {
      const char c = text[i];
      if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
        ++atual;
        inicio = i + 1;
      }
    }
    const int coluna = posicao >= inicio ? static_cast<int>(posicao - inicio) : 0;
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + std::min(coluna, block.length() - 1));
    cursor.setPosition(std::min(cursor.position() + static_cast<int>(tamanho), block.position() + block.length() - 1),
                       QTextCursor::KeepAnchor);
    Memo1->setTextCursor(cursor);
    Memo1->centerCursor();
  });
}

}  // namespace lumeral::gui
