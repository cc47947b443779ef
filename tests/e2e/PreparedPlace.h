// Tests of the program in a folder a script prepared and named in the TALLYVANE_PLACE variable:
// the program copied into it and its working folder "current" beside it, on a small full disk,
// closed to the user, or deeper than the 260-character limit.
#pragma once

#include "ProgramWindows.h"
#include "RemoteWindow.h"

#include "store/WorkingFolder.h"

#include <gtest/gtest.h>

#include <memory>

class PreparedPlaceTest : public ::testing::Test
{
protected:
    // Fails the test when it runs without its script.
    void SetUp() override;

    FilePath Current() const { return m_place / "current"; }

    // Starts the program from the place and waits for its form.
    RemoteDialog Start();
    // Waits for the program to end by itself; its exit code, or STILL_ACTIVE.
    DWORD WaitForExit() const;
    // Waits for a message of the program: the save-failure question or a message box.
    RemoteDialog WaitForMessage() const;
    // Opens an item's schedule from the form and waits for it.
    RemoteDialog OpenSchedule(const RemoteDialog& form, int button) const;

    FilePath m_place;
    std::unique_ptr<RemoteProgram> m_program;
};
