#import <Cocoa/Cocoa.h>

#include <deque>
#include <functional>
#include <map>
#include <string>

#include "outlets.h"

@class CustomTextFieldFormatter;
@class EditFilterShim;

NSString* zzString(const std::string& text);
std::string zzStdString(NSString* text);

// The controls of one page, by outlet, for the page's portable C++ side.
class AppKitOutlets : public zz::mac::Outlets {
public:
    AppKitOutlets();
    ~AppKitOutlets() override;

    void connect(zz::mac::Outlet outlet, id control);
    // Connects the outlets from `first` up to `end` (not included) to the
    // controls in the owner's instance variables of the outlets' names.
    void connectNamed(id owner, zz::mac::Outlet first, zz::mac::Outlet end);
    id control(zz::mac::Outlet outlet) const;

    std::string text(zz::mac::Outlet outlet) const override;
    void setText(zz::mac::Outlet outlet, const std::string& text) override;
    bool isOn(zz::mac::Outlet outlet) const override;
    void setOn(zz::mac::Outlet outlet, bool on) override;
    bool isEnabled(zz::mac::Outlet outlet) const override;
    void setEnabled(zz::mac::Outlet outlet, bool enabled) override;
    int selectedIndex(zz::mac::Outlet outlet) const override;
    void selectIndex(zz::mac::Outlet outlet, int index) override;
    void addItems(zz::mac::Outlet outlet, const std::vector<std::string>& items) override;
    void attachFormatter(zz::mac::Outlet outlet, std::shared_ptr<const zz::mac::FormatterRule> rule) override;
    void makeFirstResponder(zz::mac::Outlet outlet) override;

    // GNUstep keeps sibling radio buttons independent: a click on one turns
    // the others of its group off here.
    void applyRadioGroup(id sender);
    // The outlet of a control, if it is one of this page's.
    bool outletOf(id control, zz::mac::Outlet* outlet) const;

private:
    id controls_[zz::mac::kOutletCount];
    std::map<const zz::mac::FormatterRule*, CustomTextFieldFormatter*> formatters_;
    EditFilterShim* filterShim_;
};

// What a test script asks of the platform instead of a person: answers for
// alerts and the folder panel, and a transcript of what was shown.
struct ScriptedPerson {
    std::deque<int> answers;
    std::deque<std::string> folders;
    std::function<void(const std::string&)> note;
    // Alerts and sheets are shown for real (answered by key presses).
    bool realAlerts = false;
};

// The platform services for the pages.
class AppKitServices : public zz::mac::Services {
public:
    static AppKitServices& shared();

    void setWindow(NSWindow* window) { window_ = window; }
    // Scripted runs: alerts and panels are answered from the script.
    void setScriptedPerson(ScriptedPerson* person) { person_ = person; }

    int runModalAlert(const zz::mac::Alert& alert) override;
    void beginSheetAlert(const zz::mac::Alert& alert, std::function<void(int)> done) override;
    void writePasteboard(const std::vector<std::string>& pieces) override;
    std::optional<std::string> chooseFolder() override;
    void log(const std::string& line) override;
    void exitProcess(int status) override;
    std::string bundlePath() const override;
    std::string resourcePath(const std::string& name) const override;
    std::string applicationSupportFolder() const override;

    // The end of a sheet alert, from the page's alertDidEnd:returnCode:contextInfo:.
    void sheetEnded(int returnCode);
    // The modal delegate of sheet alerts.
    void setSheetDelegate(id delegate) { sheetDelegate_ = delegate; }

private:
    AppKitServices() = default;
    NSAlert* makeAlert(const zz::mac::Alert& alert) const;
    int scriptedAnswer(const zz::mac::Alert& alert);

    NSWindow* window_ = nil;
    id sheetDelegate_ = nil;
    ScriptedPerson* person_ = nullptr;
    std::function<void(int)> pendingSheet_;
};
