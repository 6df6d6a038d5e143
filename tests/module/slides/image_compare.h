#pragma once

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace orvane::test {

// Painted output is compared with reference PNGs under tests/data. Two pixels count as equal
// when no colour channel differs by more than kChannelTolerance; an image matches when at most
// kDifferentPixelShare of its pixels differ (so that small changes in line rasterisation
// between Qt versions do not fail the check while any visible change does).
constexpr int kChannelTolerance = 24;
constexpr double kDifferentPixelShare = 0.002;

// Compares actual with tests/data/<reference>.png. On a mismatch, or when the reference does
// not exist yet, writes <name>.actual.png, <name>.diff.png and <name>.target (the reference's
// path in the source tree) into the folder "image-diffs" of the current folder, for a person to
// look at and for scripts/accept-references to take over.
::testing::AssertionResult MatchesReference(const QImage& actual, const QString& reference);

} // namespace orvane::test
