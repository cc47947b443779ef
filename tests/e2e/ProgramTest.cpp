#include "ProgramTest.h"

#include "core/escrow/ItemHeadings.h"
#include "dialogs/FormItems.h"

#include <cstdlib>

RemoteDialog ProgramTest::Start()
{
    m_program.reset();
    m_program =
        std::make_unique<RemoteProgram>((m_place / "Tallyvane.exe").wstring(), m_place.wstring());
    EXPECT_TRUE(m_program->Started());
    RemoteDialog form = RemoteDialog::WaitFor(kFormCaption, m_program->ProcessId(), kWait);
    EXPECT_TRUE(form) << "the form did not appear";
    form.Sync();
    return form;
}

RemoteDialog ProgramTest::StartWith(const FilePath& closingFile)
{
    m_program.reset();
    m_program =
        std::make_unique<RemoteProgram>((m_place / "Tallyvane.exe").wstring(), m_place.wstring(),
                                        L"\"" + closingFile.wstring() + L"\"");
    EXPECT_TRUE(m_program->Started());
    RemoteDialog form = RemoteDialog::WaitFor(
        closingFile.filename().u8string() + " - " + kFormCaption, m_program->ProcessId(), kWait);
    EXPECT_TRUE(form) << "the form did not appear with the closing file's name";
    form.Sync();
    return form;
}

DWORD ProgramTest::WaitForExit() const
{
    return m_program->WaitForExit(kWait);
}

RemoteDialog ProgramTest::WaitForMessage() const
{
    RemoteDialog message =
        RemoteDialog::WaitFor(kMessageCaption, m_program ? m_program->ProcessId() : 0, kWait);
    EXPECT_TRUE(message) << "no message appeared";
    message.Sync();
    return message;
}

RemoteDialog ProgramTest::OpenSchedule(const RemoteDialog& form, int button) const
{
    form.Click(button);
    RemoteDialog schedule = RemoteDialog::WaitFor(ScheduleCaption(ItemOfButton(button)),
                                                  m_program ? m_program->ProcessId() : 0, kWait);
    EXPECT_TRUE(schedule) << "the schedule dialog did not appear";
    schedule.Sync();
    return schedule;
}

void PreparedPlaceTest::SetUp()
{
    const wchar_t* place = _wgetenv(L"TALLYVANE_PLACE");
    ASSERT_TRUE(place && *place) << "TALLYVANE_PLACE is not set: run this test through its script";
    // A place deeper than the old path limit is reached the way the program reaches it.
    m_place = LongPathReady(place);
}
