// Saves on a thread of their own: in order, a later save of a file never losing to an earlier one,
// every save done when the queue is flushed or ends, and each told how it went.
#include "core/files/SaveQueue.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace
{

TEST(SaveQueue, TheLastSaveOfAFileWinsAndEverySaveIsDoneAtFlush)
{
    TempFolder folder;
    const FilePath file = folder.Path() / "main.txt";
    std::atomic<int> told{0};
    SaveQueue saves;
    for (int n = 0; n < 500; ++n)
        saves.Save(file, "version " + std::to_string(n) + "\r\n", [&told](SaveFailure failure) {
            if (failure == SaveFailure::None)
                ++told;
        });
    saves.Flush();
    EXPECT_EQ(ReadBytes(file), "version 499\r\n");
    EXPECT_EQ(told, 500) << "a save taken over by a later one is told with it";
    EXPECT_FALSE(std::filesystem::exists(TemporarySavePath(file)));
}

TEST(SaveQueue, FilesAreSavedInTheOrderAskedAndAllOfThemBeforeTheQueueEnds)
{
    TempFolder folder;
    std::vector<std::string> order;
    {
        SaveQueue saves;
        for (const char* name : {"b.txt", "a.txt", "c.txt"})
            saves.Save(folder.Path() / name, name,
                       [&order, name](SaveFailure) { order.push_back(name); });
    }
    EXPECT_EQ(order, (std::vector<std::string>{"b.txt", "a.txt", "c.txt"}));
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        EXPECT_EQ(ReadBytes(folder.Path() / name), name);
}

TEST(SaveQueue, AFailedSaveIsToldAndTheNextOneTriesAgain)
{
    TempFolder folder;
    const FilePath file = folder.Path() / "gone" / "deeper" / "closing.tallyvane";
    SaveQueue saves;
    SaveFailure first = SaveFailure::None;
    saves.Save(file, "one", [&first](SaveFailure failure) { first = failure; });
    saves.Flush();
    EXPECT_NE(first, SaveFailure::None);
    std::filesystem::create_directories(file.parent_path());
    SaveFailure second = SaveFailure::Other;
    saves.Save(file, "two", [&second](SaveFailure failure) { second = failure; });
    saves.Flush();
    EXPECT_EQ(second, SaveFailure::None);
    EXPECT_EQ(ReadBytes(file), "two");
}

} // namespace
