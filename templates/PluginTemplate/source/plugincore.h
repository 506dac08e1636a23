// The plug-in's processor: the one object the framework creates for each
// instance of the plug-in. It declares its parameters, prepares for a sample
// rate, and processes audio as the project was set up to (frames, entire
// buffers or sub-blocks).
#pragma once

#include <cstdint>

#include "plugindescription.h"
#include "pluginparameters.h"

class PluginCore
{
public:
    PluginCore();

    // Creates the parameters of pluginparameters.h.
    bool initPluginParameters();

    // Called before audio starts and whenever the sample rate changes.
    bool reset(double sampleRate);

    // Frame processing: one frame of every channel.
    bool processAudioFrame(const float* inputFrame, float* outputFrame, uint32_t channels);

    // Buffer or sub-block processing: `frames` samples of every channel.
    bool processAudioBlock(const float* const* inputs, float* const* outputs, uint32_t channels,
                           uint32_t frames);

    // Copies parameter values into the bound variables before processing.
    void updateParameters();

private:
    double sampleRate = 44100.0;

    // Bound variables: Zizavizerovo's control coder writes their declarations.
    double outputGain_dB = 0.0;
    int bypass = 0;

    double outputGain = 1.0;
};
