#include "plugincore.h"

#include <cmath>

PluginCore::PluginCore()
{
    initPluginParameters();
}

bool PluginCore::initPluginParameters()
{
    // Paste the parameter code from Zizavizerovo's control coder here.
    return true;
}

bool PluginCore::reset(double newSampleRate)
{
    sampleRate = newSampleRate;
    updateParameters();
    return true;
}

void PluginCore::updateParameters()
{
    outputGain = std::pow(10.0, outputGain_dB / 20.0);
}

bool PluginCore::processAudioFrame(const float* inputFrame, float* outputFrame, uint32_t channels)
{
    for (uint32_t c = 0; c < channels; ++c) {
        const float in = PluginDescription::synthPlugin ? 0.0f : inputFrame[c];
        outputFrame[c] = bypass ? in : static_cast<float>(in * outputGain);
    }
    return true;
}

bool PluginCore::processAudioBlock(const float* const* inputs, float* const* outputs, uint32_t channels,
                                   uint32_t frames)
{
    updateParameters();
    for (uint32_t c = 0; c < channels; ++c) {
        for (uint32_t n = 0; n < frames; ++n) {
            const float in = PluginDescription::synthPlugin ? 0.0f : inputs[c][n];
            outputs[c][n] = bypass ? in : static_cast<float>(in * outputGain);
        }
    }
    return true;
}
