#include "util/convert.h"

#include <gtest/gtest.h>

TEST(Convert, WeightBothWays) {
    CConvert const c;
    EXPECT_DOUBLE_EQ(c.lb_kg(100), 45.359237);
    EXPECT_DOUBLE_EQ(c.kg_lb(45.359237), 100.0);
    EXPECT_DOUBLE_EQ(c.kg_lb(1), 2.2046226218487757);
    for (double lb : {0.0, 1.0, 154.3, 400.0})
        EXPECT_NEAR(c.kg_lb(c.lb_kg(lb)), lb, 1e-12) << lb;
}

TEST(Convert, TemperatureBothWays) {
    CConvert const c;
    EXPECT_DOUBLE_EQ(c.f_c(32), 0.0);
    EXPECT_DOUBLE_EQ(c.c_f(0), 32.0);
    EXPECT_NEAR(c.f_c(212), 100.0, 1e-12);
    EXPECT_DOUBLE_EQ(c.c_f(100), 212.0);
    EXPECT_NEAR(c.f_c(-40), -40.0, 1e-12);
    EXPECT_DOUBLE_EQ(c.c_f(-40), -40.0);
    for (double f : {34.0, 78.8, 98.6})
        EXPECT_NEAR(c.c_f(c.f_c(f)), f, 1e-12) << f;
}

TEST(Convert, LengthsBothWays) {
    CConvert const c;
    EXPECT_DOUBLE_EQ(c.in_cm(1), 2.54);
    EXPECT_DOUBLE_EQ(c.in_cm(70), 177.8);
    EXPECT_NEAR(c.cm_in(177.8), 70.0, 1e-12);
    EXPECT_DOUBLE_EQ(c.in_mm(1), 25.4);
    EXPECT_NEAR(c.mm_in(25.4), 1.0, 1e-15);
    EXPECT_NEAR(c.mm_in(12), 0.47244094488188976, 1e-15);
    for (double in : {0.5, 12.0, 39.37})
        EXPECT_NEAR(c.mm_in(c.in_mm(in)), c.cm_in(c.in_cm(in)), 1e-12) << in;
}
