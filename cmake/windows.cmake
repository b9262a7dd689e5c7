# kelvari.exe: static, GUI subsystem, Unicode entry point, only system DLLs.
enable_language(RC)

# Delay-loaded import libraries: a GUI library is loaded only when a command first calls into
# it, so the commands without a window start as fast as a program that only writes a file.
find_program(KELVARI_NM NAMES x86_64-w64-mingw32-nm nm REQUIRED)
find_program(KELVARI_DLLTOOL NAMES x86_64-w64-mingw32-dlltool dlltool REQUIRED)

function(kelvari_delay_import name out_var)
  find_library(KELVARI_IMPLIB_${name} NAMES lib${name}.a REQUIRED)
  set(lib ${CMAKE_BINARY_DIR}/delayimp/lib${name}_delay.a)
  set(def ${CMAKE_BINARY_DIR}/delayimp/${name}.def)
  add_custom_command(
    OUTPUT ${lib}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delayimp
    COMMAND ${CMAKE_COMMAND} -DNAME=${name} -DNM=${KELVARI_NM}
            -DIMPLIB=${KELVARI_IMPLIB_${name}} -DOUT=${def}
            -P ${CMAKE_SOURCE_DIR}/cmake/make-delay-def.cmake
    COMMAND ${KELVARI_DLLTOOL} --input-def ${def} --output-delaylib ${lib}
    DEPENDS ${CMAKE_SOURCE_DIR}/cmake/make-delay-def.cmake
    VERBATIM)
  add_custom_target(delay_${name} DEPENDS ${lib})
  set(${out_var} ${lib} PARENT_SCOPE)
endfunction()

set(KELVARI_DELAY_LIBS)
foreach(dll user32 gdi32 comctl32 comdlg32 shell32 ole32 winmm)
  kelvari_delay_import(${dll} lib)
  list(APPEND KELVARI_DELAY_LIBS ${lib})
  list(APPEND KELVARI_DELAY_TARGETS delay_${dll})
endforeach()

