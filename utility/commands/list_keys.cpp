#include "utility/commands/list_keys.h"

#include "common/sjis.h"
#include "utility/commands/path_text.h"

int DigitToRow(unsigned key) {
    int row = static_cast<int>(key) - '1';
    return row < 0 ? 9 : row;
}

std::optional<int> ListBoxItemIndex(unsigned key, bool boardList, int selection, int count) {
    int index = boardList && key >= 47 && key <= 57 ? DigitToRow(key) : selection;
    if (index < 0 || index >= count) return std::nullopt;
    return index;
}

WrapStep StepWithWrap(int count, int current, bool down) {
    if (count <= 0) return {};
    if (down) {
        if (current >= count - 1) return {WrapKind::Wrap, 0};
        return {WrapKind::Standard, current + 1};
    }
    if (current <= 0) return {WrapKind::Wrap, count - 1};
    return {WrapKind::Standard, current - 1};
}

namespace {

bool IsSeparator(std::string_view text, std::size_t at) {
    return (text[at] == '\\' || text[at] == ':') && IsCharBoundary(text, at);
}

int CountSeparators(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) count += IsSeparator(text, i) ? 1 : 0;
    return count;
}

ParentStep Drives() {
    return {ParentKind::ListDrives, ""};
}

}  // namespace

ParentStep ParentOfInput(std::string_view text, int selectionEnd, std::string_view nowDir) {
    if (selectionEnd != 0) {
        if (text.empty()) return {ParentKind::SetInput, std::string(nowDir)};
        return {};
    }
    if (!text.empty() && CountSeparators(text) < 2) return Drives();
    if (text.size() <= 1) return {ParentKind::SetInput, std::string(nowDir)};
    std::string_view folder = text;
    // "*" is never a trail byte; the "\" before it is cut next, if it is a whole character.
    if (folder.back() == '*') folder.remove_suffix(1);
    if (!folder.empty() && IsSeparator(folder, folder.size() - 1)) folder.remove_suffix(1);
    // C:\* goes up to the bare drive, and the drive up to the drive list.
    if (CountSeparators(folder) < 2) return Drives();
    for (std::size_t at = folder.size() - 1; at >= 1; --at)
        if (IsSeparator(folder, at))
            return {ParentKind::SetInput, std::string(folder.substr(0, at))};
    return {};
}

namespace {

CommandPlan Run(const std::string& path) {
    return {CommandKind::Run, QuoteIfSpaced(TrimPatternTail(path))};
}

}  // namespace

CommandPlan PlanCommandWithText(std::string_view command, const std::optional<std::string>& text) {
    if (!text) return {};
    if (command.empty()) return {CommandKind::NotRegistered, ""};
    return Run(*text);
}

CommandPlan PlanCommandOnRow(std::string_view command, const std::optional<std::string>& path) {
    if (command.empty()) return {CommandKind::NotRegistered, ""};
    if (!path) return {};
    return Run(*path);
}

std::string ClipboardPath(std::string_view path, bool lastComponent) {
    std::string trimmed = TrimPatternTail(path);
    if (!lastComponent) return trimmed;
    std::size_t separator = FindLastChar(trimmed, '\\');
    return separator == std::string::npos ? trimmed : trimmed.substr(separator + 1);
}

bool IsPastBoard(const BoardList& boards, std::string_view name) {
    for (int i = 0; i < boards.count(); ++i)
        if (boards.names[i] == name) return boards.pastFlag[i] == 1;
    return false;
}
