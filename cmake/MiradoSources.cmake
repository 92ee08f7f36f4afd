# Source lists of the plug-in core; a "-posix"/"-win32" pair implements one
# contract per operating system.
if(WIN32)
  set(MIRADO_OS win32)
else()
  set(MIRADO_OS posix)
endif()

set(MIRADO_CORE_SOURCES
  src/platform/codepage-${MIRADO_OS}.cpp
  src/platform/lcmap-${MIRADO_OS}.cpp
  src/platform/profile_store-${MIRADO_OS}.cpp
  src/platform/system-${MIRADO_OS}.cpp
  src/plugin/bot_command.cpp
  src/plugin/command_table.cpp
  src/plugin/dispatch.cpp
  src/plugin/entry_points.cpp
  src/plugin/fold_tables.cpp
  src/plugin/game_mode_table.cpp
  src/plugin/patterns.cpp
  src/plugin/random_source.cpp
  src/plugin/settings_store.cpp
  src/plugin/text.cpp
  src/plugin/wide_pattern-${MIRADO_OS}.cpp
  src/dice/evaluator.cpp
  src/dice/judgement.cpp
  src/dice/keywords.cpp
  src/dice/renderer.cpp
  src/dice/roll_dice.cpp
  src/dice/rule_double_cross.cpp
  src/dice/rule_helpers.cpp
  src/dice/rule_plain_dice.cpp
  src/dice/tokenizer.cpp
)

set(MIRADO_PLUGIN_SOURCES src/plugin/plugin_library.cpp)
if(WIN32)
  list(APPEND MIRADO_PLUGIN_SOURCES src/plugin/dll_main-win32.cpp)
endif()
