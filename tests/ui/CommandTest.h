#pragma once

// What the tests of the window's commands share: the program without a display, a scratch
// folder for the files the user picks, and the steps that set a scene.
#include "HeadlessProgram.h"
#include "NamedCases.h"
#include "ui/ExportCommand.h"
#include "ui/ImportCommand.h"

#include <QTemporaryDir>

namespace orvanta::testing {

class CommandTest : public HeadlessProgramTest {
protected:
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
