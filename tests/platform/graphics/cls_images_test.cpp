#include "platform/graphics/cls_images.h"
#include "platform/graphics/images.h"

#include "host/gdi/blit.h"
#include "host/runtime/runtime_error.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using host::gdi::DeviceContext;
using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

// A context that notes its own deletion.
class TracedContext final : public DeviceContext {
  public:
    TracedContext(std::string name, std::vector<std::string>& deleted, int w = 4, int h = 3)
        : DeviceContext(w, h), name_(std::move(name)), deleted_(deleted) {}
    ~TracedContext() override { deleted_.push_back(name_); }

  private:
    std::string name_;
    std::vector<std::string>& deleted_;
};

class PictureBox : public host::gdi::Drawable {
  public:
    DeviceContext dc{810, 610};
    int refreshes = 0;
    DeviceContext& hDC() override { return dc; }
    void Refresh() override { ++refreshes; }
};

} // namespace

TEST(clsImages, HandsOutTheStoredContextAndSize) {
    clsImages images;
    std::unique_ptr<DeviceContext> dc = std::make_unique<DeviceContext>(30, 20);
    const DeviceContext* raw = dc.get();
    ASSERT_TRUE(images.AddImage("剣士左", dc, 30, 20));
    EXPECT_EQ(dc, nullptr);
    EXPECT_EQ(&images.GetImageHDC("剣士左"), raw);
    EXPECT_EQ(images.GetImageWidth("剣士左"), 30);
    EXPECT_EQ(images.GetImageHeight("剣士左"), 20);
}

TEST(clsImages, RefusesASecondPictureOfTheSameNameAndLeavesItWithTheCaller) {
    std::vector<std::string> deleted;
    {
        clsImages images;
        std::unique_ptr<DeviceContext> first = std::make_unique<TracedContext>("first", deleted);
        const DeviceContext* kept = first.get();
        ASSERT_TRUE(images.AddImage("町", first, 800, 600));

        std::unique_ptr<DeviceContext> second = std::make_unique<TracedContext>("second", deleted);
        const DeviceContext* refused = second.get();
        EXPECT_FALSE(images.AddImage("町", second, 10, 10));
        EXPECT_EQ(second.get(), refused);
        EXPECT_TRUE(deleted.empty());
        EXPECT_EQ(&images.GetImageHDC("町"), kept);
        EXPECT_EQ(images.GetImageWidth("町"), 800);
        EXPECT_EQ(images.GetImageHeight("町"), 600);

        std::unique_ptr<DeviceContext> none;
        EXPECT_FALSE(images.AddImage("空", none, 1, 1));

        second.reset();
        EXPECT_EQ(deleted, (std::vector<std::string>{"second"}));
    }
    EXPECT_EQ(deleted, (std::vector<std::string>{"second", "first"}));
}

TEST(clsImages, DeletesEveryAcceptedContextOnceInTheOrderAdded) {
    std::vector<std::string> deleted;
    {
        clsImages images;
        for (const char* name : {"クラッシュ右", "クラッシュ右mask", "海", "スライム", "スライムmask"}) {
            std::unique_ptr<DeviceContext> dc = std::make_unique<TracedContext>(name, deleted);
            ASSERT_TRUE(images.AddImage(name, dc, 4, 3));
        }
        EXPECT_TRUE(deleted.empty());
    }
    EXPECT_EQ(deleted, (std::vector<std::string>{"クラッシュ右", "クラッシュ右mask", "海", "スライム",
                                                 "スライムmask"}));
}

TEST(clsImages, UnknownNamesRaiseTheInvalidCallError) {
    clsImages images;
    std::unique_ptr<DeviceContext> dc = std::make_unique<DeviceContext>(800, 600);
    images.AddImage("海", dc, 800, 600);
    PictureBox box;
    // A background has no mask entry.
    EXPECT_EQ(errorOf([&] { images.GetImageHDC("海mask"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { images.GetImageWidth("海mask"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { images.GetImageHeight("山"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { images.SetImage(box, "山"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(box.refreshes, 0);
}

TEST(clsImages, SetImageCopiesTheTopLeft800By600AndRefreshes) {
    clsImages images;
    auto picture = std::make_unique<DeviceContext>(820, 620);
    picture->bitmap().fill({0, 0, 820, 620}, host::gdi::RGB(0, 0, 128));
    std::unique_ptr<DeviceContext> dc = std::move(picture);
    images.AddImage("遺跡", dc, 820, 620);
    PictureBox box;
    images.SetImage(box, "遺跡");
    const host::gdi::Bitmap& shown = box.dc.bitmap();
    EXPECT_EQ(shown.pixel(0, 0), host::gdi::RGB(0, 0, 128));
    EXPECT_EQ(shown.pixel(799, 599), host::gdi::RGB(0, 0, 128));
    EXPECT_EQ(shown.pixel(800, 0), host::gdi::kWhite);
    EXPECT_EQ(shown.pixel(0, 600), host::gdi::kWhite);
    EXPECT_EQ(box.refreshes, 1);
}

TEST(Images, IsReachableOnlyWhileInstalled) {
    EXPECT_EQ(errorOf([] { Images(); }), ErrorNumber::ObjectNotSet);
    {
        host::runtime::ScopedInstall installed(gImages, std::make_unique<clsImages>());
        EXPECT_EQ(&Images(), installed.get());
    }
    EXPECT_EQ(errorOf([] { Images(); }), ErrorNumber::ObjectNotSet);
}
