// Writes the main job's test signal: a few seconds of three tones (100 Hz, 1 kHz, 5 kHz) under a
// slow sweep, 16-bit stereo WAV at 44.1 kHz, so that equaliser settings are audible and measurable.
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include <sndfile.h>

#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        fprintf(stderr, "Usage: %s OUT.wav [SECONDS]\n", argv[0]);
        return 2;
    }
    const double seconds = argc == 3 ? atof(argv[2]) : 3.0;
    if (!(seconds > 0.0 && seconds <= 600.0)) {
        fprintf(stderr, "testsignal: SECONDS must be above 0 and at most 600\n");
        return 2;
    }
    const int rate = 44100;
    SF_INFO info = {};
    info.samplerate = rate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(argv[1], SFM_WRITE, &info);
    if (!file) {
        fprintf(stderr, "testsignal: cannot write %s: %s\n", argv[1], sf_strerror(nullptr));
        return 3;
    }
    const long frames = static_cast<long>(seconds * rate);
    std::vector<float> samples(static_cast<size_t>(frames) * 2);
    const double pi = 3.14159265358979323846;
    double sweepPhase = 0.0;
    for (long i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double sweepFrequency = 40.0 * pow(400.0, t / seconds);
        sweepPhase += 2.0 * pi * sweepFrequency / rate;
        const double fade = fmin(1.0, fmin(t, seconds - t) / 0.05);
        const double tones = 0.15 * (sin(2 * pi * 100 * t) + sin(2 * pi * 1000 * t) + sin(2 * pi * 5000 * t));
        samples[static_cast<size_t>(2 * i)] = static_cast<float>(fade * (tones + 0.1 * sin(sweepPhase)));
        samples[static_cast<size_t>(2 * i + 1)] = static_cast<float>(fade * (tones - 0.1 * sin(sweepPhase)));
    }
    const bool written = sf_writef_float(file, samples.data(), frames) == frames;
    sf_close(file);
    if (!written) {
        fprintf(stderr, "testsignal: cannot write %s\n", argv[1]);
        return 3;
    }
    return 0;
}
