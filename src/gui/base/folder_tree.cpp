#include "gui/base/folder_tree.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace lumeral::gui {

FolderTree::FolderTree(QWidget* parent) : QWidget(parent) {
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  drives = new QComboBox(this);
  drives->setObjectName(QStringLiteral("DriveComboBox1"));
  QStringList roots{QDir::rootPath()};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    const QString root = volume.rootPath();
    if (!roots.contains(root)) roots << root;
  }
  drives->addItems(roots);
  v->addWidget(drives);

  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  model_->setRootPath(QDir::rootPath());
  tree = new QTreeView(this);
  tree->setObjectName(QStringLiteral("DirectoryListBox1"));
  tree->setModel(model_);
  for (int column = 1; column < model_->columnCount(); ++column) tree->hideColumn(column);
  tree->header()->hide();
  tree->setRootIndex(model_->index(QDir::rootPath()));
  v->addWidget(tree, 1);

  // The model reads folders in the background: once the chosen folder's
  // parents are read, it is selected and scrolled into view.
  connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
    if (pending_.isEmpty()) return;
    const QModelIndex index = model_->index(pending_);
    if (index.isValid()) tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
    if (QDir(loaded) == QFileInfo(pending_).dir()) pending_.clear();
  });
  connect(drives, &QComboBox::activated, this, [this](int i) { set_folder(drives->itemText(i)); });
  connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) choose(model_->filePath(current));
          });
}

void FolderTree::set_folder(const QString& path) {
  const QString absolute = QDir(path).absolutePath();
  const QModelIndex index = model_->index(absolute);
  if (index.isValid()) {
    pending_ = absolute;
    tree->setCurrentIndex(index);  // emits through currentChanged unless already current
    tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
    tree->expand(index);
  }
  choose(absolute);
}

void FolderTree::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (folder_.isEmpty()) set_folder(QDir::currentPath());
}

void FolderTree::choose(const QString& path) {
  if (path == folder_) return;
  folder_ = path;
  emit folder_changed(folder_);
}

}  // namespace lumeral::gui
