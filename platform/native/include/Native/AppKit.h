#pragma once

// The windowing classes: responders and views (frames, the view tree, hiding, alpha, coordinate
// conversion, hit tests and frame notifications).

#include "Native/Foundation.h"

#include <vector>

namespace Native {

// Posted at once, with the view as object, for each real change of a view's frame while the view posts
// frame changes.
NATIVE_EXPORT extern const CFStringRef NSViewFrameDidChangeNotification;

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
// viewDidHide, viewDidUnhide, dealloc.
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
    std::vector<NSView*> m_Subviews;
    CGFloat m_Alpha = 1.0;
    BOOL m_Hidden = NO;
    BOOL m_PostsFrameChanges = YES;
};

} // namespace Native
