#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

// A fresh directory under the system's temporary directory, removed with
// everything in it when the test ends.
class TempDir {
public:
    TempDir() {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() /
                 ("dish-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string str() const { return m_path.string(); }

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(m_path / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(m_path / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path m_path;
};

// Makes `directory` the process's working directory for as long as it lives,
// and goes back to the one before, also when a test fails or throws.
class InWorkingDirectory {
public:
    explicit InWorkingDirectory(const std::filesystem::path& directory)
        : m_previous(std::filesystem::current_path()) {
        std::filesystem::current_path(directory);
    }
    ~InWorkingDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(m_previous, ignored);
    }
    InWorkingDirectory(const InWorkingDirectory&) = delete;
    InWorkingDirectory& operator=(const InWorkingDirectory&) = delete;

private:
    std::filesystem::path m_previous;
};
