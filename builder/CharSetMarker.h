#pragma once
// The small picture in a page's top right corner that tells which character set its fields hold.
class QLabel;
class QWidget;

namespace qv {

enum class TCharSet { Ansi, Unicode };

// A picture named "imgCharSet" with the hint "このページの文字コードはANSIです" or "...UNICODEです".
QLabel* MakeCharSetMarker(QWidget* parent, TCharSet charSet);

}  // namespace qv
