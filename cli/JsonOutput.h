#pragma once
// The --json answers of the commands, built with nlohmann's ordered_json so
// that keys come out in the order they are set.
#include <string>

#include <nlohmann/json.hpp>

using JsonDocument = nlohmann::ordered_json;

// A scalar or a whole value on one line, quoted and escaped; text that is not
// valid UTF-8 is written with U+FFFD in place of the bad bytes, never refused.
std::string JsonText(const JsonDocument& value);

// Prints a document and a newline: on one line, with ", " and ": " between
// items, except that each record of a top-level list stands on its own line,
// so that long answers read and grep record by record.
void PrintJson(const JsonDocument& document);
