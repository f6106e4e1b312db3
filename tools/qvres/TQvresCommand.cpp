#include "tools/qvres/TQvresCommand.h"

#include <set>

#include "tools/qvres/TIconGroupPacker.h"

#include <exception>

#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/TModuleResources.h"
#include "platform/TResStreamWriter.h"
#include "platform/TResourceUpdater.h"

namespace qv {
namespace {

const char KUsageText[] =
    "usage: qvres list FILE\n"
    "       qvres extract FILE TYPE NAME [LANG]\n"
    "       qvres add FILE TYPE NAME LANG DATAFILE\n"
    "       qvres pack OUT.res TYPE NAME LANG FILE [TYPE NAME LANG FILE...]\n"
    "       (TYPE ICONGROUP: FILE is an icon file, packed as icon resources and their group)\n";

std::string Describe(const ResId& type, const ResId& name) {
    return "type " + type.ToString() + ", name " + name.ToString();
}

}  // namespace

bool TQvresCommand::ParseNumber(const std::string& text, uint16_t& number) {
    if (text.empty() || text.size() > 5) return false;
    uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    if (value > 0xFFFF) return false;
    number = static_cast<uint16_t>(value);
    return true;
}

bool TQvresCommand::ParseId(const std::string& text, ResId& id) {
    if (text.empty()) return false;
    if (text.find_first_not_of("0123456789") != std::string::npos) {
        id = ResId::Name(text);
        return true;
    }
    uint16_t number = 0;
    if (!ParseNumber(text, number)) return false;
    id = ResId::Number(number);
    return true;
}

int TQvresCommand::Usage(const std::string& problem) {
    FErr << "qvres: " << problem << "\n" << KUsageText;
    return KUsage;
}

int TQvresCommand::Failure(const std::string& message) {
    FErr << "qvres: " << message << "\n";
    return KFailed;
}

int TQvresCommand::Run(const TArgs& args) {
    if (args.empty()) return Usage("no command given");
    const std::string& command = args[0];
    const TArgs rest(args.begin() + 1, args.end());
    try {
        if (command == "list") return List(rest);
        if (command == "extract") return Extract(rest);
        if (command == "add") return Add(rest);
        if (command == "pack") return Pack(rest);
    } catch (const std::exception& e) {
        // Our own errors name the file and the damage; anything else (out of memory) still
        // ends as a failure with its message rather than an abort.
        return Failure(e.what());
    }
    return Usage("unknown command \"" + command + "\"");
}

void TQvresCommand::PrintEntries(const char* where, const std::vector<ResEntry>& entries) {
    for (const ResEntry& e : entries)
        FOut << where << '\t' << e.type.ToString() << '\t' << e.name.ToString() << '\t' << e.language << '\t'
             << e.data.size() << '\n';
}

int TQvresCommand::List(const TArgs& args) {
    if (args.size() != 1) return Usage("list takes one FILE");
    const TModuleResources res = TModuleResources::FromFile(args[0]);
    PrintEntries("overlay", res.Overlay());
    PrintEntries("built-in", res.BuiltIn());
    for (const std::string& problem : res.Problems()) Failure(args[0] + ": " + problem);
    return res.Problems().empty() ? KOk : KFailed;
}

int TQvresCommand::Extract(const TArgs& args) {
    if (args.size() != 3 && args.size() != 4) return Usage("extract takes FILE TYPE NAME [LANG]");
    ResId type, name;
    uint16_t language = 0;
    if (!ParseId(args[1], type) || !ParseId(args[2], name)) return Usage("bad TYPE or NAME");
    if (args.size() == 4 && !ParseNumber(args[3], language)) return Usage("LANG must be a number from 0 to 65535");
    const TModuleResources res = TModuleResources::FromFile(args[0]);
    const ResEntry* e = args.size() == 4 ? res.Find(type, name, language) : res.Find(type, name);
    if (!e) {
        for (const std::string& problem : res.Problems()) Failure(args[0] + ": " + problem);
        return Failure(args[0] + ": no such resource (" + Describe(type, name) + ")");
    }
    FOut.write(reinterpret_cast<const char*>(e->data.data()), static_cast<std::streamsize>(e->data.size()));
    return KOk;
}

int TQvresCommand::Add(const TArgs& args) {
    if (args.size() != 5) return Usage("add takes FILE TYPE NAME LANG DATAFILE");
    ResId type, name;
    uint16_t language = 0;
    if (!ParseId(args[1], type) || !ParseId(args[2], name)) return Usage("bad TYPE or NAME");
    if (!ParseNumber(args[3], language)) return Usage("LANG must be a number from 0 to 65535");
    Bytes data = ReadWholeFile(args[4]);
    std::unique_ptr<TResourceUpdater> updater = TResourceUpdater::Begin(args[0]);
    if (!updater) return Failure(args[0] + ": cannot update (missing, not a regular file, or not writable)");
    updater->Update(type, name, language, std::move(data));
    if (!updater->End()) return Failure(updater->Error());
    return KOk;
}

int TQvresCommand::Pack(const TArgs& args) {
    if (args.empty() || (args.size() - 1) % 4 != 0) return Usage("pack takes OUT.res and groups of TYPE NAME LANG FILE");
    std::vector<ResEntry> entries((args.size() - 1) / 4);
    std::vector<bool> iconGroups(entries.size(), false);
    std::set<uint16_t> usedIconIds;
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string* group = &args[1 + 4 * i];
        ResEntry& e = entries[i];
        iconGroups[i] = group[0] == KIconGroupType;
        if ((!iconGroups[i] && !ParseId(group[0], e.type)) || !ParseId(group[1], e.name))
            return Usage("bad TYPE or NAME");
        if (!ParseNumber(group[2], e.language)) return Usage("LANG must be a number from 0 to 65535");
        e.data = ReadWholeFile(group[3]);
        if (!iconGroups[i] && e.type == ResId::Number(TIconGroupPacker::kIconType) && e.name.IsNumber())
            usedIconIds.insert(e.name.AsNumber());
    }
    // Icon files are split once every identifier given by number is known.
    std::vector<ResEntry> packed;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!iconGroups[i]) {
            packed.push_back(std::move(entries[i]));
            continue;
        }
        try {
            for (ResEntry& e : TIconGroupPacker::Split(entries[i].data, entries[i].name, entries[i].language, usedIconIds))
                packed.push_back(std::move(e));
        } catch (const EQVError& e) {
            return Failure(args[1 + 4 * i + 3] + ": " + e.what());
        }
    }
    WriteWholeFile(args[0], TResStreamWriter::Write(packed));
    return KOk;
}

}  // namespace qv
