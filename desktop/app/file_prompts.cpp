// The real file dialogs.
#include "desktop/app/file_prompts.h"

#include <QFileDialog>

#include "desktop/app/app_messages.h"

namespace qm314 {
namespace {

// "int" for "Channel Data (*.int)"; empty for a filter without one extension.
QString SuffixOf(const QString& filter) {
  const qsizetype from = filter.indexOf(QLatin1String("(*."));
  const qsizetype to = filter.indexOf(QLatin1Char(')'), from);
  if (from < 0 || to < 0) return {};
  const QString suffix = filter.mid(from + 3, to - from - 3);
  return suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char(' ')) ? QString() : suffix;
}

// The dialog itself adds the chosen filter's extension to a name typed without
// one, before it asks whether to replace a file: the question names the file
// that would be replaced, and the name it gives back is the one to write.
FileChoice SaveDialog(QWidget* parent, const QString& caption, const QString& suggested,
                      const QStringList& filters) {
  QFileDialog dialog(parent, caption, suggested, filters.join(QLatin1String(";;")));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // A desktop's own dialog asks about the name as typed, and Qt adds the
  // extension only after it has answered: that could replace a file unasked.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setDefaultSuffix(SuffixOf(filters.value(0)));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) { dialog.setDefaultSuffix(SuffixOf(filter)); });
  if (dialog.exec() != QDialog::Accepted) return {};
  return FileChoice{dialog.selectedFiles().value(0),
                    std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())))};
}

}  // namespace

QString DialogFilePrompts::OpenFileName(QWidget* parent, const QString& folder) {
  return QFileDialog::getOpenFileName(parent, {}, folder, QString::fromUtf8(msg::kFileFilter));
}

QString DialogFilePrompts::SaveFileName(QWidget* parent, const QString& suggested) {
  return SaveDialog(parent, {}, suggested, {QString::fromUtf8(msg::kFileFilter)}).path;
}

FileChoice DialogFilePrompts::OpenFileWith(QWidget* parent, const QString& caption, const QString& folder,
                                           const QStringList& filters) {
  QString chosen = filters.value(0);
  const QString path =
      QFileDialog::getOpenFileName(parent, caption, folder, filters.join(QLatin1String(";;")), &chosen);
  return FileChoice{path, std::max(0, static_cast<int>(filters.indexOf(chosen)))};
}

FileChoice DialogFilePrompts::SaveFileWith(QWidget* parent, const QString& caption, const QString& suggested,
                                           const QStringList& filters) {
  return SaveDialog(parent, caption, suggested, filters);
}

}  // namespace qm314
