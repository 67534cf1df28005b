// The errors of the stores. Messages are the German texts the user sees
// through the application's error handler.
#pragma once

#include <stdexcept>
#include <string>

namespace config {

// A registry value that cannot be fetched, has the wrong type, or cannot
// be set.
class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An INI file that cannot be written (or read).
class EIniFileException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The message templates; "%s" is the value or file name.
inline constexpr const char* kMsgCannotGetData = "Konnte Daten für '%s' nicht holen";
inline constexpr const char* kMsgInvalidDataType = "Ungültiger Datentyp für '%s'";
inline constexpr const char* kMsgCannotSetData = "Konnte Daten für '%s' nicht setzen";
inline constexpr const char* kMsgCannotWriteFile = "nach %s kann nicht geschrieben werden";
inline constexpr const char* kMsgCannotReadFile = "%s kann nicht gelesen werden";

}  // namespace config
