set(GWTEST_LIBS_platform gwplatform ${CMAKE_DL_LIBS})
