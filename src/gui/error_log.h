#pragma once
// The error log: a readable entry per error appended to log/log.txt under
// the working folder, with a picture of the active window in log/img named
// by the entry's time stamp.

#include <QString>
#include <memory>

namespace qor::gui {

class ILog {
public:
    virtual ~ILog() = default;
    // Appends one entry; raises when a folder or the file cannot be written.
    virtual void Write(const QString& AMessage, const QString& AClassName) = 0;
    // Write, then shows AMessage in an error box on the GUI thread.
    virtual void WriteAndShowMessage(const QString& AMessage, const QString& AClassName) = 0;
};

class TLog : public ILog {
public:
    static std::unique_ptr<ILog> New();

    void Write(const QString& AMessage, const QString& AClassName) override;
    void WriteAndShowMessage(const QString& AMessage, const QString& AClassName) override;
};

// The operating system's name as the log shows it: the distribution's
// pretty name on Linux, the product name by version on Windows.
QString OperatingSystemName();

}  // namespace qor::gui
