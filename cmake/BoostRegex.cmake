# Boost.Regex is used header-only, in its standalone mode, so nothing of Boost
# is linked. The mingw build must not see the host's whole /usr/include, so it
# reads the same headers through a folder that holds only boost/.
find_path(TAVRIN_BOOST_ROOT boost/regex.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)

add_library(boost_regex_headers INTERFACE)
target_compile_definitions(boost_regex_headers INTERFACE BOOST_REGEX_STANDALONE)
if(CMAKE_CROSSCOMPILING)
  set(_boost_only "${CMAKE_BINARY_DIR}/boost-include")
  file(MAKE_DIRECTORY "${_boost_only}")
  file(CREATE_LINK "${TAVRIN_BOOST_ROOT}/boost" "${_boost_only}/boost" SYMBOLIC)
  target_include_directories(boost_regex_headers SYSTEM INTERFACE "${_boost_only}")
else()
  target_include_directories(boost_regex_headers SYSTEM INTERFACE "${TAVRIN_BOOST_ROOT}")
endif()
