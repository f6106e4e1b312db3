#include "common/TVersionBlock.h"

#include <algorithm>
#include <utility>

#include "platform/CaseFold.h"
#include "platform/CodePage.h"

namespace qv {
namespace {

// Real blocks nest four deep (root, StringFileInfo, string table, string).
constexpr int kMaxDepth = 8;
constexpr size_t kHeaderSize = 6;

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// Offsets are aligned from the block's start: a resource's data always starts on 4 bytes.
size_t Align4(size_t offset) { return (offset + 3) & ~size_t{3}; }

}  // namespace

bool TVersionBlock::ParseNode(const uint8_t* data, size_t begin, size_t limit, int depth, TNode& node,
                              size_t& length) {
    if (depth > kMaxDepth || limit - begin < kHeaderSize) return false;
    length = Le16(data + begin);
    const uint16_t valueLength = Le16(data + begin + 2);
    node.FType = Le16(data + begin + 4);
    if (length < kHeaderSize || length > limit - begin) return false;
    const size_t end = begin + length;

    size_t keyEnd = begin + kHeaderSize;
    while (keyEnd + 2 <= end && Le16(data + keyEnd) != 0) keyEnd += 2;
    if (keyEnd + 2 > end) return false;  // no terminating zero inside the entry
    node.FKey = Utf16LEToUnicode(data + begin + kHeaderSize, keyEnd - begin - kHeaderSize);

    size_t pos = std::min(Align4(keyEnd + 2), end);
    size_t valueBytes = node.FType == 1 ? size_t{valueLength} * 2 : valueLength;
    if (valueBytes > end - pos) {
        // Some writers count a text value in bytes, not units: it still ends with its entry.
        if (node.FType != 1) return false;
        valueBytes = end - pos;
    }
    node.FValue.assign(data + pos, data + pos + valueBytes);

    for (pos = Align4(pos + valueBytes); pos < end && end - pos >= kHeaderSize;) {
        if (Le16(data + pos) == 0) break;  // zero padding after the last child
        TNode child;
        size_t childLength = 0;
        if (!ParseNode(data, pos, end, depth + 1, child, childLength)) return false;
        node.FChildren.push_back(std::move(child));
        pos = Align4(pos + childLength);
    }
    return true;
}

bool TVersionBlock::Parse(const uint8_t* data, size_t size) {
    FRoot = TNode();
    size_t length = 0;
    FValid = data && ParseNode(data, 0, size, 0, FRoot, length) && FRoot.FKey == u"VS_VERSION_INFO";
    if (!FValid) FRoot = TNode();
    return FValid;
}

const TVersionBlock::TNode* TVersionBlock::Find(std::string_view path) const {
    if (!FValid) return nullptr;
    const TNode* node = &FRoot;
    while (!path.empty()) {
        const size_t slash = path.find('\\');
        const std::u16string key = Utf8ToUnicode(path.substr(0, slash));
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
        if (key.empty()) continue;
        const TNode* next = nullptr;
        for (const TNode& child : node->FChildren) {
            if (SameTextIgnoreCase(child.FKey, key)) {
                next = &child;
                break;
            }
        }
        if (!next) return nullptr;
        node = next;
    }
    return node;
}

bool TVersionBlock::QueryValue(std::string_view path, Bytes& value) const {
    const TNode* node = Find(path);
    if (node) value = node->FValue;
    return node != nullptr;
}

bool TVersionBlock::QueryString(std::string_view path, std::u16string& text) const {
    const TNode* node = Find(path);
    if (!node) return false;
    text = Utf16LEToUnicode(node->FValue.data(), node->FValue.size());
    text.resize(std::min(text.size(), text.find(u'\0')));
    return true;
}

}  // namespace qv
