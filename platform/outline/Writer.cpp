#include "platform/outline/Writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/outline/Encoding.h"

namespace zv::outline {

namespace {

class Emitter {
public:
    Emitter(const Outline& outline, Layout layout)
        : m_outline(outline), m_file(outline.files[0]), m_layout(layout)
    {
        m_out.reserve(1 << 16);
    }

    std::string Run()
    {
        if (m_outline.root < 0) return {};
        // Iterative pre-order walk: outlines may be deep.
        const std::int32_t top = m_outline.root;
        std::int32_t i = top;
        int depth = 0;
        while (i >= 0) {
            const Item& item = m_outline.items[i];
            const bool own = item.alive && item.file == 0;
            if (own) Emit(item, depth);
            // descend only into own items (library subtrees are not written)
            if (own && item.firstChild >= 0) {
                i = item.firstChild;
                ++depth;
                continue;
            }
            while (i >= 0 && i != top && m_outline.items[i].next < 0) {
                i = m_outline.items[i].parent;
                --depth;
            }
            if (i < 0 || i == top) break;
            i = m_outline.items[i].next;
        }
        // The last line end is written only when the file had one.
        if (!m_file.trailer.empty()) {
            m_out += m_file.trailer;
        } else if (!m_file.finalEol && !m_out.empty()) {
            if (m_out.back() == '\n') m_out.pop_back();
            if (!m_out.empty() && m_out.back() == '\r') m_out.pop_back();
        }
        return std::move(m_out);
    }

private:
    bool HasOwnChildren(const Item& item) const
    {
        for (std::int32_t c = item.firstChild; c >= 0; c = m_outline.items[c].next)
            if (m_outline.items[c].alive && m_outline.items[c].file == 0) return true;
        return false;
    }

    void Eol(std::uint32_t physicalLine, bool inner = false)
    {
        bool crlf = inner ? m_file.innerCrlf : m_file.crlf;
        if (!m_file.eolByLine.empty() && physicalLine > 0 && physicalLine <= m_file.eolByLine.size())
            crlf = m_file.eolByLine[physicalLine - 1] != 0;
        m_out += crlf ? "\r\n" : "\n";
    }

    void Emit(const Item& item, int depth)
    {
        std::uint32_t physical = item.lineNo;
        auto nextPhysical = [&] { return physical ? physical++ : 0; };
        std::string_view text = item.line;
        std::size_t nl = text.find('\n');
        std::string_view first = text.substr(0, nl);
        if (m_layout == Layout::Header) {
            char mark = item.mark;
            if (item.childrenEdited || (mark != '+' && mark != '-'))
                mark = HasOwnChildren(item) ? '+' : '-';
            m_out += ".head ";
            m_out += std::to_string(depth);
            m_out += ' ';
            m_out += mark;
            m_out.append(item.sep, ' ');
        } else {
            m_out.append(static_cast<std::size_t>(depth), '\t');
        }
        m_out.append(first);
        Eol(nextPhysical(), nl != std::string_view::npos);
        while (nl != std::string_view::npos) {
            text.remove_prefix(nl + 1);
            nl = text.find('\n');
            if (m_layout == Layout::Indented) m_out.append(static_cast<std::size_t>(depth + 2), '\t');
            m_out.append(text.substr(0, nl));
            Eol(nextPhysical(), nl != std::string_view::npos);
        }
        if (item.data) {
            std::string_view data = *item.data;
            for (;;) {
                const std::size_t end = data.find('\n');
                m_out.append(data.substr(0, end));
                Eol(nextPhysical());
                if (end == std::string_view::npos) break;
                data.remove_prefix(end + 1);
            }
        }
    }

    const Outline& m_outline;
    const SourceFile& m_file;
    Layout m_layout;
    std::string m_out;
};

} // namespace

std::string SerializeProgram(const Outline& outline, Layout layout, Encoding encoding)
{
    Emitter emitter(outline, layout);
    return EncodeText(emitter.Run(), encoding, outline.files.empty() ? "" : outline.files[0].path);
}

void SaveProgram(const Outline& outline, const std::string& path)
{
    if (outline.files.empty()) throw CGKitError(path + ": nothing to save");
    const SourceFile& file = outline.files[0];
    // Encode first: a text that cannot be written leaves the target untouched.
    const std::string bytes = SerializeProgram(outline, file.layout, file.encoding);

    std::string tmpl = path + ".zvtmp-XXXXXX";
    const int fd = mkstemp(tmpl.data());
    if (fd < 0) throw CGKitError(path + ": cannot create a temporary file: " + std::strerror(errno));
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) fchmod(fd, st.st_mode & 07777);
    else fchmod(fd, 0644);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            const std::string why = std::strerror(errno);
            close(fd);
            unlink(tmpl.c_str());
            throw CGKitError(path + ": cannot write: " + why);
        }
        done += static_cast<std::size_t>(n);
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        const std::string why = std::strerror(errno);
        unlink(tmpl.c_str());
        throw CGKitError(path + ": cannot write: " + why);
    }
    if (std::rename(tmpl.c_str(), path.c_str()) != 0) {
        const std::string why = std::strerror(errno);
        unlink(tmpl.c_str());
        throw CGKitError(path + ": cannot replace the file: " + why);
    }
}

} // namespace zv::outline
