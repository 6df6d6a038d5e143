#include "image_compare.h"

#include "test_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

namespace orvane::test {
namespace {

bool sameWithin(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= kChannelTolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= kChannelTolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= kChannelTolerance &&
           std::abs(qAlpha(a) - qAlpha(b)) <= kChannelTolerance;
}

// The difference image: differing pixels in red, the rest a faded copy of the reference.
QImage differenceImage(const QImage& actual, const QImage& expected) {
    QImage diff(actual.size(), QImage::Format_ARGB32);
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb e = expected.pixel(x, y);
            diff.setPixel(x, y,
                          sameWithin(actual.pixel(x, y), e)
                              ? qRgb(128 + qGray(e) / 2, 128 + qGray(e) / 2, 128 + qGray(e) / 2)
                              : qRgb(255, 0, 0));
        }
    return diff;
}

QString writeFailure(const QString& reference, const QImage& actual, const QImage* diff) {
    const QString name = QString(reference).replace(QLatin1Char('/'), QLatin1Char('_'));
    QDir out(QDir::current().filePath(QStringLiteral("image-diffs")));
    out.mkpath(QStringLiteral("."));
    actual.save(out.filePath(name + QStringLiteral(".actual.png")));
    if (diff)
        diff->save(out.filePath(name + QStringLiteral(".diff.png")));
    QFile target(out.filePath(name + QStringLiteral(".target")));
    if (target.open(QIODevice::WriteOnly))
        target.write(QStringLiteral("tests/data/%1.png\n").arg(reference).toUtf8());
    return out.filePath(name);
}

} // namespace

::testing::AssertionResult MatchesReference(const QImage& actualAnyFormat, const QString& reference) {
    const QImage actual = actualAnyFormat.convertToFormat(QImage::Format_ARGB32);
    const QString path = testDataPath(reference + QStringLiteral(".png"));
    if (!QFileInfo::exists(path)) {
        const QString written = writeFailure(reference, actual, nullptr);
        return ::testing::AssertionFailure()
               << "no reference image " << qPrintable(path) << "; the actual image is " << qPrintable(written)
               << ".actual.png (scripts/accept-references)";
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_ARGB32);
    if (expected.size() != actual.size()) {
        const QString written = writeFailure(reference, actual, nullptr);
        return ::testing::AssertionFailure() << qPrintable(reference) << ": size " << actual.width() << "x"
                                             << actual.height() << " instead of " << expected.width() << "x"
                                             << expected.height() << "; see " << qPrintable(written) << ".*";
    }
    qint64 different = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            different += sameWithin(actual.pixel(x, y), expected.pixel(x, y)) ? 0 : 1;
    const qint64 allowed = qint64(double(actual.width()) * actual.height() * kDifferentPixelShare);
    if (different > allowed) {
        const QImage diff = differenceImage(actual, expected);
        const QString written = writeFailure(reference, actual, &diff);
        return ::testing::AssertionFailure()
               << qPrintable(reference) << ": " << different << " pixels differ (at most " << allowed
               << " allowed); see " << qPrintable(written) << ".*";
    }
    return ::testing::AssertionSuccess();
}

} // namespace orvane::test
