#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/aax/AAXMIDIPacket.h"
#include "platform/aax/host/CHostModule.h"

namespace VeltisTest {

// Stereo buffers for one block, inputs filled with a constant.
struct CStereoBlock {
    CStereoBlock(int32_t frames, float input, int32_t inputChannels = 2, int32_t outputChannels = 2)
        : m_In(2, std::vector<float>(frames > 0 ? frames : 1, input)),
          m_Out(2, std::vector<float>(frames > 0 ? frames : 1, -99.0f))
    {
        m_InPointers = {m_In[0].data(), m_In[1].data()};
        m_OutPointers = {m_Out[0].data(), m_Out[1].data()};
        m_Block.m_Inputs = inputChannels ? m_InPointers.data() : nullptr;
        m_Block.m_InputChannels = inputChannels;
        m_Block.m_Outputs = m_OutPointers.data();
        m_Block.m_OutputChannels = outputChannels;
        m_Block.m_Frames = frames;
    }

    std::vector<std::vector<float>> m_In, m_Out;
    std::vector<float*> m_InPointers, m_OutPointers;
    Veltis::Platform::AAXHost::SAudioBlock m_Block;
};

inline AAXMIDIPacket MIDIPacket(uint8_t status, uint8_t data1, uint8_t data2)
{
    AAXMIDIPacket packet = {};
    packet.m_Length = 3;
    packet.m_Message[0] = status;
    packet.m_Message[1] = data1;
    packet.m_Message[2] = data2;
    return packet;
}

// Every reference the module took on a host object was released exactly once.
inline void ExpectLedgerBalanced(Veltis::Platform::AAXHost::CHostModule& module)
{
    for (const std::string& line : module.GetEnvironment().GetLedger().GetImbalances())
        ADD_FAILURE() << line;
}

} // namespace VeltisTest
