# The frame picture generator: the committed pictures must be exactly what
# the generator draws, and must be valid stored pictures.
qt_add_executable(tst_framegen ${CMAKE_CURRENT_LIST_DIR}/tst_framegen.cpp)
target_link_libraries(tst_framegen PRIVATE framegencore Qt6::Test)
target_compile_definitions(tst_framegen PRIVATE KALMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_test(NAME tst_framegen COMMAND tst_framegen)
set_tests_properties(tst_framegen PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
