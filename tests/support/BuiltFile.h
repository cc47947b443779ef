// The programs a test starts (the built program, the file holder), found where the build put
// them: CMake hands each test its path at build time.
#pragma once

#include "core/files/WorkingFolder.h"

// The path of a file the build made, from the path CMake gave. The build runs on the Linux host;
// under Wine the host's absolute path is reached through drive Z:, which Wine maps to the root.
FilePath BuiltFile(const char* hostPath);
