#include "lsp/Framing.h"

#include <cctype>
#include <charconv>

namespace zv::lsp {

namespace {

bool HeaderIs(const std::string& line, const char* name, std::string& value)
{
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) return false;
    std::string key = line.substr(0, colon);
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (key != name) return false;
    std::size_t start = colon + 1;
    while (start < line.size() && line[start] == ' ') ++start;
    value = line.substr(start);
    return true;
}

} // namespace

ReadResult ReadMessage(std::istream& in, std::string& body, std::string& error)
{
    std::string line;
    long long length = -1;
    bool any = false;
    bool bad = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) {
            if (!any) continue;  // stray blank lines between messages
            break;
        }
        any = true;
        std::string value;
        if (HeaderIs(line, "content-length", value)) {
            long long n = -1;
            const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
            if (ec != std::errc() || end != value.data() + value.size() || n < 0) bad = true;
            else length = n;
        }
    }
    if (!any) return ReadResult::End;
    if (bad || length < 0) {
        error = "a message without a valid Content-Length header";
        return ReadResult::Malformed;
    }
    body.assign(static_cast<std::size_t>(length), '\0');
    in.read(body.data(), length);
    if (in.gcount() != length) {
        error = "the stream ended inside a message";
        return ReadResult::End;
    }
    return ReadResult::Message;
}

void WriteMessage(std::ostream& out, const std::string& body)
{
    out << "Content-Length: " << body.size() << "\r\n\r\n" << body;
    out.flush();
}

} // namespace zv::lsp
