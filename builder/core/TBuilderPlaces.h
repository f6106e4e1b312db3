#pragma once
// Where the builder finds its own files and keeps its settings: the program folder (templates,
// documents, the compiler library), the per-user configuration folder and the user's name. The
// window takes these as values, so that tests can point every one of them at a folder of their own.
#include <string>

namespace qv {

struct TBuilderPlaces {
    std::string ProgramDir;  // ends in '/'
    std::string ConfigHome;  // $XDG_CONFIG_HOME when absolute, else ~/.config; "" when unknown
    std::string UserName;    // "" when the system cannot tell it

    // The running builder's folder, the user's configuration folder and login name.
    static TBuilderPlaces FromSystem();

    // "%s.ini" with the user name (".ini" for an unknown user).
    std::string SettingsFileName() const;
    // "user/" inside the program folder, and "quorvane/" inside the configuration folder.
    std::string ProgramSettingsDir() const;
    std::string ConfigSettingsDir() const;
    // The file to read: in the program folder's "user" folder when that folder exists or the
    // program folder could hold it, else in the configuration folder. Makes nothing.
    std::string SettingsFileToRead() const;
    // The file to write: the same choice, making the folder with its parents; "" when neither
    // folder exists or can be made.
    std::string SettingsFileToWrite() const;
};

}  // namespace qv
