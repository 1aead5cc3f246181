// A built program run as a shell runs it, from a test with a fresh folder of its own.

#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <ostream>
#include <random>
#include <string>

namespace corvane {

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
    bool operator==(const ProgramRun&) const = default;
    friend void PrintTo(const ProgramRun& r, std::ostream* os) {
        *os << "exit " << r.exitCode << ", out \"" << r.out << "\", err \"" << r.err << '"';
    }
};

inline std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The program's exit code from a std::system status; -1 when it did not exit by itself.
inline int exitCodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

class FolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("corvane-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                   std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // Runs a shell command line with no input; its output and errors are captured in the folder.
    ProgramRun runCommand(const std::string& command) const {
        const std::filesystem::path out = folder_ / "stdout", err = folder_ / "stderr";
        const std::string full = command + " >'" + out.string() + "' 2>'" + err.string() + "' </dev/null";
        return {exitCodeOf(std::system(full.c_str())), readText(out), readText(err)};
    }
    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    std::string quoted(const std::string& name) const { return "'" + path(name) + "'"; }
    long filesInFolder() const { return std::distance(std::filesystem::directory_iterator(folder_), {}); }

    // Whether `text` holds each of `parts`, in this order; the text is shown when it does not.
    static ::testing::AssertionResult holds(const std::string& text,
                                            std::initializer_list<std::string> parts) {
        std::size_t at = 0;
        for (const std::string& part : parts)
            if ((at = text.find(part, at)) == std::string::npos)
                return ::testing::AssertionFailure() << "no \"" << part << "\" (in this order) in:\n" << text;
        return ::testing::AssertionSuccess();
    }

    std::filesystem::path folder_;
};

}  // namespace corvane
