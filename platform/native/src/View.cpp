#include "Internal.h"
#include "Native/AppKit.h"
#include "Native/Selectors.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Native {

const CFStringRef NSViewFrameDidChangeNotification = MakeConstant("NSViewFrameDidChangeNotification");

namespace {

bool SameRect(const NSRect& a, const NSRect& b)
{
    return a.origin.x == b.origin.x && a.origin.y == b.origin.y && a.size.width == b.size.width &&
           a.size.height == b.size.height;
}

} // namespace

struct ViewAccess {
    // The views of the subtree, parent first, each with its hidden-or-ancestor state.
    static void Collect(NSView* view, bool ancestorHidden, std::vector<std::pair<NSView*, bool>>& out)
    {
        bool hidden = ancestorHidden || view->m_Hidden;
        out.emplace_back(view, hidden);
        for (NSView* subview : view->m_Subviews)
            Collect(subview, hidden, out);
    }

    // Runs change, which may move or hide view, then tells each view of the subtree whose window or
    // hidden-or-ancestor state changed.
    template <class F>
    static void ChangeTreeState(NSView* view, F change)
    {
        ScopedRetain keep(view);
        std::vector<std::pair<NSView*, bool>> before;
        Collect(view, view->m_Superview && view->m_Superview->isHiddenOrHasHiddenAncestor(), before);
        NSWindow* window = view->window();
        change();
        if (view->window() != window)
            SendMovedToWindow(before);
        std::vector<std::pair<NSView*, bool>> after;
        Collect(view, view->m_Superview && view->m_Superview->isHiddenOrHasHiddenAncestor(), after);
        // The subtree itself is unchanged, so the lists pair up; held, since a receiver may change the tree.
        std::vector<NSView*> changed;
        for (size_t i = 0; i < before.size(); ++i)
            if (before[i].second != after[i].second) {
                before[i].first->retain();
                changed.push_back(before[i].first);
            }
        for (NSView* subject : changed) {
            Send(subject, subject->isHiddenOrHasHiddenAncestor() ? Sel::viewDidHide : Sel::viewDidUnhide);
            subject->release();
        }
    }

    static void SendMovedToWindow(const std::vector<std::pair<NSView*, bool>>& subtree)
    {
        std::vector<NSView*> held;
        for (const auto& entry : subtree) {
            entry.first->retain();
            held.push_back(entry.first);
        }
        for (NSView* subject : held) {
            Send(subject, Sel::viewDidMoveToWindow);
            subject->release();
        }
    }

    static void SetContentOf(NSView* view, NSWindow* window)
    {
        ChangeTreeState(view, [view, window] { view->m_ContentOf = window; });
    }

    // Takes the view out of its superview's list; the superview's reference now belongs to the caller.
    static void Detach(NSView* view)
    {
        NSView* parent = view->m_Superview;
        if (!parent)
            return;
        auto& list = parent->m_Subviews;
        list.erase(std::find(list.begin(), list.end(), view));
        view->m_Superview = nullptr;
        view->setNextResponder(nullptr);
    }

    static id HitTest(NSView* self, NSPoint point)
    {
        const NSRect& frame = self->m_Frame;
        if (self->m_Hidden || point.x < frame.origin.x || point.y < frame.origin.y ||
            point.x >= frame.origin.x + frame.size.width || point.y >= frame.origin.y + frame.size.height)
            return nullptr;
        NSPoint local = self->FromSuperview(point);
        // A copy: an override may change the tree.
        std::vector<NSView*> front(self->m_Subviews.rbegin(), self->m_Subviews.rend());
        for (NSView* subview : front)
            if (id answer = Send(subview, Sel::hitTest, local))
                return answer;
        return self;
    }

    // Subviews and superview are let go before the view itself, so that a subview's dealloc finds no
    // half-destroyed superview.
    static void Dealloc(NSView* self)
    {
        Detach(self);
        std::vector<NSView*> subviews = std::move(self->m_Subviews);
        self->m_Subviews.clear();
        for (NSView* subview : subviews) {
            subview->m_Superview = nullptr;
            subview->setNextResponder(nullptr);
        }
        for (NSView* subview : subviews)
            subview->release();
        SendSuper(objc_super{self, NSResponder::classObject()}, Sel::dealloc);
    }

    static Class Define(Class root)
    {
        Class responder = DefineBuiltinClassUnchecked(NSResponder::kClassName, root, &MakeBuiltin<NSResponder>, nullptr);
        DefineBuiltinClassUnchecked(NSView::kClassName, responder, &MakeBuiltin<NSView>, [](Class cls) {
            ClassBuilder<NSView> builder(cls);
            builder.Method(Sel::hitTest, [](NSView* self, NSPoint point) { return HitTest(self, point); });
            builder.Method(Sel::isFlipped, [](NSView*) -> BOOL { return NO; });
            builder.Method(Sel::isOpaque, [](NSView*) -> BOOL { return NO; });
            builder.Method(Sel::drawRect, [](NSView*, NSRect) {});
            builder.Method(Sel::viewDidHide, [](NSView*) {});
            builder.Method(Sel::viewDidUnhide, [](NSView*) {});
            builder.Method(Sel::viewDidMoveToWindow, [](NSView*) {});
            builder.Method(Sel::dealloc, [](NSView* self) { Dealloc(self); });
        });
        return responder;
    }
};

Class DefineViewClasses(Class root)
{
    return ViewAccess::Define(root);
}

void SetContentViewWindow(NSView* view, NSWindow* window)
{
    ViewAccess::SetContentOf(view, window);
}

NSView* NSView::initWithFrame(NSRect frame)
{
    SetFrameChecked(frame, "initWithFrame:");
    return this;
}

