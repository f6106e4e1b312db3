#pragma once
// The viewer under test: a test project built into a package by the compiler, the resource
// reader pointed at that package, and the viewer window and copy-to dialog made in this process
// as the program start makes them, with a test double answering the seams.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Bytes.h"
#include "platform/ResEntry.h"
#include "platform/ResTypes.h"
#include "platform/qt/TFakeSystemSeams.h"
#include "platform/qt/TScopedSeams.h"
#include "runtime/QuorvexCopyToForm.h"
#include "runtime/QuorvexMainForm.h"
#include "tests/support/TestProject.h"

namespace qv::test {

using TResources = std::vector<ResEntry>;

// UTF-16LE with the mark FF FE, as the compiler stores the Unicode texts.
Bytes Utf16Text(const std::u16string& text);
Bytes AnsiText(const std::string& text);

// Changes the resources a built package carries in its overlay (add, replace, remove, damage).
void EditPackage(const std::string& package, const std::function<void(TResources&)>& edit);
// The raw data resource of that name, replaced or added.
void SetRawData(TResources& resources, const std::string& name, Bytes data);
void RemoveResource(TResources& resources, uint16_t type, const std::string& name);
ResEntry* FindResource(TResources& resources, uint16_t type, const std::string& name);

// What the icon container writes for icon i of the package the resource reader points at.
Bytes PackageIconFile(int index);

class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The package of the test project as it stands; fails the test when it does not build.
    std::string Build();
    // Makes the windows over a package without showing them (TntFormCreate has run).
    void Create(const std::string& package);
    // Makes them and shows the viewer: the first showing applies the first language.
    void Open(const std::string& package);
    void BuildAndOpen() { Open(Build()); }
    // Picks a language in the selector as a user does.
    void PickLanguage(int index);

    TtntfrmQuorvex& Form() const { return *FForm; }
    TtntfrmIconPackCopyTo& CopyTo() const { return *FCopyTo; }
    // The messages shown in the standard error box so far.
    QStringList ErrorBoxes() const;
    // The addresses opened through the shell so far.
    QStringList OpenedUrls() const;
    QStringList IconCaptions() const;
    // The list's background colour, the colour every tile is filled with.
    QColor ListBackground() const;
    // The tile of icon i as the list shows it: its image composed over the list's background.
    QImage ShownTile(int index) const;

    TestProject FProject;
    TFakeSystemSeams FSeams;

private:
    std::unique_ptr<TScopedSeams> FScope;
    std::unique_ptr<TtntfrmQuorvex> FForm;
    TtntfrmIconPackCopyTo* FCopyTo = nullptr;
};

}  // namespace qv::test
