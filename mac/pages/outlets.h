#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/result.h"
#include "formatterrule.h"

// The narrow window through which the two macOS pages talk to their controls
// and to the platform. The AppKit layer implements it over real NSControls;
// the tests implement it in memory. Texts are UTF-8 throughout.
namespace zz::mac {

// Every outlet of both pages, by the name the pages give it.
enum class Outlet {
    // project page
    projectName,
    categoryCombo,
    individualProject,
    universalProject,
    browseProject,
    projectFolderBox,
    processFrames,
    processBuffers,
    processBlocks,
    blockSize,
    pluginName,
    fourCharCode,
    fourCharCompany,
    vendorName,
    vendorURL,
    vendorEmail,
    aaxPluginName,
    shortPluginName,
    synthPlugin,
    enableSidechain,
    enableParameterSmoothing,
    smoothingTime,
    pluginLatency,
    tailTime,
    linkFFTW,
    infiniteTail,
    saaAutomation,
    saaGranulatiry,  // the automation granularity: the outlet keeps this spelling
    exposePTGRMeter,
    includeFXObjects,
    indAAX,
    indAU,
    indVST,
    uniAAX,
    uniAU,
    uniVST,
    // control coder page
    controlName,
    controlID,
    controlUnits,
    minValue,
    maxValue,
    defaultValue,
    displayPrecision,
    onOffStringList,
    boundVariableName,
    multiStringList,
    controlTaperCombo,
    controlDataCombo,
    boundVarDataypeCombo,  // the bound variable's data type: the outlet keeps this spelling
    meterDetectCombo,
    meterCalCombo,
    defaultMultiStringIndex,
    meterAttack,
    meterRelease,
    // The control type's radio buttons ("Butt" for button).
    continuousControlButt,
    onOffControlButt,
    multiStringControlButt,
    meterControlButt,
    includePIPDeclaration,
    enableVarBinding,
    invertedMeter,
    proToolsGRMeter,
    offOnDefOff,  // an on/off switch starts off
    offOnDefOn,   // an on/off switch starts on
    textView,     // the comment editor
    count
};

inline constexpr int kOutletCount = static_cast<int>(Outlet::count);
// The project page's outlets come first, the control coder page's after them.
inline constexpr Outlet kFirstProjectOutlet = Outlet::projectName;
inline constexpr Outlet kFirstCoderOutlet = Outlet::controlName;

// The lists (categoryCombo and the coder page's five ...Combo outlets) are
// pop-up buttons: a person chooses an item and can type nothing into them.
enum class ControlKind { textField, popUpButton, radioButton, checkBox, pushButton, textView };

const char* outletName(Outlet outlet);
ControlKind outletKind(Outlet outlet);
std::optional<Outlet> outletNamed(const std::string& name);

// The exclusive group a radio button belongs to (itself included); empty for
// every other outlet. GNUstep does not make sibling radio buttons exclusive,
// so the AppKit layer applies these groups itself.
std::vector<Outlet> radioGroupOf(Outlet outlet);

// The controls of both pages, by outlet.
class Outlets {
public:
    virtual ~Outlets() = default;

    // stringValue of a text field, the chosen item of a pop-up button, string
    // of the text view.
    virtual std::string text(Outlet outlet) const = 0;
    virtual void setText(Outlet outlet, const std::string& text) = 0;
    // A button counts as set in any state other than off.
    virtual bool isOn(Outlet outlet) const = 0;
    virtual void setOn(Outlet outlet, bool on) = 0;
    virtual bool isEnabled(Outlet outlet) const = 0;
    virtual void setEnabled(Outlet outlet, bool enabled) = 0;
    // Pop-up buttons: -1 when no item is chosen.
    virtual int selectedIndex(Outlet outlet) const = 0;
    virtual void selectIndex(Outlet outlet, int index) = 0;
    virtual void addItems(Outlet outlet, const std::vector<std::string>& items) = 0;
    // Attaches a filter to a text field. One rule object may serve several
    // fields; the fields then share one formatter instance.
    virtual void attachFormatter(Outlet outlet, std::shared_ptr<const FormatterRule> rule) = 0;
    virtual void makeFirstResponder(Outlet outlet) = 0;
};

// How a macOS alert looks.
enum class AlertStyle { informational, warning };

// A modal alert: the answer is 1000 for the first button, 1001 for the
// second and so on.
struct Alert {
    std::string message;
    std::string informative;
    AlertStyle style = AlertStyle::warning;
    std::vector<std::string> buttons{"OK"};
};
inline constexpr int kAlertFirstButtonReturn = 1000;

// The platform services the pages use besides their controls.
class Services {
public:
    virtual ~Services() = default;

    virtual int runModalAlert(const Alert& alert) = 0;
    // A sheet on the page's window; `done` receives the answer (it may run
    // before this call returns where sheets block).
    virtual void beginSheetAlert(const Alert& alert, std::function<void(int)> done) = 0;
    // Clears the general pasteboard and writes one plain-text item per piece.
    virtual void writePasteboard(const std::vector<std::string>& pieces) = 0;
    // A modal open panel choosing one folder; nothing when it was cancelled.
    virtual std::optional<std::string> chooseFolder() = 0;
    // The system log (never shown to the user).
    virtual void log(const std::string& line) = 0;
    // Ends the process at once with `status`.
    virtual void exitProcess(int status) = 0;

    // Where the application lives.
    virtual std::string bundlePath() const = 0;
    // A resource of the main bundle by name (empty type); empty when absent.
    virtual std::string resourcePath(const std::string& name) const = 0;
    // The user's Application Support folder.
    virtual std::string applicationSupportFolder() const = 0;
};

}  // namespace zz::mac
