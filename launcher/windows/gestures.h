// gestures.h — what a mouse action on a note means: the kind of a release, the hover steps of
// mini notes, and the note menu with its "移動" entries.
#pragma once
#include <optional>
#include <string>
#include <vector>

enum class Release {
    Click,      // shorter than the click time: the note runs, wherever the pointer went
    LongPress,  // held at least the click time without moving: the note is edited
    Drag,       // held and moved: the move loop has done all there is to do
};

Release ClassifyRelease(unsigned elapsedMs, int clickTimeMs, bool pointerStayed);

// What the pointer coming over a window does to the mini notes.
struct HoverPlan {
    bool collapse = false;  // the expanded note goes back to its mini size
    bool onNote = false;    // the pointer came onto a note anew: a mini note expands, and a note
                            // that raises on hover brings all notes to the front
    bool expand = false;    // the hovered note is shown at full size
};

// `hovered` is the note under the pointer (-1 none), `expanded` the note shown at full size
// (-1 none). Ctrl collapses the expanded note even under the pointer and expands nothing.
HoverPlan PlanHover(int expanded, int hovered, bool hoveredIsMini, bool ctrlHeld);

// Commands of the note menu.
enum NoteMenuCommand {
    kMenuNewNote = 2,
    kMenuEdit = 3,
    kMenuDelete = 4,
    kMenuRun = 5,
    kMenuCopy = 6,
    kMenuFirstBoard = 10,  // the "移動" entries: folder boards first, then outside boards
};

struct MenuEntry {
    unsigned command = 0;
    std::string text;
};

// The note menu's items in insertion order; each is inserted at the top, so the menu shows
// them the other way round. The "移動" submenu comes first and carries no command.
const std::vector<MenuEntry>& NoteMenuItems();
inline constexpr const char* kMoveSubmenuText = "移動";

// The "移動" entries in insertion order. Every board uses up its number, but the current board
// and emptied list entries are not offered.
std::vector<MenuEntry> MoveMenuEntries(const std::vector<std::string>& folderBoards,
                                       const std::vector<std::string>& outsideBoards,
                                       const std::string& currentBoardName);

// The board (a name or a path) a "移動" command stands for, or nothing.
std::optional<std::string> MoveTargetOf(unsigned command,
                                        const std::vector<std::string>& folderBoards,
                                        const std::vector<std::string>& outsideBoards);
