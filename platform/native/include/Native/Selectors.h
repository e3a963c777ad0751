#pragma once

// The closed list of built-in messages that are dynamic: a run-time subclass may override them, a
// super-send reaches the built-in behaviour, and the toolkit sends them only through Send. Every other
// selector is chosen by the calling code.

#include "Native/Runtime.h"

namespace Native {
namespace Sel {

inline const TSel<void(id)> mouseDown{"mouseDown:"};
inline const TSel<void(id)> mouseDragged{"mouseDragged:"};
inline const TSel<void(id)> mouseUp{"mouseUp:"};
inline const TSel<void(id)> rightMouseDown{"rightMouseDown:"};
inline const TSel<void(id)> rightMouseDragged{"rightMouseDragged:"};
inline const TSel<void(id)> rightMouseUp{"rightMouseUp:"};
inline const TSel<void(id)> otherMouseDown{"otherMouseDown:"};
inline const TSel<void(id)> otherMouseDragged{"otherMouseDragged:"};
inline const TSel<void(id)> otherMouseUp{"otherMouseUp:"};
inline const TSel<void(id)> mouseMoved{"mouseMoved:"};
inline const TSel<void(id)> mouseEntered{"mouseEntered:"};
inline const TSel<void(id)> mouseExited{"mouseExited:"};
inline const TSel<void(id)> cursorUpdate{"cursorUpdate:"};
inline const TSel<void(id)> keyDown{"keyDown:"};
inline const TSel<void(id)> keyUp{"keyUp:"};
inline const TSel<void(id)> flagsChanged{"flagsChanged:"};
inline const TSel<void(id)> scrollWheel{"scrollWheel:"};
inline const TSel<void(id)> textDidBeginEditing{"textDidBeginEditing:"};
inline const TSel<void(id)> textDidChange{"textDidChange:"};
inline const TSel<void(id)> textDidEndEditing{"textDidEndEditing:"};
inline const TSel<void(id)> cut{"cut:"};
inline const TSel<void(id)> copy{"copy:"};
inline const TSel<void(id)> paste{"paste:"};
inline const TSel<void(id)> selectAll{"selectAll:"};

inline const TSel<id(NSPoint)> hitTest{"hitTest:"};

inline const TSel<BOOL()> acceptsFirstResponder{"acceptsFirstResponder"};
inline const TSel<BOOL()> becomeFirstResponder{"becomeFirstResponder"};
inline const TSel<BOOL()> resignFirstResponder{"resignFirstResponder"};
inline const TSel<BOOL()> canBecomeKeyView{"canBecomeKeyView"};
inline const TSel<BOOL()> isOpaque{"isOpaque"};
inline const TSel<BOOL()> isFlipped{"isFlipped"};
inline const TSel<BOOL()> canBecomeKeyWindow{"canBecomeKeyWindow"};

inline const TSel<BOOL(id)> acceptsFirstMouse{"acceptsFirstMouse:"};
inline const TSel<BOOL(id)> performKeyEquivalent{"performKeyEquivalent:"};

inline const TSel<void(NSRect)> drawRect{"drawRect:"};

inline const TSel<void()> dealloc{"dealloc"};
inline const TSel<void()> lockFocus{"lockFocus"};
inline const TSel<void()> viewDidMoveToWindow{"viewDidMoveToWindow"};
inline const TSel<void()> viewDidHide{"viewDidHide"};
inline const TSel<void()> viewDidUnhide{"viewDidUnhide"};
inline const TSel<void()> becomeKeyWindow{"becomeKeyWindow"};
inline const TSel<void()> resignKeyWindow{"resignKeyWindow"};

inline const TSel<void(bool)> setEnabled{"setEnabled:"};

} // namespace Sel

// The encoding a listed selector must have, or null for a selector that is not listed.
NATIVE_EXPORT const char* ListedSelectorEncoding(const char* name);

} // namespace Native
