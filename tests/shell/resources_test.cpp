// The pictures and icons compiled into the program: each must decode at the
// size the windows are laid out for, in a format QtGui reads itself.
#include "ApplicationIdentity.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// PNG: colour type (2 true colour, 3 palette), bit depth, palette entries
// and whether a transparency chunk is present.
struct PngFacts {
    bool signature = false;
    int colourType = -1;
    int bitDepth = 0;
    int paletteSize = 0;
    bool transparent = false;
};

PngFacts pngFacts(const QByteArray& d)
{
    PngFacts facts;
    facts.signature = d.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8));
    auto u32 = [&](qsizetype i) {
        return static_cast<quint32>(static_cast<quint8>(d.at(i))) << 24 |
               static_cast<quint32>(static_cast<quint8>(d.at(i + 1))) << 16 |
               static_cast<quint32>(static_cast<quint8>(d.at(i + 2))) << 8 | static_cast<quint8>(d.at(i + 3));
    };
    for (qsizetype at = 8; at + 8 <= d.size();) {
        const qsizetype length = u32(at);
        const QByteArray type = d.mid(at + 4, 4);
        if (type == "IHDR" && at + 18 <= d.size()) {
            facts.bitDepth = static_cast<quint8>(d.at(at + 16));
            facts.colourType = static_cast<quint8>(d.at(at + 17));
        } else if (type == "PLTE") {
            facts.paletteSize = static_cast<int>(length / 3);
        } else if (type == "tRNS") {
            facts.transparent = true;
        }
        at += 12 + length;
    }
    return facts;
}

struct Picture {
    const char* path;
    const char* format;
    int width;
    int height;
    int paletteSize; // the most palette entries; 0: true colour
    bool transparent;
};

// All PNG, which QtGui reads without an image plugin. The photographs are
// true colour; the drawings keep the few colours they were drawn in, at
// each of the three scales (name.png, name@2x.png, name@3x.png).

const Picture kPictures[] = {
    {":/pictures/library0.png", "png", 114, 163, 64, false},
    {":/pictures/library1.png", "png", 114, 163, 0, false},
    {":/pictures/library2.png", "png", 114, 163, 0, false},
    {":/pictures/library3.png", "png", 114, 163, 0, false},
    {":/pictures/library4.png", "png", 114, 163, 0, false},
    {":/pictures/library5.png", "png", 114, 163, 0, false},
    {":/pictures/library6.png", "png", 114, 163, 0, false},
    {":/pictures/main-initial.png", "png", 114, 163, 4, true},
    {":/pictures/about.png", "png", 38, 58, 16, true},
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const Picture& p, std::ostream* os)
{
    *os << p.path;
}

class PictureTest : public ::testing::TestWithParam<std::tuple<Picture, int>> {};

TEST_P(PictureTest, DecodesAtItsSizeInItsStoredFormat)
{
    const auto& [p, scale] = GetParam();
    QString path = QString::fromLatin1(p.path);
    if (scale > 1)
        path.replace(QStringLiteral(".png"), QStringLiteral("@%1x.png").arg(scale));
    const QByteArray data = contents(path);
    ASSERT_FALSE(data.isEmpty()) << "not compiled in";

    QImageReader reader(path);
    EXPECT_EQ(reader.format(), p.format);
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(p.width, p.height) * scale);
    EXPECT_EQ(image.hasAlphaChannel(), p.transparent);
    EXPECT_FALSE(image.isGrayscale());

    const PngFacts png = pngFacts(data);
    EXPECT_TRUE(png.signature);
    EXPECT_EQ(png.bitDepth, 8);
    EXPECT_EQ(png.colourType, p.paletteSize > 0 ? 3 : 2);
    if (p.paletteSize > 0) {
        EXPECT_GT(png.paletteSize, 0);
        EXPECT_LE(png.paletteSize, p.paletteSize);
    } else {
        EXPECT_EQ(png.paletteSize, 0);
    }
    EXPECT_EQ(png.transparent, p.transparent);
}

INSTANTIATE_TEST_SUITE_P(CompiledIn, PictureTest,
                         ::testing::Combine(::testing::ValuesIn(kPictures), ::testing::Values(1, 2, 3)),
                         [](const ::testing::TestParamInfo<std::tuple<Picture, int>>& info) {
                             QString name =
                                 QString::fromLatin1(std::get<0>(info.param).path).section('/', -1);
                             name.replace('.', '_').replace('-', '_');
                             return name.toStdString() + "_" + std::to_string(std::get<1>(info.param)) + "x";
                         });

TEST(LibraryPictures, AreSevenDifferentPictures)
{
    QList<QImage> images;
    for (int i = 0; i < 7; ++i) {
        const QImage image(QStringLiteral(":/pictures/library%1.png").arg(i));
        ASSERT_FALSE(image.isNull()) << i;
        images.append(image.convertToFormat(QImage::Format_RGB32));
    }
    for (int i = 0; i < images.size(); ++i)
        for (int j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << i << " and " << j;
}

TEST(ApplicationIcon, HasTheTwoWindowSizesAndTheirDenserRenderingsWithATransparentBackground)
{
    const QIcon icon = mrv::applicationIcon();
    EXPECT_EQ(icon.availableSizes(),
              (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64), QSize(96, 96)}));
    for (int size : {16, 32, 48, 64, 96}) {
        SCOPED_TRACE(size);
        const QImage image(QStringLiteral(":/icons/mrvdate-%1.png").arg(size));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(size, size));
        ASSERT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "corner should be clear";
    }
}

} // namespace
