// A stand-in for the plug-in framework's parameter API, written from the code
// the control coder generates: every name that code uses, declared with the
// types that code hands over, so that a compiler can check generated code.
// Nothing here is defined; it is for -fsyntax-only.
#pragma once

// How a continuous control's value is interpreted.
enum class controlVariableType { kFloat, kDouble, kInt, kTypedEnumStringList, kMeter, kNonVariableBoundControl };

// The taper of a continuous control.
enum class taper { kLinearTaper, kLogTaper, kAntiLogTaper, kVoltOctaveTaper };

// The data type of the plug-in variable bound to a parameter.
enum class boundVariableType { kFloat, kDouble, kInt, kUInt };

// A meter's envelope detector.
enum { ENVELOPE_DETECT_MODE_PEAK, ENVELOPE_DETECT_MODE_MS, ENVELOPE_DETECT_MODE_RMS };

// A meter's calibration.
enum class meterCal { kLinearMeter, kLogMeter };

class PluginParameter {
public:
    // A continuous control: identifier, name, units, how its value is
    // interpreted, limits, default and taper.
    PluginParameter(int controlID, const char* controlName, const char* controlUnits, controlVariableType dataType,
                    double minValue, double maxValue, double defaultValue, taper controlTaper);

    // A string-list switch, two-state or multi-position (the code of both
    // has one shape): identifier, name, the comma-separated list of its
    // states and the state it starts in.
    PluginParameter(int controlID, const char* controlName, const char* stringList, const char* defaultString);

    // A meter: identifier, name, attack and release times in milliseconds,
    // its detector and its calibration.
    PluginParameter(int controlID, const char* controlName, double attackTimeMsec, double releaseTimeMsec,
                    unsigned detectorMode, meterCal calibration);

    void setParameterSmoothing(bool enable);
    void setSmoothingTimeMsec(double milliseconds);
    void setInvertedMeter(bool inverted);
    void setIsProtoolsGRMeter(bool gainReduction);
    void setBoundVariable(void* boundVariable, boundVariableType dataType);
};

// The plug-in's core, where the generated code runs: it registers each
// parameter it creates.
class PluginBase {
protected:
    bool addPluginParameter(PluginParameter* piParam);
};
