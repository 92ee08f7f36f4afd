# Drives mirado-console through a pipe, as a script would: a copy of the
# console and the plug-in in a folder of their own, a fixed input (rolls, a
# Japanese phrase through Alias, /part), and checks of what comes back.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(dir ${CONSOLE} DIRECTORY)
file(COPY ${CONSOLE} ${dir}/libmirado.so DESTINATION ${WORK})
file(WRITE ${WORK}/input.txt "#2D6+3\n2D6\n#1+2)*10\nhello everyone\nゲームモード？\n/nick hanako\n/join #other\n#7/2\n/part\n/join hanako\n#10/4\n/quit\n#1+1\n")
execute_process(COMMAND ${WORK}/mirado-console --nick taro INPUT_FILE ${WORK}/input.txt
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "console failed (${rc}): ${err}")
endif()
set(expected
  "^\\[#trpg\\] taro -> 2D6\\+3 = \\[[1-6],[1-6]\\]\\+3 = [0-9]+\n"
  "\\[#trpg\\] taro -> 2D6 = \\[[1-6],[1-6]\\] = [0-9]+\n"
  "\\[#trpg\\] taro -> 1\\+2\\)\\*10 = 3\n"
  "\\[#trpg\\] #trpg のモードは「未設定」です\n"
  "\\[#other\\] hanako -> 7/2 = 3.5\n"
  "(\\[#other\\] [^\n]*\n)?"
  "\\[#other\\] \\(the bot leaves #other\\)\n"
  "\\[hanako\\] hanako -> 10/4 = 2.5\n$")
string(JOIN "" pattern ${expected})
if(NOT out MATCHES "${pattern}")
  message(FATAL_ERROR "unexpected console output:\n${out}")
endif()
execute_process(COMMAND ${WORK}/mirado-console --raw INPUT_FILE ${WORK}/input.txt OUTPUT_VARIABLE raw RESULT_VARIABLE rc)
if(NOT raw MATCHES "^\r?\n?NOTICE #trpg :player -> 2D6\\+3 = ")
  message(FATAL_ERROR "unexpected raw output:\n${raw}")
endif()
# A missing or broken plug-in is a clear error and a non-zero exit.
execute_process(COMMAND ${WORK}/mirado-console --plugin ${WORK}/missing.so INPUT_FILE ${WORK}/input.txt
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(rc EQUAL 0 OR NOT err MATCHES "cannot load the plug-in")
  message(FATAL_ERROR "missing plug-in: rc=${rc} err=${err}")
endif()
file(WRITE ${WORK}/broken.so "not a library")
execute_process(COMMAND ${WORK}/mirado-console --plugin ${WORK}/broken.so INPUT_FILE ${WORK}/input.txt
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(rc EQUAL 0 OR NOT err MATCHES "cannot load the plug-in")
  message(FATAL_ERROR "broken plug-in: rc=${rc} err=${err}")
endif()
