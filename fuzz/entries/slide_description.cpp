#include "fuzz_entries.h"

#include "slides/slide_decoder.h"
#include "slides/slide_description.h"

#include <QString>

namespace orvane::fuzz {

// Every slide of a description that reads is written into a file that decodes completely.
void SlideDescription(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    std::vector<DescribedSlide> slides;
    SlideDescriptionError error;
    if (!ReadSlideDescription(text, slides, error)) {
        Require(error.line >= 1 && !error.message.isEmpty(), "a refused description names its line");
        return;
    }
    for (const DescribedSlide& slide : slides) {
        const SlideDecodeResult decoded = DecodeSlide(slide.writer.ToBytes());
        Require(decoded.status == SlideDecodeStatus::Complete, "a written slide decodes to its end record");
    }
}

} // namespace orvane::fuzz
