// Tests of the built program run from a folder of its own, with its working folder "current"
// beside it, and driven from outside through its windows.
#pragma once

#include "ProgramWindows.h"
#include "RemoteWindow.h"

#include "core/files/WorkingFolder.h"

#include <gtest/gtest.h>

#include <memory>

class ProgramTest : public ::testing::Test
{
protected:
    FilePath Current() const { return m_place / "current"; }

    // Starts the program from the place and waits for its form.
    RemoteDialog Start();
    // Starts the program with a closing file on its command line and waits for its form, whose
    // caption then names the file.
    RemoteDialog StartWith(const FilePath& closingFile);
    // Waits for the program to end by itself; its exit code, or STILL_ACTIVE.
    DWORD WaitForExit() const;
    // Waits for a message of the program: the save-failure question or a message box.
    RemoteDialog WaitForMessage() const;
    // Opens an item's schedule from the form by its button and waits for it.
    RemoteDialog OpenSchedule(const RemoteDialog& form, int button) const;

    // The folder that holds the program.
    FilePath m_place;
    std::unique_ptr<RemoteProgram> m_program;
};

// The program in a folder a script prepared and named in the TALLYVANE_PLACE variable: its
// working folder on a small full disk, closed to the user, or deeper than the 260-character limit.
class PreparedPlaceTest : public ProgramTest
{
protected:
    // Fails the test when it runs without its script.
    void SetUp() override;
};
