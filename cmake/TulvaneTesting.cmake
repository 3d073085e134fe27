include(GoogleTest)
find_package(GTest REQUIRED)

# tulvane_add_test(<name> SOURCES <files...> LIBS <targets...> [PROPERTIES <CTest properties...>])
# One GoogleTest executable; every case runs offscreen with a private runtime folder.
function(tulvane_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} tulvane_test_support GTest::gtest GTest::gmock)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    set(runtime_dir ${CMAKE_BINARY_DIR}/tests/xdg-runtime)
    file(MAKE_DIRECTORY ${runtime_dir})
    file(CHMOD ${runtime_dir} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 60
        # Every parametrised case is named: the names stay as they are, not the printed values.
        NO_PRETTY_VALUES
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${runtime_dir};QT_MEDIA_BACKEND=gstreamer"
                   ${ARG_PROPERTIES}
    )
endfunction()
