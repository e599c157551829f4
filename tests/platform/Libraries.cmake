set(GWTEST_LIBS_platform gwplatform ${CMAKE_DL_LIBS})
# PortLink is not linked: the tests load it at run time with local symbol
# scope, as the plug-in does. It only has to be built first.
cmake_language(DEFER CALL add_dependencies test_platform PortLink)
