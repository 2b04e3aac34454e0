#pragma once
// The folders that stand in for the Windows ones. Each returned folder ends with "/".
#include <string>

namespace quorla {

// Settings folder (holds "registry.ini" and "ATLASCFG.INI"): $QUORLA_CONFIG_HOME, else
// $XDG_CONFIG_HOME/Quorla, else ~/.config/Quorla. Created when missing.
std::string ConfigDirectory();

// The private temporary folder $TMPDIR/quorla-<uid>/ (default /tmp), mode 0700. A folder of that
// name that is not already private (a link, another owner, or open to others) is refused, never
// repaired: whatever others could put in it is not trusted. Temporary files are then refused,
// never put elsewhere.
enum class TempFolderStatus { Ok, NotPrivate, CannotCreate };
TempFolderStatus PrivateTempFolder(std::string& folder);  // folder is set in every case
// The folder when it is usable, else empty text.
std::string PrivateTempDirectory();

// The installed data folder that holds the fixed fallback folders ("topo", "border", the world
// map database): $QUORLA_DATA_DIR, else share/quorla beside the folder of the program or library
// (an install into any prefix), else the build tree's data folder when it exists, else the
// configured <prefix>/share/quorla.
std::string DataDirectory();

enum class DriveKind { Fixed, Removable, CdRom };
// The kind of the medium that holds path (or its nearest existing parent folder).
DriveKind KindOfDrive(const std::string& path);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

}  // namespace quorla
