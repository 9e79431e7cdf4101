#include "gui/base/file_chooser.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTreeView>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <vector>

namespace lumeral::gui {

namespace {

struct Entry {
  QString name;
  bool folder = false;
  qint64 size = 0;
  qint64 modified = 0;  // seconds since the epoch
};

// Names in the order people read them: case ignored, and a run of digits
// compared by its value ("doc2" before "doc10").
bool natural_less(const QString& a, const QString& b) {
  const qsizetype na = a.size(), nb = b.size();
  qsizetype i = 0, j = 0;
  while (i < na && j < nb) {
    const QChar ca = a[i], cb = b[j];
    if (ca.isDigit() && cb.isDigit()) {
      qsizetype si = i, sj = j;
      while (si < na && a[si] == QLatin1Char('0')) ++si;
      while (sj < nb && b[sj] == QLatin1Char('0')) ++sj;
      qsizetype ei = si, ej = sj;
      while (ei < na && a[ei].isDigit()) ++ei;
      while (ej < nb && b[ej].isDigit()) ++ej;
      if (ei - si != ej - sj) return ei - si < ej - sj;
      for (qsizetype k = 0; k < ei - si; ++k)
        if (a[si + k] != b[sj + k]) return a[si + k] < b[sj + k];
      i = ei;
      j = ej;
      continue;
    }
    const char32_t fa = ca.toCaseFolded().unicode(), fb = cb.toCaseFolded().unicode();
    if (fa != fb) return fa < fb;
    ++i;
    ++j;
  }
  if ((na - i) != (nb - j)) return (na - i) < (nb - j);
  return a < b;  // same but for case: a fixed order all the same
}

// The patterns of one type of the list ("textos (*.txt *.htm)").
QStringList patterns_of(const QString& type) {
  static const QRegularExpression inside(QStringLiteral("\\(([^()]*)\\)\\s*$"));
  const auto m = inside.match(type);
  if (!m.hasMatch()) return {};
  QStringList patterns = m.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  patterns.removeAll(QStringLiteral("*"));
  patterns.removeAll(QStringLiteral("*.*"));
  return patterns;
}

// A file name's match against the type's patterns, case ignored as the
// program's dialogs always did. "*.ext" (almost every pattern) is a suffix
// test; anything else goes through a wildcard expression.
class NameFilter {
 public:
  explicit NameFilter(const QStringList& patterns) {
    for (const QString& p : patterns) {
      const QString rest = p.mid(2);
      if (p.startsWith(QStringLiteral("*.")) && !rest.contains(QLatin1Char('*')) && !rest.contains(QLatin1Char('?')) &&
          !rest.contains(QLatin1Char('[')))
        suffixes_ << p.mid(1);
      else
        others_.push_back(QRegularExpression(QRegularExpression::wildcardToRegularExpression(p),
                                             QRegularExpression::CaseInsensitiveOption));
    }
  }
  bool passes(const QString& name) const {
    if (suffixes_.isEmpty() && others_.empty()) return true;
    for (const QString& s : suffixes_)
      if (name.endsWith(s, Qt::CaseInsensitive)) return true;
    for (const QRegularExpression& r : others_)
      if (r.match(name).hasMatch()) return true;
    return false;
  }

 private:
  QStringList suffixes_;
  std::vector<QRegularExpression> others_;
};

// The table the view shows: name, size, date.
}  // namespace

class FolderEntries : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void set(std::vector<Entry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
  }
  const Entry& at(int row) const { return entries_[static_cast<std::size_t>(row)]; }
  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 3; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const Entry& e = at(index.row());
    if (role == Qt::DisplayRole) {
      switch (index.column()) {
        case 0: return e.name;
        case 1: return e.folder ? QString() : size_text(e.size);
        case 2: return QDateTime::fromSecsSinceEpoch(e.modified).toString(QStringLiteral("dd/MM/yyyy HH:mm"));
      }
    }
    if (role == Qt::DecorationRole && index.column() == 0) {
      static const QIcon folder = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
      static const QIcon file = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
      return e.folder ? folder : file;
    }
    if (role == Qt::TextAlignmentRole && index.column() == 1) return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
      case 0: return QStringLiteral("Nome");
      case 1: return QStringLiteral("Tamanho");
      case 2: return QStringLiteral("Modificado em");
    }
    return {};
  }

 private:
  static QString size_text(qint64 bytes) {
    static const QLocale pt(QLocale::Portuguese, QLocale::Brazil);
    if (bytes == 1) return QStringLiteral("1 byte");
    if (bytes < 1024) return pt.toString(bytes) + QStringLiteral(" bytes");
    if (bytes < 1024 * 1024) return pt.toString(double(bytes) / 1024, 'f', 1) + QStringLiteral(" KB");
    return pt.toString(double(bytes) / (1024 * 1024), 'f', 1) + QStringLiteral(" MB");
  }
  std::vector<Entry> entries_;
};

