// The check every message of a failed save must pass: it names the file and says why.
#pragma once

#include <gtest/gtest.h>

#include <string>

// Whether the message names the file, by its name as the last part of a path (not a temporary
// file beside it), and after it gives the reason in the words given.
::testing::AssertionResult NamesFileAndReason(const std::string& message,
                                              const std::string& fileName,
                                              const std::string& reason);
