// The one error type of the program: a runtime error number and a Japanese description.
#pragma once

#include <QString>
#include <exception>
#include <string>

namespace pukana {

namespace err {
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int FileNotFound = 53;
constexpr int InputPastEnd = 62;
constexpr int DiskFull = 61;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int InvalidFormat = 321;
constexpr int NotSupported = 445;
constexpr int Cancel = 32755;
// Failures the classic numbers cannot tell apart.
constexpr int ReadOnlyFileSystem = 32001;
constexpr int NameTooLong = 32002;
constexpr int NotRegularFile = 32003;
constexpr int FileTooLarge = 32004;
constexpr int ReadPermissionDenied = 32005;
} // namespace err

/// The error number of a failed system call's `errno`: disk full, read-only file system,
/// permission denied (`writing` tells a refused write from a refused read), not found, name
/// too long; anything else is the general path or file access error.
int errorNumberFromErrno(int errnoValue, bool writing);

class PukanaError : public std::exception {
public:
    PukanaError(int number, QString description);

    int number() const { return number_; }
    const QString& description() const { return description_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    int number_;
    QString description_;
    std::string utf8_;
};

/// The standard Japanese description of an error number, naming `subject` (a path) when given.
QString errorDescription(int number, const QString& subject = QString());

/// Throws PukanaError with the standard description of `number`.
[[noreturn]] void raiseError(int number, const QString& subject = QString());

} // namespace pukana
