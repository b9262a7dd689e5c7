# The layer guard: the portable code includes only the C++ standard library and its own
# headers. Every `#include` of FILES must name a header of the C++ standard library in angle
# brackets, or in quotes a header that exists under SOURCE_DIR/src and that one of the
# patterns of OWN names ("core/" for every header of src/core, "win32/*_logic.h" for the
# headers of src/win32 named so), or one of the generated headers of GENERATED. Anything
# else stops the build with the file, the line and the reason; so do `#include_next`,
# `#import`, an include through a macro and `__has_include`.
#
#   cmake -DLAYER=src/core -DSOURCE_DIR=... -DOWN=core/ -DGENERATED=version.h
#         -DFILES=a.cpp;b.h [-DSTAMP=file] -P layer_guard.cmake
#
# Run by the build before the libraries of the layer are compiled (CMakeLists.txt), and by the
# tests that prove it stops a Windows header and an unknown header.

cmake_minimum_required(VERSION 3.25)

# C++20 and C++23, the <cname> forms of the C library included; not the <name.h> forms, which
# would let a system header of the same shape through.
set(standard_headers
  algorithm any array atomic barrier bit bitset charconv chrono codecvt compare complex
  concepts condition_variable coroutine deque exception execution expected filesystem
  flat_map flat_set format forward_list fstream functional future generator
  initializer_list iomanip ios iosfwd iostream istream iterator latch limits list locale map
  mdspan memory memory_resource mutex new numbers numeric optional ostream print queue random
  ranges ratio regex scoped_allocator semaphore set shared_mutex source_location span
  spanstream sstream stack stacktrace stdexcept stdfloat stop_token streambuf string
  string_view syncstream system_error thread tuple type_traits typeindex typeinfo
  unordered_map unordered_set utility valarray variant vector version
  cassert cctype cerrno cfenv cfloat cinttypes climits clocale cmath csetjmp csignal cstdarg
  cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype)

foreach(variable LAYER SOURCE_DIR OWN FILES)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "layer_guard.cmake needs -D${variable}=...")
  endif()
endforeach()

set(own_patterns "")
foreach(own ${OWN})
  string(REPLACE "." "\\." pattern "${own}")
  string(REPLACE "*" "[A-Za-z0-9_]*" pattern "${pattern}")
  if(pattern MATCHES "/$")
    string(APPEND pattern "[A-Za-z0-9_./]+")
  endif()
  list(APPEND own_patterns "^${pattern}$")
endforeach()

set(faults "")
foreach(file ${FILES})
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*(include|import)|__has_include")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    set(where "${file}: ${line}\n    ")
    if(NOT line MATCHES "^#[ \t]*include[ \t]*([<\"].*)$")
      string(APPEND faults "${where}only a plain #include of a named header is used in ${LAYER}\n")
      continue()
    endif()
    set(rest "${CMAKE_MATCH_1}")
    if(rest MATCHES "^<([^>]+)>")
      set(header "${CMAKE_MATCH_1}")
      if(NOT header IN_LIST standard_headers)
        string(APPEND faults "${where}<${header}> is not a header of the C++ standard library; "
               "${LAYER} may include only those and its own headers (a Windows header "
               "belongs in src/win32)\n")
      endif()
    elseif(rest MATCHES "^\"([^\"]+)\"")
      set(header "${CMAKE_MATCH_1}")
      set(is_own FALSE)
      foreach(pattern ${own_patterns})
        if(header MATCHES "${pattern}")
          set(is_own TRUE)
        endif()
      endforeach()
      if(header IN_LIST GENERATED)
      elseif(NOT is_own OR header MATCHES "\\.\\." OR NOT EXISTS "${SOURCE_DIR}/src/${header}")
        list(TRANSFORM OWN PREPEND "src/" OUTPUT_VARIABLE allowed)
        string(JOIN ", " allowed ${allowed})
        string(APPEND faults "${where}\"${header}\" is not a header of its own; ${LAYER} may "
               "include only the C++ standard library and ${allowed}\n")
      endif()
    else()
      string(APPEND faults "${where}only a plain #include of a named header is used in ${LAYER}\n")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "layer guard of ${LAYER}:\n${faults}")
endif()
if(DEFINED STAMP)
  get_filename_component(stamp_folder "${STAMP}" DIRECTORY)
  file(MAKE_DIRECTORY "${stamp_folder}")
  file(TOUCH "${STAMP}")
endif()
