#pragma once
// A builder window of its own for each test: a program folder holding the four language
// templates, a configuration folder and a work folder, all temporary, and the test double of the
// seams, which answers every question the window asks and records every call.
#include <gtest/gtest.h>

#include <QString>

class QWidget;

#include <memory>
#include <string>
#include <vector>

#include "builder/TfrmBuilderMain.h"
#include "platform/Bytes.h"
#include "platform/qt/TFakeSystemSeams.h"
#include "platform/qt/TScopedSeams.h"
#include "tests/text/TempFolder.h"

namespace qv::test {

class BuilderWindowTest : public ::testing::Test {
protected:
    BuilderWindowTest();

    TBuilderPlaces Places() const;
    // Made and shown (which loads the settings and opens the first argument or a new project).
    std::unique_ptr<TfrmBuilderMain> MakeWindow(std::vector<std::string> arguments = {});

    std::string ProgramDir() const { return FProgram.Path() + "/"; }
    std::string Work() const { return FWork.Path() + "/"; }
    std::string SettingsFile() const { return ProgramDir() + "user/tester.ini"; }

    static std::string Text(const std::string& path);
    static void WriteText(const std::string& path, const std::string& text);
    // FF FE and the text in UTF-16LE, as the builder writes Unicode lists.
    static Bytes UnicodeFile(const std::u16string& text);
    static std::vector<std::string> Lines(const std::string& path);
    // An icon file of solid images (size, bit count, colour) in the work folder.
    std::string WriteIcon(const std::string& name, const std::vector<std::tuple<int, int, uint32_t>>& images) const;
    std::vector<TSeamCall> Calls(TSeamKind kind) const { return FSeams.CallsOf(kind); }
    // Drags the files onto target and drops them there, as the file manager does.
    static void DropFiles(QWidget* target, const std::vector<std::string>& paths);

    TempFolder FProgram;
    TempFolder FConfig;
    TempFolder FWork;
    TFakeSystemSeams FSeams;
    TScopedSeams FScope{FSeams};
};

}  // namespace qv::test
