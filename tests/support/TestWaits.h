#pragma once
// Included first in every test file (cmake/TarvoTest.cmake): a QTRY_ wait
// without a bound of its own polls for up to 20 seconds instead of Qt's
// five, so a loaded machine slows a test down rather than failing it. A
// condition that already holds ends the wait at once, so passing tests
// take no longer.
#include <QtTest/qtestcase.h>

#define TARVO_TEST_WAIT_MS 20000

#undef QTRY_VERIFY
#define QTRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, TARVO_TEST_WAIT_MS)
#undef QTRY_COMPARE
#define QTRY_COMPARE(left, right) QTRY_COMPARE_WITH_TIMEOUT(left, right, TARVO_TEST_WAIT_MS)
#undef QTRY_COMPARE_EQ
#define QTRY_COMPARE_EQ(left, right) QTRY_COMPARE_EQ_WITH_TIMEOUT(left, right, TARVO_TEST_WAIT_MS)
#undef QTRY_COMPARE_NE
#define QTRY_COMPARE_NE(left, right) QTRY_COMPARE_NE_WITH_TIMEOUT(left, right, TARVO_TEST_WAIT_MS)
#undef QTRY_COMPARE_LT
#define QTRY_COMPARE_LT(left, right) QTRY_COMPARE_LT_WITH_TIMEOUT(left, right, TARVO_TEST_WAIT_MS)
#undef QTRY_COMPARE_LE
#define QTRY_COMPARE_LE(left, right) QTRY_COMPARE_LE_WITH_TIMEOUT(left, right, TARVO_TEST_WAIT_MS)
#undef QTRY_COMPARE_GT
#define QTRY_COMPARE_GT(left, right) QTRY_COMPARE_GT_WITH_TIMEOUT(left, right, TARVO_TEST_WAIT_MS)
#undef QTRY_COMPARE_GE
#define QTRY_COMPARE_GE(left, right) QTRY_COMPARE_GE_WITH_TIMEOUT(left, right, TARVO_TEST_WAIT_MS)
#undef QTRY_VERIFY2
#define QTRY_VERIFY2(expr, message) QTRY_VERIFY2_WITH_TIMEOUT(expr, message, TARVO_TEST_WAIT_MS)