// What the reading thread hands the dialog.
struct FolderListing {
  QString folder;
  std::vector<Entry> entries;
  QString error;  // the folder could not be read
};

namespace {

// Reads a folder: its folders and the files passing the filter (hidden
// names left out, as the program's dialogs always did), folders first,
// each group in natural order.
void read_folder(FolderListing& out, const QStringList& patterns, bool folders_only,
                 const std::atomic<bool>& stop) {
  const QByteArray where = QFile::encodeName(out.folder);
  DIR* dir = opendir(where.constData());
  if (!dir) {
    out.error = QString::fromLocal8Bit(std::strerror(errno));
    return;
  }
  const NameFilter filter(patterns);
  const int fd = dirfd(dir);
  while (const dirent* d = readdir(dir)) {
    if (stop.load(std::memory_order_relaxed)) break;
    if (d->d_name[0] == '.') continue;
    Entry e;
    e.name = QFile::decodeName(d->d_name);
    struct stat st {};
    // A link is shown as what it points to; one that points nowhere as a file.
    if (fstatat(fd, d->d_name, &st, 0) != 0 && fstatat(fd, d->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    e.folder = S_ISDIR(st.st_mode);
    if (!e.folder && (folders_only || !filter.passes(e.name))) continue;
    e.size = st.st_size;
    e.modified = st.st_mtim.tv_sec;
    out.entries.push_back(std::move(e));
  }
  closedir(dir);
  std::sort(out.entries.begin(), out.entries.end(), [](const Entry& a, const Entry& b) {
    if (a.folder != b.folder) return a.folder;
    return natural_less(a.name, b.name);
  });
}

QString clean(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

}  // namespace

FileChooser::FileChooser(QWidget* parent, Mode mode, const QString& title, const QString& folder,
                         const QString& qt_filter, const QString& default_suffix)
    : QDialog(parent), mode_(mode), default_suffix_(default_suffix) {
  setObjectName(QStringLiteral("FileChooser"));
  const bool saving = mode == Mode::Save;
  const bool folders = mode == Mode::Folder;
  setWindowTitle(!title.isEmpty() ? title
                 : saving         ? QStringLiteral("Salvar como")
                 : folders        ? QStringLiteral("Escolher pasta")
                                  : QStringLiteral("Abrir"));

  auto* grid = new QGridLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("Pasta:"), this));
  path_ = new QLineEdit(this);
  top->addWidget(path_, 1);
  up_ = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogToParent), QString(), this);
  up_->setToolTip(QStringLiteral("Pasta acima"));
  home_ = new QPushButton(style()->standardIcon(QStyle::SP_DirHomeIcon), QString(), this);
  home_->setToolTip(QStringLiteral("Pasta pessoal"));
  top->addWidget(up_);
  top->addWidget(home_);
  if (saving || folders) {
    new_folder_ = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogNewFolder), QString(), this);
    new_folder_->setToolTip(QStringLiteral("Nova pasta"));
    top->addWidget(new_folder_);
  }
  for (QPushButton* b : {up_, home_, new_folder_})
    if (b) b->setAutoDefault(false);
  grid->addLayout(top, 0, 0, 1, 3);

  model_ = new FolderEntries(this);
  view_ = new QTreeView(this);
  view_->setModel(model_);
  view_->setRootIsDecorated(false);
  view_->setItemsExpandable(false);
  view_->setUniformRowHeights(true);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(mode == Mode::OpenMany ? QAbstractItemView::ExtendedSelection
                                                 : QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  view_->header()->setSectionResizeMode(1, QHeaderView::Interactive);
  view_->header()->setSectionResizeMode(2, QHeaderView::Interactive);
  view_->header()->setStretchLastSection(false);
  view_->setColumnWidth(1, 90);
  view_->setColumnWidth(2, 130);
  grid->addWidget(view_, 1, 0, 1, 3);
  state_ = new QLabel(this);
  grid->addWidget(state_, 2, 0, 1, 3);

  grid->addWidget(new QLabel(folders ? QStringLiteral("Nome da pasta:") : QStringLiteral("Nome do arquivo:"), this),
                  3, 0);
  name_ = new QLineEdit(this);
  grid->addWidget(name_, 3, 1);
  ok_ = new QPushButton(saving ? QStringLiteral("Salvar") : folders ? QStringLiteral("Escolher")
                                                                    : QStringLiteral("Abrir"),
                        this);
  ok_->setDefault(true);
  grid->addWidget(ok_, 3, 2);
  auto* cancel = new QPushButton(QStringLiteral("Cancelar"), this);
  cancel->setAutoDefault(false);
  if (!folders) {
    grid->addWidget(new QLabel(QStringLiteral("Tipo:"), this), 4, 0);
    types_ = new QComboBox(this);
    QStringList types = qt_filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    if (types.isEmpty()) types << QStringLiteral("Todos os arquivos (*)");
    types_->addItems(types);
    patterns_ = patterns_of(types.front());
    grid->addWidget(types_, 4, 1);
    connect(types_, &QComboBox::activated, this, [this](int index) { choose_type(index); });
  }
  grid->addWidget(cancel, 4, 2);
  grid->setColumnStretch(1, 1);
  resize(720, 480);

  connect(ok_, &QPushButton::clicked, this, &FileChooser::accept);
  connect(cancel, &QPushButton::clicked, this, &FileChooser::reject);
  connect(up_, &QPushButton::clicked, this, [this] {
    select_after_ = QFileInfo(folder_).fileName();
    go_to(QFileInfo(folder_).absolutePath());
  });
  connect(home_, &QPushButton::clicked, this, [this] { go_to(QDir::homePath()); });
  if (new_folder_)
    connect(new_folder_, &QPushButton::clicked, this, [this] {
      bool ok = false;
      const QString name = QInputDialog::getText(this, QStringLiteral("Nova pasta"),
                                                  QStringLiteral("Nome da nova pasta:"), QLineEdit::Normal,
                                                  QString(), &ok)
                               .trimmed();
      if (!ok || name.isEmpty()) return;
      const QString made = clean(QDir(folder_).filePath(name));
      if (!QDir().mkpath(made)) {
        tell(QStringLiteral("Não foi possível criar a pasta \"%1\".").arg(made));
        return;
      }
      go_to(made);
    });
  connect(path_, &QLineEdit::returnPressed, this, [this] {
    const QString typed = resolve(path_->text().trimmed());
    if (QFileInfo(typed).isDir()) {
      go_to(typed);
    } else {
      tell(QStringLiteral("A pasta \"%1\" não existe.").arg(typed));
      path_->setText(folder_);
    }
  });
  connect(view_, &QTreeView::activated, this, [this](const QModelIndex& index) { activated(index.row()); });
  connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &FileChooser::selection_changed);

  // Where it opens: a folder, or a file's folder with its name typed in.
  QString start = folder.isEmpty() ? QDir::currentPath() : clean(folder);
  if (!QFileInfo(start).isDir()) {
    const QFileInfo file(start);
    if (file.absoluteDir().exists()) {
      if (!folders) name_->setText(file.fileName());
      start = file.absolutePath();
    } else {
      start = QDir::currentPath();
    }
  }
  go_to(start);
  if (saving) name_->setFocus();
  else view_->setFocus();
}

