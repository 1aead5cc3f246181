#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The record's ReservedText is where a job keeps what its fixed layout has no field for. It holds
// this program's own lines first, one per subject, each a mark, a version and key=value pairs:
//   CorvaneView=1;method=1;rotation=0;...
//   CorvaneFeet=1;...
// and after them, untouched, whatever another program keeps in the field. A line of ours is one
// that starts with "Corvane", a name of letters and "=".

// What follows "Mark=" on our line with this mark (the version and the pairs), or none.
std::optional<std::string_view> findReservedLine(std::string_view text, std::string_view mark);

// The field with our line for this mark set to mark + "=" + body: replaced where it stands, or
// added after our other lines; an empty body removes the line. Another program's text is kept.
std::string putReservedLine(std::string_view text, std::string_view mark, std::string_view body);

// Another program's part of the field: everything after our own lines.
std::string_view foreignReservedText(std::string_view text);

// Reads "version;key=value;key=value" in order: the version first (it must equal `version`, since
// a later version may mean something else by the same keys), then each pair. Pairs without "="
// are skipped. False when the version is missing or another.
template <typename OnPair>
bool readReservedPairs(std::string_view body, int version, OnPair onPair);

// A whole number in [low, high] written in plain digits, or none.
std::optional<int> readReservedInt(std::string_view text, int low, int high);
// A finite decimal number as written by writeReservedNumber, or none.
std::optional<double> readReservedNumber(std::string_view text);
// The shortest text that reads back as exactly this value ("0.5", "-12.25", "1e-07").
std::string writeReservedNumber(double value);

template <typename OnPair>
bool readReservedPairs(std::string_view body, int version, OnPair onPair) {
    const std::size_t first = body.find(';');
    if (readReservedInt(body.substr(0, first), 0, 999) != version) return false;
    body = first == std::string_view::npos ? std::string_view{} : body.substr(first + 1);
    while (!body.empty()) {
        const std::size_t end = body.find(';');
        const std::string_view pair = body.substr(0, end);
        body = end == std::string_view::npos ? std::string_view{} : body.substr(end + 1);
        const std::size_t eq = pair.find('=');
        if (eq != std::string_view::npos) onPair(pair.substr(0, eq), pair.substr(eq + 1));
    }
    return true;
}

}  // namespace corvane
