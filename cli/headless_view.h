// The command line's stand-in for the form view: a document with the grid
// texts and box selections that decode gives, and the save that encodes them.
#pragma once

#include <ostream>
#include <string>

#include "radio/codec.h"
#include "radio/cordy_doc.h"

namespace qm314::cli {

class HeadlessView {
 public:
  // A new document, decoded as the form shows it.
  HeadlessView();

  // What open does with a file that does not look like channel data.
  enum class OtherData {
    kWarn,    // reading it harms nothing: it opens with a warning
    kRefuse,  // a command that would save it or send it to a radio: InputError
  };

  // kWarn when the user said --force, else kRefuse.
  static OtherData Forced(bool force) { return force ? OtherData::kWarn : OtherData::kRefuse; }

  // Opens path and decodes it; InputError (document unchanged) on failure.
  void open(const std::string& path, std::ostream& warnings, OtherData otherData = OtherData::kWarn);
  // Encodes the grid and the panel into the image and saves it to path;
  // InputError on failure.
  void save(const std::string& path);
  // Brings the image up to date with the grid and the panel, as before a write to the radio.
  void encode();
  // Saves the image as it stands, without encoding.
  void saveImage(const std::string& path);

  CCordyDoc& document() { return m_doc; }
  ChannelTable& grid() { return m_grid; }
  const ChannelTable& grid() const { return m_grid; }
  PanelSelections& panel() { return m_panel; }
  const PanelSelections& panel() const { return m_panel; }

  // Rows 1-16 and the selections from the image, headers and labels as the form writes them.
  void decode();

 private:
  CCordyDoc m_doc;
  ChannelTable m_grid;
  PanelSelections m_panel;
};

}  // namespace qm314::cli
