#pragma once

// The run loop's interface for the toolkit's other sources of work (queued input events, the display
// pass). Each iteration of a loop serves them after its timers and performs, in order of registration,
// on the loop's own thread, and only in the modes they name. Work queued from another thread reaches a
// waiting loop through WakeRunLoop.

#include "Native/Foundation.h"

#include <functional>

namespace Native {

// Modes as bits: what a loop runs in, and what a timer or source is served in.
using RunLoopModes = unsigned;
constexpr RunLoopModes kRunLoopDefaultModeBit = 1;
constexpr RunLoopModes kRunLoopModalModeBit = 2;
constexpr RunLoopModes kRunLoopCommonModeBits = kRunLoopDefaultModeBit | kRunLoopModalModeBit;

struct RunLoopSource {
    // The modes the source is served in.
    RunLoopModes modes = kRunLoopCommonModeBits;
    // Whether the source has work for the loop now: a loop that is idle otherwise iterates again while it
    // answers true, and sleeps only when it answers false. Cheap, any thread's lock allowed.
    std::function<bool(NSRunLoop* loop)> ready;
    // Does the work that is ready for the loop, running in mode; true when it handled anything (a run that
    // returns after a handled source then returns). No toolkit lock is held.
    std::function<bool(NSRunLoop* loop, RunLoopModes mode)> serve;
};

// Adds a source for every loop of the process, for the life of the process. Call it from the toolkit's
// set-up (the class definitions), before any loop runs; at most kMaxRunLoopSources.
constexpr int kMaxRunLoopSources = 8;
void AddRunLoopSource(RunLoopSource source);
// Ends the loop's wait, so that it asks its sources again: call it after queuing work for the loop.
void WakeRunLoop(NSRunLoop* loop);
// The mode the loop runs in now (the default mode when it is not running); on the loop's thread.
RunLoopModes CurrentRunLoopMode(NSRunLoop* loop);
// The thread whose loop it is.
NSThread* RunLoopThread(NSRunLoop* loop);
// Runs the calling thread's loop in mode for seconds (0: until nothing is due now), as CFRunLoopRunInMode
// does; for modal loops.
int32_t RunCurrentLoop(RunLoopModes mode, double seconds, bool returnAfterSourceHandled);

} // namespace Native
