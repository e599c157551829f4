find_package(Qt6 REQUIRED COMPONENTS Test)
set(GWTEST_LIBS_widgets gwplugin Qt6::Test)
