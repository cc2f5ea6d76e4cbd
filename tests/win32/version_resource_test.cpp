// Reads back the compiled version resource (.res) and checks it field by
// field. The .res format is a run of records, each a RESOURCEHEADER (sizes,
// type, name, language) followed by its data, both padded to 4 bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kRtIcon = 3;
constexpr std::uint16_t kRtGroupIcon = 14;
constexpr std::uint16_t kRtVersion = 16;

// The release version major.minor.patch in its two Windows forms: fixed
// fields major.minor.patch.0 as two 32-bit halves, and the text "1.01" for
// 1.1 (minor number in two digits).
constexpr std::uint32_t kVersionHigh = (MRVDATE_VERSION_MAJOR << 16) | MRVDATE_VERSION_MINOR;
constexpr std::uint32_t kVersionLow = MRVDATE_VERSION_PATCH << 16;
const std::string kVersionText = std::to_string(MRVDATE_VERSION_MAJOR) +
                                 (MRVDATE_VERSION_MINOR < 10 ? ".0" : ".") +
                                 std::to_string(MRVDATE_VERSION_MINOR);

std::size_t align4(std::size_t n)
{
    return (n + 3) & ~std::size_t{3};
}

// Little-endian reads that refuse to run past the end.
struct Reader {
    const Bytes& bytes;

    void need(std::size_t at, std::size_t n) const
    {
        if (at + n > bytes.size())
            throw std::runtime_error("read past the end at offset " + std::to_string(at));
    }
    std::uint16_t u16(std::size_t at) const
    {
        need(at, 2);
        return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
    }
    std::uint32_t u32(std::size_t at) const
    {
        return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
    }
    // A zero-terminated UTF-16 string of ASCII characters; `at` moves past
    // the terminator.
    std::string text(std::size_t& at) const
    {
        std::string s;
        for (std::uint16_t c = u16(at); c != 0; c = u16(at)) {
            s += c < 0x80 ? static_cast<char>(c) : '?';
            at += 2;
        }
        at += 2;
        return s;
    }
};

// A resource type or name: a number or a string.
struct Id {
    std::optional<std::uint16_t> number;
    std::string name;
};

struct Resource {
    Id type;
    Id name;
    std::uint16_t language = 0;
    Bytes data;
};

Id readId(const Reader& r, std::size_t& at)
{
    if (r.u16(at) == 0xFFFF) {
        Id id{r.u16(at + 2), {}};
        at += 4;
        return id;
    }
    return {std::nullopt, r.text(at)};
}

std::vector<Resource> readRes(const Bytes& bytes)
{
    const Reader r{bytes};
    std::vector<Resource> out;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::uint32_t dataSize = r.u32(at);
        const std::uint32_t headerSize = r.u32(at + 4);
        std::size_t p = at + 8;
        Resource res;
        res.type = readId(r, p);
        res.name = readId(r, p);
        p = align4(p);
        // DataVersion (4), MemoryFlags (2), then the language.
        res.language = r.u16(p + 6);
        r.need(at + headerSize, dataSize);
        res.data.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at + headerSize),
                        bytes.begin() + static_cast<std::ptrdiff_t>(at + headerSize + dataSize));
        // The file opens with an empty record that marks it as 32-bit.
        if (!(res.type.number == 0 && res.name.number == 0 && dataSize == 0))
            out.push_back(std::move(res));
        at = align4(at + headerSize + dataSize);
    }
    return out;
}

const Resource* find(const std::vector<Resource>& all, std::uint16_t type, std::uint16_t name)
{
    for (const Resource& res : all)
        if (res.type.number == type && res.name.number == name)
            return &res;
    return nullptr;
}

// One node of the VS_VERSIONINFO tree: length, value length, type, key,
// value, children, each part 4-byte aligned within the resource.
struct VersionNode {
    std::string key;
    std::uint16_t type = 0;
    Bytes value;
    std::vector<VersionNode> children;

    const VersionNode* child(const std::string& name) const
    {
        for (const VersionNode& c : children)
            if (c.key == name)
                return &c;
        return nullptr;
    }
    // A text value without its terminating zeros.
    std::string text() const
    {
        std::string s;
        for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
            const auto c = static_cast<std::uint16_t>(value[i] | value[i + 1] << 8);
            if (c == 0)
                break;
            s += static_cast<char>(c);
        }
        return s;
    }
};

VersionNode readVersionNode(const Reader& r, std::size_t at)
{
    const std::size_t end = at + r.u16(at);
    r.need(at, end - at);
    const std::uint16_t valueLength = r.u16(at + 2);
    VersionNode node;
    node.type = r.u16(at + 4);
    std::size_t p = at + 6;
    node.key = r.text(p);
    p = align4(p);
    // Text values count UTF-16 units, binary ones bytes; resource compilers
    // disagree on whether the terminator counts, so clamp to the node.
    std::size_t valueBytes = node.type == 1 ? valueLength * std::size_t{2} : valueLength;
    valueBytes = std::min(valueBytes, end - std::min(end, p));
    node.value.assign(r.bytes.begin() + static_cast<std::ptrdiff_t>(p),
                      r.bytes.begin() + static_cast<std::ptrdiff_t>(p + valueBytes));
    p = align4(p + valueBytes);
    while (p + 6 <= end) {
        const std::uint16_t childLength = r.u16(p);
        if (childLength == 0)
            break;
        node.children.push_back(readVersionNode(r, p));
        p = align4(p + childLength);
    }
    return node;
}

