// Any file content read by the line rules: every read is bounded, holds no line feed, and the
// reads together account for every byte of the file but the line ends.
#include "core/files/TextLines.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FilePath file =
        std::filesystem::temp_directory_path() / ("tallyvane-fuzz-" + std::to_string(getpid()));
    if (FILE* out = std::fopen(file.c_str(), "wb"))
    {
        std::fwrite(data, 1, size, out);
        std::fclose(out);
    }
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < size; ++i)
        if (data[i] == '\n')
            lineEnds += (i > 0 && data[i - 1] == '\r') ? 2 : 1;

    LineReader reader(file);
    std::size_t taken = 0;
    for (std::size_t reads = 0; reads <= size + 1; ++reads)
    {
        const std::string line = reader.ReadLine();
        if (line.size() > kLineReadLimit || line.find('\n') != std::string::npos)
            std::abort();
        taken += line.size();
    }
    if (taken + lineEnds != size)
        std::abort();
    return 0;
}
