// Import and export of the channel rows through the file dialogs.
#include "desktop/app/channel_files.h"

#include <QFileInfo>

#include "desktop/app/app_messages.h"
#include "desktop/app/file_folders.h"
#include "desktop/app/file_prompts.h"
#include "desktop/editor/cordy_view.h"
#include "desktop/editor/message_box.h"
#include "editor/messages.h"
#include "desktop/editor/msflexgrid.h"
#include "radio/channel_exchange.h"
#include "radio/cordy_doc.h"
#include "radio/image_file.h"

namespace qm314 {
namespace {

// The export dialog's filters, in the order of the forms they stand for.
QStringList ExportFilters() {
  return {QString::fromUtf8(msg::kGridCsvFilter), QString::fromUtf8(msg::kRadioCsvFilter)};
}

ChannelCsvForm FormOfFilter(int filter) { return filter == 1 ? ChannelCsvForm::kRadio : ChannelCsvForm::kGrid; }

}  // namespace

ChannelFiles::ChannelFiles(CCordyView& view, FilePrompts& files, FileFolders& folders,
                           MessageBoxHost& boxes, QWidget* parent)
    : QObject(parent), view_(view), files_(files), folders_(folders), boxes_(boxes), parent_(parent) {}

void ChannelFiles::ShowError(const QString& text) {
  boxes_.Show(parent_, text, BoxButtons::Ok, BoxIcon::Error);
}

void ChannelFiles::OnImportChannels() {
  // The rows the file does not give stay as the user sees them, open editor included.
  view_.CommitCellEdit();
  const QStringList filters = ExportFilters() << QString::fromUtf8(msg::kAllFilesFilter);
  const QString path =
      files_.OpenFileWith(parent_, QString::fromUtf8(msg::kImportChannelsCaption), folders_.StartFolder(), filters)
          .path;
  if (!path.isEmpty()) ImportFile(path);
}

bool ChannelFiles::ImportFile(const QString& path) {
  view_.CommitCellEdit();
  folders_.Remember(path);
  std::string content;
  if (const FileResult read = ReadWholeFile(path.toStdString(), content); !read) {
    ShowError(QString::fromStdString(read.message));
    return false;
  }
  const ChannelImport imported = ImportChannelCsv(content, view_.grid()->table());
  if (!imported) {
    const std::string refusal = RefusalText(QFileInfo(path).fileName().toStdString(), *imported.refusal);
    ShowError(QString::fromUtf8(msg::kImportRefused).arg(QString::fromStdString(refusal)));
    return false;
  }
  view_.ApplyChannelTable(imported.table);
  // A file of another program may mean more than the radio keeps: say what it became.
  boxes_.Show(parent_, QString::fromStdString(ImportSummary(imported.report)), BoxButtons::Ok, BoxIcon::Information);
  return true;
}

void ChannelFiles::OnExportChannels() {
  view_.CommitCellEdit();
  const std::string& document = view_.document().GetPathName();
  const QString base = document.empty() ? QString::fromUtf8(msg::kNewDocumentName)
                                        : QFileInfo(QString::fromStdString(document)).completeBaseName();
  const FileChoice choice =
      files_.SaveFileWith(parent_, QString::fromUtf8(msg::kExportChannelsCaption),
                          folders_.PathFor(base + QLatin1String(msg::kCsvExtension)), ExportFilters());
  if (choice.path.isEmpty()) return;
  folders_.Remember(choice.path);
  const QString& path = choice.path;
  const std::string csv = ExportChannelCsv(view_.grid()->table(), FormOfFilter(choice.filter));
  const FileResult result =
      WriteFileAtomically(path.toStdString(), reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size());
  if (!result) ShowError(QString::fromStdString(result.message));
}

}  // namespace qm314
