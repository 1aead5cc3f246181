#include "project/Recovery.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

#include "project/FileIdentity.h"
#include "project/ProjectFile.h"
#include "project/SafeWrite.h"

namespace corvane {

namespace {

constexpr std::string_view kHeader = "CORVANE RECOVERY 1\n";
// A copy is never larger than the largest project plus its path; anything bigger is not one.
constexpr std::uintmax_t kLargestCopy = 1u << 20;

}  // namespace

std::vector<unsigned char> encodeRecovery(const std::string& projectFile, const ProjectRecord& record) {
    std::string head(kHeader);
    head += std::to_string(projectFile.size());
    head += '\n';
    head += projectFile;
    std::vector<unsigned char> bytes(head.begin(), head.end());
    const std::vector<unsigned char> project = encodeProject(record);
    bytes.insert(bytes.end(), project.begin(), project.end());
    return bytes;
}

std::optional<RecoveryCopy> decodeRecovery(const std::vector<unsigned char>& bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!text.starts_with(kHeader)) return std::nullopt;
    std::size_t pos = kHeader.size();
    const std::size_t lineEnd = text.find('\n', pos);
    if (lineEnd == std::string_view::npos || lineEnd == pos || lineEnd - pos > 9) return std::nullopt;
    std::size_t length = 0;
    for (std::size_t i = pos; i < lineEnd; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        length = length * 10 + static_cast<std::size_t>(text[i] - '0');
    }
    pos = lineEnd + 1;
    // A copy always holds a whole record: one cut short is no copy.
    constexpr std::size_t kSmallestRecord = 330;
    if (text.size() - pos < length || text.size() - pos - length < kSmallestRecord) return std::nullopt;
    RecoveryCopy copy;
    copy.projectFile = std::string(text.substr(pos, length));
    pos += length;
    copy.record = decodeProject(bytes.data() + pos, bytes.size() - pos);
    return copy;
}

bool writeRecovery(const std::string& copyFile, const std::string& projectFile, const ProjectRecord& record,
                   std::string* error) {
    return writeFileSafely(copyFile, encodeRecovery(projectFile, record), OldTail::Discard, error,
                           WriteKind::Private);
}

std::vector<RecoveryCopy> findRecoveryCopies(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::pair<fs::file_time_type, RecoveryCopy>> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& file = it->path();
        if (file.extension() != kRecoverySuffix || !it->is_regular_file(ec)) continue;
        if (it->file_size(ec) > kLargestCopy || ec) continue;
        std::ifstream in(file, std::ios::binary);
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
        std::optional<RecoveryCopy> copy = decodeRecovery(bytes);
        if (!copy) continue;
        copy->copyFile = file.string();
        const FileIdentity made = identifyFile(copy->copyFile);
        const FileIdentity project = identifyFile(copy->projectFile);
        copy->madeSeconds = made.modifiedNs / 1000000000;
        copy->projectNewer = project.exists && project.modifiedNs > made.modifiedNs;
        found.emplace_back(it->last_write_time(ec), std::move(*copy));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<RecoveryCopy> copies;
    for (auto& entry : found) copies.push_back(std::move(entry.second));
    return copies;
}

std::string restorePrompt(const std::string& projectFile, const std::string& madeText, bool projectNewer) {
    std::string text = "Corvane closed without saving " + projectFile + ". Restore the unsaved changes?";
    if (!madeText.empty()) text += "\n\nThe changes were kept on " + madeText + ".";
    if (projectNewer)
        text +=
            "\nThe project file was saved after that: restoring puts this older work in place of what it "
            "holds now.";
    return text;
}

}  // namespace corvane
