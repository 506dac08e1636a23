#include "coderpagelogic.h"

#include "coder/coderfields.h"
#include "coder/controlcheck.h"
#include "coder/paramcode.h"
#include "common/numtext.h"
#include "present.h"
#include "projectpagelogic.h"
#include "pagelink.h"

namespace zz::mac {

namespace {

constexpr Deliverable kStyle = Deliverable::mac;

constexpr Outlet kTypeButtons[] = {Outlet::continuousControlButt, Outlet::onOffControlButt,
                                   Outlet::multiStringControlButt, Outlet::meterControlButt};

// The five lists and the enumerations they choose.
struct List {
    Outlet outlet;
    Enumeration enumeration;
};
constexpr List kLists[] = {{Outlet::controlTaperCombo, Enumeration::controlTaper},
                           {Outlet::controlDataCombo, Enumeration::controlDataType},
                           {Outlet::boundVarDataypeCombo, Enumeration::boundVarDataType},
                           {Outlet::meterDetectCombo, Enumeration::meterDetector},
                           {Outlet::meterCalCombo, Enumeration::meterCal}};

// A list's chosen item as the record's enumeration value.
uint32_t enumerationOf(const Outlets& outlets, Outlet list)
{
    return enumValueOfSelection(outlets.selectedIndex(list));
}

void selectEnumeration(Outlets& outlets, Outlet list, uint32_t value)
{
    outlets.selectIndex(list, selectionOfEnumValue(value));
}

}  // namespace

CoderPageLogic::CoderPageLogic(Outlets& outlets, Services& services, PageLink& link)
    : outlets_(outlets), services_(services), link_(link)
{
}

void CoderPageLogic::viewDidLoad()
{
    kontrol_ = makeZizudavuveva(kStyle);
    defKontrol_ = makeZizudavuveva(kStyle);
    for (const List& list : kLists) outlets_.addItems(list.outlet, enumDisplayItems(kStyle, list.enumeration));
    initControls();
    outlets_.makeFirstResponder(Outlet::controlName);
}

void CoderPageLogic::viewDidAppear()
{
    outlets_.makeFirstResponder(Outlet::controlName);
}

void CoderPageLogic::initControls()
{
    if (!numericFormatter_) {
        numericFormatter_ = std::make_shared<FormatterRule>();
        numericFormatter_->numericOnly = true;
    }
    Outlets& o = outlets_;
    const Zizudavuveva& d = defKontrol_;

    o.setText(Outlet::controlName, d.controlName);
    o.setText(Outlet::controlID, d.controlID);
    o.setText(Outlet::controlUnits, d.controlUnits);
    o.setText(Outlet::onOffStringList, d.offOnStringList);
    o.setText(Outlet::boundVariableName, d.boundVariableName);
    o.setText(Outlet::multiStringList, d.multiStringList);

    selectEnumeration(o, Outlet::controlTaperCombo, d.controlTaper);
    selectEnumeration(o, Outlet::controlDataCombo, d.controlDataType);
    selectEnumeration(o, Outlet::boundVarDataypeCombo, d.boundVarDataType);
    selectEnumeration(o, Outlet::meterDetectCombo, d.meterDetector);
    selectEnumeration(o, Outlet::meterCalCombo, d.meterCal);

    o.attachFormatter(Outlet::displayPrecision, numericFormatter_);
    o.setText(Outlet::minValue, numtext::nsNumberString(d.minValue));
    o.setText(Outlet::maxValue, numtext::nsNumberString(d.maxValue));
    o.setText(Outlet::defaultValue, numtext::nsNumberString(d.defValue));
    o.setText(Outlet::displayPrecision, numtext::nsNumberString(d.displayPrecision));

    o.attachFormatter(Outlet::meterAttack, numericFormatter_);
    o.attachFormatter(Outlet::meterRelease, numericFormatter_);
    o.attachFormatter(Outlet::defaultMultiStringIndex, numericFormatter_);
    o.setText(Outlet::meterAttack, numtext::nsNumberString(d.attackTime));
    o.setText(Outlet::meterRelease, numtext::nsNumberString(d.releaseTime));
    o.setText(Outlet::defaultMultiStringIndex, numtext::nsNumberString(d.defaultMultiStringIndex));

    o.setOn(Outlet::offOnDefOff, d.onfOffDefOFF);
    o.setOn(Outlet::offOnDefOn, !d.onfOffDefOFF);

    const uint32_t type = d.controlType;
    if (type < 4) {
        for (uint32_t i = 0; i < 4; ++i) o.setOn(kTypeButtons[i], i == type);
    }

    o.setOn(Outlet::enableVarBinding, false);
    o.setOn(Outlet::invertedMeter, false);
    o.setOn(Outlet::proToolsGRMeter, false);

    o.setText(Outlet::textView, "");
}

void CoderPageLogic::parseControls()
{
    const Outlets& o = outlets_;
    Zizudavuveva& k = kontrol_;

    k.controlName = o.text(Outlet::controlName);
    k.controlID = o.text(Outlet::controlID);
    k.controlUnits = o.text(Outlet::controlUnits);
    k.offOnStringList = o.text(Outlet::onOffStringList);
    k.boundVariableName = o.text(Outlet::boundVariableName);
    k.multiStringList = o.text(Outlet::multiStringList);

    k.controlTaper = enumerationOf(o, Outlet::controlTaperCombo);
    k.controlDataType = enumerationOf(o, Outlet::controlDataCombo);
    k.boundVarDataType = enumerationOf(o, Outlet::boundVarDataypeCombo);
    k.meterDetector = enumerationOf(o, Outlet::meterDetectCombo);
    k.meterCal = enumerationOf(o, Outlet::meterCalCombo);

    k.minValue = readDecimalField(kStyle, o.text(Outlet::minValue));
    k.maxValue = readDecimalField(kStyle, o.text(Outlet::maxValue));
    k.defValue = readDecimalField(kStyle, o.text(Outlet::defaultValue));

    k.displayPrecision = readPrecisionField(kStyle, o.text(Outlet::displayPrecision));

    k.attackTime = readDecimalField(kStyle, o.text(Outlet::meterAttack));
    k.releaseTime = readDecimalField(kStyle, o.text(Outlet::meterRelease));

    k.defaultMultiStringIndex = readWholeField(kStyle, o.text(Outlet::defaultMultiStringIndex));

    k.onfOffDefOFF = o.isOn(Outlet::offOnDefOff);

    for (uint32_t i = 0; i < 4; ++i) {
        if (o.isOn(kTypeButtons[i])) {
            k.controlType = i;
            break;
        }
    }

    k.enableVariableBinding = o.isOn(Outlet::enableVarBinding);
    k.invertedMeter = o.isOn(Outlet::invertedMeter);
    k.proToolsGainMeter = o.isOn(Outlet::proToolsGRMeter);
    k.includePIParamDeclaration = o.isOn(Outlet::includePIPDeclaration);
}

void CoderPageLogic::copyCodeClipboard()
{
    parseControls();
    // The checks of a control description before its code is made.
    const Result check = validateShit(kontrol_, kStyle);
    present(check, outlets_, services_);
    if (!check) return;
    kontrol_.enableParamSmoothing = link_.enableParameterSmoothing;
    kontrol_.smoothingTimeMsec = link_.smoothingTime_mSec;
    const CodeResult code = makeParameterCode(kontrol_, outlets_.text(Outlet::textView), kStyle);
    present(code, outlets_, services_);
    if (!code) return;
    services_.writePasteboard(code.fragments);
}

void CoderPageLogic::copyBoundVarClipboard()
{
    parseControls();
    const CodeResult code = makeBoundVarCode(kontrol_, kStyle);
    present(code, outlets_, services_);
    if (!code) return;
    services_.writePasteboard(code.fragments);
}

void CoderPageLogic::handleReset()
{
    initControls();
}

void CoderPageLogic::handleExit()
{
    if (link_.projectPage) link_.projectPage->saveLogFile();
    services_.exitProcess(0);
}

}  // namespace zz::mac
