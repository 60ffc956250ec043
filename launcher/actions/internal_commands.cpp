#include "launcher/actions/internal_commands.h"

InternalCommand MatchInternalCommand(std::string_view text) {
    struct Keyword {
        const char* text;
        InternalCommand command;
    };
    static const Keyword keywords[] = {
        {"end", InternalCommand::End},         {"tokei", InternalCommand::Tokei},
        {"next", InternalCommand::Next},       {"prev", InternalCommand::Prev},
        {"repaint", InternalCommand::Repaint}, {"show", InternalCommand::Show},
        {"menu", InternalCommand::Menu},       {"new", InternalCommand::New},
        {"load", InternalCommand::Load},       {"save", InternalCommand::Save},
    };
    for (const Keyword& keyword : keywords)
        if (text == keyword.text) return keyword.command;
    return InternalCommand::None;
}
