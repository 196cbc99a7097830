#include "records/recordstore.h"
#include <gtest/gtest.h>

TEST(RecordStoreSmoke, CompetenceCountIs29) { EXPECT_EQ(CompetenceCount, 29); }
