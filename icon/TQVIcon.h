#pragma once
// One icon held in memory: the file header, the directory and, per image, its block: the header,
// colour table, colour bits and mask bits (or the whole PNG stream of an image stored in PNG
// form). A block read from resources stays inside their bytes and keeps them alive; one read from
// a stream is a copy of its own. Block sizes come from the directory's width and height and the
// header's bit count only, so a saved icon is a normalised copy: same fields, same image bytes,
// blocks packed in directory order.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "icon/IconErrors.h"
#include "icon/IconRecords.h"
#include "platform/Bytes.h"
#include "platform/TDIBitmap.h"
#include "platform/TSharedBytes.h"
#include "platform/TStream.h"

namespace qv {

class TModuleResources;

class TQVIcon {
public:
    TQVIcon() = default;

    // Empty: no header, directory or images.
    void Clear();

    // Every load starts with Clear and, when it fails, throws EIconLoadError leaving the container
    // empty. Short data and blocks larger than the bytes available fail.
    // The icon file starts at the stream's position; image offsets count from position 0.
    void LoadFromStream(TStream& stream);
    // A file that cannot be read throws the file layer's EFOpenError.
    void LoadFromFile(const std::string& path);
    // The icon group resource `name` (type 14) of the own module and its icon resources (type 3);
    // each entry's ImageOffset then holds its icon resource's identifier.
    void LoadFromResourceName(const std::string& name);
    // The same from the resources of any module or file.
    void LoadFromResourceName(const TModuleResources& resources, const std::string& name);

    // Writes the header, the directory and the blocks packed in directory order starting at the
    // stream's position, and keeps the rewritten offsets and sizes in the directory. Any failure
    // throws EIconWriteError (the directory then stays as it was); so does an empty container.
    void SaveToStream(TStream& stream);
    // A file that cannot be created throws the file layer's EFCreateError.
    void SaveToFile(const std::string& path);
    // Writes image `index`'s block from position 0 (the stream is not truncated; pass an empty
    // one). Throws EIconIndexError or EIconWriteError.
    void SaveImageToStream(TStream& stream, int index) const;

    // A copy of the header (all zero when empty).
    TIconDir GetIconDir() const;
    // A copy of entry `index`; throws EIconIndexError.
    TIconDirEntry GetEntry(int index) const;
    int Count() const { return FHeader ? int(FHeader->Count) : 0; }

    // Whether image `index` is stored in PNG form, and its PNG stream (empty for other images).
    // Both throw EIconIndexError.
    bool IsPngImage(int index) const;
    Bytes GetPngImage(int index) const;

    // The bitmap of image `index`'s colour bits and the one-bit bitmap of its mask, both of the
    // directory's width and height; nullptr when the image makes no bitmap (a PNG image, a bit
    // count that is not a bitmap depth, no pixels). Only the index check throws.
    std::unique_ptr<TDIBitmap> GetImageBitmap(int index) const;
    std::unique_ptr<TDIBitmap> GetMaskBitmap(int index) const;
    // The in-memory bitmap files the two above load; empty for a PNG image. Throw EIconIndexError.
    Bytes GetImageBitmapFile(int index) const;
    Bytes GetMaskBitmapFile(int index) const;

    // The first image of this width, height and header bit count; else the first of this width
    // and height; else 0.
    int FindImage(uint16_t bitCount, uint8_t width, uint8_t height) const;

private:
    struct TLoaded {
        TIconDir Header;
        std::vector<TIconDirEntry> Directory;
        std::vector<TIconImage> Images;
    };

    void CheckIndex(int index) const;
    // Runs a load and takes over its result, or clears and throws EIconLoadError.
    void LoadGuarded(const std::function<TLoaded()>& load);
    static TIconDir ReadIconDir(TStream& stream);
    static Bytes ReadBytes(TStream& stream, uint64_t count);
    // The image block at the stream's position, as the entry sizes it, in bytes of its own.
    static TIconImage ReadImage(TStream& stream, const TIconDirEntry& entry);
    // The image block at the start of bytes, sharing them.
    static TIconImage ImageIn(const TSharedBytes& bytes, const TIconDirEntry& entry);
    static uint64_t WriteImage(TStream& stream, const TIconImage& image);
    static TLoaded ReadFromStream(TStream& stream);
    static TLoaded ReadFromResources(const TModuleResources& resources, const std::string& name);

    std::optional<TIconDir> FHeader;
    std::vector<TIconDirEntry> FDirectory;
    std::vector<TIconImage> FImages;
};

}  // namespace qv
