#pragma once
// A run log that passes every call on to the front end's log and keeps its
// own copy of the lines, so that the run's record can be written whatever
// the front end is.

#include <string>
#include <vector>

#include "core/run_log.h"

namespace qor {

class TRecordingLog final : public IRunLog {
public:
    explicit TRecordingLog(IRunLog& AFrontEnd) : FFrontEnd(AFrontEnd) {}

    void Clear() override {
        FLines.clear();
        FFrontEnd.Clear();
    }
    std::size_t Append(const std::string& line) override {
        FLines.push_back(line);
        FFrontEnd.Append(line);
        return FLines.size() - 1;
    }
    std::size_t LineCount() const override { return FLines.size(); }
    void ReplaceLine(std::size_t index, const std::string& line) override {
        FLines.at(index) = line;
        FFrontEnd.ReplaceLine(index, line);
    }
    std::string Title() const override { return FFrontEnd.Title(); }
    void SetTitle(const std::string& title) override { FFrontEnd.SetTitle(title); }
    void DisableStartAndBack() override { FFrontEnd.DisableStartAndBack(); }
    void ShowMessage(const std::string& message) override { FFrontEnd.ShowMessage(message); }

    const std::vector<std::string>& Lines() const { return FLines; }

private:
    IRunLog& FFrontEnd;
    std::vector<std::string> FLines;
};

}  // namespace qor
