# vn_layer(<name> [DEPS <targets>...] [LIBS <external>...])
#
# Builds the static library vn_<name> from every .cpp/.h directly in the
# folder <name>/. Headers are included as "<name>/Header.h"; the include root
# that makes that spelling work is a folder holding only a link to this layer,
# so a layer sees the headers of exactly the layers it links.
function(vn_layer name)
  cmake_parse_arguments(L "" "" "DEPS;LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
    ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  if(NOT srcs)
    set(empty ${CMAKE_CURRENT_BINARY_DIR}/vn_${name}_empty.cpp)
    file(WRITE ${empty} "// this layer has no sources yet\n")
    set(srcs ${empty})
  endif()
  add_library(vn_${name} STATIC ${srcs})
  set(root ${CMAKE_BINARY_DIR}/layer-include/${name})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
  target_include_directories(vn_${name} PUBLIC ${root})
  target_link_libraries(vn_${name} PUBLIC vn_common ${L_DEPS} ${L_LIBS})
endfunction()

# vn_gtest(<name> <folder> LIBS <targets>...)
#
# One GoogleTest executable from every .cpp of tests/<folder>/, run by ctest
# with the offscreen Qt platform and a time limit.
function(vn_gtest name folder)
  cmake_parse_arguments(T "" "TIMEOUT" "LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE vn_testsupport ${T_LIBS} GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    VN_BUILD_DIR="${CMAKE_BINARY_DIR}"
    VN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VN2400_REGISTRY=${CMAKE_BINARY_DIR}/no-registry.ini;ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1"
    TIMEOUT ${T_TIMEOUT})
endfunction()
