#include "BuiltFile.h"

#include <algorithm>
#include <string>

FilePath BuiltFile(const char* hostPath)
{
    std::string path = hostPath;
#ifdef _WIN32
    if (!path.empty() && path.front() == '/')
    {
        std::replace(path.begin(), path.end(), '/', '\\');
        path = "Z:" + path;
    }
#endif
    return FilePath(path);
}
