// Saves the file over and over, each time wholly of one letter, a, then b, then a again, until it
// is killed: the file on disk must then be one of the two, whole.
//   save_loop PATH
#include "core/files/SafeSave.h"

#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
        return 2;
    const FilePath target = argv[1];
    const std::string contents[] = {std::string(1 << 20, 'a') + "\r\n",
                                    std::string(1 << 20, 'b') + "\r\n"};
    for (unsigned round = 0;; ++round)
        SaveFileSafely(target, contents[round % 2]);
}
