#include "platform/assets/asset_table.h"
#include "platform/assets/cls_load_data.h"
#include "platform/files/gfile.h"
#include "platform/graphics/images.h"
#include "platform/services/silent_services.h"
#include "platform/sound/mng_sound.h"

#include "host/gdi/picture.h"
#include "host/sound/null_backend.h"
#include "host/sound/sound_library.h"
#include "host/sys/digest.h"
#include "host/sys/paths.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <tuple>
#include <unistd.h>

using host::gdi::kBlack;
using host::gdi::kWhite;
using host::runtime::ErrorNumber;
using testsupport::errorOf;
namespace fs = std::filesystem;

namespace {

const auto kMagenta = host::gdi::RGB(255, 0, 255);

std::vector<std::uint8_t> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The stored bytes of record index of an archive, restored.
std::vector<std::uint8_t> restoredRecord(const std::vector<std::uint8_t>& archive, std::int32_t first,
                                         std::int32_t last) {
    std::vector<std::uint8_t> record(archive.begin() + first, archive.begin() + last + 1);
    for (std::size_t i = 4; i < 8; ++i)
        record[i] = static_cast<std::uint8_t>(record[i] - i);
    return record;
}

struct ImageRecordRef {
    const AssetTable::ImageRecord& record;
    std::int32_t last;
};

ImageRecordRef imageRecord(std::size_t index) {
    const auto records = AssetTable::ImageRecords();
    return {records[index], AssetTable::LastByte(records, index, AssetTable::kImageArchiveSize)};
}

// What the events said, and whether the announced record was already stored.
struct EventLog {
    std::vector<std::pair<std::string, std::int16_t>> starts;
    std::vector<std::pair<std::int16_t, std::int16_t>> steps;
    std::vector<std::string> storedTooEarly;
    std::vector<std::string> previousMissing;
};

bool stored(const std::string& name) {
    return !errorOf([&] { Images().GetImageWidth(name); });
}

// A loader with its own picture store, sound manager, file service and
// silent sound library; the program folder is the build folder, which holds Data/.
class Loader {
  public:
    explicit Loader(unsigned decodeThreads = clsLoadData::DefaultDecodeThreads()) : load(decodeThreads) {
        load.SetData(box, frame);
        load.StartProcess.subscribe(
            [this](std::string& name, std::int16_t& max) { log.starts.emplace_back(name, max); });
        load.LoadProcess.subscribe([this](std::int16_t& now, std::int16_t& max) {
            log.steps.emplace_back(now, max);
            const auto records = AssetTable::ImageRecords();
            if (log.starts.back().first != "画像データを展開中" || now < 1 || now > 204) return;
            const std::string name(records[static_cast<std::size_t>(now - 1)].name);
            if (stored(name)) log.storedTooEarly.push_back(name);
            if (now > 1 && !stored(std::string(records[static_cast<std::size_t>(now - 2)].name)))
                log.previousMissing.push_back(name);
        });
    }
    host::runtime::ScopedInstall<clsImages> images{gImages, std::make_unique<clsImages>()};
    host::runtime::ScopedInstall<clsMngSound> mngSound{gMngSound, std::make_unique<clsMngSound>()};
    host::runtime::ScopedInstall<clsFile> file{gFile, std::make_unique<clsFile>()};
    host::runtime::ScopedInstall<host::sound::Backend, host::sound::NullBackend> sound{
        host::sound::installedBackend, std::make_unique<host::sound::NullBackend>()};
    ScopedSilentServices services;
    host::ui::PictureBox box;
    host::gdi::DeviceContext frame{1, 1};
    clsLoadData load;
    EventLog log;
};

// A program folder of its own, removed at the end.
class TemporaryProgramFolder {
  public:
    TemporaryProgramFolder()
        : path_(fs::temp_directory_path() / ("quorvel-assets-" + std::to_string(::getpid()))),
          installed_(host::sys::installedProgramFolder, std::make_unique<fs::path>(path_)) {
        fs::create_directories(path_);
    }
    ~TemporaryProgramFolder() { fs::remove_all(path_); }
    fs::path data(const std::string& name) const { return path_ / "Data" / name; }

