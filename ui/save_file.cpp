#include "ui/save_file.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

namespace quorvex {
namespace {

QString InLocation(QStandardPaths::StandardLocation location, const QString& name) {
  const QString folder = QStandardPaths::writableLocation(location);
  return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

}  // namespace

QString ChooseSavePathByDialog(QWidget* parent, const QString& caption, const QString& suggested,
                               const QString& filter) {
  return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

QString SuggestedPicturePath(const QString& suggested_name) {
  return InLocation(QStandardPaths::PicturesLocation, suggested_name);
}

QString SuggestedDocumentPath(const QString& suggested_name) {
  return InLocation(QStandardPaths::DocumentsLocation, suggested_name);
}

QString WithDefaultSuffix(const QString& path, const QString& suffix) {
  if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
  return path + suffix;
}

bool SaveFileOrSay(QWidget* parent, const QString& path, const QByteArray& bytes) {
  return SaveFileOrSay(parent, path, [&](const ByteSink& write) { return write(bytes); });
}

bool SaveFileOrSay(QWidget* parent, const QString& path, const ByteProducer& produce) {
  QSaveFile file(path);
  const ByteSink write = [&](const QByteArray& bytes) { return file.write(bytes) == bytes.size(); };
  const bool saved = file.open(QIODevice::WriteOnly) && produce(write) && file.commit();
  if (!saved) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quorvex"),
                    QStringLiteral("Quorvex could not save '%1'").arg(path), QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
  }
  return saved;
}

}  // namespace quorvex
