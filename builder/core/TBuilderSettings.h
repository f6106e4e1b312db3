#pragma once
// The builder's per-user settings as the settings file holds them, and the rules by which they
// are read from and written to that file. Values are system-code-page bytes. Applying them to
// the window (and deciding which stored values count) is the window's business.
#include <array>
#include <string>
#include <vector>

namespace qv {

class TIniFile;

struct TBuilderSettings {
    static constexpr int kRecentCount = 4;
    static constexpr int kBannerUrlsRead = 9;
    static constexpr int kBannerUrlsWritten = 10;
    static constexpr int kTemplates = 10;

    // Window bounds as stored; -1 when absent.
    int PosX = -1;
    int PosY = -1;
    int Width = -1;
    int Height = -1;
    bool Maximize = false;
    int LanguageEditLeftWidth = -1;
    bool DontCompressIcon = false;
    std::array<std::string, kRecentCount> Recent;
    // The banner links after the fixed first entry "http://": read, the non-empty values of the
    // keys "1" to "9" in key order; written, the first ten (empty ones skipped).
    std::vector<std::string> BannerUrls;
    std::string FileInitDir;
    std::string IconInitDir;
    int SaveAsFilter = 1;
    std::string CompressAsInitDir;
    int IconThumbWidth = 340;
    int IconThumbHeight = 48;
    // Read: the non-empty values of "Template0" to "Template9" in key order; written: the first
    // ten entries, empty ones included.
    std::vector<std::string> Templates;

    // A missing file, section or key, or a number that is not one, gives the defaults above.
    static TBuilderSettings Read(const TIniFile& file);
    // Writes every key in the file's order. The bounds are left as they are stored when
    // Maximize is set; keys not written here (links or templates beyond the lists) stay.
    void Write(TIniFile& file) const;
};

}  // namespace qv
