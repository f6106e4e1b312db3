#include "icon/TQVIcon.h"

#include <limits>

#include "icon/IconBitmapFile.h"
#include "platform/FileIO.h"
#include "platform/TByteSpanStream.h"
#include "platform/TMemoryStream.h"

namespace qv {
namespace {

// Thrown inside a load or a save only; the public operations replace it by their own error.
struct ShortData {};

void WriteExact(TStream& stream, const void* data, size_t size) {
    if (size != 0 && !stream.WriteExact(data, size)) throw ShortData{};
}

void WriteBlock(TStream& stream, const Bytes& block) { WriteExact(stream, block.data(), block.size()); }
void WriteBlock(TStream& stream, const TSharedBytes& block) { WriteExact(stream, block.data(), block.size()); }

Bytes EncodeDirectory(const std::vector<TIconDirEntry>& directory) {
    Bytes bytes(directory.size() * TIconDirEntry::kSize);
    for (size_t i = 0; i < directory.size(); ++i) directory[i].Encode(bytes.data() + i * TIconDirEntry::kSize);
    return bytes;
}

}  // namespace

void TQVIcon::Clear() {
    FImages.clear();
    FDirectory.clear();
    FHeader.reset();
}

void TQVIcon::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EIconIndexError(index);
}

void TQVIcon::LoadGuarded(const std::function<TLoaded()>& load) {
    Clear();
    try {
        TLoaded loaded = load();
        FHeader = loaded.Header;
        FDirectory = std::move(loaded.Directory);
        FImages = std::move(loaded.Images);
    } catch (...) {
        Clear();
        throw EIconLoadError();
    }
}

Bytes TQVIcon::ReadBytes(TStream& stream, uint64_t count) {
    // Checked against what the stream still holds before anything is allocated.
    if (count > stream.Remaining()) throw ShortData{};
    Bytes bytes(static_cast<size_t>(count));
    if (count != 0 && !stream.ReadExact(bytes.data(), bytes.size())) throw ShortData{};
    return bytes;
}

TIconDir TQVIcon::ReadIconDir(TStream& stream) {
    const Bytes bytes = ReadBytes(stream, TIconDir::kSize);
    return TIconDir::Decode(bytes.data());
}

TIconImage TQVIcon::ReadImage(TStream& stream, const TIconDirEntry& entry) {
    uint8_t start[TImageBlockSizes::kHeaderSize];
    const uint64_t at = stream.Position();
    const size_t seen = stream.Read(start, sizeof start);
    stream.SetPosition(at);
    const uint64_t length = TIconImage::BlockLength(start, seen, stream.Remaining(), entry);
    if (length == 0) throw ShortData{};
    return TIconImage::FromBlock(TSharedBytes(ReadBytes(stream, length)), entry);
}

TIconImage TQVIcon::ImageIn(const TSharedBytes& bytes, const TIconDirEntry& entry) {
    const size_t seen = bytes.size() < TImageBlockSizes::kHeaderSize ? bytes.size() : TImageBlockSizes::kHeaderSize;
    const uint64_t length = TIconImage::BlockLength(bytes.data(), seen, bytes.size(), entry);
    if (length == 0) throw ShortData{};
    return TIconImage::FromBlock(bytes.Sub(0, size_t(length)), entry);
}

TQVIcon::TLoaded TQVIcon::ReadFromStream(TStream& stream) {
    TLoaded loaded;
    loaded.Header = ReadIconDir(stream);
    const Bytes directory = ReadBytes(stream, uint64_t(loaded.Header.Count) * TIconDirEntry::kSize);
    for (size_t i = 0; i < loaded.Header.Count; ++i)
        loaded.Directory.push_back(TIconDirEntry::Decode(directory.data() + i * TIconDirEntry::kSize));
    loaded.Images.reserve(loaded.Directory.size());
    for (const TIconDirEntry& entry : loaded.Directory) {
        if (entry.ImageOffset > stream.Size()) throw ShortData{};
        stream.SetPosition(entry.ImageOffset);
        loaded.Images.push_back(ReadImage(stream, entry));
    }
    return loaded;
}

void TQVIcon::LoadFromStream(TStream& stream) {
    LoadGuarded([&stream] { return ReadFromStream(stream); });
}

void TQVIcon::LoadFromFile(const std::string& path) {
    const Bytes data = ReadWholeFile(path);  // its own open error, naming the file
    TByteSpanStream stream(data.data(), data.size());
    LoadFromStream(stream);
}

