#include "gui/clustering/aval1.h"

#include "core/clustering/evaluation.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tform_aval1::Tform_aval1(Windows& windows) : QWidget(nullptr), Form(windows) {
  build_layout();
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
}

void Tform_aval1::escolhe(QLineEdit* field, bool first) {
  command([&] {
    const bool docs = RadioGroup1->item_index() == 1;
    QString filter;
    if (docs)
      filter = QStringLiteral("Listas de documentos (*.ldc)|*.ldc");
    else if (first)
      filter = QStringLiteral("listas de palavras (*.lpl)|*.lpl;|arquivos com conceitos (*.mtz)|*.mtz");
    else
      filter = QStringLiteral("Documentos ou Listas de palavras (*.lpl)|*.lpl;|arquivos com conceitos (*.mtz)|*.mtz");
    auto file = platform().open_file(this, {QString(), filter, QString(), QString()});
    if (file) field->setText(*file);
  });
}

void Tform_aval1::Button1Click() { escolhe(Edit1, true); }
void Tform_aval1::Button2Click() { escolhe(Edit2, false); }

void Tform_aval1::Button3Click() {
  command([this] {
    Edit_grau->clear();
    Edit_comuns->clear();
    const auto mode = RadioGroup1->item_index() == 1 ? clustering::EvaluationMode::DocumentLists
                                                     : clustering::EvaluationMode::WordLists;
    StatusProgress status(StatusBar1);
    auto evaluation = clustering::evaluate(path_of(Edit1->text()), path_of(Edit2->text()), mode, status);
    const auto fields = clustering::evaluation_fields(evaluation, regional());
    Edit_grau->setText(qs(fields.value));
    Edit_comuns->setText(qs(fields.common));
    if (evaluation.stop) throw Stop(*evaluation.stop);
  });
}

}  // namespace lumeral::gui
