// The program in a folder whose full path is longer than 260 characters, started by the script:
// it clears the temporary file a cut-short save left, reads its figures there, and keeps what is
// typed there.
#include "ProgramTest.h"

#include "res/resource.h"
#include "TempFolder.h"

#include <string>

namespace
{

class LongPath : public PreparedPlaceTest
{
};

TEST_F(LongPath, ReadsAndKeepsItsFigures)
{
    ASSERT_GT((m_place / "Tallyvane.exe").wstring().size(), 260u);
    RemoteDialog form = RemoteDialog::WaitFor(kFormCaption, 0, kWait);
    ASSERT_TRUE(form) << "the form did not appear";
    form.Sync();
    EXPECT_EQ(form.Text(IDC_MONTHS1), "4");
    EXPECT_EQ(form.Text(IDC_PER_MONTH1), "$50.00");
    EXPECT_EQ(form.Text(IDC_ITEM1), "$600.00");
    EXPECT_FALSE(HasTemporaryFile(Current()));

    RemoteDialog schedule = OpenSchedule(form, IDC_ITEM2);
    schedule.SetText(IDC_MARCH, "1,200.00");
    schedule.Click(IDOK);
    ASSERT_TRUE(schedule.WaitUntilGone(kWait));
    EXPECT_EQ(ReadBytes(Current() / "part2.txt").substr(0, 14), "\r\n\r\n1,200.00\r\n");

    form.SetText(IDC_MONTHS1, "6");
    form.PostClose();
    ASSERT_TRUE(form.WaitUntilGone(kWait));
    EXPECT_EQ(ReadBytes(Current() / "main.txt").substr(0, 13), "6\r\n$50.00\r\n\r\n");
}

} // namespace
