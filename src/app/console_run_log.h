#pragma once
// The run log of the command line. Lines go to the output as they come. On a
// terminal the last line stays open: a replacement rewrites it in place and,
// while a step runs, it shows the time the step has taken so far, updated
// every second. Elsewhere every line and every replacement is a plain line.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "core/run_log.h"

namespace qor::app {

class ConsoleRunLog final : public qor::IRunLog {
public:
    ConsoleRunLog(std::ostream& AOut, bool ATerminal, std::string ATitle = "qor-conversor");
    // Closes the open line.
    ~ConsoleRunLog() override;
    ConsoleRunLog(const ConsoleRunLog&) = delete;
    ConsoleRunLog& operator=(const ConsoleRunLog&) = delete;

    void Clear() override;
    std::size_t Append(const std::string& line) override;
    std::size_t LineCount() const override;
    void ReplaceLine(std::size_t index, const std::string& line) override;
    std::string Title() const override;
    void SetTitle(const std::string& title) override;
    void DisableStartAndBack() override {}
    void ShowMessage(const std::string& message) override;

private:
    void Tick();
    void CloseOpenLine();  // lock held
    void Write(const std::string& text);

    std::ostream& FOut;
    const bool FTerminal;
    std::string FTitle;

    mutable std::mutex FLock;
    std::vector<std::string> FLines;
    bool FOpen = false;  // the last line is on screen without its line break
    bool FTiming = false;  // the open line is a step under way
    std::chrono::steady_clock::time_point FSince;

    std::condition_variable FWake;
    bool FStop = false;
    std::thread FTicker;
};

}  // namespace qor::app
