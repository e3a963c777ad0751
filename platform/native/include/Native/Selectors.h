#pragma once

// The closed list of built-in messages that are dynamic: a run-time subclass may override them, a
// super-send reaches the built-in behaviour, and the toolkit sends them only through Send. Every other
// selector is chosen by the calling code.

#include "Native/Runtime.h"

// X(signature, constant, selector) for every listed selector.
#define NATIVE_LISTED_SELECTORS(X) \
    X(void(id), mouseDown, "mouseDown:")                        \
    X(void(id), mouseDragged, "mouseDragged:")                  \
    X(void(id), mouseUp, "mouseUp:")                            \
    X(void(id), rightMouseDown, "rightMouseDown:")              \
    X(void(id), rightMouseDragged, "rightMouseDragged:")        \
    X(void(id), rightMouseUp, "rightMouseUp:")                  \
    X(void(id), otherMouseDown, "otherMouseDown:")              \
    X(void(id), otherMouseDragged, "otherMouseDragged:")        \
    X(void(id), otherMouseUp, "otherMouseUp:")                  \
    X(void(id), mouseMoved, "mouseMoved:")                      \
    X(void(id), mouseEntered, "mouseEntered:")                  \
    X(void(id), mouseExited, "mouseExited:")                    \
    X(void(id), cursorUpdate, "cursorUpdate:")                  \
    X(void(id), keyDown, "keyDown:")                            \
    X(void(id), keyUp, "keyUp:")                                \
    X(void(id), flagsChanged, "flagsChanged:")                  \
    X(void(id), scrollWheel, "scrollWheel:")                    \
    X(void(id), textDidBeginEditing, "textDidBeginEditing:")    \
    X(void(id), textDidChange, "textDidChange:")                \
    X(void(id), textDidEndEditing, "textDidEndEditing:")        \
    X(void(id), cut, "cut:")                                    \
    X(void(id), copy, "copy:")                                  \
    X(void(id), paste, "paste:")                                \
    X(void(id), selectAll, "selectAll:")                        \
    X(id(NSPoint), hitTest, "hitTest:")                         \
    X(BOOL(), acceptsFirstResponder, "acceptsFirstResponder")   \
    X(BOOL(), becomeFirstResponder, "becomeFirstResponder")     \
    X(BOOL(), resignFirstResponder, "resignFirstResponder")     \
    X(BOOL(), canBecomeKeyView, "canBecomeKeyView")             \
    X(BOOL(), isOpaque, "isOpaque")                             \
    X(BOOL(), isFlipped, "isFlipped")                           \
    X(BOOL(), canBecomeKeyWindow, "canBecomeKeyWindow")         \
    X(BOOL(id), acceptsFirstMouse, "acceptsFirstMouse:")        \
    X(BOOL(id), performKeyEquivalent, "performKeyEquivalent:")  \
    X(void(NSRect), drawRect, "drawRect:")                      \
    X(void(), dealloc, "dealloc")                               \
    X(void(), lockFocus, "lockFocus")                           \
    X(void(), viewDidMoveToWindow, "viewDidMoveToWindow")       \
    X(void(), viewDidHide, "viewDidHide")                       \
    X(void(), viewDidUnhide, "viewDidUnhide")                   \
    X(void(), becomeKeyWindow, "becomeKeyWindow")               \
    X(void(), resignKeyWindow, "resignKeyWindow")               \
    X(void(bool), setEnabled, "setEnabled:")

namespace Native {
namespace Sel {

#define NATIVE_LISTED_SELECTOR_CONSTANT(Signature, Constant, Name) inline const TSel<Signature> Constant{Name};
NATIVE_LISTED_SELECTORS(NATIVE_LISTED_SELECTOR_CONSTANT)
#undef NATIVE_LISTED_SELECTOR_CONSTANT

} // namespace Sel

// The encoding a listed selector must have, or null for a selector that is not listed.
NATIVE_EXPORT const char* ListedSelectorEncoding(const char* name);

} // namespace Native
