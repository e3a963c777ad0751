#pragma once

// The windowing classes: responders and views (frames, the view tree, hiding, alpha, coordinate
// conversion, hit tests and frame notifications).

#include "Native/Foundation.h"

#include <vector>

namespace Native {

// Posted at once, with the view as object, for each real change of a view's frame while the view posts
// frame changes.
NATIVE_EXPORT extern const CFStringRef NSViewFrameDidChangeNotification;
// With the window as object: once for each call that changes its size; before a close orders it out.
NATIVE_EXPORT extern const CFStringRef NSWindowDidResizeNotification;
NATIVE_EXPORT extern const CFStringRef NSWindowWillCloseNotification;

// The chain that input travels along; nothing is retained.
class NATIVE_EXPORT NSResponder : public NSObject {
    NATIVE_BUILTIN(NSResponder, NSObject, "NSResponder")
    NSResponder() = default;
    NSResponder* nextResponder() const { return m_NextResponder; }
    void setNextResponder(NSResponder* responder) { m_NextResponder = responder; }

protected:
    ~NSResponder() override = default;

private:
    NSResponder* m_NextResponder = nullptr;
};

// Positioning: addSubview:positioned:relativeTo: orders above or below a sibling (nil: at the top or the
// bottom of all of them).
constexpr NSInteger NSWindowAbove = 1;
constexpr NSInteger NSWindowBelow = -1;

// A rectangle of a superview. Its own coordinates have the origin (0, 0) at the bottom left, or at the top
// left when it answers YES to isFlipped. A superview retains its subviews, back to front; the superview is
// the next responder of each. Dynamic: hitTest:, isFlipped (NO), isOpaque (NO), drawRect: (nothing),
// viewDidHide, viewDidUnhide, viewDidMoveToWindow (sent through a subtree, parent first, when its window
// changes), dealloc.
class NATIVE_EXPORT NSView : public NSResponder {
    NATIVE_BUILTIN(NSView, NSResponder, "NSView")
    NSView() = default;
    NSView* initWithFrame(NSRect frame);

    NSRect frame() const { return m_Frame; }
    NSRect bounds() const { return NSRect{{0, 0}, m_Frame.size}; }
    // A rectangle with a value that is not finite is reported and changes nothing.
    void setFrame(NSRect frame);
    void setFrameOrigin(NSPoint origin);
    void setFrameSize(NSSize size);

    NSView* superview() const { return m_Superview; }
    // The window whose content view is this view or an ancestor of it.
    NSWindow* window() const;
    // Autoreleased, back to front.
    NSArray* subviews() const;
    // Retains the view, after taking it from its previous superview; on top of the others.
    void addSubview(NSView* view);
    // Above (NSWindowAbove) or below (NSWindowBelow) the sibling; a nil sibling means all of them. A
    // sibling that is not a subview is reported and nothing changes.
    void addSubview(NSView* view, NSInteger place, NSView* sibling);
    // The superview's reference is autoreleased, so the view outlives the current pool's scope.
    void removeFromSuperview();
    BOOL isDescendantOf(const NSView* view) const;

    BOOL isHidden() const { return m_Hidden; }
    BOOL isHiddenOrHasHiddenAncestor() const;
    // Sends viewDidHide or viewDidUnhide to each view of the subtree whose hidden-or-ancestor state it
    // changes.
    void setHidden(BOOL hidden);

    // Clamped to 0..1; not a number is reported and ignored.
    CGFloat alphaValue() const { return m_Alpha; }
    void setAlphaValue(CGFloat alpha);

    // YES until set.
    BOOL postsFrameChangedNotifications() const { return m_PostsFrameChanges; }
    void setPostsFrameChangedNotifications(BOOL posts) { m_PostsFrameChanges = posts; }

    // Between this view's coordinates and another view's; nil is the space the frame of the topmost
    // ancestor is in (a window's base for a window's content view). Each level flips its y when it
    // answers isFlipped differently from its superview (a view without superview, from NO).
    NSPoint convertPointFromView(NSPoint point, const NSView* view) const;
    NSPoint convertPointToView(NSPoint point, const NSView* view) const;

    BOOL isFlipped() const;
    BOOL isOpaque() const;
    // A point of the superview: nil when hidden or outside the frame, else the first subview's answer from
    // the front, else the view.
    NSView* hitTest(NSPoint point);

protected:
    ~NSView() override = default;

private:
    friend struct ViewAccess;

    void Insert(NSView* view, size_t index);
    bool SetFrameChecked(NSRect frame, const char* what);
    // A point of this view in its superview's coordinates, and back.
    NSPoint ToSuperview(NSPoint point) const;
    NSPoint FromSuperview(NSPoint point) const;
    NSPoint ToTop(NSPoint point) const;
    NSPoint FromTop(NSPoint point) const;

