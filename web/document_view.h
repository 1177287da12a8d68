// A document as the module's bindings hold it for one call: the image opened
// from a file's bytes and the form's texts decoded from it; and the answers
// every binding gives, {value} or {error}, which js/api.js hands on or throws.
#pragma once

#include <emscripten/val.h>

#include <string>

#include "radio/codec.h"
#include "radio/image.h"

namespace qm314::web {

struct Document {
  RadioImage image;
  ChannelTable grid;
  PanelSelections panel;
};

// The grid (with its headers and row labels) and the settings of the image.
void DecodeDocument(Document& document);

// A file's bytes opened as the program opens a file: shorter than an image is
// refused with the file's name; of a longer one the first 1024 bytes count.
bool Open(const emscripten::val& bytes, const std::string& name, Document& document, std::string& refusal);

// What Save writes: the grid and the settings encoded into the image.
emscripten::val Saved(Document& document);

// A copy of the image's bytes as a Uint8Array.
emscripten::val BytesOf(const RadioImage& image);

emscripten::val Value(const emscripten::val& value);
emscripten::val Refusal(const std::string& text);

}  // namespace qm314::web
