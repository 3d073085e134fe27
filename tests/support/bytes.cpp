#include "support/bytes.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tulvane::test {

Bytes bytes(std::initializer_list<int> values)
{
    Bytes out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

Bytes bytesOf(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

Bytes filled(std::size_t count, std::uint8_t value)
{
    return Bytes(count, value);
}

void put(Bytes& b, std::size_t offset, const Bytes& what)
{
    if (b.size() < offset + what.size())
        b.resize(offset + what.size());
    std::copy(what.begin(), what.end(), b.begin() + static_cast<std::ptrdiff_t>(offset));
}

void writeFile(const std::filesystem::path& path, const Bytes& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

Bytes readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tulvane::test
