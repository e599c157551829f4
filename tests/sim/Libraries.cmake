set(GWTEST_LIBS_sim gwsim gwsim_program PkgConfig::MODBUS)
