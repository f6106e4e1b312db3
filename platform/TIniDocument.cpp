#include "platform/TIniDocument.h"

#include <algorithm>

#include "platform/CaseFold.h"

namespace qv {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view Trim(std::string_view s) {
    s = TrimLeft(s);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view FirstLine(std::string_view s) { return s.substr(0, s.find_first_of("\r\n")); }

bool SectionName(std::string_view line, std::string_view& name) {
    const std::string_view t = TrimLeft(line);
    const size_t close = t.rfind(']');
    if (t.empty() || t.front() != '[' || close == std::string_view::npos || close == 0) return false;
    name = Trim(t.substr(1, close - 1));
    return true;
}

bool KeyName(std::string_view line, std::string_view& name, size_t& valueStart) {
    const std::string_view t = TrimLeft(line);
    const size_t equals = line.find('=');
    if (t.empty() || t.front() == ';' || t.front() == '[' || equals == std::string_view::npos) return false;
    name = Trim(line.substr(0, equals));
    valueStart = equals + 1;
    return true;
}

bool SameName(std::string_view a, std::string_view b) { return SameTextIgnoreCase(Trim(a), Trim(b)); }

void AddOnce(std::vector<std::string>& names, std::string_view name) {
    if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return SameName(n, name); }))
        names.emplace_back(name);
}

}  // namespace

void TIniDocument::Parse(const uint8_t* data, size_t size) {
    FLines.clear();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        TBreak kind = TBreak::None;
        size_t next = end;
        if (end < text.size() && text[end] == '\n') {
            kind = TBreak::Lf;
            next = end + 1;
        } else if (end < text.size()) {
            const bool crlf = end + 1 < text.size() && text[end + 1] == '\n';
            kind = crlf ? TBreak::CrLf : TBreak::Cr;
            next = end + (crlf ? 2 : 1);
        }
        FLines.push_back({std::string(text.substr(start, end - start)), kind});
        start = next;
    }
}

Bytes TIniDocument::ToBytes() const {
    static const char* const kBreaks[] = {"", "\r\n", "\n", "\r"};
    std::string text;
    for (const TLine& line : FLines) {
        text += line.FText;
        text += kBreaks[static_cast<size_t>(line.FBreak)];
    }
    return Bytes(text.begin(), text.end());
}

bool TIniDocument::FindSection(std::string_view section, TSpan& span) const {
    std::string_view name;
    size_t i = 0;
    while (i < FLines.size() && !(SectionName(FLines[i].FText, name) && SameName(name, section))) ++i;
    if (i == FLines.size()) return false;
    span.FHeader = i;
    for (++i; i < FLines.size() && !SectionName(FLines[i].FText, name);) ++i;
    span.FEnd = i;
    return true;
}

size_t TIniDocument::FindKey(const TSpan& span, std::string_view key) const {
    std::string_view name;
    size_t valueStart = 0;
    for (size_t i = span.FHeader + 1; i < span.FEnd; ++i)
        if (KeyName(FLines[i].FText, name, valueStart) && SameName(name, key)) return i;
    return FLines.size();
}

bool TIniDocument::ReadValue(std::string_view section, std::string_view key, std::string& value) const {
    TSpan span{};
    if (!FindSection(section, span)) return false;
    const size_t at = FindKey(span, key);
    if (at == FLines.size()) return false;
    std::string_view name;
    size_t valueStart = 0;
    KeyName(FLines[at].FText, name, valueStart);
    value = FLines[at].FText.substr(valueStart);
    return true;
}

void TIniDocument::InsertLine(size_t at, std::string text) {
    if (at > 0 && FLines[at - 1].FBreak == TBreak::None) FLines[at - 1].FBreak = TBreak::CrLf;
    FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(at), TLine{std::move(text), TBreak::CrLf});
}

void TIniDocument::WriteValue(std::string_view section, std::string_view key, std::string_view value) {
    section = FirstLine(section);
    key = FirstLine(key);
    value = FirstLine(value);
    TSpan span{};
    if (!FindSection(section, span)) {
        InsertLine(FLines.size(), "[" + std::string(section) + "]");
        InsertLine(FLines.size(), std::string(key) + "=" + std::string(value));
        return;
    }
    const size_t at = FindKey(span, key);
    std::string_view name;
    size_t valueStart = 0;
    if (at < FLines.size()) {
        KeyName(FLines[at].FText, name, valueStart);
        FLines[at].FText.replace(valueStart, std::string::npos, value);
        return;
    }
    // After the section's last key, so that comments and blank lines before the next section
    // stay where they are.
    size_t after = span.FHeader;
    for (size_t i = span.FHeader + 1; i < span.FEnd; ++i)
        if (KeyName(FLines[i].FText, name, valueStart)) after = i;
    InsertLine(after + 1, std::string(key) + "=" + std::string(value));
}

bool TIniDocument::DeleteKey(std::string_view section, std::string_view key) {
    TSpan span{};
    if (!FindSection(section, span)) return false;
    bool removed = false;
    for (size_t at = FindKey(span, key); at < span.FEnd; at = FindKey(span, key)) {
        FLines.erase(FLines.begin() + static_cast<std::ptrdiff_t>(at));
        --span.FEnd;
        removed = true;
    }
    return removed;
}

bool TIniDocument::EraseSection(std::string_view section) {
    bool removed = false;
    for (TSpan span{}; FindSection(section, span); removed = true)
        FLines.erase(FLines.begin() + static_cast<std::ptrdiff_t>(span.FHeader),
                     FLines.begin() + static_cast<std::ptrdiff_t>(span.FEnd));
    return removed;
}

bool TIniDocument::SectionExists(std::string_view section) const {
    TSpan span{};
    return FindSection(section, span);
}

std::vector<std::string> TIniDocument::SectionNames() const {
    std::vector<std::string> names;
    std::string_view name;
    for (const TLine& line : FLines)
        if (SectionName(line.FText, name)) AddOnce(names, name);
    return names;
}

std::vector<std::string> TIniDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    TSpan span{};
    if (!FindSection(section, span)) return names;
    std::string_view name;
    size_t valueStart = 0;
    for (size_t i = span.FHeader + 1; i < span.FEnd; ++i)
        if (KeyName(FLines[i].FText, name, valueStart)) AddOnce(names, name);
    return names;
}

}  // namespace qv
