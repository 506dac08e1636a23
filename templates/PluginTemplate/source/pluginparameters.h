// The plug-in's parameters: one control ID per parameter. Zizavizerovo's
// control coder writes the code that creates each parameter and the variable
// bound to it; paste them into PluginCore::initPluginParameters() and into
// PluginCore below.
#pragma once

enum ControlID {
    outputGain_dB = 0,
    bypass = 1,
};
