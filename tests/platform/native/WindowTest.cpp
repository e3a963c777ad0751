#include "Native/AppKit.h"
#include "Native/Foundation.h"
#include "Native/Harness.h"
#include "Native/Selectors.h"
#include "platform/native/NativeClasses.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace Native;

namespace VeltisTest {
namespace {

class WindowTest : public NativeTest {};

// What the run-time classes below saw, in order.
std::vector<std::string> g_events;

NSRect Rect(double x, double y, double w, double h)
{
    return NSRect{{x, y}, {w, h}};
}

void ExpectRect(const NSRect& actual, const NSRect& expected, const std::string& what = "")
{
    EXPECT_EQ(actual.origin.x, expected.origin.x) << what;
    EXPECT_EQ(actual.origin.y, expected.origin.y) << what;
    EXPECT_EQ(actual.size.width, expected.size.width) << what;
    EXPECT_EQ(actual.size.height, expected.size.height) << what;
}

std::string TagOf(id object)
{
    void* tag = nullptr;
    object_getInstanceVariable(object, "tag", &tag);
    return tag ? static_cast<const char*>(tag) : "?";
}

// A view that records viewDidMoveToWindow with whether it sees its window, and its dealloc.
Class MovingViewClass()
{
    static Class cls = [] {
        Class c = objc_allocateClassPair(NSView::classObject(), UniqueClassName("MovingView").c_str(), 0);
        class_addIvar(c, "tag", sizeof(void*), 3, "*");
        class_addMethod(c, Sel::viewDidMoveToWindow, +[](id self, SEL) {
            g_events.push_back(TagOf(self) + (static_cast<NSView*>(self)->window() ? ":in window" : ":out of window"));
        });
        objc_registerClassPair(c);
        return c;
    }();
    return cls;
}

NSView* MakeMovingView(const char* tag)
{
    auto* view = static_cast<NSView*>(class_createInstance(MovingViewClass(), 0));
    view->initWithFrame(Rect(0, 0, 10, 10));
    object_setInstanceVariable(view, "tag", const_cast<char*>(tag));
    return view;
}

// A window class whose dealloc records and reaches the built-in one.
Class RecordingWindowClass()
{
    static Class cls = [] {
        Class c = objc_allocateClassPair(NSWindow::classObject(), UniqueClassName("RecordingWindow").c_str(), 0);
        class_addMethod(c, Sel::dealloc, +[](id self, SEL) {
            g_events.push_back("window:dealloc");
            SendSuper(objc_super{self, NSWindow::classObject()}, Sel::dealloc);
        });
        objc_registerClassPair(c);
        return c;
    }();
    return cls;
}

// Records "tag:NotificationName" for each notification, the tag being the observer's.
Class ObserverClass()
{
    static Class cls = [] {
        Class c = objc_allocateClassPair(NSObject::classObject(), UniqueClassName("WindowObserver").c_str(), 0);
        class_addMethod(c, sel_registerName("observe:"), +[](id, SEL, id notification) {
            g_events.push_back(static_cast<NSNotification*>(notification)->name()->UTF8String());
        });
        objc_registerClassPair(c);
        return c;
    }();
    return cls;
}

id Observe(CFStringRef name, id object)
{
    id observer = class_createInstance(ObserverClass(), 0);
    NSNotificationCenter::defaultCenter()->addObserver(observer, sel_registerName("observe:"),
                                                       const_cast<NSString*>(name), object);
    return observer;
}

NSWindow* MakeWindow(NSRect content, NSUInteger style, Class cls = nullptr)
{
    auto* window = static_cast<NSWindow*>(class_createInstance(cls ? cls : NSWindow::classObject(), 0));
    return window->initWithContentRect(content, style, 2, YES);
}

TEST_F(WindowTest, FrameAndContentRectanglesAgreeBothWays)
{
    const struct {
        NSUInteger style;
        double titleBar;
    } cases[] = {{0, 0}, {1, 22}, {3, 22}, {15, 22}, {17, 16}, {19, 16}, {16, 0}};
    for (const auto& c : cases) {
        const std::string what = "style " + std::to_string(c.style);
        NSRect content = Rect(40, 50, 300, 200);
        NSRect frame = NSWindow::frameRectForContentRect(content, c.style);
        ExpectRect(frame, Rect(40, 50, 300, 200 + c.titleBar), what);
        ExpectRect(NSWindow::contentRectForFrameRect(frame, c.style), content, what);
        NSWindow* window = MakeWindow(content, c.style);
        ExpectRect(window->frame(), frame, what);
        ExpectRect(window->contentRectForFrameRect(window->frame()), content, what);
        ExpectRect(window->frameRectForContentRect(content), frame, what);
        ExpectRect(window->contentView()->frame(), Rect(0, 0, 300, 200), what);
        window->close();
    }
}

TEST_F(WindowTest, ContentViewFollowsEverySizeChangeWithOneResizeNotification)
{
    g_events.clear();
    NSWindow* window = MakeWindow(Rect(100, 100, 300, 200), 3);
    id observer = Observe(NSWindowDidResizeNotification, window);
    NSView* content = window->contentView();
    EXPECT_EQ(content->window(), window);
    EXPECT_EQ(content->nextResponder(), window);

    window->setContentSize(NSSize{400, 250});
    ExpectRect(window->frame(), Rect(100, 100, 400, 272));
    ExpectRect(content->frame(), Rect(0, 0, 400, 250));
    EXPECT_EQ(g_events.size(), 1u);

    window->setFrame(Rect(10, 20, 200, 122), YES);
    ExpectRect(content->frame(), Rect(0, 0, 200, 100));
    EXPECT_EQ(g_events.size(), 2u);

    // Moves and unchanged sizes are not resizes.
    window->setFrameOrigin(NSPoint{0, 0});
    window->setContentSize(NSSize{200, 100});
    window->setFrame(Rect(5, 5, 200, 122), NO);
    EXPECT_EQ(g_events.size(), 2u);
    ExpectRect(window->frame(), Rect(5, 5, 200, 122));
    EXPECT_EQ(g_events, (std::vector<std::string>{"NSWindowDidResizeNotification", "NSWindowDidResizeNotification"}));
    window->close();
    observer->release();
}

TEST_F(WindowTest, NonFiniteRectanglesAreRefused)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    NSWindow* window = MakeWindow(Rect(1, 2, 30, 40), 0);
    {
        RecordedReports reports;
        window->setFrame(Rect(nan, 0, 10, 10), YES);
        window->setContentSize(NSSize{std::numeric_limits<double>::infinity(), 5});
        EXPECT_EQ(reports.Take().size(), 2u);
    }
    ExpectRect(window->frame(), Rect(1, 2, 30, 40));
    window->close();
    RecordedReports reports;
    NSWindow* empty = MakeWindow(Rect(0, nan, 30, 40), 1);
    EXPECT_TRUE(reports.Contains("not finite"));
    ExpectRect(empty->frame(), Rect(0, 0, 0, 22));
    empty->close();
}

TEST_F(WindowTest, SetContentViewTakesAViewFromAnywhereAndTellsBothSubtrees)
{
    g_events.clear();
    NSWindow* window = MakeWindow(Rect(0, 0, 300, 200), 3);
    NSView* holder = NSView::alloc()->initWithFrame(Rect(0, 0, 50, 50));
    NSView* view = MakeMovingView("view");
    NSView* child = MakeMovingView("child");
    view->addSubview(child);
    holder->addSubview(view);
    NSView* old = window->contentView();
    old->retain();
    NSView* oldChild = MakeMovingView("oldChild");
    old->addSubview(oldChild);
    EXPECT_EQ(g_events, std::vector<std::string>{"oldChild:in window"});
    g_events.clear();

    NSAutoreleasePool* pool = NSAutoreleasePool::alloc()->init();
    window->setContentView(view);
    pool->drain();
    EXPECT_EQ(g_events, (std::vector<std::string>{"oldChild:out of window", "view:in window", "child:in window"}));
    EXPECT_EQ(view->superview(), nullptr);
    ExpectRect(view->frame(), Rect(0, 0, 300, 200));
    EXPECT_EQ(view->retainCount(), 2u);
    EXPECT_EQ(old->retainCount(), 1u);
    EXPECT_EQ(old->window(), nullptr);
    EXPECT_EQ(old->nextResponder(), nullptr);
    EXPECT_EQ(child->window(), window);
    g_events.clear();

    // A subview added to or taken from the window's tree is told too.
    NSView* late = MakeMovingView("late");
    pool = NSAutoreleasePool::alloc()->init();
    child->addSubview(late);
    late->removeFromSuperview();
    pool->drain();
    EXPECT_EQ(g_events, (std::vector<std::string>{"late:in window", "late:out of window"}));
    g_events.clear();

    window->close();
    EXPECT_EQ(g_events, (std::vector<std::string>{"view:out of window", "child:out of window"}));
    for (NSView* v : {view, child, old, oldChild, holder, late})
        v->release();
}

TEST_F(WindowTest, CloseAnnouncesThenReleasesWhenReleasedWhenClosed)
{
    g_events.clear();
    NSWindow* window = MakeWindow(Rect(0, 0, 10, 10), 3, RecordingWindowClass());
    id observer = Observe(NSWindowWillCloseNotification, window);
    window->orderFront(nullptr);
    EXPECT_TRUE(window->isReleasedWhenClosed());
    window->close();
    EXPECT_EQ(g_events, (std::vector<std::string>{"NSWindowWillCloseNotification", "window:dealloc"}));
    EXPECT_EQ(Harness::LiveObjects("NSWindow"), 0u);
    EXPECT_EQ(Harness::LiveObjects("NSView"), 0u);
    g_events.clear();

    NSWindow* kept = MakeWindow(Rect(0, 0, 10, 10), 3, RecordingWindowClass());
    NSNotificationCenter::defaultCenter()->addObserver(observer, sel_registerName("observe:"),
                                                       const_cast<NSString*>(NSWindowWillCloseNotification), kept);
    kept->setReleasedWhenClosed(NO);
    kept->orderFront(nullptr);
    kept->close();
    EXPECT_FALSE(kept->isVisible());
    EXPECT_EQ(kept->retainCount(), 1u);
    EXPECT_EQ(g_events, std::vector<std::string>{"NSWindowWillCloseNotification"});
    kept->release();
    EXPECT_EQ(g_events, (std::vector<std::string>{"NSWindowWillCloseNotification", "window:dealloc"}));
    observer->release();
}

TEST_F(WindowTest, ResetClosesOpenWindowsAndCheckCleanNamesLiveOnes)
{
    g_events.clear();
    NSWindow* kept = MakeWindow(Rect(0, 0, 10, 10), 3);
    kept->setReleasedWhenClosed(NO);
    {
        RecordedReports reports;
        EXPECT_FALSE(Harness::CheckClean());
        EXPECT_TRUE(reports.Contains("windows: 1 still alive"));
    }
    Harness::Reset();
    MakeWindow(Rect(0, 0, 10, 10), 3, RecordingWindowClass());
    Harness::Reset();
    EXPECT_EQ(g_events, std::vector<std::string>{"window:dealloc"});
    EXPECT_FALSE(kept->isVisible());
    kept->release();
}

TEST_F(WindowTest, TitleAlphaLevelAndVisibility)
{
    NSWindow* window = MakeWindow(Rect(0, 0, 10, 10), 3);
    EXPECT_STREQ(window->title()->UTF8String(), "");
    window->setTitle(NSString::stringWithUTF8String("Settings"));
    EXPECT_STREQ(window->title()->UTF8String(), "Settings");
    window->setTitle(nullptr);
    EXPECT_STREQ(window->title()->UTF8String(), "");

    window->setAlphaValue(0.5);
    EXPECT_EQ(window->alphaValue(), 0.5);
    window->setAlphaValue(2);
    EXPECT_EQ(window->alphaValue(), 1.0);
    window->setAlphaValue(-1);
    EXPECT_EQ(window->alphaValue(), 0.0);
    {
        RecordedReports reports;
        window->setAlphaValue(std::numeric_limits<double>::quiet_NaN());
        EXPECT_TRUE(reports.Contains("not a number"));
    }
    EXPECT_EQ(window->alphaValue(), 0.0);

    EXPECT_EQ(CGWindowLevelForKey(13), 1000);
    for (int key : {0, 3, 12, 14, -1})
        EXPECT_EQ(CGWindowLevelForKey(key), 0) << key;
    EXPECT_EQ(window->level(), 0);
    window->setLevel(CGWindowLevelForKey(13));
    EXPECT_EQ(window->level(), 1000);

    EXPECT_FALSE(window->isVisible());
    window->orderFront(nullptr);
    EXPECT_TRUE(window->isVisible());
    window->orderOut(nullptr);
    EXPECT_FALSE(window->isVisible());
    window->close();
}

TEST_F(WindowTest, ChildWindowsKeepTheirFramesAndAnswerTheirParent)
{
    NSWindow* parent = MakeWindow(Rect(100, 100, 300, 200), 3);
    NSWindow* child = MakeWindow(Rect(150, 150, 50, 50), 17);
    NSWindow* other = MakeWindow(Rect(0, 0, 50, 50), 1);
    parent->setLevel(3);
    parent->addChildWindow(child, NSWindowAbove);
    // As a window created over a parent does: its level is raised to the parent's.
    if (child->level() < parent->level())
        child->setLevel(parent->level());
    EXPECT_EQ(child->parentWindow(), parent);
    EXPECT_EQ(child->level(), 3);
    ExpectRect(child->frame(), Rect(150, 150, 50, 66));
    NSAutoreleasePool* pool = NSAutoreleasePool::alloc()->init();
    EXPECT_EQ(parent->childWindows()->count(), 1u);
    pool->drain();

    // Another parent takes it over; nil lets it go.
    child->setParentWindow(other);
    EXPECT_EQ(child->parentWindow(), other);
    pool = NSAutoreleasePool::alloc()->init();
    EXPECT_EQ(parent->childWindows()->count(), 0u);
    pool->drain();
    child->setParentWindow(nullptr);
    EXPECT_EQ(child->parentWindow(), nullptr);

    {
        RecordedReports reports;
        child->addChildWindow(parent, NSWindowAbove);
        parent->addChildWindow(child, NSWindowAbove);
        parent->addChildWindow(parent, NSWindowAbove);
        EXPECT_EQ(reports.Take().size(), 2u);
        EXPECT_EQ(parent->parentWindow(), child);
    }
    // A window going away leaves its parent, and its children lose theirs.
    other->addChildWindow(child, NSWindowAbove);
    EXPECT_EQ(parent->parentWindow(), child);
    child->close();
    EXPECT_EQ(parent->parentWindow(), nullptr);
    pool = NSAutoreleasePool::alloc()->init();
    EXPECT_EQ(other->childWindows()->count(), 0u);
    pool->drain();
    parent->close();
    other->close();
}

TEST_F(WindowTest, CenterAndScreenConversionsUseTheFirstScreen)
{
    NSAutoreleasePool* pool = NSAutoreleasePool::alloc()->init();
    NSArray* screens = NSScreen::screens();
    ASSERT_EQ(screens->count(), 1u);
    ExpectRect(static_cast<NSScreen*>(screens->objectAtIndex(0))->frame(), Rect(0, 0, 1920, 1080));

    Harness::SetScreens({Rect(0, 0, 1000, 800), Rect(1000, 0, 1600, 900)});
    screens = NSScreen::screens();
    ASSERT_EQ(screens->count(), 2u);
    ExpectRect(static_cast<NSScreen*>(screens->objectAtIndex(1))->frame(), Rect(1000, 0, 1600, 900));
    {
        RecordedReports reports;
        Harness::SetScreens({});
        Harness::SetScreens({Rect(0, 0, std::numeric_limits<double>::infinity(), 1)});
        EXPECT_EQ(reports.Take().size(), 2u);
        EXPECT_EQ(NSScreen::screens()->count(), 2u);
    }
    pool->drain();

    NSWindow* window = MakeWindow(Rect(1200, 300, 301, 200), 3);
    window->center();
    ExpectRect(window->frame(), Rect(349.5, 289, 301, 222));
    NSPoint screen = window->convertBaseToScreen(NSPoint{10, 20});
    EXPECT_EQ(screen.x, 359.5);
    EXPECT_EQ(screen.y, 309);
    NSPoint base = window->convertScreenToBase(screen);
    EXPECT_EQ(base.x, 10);
    EXPECT_EQ(base.y, 20);
    window->close();
    Harness::Reset();
    pool = NSAutoreleasePool::alloc()->init();
    EXPECT_EQ(NSScreen::screens()->count(), 1u);
    pool->drain();
}

TEST_F(WindowTest, StandardButtonsExistForEveryStyleAndHideAsTold)
{
    const struct {
        NSUInteger style;
        bool closeHidden;
    } cases[] = {{0, true}, {1, true}, {3, false}, {17, true}, {19, false}};
    for (const auto& c : cases) {
        NSWindow* window = MakeWindow(Rect(0, 0, 10, 10), c.style);
        for (NSInteger kind : {NSWindowCloseButton, NSWindowMiniaturizeButton, NSWindowZoomButton})
            ASSERT_NE(window->standardWindowButton(kind), nullptr) << c.style << " " << kind;
        EXPECT_EQ(window->standardWindowButton(NSWindowCloseButton)->isHidden(), c.closeHidden ? YES : NO) << c.style;
        EXPECT_FALSE(window->standardWindowButton(NSWindowZoomButton)->isHidden()) << c.style;
        EXPECT_EQ(window->standardWindowButton(3), nullptr);
        EXPECT_EQ(window->standardWindowButton(-1), nullptr);
        window->close();
    }
    // A utility panel hides zoom and miniaturise: none of the three shows.
    auto* panel = static_cast<NSPanel*>(class_createInstance(NSPanel::classObject(), 0));
    panel->initWithContentRect(Rect(0, 0, 10, 10), 17, 2, YES);
    panel->standardWindowButton(NSWindowZoomButton)->setHidden(YES);
    panel->standardWindowButton(NSWindowMiniaturizeButton)->setHidden(YES);
    for (NSInteger kind : {NSWindowCloseButton, NSWindowMiniaturizeButton, NSWindowZoomButton})
        EXPECT_TRUE(panel->standardWindowButton(kind)->isHidden()) << kind;
    EXPECT_TRUE(panel->isKindOfClass(NSWindow::classObject()));
    panel->close();
}

TEST_F(WindowTest, KeyViewLoopCallsAreRecorded)
{
    NSWindow* window = MakeWindow(Rect(0, 0, 10, 10), 3);
    EXPECT_FALSE(window->autorecalculatesKeyViewLoop());
    window->setAutorecalculatesKeyViewLoop(YES);
    EXPECT_TRUE(window->autorecalculatesKeyViewLoop());
    window->recalculateKeyViewLoop();
    window->recalculateKeyViewLoop();
    EXPECT_EQ(window->keyViewLoopRecalculations(), 2);
    window->close();
}

} // namespace
} // namespace VeltisTest
