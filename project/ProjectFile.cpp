#include "project/ProjectFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <system_error>

#include "project/ProjectCommands.h"
#include "project/SafeWrite.h"
#include "project/Utf8.h"

namespace corvane {

namespace {

// A 16-bit count cannot describe more than kMaxTextBytes; longer texts are cut rather than let the
// count wrap, which would make every later field of the file unreadable. The windows keep every
// text within it, so this cut is a last guard only.
constexpr int kTextFieldCount = 6;
// The largest record the format can describe; nothing beyond it is ever read.
constexpr std::size_t kMaxProjectBytes = 330 + kTextFieldCount * kMaxTextBytes;
constexpr std::size_t kMaxSettingsBytes = 2 * kRecentFileCount + kRecentFileCount * kMaxTextBytes;

bool isValidUtf8(const std::string& bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t i = 0; i < bytes.size();) {
        int length = 0;
        decodeUtf8(data + i, bytes.size() - i, length);
        if (length == 0) return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

class Writer {
public:
    void u16(std::uint16_t v) {
        bytes_.push_back(static_cast<unsigned char>(v & 0xFF));
        bytes_.push_back(static_cast<unsigned char>(v >> 8));
    }
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void f32(float v) {
        const auto bits = std::bit_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<unsigned char>(bits >> (8 * i)));
    }
    void f64(double v) {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        for (int i = 0; i < 8; ++i) bytes_.push_back(static_cast<unsigned char>(bits >> (8 * i)));
    }
    template <std::size_t N>
    void f32s(const std::array<float, N>& values) {
        for (float v : values) f32(v);
    }
    void text(const std::string& utf8, bool rawWhenLossy = false) {
        std::string bytes = utf8ToCp1252(utf8);
        if (rawWhenLossy && cp1252ToUtf8(bytes) != utf8) bytes = utf8;
        if (bytes.size() > kMaxTextBytes) bytes.resize(kMaxTextBytes);
        u16(static_cast<std::uint16_t>(bytes.size()));
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    }
    std::vector<unsigned char> take() { return std::move(bytes_); }

private:
    std::vector<unsigned char> bytes_;
};

// Reads fields in order from untrusted bytes. A field whose bytes are not all there leaves its
// target untouched, and so does every field after it; a text takes whatever part of its bytes
// the data still holds.
class Reader {
public:
    Reader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

    void u16(std::uint16_t& v) {
        if (!has(2)) return;
        v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
    }
    void i16(std::int16_t& v) {
        std::uint16_t raw = 0;
        if (!has(2)) return;
        u16(raw);
        v = static_cast<std::int16_t>(raw);
    }
    void f32(float& v) {
        if (!has(4)) return;
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(data_[pos_ + i]) << (8 * i);
        v = std::bit_cast<float>(bits);
        pos_ += 4;
    }
    void f64(double& v) {
        if (!has(8)) return;
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(data_[pos_ + i]) << (8 * i);
        v = std::bit_cast<double>(bits);
        pos_ += 8;
    }
    template <std::size_t N>
    void f32s(std::array<float, N>& values) {
        for (float& v : values) f32(v);
    }
    template <std::size_t N>
    void i16s(std::array<std::int16_t, N>& values) {
        for (auto& v : values) i16(v);
    }
    void text(std::string& utf8, bool rawWhenLossy = false) {
        if (!has(2)) return;
        std::uint16_t count = 0;
        u16(count);
        const std::size_t n = std::min<std::size_t>(count, size_ - pos_);
        const std::string bytes(reinterpret_cast<const char*>(data_ + pos_), n);
        utf8 = cp1252ToUtf8(bytes);
        // Written as UTF-8 only when Windows-1252 could not hold it: such bytes are valid UTF-8 naming
        // a text that Windows-1252 cannot hold.
        if (rawWhenLossy && isValidUtf8(bytes) && cp1252ToUtf8(utf8ToCp1252(bytes)) != bytes) utf8 = bytes;
        pos_ += n;
    }

private:
    // Once one field has run past the end, nothing after it is read: a shorter field must not
    // pick up the leftover bytes of a longer one.
    bool has(std::size_t n) {
        if (size_ - pos_ < n) ended_ = true;
        return !ended_;
    }

