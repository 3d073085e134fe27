#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace tulvane::test {

using Bytes = std::vector<std::uint8_t>;

Bytes bytes(std::initializer_list<int> values);
Bytes bytesOf(std::string_view text);
Bytes filled(std::size_t count, std::uint8_t value = 0);

// b places `what` at `offset`, growing the buffer as needed.
void put(Bytes& b, std::size_t offset, const Bytes& what);

void writeFile(const std::filesystem::path& path, const Bytes& content);
Bytes readFile(const std::filesystem::path& path);

}  // namespace tulvane::test
