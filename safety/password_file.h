// The password file "sysbtnc.dll" in the Windows folder: a text file of
// lines whose eighth line holds either the no-password marker or the check
// value of the password. Every copy of the program on the machine shares it.
//
// The lock it gives is a guard against casual use on a shared machine, not
// protection of data: anyone who can edit files in the Windows folder can
// remove it.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace safety {

// Line 8 when no password is set.
extern const char kNoPasswordMarker[];
// The 16 bytes that the check value encrypts: 9TV2k/w4"§-+-+;R.
extern const std::string kVerificationText;
// The line that holds the marker or the check value (line 8).
constexpr size_t kCheckLine = 7;

// The file could not be read or written.
class EPasswordFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The Windows folder followed by "\sysbtnc.dll", asked anew at every call.
std::string PasswordFilePath();

// The lines of a text; a line ends at CR, LF or CR LF.
std::vector<std::string> SplitLines(const std::string& text);
// The lines with CR LF after every one.
std::string JoinLines(const std::vector<std::string>& lines);

// The file's lines; none when it does not exist. EPasswordFileError when it
// exists but cannot be read.
std::vector<std::string> ReadPasswordFile();
// Line 8, or nothing when the file is missing or shorter than 8 lines.
std::optional<std::string> ReadCheckLine();
// Replaces line 8 (padding a short or missing file with empty lines) and
// writes the whole list back. The new content goes to a file beside the old
// one, which is replaced only once the write is complete; the read-only,
// hidden and system attributes are cleared for that and restored.
// EPasswordFileError when it could not be written; the old file then stays.
void WriteCheckLine(const std::string& value);

// True when password protection is set up: line 8 exists and is not the
// no-password marker.
bool PassUses();

}  // namespace safety