    const unsigned char* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool ended_ = false;
};

void setError(std::string* error, const std::string& text) {
    if (error) *error = text;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Reads at most `limit` bytes from the start of the file; what lies beyond is never needed.
// Returns 0 or the errno of the failure.
int readHead(const std::string& path, std::size_t limit, std::vector<unsigned char>& bytes,
             std::string* error) {
    // Opened without waiting and read only when it is a regular file: a pipe or a device under a
    // project's name must not hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno ? errno : EIO;
        setError(error, std::generic_category().message(code));
        return code;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        const int code = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        setError(error, code == EISDIR ? std::generic_category().message(code) : "not a regular file");
        return code;
    }
    FileHandle f(::fdopen(fd, "rb"));
    if (!f) {
        const int code = errno ? errno : EIO;
        ::close(fd);
        setError(error, std::generic_category().message(code));
        return code;
    }
    bytes.assign(limit, 0);
    errno = 0;
    const std::size_t got = std::fread(bytes.data(), 1, limit, f.get());
    if (std::ferror(f.get())) {
        const int code = errno ? errno : EIO;
        setError(error, std::generic_category().message(code));
        bytes.clear();
        return code;
    }
    bytes.resize(got);
    return 0;
}

// Writes the new content over the start of the file without ever shortening it: a shorter record
// leaves the old bytes after it in place, as the format has always done. The whole file is
// replaced in one step, so a failed write leaves the old file as it was.
bool writeHead(const std::string& path, const std::vector<unsigned char>& bytes, std::string* error) {
    return writeFileSafely(path, bytes, OldTail::Keep, error);
}

}  // namespace

std::vector<unsigned char> encodeProject(const ProjectRecord& r) {
    Writer w;
    w.f32s(r.Length);
    w.f32s(r.Dial1Reading);
    w.f32s(r.Dial2Reading);
    w.f32(r.Span);
    w.f32(r.RPM);
    w.i16(r.Material);
    w.f32s(r.HotTemp);
    w.f32s(r.ColdTemp);
    w.f32(r.Reserved1);
    w.f32(r.FaceDia2);
    w.f32(r.FaceDia1);
    w.f32(r.Sag);
    for (auto s : r.Station) w.i16(s);
    w.f32s(r.FootHeight);
    w.text(r.ReservedText);
    w.text(r.Machine);
    w.text(r.Technician);
    w.text(r.Comments);
    w.text(r.M1Text);
    w.text(r.M2Text);
    w.f32s(r.Growth);
    w.f64(r.DateStamp);
    return w.take();
}

ProjectRecord decodeProject(const unsigned char* data, std::size_t size) {
    ProjectRecord r;
    Reader rd(data, size);
    rd.f32s(r.Length);
    rd.f32s(r.Dial1Reading);
    rd.f32s(r.Dial2Reading);
    rd.f32(r.Span);
    rd.f32(r.RPM);
    rd.i16(r.Material);
    rd.f32s(r.HotTemp);
    rd.f32s(r.ColdTemp);
    rd.f32(r.Reserved1);
    rd.f32(r.FaceDia2);
    rd.f32(r.FaceDia1);
    rd.f32(r.Sag);
    rd.i16s(r.Station);
    rd.f32s(r.FootHeight);
    rd.text(r.ReservedText);
    rd.text(r.Machine);
    rd.text(r.Technician);
    rd.text(r.Comments);
    rd.text(r.M1Text);
    rd.text(r.M2Text);
    rd.f32s(r.Growth);
    rd.f64(r.DateStamp);
    return r;
}

std::vector<unsigned char> encodeSettings(const std::array<std::string, kRecentFileCount>& recent) {
    Writer w;
    for (const auto& entry : recent) w.text(entry, true);
    return w.take();
}

std::array<std::string, kRecentFileCount> decodeSettings(const unsigned char* data, std::size_t size) {
    std::array<std::string, kRecentFileCount> recent;
    Reader rd(data, size);
    for (auto& entry : recent) rd.text(entry, true);
    return recent;
}

bool writeProject(const std::string& path, const ProjectRecord& record, std::string* error) {
    return writeHead(path, encodeProject(record), error);
}

bool readProject(const std::string& path, ProjectRecord& record, std::string* error,
                 std::string* implausible) {
    std::vector<unsigned char> bytes;
    if (readHead(path, kMaxProjectBytes, bytes, error) != 0) return false;
    record = decodeProject(bytes.data(), bytes.size());
    if (implausible) *implausible = implausibleProject(bytes.data(), bytes.size());
    return true;
}

std::string implausibleProject(const unsigned char* data, std::size_t size) {
    // The byte offsets of the fixed layout: the texts follow the foot heights, the growth values
    // and the date stamp follow the texts.
    constexpr std::size_t kTextsAt = 238;
    constexpr std::size_t kAfterTexts = 4 * kMethodCount * kGrowthFeet + 8;
    if (size < kTextsAt + 2) return "it ends before its texts";
    std::size_t pos = kTextsAt;
    for (int t = 0; t < kTextFieldCount; ++t) {
        if (size < pos + 2) return "its texts run past its end";
        pos += 2 + static_cast<std::size_t>(data[pos] | (data[pos + 1] << 8));
    }
    if (size < pos + kAfterTexts) return "its texts run past its end";

    const ProjectRecord r = decodeProject(data, size);
    // No dial reads, and no machine train measures, a million mils or inches: a value beyond that
    // is the bytes of something else read as a number.
    constexpr float kLargest = 1e6F;
    const auto sane = [](float v) { return std::isfinite(v) && std::fabs(v) <= kLargest; };
    for (float v : r.Dial1Reading)
        if (!sane(v)) return "it holds readings no dial gives";
    for (float v : r.Dial2Reading)
        if (!sane(v)) return "it holds readings no dial gives";
    for (float v : r.Length)
        if (!sane(v)) return "it holds lengths no machine train has";
    for (std::int16_t s : r.Station)
        if (s < -1 || s > 1) return "its stationary feet are no choice of the program";
    if (r.Material < 0 || r.Material > 3) return "its material is no choice of the program";
    if (r.DateStamp != 0 && !dateStampInRange(r.DateStamp)) return "its date stamp is no date";
    return {};
}

bool writeSettings(const std::string& path, const std::array<std::string, kRecentFileCount>& recent,
                   std::string* error) {
    return writeHead(path, encodeSettings(recent), error);
}

bool readSettings(const std::string& path, std::array<std::string, kRecentFileCount>& recent,
                  std::string* error) {
    recent = {};
    std::vector<unsigned char> bytes;
    if (const int code = readHead(path, kMaxSettingsBytes, bytes, error); code != 0) {
        // First start: the list is empty; the program writes it once it has opened a project.
        return code == ENOENT;
    }
    recent = decodeSettings(bytes.data(), bytes.size());
    return true;
}

}  // namespace corvane