class VersionResource : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::ifstream in(MRVDATE_RES_FILE, std::ios::binary);
        ASSERT_TRUE(in) << "cannot open " << MRVDATE_RES_FILE;
        bytes_ = Bytes(std::istreambuf_iterator<char>(in), {});
        resources_ = readRes(bytes_);
    }

    static inline Bytes bytes_;
    static inline std::vector<Resource> resources_;
};

TEST_F(VersionResource, FixedFieldsGiveTheReleaseVersionForAnApplication)
{
    const Resource* res = find(resources_, kRtVersion, 1);
    ASSERT_NE(res, nullptr) << "no version resource with ID 1";
    EXPECT_EQ(res->language, 0x0409);
    const Reader r{res->data};
    const VersionNode root = readVersionNode(r, 0);
    EXPECT_EQ(root.key, "VS_VERSION_INFO");
    ASSERT_EQ(root.value.size(), 52U) << "VS_FIXEDFILEINFO";

    const Reader f{root.value};
    struct Field {
        const char* name;
        std::size_t offset;
        std::uint32_t expected;
    };
    const Field fields[] = {
        {"signature", 0, 0xFEEF04BD},
        {"file version MS", 8, kVersionHigh},
        {"file version LS", 12, kVersionLow},
        {"product version MS", 16, kVersionHigh},
        {"product version LS", 20, kVersionLow},
        {"file flags mask", 24, 0x3F},
        {"file flags", 28, 0},
        {"file OS", 32, 4},
        {"file type", 36, 1},
        {"file subtype", 40, 0},
    };
    for (const Field& field : fields)
        EXPECT_EQ(f.u32(field.offset), field.expected) << field.name;
}

TEST_F(VersionResource, StringTableHoldsExactlyTheFiveStrings)
{
    const Resource* res = find(resources_, kRtVersion, 1);
    ASSERT_NE(res, nullptr);
    const Reader r{res->data};
    const VersionNode root = readVersionNode(r, 0);

    std::vector<std::string> blocks;
    for (const VersionNode& c : root.children)
        blocks.push_back(c.key);
    EXPECT_EQ(blocks, (std::vector<std::string>{"StringFileInfo", "VarFileInfo"}));

    const VersionNode* info = root.child("StringFileInfo");
    ASSERT_NE(info, nullptr);
    ASSERT_EQ(info->children.size(), 1U);
    const VersionNode& table = info->children.front();
    EXPECT_EQ(table.key, "040904B0");

    std::map<std::string, std::string> strings;
    for (const VersionNode& s : table.children) {
        EXPECT_EQ(s.type, 1) << s.key << " is not text";
        EXPECT_TRUE(strings.emplace(s.key, s.text()).second) << s.key << " twice";
    }
    const std::map<std::string, std::string> expected{
        {"ProductName", "MRVDate"},  {"FileVersion", kVersionText},       {"ProductVersion", kVersionText},
        {"InternalName", "MRVDate"}, {"OriginalFilename", "MRVDate.exe"},
    };
    EXPECT_EQ(strings, expected);
}

TEST_F(VersionResource, TranslationIsUsEnglishUnicode)
{
    const Resource* res = find(resources_, kRtVersion, 1);
    ASSERT_NE(res, nullptr);
    const Reader r{res->data};
    const VersionNode root = readVersionNode(r, 0);
    const VersionNode* var = root.child("VarFileInfo");
    ASSERT_NE(var, nullptr);
    ASSERT_EQ(var->children.size(), 1U);
    const VersionNode& translation = var->children.front();
    EXPECT_EQ(translation.key, "Translation");
    EXPECT_EQ(translation.value, (Bytes{0x09, 0x04, 0xB0, 0x04})) << "0x0409, 1200";
}

TEST_F(VersionResource, IconGroupOneHolds16And32PixelImagesWithMasks)
{
    const Resource* group = find(resources_, kRtGroupIcon, 1);
    ASSERT_NE(group, nullptr) << "no icon group with ID 1";
    const Reader g{group->data};
    EXPECT_EQ(g.u16(0), 0);
    EXPECT_EQ(g.u16(2), 1) << "icon, not cursor";
    ASSERT_EQ(g.u16(4), 2) << "image count";

    // Per image: size, bits per pixel, bytes (24-bit colour + 1-bit mask).
    struct Expected {
        int size;
        std::uint32_t bytes;
    };
    const Expected expected[] = {{16, 872}, {32, 3240}};
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const std::size_t e = 6 + 14 * i; // GRPICONDIRENTRY
        EXPECT_EQ(group->data.at(e), expected[i].size);
        EXPECT_EQ(group->data.at(e + 1), expected[i].size);
        EXPECT_EQ(g.u16(e + 4), 1) << "planes";
        EXPECT_EQ(g.u16(e + 6), 24) << "bits per pixel";
        EXPECT_EQ(g.u32(e + 8), expected[i].bytes);

        const Resource* image = find(resources_, kRtIcon, g.u16(e + 12));
        ASSERT_NE(image, nullptr) << "the group names an icon image that is missing";
        ASSERT_EQ(image->data.size(), expected[i].bytes);
        const Reader b{image->data};
        EXPECT_EQ(b.u32(0), 40U) << "BITMAPINFOHEADER";
        EXPECT_EQ(static_cast<int>(b.u32(4)), expected[i].size);
        EXPECT_EQ(static_cast<int>(b.u32(8)), 2 * expected[i].size) << "colour rows + mask rows";
        EXPECT_EQ(b.u16(14), 24);
    }
}

} // namespace