FileChooser::~FileChooser() { stop_reading(); }

void FileChooser::stop_reading() {
  if (stop_) *stop_ = true;
  if (reader_.joinable()) reader_.join();
  stop_.reset();
}

void FileChooser::go_to(const QString& folder) {
  folder_ = clean(folder);
  path_->setText(folder_);
  up_->setEnabled(folder_ != QDir::rootPath());
  start_reading();
}

void FileChooser::start_reading() {
  stop_reading();
  reading_ = true;
  const std::uint64_t generation = ++generation_;
  model_->set({});
  state_->setText(QStringLiteral("Lendo a pasta..."));
  stop_ = std::make_shared<std::atomic<bool>>(false);
  auto listing = std::make_shared<FolderListing>();
  listing->folder = folder_;
  // The thread owns what it reads; the dialog waits for it before it goes
  // (stop_reading), so the result it posts always finds the dialog.
  reader_ = std::thread([this, generation, listing, stop = stop_, patterns = patterns_,
                         folders_only = mode_ == Mode::Folder] {
    read_folder(*listing, patterns, folders_only, *stop);
    if (*stop) return;
    QMetaObject::invokeMethod(
        this, [this, generation, listing] { shown(generation, listing); }, Qt::QueuedConnection);
  });
}

void FileChooser::shown(std::uint64_t generation, std::shared_ptr<FolderListing> listing) {
  if (generation != generation_) return;  // a folder left since
  reading_ = false;
  if (!listing->error.isEmpty()) {
    state_->setText(QStringLiteral("Não foi possível ler a pasta: %1").arg(listing->error));
  } else {
    const std::size_t n = listing->entries.size();
    state_->setText(n == 0   ? QStringLiteral("Nenhum item")
                    : n == 1 ? QStringLiteral("1 item")
                             : QStringLiteral("%1 itens").arg(QLocale(QLocale::Portuguese, QLocale::Brazil)
                                                                  .toString(qulonglong(n))));
  }
  model_->set(std::move(listing->entries));
  if (!select_after_.isEmpty()) {
    for (int r = 0; r < model_->rowCount(); ++r)
      if (model_->at(r).name == select_after_) {
        view_->setCurrentIndex(model_->index(r, 0));
        view_->scrollTo(model_->index(r, 0));
        break;
      }
    select_after_.clear();
  }
  emit folder_read();
}

