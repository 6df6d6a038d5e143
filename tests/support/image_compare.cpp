#include "image_compare.h"

#include "test_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

namespace orvane::test {

namespace {

bool Differs(QRgb a, QRgb b, int channel) {
    return std::abs(qRed(a) - qRed(b)) > channel || std::abs(qGreen(a) - qGreen(b)) > channel ||
           std::abs(qBlue(a) - qBlue(b)) > channel || std::abs(qAlpha(a) - qAlpha(b)) > channel;
}

// Differing pixels in red over a faded copy of the reference, so a person sees where.
QImage DifferenceImage(const QImage& actual, const QImage& reference, int channel, qsizetype& count) {
    QImage diff(actual.size(), QImage::Format_ARGB32);
    count = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb r = reference.pixel(x, y);
            if (Differs(a, r, channel)) {
                ++count;
                diff.setPixel(x, y, qRgb(255, 0, 0));
            } else {
                const int grey = 192 + qGray(r) / 4;
                diff.setPixel(x, y, qRgb(grey, grey, grey));
            }
        }
    }
    return diff;
}

QString FlatName(const QString& name) {
    return QString(name).replace(u'/', u'_');
}

void WriteBeside(const QString& name, const char* suffix, const QImage& image) {
    QDir folder(ImageOutputFolder());
    folder.mkpath(QStringLiteral("."));
    image.save(folder.filePath(FlatName(name) + QString::fromLatin1(suffix)), "PNG");
}

// Beside the images of a reference that failed, the file scripts/accept-references reads to
// know where the actual image belongs.
void WriteTarget(const QString& name) {
    QFile target(QDir(ImageOutputFolder()).filePath(FlatName(name) + QStringLiteral(".target")));
    if (target.open(QIODevice::WriteOnly))
        target.write(QStringLiteral("tests/data/%1.png\n").arg(name).toUtf8());
}

// Compares two images of the format ARGB32; on a mismatch writes the actual image and, when
// the sizes agree, the difference image.
::testing::AssertionResult Compare(const QImage& actual, const QImage& expected, const QString& name,
                                   ImageTolerance tolerance) {
    if (expected.size() != actual.size()) {
        WriteBeside(name, ".actual.png", actual);
        return ::testing::AssertionFailure()
               << name.toStdString() << ": size " << actual.width() << "x" << actual.height()
               << " instead of " << expected.width() << "x" << expected.height();
    }
    qsizetype differing = 0;
    const QImage diff = DifferenceImage(actual, expected, tolerance.channel, differing);
    const qsizetype allowed = qsizetype(tolerance.fraction * actual.width() * actual.height());
    if (differing <= allowed)
        return ::testing::AssertionSuccess();
    WriteBeside(name, ".actual.png", actual);
    WriteBeside(name, ".diff.png", diff);
    return ::testing::AssertionFailure()
           << name.toStdString() << ": " << differing << " pixels differ, " << allowed
           << " allowed; actual and difference images are in " << ImageOutputFolder().toStdString();
}

} // namespace

QString ImageOutputFolder() {
    const QString set = qEnvironmentVariable("ORVANE_TEST_OUTPUT");
    if (!set.isEmpty())
        return set;
    return QStringLiteral(ORVANE_TEST_OUTPUT_DIR);
}

::testing::AssertionResult MatchesReference(const QImage& actualIn, const QString& name,
                                            ImageTolerance tolerance) {
    const QImage actual = actualIn.convertToFormat(QImage::Format_ARGB32);
    const QString referencePath = testDataPath(name + QStringLiteral(".png"));
    const QImage reference = QImage(referencePath).convertToFormat(QImage::Format_ARGB32);
    if (reference.isNull()) {
        WriteBeside(name, ".actual.png", actual);
        WriteTarget(name);
        return ::testing::AssertionFailure()
               << "no reference image " << referencePath.toStdString() << "; the actual image is in "
               << ImageOutputFolder().toStdString();
    }
    const ::testing::AssertionResult result = Compare(actual, reference, name, tolerance);
    if (!result)
        WriteTarget(name);
    return result;
}

::testing::AssertionResult MatchesImage(const QImage& actual, const QImage& expected, const QString& name,
                                        ImageTolerance tolerance) {
    const ::testing::AssertionResult result =
        Compare(actual.convertToFormat(QImage::Format_ARGB32),
                expected.convertToFormat(QImage::Format_ARGB32), name, tolerance);
    if (!result)
        WriteBeside(name, ".expected.png", expected);
    return result;
}

} // namespace orvane::test