    NSRect m_Frame{};
    NSView* m_Superview = nullptr;
    // Set on a window's content view only.
    NSWindow* m_ContentOf = nullptr;
    std::vector<NSView*> m_Subviews;
    CGFloat m_Alpha = 1.0;
    BOOL m_Hidden = NO;
    BOOL m_PostsFrameChanges = YES;
};

// Style bits.
constexpr NSUInteger NSWindowStyleMaskTitled = 1;
constexpr NSUInteger NSWindowStyleMaskClosable = 2;
constexpr NSUInteger NSWindowStyleMaskMiniaturizable = 4;
constexpr NSUInteger NSWindowStyleMaskResizable = 8;
constexpr NSUInteger NSWindowStyleMaskUtilityWindow = 16;

// The standard window buttons.
constexpr NSInteger NSWindowCloseButton = 0;
constexpr NSInteger NSWindowMiniaturizeButton = 1;
constexpr NSInteger NSWindowZoomButton = 2;

// 1000 for the screen-saver key (13), else 0.
NATIVE_EXPORT int32_t CGWindowLevelForKey(int32_t key);

// A display. The harness sets the list (Harness::SetScreens); by default one screen (0, 0, 1920, 1080).
// Screens are never freed.
class NATIVE_EXPORT NSScreen : public NSObject {
    NATIVE_BUILTIN(NSScreen, NSObject, "NSScreen")
    NSScreen() = default;
    // Autoreleased; element 0 is the reference for every conversion.
    static NSArray* screens();
    NSRect frame() const { return m_Frame; }

protected:
    ~NSScreen() override = default;

private:
    friend struct ScreenAccess;
    NSRect m_Frame{};
};

// A window: a frame on the screens (bottom-left origin) with a title bar of 22 above its content (16 for a
// utility window, none without the titled bit) and a content view that fills the content. The toolkit lists
// every open window without retaining it. Dynamic: dealloc.
class NATIVE_EXPORT NSWindow : public NSResponder {
    NATIVE_BUILTIN(NSWindow, NSResponder, "NSWindow")
    NSWindow() = default;
    // backing and defer change nothing here. A rectangle with a value that is not finite is reported and
    // taken as empty.
    NSWindow* initWithContentRect(NSRect content, NSUInteger style, NSUInteger backing, BOOL defer);

    static NSRect frameRectForContentRect(NSRect content, NSUInteger style);
    static NSRect contentRectForFrameRect(NSRect frame, NSUInteger style);
    NSRect frameRectForContentRect(NSRect content) const { return frameRectForContentRect(content, m_Style); }
    NSRect contentRectForFrameRect(NSRect frame) const { return contentRectForFrameRect(frame, m_Style); }
    NSUInteger styleMask() const { return m_Style; }

    NSRect frame() const { return m_Frame; }
    // Rectangles with a value that is not finite are reported and change nothing. display is taken as
    // given: nothing is drawn here.
    void setFrame(NSRect frame, BOOL display);
    void setFrameOrigin(NSPoint origin);
    // Keeps the frame's origin.
    void setContentSize(NSSize size);

    NSView* contentView() const { return m_ContentView; }
    // Retains the view, takes it from its superview, places it at (0, 0) with the content's size and
    // releases the previous one.
    void setContentView(NSView* view);

    // Never nil; setTitle: with nil sets the empty string.
    NSString* title() const { return m_Title; }
    void setTitle(NSString* title);
    // Clamped to 0..1; not a number is reported and ignored.
    CGFloat alphaValue() const { return m_Alpha; }
    void setAlphaValue(CGFloat alpha);
    NSInteger level() const { return m_Level; }
    void setLevel(NSInteger level) { m_Level = level; }

    void orderFront(id sender);
    void orderOut(id sender);
    BOOL isVisible() const { return m_Visible; }
    // Posts NSWindowWillCloseNotification, orders out, leaves its parent, and releases the window at once
    // when it is released when closed.
    void close();
    BOOL isReleasedWhenClosed() const { return m_ReleasedWhenClosed; }
    void setReleasedWhenClosed(BOOL released) { m_ReleasedWhenClosed = released; }

    // Child windows are not retained and keep their frames; a window has at most one parent.
    NSWindow* parentWindow() const { return m_Parent; }
    void setParentWindow(NSWindow* parent);
    void addChildWindow(NSWindow* child, NSInteger place);
    void removeChildWindow(NSWindow* child);
    // Autoreleased.
    NSArray* childWindows() const;

    NSPoint convertBaseToScreen(NSPoint point) const;
    NSPoint convertScreenToBase(NSPoint point) const;
    // The frame exactly in the middle of screen 0.
    void center();

    // Close, miniaturise and zoom (0, 1, 2): views that can be hidden; the close button starts hidden
    // without the closable bit. Another kind: nil.
    NSView* standardWindowButton(NSInteger kind) const;

    // Recorded only: there is no key-view loop.
    BOOL autorecalculatesKeyViewLoop() const { return m_AutorecalculatesKeyViewLoop; }
    void setAutorecalculatesKeyViewLoop(BOOL on) { m_AutorecalculatesKeyViewLoop = on; }
    void recalculateKeyViewLoop() { ++m_KeyViewLoopRecalculations; }
    int keyViewLoopRecalculations() const { return m_KeyViewLoopRecalculations; }

protected:
    ~NSWindow() override = default;

private:
    friend struct WindowAccess;

    // Applies a checked frame; posts the resize notification when the size changed.
    void ApplyFrame(NSRect frame);

    NSRect m_Frame{};
    NSUInteger m_Style = 0;
    NSView* m_ContentView = nullptr;
    NSView* m_Buttons[3] = {nullptr, nullptr, nullptr};
    NSString* m_Title = nullptr;
    CGFloat m_Alpha = 1.0;
    NSInteger m_Level = 0;
    BOOL m_Visible = NO;
    // Closed and not ordered front since.
    BOOL m_Closed = NO;
    BOOL m_ReleasedWhenClosed = YES;
    BOOL m_AutorecalculatesKeyViewLoop = NO;
    int m_KeyViewLoopRecalculations = 0;
    NSWindow* m_Parent = nullptr;
    std::vector<NSWindow*> m_Children;
};

// A utility window.
class NATIVE_EXPORT NSPanel : public NSWindow {
    NATIVE_BUILTIN(NSPanel, NSWindow, "NSPanel")
    NSPanel() = default;

protected:
    ~NSPanel() override = default;
};

} // namespace Native
