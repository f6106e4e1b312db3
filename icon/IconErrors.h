#pragma once
// The errors of the icon container. Each carries its fixed message; the underlying error's text
// is not kept.
#include <string>

#include "platform/Errors.h"

namespace qv {

// Any failure while an icon is loaded from a stream or from resources.
class EIconLoadError : public EQVError {
public:
    EIconLoadError() : EQVError("アイコンの読み込みに失敗") {}
};

// Any failure while an icon or one of its images is written.
class EIconWriteError : public EQVError {
public:
    EIconWriteError() : EQVError("アイコンの書き込みに失敗") {}
};

// An image index below 0 or not below the image count.
class EIconIndexError : public EQVError {
public:
    explicit EIconIndexError(int index)
        : EQVError("インデックスが範囲外 (" + std::to_string(index) + ")"), FIndex(index) {}
    int Index() const { return FIndex; }

private:
    int FIndex;
};

}  // namespace qv
