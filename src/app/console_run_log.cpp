#include "app/console_run_log.h"

#include "core/conversion_driver.h"

namespace qor::app {
namespace {

constexpr const char* kRewrite = "\r\033[K";  // back to the line's start, erased

// A line may carry line breaks of its own (a batch error begins with one).
std::string Plain(const std::string& ALine) {
    std::string text;
    for (char c : ALine)
        if (c != '\r') text += c;
    return text;
}

}  // namespace

ConsoleRunLog::ConsoleRunLog(std::ostream& AOut, bool ATerminal, std::string ATitle)
    : FOut(AOut), FTerminal(ATerminal), FTitle(std::move(ATitle)) {
    if (FTerminal) FTicker = std::thread(&ConsoleRunLog::Tick, this);
}

ConsoleRunLog::~ConsoleRunLog() {
    {
        std::lock_guard lock(FLock);
        FStop = true;
        CloseOpenLine();
    }
    FWake.notify_all();
    if (FTicker.joinable()) FTicker.join();
}

void ConsoleRunLog::Write(const std::string& text) { FOut << text << std::flush; }

void ConsoleRunLog::CloseOpenLine() {
    if (!FOpen) return;
    Write(std::string(kRewrite) + Plain(FLines.back()) + "\n");
    FOpen = false;
}

void ConsoleRunLog::Clear() {
    std::lock_guard lock(FLock);
    CloseOpenLine();
    FLines.clear();
}

std::size_t ConsoleRunLog::Append(const std::string& line) {
    std::lock_guard lock(FLock);
    CloseOpenLine();
    FLines.push_back(line);
    FSince = std::chrono::steady_clock::now();
    FTiming = true;
    if (FTerminal) {
        Write(Plain(line));
        FOpen = true;
    } else {
        Write(Plain(line) + "\n");
    }
    return FLines.size() - 1;
}

std::size_t ConsoleRunLog::LineCount() const {
    std::lock_guard lock(FLock);
    return FLines.size();
}

void ConsoleRunLog::ReplaceLine(std::size_t index, const std::string& line) {
    std::lock_guard lock(FLock);
    FLines.at(index) = line;
    FTiming = false;  // the step is done
    if (FOpen && index + 1 == FLines.size())
        Write(kRewrite + Plain(line));
    else
        Write(Plain(line) + "\n");  // a line already passed can only be repeated
}

std::string ConsoleRunLog::Title() const {
    std::lock_guard lock(FLock);
    return FTitle;
}

void ConsoleRunLog::SetTitle(const std::string& title) {
    std::lock_guard lock(FLock);
    FTitle = title;
}

void ConsoleRunLog::ShowMessage(const std::string& message) {
    std::lock_guard lock(FLock);
    CloseOpenLine();
    Write(message + "\n");
}

void ConsoleRunLog::Tick() {
    std::unique_lock lock(FLock);
    while (!FStop) {
        FWake.wait_for(lock, std::chrono::seconds(1));
        if (FStop || !FOpen || !FTiming) continue;
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - FSince);
        if (elapsed.count() >= 1) Write(kRewrite + Plain(FLines.back()) + "  (" + FormatarDuracao(elapsed) + ")");
    }
}

}  // namespace qor::app
