# A whole run in one process on the real windows, offscreen: install, sixteen games, records,
# restart, uninstall. Its pictures go to shots/ in the build folder.
add_executable(test_wholerun wholerun_test.cpp)
target_link_libraries(test_wholerun PRIVATE zelmo_window_support unzelmo_ui unzelmo_test_support
                      Qt6::Test GTest::gtest_main)
target_compile_definitions(test_wholerun PRIVATE
                           ZELMO_SHOTS_DIR="${CMAKE_CURRENT_BINARY_DIR}/shots")
zelmo_warnings(test_wholerun)
gtest_discover_tests(test_wholerun DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS e2e)
