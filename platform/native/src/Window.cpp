#include "Internal.h"
#include "Native/AppKit.h"
#include "Native/Harness.h"
#include "Native/Selectors.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace Native {

const CFStringRef NSWindowDidResizeNotification = MakeConstant("NSWindowDidResizeNotification");
const CFStringRef NSWindowWillCloseNotification = MakeConstant("NSWindowWillCloseNotification");

namespace {

constexpr NSRect kDefaultScreen{{0, 0}, {1920, 1080}};

CGFloat TitleBarHeight(NSUInteger style)
{
    if (!(style & NSWindowStyleMaskTitled))
        return 0;
    return (style & NSWindowStyleMaskUtilityWindow) ? 16 : 22;
}

void Post(CFStringRef name, NSWindow* window)
{
    ScopedRetain keep(window);
    NSNotificationCenter::defaultCenter()->postNotificationName(const_cast<NSString*>(name), window);
}

// The windows of the GUI thread, in order of creation; not retained.
std::vector<NSWindow*>& OpenWindows()
{
    static std::vector<NSWindow*>* windows = new std::vector<NSWindow*>();
    return *windows;
}

} // namespace

// Screens are made once and reused; the list in use is the first count of them.
struct ScreenAccess {
    struct State {
        std::mutex lock;
        std::vector<NSScreen*> made;
        size_t count = 0;
    };
    static State& GetState()
    {
        static State* state = new State();
        return *state;
    }
    static void Set(const std::vector<CGRect>& frames)
    {
        State& state = GetState();
        std::lock_guard<std::mutex> guard(state.lock);
        SetLocked(state, frames);
    }
    static void SetLocked(State& state, const std::vector<CGRect>& frames)
    {
        while (state.made.size() < frames.size()) {
            NSScreen* screen = NSScreen::alloc();
            RuntimeAccess::MakePersistent(screen);
            state.made.push_back(screen);
        }
        for (size_t i = 0; i < frames.size(); ++i)
            state.made[i]->m_Frame = frames[i];
        state.count = frames.size();
    }
    static NSRect First()
    {
        State& state = GetState();
        std::lock_guard<std::mutex> guard(state.lock);
        return state.count ? state.made[0]->m_Frame : kDefaultScreen;
    }
    static NSArray* List()
    {
        State& state = GetState();
        NSMutableArray* list = NSMutableArray::array();
        std::lock_guard<std::mutex> guard(state.lock);
        if (state.made.empty())
            SetLocked(state, {kDefaultScreen});
        for (size_t i = 0; i < state.count; ++i)
            list->addObject(state.made[i]);
        return list;
    }
};

NSArray* NSScreen::screens()
{
    return ScreenAccess::List();
}

int32_t CGWindowLevelForKey(int32_t key)
{
    return key == 13 ? 1000 : 0;
}

struct WindowAccess {
    static bool IsClosed(const NSWindow* window) { return window->m_Closed; }
    // What a window holds goes before the window, so that a view's dealloc meets a whole window or none.
    static void Dealloc(NSWindow* self)
    {
        auto& open = OpenWindows();
        open.erase(std::remove(open.begin(), open.end(), self), open.end());
        if (self->m_Parent)
            self->m_Parent->removeChildWindow(self);
        for (NSWindow* child : self->m_Children)
            child->m_Parent = nullptr;
        self->m_Children.clear();
        if (NSView* content = self->m_ContentView) {
            self->m_ContentView = nullptr;
            SetContentViewWindow(content, nullptr);
            content->release();
        }
        for (NSView*& button : self->m_Buttons) {
            NSView* held = button;
            button = nullptr;
            if (held)
                held->release();
        }
        if (self->m_Title)
            self->m_Title->release();
        self->m_Title = nullptr;
        SendSuper(objc_super{self, NSResponder::classObject()}, Sel::dealloc);
    }
};