add_executable(kelvari WIN32
  src/win32/about_box_win32.cpp
  src/win32/browse_folder_win32.cpp
  src/win32/child_controls_win32.cpp
  src/win32/countdown_win32.cpp
  src/win32/dialog_font_win32.cpp
  src/win32/dialog_template_win32.cpp
  src/win32/drives_win32.cpp
  src/win32/file_dialog_win32.cpp
  src/win32/files_win32.cpp
  src/win32/folder_box_win32.cpp
  src/win32/folder_cleanup_win32.cpp
  src/win32/input_box_win32.cpp
  src/win32/list_dialog_win32.cpp
  src/win32/main_win32.cpp
  src/win32/main_window_win32.cpp
  src/win32/message_box_win32.cpp
  src/win32/message_icon_win32.cpp
  src/win32/parent_process_watch_win32.cpp
  src/win32/process_environment_win32.cpp
  src/win32/screen_win32.cpp
  src/win32/shell_open_win32.cpp
  src/win32/short_path_win32.cpp
  src/win32/sound_win32.cpp
  src/win32/system_error_text_win32.cpp
  src/win32/text_conversion_win32.cpp
  src/win32/title_bar_win32.cpp
  src/win32/waiting_window_win32.cpp
  src/win32/window_text_win32.cpp
  src/win32/work_area_win32.cpp
  src/win32/button_box_win32.cpp
  src/win32/job_window_layout_win32.cpp
  src/win32/job_window_process_win32.cpp
  src/win32/notice_window_win32.cpp
  src/win32/progress_channel_win32.cpp
  src/win32/progress_window_win32.cpp
  src/resources/kelvari.rc
)
add_dependencies(kelvari ${KELVARI_DELAY_TARGETS})
target_compile_definitions(kelvari PRIVATE UNICODE _UNICODE _WIN32_WINNT=0x0A00 NOMINMAX WIN32_LEAN_AND_MEAN)
target_compile_options(kelvari PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${KELVARI_WARNINGS}>)
target_include_directories(kelvari PRIVATE src ${CMAKE_BINARY_DIR}/generated)
set_source_files_properties(src/resources/kelvari.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/src/resources/kelvari.ico;${CMAKE_SOURCE_DIR}/src/resources/about.bmp;${CMAKE_SOURCE_DIR}/src/resources/kelvari.manifest")
target_link_options(kelvari PRIVATE -municode -static -s -Wl,--gc-sections)
# The delay libraries come first, so the GUI functions bind to them and not to the ordinary
# import libraries that the GUI subsystem adds by default.
target_link_libraries(kelvari PRIVATE kelvari_logic kelvari_win32_logic ${KELVARI_DELAY_LIBS} kelvari_logic)
set_target_properties(kelvari PROPERTIES OUTPUT_NAME kelvari RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
foreach(library kelvari_core kelvari_commands kelvari_win32_logic)
  target_compile_options(${library} PRIVATE -ffunction-sections -fdata-sections)
endforeach()

# No name of the seam (core/system.h and the headers it includes) may be a Windows macro:
# kelvari.exe is built only after a unit that stops at such a name has compiled. Built with
# every Windows header the program uses and without WIN32_LEAN_AND_MEAN, so it sees more macros
# than any file of src/win32.
set(KELVARI_SEAM_GUARD_ARGS -DHEADER=${CMAKE_SOURCE_DIR}/src/core/system.h
    -DINCLUDE_ROOT=${CMAKE_SOURCE_DIR}/src)
set(KELVARI_SEAM_GUARD_DEFINITIONS UNICODE _UNICODE _WIN32_WINNT=0x0A00 NOMINMAX)
file(GLOB kelvari_core_headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/core/*.h)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/generated/seam_names_guard.cpp
  COMMAND ${CMAKE_COMMAND} ${KELVARI_SEAM_GUARD_ARGS}
          -DOUT=${CMAKE_BINARY_DIR}/generated/seam_names_guard.cpp
          -P ${CMAKE_SOURCE_DIR}/cmake/seam_names_guard.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/cmake/seam_names_guard.cmake ${kelvari_core_headers}
  VERBATIM)
add_library(seam_names_guard OBJECT ${CMAKE_BINARY_DIR}/generated/seam_names_guard.cpp)
target_compile_definitions(seam_names_guard PRIVATE ${KELVARI_SEAM_GUARD_DEFINITIONS})
add_dependencies(kelvari seam_names_guard)

add_subdirectory(tools)

# What the user gets beside kelvari.exe: the manual, the calling procedure and the examples.
add_custom_target(kelvari_user_files ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/docs/Kelvari.htm
          ${CMAKE_SOURCE_DIR}/batch/kv.cmd ${CMAKE_BINARY_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/examples ${CMAKE_BINARY_DIR}/examples
  VERBATIM)

if(BUILD_TESTING)
  add_subdirectory(tests/e2e)
  # The layers hold: with the core's include path, <windows.h> and a header of src/commands
  # stop the build.
  foreach(guard "windows.h|belongs in src/win32" "commands/commands.h|does not depend on src/commands")
    string(REPLACE "|" ";" guard "${guard}")
    list(GET guard 0 header)
    list(GET guard 1 message)
    string(MAKE_C_IDENTIFIER "${header}" name)
    file(WRITE ${CMAKE_BINARY_DIR}/layer_guard_${name}.cpp "#include <${header}>\n")
    add_test(NAME core_cannot_include_${name}
      COMMAND ${CMAKE_CXX_COMPILER} -fsyntax-only
              "-I$<JOIN:$<TARGET_PROPERTY:kelvari_core,INCLUDE_DIRECTORIES>,;-I>"
              ${CMAKE_BINARY_DIR}/layer_guard_${name}.cpp
      COMMAND_EXPAND_LISTS)
    set_tests_properties(core_cannot_include_${name} PROPERTIES PASS_REGULAR_EXPRESSION "${message}")
  endforeach()
  # The seam guard stops at a Windows macro: a seam that declares MessageBox again fails it.
  set(fixture ${CMAKE_BINARY_DIR}/seam_guard_fixture)
  file(WRITE ${fixture}/core/system.h "#pragma once\n#include \"core/requests.h\"\n"
       "class Dialogs {\n public:\n  virtual int ShowMessage(const Request&) = 0;\n};\n")
  file(WRITE ${fixture}/core/requests.h "#pragma once\n// MessageBox in a comment is no name.\n"
       "struct Request { int MessageBox = 0; };\n")
  list(TRANSFORM KELVARI_SEAM_GUARD_DEFINITIONS PREPEND -D OUTPUT_VARIABLE seam_guard_flags)
  list(JOIN seam_guard_flags " " seam_guard_flags)
  add_test(NAME seam_names_guard_stops_at_a_windows_macro
    COMMAND ${CMAKE_COMMAND} -DHEADER=${fixture}/core/system.h -DINCLUDE_ROOT=${fixture}
            -DOUT=${fixture}/seam_names_guard.cpp -DCOMPILER=${CMAKE_CXX_COMPILER}
            "-DFLAGS=${seam_guard_flags}" -P ${CMAKE_SOURCE_DIR}/cmake/seam_names_guard.cmake)
  set_tests_properties(seam_names_guard_stops_at_a_windows_macro PROPERTIES
    PASS_REGULAR_EXPRESSION "'MessageBox' \\(core/system.h or a header it includes\\) is a Windows macro")
endif()

# src/win32 checked by clang-tidy as the compiler sees it: the windows build's compile commands
# and the MinGW headers; the list is .clang-tidy with src/win32/.clang-tidy's one suppression.
find_program(KELVARI_CLANG_TIDY clang-tidy)
if(BUILD_TESTING AND KELVARI_CLANG_TIDY)
  file(GLOB kelvari_win32_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/win32/*.cpp)
  # clang finds the MinGW C headers by itself, the C++ library only where g++ has it.
  set(kelvari_tidy_args --extra-arg=--target=x86_64-w64-mingw32)
  foreach(dir ${CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES})
    if(dir MATCHES "/c\\+\\+")
      list(APPEND kelvari_tidy_args --extra-arg=-isystem${dir})
    endif()
  endforeach()
  add_test(NAME lint_clang_tidy_win32
    COMMAND ${KELVARI_CLANG_TIDY} -p ${CMAKE_BINARY_DIR} --quiet ${kelvari_tidy_args}
            ${kelvari_win32_sources})
  set_tests_properties(lint_clang_tidy_win32 PROPERTIES TIMEOUT 1800)
endif()

# The release: kelvari-<version>-win64.zip with the program, its manual, kv.cmd and the
# examples, and its SHA-256 beside it.   cmake --build --preset windows --target release
set(KELVARI_RELEASE_NAME kelvari-${PROJECT_VERSION}-win64)
set(KELVARI_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
add_custom_target(release
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${KELVARI_RELEASE_DIR}/${KELVARI_RELEASE_NAME}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KELVARI_RELEASE_DIR}/${KELVARI_RELEASE_NAME}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:kelvari> ${CMAKE_SOURCE_DIR}/docs/Kelvari.htm
          ${CMAKE_SOURCE_DIR}/batch/kv.cmd ${KELVARI_RELEASE_DIR}/${KELVARI_RELEASE_NAME}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/examples
          ${KELVARI_RELEASE_DIR}/${KELVARI_RELEASE_NAME}/examples
  COMMAND ${CMAKE_COMMAND} -E chdir ${KELVARI_RELEASE_DIR}
          ${CMAKE_COMMAND} -E tar cf ${KELVARI_RELEASE_NAME}.zip --format=zip ${KELVARI_RELEASE_NAME}
  COMMAND ${CMAKE_COMMAND} -E chdir ${KELVARI_RELEASE_DIR}
          sh -c "sha256sum ${KELVARI_RELEASE_NAME}.zip > ${KELVARI_RELEASE_NAME}.zip.sha256"
  DEPENDS kelvari
  VERBATIM)
