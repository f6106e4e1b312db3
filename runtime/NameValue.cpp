#include "runtime/NameValue.h"

namespace qv {
namespace {

template <class String>
void Split(const String& line, String& name, String& value) {
    const typename String::size_type at = line.find(typename String::value_type('='));
    if (at == String::npos) {
        name.clear();
        value.clear();
        return;
    }
    name = line.substr(0, at);
    value = line.substr(at + 1);
}

}  // namespace

void SplitNameValue(const std::string& line, std::string& name, std::string& value) { Split(line, name, value); }

void SplitNameValueW(const std::u16string& line, std::u16string& name, std::u16string& value) {
    Split(line, name, value);
}

}  // namespace qv
