#pragma once
// One command-line run: the program loaded with its libraries as the host's
// current outline, the engine started without windows, the program parsed,
// and SYMBOL arguments resolved to declarations.
#include <string>
#include <vector>

#include "cli/Options.h"
#include "contracts/SalLanguage.h"

class CliSession {
public:
    // Loads and parses; false with the error printed on stderr.
    bool Open(const CliOptions& options);
    ~CliSession();

    HOUTLINE Outline() const { return m_hOutline; }
    const std::string& File() const { return m_file; }

    // SYMBOL: a name path ("frmOrders::dfCustomer") or a bare name when it is
    // unique; built-ins of the SAL context are found by name too. Null with
    // the reason (the candidates of an ambiguous name) printed on stderr.
    CSalSymbol* Resolve(const std::string& text);

    // The name path of an item's symbol, or of the symbol whose code holds it.
    static std::string PathOf(const CGItem& item);
    static std::string ContextOf(const CGItem& item);
    static std::string Location(const CGItem& item);
    // The whole line as the editor shows it, first physical line only.
    static std::string LineOf(const CGItem& item);

private:
    HOUTLINE m_hOutline = 0;
    std::string m_file;
};
