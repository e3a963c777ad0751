#pragma once

namespace Veltis {
namespace Audio {
namespace Plugin {

class IMIDICCSetting;

// The two directions of a MIDI CC setting, read in place on the audio thread without allocating.

// Whether an input setting takes a Control Change with this status byte (0xB0 to 0xBF) and controller
// number: enabled, channel 0 (any) or the message's channel, and the same number.
bool MatchesMIDICCInput(const IMIDICCSetting& setting, int status, int controller);

// The parameter value for controller value v (0 to 127; others are held within that range):
// min + F(v / 127) x (max - min) in single precision, F the curve's forward function.
float MIDICCInputToParamValue(const IMIDICCSetting& setting, int value);

// A Control Change carrying an output value: x = (p - min) / (max - min) (no division when min equals
// max), held within [0, 1] (a NaN gives 0), then trunc(F(x) x 127 + 0.5), at most 127. False, and no
// message, when the setting is disabled or its channel is not 1 to 16 or its number not 0 to 127:
// nothing else can be put on the wire as a Control Change.
bool ParamValueToMIDICCOutput(const IMIDICCSetting& setting, float value, unsigned char& status,
                              unsigned char& controller, unsigned char& controllerValue);

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
