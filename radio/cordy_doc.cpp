// The document's new, open and save steps.
#include "radio/cordy_doc.h"

#include "radio/default_image.h"

namespace qm314 {

CCordyDoc::CCordyDoc() { WriteDefaultImage(m_image); }

bool CCordyDoc::OnNewDocument() {
  WriteDefaultImage(m_image);
  m_strPathName.clear();
  m_bModified = false;
  return true;
}

FileResult CCordyDoc::OnOpenDocument(const std::string& path) {
  FileResult result = ReadImageFile(path, m_image);
  if (result) {
    m_strPathName = path;
    m_bModified = false;
  }
  return result;
}

FileResult CCordyDoc::OnSaveDocument(const std::string& path, const EncodeHook& encode) {
  if (encode) encode(m_image);
  FileResult result = WriteImageFile(path, m_image);
  if (result) {
    m_strPathName = path;
    m_bModified = false;
  }
  return result;
}

}  // namespace qm314