int FileChooser::rows() const { return model_->rowCount(); }
QString FileChooser::row_name(int row) const { return model_->at(row).name; }
void FileChooser::set_name(const QString& text) { name_->setText(text); }

void FileChooser::choose_type(int index) {
  if (!types_ || index < 0 || index >= types_->count()) return;
  types_->setCurrentIndex(index);
  patterns_ = patterns_of(types_->itemText(index));
  // A name typed without extension gets the chosen type's
  // ("planilha do Excel (*.xlsx)" gives ".xlsx").
  if (mode_ == Mode::Save && !patterns_.isEmpty() && patterns_.front().startsWith(QStringLiteral("*.")) &&
      !patterns_.front().mid(2).contains(QLatin1Char('*')))
    default_suffix_ = patterns_.front().mid(2);
  start_reading();
}

void FileChooser::activated(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  const Entry& e = model_->at(row);
  if (e.folder) {
    go_to(QDir(folder_).filePath(e.name));
    return;
  }
  name_->setText(e.name);
  accept();
}

void FileChooser::selection_changed() {
  QStringList files;
  for (const QModelIndex& index : view_->selectionModel()->selectedRows())
    if (!model_->at(index.row()).folder) files << model_->at(index.row()).name;
  if (mode_ == Mode::Folder || files.isEmpty()) return;
  if (files.size() == 1) {
    name_->setText(files.front());
    return;
  }
  for (QString& f : files) f = QLatin1Char('"') + f + QLatin1Char('"');
  name_->setText(files.join(QLatin1Char(' ')));
}

QString FileChooser::resolve(const QString& name) const {
  QString n = name;
  if (n == QStringLiteral("~") || n.startsWith(QStringLiteral("~/"))) n = QDir::homePath() + n.mid(1);
  return clean(QDir::isAbsolutePath(n) ? n : QDir(folder_).filePath(n));
}

QStringList FileChooser::typed_names() const {
  const QString text = name_->text().trimmed();
  if (mode_ != Mode::OpenMany || !text.startsWith(QLatin1Char('"'))) return text.isEmpty() ? QStringList() : QStringList{text};
  // Several names, each in quotes.
  QStringList names;
  static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
  for (auto it = quoted.globalMatch(text); it.hasNext();) names << it.next().captured(1);
  return names;
}

void FileChooser::tell(const QString& text) {
  if (error) error(text);
}

void FileChooser::accept() {
  const QStringList names = typed_names();
  if (mode_ == Mode::Folder) {
    QString chosen = folder_;
    if (!names.isEmpty()) {
      chosen = resolve(names.front());
    } else {
      const QModelIndexList selected = view_->selectionModel()->selectedRows();
      if (!selected.isEmpty()) chosen = QDir(folder_).filePath(model_->at(selected.front().row()).name);
    }
    if (!QFileInfo(chosen).isDir()) {
      tell(QStringLiteral("A pasta \"%1\" não existe.").arg(chosen));
      return;
    }
    chosen_ = QStringList{clean(chosen)};
    QDialog::accept();
    return;
  }
  if (names.isEmpty()) {
    // Nothing typed: the main button enters the folder selected, if any.
    const QModelIndexList selected = view_->selectionModel()->selectedRows();
    if (!selected.isEmpty() && model_->at(selected.front().row()).folder) activated(selected.front().row());
    return;
  }
  QStringList paths;
  for (const QString& n : names) paths << resolve(n);
  if (paths.size() == 1 && QFileInfo(paths.front()).isDir()) {
    name_->clear();
    go_to(paths.front());
    return;
  }
  if (mode_ == Mode::Save) {
    QString path = paths.front();
    if (!default_suffix_.isEmpty() && QFileInfo(path).suffix().isEmpty() && !path.endsWith(QLatin1Char('.')))
      path += QLatin1Char('.') + default_suffix_;
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
      tell(QStringLiteral("A pasta \"%1\" não existe.").arg(info.absolutePath()));
      return;
    }
    if (info.isDir()) {
      name_->clear();
      go_to(path);
      return;
    }
    if (info.exists() && confirm &&
        !confirm(QStringLiteral("O arquivo \"%1\" já existe.\nDeseja substituí-lo?").arg(info.fileName())))
      return;
    chosen_ = QStringList{path};
    QDialog::accept();
    return;
  }
  for (const QString& p : paths)
    if (!QFileInfo(p).isFile()) {
      tell(QStringLiteral("O arquivo \"%1\" não existe.").arg(p));
      return;
    }
  chosen_ = paths;
  QDialog::accept();
}

}  // namespace lumeral::gui
