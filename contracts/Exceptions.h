#pragma once
// Exceptions of the plug-in. Everything is thrown and caught by pointer; each
// method on the way out adds its name to the call path, and the outermost
// entry point reports once.
#include <string>
#include <vector>

class CException {
public:
    explicit CException(bool bAutoDelete = true) : m_bAutoDelete(bAutoDelete) {}
    virtual ~CException() = default;
    // Frees an exception object after it has been handled.
    void Delete() { if (m_bAutoDelete) delete this; }

private:
    bool m_bAutoDelete;
};

class Assertion : public CException {
public:
    Assertion(const std::string& file, int line, const std::string& function,
              const std::string& expression, const std::string& kind);

    [[noreturn]] void Rethrow(const std::string& function);
    virtual void Report(const std::string& function);

    const std::string& GetFile() const { return m_file; }
    const std::string& GetLine() const { return m_line; }
    const std::string& GetExpression() const { return m_expression; }
    const std::string& GetFunction() const { return m_function; }
    const std::string& GetKind() const { return m_kind; }
    const std::vector<std::string>& GetCallPath() const { return m_callPath; }
    // The text composed by the last Report.
    const std::string& GetReportText() const { return m_reportText; }

    // The part of a path behind its last '\' or '/', less its extension.
    static std::string FileStem(const std::string& file);

    // Where composed reports go; none shows anything to the user. The command
    // line prints them, tests read them. Returns the previous sink.
    using ReportSink = void (*)(const std::string& text);
    static ReportSink SetReportSink(ReportSink sink);

protected:
    std::string ComposeCallPath() const;
    static void Emit(const std::string& text);

    std::string m_file;
    std::string m_line;
    std::string m_expression;
    std::string m_function;
    std::string m_kind;
    std::vector<std::string> m_callPath;
    std::string m_reportText;
};

class PreCondException : public Assertion {
public:
    PreCondException(const std::string& file, int line, const std::string& function,
                     const std::string& expression)
        : Assertion(file, line, function, expression, "Precondition violation") {}
};

class PostCondException : public Assertion {
public:
    PostCondException(const std::string& file, int line, const std::string& function,
                      const std::string& expression)
        : Assertion(file, line, function, expression, "Postcondition violation") {}
};

class UnknownError : public Assertion {
public:
    UnknownError(const std::string& file, int line, const std::string& function)
        : Assertion(file, line, function, "", "Unknown error") {}
    // Composes its own text and shows it in a message box captioned "Zavora".
    void Report(const std::string& function) override;
};

// Ends a parse that the user cancelled; carries nothing and is never reported.
class CCancelParseException : public CException {
public:
    CCancelParseException() : CException(true) {}
};
