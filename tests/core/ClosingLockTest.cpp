// The lock beside an open closing file: taken when free, kept from another program here or on
// another computer, taken over from a program of this computer that died, released only by its
// holder.
#include "core/closing/ClosingLock.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace
{

const ClosingLockHolder kSelf{"ana", "DESK-1", 100};

TEST(ClosingLock, IsTakenKeptFromOthersAndTakenOverFromTheDead)
{
    TempFolder folder;
    const FilePath closing = folder.Path() / "Loan 2026-0142.tallyvane";
    const auto running = [](unsigned long processId) {
        return processId == 100 || processId == 200;
    };
    EXPECT_EQ(ClosingLockPath(closing), folder.Path() / "~$Loan 2026-0142.tallyvane");

    const struct
    {
        const char* what;
        ClosingLockHolder other;
        bool keepsUsOut;
    } cases[] = {
        {"a running program of this computer", {"bo", "DESK-1", 200}, true},
        {"a program of another computer, whatever its number", {"cy", "DESK-2", 300}, true},
        {"a program of this computer that ended", {"bo", "DESK-1", 300}, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(ClosingLockPath(closing));
        ASSERT_FALSE(TakeClosingLock(closing, c.other, running));
        const std::optional<ClosingLockHolder> holder = TakeClosingLock(closing, kSelf, running);
        EXPECT_EQ(holder.has_value(), c.keepsUsOut);
        if (holder)
        {
            EXPECT_EQ(ClosingLockedMessage(closing, *holder),
                      "Loan 2026-0142.tallyvane is open by " + c.other.user + " on " +
                          c.other.computer + ".");
            ReleaseClosingLock(closing, kSelf);
            EXPECT_TRUE(std::filesystem::exists(ClosingLockPath(closing)))
                << "another's lock stays";
        }
        else
        {
            EXPECT_EQ(ReadClosingLock(closing)->user, "ana");
            EXPECT_FALSE(TakeClosingLock(closing, kSelf, running)) << "ours to take again";
            ReleaseClosingLock(closing, kSelf);
            EXPECT_FALSE(std::filesystem::exists(ClosingLockPath(closing)));
        }
    }
}

TEST(ClosingLock, ALockThatNamesNobodyKeepsNobodyOut)
{
    TempFolder folder;
    const FilePath closing = folder.Path() / "a.tallyvane";
    for (const std::string& bytes :
         {std::string(""), std::string("\r\n\r\n"), std::string(10000, 'x')})
    {
        WriteBytes(ClosingLockPath(closing), bytes);
        EXPECT_FALSE(TakeClosingLock(closing, kSelf, [](unsigned long) { return true; }));
    }
}

} // namespace
