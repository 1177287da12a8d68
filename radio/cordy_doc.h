// CCordyDoc: the document that owns the radio image, gives a new document its
// default image and stores the image as a channel data file.  No Qt here; the
// GUI wraps it.
#pragma once

#include <functional>
#include <string>

#include "radio/image.h"
#include "radio/image_file.h"

namespace qm314 {

class CCordyDoc {
 public:
  // Brings the image up to date with the grid and the panel before a save.
  using EncodeHook = std::function<void(RadioImage&)>;
  // Told whenever the path or the modified flag may have changed.
  using ChangeListener = std::function<void()>;

  CCordyDoc();

  RadioImage& image() { return m_image; }
  const RadioImage& image() const { return m_image; }

  // Default image, no path, not modified.
  bool OnNewDocument();
  // Replaces the image by the file's first 1024 bytes.  On failure the
  // document, its image, path and modified flag stay exactly as they were.
  FileResult OnOpenDocument(const std::string& path);
  // The image of a file already read from path becomes the document's.
  void OnOpenImage(const std::string& path, const RadioImage& image);
  // What a completed read from the radio brought becomes the image.  It came
  // from no file: the next save asks where to save.
  void OnRadioImage(const RadioImage& image);
  // Runs encode (when given) on the image, then replaces the file atomically.
  FileResult OnSaveDocument(const std::string& path, const EncodeHook& encode = {});

  bool IsModified() const { return m_bModified; }
  void SetModifiedFlag(bool modified = true);
  const std::string& GetPathName() const { return m_strPathName; }

  void SetChangeListener(ChangeListener listener) { m_changeListener = std::move(listener); }

 private:
  void SetPathAndModified(const std::string& path, bool modified);

  RadioImage m_image;
  std::string m_strPathName;
  bool m_bModified = false;
  ChangeListener m_changeListener;
};

}  // namespace qm314
