#include "slides/slide.h"
#include "slides/slide_decoder.h"
#include "slides/slide_description.h"

#include "test_folder.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

namespace {

using orvane::test::sampleInstallationPath;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every slide that the sample symbol files name exists, reads completely and draws something.
TEST(SampleSlides, EveryNamedSlideIsThereAndReadable) {
    const QString slides = sampleInstallationPath(QStringLiteral("Support/Slides"));
    const QStringList names =
        QString::fromUtf8(readAll(QDir(slides).filePath(QStringLiteral("slide-names.txt"))))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(names.size(), 100);
    QSet<int> colours;
    for (const QString& raw : names) {
        const QString name = raw.trimmed();
        const SlideDecodeResult slide = DecodeSlide(readAll(QDir(slides).filePath(name)));
        ASSERT_EQ(slide.status, SlideDecodeStatus::Complete) << qPrintable(name);
        EXPECT_GT(slide.points.size(), 2u) << qPrintable(name);
        for (const SlidePoint& p : slide.points) {
            EXPECT_LE(p.x, slide.header.width) << qPrintable(name);
            EXPECT_LE(p.y, slide.header.height) << qPrintable(name);
            if (p.color > 0)
                colours.insert(p.color);
        }
    }
    EXPECT_GE(colours.size(), 5);
}

// The written slides are exactly what their description builds, so that the description stays
// the one place where they are changed.
TEST(SampleSlides, FilesMatchTheirDescription) {
    const QByteArray text =
        readAll(QStringLiteral(ORVANE_SOURCE_DIR "/data/slide-sources/sample-slides.txt"));
    ASSERT_FALSE(text.isEmpty());
    std::vector<DescribedSlide> described;
    SlideDescriptionError error;
    ASSERT_TRUE(ReadSlideDescription(QString::fromUtf8(text), described, error))
        << error.line << ": " << qPrintable(error.message);
    const QDir slides(sampleInstallationPath(QStringLiteral("Support/Slides")));
    for (const DescribedSlide& s : described) {
        const QString path = slides.filePath(s.folder + QLatin1Char('/') + s.name + QStringLiteral(".sld"));
        EXPECT_EQ(readAll(path), s.writer.ToBytes())
            << qPrintable(path) << " differs: run scripts/make-sample-slides";
    }
}

// The page backgrounds of fixed layouts take their reference size from the slide header.
TEST(SampleSlides, PageBackgroundsHaveThePageSize) {
    CSlide slide;
    ASSERT_EQ(slide.Load(QString(), sampleInstallationPath(
                                        QStringLiteral("Support/Slides/Schemata/SC_HEIZKREIS_GEMISCHT.sld"))),
              1);
    EXPECT_EQ(slide.m_width, 340);
    EXPECT_EQ(slide.m_height, 160);
    ASSERT_EQ(slide.Load(QString(), sampleInstallationPath(
                                        QStringLiteral("Support/Slides/Schemata/SC_TRINKWASSER.sld"))),
              1);
    EXPECT_EQ(slide.m_width, 240);
    EXPECT_EQ(slide.m_height, 160);
}

} // namespace
