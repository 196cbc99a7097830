#pragma once
// A row of the class reading against the record store's own whole read of the
// same record: name (the record's name when line 2 is empty), class, and each
// competence's number, status, date and validator.
#include "administration/classresults.h"
#include "records/recordstore.h"

#include <gtest/gtest.h>

inline void expectSameAsTheStore(const PupilResults &row)
{
    RecordContent content;
    ASSERT_TRUE(RecordStore::readRecord(row.recordName, &content).ok());
    SCOPED_TRACE(row.recordName.toStdString());
    EXPECT_EQ(row.name, content.header.name.isEmpty() ? row.recordName : content.header.name);
    EXPECT_EQ(row.className, content.header.className);
    for (int n = 1; n <= CompetenceCount; ++n) {
        EXPECT_EQ(row.results[n - 1].number, n);
        EXPECT_EQ(row.results[n - 1].acquired, content.results[n - 1].acquired) << n;
        EXPECT_EQ(row.results[n - 1].date, content.results[n - 1].date) << n;
        EXPECT_EQ(row.results[n - 1].validator, content.results[n - 1].validator) << n;
    }
}
