#include "cmdline/Arguments.h"

#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "project/ProjectFile.h"
#include "project/Utf8.h"

namespace corvane::cli {

QString argumentFromBytes(const char* bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes);
    std::size_t left = std::strlen(bytes);
    QString out;
    while (left > 0) {
        int length = 0;
        const char32_t cp = decodeUtf8(s, left, length);
        if (length == 0) {
            out += QChar(static_cast<char16_t>(0xDC00 + s[0]));
            length = 1;
        } else {
            out += QString::fromUcs4(&cp, 1);
        }
        s += length;
        left -= static_cast<std::size_t>(length);
    }
    return out;
}

QStringList argumentsFromBytes(int argc, char** argv) {
    QStringList out;
    for (int i = 0; i < argc; ++i) out << argumentFromBytes(argv[i]);
    return out;
}

std::string pathBytes(const QString& argument) {
    std::string out;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const char16_t u = argument[i].unicode();
        if (u >= 0xDC80 && u <= 0xDCFF) {
            out += static_cast<char>(u - 0xDC00);
        } else if (QChar::isHighSurrogate(u) && i + 1 < argument.size() &&
                   QChar::isLowSurrogate(argument[i + 1].unicode())) {
            appendUtf8(out, QChar::surrogateToUcs4(u, argument[i + 1].unicode()));
            ++i;
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

bool writeOutput(const std::string& text) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (std::fflush(stdout) == 0 && written && !std::ferror(stdout)) return true;
    const int code = errno ? errno : EIO;
    std::fprintf(stderr, "corvane-cli: cannot write the output: %s\n", std::strerror(code));
    return false;
}

void warnForeign(const QString& file, const std::string& why) {
    QTextStream(stderr) << "corvane-cli: " << file << ": " << kForeignFileWarning << " ("
                        << QString::fromStdString(why) << ")\n";
}

}  // namespace corvane::cli
