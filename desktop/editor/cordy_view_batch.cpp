// The view's side of writing several radios: the batch dialog, the form it
// encodes, and the one place that knows whether any transfer holds ports.
#include "desktop/editor/cordy_view.h"
#include "desktop/editor/message_box.h"
#include "desktop/editor/msflexgrid.h"
#include "desktop/link/batch_write_dlg.h"
#include "radio/cordy_doc.h"

namespace qm314 {

void CCordyView::CreateBatchWrite() {
  CBatchWriteDlg::Services services;
  // Encoded into a copy: the batch never changes the document.
  services.encode = [this] {
    RadioImage image = context_.document.image();
    EncodeInto(image);
    return image;
  };
  services.showError = [this](const QString& text) {
    context_.boxes.Show(m_pBatchDlg, text, BoxButtons::Ok, BoxIcon::Error);
  };
  m_pBatchDlg = new CBatchWriteDlg(std::move(services), this);
  connect(m_pBatchDlg, &CBatchWriteDlg::RunningChanged, this,
          [this] { emit TransferRunningChanged(IsTransferRunning()); });
}

void CCordyView::OnWriteToSeveralRadios() {
  // Not beside a single transfer; a running batch's dialog is only raised.
  if (m_bTransferRunning) return;
  m_pBatchDlg->Create(m_Grid);
}

bool CCordyView::IsBatchRunning() const { return m_pBatchDlg != nullptr && m_pBatchDlg->IsRunning(); }

bool CCordyView::IsBatchWriting() const { return m_pBatchDlg != nullptr && m_pBatchDlg->IsWriting(); }

}  // namespace qm314
