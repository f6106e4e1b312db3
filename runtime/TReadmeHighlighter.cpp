#include "runtime/TReadmeHighlighter.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTextCharFormat>

#include <vector>

namespace qv {
namespace {

class TLinkData : public QTextBlockUserData {
public:
    explicit TLinkData(std::vector<TLinkRange> links) : Links(std::move(links)) {}
    std::vector<TLinkRange> Links;
};

}  // namespace

TReadmeHighlighter::TReadmeHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

void TReadmeHighlighter::highlightBlock(const QString& text) {
    std::vector<TLinkRange> links =
        FindLinks(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())));
    if (!links.empty()) {
        QTextCharFormat link;
        link.setFontUnderline(true);
        link.setForeground(QGuiApplication::palette().color(QPalette::Link));
        for (const TLinkRange& r : links) setFormat(int(r.Start), int(r.Length), link);
    }
    setCurrentBlockUserData(links.empty() ? nullptr : new TLinkData(std::move(links)));
}

std::optional<TLinkRange> TReadmeHighlighter::LinkAt(const QTextBlock& block, int positionInBlock) {
    const auto* data = dynamic_cast<const TLinkData*>(block.userData());
    if (!data || positionInBlock < 0) return std::nullopt;
    for (const TLinkRange& r : data->Links)
        if (size_t(positionInBlock) >= r.Start && size_t(positionInBlock) < r.Start + r.Length) return r;
    return std::nullopt;
}

}  // namespace qv
