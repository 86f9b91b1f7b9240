#pragma once
// Temporary folders and files for tests that need outlines of their own.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "contracts/OutlineKit.h"

namespace zvtest {

inline std::string Fixture(const std::string& name) { return std::string(ZV_FIXTURES_DIR) + "/" + name; }

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class TempDir {
public:
    TempDir()
    {
        std::random_device rd;
        m_path = std::filesystem::temp_directory_path() / ("zvtest-" + std::to_string(rd()));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }
    std::string Path(const std::string& name) const { return (m_path / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const auto p = m_path / name;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }
    std::string Copy(const std::string& fixture, const std::string& name) const
    {
        return Write(name, ReadBytes(Fixture(fixture)));
    }

private:
    std::filesystem::path m_path;
};

// CR LF joined header-layout text from lines written with '\n'.
inline std::string Crlf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// The first item (outline order) whose whole line starts with `prefix`.
inline CGItem FindItem(HOUTLINE hOutline, const std::string& prefix)
{
    CGApplication app(hOutline);
    std::vector<HITEM> stack{app.GetItem()};
    while (!stack.empty()) {
        const HITEM h = stack.back();
        stack.pop_back();
        CGItem item(hOutline, h);
        if (item.GetTitle(0).rfind(prefix, 0) == 0) return item;
        std::vector<HITEM> children;
        for (HITEM c = item.GetFirstChild(); c; c = CGItem(hOutline, c).GetNextSibling()) children.push_back(c);
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
    return CGItem(hOutline, 0);
}

} // namespace zvtest
