#include "launcher/frame/handoff.h"

#include "launcher/frame/messages.h"

Handoff PlanHandoff(std::string_view argument, const std::string& boardPath) {
    if (argument == "exec") return {"", MSG_EXEC};
    if (argument == "clipb") return {"", MSG_CLIPB};
    if (argument.empty()) return {"", MSG_ACTIVATE};
    // "end" still writes its path; the receiver ignores it because MSG_END comes instead.
    return {boardPath, argument == "end" ? MSG_END : MSG_ACTIVATE};
}

const char* FirstStartRefusal(std::string_view argument) {
    if (argument == "clipb") return "起動後にclipを実行して下さい";
    if (argument == "exec") return "起動後にexeを実行して下さい";
    return nullptr;
}
