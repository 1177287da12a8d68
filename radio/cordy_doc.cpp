// The document's new, open and save steps.
#include "radio/cordy_doc.h"

#include "radio/default_image.h"

namespace qm314 {

CCordyDoc::CCordyDoc() { WriteDefaultImage(m_image); }

bool CCordyDoc::OnNewDocument() {
  WriteDefaultImage(m_image);
  SetPathAndModified({}, false);
  return true;
}

FileResult CCordyDoc::OnOpenDocument(const std::string& path) {
  RadioImage image;
  FileResult result = ReadImageFile(path, image);
  if (result) OnOpenImage(path, image);
  return result;
}

void CCordyDoc::OnOpenImage(const std::string& path, const RadioImage& image) {
  m_image = image;
  SetPathAndModified(path, false);
}

void CCordyDoc::OnRadioImage(const RadioImage& image) {
  m_image = image;
  SetPathAndModified({}, false);
}

FileResult CCordyDoc::OnSaveDocument(const std::string& path, const EncodeHook& encode) {
  if (encode) encode(m_image);
  FileResult result = WriteImageFile(path, m_image);
  if (result) SetPathAndModified(path, false);
  return result;
}

void CCordyDoc::SetModifiedFlag(bool modified) {
  if (modified != m_bModified) SetPathAndModified(m_strPathName, modified);
}

void CCordyDoc::SetPathAndModified(const std::string& path, bool modified) {
  m_strPathName = path;
  m_bModified = modified;
  if (m_changeListener) m_changeListener();
}

}  // namespace qm314
