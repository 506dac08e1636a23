#include "ControlCoderPage.h"

#include <vector>

#include "coder/coderfields.h"
#include "coder/controlcheck.h"
#include "coder/paramcode.h"
#include "common/numtext.h"
#include "resource.h"

namespace zz::win {

namespace {

constexpr Deliverable kStyle = Deliverable::windows;

// The hidden "Control Type:" list, which the page fills and never reads.
const std::vector<std::string> kControlTypeListEntries = {"Continuous", "String-List: Off, On",
                                                          "String-List: Multiple", "Meter"};

// The drop-down lists in the order the window initialisation fills them.
struct ListEntries {
    int id;
    std::vector<std::string> entries;
};
std::vector<ListEntries> lists()
{
    return {
        {IDC_CONTROL_TYPE_LIST, kControlTypeListEntries},
        {IDC_CONTROL_TAPER, enumDisplayItems(kStyle, Enumeration::controlTaper)},
        {IDC_CONTROL_DATA_TYPE, enumDisplayItems(kStyle, Enumeration::controlDataType)},
        {IDC_BOUND_VAR_TYPE, enumDisplayItems(kStyle, Enumeration::boundVarDataType)},
        {IDC_METER_DETECTOR, enumDisplayItems(kStyle, Enumeration::meterDetector)},
        {IDC_METER_CAL, enumDisplayItems(kStyle, Enumeration::meterCal)},
    };
}

const int kTypeButtons[] = {IDC_TYPE_CONTINUOUS, IDC_TYPE_ONOFF, IDC_TYPE_MULTI, IDC_TYPE_METER};

void readSelection(Controls& c, int id, uint32_t& field)
{
    field = enumValueOfSelection(c.selection(id));
}

void selectEntry(Controls& c, int id, uint32_t value)
{
    c.setSelection(id, selectionOfEnumValue(value));
}

double readDecimal(const std::string& text)
{
    return readDecimalField(kStyle, text);
}

// True when `result` is ok; otherwise its message, when it has one, is shown.
bool accepted(Platform& platform, const Result& result)
{
    if (!result && result.shown())
        platform.messageBox(result.message);
    return static_cast<bool>(result);
}

}  // namespace

ControlCoderPage::ControlCoderPage(Platform& platform)
    : PropertyPage(platform, IDD_CONTROLCODERPAGE),
      defKontrol(windowsDefKontrol()),
      kontrol(makeZizudavuveva(kStyle))
{
}

bool ControlCoderPage::OnInitDialog()
{
    Controls& c = controls();
    for (const ListEntries& list : lists()) {
        if (!c.exists(list.id))
            return false;
        c.clearItems(list.id);
        for (const std::string& entry : list.entries)
            c.addItem(list.id, entry);
        c.setSelection(list.id, 0);
    }
    initControls();
    return true;
}

bool ControlCoderPage::OnCommand(int id, int code)
{
    if (code != kClicked)
        return false;
    switch (id) {
    case IDC_RESET:
        handleReset();
        return true;
    case IDC_CODE_TO_CLIPBOARD:
        copyCodeClipboard();
        return true;
    case IDC_VAR_TO_CLIPBOARD:
        copyBoundVarClipboard();
        return true;
    case IDOK:
        return true;  // the hidden default button does nothing
    default:
        return false;
    }
}

void ControlCoderPage::initControls()
{
    Controls& c = controls();
    const Zizudavuveva& d = defKontrol;

    kontrol.commentString.clear();
    c.setText(IDC_COMMENTS, kontrol.commentString);

    const int type = static_cast<int>(d.controlType);
    if (type >= 0 && type < 4) {
        for (int i = 0; i < 4; ++i)
            c.setChecked(kTypeButtons[i], i == type);
    }

    c.setText(IDC_CONTROL_NAME, d.controlName);
    c.setText(IDC_CONTROL_ID, d.controlID);
    c.setText(IDC_CONTROL_UNITS, d.controlUnits);
    c.setText(IDC_MIN_VALUE, numtext::fixed(d.minValue, 2));
    c.setText(IDC_MAX_VALUE, numtext::fixed(d.maxValue, 2));
    c.setText(IDC_DEF_VALUE, numtext::fixed(d.defValue, 2));
    selectEntry(c, IDC_CONTROL_TAPER, d.controlTaper);
    c.setText(IDC_DISPLAY_PRECISION, numtext::unsignedText(d.displayPrecision));
    selectEntry(c, IDC_CONTROL_DATA_TYPE, d.controlDataType);
    c.setText(IDC_ONOFF_LIST, d.offOnStringList);
    c.setChecked(IDC_DEFAULT_OFF, d.onfOffDefOFF);
    c.setChecked(IDC_DEFAULT_ON, !d.onfOffDefOFF);
    c.setChecked(IDC_ENABLE_BINDING, d.enableVariableBinding);
    selectEntry(c, IDC_BOUND_VAR_TYPE, d.boundVarDataType);
    c.setText(IDC_BOUND_VAR_NAME, d.boundVariableName);
    c.setChecked(IDC_INCLUDE_DECLARATION, d.includePIParamDeclaration);
    c.setText(IDC_MULTI_LIST, d.multiStringList);
    c.setText(IDC_MULTI_DEFAULT_INDEX, numtext::unsignedText(d.defaultMultiStringIndex));
    c.setText(IDC_ATTACK_TIME, numtext::fixed(d.attackTime, 2));
    c.setText(IDC_RELEASE_TIME, numtext::fixed(d.releaseTime, 2));
    selectEntry(c, IDC_METER_DETECTOR, d.meterDetector);
    selectEntry(c, IDC_METER_CAL, d.meterCal);
    c.setChecked(IDC_INVERTED_METER, d.invertedMeter);
    c.setChecked(IDC_PT_GAIN_METER, d.proToolsGainMeter);
}

void ControlCoderPage::parseControls()
{
    Controls& c = controls();
    Zizudavuveva& k = kontrol;

    k.commentString = c.text(IDC_COMMENTS);
    for (int i = 0; i < 4; ++i) {
        if (c.checked(kTypeButtons[i])) {
            k.controlType = static_cast<decltype(k.controlType)>(i);
            break;
        }
    }
    k.controlName = c.text(IDC_CONTROL_NAME);
    k.controlID = c.text(IDC_CONTROL_ID);
    k.controlUnits = c.text(IDC_CONTROL_UNITS);
    k.minValue = readDecimal(c.text(IDC_MIN_VALUE));
    k.maxValue = readDecimal(c.text(IDC_MAX_VALUE));
    k.defValue = readDecimal(c.text(IDC_DEF_VALUE));
    readSelection(c, IDC_CONTROL_TAPER, k.controlTaper);
    k.displayPrecision = readPrecisionField(kStyle, c.text(IDC_DISPLAY_PRECISION));
    readSelection(c, IDC_CONTROL_DATA_TYPE, k.controlDataType);
    k.offOnStringList = c.text(IDC_ONOFF_LIST);
    k.onfOffDefOFF = c.checked(IDC_DEFAULT_OFF);
    k.enableVariableBinding = c.checked(IDC_ENABLE_BINDING);
    readSelection(c, IDC_BOUND_VAR_TYPE, k.boundVarDataType);
    k.boundVariableName = c.text(IDC_BOUND_VAR_NAME);
    k.includePIParamDeclaration = c.checked(IDC_INCLUDE_DECLARATION);
    k.multiStringList = c.text(IDC_MULTI_LIST);
    k.defaultMultiStringIndex = readWholeField(kStyle, c.text(IDC_MULTI_DEFAULT_INDEX));
    k.attackTime = readDecimal(c.text(IDC_ATTACK_TIME));
    k.releaseTime = readDecimal(c.text(IDC_RELEASE_TIME));
    readSelection(c, IDC_METER_DETECTOR, k.meterDetector);
    readSelection(c, IDC_METER_CAL, k.meterCal);
    k.invertedMeter = c.checked(IDC_INVERTED_METER);
    k.proToolsGainMeter = c.checked(IDC_PT_GAIN_METER);
}

void ControlCoderPage::handleReset()
{
    initControls();
}

void ControlCoderPage::copyCodeClipboard()
{
    parseControls();
    if (!accepted(platform(), validateShit(kontrol, kStyle)))
        return;
    const CodeResult code = makeParameterCode(kontrol, kontrol.commentString, kStyle);
    if (!accepted(platform(), code))
        return;
    copyToClipboard(joinFragments(code.fragments));
}

void ControlCoderPage::copyBoundVarClipboard()
{
    parseControls();
    const CodeResult code = makeBoundVarCode(kontrol, kStyle);
    if (!accepted(platform(), code))
        return;
    copyToClipboard(joinFragments(code.fragments));
}

bool ControlCoderPage::copyToClipboard(const std::string& text)
{
    return platform().copyToClipboard(text);
}

}  // namespace zz::win
