// The lock beside an open closing file, as office suites keep one: "~$" and the file's name, in the
// same folder, holding who has the closing open (user, computer, process). A second program, on
// this computer or another sharing the folder, finds it and does not open the closing; a lock
// whose program died on this computer is taken over.
#pragma once

#include "core/files/SafeSave.h"
#include "core/files/WorkingFolder.h"

#include <functional>
#include <optional>
#include <string>

struct ClosingLockHolder
{
    std::string user;     // UTF-8
    std::string computer; // UTF-8
    unsigned long processId = 0;
};

// The lock file of the closing file: "~$NAME" beside it.
FilePath ClosingLockPath(const FilePath& closing);

// Who holds the lock, as its file says; none without a lock file or with one that names nobody.
std::optional<ClosingLockHolder> ReadClosingLock(const FilePath& closing);

// Takes the lock for `self`: when there is none, when `self` holds it, or when it names a
// program of this computer that has ended (`isRunning` tells whether a process of this computer
// runs). Gives the holder that keeps the closing from `self`, or none when `self` holds it now.
// A free closing's lock is made in one step, so of two programs opening it at once one has it.
std::optional<ClosingLockHolder> TakeClosingLock(
    const FilePath& closing, const ClosingLockHolder& self,
    const std::function<bool(unsigned long processId)>& isRunning);

// Removes the lock when `self` holds it; another's lock stays.
void ReleaseClosingLock(const FilePath& closing, const ClosingLockHolder& self);

// "NAME is open by USER on COMPUTER."
std::string ClosingLockedMessage(const FilePath& closing, const ClosingLockHolder& holder);
