#include "app/localfiledetails.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace {
// The columns of the file system model.
enum Column { kName, kSize, kType, kModified };

class CLocalFileDetails final : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files || index.column() == kName)
      return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const QFileInfo info = files->fileInfo(source);
    switch (index.column()) {
      case kSize:
        return info.isDir() ? QString() : QLocale().formattedDataSize(info.size());
      case kType:
        return info.isDir() ? QFileDialog::tr("Folder") : QIdentityProxyModel::data(index, role);
      case kModified:
        return QLocale().toString(info.lastModified(), QLocale::ShortFormat);
      default:
        return QIdentityProxyModel::data(index, role);
    }
  }
};
}  // namespace

void ShowLocalFileDetails(QFileDialog& dialog) { dialog.setProxyModel(new CLocalFileDetails(&dialog)); }
