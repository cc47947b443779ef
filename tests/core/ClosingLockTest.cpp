// The lock beside an open closing file: taken when free, kept from another program here or on
// another computer, taken over from a program of this computer that died, released only by its
// holder.
#include "core/closing/ClosingLock.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

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

// Two programs, on two computers, opening the same free closing at the same moment: one of them
// has it and the lock names it, the other is told who has it. Each round starts both at once.
TEST(ClosingLock, OfTwoTakingAFreeLockAtOnceOneHasIt)
{
    TempFolder folder;
    const FilePath closing = folder.Path() / "Loan 2026-0142.tallyvane";
    const ClosingLockHolder ana{"ana", "DESK-1", 100};
    const ClosingLockHolder bo{"bo", "DESK-2", 200};
    const auto running = [](unsigned long) { return true; };
    for (int round = 0; round < 100; ++round)
    {
        std::filesystem::remove(ClosingLockPath(closing));
        std::atomic<int> ready{0};
        std::optional<ClosingLockHolder> anaKeptOutBy;
        std::optional<ClosingLockHolder> boKeptOutBy;
        const auto open = [&](const ClosingLockHolder& self,
                              std::optional<ClosingLockHolder>& keptOutBy) {
            ++ready;
            while (ready.load() < 2)
                std::this_thread::yield();
            keptOutBy = TakeClosingLock(closing, self, running);
        };
        std::thread first(open, std::cref(ana), std::ref(anaKeptOutBy));
        std::thread second(open, std::cref(bo), std::ref(boKeptOutBy));
        first.join();
        second.join();

        ASSERT_NE(anaKeptOutBy.has_value(), boKeptOutBy.has_value())
            << "round " << round << ": " << (anaKeptOutBy ? "both kept out" : "both have it");
        const std::optional<ClosingLockHolder> lock = ReadClosingLock(closing);
        ASSERT_TRUE(lock);
        EXPECT_EQ(lock->user, anaKeptOutBy ? "bo" : "ana") << "round " << round;
        EXPECT_EQ((anaKeptOutBy ? anaKeptOutBy : boKeptOutBy)->user, lock->user);
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
