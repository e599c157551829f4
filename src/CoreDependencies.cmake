# The device link loads its transport libraries at run time.
target_link_libraries(gwcore PUBLIC ${CMAKE_DL_LIBS})
