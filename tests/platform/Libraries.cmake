set(GWTEST_LIBS_platform gwplatform CfgLib PkgConfig::MODBUS gw::dl)
# PortLink and MbKit are not linked: the tests load them at run time with
# local symbol scope, as the plug-in does. They only have to be built first.
cmake_language(DEFER CALL add_dependencies test_platform PortLink MbKit)
