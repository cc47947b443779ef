// What a start does with the open closing's file: the working folder's figures saved into it when
// they are the newer, the file's opened when it was changed elsewhere and the folder holds nothing
// newer, and the file left alone when both changed or it is not one this program writes.
#include "core/closing/ClosingAtStart.h"
#include "core/closing/ClosingRecords.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace
{

ClosingContents WithMonths(const char* months)
{
    ClosingContents closing;
    closing.formFile = std::string(months) + "\r\n\r\n";
    closing.scheduleFiles[0] = "\r\n100.00\r\n";
    return closing;
}

ClosingFileRead Read(const ClosingContents& contents)
{
    return ParseClosingFile(ClosingFileBytes(contents));
}

std::string DigestOf(const ClosingContents& contents)
{
    return ClosingDigest(ClosingFileBytes(contents));
}

TEST(ClosingAtStart, TellsTheNewerSideFromTheFoldersRecordOfTheFile)
{
    // The file as this folder last saved it ("saved"), then changed at the folder ("typed") or
    // elsewhere ("theirs").
    const ClosingContents saved = WithMonths("3");
    const ClosingContents typed = WithMonths("4");
    const ClosingContents theirs = WithMonths("9");
    ClosingContents missingSchedule = saved;
    missingSchedule.scheduleFiles[1].reset();
    ClosingContents emptySchedule = saved;
    emptySchedule.scheduleFiles[1] = "";

    ClosingFileRead missing;
    missing.problem = ClosingFileRead::Problem::CannotRead;
    const ClosingFileRead newer = ParseClosingFile("Tallyvane closing file, version 2\r\n");
    ASSERT_EQ(newer.problem, ClosingFileRead::Problem::NewerVersion);
    const ClosingFileRead notOurs = ParseClosingFile("Dear borrower,\r\n");
    ASSERT_EQ(notOurs.problem, ClosingFileRead::Problem::NotAClosingFile);

    const struct
    {
        const char* what;
        ClosingFileRead file;
        std::optional<ClosingContents> folder;
        std::optional<std::string> lastSeen;
        ClosingAtStart choice;
    } cases[] = {
        {"both as saved", Read(saved), saved, DigestOf(saved), ClosingAtStart::SaveFolder},
        {"the same figures, the record of an older file", Read(saved), saved, DigestOf(theirs),
         ClosingAtStart::SaveFolder},
        {"a missing schedule file holds what an empty one does", Read(emptySchedule),
         missingSchedule, DigestOf(theirs), ClosingAtStart::SaveFolder},
        {"typed since the last save reached the file", Read(saved), typed, DigestOf(saved),
         ClosingAtStart::SaveFolder},
        {"changed elsewhere, nothing typed here since", Read(theirs), saved, DigestOf(saved),
         ClosingAtStart::OpenFile},
        {"changed elsewhere and typed here", Read(theirs), typed, DigestOf(saved),
         ClosingAtStart::LeaveFile},
        {"changed elsewhere, a working file too large here", Read(theirs), std::nullopt,
         DigestOf(saved), ClosingAtStart::LeaveFile},
        {"no record: a folder from before it was kept", Read(theirs), typed, std::nullopt,
         ClosingAtStart::SaveFolder},
        {"the file missing or out of reach", missing, typed, DigestOf(saved),
         ClosingAtStart::SaveFolder},
        {"a newer version's file", newer, saved, DigestOf(saved), ClosingAtStart::LeaveFile},
        {"a newer version's file, no record", newer, saved, std::nullopt,
         ClosingAtStart::LeaveFile},
        {"not a closing file", notOurs, saved, DigestOf(saved), ClosingAtStart::LeaveFile},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ChooseClosingAtStart(c.file, c.folder, c.lastSeen), c.choice);
    }
}

TEST(ClosingAtStart, TheDigestTellsBytesApartAndIsKeptInTheFolder)
{
    EXPECT_EQ(ClosingDigest(""), "cbf29ce484222325 0");
    EXPECT_EQ(ClosingDigest("a"), "af63dc4c8601ec8c 1");
    EXPECT_NE(ClosingDigest("3\r\n"), ClosingDigest("4\r\n"));
    EXPECT_NE(ClosingDigest(std::string(2, '\0')), ClosingDigest(std::string(1, '\0')));

    TempFolder folder;
    EXPECT_EQ(ReadSavedClosingDigest(folder.Path()), std::nullopt);
    ASSERT_EQ(WriteSavedClosingDigest(folder.Path(), ClosingDigest("a")), SaveFailure::None);
    EXPECT_EQ(ReadSavedClosingDigest(folder.Path()), ClosingDigest("a"));
    ASSERT_EQ(WriteSavedClosingDigest(folder.Path(), std::nullopt), SaveFailure::None);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / kSavedClosingFileName));
    EXPECT_EQ(ReadSavedClosingDigest(std::nullopt), std::nullopt);
}

} // namespace
