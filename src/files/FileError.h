#pragma once
// Failed file operations: the error the editor raises, and the reasons and messages a user sees,
// in Czech. Qt-free.
#include <stdexcept>
#include <string>

// A file could not be opened, created, read or written. Carries a message fit for the user.
class EBedFileError : public std::runtime_error {
public:
    enum Kind { Open, Create, Read, Write };
    EBedFileError(Kind kind, const std::string& fileName, const std::string& message)
        : std::runtime_error(message), kind_(kind), fileName_(fileName) {}
    Kind kind() const { return kind_; }
    const std::string& fileName() const { return fileName_; }

private:
    Kind kind_;
    std::string fileName_;
};

// The system's reason for a failed file operation (an errno value), in Czech.
std::string FileErrorReason(int error);

// The message for a failed operation of the kind on the file, for the reason given.
std::string FileErrorMessage(EBedFileError::Kind kind, const std::string& fileName, const std::string& reason);

// Raises EBedFileError of the kind for the file, with the system's reason for `error`.
[[noreturn]] void FailFile(EBedFileError::Kind kind, const std::string& fileName, int error);
// The same with a reason of its own.
[[noreturn]] void FailFile(EBedFileError::Kind kind, const std::string& fileName, const std::string& reason);