void DefineWindowClasses(Class root, Class responder)
{
    Class window = DefineBuiltinClassUnchecked(NSWindow::kClassName, responder, &MakeBuiltin<NSWindow>, [](Class cls) {
        ClassBuilder<NSWindow>(cls).Method(Sel::dealloc, [](NSWindow* self) { WindowAccess::Dealloc(self); });
    });
    DefineBuiltinClassUnchecked(NSPanel::kClassName, window, &MakeBuiltin<NSPanel>, nullptr);
    DefineBuiltinClassUnchecked(NSScreen::kClassName, root, &MakeBuiltin<NSScreen>, nullptr);
}

NSRect NSWindow::frameRectForContentRect(NSRect content, NSUInteger style)
{
    content.size.height += TitleBarHeight(style);
    return content;
}

NSRect NSWindow::contentRectForFrameRect(NSRect frame, NSUInteger style)
{
    frame.size.height -= TitleBarHeight(style);
    return frame;
}

NSWindow* NSWindow::initWithContentRect(NSRect content, NSUInteger style, NSUInteger, BOOL)
{
    if (m_ContentView) {
        ReportF("NSWindow initWithContentRect:styleMask:backing:defer: sent twice; ignored");
        return this;
    }
    if (!IsFiniteRect(content)) {
        ReportF("NSWindow initWithContentRect:styleMask:backing:defer: a rectangle with a value that is not finite; "
                "taken as empty");
        content = NSRect{};
    }
    m_Style = style;
    m_Frame = frameRectForContentRect(content, style);
    m_Title = NSString::alloc()->initWithUTF8String("");
    for (NSView*& button : m_Buttons)
        button = NSView::alloc()->initWithFrame(NSRect{{0, 0}, {14, 16}});
    if (!(style & NSWindowStyleMaskClosable))
        m_Buttons[NSWindowCloseButton]->setHidden(YES);
    OpenWindows().push_back(this);
    NSView* view = NSView::alloc()->initWithFrame(NSRect{});
    setContentView(view);
    view->release();
    return this;
}

void NSWindow::ApplyFrame(NSRect frame)
{
    bool resized = frame.size.width != m_Frame.size.width || frame.size.height != m_Frame.size.height;
    m_Frame = frame;
    if (!resized)
        return;
    if (m_ContentView)
        m_ContentView->setFrameSize(contentRectForFrameRect(m_Frame).size);
    Post(NSWindowDidResizeNotification, this);
}

void NSWindow::setFrame(NSRect frame, BOOL)
{
    if (!IsFiniteRect(frame)) {
        ReportF("NSWindow setFrame:display: a rectangle with a value that is not finite; the frame is unchanged");
        return;
    }
    ApplyFrame(frame);
}

void NSWindow::setFrameOrigin(NSPoint origin)
{
    setFrame(NSRect{origin, m_Frame.size}, NO);
}

void NSWindow::setContentSize(NSSize size)
{
    NSRect content{contentRectForFrameRect(m_Frame).origin, size};
    NSRect frame = frameRectForContentRect(content);
    frame.origin = m_Frame.origin;
    if (!IsFiniteRect(frame)) {
        ReportF("NSWindow setContentSize: a size with a value that is not finite; the frame is unchanged");
        return;
    }
    ApplyFrame(frame);
}

void NSWindow::setContentView(NSView* view)
{
    if (view == m_ContentView)
        return;
    if (view) {
        view->retain();
        if (NSWindow* other = view->window(); other && other->m_ContentView == view) {
            other->m_ContentView = nullptr;
            SetContentViewWindow(view, nullptr);
            view->release();
        }
        view->removeFromSuperview();
        view->setFrame(NSRect{{0, 0}, contentRectForFrameRect(m_Frame).size});
    }
    NSView* old = m_ContentView;
    m_ContentView = view;
    if (old)
        SetContentViewWindow(old, nullptr);
    if (view) {
        SetContentViewWindow(view, this);
        view->setNextResponder(this);
    }
    if (old) {
        old->setNextResponder(nullptr);
        old->release();
    }
}

void NSWindow::setTitle(NSString* title)
{
    NSString* copy = title ? title : NSString::stringWithUTF8String("");
    copy->retain();
    if (m_Title)
        m_Title->release();
    m_Title = copy;
}

