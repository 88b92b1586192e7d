// How a failure inside an event handler ends: the toolkit's own file, stream and bitmap
// failures end the handler silently (there is nothing the user could do about them), any
// other failure is shown in a task-modal error box first. No C++ exception may cross a
// window procedure, so every procedure of the toolkit runs its handler through RunHandler.
#pragma once

#include <exception>
#include <stdexcept>
#include <string>

// A file or stream could not be opened, read or written.
class EFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file holds no bitmap that can be loaded.
class EBitmapError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Exception " followed by the kind of failure: its type name, and its message when that
// says more than the type name.
std::string ExceptionText(const std::exception& Failure);

// Shows a failure that ended a handler, or nothing for the silent kinds.
void ReportHandlerFailure(std::exception_ptr Failure) noexcept;

template <typename THandler>
bool RunHandler(THandler&& Handler) noexcept {
    try {
        Handler();
        return true;
    } catch (...) {
        ReportHandlerFailure(std::current_exception());
        return false;
    }
}
