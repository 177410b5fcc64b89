#include "metafile/metafile_reader.h"

#include "support/files.h"
#include <QDir>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace qel;

namespace {

using qel::testing::readFile;

QString data(const char* name) {
    return QStringLiteral(QEL_TEST_DATA "/metafiles/") + QString::fromLatin1(name);
}

void put32(QByteArray& b, int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

} // namespace

struct FixtureCase {
    const char* file;
    MetafileKind kind;
    QSize size;
};

class MetafileFixtures : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(MetafileFixtures, OpenWithTheirOwnSize) {
    const FixtureCase c = GetParam();
    QString error;
    const auto m = readMetafile(readFile(data(c.file)), &error);
    ASSERT_TRUE(m) << qPrintable(error);
    EXPECT_EQ(m->kind, c.kind);
    EXPECT_EQ(metafileNativeSize(*m), c.size);
    EXPECT_GT(m->records.size(), 10u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MetafileFixtures,
    ::testing::Values(FixtureCase{"big.emf", MetafileKind::Emf, QSize(200, 200)},
                      FixtureCase{"big.wmf", MetafileKind::Wmf, QSize(200, 200)},
                      FixtureCase{"shapes.emf", MetafileKind::Emf, QSize(163, 121)},
                      FixtureCase{"shapes.wmf", MetafileKind::Wmf, QSize(160, 120)},
                      FixtureCase{"text.emf", MetafileKind::Emf, QSize(200, 83)},
                      FixtureCase{"text.wmf", MetafileKind::Wmf, QSize(200, 80)}));

TEST(MetafileReader, EveryTruncationIsRefused) {
    for (const char* name : {"shapes.emf", "shapes.wmf", "text.wmf"}) {
        const QByteArray whole = readFile(data(name));
        ASSERT_FALSE(whole.isEmpty());
        for (qsizetype n = 0; n < whole.size(); n += 7) {
            QString error;
            EXPECT_FALSE(readMetafile(whole.left(n), &error)) << name << " cut at " << n;
            EXPECT_FALSE(error.isEmpty());
        }
    }
}

TEST(MetafileReader, GarbageIsRefused) {
    QRandomGenerator random(42);
    for (int i = 0; i < 200; ++i) {
        QByteArray junk(int(random.bounded(1, 4000)), '\0');
        for (char& c : junk)
            c = char(random.bounded(256));
        EXPECT_FALSE(readMetafile(junk));
    }
    EXPECT_FALSE(readMetafile(QByteArray()));
}

struct BadRecordCase {
    const char* what;
    std::uint32_t type;
    std::uint32_t countOffset;
    std::uint32_t count;
};

class EmfBadCounts : public ::testing::TestWithParam<BadRecordCase> {};

// A record that declares more points or characters than it holds spoils the whole file.
TEST_P(EmfBadCounts, AreRefused) {
    const BadRecordCase c = GetParam();
    QByteArray file = readFile(data("shapes.emf"));
    const auto m = readMetafile(file);
    ASSERT_TRUE(m);
    bool patched = false;
    for (const MetaRecord& r : m->records) {
        if (r.type == c.type) {
            put32(file, int(r.offset + c.countOffset), c.count);
            patched = true;
            break;
        }
    }
    ASSERT_TRUE(patched) << c.what;
    EXPECT_FALSE(readMetafile(file)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Records, EmfBadCounts,
                         ::testing::Values(BadRecordCase{"bezier points", 5, 24, 0x40000000},
                                           BadRecordCase{"record size", 54, 4, 0x7FFFFFF0},
                                           BadRecordCase{"odd size", 54, 4, 13},
                                           BadRecordCase{"pen style entries", 95, 48, 1000}));

TEST(MetafileReader, TooLargeOrTooBusyFilesAreRefused) {
    const QByteArray file = readFile(data("shapes.emf"));
    MetafileLimits few;
    few.maxRecords = 10;
    EXPECT_FALSE(readMetafile(file, nullptr, few));
    MetafileLimits small;
    small.maxBytes = 100;
    EXPECT_FALSE(readMetafile(file, nullptr, small));
    MetafileLimits lazy;
    lazy.maxPoints = 5;
    EXPECT_FALSE(readMetafile(file, nullptr, lazy));
}
