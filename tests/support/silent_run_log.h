#pragma once
// A front end that shows nothing: for runs whose report is all a test reads.

#include "core/run_log.h"

namespace qor::test {

class SilentRunLog final : public IRunLog {
public:
    void Clear() override { lines_ = 0; }
    std::size_t Append(const std::string&) override { return lines_++; }
    std::size_t LineCount() const override { return lines_; }
    void ReplaceLine(std::size_t, const std::string&) override {}
    std::string Title() const override { return {}; }
    void SetTitle(const std::string&) override {}
    void DisableStartAndBack() override {}
    void ShowMessage(const std::string&) override {}

private:
    std::size_t lines_ = 0;
};

}  // namespace qor::test
