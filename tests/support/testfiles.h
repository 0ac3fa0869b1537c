#pragma once

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

// Whole files as bytes, and documents written as CR LF lines, for tests of every area.
namespace testfiles {

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

// A test data file below tests/<area>/data.
inline std::string readData(const std::string& name) {
    return readFile(std::string(DORVA_TEST_DATA) + "/" + name);
}

// The lines joined, each followed by CR LF.
inline std::string crlf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

} // namespace testfiles
