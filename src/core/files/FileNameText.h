// Text the user typed, made fit to stand in a file name the program offers.
#pragma once

#include <string>

// The text with each character a Windows file name cannot hold (\ / : * ? " < > | and control
// characters) made "-"; every other character, UTF-8 included, kept.
std::string FileNameText(const std::string& text);
