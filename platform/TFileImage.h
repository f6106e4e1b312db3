#pragma once
// The bytes of a whole file, read-only, in one piece: either mapped (pages are read only when
// touched, nothing is copied) or read into memory once.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Bytes.h"

namespace qv {

class TFileImage {
public:
    // Mapped. Only for a file nobody rewrites while it is mapped, such as the running program's
    // own executable (the system refuses to write to it, and its code is mapped the same way);
    // a file that cannot be mapped is read instead. Throws EFOpenError when it cannot be opened.
    static std::shared_ptr<const TFileImage> Map(const std::string& path);
    // Read into memory: later changes to the file do not reach it. Throws EFOpenError.
    static std::shared_ptr<const TFileImage> Read(const std::string& path);
    // A copy of bytes held elsewhere.
    static std::shared_ptr<const TFileImage> Copy(const uint8_t* data, size_t size);

    ~TFileImage();
    TFileImage(const TFileImage&) = delete;
    TFileImage& operator=(const TFileImage&) = delete;

    const uint8_t* Data() const { return FData; }
    size_t Size() const { return FSize; }

private:
    TFileImage() = default;
    static std::shared_ptr<const TFileImage> Own(Bytes bytes);

    const uint8_t* FData = nullptr;
    size_t FSize = 0;
    void* FMapping = nullptr;  // unmapped at the end when set
    Bytes FOwned;
};

}  // namespace qv
