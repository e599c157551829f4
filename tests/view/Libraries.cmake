set(GWTEST_LIBS_view gwview)
