// The image a new document starts from.
#pragma once

#include "radio/image.h"

namespace qm314 {

// Overwrites every byte of image with the default image.
void WriteDefaultImage(RadioImage& image);

RadioImage DefaultImage();

}  // namespace qm314
