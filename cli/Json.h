#pragma once

#include <string>

// The few JSON pieces corvane-cli writes by hand: QJsonObject would sort the keys and print a
// float with the digits of a double.
namespace corvane::cli {

// The shortest text that reads back to the same value (a float as a float: 0.1, not
// 0.100000001490116). JSON has no NaN or infinity: they are written as the strings "NaN",
// "Infinity" and "-Infinity" so that a stored value still shows.
std::string jsonNumber(float value);
std::string jsonNumber(double value);

// A quoted JSON string of UTF-8 text, control characters escaped.
std::string jsonString(const std::string& utf8);

}  // namespace corvane::cli
