// A fresh directory for one test, removed with everything in it when the test ends.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

class CTempDir
{
public:
    CTempDir()
    {
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        std::random_device random;
        for (int nTry = 0; nTry < 100; ++nTry) {
            const std::filesystem::path path = base / ("korvant-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(path)) {
                m_path = path;
                return;
            }
        }
        throw std::runtime_error("cannot make a temporary directory");
    }
    ~CTempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    std::string operator/(const std::string& strName) const { return (m_path / strName).string(); }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline std::vector<char> ReadWholeFile(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteWholeFile(const std::string& strPath, const std::vector<char>& data)
{
    std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

// The first nBytes of data, or all of it where it is shorter.
inline std::vector<char> Prefix(const std::vector<char>& data, std::size_t nBytes)
{
    return {data.begin(), data.begin() + static_cast<std::ptrdiff_t>(std::min(nBytes, data.size()))};
}

// Bytes that differ from track to track and within a track, so that a track written to
// the wrong place, twice, or not at all shows in a comparison.
inline std::vector<char> PatternImage(std::size_t nBytes, unsigned nSeed = 1)
{
    std::vector<char> data(nBytes);
    unsigned x = nSeed * 2654435761u + 1;
    for (char& c : data) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 16);
    }
    return data;
}
