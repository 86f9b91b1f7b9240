#include "platform/language/Scanner.h"

namespace zv::lang {

namespace {

int PlainStringEnd(std::string_view text, int pos, bool escapes)
{
    const char quote = text[static_cast<std::size_t>(pos)];
    const int n = static_cast<int>(text.size());
    for (int i = pos + 1; i < n; ++i) {
        const char c = text[static_cast<std::size_t>(i)];
        if (escapes && c == '\\' && i + 1 < n) {
            ++i;
            continue;
        }
        if (c == quote) return i + 1;
    }
    return -1;
}

bool EqualsWord(std::string_view text, const char* word)
{
    std::size_t i = 0;
    for (; word[i]; ++i) {
        if (i >= text.size()) return false;
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != word[i]) return false;
    }
    return i == text.size();
}

} // namespace

int StringEnd(std::string_view text, int pos, bool* unterminated)
{
    int end = PlainStringEnd(text, pos, true);
    if (end < 0) end = PlainStringEnd(text, pos, false);
    *unterminated = end < 0;
    return end < 0 ? static_cast<int>(text.size()) : end;
}

} // namespace zv::lang

void CSalScanner::Scan(std::string_view text, std::vector<SalToken>& out)
{
    using namespace zv::lang;
    out.clear();
    const int n = static_cast<int>(text.size());
    int i = 0;
    auto at = [&](int k) { return k < n ? text[static_cast<std::size_t>(k)] : '\0'; };
    while (i < n) {
        const char c = at(i);
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            ++i;
            continue;
        }
        // '!' outside a string comments out the rest of the line; "!=" is the operator.
        if (c == '!' && at(i + 1) != '=') {
            const std::size_t eol = text.find('\n', static_cast<std::size_t>(i));
            i = eol == std::string_view::npos ? n : static_cast<int>(eol);
            continue;
        }
        SalToken t{SalTok::Other, false, i, 1};
        if (IdentStartLen(text, static_cast<std::size_t>(i))) {
            t.len = static_cast<int>(IdentLength(text, static_cast<std::size_t>(i)));
            const std::string_view word = text.substr(static_cast<std::size_t>(i),
                                                      static_cast<std::size_t>(t.len));
            t.kind = SalTok::Ident;
            if (t.len <= 3) {
                if (EqualsWord(word, "AND")) t.kind = SalTok::And;
                else if (EqualsWord(word, "OR")) t.kind = SalTok::Or;
                else if (EqualsWord(word, "NOT")) t.kind = SalTok::Not;
            }
        } else if ((c >= '0' && c <= '9') || (c == '.' && at(i + 1) >= '0' && at(i + 1) <= '9')) {
            int j = i;
            while (j < n && ((at(j) >= '0' && at(j) <= '9') || at(j) == '.')) ++j;
            // An exponent, and identifier characters glued to a number, stay in it.
            j += static_cast<int>(IdentLength(text, static_cast<std::size_t>(j)));
            t.kind = SalTok::Number;
            t.len = j - i;
        } else if (c == '\'' || c == '"') {
            bool unterminated = false;
            const int end = StringEnd(text, i, &unterminated);
            t.kind = SalTok::String;
            t.unterminated = unterminated;
            t.len = end - i;
        } else {
            const char d = at(i + 1);
            switch (c) {
            case '(': t.kind = SalTok::LParen; break;
            case ')': t.kind = SalTok::RParen; break;
            case '[': t.kind = SalTok::LBracket; break;
            case ']': t.kind = SalTok::RBracket; break;
            case ',': t.kind = SalTok::Comma; break;
            case ':': t.kind = SalTok::Colon; break;
            case '.':
                t.kind = d == '.' ? SalTok::DotDot : SalTok::Dot;
                t.len = d == '.' ? 2 : 1;
                break;
            case '|':
                t.kind = SalTok::Operator;
                t.len = d == '|' ? 2 : 1;
                break;
            case '<':
                t.kind = SalTok::Operator;
                t.len = (d == '=' || d == '>') ? 2 : 1;
                break;
            case '>':
            case '!':
                t.kind = SalTok::Operator;
                t.len = d == '=' ? 2 : 1;
                break;
            case '+': case '-': case '*': case '/': case '=': case '&':
                t.kind = SalTok::Operator;
                break;
            default:
                break;
            }
        }
        out.push_back(t);
        i += t.len;
    }
}