  private:
    fs::path path_;
    host::runtime::ScopedInstall<fs::path> installed_;
};

fs::path realData(const std::string& name) {
    return host::sys::programFolder() / "Data" / name;
}

// Events: one start, then one step before each record. Store: 204 pictures
// at their sizes and 155 masks. Pixels: each stored picture is its record
// decoded from bytes restored exactly once; a masked picture has its white
// turned black, and its mask is white exactly there.
TEST(ImageLoad, LoadsEveryRecordOnceWithItsMask) {
    Loader loader;
    loader.load.LoadImage();
    const auto archive = readFile(realData("quorvelimage.kpz"));
    {
        SCOPED_TRACE("events");
        const auto& log = loader.log;
        ASSERT_EQ(log.starts.size(), 1u);
        EXPECT_EQ(log.starts[0], std::make_pair(std::string("画像データを展開中"), std::int16_t{204}));
        ASSERT_EQ(log.steps.size(), 204u);
        for (std::size_t i = 0; i < log.steps.size(); ++i) {
            EXPECT_EQ(log.steps[i], std::make_pair(static_cast<std::int16_t>(i + 1), std::int16_t{204}));
        }
        EXPECT_TRUE(log.storedTooEarly.empty());
        EXPECT_TRUE(log.previousMissing.empty());
    }
    {
        SCOPED_TRACE("store");
        int pictures = 0;
        int masks = 0;
        for (const auto& record : AssetTable::ImageRecords()) {
            const std::string name(record.name);
            SCOPED_TRACE(name);
            ASSERT_TRUE(stored(name));
            ++pictures;
            EXPECT_EQ(Images().GetImageWidth(name), record.width);
            EXPECT_EQ(Images().GetImageHeight(name), record.height);
            EXPECT_EQ(Images().GetImageHDC(name).bitmap().width(), record.width);
            EXPECT_EQ(Images().GetImageHDC(name).bitmap().height(), record.height);
            if (record.stretched) {
                EXPECT_EQ(record.width, 800);
                EXPECT_EQ(record.height, 600);
                EXPECT_FALSE(stored(name + "mask"));
            } else {
                ASSERT_TRUE(stored(name + "mask"));
                ++masks;
                EXPECT_EQ(Images().GetImageWidth(name + "mask"), record.width);
                EXPECT_EQ(Images().GetImageHeight(name + "mask"), record.height);
            }
        }
        EXPECT_EQ(pictures + masks, 359);
        EXPECT_EQ(masks, 155);
        EXPECT_FALSE(loader.box.Visible());
        EXPECT_TRUE(loader.box.AutoSize());
    }
    SCOPED_TRACE("pixels");
    for (std::size_t i = 0; i < AssetTable::ImageRecords().size(); ++i) {
        const auto [record, last] = imageRecord(i);
        const std::string name(record.name);
        SCOPED_TRACE(name);
        const auto decoded = host::gdi::DecodePicture(restoredRecord(archive, record.first, last),
                                                      {record.width, record.height});
        ASSERT_NE(decoded, nullptr);
        const auto& picture = Images().GetImageHDC(name).bitmap();
        ASSERT_EQ(decoded->width(), picture.width());
        ASSERT_EQ(decoded->height(), picture.height());
        const host::gdi::Bitmap* mask =
            record.stretched ? nullptr : &Images().GetImageHDC(name + "mask").bitmap();
        int wrong = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const bool key = mask && decoded->pixel(x, y) == kWhite;
                wrong += picture.pixel(x, y) != (key ? kBlack : decoded->pixel(x, y));
                if (mask) wrong += mask->pixel(x, y) != (key ? kWhite : kBlack);
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(SoundLoad, Registers47SoundsInTableOrderWithTheirOwnBytes) {
    Loader loader;
    loader.load.LoadSound();
    ASSERT_EQ(loader.log.starts.size(), 1u);
    EXPECT_EQ(loader.log.starts[0], std::make_pair(std::string("音楽データを展開中"), std::int16_t{47}));
    ASSERT_EQ(loader.log.steps.size(), 47u);
    for (std::size_t i = 0; i < 47; ++i) {
        EXPECT_EQ(loader.log.steps[i], std::make_pair(static_cast<std::int16_t>(i + 1), std::int16_t{47}));
    }

    const auto archive = readFile(realData("quorvelsound.kpz"));
    const auto records = AssetTable::SoundRecords();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& record = records[i];
        SCOPED_TRACE(std::string(record.name));
        const auto last = AssetTable::LastByte(records, i, AssetTable::kSoundArchiveSize);
        const auto expected = restoredRecord(archive, record.first, last);
        const auto* sound = loader.sound->sound(static_cast<std::int32_t>(i + 1));
        ASSERT_NE(sound, nullptr);
        if (i < 8) {
            // Music goes to the library with exactly the record's length.
            EXPECT_EQ(sound->kind, host::sound::NullBackend::Kind::Music);
            EXPECT_EQ(sound->bytes, expected);
        } else {
            EXPECT_EQ(sound->kind, host::sound::NullBackend::Kind::Effect);
            ASSERT_LE(sound->bytes.size(), expected.size());
            EXPECT_TRUE(std::equal(sound->bytes.begin(), sound->bytes.end(), expected.begin()));
        }
    }
    EXPECT_EQ(loader.sound->sound(48), nullptr);
    EXPECT_NO_THROW(MngSound().ISPlay("puu79_a"));
}

TEST(AssetLoadFailure, MissingArchivesLoadNothing) {
    Loader loader;
    TemporaryProgramFolder folder;
    EXPECT_EQ(errorOf([&] { loader.load.LoadImage(); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { loader.load.LoadSound(); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_FALSE(stored("クラッシュ右"));
    EXPECT_EQ(loader.sound->sound(1), nullptr);
    EXPECT_TRUE(loader.log.steps.empty());
    EXPECT_EQ(loader.services->messages().size(), 2u);
}

TEST(AssetLoadFailure, LoadingBeforeSetDataIsRefused) {
    clsLoadData load;
    EXPECT_EQ(errorOf([&] { load.LoadImage(); }), ErrorNumber::ObjectNotSet);
}

// A short archive ends the load at the first record past its end; an
// undecodable record becomes a visible placeholder of its expected size.
TEST(AssetLoadFailure, ShortArchiveKeepsWhatCameBeforeAndBadRecordsBecomePlaceholders) {
    auto archive = readFile(realData("quorvelimage.kpz"));
    Loader loader;
    TemporaryProgramFolder folder;
    const auto second = imageRecord(1);
    std::fill_n(archive.begin() + second.record.first, 16, std::uint8_t{0});
    archive.resize(static_cast<std::size_t>(imageRecord(3).record.first));
    writeFile(folder.data("quorvelimage.kpz"), archive);

    EXPECT_EQ(errorOf([&] { loader.load.LoadImage(); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(loader.log.steps.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string name(imageRecord(i).record.name);
        EXPECT_TRUE(stored(name) && stored(name + "mask")) << name;
    }
    EXPECT_FALSE(stored(std::string(imageRecord(3).record.name)));

    const std::string bad(second.record.name);
    ASSERT_EQ(Images().GetImageWidth(bad), second.record.width);
    ASSERT_EQ(Images().GetImageHeight(bad), second.record.height);
    const auto& placeholder = Images().GetImageHDC(bad).bitmap();
    EXPECT_EQ(placeholder.width(), second.record.width);
    EXPECT_EQ(placeholder.pixel(second.record.width / 2, 1), kMagenta);
    // Nothing of it is transparent.
    const auto& mask = Images().GetImageHDC(bad + "mask").bitmap();
    int white = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            white += mask.pixel(x, y) == kWhite;
    EXPECT_EQ(white, 0);
}

std::vector<std::uint8_t> fixture(const char* name) {
    return readFile(fs::path(QUORVEL_SOURCE_DIR) / "tests/fixtures/pictures" / name);
}

// Puts a picture file into the archive as record index, scrambled and padded
// with zeros to the next record.
void putRecord(std::vector<std::uint8_t>& archive, std::size_t index, std::vector<std::uint8_t> picture) {
    const auto [record, last] = imageRecord(index);
    ASSERT_LE(picture.size(), static_cast<std::size_t>(last - record.first + 1));
    for (std::size_t i = 4; i < 8 && i < picture.size(); ++i)
        picture[i] = static_cast<std::uint8_t>(picture[i] + i);
    std::fill(archive.begin() + record.first, archive.begin() + last + 1, std::uint8_t{0});
    std::copy(picture.begin(), picture.end(), archive.begin() + record.first);
}

// What a load left in the store and what it said.
struct LoadOutcome {
    std::optional<ErrorNumber> error;
    std::vector<std::pair<std::int16_t, std::int16_t>> steps;
    // Name to width, height and the digest of its pixels.
    std::map<std::string, std::tuple<std::int32_t, std::int32_t, host::sys::Md5Digest>> stored;
    bool operator==(const LoadOutcome&) const = default;
};

// Loads from the installed program folder.
LoadOutcome loadImages(unsigned decodeThreads) {
    Loader loader(decodeThreads);
    LoadOutcome outcome;
    outcome.error = errorOf([&] { loader.load.LoadImage(); });
    outcome.steps = loader.log.steps;
    for (const auto& record : AssetTable::ImageRecords()) {
        for (const std::string& name : {std::string(record.name), std::string(record.name) + "mask"}) {
            if (!stored(name)) continue;
            const auto& bitmap = Images().GetImageHDC(name).bitmap();
            const auto* pixels = reinterpret_cast<const std::uint8_t*>(bitmap.row(0));
            outcome.stored[name] = {
                Images().GetImageWidth(name), Images().GetImageHeight(name),
                host::sys::md5({pixels, static_cast<std::size_t>(bitmap.width()) * bitmap.height() *
                                            sizeof(host::gdi::COLORREF)})};
        }
    }
    return outcome;
}

bool allPlaceholder(const std::string& name) {
    const auto& picture = Images().GetImageHDC(name).bitmap();
    const auto& mask = Images().GetImageHDC(name + "mask").bitmap();
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            wrong += picture.pixel(x, y) != kMagenta && picture.pixel(x, y) != kBlack;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            wrong += mask.pixel(x, y) != kBlack;
    return wrong == 0;
}

// An archive with the two crafted records (a 9-byte JPEG whose Huffman table
// claims more codes than exist, a 32 KB PNG claiming 16384 x 16384 pixels),
// a zeroed record and its end cut inside a later record.
class CraftedArchive : public testing::Test {
  protected:
    static constexpr std::size_t kPng = 0;    // masked, 200 x 600
    static constexpr std::size_t kZeroed = 1; // masked, 200 x 600
    static constexpr std::size_t kJpeg = 146; // the first background, stretched
    static constexpr std::size_t kCut = 150;

    void SetUp() override {
        ASSERT_EQ(archive.size(), static_cast<std::size_t>(AssetTable::kImageArchiveSize));
        putRecord(archive, kPng, fixture("oversized_claim.png"));
        putRecord(archive, kJpeg, fixture("crafted_huffman.jpg"));
        putRecord(archive, kZeroed, {});
        archive.resize(static_cast<std::size_t>(imageRecord(kCut).record.first) + 100);
        writeFile(folder.data("quorvelimage.kpz"), archive);
    }

    // Read before the program folder moves.
    std::vector<std::uint8_t> archive = readFile(realData("quorvelimage.kpz"));
    TemporaryProgramFolder folder;
};

TEST_F(CraftedArchive, CraftedRecordsBecomePlaceholdersOfTheirExpectedSize) {
    Loader loader(1);
    EXPECT_EQ(errorOf([&] { loader.load.LoadImage(); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(loader.log.steps.size(), kCut + 1);
    for (const std::size_t index : {kPng, kZeroed}) {
        const std::string name(imageRecord(index).record.name);
        SCOPED_TRACE(name);
        EXPECT_EQ(Images().GetImageWidth(name), 200);
        EXPECT_EQ(Images().GetImageHeight(name), 600);
        EXPECT_TRUE(allPlaceholder(name));
    }
    const std::string background(imageRecord(kJpeg).record.name);
    const auto& picture = Images().GetImageHDC(background).bitmap();
    EXPECT_EQ(picture.width(), 800);
    EXPECT_EQ(picture.height(), 600);
    EXPECT_EQ(picture.pixel(400, 1), kMagenta);
    EXPECT_TRUE(stored(std::string(imageRecord(kJpeg + 1).record.name)));
    EXPECT_FALSE(stored(std::string(imageRecord(kCut).record.name)));
}

// Picture by picture, mask by mask, step by step and error for error.
TEST_F(CraftedArchive, ParallelLoadEqualsTheSerialOne) {
    const LoadOutcome serial = loadImages(1);
    ASSERT_EQ(serial.error, ErrorNumber::SubscriptOutOfRange);
    // The pictures before the cut and the masks of those before the backgrounds.
    ASSERT_EQ(serial.stored.size(), kCut + kJpeg);
    for (const unsigned threads : {2u, 4u, 8u}) {
        SCOPED_TRACE(threads);
        EXPECT_TRUE(loadImages(threads) == serial);
    }
}

} // namespace
