set(GWTEST_LIBS_e2e gwsim gwsim_program)
# PortLink and MbKit are loaded at run time from beside the test program, as
# the plug-in loads them; they only have to be built first.
cmake_language(DEFER CALL add_dependencies test_e2e PortLink MbKit)
