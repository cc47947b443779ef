#include "core/files/SaveFailureMessage.h"

std::wstring SaveFailureMessage(const std::optional<FilePath>& target, const std::string& fileName,
                                SaveFailure failure)
{
    const std::wstring file = target ? ShownPath(*target).wstring() : FilePath(fileName).wstring();
    const std::string reason = SaveFailureReason(failure);
    return L"The figures could not be saved in\n" + file + L"\nbecause " +
           std::wstring(reason.begin(), reason.end()) + L".";
}
