#include "utility/rules/list_keys.h"

#include <algorithm>

#include "common/quotes.h"
#include "common/sjis.h"
#include "common/virtual_keys.h"
#include "utility/model/path_text.h"

namespace {

constexpr unsigned kCtrlC = 3, kCtrlP = 16, kCtrlV = 22, kCtrlX = 24;

ListKeyDecision Do(ListKey action, ListKeyPass pass = ListKeyPass::ControlKeys) {
    return {action, pass, -1, false};
}

ListKeyDecision Focus(ListKey action = ListKey::FocusInput) {
    return {action, ListKeyPass::ControlKeys, -1, true};
}

// Keys both lists answer alike.
std::optional<ListKeyDecision> SharedKeyDown(unsigned key) {
    if (key >= Vk::F6 && key <= Vk::F9)
        return ListKeyDecision{ListKey::RunCommand, ListKeyPass::ControlKeys,
                               static_cast<int>(key - Vk::F6), false};
    switch (key) {
        case Vk::Escape:
            return Focus();
        case Vk::F10:
            return Do(ListKey::CycleMode);
        case Vk::Shift:
        case Vk::Control:
        case 255:
            return Do(ListKey::None);
    }
    return std::nullopt;
}

}  // namespace

ListKeyDecision BoardListKeyDown(unsigned key, bool ctrl, bool shift) {
    if (std::optional<ListKeyDecision> shared = SharedKeyDown(key)) return *shared;
    switch (key) {
        case Vk::Enter:
            return Do(ListKey::OpenBoard);
        case Vk::Down:
            return Do(ListKey::ArrowDown, ListKeyPass::StandardOnly);
        case Vk::Up:
            return Do(ListKey::ArrowUp, ListKeyPass::StandardOnly);
        case Vk::Delete:
            return Do(ListKey::DeleteBoard);
        case Vk::F11:
            return Do(ListKey::ListItem);
        case Vk::F1:
            return Do(ListKey::None, ListKeyPass::InputLineControlKeys);
        case kCtrlV:
            return Do(ListKey::None);
    }
    // So the digit keys 1 to 9 and 0 choose one of the first ten items.
    return Focus(ctrl || shift ? ListKey::FocusInput : ListKey::TakeItem);
}

ListKeyDecision BoardListChar(unsigned character, bool ctrl) {
    if (ctrl && (character == kCtrlC || character == kCtrlX))
        return Do(ListKey::Transfer, ListKeyPass::Consumed);
    if (character == kCtrlV)
        return Do(ctrl ? ListKey::Paste : ListKey::SendToInputLine, ListKeyPass::Consumed);
    if (character == '\r') return Do(ListKey::None);
    // The digit chose one of the first ten items: it is not typed into the line as well.
    if (character >= '0' && character <= '9') return Do(ListKey::None, ListKeyPass::Consumed);
    return Do(ListKey::SendToInputLine, ListKeyPass::Consumed);
}

ListKeyDecision ListViewKeyDown(unsigned key, bool ctrl) {
    if (std::optional<ListKeyDecision> shared = SharedKeyDown(key)) return *shared;
    switch (key) {
        case Vk::Enter:
            return Do(ListKey::OpenRowBoard);
        case Vk::Down:
            return Do(ListKey::ArrowDown);
        case Vk::Up:
            return Do(ListKey::ArrowUp);
        case Vk::Delete:
            return Do(ListKey::DeleteRows);
        case Vk::F11:
            return Do(ListKey::AddBookmark);
    }
    if (key == Vk::Space && ctrl) return Do(ListKey::SelectFocusedRow);
    return Focus(key == Vk::Back ? ListKey::ParentOfInput : ListKey::FocusInput);
}

ListKeyDecision ListViewChar(unsigned character, bool ctrl) {
    if (ctrl && (character == kCtrlC || character == kCtrlX))
        return Do(ListKey::CopyNoteString, ListKeyPass::Consumed);
    if (ctrl && character == kCtrlP) return Do(ListKey::CopyEntryPath, ListKeyPass::Consumed);
    // Ctrl+Space selected the focused row; its space must not reach the input line, where
    // Ctrl+Space offers to recycle every row.
    if (ctrl && character == ' ') return Do(ListKey::None, ListKeyPass::Consumed);
    if (character == '\b' || character == '\r') return Do(ListKey::None);
    return Do(ListKey::SendToInputLine, ListKeyPass::Consumed);
}

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

std::vector<std::string> LinesToOpen(std::string_view text, int selectionStart, int selectionEnd) {
    auto clamp = [&](int at) {
        return std::min(static_cast<std::size_t>(std::max(at, 0)), text.size());
    };
    std::size_t start = clamp(std::min(selectionStart, selectionEnd));
    std::size_t end = clamp(std::max(selectionStart, selectionEnd));
    std::string_view chosen = text.substr(start, end - start);
    if (!chosen.empty() && chosen.back() == '\n') chosen.remove_suffix(1);
    if (!chosen.empty() && chosen.back() == '\r') chosen.remove_suffix(1);
    if (chosen.empty()) {
        std::size_t from =
            text.find_last_of("\r\n", start == 0 ? std::string_view::npos : start - 1);
        from = start == 0 || from == std::string_view::npos ? 0 : from + 1;
        std::size_t to = text.find_first_of("\r\n", start);
        chosen = text.substr(from, (to == std::string_view::npos ? text.size() : to) - from);
    }
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at <= chosen.size()) {
        std::size_t next = chosen.find_first_of("\r\n", at);
        if (next == std::string_view::npos) next = chosen.size();
        if (next > at) lines.emplace_back(chosen.substr(at, next - at));
        at = next + 1;
    }
    return lines;
}
