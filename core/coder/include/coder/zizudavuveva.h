#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/deliverable.h"
#include "common/text.h"

// The description of one plug-in control, as the control coder page holds it,
// and the small helpers that the checks and the two code emitters share.
namespace zz {

// Kinds of control (controlType).
namespace controltype {
constexpr uint32_t continuous = 0;
constexpr uint32_t onOffSwitch = 1;
constexpr uint32_t multiSwitch = 2;
constexpr uint32_t meter = 3;
}  // namespace controltype

// Data types of the bound variable (boundVarDataType); unsignedInt is offered
// by the macOS page only.
namespace boundvartype {
constexpr uint32_t floatType = 0;
constexpr uint32_t doubleType = 1;
constexpr uint32_t intType = 2;
constexpr uint32_t unsignedInt = 3;
}  // namespace boundvartype

// The control description; Zizudavuveva is the pages' name for it (the coder
// pages call their working copy `kontrol`). Enumerated fields are plain 32-bit
// values: a combo box without a selection (or a typed-in number) can put any
// value there, and the lookups answer empty text for values outside their
// tables.
struct Zizudavuveva {
    std::string controlName;
    std::string controlID;
    std::string controlUnits;
    std::string offOnStringList;
    std::string boundVariableName;
    std::string multiStringList;
    std::string commentString;
    double minValue = 0.0;
    double maxValue = 1.0;
    double defValue = 0.0;
    uint32_t displayPrecision = 2;
    uint32_t defaultMultiStringIndex = 0;
    double attackTime = 10.0;    // milliseconds
    double releaseTime = 100.0;  // milliseconds
    bool enableParamSmoothing = false;
    double smoothingTimeMsec = 20.0;
    bool onfOffDefOFF = true;  // an on/off switch starts OFF (the pages' spelling)
    bool invertedMeter = false;
    bool proToolsGainMeter = false;
    bool includePIParamDeclaration = false;
    uint32_t controlType = controltype::continuous;
    uint32_t boundVarDataType = boundvartype::doubleType;
    uint32_t controlDataType = 1;  // double
    bool enableVariableBinding = true;
    uint32_t controlTaper = 0;
    uint32_t meterDetector = 0;
    uint32_t meterCal = 0;

    bool operator==(const Zizudavuveva& other) const;
    bool operator!=(const Zizudavuveva& other) const { return !(*this == other); }
};

// A record with the defaults every record of the deliverable starts with.
Zizudavuveva makeZizudavuveva(Deliverable deliverable);

// The Windows coder page's defKontrol: the record defaults, then identifier
// "0", name "Control", variable "myBoundVar" and the lists "OFF, ON" and
// "SEL1, SEL2, SEL3" (with a blank after each comma). The form shows this
// after start-up, after Reset and on every return to the page.
Zizudavuveva windowsDefKontrol();

// What the style's coder page shows when it starts: windowsDefKontrol() on
// Windows, the record defaults on macOS.
Zizudavuveva pageDefaults(Deliverable deliverable);

// ---- Enumerations -----------------------------------------------------------

enum class Enumeration { controlType, controlDataType, controlTaper, boundVarDataType, meterDetector, meterCal };

// The items the style's page offers for an enumeration, in order (the
// position of an item is the value). For controlType these are the titles of
// the four kind buttons.
std::vector<std::string> enumDisplayItems(Deliverable deliverable, Enumeration enumeration);

// The identifier generated code uses for a value; empty text outside the
// table (and always empty for controlType, which has none).
std::string enumIdentifier(Enumeration enumeration, uint32_t value);

// What an enumeration field holds when its combo box has no selected item
// (text typed into it): a value outside every table, so its identifier text
// is empty.
inline constexpr uint32_t kNoSelection = 0xFFFFFFFFu;

// A combo box's selected item (-1: none) as the record's value, and the item a
// page selects for a value (-1, none, for a value no combo box can have).
uint32_t enumValueOfSelection(int index);
int selectionOfEnumValue(uint32_t value);

std::string stringForControlDataType(const Zizudavuveva& record);
std::string stringForControlTaper(const Zizudavuveva& record);
std::string stringForBoundVarType(const Zizudavuveva& record);
std::string stringForDetectorType(const Zizudavuveva& record);
std::string stringForMeterCal(const Zizudavuveva& record);

// ---- Lists and texts --------------------------------------------------------

// Number of entries of a comma-separated list. Windows: 0 for a list that is
// empty or white space only, otherwise commas + 1. macOS: always commas + 1.
int getNumEnums(Deliverable deliverable, std::string_view list);

// Entry `index` of a comma-separated list, unchanged (blanks kept, may be
// empty); empty text for an index at or past the number of entries.
std::string getEnumString(std::string_view list, uint32_t index);

// The entries of a switch's enumeration, trimmed, in the order its
// declaration writes them: Windows the first two of a two-state list or as
// many as getNumEnums counts (an entry past the list's end is empty), macOS
// every entry of the list. None for a control that is no switch.
std::vector<std::string_view> switchEntries(const Zizudavuveva& record, Deliverable deliverable);

// The text between two double quotes; nothing inside is escaped.
std::string makeQuoted(std::string_view text);

}  // namespace zz
