// Open, decode, encode and save for the command line.
#include "cli/headless_view.h"

#include "cli/command.h"
#include "cli/messages.h"
#include "radio/messages.h"

namespace qm314::cli {

HeadlessView::HeadlessView() { decode(); }

void HeadlessView::decode() {
  Decode(m_doc.image(), m_grid, m_panel);
  WriteGridLabels(m_grid);
}

void HeadlessView::open(const std::string& path, std::ostream& warnings, OtherData otherData) {
  RadioImage image;
  if (FileResult result = ReadImageFile(path, image); !result) throw InputError(result.message);
  if (!LooksLikeChannelData(image)) {
    if (otherData == OtherData::kRefuse)
      throw InputError(qm314::messages::NotChannelData(path) + " " + messages::kNotChannelDataRefused);
    warnings << messages::kProgram << ": warning: " << qm314::messages::NotChannelData(path) << '\n';
  }
  m_doc.OnOpenImage(path, image);
  decode();
}

void HeadlessView::encode() { Encode(m_grid, m_panel, m_doc.image()); }

void HeadlessView::save(const std::string& path) {
  const FileResult result = m_doc.OnSaveDocument(path, [this](RadioImage&) { encode(); });
  if (!result) throw InputError(result.message);
}

void HeadlessView::saveImage(const std::string& path) {
  if (FileResult result = m_doc.OnSaveDocument(path); !result) throw InputError(result.message);
}

}  // namespace qm314::cli
