# The tool and the simulator run as programs; build them first.
set(GWTEST_LIBS_cli)
cmake_language(DEFER CALL add_dependencies test_cli nxgcfg nxgsim PortLink MbKit)
cmake_language(DEFER CALL target_compile_definitions test_cli PRIVATE
  NXGCFG_PROGRAM="$<TARGET_FILE:nxgcfg>")
