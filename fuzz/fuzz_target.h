// What every fuzz target provides, and the check that turns a broken promise
// into a crash the fuzzer (or the corpus replay) reports.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace qm314::fuzz {

[[noreturn]] inline void Broken(const char* promise, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: broken promise: %s\n", file, line, promise);
  std::abort();
}

}  // namespace qm314::fuzz

#define QM314_FUZZ_CHECK(condition) \
  ((condition) ? void(0) : ::qm314::fuzz::Broken(#condition, __FILE__, __LINE__))