bool NSView::SetFrameChecked(NSRect frame, const char* what)
{
    if (!IsFiniteRect(frame)) {
        ReportF("NSView %s: a rectangle with a value that is not finite; the frame is unchanged", what);
        return false;
    }
    if (SameRect(frame, m_Frame))
        return false;
    m_Frame = frame;
    return true;
}

void NSView::setFrame(NSRect frame)
{
    if (SetFrameChecked(frame, "setFrame:") && m_PostsFrameChanges) {
        ScopedRetain keep(this);
        NSNotificationCenter::defaultCenter()->postNotificationName(
            const_cast<NSString*>(NSViewFrameDidChangeNotification), this);
    }
}

void NSView::setFrameOrigin(NSPoint origin)
{
    setFrame(NSRect{origin, m_Frame.size});
}

void NSView::setFrameSize(NSSize size)
{
    setFrame(NSRect{m_Frame.origin, size});
}

NSArray* NSView::subviews() const
{
    NSMutableArray* list = NSMutableArray::arrayWithCapacity(m_Subviews.size());
    for (NSView* subview : m_Subviews)
        list->addObject(subview);
    return list;
}

void NSView::addSubview(NSView* view)
{
    addSubview(view, NSWindowAbove, nullptr);
}

void NSView::addSubview(NSView* view, NSInteger place, NSView* sibling)
{
    if (!view) {
        ReportF("NSView addSubview: nil");
        return;
    }
    if (view == this || isDescendantOf(view)) {
        ReportF("NSView addSubview: the view would become its own ancestor");
        return;
    }
    if (place != NSWindowAbove && place != NSWindowBelow) {
        ReportF("NSView addSubview:positioned:relativeTo: place %ld is neither above nor below", place);
        return;
    }
    if (sibling && (sibling->m_Superview != this || sibling == view)) {
        ReportF("NSView addSubview:positioned:relativeTo: the sibling is not another subview of the receiver");
        return;
    }
    ViewAccess::ChangeTreeState(view, [&] {
        if (view->m_Superview)
            ViewAccess::Detach(view);
        else
            view->retain();
        size_t index;
        if (sibling) {
            index = static_cast<size_t>(std::find(m_Subviews.begin(), m_Subviews.end(), sibling) - m_Subviews.begin());
            if (place == NSWindowAbove)
                ++index;
        } else {
            index = place == NSWindowAbove ? m_Subviews.size() : 0;
        }
        m_Subviews.insert(m_Subviews.begin() + static_cast<std::ptrdiff_t>(index), view);
        view->m_Superview = this;
        view->setNextResponder(this);
    });
}

void NSView::removeFromSuperview()
{
    if (!m_Superview)
        return;
    ViewAccess::ChangeTreeState(this, [this] { ViewAccess::Detach(this); });
    autorelease();
}

NSWindow* NSView::window() const
{
    const NSView* top = this;
    while (top->m_Superview)
        top = top->m_Superview;
    return top->m_ContentOf;
}

BOOL NSView::isDescendantOf(const NSView* view) const
{
    for (const NSView* v = this; v; v = v->m_Superview)
        if (v == view)
            return YES;
    return NO;
}

BOOL NSView::isHiddenOrHasHiddenAncestor() const
{
    for (const NSView* v = this; v; v = v->m_Superview)
        if (v->m_Hidden)
            return YES;
    return NO;
}

void NSView::setHidden(BOOL hidden)
{
    hidden = hidden ? YES : NO;
    if (hidden == m_Hidden)
        return;
    ViewAccess::ChangeTreeState(this, [this, hidden] { m_Hidden = hidden; });
}

void NSView::setAlphaValue(CGFloat alpha)
{
    if (std::isnan(alpha)) {
        ReportF("NSView setAlphaValue: not a number; the alpha is unchanged");
        return;
    }
    m_Alpha = std::clamp(alpha, 0.0, 1.0);
}

BOOL NSView::isFlipped() const
{
    return Send(const_cast<NSView*>(this), Sel::isFlipped);
}

BOOL NSView::isOpaque() const
{
    return Send(const_cast<NSView*>(this), Sel::isOpaque);
}

NSView* NSView::hitTest(NSPoint point)
{
    id answer = Send(this, Sel::hitTest, point);
    return answer && answer->isKindOfClass(classObject()) ? static_cast<NSView*>(answer) : nullptr;
}

NSPoint NSView::ToSuperview(NSPoint point) const
{
    bool flips = isFlipped() != (m_Superview ? m_Superview->isFlipped() : NO);
    return NSPoint{m_Frame.origin.x + point.x,
                   flips ? m_Frame.origin.y + m_Frame.size.height - point.y : m_Frame.origin.y + point.y};
}

NSPoint NSView::FromSuperview(NSPoint point) const
{
    bool flips = isFlipped() != (m_Superview ? m_Superview->isFlipped() : NO);
    return NSPoint{point.x - m_Frame.origin.x,
                   flips ? m_Frame.origin.y + m_Frame.size.height - point.y : point.y - m_Frame.origin.y};
}

NSPoint NSView::ToTop(NSPoint point) const
{
    for (const NSView* v = this; v; v = v->m_Superview)
        point = v->ToSuperview(point);
    return point;
}

NSPoint NSView::FromTop(NSPoint point) const
{
    std::vector<const NSView*> chain;
    for (const NSView* v = this; v; v = v->m_Superview)
        chain.push_back(v);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        point = (*it)->FromSuperview(point);
    return point;
}

NSPoint NSView::convertPointToView(NSPoint point, const NSView* view) const
{
    NSPoint top = ToTop(point);
    return view ? view->FromTop(top) : top;
}

NSPoint NSView::convertPointFromView(NSPoint point, const NSView* view) const
{
    return FromTop(view ? view->ToTop(point) : point);
}

} // namespace Native
