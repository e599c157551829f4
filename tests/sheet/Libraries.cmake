# The plug-in's code linked in; for the sessions against nxgsim, PortLink and
# MbKit are loaded from beside the test program and the simulator started.
find_package(Qt6 REQUIRED COMPONENTS Test)
set(GWTEST_LIBS_sheet gwplugin gwmonitorqt Qt6::Test)
function(gwtest_sheet_dependencies)
  add_dependencies(test_sheet PortLink MbKit nxgsim)
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL gwtest_sheet_dependencies)
