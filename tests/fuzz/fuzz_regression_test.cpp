// Replays every input the fuzzers once broke a reader with (tests/data/fuzz-regressions/
// TARGET/*) through the target's own entry function: a reader that breaks again ends the
// test program with the rule it broke, or fails under the sanitizers.
#include "fuzz_entries.h"
#include "test_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace orvane::fuzz {
// Names the target in the test's output.
void PrintTo(const NamedEntry& entry, std::ostream* out) {
    *out << entry.name;
}
} // namespace orvane::fuzz

namespace {

class FuzzRegressionTest : public ::testing::TestWithParam<orvane::fuzz::NamedEntry> {};

TEST_P(FuzzRegressionTest, SavedInputsPass) {
    const QDir folder(orvane::test::testDataPath(QStringLiteral("fuzz-regressions/") +
                                                 QString::fromLatin1(GetParam().name)));
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    if (names.isEmpty())
        GTEST_SKIP() << "no saved inputs for " << GetParam().name;
    for (const QString& name : names) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        SCOPED_TRACE(name.toStdString());
        GetParam().run(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegressionTest, ::testing::ValuesIn(orvane::fuzz::AllEntries()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
