#include "contracts/Exceptions.h"
#include "contracts/MessageBox.h"

#include <cstdio>
#include <utility>

namespace {
Assertion::ReportSink g_reportSink = nullptr;
ZvMessageBoxHandler& Handler()
{
    static ZvMessageBoxHandler handler;
    return handler;
}
} // namespace

Assertion::Assertion(const std::string& file, int line, const std::string& function,
                     const std::string& expression, const std::string& kind)
    : CException(true), m_file(file), m_line(std::to_string(line)), m_expression(expression),
      m_function(function), m_kind(kind)
{
    m_callPath.push_back(FileStem(file) + "::" + function);
}

std::string Assertion::FileStem(const std::string& file)
{
    const auto slash = file.find_last_of("\\/");
    std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    // The source files all carry a four-character extension with its point.
    return name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
}

void Assertion::Rethrow(const std::string& function)
{
    m_callPath.push_back(function);
    throw this;
}

std::string Assertion::ComposeCallPath() const
{
    std::string text = "Call path was: \n";
    for (const auto& entry : m_callPath)
        text += entry + "\n";
    return text;
}

void Assertion::Report(const std::string& function)
{
    m_callPath.push_back(function);
    m_reportText = m_kind + " in function " + m_function + "() on line " + m_line + " in file " +
                   m_file + "\n" + "Assertion " + m_expression +
                   " evaluated to false but was expected to be true \n" + ComposeCallPath();
    Emit(m_reportText);
}

void UnknownError::Report(const std::string& function)
{
    m_callPath.push_back(function);
    m_reportText = "Unknown error in function " + m_function + "() on line " + m_line +
                   " in file " + m_file + "\n" + ComposeCallPath();
    Emit(m_reportText);
    ZvMessageBox(nullptr, m_reportText, "Zavora", ZvMB_OK);
}

Assertion::ReportSink Assertion::SetReportSink(ReportSink sink)
{
    return std::exchange(g_reportSink, sink);
}

void Assertion::Emit(const std::string& text)
{
    if (g_reportSink)
        g_reportSink(text);
}

int ZvMessageBox(void* owner, const std::string& text, const std::string& caption, int buttons,
                 int icon, int defaultButton)
{
    ZvMessageBoxRequest request{owner, text, caption, buttons, icon, defaultButton};
    if (Handler())
        return Handler()(request);
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    // Nobody to ask: the answer a user gets by pressing Enter.
    if (defaultButton != 0) return defaultButton;
    switch (buttons) {
    case ZvMB_YESNO:
    case ZvMB_YESNOCANCEL: return ZvIDYES;
    default: return ZvIDOK;
    }
}

ZvMessageBoxHandler ZvSetMessageBoxHandler(ZvMessageBoxHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}
