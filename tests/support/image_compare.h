#pragma once

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace orvane::test {

// How far a painted image may stray from its reference: a pixel differs when one of its
// channels differs by more than `channel` (of 255), and the images match when they have the
// same size and at most `fraction` of the pixels differ. The default absorbs the last bits
// of anti-aliasing that may differ between builds, never a moved or recoloured element: a
// label shifted by three pixels in a 320 x 200 picture already changes 0.05 % of it.
struct ImageTolerance {
    int channel = 24;
    double fraction = 0.0001;
};

// Slides are drawn without anti-aliasing, and Qt versions differ in which pixel ends a thin
// line: a few more pixels of such a drawing may differ.
constexpr ImageTolerance kLineDrawingTolerance{24, 0.002};

// Compares an image with the reference PNG tests/data/<name>.png. On a mismatch, or when the
// reference is missing, the image is written as <flat name>.actual.png, the differing pixels
// as <flat name>.diff.png (red on a faded copy) and the reference's place as <flat name>.target
// into the build's image-diffs folder ('/' in the name becomes '_'); scripts/accept-references
// copies the images a person has accepted into tests/data.
::testing::AssertionResult MatchesReference(const QImage& actual, const QString& name,
                                            ImageTolerance tolerance = {});

// Compares an image with another painted in the same test; on a mismatch both images and the
// differing pixels are written as <flat name>.actual.png, .expected.png and .diff.png.
::testing::AssertionResult MatchesImage(const QImage& actual, const QImage& expected, const QString& name,
                                        ImageTolerance tolerance = {});

// The folder failing comparisons write to.
QString ImageOutputFolder();

} // namespace orvane::test
