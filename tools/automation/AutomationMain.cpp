// The automation client from the command line, for scripts that run the program:
//   tallyvane-automation wait CAPTION MILLISECONDS   waits for the window and its first painting,
//                                                    and prints its place as WIDTHxHEIGHT+X+Y
//   tallyvane-automation click CAPTION ID            clicks the window's button ID (decimal)
//   tallyvane-automation close CAPTION               closes it as the close box does
// Exits 0 on success, 1 when the window did not appear or did not go.
#include "RemoteWindow.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc >= 4 && std::strcmp(argv[1], "wait") == 0)
    {
        const RemoteDialog dialog = RemoteDialog::WaitFor(
            argv[2], 0, static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)));
        if (!dialog)
            return 1;
        RedrawWindow(dialog.Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        dialog.Sync();
        RECT place{};
        GetWindowRect(dialog.Handle(), &place);
        std::printf("%ldx%ld+%ld+%ld\n", place.right - place.left, place.bottom - place.top,
                    place.left, place.top);
        return 0;
    }
    if (argc >= 4 && std::strcmp(argv[1], "click") == 0)
    {
        const RemoteDialog dialog = RemoteDialog::WaitFor(argv[2], 0, 0);
        if (!dialog || !dialog.Control(std::atoi(argv[3])))
            return 1;
        dialog.Click(std::atoi(argv[3]));
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "close") == 0)
    {
        const RemoteDialog dialog = RemoteDialog::WaitFor(argv[2], 0, 0);
        if (!dialog)
            return 1;
        dialog.PostClose();
        return dialog.WaitUntilGone(10000) ? 0 : 1;
    }
    return 2;
}
