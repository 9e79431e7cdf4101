// Saving pictures: each format by its extension, and failures that leave no
// file and say why in Portuguese.
#include <QFont>
#include <QGraphicsScene>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

#include <sys/mount.h>

#include "charts/heatmap_view.h"
#include "charts/picture_export.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "support/fixtures.h"

namespace lumeral::charts {
namespace {

namespace fs = std::filesystem;
using lumeral::testing::Confinement;
using lumeral::testing::read_file;
using lumeral::testing::stop_text_confined;
using lumeral::testing::TempDir;
using lumeral::testing::write_file;

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
  // Every format draws in the picture's own pixels: a scaled painter
  // misplaces the clipping of items that clip their children (a chart's
  // legend lost its markers in the PDF).
  for (const char* name : {"t.png", "t.svg", "t.pdf"}) {
    QTransform seen(2, 0, 0, 2, 5, 5);
    ASSERT_EQ(save_picture(q(dir / name), QSize(321, 201), [&](QPainter& p, const QRectF&) { seen = p.worldTransform(); }),
              QString());
    EXPECT_TRUE(seen.isIdentity()) << name << " " << seen.m11();
  }
  // The PNG is drawn at twice the size, so labels stay sharp.
  QImage png(q(dir / "picture-a.png"));
  EXPECT_EQ(png.size(), QSize(640, 400));
  // The SVG carries the text as text.
  EXPECT_NE(read_file(dir / "picture-b.SVG").find("Conceito"), std::string::npos);
  // At the size it has on screen and in the PNG: a 12-point text is 16
  // pixels high at 96 dots an inch, in the SVG's units, which are pixels.
  const fs::path sized = dir / "sized.svg";
  ASSERT_EQ(save_picture(q(sized), QSize(200, 100),
                         [](QPainter& p, const QRectF&) {
                           QFont font;
                           font.setPointSizeF(12);
                           p.setFont(font);
                           p.drawText(QPointF(10, 50), QStringLiteral("Conceito"));
                         }),
            QString());
  const std::string svg = read_file(sized);
  const auto at = svg.find("font-size=\"");
  ASSERT_NE(at, std::string::npos);
  EXPECT_DOUBLE_EQ(std::stod(svg.substr(at + 11)), 16.0);
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

// A similarity map of thousands of documents: the picture keeps within its
// largest side (cells shrink below a pixel, names thin out) and its PNG
// within the memory budget, and is drawn in moments.
TEST(PictureExport, ALongListMakesAPictureOfBoundedSize) {
  TempDir dir;
  for (std::size_t n : {40u, 3000u}) {
    SCOPED_TRACE(n);
    HeatmapModel model;
    for (std::size_t i = 0; i < n; ++i) {
      model.order.push_back(i);
      model.names.push_back(Ansi("documento-") + ansi_number(static_cast<long long>(i)) + Ansi(".txt"));
    }
    model.values.resize(n * n);
    for (std::size_t k = 0; k < model.values.size(); ++k) model.values[k] = (k % 7) / 10.0;
    model.max_value = 0.6;
    model.blocks.push_back({0, n / 2, 1});
    HeatmapView view;
    view.set_model(std::move(model), {});
    const QSize size = view.picture_size();
    EXPECT_LE(std::max(size.width(), size.height()), 4096);
    EXPECT_GE(size.width(), n < 100 ? 480 : 4000);  // a long list uses the room it has
    constexpr std::size_t kBudget = 64 << 20;
    const double scale = png_scale_within(size, kBudget);
    const fs::path out = dir / ("mapa" + std::to_string(n) + ".png");
    ASSERT_EQ(save_picture(q(out), size, [&](QPainter& p, const QRectF& area) { view.paint(p, area); }, {}, scale),
              QString());
    QImage png(q(out));
    ASSERT_FALSE(png.isNull());
    EXPECT_LE(4.0 * png.width() * png.height(), kBudget / 4.0);
  }
}

// A picture that does not fit: on a file-size limit or a full disk the
// export fails with the reason and the older picture stays as it was.
TEST(PictureExport, AWriteThatFailsKeepsTheOlderPicture) {
  TempDir dir;
  const fs::path tiny = dir / "cheio";
  fs::create_directory(tiny);
  // A tmpfs of 16 KB when this process may mount one (root).
  const bool mounted = ::mount("tmpfs", tiny.c_str(), "tmpfs", 0, "size=16k") == 0;
  struct Case {
    const char* name;
    fs::path folder;
    long long file_size_limit;
  };
  std::vector<Case> cases = {{"file-size limit", dir / "limitada", 8 * 1024}};
  if (mounted) cases.push_back({"full disk", tiny, -1});
  const std::string older = "<svg>a imagem anterior</svg>";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::create_directories(c.folder);
    write_file(c.folder / "mapa.svg", older);
    Confinement confinement;
    confinement.file_size_limit = c.file_size_limit;
    const std::string text = stop_text_confined(
        [&] {
          const QString failure = save_picture(q(c.folder / "mapa.svg"), QSize(400, 400), [](QPainter& p, const QRectF&) {
            for (int i = 0; i < 3000; ++i) p.drawText(QPointF(i % 400, i / 8), QString::number(i));
          });
          if (!failure.isEmpty()) throw Stop(failure.toStdString());
        },
        confinement);
    EXPECT_EQ(text.rfind("Não foi possível gravar mapa.svg: ", 0), 0u) << text;
    EXPECT_TRUE(read_file(c.folder / "mapa.svg") == older) << "the older picture was replaced";
    EXPECT_EQ(std::distance(fs::directory_iterator(c.folder), fs::directory_iterator()), 1);
  }
  if (mounted) ::umount(tiny.c_str());
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
