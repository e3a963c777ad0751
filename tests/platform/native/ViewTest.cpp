#include "Native/AppKit.h"
#include "Native/Foundation.h"
#include "Native/Harness.h"
#include "Native/Selectors.h"
#include "platform/native/NativeClasses.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace Native;

namespace VeltisTest {
namespace {

class ViewTest : public NativeTest {};

// What the run-time view classes below saw, as "tag:event" in order.
std::vector<std::string> g_events;

// Each recording view carries its tag in the ivar "tag".
std::string TagOf(id view)
{
    void* tag = nullptr;
    object_getInstanceVariable(view, "tag", &tag);
    return tag ? static_cast<const char*>(tag) : "?";
}

Class g_recordingClass = nullptr;

void RecordDidHide(id self, SEL)
{
    g_events.push_back(TagOf(self) + ":hide");
}

void RecordDidUnhide(id self, SEL)
{
    g_events.push_back(TagOf(self) + ":unhide");
}

// The superview is already gone, and the built-in dealloc is reached through super.
void RecordDealloc(id self, SEL)
{
    auto* view = static_cast<NSView*>(self);
    g_events.push_back(TagOf(self) + ":dealloc" + (view->superview() ? " with superview" : ""));
    SendSuper(objc_super{self, NSView::classObject()}, Sel::dealloc);
}

BOOL AnswerFlipped(id, SEL)
{
    return YES;
}

BOOL AnswerOpaque(id, SEL)
{
    return YES;
}

// Answers its superview for a point in its frame, as a view that passes clicks through to its container would.
id HitSuperview(id self, SEL, NSPoint point)
{
    auto* view = static_cast<NSView*>(self);
    NSRect frame = view->frame();
    if (point.x < frame.origin.x || point.y < frame.origin.y || point.x >= frame.origin.x + frame.size.width ||
        point.y >= frame.origin.y + frame.size.height)
        return nullptr;
    g_events.push_back(TagOf(self) + ":hitTest");
    return view->superview();
}

// A run-time view class recording hide, unhide and dealloc.
Class RecordingViewClass()
{
    if (!g_recordingClass) {
        Class cls = objc_allocateClassPair(NSView::classObject(), UniqueClassName("RecordingView").c_str(), 0);
        class_addIvar(cls, "tag", sizeof(void*), 3, "*");
        class_addMethod(cls, Sel::viewDidHide, &RecordDidHide);
        class_addMethod(cls, Sel::viewDidUnhide, &RecordDidUnhide);
        class_addMethod(cls, Sel::dealloc, &RecordDealloc);
        objc_registerClassPair(cls);
        g_recordingClass = cls;
    }
    return g_recordingClass;
}

// A subclass of the recording class with one more override.
Class RecordingSubclass(const char* base, SEL sel, IMP imp, const char* types)
{
    Class cls = objc_allocateClassPair(RecordingViewClass(), UniqueClassName(base).c_str(), 0);
    class_addMethod(cls, sel, imp, types);
    objc_registerClassPair(cls);
    return cls;
}

NSView* MakeView(NSRect frame, const char* tag = nullptr, Class cls = nullptr)
{
    auto* view = static_cast<NSView*>(class_createInstance(cls ? cls : (tag ? RecordingViewClass() : NSView::classObject()), 0));
    view->initWithFrame(frame);
    if (tag)
        object_setInstanceVariable(view, "tag", const_cast<char*>(tag));
    return view;
}

NSRect Rect(double x, double y, double w, double h)
{
    return NSRect{{x, y}, {w, h}};
}

void ExpectRect(const NSRect& actual, const NSRect& expected)
{
    EXPECT_EQ(actual.origin.x, expected.origin.x);
    EXPECT_EQ(actual.origin.y, expected.origin.y);
    EXPECT_EQ(actual.size.width, expected.size.width);
    EXPECT_EQ(actual.size.height, expected.size.height);
}

// The subviews, with the autoreleased array gone again, so that retain counts stay readable.
std::vector<NSView*> Subviews(NSView* view)
{
    std::vector<NSView*> list;
    NSAutoreleasePool* pool = NSAutoreleasePool::alloc()->init();
    NSArray* array = view->subviews();
    for (NSUInteger i = 0; i < array->count(); ++i)
        list.push_back(static_cast<NSView*>(array->objectAtIndex(i)));
    pool->drain();
    return list;
}

TEST_F(ViewTest, FrameSettersKeepTheOtherHalfAndBoundsStartAtZero)
{
    NSView* view = MakeView(Rect(10, 20, 300, 200));
    ExpectRect(view->bounds(), Rect(0, 0, 300, 200));
    view->setFrameOrigin(NSPoint{-5, 7});
    ExpectRect(view->frame(), Rect(-5, 7, 300, 200));
    view->setFrameSize(NSSize{40, 30});
    ExpectRect(view->frame(), Rect(-5, 7, 40, 30));
    ExpectRect(view->bounds(), Rect(0, 0, 40, 30));
    view->release();
}

TEST_F(ViewTest, NonFiniteFramesAreRefusedAndChangeNothing)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const NSRect bad[] = {Rect(nan, 0, 1, 1), Rect(0, -inf, 1, 1), Rect(0, 0, inf, 1), Rect(0, 0, 1, nan)};
    NSView* view = MakeView(Rect(1, 2, 3, 4));
    for (const NSRect& rect : bad) {
        RecordedReports reports;
        view->setFrame(rect);
        EXPECT_TRUE(reports.Contains("not finite"));
        ExpectRect(view->frame(), Rect(1, 2, 3, 4));
    }
    RecordedReports reports;
    view->setFrameSize(NSSize{nan, 1});
    EXPECT_TRUE(reports.Contains("not finite"));
    ExpectRect(view->frame(), Rect(1, 2, 3, 4));
    view->release();
}

TEST_F(ViewTest, AlphaIsClampedAndNotANumberIsRefused)
{
    NSView* view = MakeView(Rect(0, 0, 1, 1));
    const struct {
        double set;
        double read;
    } cases[] = {{0.5, 0.5}, {-0.25, 0.0}, {1.5, 1.0}, {std::numeric_limits<double>::infinity(), 1.0}};
    for (const auto& c : cases) {
        view->setAlphaValue(c.set);
        EXPECT_EQ(view->alphaValue(), c.read) << c.set;
    }
    view->setAlphaValue(0.25);
    RecordedReports reports;
    view->setAlphaValue(std::nan(""));
    EXPECT_TRUE(reports.Contains("not a number"));
    EXPECT_EQ(view->alphaValue(), 0.25);
    view->release();
}

TEST_F(ViewTest, AddSubviewRetainsAndRemoveFromSuperviewAutoreleases)
{
    NSView* parent = MakeView(Rect(0, 0, 100, 100));
    NSView* child = MakeView(Rect(0, 0, 10, 10));
    parent->addSubview(child);
    EXPECT_EQ(child->retainCount(), 2u);
    EXPECT_EQ(child->superview(), parent);
    EXPECT_EQ(child->nextResponder(), parent);

    // Moving to another superview hands the reference over.
    NSView* other = MakeView(Rect(0, 0, 100, 100));
    other->addSubview(child);
    EXPECT_EQ(child->retainCount(), 2u);
    EXPECT_TRUE(Subviews(parent).empty());
    EXPECT_EQ(Subviews(other), std::vector<NSView*>{child});

    NSAutoreleasePool* pool = NSAutoreleasePool::alloc()->init();
    child->removeFromSuperview();
    EXPECT_EQ(child->superview(), nullptr);
    EXPECT_EQ(child->nextResponder(), nullptr);
    EXPECT_TRUE(Subviews(other).empty());
    // Still held by the pool until it drains.
    EXPECT_EQ(child->retainCount(), 2u);
    pool->drain();
    EXPECT_EQ(child->retainCount(), 1u);
    child->removeFromSuperview();
    EXPECT_EQ(child->retainCount(), 1u);
    child->release();
    parent->release();
    other->release();
}

TEST_F(ViewTest, PositionedInsertionOrdersBackToFront)
{
    NSView* parent = MakeView(Rect(0, 0, 100, 100));
    NSView* a = MakeView(Rect(0, 0, 1, 1));
    NSView* b = MakeView(Rect(0, 0, 1, 1));
    NSView* c = MakeView(Rect(0, 0, 1, 1));
    NSView* d = MakeView(Rect(0, 0, 1, 1));
    parent->addSubview(a);
    parent->addSubview(b, NSWindowBelow, nullptr);
    EXPECT_EQ(Subviews(parent), (std::vector<NSView*>{b, a}));
    parent->addSubview(c, NSWindowAbove, b);
    EXPECT_EQ(Subviews(parent), (std::vector<NSView*>{b, c, a}));
    parent->addSubview(d, NSWindowBelow, b);
    EXPECT_EQ(Subviews(parent), (std::vector<NSView*>{d, b, c, a}));
    // Re-adding a subview moves it: to the top, then above a sibling that was after it.
    parent->addSubview(d);
    EXPECT_EQ(Subviews(parent), (std::vector<NSView*>{b, c, a, d}));
    parent->addSubview(b, NSWindowAbove, a);
    EXPECT_EQ(Subviews(parent), (std::vector<NSView*>{c, a, b, d}));
    for (NSView* v : {a, b, c, d})
        EXPECT_EQ(v->retainCount(), 2u);
    for (NSView* v : {a, b, c, d})
        v->release();
    parent->release();
}

TEST_F(ViewTest, MisusesOfTheTreeAreReportedAndChangeNothing)
{
    NSView* parent = MakeView(Rect(0, 0, 100, 100));
    NSView* child = MakeView(Rect(0, 0, 10, 10));
    NSView* stranger = MakeView(Rect(0, 0, 10, 10));
    parent->addSubview(child);
    const struct {
        const char* what;
        NSView* receiver;
        NSView* view;
        NSInteger place;
        NSView* sibling;
        const char* report;
    } cases[] = {
        {"nil view", parent, nullptr, NSWindowAbove, nullptr, "nil"},
        {"itself", parent, parent, NSWindowAbove, nullptr, "own ancestor"},
        {"its ancestor", child, parent, NSWindowAbove, nullptr, "own ancestor"},
        {"a sibling elsewhere", parent, stranger, NSWindowAbove, stranger, "sibling"},
        {"a sibling that is the view", parent, child, NSWindowBelow, child, "sibling"},
        {"a place of 0", parent, stranger, 0, nullptr, "neither above nor below"},
    };
    for (const auto& c : cases) {
        RecordedReports reports;
        c.receiver->addSubview(c.view, c.place, c.sibling);
        EXPECT_TRUE(reports.Contains(c.report)) << c.what;
        EXPECT_EQ(parent->superview(), nullptr) << c.what;
        EXPECT_EQ(Subviews(parent), std::vector<NSView*>{child}) << c.what;
        EXPECT_EQ(stranger->superview(), nullptr) << c.what;
        EXPECT_EQ(child->retainCount(), 2u) << c.what;
    }
    child->release();
    stranger->release();
    parent->release();
}

TEST_F(ViewTest, DeallocReleasesSubviewsDetachedFirstThroughDispatch)
{
    g_events.clear();
    NSView* parent = MakeView(Rect(0, 0, 100, 100), "parent");
    NSView* child = MakeView(Rect(0, 0, 10, 10), "child");
    NSView* grandchild = MakeView(Rect(0, 0, 5, 5), "grandchild");
    parent->addSubview(child);
    child->addSubview(grandchild);
    child->release();
    grandchild->release();
    parent->release();
    // The parent's own dealloc runs first; each subview is detached before it is released.
    EXPECT_EQ(g_events, (std::vector<std::string>{"parent:dealloc", "child:dealloc", "grandchild:dealloc"}));
    EXPECT_EQ(Harness::LiveObjects("NSView"), 0u);
}

TEST_F(ViewTest, ConversionsFollowEachLevelsFlippedState)
{
    Class flipped = RecordingSubclass("FlippedView", Sel::isFlipped, reinterpret_cast<IMP>(&AnswerFlipped), "c@:");
    // root (unflipped, 300x200) > a flipped view at (10, 20) 100x80 > an unflipped one at (5, 10) 40x30
    //   > a flipped one at (2, 3) 10x10.
    NSView* root = MakeView(Rect(0, 0, 300, 200));
    NSView* outer = MakeView(Rect(10, 20, 100, 80), "outer", flipped);
    NSView* inner = MakeView(Rect(5, 10, 40, 30));
    NSView* leaf = MakeView(Rect(2, 3, 10, 10), "leaf", flipped);
    root->addSubview(outer);
    outer->addSubview(inner);
    inner->addSubview(leaf);
    EXPECT_TRUE(outer->isFlipped());
    EXPECT_FALSE(inner->isFlipped());

    const struct {
        const char* what;
        NSView* from;
        NSView* to;
        NSPoint point;
        NSPoint expected;
    } cases[] = {
        // outer's top-left is at (10, 100) in root; its y runs downwards.
        {"flipped to its unflipped superview", outer, root, {0, 0}, {10, 100}},
        {"flipped, down 30", outer, root, {4, 30}, {14, 70}},
        // inner's frame is in outer's downward coordinates: its bottom-left is at outer (5, 40).
        {"unflipped in flipped", inner, outer, {0, 0}, {5, 40}},
        {"unflipped in flipped, up 10", inner, outer, {1, 10}, {6, 30}},
        {"unflipped in flipped, to root", inner, root, {0, 0}, {15, 60}},
        // leaf's top-left is at inner (2, 13).
        {"flipped in unflipped", leaf, inner, {0, 0}, {2, 13}},
        {"flipped to a flipped ancestor", leaf, outer, {0, 0}, {7, 27}},
        {"flipped to the top", leaf, nullptr, {1, 2}, {18, 71}},
        {"the top to flipped", nullptr, leaf, {18, 71}, {1, 2}},
        {"root to itself", root, root, {3, 4}, {3, 4}},
    };
    for (const auto& c : cases) {
        NSPoint to = c.from ? c.from->convertPointToView(c.point, c.to) : c.to->convertPointFromView(c.point, nullptr);
        EXPECT_EQ(to.x, c.expected.x) << c.what;
        EXPECT_EQ(to.y, c.expected.y) << c.what;
        // Both forms agree, and the way back returns the point.
        if (c.from && c.to) {
            NSPoint from = c.to->convertPointFromView(c.point, c.from);
            EXPECT_EQ(from.x, c.expected.x) << c.what;
            EXPECT_EQ(from.y, c.expected.y) << c.what;
            NSPoint back = c.from->convertPointFromView(to, c.to);
            EXPECT_EQ(back.x, c.point.x) << c.what;
            EXPECT_EQ(back.y, c.point.y) << c.what;
        }
    }
    // A view moved under a parent at an offset: the top's space is the root's frame space.
    root->setFrameOrigin(NSPoint{100, 50});
    NSPoint top = outer->convertPointToView(NSPoint{0, 0}, nullptr);
    EXPECT_EQ(top.x, 110);
    EXPECT_EQ(top.y, 150);
    root->release();
    outer->release();
    inner->release();
    leaf->release();
}

TEST_F(ViewTest, HitTestTakesTheFrontmostShownSubviewAndReachesOverrides)
{
    g_events.clear();
    Class passThrough = RecordingSubclass("PassThrough", Sel::hitTest, reinterpret_cast<IMP>(&HitSuperview),
                                          Encoding<id(NSPoint)>());
    Class flipped = RecordingSubclass("FlippedHit", Sel::isFlipped, reinterpret_cast<IMP>(&AnswerFlipped), "c@:");
    NSView* root = MakeView(Rect(100, 100, 300, 200));
    NSView* back = MakeView(Rect(0, 0, 100, 100), "back");
    NSView* front = MakeView(Rect(50, 50, 100, 100), "front");
    NSView* hidden = MakeView(Rect(0, 0, 300, 200), "hidden");
    NSView* box = MakeView(Rect(200, 0, 100, 200), "box", flipped);
    NSView* inBox = MakeView(Rect(0, 0, 100, 20), "inBox");
    NSView* pass = MakeView(Rect(200, 150, 50, 50), "pass", passThrough);
    root->addSubview(back);
    root->addSubview(front);
    root->addSubview(box);
    root->addSubview(pass);
    root->addSubview(hidden);
    box->addSubview(inBox);
    hidden->setHidden(YES);
    g_events.clear();

    const struct {
        NSPoint point;
        NSView* expected;
    } cases[] = {
        // Points of the root's superview: the root's frame starts at (100, 100).
        {{99, 150}, nullptr},
        {{400, 150}, nullptr},
        {{110, 110}, back},
        {{160, 160}, front},
        {{249, 249}, front},
        {{250, 250}, root},
        // The flipped box's first 20 rows are at its top: root y 180..199.
        {{360, 299}, inBox},
        {{360, 281}, inBox},
        {{360, 279}, box},
        // The pass-through view is in front of the box and answers the root.
        {{310, 260}, root},
    };
    for (const auto& c : cases)
        EXPECT_EQ(root->hitTest(c.point), c.expected) << c.point.x << ", " << c.point.y;
    EXPECT_EQ(g_events, std::vector<std::string>{"pass:hitTest"});

    root->setHidden(YES);
    EXPECT_EQ(root->hitTest(NSPoint{110, 110}), nullptr);
    for (NSView* v : {back, front, hidden, box, inBox, pass})
        v->release();
    root->release();
}

TEST_F(ViewTest, HidingTellsEachViewWhoseStateChangedParentFirst)
{
    g_events.clear();
    NSView* top = MakeView(Rect(0, 0, 10, 10), "top");
    NSView* mid = MakeView(Rect(0, 0, 10, 10), "mid");
    NSView* leaf = MakeView(Rect(0, 0, 10, 10), "leaf");
    NSView* hiddenLeaf = MakeView(Rect(0, 0, 10, 10), "hiddenLeaf");
    top->addSubview(mid);
    mid->addSubview(leaf);
    mid->addSubview(hiddenLeaf);
    hiddenLeaf->setHidden(YES);
    EXPECT_EQ(g_events, std::vector<std::string>{"hiddenLeaf:hide"});
    g_events.clear();

    mid->setHidden(YES);
    EXPECT_EQ(g_events, (std::vector<std::string>{"mid:hide", "leaf:hide"}));
    EXPECT_TRUE(leaf->isHiddenOrHasHiddenAncestor());
    EXPECT_FALSE(leaf->isHidden());
    g_events.clear();
    mid->setHidden(YES);
    top->setHidden(YES);
    EXPECT_EQ(g_events, std::vector<std::string>{"top:hide"});
    g_events.clear();
    top->setHidden(NO);
    mid->setHidden(NO);
    EXPECT_EQ(g_events, (std::vector<std::string>{"top:unhide", "mid:unhide", "leaf:unhide"}));
    g_events.clear();

    // Moving into and out of a hidden superview changes the state too.
    NSAutoreleasePool* pool = NSAutoreleasePool::alloc()->init();
    top->setHidden(YES);
    g_events.clear();
    NSView* outside = MakeView(Rect(0, 0, 10, 10), "outside");
    top->addSubview(outside);
    outside->removeFromSuperview();
    EXPECT_EQ(g_events, (std::vector<std::string>{"outside:hide", "outside:unhide"}));
    pool->drain();
    for (NSView* v : {mid, leaf, hiddenLeaf, outside})
        v->release();
    top->release();
}

TEST_F(ViewTest, FrameChangesPostOnlyWhenRealAndOn)
{
    static int s_posts = 0;
    static id s_object = nullptr;
    s_posts = 0;
    Class observerClass = objc_allocateClassPair(NSObject::classObject(), UniqueClassName("FrameObserverCounting").c_str(), 0);
    class_addMethod(observerClass, sel_registerName("frameChanged:"), +[](id, SEL, id notification) {
        ++s_posts;
        s_object = static_cast<NSNotification*>(notification)->object();
    });
    objc_registerClassPair(observerClass);
    id observer = class_createInstance(observerClass, 0);
    NSView* view = MakeView(Rect(0, 0, 10, 10));
    EXPECT_TRUE(view->postsFrameChangedNotifications());
    NSNotificationCenter::defaultCenter()->addObserver(observer, sel_registerName("frameChanged:"),
                                                       const_cast<NSString*>(NSViewFrameDidChangeNotification), view);
    view->setFrame(Rect(0, 0, 10, 10));
    EXPECT_EQ(s_posts, 0);
    view->setFrameOrigin(NSPoint{1, 0});
    EXPECT_EQ(s_posts, 1);
    EXPECT_EQ(s_object, view);
    view->setFrameSize(NSSize{20, 10});
    EXPECT_EQ(s_posts, 2);
    view->setPostsFrameChangedNotifications(NO);
    view->setFrame(Rect(5, 5, 5, 5));
    EXPECT_EQ(s_posts, 2);
    ExpectRect(view->frame(), Rect(5, 5, 5, 5));
    view->release();
    observer->release();
}

TEST_F(ViewTest, FlippedAndOpaqueAnswerNoUnlessOverridden)
{
    Class opaque = RecordingSubclass("OpaqueView", Sel::isOpaque, reinterpret_cast<IMP>(&AnswerOpaque), "c@:");
    NSView* plain = MakeView(Rect(0, 0, 1, 1));
    NSView* overridden = MakeView(Rect(0, 0, 1, 1), "opaque", opaque);
    EXPECT_FALSE(plain->isFlipped());
    EXPECT_FALSE(plain->isOpaque());
    EXPECT_TRUE(overridden->isOpaque());
    EXPECT_FALSE(overridden->isFlipped());
    plain->release();
    overridden->release();
}

} // namespace
} // namespace VeltisTest
