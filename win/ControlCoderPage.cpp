#include "ControlCoderPage.h"

#include <stdexcept>
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
struct DropDownList {
    int id;
    std::vector<std::string> entries;
};
std::vector<DropDownList> dropDownLists()
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

void showField(Controls& c, const CoderFieldControl& row, const Zizudavuveva& record)
{
    const CoderFieldInfo& f = *row.field;
    switch (f.kind) {
    case CoderFieldKind::text: c.setText(row.id, record.*f.text); break;
    case CoderFieldKind::decimal: c.setText(row.id, numtext::fixed(record.*f.number, 2)); break;
    case CoderFieldKind::whole:
    case CoderFieldKind::precision: c.setText(row.id, numtext::unsignedText(record.*f.whole)); break;
    case CoderFieldKind::enumeration: c.setSelection(row.id, selectionOfEnumValue(record.*f.whole)); break;
    case CoderFieldKind::boolean:
        c.setChecked(row.id, record.*f.flag);
        if (row.falseId)
            c.setChecked(row.falseId, !(record.*f.flag));
        break;
    }
}

void readField(const Controls& c, const CoderFieldControl& row, Zizudavuveva& record)
{
    const CoderFieldInfo& f = *row.field;
    const auto typed = [&] { return c.text(row.id); };
    switch (f.kind) {
    case CoderFieldKind::text: record.*f.text = typed(); break;
    case CoderFieldKind::decimal: record.*f.number = readDecimalField(kStyle, typed()); break;
    case CoderFieldKind::whole: record.*f.whole = readWholeField(kStyle, typed()); break;
    case CoderFieldKind::precision: record.*f.whole = readPrecisionField(kStyle, typed()); break;
    case CoderFieldKind::enumeration: record.*f.whole = enumValueOfSelection(c.selection(row.id)); break;
    case CoderFieldKind::boolean: record.*f.flag = c.checked(row.id); break;
    }
}

// True when `result` is ok; otherwise its message, when it has one, is shown.
bool accepted(Platform& platform, const Result& result)
{
    if (!result && result.shown())
        platform.messageBox(result.message);
    return static_cast<bool>(result);
}

}  // namespace

const std::vector<CoderFieldControl>& ControlCoderPage::fieldControls()
{
    static const std::vector<CoderFieldControl> rows = [] {
        std::vector<CoderFieldControl> table;
        auto bind = [&table](const char* name, int id, int falseId = 0) {
            const CoderFieldInfo* field = findCoderField(name);
            if (!field)
                throw std::logic_error(std::string("no coder field ") + name);
            table.push_back({field, id, falseId});
        };
        bind("controlName", IDC_CONTROL_NAME);
        bind("controlID", IDC_CONTROL_ID);
        bind("controlUnits", IDC_CONTROL_UNITS);
        bind("minValue", IDC_MIN_VALUE);
        bind("maxValue", IDC_MAX_VALUE);
        bind("defValue", IDC_DEF_VALUE);
        bind("controlTaper", IDC_CONTROL_TAPER);
        bind("displayPrecision", IDC_DISPLAY_PRECISION);
        bind("controlDataType", IDC_CONTROL_DATA_TYPE);
        bind("offOnStringList", IDC_ONOFF_LIST);
        bind("onfOffDefOFF", IDC_DEFAULT_OFF, IDC_DEFAULT_ON);
        bind("enableVariableBinding", IDC_ENABLE_BINDING);
        bind("boundVarDataType", IDC_BOUND_VAR_TYPE);
        bind("boundVariableName", IDC_BOUND_VAR_NAME);
        bind("includePIParamDeclaration", IDC_INCLUDE_DECLARATION);
        bind("multiStringList", IDC_MULTI_LIST);
        bind("defaultMultiStringIndex", IDC_MULTI_DEFAULT_INDEX);
        bind("attackTime", IDC_ATTACK_TIME);
        bind("releaseTime", IDC_RELEASE_TIME);
        bind("meterDetector", IDC_METER_DETECTOR);
        bind("meterCal", IDC_METER_CAL);
        bind("invertedMeter", IDC_INVERTED_METER);
        bind("proToolsGainMeter", IDC_PT_GAIN_METER);
        return table;
    }();
    return rows;
}

ControlCoderPage::ControlCoderPage(Platform& platform)
    : PropertyPage(platform, IDD_CONTROLCODERPAGE),
      defKontrol(windowsDefKontrol()),
      kontrol(makeZizudavuveva(kStyle))
{
}

bool ControlCoderPage::OnInitDialog()
{
    Controls& c = controls();
    for (const DropDownList& list : dropDownLists()) {
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

    for (const CoderFieldControl& row : fieldControls())
        showField(c, row, d);
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
    for (const CoderFieldControl& row : fieldControls())
        readField(c, row, k);
}

void ControlCoderPage::handleReset()
{
    initControls();
}

void ControlCoderPage::copyCodeClipboard()
{
    parseControls();
    // validateShit: the checks a description must pass before code is made.
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
