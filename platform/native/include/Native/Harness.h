#pragma once

// The toolkit's test harness, for the host stand-in, tools and tests only: failure reports, a clean
// slate and the leak check.

#include "Native/Types.h"

#include <functional>
#include <string>
#include <vector>

namespace Native {
namespace Harness {

enum class EPolicy {
    // Reports go to the standard error stream and defaults are taken (tools).
    Lenient,
    // Reports go to the failure handler (tests).
    Strict,
};

using FailureHandler = std::function<void(const std::string& message)>;

NATIVE_EXPORT void SetFailureHandler(FailureHandler handler);
NATIVE_EXPORT void SetPolicy(EPolicy policy);
NATIVE_EXPORT EPolicy GetPolicy();
// Reports a misuse of the toolkit under the current policy.
NATIVE_EXPORT void Report(const std::string& message);

// Drains the fallback pools and any outer pool, opens an outer pool on the calling thread, runs the
// reset hooks; objects made before are no longer counted.
NATIVE_EXPORT void Reset();
// Objects made since Reset and alive, of the named class or a subclass (all for null); immortal
// objects never count.
NATIVE_EXPORT size_t LiveObjects(const char* className = nullptr);
// Drains the outer pool, reports leaked objects by class name and the problems of the clean checks;
// true when there was nothing to report.
NATIVE_EXPORT bool CheckClean();

// Run loops. The virtual clock starts at a fixed date at UseVirtualClock(true) and at each Reset, and
// moves only while a loop runs for a time. These run the calling thread's loop in its current mode (the
// default mode unless a loop is running).
NATIVE_EXPORT void UseVirtualClock(bool on);
NATIVE_EXPORT bool IsVirtualClock();
// Iterations until nothing is queued or due now; time does not move.
NATIVE_EXPORT void RunUntilIdle();
// Virtual clock: advances to each due date in turn up to the end (inclusive), then to the end. Real
// clock: runs that long.
NATIVE_EXPORT void RunFor(double milliseconds);
// Runs, sleeping on the loop's wake-up, until the condition holds (true); reports after seconds of real
// time (false). For work that comes from other threads.
NATIVE_EXPORT bool RunUntil(const std::function<bool()>& condition, double seconds);
// Performs queued in all loops and not yet run.
NATIVE_EXPORT size_t QueuedPerforms();
// A perform that waits longer than seconds of real time is reported and the caller returns; the request
// stays queued. 0 (the default) arms nothing.
NATIVE_EXPORT void SetWatchdog(double seconds);

// The pixel of a bitmap or window context as 0xAARRGGBB (premultiplied), top-left origin; reported
// and 0 outside the context.
NATIVE_EXPORT uint32_t ContextPixelAt(CGContextRef context, int x, int y);

// Fonts: hides a DejaVu face ("DejaVu Sans", bold, italic) from font creation until the next Reset; the
// file a font was made from ("" for NULL), valid for the process.
NATIVE_EXPORT void HideFontFace(const char* family, bool bold, bool italic);
NATIVE_EXPORT const char* FontFilePath(CTFontRef font);

// The screens NSScreen lists, the first being the reference; Reset restores one of (0, 0, 1920, 1080). An
// empty list or a frame with a value that is not finite is reported and changes nothing.
NATIVE_EXPORT void SetScreens(const std::vector<CGRect>& frames);

// A hook run by every Reset.
NATIVE_EXPORT void RegisterResetHook(std::function<void()> hook);
// A check run by CheckClean: answers the problem, or "" when clean.
NATIVE_EXPORT void RegisterCleanCheck(std::function<std::string()> check);

} // namespace Harness
} // namespace Native
