#pragma once

// Reading the sample files under tests/data, whose folder the build passes in as CORVANE_TEST_DATA.

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace corvane::test {

inline std::string DataPath(const std::string& name) {
    return std::string(CORVANE_TEST_DATA) + "/" + name;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string ReadData(const std::string& name) {
    return ReadBytes(DataPath(name));
}

} // namespace corvane::test
