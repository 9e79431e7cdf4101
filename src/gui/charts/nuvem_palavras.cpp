#include "gui/charts/nuvem_palavras.h"

#include <QSpinBox>

namespace lumeral::gui {

Tnuvem_palavras::Tnuvem_palavras(Windows& windows, Windows::FonteNuvem fonte)
    : PictureWindow(windows, QStringLiteral("Nuvem de Palavras")), fonte_(std::move(fonte)) {
  SpinEdit_palavras = add_strongest_box(QStringLiteral("  Palavras: "), QStringLiteral("SpinEdit_palavras"), 1000,
                                        static_cast<int>(charts::kDefaultCloudWords));
  nuvem = new charts::WordCloudView;
  nuvem->setObjectName(QStringLiteral("nuvem"));
  set_content(nuvem);
  set_exporter([this](const QString& path) { return nuvem->save(path); });
  resize(1060, 820);
  connect(SpinEdit_palavras, &QSpinBox::valueChanged, this, [this] { agenda_atualizacao(); });
}

void Tnuvem_palavras::abre(Windows::FonteNuvem fonte) {
  // A source with nothing to draw leaves the cloud and its source as they were.
  std::swap(fonte_, fonte);
  try {
    atualiza();
  } catch (...) {
    std::swap(fonte_, fonte);
    throw;
  }
}

void Tnuvem_palavras::atualiza() {
  charts::CloudSource source = fonte_.palavras();
  if (source.words.empty())
    throw Stop("Não há palavras com peso para a nuvem (" + fonte_.titulo.toStdString() + ")",
               MessageKind::Information);
  auto words = charts::heaviest_words(std::move(source.words), static_cast<std::size_t>(SpinEdit_palavras->value()),
                                      regional());
  charts::CloudLayout layout = charts::lay_out_words(words, source.groups);
  const std::string sem_lugar = charts::unplaced_message(layout);
  nuvem->set_cloud(std::move(layout), QStringLiteral("Nuvem de Palavras - %1").arg(fonte_.titulo));
  if (sem_lugar.empty())
    StatusBar1->clearMessage();
  else
    StatusBar1->showMessage(qs(sem_lugar));
}

}  // namespace lumeral::gui
