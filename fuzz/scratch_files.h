// A scratch folder for targets that go through real files, made once per process
// and removed at exit; on /dev/shm when there is one, to keep the fuzzer fast.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qm314::fuzz {

// The path of `name` inside this process's scratch folder.
std::string ScratchPath(const std::string& name);

void WriteBytes(const std::string& path, const std::uint8_t* data, std::size_t size);
// The file's bytes; nothing when it does not exist.
bool ReadBytes(const std::string& path, std::vector<std::uint8_t>& bytes);
bool Exists(const std::string& path);
void Remove(const std::string& path);

}  // namespace qm314::fuzz
