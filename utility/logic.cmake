# Quorvel's logic: no window system, built in both trees and tested natively.
add_library(utility_logic STATIC
  utility/listing/match_words.cpp
  utility/listing/result_list.cpp
  utility/listing/folder_walk.cpp
  utility/listing/note_index.cpp
  utility/frame/utility_settings.cpp
  utility/frame/state_files.cpp
  utility/frame/layout.cpp
  utility/frame/recent_list.cpp
  utility/commands/path_text.cpp)
target_link_libraries(utility_logic PUBLIC common_logic)
