// Saving pictures: each format by its extension, and failures that leave no
// file and say why in Portuguese.
#include <QGraphicsScene>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

#include "charts/picture_export.h"
#include "core/base/message.h"
#include "support/fixtures.h"

namespace lumeral::charts {
namespace {

namespace fs = std::filesystem;
using lumeral::testing::read_file;
using lumeral::testing::TempDir;

QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

void cross(QPainter& p, const QRectF& area) {
  p.setPen(QPen(Qt::black, 3));
  p.drawLine(area.topLeft(), area.bottomRight());
  p.drawText(area.center(), QStringLiteral("Conceito"));
}

TEST(PictureExport, EachFormatByItsExtension) {
  TempDir dir;
  QGraphicsScene scene;
  scene.addRect(0, 0, 200, 100);
  scene.addText(QStringLiteral("Conceito"));
  QLabel widget(QStringLiteral("Conceito"));
  widget.resize(300, 120);
  struct Case {
    const char* name;
    std::string signature;
  };
  for (const Case& c : {Case{"a.png", "\x89PNG"}, Case{"b.SVG", "<?xml"}, Case{"c.pdf", "%PDF-"}}) {
    SCOPED_TRACE(c.name);
    const fs::path picture = dir / (std::string("picture-") + c.name);
    EXPECT_EQ(save_picture(q(picture), QSize(320, 200), cross, QStringLiteral("Teste")), QString());
    EXPECT_EQ(read_file(picture).substr(0, c.signature.size()), c.signature);
    const fs::path from_scene = dir / (std::string("scene-") + c.name);
    EXPECT_EQ(save_scene(q(from_scene), scene), QString());
    EXPECT_EQ(read_file(from_scene).substr(0, c.signature.size()), c.signature);
    const fs::path from_widget = dir / (std::string("widget-") + c.name);
    EXPECT_EQ(save_widget(q(from_widget), widget), QString());
    EXPECT_EQ(read_file(from_widget).substr(0, c.signature.size()), c.signature);
  }
  // The PNG is drawn at twice the size, so labels stay sharp.
  QImage png(q(dir / "picture-a.png"));
  EXPECT_EQ(png.size(), QSize(640, 400));
  // The SVG carries the text as text.
  EXPECT_NE(read_file(dir / "picture-b.SVG").find("Conceito"), std::string::npos);
}

TEST(PictureExport, FailuresLeaveNothingAndSayWhy) {
  TempDir dir;
  fs::create_directories(dir / "pasta.svg");
  struct Case {
    fs::path path;
    const char* message;
  };
  for (const Case& c :
       {Case{dir / "falta" / "mapa.svg", "Não foi possível gravar mapa.svg: Arquivo ou diretório inexistente"},
        Case{dir / "mapa.gif", "Formato de imagem desconhecido: mapa.gif"},
        Case{dir / "pasta.svg", "Não foi possível gravar pasta.svg: É um diretório"}}) {
    const QString failure = save_picture(q(c.path), QSize(100, 100), cross);
    EXPECT_TRUE(failure.startsWith(QString::fromUtf8(c.message))) << failure.toStdString();
  }
  EXPECT_FALSE(fs::exists(dir / "falta"));
  EXPECT_FALSE(fs::exists(dir / "mapa.gif"));
  EXPECT_TRUE(fs::is_directory(dir / "pasta.svg"));
  // Only the folder made above: no temporary file stays behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(PictureExport, AReadOnlyFolderIsToldInPortuguese) {
  if (!lumeral::testing::unprivileged_user()) GTEST_SKIP() << "precisa rodar como root com o usuário \"nobody\"";
  for (const char* name : {"mapa.png", "mapa.svg", "mapa.pdf"}) {
    TempDir dir;
    const QString path = q(dir / name);
    const std::string stop = lumeral::testing::stop_text_confined(
        [&] {
          const QString failure = save_picture(path, QSize(300, 300), cross);
          if (!failure.isEmpty()) throw Stop(failure.toStdString());
        },
        lumeral::testing::Confinement{-1, true});
    EXPECT_EQ(stop, "Não foi possível gravar " + std::string(name) + ": Permissão negada");
    EXPECT_TRUE(fs::is_empty(dir.path())) << name;
  }
}

}  // namespace
}  // namespace lumeral::charts
