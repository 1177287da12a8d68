// Decode and encode of one full image: what every open, save, read and write costs.
#include <benchmark/benchmark.h>

#include "radio/codec.h"
#include "radio/default_image.h"

namespace qm314 {
namespace {

// An image with all 16 channels in use and a mix of tones and codes, so every
// branch of the codec runs.
RadioImage BusyImage() {
  RadioImage image = DefaultImage();
  ChannelTable table;
  const char* tones[] = {"Off", "05", "69.3", "D023N", "D754I", "38", "254.1", "12"};
  for (int row = 1; row <= 16; ++row) {
    table.setText(row, 1, "0" + std::to_string((row - 1) % 8 + 1));
    table.setText(row, 2, tones[row % 8]);
    table.setText(row, 3, row % 3 == 0 ? "Carrier" : "QT/DQT");
    table.setText(row, 4, row % 2 == 0 ? "Add" : "Delete");
  }
  Encode(table, PanelSelections{3, 1, 4, 6, 3, 0, 0}, image);
  return image;
}

void BM_Decode(benchmark::State& state) {
  const RadioImage image = BusyImage();
  ChannelTable table;
  PanelSelections panel;
  for (auto _ : state) {
    Decode(image, table, panel);
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_Decode);

void BM_Encode(benchmark::State& state) {
  RadioImage image = BusyImage();
  ChannelTable table;
  PanelSelections panel;
  Decode(image, table, panel);
  for (auto _ : state) {
    Encode(table, panel, image);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_Encode);

}  // namespace
}  // namespace qm314
