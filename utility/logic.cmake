# Quorvel's logic: no window system, built in both trees and tested natively.
add_library(utility_logic STATIC
  utility/listing/match_words.cpp
  utility/listing/result_list.cpp
  utility/listing/folder_walk.cpp
  utility/listing/note_index.cpp
  utility/listing/read_ahead.cpp
  utility/frame/utility_settings.cpp
  utility/frame/state_files.cpp
  utility/frame/layout.cpp
  utility/frame/recent_list.cpp
  utility/frame/input_keys.cpp
  utility/frame/list_rows.cpp
  utility/frame/text_widths.cpp
  utility/frame/date_filter.cpp
  utility/frame/history_steps.cpp
  utility/frame/mode_cycle.cpp
  utility/frame/first_view.cpp
  utility/commands/path_text.cpp
  utility/commands/key_sequence.cpp
  utility/commands/row_action.cpp
  utility/commands/list_keys.cpp
  utility/commands/pending_transfer.cpp
  utility/commands/stamp_list.cpp)
find_package(Threads REQUIRED)
target_link_libraries(utility_logic PUBLIC common_logic Threads::Threads)
