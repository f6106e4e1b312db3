#include "compiler/TPackageResources.h"

#include "icon/TQVIcon.h"
#include "platform/Errors.h"
#include "platform/CodePage.h"
#include "platform/ResId.h"
#include "platform/ResTypes.h"
#include "platform/TMemoryStream.h"
#include "platform/TResourceUpdater.h"

namespace qv {

void TPackageResources::AddInfo(const std::string& infoText) {
    FUpdate.Update(ResId::Number(RT_RCDATA), ResId::Name("ICONPACKINFO"), LangNeutral,
                   reinterpret_cast<const uint8_t*>(infoText.data()), infoText.size());
}

void TPackageResources::AddUnicodeText(const std::string& name, const std::u16string& text) {
    Bytes data{0xFF, 0xFE};
    data.reserve(2 * (text.size() + 1));
    AppendUtf16LE(text, data);
    FUpdate.Update(ResId::Number(RT_RCDATA), ResId::Name(name), LangNeutral, std::move(data));
}

void TPackageResources::AddVersion(const Bytes& versionBlock) {
    FUpdate.Update(ResId::Number(RT_VERSION), ResId::Number(1), LangEnglishUS, versionBlock.data(),
                   versionBlock.size());
}

void TPackageResources::AddBanner(const Bytes& png) {
    FUpdate.Update(ResId::Number(RT_RCDATA), ResId::Name("BANNERIMAGE"), LangNeutral, png.data(), png.size());
}

void TPackageResources::AddIconGroup(const std::string& groupName, const TQVIcon& icon) {
    const int count = icon.Count();
    Bytes group(TIconDir::kSize + TGroupIconDirEntry::kSize * static_cast<size_t>(count));
    icon.GetIconDir().Encode(group.data());
    for (int i = 0; i < count; ++i) {
        // A group entry holds a 16-bit identifier: a package cannot carry more image blocks.
        if (FNextIconId > 0xFFFF) throw EQVError("too many icon images for one package");
        const uint16_t id = static_cast<uint16_t>(FNextIconId++);
        // The entry as read from the icon file, not recomputed, with the identifier appended.
        TGroupIconDirEntry::FromEntry(icon.GetEntry(i), id)
            .Encode(group.data() + TIconDir::kSize + TGroupIconDirEntry::kSize * static_cast<size_t>(i));
        TMemoryStream image;
        icon.SaveImageToStream(image, i);
        FUpdate.Update(ResId::Number(RT_ICON), ResId::Number(id), LangJapanese, image.TakeData());
    }
    FUpdate.Update(ResId::Number(RT_GROUP_ICON), ResId::Name(groupName), LangJapanese, std::move(group));
}

}  // namespace qv
