#pragma once
// Automatic link detection for the read-me: marks every address FindLinks finds in the plain text
// (underlined, in the link colour) and keeps each line's link ranges for the click handler.
// Attached to a document it covers the text there and every text put there later.
#include <QSyntaxHighlighter>
#include <QTextBlock>

#include <optional>

#include "runtime/ReadmeLinks.h"

namespace qv {

class TReadmeHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit TReadmeHighlighter(QTextDocument* document);

    // The link that covers character positionInBlock of block, as detected when the block was
    // last marked; nothing when there is none or the block was never marked.
    static std::optional<TLinkRange> LinkAt(const QTextBlock& block, int positionInBlock);

protected:
    void highlightBlock(const QString& text) override;
};

}  // namespace qv
