#pragma once
namespace zv::lsp {
inline constexpr const char* kZavoraLspVersion = "0.1";
} // namespace zv::lsp
