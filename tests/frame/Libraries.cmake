# The plug-in's code linked in (not loaded), Qt's test helpers for input.
find_package(Qt6 REQUIRED COMPONENTS Test)
set(GWTEST_LIBS_frame gwplugin Qt6::Test)
