#include "support/ParteReal.h"

#include <gtest/gtest-spi.h>

// Whatever the machine, a missing real part fails the test and names its package.
TEST(ParteReal, AMissingPartFailsTheTestNamingItsPackage)
{
    EXPECT_FATAL_FAILURE(EXIGE_PARTE_REAL(false, "falta python3-aiosmtpd"), "falta python3-aiosmtpd");
}
