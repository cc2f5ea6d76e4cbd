// The pictures and icons compiled into the program: each must decode at the
// size the windows are laid out for, in the stored format the design gives.
#include "ApplicationIdentity.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <gtest/gtest.h>

#include <ostream>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// GIF: version, global palette size, and whether a colour is transparent.
struct GifFacts {
    QByteArray version;
    int paletteSize = 0;
    bool transparent = false;
};

GifFacts gifFacts(const QByteArray& d)
{
    GifFacts facts;
    facts.version = d.left(6);
    const auto flags = static_cast<quint8>(d.at(10));
    if (flags & 0x80)
        facts.paletteSize = 1 << ((flags & 7) + 1);
    // The graphic control extension (21 F9 04) carries the transparency flag.
    const qsizetype gce = d.indexOf(QByteArray("\x21\xF9\x04", 3));
    facts.transparent = gce >= 0 && (static_cast<quint8>(d.at(gce + 3)) & 1);
    return facts;
}

// JPEG: the JFIF marker, and the frame header's kind, precision and
// component count (baseline, 8-bit, 3 components = 24-bit colour).
struct JpegFacts {
    bool jfif = false;
    int frameMarker = -1;
    int precision = 0;
    int components = 0;
};

JpegFacts jpegFacts(const QByteArray& d)
{
    JpegFacts facts;
    facts.jfif = d.mid(6, 5) == QByteArray("JFIF\0", 5);
    auto byte = [&](qsizetype i) { return static_cast<quint8>(d.at(i)); };
    qsizetype at = 2;
    while (at + 4 <= d.size() && byte(at) == 0xFF) {
        const int marker = byte(at + 1);
        const int length = byte(at + 2) << 8 | byte(at + 3);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            facts.frameMarker = marker;
            facts.precision = byte(at + 4);
            facts.components = byte(at + 9);
        }
        if (marker == 0xDA) // scan data follows
            break;
        at += 2 + length;
    }
    return facts;
}

struct Picture {
    const char* path;
    const char* format;
    int width;
    int height;
    int paletteSize; // 0: true colour
    bool transparent;
};

const Picture kPictures[] = {
    {":/pictures/library0.gif", "gif", 114, 163, 64, false},
    {":/pictures/library1.jpg", "jpeg", 114, 163, 0, false},
    {":/pictures/library2.jpg", "jpeg", 114, 163, 0, false},
    {":/pictures/library3.jpg", "jpeg", 114, 163, 0, false},
    {":/pictures/library4.jpg", "jpeg", 114, 163, 0, false},
    {":/pictures/library5.jpg", "jpeg", 114, 163, 0, false},
    {":/pictures/library6.jpg", "jpeg", 114, 163, 0, false},
    {":/pictures/main-initial.gif", "gif", 114, 163, 4, true},
    {":/pictures/about.gif", "gif", 38, 58, 16, true},
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const Picture& p, std::ostream* os)
{
    *os << p.path;
}

class PictureTest : public ::testing::TestWithParam<Picture> {};

TEST_P(PictureTest, DecodesAtItsSizeInItsStoredFormat)
{
    const Picture& p = GetParam();
    const QString path = QString::fromLatin1(p.path);
    const QByteArray data = contents(path);
    ASSERT_FALSE(data.isEmpty()) << "not compiled in";

    QImageReader reader(path);
    EXPECT_EQ(reader.format(), p.format);
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(p.width, p.height));
    EXPECT_EQ(image.hasAlphaChannel(), p.transparent);
    EXPECT_FALSE(image.isGrayscale());

    if (qstrcmp(p.format, "gif") == 0) {
        const GifFacts gif = gifFacts(data);
        EXPECT_EQ(gif.version, "GIF89a");
        EXPECT_EQ(gif.paletteSize, p.paletteSize);
        EXPECT_EQ(gif.transparent, p.transparent);
        EXPECT_EQ(QImageReader(path).imageCount(), 1) << "frames";
    } else {
        const JpegFacts jpeg = jpegFacts(data);
        EXPECT_TRUE(jpeg.jfif);
        EXPECT_EQ(jpeg.frameMarker, 0xC0) << "not baseline";
        EXPECT_EQ(jpeg.precision, 8);
        EXPECT_EQ(jpeg.components, 3);
    }
}

INSTANTIATE_TEST_SUITE_P(CompiledIn, PictureTest, ::testing::ValuesIn(kPictures),
                         [](const ::testing::TestParamInfo<Picture>& info) {
                             QString name = QString::fromLatin1(info.param.path).section('/', -1);
                             name.replace('.', '_').replace('-', '_');
                             return name.toStdString();
                         });

TEST(LibraryPictures, AreSevenDifferentPictures)
{
    QList<QImage> images;
    for (int i = 0; i < 7; ++i) {
        const QImage image(QStringLiteral(":/pictures/library%1.%2").arg(i).arg(i == 0 ? "gif" : "jpg"));
        ASSERT_FALSE(image.isNull()) << i;
        images.append(image.convertToFormat(QImage::Format_RGB32));
    }
    for (int i = 0; i < images.size(); ++i)
        for (int j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << i << " and " << j;
}

TEST(ApplicationIcon, HasTheTwoWindowSizesWithATransparentBackground)
{
    const QIcon icon = mrv::applicationIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    for (int size : {16, 32}) {
        SCOPED_TRACE(size);
        const QImage image(QStringLiteral(":/icons/mrvdate-%1.png").arg(size));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(size, size));
        ASSERT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "corner should be clear";
    }
}

} // namespace
