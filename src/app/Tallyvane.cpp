#include "app/Tallyvane.h"

#include "app/CommandLine.h"
#include "app/OneCopyPerFolder.h"
#include "core/files/WorkingFolder.h"
#include "dialogs/SaveFailedDlg.h"
#include "dialogs/TallyvaneDlg.h"

// The one application object, constructed before the entry point runs InitInstance.
CTallyvaneApp theApp;

BOOL CTallyvaneApp::InitInstance()
{
    const OneCopyPerFolder claim(WorkingFolder());
    const std::optional<FilePath> closing = ClosingFileOnCommandLine(::GetCommandLineW());
    if (claim.AnotherCopyRuns())
    {
        // A closing file double-clicked while the program runs opens in the running copy. One
        // that copy did not take is told, not dropped without a word.
        if (!claim.BringTheOtherCopyForward(closing) && closing)
            ::MessageBoxW(nullptr,
                          (ShownPath(*closing).wstring() +
                           L" could not be handed to the Tallyvane that runs on this folder. Open "
                           L"it from that program's File menu.")
                              .c_str(),
                          kMessageCaption, MB_OK | MB_ICONWARNING);
        return FALSE;
    }

    AfxEnableControlContainer();
    Enable3dControlsStatic();

    CTallyvaneDlg form;
    if (closing)
        form.OpenAtStart(*closing);
    m_pMainWnd = &form;
    form.DoModal();
    m_pMainWnd = nullptr;
    // No message loop of the application's own: the program ends with the form.
    return FALSE;
}
