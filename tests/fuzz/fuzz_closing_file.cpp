// Any bytes as a closing file: reading never fails, and whatever opens writes a closing file that
// opens to the same contents and writes the same bytes again.
#include "core/closing/ClosingFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ClosingFileRead read =
        ParseClosingFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (read.problem == ClosingFileRead::Problem::CannotRead)
        std::abort();
    if (read.problem != ClosingFileRead::Problem::None)
    {
        // A refused file gives no contents, and only a newer version names its number.
        if (read.contents != ClosingContents{} ||
            read.version.empty() != (read.problem != ClosingFileRead::Problem::NewerVersion))
            std::abort();
        return 0;
    }
    const std::string bytes = ClosingFileBytes(read.contents);
    const ClosingFileRead again = ParseClosingFile(bytes);
    if (again.problem != ClosingFileRead::Problem::None || again.contents != read.contents ||
        ClosingFileBytes(again.contents) != bytes)
        std::abort();
    return 0;
}
