// Anchors the precompiled header the test suites share (tests/CMakeLists.txt).
