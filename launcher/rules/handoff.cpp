#include "launcher/rules/handoff.h"

#include <utility>

#include "launcher/resources/messages.h"
#include "launcher/resources/texts.h"

Handoff PlanHandoff(std::string_view argument, const std::string& boardPath) {
    if (argument == "exec") return {"", MSG_EXEC};
    if (argument == "clipb") return {"", MSG_CLIPB};
    if (argument.empty()) return {"", MSG_ACTIVATE};
    // "end" still writes its path; the receiver ignores it because MSG_END comes instead.
    return {boardPath, argument == "end" ? MSG_END : MSG_ACTIVATE};
}

const char* FirstStartRefusal(std::string_view argument) {
    if (argument == "clipb") return kClipbAtFirstStartText;
    if (argument == "exec") return kExecAtFirstStartText;
    return nullptr;
}

bool TakesHandOff(std::string_view className, int titleLength) {
    return className == kWindowClass && titleLength == 0;
}

bool HandOverQueue::WaitsForDialog(const HandOver& handOver) const {
    return held_ && handOver.message != MSG_EXEC && handOver.message != MSG_CLIPB;
}

bool HandOverQueue::Arrive(HandOver handOver) {
    bool earlierWaits = taken_ < waiting_.size();
    bool waits = running_ || earlierWaits || WaitsForDialog(handOver);
    waiting_.push_back(std::move(handOver));
    if (waits) return false;
    running_ = true;
    return true;
}

std::optional<HandOver> HandOverQueue::Next() {
    if (taken_ < waiting_.size() && !WaitsForDialog(waiting_[taken_]))
        return std::move(waiting_[taken_++]);
    if (taken_ == waiting_.size()) {
        waiting_.clear();
        taken_ = 0;
    }
    running_ = false;
    return std::nullopt;
}

void HandOverQueue::Hold() {
    held_ = true;
}

bool HandOverQueue::Release() {
    held_ = false;
    if (running_ || taken_ == waiting_.size()) return false;
    running_ = true;
    return true;
}
