# The host's code linked in; the plug-in and the simulator are built for the
# tests to load and start.
find_package(Qt6 REQUIRED COMPONENTS Test)
set(GWTEST_LIBS_host gwhost Qt6::Test)
function(gwtest_host_dependencies)
  add_dependencies(test_host NXG4120-T nxgsim)
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL gwtest_host_dependencies)
