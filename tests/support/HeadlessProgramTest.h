#pragma once

// The fixture of the tests that drive the program without a display.

#include "HeadlessProgram.h"
#include "NamedCases.h"
#include "QStringPrinting.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvanta::testing {

// Each test starts as the program does, no collection yet, ListFocus 0, with the program
// without a display, a scratch folder for the files the user picks, and steps that set a scene.
class HeadlessProgramTest : public ::testing::Test {
protected:
    void SetUp() override { Module1::reset(); }
    void TearDown() override
    {
        Module1::reset();
        EXPECT_EQ(program.chooser.unscripted, 0) << "a file dialog was shown that the test did not script";
        EXPECT_EQ(program.closeQuestion.unscripted, 0) << "a close question was asked that the test did not script";
    }

    QString at(const QString& name) const { return folder.filePath(name); }
    // A station at its address, its title listed at the end of the list.
    static void listStation(ListBox& list, const QString& title, const QString& file)
    {
        Module1::Playlists().Add(1, file, title, -1, file);
        list.AddItem(title);
    }
    // Picks the paths in one choice of the open dialog; none cancels.
    void import(const QStringList& paths)
    {
        program.chooser.answers = {paths};
        btn_Import_Click(program.parts);
    }

    QTemporaryDir folder;
    HeadlessProgram program;
};

} // namespace orvanta::testing