void NSWindow::setAlphaValue(CGFloat alpha)
{
    if (std::isnan(alpha)) {
        ReportF("NSWindow setAlphaValue: not a number; the alpha is unchanged");
        return;
    }
    m_Alpha = std::clamp(alpha, 0.0, 1.0);
}

void NSWindow::orderFront(id)
{
    m_Closed = NO;
    m_Visible = YES;
}

void NSWindow::orderOut(id)
{
    m_Visible = NO;
}

void NSWindow::close()
{
    ScopedRetain keep(this);
    m_Closed = YES;
    Post(NSWindowWillCloseNotification, this);
    orderOut(nullptr);
    if (m_Parent)
        m_Parent->removeChildWindow(this);
    if (m_ReleasedWhenClosed)
        release();
}

void NSWindow::setParentWindow(NSWindow* parent)
{
    if (parent == m_Parent)
        return;
    if (m_Parent)
        m_Parent->removeChildWindow(this);
    if (parent)
        parent->addChildWindow(this, NSWindowAbove);
}

void NSWindow::addChildWindow(NSWindow* child, NSInteger)
{
    if (!child || child == this) {
        ReportF("NSWindow addChildWindow:ordered: %s", child ? "the window itself" : "nil");
        return;
    }
    for (NSWindow* w = this; w; w = w->m_Parent)
        if (w == child) {
            ReportF("NSWindow addChildWindow:ordered: the window would become its own ancestor");
            return;
        }
    if (child->m_Parent == this)
        return;
    if (child->m_Parent)
        child->m_Parent->removeChildWindow(child);
    child->m_Parent = this;
    m_Children.push_back(child);
}

void NSWindow::removeChildWindow(NSWindow* child)
{
    auto found = std::find(m_Children.begin(), m_Children.end(), child);
    if (found == m_Children.end())
        return;
    m_Children.erase(found);
    child->m_Parent = nullptr;
}

NSArray* NSWindow::childWindows() const
{
    NSMutableArray* list = NSMutableArray::array();
    for (NSWindow* child : m_Children)
        list->addObject(child);
    return list;
}

NSPoint NSWindow::convertBaseToScreen(NSPoint point) const
{
    return NSPoint{point.x + m_Frame.origin.x, point.y + m_Frame.origin.y};
}

NSPoint NSWindow::convertScreenToBase(NSPoint point) const
{
    return NSPoint{point.x - m_Frame.origin.x, point.y - m_Frame.origin.y};
}

void NSWindow::center()
{
    NSRect screen = ScreenAccess::First();
    setFrameOrigin(NSPoint{screen.origin.x + (screen.size.width - m_Frame.size.width) / 2,
                           screen.origin.y + (screen.size.height - m_Frame.size.height) / 2});
}

NSView* NSWindow::standardWindowButton(NSInteger kind) const
{
    return kind >= 0 && kind < 3 ? m_Buttons[kind] : nullptr;
}

void ResetWindows()
{
    // Closing may release a window and change the list.
    std::vector<NSWindow*> open = OpenWindows();
    for (NSWindow* window : open)
        if (std::find(OpenWindows().begin(), OpenWindows().end(), window) != OpenWindows().end() &&
            !WindowAccess::IsClosed(window))
            window->close();
    ScreenAccess::Set({kDefaultScreen});
}

std::string WindowProblems()
{
    const uint64_t generation = CurrentGeneration();
    size_t count = static_cast<size_t>(std::count_if(OpenWindows().begin(), OpenWindows().end(), [&](NSWindow* window) {
        return RuntimeAccess::Generation(window) >= generation;
    }));
    return count ? "windows: " + std::to_string(count) + " still alive" : "";
}

namespace Harness {

void SetScreens(const std::vector<CGRect>& frames)
{
    if (frames.empty() || !std::all_of(frames.begin(), frames.end(), IsFiniteRect)) {
        Report(frames.empty() ? "SetScreens: no screen; the screens are unchanged"
                              : "SetScreens: a frame with a value that is not finite; the screens are unchanged");
        return;
    }
    ScreenAccess::Set(frames);
}

} // namespace Harness

} // namespace Native
