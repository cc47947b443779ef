#include "SaveMessage.h"

#include <cctype>

namespace
{

// Where the message names the file as the end of a path, or npos.
std::string::size_type FileNamed(const std::string& message, const std::string& fileName)
{
    for (auto at = message.find(fileName); at != std::string::npos;
         at = message.find(fileName, at + 1))
    {
        const auto after = at + fileName.size();
        const bool endsAPath =
            at > 0 && (message[at - 1] == '\\' || message[at - 1] == '/') &&
            (after == message.size() || std::isspace(static_cast<unsigned char>(message[after])));
        if (endsAPath)
            return at;
    }
    return std::string::npos;
}

} // namespace

::testing::AssertionResult NamesFileAndReason(const std::string& message,
                                              const std::string& fileName,
                                              const std::string& reason)
{
    const auto named = FileNamed(message, fileName);
    if (named == std::string::npos)
        return ::testing::AssertionFailure()
               << "the message does not name " << fileName << " as a path: " << message;
    if (message.find(reason, named + fileName.size()) == std::string::npos)
        return ::testing::AssertionFailure()
               << "the message does not say \"" << reason << "\" after the file: " << message;
    return ::testing::AssertionSuccess();
}
