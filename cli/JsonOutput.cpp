#include "cli/JsonOutput.h"

#include <cstdio>

namespace {

void Write(std::string& out, const JsonDocument& value, int depth)
{
    if (value.is_object()) {
        out += '{';
        const char* separator = "";
        for (const auto& member : value.items()) {
            out += separator;
            out += JsonText(member.key());
            out += ": ";
            Write(out, member.value(), depth + 1);
            separator = ", ";
        }
        out += '}';
    } else if (value.is_array()) {
        const bool records = depth == 1 && !value.empty() && value.front().is_object();
        out += '[';
        const char* separator = "";
        for (const JsonDocument& element : value) {
            out += separator;
            if (records) out += "\n  ";
            Write(out, element, depth + 1);
            separator = records ? "," : ", ";
        }
        if (records) out += '\n';
        out += ']';
    } else {
        out += JsonText(value);
    }
}

} // namespace

std::string JsonText(const JsonDocument& value)
{
    return value.dump(-1, ' ', false, JsonDocument::error_handler_t::replace);
}

void PrintJson(const JsonDocument& document)
{
    std::string out;
    Write(out, document, 0);
    out += '\n';
    std::fwrite(out.data(), 1, out.size(), stdout);
}
