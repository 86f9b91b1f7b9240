#pragma once
// The subcommands of zavora-xref. Each takes the words after its name and
// returns the exit code: 0 success, 1 findings where asked, 2 errors.
#include <string>
#include <vector>

int RunOutlineCommand(const std::vector<std::string>& args);
int RunParseCommand(const std::vector<std::string>& args);
int RunRefsCommand(const std::vector<std::string>& args);
int RunCallersCommand(const std::vector<std::string>& args);
int RunCalleesCommand(const std::vector<std::string>& args);
int RunBasesCommand(const std::vector<std::string>& args);
int RunSubclassesCommand(const std::vector<std::string>& args);
int RunUnrefCommand(const std::vector<std::string>& args);
int RunRenameCommand(const std::vector<std::string>& args);
int RunGraphCommand(const std::vector<std::string>& args);
