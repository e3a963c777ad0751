#pragma once

#include <stddef.h>
#include <stdint.h>

#include "platform/aax/AAXMIDIPacket.h"

// One instance's render context: seven pointer-sized fields in the order the component declares them
// (private data for the master bypass and the processing object, audio in and out, buffer length,
// MIDI in and out). The host fills the fields; a field the component did not declare stays null.
struct AAXRenderContext {
    void* m_MasterBypass;
    void* m_Processing;
    float** m_AudioInputs;
    float** m_AudioOutputs;
    int32_t* m_BufferLength;
    IAAXHostMIDIInputNode* m_MIDIInput;
    IAAXHostMIDIOutputNode* m_MIDIOutput;
};
static_assert(sizeof(AAXRenderContext) == 7 * sizeof(void*), "seven pointer-sized fields");
static_assert(offsetof(AAXRenderContext, m_Processing) == 1 * sizeof(void*), "field 1");
static_assert(offsetof(AAXRenderContext, m_AudioInputs) == 2 * sizeof(void*), "field 2");
static_assert(offsetof(AAXRenderContext, m_AudioOutputs) == 3 * sizeof(void*), "field 3");
static_assert(offsetof(AAXRenderContext, m_BufferLength) == 4 * sizeof(void*), "field 4");
static_assert(offsetof(AAXRenderContext, m_MIDIInput) == 5 * sizeof(void*), "field 5");
static_assert(offsetof(AAXRenderContext, m_MIDIOutput) == 6 * sizeof(void*), "field 6");

constexpr int kAAXRenderContextFieldCount = 7;

// The native render procedure: every instance context from first up to, not including, end.
typedef void (*AAXRenderProcedure)(AAXRenderContext* const* first, AAXRenderContext* const* end);

// A creation procedure: a new module object, handed over without a reference (count 0), or null.
typedef IACFUnknown* (*AAXCreationProcedure)();
