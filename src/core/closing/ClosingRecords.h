// What the working folder remembers about closing files besides the open closing's figures: which
// closing file they belong to ("closing.path"), and the closings opened or saved last
// ("recent.list", the most recent first). Both are UTF-8 paths, one a line, and neither ends in
// ".txt", so Reset, which clears this closing's figures, leaves them.
#pragma once

#include "core/files/SafeSave.h"
#include "core/files/WorkingFolder.h"

#include <optional>
#include <string>
#include <vector>

constexpr char kOpenClosingFileName[] = "closing.path";
constexpr char kRecentClosingsFileName[] = "recent.list";
// The digest (ClosingDigest) of the closing file's bytes as the folder last wrote or read them.
constexpr char kSavedClosingFileName[] = "closing.saved";
// How many closings the recent list keeps.
constexpr std::size_t kRecentClosingsKept = 8;

// The closing file the working folder's figures belong to; none for an untitled closing, a
// missing or empty record, and one that holds no path.
std::optional<FilePath> ReadOpenClosingPath(const std::optional<FilePath>& folder);
// Records the closing file of the figures, or that they have none (the record is removed).
SaveFailure WriteOpenClosingPath(const std::optional<FilePath>& folder,
                                 const std::optional<FilePath>& closing);

// The folder's record of the closing file: the digest of its bytes as last written or read; none
// without one.
std::optional<std::string> ReadSavedClosingDigest(const std::optional<FilePath>& folder);
// Records the digest, or removes the record when there is none (the figures are untitled).
SaveFailure WriteSavedClosingDigest(const std::optional<FilePath>& folder,
                                    const std::optional<std::string>& digest);

// The recent closings, the most recent first, at most kRecentClosingsKept.
std::vector<FilePath> ReadRecentClosings(const std::optional<FilePath>& folder);
SaveFailure WriteRecentClosings(const std::optional<FilePath>& folder,
                                const std::vector<FilePath>& closings);

// The list with the closing first and no second entry of it (the same path in another case of
// letters is the same file on Windows), cut to kRecentClosingsKept.
std::vector<FilePath> WithRecentClosing(std::vector<FilePath> closings, const FilePath& closing);
// The list without the closing.
std::vector<FilePath> WithoutRecentClosing(std::vector<FilePath> closings, const FilePath& closing);

// Whether the two paths name the same file: equal but for the case of ASCII letters.
bool IsSameClosingPath(const FilePath& a, const FilePath& b);
