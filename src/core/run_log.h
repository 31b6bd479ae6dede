#pragma once
// What the conversion driver needs from its front end: the window and the
// command line both implement it, and the driver never knows which.
// The start checks call it on the thread that starts the run (Clear, Title,
// SetTitle, ShowMessage); the run itself calls it from its worker thread, so
// an implementation that owns a window must queue those calls to its GUI
// thread, in order.

#include <cstddef>
#include <string>

namespace qor {

class IRunLog {
public:
    virtual ~IRunLog() = default;

    virtual void Clear() = 0;
    // Appends a line and returns its index (0-based).
    virtual std::size_t Append(const std::string& line) = 0;
    virtual std::size_t LineCount() const = 0;
    virtual void ReplaceLine(std::size_t index, const std::string& line) = 0;
    // The driver reads the title on the thread that starts the run, and sets
    // it to the title followed by the chosen municipality.
    virtual std::string Title() const = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // Disables "Converter" and "Voltar" for the rest of the session.
    virtual void DisableStartAndBack() = 0;
    // An informational message the operator must see (a message box in the window).
    virtual void ShowMessage(const std::string& message) = 0;
};

}  // namespace qor