uint64_t TQVIcon::WriteImage(TStream& stream, const TIconImage& image) {
    WriteBlock(stream, image.Block);
    return image.Size();
}

void TQVIcon::SaveToStream(TStream& stream) {
    try {
        if (!FHeader) throw ShortData{};
        std::vector<TIconDirEntry> directory = FDirectory;
        const uint64_t start = stream.Position();
        uint8_t header[TIconDir::kSize];
        FHeader->Encode(header);
        WriteExact(stream, header, sizeof header);
        const uint64_t directoryStart = stream.Position();
        WriteBlock(stream, EncodeDirectory(directory));
        for (size_t i = 0; i < FImages.size(); ++i) {
            const uint64_t offset = stream.Position() - start;
            if (offset > std::numeric_limits<uint32_t>::max()) throw ShortData{};
            directory[i].ImageOffset = uint32_t(offset);
            directory[i].BytesInRes = uint32_t(WriteImage(stream, FImages[i]));
        }
        const uint64_t end = stream.Position();
        stream.SetPosition(directoryStart);
        WriteBlock(stream, EncodeDirectory(directory));
        stream.SetPosition(end);
        FDirectory = std::move(directory);
    } catch (...) {
        throw EIconWriteError();
    }
}

void TQVIcon::SaveToFile(const std::string& path) {
    TMemoryStream stream;
    SaveToStream(stream);
    WriteWholeFile(path, stream.Data());  // its own create error, naming the file
}

void TQVIcon::SaveImageToStream(TStream& stream, int index) const {
    CheckIndex(index);
    try {
        stream.SetPosition(0);
        WriteImage(stream, FImages[size_t(index)]);
    } catch (...) {
        throw EIconWriteError();
    }
}

TIconDir TQVIcon::GetIconDir() const { return FHeader ? *FHeader : TIconDir{}; }

TIconDirEntry TQVIcon::GetEntry(int index) const {
    CheckIndex(index);
    return FDirectory[size_t(index)];
}

bool TQVIcon::IsPngImage(int index) const {
    CheckIndex(index);
    return FImages[size_t(index)].IsPng();
}

Bytes TQVIcon::GetPngImage(int index) const {
    CheckIndex(index);
    const TIconImage& image = FImages[size_t(index)];
    return image.IsPng() ? image.Block.ToBytes() : Bytes();
}

Bytes TQVIcon::GetImageBitmapFile(int index) const {
    CheckIndex(index);
    return BuildImageBitmapFile(FDirectory[size_t(index)], FImages[size_t(index)]);
}

Bytes TQVIcon::GetMaskBitmapFile(int index) const {
    CheckIndex(index);
    return BuildMaskBitmapFile(FDirectory[size_t(index)], FImages[size_t(index)]);
}

namespace {

// The loaded bitmap of a bitmap file, or nullptr; no failure leaves this function.
std::unique_ptr<TDIBitmap> LoadBitmap(Bytes (*build)(const TIconDirEntry&, const TIconImage&),
                                      const TIconDirEntry& entry, const TIconImage& image) {
    try {
        Bytes file = build(entry, image);
        auto bitmap = std::make_unique<TDIBitmap>();
        if (!file.empty() && bitmap->LoadFromBytes(std::move(file))) return bitmap;
    } catch (...) {
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<TDIBitmap> TQVIcon::GetImageBitmap(int index) const {
    CheckIndex(index);
    return LoadBitmap(BuildImageBitmapFile, FDirectory[size_t(index)], FImages[size_t(index)]);
}

std::unique_ptr<TDIBitmap> TQVIcon::GetMaskBitmap(int index) const {
    CheckIndex(index);
    return LoadBitmap(BuildMaskBitmapFile, FDirectory[size_t(index)], FImages[size_t(index)]);
}

int TQVIcon::FindImage(uint16_t bitCount, uint8_t width, uint8_t height) const {
    const auto sizeMatches = [&](size_t i) {
        return FDirectory[i].Width == width && FDirectory[i].Height == height;
    };
    for (size_t i = 0; i < FImages.size(); ++i)
        if (sizeMatches(i) && FImages[i].BitCount() == bitCount) return int(i);
    for (size_t i = 0; i < FImages.size(); ++i)
        if (sizeMatches(i)) return int(i);
    return 0;
}

}  // namespace qv
