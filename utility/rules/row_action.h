// row_action.h — what a double-click (or Ctrl and a double-click) on a list-view row does: a
// folder entry is listed or opened in the explorer program, a file is started or its folder
// opened. Note rows stand for no entry and do nothing.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "utility/model/result_list.h"

enum class RowActionKind { Nothing, ListFolder, OpenInExplorer, OpenListedFolder, Open };

struct RowAction {
    RowActionKind kind = RowActionKind::Nothing;
    std::string target;     // the folder to list, or what the shell is given
    std::string inputLine;  // the input line's new text; empty leaves it alone
};

// The entry behind `row` through rowMap; -1 when the row shows no entry.
int EntryOfRow(const ResultList& results, int row);

// The entry path behind a row, for the commands that act on it (F6 to F9, F11, Ctrl+P);
// nothing for a note row.
std::optional<std::string> EntryPathOfRow(const ResultList& results, int row);

// The paths Delete sends to the recycle bin, fixed before the question is asked: entry rows
// only, each path once, and never a drive.
std::vector<std::string> PathsToDelete(const ResultList& results, const std::vector<int>& rows);
// Delete asks about every row or about the selected ones.
const char* DeleteQuestion(bool all);

RowAction PlanRowAction(const ResultList& results, int row, bool ctrl, std::string_view nowDir);
