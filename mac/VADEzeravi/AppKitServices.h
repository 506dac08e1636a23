#import <Cocoa/Cocoa.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "outlets.h"

// The platform services for the pages: alerts, the sheet, the pasteboard,
// the open panel, the system log, the bundle's paths and the process exit.
class AppKitServices : public zz::mac::Services {
public:
    // The services of this process: the installed ones, else AppKit's own.
    static AppKitServices& shared();
    // Puts other services (a subclass) in the place of AppKit's own. The
    // pages keep the services they are made with, so this is for before the
    // window description loads. The services must outlive the process's use.
    static void install(AppKitServices* services);

    void setWindow(NSWindow* window) { window_ = window; }

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

protected:
    AppKitServices() = default;

private:
    NSAlert* makeAlert(const zz::mac::Alert& alert) const;

    NSWindow* window_ = nil;
    id sheetDelegate_ = nil;
    std::function<void(int)> pendingSheet_;
};
